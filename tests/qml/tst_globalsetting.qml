import QtQuick
import QtTest

// The settings page in the real scene, with the program's backend: layout,
// every choice taking effect at once, apply and reset, restarting with the
// stored settings, bad settings files, bad background pictures and broken
// language packs. Expected texts come from the shipped packs (German 042000,
// Chinese 025044) and the built-in table; stored values are read from the
// files on disk.
TestCase {
    id: test
    name: "GlobalSetting"
    when: windowShown
    visible: true
    width: 1000
    height: 600

    property string factoryText: ""
    readonly property var builtInSwatches: [0, 255, 255, 255, 200, 150, 255, 180, 0, 200, 200, 100,
        200, 170, 255, 255, 180, 180, 160, 190, 160]
    readonly property string builtInUrl: "https://q3config.github.io/"
    // Every shipped pack's name in the order of the language list (sorted by
    // character codes); the settings file stores a place in this list.
    readonly property var installedLanguages: ["CHINESE (Simp)", "CHINESE (Trad)", "ENGLISH", "FRENCH",
        "GERMAN", "ITALIAN", "JAPANESE", "KOREAN", "PORTUGUESE (BRAZIL)", "RUSSIAN", "SPANISH"]

    Component {
        id: sceneComponent
        Loader { source: "qrc:/modules/qml/main.qml" }
    }

    Component {
        id: timerComponent
        Timer { interval: 10; repeat: true; running: true; property int ticks: 0; onTriggered: ++ticks }
    }

    function initTestCase() {
        factoryText = settingsProbe.read("modules/setting/apConfigD.bin")
        verify(factoryText.length > 0)
    }

    function cleanup() {
        settingsProbe.write("modules/setting/apConfigD.bin", factoryText)
        ui_View.resetApconfig()
        ui_View.setEnableAudio(true)
        ui_View.clearAllMedia()
        dialogProbe.clear()
    }

    function part(item, name) {
        var found = findChild(item, name)
        verify(found, name)
        return found
    }

    // A started scene (animations off) with the settings panel open; `saved`
    // replaces the settings list before the start.
    function settingsPage(saved) {
        if (saved !== undefined)
            ui_View.saveApConfig(saved)
        var loader = createTemporaryObject(sceneComponent, test)
        tryVerify(function() { return loader.status === Loader.Ready })
        var scene = loader.item
        scene.initUI()
        scene.buildPages() // as the backend does after the first frame
        var page = part(scene, "_Page_Globalsetting")
        page._AnimationSpeed = 10
        scene.setProtectUI(0)
        scene.run()
        tryVerify(function() { return part(scene, "_fkPage").visible })
        part(scene, "upItem").isGlobalSettingSelect = true
        tryVerify(function() { return !part(scene, "paGlobalsetting_X").running })
        tryVerify(function() { return ui_View.enabled })
        settle(page)
        return { scene: scene, page: page }
    }

    // Waits for the background picture to load or fail.
    function settle(page) {
        var probe = part(page, "backgroundProbe")
        tryVerify(function() { return probe.status !== Image.Loading }, 10000)
    }

    function choose(list, index) {
        mouseClick(part(list, "header"), 20, 10)
        tryVerify(function() { return list.isSelect })
        var entry = part(list, "entry" + index)
        mouseClick(entry, entry.width / 2, entry.height / 2)
        tryVerify(function() { return !list.isSelect })
    }

    function languageIndex(page, name) {
        var model = part(page, "_language").mdItems
        for (var i = 0; i < model.count; ++i) {
            if (model.get(i).textX === name)
                return i
        }
        return -1
    }

    // Every text shown below `item`, delegates of lists included.
    function textsIn(item, found) {
        found = found || []
        if (item.hasOwnProperty("text") && item.hasOwnProperty("font") && item.visible !== false)
            found.push(String(item.text))
        var children = item.children ? item.children : []
        for (var i = 0; i < children.length; ++i)
            textsIn(children[i], found)
        return found
    }

    // Every picture shown below `item`.
    function sourcesIn(item, found) {
        found = found || []
        if (item.hasOwnProperty("fillMode") && item.hasOwnProperty("source"))
            found.push(String(item.source))
        var children = item.children ? item.children : []
        for (var i = 0; i < children.length; ++i)
            sourcesIn(children[i], found)
        return found
    }

    function modelTexts(model) {
        var texts = []
        for (var i = 0; i < model.count; ++i)
            texts.push(model.get(i).textX)
        return texts
    }

    function strings(list) {
        return list.map(function(v) { return String(v) })
    }

    function clickCentre(item) {
        mouseClick(item, item.width / 2, item.height / 2)
    }

    function alphaOf(color) {
        return Math.round(color.a * 255)
    }

    function rgbOf(color) {
        return [Math.round(color.r * 255), Math.round(color.g * 255), Math.round(color.b * 255)]
    }

    // ---- layout ----

    function test_layout() {
        var t = settingsPage()
        var rows = ["_skin", "_sound", "_animated", "_language", "_background"]
        for (var i = 0; i < rows.length; ++i) {
            var row = part(t.page, rows[i])
            compare([row.x, row.y], [139, 22 + 33 * i], rows[i])
            var label = part(row, "label")
            compare(label.x + label.width, -20, rows[i] + " label")
            compare(label.y + label.height / 2, row.height / 2, rows[i] + " label")
        }
        var box = part(t.page, "_textSettingBox")
        compare([box.x, box.y, box.width, box.height], [27, 190, 270, 176])
        var size = part(box, "_sizeChoice")
        compare([size.x, size.y], [96, 25])
        var strip = part(box, "_PaletteIndex")
        compare([strip.x, strip.y], [100, 55])
        var palette = part(box, "_Palette")
        compare([palette.x, palette.y], [100, 55 + 31 + 5])
        verify(!part(palette, "swatch").visible)
        var brightness = part(box, "_brightness")
        compare([brightness.x, brightness.y], [97, 140])
        for (i = 0; i < 3; ++i) {
            var rowLabel = part(box, "rowLabel" + i)
            compare(rowLabel.x + rowLabel.width, 270 - 185)
        }
        var pair = part(t.page, "resetApplyPair")
        compare(pair.x + pair.width, 27 + 270)
        compare(pair.y, 190 + 176 + 8)
        var apply = part(pair, "_Apply_IMG")
        compare(apply.x, part(pair, "_Reset_IMG").width)
        verify(t.page.isSkinShow, "two skins are installed")
    }

    function test_hiddenSkinRowMovesTheRowsUp() {
        var t = settingsPage()
        var rows = ["_sound", "_animated", "_language", "_background"]
        var shown = rows.map(function(name) { return part(t.page, name).y })
        t.page.isSkinShow = false
        verify(!part(t.page, "_skin").visible)
        verify(!part(part(t.page, "_skin"), "label").visible)
        for (var i = 0; i < rows.length; ++i)
            compare(part(t.page, rows[i]).y, shown[i] - 11, rows[i])
        // Without a skin choice a stored skin 2 is not taken.
        var saved = t.page.settingsList()
        saved[1] = 2
        t.page.applySettings(saved)
        compare(t.scene.skin_No, 1)
    }

    // An open list is drawn over the rows below it.
    function test_openListIsRaised() {
        var t = settingsPage()
        var skin = part(t.page, "_skin")
        var sound = part(t.page, "_sound")
        compare(skin.z, 0)
        mouseClick(part(skin, "header"), 20, 10)
        verify(skin.activeFocus, "opening takes the focus")
        verify(skin.z > sound.z, "raised while it rolls down")
        tryVerify(function() { return skin.isSelect })
        compare(skin.z, 2)
        var list = part(skin, "list")
        verify(list.mapToItem(t.page, 0, list.height).y > sound.y, "the list reaches over the next row")
        mouseClick(part(skin, "header"), 20, 10)
        tryVerify(function() { return !skin.isSelect })
        tryCompare(skin, "z", 0)
        verify(!skin.activeFocus)
    }

    // ---- choices take effect at once ----

    function test_skinChoice() {
        var t = settingsPage()
        choose(part(t.page, "_skin"), 1)
        compare(t.scene.skin_No, 2)
        verify(String(t.scene.sourceBackground).indexOf("skin2/background.png") >= 0)
        verify(String(t.scene.sourceSlider).indexOf("skin2/common/slider_BASE.png") >= 0)
        var icons = sourcesIn(part(t.scene, "fnItem")).filter(function(source) {
            return source.indexOf("/list_fn/fn") >= 0
        })
        compare(icons.length, 4, "the icons of four entries")
        for (var i = 0; i < icons.length; ++i)
            verify(icons[i].indexOf("skin2/list_fn/") >= 0, icons[i])
        verify(String(part(t.scene, "envItem").children[0].source).indexOf("skin2/") >= 0)
        choose(part(t.page, "_skin"), 0)
        compare(t.scene.skin_No, 1)
    }

    function test_soundChoice() {
        var t = settingsPage()
        var sound = part(t.page, "_sound")
        choose(sound, 1)
        verify(!soundProbe.enabled())
        for (var slot = 0; slot < 5; ++slot)
            verify(!soundProbe.playing(slot), "slot " + slot)
        soundProbe.clear()
        choose(sound, 0)
        verify(soundProbe.enabled())
        compare(soundProbe.started(0), 1)
        verify(soundProbe.playing(0))
    }

    function test_animationsChoice() {
        var t = settingsPage()
        var upItem = part(t.scene, "upItem")
        var slideIn = part(t.scene, "paGlobalsetting_X")
        var panel = part(t.scene, "_fkGlobalsetting")
        choose(part(t.page, "_animated"), 1)
        compare(t.scene.animation_speed, 10)
        compare(slideIn.duration, 8)
        compare(part(t.scene, "paGlobalsettingBack_X").duration, 8)
        upItem.isGlobalSettingSelect = false
        tryVerify(function() { return !panel.visible })
        upItem.isGlobalSettingSelect = true
        verify(panel.visible)
        verify(slideIn.running, "the panel still slides in")
        tryVerify(function() { return !slideIn.running })
        compare(panel.contentX, 0)
        choose(part(t.page, "_animated"), 0)
        compare(t.scene.animation_speed, 800)
        compare(slideIn.duration, 640)
    }

    function test_textSize() {
        var t = settingsPage()
        var box = part(t.page, "_textSettingBox")
        clickCentre(part(box, "size12"))
        compare(t.scene.globalSetting_size, 12)
        compare(part(part(t.page, "_sound"), "label").font.pixelSize, 12)
        verify(part(box, "size12").isSelect)
        clickCentre(part(box, "size11"))
        compare(t.scene.globalSetting_size, 11)
    }

    // Releasing the slider at 20 pixels a level.
    function test_brightness_data() {
        return [
            { tag: "level 0 keeps the text visible", level: 0, alpha: 45 },
            { tag: "level 1", level: 1, alpha: 75 },
            { tag: "level 2", level: 2, alpha: 105 },
            { tag: "level 3", level: 3, alpha: 135 },
            { tag: "level 4", level: 4, alpha: 165 },
            { tag: "level 5", level: 5, alpha: 195 },
            { tag: "level 6", level: 6, alpha: 225 },
            { tag: "level 7", level: 7, alpha: 255 }
        ]
    }

    function test_brightness(data) {
        var t = settingsPage()
        var slider = part(t.page, "_brightness")
        var strip = part(slider, "segmentArea")
        mousePress(strip, 70, 10)
        mouseRelease(strip, 20 * data.level, 10)
        compare(slider.currentIndex, data.level)
        compare(slider.value, data.level, "the value screen readers get")
        compare(slider.textAlpha, data.alpha)
        compare(alphaOf(t.scene.globalSetting_color), data.alpha)
        compare(rgbOf(t.scene.globalSetting_color), [0, 255, 255], "the colour stays")
    }

    function test_colourFromTheStripAndThePicker() {
        var t = settingsPage()
        var box = part(t.page, "_textSettingBox")
        var strip = part(box, "_PaletteIndex")
        var palette = part(box, "_Palette")
        clickCentre(part(strip, "swatch2"))
        compare(rgbOf(t.scene.globalSetting_color), [255, 180, 0])
        compare(alphaOf(t.scene.globalSetting_color), 255)
        compare(part(palette, "rowG").field.text, "180")
        // The bar at x 60: t = 5.0526, band 5: (13, 0, 255); swatch 2 takes it.
        mousePress(part(palette, "bar"), 60, 10)
        mouseRelease(part(palette, "bar"), 60, 10)
        compare(rgbOf(t.scene.globalSetting_color), [13, 0, 255])
        compare(t.page.settingsList().slice(14, 17), [13, 0, 255])
        // A number typed into a row counts when the row is left.
        var field = part(palette, "rowR").field
        field.forceActiveFocus()
        field.selectAll()
        keyClick("9")
        keyClick("9")
        keyClick(Qt.Key_Return)
        compare(rgbOf(t.scene.globalSetting_color), [99, 0, 255])
        compare(t.page.settingsList().slice(14, 17), [99, 0, 255])
        // Another swatch, then back: each keeps its own colour.
        clickCentre(part(strip, "swatch0"))
        compare(rgbOf(t.scene.globalSetting_color), [0, 255, 255])
        clickCentre(part(strip, "swatch2"))
        compare(rgbOf(t.scene.globalSetting_color), [99, 0, 255])
        compare(t.page.settingsList()[29], 2)
    }

    // ---- language ----

    function test_languageRelabelsTheScene_data() {
        return [
            { tag: "German", name: "GERMAN", font: "Liberation Sans", menu: "TASTE",
              category: "TASTATUR", media: "NÄCHSTER TITEL", on: "EIN", skin: "DESIGN 2",
              bottom: "ALLES ZURÜCKSETZEN", effect: "STATISCH",
              profileMenu: ["LADEN", "SPEICHERN", "ZURÜCKSETZEN", "ABBRECHEN"], rename: "UMBENENNEN" },
            { tag: "Chinese", name: "CHINESE (Simp)", font: "WenQuanYi Micro Hei", menu: "按键",
              category: "键盘", media: "下一曲", on: "开", skin: "皮肤 2", bottom: "全部重置",
              effect: "静态", profileMenu: ["加载", "保存", "重置", "取消"], rename: "重命名" }
        ]
    }

    function test_languageRelabelsTheScene(data) {
        var t = settingsPage()
        var fn = part(t.scene, "fnItem")
        verify(textsIn(fn).indexOf("KEY") >= 0)
        // The key page is built before the change, the others after it.
        var frame = part(t.scene, "main_Q3")
        var keyPage = frame.page(0)
        choose(part(t.page, "_language"), languageIndex(t.page, data.name))
        compare(t.scene.globalSetting_fontFamily, data.font)
        var menuTexts = textsIn(fn)
        verify(menuTexts.indexOf(data.menu) >= 0, menuTexts)
        verify(menuTexts.indexOf("KEY") < 0, menuTexts)
        compare(part(keyPage, "_menu1").mdItems.get(0).textX, data.category)
        compare(part(keyPage, "_menu2_2").mdItems.get(0).textX, data.media)
        compare(part(frame.page(2), "_effect3").mdItems.get(0).textX, data.effect)
        var profileMenu = part(part(t.scene, "pfItem"), "itLvContextMenu").mdItems
        compare([0, 1, 2, 3].map(function(i) { return profileMenu.get(i).name }), data.profileMenu)
        compare(part(frame.page(1), "itLvContextMenu").mdItems.get(2).name, data.rename)
        compare(modelTexts(part(t.page, "_sound").mdItems)[0], data.on)
        compare(modelTexts(part(t.page, "_animated").mdItems)[0], data.on)
        compare(modelTexts(part(t.page, "_skin").mdItems)[1], data.skin)
        verify(textsIn(part(t.scene, "downItem")).indexOf(data.bottom) >= 0)
        compare(part(part(t.page, "_background"), "state").text, "【 " + (data.name === "GERMAN" ? "AUS" : "关") + " 】")
        compare(part(part(t.page, "_language"), "headerText").font.family, data.font)
        // The keyboard still answers.
        compare(ui_View.ui_80H_GetFWVersion(), "01.03")
    }

    // A pack whose strings no longer match its check string is not offered,
    // and choosing a pack that broke after the list was filled keeps the
    // language and the keyboard's traffic.
    function test_brokenPackIsNotOffered() {
        var french = "modules/i18n/lang_037000.ini"
        var text = settingsProbe.read(french)
        verify(text.indexOf("2=") > 0)
        try {
            var t = settingsPage()
            var frenchAt = languageIndex(t.page, "FRENCH")
            verify(frenchAt >= 0)
            settingsProbe.write(french, text.replace(/\n2=([^\n]*)/, "\n2=$1X"))
            choose(part(t.page, "_language"), frenchAt)
            compare(t.scene.globalSetting_stringList[74], "KEY", "the language stays")
            compare(languageIndex(t.page, "FRENCH"), -1)
            compare(modelTexts(part(t.page, "_language").mdItems)[part(t.page, "_language").getCurIndex()],
                    "ENGLISH")
            compare(ui_View.ui_80H_GetFWVersion(), "01.03")
            // A new start lists the others only.
            var again = settingsPage()
            compare(languageIndex(again.page, "FRENCH"), -1)
            verify(languageIndex(again.page, "GERMAN") >= 0)
            compare(part(again.page, "_language").mdItems.count, 10)
            choose(part(again.page, "_language"), languageIndex(again.page, "GERMAN"))
            compare(again.scene.globalSetting_stringList[74], "TASTE")
            compare(ui_View.ui_80H_GetFWVersion(), "01.03")
        } finally {
            settingsProbe.write(french, text)
        }
    }

    // The stored language is a place in the list of every installed pack: a
    // pack that fails its check is not offered, but the stored choice goes on
    // naming the same pack, and apply writes it back unchanged. German is 4
    // in that list, whichever packs pass.
    function test_storedLanguageKeepsItsPack_data() {
        return [
            { tag: "every pack passes", broken: "", key: "TASTE", offered: 11 },
            { tag: "a pack before it broken", broken: "025044", key: "TASTE", offered: 10 },
            { tag: "a pack after it broken", broken: "111000", key: "TASTE", offered: 10 },
            { tag: "its own pack broken", broken: "042000", key: "KEY", offered: 10 }
        ]
    }

    function test_storedLanguageKeepsItsPack(data) {
        var german = installedLanguages.indexOf("GERMAN")
        compare(german, 4)
        var pack = "modules/i18n/lang_" + data.broken + ".ini"
        var text = data.broken !== "" ? settingsProbe.read(pack) : ""
        try {
            if (data.broken !== "")
                verify(settingsProbe.write(pack, text.replace(/\n2=([^\n]*)/, "\n2=$1X")))
            var sane = saneList(german)
            var t = settingsPage(sane)
            compare(part(t.page, "_language").mdItems.count, data.offered)
            compare(t.scene.globalSetting_stringList[74], data.key)
            var list = part(t.page, "_language")
            compare(list.getCurIndex() >= 0 ? modelTexts(list.mdItems)[list.getCurIndex()] : "",
                    data.key === "TASTE" ? "GERMAN" : "")
            clickCentre(part(part(t.page, "resetApplyPair"), "_Apply_IMG"))
            waitForStored(strings(sane))
            if (data.broken !== "")
                verify(settingsProbe.write(pack, text))
            // Repaired, the pack is back and the stored choice shows it.
            var again = settingsPage()
            compare(again.scene.globalSetting_stringList[74], "TASTE")
        } finally {
            if (data.broken !== "")
                settingsProbe.write(pack, text)
        }
    }

    // ---- background picture ----

    function test_backgroundPicture() {
        var t = settingsPage()
        var toggle = part(t.page, "_background")
        var shown = part(part(t.scene, "envItem"), "background")
        var path = pictureFiles.write("mine #1?.png", 300, 200)
        verify(path !== "")
        dialogProbe.answer(path)
        clickCentre(toggle)
        compare(dialogProbe.shownChoosers().length, 1)
        settle(t.page)
        verify(t.scene.isCustomBackground)
        compare(part(toggle, "state").text, "【 ON 】")
        var url = "file:" + path.replace(/%/g, "%25").replace(/#/g, "%23").replace(/\?/g, "%3F")
        compare(t.page.sourceCustomBackground, url)
        tryCompare(shown, "status", Image.Ready)
        compare(shown.implicitWidth, 300)
        // Stored as shown, then off again with a click: the skin's background.
        compare(t.page.settingsList().slice(5, 7), [true, url])
        clickCentre(toggle)
        compare(dialogProbe.shownChoosers().length, 1, "no chooser to switch it off")
        verify(!t.scene.isCustomBackground)
        compare(String(shown.source), String(t.scene.sourceBackground))
        compare(t.page.settingsList().slice(5, 7), [false, ""])
    }

    // Return, Enter and Space on the focused toggle do what a click does:
    // the first asks for a picture and shows it, the second goes back to
    // the skin's background. Screen readers see it checked while on.
    function test_backgroundToggleFromTheKeyboard_data() {
        return [
            { tag: "Return", key: Qt.Key_Return },
            { tag: "Enter", key: Qt.Key_Enter },
            { tag: "Space", key: Qt.Key_Space }
        ]
    }

    function test_backgroundToggleFromTheKeyboard(data) {
        var t = settingsPage()
        var toggle = part(t.page, "_background")
        var path = pictureFiles.write("keyboard.png", 120, 80)
        verify(path !== "")
        dialogProbe.answer(path)
        t.scene.forceActiveFocus()
        toggle.forceActiveFocus()
        verify(toggle.activeFocus)
        verify(!toggle.Accessible.checked)
        keyClick(data.key)
        compare(dialogProbe.shownChoosers().length, 1)
        settle(t.page)
        verify(t.scene.isCustomBackground)
        verify(toggle.Accessible.checked)
        compare(t.page.settingsList().slice(5, 7), [true, "file:" + path])
        keyClick(data.key)
        compare(dialogProbe.shownChoosers().length, 1, "no chooser to switch it off")
        verify(!t.scene.isCustomBackground)
        verify(!toggle.Accessible.checked)
        compare(t.page.settingsList().slice(5, 7), [false, ""])
        verify(toggle.activeFocus, "the focus stays on the toggle")
    }

    function test_cancelledChoiceLeavesTheToggleOff() {
        var t = settingsPage()
        dialogProbe.answer("")
        clickCentre(part(t.page, "_background"))
        settle(t.page)
        compare(dialogProbe.shownChoosers().length, 1)
        verify(!t.scene.isCustomBackground)
        compare(t.page.sourceCustomBackground, "")
        compare(part(part(t.page, "_background"), "state").text, "【 OFF 】")
        compare(dialogProbe.shownWarnings().length, 0)
    }

    // Pictures that cannot be shown: the toggle stays off, the skin's
    // background stays, the scene keeps running, and apply stores no picture.
    function test_badPicture_data() {
        return [
            { tag: "not a picture", kind: "text", warnings: 0 },
            { tag: "truncated", kind: "truncated", warnings: 0 },
            { tag: "huge, 20000 x 20000", kind: "huge", warnings: 0 },
            { tag: "above the size limit, 5000 x 4000", kind: "large", warnings: 0 },
            { tag: "gone before it could be read", kind: "gone", warnings: 1 }
        ]
    }

    function test_badPicture(data) {
        var t = settingsPage()
        var path
        if (data.kind === "text")
            path = dialogProbe.writeText("notes.png", "not a picture")
        else if (data.kind === "truncated")
            path = pictureFiles.write("cut.png", 800, 600, 300)
        else if (data.kind === "huge")
            path = pictureFiles.write("huge.png", 20000, 20000)
        else if (data.kind === "large")
            path = pictureFiles.write("large.png", 5000, 4000)
        else
            path = pictureFiles.write("gone.png", 30, 20)
        verify(path !== "")
        if (data.kind === "gone")
            verify(pictureFiles.remove(path))
        dialogProbe.answer(path)
        var ticker = createTemporaryObject(timerComponent, test)
        clickCentre(part(t.page, "_background"))
        settle(t.page)
        wait(50)
        verify(ticker.ticks > 0, "the scene keeps running")
        verify(!t.scene.isCustomBackground)
        compare(part(part(t.page, "_background"), "state").text, "【 OFF 】")
        compare(String(part(part(t.scene, "envItem"), "background").source),
                String(t.scene.sourceBackground))
        compare(dialogProbe.shownWarnings().length, data.warnings)
        clickCentre(part(part(t.page, "resetApplyPair"), "_Apply_IMG"))
        waitForStored(strings(t.page.settingsList()))
        compare(storedEntries().slice(5, 7), ["false", ""])
    }

    // ---- apply, restart, reset ----

    function storedEntries() {
        var entries = []
        var total = parseInt(settingsProbe.entry(false, "total"))
        for (var i = 0; i < total; ++i)
            entries.push(settingsProbe.entry(false, String(i)))
        return entries
    }

    function waitForStored(expected) {
        tryVerify(function() { return JSON.stringify(storedEntries()) === JSON.stringify(expected) }, 3000,
                  "stored: " + JSON.stringify(storedEntries()) + " expected: " + JSON.stringify(expected))
    }

    function test_applyStoresTheListAndClosesThePanel() {
        var t = settingsPage()
        var list = t.page.settingsList()
        compare(list.length, 32)
        clickCentre(part(part(t.page, "resetApplyPair"), "_Apply_IMG"))
        verify(!part(t.scene, "upItem").isGlobalSettingSelect)
        waitForStored(strings(list))
        compare(storedEntries()[0], "1")
    }

    function test_applyCommitsTheNumberBeingTyped() {
        var t = settingsPage()
        var field = part(part(t.page, "_Palette"), "rowB").field
        field.forceActiveFocus()
        field.selectAll()
        keyClick("6")
        keyClick("4")
        clickCentre(part(part(t.page, "resetApplyPair"), "_Apply_IMG"))
        var expected = strings(t.page.settingsList())
        compare(expected[10], "64", "swatch 0's blue")
        waitForStored(expected)
        compare(rgbOf(t.scene.globalSetting_color), [0, 255, 64])
    }

    // Everything changed through the page, applied, and a new start: the
    // same 32 values and the same appearance.
    function test_applyThenRestart() {
        var t = settingsPage()
        var page = t.page
        choose(part(page, "_skin"), 1)
        choose(part(page, "_sound"), 1)
        choose(part(page, "_animated"), 1)
        choose(part(page, "_language"), languageIndex(page, "GERMAN"))
        dialogProbe.answer(pictureFiles.write("round trip.png", 64, 48))
        clickCentre(part(page, "_background"))
        settle(page)
        verify(t.scene.isCustomBackground)
        var box = part(page, "_textSettingBox")
        clickCentre(part(box, "size12"))
        clickCentre(part(part(box, "_PaletteIndex"), "swatch4"))
        mousePress(part(part(box, "_Palette"), "bar"), 36, 10) // t = 3.0316: (0, 255, 8)
        mouseRelease(part(part(box, "_Palette"), "bar"), 36, 10)
        var strip = part(part(box, "_brightness"), "segmentArea")
        mousePress(strip, 60, 10)
        mouseRelease(strip, 60, 10) // level 3
        var applied = t.page.settingsList()
        compare(applied.slice(1, 5), [2, 1, 1, languageIndex(page, "GERMAN")])
        compare(applied.slice(7, 8).concat(applied.slice(20, 23), applied.slice(29, 31)), [1, 0, 255, 8, 4, 3])
        var look = [t.scene.skin_No, t.scene.animation_speed, t.scene.globalSetting_size,
                    String(t.scene.globalSetting_color), t.scene.globalSetting_fontFamily,
                    t.scene.globalSetting_stringList[74], t.scene.isCustomBackground,
                    String(t.scene.sourceCustomBackground), soundProbe.enabled()]
        clickCentre(part(part(page, "resetApplyPair"), "_Apply_IMG"))
        waitForStored(strings(applied))

        ui_View.setEnableAudio(true)
        var again = settingsPage()
        compare(strings(again.page.settingsList()), strings(applied))
        compare([again.scene.skin_No, again.scene.animation_speed, again.scene.globalSetting_size,
                 String(again.scene.globalSetting_color), again.scene.globalSetting_fontFamily,
                 again.scene.globalSetting_stringList[74], again.scene.isCustomBackground,
                 String(again.scene.sourceCustomBackground), soundProbe.enabled()], look)
        compare(look.slice(0, 3), [2, 10, 12])
        compare(rgbOf(again.scene.globalSetting_color), [0, 255, 8])
        compare(alphaOf(again.scene.globalSetting_color), 135)
    }

    function test_reset_data() {
        return [
            { tag: "factory settings with sound on", sound: 0, started: 1 },
            { tag: "factory settings with sound off", sound: 1, started: 0 },
            // A 50 ms piece as the music: the loop starts it again several
            // times while the test waits.
            { tag: "factory settings with sound on, a short piece of music", sound: 0, started: 1,
              music: "modules/media/04.wav" }
        ]
    }

    function test_reset(data) {
        var musicFile = "modules/media/00.mp3"
        var music = settingsProbe.read(musicFile)
        verify(music.length > 0)
        try {
            if (data.music)
                verify(settingsProbe.write(musicFile, settingsProbe.read(data.music)))
            resetWithSound(data)
            if (data.music)
                tryVerify(function() { return soundProbe.loopStarts() > 0 }, 3000, "the loop went round")
        } finally {
            settingsProbe.write(musicFile, music)
        }
    }

    function resetWithSound(data) {
        settingsProbe.setFactoryEntry(2, data.sound)
        var t = settingsPage()
        choose(part(t.page, "_skin"), 1)
        choose(part(t.page, "_language"), languageIndex(t.page, "GERMAN"))
        clickCentre(part(part(t.page, "_textSettingBox"), "size12"))
        choose(part(t.page, "_sound"), 0)
        // A number being typed is committed before the factory values come.
        var field = part(part(t.page, "_Palette"), "rowR").field
        field.forceActiveFocus()
        field.selectAll()
        keyClick("7")
        keyClick("7")
        soundProbe.clear()
        clickCentre(part(part(t.page, "resetApplyPair"), "_Reset_IMG"))
        // The music's own loop restarts it whenever the media back-end says it
        // ended, which without an audio device can come at once: only the
        // starts the scene asked for count.
        compare(soundProbe.started(0) - soundProbe.loopStarts(), data.started)
        compare(soundProbe.enabled(), data.sound === 0)
        wait(300)
        compare(soundProbe.started(0) - soundProbe.loopStarts(), data.started, "sound 0 once at most")
        compare(soundProbe.playing(0), data.sound === 0, "the music plays only with sound on")
        compare(settingsProbe.read("modules/setting/apConfig.bin"),
                settingsProbe.read("modules/setting/apConfigD.bin"))
        compare(t.scene.skin_No, 1)
        compare(t.scene.globalSetting_size, 11)
        compare(t.scene.globalSetting_stringList[74], "KEY")
        compare(t.scene.globalSetting_fontFamily, "Liberation Sans")
        compare(part(t.page, "_sound").getCurIndex(), data.sound)
        compare(field.text, "0")
        verify(!field.activeFocus)
        compare(rgbOf(t.scene.globalSetting_color), [0, 255, 255])
        verify(part(t.scene, "upItem").isGlobalSettingSelect, "the panel stays open")
    }

    // A background picture that the factory file names and that is already
    // shown stays shown after a reset.
    function test_resetToThePictureShown() {
        var path = pictureFiles.write("factory picture.png", 40, 30)
        verify(path !== "")
        var url = "file:" + path
        settingsProbe.setFactoryEntry(5, true)
        settingsProbe.setFactoryEntry(6, url)
        ui_View.resetApconfig()
        var t = settingsPage()
        verify(t.scene.isCustomBackground, "shown at the start")
        clickCentre(part(part(t.page, "resetApplyPair"), "_Reset_IMG"))
        settle(t.page)
        tryCompare(t.scene, "isCustomBackground", true)
        compare(t.page.sourceCustomBackground, url)
        compare(part(part(t.page, "_background"), "state").text, "【 ON 】")
        var shown = part(part(t.scene, "envItem"), "background")
        tryCompare(shown, "status", Image.Ready)
        compare([shown.implicitWidth, shown.implicitHeight], [40, 30])
        compare(t.page.settingsList().slice(5, 7), [true, url])
    }

    // A number typed into a colour row belongs to the swatch that was current
    // while it was typed, whatever is clicked next with the mouse (which
    // takes no focus from the row by itself). From the sane list: swatch 3
    // (100, 110, 120) is current and "99" is typed into its green row.
    function test_typedNumberStaysWithItsSwatch_data() {
        return [
            { tag: "another swatch clicked, then apply", click: "swatch5",
              set: { 18: 99, 29: 5 }, colour: [160, 170, 180], rows: ["160", "170", "180"] },
            { tag: "the bar pressed, then apply", bar: 60,
              set: { 17: 13, 18: 0, 19: 255 }, colour: [13, 0, 255], rows: ["13", "0", "255"] }
        ]
    }

    function test_typedNumberStaysWithItsSwatch(data) {
        var sane = saneList(installedLanguages.indexOf("GERMAN"))
        var t = settingsPage(sane)
        var palette = part(t.page, "_Palette")
        var field = part(palette, "rowG").field
        compare(field.text, "110")
        field.forceActiveFocus()
        field.selectAll()
        keyClick("9")
        keyClick("9")
        if (data.click) {
            clickCentre(part(part(t.page, "_PaletteIndex"), data.click))
        } else {
            mousePress(part(palette, "bar"), data.bar, 10)
            mouseRelease(part(palette, "bar"), data.bar, 10)
        }
        compare(["rowR", "rowG", "rowB"].map(function(name) { return part(palette, name).field.text }),
                data.rows)
        clickCentre(part(part(t.page, "resetApplyPair"), "_Apply_IMG"))
        var expected = sane.slice()
        for (var k in data.set)
            expected[k] = data.set[k]
        waitForStored(strings(expected))
        compare(rgbOf(t.scene.globalSetting_color), data.colour)
    }

    // Every choice takes effect at once but reaches the settings file only
    // on apply, which then stores the sane list with that choice's entries
    // changed. The sane list: skin 2, sound off, animations off, German (4),
    // no background, larger text, swatch 3 (100, 110, 120), brightness 4.
    function test_choiceWaitsForApply_data() {
        return [
            { tag: "skin", choice: "skin", set: { 1: 1 } },
            { tag: "sound", choice: "sound", set: { 2: 0 } },
            { tag: "animations", choice: "animations", set: { 3: 0 } },
            { tag: "language", choice: "language", set: { 4: 3 } }, // FRENCH
            { tag: "background", choice: "background", set: { 5: true } },
            { tag: "text size", choice: "size", set: { 7: 0 } },
            { tag: "colour swatch", choice: "swatch", set: { 29: 6 } },
            { tag: "colour bar", choice: "bar", set: { 17: 13, 18: 0, 19: 255 } }, // x 60
            { tag: "colour row", choice: "row", set: { 19: 64 } },
            { tag: "brightness", choice: "brightness", set: { 30: 6 } }
        ]
    }

    function makeChoice(t, choice) {
        var box = part(t.page, "_textSettingBox")
        var palette = part(box, "_Palette")
        if (choice === "skin")
            choose(part(t.page, "_skin"), 0)
        else if (choice === "sound")
            choose(part(t.page, "_sound"), 0)
        else if (choice === "animations")
            choose(part(t.page, "_animated"), 0)
        else if (choice === "language")
            choose(part(t.page, "_language"), languageIndex(t.page, "FRENCH"))
        else if (choice === "background") {
            dialogProbe.answer(pictureFiles.write("choice.png", 20, 10))
            clickCentre(part(t.page, "_background"))
            settle(t.page)
            verify(t.scene.isCustomBackground)
        } else if (choice === "size")
            clickCentre(part(box, "size11"))
        else if (choice === "swatch")
            clickCentre(part(part(box, "_PaletteIndex"), "swatch6"))
        else if (choice === "bar") {
            mousePress(part(palette, "bar"), 60, 10)
            mouseRelease(part(palette, "bar"), 60, 10)
        } else if (choice === "row") {
            var field = part(palette, "rowB").field
            field.forceActiveFocus()
            field.selectAll()
            keyClick("6")
            keyClick("4")
            keyClick(Qt.Key_Return)
        } else if (choice === "brightness") {
            var strip = part(part(box, "_brightness"), "segmentArea")
            mousePress(strip, 120, 10)
            mouseRelease(strip, 120, 10)
        }
    }

    function test_choiceWaitsForApply(data) {
        var sane = saneList(installedLanguages.indexOf("GERMAN"))
        var t = settingsPage(sane)
        var settingsFile = "modules/setting/apConfig.bin"
        var before = settingsProbe.read(settingsFile)
        verify(before.indexOf("\n4=4\n") > 0, before)
        var shown = strings(t.page.settingsList())
        makeChoice(t, data.choice)
        var expected = sane.slice()
        for (var k in data.set)
            expected[k] = data.set[k]
        if (data.choice === "background")
            expected[6] = t.page.sourceCustomBackground
        compare(strings(t.page.settingsList()), strings(expected), "the page shows the choice")
        verify(JSON.stringify(shown) !== JSON.stringify(strings(expected)))
        wait(50)
        compare(settingsProbe.read(settingsFile), before, "nothing stored before apply")
        clickCentre(part(part(t.page, "resetApplyPair"), "_Apply_IMG"))
        compare(storedEntries(), strings(expected))
        var lines = settingsProbe.read(settingsFile).split("\n")
        verify(lines.indexOf("total=32") >= 0)
        for (k in data.set)
            verify(lines.indexOf(k + "=" + data.set[k]) >= 0, k + "=" + data.set[k])
    }

    // ---- bad settings files ----

    // A sane list with a value other than the factory one in every entry.
    function saneList(german) {
        return [1, 2, 1, 1, german, false, "", 1,
                10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 130, 140, 150, 160, 170, 180, 190,
                200, 210, 3, 4, "https://example.invalid/"]
    }

    // One entry changed (or the list cut short) per row; `expect` gives the
    // entries the page then shows, the others must equal the sane list's.
    function test_badSettings_data() {
        return [
            { tag: "skin 0", set: { 1: 0 }, expect: { 1: 1 } },
            { tag: "skin 7", set: { 1: 7 }, expect: { 1: 1 } },
            { tag: "skin as text", set: { 1: "two" }, expect: { 1: 1 } },
            { tag: "sound 5", set: { 2: 5 }, expect: { 2: 0 } },
            { tag: "animations -1", set: { 3: -1 }, expect: { 3: 0 } },
            { tag: "language beyond the list is kept as read", set: { 4: 99 }, expect: { 4: 99 } },
            { tag: "language -1", set: { 4: -1 }, expect: { 4: -1 } },
            { tag: "background on without a picture", set: { 5: true }, expect: { 5: false } },
            { tag: "background picture that is gone", set: { 5: true, 6: "file:/nonexistent/gone.png" },
              expect: { 5: false, 6: "" } },
            { tag: "text size 5", set: { 7: 5 }, expect: { 7: 0 } },
            { tag: "swatch value 300", set: { 8: 300 }, expect: { 8: 255 } },
            { tag: "swatch value -4", set: { 9: -4 }, expect: { 9: 0 } },
            { tag: "swatch value as text", set: { 10: "blue" }, expect: { 10: 255 } },
            { tag: "chosen swatch 7", set: { 29: 7 }, expect: { 29: 0 } },
            { tag: "brightness 12", set: { 30: 12 }, expect: { 30: 7 } },
            { tag: "brightness -3", set: { 30: -3 }, expect: { 30: 0 } },
            { tag: "no web address", cut: 31, expect: { 31: builtInUrl } },
            { tag: "8 values", cut: 8, expect: { 29: 0, 30: 7, 31: builtInUrl }, builtInSwatches: true },
            { tag: "3 values", cut: 3, expect: { 3: 0, 4: -1, 7: 0, 29: 0, 30: 7, 31: builtInUrl },
              builtInSwatches: true }
        ]
    }

    function test_badSettings(data) {
        var probe = settingsPage()
        var sane = saneList(languageIndex(probe.page, "GERMAN"))
        var saved = sane.slice()
        for (var k in data.set)
            saved[k] = data.set[k]
        if (data.cut !== undefined)
            saved = saved.slice(0, data.cut)
        var expected = sane.slice()
        if (data.builtInSwatches)
            for (var s = 0; s < 21; ++s)
                expected[8 + s] = builtInSwatches[s]
        for (k in data.expect)
            expected[k] = data.expect[k]
        var t = settingsPage(saved)
        compare(strings(t.page.settingsList()), strings(expected))
        var swatch = expected[29]
        compare(rgbOf(t.scene.globalSetting_color),
                [expected[8 + 3 * swatch], expected[9 + 3 * swatch], expected[10 + 3 * swatch]])
        compare(alphaOf(t.scene.globalSetting_color), 45 + 30 * expected[30])
        compare(t.scene.globalSetting_size, expected[7] === 1 ? 12 : 11)
        compare(t.scene.skin_No, expected[1])
        compare(t.scene.globalSetting_url, expected[31])
        compare(t.scene.globalSetting_stringList[74], expected[4] === sane[4] ? "TASTE" : "KEY")
    }

    // Apply with nothing worked stores every entry exactly as it was read,
    // also those the page shows otherwise (each row of the bad-settings
    // table); entries beyond a list cut short come from what the page shows.
    function test_applyStoresUnworkedEntriesAsRead_data() {
        return test_badSettings_data()
    }

    function test_applyStoresUnworkedEntriesAsRead(data) {
        var probe = settingsPage()
        var sane = saneList(languageIndex(probe.page, "GERMAN"))
        var saved = sane.slice()
        for (var k in data.set)
            saved[k] = data.set[k]
        if (data.cut !== undefined)
            saved = saved.slice(0, data.cut)
        var t = settingsPage(saved)
        var expected = strings(t.page.settingsList())
        for (var i = 0; i < saved.length; ++i)
            expected[i] = String(saved[i])
        clickCentre(part(part(t.page, "resetApplyPair"), "_Apply_IMG"))
        waitForStored(expected)
    }

    // Skin 7, a red of 300 in swatch 0 and brightness 12, which the page
    // shows as skin 1, 255 and level 7; the user works one control: that
    // entry is stored as chosen, the others as read.
    function test_workedControlIsStoredOthersAsRead_data() {
        return [
            { tag: "skin", choice: "skin", set: { 1: 1 } },
            { tag: "brightness", choice: "brightness", set: { 30: 6 } },
            { tag: "colour row of swatch 3", choice: "row", set: { 19: 64 } },
            { tag: "swatch chosen", choice: "swatch", set: { 29: 6 } }
        ]
    }

    function test_workedControlIsStoredOthersAsRead(data) {
        var saved = saneList(installedLanguages.indexOf("GERMAN"))
        saved[1] = 7
        saved[8] = 300
        saved[30] = 12
        var t = settingsPage(saved)
        compare([t.scene.skin_No, t.page.settingsList()[8], t.page.settingsList()[30]], [1, 255, 7])
        makeChoice(t, data.choice)
        clickCentre(part(part(t.page, "resetApplyPair"), "_Apply_IMG"))
        var expected = saved.slice()
        for (var k in data.set)
            expected[k] = data.set[k]
        waitForStored(strings(expected))
    }

    // A language table shorter than the scene's numbers: the texts it has
    // come from it, the others are the English ones.
    function test_shortTableFallsBackToEnglish() {
        var t = settingsPage()
        t.page._StringList = ["Arial", "OPTIONEN", "SCHLEIFE"]
        compare([t.scene.globalString(1), t.scene.globalString(2)], ["OPTIONEN", "SCHLEIFE"])
        compare([t.scene.globalString(79), t.scene.globalString(113), t.scene.globalString(114)],
                ["GAMING MODE", "ALL RESET", "ALL SAVE"])
    }
}
