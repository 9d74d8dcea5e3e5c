import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// The right-click menu with the keyboard: it takes the focus when it opens,
// Up, Down, Home and End move over the enabled entries, Return, Enter and
// Space choose, Escape closes without a choice; the focus goes back to the
// item that had it. Also the mouse path and what screen readers see.
ControlTestCase {
    id: test
    name: "ContextMenu"
    width: 400
    height: 300

    ControlRoot {
        id: mainIten
        anchors.fill: parent
        property int globalSetting_size: 11
        property color globalSetting_color: "#FF00C8FF"
        property color globalSetting_color_enable: "#FFAAAAAA"
        property color globalSetting_color_disable: "#80FFFFFF"
        property string globalSetting_fontFamily: "Arial"
        property int animation_speed: 10

        Item {
            id: opener
            objectName: "opener"
            x: 10
            y: 10
            width: 20
            height: 20
            activeFocusOnTab: true
        }
    }

    // LOAD, SAVE (disabled), CUT, COPY (disabled), PASTE
    Component {
        id: menuComponent
        ContextMenu {
            mdItems: ListModel {
                ListElement { name: "LOAD"; btnEnable: true; action: "load" }
                ListElement { name: "SAVE"; btnEnable: false; action: "save" }
                ListElement { name: "CUT"; btnEnable: true; action: "cut" }
                ListElement { name: "COPY"; btnEnable: false; action: "copy" }
                ListElement { name: "PASTE"; btnEnable: true; action: "paste" }
            }
        }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function openMenu() {
        var menu = createTemporaryObject(menuComponent, mainIten)
        opener.forceActiveFocus()
        menu.open(100, 50)
        compare(focusItem(), menu)
        return menu
    }

    function marksShown(menu) {
        var shown = []
        for (var i = 0; i < 5; ++i) {
            if (findChild(findChild(menu, "entry" + i), "focusMark").visible)
                shown.push(i)
        }
        return shown
    }

    function test_keys_data() {
        return [
            { tag: "Down, Return", keys: [Qt.Key_Down], end: Qt.Key_Return, place: 0, chosen: [0, "load"] },
            { tag: "Down skips a disabled entry", keys: [Qt.Key_Down, Qt.Key_Down], end: Qt.Key_Space, place: 2, chosen: [2, "cut"] },
            { tag: "Down stops at the last enabled", keys: [Qt.Key_Down, Qt.Key_Down, Qt.Key_Down, Qt.Key_Down], end: Qt.Key_Enter,
              place: 4, chosen: [4, "paste"] },
            { tag: "Up from nothing goes to the last", keys: [Qt.Key_Up], end: Qt.Key_Return, place: 4, chosen: [4, "paste"] },
            { tag: "Up skips disabled entries", keys: [Qt.Key_End, Qt.Key_Up, Qt.Key_Up], end: Qt.Key_Return, place: 0,
              chosen: [0, "load"] },
            { tag: "Home", keys: [Qt.Key_End, Qt.Key_Home], end: Qt.Key_Return, place: 0, chosen: [0, "load"] },
            { tag: "Return before any move chooses nothing", keys: [], end: Qt.Key_Return, place: -1, chosen: [] },
            { tag: "Escape chooses nothing", keys: [Qt.Key_Down, Qt.Key_Down], end: Qt.Key_Escape, place: 2, chosen: [] }
        ]
    }

    function test_keys(data) {
        var menu = openMenu()
        var chosen = createTemporaryObject(spyComponent, test, { target: menu, signalName: "entryChosen" })
        compare(marksShown(menu), [], "no mark before the first move")
        pressKeys(data.keys)
        compare(menu.keyIndex, data.place)
        compare(marksShown(menu), data.place >= 0 ? [data.place] : [])
        pressKeys([data.end])
        if (data.chosen.length === 0 && data.end !== Qt.Key_Escape) {
            compare(chosen.count, 0)
            compare(focusItem(), menu, "the menu stays open")
            verify(menu.visible)
            return
        }
        compare(focusItem(), opener)
        tryCompare(menu, "visible", false)
        compare(chosen.count, data.chosen.length ? 1 : 0)
        if (data.chosen.length)
            compare([chosen.signalArguments[0][0], chosen.signalArguments[0][1]], data.chosen)
    }

    // The focus is back on the opener when the owner hears of the choice,
    // so what the owner does with the focus then stands.
    function test_focusBackBeforeTheReport() {
        var menu = openMenu()
        var focusAtReport = null
        menu.entryChosen.connect(function() { focusAtReport = focusItem() })
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Return)
        compare(focusAtReport, opener)
    }

    function test_clickChoosesAndGivesTheFocusBack() {
        var menu = openMenu()
        var chosen = createTemporaryObject(spyComponent, test, { target: menu, signalName: "entryChosen" })
        mouseClick(findChild(menu, "entry2"), 20, 10)
        compare(chosen.count, 1)
        compare([chosen.signalArguments[0][0], chosen.signalArguments[0][1]], [2, "cut"])
        compare(focusItem(), opener)
        mouseClick(findChild(menu, "entry3"), 20, 10)
        compare(chosen.count, 1, "a disabled entry takes no click")
    }

    function test_closeGivesTheFocusBack() {
        var menu = openMenu()
        var chosen = createTemporaryObject(spyComponent, test, { target: menu, signalName: "entryChosen" })
        menu.close()
        compare(focusItem(), opener)
        tryCompare(menu, "visible", false)
        compare(chosen.count, 0)
    }

    // Opening again while open keeps the item to go back to.
    function test_openAgainKeepsWhereTheFocusGoesBack() {
        var menu = openMenu()
        menu.open(120, 60)
        compare([menu.x, menu.y], [120, 60])
        keyClick(Qt.Key_Escape)
        compare(focusItem(), opener)
    }

    // Entries are menu items named by their text; the press action of an
    // enabled one chooses it.
    function test_accessible() {
        var menu = openMenu()
        var chosen = createTemporaryObject(spyComponent, test, { target: menu, signalName: "entryChosen" })
        compare(menu.Accessible.role, Accessible.PopupMenu)
        var names = []
        for (var i = 0; i < 5; ++i) {
            var entry = findChild(menu, "entry" + i)
            compare(entry.Accessible.role, Accessible.MenuItem)
            names.push(entry.Accessible.name)
        }
        compare(names, ["LOAD", "SAVE", "CUT", "COPY", "PASTE"])
        keyClick(Qt.Key_Down)
        verify(findChild(menu, "entry0").Accessible.selected)
        findChild(menu, "entry1").Accessible.pressAction()
        compare(chosen.count, 0, "disabled")
        findChild(menu, "entry4").Accessible.pressAction()
        compare(chosen.count, 1)
        compare(chosen.signalArguments[0][0], 4)
    }
}
