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

    // Each test starts and leaves the keyboard on profile 1 in its factory
    // lighting.
    function initTestCase() {
        factoryLighting()
    }

    function cleanup() {
        factoryLighting()
    }

    function factoryLighting() {
        ui_View.ui_21H_SetCurrentProfile(0)
        ui_View.ui_08H_SetLEDType(2, 63, 4, 0, 7, 0xE0, 0x3C)
        ui_View.ui_30H_SetColor(factoryColours)
        for (var p = 0; p < 3; ++p)
            ui_View.resetProfile(p)
        settle()
    }

    // The started scene showing lighting page `pageIndex` (2 colour, 3
    // back-light). The start reads the keyboard's record into the profile:
    // values a test stores go in after it, then the page reads them again.
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

    // The focused control as the object names on the way from `page` down
    // to it, or "outside" when it is not on the page.
    function focusPath(page, scene) {
        var names = []
        var item = focused(scene)
        for (; item && item !== page; item = item.parent) {
            if (item.objectName !== "")
                names.unshift(item.objectName)
        }
        return item === page ? names.join("/") : "outside"
    }

    // The controls Tab (or Shift+Tab) reaches from `first` on, until the
    // focus leaves the page.
    function tabChain(page, scene, first, key) {
        first.forceActiveFocus()
        var chain = [focusPath(page, scene)]
        for (var i = 0; i < 40; ++i) {
            keyClick(key)
            var at = focusPath(page, scene)
            if (at === "outside")
                return chain
            chain.push(at)
        }
        fail("the focus does not leave the page: " + chain.join(", "))
    }

    // The item at `path` (object names, "/" between them) under `page`.
    function itemAt(page, path) {
        var item = page
        path.split("/").forEach(function(name) { item = part(item, name) })
        return item
    }

    // ---- tab order ----

    // Reading order: the category and effect (or picture) lists, the
    // keyboard picture while painting, the colour strip, the picker's rows,
    // reset, apply, speed, brightness, then direction or the painting
    // options. Disabled and hidden controls are left out.
    function test_colourPageTabOrder_data() {
        var lists = ["_effect/_effect1", "_effect/_effect3"]
        var colours = ["_PaletteIndex/lvColorIndex", "_Palette/rowR/input", "_Palette/rowG/input", "_Palette/rowB/input"]
        var pair = ["colorResetApply/_ColorReset_IMG", "colorResetApply/_ColorApply_IMG"]
        var sliders = ["_speed/slider", "_brightness/slider"]
        return [
            { tag: "STATIC", category: 1, entry: 0,
              chain: lists.concat(colours, pair, sliders) },
            { tag: "INDUCTION BRIGHTEN: no colours, the wheel", category: 1, entry: 6,
              chain: lists.concat(pair, sliders, ["_direct/wheel"]) },
            { tag: "MARQUEE CIRCLE: no colours, the wheel", category: 1, entry: 10,
              chain: lists.concat(pair, sliders, ["_direct/wheel"]) },
            { tag: "USER DEFINE 2: picture and options", category: 0, entry: 1,
              chain: ["_effect/_effect1", "_effect/_effect2", "modelControler/_model/key0"].concat(
                         colours, pair, sliders,
                         ["_btnOption/optionStatic", "_btnOption/optionBreathing", "_btnOption/optionNeon"]) },
            { tag: "PAINTING without a picture", category: 0, entry: -1,
              chain: ["_effect/_effect1", "_effect/_effect2", "modelControler/_model/key0", "_speed/slider"] },
            { tag: "EFFECTS without an entry", category: 1, entry: -1,
              chain: lists.concat(["_speed/slider"]) },
            { tag: "no category", category: -1, entry: -1,
              chain: ["_effect/_effect1", "_speed/slider"] }
        ]
    }

    function test_colourPageTabOrder(data) {
        var t = lightingPage(2)
        part(t.color, "_effect1").setCurIndex(data.category)
        if (data.category >= 0)
            part(t.color, data.category === 0 ? "_effect2" : "_effect3").setCurIndex(data.entry)
        checkTabChain(t.scene, t.color, data.chain)
    }

    // Tab from the first control reaches `chain` in order and then leaves the
    // page; Shift+Tab from the last goes back the same way; each control has
    // a name of its own.
    function checkTabChain(scene, page, chain) {
        compare(tabChain(page, scene, itemAt(page, chain[0]), Qt.Key_Tab), chain, "Tab")
        var reverse = chain.slice().reverse()
        compare(tabChain(page, scene, itemAt(page, reverse[0]), Qt.Key_Backtab), reverse, "Shift+Tab")
        var spoken = chain.map(function(path) { return itemAt(page, path).Accessible.name })
        spoken.forEach(function(name, i) { verify(name !== "", chain[i] + " has a name") })
        compare(spoken.filter(function(name, i) { return spoken.indexOf(name) === i }).length, spoken.length,
                "no two controls share a name: " + spoken.join(", "))
    }

    // Reading order: the effects, speed, brightness, colour, direction (for
    // effect 2 only), reset, apply; the focus enters the effects on the
    // current one.
    function test_backLightTabOrder_data() {
        var sliders = ["_speed/slider", "_brightness/slider"]
        var pair = ["backLightResetApply/_reset", "backLightResetApply/_apply"]
        return [
            { tag: "effect 0", effect: 0, chain: ["_effects/effect0"].concat(sliders, ["_colours"], pair) },
            { tag: "effect 2", effect: 2, chain: ["_effects/effect2"].concat(sliders, ["_colours", "_wheel"], pair) },
            { tag: "effect 3", effect: 3, chain: ["_effects/effect3"].concat(sliders, pair) },
            { tag: "no effect", effect: -1, chain: ["_effects/effect0"].concat(sliders, pair) }
        ]
    }

    function test_backLightTabOrder(data) {
        var t = lightingPage(3)
        part(t.back, "_effects").currentIndex = data.effect
        checkTabChain(t.scene, t.back, data.chain)
    }

    // ---- names for screen readers ----

    function test_names_data() {
        return [
            { tag: "category list", page: 2, path: "_effect1", role: Accessible.ComboBox, name: "LIGHTING EFFECTS" },
            { tag: "picture list, none chosen", page: 2, path: "_effect2", role: Accessible.ComboBox, name: "PAINTING" },
            { tag: "effect list", page: 2, path: "_effect3", role: Accessible.ComboBox, name: "EFFECTS WAVE" },
            { tag: "keyboard picture", page: 2, path: "_model", role: Accessible.List, name: "KEYBOARD" },
            { tag: "Esc", page: 2, path: "_model/key0", role: Accessible.ListItem, name: "Esc" },
            { tag: "left Shift", page: 2, path: "_model/key74", role: Accessible.ListItem, name: "Shift 1" },
            { tag: "right Shift", page: 2, path: "_model/key86", role: Accessible.ListItem, name: "Shift 2" },
            { tag: "colour strip", page: 2, path: "lvColorIndex", role: Accessible.Grouping, name: "COLOR" },
            { tag: "static box", page: 2, path: "optionStatic", role: Accessible.RadioButton, name: "STATIC" },
            { tag: "breathing box", page: 2, path: "optionBreathing", role: Accessible.RadioButton, name: "BREATHING" },
            { tag: "neon box", page: 2, path: "optionNeon", role: Accessible.RadioButton, name: "NEON" },
            { tag: "colour speed", page: 2, path: "_speed/slider", role: Accessible.Slider, name: "SPEED" },
            { tag: "colour brightness", page: 2, path: "_brightness/slider", role: Accessible.Slider,
              name: "BRIGHTNESS" },
            { tag: "colour direction", page: 2, path: "_direct/wheel", role: Accessible.Grouping, name: "DIRECTION" },
            { tag: "colour reset", page: 2, path: "_ColorReset_IMG", role: Accessible.Button, name: "RESET" },
            { tag: "colour apply", page: 2, path: "_ColorApply_IMG", role: Accessible.Button, name: "APPLY" },
            { tag: "back-light effects", page: 3, path: "_effects", role: Accessible.Grouping, name: "LED POWER ON" },
            { tag: "twinkling", page: 3, path: "_effects/effect0", role: Accessible.RadioButton, name: "TWINKLING" },
            { tag: "vertical flipping", page: 3, path: "_effects/effect3", role: Accessible.RadioButton,
              name: "VERTICAL FLIPPING" },
            { tag: "back-light colour", page: 3, path: "_colours", role: Accessible.Grouping, name: "COLOR" },
            { tag: "back-light speed", page: 3, path: "_speed/slider", role: Accessible.Slider, name: "SPEED" },
            { tag: "back-light brightness", page: 3, path: "_brightness/slider", role: Accessible.Slider,
              name: "BRIGHTNESS" },
            { tag: "back-light direction", page: 3, path: "_wheel", role: Accessible.Grouping, name: "DIRECTION" },
            { tag: "back-light reset", page: 3, path: "_reset", role: Accessible.Button, name: "RESET" },
            { tag: "back-light apply", page: 3, path: "_apply", role: Accessible.Button, name: "APPLY" }
        ]
    }

    function test_names(data) {
        var t = lightingPage(data.page)
        var item = itemAt(data.page === 2 ? t.color : t.back, data.path)
        compare(item.Accessible.name, data.name)
        compare(item.Accessible.role, data.role)
    }

    // The lists' names say what they show, as the choice changes by keys.
    function test_listNamesSayTheChoice() {
        var t = lightingPage(2)
        var lists = ["_effect1", "_effect2", "_effect3"].map(function(n) { return part(t.color, n) })
        var spoken = function() { return lists.map(function(l) { return l.Accessible.name }) }
        compare(spoken(), ["LIGHTING EFFECTS", "PAINTING", "EFFECTS WAVE"])
        lists[2].forceActiveFocus()
        keyClick(Qt.Key_Return)
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Return)
        compare(spoken(), ["LIGHTING EFFECTS", "PAINTING", "EFFECTS INDUCTION DARKEN"])
        lists[0].forceActiveFocus()
        keyClick(Qt.Key_Return)
        keyClick(Qt.Key_Up)
        keyClick(Qt.Key_Return)
        compare(spoken(), ["LIGHTING PAINTING", "PAINTING", "EFFECTS"])
        lists[1].forceActiveFocus()
        keyClick(Qt.Key_Return)
        keyClick(Qt.Key_End)
        keyClick(Qt.Key_Return)
        compare(spoken(), ["LIGHTING PAINTING", "PAINTING USER DEFINE 5", "EFFECTS"])
    }

    // Names follow the language: a pack whose texts differ from the
    // built-in ones renames the controls.
    function test_namesFollowTheLanguage() {
        var t = lightingPage(2)
        var frame = part(t.scene, "main_Q3")
        frame.page(3)
        var strings = []
        for (var i = 0; i <= 130; ++i)
            strings.push(i === 0 ? "Arial" : "T" + i)
        t.scene.globalSetting_stringList = strings
        frame.translateStrings()
        compare(part(t.color, "_effect1").Accessible.name, "T130 T7")
        compare(part(t.color, "_effect3").Accessible.name, "T7 T15")
        compare(part(t.color, "_model").Accessible.name, "T46")
        compare(part(t.color, "optionNeon").Accessible.name, "T20")
        compare(part(t.color, "lvColorIndex").Accessible.name, "T35")
        compare(part(t.back, "_effects").Accessible.name, "T87")
        compare(part(t.back, "effect1").Accessible.name, "T89")
    }

    // ---- an effect chosen and applied by keys, as by clicks ----

    // From the stored type, the lists' entries chosen (category, then effect
    // or picture) and the record apply sends: brightness 63 (3F), speed 4,
    // direction 0, colour 7 and the back-light bytes E0 3C as stored. By keys
    // a list opens with Return at its chosen entry (the first when none is),
    // the arrows move, Return chooses; Tab goes on to the next list and to
    // apply, Return presses it. Pictures also send their four planes.
    function test_effectAppliedByKeys_data() {
        var rows = [
            { tag: "RIPPLE from a picture", stored: 0x33, category: 1, entry: 5,
              keys: [Qt.Key_Return, Qt.Key_Down, Qt.Key_Return, Qt.Key_Tab,
                     Qt.Key_Return, Qt.Key_Down, Qt.Key_Down, Qt.Key_Down, Qt.Key_Down, Qt.Key_Down, Qt.Key_Return],
              record: "05 3F 04 00 07 E0 3C", planes: 0 },
            { tag: "MARQUEE CIRCLE by End and Up", stored: 0x02, category: 1, entry: 10,
              keys: [Qt.Key_Tab, Qt.Key_Return, Qt.Key_End, Qt.Key_Up, Qt.Key_Return],
              record: "0A 3F 04 00 07 E0 3C", planes: 0 },
            { tag: "USER DEFINE 3 from WAVE", stored: 0x02, category: 0, entry: 2,
              keys: [Qt.Key_Space, Qt.Key_Up, Qt.Key_Space, Qt.Key_Tab,
                     Qt.Key_Space, Qt.Key_Down, Qt.Key_Down, Qt.Key_Return],
              record: "35 3F 04 00 07 E0 3C", planes: 4 }
        ]
        var both = []
        rows.forEach(function(row) {
            both.push(Object.assign({}, row, { tag: row.tag + " by keys", byKeys: true }))
            both.push(Object.assign({}, row, { tag: row.tag + " by clicks", byKeys: false }))
        })
        return both
    }

    function clickEntry(list, entry) {
        mouseClick(list, 75, 11)
        tryCompare(list, "isSelect", true)
        mouseClick(part(list, "entry" + entry), 40, 11)
        tryCompare(list, "isSelect", false)
    }

    function test_effectAppliedByKeys(data) {
        var t = lightingPage(2)
        keyboardProbe.setStored(0, "color/ledType", [data.stored, 63, 4, 0, 7, 0xE0, 0x3C])
        t.color.initUI()
        compare(part(t.color, "_effect1").defaultIndex, data.stored >= 0x33 ? 0 : 1, "category shown first")
        keyboardProbe.clearCapture()
        if (data.byKeys) {
            part(t.color, "_effect1").forceActiveFocus()
            for (var i = 0; i < data.keys.length; ++i) {
                keyClick(data.keys[i])
                if (data.keys[i] !== Qt.Key_Tab) {
                    var list = focused(t.scene)
                    tryVerify(function() { return list.isSelect === list.listShown }, 3000, "list at rest")
                }
            }
            for (var tabs = 0; tabs < 20 && focused(t.scene).objectName !== "_ColorApply_IMG"; ++tabs)
                keyClick(Qt.Key_Tab)
            compare(focused(t.scene).objectName, "_ColorApply_IMG")
            keyClick(Qt.Key_Return)
        } else {
            clickEntry(part(t.color, "_effect1"), data.category)
            clickEntry(part(t.color, data.category === 0 ? "_effect2" : "_effect3"), data.entry)
            mouseClick(part(t.color, "_ColorApply_IMG"), 5, 5)
        }
        tryVerify(function() { return lightingReports().length >= 1 }, 5000, "record sent")
        settle()
        compare(lightingReports(), ["cmd feature-out 00 08 " + data.record])
        var planes = keyboardProbe.capture().filter(function(line) {
            return line.indexOf("feature-out 00 12 ") >= 0
        })
        compare(planes.length, data.planes, "picture planes")
    }

    // ---- speed, brightness, direction and reset by keys ----

    // INDUCTION BRIGHTEN (06) stored with brightness 60 (shown as level 7,
    // between two steps), speed 4, right, LOOP. Keys on one control, then
    // Return on apply. Levels: speed value = 8 - level, brightness =
    // round(level x 63 / 7); a control left as read writes 60 back as read.
    function test_levelsByKeys_data() {
        return [
            { tag: "speed two faster", control: "_speed/slider", keys: [Qt.Key_Right, Qt.Key_Up],
              record: "06 3C 02 00 07 E0 3C" },
            { tag: "speed slowest by Home", control: "_speed/slider", keys: [Qt.Key_Home],
              record: "06 3C 07 00 07 E0 3C" },
            { tag: "brightness three down", control: "_brightness/slider",
              keys: [Qt.Key_Left, Qt.Key_Down, Qt.Key_Left], record: "06 24 04 00 07 E0 3C" },
            { tag: "brightness End, already there: as read", control: "_brightness/slider", keys: [Qt.Key_End],
              record: "06 3C 04 00 07 E0 3C" },
            { tag: "brightness down and up again: as chosen", control: "_brightness/slider",
              keys: [Qt.Key_Left, Qt.Key_Right], record: "06 3F 04 00 07 E0 3C" },
            { tag: "direction left", control: "_direct/wheel", keys: [Qt.Key_Left], record: "06 3C 04 01 07 E0 3C" },
            { tag: "direction left and right again", control: "_direct/wheel", keys: [Qt.Key_Left, Qt.Key_Right],
              record: "06 3C 04 00 07 E0 3C" },
            { tag: "reset: the factory's WAVE", control: "colorResetApply/_ColorReset_IMG", keys: [Qt.Key_Return],
              record: "02 3F 04 00 07 E0 3C" }
        ]
    }

    function pressApply(t) {
        tryVerify(function() { return !part(t.scene, "protectUIItem").isBusy }, 5000, "not busy")
        keyboardProbe.clearCapture()
        var apply = part(t.color, "_ColorApply_IMG")
        apply.forceActiveFocus()
        keyClick(Qt.Key_Return)
        tryVerify(function() { return lightingReports().length >= 1 }, 5000, "record sent")
        settle()
    }

    function test_levelsByKeys(data) {
        var t = lightingPage(2)
        keyboardProbe.setStored(0, "color/ledType", [0x06, 60, 4, 0, 7, 0xE0, 0x3C])
        t.color.initUI()
        itemAt(t.color, data.control).forceActiveFocus()
        for (var i = 0; i < data.keys.length; ++i)
            keyClick(data.keys[i])
        pressApply(t)
        compare(lightingReports(), ["cmd feature-out 00 08 " + data.record])
    }

    // ---- the colour set by keys ----

    // The factory set; swatch 4 (index 3, green 0 252 0) chosen on the strip
    // with Home, Right x 3 and Return; 128 typed into the R row and left with
    // Tab, 64 into the G row and ended with Return. The keyboard gets the set
    // in its units (a quarter), swatch 4 as 32 16 0, and colour choice 3.
    function test_colourSetByKeys() {
        var t = lightingPage(2)
        var strip = part(t.color, "lvColorIndex")
        strip.forceActiveFocus()
        keyClick(Qt.Key_Home)
        keyClick(Qt.Key_Right)
        keyClick(Qt.Key_Right)
        keyClick(Qt.Key_Right)
        compare(strip.currentIndex, 7, "moving chooses nothing")
        keyClick(Qt.Key_Return)
        compare(strip.currentIndex, 3)
        keyClick(Qt.Key_Tab)
        compare(focusPath(t.color, t.scene), "_Palette/rowR/input")
        keyClick(Qt.Key_A, Qt.ControlModifier)
        keyClick("1")
        keyClick("2")
        keyClick("8")
        keyClick(Qt.Key_Tab)
        compare(focusPath(t.color, t.scene), "_Palette/rowG/input")
        keyClick(Qt.Key_A, Qt.ControlModifier)
        keyClick("6")
        keyClick("4")
        keyClick(Qt.Key_Return)
        compare([strip.mdColors.get(3).clrR, strip.mdColors.get(3).clrG, strip.mdColors.get(3).clrB], [128, 64, 0])
        pressApply(t)
        compare(keyboardProbe.colours(0), [63, 0, 0, 63, 32, 0, 63, 63, 0, 32, 16, 0, 0, 63, 63, 0, 0, 63, 32, 0, 63])
        compare(lightingReports(), ["cmd feature-out 00 08 02 3F 04 00 03 E0 3C"])
    }

    // STATIC (00) stored with colour choice 2: the strip by keys, then
    // Return on apply. The choice is byte 4 of the record; LOOP is 7.
    function test_colourChoiceByKeys_data() {
        return [
            { tag: "LOOP by End and Return", keys: [Qt.Key_End, Qt.Key_Return], record: "00 3F 04 00 07 E0 3C" },
            { tag: "LOOP by End and Space", keys: [Qt.Key_End, Qt.Key_Space], record: "00 3F 04 00 07 E0 3C" },
            { tag: "swatch 1 by Home and Return", keys: [Qt.Key_Home, Qt.Key_Return], record: "00 3F 04 00 00 E0 3C" },
            { tag: "swatch 4 by Right and Return", keys: [Qt.Key_Right, Qt.Key_Return], record: "00 3F 04 00 03 E0 3C" },
            { tag: "moved over, nothing chosen", keys: [Qt.Key_End, Qt.Key_Left], record: "00 3F 04 00 02 E0 3C" }
        ]
    }

    function test_colourChoiceByKeys(data) {
        var t = lightingPage(2)
        keyboardProbe.setStored(0, "color/ledType", [0x00, 63, 4, 0, 2, 0xE0, 0x3C])
        t.color.initUI()
        part(t.color, "lvColorIndex").forceActiveFocus()
        for (var i = 0; i < data.keys.length; ++i)
            keyClick(data.keys[i])
        pressApply(t)
        compare(lightingReports(), ["cmd feature-out 00 08 " + data.record])
    }

    // The painting job by keys: NEON chosen with Space, swatch 1 with Home
    // and Return (red 252 0 0), its blue made 9 in the B row, F1 painted
    // from the picture's cursor: F1's entry (slot 1) is 30 252 0 9, and
    // swatch 1 took the new blue.
    function test_paintingByKeys() {
        var t = lightingPage(2)
        part(t.color, "_effect1").setCurIndex(0)
        part(t.color, "_effect2").setCurIndex(0)
        part(t.color, "optionNeon").forceActiveFocus()
        keyClick(Qt.Key_Space)
        compare(["optionStatic", "optionBreathing", "optionNeon"].map(function(n) {
            return part(t.color, n).isSelect
        }), [false, false, true])
        part(t.color, "lvColorIndex").forceActiveFocus()
        keyClick(Qt.Key_Home)
        keyClick(Qt.Key_Space)
        itemAt(t.color, "_Palette/rowB/input").forceActiveFocus()
        keyClick(Qt.Key_A, Qt.ControlModifier)
        keyClick("9")
        keyClick(Qt.Key_Return)
        part(t.color, "_model").forceActiveFocus()
        keyClick(Qt.Key_Right)
        keyClick(Qt.Key_Space)
        var expected = zeros(512)
        expected[4] = 0x30
        expected[5] = 252
        expected[7] = 9
        compare(part(t.color, "_eft_Ctrl").pic_01, expected)
        var c = part(t.color, "lvColorIndex").mdColors.get(0)
        compare([c.clrR, c.clrG, c.clrB], [252, 0, 9])
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
            { tag: "space bar right", from: "Space", keys: [Qt.Key_Right], to: "AltGr" },
            { tag: "Ctrl+Right is left to others", from: "Esc", keys: [Qt.Key_Right], modifiers: Qt.ControlModifier,
              to: "Esc" }
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
            keyClick(data.keys[i], data.modifiers || Qt.NoModifier)
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
        var t = lightingPage(2)
        keyboardProbe.setStored(0, "userPicture/0", stored)
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

    // Back light stored as E2 3C: effect 2, brightness 7; speed value 4
    // (level 4), LOOP (7), right. Keys on one control, Return on apply;
    // bl0 = effect | brightness << 5, bl1 = speed | colour << 3 |
    // direction << 6; the colour page's five values go back as read.
    function test_backLightByKeys_data() {
        return [
            { tag: "speed one faster", control: "_speed/slider", keys: [Qt.Key_Right], bytes: "E2 3B" },
            { tag: "brightness off by Home", control: "_brightness/slider", keys: [Qt.Key_Home], bytes: "02 3C" },
            { tag: "colour 1 by Home and Return", control: "_colours", keys: [Qt.Key_Home, Qt.Key_Return],
              bytes: "E2 04" },
            { tag: "colour moved over but not chosen", control: "_colours", keys: [Qt.Key_Home], bytes: "E2 3C" },
            { tag: "direction left", control: "_wheel", keys: [Qt.Key_Left], bytes: "E2 7C" },
            { tag: "the fourth effect by Down", control: "_effects", keys: [Qt.Key_Down], bytes: "E3 3C" },
            { tag: "reset: the factory's E0 3C", control: "backLightResetApply/_reset", keys: [Qt.Key_Space],
              bytes: "E0 3C" }
        ]
    }

    function test_backLightByKeys(data) {
        var t = lightingPage(3)
        keyboardProbe.setStored(0, "color/ledType", [2, 63, 4, 0, 7, 0xE2, 0x3C])
        t.back.initUI()
        itemAt(t.back, data.control).forceActiveFocus()
        for (var i = 0; i < data.keys.length; ++i)
            keyClick(data.keys[i])
        keyboardProbe.clearCapture()
        part(t.back, "_apply").forceActiveFocus()
        keyClick(Qt.Key_Return)
        tryVerify(function() { return lightingReports().length >= 1 }, 5000, "record sent")
        settle()
        compare(lightingReports(), ["cmd feature-out 00 08 02 3F 04 00 07 " + data.bytes])
    }

    // A screen reader's toggle of a key paints it as Space does.
    function test_screenReaderTogglesAKey() {
        var t = lightingPage(2)
        choosePainting(t, { box: "optionBreathing", loop: false, rgb: [7, 8, 9] })
        var w = keyNamed(t.color, "W")
        w.Accessible.toggleAction()
        compare([w.isSelect, w.Accessible.selected, w.Accessible.checked], [true, true, true])
        compare(part(t.color, "_eft_Ctrl").pic_01.slice(4 * 34, 4 * 34 + 4), [0x20, 7, 8, 9])
        w.Accessible.pressAction()
        compare(w.isSelect, false)
    }
}
