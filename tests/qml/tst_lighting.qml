import QtQuick
import QtTest

// The two lighting pages in the real scene with the backend on the virtual
// keyboard: the lighting record shown in the controls and written back, the
// colour set and pictures in device units, painting, the back-light bytes,
// all-save and damaged stored values. Expected bytes are worked out by hand
// from the record's layout: brightness = round(level x 63 / 7), speed value
// = 8 - slider level, direction = wheel - 1, colour 0 … 6 or 7 for LOOP;
// bl0 = effect | brightness << 5; bl1 = speed | colour << 3 | direction << 6.
TestCase {
    id: test
    name: "Lighting"
    when: windowShown
    visible: true
    width: 1000
    height: 600

    readonly property int profiles: 3
    readonly property var factoryColours: [252, 0, 0, 252, 128, 0, 252, 252, 0, 0, 252, 0, 0, 252, 252, 0, 0, 252,
                                           128, 0, 252]

    Component {
        id: sceneComponent
        Loader { source: "qrc:/modules/qml/main.qml" }
    }

    function part(scene, name) {
        var found = findChild(scene, name)
        verify(found, name)
        return found
    }

    // The scene after start-up and power-on, no page opened yet.
    function startedScene() {
        var loader = createTemporaryObject(sceneComponent, test)
        tryVerify(function() { return loader.status === Loader.Ready })
        var scene = loader.item
        scene.initUI()
        scene.buildPages() // as the backend does after the first frame
        scene.animation_speed = 10
        scene.setProtectUI(0)
        scene.run()
        tryVerify(function() { return part(scene, "_fkPage").visible })
        return scene
    }

    // The started scene showing lighting page `pageIndex` (2 colour, 3 back-light).
    function lightingPage(pageIndex) {
        var scene = startedScene()
        part(scene, "_fkPage").show(pageIndex)
        tryVerify(function() { return !part(scene, "pa_X").running && !part(scene, "paBack_X").running })
        var frame = part(scene, "main_Q3")
        return { scene: scene, color: frame.page(2), back: frame.page(3) }
    }

    function settle() {
        wait(150) // writes run on the pool, each a few milliseconds
    }

    // The keyboard's profile 1 back in its factory lighting, so the next test
    // reads that at its start, and the files as shipped.
    function cleanup() {
        if (shippedDefinition !== "") {
            verify(settingsProbe.write(definitionPath, shippedDefinition))
            shippedDefinition = ""
        }
        ui_View.ui_21H_SetCurrentProfile(0)
        ui_View.ui_08H_SetLEDType(2, 63, 4, 0, 7, 0xE0, 0x3C)
        ui_View.ui_30H_SetColor(factoryColours)
        for (var p = 0; p < profiles; ++p)
            ui_View.resetProfile(p)
        settle()
    }

    // The shipped hardware definition while a test damages it.
    property string shippedDefinition: ""
    readonly property string definitionPath: "modules/setting/HWDef.bin"

    function chosen(page, name) {
        return part(page, name).getCurIndex()
    }

    function sliderLevel(page, name) {
        return part(page, name).level
    }

    function record(t) {
        return t.map(function(v) { return parseInt(v) })
    }

    function texts(values) {
        return values.map(function(v) { return String(v) })
    }

    // The lighting records (command 08) sent since the last clear, without
    // their time stamps.
    function lightingReports() {
        return keyboardProbe.capture().map(function(line) {
            return line.split(" ").slice(1).join(" ")
        }).filter(function(line) { return line.indexOf("cmd feature-out 00 08 ") === 0 })
    }

    function allSaveAndWait(scene, records) {
        keyboardProbe.clearCapture()
        part(scene, "downItem").btnTotalApplyClicked()
        tryVerify(function() { return lightingReports().length >= records }, 5000, "lighting records sent")
    }

    function zeros(count) {
        var list = []
        for (var i = 0; i < count; ++i)
            list.push(0)
        return list
    }

    // A colour of the strip as [r, g, b].
    function swatch(page, index) {
        var c = part(page, "lvColorIndex").mdColors.get(index)
        return [c.clrR, c.clrG, c.clrB]
    }

    // ---- the lighting record into the colour page's controls ----

    function test_decode_data() {
        return [
            { tag: "ripple", stored: [0x05, 45, 2, 1, 3, 0, 0],
              category: 1, picture: -1, effect: 5, brightness: 5, speed: 6, wheel: 2, colour: 3 },
            { tag: "picture 2 with loop", stored: [0x34, 63, 7, 0, 7, 0, 0],
              category: 0, picture: 1, effect: -1, brightness: 7, speed: 1, wheel: 1, colour: 7 },
            { tag: "static, darkest", stored: [0x00, 0, 1, 2, 0, 0, 0],
              category: 1, picture: -1, effect: 0, brightness: 0, speed: 7, wheel: 1, colour: 0 },
            { tag: "0x0C: effects without an entry", stored: [0x0C, 27, 4, 0, 6, 0, 0],
              category: 1, picture: -1, effect: -1, brightness: 3, speed: 4, wheel: 1, colour: 6 },
            { tag: "speed 0 shows level 1", stored: [0x01, 63, 0, 0, 1, 0, 0],
              category: 1, picture: -1, effect: 1, brightness: 7, speed: 1, wheel: 1, colour: 1 },
            { tag: "out of range everywhere", stored: [0x20, 200, 9, 3, 9, 0, 0],
              category: -1, picture: -1, effect: -1, brightness: 4, speed: 1, wheel: 2, colour: 2 }
        ]
    }

    function test_decode(data) {
        var t = lightingPage(2)
        // Known values first, so that what a bad record leaves alone shows.
        keyboardProbe.setStored(0, "color/ledType", [0x02, 36, 4, 0, 2, 0, 0])
        t.color.initUI()
        keyboardProbe.setStored(0, "color/ledType", data.stored)
        t.color.initUI()
        compare(chosen(t.color, "_effect1"), data.category, "category")
        compare(chosen(t.color, "_effect2"), data.picture, "picture")
        compare(chosen(t.color, "_effect3"), data.effect, "effect")
        compare(sliderLevel(t.color, "_brightness"), data.brightness, "brightness")
        compare(sliderLevel(t.color, "_speed"), data.speed, "speed")
        compare(part(t.color, "_direct").index, data.wheel, "direction")
        compare(part(t.color, "lvColorIndex").currentIndex, data.colour, "colour")
        if (data.category === 1 && data.effect === -1)
            compare(part(part(t.color, "_effect3"), "headerText").text, "【 OPTIONS 】")
    }

    // ---- apply ----

    function test_applyWritesRecordColoursAndPicture() {
        var t = lightingPage(2)
        var strip = part(t.color, "lvColorIndex")
        var colours = [200, 100, 52, 4, 8, 12, 255, 0, 128, 16, 32, 64, 1, 2, 3, 99, 98, 97, 40, 80, 120]
        for (var i = 0; i < 7; ++i)
            strip.mdColors.set(i, { clrR: colours[3 * i], clrG: colours[3 * i + 1], clrB: colours[3 * i + 2] })
        part(t.color, "_effect1").setCurIndex(1)
        part(t.color, "_effect3").setCurIndex(5) // ripple
        part(t.color, "_brightness").setCurIndex(5)
        part(t.color, "_speed").setCurIndex(6)
        strip.currentIndex = 3
        ui_View.ui_08H_SetLEDType(0, 0, 1, 0, 0, 0xA1, 0x5B)
        settle()
        keyboardProbe.clearCapture()
        mouseClick(part(t.color, "_ColorApply_IMG"), 5, 5)
        verify(part(t.scene, "protectUIItem").isBusy)
        settle()
        compare(keyboardProbe.colours(0), colours.map(function(v) { return Math.floor(v / 4) }))
        // The back-light bytes travel unchanged.
        compare(keyboardProbe.lighting(0), [0x05, 45, 2, 0, 3, 0xA1, 0x5B])
        compare(keyboardProbe.storedList(0, "color/ledType"), ["5", "45", "2", "0", "3", "161", "91"])
        // No picture is active: the five are stored but none reaches the keyboard.
        var lines = keyboardProbe.capture().join("\n")
        verify(lines.indexOf("feature-out 00 12") < 0, "no picture written")
    }

    function test_applyWritesTheActivePicture() {
        var t = lightingPage(2)
        var picture = []
        for (var i = 0; i < 512; ++i)
            picture.push(i % 4 === 0 ? 0x10 : (i * 7) % 256)
        part(t.color, "_eft_Ctrl").pic_02 = picture
        part(t.color, "_effect1").setCurIndex(0)
        part(t.color, "_effect2").setCurIndex(1) // USER DEFINE 2: type 0x34
        keyboardProbe.clearCapture()
        t.color.pageApply()
        settle()
        // Planes: the options, then red, green and blue in device units.
        var planes = []
        for (var p = 0; p < 4; ++p)
            for (var k = 0; k < 128; ++k)
                planes.push(p === 0 ? picture[4 * k] : Math.floor(picture[4 * k + p] / 4))
        compare(keyboardProbe.picture(0, 1), planes)
        compare(keyboardProbe.lighting(0)[0], 0x34)
        var lines = keyboardProbe.capture().join("\n")
        verify(lines.indexOf("feature-out 00 12 00 01 00") >= 0, "plane 0 of picture 2")
        verify(lines.indexOf("feature-out 00 12 00 00") < 0, "picture 1 is only stored")
        compare(keyboardProbe.storedList(0, "userPicture/1").length, 512)
    }

    function test_numberBeingTypedIsApplied() {
        var t = lightingPage(2)
        var strip = part(t.color, "lvColorIndex")
        part(t.color, "_effect1").setCurIndex(1)
        part(t.color, "_effect3").setCurIndex(0)
        strip.currentIndex = 2
        var field = part(part(t.color, "_Palette"), "rowR").field
        field.forceActiveFocus()
        field.selectAll()
        keyClick(Qt.Key_Delete)
        keyClick("1")
        keyClick("2")
        keyClick("0")
        mouseClick(part(t.color, "_ColorApply_IMG"), 5, 5)
        settle()
        compare(strip.mdColors.get(2).clrR, 120)
        compare(keyboardProbe.colours(0)[6], 30)
    }

    function test_emptyChoiceKeepsTheStoredType() {
        var t = lightingPage(2)
        keyboardProbe.setStored(0, "color/ledType", [0x07, 63, 3, 0, 1, 0, 0])
        t.color.initUI()
        part(t.color, "_effect1").setCurIndex(0) // painting, but no picture
        part(t.color, "_effect2").setCurIndex(-1)
        t.color.pageApply()
        settle()
        compare(keyboardProbe.lighting(0)[0], 0x07)
    }

    // ---- painting ----

    function test_painting_data() {
        return [
            { tag: "static", loop: false, box: "optionStatic", option: 0x10 },
            { tag: "static with loop", loop: true, box: "optionStatic", option: 0x17 },
            { tag: "breathing", loop: false, box: "optionBreathing", option: 0x20 },
            { tag: "breathing with loop", loop: true, box: "optionBreathing", option: 0x27 },
            { tag: "neon", loop: false, box: "optionNeon", option: 0x30 },
            { tag: "neon with loop", loop: true, box: "optionNeon", option: 0x30 }
        ]
    }

    function test_painting(data) {
        var t = lightingPage(2)
        part(t.color, "_effect1").setCurIndex(0)
        part(t.color, "_effect2").setCurIndex(0) // USER DEFINE 1
        var ctrl = part(t.color, "_eft_Ctrl")
        ctrl.pic_01 = ctrl.zeroPicture()
        mouseClick(part(t.color, data.box), 5, 5)
        verify(part(t.color, data.box).isSelect)
        part(t.color, "lvColorIndex").currentIndex = data.loop ? 7 : 0
        part(t.color, "_Palette").setRGB(0, 10, 20, 30)
        // A band over Esc (the picture at 22, 29; Esc 26 x 26 at its origin).
        var area = part(t.color, "ma_SelectArea")
        keyboardProbe.clearCapture()
        mousePress(area, 20, 27)
        mouseMove(area, 30, 40, -1, Qt.LeftButton)
        mouseRelease(area, 30, 40, Qt.LeftButton)
        compare(ctrl.pic_01.slice(0, 4), [data.option, 10, 20, 30])
        compare(ctrl.pic_01.slice(4, 8), [0, 0, 0, 0]) // F1 untouched
        compare(keyboardProbe.capture(), []) // nothing sent before apply
        // The preview shows it at once.
        var esc = part(t.color, "_model").getKey[0]
        compare([Math.round(esc.color.r * 255), Math.round(esc.color.g * 255),
                 Math.round(esc.color.b * 255)], [10, 20, 30])
    }

    function test_bandWithoutMoving_data() {
        // Esc spans 22 … 48 across in the area: its right edge still counts.
        return [
            { tag: "inside Esc", x: 30, y: 35, selected: true },
            { tag: "on Esc's right edge", x: 48, y: 35, selected: true },
            { tag: "in the gap after Esc", x: 60, y: 35, selected: false }
        ]
    }

    function test_bandWithoutMoving(data) {
        var t = lightingPage(2)
        part(t.color, "_effect1").setCurIndex(0)
        part(t.color, "_effect2").setCurIndex(0)
        var area = part(t.color, "ma_SelectArea")
        mouseClick(area, data.x, data.y)
        var keys = part(t.color, "_model").keys
        var selected = keys.filter(function(k) { return k.isSelect }).map(function(k) { return k.name })
        compare(selected, data.selected ? ["Esc"] : [])
    }

    function test_optionBoxesAreOneChoice() {
        var t = lightingPage(2)
        part(t.color, "_effect1").setCurIndex(0)
        part(t.color, "_effect2").setCurIndex(0)
        var boxes = ["optionStatic", "optionBreathing", "optionNeon"].map(function(n) { return part(t.color, n) })
        mouseClick(boxes[1], 5, 5)
        compare(boxes.map(function(b) { return b.isSelect }), [false, true, false])
        mouseClick(boxes[1], 5, 5) // the ticked one stays ticked
        compare(boxes.map(function(b) { return b.isSelect }), [false, true, false])
        compare(boxes.map(function(b) { return b.chkStr }), ["STATIC", "BREATHING", "NEON"])
    }

    function test_barWithLoopChangesNoColourOfTheSet() {
        var t = lightingPage(2)
        part(t.color, "_effect1").setCurIndex(1)
        part(t.color, "_effect3").setCurIndex(0)
        var strip = part(t.color, "lvColorIndex")
        strip.currentIndex = 7
        var before = []
        for (var i = 0; i < 7; ++i)
            before.push([strip.mdColors.get(i).clrR, strip.mdColors.get(i).clrG, strip.mdColors.get(i).clrB])
        var bar = part(part(t.color, "_Palette"), "bar")
        mousePress(bar, bar.width / 4, 3)
        mouseRelease(bar, bar.width / 4, 3)
        var after = []
        for (var j = 0; j < 7; ++j)
            after.push([strip.mdColors.get(j).clrR, strip.mdColors.get(j).clrG, strip.mdColors.get(j).clrB])
        compare(after, before)
        compare(part(t.color, "_Palette")._G, 255) // a quarter along the bar: yellow
    }

    // ---- back-lighting ----

    function test_backLightBytes_data() {
        return [
            { tag: "all lowest", effect: 0, brightness: 0, speed: 1, colour: 0, wheel: 1, bl0: 0x00, bl1: 0x07 },
            { tag: "all highest", effect: 3, brightness: 7, speed: 7, colour: 7, wheel: 2, bl0: 0xE3, bl1: 0x79 },
            { tag: "mixed", effect: 2, brightness: 5, speed: 4, colour: 3, wheel: 2, bl0: 0xA2, bl1: 0x5C }
        ]
    }

    function test_backLightBytes(data) {
        var t = lightingPage(3)
        part(t.back, "_effects").currentIndex = data.effect
        part(t.back, "_brightness").setCurIndex(data.brightness)
        part(t.back, "_speed").setCurIndex(data.speed)
        part(t.back, "_colours").currentIndex = data.colour
        part(t.back, "_wheel").setCurIndex(data.wheel)
        var before = keyboardProbe.lighting(0)
        ui_View.ui_08H_SetLEDType(0x09, 18, 5, 1, 4, 0, 0)
        settle()
        mouseClick(part(t.back, "_apply"), 5, 5)
        settle()
        compare(keyboardProbe.lighting(0), [0x09, 18, 5, 1, 4, data.bl0, data.bl1])
        // And back into the controls.
        part(t.back, "_effects").currentIndex = 1
        part(t.back, "_wheel").setCurIndex(data.wheel === 1 ? 2 : 1)
        t.back.initUI()
        compare(part(t.back, "_effects").currentIndex, data.effect)
        compare(sliderLevel(t.back, "_brightness"), data.brightness)
        compare(sliderLevel(t.back, "_speed"), data.speed)
        compare(part(t.back, "_colours").currentIndex, data.colour)
        compare(part(t.back, "_wheel").currentIndex, data.wheel)
    }

    function test_backLightSpeedZeroShowsLevelZero() {
        var t = lightingPage(3)
        keyboardProbe.setStored(0, "color/ledType", [0, 0, 0, 0, 0, 0xE3, 0x78])
        t.back.initUI()
        compare(sliderLevel(t.back, "_speed"), 0)
        compare(part(t.back, "_colours").currentIndex, 7)
    }

    function test_allSaveOrderIndependence_data() {
        return [{ tag: "colour page first", colourFirst: true },
                { tag: "back-lighting first", colourFirst: false }]
    }

    function test_allSaveOrderIndependence(data) {
        var t = lightingPage(2)
        part(t.color, "_effect1").setCurIndex(1)
        part(t.color, "_effect3").setCurIndex(7) // neon
        part(t.color, "_brightness").setCurIndex(7)
        part(t.color, "_speed").setCurIndex(7)
        part(t.color, "lvColorIndex").currentIndex = 5
        part(t.back, "_effects").currentIndex = 1
        part(t.back, "_brightness").setCurIndex(2)
        part(t.back, "_speed").setCurIndex(3)
        part(t.back, "_colours").currentIndex = 4
        part(t.back, "_wheel").setCurIndex(1)
        if (data.colourFirst) {
            t.color.pageApply()
            t.back.pageApply()
        } else {
            t.back.pageApply()
            t.color.pageApply()
        }
        settle()
        // bl0 = 1 | 2 << 5 = 0x41; bl1 = 5 | 4 << 3 = 0x25.
        compare(keyboardProbe.lighting(0), [0x07, 63, 1, 0, 5, 0x41, 0x25])
        // The bottom bar's all-save runs both, whatever the order.
        part(t.back, "_effects").currentIndex = 3
        part(t.scene, "downItem").btnTotalApplyClicked()
        settle()
        compare(keyboardProbe.lighting(0), [0x07, 63, 1, 0, 5, 0x43, 0x25])
    }

    // ---- damaged stored values ----

    function test_shortColourSetAndOddPicture() {
        var t = lightingPage(2)
        var strip = part(t.color, "lvColorIndex")
        var first = [strip.mdColors.get(0).clrR, strip.mdColors.get(0).clrG, strip.mdColors.get(0).clrB]
        keyboardProbe.setStored(0, "color/color", [1, 2, 3, 4, 5])
        keyboardProbe.setStored(0, "userPicture/0", [16, 255, 255, 255])
        keyboardProbe.setStored(0, "color/ledType", [0x33, 63, 3, 0, 0, 0, 0])
        t.color.initUI()
        compare([strip.mdColors.get(0).clrR, strip.mdColors.get(0).clrG, strip.mdColors.get(0).clrB], first)
        var esc = part(t.color, "_model").getKey[0]
        compare([Math.round(esc.color.r * 255), Math.round(esc.color.g * 255), Math.round(esc.color.b * 255)],
                [0, 0, 0])
        t.color.pageApply()
        settle()
        var written = keyboardProbe.lighting(0)
        verify(written[1] <= 63 && written[2] >= 1 && written[2] <= 7 && written[3] <= 1 && written[4] <= 7,
               "in range: " + written)
    }

    function test_resetReadsTheFactoryRecord() {
        var t = lightingPage(2)
        part(t.color, "_effect1").setCurIndex(0)
        part(t.color, "_effect2").setCurIndex(3)
        part(t.color, "_brightness").setCurIndex(1)
        part(t.color, "_speed").setCurIndex(7)
        part(t.color, "_direct").setCurIndex(2)
        part(t.color, "lvColorIndex").currentIndex = 2
        var ctrl = part(t.color, "_eft_Ctrl")
        for (var n = 1; n <= 5; ++n)
            ctrl["pic_0" + n] = ctrl["pic_0" + n].map(function() { return 9 })
        for (var i = 0; i < 7; ++i)
            part(t.color, "lvColorIndex").mdColors.set(i, { clrR: 1, clrG: 2, clrB: 3 })
        keyboardProbe.clearCapture()
        mouseClick(part(t.color, "_ColorReset_IMG"), 5, 5)
        // The factory record 2, 63, 4, 0, 7: EFFECTS, MARQUEE (2), level 7,
        // speed level 4, right, LOOP.
        compare(chosen(t.color, "_effect1"), 1)
        compare(chosen(t.color, "_effect3"), 2)
        compare(sliderLevel(t.color, "_brightness"), 7)
        compare(sliderLevel(t.color, "_speed"), 4)
        compare(part(t.color, "_direct").index, 1)
        compare(part(t.color, "lvColorIndex").currentIndex, 7)
        // The factory colour set.
        var factory = [[252, 0, 0], [252, 128, 0], [252, 252, 0], [0, 252, 0], [0, 252, 252], [0, 0, 252],
                       [128, 0, 252]]
        for (var c = 0; c < 7; ++c)
            compare(swatch(t.color, c), factory[c], "colour " + c)
        // Every picture unset.
        for (var p = 1; p <= 5; ++p)
            compare(ctrl.getPic(p), zeros(512), "picture " + p)
        settle()
        compare(keyboardProbe.capture(), [])
    }

    // ---- values the controls cannot show ----

    // The record around which each case changes one value: RIPPLE, brightness
    // 45 (level 5), speed 2, left, colour 3; the back light's effect 0 at
    // brightness 7 (E0), speed 4 with LOOP, right (3C).
    function test_allSaveKeepsValuesThePagesCannotShow_data() {
        return [
            { tag: "every value shown", stored: [0x05, 45, 2, 1, 3, 0xE0, 0x3C],
              report: "00 08 05 2D 02 01 03 E0 3C" },
            { tag: "effect 0x0C without an entry", stored: [0x0C, 45, 2, 1, 3, 0xE0, 0x3C],
              report: "00 08 0C 2D 02 01 03 E0 3C" },
            { tag: "type 0x20 of no category", stored: [0x20, 45, 2, 1, 3, 0xE0, 0x3C],
              report: "00 08 20 2D 02 01 03 E0 3C" },
            { tag: "brightness 40 between two levels", stored: [0x05, 40, 2, 1, 3, 0xE0, 0x3C],
              report: "00 08 05 28 02 01 03 E0 3C" },
            { tag: "brightness 200 above 63", stored: [0x05, 200, 2, 1, 3, 0xE0, 0x3C],
              report: "00 08 05 C8 02 01 03 E0 3C" },
            { tag: "speed 0", stored: [0x05, 45, 0, 1, 3, 0xE0, 0x3C],
              report: "00 08 05 2D 00 01 03 E0 3C" },
            { tag: "speed 9", stored: [0x05, 45, 9, 1, 3, 0xE0, 0x3C],
              report: "00 08 05 2D 09 01 03 E0 3C" },
            { tag: "direction 3", stored: [0x05, 45, 2, 3, 3, 0xE0, 0x3C],
              report: "00 08 05 2D 02 03 03 E0 3C" },
            { tag: "colour choice 9", stored: [0x05, 45, 2, 1, 9, 0xE0, 0x3C],
              report: "00 08 05 2D 02 01 09 E0 3C" },
            { tag: "back-light effect 5", stored: [0x05, 45, 2, 1, 3, 0xE5, 0x3C],
              report: "00 08 05 2D 02 01 03 E5 3C" },
            { tag: "back-light effect 31", stored: [0x05, 45, 2, 1, 3, 0xFF, 0x3C],
              report: "00 08 05 2D 02 01 03 FF 3C" },
            { tag: "back-light direction 2", stored: [0x05, 45, 2, 1, 3, 0xE0, 0xBC],
              report: "00 08 05 2D 02 01 03 E0 BC" },
            { tag: "back-light direction 3", stored: [0x05, 45, 2, 1, 3, 0xE0, 0xFC],
              report: "00 08 05 2D 02 01 03 E0 FC" }
        ]
    }

    // ALL SAVE with neither lighting page opened: both are built, read the
    // profile, and each sends the whole record back as it was read.
    function test_allSaveKeepsValuesThePagesCannotShow(data) {
        var scene = startedScene()
        keyboardProbe.setStored(0, "color/ledType", data.stored)
        allSaveAndWait(scene, 2)
        compare(lightingReports(), ["cmd feature-out " + data.report, "cmd feature-out " + data.report])
        compare(keyboardProbe.lighting(0), data.stored)
        compare(keyboardProbe.storedList(0, "color/ledType"), texts(data.stored))
    }

    // 301 and "x" show as 255 and 0 in the colour set; the picture's 300 as
    // 255 and "abc" as 0. ALL SAVE stores them as they were and sends the
    // quotients by 4: 301 -> 75, "x" -> 0.
    function test_allSaveKeepsColoursAndPicturesAsRead() {
        var scene = startedScene()
        keyboardProbe.setStored(0, "color/color", [301, 0, 0, 0, 252, 0, 252, 252, 0, 0, 0, 252, 0, 252, 252,
                                                   252, 0, 252, 252, 252, "x"])
        var picture = [0x45, 300, "abc", 8]
        for (var i = 4; i < 512; ++i)
            picture.push(i % 4 === 0 ? 0x10 : 4)
        keyboardProbe.setStored(0, "userPicture/2", picture)
        keyboardProbe.setStored(0, "color/ledType", [0x05, 45, 2, 1, 3, 0xE0, 0x3C])
        allSaveAndWait(scene, 2)
        compare(keyboardProbe.storedList(0, "color/color"),
                ["301", "0", "0", "0", "252", "0", "252", "252", "0", "0", "0", "252", "0", "252", "252",
                 "252", "0", "252", "252", "252", "x"])
        compare(keyboardProbe.colours(0), [75, 0, 0, 0, 63, 0, 63, 63, 0, 0, 0, 63, 0, 63, 63,
                                           63, 0, 63, 63, 63, 0])
        var expected = ["69", "300", "abc", "8"]
        for (var k = 4; k < 512; ++k)
            expected.push(k % 4 === 0 ? "16" : "4")
        compare(keyboardProbe.storedList(0, "userPicture/2"), expected)
    }

    // A control the user worked is written as it shows, even where it shows
    // the value it showed after reading; the rest of the record as read.
    // Slider segment k lies at x 20 k - 10; wheel cell 1 is right, 2 left.
    function test_workedControlIsWritten_data() {
        return [
            { tag: "colour page brightness level 2", page: 2, stored: [0x05, 40, 0, 3, 9, 0xE5, 0xFC],
              path: ["_brightness", "segmentArea"], x: 30, lighting: [0x05, 18, 0, 3, 9, 0xE5, 0xFC] },
            { tag: "colour page speed level 3", page: 2, stored: [0x05, 40, 0, 3, 9, 0xE5, 0xFC],
              path: ["_speed", "segmentArea"], x: 50, lighting: [0x05, 40, 5, 3, 9, 0xE5, 0xFC] },
            { tag: "colour page speed level 1 as shown for 0", page: 2, stored: [0x05, 40, 0, 3, 9, 0xE5, 0xFC],
              path: ["_speed", "segmentArea"], x: 10, lighting: [0x05, 40, 7, 3, 9, 0xE5, 0xFC] },
            { tag: "colour page swatch 6, the strip's own", page: 2, stored: [0x05, 40, 0, 3, 9, 0xE5, 0xFC],
              path: ["lvColorIndex", "swatch6"], x: 9, lighting: [0x05, 40, 0, 3, 6, 0xE5, 0xFC] },
            { tag: "colour page left as shown for 3", page: 2, stored: [0x06, 40, 0, 3, 9, 0xE5, 0xFC],
              path: ["_direct", "cell2"], x: 10, lighting: [0x06, 40, 0, 1, 9, 0xE5, 0xFC] },
            { tag: "back light effect 1", page: 3, stored: [0x05, 40, 0, 3, 9, 0xE5, 0xFC],
              path: ["_effects", "effect1"], x: 5, lighting: [0x05, 40, 0, 3, 9, 0xE1, 0xFC] },
            { tag: "back light left as shown for 3", page: 3, stored: [0x05, 40, 0, 3, 9, 0xE2, 0xFC],
              path: ["_wheel", "cell2"], x: 10, lighting: [0x05, 40, 0, 3, 9, 0xE2, 0x7C] },
            { tag: "back light brightness level 2", page: 3, stored: [0x05, 40, 0, 3, 9, 0xE5, 0xFC],
              path: ["_brightness", "segmentArea"], x: 30, lighting: [0x05, 40, 0, 3, 9, 0x45, 0xFC] }
        ]
    }

    function test_workedControlIsWritten(data) {
        var t = lightingPage(data.page)
        var page = data.page === 2 ? t.color : t.back
        // First a record that puts the colour strip on 6, then the case's.
        keyboardProbe.setStored(0, "color/ledType", [0x05, 45, 2, 1, 6, 0xE0, 0x3C])
        t.color.initUI()
        keyboardProbe.setStored(0, "color/ledType", data.stored)
        t.color.initUI()
        t.back.initUI()
        var control = page
        for (var i = 0; i < data.path.length; ++i)
            control = part(control, data.path[i])
        mouseClick(control, data.x, 5)
        allSaveAndWait(t.scene, 2)
        compare(keyboardProbe.lighting(0), data.lighting)
        compare(keyboardProbe.storedList(0, "color/ledType"), texts(data.lighting))
    }

    // Swatch 0 read as 301 shows 255; typing 255 into its red row is written
    // as 255.
    function test_pickedColourIsWrittenAsPicked() {
        var t = lightingPage(2)
        keyboardProbe.setStored(0, "color/color", [301, 0, 0, 0, 252, 0, 252, 252, 0, 0, 0, 252, 0, 252, 252,
                                                   252, 0, 252, 252, 252, 252])
        keyboardProbe.setStored(0, "color/ledType", [0x00, 63, 4, 0, 0, 0xE0, 0x3C])
        t.color.initUI()
        compare(swatch(t.color, 0), [255, 0, 0])
        var field = part(part(t.color, "_Palette"), "rowR").field
        field.forceActiveFocus()
        field.selectAll()
        keyClick(Qt.Key_Delete)
        keyClick("2")
        keyClick("5")
        keyClick("5")
        keyClick(Qt.Key_Return)
        allSaveAndWait(t.scene, 2)
        compare(keyboardProbe.storedList(0, "color/color"),
                ["255", "0", "0", "0", "252", "0", "252", "252", "0", "0", "0", "252", "0", "252", "252",
                 "252", "0", "252", "252", "252", "252"])
        compare(keyboardProbe.colours(0).slice(0, 3), [63, 0, 0])
    }

    // Esc's entry of picture 1 read as 0x10, 300, 0, 0 shows red 255;
    // painting it static red is written as painted.
    function test_paintedKeyIsWrittenAsPainted() {
        var t = lightingPage(2)
        var picture = [0x10, 300, 0, 0].concat(zeros(508))
        keyboardProbe.setStored(0, "userPicture/0", picture)
        keyboardProbe.setStored(0, "color/ledType", [0x33, 63, 4, 0, 0, 0xE0, 0x3C])
        t.color.initUI()
        part(t.color, "lvColorIndex").currentIndex = 0
        part(t.color, "_Palette").setRGB(0, 255, 0, 0)
        var area = part(t.color, "ma_SelectArea")
        mousePress(area, 20, 27)
        mouseMove(area, 30, 40, -1, Qt.LeftButton)
        mouseRelease(area, 30, 40, Qt.LeftButton)
        t.color.pageApply()
        compare(keyboardProbe.storedList(0, "userPicture/0").slice(0, 8), ["16", "255", "0", "0", "0", "0", "0", "0"])
        // Picture 1 is the one shown: plane 1 (red) carries 255 / 4 = 63 for Esc.
        tryVerify(function() { return keyboardProbe.picture(0, 0)[128] === 63 }, 5000, "red plane of picture 1")
    }

    // ---- apply and reset ----

    // The wheel against the opposite stored direction, on both effects that
    // take one (INDUCTION BRIGHTEN 06, MARQUEE CIRCLE 0A).
    function test_applyWritesTheWheelsDirection_data() {
        return [
            { tag: "06 left", type: 0x06, stored: 0, cell: "cell2", direction: 1 },
            { tag: "06 right", type: 0x06, stored: 1, cell: "cell1", direction: 0 },
            { tag: "0A left", type: 0x0A, stored: 0, cell: "cell2", direction: 1 },
            { tag: "0A right", type: 0x0A, stored: 1, cell: "cell1", direction: 0 }
        ]
    }

    function test_applyWritesTheWheelsDirection(data) {
        var t = lightingPage(2)
        keyboardProbe.setStored(0, "color/ledType", [data.type, 63, 4, data.stored, 7, 0xE0, 0x3C])
        t.color.initUI()
        mouseClick(part(part(t.color, "_direct"), data.cell), 10, 10)
        keyboardProbe.clearCapture()
        mouseClick(part(t.color, "_ColorApply_IMG"), 5, 5)
        tryVerify(function() { return lightingReports().length === 1 }, 5000, "record sent")
        var hex = data.type === 0x06 ? "06" : "0A"
        compare(lightingReports(), ["cmd feature-out 00 08 " + hex + " 3F 04 0" + data.direction + " 07 E0 3C"])
    }

    // Apply with picture 2 shown: picture 2 goes to the keyboard, the other
    // four are stored as the page holds them and not sent.
    function test_applyStoresThePicturesNotShown() {
        var t = lightingPage(2)
        var ctrl = part(t.color, "_eft_Ctrl")
        var pictures = []
        for (var n = 1; n <= 5; ++n) {
            var picture = []
            for (var i = 0; i < 512; ++i)
                picture.push(i % 4 === 0 ? 0x10 * (1 + n % 3) : 8 * n + i % 4)
            pictures.push(picture)
            ctrl["pic_0" + n] = picture
        }
        part(t.color, "_effect1").setCurIndex(0)
        part(t.color, "_effect2").setCurIndex(1)
        keyboardProbe.clearCapture()
        mouseClick(part(t.color, "_ColorApply_IMG"), 5, 5)
        // Picture n: options 0x10 x (1 + n mod 3), colours 8 n + 1 ... 8 n + 3.
        for (var p = 0; p < 5; ++p) {
            var expected = []
            for (var k = 0; k < 128; ++k)
                expected.push(String(0x10 * (1 + (p + 1) % 3)), String(8 * (p + 1) + 1),
                              String(8 * (p + 1) + 2), String(8 * (p + 1) + 3))
            compare(keyboardProbe.storedList(0, "userPicture/" + p), expected, "picture " + (p + 1))
        }
        tryVerify(function() { return lightingReports().length === 1 }, 5000, "record sent")
        var lines = keyboardProbe.capture().join("\n")
        compare(lines.match(/feature-out 00 12 /g).length, 4, "four planes of one picture")
        compare(lines.match(/feature-out 00 12 00 01 /g).length, 4, "all of picture 2")
        // Plane 1 of picture 2: red 17 / 4 = 4 on every slot.
        var red = []
        for (var s = 0; s < 128; ++s)
            red.push(4)
        compare(keyboardProbe.picture(0, 1).slice(128, 256), red)
    }

    function test_backLightResetShowsTheFactoryBytes() {
        var t = lightingPage(3)
        part(t.back, "_effects").currentIndex = 3
        part(t.back, "_brightness").setCurIndex(2)
        part(t.back, "_speed").setCurIndex(6)
        part(t.back, "_colours").currentIndex = 1
        part(t.back, "_wheel").setCurIndex(2)
        keyboardProbe.clearCapture()
        mouseClick(part(t.back, "_reset"), 5, 5)
        // Factory E0 3C: effect 0, brightness 7; speed value 4 (level 4),
        // LOOP (7), right (wheel 1).
        compare(part(t.back, "_effects").currentIndex, 0)
        compare(sliderLevel(t.back, "_brightness"), 7)
        compare(sliderLevel(t.back, "_speed"), 4)
        compare(part(t.back, "_colours").currentIndex, 7)
        compare(part(t.back, "_wheel").currentIndex, 1)
        settle()
        compare(keyboardProbe.capture(), [])
    }

    // ---- profile switch ----

    // Profile 2 on the keyboard: RAINING (09), brightness 18 (level 2),
    // speed 5 (level 3), left, colour 4, back light A2 5C (effect 2,
    // brightness 5, speed 4, colour 3, left); its own colours, and picture 5
    // in its file. Choosing P02 in the menu shows all of it on both pages.
    function test_profileSwitchReloadsTheLightingPages() {
        var colours = [4, 8, 12, 16, 20, 24, 28, 32, 36, 40, 44, 48, 52, 56, 60, 64, 68, 72, 76, 80, 84]
        ui_View.ui_21H_SetCurrentProfile(1)
        ui_View.ui_08H_SetLEDType(0x09, 18, 5, 1, 4, 0xA2, 0x5C)
        ui_View.ui_30H_SetColor(colours)
        tryVerify(function() { return keyboardProbe.lighting(1)[0] === 0x09 && keyboardProbe.colours(1)[0] === 1 })
        var picture = [0x20, 40, 80, 120].concat(zeros(508))
        keyboardProbe.setStored(1, "userPicture/4", picture)
        // Profile 1 as it left the factory.
        ui_View.ui_21H_SetCurrentProfile(0)
        ui_View.ui_08H_SetLEDType(2, 63, 4, 0, 7, 0xE0, 0x3C)
        ui_View.ui_30H_SetColor(factoryColours)
        var t = lightingPage(2)
        compare(chosen(t.color, "_effect3"), 2)
        compare(swatch(t.color, 0), [252, 0, 0])
        compare(part(t.back, "_effects").currentIndex, 0)
        mouseClick(part(part(t.scene, "pfItem"), "profile1"), 10, 10)
        compare(chosen(t.color, "_effect1"), 1)
        compare(chosen(t.color, "_effect3"), 9)
        compare(sliderLevel(t.color, "_brightness"), 2)
        compare(sliderLevel(t.color, "_speed"), 3)
        compare(part(t.color, "_direct").index, 2)
        compare(part(t.color, "lvColorIndex").currentIndex, 4)
        compare(swatch(t.color, 0), [4, 8, 12])
        compare(swatch(t.color, 6), [76, 80, 84])
        compare(part(t.color, "_eft_Ctrl").getPic(5).slice(0, 8), [0x20, 40, 80, 120, 0, 0, 0, 0])
        compare(part(t.back, "_effects").currentIndex, 2)
        compare(sliderLevel(t.back, "_brightness"), 5)
        compare(sliderLevel(t.back, "_speed"), 4)
        compare(part(t.back, "_colours").currentIndex, 3)
        compare(part(t.back, "_wheel").currentIndex, 2)
        var backColour = part(t.back, "_colours").mdColors.get(6)
        compare([backColour.clrR, backColour.clrG, backColour.clrB], [76, 80, 84])
        // The keyboard's profile 2 back as it started.
        ui_View.ui_08H_SetLEDType(2, 63, 4, 0, 7, 0xE0, 0x3C)
        ui_View.ui_30H_SetColor(factoryColours)
        tryVerify(function() { return keyboardProbe.lighting(1)[0] === 2 && keyboardProbe.colours(1)[0] === 63 })
    }

    // ---- which controls take part ----

    // Colour page, from the chosen effect: colour strip and picker for
    // 00 01 02 03 05 08 09 0B and the pictures; reset/apply and brightness
    // for 00 … 0B and the pictures; the wheel shown except for pictures and
    // working for 06 and 0A only; the option boxes for pictures only; speed
    // always.
    function test_enabledControls_data() {
        return [
            { tag: "STATIC 00", category: 1, entry: 0, colours: true, pair: true, wheel: false, options: false },
            { tag: "BREATHING 01", category: 1, entry: 1, colours: true, pair: true, wheel: false, options: false },
            { tag: "WAVE 02", category: 1, entry: 2, colours: true, pair: true, wheel: false, options: false },
            { tag: "INDUCTION DARKEN 03", category: 1, entry: 3, colours: true, pair: true, wheel: false,
              options: false },
            { tag: "MARQUEE 04", category: 1, entry: 4, colours: false, pair: true, wheel: false, options: false },
            { tag: "RIPPLE 05", category: 1, entry: 5, colours: true, pair: true, wheel: false, options: false },
            { tag: "INDUCTION BRIGHTEN 06", category: 1, entry: 6, colours: false, pair: true, wheel: true,
              options: false },
            { tag: "NEON 07", category: 1, entry: 7, colours: false, pair: true, wheel: false, options: false },
            { tag: "MARQUEE COLORFUL 08", category: 1, entry: 8, colours: true, pair: true, wheel: false,
              options: false },
            { tag: "RAINING 09", category: 1, entry: 9, colours: true, pair: true, wheel: false, options: false },
            { tag: "MARQUEE CIRCLE 0A", category: 1, entry: 10, colours: false, pair: true, wheel: true,
              options: false },
            { tag: "SPOTLIGHT 0B", category: 1, entry: 11, colours: true, pair: true, wheel: false, options: false },
            { tag: "EFFECTS without an entry", category: 1, entry: -1, colours: false, pair: false, wheel: false,
              options: false },
            { tag: "USER DEFINE 1", category: 0, entry: 0, colours: true, pair: true, wheel: false, options: true },
            { tag: "USER DEFINE 5", category: 0, entry: 4, colours: true, pair: true, wheel: false, options: true },
            { tag: "PAINTING without a picture", category: 0, entry: -1, colours: false, pair: false,
              wheel: false, options: false },
            { tag: "no category", category: -1, entry: -1, colours: false, pair: false, wheel: false,
              options: false }
        ]
    }

    function test_enabledControls(data) {
        var t = lightingPage(2)
        part(t.color, "_effect1").setCurIndex(data.category)
        if (data.category >= 0)
            part(t.color, data.category === 0 ? "_effect2" : "_effect3").setCurIndex(data.entry)
        compare(part(t.color, "lvColorIndex").enabled, data.colours, "colour strip")
        compare(part(t.color, "_Palette").enabled, data.colours, "colour picker")
        compare(part(t.color, "_ColorApply_IMG").enabled, data.pair, "apply")
        compare(part(t.color, "_ColorReset_IMG").enabled, data.pair, "reset")
        compare(part(t.color, "_brightness").enabled, data.pair, "brightness")
        compare(part(t.color, "_speed").enabled, true, "speed")
        compare(part(t.color, "_direct").visible, data.category !== 0 || data.entry < 0, "wheel shown")
        compare(part(t.color, "_direct").enabled, data.wheel, "wheel")
        compare(part(t.color, "_btnOption").visible, data.options, "option boxes")
        compare(part(t.color, "ma_SelectArea").enabled, data.category === 0, "painting area")
    }

    // Back-lighting page: the colour strip for effects 0 … 2, the wheel for
    // effect 2; speed and brightness always.
    function test_backLightEnabledControls_data() {
        return [
            { tag: "effect 0", effect: 0, colours: true, wheel: false },
            { tag: "effect 1", effect: 1, colours: true, wheel: false },
            { tag: "effect 2", effect: 2, colours: true, wheel: true },
            { tag: "effect 3", effect: 3, colours: false, wheel: false },
            { tag: "no effect", effect: -1, colours: false, wheel: false }
        ]
    }

    function test_backLightEnabledControls(data) {
        var t = lightingPage(3)
        part(t.back, "_effects").currentIndex = data.effect
        compare(part(t.back, "_colours").enabled, data.colours, "colour strip")
        compare(part(t.back, "_wheel").enabled, data.wheel, "wheel")
        compare(part(t.back, "_speed").enabled, true, "speed")
        compare(part(t.back, "_brightness").enabled, true, "brightness")
    }

    // ---- a damaged slot count ----

    // The ISO drawing with a 106th key, "Far", in slot 200, and the slot count
    // as given. The colour page keeps at least the keyboard's 128 slots and
    // at most 256; ALL SAVE builds it with the key page and goes through.
    function test_damagedSlotCount_data() {
        return [
            { tag: "largest count", slots: "2147483647", length: 256, farKept: true },
            { tag: "count beyond the cap", slots: "300", length: 256, farKept: true },
            { tag: "count above the keyboard's", slots: "130", length: 130, farKept: false },
            { tag: "count below the keyboard's", slots: "100", length: 128, farKept: false },
            { tag: "count not a number", slots: "many", length: 128, farKept: false }
        ]
    }

    function test_damagedSlotCount(data) {
        var shipped = settingsProbe.read(definitionPath)
        var group = "[0]\ntotal_HW=105\ntotal_FW=128\n"
        verify(shipped.indexOf(group) >= 0, "the shipped ISO group")
        shippedDefinition = shipped
        verify(settingsProbe.write(definitionPath, shipped.replace(group,
            "[0]\ntotal_HW=106\ntotal_FW=" + data.slots + "\n106=700, 10, 1, Far, 200, 5\n")))

        var scene = startedScene()
        keyboardProbe.setStored(0, "color/ledType", [0x05, 45, 2, 1, 3, 0xE0, 0x3C])
        allSaveAndWait(scene, 2)
        compare(lightingReports(), ["cmd feature-out 00 08 05 2D 02 01 03 E0 3C",
                                    "cmd feature-out 00 08 05 2D 02 01 03 E0 3C"])
        var model = part(part(scene, "main_Q3").page(2), "_model")
        compare(model.getKey.length, data.length)
        compare(model.keys.length, 106)
        var far = model.keys[105]
        compare(far.matrix, 200)
        if (data.farKept)
            verify(model.getKey[200] === far, "slot 200 holds the far key")
        for (var s = 128; s < data.length; ++s) {
            if (s !== 200 || !data.farKept)
                compare(model.getKey[s].swId, -1, "slot " + s)
        }
    }
}
