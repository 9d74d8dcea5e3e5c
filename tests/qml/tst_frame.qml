import QtQuick
import QtTest

// The scene's frame as the backend drives it: the start-up handshake, the
// power-on animation, busy protection, page switching, the settings panel,
// closing and the key relay. `ui_View`, `ui_Ctl` and `hid` are the program's.
TestCase {
    id: test
    name: "Frame"
    when: windowShown
    visible: true
    width: 1000
    height: 600

    Component {
        id: sceneComponent
        Loader { source: "qrc:/modules/qml/main.qml" }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    // The scene as after its first frame, when the backend has it build the
    // frame; `unbuilt` leaves that out.
    function createScene(unbuilt) {
        var loader = createTemporaryObject(sceneComponent, test)
        tryVerify(function() { return loader.status === Loader.Ready })
        if (!unbuilt)
            loader.item.buildPages()
        return loader.item
    }

    function part(scene, name) {
        var found = findChild(scene, name)
        verify(found, name)
        return found
    }

    // Start-up with animations off, as the backend runs it.
    function poweredOnScene() {
        var scene = createScene()
        scene.initUI()
        scene.animation_speed = 10
        scene.run()
        tryVerify(function() { return part(scene, "_fkPage").visible })
        tryVerify(function() { return !part(scene, "pa_X").running })
        return scene
    }

    function test_handshake() {
        var scene = createScene()
        scene.setProtectUI(1)
        verify(part(scene, "protectUIItem").isBusy)
        verify(!ui_View.enabled)
        scene.initUI()
        verify(!scene.visible)
        // initUI read the profiles from the backend.
        var pfItem = part(scene, "pfItem")
        compare(pfItem.currentIndex, ui_View.ui_A1H_GetCurrentProfile())
        compare(findChild(scene, "_fkPage").visible, false)
        scene.setProtectUI(0)
        scene.run()
        verify(scene.visible)
        tryVerify(function() { return ui_View.enabled })
        verify(!part(scene, "protectUIItem").isBusy)
    }

    // Without the backend's call after the first frame: the power-on builds
    // the frame when it is to appear.
    function test_powerOnWithAnimationsOff() {
        var scene = createScene(true)
        scene.animation_speed = 10
        var started = Date.now()
        scene.run()
        verify(scene.visible)
        verify(!findChild(scene, "envItem"), "the frame is built after the logo's part")
        tryVerify(function() {
            var area = findChild(scene, "_fkPage")
            return area && area.visible
        }, 2000)
        var fkPage = part(scene, "_fkPage")
        var elapsed = Date.now() - started
        verify(elapsed < 1000, "power-on took " + elapsed + " ms")
        compare(part(scene, "logoWeb_img").y, 4)
        compare(part(scene, "envItem").opacity, 1)
        tryCompare(part(scene, "upItem"), "y", 0)
        var downItem = part(scene, "downItem")
        tryCompare(downItem, "y", 600 - downItem.height)
        tryCompare(part(scene, "fnItem"), "x", 8)
        var pfItem = part(scene, "pfItem")
        tryCompare(pfItem, "x", 1000 - pfItem.width - 8)
        compare(fkPage.curID, -1) // no page chosen yet
    }

    // The backend's initUI comes before the frame is built: the power-on
    // takes its animation time from the settings file at once, and building
    // the frame sets it up from the backend.
    function test_initUIBeforeTheFrameIsBuilt_data() {
        return [
            { tag: "animations on", animations: 0, speed: 800 },
            { tag: "animations off", animations: 1, speed: 10 }
        ]
    }

    function test_initUIBeforeTheFrameIsBuilt(data) {
        var saved = ui_View.loadApConfig()
        var changed = saved.slice()
        changed[3] = data.animations
        ui_View.saveApConfig(changed)
        try {
            var scene = createScene(true)
            scene.initUI()
            compare(scene.animation_speed, data.speed)
            verify(!findChild(scene, "pfItem"))
            scene.buildPages()
            compare(part(scene, "pfItem").currentIndex, ui_View.ui_A1H_GetCurrentProfile())
            compare(part(scene, "_Page_Globalsetting")._AnimationSpeed, data.speed)
            compare(scene.animation_speed, data.speed)
            verify(!findChild(scene, "_Page_Keydefine"), "no page before it is first shown")
        } finally {
            ui_View.saveApConfig(saved)
        }
    }

    function clickMenuEntry(scene, index) {
        var fnItem = part(scene, "fnItem")
        mouseClick(fnItem, 75, 18 + 47 * index)
    }

    function test_pageSwitching_data() {
        return [
            { tag: "one page", clicks: [1], page: 1 },
            { tag: "another page", clicks: [0, 2], page: 2 },
            { tag: "the current entry hides the page", clicks: [3, 3], page: -1 },
            { tag: "and shows it again", clicks: [3, 3, 3], page: 3 },
            { tag: "back to the first page", clicks: [2, 0], page: 0 },
            { tag: "the first page after another was hidden", clicks: [1, 1, 0], page: 0 }
        ]
    }

    function test_pageSwitching(data) {
        var scene = poweredOnScene()
        var fkPage = part(scene, "_fkPage")
        for (var i = 0; i < data.clicks.length; ++i) {
            clickMenuEntry(scene, data.clicks[i])
            tryVerify(function() {
                return !part(scene, "pa_X").running && !part(scene, "paBack_X").running
            })
        }
        compare(fkPage.curID, data.page)
        compare(fkPage.contentX, data.page >= 0 ? 0 : -1518)
        // Only the pages shown so far are built.
        var pages = ["_Page_Keydefine", "_Page_Macro", "_Page_Color", "_Page_BackLighting"]
        for (var p = 0; p < pages.length; ++p) {
            var page = findChild(scene, pages[p])
            compare(!!page, data.clicks.indexOf(p) >= 0, pages[p] + " built")
            compare(!!page && page.visible, p === data.page, pages[p] + " shown")
        }
    }

    // ALL RESET and ALL SAVE act on every page with keyboard settings, also
    // on pages never opened: those are built for it.
    function test_allResetAndSaveWithNoPageOpened() {
        var before = keyboardProbe.keyMatrix(0)
        keyboardProbe.setKeyMatrix(0, [5, 0]) // Esc (slot 0) is B on the keyboard
        try {
            var scene = poweredOnScene()
            verify(!findChild(scene, "_Page_Keydefine"))
            var down = part(scene, "downItem")
            down.btnTotalResetClicked()
            verify(findChild(scene, "_Page_Keydefine"))
            verify(findChild(scene, "_Page_Color"))
            verify(findChild(scene, "_Page_BackLighting"))
            verify(!findChild(scene, "_Page_Macro"), "the macro page has nothing to reset")
            keyboardProbe.clearCapture()
            down.btnTotalApplyClicked()
            wait(150) // writes run on the pool
            compare(keyboardProbe.keyMatrix(0).slice(0, 2), [41, 0]) // Esc again
            var codes = keyboardProbe.capture().filter(function(line) {
                return / cmd feature-out 00 /.test(line)
            }).map(function(line) { return line.split(" ")[4] })
            verify(codes.indexOf("0C") >= 0, codes) // the key matrix
            verify(codes.indexOf("08") >= 0, codes) // the lighting record
        } finally {
            keyboardProbe.setKeyMatrix(0, before)
        }
    }

    function test_clickDuringASlideEndsOnTheNewPage() {
        var scene = poweredOnScene()
        var fkPage = part(scene, "_fkPage")
        scene.animation_speed = 800
        clickMenuEntry(scene, 0)
        verify(part(scene, "pa_X").running)
        clickMenuEntry(scene, 2)
        compare(fkPage.curID, 2)
        verify(!part(scene, "pa_X").running)
        compare(fkPage.contentX, 0)
        // A click while the old page slides out.
        clickMenuEntry(scene, 1)
        verify(part(scene, "paBack_X").running)
        clickMenuEntry(scene, 3)
        tryVerify(function() { return !part(scene, "pa_X").running }, 3000)
        compare(fkPage.curID, 3)
    }

    function test_settingsPanelDisablesAndDims() {
        var scene = poweredOnScene()
        var upItem = part(scene, "upItem")
        var areas = ["downItem", "fnItem", "pfItem", "_fkPage"]
        upItem.isGlobalSettingSelect = true
        verify(part(scene, "_fkGlobalsetting").visible)
        for (var i = 0; i < areas.length; ++i) {
            verify(!part(scene, areas[i]).enabled, areas[i])
            compare(part(scene, areas[i]).opacity, 0.2, areas[i])
        }
        upItem.isGlobalSettingSelect = false
        for (i = 0; i < areas.length; ++i) {
            verify(part(scene, areas[i]).enabled, areas[i])
            compare(part(scene, areas[i]).opacity, 1.0, areas[i])
        }
        tryVerify(function() { return !part(scene, "_fkGlobalsetting").visible })
    }

    function test_busyProtection() {
        var scene = createScene()
        scene.setProtectUI(60)
        verify(!ui_View.enabled)
        verify(part(scene, "protectUIItem").isBusy)
        scene.setProtectUI(120) // restarts with the new time
        compare(part(scene, "tmrProtectUI").interval, 120)
        tryVerify(function() { return ui_View.enabled }, 2000)
        verify(!part(scene, "protectUIItem").isBusy)
    }

    // A second call while busy keeps the scene busy until its own interval
    // has run out, counted from that call; only then is the view released,
    // and only once.
    function test_busyUntilTheLastCallRunsOut_data() {
        return [
            { tag: "a longer interval while busy", first: 300, second: 900 },
            { tag: "a shorter interval while busy", first: 900, second: 300 },
            { tag: "the start-up handshake", first: 1, second: 0 },
            { tag: "a negative interval", first: 300, second: -5 }
        ]
    }

    function test_busyUntilTheLastCallRunsOut(data) {
        var scene = createScene()
        scene.visible = true // the indicator shows only in a visible scene
        var busy = part(scene, "protectUIItem")
        var shownOrHidden = createTemporaryObject(spyComponent, test,
                                                  { target: busy, signalName: "visibleChanged" })
        var triggered = createTemporaryObject(spyComponent, test,
                                              { target: part(scene, "tmrProtectUI"), signalName: "triggered" })
        var releasedAt = []
        busy.visibleChanged.connect(function() {
            if (!busy.visible)
                releasedAt.push(Date.now())
        })
        scene.setProtectUI(data.first)
        verify(busy.visible)
        verify(!ui_View.enabled)
        var secondCallAt = Date.now()
        scene.setProtectUI(data.second)
        verify(busy.visible, "still busy right after the second call")
        verify(!ui_View.enabled, "the view stays disabled right after the second call")
        compare(shownOrHidden.count, 1)
        tryVerify(function() { return releasedAt.length > 0 }, Math.max(data.second, 0) + 3000)
        var busyFor = releasedAt[0] - secondCallAt
        // the timer runs on the animation clock: allow it one frame early
        verify(busyFor >= data.second - 20, "released " + busyFor + " ms after the second call")
        verify(ui_View.enabled)
        wait(Math.max(data.first, data.second) + 200)
        compare(shownOrHidden.count, 2, "shown once, hidden once")
        compare(releasedAt.length, 1)
        compare(triggered.count, 1)
        verify(!busy.isBusy)
        verify(ui_View.enabled)
    }

    function test_closingShrinksTheScene() {
        var scene = poweredOnScene()
        var upItem = part(scene, "upItem")
        upItem.btnClicked(1)
        tryCompare(scene, "height", 0)
    }

    function test_keyRelay() {
        var scene = createScene()
        var rootSpy = createTemporaryObject(spyComponent, test,
                                            { target: scene, signalName: "msg_KB" })
        var frameSpy = createTemporaryObject(spyComponent, test,
                                             { target: part(scene, "main_Q3"), signalName: "msg_KB" })
        scene.detectKeyboard(true, 4)
        scene.detectKeyboard(false, 4)
        compare(rootSpy.count, 2)
        compare(frameSpy.count, 2)
        compare(frameSpy.signalArguments[1][0], false)
        compare(frameSpy.signalArguments[1][1], 4)
        scene.detectMouse(true, 0xF0, 10, 10)
        compare(rootSpy.count, 2)
    }
}
