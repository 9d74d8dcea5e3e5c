import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// Drop-down option list: header text, rolling list, choosing an entry, with
// the mouse and the keyboard.
ControlTestCase {
    id: test
    name: "DropdownList"
    when: windowShown
    visible: true
    width: 400
    height: 300

    ControlRoot {
        id: mainIten
        anchors.fill: parent
        property int globalSetting_size: 11
        property color globalSetting_color: "#FF00C8FF"
        property color globalSetting_color_enable: "#FFAAAAAA"
        property string globalSetting_fontFamily: "Arial"
        property var globalSetting_stringList: ["Arial", "OPTIONS"]
        property int animation_speed: 10
        property url sourceSlider: "file:modules/img/skin1/common/slider_BASE.png"
    }

    // Explicit size: the header picture gives the natural size.
    Component {
        id: dropdownComponent
        DropdownList {
            x: 50
            y: 20
            width: 151
            height: 23
            mdItems: ListModel {
                ListElement { textX: "WAVE" }
                ListElement { textX: "RIPPLE" }
                ListElement { textX: "STATIC" }
            }
        }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function cleanup() {
        mainIten.animation_speed = 10
    }

    function createDropdown(properties) {
        var dropdown = createTemporaryObject(dropdownComponent, mainIten, properties)
        verify(dropdown)
        return dropdown
    }

    function spy(target, signalName) {
        return createTemporaryObject(spyComponent, test, { target: target, signalName: signalName })
    }

    function headerText(dropdown) {
        return findChild(dropdown, "headerText").text
    }

    function test_headerText_data() {
        return [
            { tag: "nothing chosen", index: -1, text: "【 OPTIONS 】" },
            { tag: "first entry", index: 0, text: "WAVE" },
            { tag: "last entry", index: 2, text: "STATIC" },
            { tag: "one past the end", index: 3, text: "【 OPTIONS 】" },
            { tag: "far outside", index: 40, text: "【 OPTIONS 】" },
            { tag: "negative", index: -7, text: "【 OPTIONS 】" }
        ]
    }

    function test_headerText(data) {
        var dropdown = createDropdown()
        compare(dropdown.defaultIndex, -1)
        dropdown.setCurIndex(data.index)
        compare(dropdown.getCurIndex(), data.index)
        compare(headerText(dropdown), data.text)
    }

    function test_headerFollowsModelAndStrings() {
        var dropdown = createDropdown({ defaultIndex: 1 })
        compare(headerText(dropdown), "RIPPLE")
        dropdown.mdItems.setProperty(1, "textX", "BREATH")
        compare(headerText(dropdown), "BREATH")
        dropdown.mdItems.clear()
        compare(headerText(dropdown), "【 OPTIONS 】")
        mainIten.globalSetting_stringList = ["Arial", "OPTIONEN"]
        compare(headerText(dropdown), "【 OPTIONEN 】")
        mainIten.globalSetting_stringList = ["Arial", "OPTIONS"]
    }

    function test_listGeometry() {
        var dropdown = createDropdown()
        var list = findChild(dropdown, "list")
        compare(list.y, 22, "one pixel above the header's bottom edge")
        compare(list.width, 151)
        compare(list.height, 23 * 3 - 2 + 1)
        verify(!list.visible)
    }

    function test_openAndClose() {
        var dropdown = createDropdown()
        var list = findChild(dropdown, "list")
        var opened = spy(dropdown, "listOpened")
        var closed = spy(dropdown, "listClosed")
        dropdown.showList()
        compare(opened.count, 1, "listOpened when the opening starts")
        verify(!dropdown.isSelect, "isSelect only when the opening stops")
        verify(list.visible, "visible while rolling")
        tryCompare(dropdown, "isSelect", true)
        compare(list.contentY, 0)
        dropdown.closeList()
        verify(dropdown.isSelect, "still open while rolling up")
        verify(list.visible)
        compare(closed.count, 0)
        tryCompare(dropdown, "isSelect", false)
        compare(closed.count, 1)
        compare(list.contentY, list.height)
        verify(!list.visible)
        compare(opened.count, 1)
    }

    function test_interruptedRoll_data() {
        return [
            { tag: "close while rolling down", startOpen: false, calls: ["showList", "closeList"],
              isSelect: false, opened: 1, closed: 1 },
            { tag: "open while rolling up", startOpen: true, calls: ["closeList", "showList"],
              isSelect: true, opened: 2, closed: 1 },
            { tag: "open twice while rolling down", startOpen: false, calls: ["showList", "showList"],
              isSelect: true, opened: 1, closed: 0 },
            { tag: "close twice while rolling up", startOpen: true, calls: ["closeList", "closeList"],
              isSelect: false, opened: 1, closed: 1 }
        ]
    }

    function test_interruptedRoll(data) {
        var dropdown = createDropdown()
        var list = findChild(dropdown, "list")
        if (data.startOpen) {
            dropdown.showList()
            tryCompare(dropdown, "isSelect", true)
        }
        var opened = spy(dropdown, "listOpened")
        var closed = spy(dropdown, "listClosed")
        for (var i = 0; i < data.calls.length; ++i)
            dropdown[data.calls[i]]()
        tryVerify(function() { return dropdown.isSelect === data.isSelect && list.visible === data.isSelect })
        // no animation is left running: the state stays put
        tryCompare(list, "contentY", data.isSelect ? 0 : list.height)
        compare(dropdown.isSelect, data.isSelect)
        compare(opened.count + (data.startOpen ? 1 : 0), data.opened)
        compare(closed.count, data.closed)
    }

    // Both rolls take animation_speed x (0.1 + 0.05 x entries): with
    // animations on (800 ms), 120 ms for one entry, 200 ms for three and
    // 480 ms for ten.
    function test_rollDuration_data() {
        return [
            { tag: "one entry", entries: 1, duration: 120 },
            { tag: "three entries", entries: 3, duration: 200 },
            { tag: "ten entries", entries: 10, duration: 480 }
        ]
    }

    function test_rollDuration(data) {
        mainIten.animation_speed = 800
        var dropdown = createDropdown()
        dropdown.mdItems.clear()
        for (var i = 0; i < data.entries; ++i)
            dropdown.mdItems.append({ textX: "E" + i })
        compare(findChild(dropdown, "rollOpen").duration, data.duration)
        compare(findChild(dropdown, "rollClose").duration, data.duration)
        // and the list really takes that long (one frame early at most)
        var started = Date.now()
        dropdown.showList()
        tryCompare(dropdown, "isSelect", true, data.duration + 3000)
        var opening = Date.now() - started
        verify(opening >= data.duration - 20, "opened in " + opening + " ms")
        started = Date.now()
        dropdown.closeList()
        tryCompare(dropdown, "isSelect", false, data.duration + 3000)
        var closing = Date.now() - started
        verify(closing >= data.duration - 20, "closed in " + closing + " ms")
    }

    function test_chooseEntry() {
        var dropdown = createDropdown({ defaultIndex: 0 })
        var clicked = spy(dropdown, "listElementClicked")
        var closed = spy(dropdown, "listClosed")
        mouseClick(dropdown, 75, 11)
        tryCompare(dropdown, "isSelect", true)
        var entry = findChild(dropdown, "entry2")
        mouseClick(entry, 40, 11)
        compare(clicked.count, 1)
        compare(clicked.signalArguments[0][0], 2)
        compare(dropdown.defaultIndex, 2)
        compare(headerText(dropdown), "STATIC")
        tryCompare(dropdown, "isSelect", false)
        compare(closed.count, 1)
    }

    function test_headerClickToggles() {
        var dropdown = createDropdown()
        var clicked = spy(dropdown, "listElementClicked")
        mouseClick(dropdown, 75, 11)
        tryCompare(dropdown, "isSelect", true)
        mouseClick(dropdown, 75, 11)
        tryCompare(dropdown, "isSelect", false)
        compare(clicked.count, 0)
        compare(dropdown.defaultIndex, -1)
    }

    function entryMarksShown(dropdown) {
        var shown = []
        for (var i = 0; i < 3; ++i) {
            if (findChild(findChild(dropdown, "entry" + i), "focusMark").visible)
                shown.push(i)
        }
        return shown
    }

    function test_keys_data() {
        var esc = Qt.Key_Escape
        return [
            { tag: "Return opens, Down, Return chooses", initial: 0, open: Qt.Key_Return, keys: [Qt.Key_Down], end: Qt.Key_Return,
              place: 1, chosen: [1], shown: 1 },
            { tag: "Space opens on the chosen entry", initial: 2, open: Qt.Key_Space, keys: [], end: Qt.Key_Space,
              place: 2, chosen: [2], shown: 2 },
            { tag: "Down opens, Up stops at the first", initial: 1, open: Qt.Key_Down, keys: [Qt.Key_Up, Qt.Key_Up], end: Qt.Key_Enter,
              place: 0, chosen: [0], shown: 0 },
            { tag: "Alt+Down opens, End", initial: -1, open: { key: Qt.Key_Down, modifiers: Qt.AltModifier }, keys: [Qt.Key_End],
              end: Qt.Key_Return, place: 2, chosen: [2], shown: 2 },
            { tag: "nothing chosen starts at the first", initial: -1, open: Qt.Key_Return, keys: [], end: Qt.Key_Return,
              place: 0, chosen: [0], shown: 0 },
            { tag: "Down stops at the last", initial: 1, open: Qt.Key_Return, keys: [Qt.Key_Down, Qt.Key_Down, Qt.Key_Down],
              end: Qt.Key_Return, place: 2, chosen: [2], shown: 2 },
            { tag: "Escape chooses nothing", initial: 0, open: Qt.Key_Return, keys: [Qt.Key_Down, Qt.Key_Down], end: esc,
              place: 2, chosen: [], shown: 0 }
        ]
    }

    // The focus stays on the drop-down; the list opens and closes as with
    // the mouse; the choice is reported as a click on its entry reports it.
    function test_keys(data) {
        var t = createWithProbes(dropdownComponent, mainIten, { objectName: "dropdown", defaultIndex: data.initial })
        var dropdown = t.control
        var clicks = spy(dropdown, "listElementClicked")
        var closes = spy(dropdown, "listClosed")
        t.before.forceActiveFocus()
        keyClick(Qt.Key_Tab)
        compare(focusItem(), dropdown)
        verify(findChild(dropdown, "focusMark").visible)
        pressKeys([data.open])
        tryCompare(dropdown, "isSelect", true)
        pressKeys(data.keys)
        compare(dropdown.keyIndex, data.place)
        compare(entryMarksShown(dropdown), [data.place])
        compare(dropdown.Accessible.description, ["WAVE", "RIPPLE", "STATIC"][data.place])
        pressKeys([data.end])
        tryCompare(closes, "count", 1)
        compare(dropdown.Accessible.description, "")
        verify(!dropdown.isSelect)
        verify(!findChild(dropdown, "list").visible)
        compare(focusItem(), dropdown)
        var chosen = []
        for (var i = 0; i < clicks.count; ++i)
            chosen.push(clicks.signalArguments[i][0])
        compare(chosen, data.chosen)
        compare(dropdown.getCurIndex(), data.chosen.length ? data.chosen[0] : data.initial)
        compare(headerText(dropdown), ["WAVE", "RIPPLE", "STATIC"][data.shown])
    }

    function test_keysWhileClosedGoOn_data() {
        return [
            { tag: "A", key: Qt.Key_A },
            { tag: "Up", key: Qt.Key_Up },
            { tag: "Escape", key: Qt.Key_Escape },
            { tag: "Ctrl+Return", key: Qt.Key_Return, modifiers: Qt.ControlModifier }
        ]
    }

    function test_keysWhileClosedGoOn(data) {
        var dropdown = createDropdown({ defaultIndex: 1 })
        var opens = spy(dropdown, "listOpened")
        dropdown.forceActiveFocus()
        mainIten.keysPassedOn = []
        keyClick(data.key, data.modifiers === undefined ? Qt.NoModifier : data.modifiers)
        compare(mainIten.keysPassedOn, [data.key])
        compare(opens.count, 0)
        verify(!findChild(dropdown, "list").visible)
    }

    function test_leavingClosesTheList() {
        var t = createWithProbes(dropdownComponent, mainIten, { objectName: "dropdown", defaultIndex: 0 })
        var dropdown = t.control
        var clicks = spy(dropdown, "listElementClicked")
        dropdown.forceActiveFocus()
        keyClick(Qt.Key_Return)
        tryCompare(dropdown, "isSelect", true)
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Tab)
        compare(focusItem(), t.after)
        tryCompare(findChild(dropdown, "list"), "visible", false)
        compare(clicks.count, 0)
        compare(dropdown.getCurIndex(), 0)
    }

    function test_tabChain_data() {
        return [
            { tag: "enabled", enabled: true, forward: ["dropdown", "after"], backward: ["dropdown", "before"] },
            { tag: "disabled", enabled: false, forward: ["after"], backward: ["before"] }
        ]
    }

    function test_tabChain(data) {
        var t = createWithProbes(dropdownComponent, mainIten, { objectName: "dropdown", enabled: data.enabled })
        compare(tabStops(t.before, data.forward.length), data.forward)
        compare(tabStops(t.after, data.backward.length, true), data.backward)
    }

    // A combo box named by what it shows (an owner may name it), its entries
    // list items named by their text, the chosen one selected.
    function test_accessible() {
        var dropdown = createDropdown({ defaultIndex: 1 })
        compare(dropdown.Accessible.role, Accessible.ComboBox)
        compare(dropdown.Accessible.name, "RIPPLE")
        dropdown.defaultIndex = -1
        compare(dropdown.Accessible.name, "【 OPTIONS 】")
        var names = []
        var selected = []
        for (var i = 0; i < 3; ++i) {
            var entry = findChild(dropdown, "entry" + i)
            compare(entry.Accessible.role, Accessible.ListItem)
            names.push(entry.Accessible.name)
            selected.push(entry.Accessible.selected)
        }
        compare(names, ["WAVE", "RIPPLE", "STATIC"])
        compare(selected, [false, false, false])
        var clicks = spy(dropdown, "listElementClicked")
        dropdown.Accessible.pressAction()
        tryCompare(dropdown, "isSelect", true)
        findChild(dropdown, "entry2").Accessible.pressAction()
        compare(clicks.count, 1)
        compare(clicks.signalArguments[0][0], 2)
        verify(findChild(dropdown, "entry2").Accessible.selected)
        tryCompare(dropdown, "isSelect", false)
    }
}
