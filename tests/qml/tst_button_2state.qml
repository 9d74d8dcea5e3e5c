import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// Two-picture button: hover picture, click signal, disabled look, keys,
// focus mark and what screen readers see.
ControlTestCase {
    id: test
    name: "Button_2state"
    when: windowShown
    visible: true
    width: 300
    height: 200

    ControlRoot {
        id: mainIten
        anchors.fill: parent
        property url sourceReset0: "file:modules/img/skin1/common/reset_0.png"
        property url sourceReset1: "file:modules/img/skin1/common/reset_1.png"
        // the sound cues the control asked the root for
        property var cues: []
        function playMedia(index) {
            cues.push(index)
        }
    }

    Component {
        id: buttonComponent
        Button_2state {
            x: 50
            y: 50
            width: 40
            height: 20
            source0: mainIten.sourceReset0
            source1: mainIten.sourceReset1
        }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function init() {
        mouseMove(test, 250, 180) // pointer away from the button
        mainIten.cues = []
    }

    function test_hoverSwitchesPicture_data() {
        return [
            { tag: "enabled", enabled: true, hovered: "source1" },
            { tag: "disabled", enabled: false, hovered: "source0" }
        ]
    }

    function test_hoverSwitchesPicture(data) {
        var button = createTemporaryObject(buttonComponent, mainIten, { enabled: data.enabled })
        compare(String(button.source), String(button.source0))
        mouseMove(button, 20, 10)
        verify(button.mouse.containsMouse || !data.enabled)
        compare(String(button.source), String(button[data.hovered]))
        mouseMove(test, 250, 180)
        compare(String(button.source), String(button.source0))
    }

    function test_click_data() {
        return [
            { tag: "enabled", enabled: true, clicks: 1, opacity: 1.0, cues: [4] },
            { tag: "disabled", enabled: false, clicks: 0, opacity: 0.2, cues: [] }
        ]
    }

    function test_click(data) {
        var button = createTemporaryObject(buttonComponent, mainIten, { enabled: data.enabled })
        var spy = createTemporaryObject(spyComponent, test, { target: button, signalName: "clicked" })
        compare(button.opacity, data.opacity)
        mouseClick(button, 20, 10)
        compare(spy.count, data.clicks)
        compare(mainIten.cues, data.cues, "the click sound")
    }

    function test_pressedIsDimmed() {
        var button = createTemporaryObject(buttonComponent, mainIten)
        mousePress(button, 20, 10)
        compare(button.opacity, 0.2)
        mouseRelease(button, 20, 10)
        compare(button.opacity, 1.0)
    }

    function test_keys_data() {
        return activationCases()
    }

    // Return, Enter and Space click as the mouse does; other keys go on.
    function test_keys(data) {
        var button = createTemporaryObject(buttonComponent, mainIten)
        var spy = createTemporaryObject(spyComponent, test, { target: button, signalName: "clicked" })
        button.forceActiveFocus()
        mainIten.keysPassedOn = []
        keyClick(data.key, data.modifiers)
        compare(mainIten.keysPassedOn, data.acts ? [] : [data.key], "keys it does not use go on")
        compare(spy.count, data.acts ? 1 : 0)
        compare(mainIten.cues, data.acts ? [4] : [], "the click sound")
    }

    function test_tabChain_data() {
        return [
            { tag: "enabled", enabled: true, forward: ["button", "after"], backward: ["button", "before"] },
            { tag: "disabled", enabled: false, forward: ["after"], backward: ["before"] }
        ]
    }

    function test_tabChain(data) {
        var t = createWithProbes(buttonComponent, mainIten, { objectName: "button", enabled: data.enabled })
        compare(tabStops(t.before, data.forward.length), data.forward)
        compare(tabStops(t.after, data.backward.length, true), data.backward)
    }

    function test_focusMarkOnlyWithFocus() {
        var t = createWithProbes(buttonComponent, mainIten, { objectName: "button" })
        var mark = findChild(t.control, "focusMark")
        t.before.forceActiveFocus()
        verify(!mark.visible)
        keyClick(Qt.Key_Tab)
        verify(mark.visible)
        compare(mark.border.color, mainIten.focusMarkColor)
        keyClick(Qt.Key_Tab)
        verify(!mark.visible)
    }

    function test_accessible_data() {
        return [
            { tag: "enabled", enabled: true, clicks: 1, cues: [4] },
            { tag: "disabled", enabled: false, clicks: 0, cues: [] }
        ]
    }

    // A button, named by its owner; the press action clicks it.
    function test_accessible(data) {
        var button = createTemporaryObject(buttonComponent, mainIten, { enabled: data.enabled })
        button.Accessible.name = mainIten.globalString(118)
        var spy = createTemporaryObject(spyComponent, test, { target: button, signalName: "clicked" })
        compare(button.Accessible.role, Accessible.Button)
        compare(button.Accessible.name, "text 118")
        verify(button.Accessible.focusable)
        button.Accessible.pressAction()
        compare(spy.count, data.clicks)
        compare(mainIten.cues, data.cues)
    }
}
