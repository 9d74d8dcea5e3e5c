import QtQuick
import QtTest

// The lighting preview on the colour page's keyboard picture, built from the
// shipped definition: the row and wave scripts, each effect's steps driven
// tick by tick, reactions to key presses and the timers' pace.
TestCase {
    id: test
    name: "Preview"
    when: windowShown
    visible: true
    width: 1000
    height: 600

    // The colour set the tests use: distinct values in every channel.
    readonly property var colours: [[200, 0, 0], [0, 180, 0], [160, 150, 0], [0, 0, 140],
                                    [0, 130, 120], [110, 0, 100], [90, 80, 70]]
    readonly property int loopChoice: 7

    // The serpentine row order of the shipped drawings, worked out by hand
    // from the definition: rows by key centre, alternately left to right and
    // right to left, -1 after each row and once more at the end. The two-row
    // keys (Enter, keypad + and Enter) fall into the lower row.
    readonly property var isoRows: [
        0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, -1,
        99, 98, 97, 96, 62, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18, 17, 16, -1,
        32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 46, 47, 63, 107, 108, 110, -1,
        111, 106, 105, 104, 61, 45, 59, 58, 57, 56, 55, 54, 53, 52, 51, 50, 49, 48, -1,
        64, 76, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 77, 101, 102, 103, -1,
        115, 109, 100, 79, 95, 94, 91, 90, 89, 88, 85, 82, 81, 80, -1, -1]
    readonly property var ansiRows: [
        0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, -1,
        99, 98, 97, 96, 62, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18, 17, 16, -1,
        32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 63, 107, 108, 110, -1,
        111, 106, 105, 104, 61, 59, 58, 57, 56, 55, 54, 53, 52, 51, 50, 49, 48, -1,
        64, 65, 66, 67, 68, 69, 70, 71, 72, 73, 74, 75, 77, 101, 102, 103, -1,
        115, 109, 100, 79, 95, 94, 91, 90, 89, 88, 85, 82, 81, 80, -1, -1]

    Component {
        id: sceneComponent
        Loader { source: "qrc:/modules/qml/main.qml" }
    }

    function part(scene, name) {
        var found = findChild(scene, name)
        verify(found, name)
        return found
    }

    // The colour page of a started scene, with the test colours, LOOP off.
    function preview() {
        var loader = createTemporaryObject(sceneComponent, test)
        tryVerify(function() { return loader.status === Loader.Ready })
        var scene = loader.item
        scene.initUI()
        scene.buildPages() // as after the first frame
        var page = part(scene, "main_Q3").page(2)
        var ctrl = part(page, "_eft_Ctrl")
        var strip = part(page, "lvColorIndex")
        for (var i = 0; i < 7; ++i)
            strip.mdColors.set(i, { clrR: colours[i][0], clrG: colours[i][1], clrB: colours[i][2] })
        strip.currentIndex = 0
        ctrl.brightnessLV = 7
        ctrl.speedLV = 1
        ctrl.directLV = 1
        ctrl.isShown = true // the tests drive a page that is not on screen
        return { scene: scene, page: page, ctrl: ctrl, model: part(page, "_model"), strip: strip }
    }

    // Starts an effect without its timer: the test drives the ticks.
    function start(t, code) {
        t.ctrl.effectIndex = code
        t.ctrl.play(code)
        t.ctrl.curTimer.stop()
    }

    function rgba(key) {
        return [Math.round(key.color.r * 255), Math.round(key.color.g * 255),
                Math.round(key.color.b * 255), Math.round(key.color.a * 255)]
    }

    function keyAt(t, slot) {
        var key = t.model.getKey[slot]
        verify(key.swId >= 0, "a key in slot " + slot)
        return key
    }

    function allAlphas(t) {
        var alphas = []
        for (var i = 0; i < t.model.keys.length; ++i)
            alphas.push(rgba(t.model.keys[i])[3])
        return alphas
    }

    function states(t) {
        var all = []
        for (var i = 0; i < t.model.keys.length; ++i)
            all.push(rgba(t.model.keys[i]).concat([t.model.keys[i]._Alpha]))
        return all
    }

    // ---- a small keyboard of six keys, worked out by hand ----
    //
    //   y 10..30:  A (x 0, slot 3)   B (x 20, slot 7)   C (x 60, slot 1)
    //   y 50..70:  D (x 0, slot 0)   E (x 35, slot 5)   F (x 60, slot 2)
    //
    // Every key is 20 x 20, created in the order A … F (swId 0 … 5); slots 4
    // and 6 hold no key. Centres: A (10, 20), B (30, 20), C (70, 20),
    // D (10, 60), E (45, 60), F (70, 60). Brightness 7 (alpha 255), colour 0.

    readonly property var fixtureKeys: [
        { name: "A", x: 0, y: 10, slot: 3, usage: 4 }, { name: "B", x: 20, y: 10, slot: 7, usage: 5 },
        { name: "C", x: 60, y: 10, slot: 1, usage: 6 }, { name: "D", x: 0, y: 50, slot: 0, usage: 7 },
        { name: "E", x: 35, y: 50, slot: 5, usage: 8 }, { name: "F", x: 60, y: 50, slot: 2, usage: 9 }
    ]

    Component {
        id: fixtureKey
        Item {
            property int swId: -1
            property int matrix: -1
            property int posYId: -1
            property string name: ""
            readonly property int x0: x + Math.floor(width / 2)
            readonly property int y0: y + Math.floor(height / 2)
            property color color: "transparent"
            property int _R: 255
            property int _G: 255
            property int _B: 255
            property int _Alpha: 255
            width: 20
            height: 20
        }
    }

    Component {
        id: fixtureStrip
        Item {
            property int currentIndex: 0
            property ListModel mdColors: ListModel {}
        }
    }

    Component {
        id: controllerComponent
        Loader { source: "qrc:/modules/qml/Q3/Effect_Controler_Q3.qml" }
    }

    // The desktop's key codes of the six keys: USB usages 4 … 9 (A … F).
    QtObject {
        id: _KeyCodeString
        function keycodeTomatrix(usage) {
            for (var i = 0; i < test.fixtureKeys.length; ++i) {
                if (test.fixtureKeys[i].usage === usage)
                    return test.fixtureKeys[i].slot
            }
            return undefined
        }
    }

    // The controller on the six keys, its timer stopped: the test drives the
    // ticks; `now` is the time the controller reads.
    function smallPreview() {
        var f = { now: 1000 }
        var holder = createTemporaryObject(fixtureStrip, test)
        for (var c = 0; c < 7; ++c)
            holder.mdColors.append({ clrR: colours[c][0], clrG: colours[c][1], clrB: colours[c][2] })
        var keys = [], byName = {}, getKey = [], posX = [], posY = []
        for (var m = 0; m < 8; ++m)
            getKey.push({ matrix: -1, swId: -1, color: 0 })
        for (var i = 0; i < fixtureKeys.length; ++i) {
            var d = fixtureKeys[i]
            var key = fixtureKey.createObject(holder, { x: d.x, y: d.y, swId: i, matrix: d.slot, name: d.name })
            keys.push(key)
            byName[d.name] = key
            getKey[d.slot] = key
            posX.push((key.x0 << 8) | i)
            posY.push((key.y0 << 8) | i)
        }
        posX.sort(function(a, b) { return a - b })
        posY.sort(function(a, b) { return a - b })
        var loader = createTemporaryObject(controllerComponent, test)
        tryVerify(function() { return loader.status === Loader.Ready })
        var ctrl = loader.item
        ctrl.clock = function() { return f.now }
        ctrl.q3 = { keys: keys, getKey: getKey, keysPosX: posX, keysPosY: posY }
        ctrl.colorLV = holder
        ctrl.brightnessLV = 7
        ctrl.speedLV = 1
        ctrl.directLV = 1
        ctrl.initUI()
        f.ctrl = ctrl
        f.key = byName
        f.strip = holder
        return f
    }

    function startSmall(f, code) {
        f.ctrl.effectIndex = code
        f.ctrl.play(code)
        f.ctrl.curTimer.stop()
    }

    // Each key's label as [r, g, b, alpha], A … F.
    function labels(f) {
        return ["A", "B", "C", "D", "E", "F"].map(function(n) { return rgba(f.key[n]) })
    }

    function test_smallRowScript() {
        var f = smallPreview()
        // Row 0 left to right, row 1 right to left.
        compare(f.ctrl.script_02, [3, 7, 1, -1, 2, 5, 0, -1, -1])
        compare(f.ctrl.script_05.map(function(r) { return r.getXIdKeys }), ["001007003", "002005000"])
        compare([f.key.A.posYId, f.key.C.posYId, f.key.D.posYId, f.key.F.posYId], [0, 0, 1, 1])
    }

    // Marquee: a tick fades every key by round(255 / 20) = 13, then lights
    // the key of the script's current slot at 255. The order is A B C, row
    // end, F E D, row end, end, A … With LOOP each row end moves the loop
    // colour on: A B C in colour 0, F E D in 1, then A in 3.
    function test_smallMarquee_data() {
        var dark = [255, 255, 255, 0]
        var c0 = colours[0], c1 = colours[1], c3 = colours[3]
        return [
            { tag: "1 tick", ticks: 1, loop: false,
              keys: [c0.concat(255), dark, dark, dark, dark, dark] },
            { tag: "3 ticks", ticks: 3, loop: false,
              keys: [c0.concat(229), c0.concat(242), c0.concat(255), dark, dark, dark] },
            { tag: "4 ticks, past the row end", ticks: 4, loop: false,
              keys: [c0.concat(216), c0.concat(229), c0.concat(242), dark, dark, c0.concat(255)] },
            { tag: "7 ticks, round again", ticks: 7, loop: false,
              keys: [c0.concat(255), c0.concat(190), c0.concat(203), c0.concat(242), c0.concat(229),
                     c0.concat(216)] },
            { tag: "5 ticks, LOOP", ticks: 5, loop: true,
              keys: [c0.concat(203), c0.concat(216), c0.concat(229), dark, c1.concat(255),
                     c1.concat(242)] },
            { tag: "7 ticks, LOOP", ticks: 7, loop: true,
              keys: [c3.concat(255), c0.concat(190), c0.concat(203), c1.concat(242), c1.concat(229),
                     c1.concat(216)] }
        ]
    }

    function test_smallMarquee(data) {
        var f = smallPreview()
        f.strip.currentIndex = data.loop ? loopChoice : 0
        startSmall(f, 0x02)
        for (var i = 0; i < data.ticks; ++i)
            f.ctrl.step()
        compare(labels(f), data.keys)
    }

    // Wave 0x06 from x0 = 10 to xEnd = 70: t = (centre x - 10) * 3 / 60.
    // A, D: t 0, red; B: t 1, green; E: t 1.75, (0, 63, 191); C, F: t 3,
    // red. A tick moves 16 of a channel: towards the right red gives to
    // blue, green to red, blue to green; towards the left red gives to
    // green, green to blue, blue to red. Alpha 255, or 135 at level 3.
    function test_smallWave_data() {
        return [
            { tag: "start", ticks: 0, direct: 1, level: 7,
              keys: [[255, 0, 0, 255], [0, 255, 0, 255], [255, 0, 0, 255], [255, 0, 0, 255],
                     [0, 63, 191, 255], [255, 0, 0, 255]] },
            { tag: "right, 1 tick", ticks: 1, direct: 1, level: 7,
              keys: [[239, 0, 16, 255], [16, 239, 0, 255], [239, 0, 16, 255], [239, 0, 16, 255],
                     [0, 79, 175, 255], [239, 0, 16, 255]] },
            { tag: "right, 2 ticks", ticks: 2, direct: 1, level: 7,
              keys: [[223, 0, 32, 255], [32, 223, 0, 255], [223, 0, 32, 255], [223, 0, 32, 255],
                     [0, 95, 159, 255], [223, 0, 32, 255]] },
            { tag: "left, 1 tick", ticks: 1, direct: 2, level: 7,
              keys: [[239, 16, 0, 255], [0, 239, 16, 255], [239, 16, 0, 255], [239, 16, 0, 255],
                     [0, 47, 207, 255], [239, 16, 0, 255]] },
            { tag: "left, 2 ticks, level 3", ticks: 2, direct: 2, level: 3,
              keys: [[223, 32, 0, 135], [0, 223, 32, 135], [223, 32, 0, 135], [223, 32, 0, 135],
                     [0, 31, 223, 135], [223, 32, 0, 135]] }
        ]
    }

    function test_smallWave(data) {
        var f = smallPreview()
        f.ctrl.directLV = data.direct
        f.ctrl.brightnessLV = data.level
        startSmall(f, 0x06)
        for (var i = 0; i < data.ticks; ++i)
            f.ctrl.step()
        compare(labels(f), data.keys)
    }

    // Breathing: every key in the chosen (or loop) colour at alpha
    // count * 5 * level / 7, from count 51 on (102 - count) * 5 * level / 7;
    // count wraps at 102, which moves the loop colour on.
    function test_smallBreathing_data() {
        return [
            { tag: "10 ticks", ticks: 10, level: 7, loop: false, rgba: colours[0].concat(50) },
            { tag: "14 ticks, level 4", ticks: 14, level: 4, loop: false, rgba: colours[0].concat(40) },
            { tag: "51 ticks, the top", ticks: 51, level: 7, loop: false, rgba: colours[0].concat(255) },
            { tag: "70 ticks", ticks: 70, level: 7, loop: false, rgba: colours[0].concat(160) },
            { tag: "101 ticks, LOOP", ticks: 101, level: 7, loop: true, rgba: colours[0].concat(5) },
            { tag: "103 ticks, LOOP moved on", ticks: 103, level: 7, loop: true, rgba: colours[1].concat(5) }
        ]
    }

    function test_smallBreathing(data) {
        var f = smallPreview()
        f.ctrl.brightnessLV = data.level
        f.strip.currentIndex = data.loop ? loopChoice : 0
        startSmall(f, 0x01)
        for (var i = 0; i < data.ticks; ++i)
            f.ctrl.step()
        var all = labels(f)
        for (var k = 0; k < all.length; ++k)
            compare(all[k], data.rgba, fixtureKeys[k].name)
    }

    // Ripple from a press on A, centre (10, 20). Before the n-th tick the
    // radius is 15 (n - 1); a key lights when radius >= d >= radius - 15.
    // Distances: A 0, B 20, D 40, C 60, E sqrt(35² + 40²) = 53.2,
    // F sqrt(60² + 40²) = 72.1. So tick 1 and 2 light A, 3 B, 4 D, 5 C and
    // E, 6 C and F. With LOOP each lit key takes the next loop colour, keys
    // in creation order: A 0, A 1, B 2, D 3, C 4, E 5, C 6, F 0.
    function test_smallRipple_data() {
        return [
            { tag: "3 ticks", ticks: 3, loop: false, lit: { B: colours[0] }, dark: ["C", "D", "E", "F"] },
            { tag: "4 ticks", ticks: 4, loop: false, lit: { D: colours[0] }, dark: ["C", "E", "F"] },
            { tag: "5 ticks", ticks: 5, loop: false, lit: { C: colours[0], E: colours[0] }, dark: ["F"] },
            { tag: "5 ticks, LOOP", ticks: 5, loop: true, lit: { C: colours[4], E: colours[5] }, dark: ["F"] },
            { tag: "6 ticks, LOOP", ticks: 6, loop: true, lit: { C: colours[6], F: colours[0] }, dark: [] }
        ]
    }

    function test_smallRipple(data) {
        var f = smallPreview()
        f.strip.currentIndex = data.loop ? loopChoice : 0
        startSmall(f, 0x09)
        f.ctrl.detectKeyboard(true, 4) // A
        for (var i = 0; i < data.ticks; ++i)
            f.ctrl.step()
        for (var name in data.lit)
            compare(rgba(f.key[name]), data.lit[name].concat(255), name)
        for (var d = 0; d < data.dark.length; ++d)
            compare(rgba(f.key[data.dark[d]]), [255, 255, 255, 0], data.dark[d])
    }

    // Light on press: the pressed key in the chosen colour at
    // round(255 * level / 7) (182 at level 5, 109 at level 3); with LOOP in
    // the loop colour, which then moves on.
    function test_smallLightOnPress_data() {
        return [
            { tag: "E at level 5", level: 5, loop: false, presses: [8], ticks: 0,
              lit: { E: colours[0].concat(182) } },
            { tag: "A at level 3", level: 3, loop: false, presses: [4], ticks: 0,
              lit: { A: colours[0].concat(109) } },
            { tag: "LOOP: C then F", level: 7, loop: true, presses: [6, 9], ticks: 0,
              lit: { C: colours[0].concat(255), F: colours[1].concat(255) } }
        ]
    }

    function test_smallLightOnPress(data) {
        var f = smallPreview()
        f.ctrl.brightnessLV = data.level
        f.strip.currentIndex = data.loop ? loopChoice : 0
        startSmall(f, 0x03)
        for (var p = 0; p < data.presses.length; ++p)
            f.ctrl.detectKeyboard(true, data.presses[p])
        for (var i = 0; i < data.ticks; ++i)
            f.ctrl.step()
        var names = ["A", "B", "C", "D", "E", "F"]
        for (var k = 0; k < names.length; ++k) {
            var expected = data.lit[names[k]] || [255, 255, 255, 0]
            compare(rgba(f.key[names[k]]), expected, names[k])
        }
    }

    // A change of speed owes no ticks from before it: three firings at speed
    // value 7 (40 ms, one tick each) light A B C; the speed goes to 1 (10 ms)
    // 10 ms after the last firing, and the firing 33 ms after the change
    // runs the 3 ticks due since then: F E D. Each tick fades by 13.
    function test_speedChangeRunsNoBurst() {
        var f = smallPreview()
        f.ctrl.speedLV = 7
        startSmall(f, 0x02) // the pace starts at 1000
        for (var i = 1; i <= 3; ++i) {
            f.now = 1000 + 40 * i
            f.ctrl.timerFired(0x02)
        }
        var c0 = colours[0]
        compare(labels(f), [c0.concat(229), c0.concat(242), c0.concat(255), [255, 255, 255, 0],
                            [255, 255, 255, 0], [255, 255, 255, 0]])
        f.now = 1130
        f.ctrl.speedLV = 1
        f.now = 1163
        f.ctrl.timerFired(0x02)
        compare(labels(f), [c0.concat(190), c0.concat(203), c0.concat(216), c0.concat(255),
                            c0.concat(242), c0.concat(229)])
        // The next firing, one drawing later, runs the next 3: A B C again.
        f.now = 1196
        f.ctrl.timerFired(0x02)
        compare(labels(f), [c0.concat(229), c0.concat(242), c0.concat(255), c0.concat(216),
                            c0.concat(203), c0.concat(190)])
    }

    function cleanup() {
        keyboardProbe.setLayoutMode(0)
        ui_View.syncFW()
    }

    // ---- scripts ----

    function test_rowScript_data() {
        return [{ tag: "ISO", layout: 0, rows: isoRows, keys: 105 },
                { tag: "ANSI", layout: 1, rows: ansiRows, keys: 104 }]
    }

    function test_rowScript(data) {
        keyboardProbe.setLayoutMode(data.layout)
        ui_View.syncFW()
        var t = preview()
        compare(t.model.keys.length, data.keys)
        compare(t.ctrl.script_02, data.rows)
        compare(t.ctrl.script_05.length, 6)
        // The row entries list slots from the right end: the top row starts at Pause.
        compare(t.ctrl.script_05[0].getXIdKeys, "015014013012011010009008007006005004003002001000")
        compare(keyAt(t, 0).posYId, 0)
        compare(keyAt(t, 80).posYId, 5)
    }

    function test_wavePictures_data() {
        // Esc (slot 0) has the smallest centre x, keypad Enter (slot 111) the largest.
        return [
            { tag: "0x06 leftmost", script: "script_06", slot: 0, rgb: [255, 0, 0] },
            { tag: "0x06 rightmost", script: "script_06", slot: 111, rgb: [255, 0, 0] },
            { tag: "0x0A leftmost", script: "script_0A", slot: 0, rgb: [255, 0, 0] },
            { tag: "0x0A rightmost", script: "script_0A", slot: 111, rgb: [255, 0, 0] },
            { tag: "no key in slot 127", script: "script_06", slot: 127, rgb: [0, 0, 0] }
        ]
    }

    function test_wavePictures(data) {
        var t = preview()
        var picture = t.ctrl[data.script]
        compare(picture.length, 3 * 128)
        compare(picture.slice(3 * data.slot, 3 * data.slot + 3), data.rgb)
    }

    function test_waveMiddleBand() {
        // Band boundaries by hand: t = (x - x0) * 3 / (xEnd - x0) for 0x06.
        var t = preview()
        var keys = t.model.keys
        var x0 = 1e9, xEnd = -1
        for (var i = 0; i < keys.length; ++i) {
            x0 = Math.min(x0, keys[i].x0)
            xEnd = Math.max(xEnd, keys[i].x0)
        }
        for (var k = 0; k < keys.length; ++k) {
            var pos = (keys[k].x0 - x0) * 3 / (xEnd - x0)
            var m = keys[k].matrix
            var rgb = t.ctrl.script_06.slice(3 * m, 3 * m + 3)
            if (pos <= 1)
                compare(rgb, [Math.floor(255 * (1 - pos)), Math.floor(255 * pos), 0], keys[k].name)
            else if (pos <= 2)
                compare(rgb, [0, Math.floor(255 * (2 - pos)), Math.floor(255 * (pos - 1))], keys[k].name)
            else
                compare(rgb, [Math.floor(255 * (pos - 2)), 0, Math.floor(255 * (3 - pos))], keys[k].name)
        }
    }

    // Two paths of neighbouring keys meet in the 2 x 2 block O P over L ;.
    function test_vortexPaths_data() {
        return [{ tag: "ISO", layout: 0 }, { tag: "ANSI", layout: 1 }]
    }

    function test_vortexPaths(data) {
        keyboardProbe.setLayoutMode(data.layout)
        ui_View.syncFW()
        var t = preview()
        var paths = [t.ctrl.script_0B1, t.ctrl.script_0B2]
        for (var p = 0; p < 2; ++p) {
            for (var i = 1; i < paths[p].length; ++i) {
                var a = keyAt(t, paths[p][i - 1]), b = keyAt(t, paths[p][i])
                var d = Math.sqrt(Math.pow(a.x0 - b.x0, 2) + Math.pow(a.y0 - b.y0, 2))
                verify(d <= 60, a.name + " → " + b.name + ": " + d)
            }
        }
        compare([t.ctrl.script_0B1[15], t.ctrl.script_0B1[16]], [57, 41])
        compare([t.ctrl.script_0B2[15], t.ctrl.script_0B2[16]], [42, 58])
        var o = keyAt(t, 41), pp = keyAt(t, 42), l = keyAt(t, 57), semi = keyAt(t, 58)
        compare([o.name, pp.name, l.name, semi.name], ["O", "P", "L", ";"])
        compare(pp.x0 - o.x0, 28)
        compare(semi.x0 - l.x0, 28)
        compare(l.y0 - o.y0, 28)
        // The circle sits in the middle of the block.
        t.ctrl.play(0x0B)
        compare([t.ctrl.mdCircle0B._x0, t.ctrl.mdCircle0B._y0],
                [Math.round((o.x0 + pp.x0 + l.x0 + semi.x0) / 4),
                 Math.round((o.y0 + pp.y0 + l.y0 + semi.y0) / 4)])
    }

    // ---- effects ----

    function test_staticLoopAdvancesOncePerTick() {
        var t = preview()
        t.strip.currentIndex = loopChoice
        start(t, 0x00)
        var key = keyAt(t, 30)
        compare(rgba(key), colours[0].concat([255]))
        for (var i = 1; i <= 8; ++i) {
            t.ctrl.step()
            compare(rgba(key), colours[i % 7].concat([255]), "tick " + i)
        }
        compare(rgba(keyAt(t, 0)), rgba(key)) // all keys together
    }

    function test_breathingRamp_data() {
        // alpha = count * 5 * level / 7, and back down from count 51.
        return [
            { tag: "first tick", ticks: 1, level: 7, alpha: 5 },
            { tag: "top", ticks: 51, level: 7, alpha: 255 },
            { tag: "on the way down", ticks: 61, level: 7, alpha: 205 },
            { tag: "last tick", ticks: 101, level: 7, alpha: 5 },
            { tag: "wrapped", ticks: 102, level: 7, alpha: 0 },
            { tag: "level 3", ticks: 20, level: 3, alpha: 42 }
        ]
    }

    function test_breathingRamp(data) {
        var t = preview()
        t.ctrl.brightnessLV = data.level
        start(t, 0x01)
        for (var i = 0; i < data.ticks; ++i)
            t.ctrl.step()
        compare(rgba(keyAt(t, 30)), colours[0].concat([data.alpha]))
    }

    function test_marqueeRunsAlongTheRows() {
        var t = preview()
        start(t, 0x02)
        compare(allAlphas(t).filter(function(a) { return a > 0 }).length, 0) // dark at start
        t.ctrl.step() // count 0: Esc lights, count moves on to F1
        compare(rgba(keyAt(t, 0)), colours[0].concat([255]))
        t.ctrl.step()
        compare(rgba(keyAt(t, 1)), colours[0].concat([255]))
        compare(rgba(keyAt(t, 0))[3], 255 - Math.round(255 / 20)) // the tail fades
        // Past the end of the top row the script skips the row end.
        for (var i = 0; i < 14; ++i)
            t.ctrl.step()
        compare(t.ctrl.script_02[t.ctrl.count], 99)
    }

    function test_colourCycleBlends() {
        var t = preview()
        start(t, 0x04)
        var key = t.model.keys[3] // swId 3 starts on colour 3
        compare(rgba(key), colours[3].concat([255]))
        t.ctrl.step() // count 0 → the step uses d = 0
        t.ctrl.step() // d = 1: four fifths of colour 3, one fifth of colour 4
        var expected = [0, 1, 2].map(function(c) {
            return Math.floor((colours[3][c] * 4 + colours[4][c]) / 5)
        })
        compare(rgba(key), expected.concat([255]))
    }

    function test_neonColour_data() {
        return [{ tag: "1", ticks: 1, rgb: [252, 0, 3] }, { tag: "100", ticks: 100, rgb: [0, 45, 210] },
                { tag: "200", ticks: 200, rgb: [90, 165, 0] }]
    }

    function test_neonColour(data) {
        var t = preview()
        start(t, 0x07)
        for (var i = 0; i < data.ticks; ++i)
            t.ctrl.step()
        compare(rgba(keyAt(t, 40)), data.rgb.concat([255]))
    }

    function test_waveRotatesHues() {
        var t = preview()
        start(t, 0x06)
        var esc = keyAt(t, 0) // pure red at the left end
        compare(rgba(esc), [255, 0, 0, 255])
        t.ctrl.step()
        compare(rgba(esc), [239, 0, 16, 255]) // right: red gives to blue
        t.ctrl.directLV = 2
        t.ctrl.play(0x06)
        t.ctrl.curTimer.stop()
        t.ctrl.step()
        compare(rgba(esc), [239, 16, 0, 255]) // left: red gives to green
    }

    function test_pressOutsideThePictureChangesNothing_data() {
        return [{ tag: "light on press", code: 0x03 }, { tag: "sweep", code: 0x05 },
                { tag: "ripple", code: 0x09 }]
    }

    function test_pressOutsideThePictureChangesNothing(data) {
        var t = preview()
        start(t, data.code)
        var before = states(t)
        t.ctrl.detectKeyboard(true, 0x68) // F13: not on this keyboard
        t.ctrl.detectKeyboard(true, 0x91) // LANG2: not on this keyboard
        t.ctrl.step()
        t.ctrl.step()
        compare(states(t), before)
        compare(t.ctrl.sweeps.length, 0)
        compare(t.ctrl.loopCircleIndex, 0)
    }

    function test_lightOnPress() {
        var t = preview()
        t.ctrl.brightnessLV = 5
        start(t, 0x03)
        t.ctrl.detectKeyboard(false, 4) // a key-up does nothing
        compare(rgba(keyWithUsage(t, 4))[3], 0)
        t.ctrl.detectKeyboard(true, 4) // A
        compare(rgba(keyWithUsage(t, 4)), colours[0].concat([Math.round(255 * 5 / 7)]))
    }

    function keyWithUsage(t, usage) {
        var lookup = part(t.scene, "_KeyCodeString")
        return keyAt(t, lookup.keycodeTomatrix(usage))
    }

    function test_fourthRippleReusesTheOldest() {
        var t = preview()
        start(t, 0x09)
        var usages = [4, 5, 6, 7] // A B C D
        for (var i = 0; i < usages.length; ++i)
            t.ctrl.detectKeyboard(true, usages[i])
        var d = keyWithUsage(t, 7)
        compare([t.ctrl.mdCircle09[0]._x0, t.ctrl.mdCircle09[0]._y0], [d.x0, d.y0])
        var b = keyWithUsage(t, 5)
        compare([t.ctrl.mdCircle09[1]._x0, t.ctrl.mdCircle09[1]._y0], [b.x0, b.y0])
        compare(t.ctrl.loopCircleIndex, 1)
    }

    function test_endOfOneSweepEndsAll() {
        var t = preview()
        start(t, 0x05)
        t.ctrl.detectKeyboard(true, 0x1E) // 1: a long way to the right end of its row
        for (var i = 0; i < 3; ++i)
            t.ctrl.step()
        t.ctrl.detectKeyboard(true, 0x2C) // Space: the bottom row is short
        compare(t.ctrl.sweeps.length, 2)
        var guard = 0
        while (t.ctrl.sweeps.length === 2 && guard++ < 100)
            t.ctrl.step()
        compare(t.ctrl.sweeps.length, 0)
        // The bottom row's sweep went dark when it ended; nothing lights after.
        var bottomRow = [115, 109, 100, 79, 95, 94, 91, 90, 89, 88, 85, 82, 81, 80]
        for (var k = 0; k < bottomRow.length; ++k)
            compare(rgba(keyAt(t, bottomRow[k]))[3], 0, "slot " + bottomRow[k])
        var lit = states(t)
        t.ctrl.step()
        compare(states(t), lit)
    }

    function test_switchingBackStartsDark_data() {
        return [{ tag: "light on press", code: 0x03 }, { tag: "ripple", code: 0x09 },
                { tag: "sweep", code: 0x05 }]
    }

    function test_switchingBackStartsDark(data) {
        var t = preview()
        start(t, data.code)
        t.ctrl.detectKeyboard(true, 4)
        for (var i = 0; i < 3; ++i)
            t.ctrl.step()
        verify(allAlphas(t).some(function(a) { return a > 0 }), "something is lit")
        start(t, 0x07)
        t.ctrl.step()
        start(t, data.code)
        compare(allAlphas(t).filter(function(a) { return a > 0 }).length, 0)
        compare(t.ctrl.sweeps.length, 0)
        verify(!t.ctrl.mdCircle09[0].isEnable)
    }

    function test_brightnessZeroHidesEveryBoundEffect_data() {
        return [{ tag: "static", code: 0x00 }, { tag: "colour cycle", code: 0x04 },
                { tag: "wave", code: 0x06 }, { tag: "neon", code: 0x07 },
                { tag: "second wave", code: 0x0A }, { tag: "picture 1", code: 0x33 },
                { tag: "marquee", code: 0x02 }, { tag: "rain", code: 0x08 },
                { tag: "vortex", code: 0x0B }]
    }

    function test_brightnessZeroHidesEveryBoundEffect(data) {
        var t = preview()
        var picture = []
        for (var i = 0; i < 512; ++i)
            picture.push(200)
        t.ctrl.pic_01 = picture
        t.ctrl.brightnessLV = 0
        start(t, data.code)
        for (var s = 0; s < 20; ++s)
            t.ctrl.step()
        compare(allAlphas(t).filter(function(a) { return a > 0 }).length, 0)
        t.ctrl.brightnessLV = 7 // at once, without a tick, for the bound effects
        if (data.code === 0x00 || data.code === 0x33 || data.code === 0x04)
            verify(allAlphas(t).every(function(a) { return a === 255 }))
    }

    function test_userPictureShowsAtOnce() {
        var t = preview()
        start(t, 0x34)
        var picture = []
        for (var i = 0; i < 512; ++i)
            picture.push(0)
        picture[4 * 30] = 0x10
        picture[4 * 30 + 1] = 12
        picture[4 * 30 + 2] = 34
        picture[4 * 30 + 3] = 56
        t.ctrl.pic_02 = picture
        compare(rgba(keyAt(t, 30)), [12, 34, 56, 255])
        compare(rgba(keyAt(t, 31)), [0, 0, 0, 255])
    }

    function test_noEffectIsDark() {
        var t = preview()
        start(t, 0x0C)
        compare(allAlphas(t).filter(function(a) { return a > 0 }).length, 0)
    }

    // ---- pace ----

    // With speed value 0 the timer still waits for the next frame.
    function test_speedZeroTicksAtMostOncePerFrame() {
        var t = preview()
        t.ctrl.speedLV = 0
        t.ctrl.effectIndex = 0x04
        var ticks = 0
        t.ctrl.tmrTrigged.connect(function() { ++ticks })
        var started = Date.now()
        t.ctrl.play(0x04)
        wait(320)
        t.ctrl.play(-1)
        var elapsed = Date.now() - started
        verify(ticks > 0)
        verify(ticks <= elapsed / 16 + 1, ticks + " ticks in " + elapsed + " ms")
    }

    // A 10 ms effect keeps its pace though its timer fires once a drawing:
    // a firing 50 ms after the last runs the five ticks that fell due.
    function test_fastIntervalKeepsItsPace() {
        var t = preview()
        t.ctrl.speedLV = 1
        t.ctrl.effectIndex = 0x02
        t.ctrl.play(0x02)
        var timer = t.ctrl.curTimer
        timer.stop()
        verify(timer.interval >= 16)
        var ticks = 0
        t.ctrl.tmrTrigged.connect(function() { ++ticks })
        t.ctrl.dueTicks = 0
        t.ctrl.lastTickAt = Date.now() - 50
        t.ctrl.timerFired(0x02)
        verify(ticks === 5 || ticks === 6, ticks + " ticks") // 6 only if 10 ms more passed meanwhile
    }

    function test_nothingTicksWhileHidden() {
        var t = preview()
        t.ctrl.effectIndex = 0x02
        t.ctrl.play(0x02)
        verify(t.ctrl.curTimer.running)
        t.page.playEffect(false)
        compare(t.ctrl.curTimer, null)
        t.ctrl.isShown = false
        t.ctrl.play(0x02) // a call while hidden does not start a timer
        compare(t.ctrl.curTimer, null)
        t.ctrl.isShown = true
        verify(t.ctrl.curTimer !== null && t.ctrl.curTimer.running)
    }
}
