import QtQuick
import QtTest

// The window's frame from the keyboard: the Tab order (top bar with the
// website link between its buttons, function menu, the page shown, profile
// menu, bottom bar; the settings panel and the top bar while the panel is
// open), Escape on the panel, the busy protection holding the keys, and the
// shortcuts Ctrl+S (ALL SAVE) and F1 to F4 (KEY, MACRO, COLOR, the fourth
// page). The virtual keyboard has three profiles.
SceneTestCase {
    id: test
    name: "FrameKeys"

    // The frame's controls in reading order with no page shown.
    readonly property var frameOrder: ["settingsButton", "logoWeb_img", "closeButton",
        "function0", "function1", "function2", "function3",
        "profile0", "profile1", "profile2", "allResetButton", "allSaveButton"]
    // The settings panel's rows in reading order.
    readonly property var panelRows: ["_skin", "_sound", "_animated", "_language", "_background",
        "_sizeChoice", "_PaletteIndex", "_Palette", "_brightness", "resetApplyPair"]
    readonly property var pageNames: ["_Page_Keydefine", "_Page_Macro", "_Page_Color",
                                      "_Page_BackLighting"]

    Component {
        id: spyComponent
        SignalSpy {}
    }

    Component {
        id: textFieldComponent
        TextInput { objectName: "testTextField"; width: 50; height: 20; activeFocusOnTab: true }
    }

    // A key field while it takes the next key, as the frame recognises one.
    Component {
        id: listeningFieldComponent
        Item { objectName: "testKeyField"; width: 50; height: 20; property bool listening: true }
    }

    // The started scene with the power-on finished and the keyboard focus in it.
    function keyboardScene() {
        var scene = startScene()
        tryVerify(function() { return !part(scene, "pa_X").running })
        tryCompare(part(scene, "upItem"), "y", 0)
        scene.forceActiveFocus()
        return scene
    }

    function focused() {
        return test.Window.activeFocusItem
    }

    function focusedName() {
        var item = focused()
        return item ? item.objectName : "(none)"
    }

    function inside(item, ancestor) {
        for (var at = item; at; at = at.parent) {
            if (at === ancestor)
                return true
        }
        return false
    }

    function focusOn(scene, name) {
        var item = part(scene, name)
        item.forceActiveFocus()
        compare(focusedName(), name)
        return item
    }

    // The names of the focused controls after each of `count` presses.
    function walk(count, key) {
        var names = []
        for (var i = 0; i < count; ++i) {
            keyClick(key === undefined ? Qt.Key_Tab : key)
            names.push(focusedName())
        }
        return names
    }

    // Every item under `item` that Tab stops at: shown, enabled, in the chain.
    function tabStops(item, found) {
        found = found || []
        for (var i = 0; i < item.children.length; ++i) {
            var child = item.children[i]
            if (!child.visible || !child.enabled)
                continue
            if (child.activeFocusOnTab)
                found.push(child)
            tabStops(child, found)
        }
        return found
    }

    // The controls Tab (or Shift+Tab) visits inside `area`, starting from the
    // focused control outside it; ends on the first control after the area.
    function runThrough(area, key) {
        var run = []
        for (var i = 0; i < 300; ++i) {
            keyClick(key)
            if (!inside(focused(), area))
                return { run: run, after: focusedName() }
            run.push(focused())
        }
        fail("the focus never left " + area.objectName)
    }

    function showPage(scene, index) {
        mouseClick(part(scene, "function" + index))
        var fkPage = part(scene, "_fkPage")
        tryVerify(function() {
            return fkPage.curID === index && !part(scene, "pa_X").running
                    && !part(scene, "paBack_X").running
        })
        scene.forceActiveFocus()
        return part(scene, pageNames[index])
    }

    function waitUntilIdle(scene) {
        tryVerify(function() { return !scene.busy }, 5000)
    }

    // ---- the Tab order ----

    function test_tabOrderWithNoPage_data() {
        return [
            { tag: "Tab", key: Qt.Key_Tab, order: frameOrder },
            { tag: "Shift+Tab", key: Qt.Key_Backtab, order: frameOrder.slice().reverse() }
        ]
    }

    // From the root (nothing focused yet) the first Tab goes to the settings
    // button; then every control once, in order, and round again.
    function test_tabOrderWithNoPage(data) {
        var scene = keyboardScene()
        compare(part(scene, "_fkPage").curID, -1)
        compare(focused(), scene)
        var first = data.order[0]
        focusOn(scene, first)
        compare(walk(data.order.length, data.key), data.order.slice(1).concat([first]))
    }

    function test_firstTabFromTheRoot() {
        var scene = keyboardScene()
        compare(focused(), scene)
        keyClick(Qt.Key_Tab)
        compare(focusedName(), "settingsButton")
    }

    function test_tabOrderThroughAPage_data() {
        return [
            { tag: "keys", pages: [0] },
            { tag: "macros", pages: [1] },
            { tag: "lighting", pages: [2] },
            { tag: "back-lighting", pages: [3] },
            { tag: "lighting after keys", pages: [0, 2] }
        ]
    }

    // The page shown comes between the function menu and the profile menu,
    // each of its shown controls once; a page that was shown before and is
    // hidden now is left out. Shift+Tab goes back through it.
    function test_tabOrderThroughAPage(data) {
        var scene = keyboardScene()
        var page
        for (var i = 0; i < data.pages.length; ++i)
            page = showPage(scene, data.pages[i])
        var stops = tabStops(page)
        verify(stops.length > 0, "the page has controls to reach")

        focusOn(scene, "function3")
        var forward = runThrough(page, Qt.Key_Tab)
        compare(forward.after, "profile0")
        // Each control once (a control may hand the focus to a part of it).
        for (i = 0; i < forward.run.length; ++i)
            compare(forward.run.indexOf(forward.run[i]), i, "visited twice: " + forward.run[i])
        for (i = 0; i < stops.length; ++i) {
            var stop = stops[i]
            verify(forward.run.some(function(item) { return inside(item, stop) }),
                   "reached " + stop.objectName)
        }

        focusOn(scene, "profile0")
        var backward = runThrough(page, Qt.Key_Backtab)
        compare(backward.after, "function3")
        compare(backward.run, forward.run.slice().reverse())
    }

    // A click that hides the page holding the focus moves the focus to the
    // function menu: to the page shown, or to the entry clicked when the
    // click hid its own page.
    function test_focusLeavesAHiddenPage_data() {
        return [
            { tag: "another page", click: 2, page: 2, focus: "function2" },
            { tag: "the page's own entry", click: 0, page: -1, focus: "function0" }
        ]
    }

    function test_focusLeavesAHiddenPage(data) {
        var scene = keyboardScene()
        var page = showPage(scene, 0)
        focusOn(scene, "function3")
        keyClick(Qt.Key_Tab)
        verify(inside(focused(), page), focusedName())
        mouseClick(part(scene, "function" + data.click))
        var fkPage = part(scene, "_fkPage")
        tryVerify(function() {
            return fkPage.curID === data.page && !part(scene, "pa_X").running
                    && !part(scene, "paBack_X").running
        })
        compare(focusedName(), data.focus)
    }

    // The rows of the panel Tab visits, in the order visited.
    function panelRowsOf(run) {
        var rows = []
        for (var i = 0; i < run.length; ++i) {
            var row = ""
            for (var at = run[i]; at && row === ""; at = at.parent) {
                if (panelRows.indexOf(at.objectName) >= 0)
                    row = at.objectName
            }
            verify(row !== "", "a control outside the rows: " + run[i])
            if (rows[rows.length - 1] !== row)
                rows.push(row)
        }
        return rows
    }

    // The rows that hold a control Tab stops at.
    function panelRowsWithStops(scene) {
        return panelRows.filter(function(name) {
            var row = part(scene, name)
            return row.visible && row.enabled && (row.activeFocusOnTab || tabStops(row).length > 0)
        })
    }

    // Activated from the keyboard the settings button opens the panel and
    // puts the focus on its first control; Tab then goes through the panel's
    // rows in order and on to the top bar only: the rest is disabled.
    function test_tabOrderWithTheSettingsPanel_data() {
        return [
            { tag: "Tab", key: Qt.Key_Tab },
            { tag: "Shift+Tab", key: Qt.Key_Backtab }
        ]
    }

    function test_tabOrderWithTheSettingsPanel(data) {
        var scene = keyboardScene()
        var panel = part(scene, "_fkGlobalsetting")
        focusOn(scene, "settingsButton")
        keyClick(Qt.Key_Return)
        verify(part(scene, "upItem").isGlobalSettingSelect)
        var expectedRows = panelRowsWithStops(scene)
        verify(expectedRows.indexOf("_background") >= 0, expectedRows)
        verify(inside(focused(), part(scene, expectedRows[0])),
               "the panel's first control has the focus, not " + focusedName())

        var topBar = ["settingsButton", "logoWeb_img", "closeButton"]
        if (data.key === Qt.Key_Tab) {
            focusOn(scene, "closeButton")
            var run = runThrough(panel, Qt.Key_Tab)
            compare(panelRowsOf(run.run), expectedRows)
            compare(run.after, "settingsButton")
            compare(walk(2), ["logoWeb_img", "closeButton"])
        } else {
            focusOn(scene, "settingsButton")
            run = runThrough(panel, Qt.Key_Backtab)
            compare(panelRowsOf(run.run), expectedRows.slice().reverse())
            compare(run.after, "closeButton")
            compare(walk(2, Qt.Key_Backtab), ["logoWeb_img", "settingsButton"])
        }
    }

    // ---- Escape and the settings panel ----

    function test_escapeClosesTheSettingsPanel() {
        var scene = keyboardScene()
        var upItem = part(scene, "upItem")
        focusOn(scene, "settingsButton")
        keyClick(Qt.Key_Space)
        verify(upItem.isGlobalSettingSelect)
        verify(inside(focused(), part(scene, "_fkGlobalsetting")), focusedName())
        soundProbe.clear()
        keyClick(Qt.Key_Escape)
        verify(!upItem.isGlobalSettingSelect)
        compare(focusedName(), "settingsButton")
        compare(soundProbe.started(2), soundProbe.enabled() ? 1 : 0, "the settings button's sound")
        tryVerify(function() { return !part(scene, "_fkGlobalsetting").visible })
        verify(part(scene, "fnItem").enabled)
        // Return on the button opens it again, and again closes it.
        keyClick(Qt.Key_Return)
        verify(upItem.isGlobalSettingSelect)
        focusOn(scene, "settingsButton")
        keyClick(Qt.Key_Return)
        verify(!upItem.isGlobalSettingSelect)
        compare(focusedName(), "settingsButton")
    }

    // Closed in any other way (apply, a click on the button) while the focus
    // is in the panel, the panel hands the focus to its button; so it does
    // when the focus went into it while it slid out.
    function test_closingThePanelGivesTheFocusToItsButton_data() {
        return [
            { tag: "the focus in the panel", whileSliding: false },
            { tag: "the focus going in while it slides out", whileSliding: true }
        ]
    }

    function test_closingThePanelGivesTheFocusToItsButton(data) {
        var scene = keyboardScene()
        var upItem = part(scene, "upItem")
        var panel = part(scene, "_fkGlobalsetting")
        upItem.isGlobalSettingSelect = true
        tryVerify(function() { return !part(scene, "paGlobalsetting_X").running })
        if (!data.whileSliding)
            focusOn(scene, "_background")
        scene.animation_speed = 400
        upItem.isGlobalSettingSelect = false
        if (data.whileSliding) {
            verify(part(scene, "paGlobalsettingBack_X").running)
            focusOn(scene, "_background")
        } else {
            compare(focusedName(), "settingsButton", "at once")
        }
        tryVerify(function() { return !panel.visible }, 3000)
        compare(focusedName(), "settingsButton")
    }

    function test_escapeElsewhereChangesNothing_data() {
        return [
            { tag: "function menu", name: "function1" },
            { tag: "profile button", name: "profile1" },
            { tag: "ALL SAVE", name: "allSaveButton" },
            { tag: "the root", name: "" }
        ]
    }

    function test_escapeElsewhereChangesNothing(data) {
        var scene = keyboardScene()
        if (data.name !== "")
            focusOn(scene, data.name)
        var before = focused()
        var saved = createTemporaryObject(spyComponent, test,
                                          { target: part(scene, "downItem"), signalName: "btnTotalApplyClicked" })
        keyClick(Qt.Key_Escape)
        compare(focused(), before)
        compare(part(scene, "fnItem").currentIndex, -1)
        compare(part(scene, "pfItem").currentIndex, ui_View.ui_A1H_GetCurrentProfile())
        verify(!part(scene, "upItem").isGlobalSettingSelect)
        verify(!scene.busy)
        compare(saved.count, 0)
    }

    // ---- busy protection ----

    // While busy the indicator holds the focus and takes every key: Tab
    // moves nothing, no shortcut acts; then the focus is back where it was.
    function test_busyHoldsTheKeys() {
        var scene = keyboardScene()
        focusOn(scene, "function1")
        var saved = createTemporaryObject(spyComponent, test,
                                          { target: part(scene, "downItem"), signalName: "btnTotalApplyClicked" })
        scene.setProtectUI(400)
        verify(scene.busy)
        compare(focusedName(), "protectUIItem")
        keyClick(Qt.Key_Tab)
        keyClick(Qt.Key_Backtab)
        compare(focusedName(), "protectUIItem")
        keyClick(Qt.Key_F3)
        keyClick(Qt.Key_S, Qt.ControlModifier)
        keyClick(Qt.Key_Return)
        compare(part(scene, "fnItem").currentIndex, -1)
        compare(saved.count, 0)
        tryVerify(function() { return !scene.busy }, 3000)
        compare(focusedName(), "function1")
        compare(part(scene, "fnItem").currentIndex, -1)
    }

    // ALL SAVE from the keyboard: busy, then the focus is back on the button.
    function test_allSaveFromTheKeyboardKeepsTheFocus() {
        var scene = keyboardScene()
        focusOn(scene, "allSaveButton")
        var saved = createTemporaryObject(spyComponent, test,
                                          { target: part(scene, "downItem"), signalName: "btnTotalApplyClicked" })
        keyClick(Qt.Key_Return)
        compare(saved.count, 1)
        verify(scene.busy)
        waitUntilIdle(scene)
        compare(focusedName(), "allSaveButton")
    }

    // ---- the shortcuts ----

    // The reports since the last clear, without their time stamps.
    function reports() {
        return keyboardProbe.capture().map(function(line) {
            return line.split(" ").slice(1).join(" ")
        })
    }

    function commandsOf(lines) {
        return lines.filter(function(line) {
            return / cmd feature-out 00 /.test(" " + line)
        }).map(function(line) { return line.split(" ")[3] })
    }

    // A full ALL SAVE's reports: the key matrix (0C) and the lighting
    // record (08) have gone out and the busy time is over.
    function waitForAllSave(scene) {
        verify(scene.busy)
        compare(part(scene, "tmrProtectUI").interval, 2000)
        waitUntilIdle(scene)
        tryVerify(function() {
            var codes = commandsOf(reports())
            return codes.indexOf("0C") >= 0 && codes.indexOf("08") >= 0
        }, 5000)
        return reports()
    }

    // Ctrl+S sends exactly what a click on ALL SAVE sends, with its sound
    // and its busy time. A first save builds and reads the pages it saves.
    function test_ctrlSIsAllSave() {
        var scene = keyboardScene()
        var saveButton = part(scene, "allSaveButton")
        mouseClick(saveButton)
        waitForAllSave(scene)

        focusOn(scene, "function2")
        keyboardProbe.clearCapture()
        soundProbe.clear()
        keyClick(Qt.Key_S, Qt.ControlModifier)
        var typed = waitForAllSave(scene)
        var typedCues = soundProbe.started(4)
        compare(focusedName(), "function2", "the focus stays")

        keyboardProbe.clearCapture()
        soundProbe.clear()
        mouseClick(saveButton)
        waitForAllSave(scene)
        tryVerify(function() { return reports().length >= typed.length }, 5000)
        compare(typed, reports())
        compare(typedCues, soundProbe.started(4))
    }

    function test_functionKeysShowPages_data() {
        return [
            { tag: "F1 keys", from: -1, key: Qt.Key_F1, page: 0, focus: "function0" },
            { tag: "F2 macros", from: -1, key: Qt.Key_F2, page: 1, focus: "function1" },
            { tag: "F3 lighting", from: -1, key: Qt.Key_F3, page: 2, focus: "function2" },
            { tag: "F4 back-lighting", from: -1, key: Qt.Key_F4, page: 3, focus: "function3" },
            { tag: "F1 from the lighting page", from: 2, key: Qt.Key_F1, page: 0, focus: "function0" },
            { tag: "the page's own key keeps it", from: 1, key: Qt.Key_F2, page: 1, focus: "function1" },
            { tag: "Shift+F3 is no shortcut", from: -1, key: Qt.Key_F3,
              modifiers: Qt.ShiftModifier, page: -1, focus: "allResetButton" },
            { tag: "F5 is no shortcut", from: 0, key: Qt.Key_F5, page: 0, focus: "allResetButton" }
        ]
    }

    // The chosen page's function menu entry takes the focus (a screen reader
    // names the page); a key that is no shortcut leaves the focus.
    function test_functionKeysShowPages(data) {
        var scene = keyboardScene()
        if (data.from >= 0)
            showPage(scene, data.from)
        focusOn(scene, "allResetButton")
        keyClick(data.key, data.modifiers === undefined ? Qt.NoModifier : data.modifiers)
        var fkPage = part(scene, "_fkPage")
        tryVerify(function() {
            return !part(scene, "pa_X").running && !part(scene, "paBack_X").running
        })
        compare(fkPage.curID, data.page)
        compare(part(scene, "fnItem").currentIndex, data.page)
        if (data.page >= 0)
            verify(part(scene, pageNames[data.page]).visible)
        compare(focusedName(), data.focus)
    }

    function test_noShortcutWhile_data() {
        return [
            { tag: "nothing in the way (both act)", acts: true },
            { tag: "a text field has the focus", textField: true },
            { tag: "a key field takes the next key", keyField: true },
            { tag: "the macro page's key field waits for a key", macroKeyField: true, page: 1 },
            { tag: "a macro is being recorded", recording: true },
            { tag: "the settings panel is open", panel: true },
            { tag: "busy", busy: true }
        ]
    }

    // Neither F3 nor Ctrl+S acts while keys are typed or taken, the panel is
    // open or the scene is busy.
    function test_noShortcutWhile(data) {
        var scene = keyboardScene()
        var fnItem = part(scene, "fnItem")
        var saved = createTemporaryObject(spyComponent, test,
                                          { target: part(scene, "downItem"), signalName: "btnTotalApplyClicked" })
        var page = data.page === undefined ? -1 : data.page
        if (page >= 0)
            showPage(scene, page)
        focusOn(scene, "function0")
        if (data.macroKeyField) {
            var keyField = focusOn(scene, "keyboardAction")
            keyClick(Qt.Key_Return)
            verify(keyField.listening)
        }
        if (data.textField || data.keyField) {
            var component = data.textField ? textFieldComponent : listeningFieldComponent
            var field = createTemporaryObject(component, part(scene, "fnItem"))
            field.forceActiveFocus()
            compare(focused(), field)
        }
        if (data.recording) {
            var macroPage = part(scene, "main_Q3").page(1)
            macroPage.isRecordStart = true
        }
        if (data.panel)
            part(scene, "upItem").isGlobalSettingSelect = true
        if (data.busy)
            scene.setProtectUI(300)
        try {
            keyClick(Qt.Key_F3)
            compare(fnItem.currentIndex, data.acts ? 2 : page, "F3")
            keyClick(Qt.Key_S, Qt.ControlModifier)
            compare(saved.count, data.acts ? 1 : 0, "Ctrl+S")
        } finally {
            if (data.recording)
                macroPage.isRecordStart = false
        }
        waitUntilIdle(scene)
    }

    // ---- names and states for screen readers ----

    function test_accessibleNames_data() {
        return [
            { tag: "settings", name: "settingsButton", role: Accessible.Button, text: "SETTINGS" },
            { tag: "website", name: "logoWeb_img", role: Accessible.Button, text: "WEBSITE" },
            { tag: "close", name: "closeButton", role: Accessible.Button, text: "CLOSE" },
            { tag: "keys", name: "function0", role: Accessible.PageTab, text: "KEY" },
            { tag: "macros", name: "function1", role: Accessible.PageTab, text: "MACRO" },
            { tag: "lighting", name: "function2", role: Accessible.PageTab, text: "COLOR" },
            { tag: "fourth page", name: "function3", role: Accessible.PageTab, text: "SENSOR" },
            { tag: "profile 1", name: "profile0", role: Accessible.Button, text: "PROFILE 1" },
            { tag: "profile 3", name: "profile2", role: Accessible.Button, text: "PROFILE 3" },
            { tag: "all reset", name: "allResetButton", role: Accessible.Button, text: "ALL RESET" },
            { tag: "all save", name: "allSaveButton", role: Accessible.Button, text: "ALL SAVE" },
            { tag: "background", name: "_background", role: Accessible.CheckBox, text: "BACKGROUND" },
            { tag: "skin", name: "_skin", role: Accessible.ComboBox, text: "SKIN SKIN 1" },
            { tag: "text brightness", name: "_brightness", role: Accessible.Slider, text: "BRIGHTNESS" },
            { tag: "settings panel", name: "_Page_Globalsetting", role: Accessible.Dialog, text: "SETTINGS",
              noTabStop: true },
            { tag: "busy indicator", name: "protectUIItem", role: Accessible.ProgressBar,
              text: "LOADING ......", noTabStop: true }
        ]
    }

    function test_accessibleNames(data) {
        var scene = keyboardScene()
        var item = part(scene, data.name)
        compare(item.Accessible.role, data.role)
        compare(item.Accessible.name, data.text)
        if (data.noTabStop)
            return
        verify(item.Accessible.focusable)
        verify(item.activeFocusOnTab || data.name === "logoWeb_img")
    }

    // Function menu entries are page tabs, selected while their page is the
    // current one; profile buttons are checked while theirs is active.
    function test_accessibleStates() {
        var scene = keyboardScene()
        showPage(scene, 2)
        for (var i = 0; i < 4; ++i)
            compare(part(scene, "function" + i).Accessible.selected, i === 2, "function" + i)
        var active = ui_View.ui_A1H_GetCurrentProfile()
        for (i = 0; i < 3; ++i) {
            var button = part(scene, "profile" + i)
            verify(button.Accessible.checkable)
            compare(button.Accessible.checked, i === active, "profile" + i)
        }
        var settings = part(scene, "settingsButton")
        verify(!settings.Accessible.checked)
        part(scene, "upItem").isGlobalSettingSelect = true
        verify(settings.Accessible.checked)
    }

    // ---- activation from the keyboard ----

    // Return, Enter and Space on a function menu entry act as a click: the
    // current entry's key hides its page again.
    function test_functionEntryKeys_data() {
        return [
            { tag: "Return", keys: [Qt.Key_Return], page: 1 },
            { tag: "Enter", keys: [Qt.Key_Enter], page: 1 },
            { tag: "Space", keys: [Qt.Key_Space], page: 1 },
            { tag: "twice hides", keys: [Qt.Key_Space, Qt.Key_Return], page: -1 }
        ]
    }

    function test_functionEntryKeys(data) {
        var scene = keyboardScene()
        focusOn(scene, "function1")
        for (var i = 0; i < data.keys.length; ++i) {
            keyClick(data.keys[i])
            tryVerify(function() {
                return !part(scene, "pa_X").running && !part(scene, "paBack_X").running
            })
        }
        compare(part(scene, "_fkPage").curID, data.page)
        compare(focusedName(), "function1")
    }

    function test_arrowsMoveInTheMenus_data() {
        return [
            { tag: "down the function menu", from: "function1", key: Qt.Key_Down, to: "function2" },
            { tag: "up the function menu", from: "function1", key: Qt.Key_Up, to: "function0" },
            { tag: "stops at the first entry", from: "function0", key: Qt.Key_Up, to: "function0" },
            { tag: "stops at the last entry", from: "function3", key: Qt.Key_Down, to: "function3" },
            { tag: "down the profiles", from: "profile0", key: Qt.Key_Down, to: "profile1" },
            { tag: "stops at the last profile", from: "profile2", key: Qt.Key_Down, to: "profile2" }
        ]
    }

    function test_arrowsMoveInTheMenus(data) {
        var scene = keyboardScene()
        focusOn(scene, data.from)
        keyClick(data.key)
        compare(focusedName(), data.to)
        compare(part(scene, "fnItem").currentIndex, -1, "arrows choose nothing")
    }

    // Return on another profile's button makes it active, as a left click.
    function test_profileButtonKeys() {
        var scene = keyboardScene()
        var menu = part(scene, "pfItem")
        var start = menu.currentIndex
        var other = (start + 1) % 3
        var spy = createTemporaryObject(spyComponent, test, { target: menu, signalName: "indexChanged_btn" })
        try {
            focusOn(scene, "profile" + other)
            keyboardProbe.clearCapture()
            keyClick(Qt.Key_Return)
            compare(menu.currentIndex, other)
            compare(spy.count, 1)
            tryVerify(function() {
                return reports().indexOf("cmd feature-out 00 21 0" + other + " 00 00 00 55 AA 00") >= 0
            }, 3000)
            keyClick(Qt.Key_Space) // the active one again: nothing
            compare(spy.count, 1)
        } finally {
            ui_View.ui_21H_SetCurrentProfile(start)
        }
    }

    // The Menu key opens the profile's context menu with the keyboard's
    // place in it; Escape closes it and gives the focus back to the button.
    function test_profileContextMenuFromTheKeyboard() {
        var scene = keyboardScene()
        var contextMenu = part(scene, "itLvContextMenu")
        focusOn(scene, "profile1")
        keyClick(Qt.Key_Menu)
        verify(contextMenu.visible)
        compare(contextMenu.profileIndex, 1)
        verify(contextMenu.activeFocus)
        keyClick(Qt.Key_Escape)
        compare(focusedName(), "profile1")
        verify(!part(scene, "upItem").isGlobalSettingSelect)
    }
}
