import QtQuick
import QtTest

// The macro page worked with the keyboard only: the order Tab takes through
// it, the edits of tst_macropage done by keys (the same file lines and
// downloads), the step list keeping the focus while its keys edit, and the
// key field and the recording, which take Tab and Escape only once started.
// Key events of the global hook are the root's detectKeyboard, as in
// tst_macropage; a key typed in the real program arrives both as a scene key
// event and as hook events, in either order. Usages: A 4, B 5, Enter 40,
// Esc 41, Tab 43, Space 44.
MacroPageCase {
    id: test
    name: "MacroKeyboard"

    readonly property var controls: ["fl_MacroFile", "img_record", "img_stop", "fl_MacroActions",
        "img_SolidDelete", "img_SolidCut", "img_SolidPaste", "img_SolidCopy", "keyboardAction",
        "img_addKey", "delayInput", "img_addDelay"]

    // The page's control holding the keyboard focus, "outside" when the
    // focus is elsewhere in the window, "none" without one.
    function focused(t) {
        var item = t.page.Window.activeFocusItem
        if (!item)
            return "none"
        for (; item; item = item.parent) {
            if (controls.indexOf(item.objectName) >= 0 && isOnPage(t, item))
                return item.objectName
        }
        return "outside"
    }

    function isOnPage(t, item) {
        for (; item; item = item.parent) {
            if (item === t.page)
                return true
        }
        return false
    }

    // The page with the file list focused, as after tabbing into it.
    function keyboardPage() {
        var t = macroPage()
        part(t.page, "fl_MacroFile").forceActiveFocus()
        compare(focused(t), "fl_MacroFile")
        return t
    }

    readonly property var keyNames: ({
        "Tab": Qt.Key_Tab, "Return": Qt.Key_Return, "Enter": Qt.Key_Enter, "Space": Qt.Key_Space,
        "Up": Qt.Key_Up, "Down": Qt.Key_Down, "Home": Qt.Key_Home, "End": Qt.Key_End,
        "Delete": Qt.Key_Delete, "Escape": Qt.Key_Escape, "F2": Qt.Key_F2, "Menu": Qt.Key_Menu,
        "A": Qt.Key_A, "B": Qt.Key_B, "X": Qt.Key_X, "C": Qt.Key_C, "V": Qt.Key_V
    })

    // One step of a key sequence: "Tab", "Shift+Tab", "Ctrl+X", "type:50"
    // (characters), "hook:5" (the hook's press and release of a usage),
    // "hookDown:5", "hookUp:5", "press:Tab" / "release:Tab" (the scene's).
    function act(t, step) {
        var colon = step.indexOf(":")
        if (colon > 0) {
            var what = step.slice(0, colon), arg = step.slice(colon + 1)
            if (what === "type") {
                for (var i = 0; i < arg.length; ++i)
                    keyClick(arg[i])
            } else if (what === "hook") {
                typeKey(t, parseInt(arg))
            } else if (what === "hookDown" || what === "hookUp") {
                keyEvent(t, what === "hookDown", parseInt(arg))
            } else if (what === "press") {
                keyPress(keyNames[arg])
            } else if (what === "release") {
                keyRelease(keyNames[arg])
            } else {
                fail("unknown step " + step)
            }
            return
        }
        var modifiers = Qt.NoModifier
        var plus = step.lastIndexOf("+")
        if (plus > 0) {
            var mod = step.slice(0, plus)
            modifiers = mod === "Ctrl" ? Qt.ControlModifier : mod === "Shift" ? Qt.ShiftModifier : Qt.AltModifier
            step = step.slice(plus + 1)
        }
        verify(keyNames[step] !== undefined, step)
        keyClick(keyNames[step], modifiers)
    }

    // From the focused file list with nothing selected to "Macro. <n>".
    function toFile(n) {
        var keys = []
        for (var i = 0; i < n; ++i)
            keys.push("Down")
        return keys
    }

    function actAll(t, steps) {
        for (var i = 0; i < steps.length; ++i)
            act(t, steps[i])
    }

    // ---- the order of the focus ----

    function test_tabOrder_data() {
        return [
            { tag: "no file: the lists and the fields", order: ["fl_MacroFile", "fl_MacroActions",
                                                               "keyboardAction", "delayInput"] },
            { tag: "a file: record and add delay", file: 2,
              order: ["fl_MacroFile", "img_record", "fl_MacroActions", "keyboardAction", "delayInput",
                      "img_addDelay"] },
            { tag: "a step: delete, cut and copy", file: 2, step: 0,
              order: ["fl_MacroFile", "img_record", "fl_MacroActions", "img_SolidDelete", "img_SolidCut",
                      "img_SolidCopy", "keyboardAction", "delayInput", "img_addDelay"] },
            { tag: "a copied step and a key: every tool but stop", file: 2, step: 0, copy: true, key: 5,
              order: ["fl_MacroFile", "img_record", "fl_MacroActions", "img_SolidDelete", "img_SolidCut",
                      "img_SolidPaste", "img_SolidCopy", "keyboardAction", "img_addKey", "delayInput",
                      "img_addDelay"] }
        ]
    }

    function test_tabOrder(data) {
        ui_View.saveMacroIni("Macro. 002", [aDown, aUp])
        var t = macroPage()
        if (data.file !== undefined)
            selectFile(t, data.file)
        if (data.step !== undefined)
            clickEntry(t.steps, data.step)
        if (data.copy)
            t.page.copyStep()
        if (data.key !== undefined)
            part(t.page, "keyboardAction").setKeycodeUSB(data.key)
        part(t.page, "fl_MacroFile").forceActiveFocus()
        var forward = [focused(t)]
        for (var i = 1; i < data.order.length; ++i) {
            keyClick(Qt.Key_Tab)
            forward.push(focused(t))
        }
        compare(forward, data.order)
        keyClick(Qt.Key_Tab)
        compare(focused(t), "outside")
        compare(t.page.Window.activeFocusItem.objectName, "profile0") // on to the profile menu
        var backward = []
        for (var b = 0; b < data.order.length; ++b) {
            keyClick(Qt.Key_Tab, Qt.ShiftModifier)
            backward.push(focused(t))
        }
        compare(backward, data.order.slice().reverse())
        keyClick(Qt.Key_Tab, Qt.ShiftModifier)
        compare(focused(t), "outside")
        compare(t.page.Window.activeFocusItem.objectName, "function3") // the function menu's last entry
        keyClick(Qt.Key_Tab)
        compare(focused(t), "fl_MacroFile")
    }

    // ---- edits by keys: the lines and downloads the mouse's edits give ----

    function test_keyboardEdits_data() {
        return [
            { tag: "a key added at the end", file: 2, before: [cDown, cUp],
              keys: toFile(2).concat(["Tab", "Tab", "Tab", "Return", "hook:40", "B", "hook:5", "Tab", "Space"]),
              after: [cDown, cUp, bDown, bUp], selected: -1, focus: "img_addKey",
              bytes: [0x01, 0x00, 0x06, 0x01, 0x06, 0x81, 0x05, 0x01, 0x05, 0x81] },
            { tag: "a key added before the selected step", file: 2, before: [cDown, cUp],
              keys: toFile(2).concat(["Tab", "Tab", "Down", "Down", "Tab", "Tab", "Tab", "Tab",
                                      "Enter", "hook:88", "hook:5", "B", "Tab", "Return"]),
              after: [cDown, bDown, bUp, cUp], selected: 3, focus: "img_addKey",
              bytes: [0x01, 0x00, 0x06, 0x01, 0x05, 0x01, 0x05, 0x81, 0x06, 0x81] },
            { tag: "a 50 ms delay before the second step", file: 3, before: [aDown, aUp],
              keys: toFile(3).concat(["Tab", "Tab", "Down", "Down", "Tab", "Tab", "Tab", "Tab", "Tab",
                                      "type:50", "Return", "Tab", "Space"]),
              after: [aDown, "50   [Delay]", aUp], selected: 2, focus: "img_addDelay",
              bytes: [0x01, 0x00, 0x04, 0x01, 0x00, 0x7F, 0x05, 0x00, 0x04, 0x81] },
            { tag: "Delete on the step list", file: 4, before: [aDown, aUp, bDown, bUp],
              keys: toFile(4).concat(["Tab", "Tab", "Down", "Down", "Delete"]),
              after: [aDown, bDown, bUp], selected: 1, focus: "fl_MacroActions",
              bytes: [0x01, 0x00, 0x04, 0x01, 0x05, 0x01, 0x05, 0x81] },
            { tag: "the delete button from the keyboard", file: 4, before: [aDown, aUp, bDown, bUp],
              keys: toFile(4).concat(["Tab", "Tab", "Down", "Down", "Tab", "Space"]),
              after: [aDown, bDown, bUp], selected: 1, focus: "img_SolidDelete",
              bytes: [0x01, 0x00, 0x04, 0x01, 0x05, 0x01, 0x05, 0x81] },
            { tag: "Ctrl+X, then Ctrl+V before the last step", file: 4, before: [aDown, aUp, bDown, bUp],
              keys: toFile(4).concat(["Tab", "Tab", "Down", "Ctrl+X", "Down", "Down", "Ctrl+V", "Ctrl+V"]),
              after: [aUp, bDown, aDown, bUp], selected: 3, focus: "fl_MacroActions",
              bytes: [0x01, 0x00, 0x04, 0x81, 0x05, 0x01, 0x04, 0x01, 0x05, 0x81] },
            { tag: "Ctrl+C, deselected with Space, Ctrl+V twice at the end", file: 5,
              before: [aDown, "20   [Delay]", aUp],
              keys: toFile(5).concat(["Tab", "Tab", "Down", "Down", "Ctrl+C", "Space", "Ctrl+V", "Ctrl+V"]),
              after: [aDown, "20   [Delay]", aUp, "20   [Delay]", "20   [Delay]"], selected: -1,
              focus: "fl_MacroActions",
              bytes: [0x01, 0x00, 0x04, 0x01, 0x00, 0x7F, 0x02, 0x00, 0x04, 0x81,
                      0x00, 0x7F, 0x02, 0x00, 0x00, 0x7F, 0x02, 0x00] },
            { tag: "End and Home on the step list, then Delete", file: 4, before: [aDown, aUp, bDown, bUp],
              keys: toFile(4).concat(["Tab", "Tab", "End", "Up", "Home", "Down", "Down", "Delete"]),
              after: [aDown, aUp, bUp], selected: 2, focus: "fl_MacroActions",
              bytes: [0x01, 0x00, 0x04, 0x01, 0x04, 0x81, 0x05, 0x81] },
            // The Return that starts and the Space that stops reach the hook
            // too; they are not recorded.
            { tag: "recorded with Return, stopped with Space", file: 1, before: [cDown, cUp],
              keys: toFile(1).concat(["Tab", "Return", "hook:40", "hook:4", "hook:43", "Tab", "hookDown:5",
                                      "hookUp:5", "hookDown:44", "Space", "hookUp:44"]),
              after: [aDown, aUp, "Tab    [Down]", "Tab      [Up]", bDown, bUp], selected: -1,
              focus: "img_record",
              bytes: [0x01, 0x00, 0x04, 0x01, 0x04, 0x81, 0x2B, 0x01, 0x2B, 0x81, 0x05, 0x01, 0x05, 0x81] }
        ]
    }

    function test_keyboardEdits(data) {
        var name = defaultName(data.file)
        ui_View.saveMacroIni(name, data.before)
        var t = keyboardPage()
        actAll(t, data.keys)
        compare(t.page.getCurrentMacroName(), name)
        compare(shown(t), data.after)
        compare(keyboardProbe.macroFile(name), data.after)
        compare(t.steps.currentIndex, data.selected)
        compare(focused(t), data.focus)
        compare(slotBytes(data.file - 1), buffer(data.bytes))
    }

    // ---- the step list keeps the focus ----

    function test_stepListKeepsTheFocus_data() {
        return [
            { tag: "Down", key: "Down", after: [aDown, aUp, bDown], selected: 2 },
            { tag: "Up", key: "Up", after: [aDown, aUp, bDown], selected: 0 },
            { tag: "Home", key: "Home", after: [aDown, aUp, bDown], selected: 0 },
            { tag: "End", key: "End", after: [aDown, aUp, bDown], selected: 2 },
            { tag: "Space deselects", key: "Space", after: [aDown, aUp, bDown], selected: -1 },
            { tag: "Delete", key: "Delete", after: [aDown, bDown], selected: 1 },
            { tag: "Ctrl+X", key: "Ctrl+X", after: [aDown, bDown], selected: 1 },
            { tag: "Ctrl+C", key: "Ctrl+C", after: [aDown, aUp, bDown], selected: 1 },
            { tag: "Ctrl+V after Ctrl+C", key: "Ctrl+V", copied: true, after: [aDown, aUp, aUp, bDown], selected: 2 },
            { tag: "Delete of the last step left", key: "Delete", only: true, after: [], selected: -1 }
        ]
    }

    function test_stepListKeepsTheFocus(data) {
        ui_View.saveMacroIni("Macro. 006", data.only ? [aUp] : [aDown, aUp, bDown])
        var t = macroPage()
        selectFile(t, 6)
        clickEntry(t.steps, data.only ? 0 : 1)
        if (data.copied)
            t.page.copyStep()
        t.steps.forceActiveFocus()
        act(t, data.key)
        compare(shown(t), data.after)
        compare(keyboardProbe.macroFile("Macro. 006"), data.after)
        compare(t.steps.currentIndex, data.selected)
        compare(focused(t), "fl_MacroActions")
    }

    // A tool button whose own work disables it hands the focus to the list.
    function test_disabledToolButtonHandsTheFocusToTheList_data() {
        return [
            { tag: "delete of the last step", tool: "img_SolidDelete", after: [] },
            { tag: "cut of the last step", tool: "img_SolidCut", after: [] },
            { tag: "paste of a cut step", tool: "img_SolidPaste", cut: true, after: [bDown, aUp] }
        ]
    }

    function test_disabledToolButtonHandsTheFocusToTheList(data) {
        ui_View.saveMacroIni("Macro. 007", data.cut ? [aUp, bDown] : [aUp])
        var t = macroPage()
        selectFile(t, 7)
        clickEntry(t.steps, data.cut ? 1 : 0)
        if (data.cut) {
            t.page.cutStep()
            t.steps.currentIndex = 0
        }
        var button = tool(t, data.tool)
        button.forceActiveFocus()
        keyClick(Qt.Key_Space)
        compare(keyboardProbe.macroFile("Macro. 007"), data.after)
        verify(!button.enabled)
        compare(focused(t), "fl_MacroActions")
    }

    // ---- the key field takes Tab only while listening ----

    function test_keyFieldAndTab_data() {
        return [
            { tag: "not listening: Tab moves on", keys: ["Tab"], focus: "delayInput", code: 0 },
            { tag: "not listening: Escape is not taken", keys: ["Escape"], focus: "keyboardAction", code: 0 },
            { tag: "started by Return: the scene's Tab first, then the hook's",
              keys: ["Return", "hook:40", "press:Tab", "hookDown:43", "release:Tab", "hookUp:43"],
              focus: "keyboardAction", code: 43, name: "Tab" },
            { tag: "started by Space: the hook's Tab first, then the scene's",
              keys: ["Space", "hook:44", "hookDown:43", "press:Tab", "hookUp:43", "release:Tab"],
              focus: "keyboardAction", code: 43, name: "Tab" },
            { tag: "the hook's Return before the scene's: Escape taken",
              keys: ["hookDown:40", "Return", "hookUp:40", "Escape", "hook:41"],
              focus: "keyboardAction", code: 41, name: "Esc" },
            { tag: "the hook's Return pressed and released before the scene's: A taken",
              keys: ["hook:40", "Return", "A", "hook:4"], focus: "keyboardAction", code: 4, name: "A" },
            { tag: "a Shift+Tab while listening is taken", keys: ["Return", "hook:40", "Shift+Tab", "hook:43"],
              focus: "keyboardAction", code: 43, name: "Tab" }
        ]
    }

    function test_keyFieldAndTab(data) {
        var t = macroPage()
        var field = part(t.page, "keyboardAction")
        field.forceActiveFocus()
        verify(!t.page.capturingKeys)
        var capturing = false
        for (var i = 0; i < data.keys.length; ++i) {
            act(t, data.keys[i])
            capturing = capturing || t.page.capturingKeys
            // Taken but its scene key not yet released: still capturing.
            if (data.keys[i].indexOf("press:") === 0)
                verify(t.page.capturingKeys, "after " + data.keys[i])
        }
        compare(focused(t), data.focus)
        compare(field.tmpKeycodeUSB, data.code)
        verify(!field.isSelect)
        compare(capturing, data.code !== 0)
        verify(!t.page.capturingKeys)
        if (data.code !== 0) {
            compare(field.tmpKeyString, data.name)
            // Done listening: the next Tab moves on.
            keyClick(Qt.Key_Tab)
            compare(focused(t), "delayInput")
        }
    }

    // Listening started with the pointer while the step list had the focus:
    // the field takes the focus, so Delete is taken, not run on the steps.
    function test_pointerStartedFieldTakesTheFocus() {
        ui_View.saveMacroIni("Macro. 008", [aDown, aUp])
        var t = macroPage()
        selectFile(t, 8)
        clickEntry(t.steps, 0)
        t.steps.forceActiveFocus()
        var field = part(t.page, "keyboardAction")
        click(field)
        verify(field.isSelect)
        compare(focused(t), "keyboardAction")
        keyPress(Qt.Key_Delete)
        keyEvent(t, true, 76)
        keyRelease(Qt.Key_Delete)
        compare(field.tmpKeycodeUSB, 76)
        compare(shown(t), [aDown, aUp])
        compare(keyboardProbe.macroFile("Macro. 008"), [aDown, aUp])
    }

    // ---- recording takes every key until stopped ----

    // Started with the pointer while the step list had the focus: the stop
    // button takes it, so Delete is recorded, not run on the steps.
    function test_pointerStartedRecordingTakesTheFocus() {
        ui_View.saveMacroIni("Macro. 011", [aDown, aUp])
        var t = macroPage()
        selectFile(t, 11)
        t.steps.forceActiveFocus()
        click(tool(t, "img_record"))
        verify(t.page.isRecordStart)
        compare(focused(t), "img_stop")
        keyPress(Qt.Key_Delete)
        keyEvent(t, true, 76)
        keyRelease(Qt.Key_Delete)
        keyEvent(t, false, 76)
        click(tool(t, "img_stop"))
        var recorded = ["Delete    [Down]", "Delete      [Up]"]
        compare(shown(t), recorded)
        compare(keyboardProbe.macroFile("Macro. 011"), recorded)
    }

    function test_recordingKeepsTheFocusOnStop_data() {
        return [
            { tag: "Tab", key: Qt.Key_Tab },
            { tag: "Shift+Tab", key: Qt.Key_Tab, modifiers: Qt.ShiftModifier },
            { tag: "Escape", key: Qt.Key_Escape },
            { tag: "Delete", key: Qt.Key_Delete },
            { tag: "Down", key: Qt.Key_Down }
        ]
    }

    function test_recordingKeepsTheFocusOnStop(data) {
        ui_View.saveMacroIni("Macro. 009", [cDown])
        var t = keyboardPage()
        actAll(t, toFile(9))
        compare(t.page.getCurrentMacroName(), "Macro. 009")
        act(t, "Tab")
        compare(focused(t), "img_record")
        act(t, "Space")
        verify(t.page.isRecordStart)
        verify(t.page.capturingKeys)
        compare(focused(t), "img_stop")
        keyClick(data.key, data.modifiers === undefined ? Qt.NoModifier : data.modifiers)
        compare(focused(t), "img_stop")
        verify(t.page.isRecordStart)
        compare(t.files.currentIndex, 8)
        act(t, "Return")
        verify(!t.page.isRecordStart)
        verify(!t.page.capturingKeys)
        compare(focused(t), "img_record")
        compare(keyboardProbe.macroFile("Macro. 009"), [])
    }

    // ---- the file list ----

    function test_fileListKeys_data() {
        return [
            { tag: "Down from none: the first", keys: ["Down"], selected: 0 },
            { tag: "Down, Down", keys: ["Down", "Down"], selected: 1 },
            { tag: "End", keys: ["End"], selected: 31 },
            { tag: "End, Down stays", keys: ["End", "Down"], selected: 31 },
            { tag: "Home, Up stays", keys: ["Down", "Down", "Home", "Up"], selected: 0 },
            { tag: "Return deselects", keys: ["Down", "Down", "Return"], selected: -1 },
            { tag: "Space selects where it left off", keys: ["Down", "Down", "Space", "Space"], selected: 1 }
        ]
    }

    function test_fileListKeys(data) {
        ui_View.saveMacroIni("Macro. 002", [bDown, bUp])
        var t = keyboardPage()
        actAll(t, data.keys)
        compare(t.files.currentIndex, data.selected)
        compare(t.page.getCurrentMacroName(), data.selected < 0 ? undefined : defaultName(data.selected + 1))
        compare(shown(t), data.selected === 1 ? [bDown, bUp] : [])
        compare(focused(t), "fl_MacroFile")
    }

    // RENAME from the file's menu (Menu key); Return ends it, Escape gives it
    // up; the focus comes back to the file list.
    function test_renameByKeyboard_data() {
        return [
            { tag: "Return keeps the name", end: "Return", name: "Fire" },
            { tag: "Escape gives it up", end: "Escape", name: "Macro. 003" }
        ]
    }

    function test_renameByKeyboard(data) {
        ui_View.saveMacroIni("Macro. 003", [aDown])
        var t = keyboardPage()
        actAll(t, ["Down", "Down", "Down", "Menu", "Down", "Down", "Down", "Return"])
        compare(part(entry(t.files, 2), "textLeft").selectedText, "Macro. 003")
        actAll(t, ["type:Fire", data.end])
        compare(t.page.getCurrentMacroName(), data.name)
        compare(keyboardProbe.macroFile(data.name), [aDown])
        compare(focused(t), "fl_MacroFile")
        compare(t.page.macroNames().indexOf("Macro. 003") < 0, data.name !== "Macro. 003")
    }

    // LOAD and SAVE from the file's menu by keys: the same chooser, the same
    // files as with the mouse (test_load, test_save); the focus comes back to
    // the file list.
    function test_loadAndSaveByKeyboard_data() {
        return [
            { tag: "LOAD (one Down)", downs: 1, chooser: "Open File|Macro(*.mc)",
              stored: [cDown, "30   [Delay]", cUp], shown: [cDown, "30   [Delay]", cUp] },
            { tag: "SAVE (two Downs)", downs: 2, chooser: "Save File|Macro(*.mc)", exported: true,
              stored: [aDown, "40   [Delay]", aUp], shown: [aDown, "40   [Delay]", aUp] }
        ]
    }

    function test_loadAndSaveByKeyboard(data) {
        var imported = dialogProbe.writeText("fire.mc", "[config]\nindex=9\ntotal=3\nrepeat=3\n[macro]\n"
                                             + "0=" + cDown + "\n1=30   [Delay]\n2=" + cUp + "\n")
        var target = dialogProbe.userFolder() + "/exported.mc"
        ui_View.saveMacroIni("Macro. 006", [aDown, "40   [Delay]", aUp])
        var t = keyboardPage()
        actAll(t, toFile(6))
        dialogProbe.answer(data.exported ? target : imported)
        act(t, "Menu")
        compare(focused(t), "outside") // in the menu
        for (var i = 0; i < data.downs; ++i)
            act(t, "Down")
        act(t, "Return")
        compare(dialogProbe.shownChoosers(), [data.chooser])
        compare(keyboardProbe.macroFile("Macro. 006"), data.stored)
        compare(shown(t), data.shown)
        if (data.exported)
            compare(dialogProbe.readText(target), dialogProbe.readText("modules/macro/Macro. 006.bin"))
        compare(focused(t), "fl_MacroFile")
        compare(t.page.getCurrentMacroName(), "Macro. 006")
    }

    // The delay field from the keyboard: the value is selected on entry,
    // Escape shows the committed value again, Return commits and stays.
    function test_delayFieldByKeyboard() {
        var t = keyboardPage()
        actAll(t, ["Tab", "Tab", "Tab"]) // step list, key field, delay field
        compare(focused(t), "delayInput")
        var input = part(t.page, "delayInput")
        compare(input.selectedText, "1000")
        actAll(t, ["type:7", "Escape"])
        compare(input.text, "1000")
        compare(input.selectedText, "1000")
        compare(focused(t), "delayInput")
        actAll(t, ["type:25", "Return"])
        compare(t.page.delayValue, 25)
        compare(input.text, "25")
        compare(focused(t), "delayInput")
        actAll(t, ["type:5", "Tab"]) // leaving commits too, at least 10
        compare(t.page.delayValue, 10)
        compare(input.text, "10")
    }

    // ---- names for screen readers ----

    function test_accessibleNames_data() {
        return [
            { tag: "the page", name: "_Page_Macro", accessible: "MACRO", role: Accessible.Pane, notFocused: true },
            { tag: "file list", name: "fl_MacroFile", accessible: "MACRO", role: Accessible.List },
            { tag: "step list", name: "fl_MacroActions", accessible: "STEPS", role: Accessible.List },
            { tag: "record", name: "img_record", accessible: "RECORD", role: Accessible.Button },
            { tag: "stop", name: "img_stop", accessible: "STOP", role: Accessible.Button },
            { tag: "delete", name: "img_SolidDelete", accessible: "DELETE", role: Accessible.Button },
            { tag: "cut", name: "img_SolidCut", accessible: "CUT", role: Accessible.Button },
            { tag: "paste", name: "img_SolidPaste", accessible: "PASTE", role: Accessible.Button },
            { tag: "copy", name: "img_SolidCopy", accessible: "COPY", role: Accessible.Button },
            { tag: "key field, no key", name: "keyboardAction", accessible: "KEY NONE", role: Accessible.Button },
            { tag: "key field with B", name: "keyboardAction", key: 5, accessible: "KEY B", role: Accessible.Button },
            { tag: "key field listening", name: "keyboardAction", listening: true, accessible: "KEY NONE",
              description: "PRESS A KEY", role: Accessible.Button },
            { tag: "add key", name: "img_addKey", accessible: "ADD KEY", role: Accessible.Button },
            { tag: "delay field", name: "delayInput", accessible: "DELAY", role: Accessible.EditableText },
            { tag: "add delay", name: "img_addDelay", accessible: "ADD DELAY", role: Accessible.Button }
        ]
    }

    // Each step is named by what the list shows; the selected one is
    // selected for screen readers too.
    function test_stepItemsForScreenReaders() {
        ui_View.saveMacroIni("Macro. 010", [aDown, "50   [Delay]", aUp])
        var t = keyboardPage()
        actAll(t, toFile(10).concat(["Tab", "Tab", "Down", "Down"]))
        compare(t.page.getCurrentMacroName(), "Macro. 010")
        compare(focused(t), "fl_MacroActions")
        var names = [], selected = []
        for (var i = 0; i < 3; ++i) {
            names.push(entry(t.steps, i).Accessible.name)
            selected.push(entry(t.steps, i).Accessible.selected)
        }
        compare(names, ["A     [Down]", "50    [Delay]", "A       [Up]"])
        compare(selected, [false, true, false])
        compare(t.steps.Accessible.role, Accessible.List)
    }

    function test_accessibleNames(data) {
        var t = macroPage()
        var item = data.name === "_Page_Macro" ? t.page : part(t.page, data.name)
        if (data.key !== undefined)
            item.setKeycodeUSB(data.key)
        if (data.listening)
            click(item)
        compare(item.Accessible.name, data.accessible)
        if (data.description !== undefined)
            compare(item.Accessible.description, data.description)
        if (data.role !== undefined)
            compare(item.Accessible.role, data.role)
        compare(item.activeFocusOnTab, !data.notFocused)
    }
}
