import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// Radio button: a click reports its index; the owner selects.
TestCase {
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
}
