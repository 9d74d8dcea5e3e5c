import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// Drop-down header over a file list: refill request, choosing, deselecting,
// with the mouse and the keyboard.
ControlTestCase {
    id: test
    name: "FileListButton"
    when: windowShown
    visible: true
    width: 400
    height: 400

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
        property url sourceFilelist: "file:modules/img/skin1/common/filelist_BASE.png"
        property url sourceLine: "file:modules/img/skin1/common/draw_line.png"
    }

    // Explicit header size: the header picture gives the natural size.
    Component {
        id: buttonComponent
        FileListButton {
            x: 50
            y: 20
            width: 151
            height: 23
            mdItems: ListModel {
                ListElement { textX: "alpha"; textR: "" }
                ListElement { textX: "beta"; textR: "" }
                ListElement { textX: "gamma"; textR: "" }
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

    function sizeList(button) {
        // stands in for the list picture, which gives the list its size
        var list = findChild(button, "fileList")
        list.width = 151
        list.height = 201
        return button
    }

    function createButton() {
        var button = createTemporaryObject(buttonComponent, mainIten)
        verify(button)
        return sizeList(button)
    }

    function spy(target, signalName) {
        return createTemporaryObject(spyComponent, test, { target: target, signalName: signalName })
    }

    function headerText(button) {
        return findChild(button, "headerText").text
    }

    function test_headerClickRequestsUpdateFirst() {
        var button = createButton()
        var events = []
        button.requestToUpdateList.connect(function() {
            events.push("update")
            button.mdItems.append({ textX: "delta", textR: "" })
        })
        button.listOpened.connect(function() { events.push("opened") })
        mouseClick(button, 75, 11)
        compare(events, ["update", "opened"])
        tryCompare(button, "isSelect", true)
        compare(findChild(button, "list").contentY, -201)
        compare(findChild(button, "fileList").lvItems.count, 4)
        mouseClick(button, 75, 11)
        tryCompare(button, "isSelect", false)
        compare(events, ["update", "opened"], "closing requests nothing")
        verify(!findChild(button, "list").visible)
    }

    function test_choosing_data() {
        return [
            { tag: "choose an entry", current: -1, click: 2, reported: 2, header: "gamma" },
            { tag: "choose another entry", current: 0, click: 1, reported: 1, header: "beta" },
            { tag: "click the chosen entry", current: 2, click: 2, reported: -1, header: "【 OPTIONS 】" }
        ]
    }

    function test_choosing(data) {
        var button = createButton()
        var clicked = spy(button, "listElementClicked")
        var closed = spy(button, "listClosed")
        button.setCurIndex(data.current)
        button.showList()
        tryCompare(button, "isSelect", true)
        var list = findChild(button, "fileList")
        mouseClick(list.lvItems.itemAtIndex(data.click), 60, 10)
        compare(clicked.count, 1)
        compare(clicked.signalArguments[0][0], data.reported)
        compare(button.getCurIndex(), data.reported)
        compare(headerText(button), data.header)
        tryCompare(button, "isSelect", false)
        compare(closed.count, 1)
    }

    function test_headerText_data() {
        return [
            { tag: "chosen", index: 1, text: "beta" },
            { tag: "none", index: -1, text: "【 OPTIONS 】" },
            { tag: "outside the model", index: 3, text: "【 OPTIONS 】" }
        ]
    }

    function test_headerText(data) {
        var button = createButton()
        compare(button.getCurIndex(), -1)
        button.setCurIndex(data.index)
        compare(headerText(button), data.text)
    }

    function test_interruptedRoll_data() {
        return [
            { tag: "close while rolling down", startOpen: false, calls: ["showList", "closeList"], isSelect: false,
              opened: 1, closed: 1 },
            { tag: "open while rolling up", startOpen: true, calls: ["closeList", "showList"], isSelect: true,
              opened: 1, closed: 1 },
            { tag: "open twice while rolling down", startOpen: false, calls: ["showList", "showList"],
              isSelect: true, opened: 1, closed: 0 },
            { tag: "close twice while rolling up", startOpen: true, calls: ["closeList", "closeList"],
              isSelect: false, opened: 0, closed: 1 }
        ]
    }

    function test_interruptedRoll(data) {
        var button = createButton()
        var flick = findChild(button, "list")
        if (data.startOpen) {
            button.showList()
            tryCompare(button, "isSelect", true)
        }
        var opened = spy(button, "listOpened")
        var closed = spy(button, "listClosed")
        for (var i = 0; i < data.calls.length; ++i)
            button[data.calls[i]]()
        tryVerify(function() { return button.isSelect === data.isSelect && flick.visible === data.isSelect })
        tryCompare(flick, "contentY", data.isSelect ? -201 : 0)
        compare(button.isSelect, data.isSelect)
        compare(opened.count, data.opened)
        compare(closed.count, data.closed)
    }

    // listOpened when the opening starts, isSelect when it stops; isSelect
    // false when the closing stops, listClosed when it completes. With
    // animations on (800 ms) each roll takes 400 ms.
    function test_openAndClose() {
        mainIten.animation_speed = 800
        var button = createButton()
        var flick = findChild(button, "list")
        var opened = spy(button, "listOpened")
        var closed = spy(button, "listClosed")
        compare(findChild(button, "rollOpen").duration, 400)
        compare(findChild(button, "rollClose").duration, 400)
        var started = Date.now()
        button.showList()
        compare(opened.count, 1, "listOpened when the opening starts")
        verify(!button.isSelect, "isSelect only when the opening stops")
        verify(flick.visible, "visible while rolling")
        tryCompare(button, "isSelect", true, 3000)
        var opening = Date.now() - started
        verify(opening >= 380, "opened in " + opening + " ms")
        compare(flick.contentY, -201)
        started = Date.now()
        button.closeList()
        verify(button.isSelect, "still open while rolling up")
        verify(flick.visible)
        compare(closed.count, 0)
        tryCompare(button, "isSelect", false, 3000)
        var closing = Date.now() - started
        verify(closing >= 380, "closed in " + closing + " ms")
        compare(closed.count, 1)
        compare(flick.contentY, 0)
        verify(!flick.visible)
        compare(opened.count, 1)
    }

    function entryMarksShown(button) {
        var list = findChild(button, "fileList")
        var shown = []
        for (var i = 0; i < list.mdItems.count; ++i) {
            if (findChild(list.lvItems.itemAtIndex(i), "focusMark").visible)
                shown.push(i)
        }
        return shown
    }

    function test_keys_data() {
        return [
            { tag: "Return opens, Down, Return chooses", initial: -1, open: Qt.Key_Return, keys: [Qt.Key_Down], end: Qt.Key_Return,
              place: 1, chosen: [1], current: 1 },
            { tag: "Space opens on the selected entry", initial: 2, open: Qt.Key_Space, keys: [Qt.Key_Up], end: Qt.Key_Space,
              place: 1, chosen: [1], current: 1 },
            { tag: "Down opens, End", initial: 0, open: Qt.Key_Down, keys: [Qt.Key_End, Qt.Key_Down], end: Qt.Key_Enter,
              place: 2, chosen: [2], current: 2 },
            { tag: "Return on the selected entry deselects, as a click", initial: 1, open: { key: Qt.Key_Down, modifiers: Qt.AltModifier },
              keys: [], end: Qt.Key_Return, place: 1, chosen: [-1], current: -1 },
            { tag: "Escape chooses nothing", initial: 0, open: Qt.Key_Return, keys: [Qt.Key_Down, Qt.Key_Down], end: Qt.Key_Escape,
              place: 2, chosen: [], current: 0 }
        ]
    }

    // The refill comes first, as with a click; moving in the open list
    // selects nothing; the choice is reported as a click on the entry; the
    // focus stays on the drop-down.
    function test_keys(data) {
        var t = createWithProbes(buttonComponent, mainIten, { objectName: "button" })
        var button = sizeList(t.control)
        button.setCurIndex(data.initial)
        var updates = spy(button, "requestToUpdateList")
        var clicks = spy(button, "listElementClicked")
        var closes = spy(button, "listClosed")
        t.before.forceActiveFocus()
        keyClick(Qt.Key_Tab)
        compare(focusItem(), button)
        pressKeys([data.open])
        compare(updates.count, 1)
        tryCompare(button, "isSelect", true)
        pressKeys(data.keys)
        compare(button.keyIndex, data.place)
        compare(entryMarksShown(button), [data.place])
        compare(clicks.count, 0)
        compare(button.getCurIndex(), data.initial, "moving selects nothing")
        pressKeys([data.end])
        tryCompare(closes, "count", 1)
        compare(focusItem(), button)
        var chosen = []
        for (var i = 0; i < clicks.count; ++i)
            chosen.push(clicks.signalArguments[i][0])
        compare(chosen, data.chosen)
        compare(button.getCurIndex(), data.current)
        compare(updates.count, 1)
    }

    function test_keysWhileClosedGoOn() {
        var button = createButton()
        var updates = spy(button, "requestToUpdateList")
        button.forceActiveFocus()
        mainIten.keysPassedOn = []
        keyClick(Qt.Key_Up)
        keyClick(Qt.Key_Escape)
        keyClick(Qt.Key_A)
        compare(mainIten.keysPassedOn, [Qt.Key_Up, Qt.Key_Escape, Qt.Key_A])
        compare(updates.count, 0)
        verify(!findChild(button, "list").visible)
    }

    function test_tabChain_data() {
        return [
            { tag: "enabled", enabled: true, forward: ["button", "after"], backward: ["button", "before"] },
            { tag: "disabled", enabled: false, forward: ["after"], backward: ["before"] }
        ]
    }

    // One stop: the list inside is none of its own.
    function test_tabChain(data) {
        var t = createWithProbes(buttonComponent, mainIten, { objectName: "button", enabled: data.enabled })
        sizeList(t.control)
        compare(tabStops(t.before, data.forward.length), data.forward)
        compare(tabStops(t.after, data.backward.length, true), data.backward)
        t.control.showList()
        tryCompare(t.control, "isSelect", true)
        compare(tabStops(t.before, data.forward.length), data.forward)
    }

    function test_accessible() {
        var button = createButton()
        button.setCurIndex(2)
        compare(button.Accessible.role, Accessible.ComboBox)
        compare(button.Accessible.name, "gamma")
        button.setCurIndex(-1)
        compare(button.Accessible.name, "【 OPTIONS 】")
        var updates = spy(button, "requestToUpdateList")
        button.Accessible.pressAction()
        compare(updates.count, 1)
        tryCompare(button, "isSelect", true)
    }
}
