import QtQuick
import QtTest

// The two lighting pages worked with the keyboard alone, in the real scene
// with the backend on the virtual keyboard: the tab order through each page,
// the key cursor over the colour page's keyboard picture, painting with
// Space, the back-light effects as a radio group, an effect chosen and
// applied by keys, and the names screen readers give. Expected keys, bytes
// and names are worked out by hand from the shipped ISO drawing (caps 26
// pixels high, rows 28 apart; Esc slot 0, F1 slot 1, Q slot 33, W slot 34,
// A slot 49) and from the lighting record's layout.
SceneTestCase {
    id: test
    name: "LightingKeyboard"

    readonly property var factoryColours: [252, 0, 0, 252, 128, 0, 252, 252, 0, 0, 252, 0, 0, 252, 252, 0, 0, 252,
                                           128, 0, 252]

    // The keyboard's profile 1 back in its factory lighting for the next test.
    function cleanup() {
        ui_View.ui_21H_SetCurrentProfile(0)
        ui_View.ui_08H_SetLEDType(2, 63, 4, 0, 7, 0xE0, 0x3C)
        ui_View.ui_30H_SetColor(factoryColours)
        for (var p = 0; p < 3; ++p)
            ui_View.resetProfile(p)
        settle()
    }

    // The started scene showing lighting page `pageIndex` (2 colour, 3 back-light).
    function lightingPage(pageIndex) {
        var scene = startScene()
        part(scene, "_fkPage").show(pageIndex)
        tryVerify(function() { return !part(scene, "pa_X").running && !part(scene, "paBack_X").running })
        var frame = part(scene, "main_Q3")
        return { scene: scene, color: frame.page(2), back: frame.page(3) }
    }

    function focused(item) {
        return item.Window.activeFocusItem
    }

    function zeros(count) {
        var list = []
        for (var i = 0; i < count; ++i)
            list.push(0)
        return list
    }

    // The colour page's key named `name` (as a screen reader names it).
    function keyNamed(page, name) {
        var keys = part(page, "_model").keys
        for (var i = 0; i < keys.length; ++i) {
            if (keys[i].Accessible.name === name)
                return keys[i]
        }
        fail("no key named " + name)
    }

    // The lighting records (command 08) sent since the last clear.
    function lightingReports() {
        return keyboardProbe.capture().map(function(line) {
            return line.split(" ").slice(1).join(" ")
        }).filter(function(line) { return line.indexOf("cmd feature-out 00 08 ") === 0 })
    }

    // ---- the key cursor over the colour page's keyboard picture ----

    // From a key, arrows, the key reached. Tall keys: ISO Enter (378, 70,
    // 40 x 54), keypad + (616, 70) and keypad Enter (616, 126), 26 x 54.
    function test_keyCursor_data() {
        return [
            { tag: "right along the top row", from: "Esc", keys: [Qt.Key_Right, Qt.Key_Right], to: "F2" },
            { tag: "left back", from: "F2", keys: [Qt.Key_Left], to: "F1" },
            { tag: "no key left of Esc", from: "Esc", keys: [Qt.Key_Left], to: "Esc" },
            { tag: "no key above Esc", from: "Esc", keys: [Qt.Key_Up], to: "Esc" },
            { tag: "down from Esc", from: "Esc", keys: [Qt.Key_Down], to: "`" },
            { tag: "down a column", from: "`", keys: [Qt.Key_Down, Qt.Key_Down, Qt.Key_Down], to: "Shift 1" },
            { tag: "up to the nearer of two, the left", from: "Q", keys: [Qt.Key_Up], to: "1 1" },
            { tag: "into ISO Enter from its upper row", from: "]", keys: [Qt.Key_Right], to: "Enter 1" },
            { tag: "into ISO Enter from its lower row", from: "#", keys: [Qt.Key_Right], to: "Enter 1" },
            { tag: "out of ISO Enter to the right", from: "Enter 1", keys: [Qt.Key_Right], to: "Del" },
            { tag: "up from ISO Enter", from: "Enter 1", keys: [Qt.Key_Up], to: "Back" },
            { tag: "down from ISO Enter: the next row, not Ctrl below it", from: "Enter 1", keys: [Qt.Key_Down], to: "Shift 2" },
            { tag: "keypad 3 up", from: "3 2", keys: [Qt.Key_Up], to: "6 2" },
            { tag: "keypad 6 right into +", from: "6 2", keys: [Qt.Key_Right], to: "+" },
            { tag: "+ left: the upper of two", from: "+", keys: [Qt.Key_Left], to: "9 2" },
            { tag: "+ up", from: "+", keys: [Qt.Key_Up], to: "- 2" },
            { tag: "keypad - down", from: "- 2", keys: [Qt.Key_Down], to: "+" },
            { tag: "arrow up key: straight up past the empty row", from: "↑", keys: [Qt.Key_Up], to: "End" },
            { tag: "nothing above Num: the nearest to the side", from: "Num", keys: [Qt.Key_Up], to: "Pause" },
            { tag: "space bar up", from: "Space", keys: [Qt.Key_Up], to: "B" },
            { tag: "space bar right", from: "Space", keys: [Qt.Key_Right], to: "AltGr" }
        ]
    }

    function test_keyCursor(data) {
        var t = lightingPage(2)
        part(t.color, "_effect1").setCurIndex(0) // PAINTING: the picture takes the focus
        var model = part(t.color, "_model")
        model.setCurrentKey(keyNamed(t.color, data.from))
        model.forceActiveFocus()
        compare(focused(t.scene).Accessible.name, data.from)
        for (var i = 0; i < data.keys.length; ++i)
            keyClick(data.keys[i])
        compare(focused(t.scene).Accessible.name, data.to)
        compare(model.currentKey.Accessible.name, data.to)
        verify(part(model.currentKey, "focusMark").visible, "the reached key shows the focus mark")
    }

    // The cursor starts on the top left key; the picture is one tab stop.
    function test_pictureIsOneTabStop() {
        var t = lightingPage(2)
        part(t.color, "_effect1").setCurIndex(0)
        part(t.color, "_effect2").setCurIndex(0)
        var model = part(t.color, "_model")
        compare(model.currentKey.Accessible.name, "Esc")
        var before = part(t.color, "_effect2")
        before.forceActiveFocus()
        keyClick(Qt.Key_Tab)
        compare(focused(t.scene), model.currentKey)
        verify(part(model, "focusMark").visible, "the picture's mark")
        keyClick(Qt.Key_Right)
        keyClick(Qt.Key_Tab)
        verify(focused(t.scene) !== null && focused(t.scene).parent !== model, "Tab leaves the picture")
        keyClick(Qt.Key_Backtab)
        compare(focused(t.scene).Accessible.name, "F1")
    }

    // ---- painting with Space against a rubber band ----

    // Keys painted, option box, LOOP or swatch 0, the picker's colour and the
    // entries (slot, option) they must give. The band runs from the top left
    // of the first key's cap to the bottom right of the last one's, in the
    // area's coordinates (the picture sits at 22, 29 in it).
    function test_spacePaintsAsTheBand_data() {
        return [
            { tag: "Esc static", keys: ["Esc"], box: "optionStatic", loop: false, rgb: [10, 20, 30],
              slots: [0], option: 0x10 },
            { tag: "Q W breathing with loop", keys: ["Q", "W"], box: "optionBreathing", loop: true,
              rgb: [255, 0, 128], slots: [33, 34], option: 0x27 },
            { tag: "Esc F1 neon", keys: ["Esc", "F1"], box: "optionNeon", loop: false, rgb: [0, 200, 0],
              slots: [0, 1], option: 0x30 }
        ]
    }

    function choosePainting(t, data) {
        part(t.color, "_effect1").setCurIndex(0)
        part(t.color, "_effect2").setCurIndex(0) // USER DEFINE 1
        mouseClick(part(t.color, data.box), 5, 5)
        part(t.color, "lvColorIndex").currentIndex = data.loop ? 7 : 0
        part(t.color, "_Palette").setRGB(0, data.rgb[0], data.rgb[1], data.rgb[2])
    }

    function band(t, names) {
        var area = part(t.color, "ma_SelectArea")
        var model = part(t.color, "_model")
        var a = keyNamed(t.color, names[0])
        var b = keyNamed(t.color, names[names.length - 1])
        mousePress(area, model.x + a.x + 2, model.y + a.y + 2)
        mouseMove(area, model.x + b.x + b.width - 2, model.y + b.y + b.height - 2, -1, Qt.LeftButton)
        mouseRelease(area, model.x + b.x + b.width - 2, model.y + b.y + b.height - 2, Qt.LeftButton)
    }

    function spacePaint(t, names) {
        var model = part(t.color, "_model")
        for (var i = 0; i < names.length; ++i) {
            model.setCurrentKey(keyNamed(t.color, names[i]))
            model.forceActiveFocus()
            keyClick(Qt.Key_Space)
        }
    }

    // What painting left: the picture, what apply writes of it, the selection.
    function painted(t) {
        var keys = part(t.color, "_model").keys
        return {
            picture: part(t.color, "_eft_Ctrl").pic_01.slice(),
            written: t.color.pictureToWrite(1),
            selected: keys.filter(function(k) { return k.isSelect }).map(function(k) { return k.Accessible.name }),
            checked: keys.filter(function(k) { return k.Accessible.checked }).map(function(k) { return k.Accessible.name })
        }
    }

    function test_spacePaintsAsTheBand(data) {
        // Picture 1 as stored: a red of 300 on A (slot 49), which a page
        // writes back as read while nobody paints it.
        var stored = zeros(512)
        stored[4 * 49] = 0x10
        stored[4 * 49 + 1] = 300
        keyboardProbe.setStored(0, "userPicture/0", stored)
        var t = lightingPage(2)
        t.color.initUI()
        choosePainting(t, data)
        band(t, data.keys)
        var byBand = painted(t)

        t.color.initUI() // the stored picture again, nothing selected or painted
        choosePainting(t, data)
        part(t.color, "_model").keys.forEach(function(k) { k.isSelect = false })
        compare(painted(t).checked, ["A"])
        spacePaint(t, data.keys)
        var byKeys = painted(t)

        var expected = stored.slice()
        expected[4 * 49 + 1] = 255 // shown as a channel
        var expectedWritten = stored.slice()
        for (var s = 0; s < data.slots.length; ++s) {
            var values = [data.option].concat(data.rgb)
            for (var v = 0; v < 4; ++v) {
                expected[4 * data.slots[s] + v] = values[v]
                expectedWritten[4 * data.slots[s] + v] = values[v]
            }
        }
        compare(byKeys.picture, expected, "picture by Space")
        compare(byBand.picture, expected, "picture by band")
        compare(byKeys.written, expectedWritten, "written by Space")
        compare(byBand.written, expectedWritten, "written by band")
        compare(byKeys.selected, data.keys, "selected by Space")
        compare(byBand.selected, data.keys, "selected by band")
        var checked = data.keys.concat(["A"]).sort()
        compare(byKeys.checked.sort(), checked)
        compare(byBand.checked.sort(), checked)
    }

    // Space on a selected key takes it out of the selection and leaves its
    // paint; Return paints as Space does.
    function test_spaceAgainDeselects() {
        var t = lightingPage(2)
        choosePainting(t, { box: "optionStatic", loop: false, rgb: [1, 2, 3] })
        keyboardProbe.clearCapture()
        var model = part(t.color, "_model")
        var esc = keyNamed(t.color, "Esc")
        model.setCurrentKey(esc)
        model.forceActiveFocus()
        keyClick(Qt.Key_Space)
        compare([esc.isSelect, esc.Accessible.selected, esc.Accessible.checked], [true, true, true])
        part(t.color, "_Palette").setRGB(0, 9, 9, 9)
        keyClick(Qt.Key_Space)
        compare([esc.isSelect, esc.Accessible.selected, esc.Accessible.checked], [false, false, true])
        compare(part(t.color, "_eft_Ctrl").pic_01.slice(0, 8), [0x10, 1, 2, 3, 0, 0, 0, 0])
        keyClick(Qt.Key_Right)
        keyClick(Qt.Key_Return)
        compare(part(t.color, "_eft_Ctrl").pic_01.slice(0, 8), [0x10, 1, 2, 3, 0x10, 9, 9, 9])
        compare(keyboardProbe.capture(), [])
    }

    // Outside painting the picture takes no focus and paints nothing.
    function test_pictureOnlyWhilePainting() {
        var t = lightingPage(2)
        part(t.color, "_effect1").setCurIndex(1)
        part(t.color, "_effect3").setCurIndex(0)
        var model = part(t.color, "_model")
        model.forceActiveFocus()
        verify(!model.activeFocus, "no focus while showing an effect")
        compare(model.activeFocusOnTab && model.enabled, false)
    }

    // ---- back-light effects: a radio group ----

    // From the effect shown, keys pressed, the effect chosen and the bytes
    // apply sends (factory E0 3C otherwise: bl0 = effect | 7 << 5).
    function test_backLightEffectsByKeys_data() {
        return [
            { tag: "down twice", from: 0, keys: [Qt.Key_Down, Qt.Key_Down], effect: 2, bl0: "E2" },
            { tag: "right", from: 1, keys: [Qt.Key_Right], effect: 2, bl0: "E2" },
            { tag: "up", from: 3, keys: [Qt.Key_Up], effect: 2, bl0: "E2" },
            { tag: "down at the last stays", from: 3, keys: [Qt.Key_Down], effect: 3, bl0: "E3" },
            { tag: "up at the first stays", from: 0, keys: [Qt.Key_Up, Qt.Key_Left], effect: 0, bl0: "E0" },
            { tag: "none shown, down takes the first", from: -1, keys: [Qt.Key_Down], effect: 0, bl0: "E0" },
            { tag: "none shown, space takes the first", from: -1, keys: [Qt.Key_Space], effect: 0, bl0: "E0" },
            { tag: "none shown, up takes the last", from: -1, keys: [Qt.Key_Up], effect: 3, bl0: "E3" }
        ]
    }

    function test_backLightEffectsByKeys(data) {
        var t = lightingPage(3)
        var effects = part(t.back, "_effects")
        keyboardProbe.setStored(0, "color/ledType", [2, 63, 4, 0, 7, 0xE0 | (data.from < 0 ? 0x1F : data.from), 0x3C])
        t.back.initUI()
        compare(effects.currentIndex, data.from)
        effects.forceActiveFocus()
        compare(focused(t.scene).objectName, "effect" + Math.max(data.from, 0))
        for (var i = 0; i < data.keys.length; ++i)
            keyClick(data.keys[i])
        compare(effects.currentIndex, data.effect)
        compare(focused(t.scene).objectName, "effect" + data.effect)
        verify(part(focused(t.scene), "focusMark").visible, "the focused entry's mark")
        var entries = [0, 1, 2, 3].map(function(i) { return part(effects, "effect" + i).Accessible.checked })
        compare(entries, [0, 1, 2, 3].map(function(i) { return i === data.effect }))
        keyboardProbe.clearCapture()
        t.back.pageApply()
        tryVerify(function() { return lightingReports().length === 1 }, 5000, "record sent")
        compare(lightingReports(), ["cmd feature-out 00 08 02 3F 04 00 07 " + data.bl0 + " 3C"])
    }
}
