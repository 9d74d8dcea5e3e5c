import QtQuick
import QtTest

// The macro editor page worked with the mouse (see MacroPageCase for the
// fixture).
MacroPageCase {
    id: test
    name: "MacroPage"

    // ---- layout and selection ----

    function test_layout() {
        var t = macroPage()
        compare(t.files.mdItems.count, slots)
        for (var i = 0; i < slots; ++i)
            compare([t.files.mdItems.get(i).textX, t.files.mdItems.get(i).textR], [defaultName(i + 1), ""])
        compare([t.files.x, t.files.y, t.files.width, t.files.height], [119, 77, 141, 198])
        compare([t.steps.x, t.steps.y, t.steps.width, t.steps.height], [468, 77, 141, 198])
        compare(part(t.page, "fileHeadingText").text, "MACRO")
        compare(part(t.page, "stepHeadingText").text, "ACTION")
        var key = part(t.page, "keyboardAction")
        compare([key.x, key.y, key.text.x], [290, 205, 10])
        var delay = part(t.page, "delaytime")
        compare([delay.x, delay.y, delay.width, delay.height], [290, 227, 151, 23])
        compare(part(t.page, "delayInput").text, "1000")
        // Nothing selected: nothing to record into or edit.
        compare(t.page.getCurrentMacroName(), undefined)
        compare(t.steps.mdItems.count, 0)
        var names = ["img_record", "img_stop", "img_addKey", "img_addDelay", "img_SolidDelete",
                     "img_SolidCut", "img_SolidPaste", "img_SolidCopy"]
        for (var n = 0; n < names.length; ++n)
            verify(!tool(t, names[n]).enabled, names[n])
    }

    function test_selectingShowsTheStepsSplit() {
        // Slot 17: saved, not downloaded.
        ui_View.saveMacroIni("Macro. 018", [aDown, "1000   [Delay]", aUp, "0"])
        var t = macroPage()
        selectFile(t, 18)
        var values = [], commands = []
        for (var i = 0; i < t.steps.mdItems.count; ++i) {
            values.push(t.steps.mdItems.get(i).textX)
            commands.push(t.steps.mdItems.get(i).textR)
        }
        compare(values, ["A", "1000", "A", ""])
        compare(commands, ["    [Down]", "   [Delay]", "      [Up]", "0"])
        compare(t.page.getAllMacroActions(), [aDown, "1000   [Delay]", aUp, "0"])
        compare(t.page.getCurrentMacroActions(), undefined)
        clickEntry(t.steps, 1)
        compare(t.page.getCurrentMacroActions(), "1000   [Delay]")
        verify(tool(t, "img_record").enabled)
        // The same file again deselects it: no steps, no recording.
        clickEntry(t.files, 17)
        compare(t.page.getCurrentMacroName(), undefined)
        compare(t.steps.mdItems.count, 0)
        verify(!tool(t, "img_record").enabled)
        verify(!tool(t, "img_addDelay").enabled)
    }

    // ---- recording ----

    function test_recordingAppendsAtTheEnd() {
        ui_View.saveMacroIni("Macro. 001", [cDown, cUp])
        var t = macroPage()
        selectFile(t, 1)
        click(tool(t, "img_record"))
        verify(t.page.isRecordStart)
        compare(shown(t), [])
        verify(!t.files.enabled)
        verify(!tool(t, "img_record").enabled)
        verify(tool(t, "img_stop").enabled)
        typeKey(t, 4)
        typeKey(t, 103) // no name: skipped
        keyEvent(t, true, 0)
        compare(shown(t), [aDown, aUp])
        clickEntry(t.steps, 0) // a selected step does not move the end
        keyEvent(t, true, 5)
        wait(300) // no delays are recorded, however long the pause
        keyEvent(t, false, 5)
        var recorded = [aDown, aUp, bDown, bUp]
        compare(shown(t), recorded)
        compare(keyboardProbe.macroFile("Macro. 001"), [cDown, cUp]) // not saved yet
        keyboardProbe.clearCapture()
        click(tool(t, "img_stop"))
        verify(!t.page.isRecordStart)
        verify(t.files.enabled)
        verify(tool(t, "img_record").enabled)
        verify(!tool(t, "img_stop").enabled)
        compare(keyboardProbe.macroFile("Macro. 001"), recorded)
        compare(slotBytes(0), buffer([0x01, 0x00, 0x04, 0x01, 0x04, 0x81, 0x05, 0x01, 0x05, 0x81]))
        // Key events after the stop add nothing.
        typeKey(t, 6)
        compare(shown(t), recorded)
    }

    function test_keyEventsWithoutRecordingAddNothing() {
        var t = macroPage()
        selectFile(t, 2)
        typeKey(t, 4)
        compare(shown(t), [])
        compare(keyboardProbe.macroFile("Macro. 002"), [])
        clickEntry(t.files, 1) // deselected: the record button does nothing
        verify(!tool(t, "img_record").enabled)
        t.page.startRecord()
        verify(!t.page.isRecordStart)
    }

    // ---- adding keys and delays ----

    function test_addKey_data() {
        return [
            { tag: "no step selected: at the end", selected: -1,
              steps: [cDown, cUp, bDown, bUp], stillSelected: -1,
              bytes: [0x01, 0x00, 0x06, 0x01, 0x06, 0x81, 0x05, 0x01, 0x05, 0x81] },
            { tag: "before the selected step, down then up", selected: 1,
              steps: [cDown, bDown, bUp, cUp], stillSelected: 3,
              bytes: [0x01, 0x00, 0x06, 0x01, 0x05, 0x01, 0x05, 0x81, 0x06, 0x81] }
        ]
    }

    function test_addKey(data) {
        ui_View.saveMacroIni("Macro. 002", [cDown, cUp]) // slot 1
        var t = macroPage()
        selectFile(t, 2)
        if (data.selected >= 0)
            clickEntry(t.steps, data.selected)
        var field = part(t.page, "keyboardAction")
        var add = tool(t, "img_addKey")
        verify(!add.enabled)
        click(field)
        verify(field.isSelect)
        keyEvent(t, false, 5) // a release is taken as readily as a press
        compare(field.tmpKeycodeUSB, 5)
        verify(add.enabled)
        click(add)
        compare(shown(t), data.steps)
        compare(t.steps.currentIndex, data.stillSelected)
        compare(keyboardProbe.macroFile("Macro. 002"), data.steps)
        compare(slotBytes(1), buffer(data.bytes))
    }

    function test_addKeyNeedsANamedKey() {
        var t = macroPage()
        selectFile(t, 2)
        var field = part(t.page, "keyboardAction")
        click(field)
        keyEvent(t, true, 103)
        verify(!field.isSelect)
        compare(field.tmpKeycodeUSB, 0)
        verify(!tool(t, "img_addKey").enabled)
        t.page.addKey()
        compare(shown(t), [])
    }

    function test_delay_data() {
        return [
            { tag: "5 commits as 10", keys: "5", typed: "5", value: 10, bytes: [0x01, 0x00] },
            { tag: "0 commits as 10", keys: "0", typed: "0", value: 10, bytes: [0x01, 0x00] },
            { tag: "65535 is kept", keys: "65535", typed: "65535", value: 65535, bytes: [0x99, 0x19] },
            { tag: "70000 cannot be typed", keys: "70000", typed: "7000", value: 7000, bytes: [0xBC, 0x02] },
            { tag: "at most 5 digits", keys: "123456", typed: "12345", value: 12345, bytes: [0xD2, 0x04] },
            { tag: "letters cannot be typed", keys: "1x2-3", typed: "123", value: 123, bytes: [0x0C, 0x00] },
            { tag: "an emptied field keeps the value", keys: "", typed: "", value: 1000, bytes: [0x64, 0x00] },
            { tag: "Enter commits too", keys: "42", typed: "42", value: 42, enter: true, bytes: [0x04, 0x00] }
        ]
    }

    function test_delay(data) {
        var t = macroPage()
        selectFile(t, 3) // slot 2
        var input = part(t.page, "delayInput")
        mouseClick(input, 2, input.height / 2)
        verify(input.activeFocus)
        input.selectAll()
        keyClick(Qt.Key_Backspace)
        for (var i = 0; i < data.keys.length; ++i)
            keyClick(data.keys[i])
        compare(input.text, data.typed)
        compare(t.page.delayValue, 1000) // not before it is committed
        keyClick(data.enter ? Qt.Key_Enter : Qt.Key_Return)
        compare(t.page.delayValue, data.value)
        compare(input.text, String(data.value))
        verify(!input.activeFocus)
        click(tool(t, "img_addDelay"))
        var step = data.value + "   [Delay]"
        compare(shown(t), [step])
        compare(keyboardProbe.macroFile("Macro. 003"), [step])
        compare(slotBytes(2), buffer([0x01, 0x00, 0x00, 0x7F].concat(data.bytes)))
    }

    function test_addDelayCommitsWhatIsBeingTyped() {
        ui_View.saveMacroIni("Macro. 003", [aDown, aUp])
        var t = macroPage()
        selectFile(t, 3)
        clickEntry(t.steps, 1)
        var input = part(t.page, "delayInput")
        mouseClick(input, 2, input.height / 2)
        input.selectAll()
        keyClick("5")
        keyClick("0")
        click(tool(t, "img_addDelay"))
        verify(!input.activeFocus)
        compare(input.text, "50")
        compare(shown(t), [aDown, "50   [Delay]", aUp])
        compare(slotBytes(2), buffer([0x01, 0x00, 0x04, 0x01, 0x00, 0x7F, 0x05, 0x00, 0x04, 0x81]))
    }

    function test_backgroundPressCommitsTheDelay() {
        var t = macroPage()
        var input = part(t.page, "delayInput")
        mouseClick(input, 2, input.height / 2)
        input.selectAll()
        keyClick("7")
        // The page's own background: the press reaches the root's dragRegion.
        mousePress(t.page, 30, 300)
        mouseRelease(t.page, 30, 300)
        verify(!input.activeFocus)
        compare(t.page.delayValue, 10)
        compare(input.text, "10")
    }

    // ---- delete, cut, copy, paste ----

    function test_deleteRemovesTheSelectedStep() {
        ui_View.saveMacroIni("Macro. 004", [aDown, aUp, bDown, bUp]) // slot 3
        var t = macroPage()
        selectFile(t, 4)
        var del = tool(t, "img_SolidDelete")
        verify(!del.enabled)
        clickEntry(t.steps, 1)
        verify(del.enabled)
        click(del)
        compare(shown(t), [aDown, bDown, bUp])
        compare(t.steps.currentIndex, 1) // the next step
        compare(keyboardProbe.macroFile("Macro. 004"), [aDown, bDown, bUp])
        compare(slotBytes(3), buffer([0x01, 0x00, 0x04, 0x01, 0x05, 0x01, 0x05, 0x81]))
    }

    function test_cutPastesOnce() {
        ui_View.saveMacroIni("Macro. 004", [aDown, aUp, bDown, bUp])
        var t = macroPage()
        selectFile(t, 4)
        clickEntry(t.steps, 0)
        var paste = tool(t, "img_SolidPaste")
        verify(!paste.enabled)
        click(tool(t, "img_SolidCut"))
        compare(t.page.scrapbook, aDown)
        verify(!t.page.isUnlimitedCopy)
        compare(shown(t), [aUp, bDown, bUp])
        compare(keyboardProbe.macroFile("Macro. 004"), [aUp, bDown, bUp])
        // Pasted before the selected step.
        t.steps.currentIndex = 2
        verify(paste.enabled)
        click(paste)
        compare(shown(t), [aUp, bDown, aDown, bUp])
        compare(keyboardProbe.macroFile("Macro. 004"), [aUp, bDown, aDown, bUp])
        compare(slotBytes(3), buffer([0x01, 0x00, 0x04, 0x81, 0x05, 0x01, 0x04, 0x01, 0x05, 0x81]))
        // Once only.
        compare(t.page.scrapbook, "")
        verify(!paste.enabled)
        t.page.pasteStep()
        compare(shown(t), [aUp, bDown, aDown, bUp])
    }

    function test_copyPastesMany() {
        ui_View.saveMacroIni("Macro. 005", [aDown, "20   [Delay]", aUp]) // slot 4
        var t = macroPage()
        selectFile(t, 5)
        clickEntry(t.steps, 1)
        click(tool(t, "img_SolidCopy"))
        compare(t.page.scrapbook, "20   [Delay]")
        verify(t.page.isUnlimitedCopy)
        compare(shown(t), [aDown, "20   [Delay]", aUp]) // copying changes nothing
        t.steps.currentIndex = -1
        var paste = tool(t, "img_SolidPaste")
        click(paste)
        click(paste)
        var twice = [aDown, "20   [Delay]", aUp, "20   [Delay]", "20   [Delay]"]
        compare(shown(t), twice)
        compare(keyboardProbe.macroFile("Macro. 005"), twice)
        compare(slotBytes(4), buffer([0x01, 0x00, 0x04, 0x01, 0x00, 0x7F, 0x02, 0x00, 0x04, 0x81,
                                      0x00, 0x7F, 0x02, 0x00, 0x00, 0x7F, 0x02, 0x00]))
        // The scrapbook survives switching files.
        selectFile(t, 6) // slot 5
        verify(paste.enabled)
        click(paste)
        compare(shown(t), ["20   [Delay]"])
        compare(keyboardProbe.macroFile("Macro. 006"), ["20   [Delay]"])
        compare(slotBytes(5), buffer([0x01, 0x00, 0x00, 0x7F, 0x02, 0x00]))
        verify(paste.enabled)
    }

    function test_pasteNeedsAFile() {
        ui_View.saveMacroIni("Macro. 005", [aDown])
        var t = macroPage()
        selectFile(t, 5)
        clickEntry(t.steps, 0)
        click(tool(t, "img_SolidCopy"))
        var paste = tool(t, "img_SolidPaste")
        verify(paste.enabled)
        clickEntry(t.files, 4) // deselect
        verify(!paste.enabled)
        t.page.pasteStep()
        compare(shown(t), [])
        compare(keyboardProbe.macroFile("Macro. 005"), [aDown])
        compare(t.page.scrapbook, aDown)
    }

    // ---- where the edits go ----

    function test_savesDownloadTheFirstSeventeenSlots_data() {
        return [
            { tag: "slot 0", number: 1, slot: 0, downloaded: true },
            { tag: "slot 16", number: 17, slot: 16, downloaded: true },
            { tag: "slot 17: the file only", number: 18, slot: 17, downloaded: false }
        ]
    }

    function test_savesDownloadTheFirstSeventeenSlots(data) {
        var t = macroPage()
        selectFile(t, data.number)
        var before = keyboardProbe.macro(data.slot)
        keyboardProbe.clearCapture()
        click(tool(t, "img_addDelay"))
        compare(keyboardProbe.macroFile(defaultName(data.number)), ["1000   [Delay]"])
        var bytes = slotBytes(data.slot)
        if (data.downloaded) {
            compare(bytes, buffer([0x01, 0x00, 0x00, 0x7F, 0x64, 0x00]))
            compare(keyboardProbe.capture()[0].split(" ").slice(3).join(" "),
                    "00 10 00 " + ("0" + data.slot.toString(16).toUpperCase()).slice(-2) + " 00 00 55 AA 00")
            // The page's list and the backend's encoder agree on the bytes.
            var encoded = ui_View.macroIncode(t.page.getAllMacroActions())
            for (var i = 0; i < encoded.length; ++i)
                compare(bytes[i ^ 1], encoded[i], "byte " + i)
        } else {
            compare(bytes, before)
            compare(keyboardProbe.capture(), [])
        }
    }

    // ---- a write that fails ----

    // "Macro. 010" (slot 9) holds A and B typed; its file is taken away
    // behind the page, so the edit's write fails. The list stays as edited,
    // the file and the keyboard keep the old macro, and once the file is back
    // the next edit (a 1000 ms delay at the end) writes every step shown.
    readonly property var typedAB: [aDown, aUp, bDown, bUp]

    function takeFileAway() {
        ui_View.renameMacroIniFile("Macro. 010", "Away for now")
        compare(ui_View.loadMacroIniConfig("Macro. 010"), [])
    }

    function bringFileBack() {
        ui_View.renameMacroIniFile("Away for now", "Macro. 010")
        compare(keyboardProbe.macroFile("Macro. 010"), typedAB)
    }

    // "total=N" and the [macro] section of the file as it lies on disk.
    function storedLines(name) {
        var lines = settingsProbe.read("modules/macro/" + name + ".bin").split(/\r?\n/)
        var kept = []
        var inMacro = false
        for (var i = 0; i < lines.length; ++i) {
            if (lines[i].charAt(0) === "[")
                inMacro = lines[i] === "[macro]"
            if (inMacro || lines[i].indexOf("total=") === 0)
                kept.push(lines[i])
        }
        return kept.filter(function(line) { return line !== "" })
    }

    function failingEdit(t, edit) {
        var field = part(t.page, "keyboardAction")
        switch (edit) {
        case "delay":
            click(tool(t, "img_addDelay"))
            break
        case "key":
            click(field)
            keyEvent(t, true, 6)
            click(tool(t, "img_addKey"))
            break
        case "delete":
            click(tool(t, "img_SolidDelete"))
            break
        case "cut":
            click(tool(t, "img_SolidCut"))
            break
        case "paste":
            click(tool(t, "img_SolidCopy"))
            t.steps.currentIndex = -1
            click(tool(t, "img_SolidPaste"))
            break
        case "record":
            click(tool(t, "img_record"))
            typeKey(t, 6)
            click(tool(t, "img_stop"))
            break
        }
    }

    function test_failedWriteKeepsTheSteps_data() {
        return [
            { tag: "a delay added", edit: "delay", selected: -1,
              shownAfter: [aDown, aUp, bDown, bUp, "1000   [Delay]"] },
            { tag: "a key added before step 1", edit: "key", selected: 1,
              shownAfter: [aDown, cDown, cUp, aUp, bDown, bUp] },
            { tag: "step 2 deleted", edit: "delete", selected: 2,
              shownAfter: [aDown, aUp, bUp] },
            { tag: "step 0 cut", edit: "cut", selected: 0,
              shownAfter: [aUp, bDown, bUp] },
            { tag: "step 3 copied and pasted at the end", edit: "paste", selected: 3,
              shownAfter: [aDown, aUp, bDown, bUp, bUp] },
            { tag: "C recorded", edit: "record", selected: -1,
              shownAfter: [cDown, cUp] }
        ]
    }

    function test_failedWriteKeepsTheSteps(data) {
        ui_View.saveMacroIni("Macro. 010", typedAB)
        var t = macroPage()
        selectFile(t, 10)
        if (data.selected >= 0)
            clickEntry(t.steps, data.selected)
        var slotBefore = slotBytes(9)
        keyboardProbe.clearCapture()
        takeFileAway()
        failingEdit(t, data.edit)
        compare(shown(t), data.shownAfter)
        compare(t.page.getCurrentMacroName(), "Macro. 010")
        bringFileBack()
        compare(slotBytes(9), slotBefore)
        compare(keyboardProbe.capture(), [])
        // The next write that goes through stores the whole list.
        t.steps.currentIndex = -1
        click(tool(t, "img_addDelay"))
        var all = data.shownAfter.concat(["1000   [Delay]"])
        compare(shown(t), all)
        var lines = ["total=" + all.length, "[macro]"]
        for (var i = 0; i < all.length; ++i)
            lines.push(i + "=" + all[i])
        compare(storedLines("Macro. 010"), lines)
    }

    // The download that follows a write that went through, byte for byte.
    function test_writeAfterAFailedOneDownloadsEverything() {
        ui_View.saveMacroIni("Macro. 010", typedAB)
        var t = macroPage()
        selectFile(t, 10)
        takeFileAway()
        click(tool(t, "img_addDelay"))
        bringFileBack()
        keyboardProbe.clearCapture()
        part(t.page, "delayInput").text = "20"
        t.page.commitDelay()
        click(tool(t, "img_addDelay"))
        // A down, A up, B down, B up, 1000 ms (100 units), 20 ms (2 units).
        compare(slotBytes(9), buffer([0x01, 0x00, 0x04, 0x01, 0x04, 0x81, 0x05, 0x01, 0x05, 0x81,
                                      0x00, 0x7F, 0x64, 0x00, 0x00, 0x7F, 0x02, 0x00]))
    }

    // After a failed write the shown steps are not on disk: an import that
    // brings nothing leaves them, one that brings a macro replaces them.
    function test_importAfterAFailedWrite_data() {
        return [
            { tag: "cancelled", answer: "", shownAfter: [aDown, aUp, bDown, bUp, "1000   [Delay]"] },
            { tag: "the chosen file is gone", answer: "gone.mc",
              shownAfter: [aDown, aUp, bDown, bUp, "1000   [Delay]"] },
            { tag: "imported", answer: "fire.mc", shownAfter: [cDown, "30   [Delay]", cUp] }
        ]
    }

    function test_importAfterAFailedWrite(data) {
        dialogProbe.writeText("fire.mc", "[config]\nindex=9\ntotal=3\nrepeat=1\n[macro]\n"
                              + "0=" + cDown + "\n1=30   [Delay]\n2=" + cUp + "\n")
        ui_View.saveMacroIni("Macro. 010", typedAB)
        var t = macroPage()
        selectFile(t, 10)
        takeFileAway()
        click(tool(t, "img_addDelay"))
        bringFileBack()
        dialogProbe.answer(data.answer === "" ? "" : dialogProbe.userFolder() + "/" + data.answer)
        chooseFromMenu(t, 9, 0)
        compare(dialogProbe.shownChoosers(), ["Open File|Macro(*.mc)"])
        compare(shown(t), data.shownAfter)
        click(tool(t, "img_addDelay"))
        compare(keyboardProbe.macroFile("Macro. 010"), data.shownAfter.concat(["1000   [Delay]"]))
    }

    // ---- the context menu ----

    function test_contextMenuOpensBesideTheFile() {
        var t = macroPage()
        verify(!t.menu.visible)
        mouseClick(entry(t.files, 2), 10, 10, Qt.RightButton)
        verify(t.menu.visible)
        compare([t.menu.x, t.menu.y, t.menu.width, t.menu.height], [74, 2 * 20 + 40, 45, 80])
        compare(t.files.currentIndex, -1) // no selection by a right click
        var fadeIn = part(t.menu, "fadeIn")
        compare([fadeIn.from, fadeIn.to, fadeIn.duration, fadeIn.easing.type], [0, 1, 15, Easing.OutExpo])
        tryCompare(t.menu, "opacity", 1)
        // A scrolled list: the entry's place on screen.
        t.files.lvItems.contentY = 60
        mouseClick(entry(t.files, 5), 10, 10, Qt.RightButton)
        compare(t.menu.y, 5 * 20 - 60 + 40)
        compare(t.menu.targetIndex, 5)
        var labels = []
        for (var i = 0; i < 4; ++i)
            labels.push(part(part(t.menu, "entry" + i), "entryText").text)
        compare(labels, ["LOAD", "SAVE", "RENAME", "CANCEL"])
        // The entry under the pointer is highlighted.
        var cancel = part(t.menu, "entry3")
        mouseMove(cancel, 20, 10)
        verify(Qt.colorEqual(part(cancel, "entryText").color, t.scene.globalSetting_color))
        verify(Qt.colorEqual(part(part(t.menu, "entry0"), "entryText").color,
                             t.scene.globalSetting_color_enable))
        // CANCEL only closes, after the fade.
        var fadeOut = part(t.menu, "fadeOut")
        compare([fadeOut.from, fadeOut.to, fadeOut.duration, fadeOut.easing.type], [1, 0, 10, Easing.OutExpo])
        click(cancel)
        verify(fadeOut.running)
        tryCompare(t.menu, "visible", false)
        compare(t.menu.opacity, 0)
        compare(dialogProbe.shownChoosers(), [])
        compare(t.files.mdItems.get(5).textX, defaultName(6))
    }

    function test_reopeningDuringTheFadeOutKeepsTheMenu() {
        var t = macroPage()
        t.scene.animation_speed = 400
        mouseClick(entry(t.files, 1), 10, 10, Qt.RightButton)
        click(part(t.menu, "entry3"))
        verify(part(t.menu, "fadeOut").running)
        mouseClick(entry(t.files, 3), 10, 10, Qt.RightButton)
        tryCompare(t.menu, "opacity", 1)
        wait(500) // longer than the fade-out
        verify(t.menu.visible)
        compare(t.menu.opacity, 1)
    }

    function test_load_data() {
        return [
            { tag: "into the selected file: its steps are shown", selected: 6, target: 6,
              shownAfter: [cDown, "30   [Delay]", cUp] },
            // The selected file changed behind the page: not read again.
            { tag: "into another file: the shown steps stay", selected: 7, target: 6,
              changedBehind: true, shownAfter: [bDown, bUp] },
            { tag: "cancelled: nothing changes", selected: 6, target: 6, cancel: true,
              shownAfter: [aDown, aUp] }
        ]
    }

    function test_load(data) {
        var imported = dialogProbe.writeText("fire.mc", "[config]\nindex=9\ntotal=3\nrepeat=3\n[macro]\n"
                                             + "0=" + cDown + "\n1=30   [Delay]\n2=" + cUp + "\n")
        ui_View.saveMacroIni("Macro. 006", [aDown, aUp]) // slot 5
        ui_View.saveMacroIni("Macro. 007", [bDown, bUp]) // slot 6
        var t = macroPage()
        selectFile(t, data.selected)
        if (data.changedBehind)
            ui_View.saveMacroIni(defaultName(data.selected), [cDown])
        var userFiles = dialogProbe.tree()
        dialogProbe.answer(data.cancel ? "" : imported)
        chooseFromMenu(t, data.target - 1, 0)
        compare(dialogProbe.shownChoosers(), ["Open File|Macro(*.mc)"])
        compare(shown(t), data.shownAfter)
        var stored = keyboardProbe.macroFile(defaultName(data.target))
        if (data.cancel) {
            compare(stored, [aDown, aUp])
            compare(ui_View.loadMacroIniConfig(defaultName(data.target)), [data.target - 1, 1])
        } else {
            compare(stored, [cDown, "30   [Delay]", cUp])
            // The file keeps its own slot; the play mode comes with the import.
            compare(ui_View.loadMacroIniConfig(defaultName(data.target)), [data.target - 1, 3])
        }
        compare(keyboardProbe.macroFile("Macro. 007"), data.changedBehind ? [cDown] : [bDown, bUp])
        compare(dialogProbe.tree(), userFiles) // the chosen file is only read
    }

    function test_save() {
        ui_View.saveMacroIni("Macro. 006", [aDown, "40   [Delay]", aUp])
        var t = macroPage()
        var target = dialogProbe.userFolder() + "/exported.mc"
        verify(!dialogProbe.exists(target))
        dialogProbe.answer(target)
        chooseFromMenu(t, 5, 1)
        compare(dialogProbe.shownChoosers(), ["Save File|Macro(*.mc)"])
        verify(dialogProbe.exists(target))
        compare(dialogProbe.readText(target), dialogProbe.readText("modules/macro/Macro. 006.bin"))
        compare(t.page.getCurrentMacroName(), undefined)
    }

    // ---- renaming ----

    // A press on the page background reaches the root's dragRegion.
    function pressBackground(t) {
        mousePress(t.page, 30, 300)
        mouseRelease(t.page, 30, 300)
    }

    function test_rename_data() {
        return [
            { tag: "ended by Return", typed: "Fire", end: "return", renamed: true },
            { tag: "ended by Enter", typed: "Fire", end: "enter", renamed: true },
            { tag: "ended by a background press", typed: "Fire", end: "background", renamed: true },
            { tag: "an empty name is refused", typed: "", end: "return", renamed: false },
            { tag: "'..' is refused", typed: "..", end: "return", renamed: false },
            { tag: "a name with / is refused", typed: "a/b", end: "return", renamed: false },
            { tag: "a name with \\ is refused", typed: "a\\b", end: "background", renamed: false },
            { tag: "another macro's name is refused", typed: "Macro. 009", end: "return", renamed: false }
        ]
    }

    function test_rename(data) {
        ui_View.saveMacroIni("Macro. 008", [aDown, aUp]) // slot 7
        ui_View.saveMacroIni("Macro. 009", [bDown])
        var t = macroPage()
        selectFile(t, 8)
        var before = dialogProbe.tree(".")
        chooseFromMenu(t, 7, 2)
        var text = part(entry(t.files, 7), "textLeft")
        verify(text.activeFocus)
        compare(text.selectedText, "Macro. 008")
        keyClick(Qt.Key_Backspace)
        for (var i = 0; i < data.typed.length; ++i)
            keyClick(data.typed[i])
        compare(text.text, data.typed)
        if (data.end === "background")
            pressBackground(t)
        else
            keyClick(data.end === "enter" ? Qt.Key_Enter : Qt.Key_Return)
        var names = t.page.macroNames()
        compare(names.length, slots)
        var listed = []
        for (var n = 0; n < t.files.mdItems.count; ++n)
            listed.push(t.files.mdItems.get(n).textX)
        compare(listed, names)
        var name = data.renamed ? data.typed : "Macro. 008"
        compare(t.page.getCurrentMacroName(), name) // still selected, under its name
        compare(shown(t), [aDown, aUp])
        compare(keyboardProbe.macroFile(name), [aDown, aUp])
        compare(parseInt(ui_View.loadMacroIniConfig(name)[0]), 7)
        compare(keyboardProbe.macroFile("Macro. 009"), [bDown])
        if (data.renamed) {
            verify(names.indexOf("Macro. 008") < 0)
            // The next edit goes to the renamed file.
            click(tool(t, "img_addDelay"))
            compare(keyboardProbe.macroFile(name), [aDown, aUp, "1000   [Delay]"])
        } else {
            compare(names.indexOf("Macro. 008"), 7)
            compare(dialogProbe.tree("."), before)
        }
    }

    function test_renameKeepsTheSelectionOnItsFile() {
        ui_View.saveMacroIni("Macro. 010", [cDown])
        var t = macroPage()
        selectFile(t, 10)
        chooseFromMenu(t, 10, 2) // Macro. 011
        keyClick(Qt.Key_Backspace)
        keyClick("a")
        keyClick(Qt.Key_Return)
        compare(t.files.mdItems.get(0).textX, "a") // sorted first
        compare(t.files.currentIndex, 10)
        compare(t.page.getCurrentMacroName(), "Macro. 010")
        compare(shown(t), [cDown])
    }

    // ---- labels and strings ----

    function test_toolLabels_data() {
        return [
            { tag: "delete", name: "img_SolidDelete", label: "DELETE" },
            { tag: "cut", name: "img_SolidCut", label: "CUT" },
            { tag: "paste", name: "img_SolidPaste", label: "PASTE", whileEnabled: true },
            { tag: "copy", name: "img_SolidCopy", label: "COPY" }
        ]
    }

    function test_toolLabels(data) {
        ui_View.saveMacroIni("Macro. 020", [aDown])
        var t = macroPage()
        var button = tool(t, data.name)
        var label = part(t.page, data.name + "_label")
        compare(label.text, data.label)
        verify(!label.visible)
        mouseMove(button, 5, 5) // disabled: no file, no step, nothing to paste
        compare(label.visible, !data.whileEnabled)
        mouseMove(t.page, 30, 300)
        verify(!label.visible)
        selectFile(t, 20)
        clickEntry(t.steps, 0)
        t.page.copyStep()
        verify(button.enabled)
        mouseMove(button, 5, 5)
        verify(label.visible)
        var right = label.mapToItem(t.page, label.width, 0).x
        var buttonLeft = button.mapToItem(t.page, 0, 0).x
        compare(buttonLeft - right, 10)
    }

    function test_translateStrings() {
        var t = macroPage()
        var strings = []
        for (var i = 0; i < 115; ++i)
            strings.push("S" + i)
        t.scene.globalSetting_stringList = strings
        t.page.translateStrings()
        compare(part(t.page, "fileHeadingText").text, "S44")
        compare(part(t.page, "stepHeadingText").text, "S45")
        compare(part(t.page, "img_SolidCopy_label").text, "S83")
        var labels = []
        for (var e = 0; e < 4; ++e)
            labels.push(part(part(t.menu, "entry" + e), "entryText").text)
        compare(labels, ["S84", "S85", "S112", "S78"])
    }

    // ---- imported files that are not macros ----

    // Deterministic bytes without line ends or "=".
    function garbage(count) {
        var bytes = []
        var x = 12345
        while (bytes.length < count) {
            x = (x * 1103515245 + 12345) % 2147483648
            var b = (x >> 16) & 0xFF
            if (b !== 0x0A && b !== 0x0D && b !== 0x3D)
                bytes.push(b)
        }
        return bytes
    }

    function stepLines(steps) {
        var text = "[config]\nindex=3\ntotal=" + steps.length + "\nrepeat=1\n[macro]\n"
        for (var i = 0; i < steps.length; ++i)
            text += i + "=" + steps[i] + "\n"
        return text
    }

    function test_badImport_data() {
        var many = []
        for (var i = 0; i < 10000; ++i)
            many.push(i % 2 === 0 ? aDown : aUp)
        // Over-long: the first 128 bytes, header and 63 words of A down / up.
        var cut = [0x01, 0x00]
        for (var w = 0; w < 63; ++w)
            cut.push(0x04, w % 2 === 0 ? 0x01 : 0x81)
        return [
            { tag: "binary garbage", bytes: garbage(4096), shownSteps: [],
              download: [0x01, 0x00, 0x00, 0x7F, 0x64, 0x00] },
            { tag: "a huge file", text: stepLines([cDown, cUp]), padding: ";" + "x".repeat(1022) + "\n",
              repeat: 8192, shownSteps: [cDown, cUp],
              download: [0x01, 0x00, 0x06, 0x01, 0x06, 0x81, 0x00, 0x7F, 0x64, 0x00] },
            { tag: "10 000 steps", text: stepLines(many), shownCount: 10000, warned: true,
              download: cut },
            // Read up to 65536 steps, the missing ones as "0"; so is the
            // download, which leaves out the added delay behind them.
            { tag: "a step count beyond any macro", text: "[config]\ntotal=2000000000\n[macro]\n0=" + aDown + "\n",
              shownCount: 65536, download: [0x01, 0x00, 0x04, 0x01] },
            { tag: "unknown command fields",
              text: stepLines(["A   [Press]", "B", "", cDown, "C [Down]", "    [Down]"]),
              // An unquoted INI value loses its leading blanks.
              shownSteps: ["A   [Press]", "B", "", cDown, "C [Down]", "[Down]"],
              download: [0x01, 0x00, 0x06, 0x01, 0x00, 0x7F, 0x64, 0x00] },
            { tag: "delays abc and 999999", text: stepLines(["abc   [Delay]", "999999   [Delay]"]),
              shownSteps: ["abc   [Delay]", "999999   [Delay]"],
              // 99999 units, of which the keyboard's word keeps the low 16 bits: 0x869F.
              download: [0x01, 0x00, 0x00, 0x7F, 0x9F, 0x86, 0x00, 0x7F, 0x64, 0x00] }
        ]
    }

    function test_badImport(data) {
        var path = data.bytes ? dialogProbe.writeBytes("bad.mc", data.bytes)
                              : dialogProbe.writeText("bad.mc", data.text)
        if (data.padding)
            path = dialogProbe.writeText("bad.mc", data.text + data.padding.repeat(data.repeat))
        verify(path !== "")
        var t = macroPage()
        selectFile(t, 1) // slot 0
        var userFiles = dialogProbe.tree()
        var names = ui_View.getMacroIniNames()
        dialogProbe.answer(path)
        chooseFromMenu(t, 0, 0)
        if (data.shownSteps !== undefined)
            compare(shown(t), data.shownSteps)
        else
            compare(t.steps.mdItems.count, data.shownCount)
        compare(parseInt(ui_View.loadMacroIniConfig("Macro. 001")[0]), 0) // keeps its slot
        compare(ui_View.getMacroIniNames(), names)
        compare(dialogProbe.tree(), userFiles)
        // An edit saves what is shown and downloads well-formed bytes.
        keyboardProbe.clearCapture()
        click(tool(t, "img_addDelay"))
        compare(t.steps.mdItems.count, (data.shownSteps ? data.shownSteps.length : data.shownCount) + 1)
        compare(slotBytes(0), buffer(data.download))
        var downloads = keyboardProbe.capture().filter(function(line) {
            return line.indexOf("cmd feature-out 00 10 ") >= 0
        })
        compare(downloads.length, 1)
        // The English pack's messages 0 and 1.
        compare(dialogProbe.shownWarnings(), data.warned
                ? ["Macro too long|This macro is too long for a keyboard macro slot and cannot be "
                   + "stored completely. Please shorten it and assign it again."] : [])
    }
}
