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

    Component {
        id: sceneComponent
        Loader { source: "qrc:/modules/qml/main.qml" }
    }

    function part(scene, name) {
        var found = findChild(scene, name)
        verify(found, name)
        return found
    }

    // The started scene showing lighting page `pageIndex` (2 colour, 3 back-light).
    function lightingPage(pageIndex) {
        var loader = createTemporaryObject(sceneComponent, test)
        tryVerify(function() { return loader.status === Loader.Ready })
        var scene = loader.item
        scene.initUI()
        scene.buildPages() // as the backend does after the first frame
        scene.animation_speed = 10
        scene.setProtectUI(0)
        scene.run()
        tryVerify(function() { return part(scene, "_fkPage").visible })
        part(scene, "_fkPage").show(pageIndex)
        tryVerify(function() { return !part(scene, "pa_X").running && !part(scene, "paBack_X").running })
        var frame = part(scene, "main_Q3")
        return { scene: scene, color: frame.page(2), back: frame.page(3) }
    }

    function settle() {
        wait(150) // writes run on the pool, each a few milliseconds
    }

    function cleanup() {
        ui_View.ui_21H_SetCurrentProfile(0)
        for (var p = 0; p < profiles; ++p)
            ui_View.resetProfile(p)
        settle()
    }

    function chosen(page, name) {
        return part(page, name).getCurIndex()
    }

    function sliderLevel(page, name) {
        return part(page, name).level
    }

    function record(t) {
        return t.map(function(v) { return parseInt(v) })
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
        part(t.color, "_effect1").setCurIndex(1)
        part(t.color, "_effect3").setCurIndex(9)
        part(t.color, "_brightness").setCurIndex(1)
        part(t.color, "_eft_Ctrl").pic_03 = part(t.color, "_eft_Ctrl").pic_03.map(function() { return 9 })
        keyboardProbe.clearCapture()
        mouseClick(part(t.color, "_ColorReset_IMG"), 5, 5)
        settle()
        // The factory record: marquee (2), brightness 63, speed 4, loop.
        compare(chosen(t.color, "_effect3"), 2)
        compare(sliderLevel(t.color, "_brightness"), 7)
        compare(sliderLevel(t.color, "_speed"), 4)
        compare(part(t.color, "lvColorIndex").currentIndex, 7)
        verify(part(t.color, "_eft_Ctrl").pic_03.every(function(v) { return v === 0 }))
        compare(keyboardProbe.capture(), [])
    }
}
