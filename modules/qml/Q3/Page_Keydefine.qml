import QtQuick
import "../common"

// The key assignment page (page 0): the keyboard picture, the category list
// with its three choosers, reset/apply and the gaming-mode box. Assignments
// stay in the picture until apply writes the whole key matrix; choosing a
// macro downloads it at once.
// With the keyboard: the picture chooses the key (see Model_KeyDefine_Q3),
// the key field, the media and the macro chooser give it its function, as
// the drag and the clicks do; Escape drops the chosen key.
Item {
    id: _Page_Keydefine
    width: 759
    height: 442

    property bool isGameMode: false

    // Key code categories, the top nibble of a 16-bit key code.
    readonly property int categoryShift: 12
    readonly property int standardKeys: 0x0
    readonly property int mediaKeys: 0x3
    readonly property int macroKeys: 0x4
    readonly property int macroRepeatShift: 8
    readonly property int macroRepeatMask: 0x0F00
    readonly property int lowByte: 0xFF

    // Keyboard modes the gaming-mode box sends.
    readonly property int normalMode: 0
    readonly property int gamingMode: 1

    // Category list entries.
    readonly property int keyboardEntry: 0
    readonly property int mediaEntry: 1
    readonly property int macroEntry: 2

    readonly property var currentKey: _model.curKeyMatrix >= 0 ? _model.getKey[_model.curKeyMatrix]
                                                               : null
    readonly property Item keyField: _keyField.field
    // What a screen reader hears about each chooser: its function goes to
    // the chosen key.
    readonly property string assignsTo: mainIten.globalString(128) + " → "
                                        + (currentKey ? currentKey.name : mainIten.globalString(127))

    // A chooser's name for screen readers: its kind and the entry it shows.
    function chooserName(kind, chooser) {
        var at = chooser.getCurIndex()
        return mainIten.globalString(kind) + " "
                + (at >= 0 && at < chooser.mdItems.count ? chooser.mdItems.get(at).textX
                                                          : mainIten.globalString(127))
    }

    // Escape drops the chosen key: nothing is assigned until one is chosen.
    Keys.onEscapePressed: function(event) {
        if (_model.curKeyMatrix < 0) {
            event.accepted = false
            return
        }
        _model.curKeyMatrix = -1
        clearChoosers()
    }

    function category(code) {
        return (code >> categoryShift) & 0xF
    }

    // Called with (true, definition list) at start-up, and with no arguments
    // after a profile switch: the codes are read again from the profile.
    function initUI(isFirst, hwDef) {
        if (isFirst)
            _model.initUI(hwDef)
        refreshMacroFiles()
        readStoredCodes()
        keyCodeToUI(currentKey ? currentKey.keyCode : 0)
        _GamingMode_CHK.isSelect = Number(ui_View.ui_82H_GetKeyboardMode()) !== 0
    }

    // A slot whose stored code is missing or not a number keeps its default,
    // so apply never turns a damaged profile entry into "no function".
    function readStoredCodes() {
        for (var i = 0; i < _model.getKey.length; ++i) {
            var key = _model.getKey[i]
            var v = ui_View.getKeydefine(i)
            var low = v && v.length > 0 ? parseInt(v[0]) : NaN
            var high = v && v.length > 1 ? parseInt(v[1]) : NaN
            if (isNaN(low) || isNaN(high))
                key.keyCode = key.keyCode_Default
            else
                key.keyCode = (low & 0xFF) | ((high << 8) & 0xFF00)
        }
    }

    function translateStrings() {
        var categories = [46, 48, 50]
        for (var c = 0; c < categories.length; ++c)
            md_menu1.setProperty(c, "textX", mainIten.globalString(categories[c]))
        for (var m = 0; m < md_menu2_2.count; ++m)
            md_menu2_2.setProperty(m, "textX", mainIten.globalString(56 + m))
    }

    // The file names without their four-character extension.
    function refreshMacroFiles() {
        var names = ui_View.getMacroIniNames()
        md_menu2_4.clear()
        for (var i = 0; i < names.length; ++i)
            md_menu2_4.append({ textX: String(names[i]).slice(0, -4), textR: "" })
    }

    function mediaIndexOf(code) {
        for (var i = 0; i < md_menu2_2.count; ++i) {
            if (md_menu2_2.get(i).keyCode === code)
                return i
        }
        return -1
    }

    // The last macro file whose slot is the code's slot.
    function macroIndexOf(code) {
        var found = -1
        for (var i = 0; i < md_menu2_4.count; ++i) {
            var config = ui_View.loadMacroIniConfig(md_menu2_4.get(i).textX)
            if (config.length > 0 && parseInt(config[0]) === (code & lowByte))
                found = i
        }
        return found
    }

    function keyCodeToUI(_keyCode) {
        switch (category(_keyCode)) {
        case standardKeys:
            keyField.setKeycodeUSB(_keyCode & lowByte)
            _menu1.setCurIndex(keyboardEntry)
            break
        case mediaKeys:
            _menu2_2.setCurIndex(mediaIndexOf(_keyCode))
            _menu1.setCurIndex(mediaEntry)
            break
        case macroKeys:
            refreshMacroFiles()
            _menu2_4.setCurIndex(macroIndexOf(_keyCode))
            _menu1.setCurIndex(macroEntry)
            break
        default:
            _menu1.setCurIndex(-1)
        }
    }

    function assign(code) {
        if (currentKey)
            currentKey.keyCode = code
    }

    function clearChoosers() {
        keyField.setKeycodeUSB(-1)
        _menu2_2.setCurIndex(-1)
        _menu2_4.setCurIndex(-1)
    }

    // The key field's rectangle in page coordinates, edges included.
    function inKeyField(px, py) {
        var origin = keyField.mapToItem(_Page_Keydefine, 0, 0)
        return px >= origin.x && px <= origin.x + keyField.width
                && py >= origin.y && py <= origin.y + keyField.height
    }

    readonly property bool dragOverKeyField: _model.isDraging && keyField.visible
                                             && keyDefineMenuItem.enabled
                                             && inKeyField(_model.dragingKey.correctionX,
                                                           _model.dragingKey.correctionY)
    onDragOverKeyFieldChanged: {
        if (_model.isDraging)
            _model.dragingKey.dragOpacity = dragOverKeyField ? 0.5 : 1.0
    }

    function dropKey() {
        var dragged = _model.dragingKey
        if (!keyField.visible || !keyDefineMenuItem.enabled
                || !inKeyField(dragged.correctionX, dragged.correctionY))
            return
        if (((dragged.keyCode_Default >> 8) & lowByte) !== 0)
            return
        assignStandardKey(dragged.keyCode_Default)
    }

    // A key's function brought to the key field, by a drag or the keyboard.
    function assignStandardKey(code) {
        assign(code)
        keyField.setKeycodeUSB(code & lowByte)
    }

    // The macro code of a slot and repeat value.
    function macroCode(slot, repeat) {
        return (macroKeys << categoryShift) | ((repeat << macroRepeatShift) & macroRepeatMask)
                | (slot & lowByte)
    }

    // A file without a usable configuration (gone since the list was read) is
    // refused: the key keeps its code and the chooser shows that code's file
    // again, from a list read afresh.
    function chooseMacro(index) {
        if (index < 0 || !currentKey)
            return
        var name = md_menu2_4.get(index).textX
        var config = ui_View.loadMacroIniConfig(name)
        if (config.length < 2 || isNaN(parseInt(config[0])) || parseInt(config[0]) < 0) {
            showCurrentMacro()
            return
        }
        var slot = parseInt(config[0])
        var repeat = parseInt(config[1]) || 0
        ui_View.setMacroIniConfig(name, config)
        ui_View.ui_10H_SetMacroKey(slot, name)
        assign(macroCode(slot, repeat))
    }

    function showCurrentMacro() {
        refreshMacroFiles()
        var code = currentKey ? currentKey.keyCode : 0
        _menu2_4.setCurIndex(category(code) === macroKeys ? macroIndexOf(code) : -1)
    }

    function resetKey() {
        if (!currentKey)
            return
        currentKey.keyCode = currentKey.keyCode_Default
        keyCodeToUI(currentKey.keyCode)
    }

    function resetAll() {
        for (var i = 0; i < _model.getKey.length; ++i)
            _model.getKey[i].keyCode = _model.getKey[i].keyCode_Default
        keyCodeToUI(currentKey ? currentKey.keyCode : 0)
    }

    // Two numbers per slot, low byte first.
    function apply() {
        var src = []
        for (var i = 0; i < _model.getKey.length; ++i) {
            var code = _model.getKey[i].keyCode
            src.push(code & 0xFF)
            src.push((code >> 8) & 0xFF)
        }
        ui_View.ui_0C0DH_SetKeyMatrix(src)
    }

    Image {
        source: mainIten.sourceFnKeydefineBackground
    }

    ListModel {
        id: md_menu1
        ListElement { textX: "KEYBOARD" }
        ListElement { textX: "MEDIA" }
        ListElement { textX: "MACRO" }
    }

    // Consumer page usages, with the media category in the top nibble.
    ListModel {
        id: md_menu2_2
        ListElement { textX: "NEXT TRACK"; textR: ""; keyCode: 0x30B5 }
        ListElement { textX: "PREVIOUS TRACK"; textR: ""; keyCode: 0x30B6 }
        ListElement { textX: "STOP"; textR: ""; keyCode: 0x30B7 }
        ListElement { textX: "PLAY / PAUSE"; textR: ""; keyCode: 0x30CD }
        ListElement { textX: "MUTE"; textR: ""; keyCode: 0x30E2 }
        ListElement { textX: "VOLUME UP"; textR: ""; keyCode: 0x30E9 }
        ListElement { textX: "VOLUME DOWN"; textR: ""; keyCode: 0x30EA }
        ListElement { textX: "MEDIA SELECT"; textR: ""; keyCode: 0x3183 }
        ListElement { textX: "MAIL"; textR: ""; keyCode: 0x318A }
        ListElement { textX: "CALCULATOR"; textR: ""; keyCode: 0x3192 }
        ListElement { textX: "MY COMPUTER"; textR: ""; keyCode: 0x3194 }
        ListElement { textX: "WWW SEARCH"; textR: ""; keyCode: 0x3221 }
        ListElement { textX: "WWW HOME"; textR: ""; keyCode: 0x3223 }
        ListElement { textX: "WWW BACK"; textR: ""; keyCode: 0x3224 }
        ListElement { textX: "WWW FORWARD"; textR: ""; keyCode: 0x3225 }
        ListElement { textX: "WWW STOP"; textR: ""; keyCode: 0x3226 }
        ListElement { textX: "WWW REFRESH"; textR: ""; keyCode: 0x3227 }
        ListElement { textX: "WWW FAVORITES"; textR: ""; keyCode: 0x322A }
    }

    ListModel {
        id: md_menu2_4
    }

    Item {
        id: keyDefineMenuItem
        objectName: "keyDefineMenuItem"
        x: 140
        y: 15
        width: _pair.x + _pair.width
        height: _menu1.height
        z: 1
        enabled: _GamingMode_CHK.isSelect
        opacity: 0.2 + 0.8 * (enabled ? 1 : 0)

        // First, so that the tab order is the reading order; its list opens
        // beside the choosers, not over them.
        DropdownList {
            id: _menu1
            objectName: "_menu1"
            z: isSelect ? 2 : 0
            mdItems: md_menu1
            onListElementClicked: function(index) {
                _Page_Keydefine.clearChoosers()
            }
        }

        KeyFieldChooser {
            id: _keyField
            objectName: "keyFieldChooser"
            x: _menu1.width + 20
            anchors.verticalCenter: _menu1.verticalCenter
            visible: _menu1.defaultIndex === _Page_Keydefine.keyboardEntry
            keySource: _model
            dragOver: _Page_Keydefine.dragOverKeyField
            Accessible.description: _Page_Keydefine.assignsTo
            onClearKey: _Page_Keydefine.assign(0)
            onAssignCode: function(code) {
                _Page_Keydefine.assignStandardKey(code)
            }
        }

        FileListButton {
            id: _menu2_2
            objectName: "_menu2_2"
            x: _menu1.width + 20
            visible: _menu1.defaultIndex === _Page_Keydefine.mediaEntry
            z: isSelect ? 1 : 0
            mdItems: md_menu2_2
            Accessible.name: _Page_Keydefine.chooserName(48, _menu2_2)
            Accessible.description: _Page_Keydefine.assignsTo
            onListElementClicked: function(index) {
                if (index >= 0)
                    _Page_Keydefine.assign(md_menu2_2.get(index).keyCode)
            }
        }

        FileListButton {
            id: _menu2_4
            objectName: "_menu2_4"
            x: _menu1.width + 20
            visible: _menu1.defaultIndex === _Page_Keydefine.macroEntry
            z: isSelect ? 1 : 0
            mdItems: md_menu2_4
            Accessible.name: _Page_Keydefine.chooserName(75, _menu2_4)
            Accessible.description: _Page_Keydefine.assignsTo
            onRequestToUpdateList: _Page_Keydefine.refreshMacroFiles()
            onListElementClicked: function(index) {
                _Page_Keydefine.chooseMacro(index)
            }
        }

        ResetApplyPair {
            id: _pair
            objectName: "resetApplyPair"
            x: 420
            resetName: "_Reset_IMG"
            applyName: "_Apply_IMG"
            onResetClicked: _Page_Keydefine.resetKey()
            onApplyClicked: {
                mainIten.setProtectUI(800)
                _Page_Keydefine.apply()
            }
        }
    }

    Model_KeyDefine_Q3 {
        id: _model
        objectName: "_model"
        x: 23
        y: 97
        onDragKey: _Page_Keydefine.dropKey()
        onKeyClicked: function(key) {
            _model.curKeyMatrix = key.matrix
            _Page_Keydefine.keyCodeToUI(key.keyCode)
        }
    }

    // The gaming-mode box: silent, lit while hovered; a click sends the mode
    // at once.
    Checkbox {
        id: _GamingMode_CHK
        objectName: "_GamingMode_CHK"
        x: 55
        y: 305
        isSelect: _Page_Keydefine.isGameMode
        chkStr: mainIten.globalString(79)
        silent: true
        litWhileHovered: true
        onClicked: function(select) {
            ui_View.ui_02H_SetKeyboardMode(select ? _Page_Keydefine.gamingMode
                                                   : _Page_Keydefine.normalMode)
        }
    }
}
