import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// The library's eight-cell group with a value chooser, with the mouse and the
// keyboard.
ControlTestCase {
    id: test
    name: "ButtonGroupPro_8"
    when: windowShown
    visible: true
    width: 500
    height: 400

    ControlRoot {
        id: mainIten
        anchors.fill: parent
        property int globalSetting_size: 11
        property color globalSetting_color: "#FF00C8FF"
        property color globalSetting_color_enable: "#FFAAAAAA"
        property string globalSetting_fontFamily: "Arial"
        property int animation_speed: 10
        property url sourceBtnGroup_8_BASE: "file:modules/img/skin1/common/btnGroup_8_BASE.png"
        property url sourceBtnGroup_FILLER_0: "file:modules/img/skin1/common/btnGroup_FILLER_0.png"
        property url sourceBtnGroup_FILLER_1: "file:modules/img/skin1/common/btnGroup_FILLER_1.png"

        Item {
            id: sibling
            objectName: "sibling"
            x: 20
            y: 20
            width: 1
            height: 1
        }
    }

    Component {
        id: groupComponent
        ButtonGroupPro_8 { x: 20; y: 20 }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function init() {
        mouseMove(test, 490, 390)
    }

    function sizeCells(group) {
        // stand in for the cell picture, which gives a cell its size
        for (var i = 0; i < 8; ++i) {
            var cell = findChild(group, "cell" + i)
            cell.width = 70
            cell.height = 16
        }
        return group
    }

    function createGroup(properties) {
        return sizeCells(createTemporaryObject(groupComponent, mainIten, properties))
    }

    // The group between two probes, with the focus on it by Tab.
    function tabIntoGroup(properties) {
        var t = createWithProbes(groupComponent, mainIten, properties)
        sizeCells(t.control)
        t.before.forceActiveFocus()
        keyClick(Qt.Key_Tab)
        compare(focusItem(), t.control)
        return t
    }

    function marksShown(item, prefix, count) {
        var shown = []
        for (var i = 0; i < count; ++i) {
            if (findChild(findChild(item, prefix + i), "focusMark").visible)
                shown.push(i)
        }
        return shown
    }

    function spy(target, signalName) {
        return createTemporaryObject(spyComponent, test, { target: target, signalName: signalName })
    }

    function test_cellPositions() {
        var group = createGroup()
        var expected = [[3, 8], [80, 8], [157, 8], [234, 8], [3, 27], [80, 27], [157, 27], [234, 27]]
        for (var i = 0; i < 8; ++i) {
            var cell = findChild(group, "cell" + i)
            compare([cell.x, cell.y], expected[i], "cell " + i)
        }
        compare(group.valueForIndex, [0, 1, 2, 3, 4, 5, 6, 7])
        compare(group.valueForMenuIndex.length, 18)
        compare(group.currentMenuIndex, -1)
    }

    function test_cellSelection_data() {
        var values = [3, 0, -2, 5, 1, 0, 7, 9]
        return [
            { tag: "positive value", values: values, cell: 3, selected: true, label: "5" },
            { tag: "value 0", values: values, cell: 1, selected: false, label: "×" },
            { tag: "negative value", values: values, cell: 2, selected: false, label: "×" },
            { tag: "second row", values: values, cell: 7, selected: true, label: "9" },
            { tag: "second row, value 0", values: values, cell: 5, selected: false, label: "×" }
        ]
    }

    function test_cellSelection(data) {
        var group = createGroup({ valueForIndex: data.values, currentIndex: 0 })
        var clicked = spy(group, "clicked")
        compare(findChild(group, "value" + data.cell).text, data.label)
        mouseClick(findChild(group, "cell" + data.cell), 20, 8)
        compare(clicked.count, data.selected ? 1 : 0)
        compare(group.getCurIndex(), data.selected ? data.cell : 0)
        if (data.selected)
            compare(clicked.signalArguments[0][0], data.cell)
    }

    function test_chooserStoresValue_data() {
        return [
            { tag: "first row", cell: 2, choice: 7, value: 7 },
            { tag: "second row", cell: 6, choice: 14, value: 14 },
            { tag: "choice 0", cell: 5, choice: 0, value: 0 }
        ]
    }

    function test_chooserStoresValue(data) {
        var group = createGroup()
        var changed = spy(group, "valueChanged")
        var chooser = findChild(group, "chooser")
        var cell = findChild(group, "cell" + data.cell)
        var mark = findChild(group, "mark" + data.cell)
        verify(!chooser.visible)
        mouseClick(mark, 2, 4)
        compare(group.currentMenuIndex, data.cell)
        verify(chooser.visible)
        compare(group.z, 1, "raised while the chooser shows")
        // centred under the click point (the mark's position is fractional)
        fuzzyCompare(chooser.x, cell.x + mark.x + 2 - chooser.width / 2, 1)
        compare(chooser.y, cell.y + cell.height + 5)
        tryCompare(chooser, "opacity", 1)
        var before = group.valueForIndex
        mouseClick(findChild(group, "choice" + data.choice), 23, 8)
        compare(changed.count, 1)
        compare(changed.signalArguments[0][0], data.cell)
        compare(changed.signalArguments[0][1], data.value)
        compare(group.valueForIndex[data.cell], data.value)
        verify(group.valueForIndex !== before, "a new list is assigned")
        compare(before[data.cell], data.cell, "the old list is left alone")
        compare(findChild(group, "value" + data.cell).text, data.value <= 0 ? "×" : String(data.value))
        compare(group.currentMenuIndex, -1)
        tryCompare(chooser, "visible", false)
        compare(chooser.opacity, 0)
        compare(group.z, 0)
    }

    function test_markToggles() {
        var group = createGroup()
        var chooser = findChild(group, "chooser")
        var changed = spy(group, "valueChanged")
        mouseClick(findChild(group, "mark1"), 2, 4)
        compare(group.currentMenuIndex, 1)
        mouseClick(findChild(group, "mark4"), 2, 4)
        compare(group.currentMenuIndex, 4, "another cell's mark moves the chooser")
        verify(chooser.visible)
        mouseClick(findChild(group, "mark4"), 2, 4)
        compare(group.currentMenuIndex, -1)
        tryCompare(chooser, "visible", false)
        compare(changed.count, 0)
        compare(group.valueForIndex, [0, 1, 2, 3, 4, 5, 6, 7])
    }

    function test_showMenuFinishesRunningFade_data() {
        return [
            { tag: "close while fading in", calls: [true, false], visible: false, opacity: 0 },
            { tag: "open while fading out", calls: [false, true], visible: true, opacity: 1 }
        ]
    }

    function test_showMenuFinishesRunningFade(data) {
        var group = createGroup()
        var chooser = findChild(group, "chooser")
        if (!data.calls[0]) {
            group.showMenu(true, 10, 50)
            tryCompare(chooser, "opacity", 1)
        }
        group.showMenu(data.calls[0], 10, 50)
        group.showMenu(data.calls[1], 30, 60)
        tryCompare(chooser, "opacity", data.opacity)
        tryCompare(chooser, "visible", data.visible)
        if (data.visible)
            compare([chooser.x, chooser.y], [30, 60])
    }

    function test_menuCounterLimitsChoices_data() {
        return [
            { tag: "all", counter: 18 },
            { tag: "five", counter: 5 },
            { tag: "none", counter: 0 }
        ]
    }

    function test_menuCounterLimitsChoices(data) {
        var group = createGroup({ menuCounter: data.counter })
        group.showMenu(true, 0, 40)
        verify(findChild(group, "chooser").visible)
        for (var i = 0; i < 18; ++i)
            compare(findChild(group, "choice" + i).visible, i < data.counter, "choice " + i)
    }

    function test_menuEntry() {
        var group = createGroup({ valueForMenuIndex: [-1, 0, 12] })
        var choice = findChild(group, "choice0")
        compare(choice.width, 46)
        compare(choice.height, 16)
        compare(choice.radius, 3)
        compare(findChild(group, "choice2").value, 12)
        compare(findChild(group, "choice2").index, 2)
        verify(findChild(group, "choice3") === null)
    }

    function test_keys_data() {
        var values = [1, 2, 3, 4, 5, 6, 7, 8]
        return [
            { tag: "Down to the second row", values: values, initial: 1, keys: [Qt.Key_Down, Qt.Key_Return], place: 5, clicked: [5] },
            { tag: "Down, Right", values: values, initial: 0, keys: [Qt.Key_Down, Qt.Key_Right, Qt.Key_Space], place: 5, clicked: [5] },
            { tag: "Down stops at the last row", values: values, initial: 0, keys: [Qt.Key_Down, Qt.Key_Down, Qt.Key_Return], place: 4, clicked: [4] },
            { tag: "Up stops at the first row", values: values, initial: 6, keys: [Qt.Key_Up, Qt.Key_Up, Qt.Key_Return], place: 2, clicked: [2] },
            { tag: "Right runs on into the second row", values: values, initial: 3, keys: [Qt.Key_Right, Qt.Key_Enter], place: 4, clicked: [4] },
            { tag: "End", values: values, initial: 0, keys: [Qt.Key_End, Qt.Key_Return], place: 7, clicked: [7] },
            { tag: "a cell without a value is not chosen", values: [3, 0, 5, 5, 5, 5, 5, 5], initial: 0,
              keys: [Qt.Key_Right, Qt.Key_Return], place: 1, clicked: [] },
            { tag: "moving chooses nothing", values: values, initial: 0, keys: [Qt.Key_Right, Qt.Key_Down], place: 5, clicked: [] }
        ]
    }

    function test_keys(data) {
        var t = tabIntoGroup({ objectName: "group", valueForIndex: data.values, currentIndex: data.initial })
        var group = t.control
        var clicks = spy(group, "clicked")
        pressKeys(data.keys)
        compare(group.keyIndex, data.place)
        var clicked = []
        for (var i = 0; i < clicks.count; ++i)
            clicked.push(clicks.signalArguments[i][0])
        compare(clicked, data.clicked)
        compare(group.currentIndex, data.clicked.length ? data.clicked[0] : data.initial)
        compare(marksShown(group, "cell", 8), [data.place])
        verify(!findChild(group, "chooser").visible)
    }

    function test_chooserFromKeys_data() {
        return [
            { tag: "Menu key, Right, Down, Return", toCell: [Qt.Key_Down, Qt.Key_Right], open: { key: Qt.Key_Menu },
              keys: [Qt.Key_Right, Qt.Key_Down, Qt.Key_Return], counter: 18, cell: 5, choice: 4, changed: [5, 4] },
            { tag: "Shift+F10, End, Space", toCell: [Qt.Key_Right], open: { key: Qt.Key_F10, modifiers: Qt.ShiftModifier },
              keys: [Qt.Key_End, Qt.Key_Space], counter: 18, cell: 1, choice: 17, changed: [1, 17] },
            { tag: "Alt+Down, End within the choices shown", toCell: [], open: { key: Qt.Key_Down, modifiers: Qt.AltModifier },
              keys: [Qt.Key_End, Qt.Key_Return], counter: 6, cell: 0, choice: 5, changed: [0, 5] },
            { tag: "Up stops at the first row", toCell: [Qt.Key_End], open: { key: Qt.Key_Menu },
              keys: [Qt.Key_Down, Qt.Key_Up, Qt.Key_Up, Qt.Key_Left, Qt.Key_Return], counter: 18, cell: 7, choice: 0, changed: [7, 0] },
            { tag: "Escape closes without a choice", toCell: [Qt.Key_Right, Qt.Key_Right], open: { key: Qt.Key_Menu },
              keys: [Qt.Key_Right, Qt.Key_Escape], counter: 18, cell: 2, choice: 1, changed: [] }
        ]
    }

    // The chooser takes the focus; arrows move in its three columns, Return
    // and Space store the choice into the cell, Escape stores nothing; the
    // focus comes back to the group, on the same cell.
    function test_chooserFromKeys(data) {
        var values = [11, 12, 13, 14, 15, 16, 17, 18]
        var choices = [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17]
        var t = tabIntoGroup({ valueForIndex: values, valueForMenuIndex: choices, menuCounter: data.counter })
        var group = t.control
        var chooser = findChild(group, "chooser")
        var changes = spy(group, "valueChanged")
        pressKeys(data.toCell)
        pressKeys([data.open])
        verify(chooser.visible)
        compare(group.currentMenuIndex, data.cell)
        compare(focusItem(), chooser)
        compare(marksShown(chooser, "choice", data.counter), [0])
        pressKeys(data.keys.slice(0, data.keys.length - 1))
        compare(group.chooserKeyIndex, data.choice)
        compare(marksShown(chooser, "choice", data.counter), [data.choice])
        pressKeys(data.keys.slice(data.keys.length - 1))
        compare(focusItem(), group)
        compare(group.keyIndex, data.cell)
        tryCompare(chooser, "visible", false)
        compare(group.currentMenuIndex, -1)
        compare(changes.count, data.changed.length ? 1 : 0)
        var expected = values.slice()
        if (data.changed.length) {
            compare([changes.signalArguments[0][0], changes.signalArguments[0][1]], data.changed)
            expected[data.changed[0]] = data.changed[1]
        }
        compare(group.valueForIndex, expected)
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

    // Cells are radio buttons ("n: value", NONE's text for none), each mark
    // a menu button that opens the chooser; choices are menu items.
    function test_accessible() {
        var group = createGroup({ valueForIndex: [5, 0, 7, 1, 2, 3, 4, 6], currentIndex: 2,
                                  valueForMenuIndex: [0, 9, 10] , menuCounter: 3 })
        var names = []
        for (var i = 0; i < 8; ++i)
            names.push(findChild(group, "cell" + i).Accessible.name)
        compare(names, ["1: 5", "2: ×", "3: 7", "4: 1", "5: 2", "6: 3", "7: 4", "8: 6"])
        verify(findChild(group, "cell2").Accessible.checked)
        verify(!findChild(group, "cell0").Accessible.checked)
        var mark = findChild(group, "mark3")
        compare(mark.Accessible.role, Accessible.ButtonMenu)
        compare(mark.Accessible.name, "text 1 4")
        mark.Accessible.pressAction()
        var chooser = findChild(group, "chooser")
        verify(chooser.visible)
        compare(group.currentMenuIndex, 3)
        compare(findChild(group, "choice0").Accessible.role, Accessible.MenuItem)
        compare(findChild(group, "choice0").Accessible.name, "text 127")
        compare(findChild(group, "choice2").Accessible.name, "10")
        var changes = spy(group, "valueChanged")
        findChild(group, "choice1").Accessible.pressAction()
        compare(changes.count, 1)
        compare([changes.signalArguments[0][0], changes.signalArguments[0][1]], [3, 9])
    }
}
