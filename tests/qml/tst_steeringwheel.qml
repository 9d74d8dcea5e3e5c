import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// Direction cross: right is 1, left is 2; top, bottom and centre are inert.
TestCase {
    id: test
    name: "SteeringWheel"
    when: windowShown
    visible: true
    width: 300
    height: 200

    ControlRoot {
        id: mainIten
        anchors.fill: parent
        property url sourceSliderFiller0: "file:modules/img/skin1/common/slider_FILLER_0.png"
        property url sourceSliderFiller1: "file:modules/img/skin1/common/slider_FILLER_1.png"
    }

    Component {
        id: wheelComponent
        SteeringWheel { x: 50; y: 50 }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function init() {
        mouseMove(test, 280, 180)
    }

    function isLit(wheel, index) {
        return String(findChild(wheel, "cell" + index).source) === String(mainIten.sourceSliderFiller1)
    }

    function test_click_data() {
        // x, y inside the 61 x 61 cross
        return [
            { tag: "right", x: 52, y: 30, initial: 2, emitted: 1 },
            { tag: "left", x: 8, y: 30, initial: 1, emitted: 2 },
            { tag: "right again", x: 50, y: 30, initial: 1, emitted: 1 },
            { tag: "top", x: 30, y: 8, initial: 2, emitted: -1 },
            { tag: "bottom", x: 30, y: 52, initial: 1, emitted: -1 },
            { tag: "centre", x: 30, y: 30, initial: 2, emitted: -1 }
        ]
    }

    function test_click(data) {
        var wheel = createTemporaryObject(wheelComponent, mainIten, { currentIndex: data.initial })
        var spy = createTemporaryObject(spyComponent, test, { target: wheel, signalName: "wheelClicked" })
        compare(wheel.width, 61)
        compare(wheel.height, 61)
        mouseClick(wheel, data.x, data.y)
        if (data.emitted < 0) {
            compare(spy.count, 0)
            compare(wheel.getCurIndex(), data.initial)
        } else {
            compare(spy.count, 1)
            compare(spy.signalArguments[0][0], data.emitted)
            compare(wheel.getCurIndex(), data.emitted)
        }
    }

    function test_cellLook() {
        var wheel = createTemporaryObject(wheelComponent, mainIten)
        verify(isLit(wheel, 1), "the current cell is lit")
        verify(!isLit(wheel, 2))
        mouseMove(wheel, 8, 30)
        verify(isLit(wheel, 2), "a hovered cell is lit")
        mouseMove(wheel, 30, 8)
        verify(!isLit(wheel, 2))
        verify(!isLit(wheel, 3), "the top cell never lights")
        wheel.setCurIndex(2)
        verify(isLit(wheel, 2))
        verify(!isLit(wheel, 1))
    }
}
