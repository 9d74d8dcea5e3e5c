import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// The library's eight-cell group with a value chooser.
TestCase {
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

    function createGroup(properties) {
        var group = createTemporaryObject(groupComponent, mainIten, properties)
        // stand in for the cell picture, which gives a cell its size
        for (var i = 0; i < 8; ++i) {
            var cell = findChild(group, "cell" + i)
            cell.width = 70
            cell.height = 16
        }
        return group
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
}
