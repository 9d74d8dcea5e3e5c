import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// The seven-step slider: value committed on release, lit segments.
TestCase {
    id: test
    name: "Slider"
    when: windowShown
    visible: true
    width: 400
    height: 200

    ControlRoot {
        id: mainIten
        anchors.fill: parent
        property int animation_speed: 10
        property url sourceSlider: "file:modules/img/skin1/common/slider_BASE.png"
        property url sourceSliderFiller0: "file:modules/img/skin1/common/slider_FILLER_0.png"
        property url sourceSliderFiller1: "file:modules/img/skin1/common/slider_FILLER_1.png"
    }

    Component {
        id: sliderComponent
        Slider { x: 100; y: 50 }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function createSlider(properties) {
        var slider = createTemporaryObject(sliderComponent, mainIten, properties)
        verify(slider)
        return slider
    }

    function segments(slider) {
        var area = findChild(slider, "segmentArea")
        var result = []
        for (var i = 0; i < area.children.length; ++i) {
            if (area.children[i].hasOwnProperty("fillMode"))
                result.push(area.children[i])
        }
        result.sort(function(a, b) { return a.x - b.x })
        compare(result.length, 7)
        return result
    }

    // Lit segments, left to right, as a string of 0 and 1.
    function litPattern(slider) {
        return segments(slider).map(function(s) {
            return String(s.source) === String(mainIten.sourceSliderFiller1) ? "1" : "0"
        }).join("")
    }

    function test_release_data() {
        // x: release position in the segment strip (141 pixels wide)
        return [
            { tag: "left of the strip", minIndex: 0, x: -40, index: 0, litPressed: "0000000" },
            { tag: "left of the strip, minIndex 1", minIndex: 1, x: -40, index: 1, litPressed: "0000000" },
            { tag: "strip start", minIndex: 0, x: 0, index: 0, litPressed: "1000000" },
            { tag: "first segment's right edge", minIndex: 0, x: 20, index: 1, litPressed: "1100000" },
            { tag: "one past an edge", minIndex: 0, x: 21, index: 2, litPressed: "1100000" },
            { tag: "middle of the fourth segment", minIndex: 0, x: 70, index: 4, litPressed: "1111000" },
            { tag: "below minIndex", minIndex: 3, x: 30, index: 3, litPressed: "1100000" },
            { tag: "last pixel", minIndex: 0, x: 140, index: 7, litPressed: "1111111" },
            { tag: "right of the strip", minIndex: 0, x: 200, index: 7, litPressed: "1111111" }
        ]
    }

    function test_release(data) {
        var slider = createSlider({ minIndex: data.minIndex, currentIndex: 5 })
        var spy = createTemporaryObject(spyComponent, test, { target: slider, signalName: "sliderClicked" })
        var area = findChild(slider, "segmentArea")
        mousePress(area, 60, 10)
        mouseMove(area, data.x, 10)
        compare(litPattern(slider), data.litPressed, "the strip follows the pointer")
        compare(slider.currentIndex, 5, "nothing is committed before the release")
        compare(spy.count, 0)
        mouseRelease(area, data.x, 10)
        compare(slider.currentIndex, data.index)
        compare(slider.getCurIndex(), data.index)
        compare(spy.count, 1)
        compare(spy.signalArguments[0][0], data.index)
        compare(litPattern(slider), "1111111".slice(0, data.index) + "0000000".slice(data.index))
    }

    function test_setFromOutside_data() {
        return [
            { tag: "setCurIndex(0) below minIndex 1", minIndex: 1, index: 0, useFunction: true, lit: "0000000" },
            { tag: "setCurIndex(3)", minIndex: 0, index: 3, useFunction: true, lit: "1110000" },
            { tag: "currentIndex = 6", minIndex: 0, index: 6, useFunction: false, lit: "1111110" },
            { tag: "currentIndex = 0 below minIndex 2", minIndex: 2, index: 0, useFunction: false, lit: "0000000" }
        ]
    }

    function test_setFromOutside(data) {
        var slider = createSlider({ minIndex: data.minIndex })
        compare(litPattern(slider), "1111111", "seven lit segments at creation")
        var spy = createTemporaryObject(spyComponent, test, { target: slider, signalName: "sliderClicked" })
        if (data.useFunction)
            slider.setCurIndex(data.index)
        else
            slider.currentIndex = data.index
        compare(slider.getCurIndex(), data.index)
        compare(litPattern(slider), data.lit)
        compare(spy.count, 0, "setting the value from outside emits nothing")
    }

    function test_disabledTakesNoClicks() {
        var slider = createSlider({ enabled: false, currentIndex: 2 })
        var spy = createTemporaryObject(spyComponent, test, { target: slider, signalName: "sliderClicked" })
        compare(slider.opacity, 0.2)
        mouseClick(findChild(slider, "segmentArea"), 130, 10)
        compare(slider.currentIndex, 2)
        compare(spy.count, 0)
    }
}
