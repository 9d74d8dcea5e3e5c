import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// File list: selection, right click, scroll bar, in-place renaming, with the
// mouse and the keyboard.
ControlTestCase {
    id: test
    name: "FileList"
    when: windowShown
    visible: true
    width: 400
    height: 600

    ControlRoot {
        id: mainIten
        anchors.fill: parent
        property int globalSetting_size: 11
        property color globalSetting_color: "#FF00C8FF"
        property color globalSetting_color_enable: "#FFAAAAAA"
        property string globalSetting_fontFamily: "Arial"
        property url sourceLine: "file:modules/img/skin1/common/draw_line.png"

        TextInput {
            id: elsewhere
            x: 300
            y: 10
            width: 80
            height: 20
        }
    }

    Component {
        id: fileListComponent
        FileList {
            x: 20
            y: 10
            mdItems: ListModel {
                ListElement { textX: "alpha"; textR: "1" }
                ListElement { textX: "beta"; textR: "2" }
                ListElement { textX: "gamma"; textR: "3" }
                ListElement { textX: "delta"; textR: "4" }
                ListElement { textX: "epsilon"; textR: "5" }
            }
        }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function createList(entries) {
        var list = createTemporaryObject(fileListComponent, mainIten)
        verify(list)
        if (entries !== undefined) {
            list.mdItems.clear()
            for (var i = 0; i < entries; ++i)
                list.mdItems.append({ textX: "macro" + i, textR: String(i) })
        }
        waitForRendering(list)
        return list
    }

    function spy(target, signalName) {
        return createTemporaryObject(spyComponent, test, { target: target, signalName: signalName })
    }

    function entry(list, index) {
        var item = list.lvItems.itemAtIndex(index)
        verify(item, "entry " + index + " exists")
        return item
    }

    function leftText(list, index) {
        return findChild(entry(list, index), "textLeft")
    }

    function test_layout() {
        var list = createList()
        compare(list.width, 151)
        compare(list.height, 200)
        compare(list.lvItems.width, 151 - 18)
        compare(list.lvItems.height, 199)
        compare(list.lvItems.currentIndex, -1)
        compare(entry(list, 1).height, 20)
        compare(entry(list, 1).y, 20)
        compare(leftText(list, 1).x, 5)
        compare(leftText(list, 2).text, "gamma")
        compare(findChild(entry(list, 2), "textRight").text, "3")
    }

    function test_leftClicks_data() {
        return [
            { tag: "select", clicks: [1], reported: [1], current: 1 },
            { tag: "deselect the current entry", clicks: [2, 2], reported: [2, -1], current: -1 },
            { tag: "select another", clicks: [0, 3], reported: [0, 3], current: 3 },
            { tag: "select again after deselecting", clicks: [4, 4, 4], reported: [4, -1, 4], current: 4 }
        ]
    }

    function test_leftClicks(data) {
        var list = createList()
        var clicked = spy(list, "listElementClicked")
        for (var i = 0; i < data.clicks.length; ++i)
            mouseClick(entry(list, data.clicks[i]), 60, 10)
        compare(clicked.count, data.reported.length)
        for (var j = 0; j < data.reported.length; ++j)
            compare(clicked.signalArguments[j][0], data.reported[j])
        compare(list.lvItems.currentIndex, data.current)
    }

    function test_currentEntryIsHighlighted() {
        var list = createList()
        mouseClick(entry(list, 1), 60, 10)
        mouseMove(test, 390, 590)
        verify(Qt.colorEqual(leftText(list, 1).color, mainIten.globalSetting_color))
        verify(Qt.colorEqual(leftText(list, 2).color, mainIten.globalSetting_color_enable))
    }

    function test_rightClickKeepsSelection_data() {
        return [
            { tag: "on another entry", selected: 1, rightClicked: 3 },
            { tag: "on the current entry", selected: 2, rightClicked: 2 }
        ]
    }

    function test_rightClickKeepsSelection(data) {
        var list = createList()
        var clicked = spy(list, "listElementClicked")
        var rightClicked = spy(list, "listElementRightBtnClicked")
        mouseClick(entry(list, data.selected), 60, 10)
        mouseClick(entry(list, data.rightClicked), 60, 10, Qt.RightButton)
        compare(rightClicked.count, 1)
        compare(rightClicked.signalArguments[0][0], data.rightClicked)
        compare(clicked.count, 1)
        compare(list.lvItems.currentIndex, data.selected)
    }

    // The selection through the list's own property: a click shows in it,
    // and setting it selects and highlights the entry.
    function test_currentIndex() {
        var list = createList()
        compare(list.currentIndex, -1)
        list.currentIndex = 1
        compare(list.lvItems.currentIndex, 1)
        verify(Qt.colorEqual(leftText(list, 1).color, mainIten.globalSetting_color))
        verify(Qt.colorEqual(leftText(list, 3).color, mainIten.globalSetting_color_enable))
        mouseClick(entry(list, 3), 60, 10)
        compare(list.currentIndex, 3)
        mouseClick(entry(list, 3), 60, 10)
        compare(list.currentIndex, -1)
    }

    // Entries are 20 high; the top of entry i is 20 i above the scroll offset.
    function test_entryTop_data() {
        return [
            { tag: "first, unscrolled", index: 0, contentY: 0, top: 0 },
            { tag: "sixth, unscrolled", index: 5, contentY: 0, top: 100 },
            { tag: "sixth, scrolled by 60", index: 5, contentY: 60, top: 40 },
            { tag: "third, partly scrolled out", index: 2, contentY: 45, top: -5 }
        ]
    }

    function test_entryTop(data) {
        var list = createList(30)
        compare(list.entryHeight, 20)
        list.lvItems.contentY = data.contentY
        compare(list.entryTop(data.index), data.top)
        // where the entry is drawn
        compare(entry(list, data.index).mapToItem(list, 0, 0).y, data.top)
    }

    // Alpha … epsilon with `selected` chosen; the model edited through the
    // list: the selection is on its entry right after the call.
    function test_editsKeepTheSelection_data() {
        return [
            { tag: "two inserted before the selection", selected: 2, insertAt: 1,
              names: ["alpha", "new1", "new2", "beta", "gamma", "delta", "epsilon"], after: 4 },
            { tag: "two inserted at the selection", selected: 2, insertAt: 2,
              names: ["alpha", "beta", "new1", "new2", "gamma", "delta", "epsilon"], after: 4 },
            { tag: "two inserted after the selection", selected: 2, insertAt: 3,
              names: ["alpha", "beta", "gamma", "new1", "new2", "delta", "epsilon"], after: 2 },
            { tag: "two appended, nothing selected", selected: -1, insertAt: 5,
              names: ["alpha", "beta", "gamma", "delta", "epsilon", "new1", "new2"], after: -1 },
            { tag: "one removed before the selection", selected: 3, removeAt: 0,
              names: ["beta", "gamma", "delta", "epsilon"], after: 2 },
            { tag: "one removed after the selection", selected: 1, removeAt: 3,
              names: ["alpha", "beta", "gamma", "epsilon"], after: 1 },
            { tag: "the selected one removed: the next is selected", selected: 1, removeAt: 1,
              names: ["alpha", "gamma", "delta", "epsilon"], after: 1 }
        ]
    }

    function test_editsKeepTheSelection(data) {
        var list = createList()
        if (data.selected >= 0)
            mouseClick(entry(list, data.selected), 60, 10)
        compare(list.currentIndex, data.selected)
        if (data.removeAt !== undefined)
            list.removeEntry(data.removeAt)
        else
            list.insertEntries(data.insertAt, [{ textX: "new1", textR: "n" }, { textX: "new2", textR: "n" }])
        compare(list.currentIndex, data.after)
        var names = []
        for (var i = 0; i < list.mdItems.count; ++i)
            names.push(list.mdItems.get(i).textX)
        compare(names, data.names)
    }

    function test_emptyModelResetsCurrent() {
        var list = createList()
        list.lvItems.currentIndex = 3
        list.mdItems.clear()
        compare(list.lvItems.currentIndex, -1)
        list.mdItems.append({ textX: "zeta", textR: "" })
        compare(list.lvItems.currentIndex, -1)
    }

    function test_rename_data() {
        return [
            { tag: "Return", end: "return", completed: true },
            { tag: "Enter", end: "enter", completed: true },
            { tag: "stopEditFileName", end: "stop", completed: true },
            { tag: "focus taken elsewhere", end: "focus", completed: false },
            { tag: "another entry edited", end: "other", completed: false, otherEdit: true }
        ]
    }

    function test_rename(data) {
        var list = createList()
        var started = spy(list, "editFileName_start")
        var completed = spy(list, "editFileName_completed")
        var text = leftText(list, 1)
        list.editFileName(1)
        compare(started.count, 1)
        compare(started.signalArguments[0][0], 1)
        verify(text.activeFocus, "the text takes the focus")
        compare(text.selectedText, "beta", "everything is selected")
        keyClick(Qt.Key_K)
        keyClick(Qt.Key_O)
        compare(text.text, "ko")
        if (data.end === "return")
            keyClick(Qt.Key_Return)
        else if (data.end === "enter")
            keyClick(Qt.Key_Enter)
        else if (data.end === "stop")
            list.stopEditFileName()
        else if (data.end === "focus")
            elsewhere.forceActiveFocus()
        else
            list.editFileName(3)
        verify(!text.activeFocus)
        compare(text.selectedText, "")
        if (data.completed) {
            compare(completed.count, 1)
            compare(completed.signalArguments[0][0], "beta")
            compare(completed.signalArguments[0][1], "ko")
            compare(list.mdItems.get(1).textX, "ko")
            compare(text.text, "ko")
        } else {
            compare(completed.count, 0)
            compare(list.mdItems.get(1).textX, "beta")
            compare(text.text, "beta", "the old name comes back")
        }
        // a later stop ends only an edit still running
        list.stopEditFileName()
        compare(list.mdItems.get(1).textX, data.completed ? "ko" : "beta")
        if (data.otherEdit) {
            compare(completed.count, 1)
            compare(completed.signalArguments[0][0], "delta")
            compare(completed.signalArguments[0][1], "delta")
        } else {
            compare(completed.count, data.completed ? 1 : 0, "reported once at most")
        }
    }

    function test_clickDoesNotEdit() {
        var list = createList()
        mouseClick(entry(list, 2), 10, 10)
        verify(!leftText(list, 2).activeFocus)
        keyClick(Qt.Key_X)
        compare(leftText(list, 2).text, "gamma")
    }

    function test_scrollBarShown_data() {
        return [
            { tag: "empty", entries: 0, shown: false },
            { tag: "fits", entries: 5, shown: false },
            { tag: "ten entries, one pixel more than the view", entries: 10, shown: true },
            { tag: "overflows", entries: 11, shown: true },
            { tag: "long", entries: 30, shown: true }
        ]
    }

    function test_scrollBarShown(data) {
        var list = createList(data.entries)
        var bar = findChild(list, "scrollBar")
        compare(bar.visible, data.shown)
        if (data.shown) {
            compare(bar.width, 5)
            compare(bar.radius, 2.5)
            fuzzyCompare(bar.height, 199 * 199 / (20 * data.entries), 0.01)
            compare(bar.y, 0)
        }
    }

    function test_scrollBarDrag_data() {
        // 30 entries: content 600 high, view 199, so contentY runs from 0 to 401
        return [
            { tag: "down", start: 0, dy: 40, contentY: 40 },
            { tag: "up at the top", start: 0, dy: -30, contentY: 0 },
            { tag: "up", start: 200, dy: -50, contentY: 150 },
            { tag: "down past the end", start: 300, dy: 200, contentY: 401 }
        ]
    }

    function test_scrollBarDrag(data) {
        var list = createList(30)
        var bar = findChild(list, "scrollBar")
        list.lvItems.contentY = data.start
        fuzzyCompare(bar.y, data.start / 600 * 199, 0.01)
        // pointer positions in the list's coordinates: the bar moves while dragged
        var x = bar.x + 5 + 2
        var y = bar.y + 5
        mousePress(list, x, y)
        mouseMove(list, x, y + data.dy / 2)
        mouseMove(list, x, y + data.dy)
        mouseRelease(list, x, y + data.dy)
        fuzzyCompare(list.lvItems.contentY, data.contentY, 0.5)
        fuzzyCompare(bar.y, list.lvItems.contentY / 600 * 199, 0.01)
    }

    function clickedIndexes(clicks) {
        var indexes = []
        for (var i = 0; i < clicks.count; ++i)
            indexes.push(clicks.signalArguments[i][0])
        return indexes
    }

    function marksShown(list) {
        var shown = []
        for (var i = 0; i < list.mdItems.count; ++i) {
            if (findChild(entry(list, i), "focusMark").visible)
                shown.push(i)
        }
        return shown
    }

    function test_keys_data() {
        return [
            { tag: "Down from none selects the first", initial: -1, keys: [Qt.Key_Down], current: 0, place: 0, clicked: [0] },
            { tag: "Up from none selects the first", initial: -1, keys: [Qt.Key_Up], current: 0, place: 0, clicked: [0] },
            { tag: "Down, Down", initial: 1, keys: [Qt.Key_Down, Qt.Key_Down], current: 3, place: 3, clicked: [2, 3] },
            { tag: "Up stops at the first", initial: 0, keys: [Qt.Key_Up], current: 0, place: 0, clicked: [] },
            { tag: "Down stops at the last", initial: 4, keys: [Qt.Key_Down], current: 4, place: 4, clicked: [] },
            { tag: "End, Home", initial: 1, keys: [Qt.Key_End, Qt.Key_Home], current: 0, place: 0, clicked: [4, 0] },
            { tag: "Return on the selected entry deselects it, as a click", initial: 2, keys: [Qt.Key_Return], current: -1, place: 2,
              clicked: [-1] },
            { tag: "Space with none selected does nothing", initial: -1, keys: [Qt.Key_Space], current: -1, place: -1, clicked: [] },
            { tag: "Down, Enter, Space", initial: -1, keys: [Qt.Key_Down, Qt.Key_Enter, Qt.Key_Space], current: 0, place: 0,
              clicked: [0, -1, 0] },
            { tag: "Down after a deselect goes on from there", initial: 2, keys: [Qt.Key_Return, Qt.Key_Down], current: 3, place: 3,
              clicked: [-1, 3] }
        ]
    }

    // The keyboard's place follows the selection: a move selects and reports
    // as a click; Return, Enter and Space click the entry there.
    function test_keys(data) {
        var t = createWithProbes(fileListComponent, mainIten, { objectName: "list" })
        var list = t.control
        waitForRendering(list)
        list.currentIndex = data.initial
        var clicks = spy(list, "listElementClicked")
        t.before.forceActiveFocus()
        keyClick(Qt.Key_Tab)
        compare(focusItem(), list)
        mainIten.keysPassedOn = []
        pressKeys(data.keys)
        compare(mainIten.keysPassedOn, [])
        compare(list.currentIndex, data.current)
        compare(clickedIndexes(clicks), data.clicked)
        compare(list.keyIndex, data.place)
        compare(marksShown(list), data.place >= 0 ? [data.place] : [])
        keyClick(Qt.Key_Tab)
        compare(focusItem(), t.after)
        compare(marksShown(list), [])
    }

    function test_menuKey_data() {
        return [
            { tag: "Menu", key: Qt.Key_Menu, modifiers: Qt.NoModifier, initial: 3, right: [3] },
            { tag: "Shift+F10", key: Qt.Key_F10, modifiers: Qt.ShiftModifier, initial: 0, right: [0] },
            { tag: "Menu with none selected", key: Qt.Key_Menu, modifiers: Qt.NoModifier, initial: -1, right: [] }
        ]
    }

    // The Menu key and Shift+F10 act as a right click on the selected entry.
    function test_menuKey(data) {
        var list = createList()
        list.currentIndex = data.initial
        var rights = spy(list, "listElementRightBtnClicked")
        var clicks = spy(list, "listElementClicked")
        list.forceActiveFocus()
        keyClick(data.key, data.modifiers)
        compare(clickedIndexes(rights), data.right)
        compare(clicks.count, 0)
        compare(list.currentIndex, data.initial)
    }

    function test_keysGoOn_data() {
        return [
            { tag: "Delete", key: Qt.Key_Delete, modifiers: Qt.NoModifier },
            { tag: "Left", key: Qt.Key_Left, modifiers: Qt.NoModifier },
            { tag: "Right", key: Qt.Key_Right, modifiers: Qt.NoModifier },
            { tag: "Ctrl+C", key: Qt.Key_C, modifiers: Qt.ControlModifier },
            { tag: "F2", key: Qt.Key_F2, modifiers: Qt.NoModifier },
            { tag: "Ctrl+Down", key: Qt.Key_Down, modifiers: Qt.ControlModifier }
        ]
    }

    // Keys the list does not use reach its owner and change nothing.
    function test_keysGoOn(data) {
        var list = createList()
        list.currentIndex = 2
        var clicks = spy(list, "listElementClicked")
        list.forceActiveFocus()
        mainIten.keysPassedOn = []
        keyClick(data.key, data.modifiers)
        compare(mainIten.keysPassedOn, [data.key])
        compare(list.currentIndex, 2)
        compare(clicks.count, 0)
    }

    function test_moveScrollsIntoView() {
        var list = createList(30)
        list.forceActiveFocus()
        keyClick(Qt.Key_End)
        compare(list.currentIndex, 29)
        verify(list.entryTop(29) >= 0 && list.entryTop(29) + list.entryHeight <= list.height, "last entry shown")
        keyClick(Qt.Key_Home)
        compare(list.currentIndex, 0)
        compare(list.entryTop(0), 0)
    }

    function test_renameEndedByKeyStaysInTheList_data() {
        return [
            { tag: "Return", key: Qt.Key_Return },
            { tag: "Enter", key: Qt.Key_Enter }
        ]
    }

    // The key that ends a rename goes no further; the focus comes back to
    // the list with the selection as it was.
    function test_renameEndedByKeyStaysInTheList(data) {
        var list = createList()
        list.forceActiveFocus()
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Down)
        compare(list.currentIndex, 1)
        var clicks = spy(list, "listElementClicked")
        list.editFileName(1)
        verify(leftText(list, 1).activeFocus)
        keyClick(Qt.Key_Z)
        mainIten.keysPassedOn = []
        keyClick(data.key)
        compare(list.mdItems.get(1).textX, "z")
        compare(mainIten.keysPassedOn, [])
        tryCompare(list, "activeFocus", true)
        compare(list.currentIndex, 1)
        compare(clicks.count, 0)
    }

    function test_tabChain_data() {
        return [
            { tag: "enabled", enabled: true, forward: ["list", "after"], backward: ["list", "before"] },
            { tag: "disabled", enabled: false, forward: ["after"], backward: ["before"] }
        ]
    }

    function test_tabChain(data) {
        var t = createWithProbes(fileListComponent, mainIten, { objectName: "list", enabled: data.enabled })
        compare(tabStops(t.before, data.forward.length), data.forward)
        compare(tabStops(t.after, data.backward.length, true), data.backward)
    }

    // A list (named by its owner) of list items named by both texts, the
    // selected one selected; an item's press action clicks it.
    function test_accessible() {
        var list = createList()
        list.mdItems.setProperty(3, "textR", "")
        list.currentIndex = 2
        list.Accessible.name = mainIten.globalString(75)
        compare(list.Accessible.role, Accessible.List)
        compare(list.Accessible.name, "text 75")
        var names = []
        var selected = []
        for (var i = 0; i < 5; ++i) {
            compare(entry(list, i).Accessible.role, Accessible.ListItem)
            names.push(entry(list, i).Accessible.name)
            selected.push(entry(list, i).Accessible.selected)
        }
        compare(names, ["alpha 1", "beta 2", "gamma 3", "delta", "epsilon 5"])
        compare(selected, [false, false, true, false, false])
        var clicks = spy(list, "listElementClicked")
        entry(list, 4).Accessible.pressAction()
        compare(clickedIndexes(clicks), [4])
        verify(entry(list, 4).Accessible.selected)
    }
}
