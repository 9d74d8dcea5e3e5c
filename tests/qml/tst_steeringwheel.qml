import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// Direction cross: right is 1, left is 2; top, bottom and centre are inert.
// Right and Left turn it from the keyboard.
ControlTestCase {
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

    function test_keys_data() {
        return [
            { tag: "Right", initial: 2, keys: [Qt.Key_Right], reported: [1], current: 1, passed: [] },
            { tag: "Left", initial: 1, keys: [Qt.Key_Left], reported: [2], current: 2, passed: [] },
            { tag: "Right again, as a click on it", initial: 1, keys: [Qt.Key_Right], reported: [1], current: 1, passed: [] },
            { tag: "Left, Right", initial: 1, keys: [Qt.Key_Left, Qt.Key_Right], reported: [2, 1], current: 1, passed: [] },
            { tag: "Up and Down go on", initial: 2, keys: [Qt.Key_Up, Qt.Key_Down], reported: [], current: 2,
              passed: [Qt.Key_Up, Qt.Key_Down] },
            { tag: "Return goes on", initial: 1, keys: [Qt.Key_Return], reported: [], current: 1, passed: [Qt.Key_Return] },
            { tag: "Ctrl+Left goes on", initial: 1, keys: [{ key: Qt.Key_Left, modifiers: Qt.ControlModifier }], reported: [],
              current: 1, passed: [Qt.Key_Left] }
        ]
    }

    function test_keys(data) {
        var wheel = createTemporaryObject(wheelComponent, mainIten, { currentIndex: data.initial })
        var spy = createTemporaryObject(spyComponent, test, { target: wheel, signalName: "wheelClicked" })
        wheel.forceActiveFocus()
        mainIten.keysPassedOn = []
        pressKeys(data.keys)
        var reported = []
        for (var i = 0; i < spy.count; ++i)
            reported.push(spy.signalArguments[i][0])
        compare(reported, data.reported)
        compare(wheel.getCurIndex(), data.current)
        compare(mainIten.keysPassedOn, data.passed)
        verify(isLit(wheel, data.current))
    }

    function test_tabChain_data() {
        return [
            { tag: "enabled", enabled: true, forward: ["wheel", "after"], backward: ["wheel", "before"] },
            { tag: "disabled", enabled: false, forward: ["after"], backward: ["before"] }
        ]
    }

    function test_tabChain(data) {
        var t = createWithProbes(wheelComponent, mainIten, { objectName: "wheel", enabled: data.enabled })
        var mark = findChild(t.control, "focusMark")
        compare(tabStops(t.before, data.forward.length), data.forward)
        compare(tabStops(t.after, data.backward.length, true), data.backward)
        verify(!mark.visible)
        tabStops(t.before, 1)
        compare(mark.visible, data.enabled)
    }

    // DIRECTION, with the right and left cells as radio buttons RIGHT and
    // LEFT, checked while current; the others are left out.
    function test_accessible() {
        var wheel = createTemporaryObject(wheelComponent, mainIten, { currentIndex: 2 })
        var spy = createTemporaryObject(spyComponent, test, { target: wheel, signalName: "wheelClicked" })
        compare(wheel.Accessible.role, Accessible.Grouping)
        compare(wheel.Accessible.name, "text 5")
        var right = findChild(wheel, "cell1")
        var left = findChild(wheel, "cell2")
        compare([right.Accessible.role, left.Accessible.role], [Accessible.RadioButton, Accessible.RadioButton])
        compare([right.Accessible.name, left.Accessible.name], ["text 52", "text 51"])
        compare([right.Accessible.checked, left.Accessible.checked], [false, true])
        for (var i of [0, 3, 4])
            verify(findChild(wheel, "cell" + i).Accessible.ignored, "cell " + i)
        right.Accessible.pressAction()
        compare(spy.count, 1)
        compare(spy.signalArguments[0][0], 1)
        compare([right.Accessible.checked, left.Accessible.checked], [true, false])
    }
}
