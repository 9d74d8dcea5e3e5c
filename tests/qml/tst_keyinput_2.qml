import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// Key capture field: waits after a click, takes the first key event.
TestCase {
    id: test
    name: "KeyInput_2"
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
        property url sourceSlider: "file:modules/img/skin1/common/slider_BASE.png"
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
        KeyInput_2 { x: 40; y: 40 }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function init() {
        mouseMove(test, 280, 180)
    }

    function createField() {
        var field = createTemporaryObject(keyInputComponent, mainIten)
        compare(field.width, 151)
        compare(field.height, 23)
        return field
    }

    function test_keyEventWhileWaiting_data() {
        return [
            { tag: "key down", isDown: true, code: 41, tmpCode: 41, tmpString: "ESC", label: "KEY 【 ESC 】" },
            { tag: "key up", isDown: false, code: 5, tmpCode: 5, tmpString: "B", label: "KEY 【 B 】" },
            { tag: "key without a name", isDown: true, code: 200, tmpCode: 0, tmpString: "", label: "KEY【 PRESS ANY 】" },
            { tag: "negative code", isDown: false, code: -3, tmpCode: 0, tmpString: "", label: "KEY【 PRESS ANY 】" }
        ]
    }

    function test_keyEventWhileWaiting(data) {
        var field = createField()
        var spy = createTemporaryObject(spyComponent, test, { target: field, signalName: "inputComplete" })
        field.setKeycodeUSB(4)
        mouseClick(field, 75, 11)
        verify(field.isSelect, "a click starts waiting")
        compare(field.tmpKeycodeUSB, 0, "a click clears the field")
        field.detectKeyboard(data.isDown, data.code)
        compare(field.isSelect, false)
        compare(field.tmpKeycodeUSB, data.tmpCode)
        compare(field.tmpKeyString, data.tmpString)
        compare(field.text.text, data.label)
        compare(spy.count, 1)
        compare(spy.signalArguments[0][0], data.code)
        field.detectKeyboard(!data.isDown, 4)
        compare(spy.count, 1, "only the first key event is taken")
        compare(field.tmpKeycodeUSB, data.tmpCode)
    }

    function test_ignoredWhileNotWaiting_data() {
        return [
            { tag: "key down", isDown: true },
            { tag: "key up", isDown: false }
        ]
    }

    function test_ignoredWhileNotWaiting(data) {
        var field = createField()
        var spy = createTemporaryObject(spyComponent, test, { target: field, signalName: "inputComplete" })
        field.setKeycodeUSB(5)
        field.detectKeyboard(data.isDown, 41)
        compare(field.tmpKeycodeUSB, 5)
        compare(field.tmpKeyString, "B")
        compare(spy.count, 0)
    }

    function test_clickTogglesWaiting() {
        var field = createField()
        var label = field.text
        compare(label.text, "KEY【 PRESS ANY 】")
        verify(Qt.colorEqual(label.color, mainIten.globalSetting_color_enable))
        mouseClick(field, 75, 11)
        verify(field.isSelect)
        mouseMove(test, 280, 180)
        verify(Qt.colorEqual(label.color, mainIten.globalSetting_color), "highlighted while waiting")
        mouseClick(field, 75, 11)
        verify(!field.isSelect)
    }

    function test_setKeycodeUSBEndsWaiting_data() {
        return [
            { tag: "named key", code: 4, tmpCode: 4 },
            { tag: "key without a name", code: 99, tmpCode: 0 }
        ]
    }

    function test_setKeycodeUSBEndsWaiting(data) {
        var field = createField()
        var spy = createTemporaryObject(spyComponent, test, { target: field, signalName: "inputComplete" })
        mouseClick(field, 75, 11)
        verify(field.isSelect)
        field.setKeycodeUSB(data.code)
        verify(!field.isSelect)
        compare(field.tmpKeycodeUSB, data.tmpCode)
        compare(spy.count, 0, "only a detected key completes the input")
    }

    function test_ownerMovesLabel() {
        var field = createField()
        field.text.x = 3
        field.setKeycodeUSB(41)
        compare(field.text.x, 3)
    }
}
