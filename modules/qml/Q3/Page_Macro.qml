import QtQuick
import "../common"
import "../common/KeyActions.js" as KeyActions

// The macro editor page (page 1): the macro files of the library on the left,
// the steps of the selected file on the right. Steps are recorded from the
// key events seen anywhere on the desktop or added one by one, and edited with
// delete, cut, copy and paste; every change is saved to the file at once (the
// backend downloads macros of the first slots as it saves them). A context
// menu on a file imports, exports or renames it.
//
// By keyboard the page reads: file list, record, stop, step list, the four
// step tools, key field, add key, delay field, add delay. The lists move with
// the arrows; on the step list Delete, Ctrl+X, Ctrl+C and Ctrl+V run the step
// tools and the focus stays on the list. The key field and the recording
// listen only once started (click, Return, Enter or Space) and then take
// every key, Tab and Escape included; capturingKeys tells the frame so.
Item {
    id: _Page_Macro
    width: 759
    height: 396

    // One group for screen readers, named as its function menu entry.
    Accessible.role: Accessible.Pane
    Accessible.name: mainIten.globalString(75)

    property bool isRecordStart: false
    property string scrapbook: ""      // the step held for pasting
    property bool isUnlimitedCopy: false // true after copy, false after cut
    property int delayValue: 1000      // the delay field's committed value, ms
    property int renameIndex: -1       // the file being renamed

    // A step is a value followed by a command field of ten characters.
    readonly property int commandFieldLength: 10
    readonly property string downField: "    [Down]"
    readonly property string upField: "      [Up]"
    readonly property string delayField: "   [Delay]"
    readonly property int shortestDelay: 10

    // Context menu entries, in the order of mod2.
    readonly property int loadEntry: 0
    readonly property int saveEntry: 1
    readonly property int renameEntry: 2
    // The menu's top on the page beside the first file, unscrolled.
    readonly property int contextMenuTop: 40

    // Step tools, in the order of the tool column.
    readonly property int deleteTool: 0
    readonly property int cutTool: 1
    readonly property int pasteTool: 2
    readonly property int copyTool: 3

    readonly property bool hasFile: fl_MacroFile.currentIndex >= 0
    readonly property bool hasStep: fl_MacroActions.currentIndex >= 0

    // True while key events are material for the page (recording, the key
    // field listening, or the scene's copy of a key the field just took):
    // the frame keeps its own key commands off meanwhile.
    readonly property bool capturingKeys: isRecordStart || keyboardAction.takesKeys

    // The usage of the key (Return, Enter or Space) that started the
    // recording from the keyboard: the global hook's events of that key are
    // not recorded until its release. 0: none.
    property int activationKey: 0
    // Keys the global hook reports held, by usage.
    property var heldKeys: ({})
    // The delay field took the focus from the keyboard: Return keeps it there.
    property bool delayFromKeyboard: false

    function initUI() {
        refreshMacroFiles()
    }

    function translateStrings() {
        var strings = [84, 85, 112, 78]
        for (var i = 0; i < strings.length; ++i)
            mod2.setProperty(i, "name", mainIten.globalString(strings[i]))
    }

    // The library's macro names: its file names without the extension.
    function macroNames() {
        var files = ui_View.getMacroIniNames()
        var names = []
        for (var i = 0; i < files.length; ++i)
            names.push(String(files[i]).slice(0, -4))
        return names
    }

    // Brings the file list up to date in place (an entry being renamed keeps
    // its delegate); the file named `keep` (by default the selected one)
    // stays selected while it exists, otherwise no file is.
    function refreshMacroFiles(keep) {
        if (keep === undefined)
            keep = getCurrentMacroName()
        var names = macroNames()
        for (var i = 0; i < names.length; ++i) {
            if (i >= md_MacroFile.count)
                md_MacroFile.append({ textX: names[i], textR: "" })
            else if (md_MacroFile.get(i).textX !== names[i])
                md_MacroFile.setProperty(i, "textX", names[i])
        }
        if (md_MacroFile.count > names.length)
            md_MacroFile.remove(names.length, md_MacroFile.count - names.length)
        var selected = names.indexOf(keep)
        fl_MacroFile.currentIndex = selected
        if (selected < 0)
            md_MacroActions.clear()
    }

    function refreshMacroActions() {
        md_MacroActions.clear()
        var name = getCurrentMacroName()
        if (name === undefined)
            return
        var steps = ui_View.loadMacroIni(name)
        var entries = []
        for (var i = 0; i < steps.length; ++i)
            entries.push(stepEntry(steps[i]))
        if (entries.length > 0)
            md_MacroActions.append(entries)
    }

    // A step string split into value and command field; a string shorter
    // than the field is all command.
    function stepEntry(step) {
        var text = String(step)
        var split = Math.max(0, text.length - commandFieldLength)
        return { textX: text.slice(0, split), textR: text.slice(split) }
    }

    function getCurrentMacroName() {
        var index = fl_MacroFile.currentIndex
        return index >= 0 && index < md_MacroFile.count ? md_MacroFile.get(index).textX : undefined
    }

    function getAllMacroActions() {
        var steps = []
        for (var i = 0; i < md_MacroActions.count; ++i) {
            var entry = md_MacroActions.get(i)
            steps.push(entry.textX + entry.textR)
        }
        return steps
    }

    function getCurrentMacroActions() {
        var index = fl_MacroActions.currentIndex
        if (index < 0 || index >= md_MacroActions.count)
            return undefined
        var entry = md_MacroActions.get(index)
        return entry.textX + entry.textR
    }

    // Writes every step into the selected file. A write that fails leaves
    // the list as shown (the backend tells the user), so the next write that
    // goes through stores all of it.
    function saveMacro() {
        var name = getCurrentMacroName()
        if (name !== undefined)
            ui_View.saveMacroIni(name, getAllMacroActions())
    }

    // Inserts the entries, in order, before the selected step or at the end.
    function insertSteps(entries) {
        if (!hasFile)
            return
        var at = hasStep ? fl_MacroActions.currentIndex : md_MacroActions.count
        fl_MacroActions.insertEntries(at, entries)
        saveMacro()
    }

    // The key's name, undefined for a key without one.
    function keyName(usbCode) {
        var name = usbCode > 0 ? _KeyCodeString.keycodeTostr(usbCode) : undefined
        return (name === undefined || String(name) === "") ? undefined : String(name)
    }

    // While recording, the stop button holds the keyboard focus when the
    // page had it, so that no key typed into the recording acts on the page.
    function startRecord() {
        if (!hasFile || isRecordStart)
            return
        var focusHere = ownsFocus()
        md_MacroActions.clear()
        if (getCurrentMacroName() !== "")
            isRecordStart = true
        if (isRecordStart && focusHere)
            img_stop.forceActiveFocus()
    }

    // A stop from the keyboard leaves out the press of the key that stopped
    // it, when the global hook reported it before the scene; the focus goes
    // back to the record button.
    function stopRecord() {
        if (!isRecordStart)
            return
        var byKeyboard = img_stop.activeFocus
        isRecordStart = false
        if (byKeyboard) {
            dropTrailingActivationPress()
            img_record.forceActiveFocus()
        }
        saveMacro()
    }

    function dropTrailingActivationPress() {
        var last = md_MacroActions.count - 1
        if (last < 0 || md_MacroActions.get(last).textR !== downField)
            return
        var keys = [returnUsage, enterUsage, spaceUsage]
        for (var i = 0; i < keys.length; ++i) {
            if (md_MacroActions.get(last).textX === keyName(keys[i])) {
                md_MacroActions.remove(last)
                return
            }
        }
    }

    // ---- keys the page's own activation leaves behind ----

    readonly property int returnUsage: 40
    readonly property int spaceUsage: 44
    readonly property int enterUsage: 88

    function activationUsage(qtKey) {
        switch (qtKey) {
        case Qt.Key_Return: return returnUsage
        case Qt.Key_Enter: return enterUsage
        case Qt.Key_Space: return spaceUsage
        default: return 0
        }
    }

    // Called after a scene key press started the recording: the hook's
    // events of that key belong to the start, not to the recording.
    function armActivationFilter(event) {
        activationKey = activationUsage(event.key)
    }

    // Whether the hook event is the starting key's own; the filter ends with
    // its release, or with another key's event when the hook had already
    // seen the starting key released (it reported both before the scene).
    function isActivationEcho(isDown, usbCode) {
        if (activationKey === 0)
            return false
        if (usbCode === activationKey) {
            if (!isDown)
                activationKey = 0
            return true
        }
        if (!heldKeys[activationKey])
            activationKey = 0
        return false
    }

    function noteHeld(isDown, usbCode) {
        var held = heldKeys
        held[usbCode] = isDown
        heldKeys = held
    }

    // Whether the window's focused item lies on this page.
    function ownsFocus() {
        for (var item = Window.activeFocusItem; item; item = item.parent) {
            if (item === _Page_Macro)
                return true
        }
        return false
    }

    // Every key event seen on the desktop. While recording, named keys are
    // appended at the end; no delays are recorded.
    function detectKeyboard(isDown, usbCode) {
        keyboardAction.detectKeyboard(isDown, usbCode)
        var echo = isActivationEcho(isDown, usbCode)
        noteHeld(isDown, usbCode)
        if (!isRecordStart || echo)
            return
        var name = keyName(usbCode)
        if (name !== undefined)
            md_MacroActions.append({ textX: name, textR: isDown ? downField : upField })
    }

    function addKey() {
        var name = keyName(keyboardAction.tmpKeycodeUSB)
        if (name !== undefined)
            insertSteps([{ textX: name, textR: downField }, { textX: name, textR: upField }])
    }

    function addDelay() {
        lostFocus()
        insertSteps([{ textX: String(delayValue), textR: delayField }])
    }

    // The typed number, at least the shortest delay; an emptied field keeps
    // the last value. The field then shows the value and lets the focus go,
    // unless it came from the keyboard and `keepFocus` asks to stay.
    function commitDelay(keepFocus) {
        var typed = parseInt(delayInput.text, 10)
        if (!isNaN(typed))
            delayValue = Math.max(typed, shortestDelay)
        delayInput.text = String(delayValue)
        if (keepFocus && delayFromKeyboard)
            delayInput.selectAll()
        else
            delayInput.focus = false
    }

    function deleteStep() {
        if (!hasStep)
            return
        fl_MacroActions.removeEntry(fl_MacroActions.currentIndex)
        saveMacro()
    }

    function cutStep() {
        if (!hasStep)
            return
        scrapbook = getCurrentMacroActions()
        isUnlimitedCopy = false
        deleteStep()
    }

    function copyStep() {
        if (!hasStep)
            return
        scrapbook = getCurrentMacroActions()
        isUnlimitedCopy = true
    }

    // A cut step is pasted once, a copied one any number of times.
    function pasteStep() {
        if (scrapbook === "" || !hasFile)
            return
        var entry = stepEntry(scrapbook)
        if (!isUnlimitedCopy)
            scrapbook = ""
        insertSteps([entry])
    }

    function toolEnabled(tool) {
        return tool === pasteTool ? scrapbook !== "" && hasFile : hasStep
    }

    function runTool(tool) {
        switch (tool) {
        case deleteTool: deleteStep(); break
        case cutTool: cutStep(); break
        case pasteTool: pasteStep(); break
        case copyTool: copyStep(); break
        }
    }

    // A tool button run from the keyboard that is disabled by its own work
    // (the last step deleted, a cut step pasted) hands the focus to the
    // step list.
    function runToolButton(tool, button) {
        var hadFocus = button.activeFocus
        runTool(tool)
        if (hadFocus && !button.enabled)
            fl_MacroActions.forceActiveFocus()
    }

    // ---- the lists by keyboard ----

    // The step tools' keys on the step list; the list keeps the focus.
    function stepToolForKey(event) {
        var ctrl = (event.modifiers & (Qt.ControlModifier | Qt.AltModifier | Qt.MetaModifier)) === Qt.ControlModifier
        if (event.key === Qt.Key_Delete && KeyActions.isPlain(event))
            return deleteTool
        if (ctrl && event.key === Qt.Key_X)
            return cutTool
        if (ctrl && event.key === Qt.Key_V)
            return pasteTool
        if (ctrl && event.key === Qt.Key_C)
            return copyTool
        return -1
    }

    // The list moves its selection itself; the keys it leaves run the tools.
    function stepListKey(event) {
        if (event.accepted)
            return
        var tool = stepToolForKey(event)
        if (tool < 0)
            return
        event.accepted = true
        if (toolEnabled(tool))
            runTool(tool)
    }

    // The list moves, selects and opens the menu itself (RENAME is there);
    // Escape gives a rename up: the file list takes the focus back, which
    // drops the edit without renaming.
    function fileListKey(event) {
        if (event.accepted || event.key !== Qt.Key_Escape || renameIndex < 0)
            return
        event.accepted = true
        renameIndex = -1
        fl_MacroFile.forceActiveFocus()
    }

    function startRename(index) {
        renameIndex = index
        fl_MacroFile.editFileName(index)
    }

    // Ends a rename (completing it) and commits a delay being typed.
    function lostFocus() {
        fl_MacroFile.stopEditFileName()
        if (delayInput.activeFocus)
            commitDelay(false)
    }

    // The library refuses names that are empty, paths or taken; the list is
    // read back from it, so a refused name gives way to the old one.
    function renameFile(oldName, newName) {
        var wasSelected = fl_MacroFile.currentIndex === renameIndex
        var keep = getCurrentMacroName()
        if (newName !== oldName)
            ui_View.renameMacroIniFile(oldName, newName)
        if (wasSelected)
            keep = macroNames().indexOf(oldName) < 0 ? newName : oldName
        renameIndex = -1
        refreshMacroFiles(keep)
    }

    // An imported file brings its own slot; the file it replaces keeps its
    // slot, so that no two files claim one slot (the start-up repair would
    // delete one of them). The selected file's steps are read again only
    // when a file was imported: a cancelled or failed import keeps the steps
    // shown, which may not have been written yet.
    function importMacro(index) {
        var name = md_MacroFile.get(index).textX
        var before = ui_View.loadMacroIniConfig(name)
        var imported = ui_View.loadMacroIniFromFile(name)
        var after = ui_View.loadMacroIniConfig(name)
        if (before.length >= 2 && after.length >= 2 && Number(after[0]) !== Number(before[0]))
            ui_View.setMacroIniConfig(name, [before[0], after[1]])
        if (imported && index === fl_MacroFile.currentIndex)
            refreshMacroActions()
    }

    // Left of the file list, level with the file.
    function openContextMenu(index) {
        itLvContextMenu.targetIndex = index
        itLvContextMenu.open(fl_MacroFile.x - itLvContextMenu.width,
                             fl_MacroFile.entryTop(index) + contextMenuTop)
    }

    function runContextEntry(entry) {
        var index = itLvContextMenu.targetIndex
        if (index < 0 || index >= md_MacroFile.count)
            return
        if (entry === loadEntry) {
            importMacro(index)
        } else if (entry === saveEntry) {
            ui_View.saveMacroIniToFile(md_MacroFile.get(index).textX)
        } else if (entry === renameEntry) {
            startRename(index)
        }
    }

    Connections {
        target: mainItem_Q3
        function onMsg_KB(isDown, usbCode) {
            _Page_Macro.detectKeyboard(isDown, usbCode)
        }
    }

    Connections {
        target: dragRegion
        function onPressed() {
            _Page_Macro.lostFocus()
        }
    }

    Image {
        source: mainIten.sourceFnCommonBackground
    }

    ListModel {
        id: md_MacroFile
    }

    ListModel {
        id: md_MacroActions
    }

    ListModel {
        id: mod2
        ListElement { name: "LOAD"; btnEnable: true }
        ListElement { name: "SAVE"; btnEnable: true }
        ListElement { name: "RENAME"; btnEnable: true }
        ListElement { name: "CANCEL"; btnEnable: true }
    }

    // ---- the macro files ----

    Image {
        x: 118
        y: 52
        source: mainIten.sourceBtnFileListFrame
    }

    Rectangle {
        id: fileHeading
        x: 119
        y: 55
        width: 141
        height: 21
        color: "#80000000"

        Text {
            objectName: "fileHeadingText"
            anchors.centerIn: parent
            text: mainIten.globalString(44)
            font.bold: true
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            color: mainIten.globalSetting_color
        }
    }

    FileList {
        id: fl_MacroFile
        objectName: "fl_MacroFile"
        x: fileHeading.x
        y: fileHeading.y + 22
        width: 141
        height: 198
        color: "#80000000"
        enabled: !_Page_Macro.isRecordStart
        mdItems: md_MacroFile
        Accessible.name: mainIten.globalString(44)
        Keys.onPressed: function(event) {
            _Page_Macro.fileListKey(event)
        }
        onListElementClicked: _Page_Macro.refreshMacroActions()
        onListElementRightBtnClicked: function(index) {
            _Page_Macro.openContextMenu(index)
        }
        onEditFileName_completed: function(oldName, newName) {
            _Page_Macro.renameFile(oldName, newName)
        }
    }

    // ---- the steps ----

    Image {
        x: 467
        y: 52
        source: mainIten.sourceBtnFileListFrame
    }

    Rectangle {
        id: stepHeading
        x: 468
        y: 55
        width: 141
        height: 21
        color: "#80000000"

        Text {
            objectName: "stepHeadingText"
            x: (img_record.x - width) / 2
            anchors.verticalCenter: parent.verticalCenter
            text: mainIten.globalString(45)
            font.bold: true
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            color: mainIten.globalSetting_color
        }

        Button_2state {
            id: img_record
            objectName: "img_record"
            x: img_stop.x - width - 1
            y: 1
            source0: mainIten.sourceRecord0
            source1: mainIten.sourceRecord1
            enabled: _Page_Macro.hasFile && !_Page_Macro.isRecordStart
            Accessible.name: mainIten.globalString(119)
            onClicked: _Page_Macro.startRecord()
            Keys.onPressed: function(event) {
                if (event.accepted && _Page_Macro.isRecordStart && KeyActions.isActivation(event))
                    _Page_Macro.armActivationFilter(event)
            }
        }

        Button_2state {
            id: img_stop
            objectName: "img_stop"
            x: stepHeading.width - width - 1
            y: 1
            source0: mainIten.sourceStop0
            source1: mainIten.sourceStop1
            enabled: _Page_Macro.isRecordStart
            Accessible.name: mainIten.globalString(58)
            onClicked: _Page_Macro.stopRecord()
            // Every other key belongs to the recording.
            Keys.onPressed: function(event) {
                if (!event.accepted && _Page_Macro.isRecordStart)
                    event.accepted = true
            }
        }
    }

    FileList {
        id: fl_MacroActions
        objectName: "fl_MacroActions"
        x: stepHeading.x
        y: stepHeading.y + 22
        width: 141
        height: 198
        color: "#80000000"
        mdItems: md_MacroActions
        Accessible.name: mainIten.globalString(126)
        Keys.onPressed: function(event) {
            _Page_Macro.stepListKey(event)
        }
    }

    // ---- the step tools, each labelled while the pointer is over it ----

    Rectangle {
        id: toolColumn
        x: 446
        y: 77
        width: 21
        height: 87
        color: "#80000000"

        Repeater {
            model: [
                { name: "img_SolidDelete", y: 0, string: 80,
                  source0: mainIten.sourceSolidDelete0, source1: mainIten.sourceSolidDelete1 },
                { name: "img_SolidCut", y: 22, string: 81,
                  source0: mainIten.sourceSolidCut0, source1: mainIten.sourceSolidCut1 },
                { name: "img_SolidPaste", y: 44, string: 82,
                  source0: mainIten.sourceSolidPaste0, source1: mainIten.sourceSolidPaste1 },
                { name: "img_SolidCopy", y: 66, string: 83,
                  source0: mainIten.sourceSolidCopy0, source1: mainIten.sourceSolidCopy1 }
            ]
            delegate: Image {
                y: modelData.y
                source: mainIten.sourceBtnFrame

                // Sees the pointer while the button is disabled.
                MouseArea {
                    id: hover
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.NoButton
                }

                Button_2state {
                    id: tool
                    objectName: modelData.name
                    x: 1
                    y: 1
                    source0: modelData.source0
                    source1: modelData.source1
                    enabled: _Page_Macro.toolEnabled(index)
                    Accessible.name: mainIten.globalString(modelData.string)
                    onClicked: _Page_Macro.runToolButton(index, tool)
                }

                Text {
                    objectName: modelData.name + "_label"
                    x: tool.x - 10 - width
                    anchors.verticalCenter: parent.verticalCenter
                    visible: index === _Page_Macro.pasteTool
                             ? tool.enabled && tool.mouse.containsMouse
                             : tool.mouse.containsMouse || hover.containsMouse
                    text: mainIten.globalString(modelData.string)
                    font.bold: true
                    font.family: mainIten.globalSetting_fontFamily
                    font.pixelSize: mainIten.globalSetting_size
                    color: mainIten.globalSetting_color
                }
            }
        }
    }

    // ---- the key and delay fields ----

    KeyInput_2 {
        id: keyboardAction
        objectName: "keyboardAction"
        x: 290
        y: 205
        text.x: 10
        // Listening started with the pointer while the page had the focus
        // elsewhere: the field takes it, so the key taken acts on nothing.
        onIsSelectChanged: {
            if (!isSelect)
                return
            if (!activeFocus && _Page_Macro.ownsFocus())
                forceActiveFocus()
        }
    }

    Image {
        x: keyboardAction.x + keyboardAction.width + 5
        y: keyboardAction.y + (keyboardAction.height - height) / 2
        source: mainIten.sourceBtnFrame

        Button_2state {
            objectName: "img_addKey"
            x: 1
            y: 1
            source0: mainIten.sourceAdd0
            source1: mainIten.sourceAdd1
            enabled: _Page_Macro.hasFile && keyboardAction.tmpKeycodeUSB !== 0
            Accessible.name: mainIten.globalString(118) + " " + mainIten.globalString(74)
            onClicked: _Page_Macro.addKey()
        }
    }

    Item {
        id: delaytime
        objectName: "delaytime"
        x: keyboardAction.x
        y: keyboardAction.y + keyboardAction.height - 1
        width: 151
        height: 23

        Image {
            source: mainIten.sourceSlider
        }

        FocusMark {
            target: delayInput
        }

        Row {
            anchors.centerIn: parent

            Text {
                id: delayBefore
                text: "DELAY【 "
                font.bold: true
                font.family: mainIten.globalSetting_fontFamily
                font.pixelSize: mainIten.globalSetting_size
                color: mainIten.globalSetting_color_enable
            }

            // Whole numbers 0 … 65535: a keystroke that would leave that
            // range is refused.
            TextInput {
                id: delayInput
                objectName: "delayInput"
                text: String(_Page_Macro.delayValue)
                maximumLength: 5
                selectByMouse: true
                validator: RegularExpressionValidator {
                    regularExpression: /6553[0-5]|655[0-2][0-9]|65[0-4][0-9]{2}|6[0-4][0-9]{3}|[1-5][0-9]{4}|[0-9]{1,4}/
                }
                font: delayBefore.font
                color: activeFocus ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
                selectionColor: mainIten.globalSetting_color
                activeFocusOnTab: true
                Accessible.role: Accessible.EditableText
                Accessible.name: mainIten.globalString(120)
                Accessible.focusable: true
                Keys.onReturnPressed: _Page_Macro.commitDelay(true)
                Keys.onEnterPressed: _Page_Macro.commitDelay(true)
                // Escape shows the committed value again.
                Keys.onEscapePressed: {
                    text = String(_Page_Macro.delayValue)
                    selectAll()
                }
                // Losing the focus any other way commits too, so the field
                // never shows a value the add-delay button would not use.
                onActiveFocusChanged: {
                    if (activeFocus) {
                        _Page_Macro.delayFromKeyboard = !delayPointer.active
                        if (_Page_Macro.delayFromKeyboard)
                            selectAll()
                    } else {
                        _Page_Macro.commitDelay(false)
                    }
                }

                PointHandler {
                    id: delayPointer
                }
            }

            Text {
                text: " 】ms"
                font: delayBefore.font
                color: delayBefore.color
            }
        }
    }

    Image {
        x: delaytime.x + delaytime.width + 5
        y: delaytime.y + (delaytime.height - height) / 2
        source: mainIten.sourceBtnFrame

        Button_2state {
            objectName: "img_addDelay"
            x: 1
            y: 1
            source0: mainIten.sourceAdd0
            source1: mainIten.sourceAdd1
            enabled: _Page_Macro.hasFile
            Accessible.name: mainIten.globalString(118) + " " + mainIten.globalString(120)
            onClicked: _Page_Macro.addDelay()
        }
    }

    // ---- the file context menu, beside the file list ----

    ContextMenu {
        id: itLvContextMenu
        objectName: "itLvContextMenu"
        property int targetIndex: -1
        mdItems: mod2
        Accessible.name: mainIten.globalString(75)
        onEntryChosen: function(entry) {
            _Page_Macro.runContextEntry(entry)
        }
    }
}
