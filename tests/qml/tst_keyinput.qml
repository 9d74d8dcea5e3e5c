import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// Key field: name lookup, fallback text, clearing by a click or by Return,
// Enter and Space; what screen readers see.
ControlTestCase {
    id: test
    name: "KeyInput"
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
    }

    QtObject {
        id: _KeyCodeString
        readonly property var names: ({ 4: "A", 5: "B", 41: "ESC" })
        function keycodeTostr(code) {
            return names[code]
        }
    }

    Component {
        id: keyInputComponent
        KeyInput { x: 40; y: 40 }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function init() {
        mouseMove(test, 280, 180) // pointer away from the field
    }

    function test_size() {
        var field = createTemporaryObject(keyInputComponent, mainIten)
        compare(field.width, 65)
        compare(field.height, 23)
        compare(findChild(field, "frame").width, 64)
        compare(findChild(field, "frame").height, 22)
    }

    function test_setKeycodeUSB_data() {
        return [
            { tag: "named key", code: 41, keycodeUSB: 41, keyname: "ESC", label: "ESC" },
            { tag: "another named key", code: 5, keycodeUSB: 5, keyname: "B", label: "B" },
            { tag: "code without a name", code: 200, keycodeUSB: -1, keyname: "", label: "【 KEYS 】" },
            { tag: "negative code", code: -1, keycodeUSB: -1, keyname: "", label: "【 KEYS 】" }
        ]
    }

    function test_setKeycodeUSB(data) {
        var field = createTemporaryObject(keyInputComponent, mainIten)
        field.setKeycodeUSB(4)
        compare(findChild(field, "label").text, "A")
        field.setKeycodeUSB(data.code)
        compare(field.keycodeUSB, data.keycodeUSB)
        compare(field.keyname, data.keyname)
        compare(findChild(field, "label").text, data.label)
    }

    function test_clickClears() {
        var field = createTemporaryObject(keyInputComponent, mainIten)
        var spy = createTemporaryObject(spyComponent, test, { target: field, signalName: "clearKey" })
        field.setKeycodeUSB(4)
        var label = findChild(field, "label")
        mouseMove(field, 30, 10)
        compare(label.text, "╳", "the cancel mark shows while hovered")
        mousePress(field, 30, 10)
        compare(label.opacity, 0.5)
        mouseRelease(field, 30, 10)
        compare(label.opacity, 1.0)
        compare(field.keycodeUSB, -1)
        compare(spy.count, 1)
        mouseMove(test, 280, 180)
        compare(label.text, "【 KEYS 】")
    }

    function test_frameHighlight_data() {
        return [
            { tag: "idle", hover: false, isIn: false, lit: false },
            { tag: "hovered", hover: true, isIn: false, lit: true },
            { tag: "something dragged over it", hover: false, isIn: true, lit: true }
        ]
    }

    function test_frameHighlight(data) {
        var field = createTemporaryObject(keyInputComponent, mainIten, { isIn: data.isIn })
        if (data.hover)
            mouseMove(field, 30, 10)
        var expected = data.lit ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
        verify(Qt.colorEqual(findChild(field, "frame").border.color, expected))
    }

    function test_keys_data() {
        return activationCases()
    }

    function test_keys(data) {
        var field = createTemporaryObject(keyInputComponent, mainIten)
        field.setKeycodeUSB(5)
        var spy = createTemporaryObject(spyComponent, test, { target: field, signalName: "clearKey" })
        field.forceActiveFocus()
        mainIten.keysPassedOn = []
        keyClick(data.key, data.modifiers)
        compare(spy.count, data.acts ? 1 : 0)
        compare(field.keycodeUSB, data.acts ? -1 : 5)
        compare(findChild(field, "label").text, data.acts ? "【 KEYS 】" : "B")
        compare(mainIten.keysPassedOn, data.acts ? [] : [data.key])
    }

    function test_tabChain_data() {
        return [
            { tag: "enabled", enabled: true, onTab: true, forward: ["field", "after"] },
            { tag: "disabled", enabled: false, onTab: true, forward: ["after"] },
            { tag: "left out by its owner", enabled: true, onTab: false, forward: ["after"] }
        ]
    }

    function test_tabChain(data) {
        var t = createWithProbes(keyInputComponent, mainIten,
                                 { objectName: "field", enabled: data.enabled, activeFocusOnTab: data.onTab })
        compare(tabStops(t.before, data.forward.length), data.forward)
        var mark = findChild(t.control, "focusMark")
        verify(!mark.visible)
        tabStops(t.before, 1)
        compare(mark.visible, data.forward[0] === "field")
    }

    function test_accessible_data() {
        return [
            { tag: "a key", code: 4, name: "text 74 A" },
            { tag: "no key", code: 99, name: "text 74 text 127" }
        ]
    }

    // A button named KEY and the key (NONE without one); pressing it clears.
    function test_accessible(data) {
        var field = createTemporaryObject(keyInputComponent, mainIten)
        field.setKeycodeUSB(data.code)
        var spy = createTemporaryObject(spyComponent, test, { target: field, signalName: "clearKey" })
        compare(field.Accessible.role, Accessible.Button)
        compare(field.Accessible.name, data.name)
        field.Accessible.pressAction()
        compare(spy.count, 1)
        compare(field.Accessible.name, "text 74 text 127")
    }
}
