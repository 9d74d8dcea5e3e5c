import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// Check box: a click inverts isSelect and reports the new value; a silent box
// plays no click sound; litWhileHovered lights the box under the pointer.
TestCase {
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
}
