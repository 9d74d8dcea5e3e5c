import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// The colour strip with the keyboard: one tab stop, the arrow keys, Home and
// End move over the seven swatches and the LOOP box, Return, Enter and Space
// choose as a click does; what screen readers see.
ControlTestCase {
    id: test
    name: "ColorStrip"
    width: 400
    height: 200

    ControlRoot {
        id: mainIten
        anchors.fill: parent
        property int globalSetting_size: 11
        property color globalSetting_color: "#FF00C8FF"
        property color globalSetting_color_enable: "#FFAAAAAA"
        property string globalSetting_fontFamily: "Arial"
        property url sourcePaletteIndex: "file:modules/img/skin1/common/draw_paletteIndex.png"
        property url sourceCHK0: "file:modules/img/skin1/common/checkbox_0.png"
        property url sourceCHK1: "file:modules/img/skin1/common/checkbox_1.png"
        property var cues: []
        function playMedia(index) {
            cues.push(index)
        }
    }

    Component {
        id: stripComponent
        ColorStrip {
            x: 20
            y: 20
            mdColors: ListModel {
                ListElement { clrR: 255; clrG: 0; clrB: 0 }
                ListElement { clrR: 0; clrG: 255; clrB: 0 }
                ListElement { clrR: 255; clrG: 255; clrB: 0 }
                ListElement { clrR: 0; clrG: 0; clrB: 255 }
                ListElement { clrR: 0; clrG: 255; clrB: 255 }
                ListElement { clrR: 255; clrG: 0; clrB: 255 }
                ListElement { clrR: 10; clrG: 20; clrB: 30 }
            }
        }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function init() {
        mainIten.cues = []
    }

    // The places whose focus mark shows: swatches 0 … 6, then 7 for the box.
    function marksShown(strip) {
        var shown = []
        for (var i = 0; i < 7; ++i) {
            if (findChild(findChild(strip, "swatch" + i), "focusMark").visible)
                shown.push(i)
        }
        var loop = findChild(strip, "loop")
        for (var c = 0; c < loop.children.length; ++c) {
            var child = loop.children[c]
            if (child.objectName === "focusMark" && child.target === strip && child.visible)
                shown.push(7)
        }
        return shown
    }

    function test_keys_data() {
        return [
            { tag: "Right twice from swatch 2", initial: 2, loop: true, keys: [Qt.Key_Right, Qt.Key_Right, Qt.Key_Return],
              place: 4, chosen: [4], cues: [] },
            { tag: "Left and Up", initial: 4, loop: true, keys: [Qt.Key_Left, Qt.Key_Up, Qt.Key_Space], place: 2, chosen: [2], cues: [] },
            { tag: "Home", initial: 5, loop: true, keys: [Qt.Key_Home, Qt.Key_Enter], place: 0, chosen: [0], cues: [] },
            { tag: "Left stops at the first", initial: 0, loop: true, keys: [Qt.Key_Left, Qt.Key_Return], place: 0, chosen: [0], cues: [] },
            { tag: "End goes to LOOP, with its click", initial: 1, loop: true, keys: [Qt.Key_End, Qt.Key_Return],
              place: 7, chosen: [7], cues: [4] },
            { tag: "Right from swatch 7 goes to LOOP", initial: 6, loop: true, keys: [Qt.Key_Right, Qt.Key_Right, Qt.Key_Space],
              place: 7, chosen: [7], cues: [4] },
            { tag: "starts on LOOP when it is the choice", initial: 7, loop: true, keys: [Qt.Key_Left, Qt.Key_Return],
              place: 6, chosen: [6], cues: [] },
            { tag: "without LOOP, End is swatch 7", initial: 1, loop: false, keys: [Qt.Key_End, Qt.Key_Right, Qt.Key_Return],
              place: 6, chosen: [6], cues: [] },
            { tag: "moving chooses nothing", initial: 3, loop: true, keys: [Qt.Key_Right, Qt.Key_Down], place: 5, chosen: [], cues: [] }
        ]
    }

    function test_keys(data) {
        var t = createWithProbes(stripComponent, mainIten, { objectName: "strip", currentIndex: data.initial, showLoop: data.loop })
        var strip = t.control
        var spy = createTemporaryObject(spyComponent, test, { target: strip, signalName: "indexClicked" })
        t.before.forceActiveFocus()
        keyClick(Qt.Key_Tab)
        compare(focusItem(), strip)
        pressKeys(data.keys)
        compare(strip.keyIndex, data.place)
        compare(marksShown(strip), [data.place])
        compare(strip.Accessible.description, data.place === 7 ? "text 2" : "text 35 " + (data.place + 1))
        var chosen = []
        for (var i = 0; i < spy.count; ++i)
            chosen.push(spy.signalArguments[i][0])
        compare(chosen, data.chosen)
        compare(strip.currentIndex, data.chosen.length ? data.chosen[0] : data.initial)
        compare(mainIten.cues, data.cues, "the LOOP box's click sound")
        keyClick(Qt.Key_Tab)
        compare(focusItem(), t.after, "the box is no stop of its own")
        compare(marksShown(strip), [])
        compare(strip.Accessible.description, "")
    }

    function test_tabChain_data() {
        return [
            { tag: "enabled", enabled: true, forward: ["strip", "after"], backward: ["strip", "before"] },
            { tag: "disabled", enabled: false, forward: ["after"], backward: ["before"] }
        ]
    }

    function test_tabChain(data) {
        var t = createWithProbes(stripComponent, mainIten, { objectName: "strip", enabled: data.enabled })
        compare(tabStops(t.before, data.forward.length), data.forward)
        compare(tabStops(t.after, data.backward.length, true), data.backward)
    }

    // PALETTE, its swatches radio buttons COLOR 1 … 7 and the box LOOP,
    // checked while chosen; a press action chooses.
    function test_accessible() {
        var strip = createTemporaryObject(stripComponent, mainIten, { currentIndex: 3 })
        var spy = createTemporaryObject(spyComponent, test, { target: strip, signalName: "indexClicked" })
        compare(strip.Accessible.role, Accessible.Grouping)
        compare(strip.Accessible.name, "text 124")
        var names = []
        var checked = []
        for (var i = 0; i < 7; ++i) {
            var swatch = findChild(strip, "swatch" + i)
            compare(swatch.Accessible.role, Accessible.RadioButton)
            names.push(swatch.Accessible.name)
            checked.push(swatch.Accessible.checked)
        }
        var loop = findChild(strip, "loop")
        compare(loop.Accessible.role, Accessible.RadioButton)
        names.push(loop.Accessible.name)
        checked.push(loop.Accessible.checked)
        compare(names, ["text 35 1", "text 35 2", "text 35 3", "text 35 4", "text 35 5", "text 35 6", "text 35 7", "text 2"])
        compare(checked, [false, false, false, true, false, false, false, false])
        findChild(strip, "swatch5").Accessible.pressAction()
        loop.Accessible.pressAction()
        compare(spy.count, 2)
        compare([spy.signalArguments[0][0], spy.signalArguments[1][0]], [5, 7])
        verify(loop.Accessible.checked)
        compare(mainIten.cues, [4])
    }
}
