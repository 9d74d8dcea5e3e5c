import QtQuick
import QtTest

// The profile menu in the real scene, with the backend on the virtual
// keyboard: one button per profile of the definition (three in the shipped
// one), switching, and the context menu that imports, exports and resets a
// profile. Esc sits in key slot 0 with the factory code 41; B is 5, C is 6.
// Command 21 selects a profile: "00 21 <profile> 00 00 00 55 AA 00".
SceneTestCase {
    id: test
    name: "ProfileMenu"

    readonly property int profiles: 3
    readonly property int escSlot: 0

    Component {
        id: spyComponent
        SignalSpy {}
    }

    // The started scene with the profile menu in place.
    function profileMenu() {
        var scene = startScene()
        var menu = part(scene, "pfItem")
        tryCompare(menu, "x", 1000 - menu.width - 8)
        return { scene: scene, menu: menu, contextMenu: part(menu, "itLvContextMenu"),
                 keys: part(part(scene, "main_Q3").page(0), "_model"),
                 spy: createTemporaryObject(spyComponent, test,
                                            { target: menu, signalName: "indexChanged_btn" }) }
    }

    function button(t, index) {
        return part(t.menu, "profile" + index)
    }

    function choose(t, profile, entry) {
        mouseClick(button(t, profile), 10, 10, Qt.RightButton)
        verify(t.contextMenu.visible)
        var item = part(t.contextMenu, "entry" + entry)
        mouseClick(item, item.width / 2, item.height / 2)
    }

    // Every report since the last clear, without its time stamp.
    function reports() {
        return keyboardProbe.capture().map(function(line) {
            return line.split(" ").slice(1).join(" ")
        })
    }

    function selectProfile(profile) {
        return "cmd feature-out 00 21 0" + profile + " 00 00 00 55 AA 00"
    }

    // A profile file the user chose: only Esc's key, as B.
    function escAsB() {
        return dialogProbe.writeText("esc-b.pf", "[keydefine0]\n0=5, 0\n")
    }

    function cleanup() {
        ui_View.ui_21H_SetCurrentProfile(0)
        for (var p = 0; p < profiles; ++p)
            ui_View.resetProfile(p)
        dialogProbe.clear()
        settle()
        keyboardProbe.clearCapture()
    }

    // ---- buttons ----

    function test_oneButtonPerProfile() {
        var t = profileMenu()
        compare(part(t.menu, "profileList").count, ui_View.getMaxProfile())
        compare(part(t.menu, "profileList").count, profiles)
        compare(t.menu.currentIndex, 0)
        compare(part(button(t, 0), "label").text, "P01")
    }

    function test_definitionsWithMoreProfiles_data() {
        return [
            { tag: "six", count: 6 },
            { tag: "ten, the most there is room for", count: 10 }
        ]
    }

    function test_definitionsWithMoreProfiles(data) {
        var t = profileMenu()
        t.menu.initProfile(data.count)
        var list = part(t.menu, "profileList")
        list.forceLayout()
        compare(list.count, data.count)
        var labels = []
        for (var i = 0; i < data.count; ++i) {
            var b = button(t, i)
            verify(b.visible)
            labels.push(part(b, "label").text)
            var bottom = b.mapToItem(t.menu, 0, b.height).y
            verify(bottom <= list.y + list.height && bottom <= t.menu.height, "button " + i + " in the menu")
        }
        compare(labels.slice(-2), data.count === 6 ? ["P05", "P06"] : ["P09", "P10"])
        compare(findChild(t.menu, "profile" + data.count), null)
    }

    function test_clickOnTheActiveProfileSendsNothing() {
        var t = profileMenu()
        keyboardProbe.clearCapture()
        mouseClick(button(t, 0), 10, 10)
        settle()
        compare(reports(), [])
        compare(t.spy.count, 0)
        mouseClick(button(t, 1), 10, 10)
        settle()
        compare(t.spy.count, 1)
        compare(t.spy.signalArguments[0][0], 1)
        compare(reports()[0], selectProfile(1))
        compare(keyboardProbe.currentProfile(), 1)
    }

    // ---- the context menu ----

    function test_contextMenuOpensAtThePointer() {
        var t = profileMenu()
        verify(!t.contextMenu.visible)
        keyboardProbe.clearCapture()
        mouseClick(button(t, 1), 10, 8, Qt.RightButton)
        verify(t.contextMenu.visible)
        compare([t.contextMenu.x, t.contextMenu.y], [10 - 45, 26 + 8 + 85])
        compare([t.contextMenu.width, t.contextMenu.height], [45, 80])
        compare(t.contextMenu.profileIndex, 1)
        compare(t.menu.currentIndex, 0) // a right click switches nothing
        var fadeIn = part(t.contextMenu, "fadeIn")
        compare([fadeIn.from, fadeIn.to, fadeIn.duration, fadeIn.easing.type], [0, 1, 15, Easing.OutExpo])
        tryCompare(t.contextMenu, "opacity", 1)
        // A right click on another profile moves it there.
        mouseClick(button(t, 2), 20, 5, Qt.RightButton)
        compare([t.contextMenu.x, t.contextMenu.y], [20 - 45, 2 * 26 + 5 + 85])
        compare(t.contextMenu.profileIndex, 2)
        var labels = []
        for (var i = 0; i < 4; ++i)
            labels.push(part(part(t.contextMenu, "entry" + i), "entryText").text)
        compare(labels, ["LOAD", "SAVE", "RESET", "CANCEL"])
        // CANCEL only fades it out.
        var fadeOut = part(t.contextMenu, "fadeOut")
        compare([fadeOut.from, fadeOut.to, fadeOut.duration, fadeOut.easing.type], [1, 0, 10, Easing.OutExpo])
        mouseClick(part(t.contextMenu, "entry3"), 20, 10)
        verify(fadeOut.running)
        tryCompare(t.contextMenu, "visible", false)
        settle()
        compare(reports(), [])
        compare(dialogProbe.shownChoosers(), [])
        compare(t.spy.count, 0)
    }

    function test_disabledEntryIgnoresClicks() {
        var t = profileMenu()
        var saveButton = part(t.contextMenu, "entry1")
        t.contextMenu.mdItems.setProperty(1, "btnEnable", false)
        mouseClick(button(t, 1), 10, 10, Qt.RightButton)
        verify(Qt.colorEqual(part(saveButton, "entryText").color, t.scene.globalSetting_color_disable))
        mouseClick(saveButton, 20, 10)
        verify(t.contextMenu.visible)
        tryCompare(t.contextMenu, "opacity", 1)
        compare(dialogProbe.shownChoosers(), [])
    }

    // The key page shows Esc as C, a change not yet applied; a refresh reads
    // the profile again.
    function test_loadAndReset_data() {
        return [
            { tag: "LOAD into the active profile", entry: 0, profile: 0, refreshed: true, escShown: 5 },
            { tag: "LOAD into another profile", entry: 0, profile: 2, refreshed: false, escShown: 6 },
            { tag: "RESET of the active profile", entry: 2, profile: 0, refreshed: true, escShown: 41 },
            { tag: "RESET of another profile", entry: 2, profile: 2, refreshed: false, escShown: 6 }
        ]
    }

    function test_loadAndReset(data) {
        keyboardProbe.setStored(data.profile, "keydefine0/0", [7, 0]) // D, before the change
        var t = profileMenu()
        t.keys.getKey[escSlot].keyCode = 6
        var chosen = escAsB()
        dialogProbe.answer(chosen)
        keyboardProbe.clearCapture()
        choose(t, data.profile, data.entry)
        settle()
        compare(t.keys.getKey[escSlot].keyCode, data.escShown)
        compare(t.spy.count, data.refreshed ? 1 : 0)
        if (data.refreshed) {
            compare(t.spy.signalArguments[0][0], 0)
            compare(reports().indexOf(selectProfile(0)) >= 0, true)
        } else {
            compare(reports(), [])
        }
        compare(t.menu.currentIndex, 0)
        compare(keyboardProbe.storedList(data.profile, "keydefine0/0"), data.entry === 0 ? ["5", "0"] : ["41", "0"])
        compare(dialogProbe.shownChoosers(), data.entry === 0 ? ["Open File|Profile(*.pf)"] : [])
        compare(dialogProbe.readText(chosen), "[keydefine0]\n0=5, 0\n") // only read
    }

    // LOAD into the active profile with unapplied edits on the pages: Esc
    // shown as C on the key page, brightness level 3 and slot 0 of picture 1
    // painted on the colour page. The chosen file holds Esc as B and slot 0
    // of picture 1 as (0x20, 100, 110, 120).
    function test_loadKeepsEditsUnlessAFileIsLoaded_data() {
        return [
            { tag: "chooser cancelled", answer: "", refreshed: 0, esc: 6, brightness: 3,
              slot0: [0x10, 12, 34, 56], stored: ["7", "0"] },
            { tag: "file loaded", answer: "picture", refreshed: 1, esc: 5, brightness: undefined,
              slot0: [0x20, 100, 110, 120], stored: ["5", "0"] }
        ]
    }

    function test_loadKeepsEditsUnlessAFileIsLoaded(data) {
        keyboardProbe.setStored(0, "keydefine0/0", [7, 0]) // D, before the change
        var t = profileMenu()
        var colorPage = part(t.scene, "main_Q3").page(2)
        var preview = part(colorPage, "_eft_Ctrl")
        t.keys.getKey[escSlot].keyCode = 6
        part(colorPage, "_brightness").setCurIndex(3)
        var painted = preview.pic_01.slice()
        painted.splice(0, 4, 0x10, 12, 34, 56)
        preview.pic_01 = painted
        var fileText = "[keydefine0]\n0=5, 0\n[userPicture]\n0=32, 100, 110, 120"
        for (var i = 4; i < 512; ++i)
            fileText += ", 0"
        var chosen = dialogProbe.writeText("picture.pf", fileText + "\n")
        dialogProbe.answer(data.answer === "" ? "" : chosen)
        choose(t, 0, 0)
        settle()
        compare(dialogProbe.shownChoosers(), ["Open File|Profile(*.pf)"])
        compare(t.spy.count, data.refreshed)
        compare(t.keys.getKey[escSlot].keyCode, data.esc)
        compare(preview.pic_01.slice(0, 8), data.slot0.concat([0, 0, 0, 0]))
        if (data.brightness !== undefined)
            compare(part(colorPage, "_brightness").level, data.brightness)
        compare(keyboardProbe.storedList(0, "keydefine0/0"), data.stored)
    }

    // Each entry does what it names wherever it stands in the menu: here the
    // entries are in reverse order. Profile 2 (not the active one) holds Esc
    // as D; the chooser answers with a file holding Esc as B.
    function test_entriesActByTheirName_data() {
        return [
            { tag: "LOAD", name: "LOAD", choosers: ["Open File|Profile(*.pf)"], stored: ["5", "0"],
              exported: false },
            { tag: "SAVE", name: "SAVE", choosers: ["Save File|Profile(*.pf)"], stored: ["7", "0"],
              exported: true },
            { tag: "RESET", name: "RESET", choosers: [], stored: ["41", "0"], exported: false },
            { tag: "CANCEL", name: "CANCEL", choosers: [], stored: ["7", "0"], exported: false }
        ]
    }

    function test_entriesActByTheirName(data) {
        keyboardProbe.setStored(2, "keydefine0/0", [7, 0])
        var t = profileMenu()
        var entries = t.contextMenu.mdItems
        for (var to = 0; to < 3; ++to)
            entries.move(3, to, 1)
        compare([0, 1, 2, 3].map(function(i) { return entries.get(i).name }),
                ["CANCEL", "RESET", "SAVE", "LOAD"])
        var chosen = escAsB()
        dialogProbe.answer(chosen)
        keyboardProbe.clearCapture()
        mouseClick(button(t, 2), 10, 10, Qt.RightButton)
        var row = -1
        for (var i = 0; i < 4; ++i) {
            if (part(part(t.contextMenu, "entry" + i), "entryText").text === data.name)
                row = i
        }
        compare(row, 3 - ["LOAD", "SAVE", "RESET", "CANCEL"].indexOf(data.name))
        var item = part(t.contextMenu, "entry" + row)
        mouseClick(item, item.width / 2, item.height / 2)
        settle()
        compare(dialogProbe.shownChoosers(), data.choosers)
        compare(keyboardProbe.storedList(2, "keydefine0/0"), data.stored)
        compare(dialogProbe.readText(chosen),
                data.exported ? dialogProbe.readText("modules/setting/p3.bin") : "[keydefine0]\n0=5, 0\n")
        compare(t.spy.count, 0)
        compare(reports(), [])
        tryCompare(t.contextMenu, "visible", false)
    }

    // From the keyboard: the Menu key or Shift+F10 on a profile button opens
    // its menu, Down moves to an entry and Return chooses it, as the right
    // click and the click on the entry do; the focus goes back to the button.
    // Profile 2 (not the active one) holds Esc as D; the chooser answers
    // with a file holding Esc as B.
    function test_menuFromTheKeyboard_data() {
        return [
            { tag: "LOAD with the Menu key", key: Qt.Key_Menu, modifiers: Qt.NoModifier, downs: 1,
              choosers: ["Open File|Profile(*.pf)"], stored: ["5", "0"], exported: false },
            { tag: "SAVE with Shift+F10", key: Qt.Key_F10, modifiers: Qt.ShiftModifier, downs: 2,
              choosers: ["Save File|Profile(*.pf)"], stored: ["7", "0"], exported: true }
        ]
    }

    function test_menuFromTheKeyboard(data) {
        keyboardProbe.setStored(2, "keydefine0/0", [7, 0])
        var t = profileMenu()
        var chosen = escAsB()
        dialogProbe.answer(chosen)
        keyboardProbe.clearCapture()
        t.scene.forceActiveFocus()
        var profileButton = button(t, 2)
        profileButton.forceActiveFocus()
        keyClick(data.key, data.modifiers)
        verify(t.contextMenu.visible)
        compare(t.contextMenu.profileIndex, 2)
        compare(t.contextMenu.Accessible.name, "PROFILE 3")
        for (var i = 0; i < data.downs; ++i)
            keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Return)
        settle()
        compare(dialogProbe.shownChoosers(), data.choosers)
        compare(keyboardProbe.storedList(2, "keydefine0/0"), data.stored)
        compare(dialogProbe.readText(chosen),
                data.exported ? dialogProbe.readText("modules/setting/p3.bin") : "[keydefine0]\n0=5, 0\n")
        compare(t.spy.count, 0)
        compare(reports(), [])
        verify(profileButton.activeFocus, "the focus is back on the profile button")
        tryCompare(t.contextMenu, "visible", false)
    }

    function test_save() {
        keyboardProbe.setStored(1, "keydefine0/0", [5, 0])
        var t = profileMenu()
        var target = dialogProbe.userFolder() + "/second.pf"
        dialogProbe.answer(target)
        keyboardProbe.clearCapture()
        choose(t, 1, 1)
        compare(dialogProbe.shownChoosers(), ["Save File|Profile(*.pf)"])
        compare(dialogProbe.readText(target), dialogProbe.readText("modules/setting/p2.bin"))
        verify(dialogProbe.readText(target).indexOf("0=5, 0") >= 0)
        settle()
        compare(reports(), [])
        compare(t.spy.count, 0)
    }

    function test_translateStrings() {
        var t = profileMenu()
        var strings = []
        for (var i = 0; i < 115; ++i)
            strings.push("S" + i)
        t.scene.globalSetting_stringList = strings
        t.menu.translateStrings()
        var labels = []
        for (var e = 0; e < 4; ++e)
            labels.push(part(part(t.contextMenu, "entry" + e), "entryText").text)
        compare(labels, ["S84", "S85", "S77", "S78"])
        // Each entry keeps its own string when the entries are reordered.
        t.contextMenu.mdItems.move(0, 3, 1)
        t.scene.globalSetting_stringList = strings.map(function(text) { return "T" + text })
        t.menu.translateStrings()
        labels = []
        for (var r = 0; r < 4; ++r)
            labels.push(part(part(t.contextMenu, "entry" + r), "entryText").text)
        compare(labels, ["TS85", "TS77", "TS78", "TS84"])
    }

    // ---- imported profiles that do not fit ----

    function test_badProfile_data() {
        return [
            // Cut in the middle of the key list and of a line: slot 0 is B,
            // slot 1 has a single number and keeps its code, the rest too.
            { tag: "a truncated profile", text: "[keydefine0]\n0=5, 0\n1=6", esc: 5, f1: 58 },
            // Another keyboard: its own layout groups, slots beyond the
            // matrix, numbers that are no bytes, values that are no numbers.
            { tag: "another keyboard's profile",
              text: "[keydefine7]\n0=5, 0\n[keydefine0]\n0=300, 999\n1=x, y\n500=5, 0\n"
                    + "[color]\nledType=1, 2\n",
              esc: (300 & 0xFF) | ((999 << 8) & 0xFF00), f1: 58 },
            { tag: "binary garbage", bytes: true, esc: 41, f1: 58 }
        ]
    }

    function test_badProfile(data) {
        var t = profileMenu()
        var junk = []
        for (var i = 0; i < 2048; ++i)
            junk.push((i * 131 + 7) % 256)
        var chosen = data.bytes ? dialogProbe.writeBytes("bad.pf", junk)
                                : dialogProbe.writeText("bad.pf", data.text)
        var userFiles = dialogProbe.tree()
        var macros = dialogProbe.tree("modules/macro")
        dialogProbe.answer(chosen)
        choose(t, 0, 0)
        settle()
        compare(t.keys.getKey[escSlot].keyCode, data.esc)
        compare(t.keys.getKey[1].keyCode, data.f1)
        compare(t.keys.getKey[127].keyCode, t.keys.getKey[127].keyCode_Default)
        compare(dialogProbe.tree(), userFiles)
        compare(dialogProbe.tree("modules/macro"), macros)
        // Apply sends the whole matrix, two bytes per slot, as shown.
        keyboardProbe.clearCapture()
        part(t.scene, "_Page_Keydefine").apply()
        settle()
        var expected = []
        for (var s = 0; s < 128; ++s)
            expected.push(t.keys.getKey[s].keyCode & 0xFF, (t.keys.getKey[s].keyCode >> 8) & 0xFF)
        compare(keyboardProbe.keyMatrix(0), expected)
        compare(expected.slice(0, 4), [data.esc & 0xFF, data.esc >> 8, 58, 0])
    }
}
