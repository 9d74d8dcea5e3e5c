import QtQuick

// The lighting preview: simulates the keyboard's effects on the colour page's
// keyboard picture `q3`. One repeating timer per effect; a tick steps every
// key (the key step) and then the controller. The keys' state lives here in
// plain arrays indexed by swId; after the ticks that fall in one frame the
// results are written into the keys once (flush), and only what changed.
Item {
    id: _eft_Ctrl
    width: 693
    height: 192

    // Wired by the colour page.
    property var q3: null
    property var colorLV: null // .mdColors: the colour set (clrR, clrG, clrB); .currentIndex: the choice
    property int brightnessLV: 7
    property int speedLV: 4
    property int directLV: 1
    property int effectIndex: -1

    readonly property int colorChoice: colorLV ? colorLV.currentIndex : 0
    readonly property bool isSurround: loopChosen()
    property int loopIndex: 0
    property int count: 0
    property var pic_01: zeroPicture()
    property var pic_02: zeroPicture()
    property var pic_03: zeroPicture()
    property var pic_04: zeroPicture()
    property var pic_05: zeroPicture()
    property var curTimer: null
    property var script_02: []
    property var script_05: []
    property var script_06: []
    property var script_0A: []
    property int x0: 0
    property int xEnd: 0
    property var totalColor: []
    property var mdCircle09: [blankCircle(), blankCircle(), blankCircle()]
    property int loopCircleIndex: 0
    property var mdCircle0B: blankCircle()
    readonly property var script_0B1: [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 27, 43, 59, 74, 73, 57, 41]
    readonly property var script_0B2: [115, 109, 100, 79, 95, 94, 91, 90, 89, 88, 72, 56, 40, 25, 26, 42, 58]
    readonly property var vortexCentreSlots: [57, 41, 42, 58]

    // Published once per frame for the keys' bindings.
    property int shownCount: 0
    property var chosenColor: [0, 0, 0]
    property var loopColor: [0, 0, 0]
    readonly property int brightnessAlpha: levelToAlpha(brightnessLV)

    // The preview runs only while shown.
    property bool isShown: true

    signal pictureChged(var picture)
    signal tmrTrigged

    // Effect codes.
    readonly property int fxStatic: 0x00
    readonly property int fxBreathing: 0x01
    readonly property int fxMarquee: 0x02
    readonly property int fxLightOnPress: 0x03
    readonly property int fxColourCycle: 0x04
    readonly property int fxSweep: 0x05
    readonly property int fxWave: 0x06
    readonly property int fxNeon: 0x07
    readonly property int fxRain: 0x08
    readonly property int fxRipple: 0x09
    readonly property int fxWave2: 0x0A
    readonly property int fxVortex: 0x0B
    readonly property int firstPicture: 0x33
    readonly property int lastPicture: 0x37

    // Tick intervals in milliseconds by effect code, for speed values 1 … 7.
    readonly property var tickTable: [
        [600, 900, 1200, 1500, 1800, 2100, 2400],
        [16, 48, 64, 96, 112, 144, 160],
        [10, 15, 20, 25, 30, 35, 40],
        [22, 66, 88, 132, 154, 198, 220],
        [15, 30, 45, 60, 75, 90, 105],
        [10, 20, 25, 35, 40, 50, 55],
        [7, 21, 28, 42, 49, 63, 70],
        [15, 20, 25, 30, 35, 40, 45],
        [30, 40, 50, 60, 70, 80, 90],
        [10, 20, 25, 35, 40, 50, 55],
        [7, 21, 28, 42, 49, 63, 70],
        [10, 15, 20, 25, 30, 35, 40]
    ]
    // The preview is drawn at most 30 times a second, half the frame rate of
    // the screen: enough for lights that blink and fade, and half the cost of
    // redrawing every label. Shorter intervals run several ticks per drawing,
    // so an effect keeps its speed.
    readonly property int frameMs: 33
    // After a stall at most this many ticks are caught up in one frame.
    readonly property int maxTicksPerFrame: 8

    readonly property int circleStep: 15
    readonly property int circleEnd: 700
    readonly property int ringWidth: 15
    readonly property int pathLength: 17
    readonly property int vortexRingEnd: 44
    readonly property int vortexCycle: 45

    // ---- key state, by swId ----
    property var stR: []
    property var stG: []
    property var stB: []
    property var stA: []
    property var shown: [] // the last label colour written, packed
    property var shownR: [] // the last own colour and alpha written
    property var shownG: []
    property var shownB: []
    property var shownA: []
    property var slotOf: [] // each key's matrix slot and centre, read once
    property var centreX: []
    property var centreY: []
    property var palette: [] // the colour set, read from the strip's model on change
    property var sweeps: []
    // Ticks due but not run yet, counted from lastTickAt at the current speed.
    property real dueTicks: 0
    property real lastTickAt: 0
    // The time in milliseconds that paces the ticks.
    property var clock: function() { return Date.now() }

    function zeroPicture() {
        var picture = []
        for (var i = 0; i < 512; ++i)
            picture.push(0)
        return picture
    }

    function blankCircle() {
        return { isEnable: false, _x0: 0, _y0: 0, _r: 0 }
    }

    function padLeft(number, length) {
        var text = String(number)
        while (text.length < length)
            text = "0" + text
        return text
    }

    function keyList() {
        return q3 ? q3.keys : []
    }

    // ---- scripts, built once after the picture exists ----

    function initUI() {
        var keys = keyList()
        stR = []; stG = []; stB = []; stA = []; shown = []
        shownR = []; shownG = []; shownB = []; shownA = []
        slotOf = []; centreX = []; centreY = []
        for (var i = 0; i < keys.length; ++i) {
            stR.push(255); stG.push(255); stB.push(255); stA.push(255); shown.push(-1)
            shownR.push(keys[i]._R); shownG.push(keys[i]._G); shownB.push(keys[i]._B)
            shownA.push(keys[i]._Alpha)
            slotOf.push(keys[i].matrix)
            centreX.push(keys[i].x0)
            centreY.push(keys[i].y0)
        }
        readPalette()
        initScript_02()
        script_06 = wavePicture(3)
        script_0A = wavePicture(4)
        mdCircle0B = vortexCircle()
    }

    // Rows by centre y; within a row by left edge, alternating direction.
    function initScript_02() {
        var keys = keyList()
        var order = q3 ? q3.keysPosY : []
        var script = []
        var rows = []
        var row = []
        for (var i = 0; i < order.length; ++i) {
            var key = keys[order[i] & 0xFF]
            if (i > 0) {
                var previous = row[row.length - 1]
                if (key.y0 - previous.y0 > previous.height / 2) {
                    finishRow(row, rows.length, script, rows)
                    row = []
                }
            }
            row.push(key)
        }
        if (row.length > 0)
            finishRow(row, rows.length, script, rows)
        script.push(-1)
        script_02 = script
        script_05 = rows
    }

    function finishRow(row, number, script, rows) {
        var byX = row.slice().sort(function(a, b) { return a.x - b.x || a.swId - b.swId })
        var serpentine = number % 2 === 0 ? byX : byX.slice().reverse()
        for (var i = 0; i < serpentine.length; ++i) {
            script.push(serpentine[i].matrix)
            serpentine[i].posYId = number
        }
        var fromRight = byX.slice().reverse()
        var text = ""
        for (var j = 0; j < fromRight.length; ++j)
            text += padLeft(fromRight[j].matrix, 3)
        rows.push({ getXIdKeys: text })
        script.push(-1)
    }

    // One hue band per unit of t across the keyboard's centre x range.
    function wavePicture(bands) {
        var keys = keyList()
        var picture = []
        for (var s = 0; s < 3 * slotCount(); ++s)
            picture.push(0)
        var xs = q3 ? q3.keysPosX : []
        if (xs.length === 0)
            return picture
        x0 = xs[0] >> 8
        xEnd = xs[xs.length - 1] >> 8
        var span = Math.max(1, xEnd - x0)
        for (var i = 0; i < keys.length; ++i) {
            var m = keys[i].matrix
            if (m < 0 || m >= slotCount())
                continue
            var t = (keys[i].x0 - x0) * bands / span
            var rgb = waveColour(t, bands)
            picture[3 * m] = Math.floor(rgb[0])
            picture[3 * m + 1] = Math.floor(rgb[1])
            picture[3 * m + 2] = Math.floor(rgb[2])
        }
        return picture
    }

    function waveColour(t, bands) {
        if (t <= 1)
            return [255 * (1 - t), 255 * t, 0]
        if (t <= 2)
            return [0, 255 * (2 - t), 255 * (t - 1)]
        if (t <= 3)
            return bands === 3 ? [255 * (t - 2), 0, 255 * (3 - t)] : [0, 255 * (t - 2), 255 * (3 - t)]
        return [255 * (t - 3), 255 * (4 - t), 0]
    }

    function slotCount() {
        return q3 ? q3.getKey.length : 0
    }

    function vortexCircle() {
        var sx = 0, sy = 0, n = 0
        for (var i = 0; i < vortexCentreSlots.length; ++i) {
            var key = keyAtSlot(vortexCentreSlots[i])
            if (key) {
                sx += key.x0; sy += key.y0; ++n
            }
        }
        return { isEnable: false, _x0: n ? Math.round(sx / n) : 0, _y0: n ? Math.round(sy / n) : 0, _r: 0 }
    }

    // The drawn key in a matrix slot, or null.
    function keyAtSlot(m) {
        if (!q3 || m < 0 || m >= q3.getKey.length)
            return null
        var key = q3.getKey[m]
        return key && key.swId >= 0 ? key : null
    }

    // ---- colours ----

    function readPalette() {
        var model = colorLV ? colorLV.mdColors : null
        var colours = []
        for (var i = 0; model && i < model.count; ++i) {
            var entry = model.get(i)
            colours.push([entry.clrR, entry.clrG, entry.clrB])
        }
        palette = colours
    }

    function colourAt(i) {
        return i >= 0 && i < palette.length ? palette[i] : [0, 0, 0]
    }

    // Read from the choice itself: a handler of a change may run before the
    // bindings that follow it.
    function loopChosen() {
        return colorChoice < 0 || colorChoice > 6
    }

    function chosen() {
        return colourAt(((colorChoice % 7) + 7) % 7)
    }

    // The colour a lit key takes: the loop colour with LOOP, else the chosen one.
    function chosenOrLoop() {
        return loopChosen() ? colourAt(loopIndex) : chosen()
    }

    function advanceLoop() {
        loopIndex = (loopIndex + 1) % 7
    }

    // The label's alpha for a brightness level: 0, then 75 … 255 in steps of 30.
    function levelToAlpha(level) {
        return level <= 0 ? 0 : 45 + Math.floor(210 * level / 7)
    }

    function levelAlpha() {
        return Math.round(255 * brightnessLV / 7)
    }

    function light(k, rgb, alpha) {
        stR[k] = rgb[0]; stG[k] = rgb[1]; stB[k] = rgb[2]; stA[k] = alpha
    }

    function darkenAll() {
        for (var k = 0; k < stA.length; ++k)
            stA[k] = 0
    }

    // pictureChged with a picture of three values per matrix slot.
    function sendPicture(picture) {
        var keys = keyList()
        for (var k = 0; k < keys.length; ++k) {
            var at = 3 * keys[k].matrix
            if (at < 0)
                continue
            stR[k] = picture[at] || 0
            stG[k] = picture[at + 1] || 0
            stB[k] = picture[at + 2] || 0
        }
        pictureChged(picture)
    }

    // ---- playing ----

    function tickInterval(code, speed) {
        if (speed <= 0)
            return 0
        var row = tickTable[code]
        return row[Math.min(speed, 7) - 1]
    }

    function runningCode(index) {
        return index >= fxMarquee && index <= fxVortex || index === fxBreathing ? index : fxStatic
    }

    // Stops the running timer, resets the effect and starts its timer. Any
    // code without an effect of its own runs the static effect's timer; a
    // negative code stops the preview (the page is hidden).
    function play(index) {
        readPalette()
        if (curTimer)
            curTimer.stop()
        curTimer = null
        var code = runningCode(index)
        startEffect(code)
        flush()
        if (index < 0 || !isShown)
            return
        curTimer = timers.itemAt(code)
        restartPace()
        curTimer.restart()
    }

    function startEffect(code) {
        loopIndex = 0
        count = 0
        sweeps = []
        switch (code) {
        case fxMarquee:
        case fxLightOnPress:
        case fxSweep:
        case fxRain:
            darkenAll()
            break
        case fxColourCycle:
            totalColor = flatColourSet()
            sendPicture(colourCyclePicture())
            break
        case fxWave:
            sendPicture(script_06)
            break
        case fxWave2:
            sendPicture(script_0A)
            break
        case fxRipple:
            mdCircle09 = [blankCircle(), blankCircle(), blankCircle()]
            loopCircleIndex = 0
            darkenAll()
            break
        case fxVortex:
            darkenAll()
            var circle = vortexCircle()
            circle.isEnable = true
            mdCircle0B = circle
            break
        }
    }

    function flatColourSet() {
        var flat = []
        for (var i = 0; i < 7; ++i)
            flat = flat.concat(colourAt(i))
        return flat
    }

    // Key i (by creation) gets colour i mod 7 of the set.
    function colourCyclePicture() {
        var picture = []
        for (var s = 0; s < 3 * slotCount(); ++s)
            picture.push(0)
        var keys = keyList()
        for (var k = 0; k < keys.length; ++k) {
            var m = keys[k].matrix
            if (m < 0 || m >= slotCount())
                continue
            var c = colourAt(k % 7)
            picture[3 * m] = c[0]; picture[3 * m + 1] = c[1]; picture[3 * m + 2] = c[2]
        }
        return picture
    }

    // Ticks fall due from now on, none owed from before.
    function restartPace() {
        dueTicks = 0
        lastTickAt = clock()
    }

    // One timer fired: the ticks due since the last firing, then one flush.
    // Every firing moves the pace's start, also at intervals that need no
    // catching up, so a later change to a fast speed owes nothing from the
    // time before it.
    function timerFired(code) {
        var ticks = 1
        var interval = tickInterval(code, speedLV)
        var now = clock()
        if (interval > 0 && interval < frameMs) {
            dueTicks += (now - lastTickAt) / interval
            ticks = Math.min(Math.floor(dueTicks), maxTicksPerFrame)
            dueTicks = Math.min(dueTicks - ticks, 1)
        }
        lastTickAt = now
        for (var i = 0; i < ticks; ++i)
            tick(code)
        flush()
    }

    // One tick of the running effect, then its result shown.
    function step() {
        tick(curTimer ? curTimer.code : runningCode(effectIndex))
        flush()
    }

    function tick(code) {
        switch (code) {
        case fxStatic:
            if (loopChosen())
                advanceLoop()
            break
        case fxBreathing:
            count = (count + 1) % 102
            if (count === 0 && loopChosen())
                advanceLoop()
            break
        case fxNeon:
            count = (count + 1) % 255
            break
        default:
            tmrTrigged()
            keyStep(code)
            controllerStep(code)
        }
    }

    // Every key's step of one tick, in one pass over the state lists.
    function keyStep(code) {
        var bindA = levelToAlpha(brightnessLV)
        var slots = slotOf
        var k
        switch (code) {
        case fxMarquee:
            fadeAll(Math.round(bindA / 20))
            var lit = script_02[count]
            var colour = chosenOrLoop()
            for (k = 0; k < slots.length; ++k) {
                if (slots[k] === lit)
                    light(k, colour, bindA)
            }
            break
        case fxLightOnPress:
            fadeAll(Math.round(bindA / 30))
            break
        case fxColourCycle:
            for (k = 0; k < slots.length; ++k)
                cycleKey(k, k)
            break
        case fxWave:
        case fxWave2:
            shiftHues(directLV === 2 || directLV === 4)
            break
        case fxRain:
            fadeAll(Math.round(bindA / 60))
            break
        case fxRipple:
            fadeAll(Math.round(bindA / 10))
            lightRings(mdCircle09, bindA)
            break
        case fxVortex:
            fadeAll(Math.round(bindA / 7))
            if (count < pathLength) {
                var pathColour = chosenOrLoop()
                for (k = 0; k < slots.length; ++k) {
                    if (slots[k] === script_0B1[count] || slots[k] === script_0B2[count])
                        light(k, pathColour, bindA)
                }
            } else {
                lightRings([mdCircle0B], bindA)
            }
            break
        }
    }

    function fadeAll(by) {
        var A = stA
        for (var k = 0; k < A.length; ++k)
            A[k] = A[k] > by ? A[k] - by : 0
    }

    // The keys on an enabled circle's ring light, key by key in creation
    // order and circle by circle; with LOOP every lit key takes the next loop
    // colour. The fading came first for every key, which gives the same as
    // fading and lighting key by key.
    function lightRings(circles, bindA) {
        var enabled = circles.filter(function(c) { return c.isEnable })
        if (enabled.length === 0)
            return
        var X = centreX, Y = centreY
        var loop = loopChosen()
        for (var k = 0; k < X.length; ++k) {
            for (var c = 0; c < enabled.length; ++c) {
                var circle = enabled[c]
                var dx = X[k] - circle._x0
                var dy = Y[k] - circle._y0
                var d = Math.sqrt(dx * dx + dy * dy)
                if (circle._r >= d && d >= Math.max(circle._r - ringWidth, 0)) {
                    if (loop) {
                        light(k, colourAt(loopIndex), bindA)
                        advanceLoop()
                    } else {
                        light(k, chosen(), bindA)
                    }
                }
            }
        }
    }

    function cycleKey(k, swId) {
        var cur = ((swId % 7) + Math.floor(count / 5)) % 7
        var next = (cur + 1) % 7
        var d = count % 5
        var c = totalColor
        stR[k] = Math.floor((c[3 * cur] * (5 - d) + c[3 * next] * d) / 5)
        stG[k] = Math.floor((c[3 * cur + 1] * (5 - d) + c[3 * next + 1] * d) / 5)
        stB[k] = Math.floor((c[3 * cur + 2] * (5 - d) + c[3 * next + 2] * d) / 5)
    }

    // The hues rotate one way or the other, 16 steps at a time: towards the
    // right red gives to blue, blue to green, green to red; towards the left
    // red gives to green, green to blue, blue to red.
    function shiftHues(towardsLeft) {
        var hueStep = 16
        var R = stR, G = stG, B = stB
        for (var k = 0; k < R.length; ++k) {
            var r = R[k], g = G[k], b = B[k]
            if (towardsLeft) {
                if (r === 255 || (r && g)) { r -= hueStep; g += hueStep }
                else if (g === 255 || (g && b)) { g -= hueStep; b += hueStep }
                else { b -= hueStep; r += hueStep }
            } else {
                if (r === 255 || (r && b)) { r -= hueStep; b += hueStep }
                else if (g === 255 || (g && r)) { g -= hueStep; r += hueStep }
                else { b -= hueStep; g += hueStep }
            }
            R[k] = r < 0 ? 0 : (r > 255 ? 255 : r)
            G[k] = g < 0 ? 0 : (g > 255 ? 255 : g)
            B[k] = b < 0 ? 0 : (b > 255 ? 255 : b)
        }
    }

    function controllerStep(code) {
        switch (code) {
        case fxMarquee:
            if (script_02.length === 0)
                return
            count = (count + 1) % script_02.length
            for (var guard = 0; script_02[count] === -1 && guard < script_02.length; ++guard) {
                if (loopChosen())
                    advanceLoop()
                count = (count + 1) % script_02.length
            }
            break
        case fxColourCycle:
            count = (count + 1) % 35
            break
        case fxSweep:
            stepSweeps()
            break
        case fxRain:
            var keys = keyList()
            if (keys.length > 1) {
                var k = Math.floor(Math.random() * (keys.length - 1))
                if (loopChosen()) {
                    light(k, colourAt(loopIndex), levelToAlpha(brightnessLV))
                    advanceLoop()
                } else {
                    light(k, chosen(), levelToAlpha(brightnessLV))
                }
            }
            break
        case fxRipple:
            var circles = mdCircle09
            for (var c = 0; c < circles.length; ++c) {
                if (!circles[c].isEnable)
                    continue
                circles[c]._r += circleStep
                if (circles[c]._r > circleEnd)
                    circles[c] = blankCircle()
            }
            break
        case fxVortex:
            if (mdCircle0B.isEnable) {
                if (count >= vortexRingEnd)
                    mdCircle0B._r = 0
                else if (count >= pathLength)
                    mdCircle0B._r += circleStep
            }
            count = (count + 1) % vortexCycle
            advanceLoop()
            break
        }
    }

    function swIdAtSlot(m) {
        var key = keyAtSlot(m)
        return key ? key.swId : -1
    }

    function stepSweeps() {
        for (var i = 0; i < sweeps.length; ++i) {
            var sweep = sweeps[i]
            if (sweep.isEnable) {
                light(swIdAtSlot(sweep.centerKey), chosenOrLoop(), levelAlpha())
                sweep.isEnable = false
                continue
            }
            var lists = [sweep.towardsStart, sweep.towardsEnd]
            for (var l = 0; l < lists.length; ++l) {
                if (sweep.counter < lists[l].length)
                    light(swIdAtSlot(lists[l][sweep.counter]), chosenOrLoop(), levelAlpha())
            }
            if (loopChosen())
                advanceLoop()
            if (sweep.counter >= sweep.towardsStart.length && sweep.counter >= sweep.towardsEnd.length) {
                endSweep(sweep)
                sweeps = []
                return
            }
            sweep.counter += 1
        }
    }

    function endSweep(sweep) {
        var slots = [sweep.centerKey].concat(sweep.towardsStart, sweep.towardsEnd)
        for (var i = 0; i < slots.length; ++i) {
            var k = swIdAtSlot(slots[i])
            if (k >= 0)
                stA[k] = 0
        }
    }

    // ---- key presses from anywhere on the desktop ----

    function detectKeyboard(isDown, usbCode) {
        if (!isDown || !curTimer)
            return
        var m = _KeyCodeString.keycodeTomatrix(usbCode)
        var key = m === undefined ? null : keyAtSlot(m)
        if (!key)
            return
        switch (curTimer.code) {
        case fxLightOnPress:
            if (loopChosen()) {
                light(key.swId, colourAt(loopIndex), levelAlpha())
                advanceLoop()
            } else {
                light(key.swId, chosen(), levelAlpha())
            }
            break
        case fxSweep:
            startSweep(key)
            break
        case fxRipple:
            mdCircle09[loopCircleIndex] = { isEnable: true, _x0: key.x0, _y0: key.y0, _r: 0 }
            loopCircleIndex = (loopCircleIndex + 1) % 3
            break
        default:
            return
        }
        flush()
    }

    function startSweep(key) {
        var entry = script_05[key.posYId]
        if (!entry)
            return
        var slots = []
        for (var i = 0; i + 3 <= entry.getXIdKeys.length; i += 3)
            slots.push(parseInt(entry.getXIdKeys.substr(i, 3), 10))
        var at = slots.indexOf(key.matrix)
        if (at < 0)
            return
        sweeps.push({ isEnable: true, centerKey: key.matrix,
                      towardsStart: slots.slice(0, at).reverse(), towardsEnd: slots.slice(at + 1),
                      counter: 0 })
    }

    // ---- pictures ----

    function getPic(pic_Id) {
        return [pic_01, pic_02, pic_03, pic_04, pic_05][pic_Id - 1]
    }

    // ---- showing the state ----

    // The one label colour of every key for the effects that light the whole
    // keyboard alike, as [r, g, b, alpha]; null for the others.
    function uniformColour() {
        var code = effectIndex
        var bindA = levelToAlpha(brightnessLV)
        if (code === fxStatic)
            return chosenOrLoop().concat([bindA])
        if (code === fxBreathing) {
            var level = brightnessLV
            var a = count < 51 ? count * 5 * level / 7 : (102 - count) * 5 * level / 7
            return chosenOrLoop().concat([Math.floor(a)])
        }
        if (code === fxNeon)
            return neonColour(count).concat([bindA])
        var ownColour = code >= fxMarquee && code <= fxVortex
        var picture = code >= firstPicture && code <= lastPicture
        return ownColour || picture ? null : [0, 0, 0, 0]
    }

    // The label colour of key k as [r, g, b, alpha], for the other effects.
    function labelColour(k) {
        var code = effectIndex
        if (code === fxColourCycle || code === fxWave || code === fxWave2)
            return [stR[k], stG[k], stB[k], levelToAlpha(brightnessLV)]
        if (code >= fxMarquee && code <= fxVortex)
            return [stR[k], stG[k], stB[k], stA[k]]
        var picture = getPic(code - firstPicture + 1)
        var at = 4 * slotOf[k]
        if (at < 0)
            return [0, 0, 0, 0]
        return [picture[at + 1] || 0, picture[at + 2] || 0, picture[at + 3] || 0,
                levelToAlpha(brightnessLV)]
    }

    // For the effects that show the keys' own colour: the alpha they all
    // share, or -1 where each key shows its own.
    function ownColourAlpha() {
        var code = effectIndex
        if (code === fxColourCycle || code === fxWave || code === fxWave2)
            return levelToAlpha(brightnessLV)
        return code >= fxMarquee && code <= fxVortex ? -1 : -2
    }

    function neonColour(c) {
        if (c < 85)
            return [(85 - c) * 3, 0, c * 3]
        if (c < 170)
            return [0, (c - 85) * 3, (170 - c) * 3]
        return [(c - 170) * 3, (255 - c) * 3, 0]
    }

    // Writes the state into the keys; a key whose values did not change is
    // not touched, so its label and bindings stay as they are.
    function flush() {
        publishColour("chosenColor", chosen())
        publishColour("loopColor", colourAt(loopIndex))
        if (shownCount !== count)
            shownCount = count
        var keys = keyList()
        var uniform = uniformColour()
        var uniformPacked = uniform ? packed(uniform) : 0
        var uniformValue = uniform ? rgbaValue(uniform) : null
        var sharedAlpha = ownColourAlpha()
        for (var k = 0; k < keys.length; ++k) {
            var key = keys[k]
            if (uniform) {
                if (shown[k] !== uniformPacked) {
                    shown[k] = uniformPacked
                    key.color = uniformValue
                }
            } else if (sharedAlpha >= -1) {
                // The common case of the busy effects, without building lists.
                var r = stR[k], g = stG[k], b = stB[k]
                var a = sharedAlpha >= 0 ? sharedAlpha : stA[k]
                var own = (a & 0xFF) * 16777216 + ((r & 0xFF) << 16) + ((g & 0xFF) << 8) + (b & 0xFF)
                if (shown[k] !== own) {
                    shown[k] = own
                    key.color = Qt.rgba(r / 255, g / 255, b / 255, a / 255)
                }
            } else {
                var c = labelColour(k)
                var p = packed(c)
                if (shown[k] !== p) {
                    shown[k] = p
                    key.color = rgbaValue(c)
                }
            }
            if (shownR[k] !== stR[k])
                key._R = shownR[k] = stR[k]
            if (shownG[k] !== stG[k])
                key._G = shownG[k] = stG[k]
            if (shownB[k] !== stB[k])
                key._B = shownB[k] = stB[k]
            if (shownA[k] !== stA[k])
                key._Alpha = shownA[k] = stA[k]
        }
    }

    function packed(c) {
        return (c[3] & 0xFF) * 16777216 + ((c[0] & 0xFF) << 16) + ((c[1] & 0xFF) << 8) + (c[2] & 0xFF)
    }

    function rgbaValue(c) {
        return Qt.rgba(c[0] / 255, c[1] / 255, c[2] / 255, c[3] / 255)
    }

    // Assigns a colour property only when it changed: every key binds to it.
    function publishColour(name, rgb) {
        var old = _eft_Ctrl[name]
        if (old[0] !== rgb[0] || old[1] !== rgb[1] || old[2] !== rgb[2])
            _eft_Ctrl[name] = rgb
    }

    // Anything the label colour depends on outside the ticks shows at once.
    onEffectIndexChanged: flush()
    onBrightnessLVChanged: flush()
    onColorChoiceChanged: flush()
    onPic_01Changed: flush()
    onPic_02Changed: flush()
    onPic_03Changed: flush()
    onPic_04Changed: flush()
    onPic_05Changed: flush()
    onIsShownChanged: play(isShown ? effectIndex : -1)
    // The running timer restarts at the new interval (a Timer does that when
    // its interval changes); the ticks count from the change.
    onSpeedLVChanged: restartPace()

    Connections {
        target: colorLV ? colorLV.mdColors : null
        ignoreUnknownSignals: true
        function onDataChanged() {
            _eft_Ctrl.readPalette()
            _eft_Ctrl.flush()
        }
        function onCountChanged() {
            _eft_Ctrl.readPalette()
        }
    }

    // One repeating timer per effect code.
    Repeater {
        id: timers
        model: 12
        delegate: Item {
            property alias code: timer.code
            function stop() { timer.stop() }
            function restart() { timer.restart() }
            readonly property alias running: timer.running
            readonly property alias interval: timer.interval
            Timer {
                id: timer
                property int code: index
                repeat: true
                interval: Math.max(_eft_Ctrl.tickInterval(code, _eft_Ctrl.speedLV), _eft_Ctrl.frameMs)
                onTriggered: _eft_Ctrl.timerFired(code)
            }
        }
    }
}
