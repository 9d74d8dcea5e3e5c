import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// The library's eleven-step slider: value 0 to 10 committed on release.
TestCase {
    id: test
    name: "Slider_11"
    when: windowShown
    visible: true
    width: 500
    height: 200

    ControlRoot {
        id: mainIten
        anchors.fill: parent
        property url sourceSlider_11_BASE: "file:modules/img/skin1/common/slider_11_BASE.png"
        property url sourceSlider_11_FILLER_0: "file:modules/img/skin1/common/slider_11_FILLER_0.png"
        property url sourceSlider_11_FILLER_1: "file:modules/img/skin1/common/slider_11_FILLER_1.png"
    }

    Component {
        id: sliderComponent
        Slider_11 { x: 100; y: 50 }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function litPattern(slider) {
        var area = findChild(slider, "segmentArea")
        var segments = []
        for (var i = 0; i < area.children.length; ++i) {
            if (area.children[i].hasOwnProperty("fillMode"))
                segments.push(area.children[i])
        }
        segments.sort(function(a, b) { return a.x - b.x })
        compare(segments.length, 11)
        return segments.map(function(s) {
            return String(s.source) === String(mainIten.sourceSlider_11_FILLER_1) ? "1" : "0"
        }).join("")
    }

    function test_geometry() {
        var area = findChild(createTemporaryObject(sliderComponent, mainIten), "segmentArea")
        compare(area.x, 3)
        compare(area.y, 7)
        compare(area.width, 309)
        compare(area.height, 10)
    }

    function test_release_data() {
        // x: release position in the segment strip (309 pixels wide)
        return [
            { tag: "left of the strip", x: -30, index: 0, litPressed: "10000000000" },
            { tag: "strip start", x: 0, index: 0, litPressed: "10000000000" },
            { tag: "end of the first step", x: 28, index: 0, litPressed: "11000000000" },
            { tag: "start of the second step", x: 29, index: 1, litPressed: "11000000000" },
            { tag: "middle", x: 150, index: 5, litPressed: "11111100000" },
            { tag: "start of the last step", x: 281, index: 10, litPressed: "11111111111" },
            { tag: "last pixel", x: 308, index: 10, litPressed: "11111111111" },
            { tag: "right of the strip", x: 380, index: 10, litPressed: "11111111111" }
        ]
    }

    function test_release(data) {
        var slider = createTemporaryObject(sliderComponent, mainIten, { currentIndex: 3 })
        var spy = createTemporaryObject(spyComponent, test, { target: slider, signalName: "sliderClicked" })
        compare(litPattern(slider), "11110000000")
        var area = findChild(slider, "segmentArea")
        mousePress(area, 100, 5)
        mouseMove(area, data.x, 5)
        compare(litPattern(slider), data.litPressed, "the strip follows the pointer")
        compare(slider.currentIndex, 3)
        mouseRelease(area, data.x, 5)
        compare(slider.getCurIndex(), data.index)
        compare(spy.count, 1)
        compare(spy.signalArguments[0][0], data.index)
        compare(litPattern(slider), "11111111111".slice(0, data.index + 1) + "00000000000".slice(data.index + 1))
    }

    function test_setFromOutside() {
        var slider = createTemporaryObject(sliderComponent, mainIten)
        var spy = createTemporaryObject(spyComponent, test, { target: slider, signalName: "sliderClicked" })
        compare(slider.currentIndex, 5)
        slider.setCurIndex(8)
        compare(slider.getCurIndex(), 8)
        compare(litPattern(slider), "11111111100")
        compare(spy.count, 0)
    }
}
