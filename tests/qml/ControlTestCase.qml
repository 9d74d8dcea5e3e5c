import QtQuick
import QtTest

// A test case for one shared control with the keyboard: it puts the control
// between two items that take the focus, so a test sees where Tab and
// Shift+Tab go, and presses keys on it.
TestCase {
    id: controlTest
    when: windowShown
    visible: true

    Component {
        id: probeComponent
        Item {
            width: 2
            height: 2
            activeFocusOnTab: true
        }
    }

    function focusItem() {
        return controlTest.Window.activeFocusItem
    }

    // `component` made in `parent` between the probes "before" and "after".
    function createWithProbes(component, parent, properties) {
        var before = createTemporaryObject(probeComponent, parent, { objectName: "before" })
        var control = createTemporaryObject(component, parent, properties === undefined ? {} : properties)
        var after = createTemporaryObject(probeComponent, parent, { objectName: "after" })
        return { before: before, control: control, after: after }
    }

    // The object names of the items that have the focus after each Tab from
    // `from` (Shift+Tab with `backwards`), `count` presses.
    function tabStops(from, count, backwards) {
        from.forceActiveFocus()
        var names = []
        for (var i = 0; i < count; ++i) {
            keyClick(backwards ? Qt.Key_Backtab : Qt.Key_Tab)
            var item = focusItem()
            names.push(item ? item.objectName : "")
        }
        return names
    }

    // Presses the keys in turn: each is a Qt key code or { key, modifiers }.
    function pressKeys(keys) {
        for (var i = 0; i < keys.length; ++i) {
            var k = keys[i]
            if (typeof k === "number")
                keyClick(k)
            else
                keyClick(k.key, k.modifiers)
        }
    }

    // Keys that click a control and keys that do not, for *_data() tables.
    function activationCases() {
        return [
            { tag: "Return", key: Qt.Key_Return, modifiers: Qt.NoModifier, acts: true },
            { tag: "Enter", key: Qt.Key_Enter, modifiers: Qt.KeypadModifier, acts: true },
            { tag: "Space", key: Qt.Key_Space, modifiers: Qt.NoModifier, acts: true },
            { tag: "A", key: Qt.Key_A, modifiers: Qt.NoModifier, acts: false },
            { tag: "Ctrl+Return", key: Qt.Key_Return, modifiers: Qt.ControlModifier, acts: false },
            { tag: "Alt+Space", key: Qt.Key_Space, modifiers: Qt.AltModifier, acts: false }
        ]
    }
}
