import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// Key capture field: waits after a click, or after Return, Enter or Space,
// takes the first key event of the desktop hook; while it waits every key
// pressed in the scene is its own, Tab and Escape included.
ControlTestCase {
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
        readonly property var names: ({ 4: "A", 5: "B", 41: "ESC", 43: "TAB" })
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

    // The field between two probes, with the focus on it by Tab.
    function tabIntoField() {
        var t = createWithProbes(keyInputComponent, mainIten, { objectName: "field" })
        t.before.forceActiveFocus()
        keyClick(Qt.Key_Tab)
        compare(focusItem(), t.control)
        return t
    }

    // hook: the desktop hook's events after the scene's key press, each
    // [isDown, usage]; taken: the usage taken, 0 for none.
    function test_startFromKeys_data() {
        var tab = 43
        var rows = []
        var starts = [
            { name: "Return", key: Qt.Key_Return, modifiers: Qt.NoModifier, usage: 40 },
            { name: "Enter", key: Qt.Key_Enter, modifiers: Qt.KeypadModifier, usage: 88 },
            { name: "Space", key: Qt.Key_Space, modifiers: Qt.NoModifier, usage: 44 }
        ]
        for (var i = 0; i < starts.length; ++i) {
            var st = starts[i]
            rows.push({ tag: st.name + ", its hook events after the scene's", key: st.key, modifiers: st.modifiers,
                        hook: [[true, st.usage], [false, st.usage], [true, tab]], taken: tab, events: 3 })
            rows.push({ tag: st.name + ", only its release after the scene's", key: st.key, modifiers: st.modifiers,
                        hook: [[false, st.usage], [false, tab]], taken: tab, events: 2 })
            rows.push({ tag: st.name + ", its hook events all before the scene's", key: st.key, modifiers: st.modifiers,
                        hook: [[true, 4]], taken: 4, events: 1 })
            rows.push({ tag: st.name + " again after its release is taken", key: st.key, modifiers: st.modifiers,
                        hook: [[true, st.usage], [false, st.usage], [true, st.usage]], taken: st.usage, events: 3 })
            rows.push({ tag: st.name + ", nothing else yet", key: st.key, modifiers: st.modifiers,
                        hook: [[true, st.usage], [false, st.usage]], taken: 0, events: 2 })
        }
        return rows
    }

    function test_startFromKeys(data) {
        var t = tabIntoField()
        var field = t.control
        var spy = createTemporaryObject(spyComponent, test, { target: field, signalName: "inputComplete" })
        field.setKeycodeUSB(5)
        keyClick(data.key, data.modifiers)
        verify(field.isSelect, "the key starts waiting, as a click does")
        verify(field.listening)
        compare(field.tmpKeycodeUSB, 0, "and clears the field")
        compare(field.Accessible.description, "text 129")
        for (var i = 0; i < data.events; ++i)
            field.detectKeyboard(data.hook[i][0], data.hook[i][1])
        compare(spy.count, data.taken ? 1 : 0)
        if (data.taken)
            compare(spy.signalArguments[0][0], data.taken)
        compare(field.isSelect, data.taken === 0)
        compare(field.Accessible.description, data.taken ? "" : "text 129")
        compare(focusItem(), field)
    }

    function test_clickStartTakesTheNextHookEvent() {
        var field = createField()
        var spy = createTemporaryObject(spyComponent, test, { target: field, signalName: "inputComplete" })
        mouseClick(field, 75, 11)
        field.detectKeyboard(true, 40)
        compare(spy.count, 1)
        compare(spy.signalArguments[0][0], 40)
    }

    function test_everySceneKeyIsTheFieldsWhileWaiting_data() {
        return [
            { tag: "Tab", key: Qt.Key_Tab },
            { tag: "Shift+Tab", key: Qt.Key_Backtab },
            { tag: "Escape", key: Qt.Key_Escape },
            { tag: "Return", key: Qt.Key_Return },
            { tag: "Left", key: Qt.Key_Left },
            { tag: "A", key: Qt.Key_A }
        ]
    }

    function test_everySceneKeyIsTheFieldsWhileWaiting(data) {
        var t = tabIntoField()
        var field = t.control
        keyClick(Qt.Key_Space)
        verify(field.isSelect)
        mainIten.keysPassedOn = []
        keyClick(data.key)
        compare(focusItem(), field)
        compare(mainIten.keysPassedOn, [])
        verify(field.isSelect, "only the hook's event is taken")
        verify(findChild(field, "focusMark").visible)
    }

    // The hook reported the key before the scene's press: until that key's
    // release in the scene, the field keeps taking the scene's keys.
    function test_keyTakenBeforeItsSceneEvent() {
        var t = tabIntoField()
        var field = t.control
        keyClick(Qt.Key_Return)
        field.detectKeyboard(true, 43)
        verify(!field.isSelect)
        verify(field.takesKeys)
        keyPress(Qt.Key_Tab)
        compare(focusItem(), field, "the taken Tab moves nothing")
        keyRelease(Qt.Key_Tab)
        verify(!field.takesKeys)
        keyClick(Qt.Key_Tab)
        compare(focusItem(), t.after, "a later Tab goes on")
    }

    // steps: "press:K" / "release:K" the scene's, "hook:down:U" / "hook:up:U"
    // the hook's; takes: takesKeys after the steps.
    function test_sceneKeysAfterTheTake_data() {
        return [
            { tag: "the scene's press and release before the hook's press",
              steps: ["press:Escape", "release:Escape", "hook:down:41"], taken: 41, takes: false },
            { tag: "the scene's press before the hook's, its release after",
              steps: ["press:Tab", "hook:down:43"], taken: 43, takes: true },
            { tag: "... and its release", steps: ["press:Tab", "hook:down:43", "release:Tab"], taken: 43, takes: false },
            { tag: "the hook's press first", steps: ["hook:down:43"], taken: 43, takes: true },
            { tag: "taken on a release", steps: ["hook:up:4"], taken: 4, takes: false }
        ]
    }

    // After the take, the scene's keys stay the field's only while the taken
    // key's scene press is still to come or still down; then Tab goes on.
    function test_sceneKeysAfterTheTake(data) {
        var t = tabIntoField()
        var field = t.control
        keyClick(Qt.Key_Space)
        field.detectKeyboard(true, 44)
        field.detectKeyboard(false, 44)
        var keys = { "Escape": Qt.Key_Escape, "Tab": Qt.Key_Tab }
        for (var i = 0; i < data.steps.length; ++i) {
            var step = data.steps[i].split(":")
            if (step[0] === "press")
                keyPress(keys[step[1]])
            else if (step[0] === "release")
                keyRelease(keys[step[1]])
            else
                field.detectKeyboard(step[1] === "down", parseInt(step[2]))
        }
        compare(field.tmpKeycodeUSB, data.taken)
        compare(field.takesKeys, data.takes)
        compare(focusItem(), field)
        if (data.takes) {
            keyPress(Qt.Key_Tab)
            compare(focusItem(), field, "the taken key's own press")
            keyRelease(Qt.Key_Tab)
            verify(!field.takesKeys)
        }
        keyClick(Qt.Key_Tab)
        compare(focusItem(), t.after)
    }

    function test_leavingStopsWaiting() {
        var t = tabIntoField()
        var field = t.control
        var spy = createTemporaryObject(spyComponent, test, { target: field, signalName: "inputComplete" })
        keyClick(Qt.Key_Return)
        verify(field.isSelect)
        t.after.forceActiveFocus()
        verify(!field.isSelect)
        field.detectKeyboard(true, 4)
        compare(spy.count, 0)
    }

    function test_otherKeysGoOnWhileNotWaiting() {
        var field = createField()
        field.forceActiveFocus()
        mainIten.keysPassedOn = []
        keyClick(Qt.Key_A)
        keyClick(Qt.Key_Escape)
        keyClick(Qt.Key_Return, Qt.ControlModifier)
        compare(mainIten.keysPassedOn, [Qt.Key_A, Qt.Key_Escape, Qt.Key_Return])
        verify(!field.isSelect)
    }

    function test_tabChain_data() {
        return [
            { tag: "enabled", enabled: true, forward: ["field", "after"], backward: ["field", "before"] },
            { tag: "disabled", enabled: false, forward: ["after"], backward: ["before"] }
        ]
    }

    function test_tabChain(data) {
        var t = createWithProbes(keyInputComponent, mainIten, { objectName: "field", enabled: data.enabled })
        compare(tabStops(t.before, data.forward.length), data.forward)
        compare(tabStops(t.after, data.backward.length, true), data.backward)
    }

    // A button named KEY and the key taken (NONE without one); PRESS A KEY
    // describes it while it waits; the press action acts as a click.
    function test_accessible() {
        var field = createField()
        compare(field.Accessible.role, Accessible.Button)
        compare(field.Accessible.name, "text 74 text 127")
        compare(field.Accessible.description, "")
        field.Accessible.pressAction()
        verify(field.isSelect)
        compare(field.Accessible.description, "text 129")
        field.detectKeyboard(true, 41)
        compare(field.Accessible.name, "text 74 ESC")
        compare(field.Accessible.description, "")
    }
}
