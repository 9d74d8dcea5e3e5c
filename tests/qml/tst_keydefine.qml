import QtQuick
import QtTest

// The key assignment page in the real scene, with the backend on the virtual
// keyboard: the key lookup, the keyboard picture, assigning by drag, media and
// macro, reset and apply, gaming mode and profile switches. Expected codes come
// from the shipped definition (Esc in slot 0 with code 41, F4 in slot 4 with
// code 61, Fn in slot 89; usage A = 4, B = 5) and the media table.
TestCase {
    id: test
    name: "KeyDefine"
    when: windowShown
    visible: true
    width: 1000
    height: 600

    readonly property int escSlot: 0
    readonly property int f4Slot: 4
    readonly property int fnSlot: 89
    readonly property int profiles: 3

    Component {
        id: sceneComponent
        Loader { source: "qrc:/modules/qml/main.qml" }
    }

    function part(scene, name) {
        var found = findChild(scene, name)
        verify(found, name)
        return found
    }

    // The scene after start-up with animations off, showing the key page.
    // gamingMode: the keyboard's mode byte before the page reads it.
    function keyPage(gamingMode) {
        keyboardProbe.setKeyboardMode(gamingMode === undefined ? 1 : gamingMode)
        var loader = createTemporaryObject(sceneComponent, test)
        tryVerify(function() { return loader.status === Loader.Ready })
        var scene = loader.item
        scene.initUI()
        scene.buildPages() // as the backend does after the first frame
        scene.animation_speed = 10
        scene.setProtectUI(0)
        scene.run()
        tryVerify(function() { return part(scene, "_fkPage").visible })
        part(scene, "_fkPage").show(0)
        tryVerify(function() { return part(scene, "_Page_Keydefine").visible })
        tryVerify(function() { return !part(scene, "pa_X").running && !part(scene, "paBack_X").running })
        var page = part(scene, "_Page_Keydefine")
        return { scene: scene, page: page, model: part(page, "_model") }
    }

    function keyWithDefault(model, code) {
        for (var i = 0; i < model.getKey.length; ++i) {
            if (model.getKey[i].matrix >= 0 && model.getKey[i].keyCode_Default === code)
                return model.getKey[i]
        }
        fail("no key with default code " + code)
    }

    function select(key) {
        mouseClick(key, key.width / 2, key.height / 2)
    }

    // Presses the key, moves to (px, py) of the page and releases there.
    function dragKey(page, key, px, py) {
        mousePress(key, key.width / 2, key.height / 2)
        var to = page.mapToItem(key, px, py)
        mouseMove(key, to.x / 2, to.y / 2, -1, Qt.LeftButton)
        mouseMove(key, to.x, to.y, -1, Qt.LeftButton)
        mouseRelease(key, to.x, to.y, Qt.LeftButton)
    }

    function centreOf(page, item) {
        return item.mapToItem(page, item.width / 2, item.height / 2)
    }

    function chooseCategory(page, index) {
        var list = part(page, "_menu1")
        list.showList()
        tryVerify(function() { return list.isSelect })
        var entry = part(list, "entry" + index)
        mouseClick(entry, entry.width / 2, entry.height / 2)
        tryVerify(function() { return !list.isSelect })
    }

    // Chooses entry `index` of a FileListButton through its file list.
    function chooseFile(chooser, index) {
        mouseClick(part(chooser, "header"), 20, 10)
        tryVerify(function() { return chooser.isSelect })
        var list = part(chooser, "fileList")
        list.lvItems.positionViewAtIndex(index, ListView.Beginning)
        var entry = list.lvItems.itemAtIndex(index)
        verify(entry, "entry " + index)
        mouseClick(entry, 10, 10)
        tryVerify(function() { return !chooser.isSelect })
    }

    function settle() {
        wait(100) // writes run on the pool; each takes a few milliseconds
    }

    // Expected matrix bytes from a table of codes by slot.
    function matrixBytes(codes) {
        var bytes = []
        for (var i = 0; i < 128; ++i) {
            bytes.push(codes[i] % 256)
            bytes.push(Math.floor(codes[i] / 256) % 256)
        }
        return bytes
    }

    function codesOf(model) {
        var codes = []
        for (var i = 0; i < 128; ++i)
            codes.push(model.getKey[i].keyCode)
        return codes
    }

    // The shipped hardware definition while a test damages it.
    property string shippedDefinition: ""
    readonly property string definitionPath: "modules/setting/HWDef.bin"

    function cleanup() {
        if (shippedDefinition !== "") {
            verify(settingsProbe.write(definitionPath, shippedDefinition))
            shippedDefinition = ""
        }
        if (keyboardProbe.layoutMode() !== 0) {
            keyboardProbe.setLayoutMode(0)
            ui_View.syncFW()
        }
        ui_View.ui_21H_SetCurrentProfile(0)
        for (var p = 0; p < profiles; ++p)
            ui_View.resetProfile(p)
        settle()
    }

    // ---- the scene-wide key lookup ----

    function test_lookups_data() {
        return [
            { tag: "name to usage", fn: "strTokeycode", arg: "A", result: 4 },
            { tag: "name with a space", fn: "strTokeycode", arg: "Caps Lock", result: 57 },
            { tag: "usage to name", fn: "keycodeTostr", arg: 41, result: "Esc" },
            { tag: "usage 5 to name", fn: "keycodeTostr", arg: 5, result: "B" },
            { tag: "slot to default code", fn: "matrixTokeycode", arg: 4, result: 61 },
            { tag: "Fn slot has code 0", fn: "matrixTokeycode", arg: 89, result: 0 },
            { tag: "default code to slot", fn: "keycodeTomatrix", arg: 41, result: 0 },
            { tag: "unknown name", fn: "strTokeycode", arg: "NoSuchKey", result: undefined },
            { tag: "usage without a name", fn: "keycodeTostr", arg: 0, result: undefined },
            { tag: "slot without a key", fn: "matrixTokeycode", arg: 127, result: undefined },
            { tag: "code on no key", fn: "keycodeTomatrix", arg: 0x30E2, result: undefined },
            { tag: "inherited name is no key", fn: "strTokeycode", arg: "toString", result: undefined }
        ]
    }

    function test_lookups(data) {
        var t = keyPage()
        var lookup = part(t.scene, "_KeyCodeString")
        compare(lookup[data.fn](data.arg), data.result)
    }

    // ---- the keyboard picture ----

    function test_picture() {
        var t = keyPage()
        compare(t.model.getKey.length, 128)
        var esc = t.model.getKey[escSlot]
        compare(esc.name, "Esc")
        compare(esc.keyCode_Default, 41)
        compare(esc.keyType, 1)
        verify(esc.width > 0 && esc.height > 0)
        // The ISO layout: 105 keys drawn, the other 23 slots blank.
        var drawn = 0
        for (var i = 0; i < 128; ++i) {
            var key = t.model.getKey[i]
            if (key.matrix === i)
                ++drawn
            else
                compare([key.matrix, key.keyCode, key.keyCode_Default], [-1, 0, 0], "slot " + i)
        }
        compare(drawn, 105)
        verify(!t.model.getKey[fnSlot].enabled)
        verify(t.model.getKey[f4Slot].enabled)
    }

    function test_keyDrawing() {
        var t = keyPage()
        var f4 = t.model.getKey[f4Slot]
        var frame = part(f4, "frame")
        var label = part(f4, "label")
        verify(!frame.visible)
        verify(Qt.colorEqual(label.color, t.scene.globalSetting_color_enable))
        f4.keyCode = 5 // reassigned: highlighted label, half-strength frame
        verify(Qt.colorEqual(label.color, t.scene.globalSetting_color))
        verify(frame.visible)
        compare(frame.opacity, 0.5)
        select(f4) // current: full frame
        compare(frame.opacity, 1.0)
        f4.keyCode = f4.keyCode_Default
        verify(frame.visible)
    }

    // ---- selecting and dragging ----

    function test_selectShowsTheCode() {
        var t = keyPage()
        var f4 = t.model.getKey[f4Slot]
        select(f4)
        compare(t.model.curKeyMatrix, f4Slot)
        var field = part(t.page, "_menu2_0")
        verify(field.visible)
        compare(field.keycodeUSB, 61)
        compare(part(t.page, "_menu1").getCurIndex(), 0)
    }

    function test_drag_data() {
        return [
            { tag: "standard key onto the field assigns it", dragged: 5, target: "field",
              category: 0, expected: 5 },
            { tag: "drop beside the field assigns nothing", dragged: 5, target: "beside",
              category: 0, expected: 41 },
            { tag: "drop on the keyboard assigns nothing", dragged: 5, target: "keyboard",
              category: 0, expected: 41 },
            { tag: "drop while media is chosen assigns nothing", dragged: 5, target: "field",
              category: 1, expected: 41 },
            { tag: "drop while macro is chosen assigns nothing", dragged: 5, target: "field",
              category: 2, expected: 41 }
        ]
    }

    function test_drag(data) {
        var t = keyPage()
        var esc = t.model.getKey[escSlot]
        select(esc)
        var field = part(t.page, "_menu2_0")
        var fieldCentre = centreOf(t.page, field)
        if (data.category !== 0)
            chooseCategory(t.page, data.category)
        var targets = {
            field: fieldCentre,
            beside: Qt.point(fieldCentre.x, fieldCentre.y + field.height),
            keyboard: centreOf(t.page, t.model.getKey[f4Slot])
        }
        var dragged = keyWithDefault(t.model, data.dragged)
        dragKey(t.page, dragged, targets[data.target].x, targets[data.target].y)
        compare(esc.keyCode, data.expected)
        compare(dragged.keyCode, dragged.keyCode_Default) // the dragged key keeps its own
        compare(t.model.curKeyMatrix, escSlot)
    }

    function test_dragHighlightsTheField() {
        var t = keyPage()
        select(t.model.getKey[escSlot])
        var field = part(t.page, "_menu2_0")
        var key = keyWithDefault(t.model, 5)
        var at = centreOf(t.page, field)
        mousePress(key, key.width / 2, key.height / 2)
        verify(part(key, "dragImage").visible)
        verify(t.model.z > 0) // raised over the function area
        var to = t.page.mapToItem(key, at.x, at.y)
        mouseMove(key, to.x, to.y, -1, Qt.LeftButton)
        verify(field.isIn)
        compare(key.dragOpacity, 0.5)
        // Edges count as inside.
        var corner = field.mapToItem(key, field.width, field.height)
        mouseMove(key, corner.x, corner.y, -1, Qt.LeftButton)
        verify(field.isIn)
        mouseMove(key, corner.x + 2, corner.y + 2, -1, Qt.LeftButton)
        verify(!field.isIn)
        compare(key.dragOpacity, 1.0)
        mouseRelease(key, corner.x + 2, corner.y + 2, Qt.LeftButton)
        verify(!part(key, "dragImage").visible)
        compare(t.model.z, 0)
    }

    function test_draggingTheCurrentKeyRestoresItsDefault() {
        var t = keyPage()
        var f4 = t.model.getKey[f4Slot]
        f4.keyCode = 5
        select(f4)
        var at = centreOf(t.page, part(t.page, "_menu2_0"))
        dragKey(t.page, f4, at.x, at.y)
        compare(f4.keyCode, 61)
    }

    function test_mediaKeyDragsNothing() {
        // A keyboard whose definition has a media key in slot 6.
        var t = keyPage()
        var esc = t.model.getKey[escSlot]
        select(esc)
        var media = t.model.getKey[6]
        media.keyCode_Default = 0x30E2
        var at = centreOf(t.page, part(t.page, "_menu2_0"))
        dragKey(t.page, media, at.x, at.y)
        compare(esc.keyCode, 41)
    }

    function test_fnKeyCannotBeSelectedOrDragged() {
        var t = keyPage()
        var fn = t.model.getKey[fnSlot]
        select(t.model.getKey[escSlot])
        select(fn)
        compare(t.model.curKeyMatrix, escSlot)
        var at = centreOf(t.page, part(t.page, "_menu2_0"))
        dragKey(t.page, fn, at.x, at.y)
        verify(!t.model.isDraging)
        compare(t.model.getKey[escSlot].keyCode, 41)
        verify(!part(fn, "dragImage").visible)
    }

    function test_clickOnTheFieldClearsTheKey() {
        var t = keyPage()
        select(t.model.getKey[f4Slot])
        var field = part(t.page, "_menu2_0")
        mouseClick(field, field.width / 2, field.height / 2)
        compare(t.model.getKey[f4Slot].keyCode, 0)
    }

    // ---- media and macro ----

    function test_media_data() {
        return [
            { tag: "next track", index: 0, code: 0x30B5 },
            { tag: "mute", index: 4, code: 0x30E2 },
            { tag: "media select", index: 7, code: 0x3183 },
            { tag: "www favorites", index: 17, code: 0x322A }
        ]
    }

    function test_media(data) {
        var t = keyPage()
        var f4 = t.model.getKey[f4Slot]
        select(f4)
        chooseCategory(t.page, 1)
        compare(f4.keyCode, 61) // choosing the category alone changes nothing
        var chooser = part(t.page, "_menu2_2")
        chooseFile(chooser, data.index)
        compare(f4.keyCode, data.code)
        // The chosen entry again: the chooser deselects, the code stays.
        chooseFile(chooser, data.index)
        compare(chooser.getCurIndex(), -1)
        compare(f4.keyCode, data.code)
        // Selecting the key again shows its entry.
        select(t.model.getKey[escSlot])
        select(f4)
        compare(part(t.page, "_menu1").getCurIndex(), 1)
        compare(chooser.getCurIndex(), data.index)
    }

    // Choosing a category empties all three choosers; the key keeps its code.
    // Each row starts from a code that one chooser shows.
    function test_categoryChangeClearsTheChoosers_data() {
        return [
            { tag: "standard key, to media", code: 61, category: 1 },
            { tag: "standard key, keyboard again", code: 61, category: 0 },
            { tag: "media key, to keyboard", code: 0x30E2, category: 0 },
            { tag: "media key, to macro", code: 0x30E2, category: 2 },
            { tag: "macro key, to media", code: 0x4005, category: 1 },
            { tag: "macro key, to keyboard", code: 0x4005, category: 0 }
        ]
    }

    function test_categoryChangeClearsTheChoosers(data) {
        var t = keyPage()
        var f4 = t.model.getKey[f4Slot]
        f4.keyCode = data.code
        select(f4)
        var field = part(t.page, "_menu2_0")
        var media = part(t.page, "_menu2_2")
        var macros = part(t.page, "_menu2_4")
        // What the code shows before: F4's usage 61, "MUTE" (entry 4), or
        // the file of macro slot 5.
        var before = [field.keycodeUSB, media.getCurIndex(), macros.getCurIndex()]
        if (data.code === 61)
            compare(before, [61, -1, -1])
        else if (data.code === 0x30E2)
            compare(before.slice(1), [4, -1])
        else
            compare(before.slice(1), [-1, macroFileWithSlot(5).index])
        chooseCategory(t.page, data.category)
        compare([field.keycodeUSB, media.getCurIndex(), macros.getCurIndex()], [-1, -1, -1])
        compare(part(t.page, "_menu1").getCurIndex(), data.category)
        compare(f4.keyCode, data.code)
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

    function test_macroChoiceDownloadsTheFile() {
        var slot = 20 // beyond the slots a save downloads by itself
        var file = macroFileWithSlot(slot)
        verify(ui_View.saveMacroIni(file.name, ["A    [Down]", "A      [Up]"]))
        ui_View.setMacroIniConfig(file.name, [slot, 3])
        keyboardProbe.setMacro(slot, [])
        var t = keyPage()
        var f4 = t.model.getKey[f4Slot]
        select(f4)
        chooseCategory(t.page, 2)
        keyboardProbe.clearCapture()
        chooseFile(part(t.page, "_menu2_4"), file.index)
        settle()
        compare(f4.keyCode, 0x4000 | 0x0300 | slot)
        var expected = [0x01, 0x00, 0x04, 0x01, 0x04, 0x81]
        for (var i = expected.length; i < 128; ++i)
            expected.push(0)
        compare(keyboardProbe.macro(slot), expected)
        compare(keyboardProbe.capture()[0].split(" ").slice(3).join(" "),
                "00 10 00 14 00 00 55 AA 00")
        compare(ui_View.loadMacroIniConfig(file.name), [slot, 3])
        // The code shows its file again.
        select(t.model.getKey[escSlot])
        select(f4)
        compare(part(t.page, "_menu1").getCurIndex(), 2)
        compare(part(t.page, "_menu2_4").getCurIndex(), file.index)
        ui_View.saveMacroIni(file.name, [])
    }

    // A file removed between listing and choosing is refused: the key keeps
    // its code, nothing is sent, and the chooser shows the key's own file
    // again (or nothing for a key that has no macro), not the refused one.
    function test_macroFileGoneIsRefused_data() {
        return [
            { tag: "standard key", macroSlot: -1 },
            { tag: "key with a macro", macroSlot: 5 }
        ]
    }

    function test_macroFileGoneIsRefused(data) {
        var t = keyPage()
        var f4 = t.model.getKey[f4Slot]
        var kept = 61
        var shown = "【 OPTIONS 】"
        if (data.macroSlot >= 0) {
            var own = macroFileWithSlot(data.macroSlot)
            kept = 0x4000 | data.macroSlot // repeat 0
            shown = own.name
        }
        f4.keyCode = kept
        select(f4)
        chooseCategory(t.page, 2)
        var name = ui_View.createMacroIni()
        verify(name !== "" && name !== false, "a new macro file")
        var chooser = part(t.page, "_menu2_4")
        mouseClick(part(chooser, "header"), 20, 10) // the list now holds the new file
        tryVerify(function() { return chooser.isSelect })
        var names = ui_View.getMacroIniNames()
        var index = -1
        for (var i = 0; i < names.length; ++i) {
            if (String(names[i]).slice(0, -4) === String(name))
                index = i
        }
        verify(index >= 0)
        ui_View.deleteMacroIni(name)
        keyboardProbe.clearCapture()
        var list = part(chooser, "fileList")
        list.lvItems.positionViewAtIndex(index, ListView.Beginning)
        var entry = list.lvItems.itemAtIndex(index)
        mouseClick(entry, 10, 10)
        tryVerify(function() { return !chooser.isSelect })
        compare(f4.keyCode, kept)
        compare(part(chooser, "headerText").text, shown)
        compare(chooser.getCurIndex(), data.macroSlot >= 0 ? own.index : -1)
        compare(chooser.mdItems.count, names.length - 1, "the gone file is off the list")
        settle()
        compare(keyboardProbe.capture(), [])
    }

    // The repeat value keeps bits 11-8 only: code = 0x4000 | (repeat & 15) << 8
    // | slot, worked out by hand per row, and sent and stored low byte first.
    function test_macroRepeatIsMasked_data() {
        return [
            { tag: "repeat 3, slot 5", repeat: 3, slot: 5, code: 0x4305, bytes: [0x05, 0x43] },
            { tag: "repeat 15, slot 5", repeat: 15, slot: 5, code: 0x4F05, bytes: [0x05, 0x4F] },
            { tag: "repeat 16 wraps to 0", repeat: 16, slot: 5, code: 0x4005, bytes: [0x05, 0x40] },
            { tag: "repeat 18 keeps 2", repeat: 18, slot: 7, code: 0x4207, bytes: [0x07, 0x42] },
            { tag: "repeat 0, slot 9", repeat: 0, slot: 9, code: 0x4009, bytes: [0x09, 0x40] }
        ]
    }

    function test_macroRepeatIsMasked(data) {
        var file = macroFileWithSlot(data.slot)
        var original = ui_View.loadMacroIniConfig(file.name)
        ui_View.setMacroIniConfig(file.name, [data.slot, data.repeat])
        var t = keyPage()
        var f4 = t.model.getKey[f4Slot]
        select(f4)
        chooseCategory(t.page, 2)
        chooseFile(part(t.page, "_menu2_4"), file.index)
        compare(f4.keyCode, data.code)
        mouseClick(part(t.page, "_Apply_IMG"), 5, 5)
        tryVerify(function() {
            var m = keyboardProbe.keyMatrix(0)
            return m[2 * f4Slot] === data.bytes[0] && m[2 * f4Slot + 1] === data.bytes[1]
        })
        compare(keyboardProbe.keyMatrix(0).slice(2 * f4Slot, 2 * f4Slot + 2), data.bytes)
        compare(keyboardProbe.storedList(0, "keydefine0/4"),
                [String(data.bytes[0]), String(data.bytes[1])])
        ui_View.setMacroIniConfig(file.name, original)
    }

    function test_macroCodeWithoutAFileShowsThePlaceholder() {
        var t = keyPage()
        var f4 = t.model.getKey[f4Slot]
        f4.keyCode = 0x4000 | 0x7F // slot 127 has no file
        select(t.model.getKey[escSlot])
        select(f4)
        compare(part(t.page, "_menu1").getCurIndex(), 2)
        var chooser = part(t.page, "_menu2_4")
        compare(chooser.getCurIndex(), -1)
        compare(part(chooser, "headerText").text, "【 OPTIONS 】")
    }

    // ---- reset, apply, profiles ----

    function test_applyWritesTheMatrix() {
        var t = keyPage()
        var codes = codesOf(t.model)
        t.model.getKey[escSlot].keyCode = 5 // B
        t.model.getKey[f4Slot].keyCode = 0x30E2 // mute
        t.model.getKey[30].keyCode = 0x4314 // macro slot 20, repeat 3
        codes[escSlot] = 5
        codes[f4Slot] = 0x30E2
        codes[30] = 0x4314
        keyboardProbe.clearCapture()
        mouseClick(part(t.page, "_Apply_IMG"), 5, 5)
        verify(part(t.scene, "protectUIItem").isBusy)
        settle()
        var bytes = matrixBytes(codes)
        compare(keyboardProbe.keyMatrix(0), bytes)
        var lines = keyboardProbe.capture()
        compare(lines[0].split(" ").slice(3).join(" "), "00 0C 00 00 00 00 55 AA 00")
        compare(keyboardProbe.storedList(0, "keydefine0/0"), ["5", "0"])
        compare(keyboardProbe.storedList(0, "keydefine0/4"), ["226", "48"])
        compare(keyboardProbe.storedList(0, "keydefine0/30"), ["20", "67"])
        compare(keyboardProbe.storedList(0, "keydefine0/127"), ["0", "0"])
    }

    function test_resetButtonRestoresTheCurrentKey() {
        var t = keyPage()
        var f4 = t.model.getKey[f4Slot]
        var esc = t.model.getKey[escSlot]
        f4.keyCode = 5
        esc.keyCode = 6
        select(f4)
        keyboardProbe.clearCapture()
        mouseClick(part(t.page, "_Reset_IMG"), 5, 5)
        compare(f4.keyCode, 61)
        compare(esc.keyCode, 6)
        compare(part(t.page, "_menu2_0").keycodeUSB, 61)
        settle()
        compare(keyboardProbe.capture(), [])
    }

    function test_otherCategoryIsShownAsNoneAndKeptByApply() {
        var t = keyPage()
        var f4 = t.model.getKey[f4Slot]
        f4.keyCode = 0x5123
        select(f4)
        compare(part(t.page, "_menu1").getCurIndex(), -1)
        verify(!part(t.page, "_menu2_0").visible)
        verify(!part(t.page, "_menu2_2").visible)
        verify(!part(t.page, "_menu2_4").visible)
        t.page.apply()
        settle()
        compare(keyboardProbe.keyMatrix(0).slice(2 * f4Slot, 2 * f4Slot + 2), [0x23, 0x51])
    }

    function test_allResetThenProfileSwitchShowsTheStoredCodes() {
        var t = keyPage()
        // Profile 1 stores B on Esc.
        var pf = part(t.scene, "pfItem")
        pf.indexChanged_btn(1)
        t.model.getKey[escSlot].keyCode = 5
        t.page.apply()
        settle()
        pf.indexChanged_btn(0)
        compare(t.model.getKey[escSlot].keyCode, 41)
        select(t.model.getKey[f4Slot])
        t.model.getKey[escSlot].keyCode = 6
        part(t.scene, "downItem").btnTotalResetClicked()
        compare(t.model.getKey[escSlot].keyCode, 41)
        pf.indexChanged_btn(1)
        compare(t.model.getKey[escSlot].keyCode, 5)
        compare(t.model.curKeyMatrix, f4Slot) // the current key survives
    }

    function test_gamingModeOffStillLetsAllSaveWrite() {
        var t = keyPage(0)
        var box = part(t.page, "_GamingMode_CHK")
        var area = part(t.page, "keyDefineMenuItem")
        verify(!box.isSelect)
        verify(!area.enabled)
        compare(area.opacity, 0.2)
        // The category list does not react.
        var list = part(t.page, "_menu1")
        mouseClick(part(list, "header"), 20, 10)
        wait(50)
        verify(!list.isSelect)
        // The picture still selects keys.
        select(t.model.getKey[f4Slot])
        compare(t.model.curKeyMatrix, f4Slot)
        t.model.getKey[escSlot].keyCode = 5
        keyboardProbe.clearCapture()
        part(t.scene, "downItem").btnTotalApplyClicked()
        settle()
        compare(keyboardProbe.keyMatrix(0).slice(0, 2), [5, 0])
    }

    // Each click sends the mode byte (1 ticked, 0 not) at once and plays no
    // sound; the reset button after it shows the probe hears click sounds.
    function test_gamingModeBoxSendsAtOnce() {
        var t = keyPage(0)
        var box = part(t.page, "_GamingMode_CHK")
        verify(soundProbe.enabled())
        soundProbe.clear()
        mouseClick(box, 5, 5)
        tryVerify(function() { return keyboardProbe.keyboardMode() === 1 })
        verify(box.isSelect)
        verify(part(t.page, "keyDefineMenuItem").enabled)
        mouseClick(box, 5, 5)
        tryVerify(function() { return keyboardProbe.keyboardMode() === 0 })
        verify(!box.isSelect)
        verify(!part(t.page, "keyDefineMenuItem").enabled)
        compare(soundProbe.started(4), 0, "the box is silent")
        mouseClick(box, 5, 5)
        mouseClick(part(t.page, "_Reset_IMG"), 5, 5)
        compare(soundProbe.started(4), 1, "one click sound, the reset button's")
    }

    // The box lights under the pointer even when not ticked; its label is
    // string 79.
    function test_gamingModeBoxLooks() {
        var t = keyPage(0)
        var box = part(t.page, "_GamingMode_CHK")
        var picture = null
        for (var i = 0; i < box.children.length; ++i) {
            if (box.children[i].hasOwnProperty("fillMode"))
                picture = box.children[i]
        }
        verify(picture, "the box picture")
        compare(box.chkStr, "GAMING MODE")
        mouseMove(t.page, 10, 10)
        compare(String(picture.source), String(t.scene.sourceCHK0))
        mouseMove(box, 5, 5)
        compare(String(picture.source), String(t.scene.sourceCHK1))
        mouseMove(t.page, 10, 10)
        compare(String(picture.source), String(t.scene.sourceCHK0))
    }

    // ---- a damaged definition and profile ----

    // Seven keys where the count says eight: a type without pictures, a slot
    // outside the matrix, a second key on slot 1, the Fn slot.
    readonly property var damagedDefinition: [8, 128,
        0, 0, 1, "A", 0, 4,
        28, 0, 1, "B", 1, 5,
        56, 0, 77, "Odd", 2, 6,
        84, 0, 1, "Far", 200, 7,
        112, 0, 1, "Dup", 1, 8,
        140, 0, 2, "Fn", 89, 0,
        168, 0, 1, "C", 3, 6]

    function test_damagedDefinitionAndProfile() {
        var stored = []
        for (var i = 0; i < 128; ++i)
            stored.push(keyboardProbe.storedList(0, "keydefine0/" + i))
        keyboardProbe.setStored(0, "keydefine0/0", undefined) // missing
        keyboardProbe.setStored(0, "keydefine0/1", ["x", "y"]) // not numbers
        keyboardProbe.setStored(0, "keydefine0/2", "7") // one item

        var loader = createTemporaryObject(sceneComponent, test)
        tryVerify(function() { return loader.status === Loader.Ready })
        var scene = loader.item
        scene.buildPages() // as after the first frame; nothing set up yet
        part(scene, "_KeyCodeString").initUI(damagedDefinition, ui_View.loadUsbStr(),
                                             ui_View.loadUsbCode())
        var page = part(scene, "main_Q3").page(0)
        page.initUI(true, damagedDefinition)
        var model = part(page, "_model")

        compare(model.getKey.length, 128)
        verify(part(model, "key6"), "the last listed key is drawn")
        compare(findChild(model, "key7"), null)
        var odd = part(model, "key2")
        verify(odd.width > 0, "a cap without a picture still has a size")
        verify(!part(model, "key3").enabled, "slot 200 has nowhere to go")
        verify(!part(model, "key4").enabled, "slot 1 belongs to the first key")
        compare(model.getKey[1].name, "B")
        verify(!part(model, "key5").enabled)

        // Missing and damaged entries keep the key's default; others are read.
        compare(model.getKey[0].keyCode, 4)
        compare(model.getKey[1].keyCode, 5)
        compare(model.getKey[2].keyCode, 6)
        compare(model.getKey[3].keyCode, parseInt(stored[3][0]))

        keyboardProbe.clearCapture()
        page.apply()
        settle()
        var expected = []
        for (var s = 0; s < 128; ++s)
            expected.push(parseInt(stored[s][0]), parseInt(stored[s][1]))
        expected[0] = 4; expected[1] = 0
        expected[2] = 5; expected[3] = 0
        expected[4] = 6; expected[5] = 0
        compare(keyboardProbe.keyMatrix(0), expected)
    }

    // A hardware definition whose slot count is damaged: the shipped ISO
    // drawing plus a 106th key "Far" in slot 200 with default code 5. The
    // picture keeps at least the keyboard's 128 slots and at most 256; the
    // slots past 127 are blank records but the one a key owns.
    function test_damagedSlotCount_data() {
        return [
            { tag: "largest count", slots: "2147483647", length: 256, farOwnsSlot: true },
            { tag: "count beyond the cap", slots: "300", length: 256, farOwnsSlot: true },
            { tag: "count at the cap", slots: "256", length: 256, farOwnsSlot: true },
            { tag: "count just over the far slot", slots: "201", length: 201, farOwnsSlot: true },
            { tag: "count above the keyboard's", slots: "130", length: 130, farOwnsSlot: false },
            { tag: "count below the keyboard's", slots: "100", length: 128, farOwnsSlot: false },
            { tag: "count not a number", slots: "many", length: 128, farOwnsSlot: false }
        ]
    }

    function test_damagedSlotCount(data) {
        var stored = []
        for (var i = 0; i < 128; ++i)
            stored.push(keyboardProbe.storedList(0, "keydefine0/" + i))
        var shipped = settingsProbe.read(definitionPath)
        var group = "[0]\ntotal_HW=105\ntotal_FW=128\n"
        verify(shipped.indexOf(group) >= 0, "the shipped ISO group")
        shippedDefinition = shipped
        verify(settingsProbe.write(definitionPath, shipped.replace(group,
            "[0]\ntotal_HW=106\ntotal_FW=" + data.slots + "\n106=700, 10, 1, Far, 200, 5\n")))

        var t = keyPage() // the key page is built by its first showing
        compare(t.model.getKey.length, data.length)
        var drawn = 0
        for (var s = 0; s < 128; ++s) {
            if (t.model.getKey[s].matrix === s)
                ++drawn
        }
        compare(drawn, 105)
        var far = part(t.model, "key105")
        compare([far.name, far.matrix, far.keyCode_Default, far.keyCode], ["Far", 200, 5, 5])
        compare(far.enabled, data.farOwnsSlot)
        for (s = 128; s < data.length; ++s) {
            var key = t.model.getKey[s]
            if (s === 200)
                verify(key === far, "slot 200 holds the far key")
            else
                compare([key.matrix, key.keyCode, key.keyCode_Default], [-1, 0, 0], "slot " + s)
        }

        // Apply sends the keyboard's 128 slots as the profile stores them.
        var expected = []
        for (s = 0; s < 128; ++s)
            expected.push(parseInt(stored[s][0]), parseInt(stored[s][1]))
        var cleared = []
        for (s = 0; s < 256; ++s)
            cleared.push(0)
        keyboardProbe.setKeyMatrix(0, cleared)
        mouseClick(part(t.page, "_Apply_IMG"), 5, 5)
        tryVerify(function() {
            return JSON.stringify(keyboardProbe.keyMatrix(0)) === JSON.stringify(expected)
        })
        compare(keyboardProbe.keyMatrix(0), expected)
    }

    // A keyboard that reports layout mode 1 gets the ANSI drawing and the
    // profile's ANSI key group.
    function test_ansiLayout() {
        keyboardProbe.setLayoutMode(1)
        ui_View.syncFW()
        var t = keyPage()
        var drawn = 0
        for (var i = 0; i < 128; ++i) {
            if (t.model.getKey[i].matrix === i)
                ++drawn
        }
        compare(drawn, 104)
        compare([t.model.getKey[45].name, t.model.getKey[45].keyCode_Default, t.model.getKey[45].keyType],
                ["\\", 49, 3]) // backslash, 1.5 units over Enter
        compare([t.model.getKey[61].name, t.model.getKey[61].keyType], ["Enter", 6])
        compare([t.model.getKey[64].name, t.model.getKey[64].keyType], ["Shift", 6])
        compare(t.model.getKey[76].matrix, -1) // no key beside the short ISO Shift
        var wide = t.model.getKey[61]
        verify(wide.width > 2 * t.model.getKey[0].width, "a wide Enter: " + wide.width)
        t.model.getKey[escSlot].keyCode = 5
        t.page.apply()
        settle()
        compare(keyboardProbe.storedList(0, "keydefine1/0"), ["5", "0"])
        compare(keyboardProbe.storedList(0, "keydefine0/0"), ["41", "0"])
    }
}
