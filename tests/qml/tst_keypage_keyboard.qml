import QtQuick
import QtTest

// The key page worked with the keyboard alone, in the real scene on the
// virtual keyboard: moving over the keyboard picture, choosing a key,
// giving it a function from the key field, the media and the macro chooser,
// Escape, the tab order and what a screen reader hears.
//
// The picture's geometry, worked out by hand from the shipped ISO definition
// (x, y of each key) and the painted caps (one unit 26 x 26; Tab 40, Caps
// 47, left Shift and Ctrl, Win, Alt, AltGr, Menu 33, right Shift 75,
// Backspace 54, Space 173, numpad 0 54; the ISO Enter 40 x 54, numpad + and
// Enter 26 x 54). Keys by slot, left edge, centre:
//   row y=0:   Esc 0 (x 0, c 13), F1 1 (56), F4 4 (c 153), F5 5 (c 195),
//              Pause 15 (490, the row's last)
//   row y=42:  ` 16 (c 13), 1 17, 5 21 (c 153), 6 22 (c 181), 7 23 (c 209),
//              Back 29 (364..418, c 391), Ins 30 (434), Home 31 (c 475)
//   row y=70:  Tab 32 (0..40, c 20), Q 33 (42), E 35, P 42, ] 44 (c 363),
//              the ISO Enter 61 (378..418, y 70..124, c 398), Del 46 (434),
//              End 47 (c 475), numpad + 111 (616, y 70..124, c 629)
//   row y=98:  Caps 48 (0..47, c 23.5), # 45 (c 370), 4 104 (c 545)
//   row y=126: B 69 (c 188), \ 76, right Shift 75 (343..418, c 380.5),
//              ↑ 77 (c 475), 1 101 (c 545), 2 102 (c 573), 3 103 (c 601),
//              numpad Enter 115 (616, y 126..180, c 629)
//   row y=154: Space 85 (105..278, c 191.5), AltGr 88 (c 296.5), Fn 89
//              (cannot be chosen), Menu 90 (c 366.5), ↓ 95 (c 475),
//              numpad 0 100 (c 559)
// Left and Right go to the nearest centre among the keys that share some
// height; Up and Down to the key beyond the top (bottom) edge nearest by
// rows apart plus three times the centres apart across, the upper-left of
// two equally near; Home and End to the outermost key sharing some height.
// Default codes: Esc 41, F1 58, F2 59, F4 61, B 5, numpad . 99 (the last key
// in reading order).
SceneTestCase {
    id: test
    name: "KeyPageKeyboard"

    readonly property int escSlot: 0
    readonly property int f4Slot: 4
    readonly property int profiles: 3

    // The key page shown, gaming mode on unless `gamingMode` is 0.
    function keyPage(gamingMode) {
        keyboardProbe.setKeyboardMode(gamingMode === undefined ? 1 : gamingMode)
        var scene = startScene()
        part(scene, "_fkPage").show(0)
        var page = part(scene, "_Page_Keydefine")
        tryVerify(function() { return page.visible })
        tryVerify(function() { return !part(scene, "pa_X").running && !part(scene, "paBack_X").running })
        return { scene: scene, page: page, model: part(page, "_model") }
    }

    function focused() {
        return test.Window.activeFocusItem
    }

    function focusedName() {
        var item = focused()
        return item ? item.objectName : "(none)"
    }

    // The picture with the focus on the key in `slot`: the key chosen as a
    // click chooses it, then the focus given to the picture, which starts on
    // the chosen key.
    function focusPictureOn(t, slot) {
        var key = t.model.getKey[slot]
        t.model.keyClicked(key) // what a click emits; no key lit by the pointer
        t.model.forceActiveFocus()
        compare(focused(), key)
        return key
    }

    // Tab (or Shift+Tab) until the control named `name` has the focus.
    function tabTo(name, backwards) {
        for (var i = 0; i < 20 && focusedName() !== name; ++i)
            keyClick(Qt.Key_Tab, backwards ? Qt.ShiftModifier : Qt.NoModifier)
        compare(focusedName(), name)
    }

    // Expected matrix bytes: the profile as stored, with `changes` (slot:
    // [low, high]) in place.
    function storedMatrixWith(changes) {
        var bytes = []
        for (var i = 0; i < 128; ++i) {
            var stored = keyboardProbe.storedList(0, "keydefine0/" + i)
            var pair = changes[i] !== undefined ? changes[i] : [parseInt(stored[0]), parseInt(stored[1])]
            bytes.push(pair[0], pair[1])
        }
        return bytes
    }

    // Every test starts and ends with the profiles as reset, stored in full.
    function resetProfiles() {
        ui_View.ui_21H_SetCurrentProfile(0)
        for (var p = 0; p < profiles; ++p)
            ui_View.resetProfile(p)
        settle()
    }

    function init() {
        resetProfiles()
    }

    function cleanup() {
        resetProfiles()
    }

    // ---- moving over the picture ----

    function test_arrows_data() {
        return [
            { tag: "Left at the row start stays", from: 0, key: Qt.Key_Left, to: 0, label: "Esc" },
            { tag: "Up from the top row stays", from: 0, key: Qt.Key_Up, to: 0, label: "Esc" },
            { tag: "Right along the top row", from: 0, key: Qt.Key_Right, to: 1, label: "F1" },
            { tag: "Down from Esc to `", from: 0, key: Qt.Key_Down, to: 16, label: "`" },
            { tag: "Down from F4 to 5, same centre", from: 4, key: Qt.Key_Down, to: 21, label: "5" },
            { tag: "Down from F5 between 6 and 7 takes the left", from: 5, key: Qt.Key_Down, to: 22, label: "6" },
            { tag: "Right at the row end stays", from: 15, key: Qt.Key_Right, to: 15, label: "Pause" },
            { tag: "Down from the tall Enter to the right Shift", from: 61, key: Qt.Key_Down, to: 75, label: "Shift" },
            { tag: "Up from the tall Enter to Backspace", from: 61, key: Qt.Key_Up, to: 29, label: "Back" },
            { tag: "Right from # to the tall Enter", from: 45, key: Qt.Key_Right, to: 61, label: "Enter" },
            { tag: "Up from the arrow to End straight above", from: 77, key: Qt.Key_Up, to: 47, label: "End" },
            { tag: "Down from the arrow", from: 77, key: Qt.Key_Down, to: 95, label: "↓" },
            { tag: "Down from numpad + to numpad Enter", from: 111, key: Qt.Key_Down, to: 115, label: "Enter" },
            { tag: "Down from Space, bottom row, stays", from: 85, key: Qt.Key_Down, to: 85, label: "Space" },
            { tag: "Up from Space to B", from: 85, key: Qt.Key_Up, to: 69, label: "B" },
            { tag: "Right from AltGr passes Fn", from: 88, key: Qt.Key_Right, to: 90, label: "Menu" },
            { tag: "Left from Menu passes Fn", from: 90, key: Qt.Key_Left, to: 88, label: "AltGr" },
            { tag: "Up from Caps to Tab", from: 48, key: Qt.Key_Up, to: 32, label: "Tab" },
            { tag: "Up from numpad 0 between 1 and 2", from: 100, key: Qt.Key_Up, to: 101, label: "1" },
            { tag: "Right from ] to Enter", from: 44, key: Qt.Key_Right, to: 61, label: "Enter" },
            { tag: "Left from Ins over the gap", from: 30, key: Qt.Key_Left, to: 29, label: "Back" },
            { tag: "Home", from: 33, key: Qt.Key_Home, to: 32, label: "Tab" },
            { tag: "End reaches the tall +", from: 33, key: Qt.Key_End, to: 111, label: "+" },
            { tag: "Home at the row start stays", from: 32, key: Qt.Key_Home, to: 32, label: "Tab" },
            { tag: "End in the top row", from: 4, key: Qt.Key_End, to: 15, label: "Pause" },
            { tag: "End from # is the tall + beside 6", from: 45, key: Qt.Key_End, to: 111, label: "+" }
        ]
    }

    function test_arrows(data) {
        var t = keyPage()
        var start = focusPictureOn(t, data.from)
        keyClick(data.key)
        var now = focused()
        compare([now.matrix, now.name], [data.to, data.label])
        verify(part(now, "focusMark").visible)
        if (now !== start)
            verify(!part(start, "focusMark").visible)
        compare(t.model.curKeyMatrix, data.from, "moving chooses nothing")
    }

    function test_typing_data() {
        return [
            { tag: "a letter", from: 0, typed: ["q"], to: 33 },
            { tag: "E is the key E, not Esc or End", from: 0, typed: ["e"], to: 35 },
            { tag: "a capital", from: 0, typed: ["P"], to: 42 },
            { tag: "backslash", from: 0, typed: ["\\"], to: 76 },
            { tag: "the first 1", from: 0, typed: ["1"], to: 17 },
            { tag: "the numpad 1 next", from: 0, typed: ["1", "1"], to: 101 },
            { tag: "round to the first 1", from: 0, typed: ["1", "1", "1"], to: 17 },
            { tag: "a name that is no key's stays", from: 4, typed: ["$"], to: 4 }
        ]
    }

    function test_typing(data) {
        var t = keyPage()
        focusPictureOn(t, data.from)
        for (var i = 0; i < data.typed.length; ++i)
            keyClick(data.typed[i])
        compare(focused().matrix, data.to)
    }

    function test_chooseWithKeys_data() {
        return [
            { tag: "Return", key: Qt.Key_Return },
            { tag: "Enter", key: Qt.Key_Enter },
            { tag: "Space", key: Qt.Key_Space }
        ]
    }

    // Esc, then four to the right is F4: chosen, its frame at full strength
    // as a click shows it, the key field showing its code 61.
    function test_chooseWithKeys(data) {
        var t = keyPage()
        focusPictureOn(t, escSlot)
        for (var i = 0; i < 4; ++i)
            keyClick(Qt.Key_Right)
        compare(t.model.curKeyMatrix, escSlot)
        keyClick(data.key)
        compare(t.model.curKeyMatrix, f4Slot)
        var f4 = t.model.getKey[f4Slot]
        var frame = part(f4, "frame")
        verify(frame.visible)
        compare(frame.opacity, 1.0)
        verify(f4.Accessible.checked)
        verify(!t.model.getKey[escSlot].Accessible.checked)
        compare(part(t.page, "_menu2_0").keycodeUSB, 61)
        compare(f4.keyCode, 61, "choosing changes no function")
    }

    // ---- giving the chosen key its function ----

    // Esc chosen with the keyboard, the function given from the key field;
    // the drag of B onto the field gives Esc code 5 (tst_keydefine), a click
    // on the field 0. Apply sends the stored matrix with Esc's two bytes.
    function test_keyField_data() {
        return [
            { tag: "B typed, Return: as the drag of B", keys: ["b", Qt.Key_Return], code: 5, bytes: [0x05, 0x00] },
            { tag: "B typed, Space", keys: ["b", Qt.Key_Space], code: 5, bytes: [0x05, 0x00] },
            { tag: "two down from Esc is F2", keys: [Qt.Key_Down, Qt.Key_Down, Qt.Key_Enter], code: 59, bytes: [0x3B, 0x00] },
            { tag: "right, right, left is F1", keys: [Qt.Key_Right, Qt.Key_Right, Qt.Key_Left, Qt.Key_Return], code: 58, bytes: [0x3A, 0x00] },
            { tag: "End is the numpad dot", keys: [Qt.Key_End, Qt.Key_Return], code: 99, bytes: [0x63, 0x00] },
            { tag: "Return alone is the click: none", keys: [Qt.Key_Return], code: 0, bytes: [0x00, 0x00] },
            { tag: "Delete clears", keys: ["b", Qt.Key_Delete], code: 0, bytes: [0x00, 0x00] }
        ]
    }

    function test_keyField(data) {
        var t = keyPage()
        focusPictureOn(t, f4Slot)
        keyClick(Qt.Key_Home)
        keyClick(Qt.Key_Return)
        compare(t.model.curKeyMatrix, escSlot)
        tabTo("keyFieldChooser", true)
        var chooser = part(t.page, "keyFieldChooser")
        verify(part(chooser, "focusMark").visible)
        compare(chooser.Accessible.description, "FUNCTION → Esc")
        for (var i = 0; i < data.keys.length; ++i)
            keyClick(data.keys[i])
        var esc = t.model.getKey[escSlot]
        compare(esc.keyCode, data.code)
        compare(part(t.page, "_menu2_0").keycodeUSB, data.code === 0 ? -1 : data.code)
        compare(t.model.getKey[f4Slot].keyCode, 61)
        var expected = storedMatrixWith({ 0: data.bytes })
        keyboardProbe.clearCapture()
        applyWithKeys()
        tryVerify(function() {
            return JSON.stringify(keyboardProbe.keyMatrix(0)) === JSON.stringify(expected)
        })
        compare(keyboardProbe.keyMatrix(0), expected)
        compare(keyboardProbe.storedList(0, "keydefine0/0"), [String(data.bytes[0]), String(data.bytes[1])])
    }

    function macroFileWithSlot(slot) {
        var names = ui_View.getMacroIniNames()
        for (var i = 0; i < names.length; ++i) {
            var name = String(names[i]).slice(0, -4)
            if (parseInt(ui_View.loadMacroIniConfig(name)[0]) === slot)
                return { name: name, index: i }
        }
        fail("no macro file for slot " + slot)
    }

    // Opens the focused drop-down with Return, presses Home then Down
    // `downs` times, and chooses with Return.
    function chooseEntryWithKeys(downs) {
        keyClick(Qt.Key_Return)
        keyClick(Qt.Key_Home)
        for (var i = 0; i < downs; ++i)
            keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Return)
    }

    // F4 chosen with the keyboard, the category and the entry chosen with
    // the keyboard: the codes the clicks give (tst_keydefine: mute 0x30E2;
    // macro slot 5 with repeat 3 is 0x4305), and apply sends them low byte
    // first in F4's two bytes.
    function test_mediaAndMacro_data() {
        return [
            { tag: "media: mute", category: 1, chooser: "_menu2_2", entry: 4,
              code: 0x30E2, bytes: [0xE2, 0x30] },
            { tag: "media: next track", category: 1, chooser: "_menu2_2", entry: 0,
              code: 0x30B5, bytes: [0xB5, 0x30] },
            { tag: "media: www favorites", category: 1, chooser: "_menu2_2", entry: 17,
              code: 0x322A, bytes: [0x2A, 0x32] },
            { tag: "macro: slot 5, repeat 3", category: 2, chooser: "_menu2_4", macroSlot: 5,
              repeat: 3, code: 0x4305, bytes: [0x05, 0x43] }
        ]
    }

    function test_mediaAndMacro(data) {
        var entry = data.entry
        var original = null
        if (data.macroSlot !== undefined) {
            var file = macroFileWithSlot(data.macroSlot)
            original = { name: file.name, config: ui_View.loadMacroIniConfig(file.name) }
            ui_View.setMacroIniConfig(file.name, [data.macroSlot, data.repeat])
            entry = file.index
        }
        var t = keyPage()
        focusPictureOn(t, escSlot)
        for (var i = 0; i < 4; ++i)
            keyClick(Qt.Key_Right)
        keyClick(Qt.Key_Return)
        compare(t.model.curKeyMatrix, f4Slot)
        tabTo("_menu1", true)
        chooseEntryWithKeys(data.category)
        compare(part(t.page, "_menu1").getCurIndex(), data.category)
        keyClick(Qt.Key_Tab)
        compare(focusedName(), data.chooser)
        var chooser = part(t.page, data.chooser)
        compare(chooser.Accessible.description, "FUNCTION → F4")
        chooseEntryWithKeys(entry)
        var f4 = t.model.getKey[f4Slot]
        compare(f4.keyCode, data.code)
        compare(chooser.getCurIndex(), entry)
        compare(t.model.getKey[escSlot].keyCode, 41)
        var expected = storedMatrixWith({ 4: data.bytes })
        keyboardProbe.clearCapture()
        applyWithKeys()
        tryVerify(function() {
            return JSON.stringify(keyboardProbe.keyMatrix(0)) === JSON.stringify(expected)
        })
        compare(keyboardProbe.keyMatrix(0), expected)
        compare(keyboardProbe.storedList(0, "keydefine0/4"), [String(data.bytes[0]), String(data.bytes[1])])
        if (original !== null)
            ui_View.setMacroIniConfig(original.name, original.config)
    }

    function applyWithKeys() {
        tabTo("_Apply_IMG", false)
        keyClick(Qt.Key_Return)
    }

    // Going through the key field's candidates shows each in the field, lit
    // as under a drag; Escape or leaving the field shows the key's own again
    // and changes nothing.
    function test_keyFieldBrowsingIsNoChoice() {
        var t = keyPage()
        focusPictureOn(t, f4Slot)
        keyClick(Qt.Key_Return)
        tabTo("keyFieldChooser", true)
        var field = part(t.page, "_menu2_0")
        compare(field.keycodeUSB, 61)
        verify(!field.isIn)
        keyClick(Qt.Key_Down) // after F4 comes F5
        compare(field.keycodeUSB, 62)
        verify(field.isIn)
        keyClick(Qt.Key_Escape)
        compare(field.keycodeUSB, 61)
        verify(!field.isIn)
        compare(t.model.curKeyMatrix, f4Slot, "the first Escape only drops the candidate")
        keyClick("b")
        compare(field.keycodeUSB, 5)
        keyClick(Qt.Key_Tab)
        compare(field.keycodeUSB, 61)
        compare(t.model.getKey[f4Slot].keyCode, 61)
    }

    // Escape drops the chosen key: the frame goes, and the key field then
    // gives nobody a function.
    function test_escapeCancelsTheChosenKey_data() {
        return [
            { tag: "in the picture", at: "picture" },
            { tag: "in the key field", at: "keyFieldChooser" }
        ]
    }

    function test_escapeCancelsTheChosenKey(data) {
        var t = keyPage()
        focusPictureOn(t, f4Slot)
        keyClick(Qt.Key_Return)
        var f4 = t.model.getKey[f4Slot]
        compare(part(f4, "frame").opacity, 1.0)
        if (data.at !== "picture")
            tabTo(data.at, true)
        var before = []
        for (var i = 0; i < 128; ++i)
            before.push(t.model.getKey[i].keyCode)
        keyClick(Qt.Key_Escape)
        compare(t.model.curKeyMatrix, -1)
        verify(!part(f4, "frame").visible)
        verify(!f4.Accessible.checked)
        if (data.at === "picture")
            tabTo("keyFieldChooser", true)
        keyClick("b")
        keyClick(Qt.Key_Return)
        var after = []
        for (i = 0; i < 128; ++i)
            after.push(t.model.getKey[i].keyCode)
        compare(after, before)
    }

    // ---- tab order and names ----

    function test_tabOrder_data() {
        return [
            { tag: "key field", category: 0, gamingMode: 1,
              order: ["_menu1", "keyFieldChooser", "_Reset_IMG", "_Apply_IMG", "key0", "_GamingMode_CHK"] },
            { tag: "media", category: 1, gamingMode: 1,
              order: ["_menu1", "_menu2_2", "_Reset_IMG", "_Apply_IMG", "key0", "_GamingMode_CHK"] },
            { tag: "macro", category: 2, gamingMode: 1,
              order: ["_menu1", "_menu2_4", "_Reset_IMG", "_Apply_IMG", "key0", "_GamingMode_CHK"] },
            { tag: "gaming mode off skips the function area", category: 0, gamingMode: 0,
              order: ["key0", "_GamingMode_CHK"] }
        ]
    }

    function test_tabOrder(data) {
        var t = keyPage(data.gamingMode)
        part(t.page, "_menu1").setCurIndex(data.category)
        part(t.page, data.order[0]).forceActiveFocus()
        var forward = [focusedName()]
        for (var i = 1; i < data.order.length; ++i) {
            keyClick(Qt.Key_Tab)
            forward.push(focusedName())
        }
        compare(forward, data.order)
        var back = [focusedName()]
        for (i = 1; i < data.order.length; ++i) {
            keyClick(Qt.Key_Tab, Qt.ShiftModifier)
            back.push(focusedName())
        }
        compare(back, data.order.slice().reverse())
    }

    function test_keyNames_data() {
        return [
            { tag: "Esc", slot: 0, name: "Esc" },
            { tag: "hash", slot: 45, name: "#" },
            { tag: "Space", slot: 85, name: "Space" },
            { tag: "up arrow", slot: 77, name: "↑" },
            { tag: "backslash", slot: 76, name: "\\" },
            { tag: "left Shift, first of two", slot: 64, name: "Shift 1" },
            { tag: "right Shift", slot: 75, name: "Shift 2" },
            { tag: "numpad Enter, second of two", slot: 115, name: "Enter 2" },
            { tag: "numpad minus", slot: 99, name: "- 2" }
        ]
    }

    // Keys are named by their labels; a label more keys carry is numbered in
    // the definition's order (Shift 64 then 75, Enter 61 then 115, - 27
    // then 99).
    function test_keyNames(data) {
        var t = keyPage()
        var key = t.model.getKey[data.slot]
        compare(key.Accessible.name, data.name)
        compare(key.Accessible.role, Accessible.Button)
        compare(key.Accessible.checked, data.slot === escSlot, "Esc is chosen at the start")
    }

    // The gaming-mode box from the keyboard: named by its label, Space and
    // Return tick and untick it and send the mode byte (1, then 0) as a click.
    function test_gamingModeBoxByKeys_data() {
        return [
            { tag: "Space", key: Qt.Key_Space },
            { tag: "Return", key: Qt.Key_Return }
        ]
    }

    function test_gamingModeBoxByKeys(data) {
        var t = keyPage(0)
        var box = part(t.page, "_GamingMode_CHK")
        compare(box.Accessible.name, "GAMING MODE")
        compare(box.Accessible.role, Accessible.CheckBox)
        box.forceActiveFocus()
        keyClick(data.key)
        tryVerify(function() { return keyboardProbe.keyboardMode() === 1 })
        verify(box.Accessible.checked)
        verify(part(t.page, "keyDefineMenuItem").enabled)
        keyClick(data.key)
        tryVerify(function() { return keyboardProbe.keyboardMode() === 0 })
        verify(!box.Accessible.checked)
    }

    // Reset by the keyboard restores the chosen key alone, as its click does.
    function test_resetByKeys() {
        var t = keyPage()
        var f4 = t.model.getKey[f4Slot]
        f4.keyCode = 5
        t.model.getKey[escSlot].keyCode = 6
        focusPictureOn(t, f4Slot)
        tabTo("_Reset_IMG", true)
        compare(focused().Accessible.name, "RESET")
        keyClick(Qt.Key_Return)
        compare(f4.keyCode, 61)
        compare(t.model.getKey[escSlot].keyCode, 6)
        compare(part(t.page, "_menu2_0").keycodeUSB, 61)
        compare(part(t.page, "_Apply_IMG").Accessible.name, "APPLY")
    }

    // The picture, the key field and the choosers as a screen reader hears
    // them with F4 chosen: the key field names the function it shows.
    function test_sourceNames() {
        var t = keyPage()
        var f4 = t.model.getKey[f4Slot]
        mouseClick(f4, 5, 5)
        compare(t.model.Accessible.name, "KEYBOARD")
        var chooser = part(t.page, "keyFieldChooser")
        compare(chooser.Accessible.name, "KEY F4")
        compare(chooser.Accessible.description, "FUNCTION → F4")
        compare(part(t.page, "_menu2_2").Accessible.description, "FUNCTION → F4")
        compare(part(t.page, "_menu2_4").Accessible.description, "FUNCTION → F4")
        mouseClick(part(t.page, "_menu2_0"), 5, 5)
        compare(chooser.Accessible.name, "KEY NONE")
        var media = part(t.page, "_menu2_2")
        compare(media.Accessible.name, "MEDIA NONE")
        media.setCurIndex(4)
        compare(media.Accessible.name, "MEDIA MUTE")
        compare(part(t.page, "_menu2_4").Accessible.name, "MACRO NONE")
    }
}
