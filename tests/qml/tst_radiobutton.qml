import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// Radio button: a click reports its index; the owner selects. Return, Enter
// and Space act as the click; screen readers see a radio button.
ControlTestCase {
    id: test
    name: "RadioButton"
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
        id: radioComponent
        RadioButton { x: 20; y: 20; height: 20; chkStr: "ONE" }
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

    function test_disabledTakesNoClicks() {
        var radio = createTemporaryObject(radioComponent, mainIten, { enabled: false })
        var spy = createTemporaryObject(spyComponent, test, { target: radio, signalName: "clicked" })
        compare(radio.opacity, 0.2)
        mouseClick(radio, 5, 10)
        compare(spy.count, 0)
        compare(mainIten.cues, [])
    }

    function test_radioClickReportsIndexOnly_data() {
        return [
            { tag: "unselected", isSelect: false, index: 3 },
            { tag: "selected", isSelect: true, index: 0 }
        ]
    }

    function test_radioClickReportsIndexOnly(data) {
        var radio = createTemporaryObject(radioComponent, mainIten, { isSelect: data.isSelect, index: data.index })
        var spy = createTemporaryObject(spyComponent, test, { target: radio, signalName: "clicked" })
        mouseClick(radio, 5, 10)
        compare(spy.count, 1)
        compare(spy.signalArguments[0][0], data.index)
        compare(mainIten.cues, [4], "the click sound")
        compare(radio.isSelect, data.isSelect, "the owner selects, not the click")
        compare(String(boxOf(radio).source), String(data.isSelect ? mainIten.sourceCHK1 : mainIten.sourceCHK0))
    }

    function test_keys_data() {
        return activationCases()
    }

    function test_keys(data) {
        var radio = createTemporaryObject(radioComponent, mainIten, { index: 3 })
        var spy = createTemporaryObject(spyComponent, test, { target: radio, signalName: "clicked" })
        radio.forceActiveFocus()
        mainIten.keysPassedOn = []
        keyClick(data.key, data.modifiers)
        compare(mainIten.keysPassedOn, data.acts ? [] : [data.key], "keys it does not use go on")
        compare(spy.count, data.acts ? 1 : 0)
        if (data.acts)
            compare(spy.signalArguments[0][0], 3)
        verify(!radio.isSelect, "the owner selects")
        compare(mainIten.cues, data.acts ? [4] : [])
    }

    function test_tabChain_data() {
        return [
            { tag: "enabled", enabled: true, forward: ["radio", "after"] },
            { tag: "disabled", enabled: false, forward: ["after"] }
        ]
    }

    function test_tabChain(data) {
        var t = createWithProbes(radioComponent, mainIten, { objectName: "radio", enabled: data.enabled })
        compare(tabStops(t.before, data.forward.length), data.forward)
    }

    function test_accessible_data() {
        return [
            { tag: "unselected", selected: false },
            { tag: "selected", selected: true }
        ]
    }

    function test_accessible(data) {
        var radio = createTemporaryObject(radioComponent, mainIten,
                                          { index: 2, isSelect: data.selected, chkStr: mainIten.globalString(31) })
        var spy = createTemporaryObject(spyComponent, test, { target: radio, signalName: "clicked" })
        compare(radio.Accessible.role, Accessible.RadioButton)
        compare(radio.Accessible.name, "text 31")
        compare(radio.Accessible.checked, data.selected)
        radio.Accessible.pressAction()
        compare(spy.count, 1)
        compare(spy.signalArguments[0][0], 2)
    }
}
