import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// The library's four-cell button group, with the mouse and the keyboard.
ControlTestCase {
    id: test
    name: "ButtonGroup_4"
    when: windowShown
    visible: true
    width: 400
    height: 200

    ControlRoot {
        id: mainIten
        anchors.fill: parent
        property int globalSetting_size: 11
        property color globalSetting_color: "#FF00C8FF"
        property color globalSetting_color_enable: "#FFAAAAAA"
        property string globalSetting_fontFamily: "Arial"
        property url sourceBtnGroup_4_BASE: "file:modules/img/skin1/common/btnGroup_4_BASE.png"
        property url sourceBtnGroup_FILLER_0: "file:modules/img/skin1/common/btnGroup_FILLER_0.png"
        property url sourceBtnGroup_FILLER_1: "file:modules/img/skin1/common/btnGroup_FILLER_1.png"
    }

    Component {
        id: groupComponent
        ButtonGroup_4 { x: 20; y: 20 }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function init() {
        mouseMove(test, 390, 190)
    }

    function sizeCells(group) {
        // stand in for the cell picture, which gives a cell its size
        for (var i = 0; i < 4; ++i) {
            var cell = findChild(group, "cell" + i)
            cell.width = 70
            cell.height = 16
        }
        return group
    }

    function createGroup(properties) {
        return sizeCells(createTemporaryObject(groupComponent, mainIten, properties))
    }

    function isLit(group, index) {
        return String(findChild(group, "cell" + index).source) === String(mainIten.sourceBtnGroup_FILLER_1)
    }

    function test_cellPositions() {
        var group = createGroup()
        var xs = []
        for (var i = 0; i < 4; ++i) {
            var cell = findChild(group, "cell" + i)
            xs.push(cell.x)
            compare(cell.y, 4)
        }
        compare(xs, [3, 80, 157, 234])
    }

    function test_click_data() {
        return [
            { tag: "cell 0", initial: 2, cell: 0 },
            { tag: "cell 1", initial: 0, cell: 1 },
            { tag: "cell 3", initial: 0, cell: 3 },
            { tag: "current cell", initial: 2, cell: 2 }
        ]
    }

    function test_click(data) {
        var group = createGroup({ currentIndex: data.initial })
        var spy = createTemporaryObject(spyComponent, test, { target: group, signalName: "clicked" })
        verify(isLit(group, data.initial))
        mouseClick(findChild(group, "cell" + data.cell), 35, 8)
        compare(spy.count, 1)
        compare(spy.signalArguments[0][0], data.cell)
        compare(group.getCurIndex(), data.cell)
        mouseMove(test, 390, 190)
        for (var i = 0; i < 4; ++i)
            compare(isLit(group, i), i === data.cell, "cell " + i)
    }

    function test_hoverLights() {
        var group = createGroup()
        verify(!isLit(group, 3))
        mouseMove(findChild(group, "cell3"), 35, 8)
        verify(isLit(group, 3))
        compare(group.currentIndex, 0)
    }

    function test_keys_data() {
        return [
            { tag: "Right, Right, Return", initial: 0, keys: [Qt.Key_Right, Qt.Key_Right, Qt.Key_Return], place: 2, clicked: [2] },
            { tag: "starts on the current cell", initial: 2, keys: [Qt.Key_Space], place: 2, clicked: [2] },
            { tag: "Left stops at the first", initial: 0, keys: [Qt.Key_Left, Qt.Key_Left, Qt.Key_Return], place: 0, clicked: [0] },
            { tag: "Right stops at the last", initial: 3, keys: [Qt.Key_Right, Qt.Key_Enter], place: 3, clicked: [3] },
            { tag: "Down and Up along the row", initial: 1, keys: [Qt.Key_Down, Qt.Key_Down, Qt.Key_Up, Qt.Key_Return], place: 2, clicked: [2] },
            { tag: "End", initial: 1, keys: [Qt.Key_End, Qt.Key_Return], place: 3, clicked: [3] },
            { tag: "Home", initial: 3, keys: [Qt.Key_Home, Qt.Key_Return], place: 0, clicked: [0] },
            { tag: "moving chooses nothing", initial: 0, keys: [Qt.Key_Right, Qt.Key_Right], place: 2, clicked: [] },
            { tag: "two choices", initial: 0, keys: [Qt.Key_Right, Qt.Key_Return, Qt.Key_End, Qt.Key_Return], place: 3, clicked: [1, 3] }
        ]
    }

    function test_keys(data) {
        var t = createWithProbes(groupComponent, mainIten, { objectName: "group", currentIndex: data.initial })
        var group = sizeCells(t.control)
        var spy = createTemporaryObject(spyComponent, test, { target: group, signalName: "clicked" })
        t.before.forceActiveFocus()
        keyClick(Qt.Key_Tab)
        compare(focusItem(), group)
        pressKeys(data.keys)
        compare(group.keyIndex, data.place)
        var clicked = []
        for (var i = 0; i < spy.count; ++i)
            clicked.push(spy.signalArguments[i][0])
        compare(clicked, data.clicked)
        var current = data.clicked.length ? data.clicked[data.clicked.length - 1] : data.initial
        compare(group.currentIndex, current)
        for (var c = 0; c < 4; ++c)
            compare(findChild(findChild(group, "cell" + c), "focusMark").visible, c === data.place, "mark of cell " + c)
        keyClick(Qt.Key_Tab)
        compare(focusItem(), t.after, "one tab stop")
        for (c = 0; c < 4; ++c)
            verify(!findChild(findChild(group, "cell" + c), "focusMark").visible, "no mark without the focus")
    }

    function test_tabChain_data() {
        return [
            { tag: "enabled", enabled: true, forward: ["group", "after"], backward: ["group", "before"] },
            { tag: "disabled", enabled: false, forward: ["after"], backward: ["before"] }
        ]
    }

    function test_tabChain(data) {
        var t = createWithProbes(groupComponent, mainIten, { objectName: "group", enabled: data.enabled })
        sizeCells(t.control)
        compare(tabStops(t.before, data.forward.length), data.forward)
        compare(tabStops(t.after, data.backward.length, true), data.backward)
    }

    // Each cell a radio button named by its number and value, checked while
    // current; its press action clicks it. The owner names the group.
    function test_accessible() {
        var group = createGroup({ currentIndex: 1, valueForIndex: [10, 20, 30, 40] })
        group.Accessible.name = mainIten.globalString(3)
        var spy = createTemporaryObject(spyComponent, test, { target: group, signalName: "clicked" })
        compare(group.Accessible.role, Accessible.Grouping)
        compare(group.Accessible.name, "text 3")
        var names = []
        var checked = []
        for (var i = 0; i < 4; ++i) {
            var cell = findChild(group, "cell" + i)
            compare(cell.Accessible.role, Accessible.RadioButton)
            names.push(cell.Accessible.name)
            checked.push(cell.Accessible.checked)
        }
        compare(names, ["1: 10", "2: 20", "3: 30", "4: 40"])
        compare(checked, [false, true, false, false])
        findChild(group, "cell3").Accessible.pressAction()
        compare(spy.count, 1)
        compare(spy.signalArguments[0][0], 3)
        verify(findChild(group, "cell3").Accessible.checked)
    }
}
