import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// Check box: a click inverts isSelect and reports the new value.
TestCase {
    id: test
    name: "Checkbox"
    when: windowShown
    visible: true
    width: 300
    height: 200

    Item {
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
            { tag: "from unselected", initial: false },
            { tag: "from selected", initial: true }
        ]
    }

    function test_checkboxClickInverts(data) {
        var box = createTemporaryObject(checkboxComponent, mainIten, { isSelect: data.initial })
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
        compare(mainIten.cues, [4, 4], "the click sound, once a click")
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
}
