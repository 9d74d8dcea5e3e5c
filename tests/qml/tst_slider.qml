import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// The seven-step slider: value committed on release, lit segments; the keys
// that step it and what screen readers see.
ControlTestCase {
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
        property int globalSetting_size: 11
        property color globalSetting_color: "#FF00C8FF"
        property string globalSetting_fontFamily: "Arial"
        property url sourceSlider: "file:modules/img/skin1/common/slider_BASE.png"
        property url sourceSliderFiller0: "file:modules/img/skin1/common/slider_FILLER_0.png"
        property url sourceSliderFiller1: "file:modules/img/skin1/common/slider_FILLER_1.png"
    }

    Component {
        id: sliderComponent
        Slider { x: 100; y: 50 }
    }

    Component {
        id: labelledComponent
        LabelledSlider { x: 100; y: 100; startLevel: 4 }
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

    function test_keys_data() {
        return [
            { tag: "Left", initial: 3, min: 0, keys: [Qt.Key_Left], value: 2, reported: [2], lit: "1100000" },
            { tag: "Down", initial: 3, min: 0, keys: [Qt.Key_Down], value: 2, reported: [2], lit: "1100000" },
            { tag: "Right", initial: 3, min: 0, keys: [Qt.Key_Right], value: 4, reported: [4], lit: "1111000" },
            { tag: "Up twice", initial: 3, min: 0, keys: [Qt.Key_Up, Qt.Key_Up], value: 5, reported: [4, 5], lit: "1111100" },
            { tag: "Home", initial: 6, min: 0, keys: [Qt.Key_Home], value: 0, reported: [0], lit: "0000000" },
            { tag: "Home stops at minIndex", initial: 6, min: 2, keys: [Qt.Key_Home], value: 2, reported: [2], lit: "1100000" },
            { tag: "Left stops at minIndex", initial: 2, min: 2, keys: [Qt.Key_Left], value: 2, reported: [], lit: "1100000" },
            { tag: "End", initial: 1, min: 0, keys: [Qt.Key_End], value: 7, reported: [7], lit: "1111111" },
            { tag: "Right stops at 7", initial: 7, min: 0, keys: [Qt.Key_Right], value: 7, reported: [], lit: "1111111" },
            { tag: "Left from 0", initial: 0, min: 0, keys: [Qt.Key_Left], value: 0, reported: [], lit: "0000000" }
        ]
    }

    // Each step is committed at once, as a release is; no report without a
    // change.
    function test_keys(data) {
        var slider = createSlider({ minIndex: data.min })
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
        compare(slider.value, data.value)
    }

    function test_otherKeysGoOn() {
        var slider = createSlider()
        slider.setCurIndex(3)
        slider.forceActiveFocus()
        mainIten.keysPassedOn = []
        keyClick(Qt.Key_Return)
        keyClick(Qt.Key_Right, Qt.ControlModifier)
        compare(mainIten.keysPassedOn, [Qt.Key_Return, Qt.Key_Right])
        compare(slider.currentIndex, 3)
    }

    function test_tabChain_data() {
        return [
            { tag: "enabled", enabled: true, forward: ["slider", "after"], backward: ["slider", "before"], mark: true },
            { tag: "disabled", enabled: false, forward: ["after"], backward: ["before"], mark: false }
        ]
    }

    function test_tabChain(data) {
        var t = createWithProbes(sliderComponent, mainIten, { objectName: "slider", enabled: data.enabled })
        var mark = findChild(t.control, "focusMark")
        compare(tabStops(t.before, data.forward.length), data.forward)
        compare(tabStops(t.after, data.backward.length, true), data.backward)
        verify(!mark.visible)
        tabStops(t.before, 1)
        compare(mark.visible, data.mark)
    }

    // A slider with the value interface (value, minimumValue, maximumValue,
    // stepSize); increase and decrease step it as the keys do.
    function test_accessible() {
        var slider = createSlider({ minIndex: 1 })
        slider.setCurIndex(6)
        var spy = createTemporaryObject(spyComponent, test, { target: slider, signalName: "sliderClicked" })
        compare(slider.Accessible.role, Accessible.Slider)
        compare([slider.value, slider.minimumValue, slider.maximumValue, slider.stepSize], [6, 1, 7, 1])
        slider.Accessible.increaseAction()
        slider.Accessible.increaseAction()
        compare(slider.value, 7)
        slider.Accessible.decreaseAction()
        compare(slider.value, 6)
        compare(spy.count, 2)
        compare([spy.signalArguments[0][0], spy.signalArguments[1][0]], [7, 6])
    }

    // The labelled slider names its slider by its heading.
    function test_labelledSliderName() {
        var labelled = createTemporaryObject(labelledComponent, mainIten, { title: mainIten.globalString(4) })
        var slider = findChild(labelled, "slider")
        compare(slider.Accessible.role, Accessible.Slider)
        compare(slider.Accessible.name, "text 4")
        compare(slider.value, 4)
        slider.forceActiveFocus()
        var spy = createTemporaryObject(spyComponent, test, { target: labelled, signalName: "levelChosen" })
        keyClick(Qt.Key_Right)
        compare(labelled.level, 5)
        compare(spy.count, 1)
        compare(spy.signalArguments[0][0], 5)
    }
}
