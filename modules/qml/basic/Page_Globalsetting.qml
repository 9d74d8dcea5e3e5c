import QtQuick
import "../common"
import "../common/KeyActions.js" as KeyActions
import "SettingsList.js" as SettingsList
import "BuiltInStrings.js" as BuiltInStrings

// The application's own appearance settings, in the slide-in settings panel:
// skin, sound, animations, language, background picture and the interface
// text's size, colour and brightness. The root binds its appearance
// properties to the ones below, so every choice restyles the scene at once;
// apply stores the settings list, reset brings back the factory file.
Item {
    id: pageGlobalsetting
    width: 340
    height: 420

    Accessible.role: Accessible.Dialog
    Accessible.name: mainIten.globalString(115)

    property int _Size: SettingsList.builtInTextSize
    property color _Color: SettingsList.builtInTextColor
    property color _ColorEnable: SettingsList.builtInTextColorEnable
    property color _ColorDisable: SettingsList.builtInTextColorDisable
    property int _AnimationSpeed: SettingsList.speedOn
    property int skin_No: 1
    // True only while a picture that loaded is shown: the toggle shows it.
    property bool isCustomBackground: false
    // "file:" and the picture's path; "" for none.
    property string sourceCustomBackground: ""
    property string _FontFamily: SettingsList.builtInFontFamily
    property var _StringList: builtInStrings
    property string _Url: SettingsList.builtInUrl

    // Whether the skin choice is offered (more than one skin installed).
    property bool isSkinShow: true
    // Code of the language pack in use, "" for the built-in table.
    property string languageCode: ""
    // The language entry to store: the place of the chosen pack in the list
    // of every installed pack, or the entry as read while no language was
    // chosen (also one whose pack cannot be offered now); -1 for none.
    property var storedLanguage: -1
    // The settings list as last read, and the positions in it that the user
    // has worked since: apply stores every other entry exactly as it was
    // read, also one the controls cannot show (skin 7, a colour of 300).
    property var readSettings: []
    property var workedPositions: ({})

    readonly property var builtInStrings: BuiltInStrings.strings

    readonly property int sizeNormal: SettingsList.builtInTextSize
    readonly property int sizeLarger: 12
    readonly property int maxBrightness: 7
    readonly property var builtInSwatches: [[0, 255, 255], [255, 200, 150], [255, 180, 0],
        [200, 200, 100], [200, 170, 255], [255, 180, 180], [160, 190, 160]]

    // A background picture above this many pixels is not taken: decoded it
    // would hold 64 MiB or more.
    readonly property int maxBackgroundPixels: 4096 * 4096

    function initUI() {
        isSkinShow = ui_View.getIsSkinShow()
        var a = ui_View.loadApConfig()
        if (a.length > 0)
            applySettings(a)
    }

    // Applies a settings list entry by entry: an entry that is missing or out
    // of its range gets its built-in value and the others still apply.
    function applySettings(a) {
        readSettings = a.slice()
        workedPositions = {}
        var at = SettingsList.positions
        var skin = SettingsList.whole(a, at.skin)
        setSkin(isSkinShow && skin >= 1 && skin <= md_skin.count ? skin : 1)

        var sound = SettingsList.sound(a)
        _sound.setCurIndex(sound)
        ui_View.setEnableAudio(sound === 0)

        var animations = SettingsList.animations(a)
        _animated.setCurIndex(animations)
        _AnimationSpeed = SettingsList.speedFor(animations)

        initLanguage()
        storedLanguage = at.language < a.length ? a[at.language] : -1
        setLanguage(entryOfPack(SettingsList.whole(a, at.language)))

        setBackground(String(a[at.backgroundOn]) === "true" && at.background < a.length
                      ? String(a[at.background]) : "")

        _Size = SettingsList.choice(a, at.textSize, 2, 0) === 1 ? sizeLarger : sizeNormal

        for (var k = 0; k < md_textColors.count; ++k) {
            md_textColors.set(k, {
                clrR: SettingsList.clamped(a, SettingsList.swatchAt(k, 0), 0, 255, builtInSwatches[k][0]),
                clrG: SettingsList.clamped(a, SettingsList.swatchAt(k, 1), 0, 255, builtInSwatches[k][1]),
                clrB: SettingsList.clamped(a, SettingsList.swatchAt(k, 2), 0, 255, builtInSwatches[k][2])
            })
        }
        chooseSwatch(SettingsList.choice(a, at.chosenSwatch, md_textColors.count, 0))
        setBrightness(SettingsList.clamped(a, at.brightness, 0, maxBrightness, maxBrightness))

        var url = at.url < a.length ? String(a[at.url]) : ""
        _Url = url !== "" ? url : SettingsList.builtInUrl
    }

    // The settings list of what the page shows.
    function settingsList() {
        var swatches = []
        for (var k = 0; k < md_textColors.count; ++k) {
            var c = md_textColors.get(k)
            swatches.push([c.clrR, c.clrG, c.clrB])
        }
        return SettingsList.compose({
            skin: skin_No,
            sound: _sound.getCurIndex(),
            animations: _animated.getCurIndex(),
            language: storedLanguage,
            backgroundOn: isCustomBackground,
            background: isCustomBackground ? sourceCustomBackground : "",
            textSize: _Size === sizeLarger ? 1 : 0,
            swatches: swatches,
            chosenSwatch: _PaletteIndex.currentIndex,
            brightness: _brightness.currentIndex,
            url: _Url
        })
    }

    // Marks entries of the settings list as worked by the user.
    function worked(positions) {
        var w = workedPositions
        for (var i = 0; i < positions.length; ++i)
            w[positions[i]] = true
        workedPositions = w
    }

    function swatchPositions(k) {
        return [SettingsList.swatchAt(k, 0), SettingsList.swatchAt(k, 1), SettingsList.swatchAt(k, 2)]
    }

    // What apply stores: the entries the user worked as the page shows
    // them, every other one as it was read.
    function listToStore() {
        var list = settingsList()
        var read = readSettings
        for (var i = 0; i < list.length && i < read.length; ++i) {
            if (i !== SettingsList.positions.version && !workedPositions[i])
                list[i] = read[i]
        }
        return list
    }

    function apply() {
        _Palette.commitInput()
        ui_View.saveApConfig(listToStore())
        upItem.isGlobalSettingSelect = false
    }

    function resetApconfig() {
        _Palette.commitInput()
        setSound(1)
        ui_View.resetApconfig()
        initUI()
        mainIten.playMedia(0x00)
    }

    function setSkin(number) {
        skin_No = number
        _skin.setCurIndex(number - 1)
        mainIten.setSkin()
    }

    // Sound choice: 0 on (the music starts), 1 off (every sound stops).
    function setSound(index) {
        _sound.setCurIndex(index)
        if (index === 0) {
            ui_View.setEnableAudio(true)
            mainIten.playMedia(0x00)
        } else {
            ui_View.setEnableAudio(false)
            ui_View.clearAllMedia()
        }
    }

    // One entry per language pack that passes its check, in the order of
    // the names. Each keeps its place in the list of every installed pack
    // (`packIndex`), which is what the settings file stores: a pack that
    // fails its check is left out of the offer but not out of the count, so
    // a stored choice goes on naming the same pack.
    function initLanguage() {
        var installed = ui_View.chkLanguages()
        var offered = ui_View.chkValidLanguages()
        var names = Object.keys(installed).sort()
        md_language.clear()
        for (var i = 0; i < names.length; ++i) {
            var code = String(installed[names[i]])
            if (offered[names[i]] !== undefined && String(offered[names[i]]) === code)
                md_language.append({ textX: names[i], code: code, textR: "", packIndex: i })
        }
        showLanguage()
    }

    // The list entry of the pack at `packIndex` among all installed packs;
    // -1 when that pack is not offered.
    function entryOfPack(packIndex) {
        for (var i = 0; i < md_language.count; ++i) {
            if (md_language.get(i).packIndex === packIndex)
                return i
        }
        return -1
    }

    function languageIndex(code) {
        for (var i = 0; i < md_language.count; ++i) {
            if (md_language.get(i).code === code)
                return i
        }
        return -1
    }

    function showLanguage() {
        _language.setCurIndex(languageIndex(languageCode))
    }

    // Switches to the language of list entry uiIndex and re-labels the scene;
    // false (nothing changes) when there is no such entry.
    function setLanguage(uiIndex) {
        if (!(uiIndex >= 0 && uiIndex < md_language.count))
            return false
        var code = md_language.get(uiIndex).code
        var strings = ui_View.getGlobalStrings(code)
        _StringList = strings
        languageCode = code
        _language.setCurIndex(uiIndex)
        mainIten.translateStrings(code)
        _FontFamily = strings.length > 0 && strings[0] !== "" ? strings[0] : "Arial"
        return true
    }

    // A language chosen in the list. A pack that stopped passing its check
    // since the list was filled is not loaded: the list is filled again and
    // the language stays.
    function chooseLanguage(uiIndex) {
        var entry = md_language.get(uiIndex)
        var map = ui_View.chkValidLanguages()
        if (map[entry.textX] === undefined || String(map[entry.textX]) !== entry.code) {
            initLanguage()
            return
        }
        if (setLanguage(uiIndex)) {
            storedLanguage = entry.packIndex
            worked([SettingsList.positions.language])
        }
    }

    // Background picture: `url` is taken once it has loaded as a picture of
    // acceptable size; until then, and when it fails, the skin background
    // shows and the toggle is off. The probe loads it afresh even when it
    // holds that picture already, so its status always reports back.
    function setBackground(url) {
        isCustomBackground = false
        sourceCustomBackground = url
        _backgroundProbe.source = ""
        _backgroundProbe.source = url
    }

    function backgroundLoaded() {
        if (String(_backgroundProbe.source) === "" || _backgroundProbe.status === Image.Loading)
            return
        var ok = _backgroundProbe.status === Image.Ready
                 && _backgroundProbe.implicitWidth * _backgroundProbe.implicitHeight <= maxBackgroundPixels
        if (ok)
            isCustomBackground = true
        else
            setBackground("")
    }

    // A path as the part of a "file:" URL: characters that would end the
    // path or start an escape are escaped.
    function fileUrl(path) {
        return "file:" + path.replace(/%/g, "%25").replace(/#/g, "%23").replace(/\?/g, "%3F")
    }

    function toggleBackground() {
        if (isCustomBackground || sourceCustomBackground !== "") {
            setBackground("")
            return
        }
        var path = ui_View.getCustomFilePath()
        if (path !== "")
            setBackground(fileUrl(path))
    }

    function chooseSwatch(index) {
        _PaletteIndex.currentIndex = index
        var c = md_textColors.get(index)
        _Palette.setRGB(_Palette.sourceStrip, c.clrR, c.clrG, c.clrB)
        updateColor()
    }

    function setBrightness(level) {
        _brightness.setCurIndex(level)
        _brightness.textAlpha = 45 + level * 210 / 7
        updateColor()
    }

    function updateColor() {
        _Color = Qt.rgba(_Palette._R / 255, _Palette._G / 255, _Palette._B / 255, _brightness.textAlpha / 255)
    }

    function translateStrings() {
        for (var s = 0; s < md_skin.count; ++s)
            md_skin.setProperty(s, "textX", mainIten.globalString(39 + s))
        var onOff = [31, 32]
        for (var i = 0; i < onOff.length; ++i) {
            md_sound.setProperty(i, "textX", mainIten.globalString(onOff[i]))
            md_animated.setProperty(i, "textX", mainIten.globalString(onOff[i]))
        }
    }

    ListModel {
        id: md_skin
        ListElement { textX: "SKIN 1" }
        ListElement { textX: "SKIN 2" }
    }

    ListModel {
        id: md_sound
        ListElement { textX: "ON" }
        ListElement { textX: "OFF" }
    }

    ListModel {
        id: md_animated
        ListElement { textX: "ON" }
        ListElement { textX: "OFF" }
    }

    ListModel {
        id: md_language
    }

    // The seven text-colour swatches, the built-in ones until initUI.
    ListModel {
        id: md_textColors
        Component.onCompleted: {
            for (var k = 0; k < pageGlobalsetting.builtInSwatches.length; ++k) {
                var c = pageGlobalsetting.builtInSwatches[k]
                append({ clrR: c[0], clrG: c[1], clrB: c[2] })
            }
        }
    }

    // Loads a chosen background picture before the scene shows it; the
    // scene's background then takes the decoded picture from the cache.
    Image {
        id: _backgroundProbe
        objectName: "backgroundProbe"
        visible: false
        asynchronous: true
        onStatusChanged: pageGlobalsetting.backgroundLoaded()
    }

    // The label of a row, 20 pixels left of its control.
    component RowLabel: Text {
        anchors.right: parent.left
        anchors.rightMargin: 20
        anchors.verticalCenter: parent.verticalCenter
        font.bold: true
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        color: mainIten.globalSetting_color
    }

    // A drop-down raised over the rows below it while its list is open;
    // opening takes the keyboard focus, closing gives it back.
    // Screen readers get the row's title with the value shown.
    component SettingList: DropdownList {
        property alias label: rowLabel.text
        z: (isSelect ? 1 : 0) + (activeFocus ? 1 : 0)
        Accessible.name: label + " " + (defaultIndex >= 0 && defaultIndex < mdItems.count
                                        ? mdItems.get(defaultIndex).textX : "")
        onListOpened: forceActiveFocus()
        onListClosed: focus = false

        RowLabel {
            id: rowLabel
            objectName: "label"
        }
    }

    Image {
        source: mainIten.sourceGlobalsettingBackground
    }

    SettingList {
        id: _skin
        objectName: "_skin"
        x: 139
        y: pageGlobalsetting.isSkinShow ? 22 : 11
        visible: pageGlobalsetting.isSkinShow
        mdItems: md_skin
        defaultIndex: 0
        label: mainIten.globalString(26)
        onListElementClicked: function(index) {
            pageGlobalsetting.worked([SettingsList.positions.skin])
            pageGlobalsetting.setSkin(index + 1)
        }
    }

    SettingList {
        id: _sound
        objectName: "_sound"
        x: 139
        y: _skin.y + _skin.height + 10
        mdItems: md_sound
        defaultIndex: 0
        label: mainIten.globalString(27)
        onListElementClicked: function(index) {
            pageGlobalsetting.worked([SettingsList.positions.sound])
            pageGlobalsetting.setSound(index)
        }
    }

    SettingList {
        id: _animated
        objectName: "_animated"
        x: 139
        y: _sound.y + _sound.height + 10
        mdItems: md_animated
        defaultIndex: 0
        label: mainIten.globalString(28)
        onListElementClicked: function(index) {
            pageGlobalsetting.worked([SettingsList.positions.animations])
            pageGlobalsetting._AnimationSpeed = SettingsList.speedFor(index)
        }
    }

    SettingList {
        id: _language
        objectName: "_language"
        x: 139
        y: _animated.y + _animated.height + 10
        mdItems: md_language
        label: mainIten.globalString(29)
        onListElementClicked: function(index) {
            pageGlobalsetting.chooseLanguage(index)
        }
    }

    // The background toggle: a click (Return, Enter, Space) while off asks
    // for a picture, one while on goes back to the skin background.
    Rectangle {
        id: _background
        objectName: "_background"
        x: 139
        y: _language.y + _language.height + 10
        width: _backgroundPicture.implicitWidth
        height: _backgroundPicture.implicitHeight
        color: "#FF000000"
        activeFocusOnTab: true

        function toggle() {
            pageGlobalsetting.worked([SettingsList.positions.backgroundOn,
                                      SettingsList.positions.background])
            pageGlobalsetting.toggleBackground()
        }

        Accessible.role: Accessible.CheckBox
        Accessible.name: mainIten.globalString(30)
        Accessible.focusable: true
        Accessible.checkable: true
        Accessible.checked: pageGlobalsetting.isCustomBackground
        Accessible.onPressAction: _background.toggle()
        Accessible.onToggleAction: _background.toggle()

        Keys.onPressed: function(event) {
            if (!KeyActions.isActivation(event))
                return
            event.accepted = true
            if (!event.isAutoRepeat)
                _background.toggle()
        }

        Image {
            id: _backgroundPicture
            source: mainIten.sourceSlider
        }

        Text {
            objectName: "state"
            x: 10
            anchors.verticalCenter: parent.verticalCenter
            text: "【 " + (pageGlobalsetting.isCustomBackground ? mainIten.globalString(31)
                                                               : mainIten.globalString(32)) + " 】"
            font.bold: true
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            color: _backgroundArea.containsMouse ? mainIten.globalSetting_color
                                                 : mainIten.globalSetting_color_enable
        }

        RowLabel {
            objectName: "label"
            text: mainIten.globalString(30)
        }

        MouseArea {
            id: _backgroundArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: _background.toggle()
        }

        FocusMark {}
    }

    Item {
        id: _textSettingBox
        objectName: "_textSettingBox"
        x: 27
        y: 190
        width: 270
        height: 176

        // The frame: top, the rule under the title, bottom, left and right.
        Repeater {
            model: [{ "x": 0, "y": 0, "w": 270, "h": 1 }, { "x": 0, "y": 19, "w": 270, "h": 1 },
                    { "x": 0, "y": 175, "w": 270, "h": 1 }, { "x": 0, "y": 0, "w": 1, "h": 176 },
                    { "x": 269, "y": 0, "w": 1, "h": 176 }]
            Image {
                x: modelData.x
                y: modelData.y
                width: modelData.w
                height: modelData.h
                source: mainIten.sourceLine
            }
        }

        Text {
            x: 6
            y: 3
            text: mainIten.globalString(33)
            font.bold: true
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            color: mainIten.globalSetting_color
        }

        // Row labels end 185 pixels left of the box's right edge.
        Repeater {
            model: [{ "string": 34, "row": _sizeChoice },
                    { "string": 35, "row": _PaletteIndex },
                    { "string": 36, "row": _brightness }]
            Text {
                objectName: "rowLabel" + index
                x: _textSettingBox.width - 185 - width
                y: modelData.row.y + (modelData.row.height - height) / 2
                text: mainIten.globalString(modelData.string)
                font.bold: true
                font.family: mainIten.globalSetting_fontFamily
                font.pixelSize: mainIten.globalSetting_size
                color: mainIten.globalSetting_color
            }
        }

        Row {
            id: _sizeChoice
            objectName: "_sizeChoice"
            x: 96
            y: 25
            spacing: 15

            Repeater {
                model: [{ "size": pageGlobalsetting.sizeNormal, "string": 37 },
                        { "size": pageGlobalsetting.sizeLarger, "string": 38 }]
                RadioButton {
                    objectName: "size" + modelData.size
                    chkStr: mainIten.globalString(modelData.string)
                    isSelect: pageGlobalsetting._Size === modelData.size || hovered
                    onClicked: {
                        pageGlobalsetting.worked([SettingsList.positions.textSize])
                        pageGlobalsetting._Size = modelData.size
                    }
                }
            }
        }

        ColorStrip {
            id: _PaletteIndex
            objectName: "_PaletteIndex"
            x: 100
            y: 55
            mdColors: md_textColors
            currentIndex: 0
            showLoop: false
            onIndexClicked: function(index) {
                pageGlobalsetting.worked([SettingsList.positions.chosenSwatch])
                pageGlobalsetting.chooseSwatch(index)
            }
        }

        ColorPicker {
            id: _Palette
            objectName: "_Palette"
            x: _PaletteIndex.x
            y: _PaletteIndex.y + _PaletteIndex.height + 5
            showSwatch: false
            inputFontFamily: mainIten.globalSetting_fontFamily
            onColorPicked: function(source, r, g, b) {
                pageGlobalsetting.worked(pageGlobalsetting.swatchPositions(_PaletteIndex.currentIndex))
                md_textColors.set(_PaletteIndex.currentIndex, { clrR: r, clrG: g, clrB: b })
                pageGlobalsetting.updateColor()
            }
        }

        Slider {
            id: _brightness
            objectName: "_brightness"
            // The text's alpha for the level chosen.
            property int textAlpha: 255
            Accessible.name: mainIten.globalString(36)
            x: 97
            y: 140
            onSliderClicked: function(index) {
                pageGlobalsetting.worked([SettingsList.positions.brightness])
                pageGlobalsetting.setBrightness(index)
            }
        }
    }

    ResetApplyPair {
        id: _pair
        objectName: "resetApplyPair"
        x: _textSettingBox.x + _textSettingBox.width - width
        y: _textSettingBox.y + _textSettingBox.height + 8
        resetName: "_Reset_IMG"
        applyName: "_Apply_IMG"
        onResetClicked: pageGlobalsetting.resetApconfig()
        onApplyClicked: pageGlobalsetting.apply()
    }
}
