import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// Check box: a click inverts isSelect and reports the new value; a silent box
// plays no click sound; litWhileHovered lights the box under the pointer.
// Return, Enter and Space act as the click; screen readers see a check box.
ControlTestCase {
    id: test
    name: "Checkbox"
    when: windowShown
    visible: true
    width: 300
    height: 200

    ControlRoot {
        id: mainIten
        anchors.fill: parent
        property int globalSetting_size: 11
        property color globalSetting_color: "#FF00C8FF"
        property color globalSetting_color_enable: "#FFAAAAAA"
        property string globalSetting_fontFamily: "Arial"
        property url sourceCHK0: "file:modules/img/skin1/common/checkbox_0.png"
        property url sourceCHK1: "file:modules/img/skin1/common/checkbox_1.png"
        // the sound cues the control asked the root for
        property var cues: []
        function playMedia(index) {
            cues.push(index)
        }
    }

    // Explicit heights: the box picture gives the natural height.
    Component {
        id: checkboxComponent
        Checkbox { x: 20; y: 20; height: 20; chkStr: "PER KEY" }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function init() {
        mainIten.cues = []
    }

    function boxOf(control) {
        for (var i = 0; i < control.children.length; ++i) {
            if (control.children[i].hasOwnProperty("fillMode"))
                return control.children[i]
        }
        fail("no box picture")
    }

    function test_checkboxClickInverts_data() {
        return [
            { tag: "from unselected", initial: false, silent: false, cues: [4, 4] },
            { tag: "from selected", initial: true, silent: false, cues: [4, 4] },
            { tag: "silent, from unselected", initial: false, silent: true, cues: [] },
            { tag: "silent, from selected", initial: true, silent: true, cues: [] }
        ]
    }

    function test_checkboxClickInverts(data) {
        var box = createTemporaryObject(checkboxComponent, mainIten,
                                        { isSelect: data.initial, silent: data.silent })
        var spy = createTemporaryObject(spyComponent, test, { target: box, signalName: "clicked" })
        verify(box.width > 5, "the label gives the box a width")
        mouseClick(box, 5, 10)
        compare(box.isSelect, !data.initial)
        compare(spy.count, 1)
        compare(spy.signalArguments[0][0], !data.initial)
        compare(String(boxOf(box).source), String(data.initial ? mainIten.sourceCHK0 : mainIten.sourceCHK1))
        mouseClick(box, 5, 10)
        compare(box.isSelect, data.initial)
        compare(spy.count, 2)
        compare(spy.signalArguments[1][0], data.initial)
        compare(mainIten.cues, data.cues, "the click sound, once a click unless silent")
    }

    // The box picture under the pointer: lit only with litWhileHovered, and
    // always lit while selected.
    function test_hoverPicture_data() {
        return [
            { tag: "plain box", lit: false, selected: false, hovered: "CHK0" },
            { tag: "lit while hovered", lit: true, selected: false, hovered: "CHK1" },
            { tag: "selected, lit while hovered", lit: true, selected: true, hovered: "CHK1" }
        ]
    }

    function test_hoverPicture(data) {
        var box = createTemporaryObject(checkboxComponent, mainIten,
                                        { isSelect: data.selected, litWhileHovered: data.lit })
        var pictures = { CHK0: String(mainIten.sourceCHK0), CHK1: String(mainIten.sourceCHK1) }
        var away = data.selected ? pictures.CHK1 : pictures.CHK0
        mouseMove(box, box.width + 40, 10)
        compare(String(boxOf(box).source), away)
        mouseMove(box, 5, 10)
        compare(String(boxOf(box).source), pictures[data.hovered])
        mouseMove(box, box.width + 40, 10)
        compare(String(boxOf(box).source), away)
    }

    function test_disabledTakesNoClicks() {
        var box = createTemporaryObject(checkboxComponent, mainIten, { enabled: false })
        var spy = createTemporaryObject(spyComponent, test, { target: box, signalName: "clicked" })
        compare(box.opacity, 0.2)
        mouseClick(box, 5, 10)
        compare(spy.count, 0)
        compare(box.isSelect, false)
        compare(mainIten.cues, [])
    }

    function test_pressedIsDimmed() {
        var box = createTemporaryObject(checkboxComponent, mainIten)
        compare(box.opacity, 1.0)
        mousePress(box, 5, 10)
        compare(box.opacity, 0.2)
        mouseRelease(box, 5, 10)
        compare(box.opacity, 1.0)
    }

    function test_keys_data() {
        var rows = []
        var cases = activationCases()
        for (var i = 0; i < cases.length; ++i) {
            for (var silent = 0; silent < 2; ++silent) {
                var row = Object.assign({}, cases[i])
                row.tag = cases[i].tag + (silent ? ", silent" : "")
                row.silent = silent === 1
                row.cues = (row.acts && !row.silent) ? [4] : []
                rows.push(row)
            }
        }
        return rows
    }

    function test_keys(data) {
        var box = createTemporaryObject(checkboxComponent, mainIten, { silent: data.silent })
        var spy = createTemporaryObject(spyComponent, test, { target: box, signalName: "clicked" })
        box.forceActiveFocus()
        mainIten.keysPassedOn = []
        keyClick(data.key, data.modifiers)
        compare(mainIten.keysPassedOn, data.acts ? [] : [data.key], "keys it does not use go on")
        compare(box.isSelect, data.acts)
        compare(spy.count, data.acts ? 1 : 0)
        if (data.acts)
            compare(spy.signalArguments[0][0], true)
        compare(mainIten.cues, data.cues, "the click sound")
    }

    function test_tabChain_data() {
        return [
            { tag: "enabled", enabled: true, forward: ["box", "after"], backward: ["box", "before"] },
            { tag: "disabled", enabled: false, forward: ["after"], backward: ["before"] }
        ]
    }

    function test_tabChain(data) {
        var t = createWithProbes(checkboxComponent, mainIten, { objectName: "box", enabled: data.enabled })
        compare(tabStops(t.before, data.forward.length), data.forward)
        compare(tabStops(t.after, data.backward.length, true), data.backward)
        var mark = findChild(t.control, "focusMark")
        verify(!mark.visible)
        if (!data.enabled)
            return
        t.before.forceActiveFocus()
        keyClick(Qt.Key_Tab)
        verify(mark.visible)
    }

    function test_accessible_data() {
        return [
            { tag: "press, from unselected", initial: false, action: "pressAction", checked: true },
            { tag: "toggle, from unselected", initial: false, action: "toggleAction", checked: true },
            { tag: "press, from selected", initial: true, action: "pressAction", checked: false }
        ]
    }

    // A check box named by its label, checked while selected; the actions
    // click it.
    function test_accessible(data) {
        var box = createTemporaryObject(checkboxComponent, mainIten,
                                        { isSelect: data.initial, chkStr: mainIten.globalString(27) })
        compare(box.Accessible.role, Accessible.CheckBox)
        compare(box.Accessible.name, "text 27")
        verify(box.Accessible.checkable)
        compare(box.Accessible.checked, data.initial)
        box.Accessible[data.action]()
        compare(box.isSelect, data.checked)
        compare(box.Accessible.checked, data.checked)
        compare(mainIten.cues, [4])
    }
}
