import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// The library's eleven-step slider: value 0 to 10 committed on release; the
// keys that step it and what screen readers see.
ControlTestCase {
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

    function test_keys_data() {
        return [
            { tag: "Left", initial: 5, keys: [Qt.Key_Left], value: 4, reported: [4], lit: "11111000000" },
            { tag: "Right, Up", initial: 5, keys: [Qt.Key_Right, Qt.Key_Up], value: 7, reported: [6, 7], lit: "11111111000" },
            { tag: "Down", initial: 1, keys: [Qt.Key_Down], value: 0, reported: [0], lit: "10000000000" },
            { tag: "Down stops at 0", initial: 0, keys: [Qt.Key_Down], value: 0, reported: [], lit: "10000000000" },
            { tag: "Home", initial: 8, keys: [Qt.Key_Home], value: 0, reported: [0], lit: "10000000000" },
            { tag: "End", initial: 2, keys: [Qt.Key_End], value: 10, reported: [10], lit: "11111111111" },
            { tag: "Right stops at 10", initial: 10, keys: [Qt.Key_Right], value: 10, reported: [], lit: "11111111111" }
        ]
    }

    function test_keys(data) {
        var slider = createTemporaryObject(sliderComponent, mainIten)
        slider.setCurIndex(data.initial)
        var spy = createTemporaryObject(spyComponent, test, { target: slider, signalName: "sliderClicked" })
        slider.forceActiveFocus()
        mainIten.keysPassedOn = []
        pressKeys(data.keys)
        compare(mainIten.keysPassedOn, [])
        compare(slider.currentIndex, data.value)
        var reported = []
        for (var i = 0; i < spy.count; ++i)
            reported.push(spy.signalArguments[i][0])
        compare(reported, data.reported)
        compare(litPattern(slider), data.lit)
    }

    function test_tabChain_data() {
        return [
            { tag: "enabled", enabled: true, forward: ["slider", "after"], backward: ["slider", "before"] },
            { tag: "disabled", enabled: false, forward: ["after"], backward: ["before"] }
        ]
    }

    function test_tabChain(data) {
        var t = createWithProbes(sliderComponent, mainIten, { objectName: "slider", enabled: data.enabled })
        compare(tabStops(t.before, data.forward.length), data.forward)
        compare(tabStops(t.after, data.backward.length, true), data.backward)
        compare(findChild(t.control, "focusMark").visible, false)
    }

    function test_accessible() {
        var slider = createTemporaryObject(sliderComponent, mainIten)
        slider.setCurIndex(3)
        slider.Accessible.name = mainIten.globalString(3)
        compare(slider.Accessible.role, Accessible.Slider)
        compare(slider.Accessible.name, "text 3")
        compare([slider.value, slider.minimumValue, slider.maximumValue, slider.stepSize], [3, 0, 10, 1])
        slider.Accessible.decreaseAction()
        compare(slider.value, 2)
    }
}
