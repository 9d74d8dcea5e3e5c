import QtQuick
import "../common"
import "LightingValues.js" as Lighting

// The colour page (page 2): the key lighting, one of the keyboard's effects
// or one of five user pictures painted key by key, the seven-colour set, and
// a live preview of it all on a picture of the keyboard. Everything is
// pending until apply.
Item {
    id: _Page_Color
    width: 759
    height: 442

    property bool isComponentIsOk: false

    // Lighting record positions and ranges.
    readonly property int typeAt: 0
    readonly property int brightnessAt: 1
    readonly property int speedAt: 2
    readonly property int directionAt: 3
    readonly property int colourAt: 4
    readonly property int backLight0At: 5
    readonly property int backLight1At: 6
    readonly property int deviceBrightnessMax: 63
    readonly property int levels: 7
    readonly property int loopChoice: 7
    readonly property int firstPicture: 0x33
    readonly property int pictureCount: 5
    readonly property int lastEffect: 0x0B
    readonly property int effectWithoutEntry: 0x0C
    readonly property int pictureLength: 512

    // Category list entries.
    readonly property int paintingEntry: 0
    readonly property int effectsEntry: 1

    // Option bytes of a painted key: high nibble the behaviour, low nibble 7
    // when LOOP was the colour choice.
    readonly property int optionStatic: 0x10
    readonly property int optionBreathing: 0x20
    readonly property int optionNeon: 0x30
    readonly property int optionLoop: 0x07

    // What the preview and apply use.
    readonly property int effectIndex: _effect1.defaultIndex === paintingEntry
                                       ? firstPicture + _effect2.defaultIndex
                                       : (_effect1.defaultIndex === effectsEntry ? _effect3.defaultIndex : -1)
    readonly property int brightnessLevel: _brightness.level
    readonly property int speedValue: (8 - _speed.level) % 8
    readonly property int directionIndex: _direct.index
    readonly property bool isPicture: effectIndex >= firstPicture && effectIndex < firstPicture + pictureCount
    readonly property bool isEffect: effectIndex >= 0 && effectIndex <= lastEffect
    readonly property bool isPainting: _effect1.defaultIndex === paintingEntry
    readonly property bool coloursApply: isPicture || [0x00, 0x01, 0x02, 0x03, 0x05, 0x08, 0x09, 0x0B]
                                                      .indexOf(effectIndex) >= 0

    // What the page read last (the profile, or the factory values after a
    // reset) and how it showed it. Apply writes a read value back exactly as
    // it was read while its control still shows it so and the user has not
    // worked that control; values the controls cannot show survive that way.
    property var readRecord: []
    property var shownControls: ({})
    property var workedControls: ({})
    property var readColours: []
    property var shownColours: []
    property var readPictureLists: [[], [], [], [], []]
    property var shownPictureLists: [[], [], [], [], []]

    // ---- reading the profile ----

    function initUI(isFirst, hwDef) {
        if (isFirst) {
            _model.initUI(hwDef)
            _eft_Ctrl.initUI()
        }
        showColourSet(ui_View.ui_B0H_GetColor())
        readPictures()
        var t = ui_View.ui_88H_GetLEDType()
        if (t && t.length >= 5)
            showLightingType(t)
        rememberRecord(t)
    }

    // ---- what was read, for apply ----

    function controlStates() {
        return { brightness: _brightness.level, speed: _speed.level, direction: _direct.index,
                 colour: lvColorIndex.currentIndex }
    }

    function rememberRecord(t) {
        readRecord = t && t.length >= 5 ? t : []
        shownControls = controlStates()
        workedControls = {}
    }

    function markWorked(control) {
        workedControls = Lighting.withWorked(workedControls, control)
    }

    // Record position `at`: as read while `control` shows what was read,
    // else `chosen`.
    function keptOrChosen(control, at, chosen) {
        var kept = Lighting.unworked(control, workedControls, shownControls, controlStates())
        return kept && readRecord.length > at ? Lighting.byteAt(readRecord, at) : chosen
    }

    function currentColours() {
        var colours = []
        for (var i = 0; i < 7; ++i) {
            var c = modColorIndex.get(i)
            colours.push(c.clrR, c.clrG, c.clrB)
        }
        return colours
    }

    // A set of fewer than 21 numbers is not shown and not kept.
    function showColourSet(v) {
        Lighting.fillColourSet(modColorIndex, v)
        readColours = v && v.length >= 3 * 7 ? v : []
        shownColours = currentColours()
    }

    // A colour the user picked for swatch `index` is written as picked.
    function keepPickedColour(index, r, g, b) {
        readColours = Lighting.withValues(readColours, 3 * index, [r, g, b])
        shownColours = Lighting.withValues(shownColours, 3 * index, [r, g, b])
    }

    function coloursToWrite() {
        return Lighting.keptOrChanged(readColours, shownColours, currentColours())
    }

    function readPictures() {
        for (var i = 0; i < pictureCount; ++i) {
            var picture = ui_View.ui_92H_GetUserPicture(i)
            if (picture && picture.length > 0)
                showPicture(i + 1, picture)
        }
    }

    // A picture of another length shows dark keys.
    function showPicture(number, picture) {
        var fixed = []
        for (var i = 0; i < pictureLength; ++i)
            fixed.push(picture && picture.length === pictureLength ? Lighting.channel(picture[i]) : 0)
        _eft_Ctrl["pic_0" + number] = fixed
        rememberPicture(number, fixed.length === (picture ? picture.length : -1) ? picture : [], fixed)
    }

    function rememberPicture(number, read, shown) {
        var reads = readPictureLists.slice()
        var shows = shownPictureLists.slice()
        reads[number - 1] = read ? read.slice() : []
        shows[number - 1] = shown.slice()
        readPictureLists = reads
        shownPictureLists = shows
    }

    function pictureToWrite(number) {
        return Lighting.keptOrChanged(readPictureLists[number - 1], shownPictureLists[number - 1],
                                      _eft_Ctrl.getPic(number))
    }

    function zeroPicture() {
        var picture = []
        for (var i = 0; i < pictureLength; ++i)
            picture.push(0)
        return picture
    }

    // Speed value to slider level: 1 fastest is level 7; 0 and anything from
    // 7 on show level 1.
    function speedLevel(value) {
        return value >= 1 && value <= 6 ? 8 - value : 1
    }

    function showType(type) {
        if (type >= firstPicture && type < firstPicture + pictureCount) {
            _effect1.setCurIndex(paintingEntry)
            _effect2.setCurIndex(type - firstPicture)
            _effect3.setCurIndex(-1)
        } else if (type >= 0 && type <= effectWithoutEntry) {
            _effect1.setCurIndex(effectsEntry)
            _effect3.setCurIndex(type <= lastEffect ? type : -1)
            _effect2.setCurIndex(-1)
        } else {
            _effect1.setCurIndex(-1)
            _effect2.setCurIndex(-1)
            _effect3.setCurIndex(-1)
        }
    }

    // Brightness (left as it is when out of range), speed and direction.
    function showLevels(t) {
        var brightness = parseInt(t[brightnessAt])
        if (brightness >= 0 && brightness <= deviceBrightnessMax)
            _brightness.setCurIndex(Math.round(brightness * levels / deviceBrightnessMax))
        _speed.setCurIndex(speedLevel(parseInt(t[speedAt])))
        _direct.setCurIndex(((parseInt(t[directionAt]) || 0) % 2 + 2) % 2 + 1)
    }

    function showLightingType(t) {
        showType(parseInt(t[typeAt]))
        showLevels(t)
        var choice = parseInt(t[colourAt])
        if (choice >= 0 && choice <= loopChoice) {
            lvColorIndex.currentIndex = choice
            if (choice < loopChoice)
                showSwatchInPicker(choice)
        }
    }

    function showSwatchInPicker(index) {
        var c = modColorIndex.get(index)
        _Palette.setRGB(_Palette.sourceStrip, c.clrR, c.clrG, c.clrB)
    }

    function translateStrings() {
        var categories = [6, 7]
        for (var c = 0; c < categories.length; ++c)
            md_effect1.setProperty(c, "textX", mainIten.globalString(categories[c]))
        for (var p = 0; p < md_effect2.count; ++p)
            md_effect2.setProperty(p, "textX", mainIten.globalString(8 + p))
        for (var e = 0; e < md_effect3.count; ++e)
            md_effect3.setProperty(e, "textX", mainIten.globalString(13 + e))
    }

    // A list's name for screen readers: its label and the entry it shows, as
    // a drop-down of plain items has no value of its own for them.
    function listName(label, list) {
        var i = list.defaultIndex
        return i >= 0 && i < list.mdItems.count ? label + " " + list.mdItems.get(i).textX : label
    }

    function playEffect(isOn) {
        _eft_Ctrl.play(isOn ? effectIndex : -1)
    }

    // ---- colours ----

    // The picker's colour also becomes the current swatch's, unless LOOP is
    // chosen: then the set stays as it is.
    function pickerChanged(source, r, g, b) {
        var choice = lvColorIndex.currentIndex
        if (choice >= 0 && choice < loopChoice) {
            modColorIndex.set(choice, { clrR: r, clrG: g, clrB: b })
            keepPickedColour(choice, r, g, b)
        }
    }

    // ---- painting ----

    function optionByte() {
        var loop = lvColorIndex.currentIndex === loopChoice ? optionLoop : 0
        if (_optionNeon.isSelect)
            return optionNeon
        return (_optionBreathing.isSelect ? optionBreathing : optionStatic) | loop
    }

    function chooseOption(box) {
        var boxes = [_optionStatic, _optionBreathing, _optionNeon]
        for (var i = 0; i < boxes.length; ++i)
            boxes[i].isSelect = boxes[i] === box
    }

    // Closed intervals on both axes: touching edges count.
    function overlaps(key, area) {
        return key.x <= area.x + area.width && area.x <= key.x + key.width
                && key.y <= area.y + area.height && area.y <= key.y + key.height
    }

    // The band in the picture's coordinates.
    function bandInPicture() {
        return Qt.rect(selectAreaL.x - _model.x, selectAreaL.y - _model.y, selectAreaL.width,
                       selectAreaL.height)
    }

    function markKeys() {
        var area = bandInPicture()
        var keys = _model.keys
        for (var i = 0; i < keys.length; ++i)
            keys[i].isMarked = overlaps(keys[i], area)
    }

    // The band's keys become the selection and are painted.
    function paintSelected() {
        var area = bandInPicture()
        var keys = _model.keys
        var chosen = []
        for (var i = 0; i < keys.length; ++i) {
            keys[i].isSelect = overlaps(keys[i], area)
            if (keys[i].isSelect)
                chosen.push(keys[i])
        }
        paintKeys(chosen)
    }

    // By keyboard: a key not selected joins the selection and is painted as
    // a band over it alone paints it; a selected key leaves the selection.
    function toggleKey(key) {
        key.isSelect = !key.isSelect
        if (key.isSelect)
            paintKeys([key])
    }

    // `keys` of the shown user picture take the chosen option and the
    // picker's colour; nothing while no user picture is shown.
    function paintKeys(keys) {
        if (!isPicture)
            return
        var number = effectIndex - firstPicture + 1
        var picture = _eft_Ctrl.getPic(number).slice()
        // A painted key is written as painted, also where it looks as before.
        var read = readPictureLists[number - 1].slice()
        var shown = shownPictureLists[number - 1].slice()
        var values = [optionByte(), _Palette._R, _Palette._G, _Palette._B]
        for (var k = 0; k < keys.length; ++k) {
            var at = 4 * keys[k].matrix
            if (at < 0 || at + 3 >= picture.length)
                continue
            Lighting.putValues(picture, at, values)
            Lighting.putValues(read, at, values)
            Lighting.putValues(shown, at, values)
        }
        _eft_Ctrl["pic_0" + number] = picture
        rememberPicture(number, read, shown)
    }

    // ---- reset and apply ----

    function pageReset() {
        _Palette.commitInput()
        showColourSet(ui_View.loadDefaultProfile("color/color"))
        for (var i = 1; i <= pictureCount; ++i) {
            var zeros = zeroPicture()
            _eft_Ctrl["pic_0" + i] = zeros
            rememberPicture(i, zeros, zeros)
        }
        var t = ui_View.loadDefaultProfile("color/ledType")
        if (t && t.length >= 5) {
            var type = parseInt(t[typeAt])
            if ((type >= 0 && type <= lastEffect) || (type >= firstPicture && type < firstPicture + pictureCount))
                showType(type)
            showLevels(t)
            var choice = parseInt(t[colourAt])
            if (choice >= 0 && choice <= loopChoice)
                lvColorIndex.currentIndex = choice
        }
        rememberRecord(t)
        playEffect(visible)
    }

    // Without a chosen effect or picture the type goes back as it was read.
    function typeToWrite(fresh) {
        if (isEffect || isPicture)
            return effectIndex
        return Lighting.byteAt(readRecord.length > typeAt ? readRecord : fresh, typeAt)
    }

    function pageApply() {
        _Palette.commitInput()
        ui_View.ui_30H_SetColor(coloursToWrite())
        var t = ui_View.ui_88H_GetLEDType()
        var type = typeToWrite(t)
        // The shown picture first: its planes travel while the other four
        // are stored.
        var shownPicture = type - firstPicture
        if (shownPicture >= 0 && shownPicture < pictureCount)
            ui_View.ui_12H_SetUserPicture(shownPicture, 0, pictureToWrite(shownPicture + 1))
        for (var p = 0; p < pictureCount; ++p) {
            if (p !== shownPicture)
                ui_View.ui_12H_SetUserPicture(p, 255, pictureToWrite(p + 1))
        }
        t = ui_View.ui_88H_GetLEDType()
        var brightness = keptOrChosen("brightness", brightnessAt,
                                      Math.round(brightnessLevel * deviceBrightnessMax / levels))
        var speed = keptOrChosen("speed", speedAt, Math.max(1, Math.min(7, speedValue)))
        var direction = keptOrChosen("direction", directionAt, Math.max(directionIndex - 1, 0) % 2)
        var colour = keptOrChosen("colour", colourAt, lvColorIndex.currentIndex)
        ui_View.ui_08H_SetLEDType(type, brightness, speed, direction, colour,
                                  Lighting.byteAt(t, backLight0At), Lighting.byteAt(t, backLight1At))
        playEffect(visible)
    }

    Component.onCompleted: isComponentIsOk = true

    onEffectIndexChanged: playEffect(visible)
    onDirectionIndexChanged: playEffect(visible)

    Connections {
        target: mainItem_Q3
        function onMsg_KB(isDown, usbCode) {
            _eft_Ctrl.detectKeyboard(isDown, usbCode)
        }
    }

    Image {
        source: mainIten.sourceFnColorBackground
    }

    // The colour set, red, green and blue 0 … 255 each.
    ListModel {
        id: modColorIndex
        ListElement { clrR: 255; clrG: 0; clrB: 0 }
        ListElement { clrR: 0; clrG: 255; clrB: 0 }
        ListElement { clrR: 255; clrG: 255; clrB: 0 }
        ListElement { clrR: 0; clrG: 0; clrB: 255 }
        ListElement { clrR: 0; clrG: 255; clrB: 255 }
        ListElement { clrR: 255; clrG: 0; clrB: 255 }
        ListElement { clrR: 255; clrG: 255; clrB: 255 }
    }

    ListModel {
        id: md_effect1
        ListElement { textX: "PAINTING" }
        ListElement { textX: "EFFECTS" }
    }

    ListModel {
        id: md_effect2
        ListElement { textX: "USER DEFINE 1" }
        ListElement { textX: "USER DEFINE 2" }
        ListElement { textX: "USER DEFINE 3" }
        ListElement { textX: "USER DEFINE 4" }
        ListElement { textX: "USER DEFINE 5" }
    }

    // The list index is the effect code.
    ListModel {
        id: md_effect3
        ListElement { textX: "STATIC" }
        ListElement { textX: "BREATHING" }
        ListElement { textX: "WAVE" }
        ListElement { textX: "INDUCTION DARKEN" }
        ListElement { textX: "MARQUEE" }
        ListElement { textX: "RIPPLE" }
        ListElement { textX: "INDUCTION BRIGHTEN" }
        ListElement { textX: "NEON" }
        ListElement { textX: "MARQUEE COLORFUL" }
        ListElement { textX: "RAINING" }
        ListElement { textX: "MARQUEE CIRCLE" }
        ListElement { textX: "SPOTLIGHT" }
    }

    // Category, picture and effect lists; the open list draws over the rest.
    Item {
        id: _effect
        objectName: "_effect"
        x: 140
        y: 15
        z: 2

        DropdownList {
            id: _effect1
            objectName: "_effect1"
            z: isSelect ? 2 : 0
            Accessible.name: _Page_Color.listName(mainIten.globalString(130), _effect1)
            mdItems: md_effect1
            onListElementClicked: function(index) {
                _effect2.setCurIndex(-1)
                _effect3.setCurIndex(-1)
            }
        }

        DropdownList {
            id: _effect2
            objectName: "_effect2"
            x: _effect1.width + 20
            z: isSelect ? 1 : 0
            visible: _effect1.defaultIndex === _Page_Color.paintingEntry
            mdItems: md_effect2
            Accessible.name: _Page_Color.listName(mainIten.globalString(6), _effect2)
        }

        DropdownList {
            id: _effect3
            objectName: "_effect3"
            x: _effect1.width + 20
            z: isSelect ? 1 : 0
            visible: _effect1.defaultIndex === _Page_Color.effectsEntry
            mdItems: md_effect3
            Accessible.name: _Page_Color.listName(mainIten.globalString(7), _effect3)
        }
    }


    // The keyboard picture with the preview, and the painting tool over it:
    // a rubber band for the mouse, the picture's key cursor for the keyboard.
    Item {
        id: modelControler
        objectName: "modelControler"
        x: 1
        y: 68
        width: 738
        height: 250

        Model_Color_Q3 {
            id: _model
            objectName: "_model"
            x: 22
            y: 29
            ctrl: _eft_Ctrl
            enabled: _Page_Color.isPainting
            onKeyToggled: function(key) {
                _Page_Color.toggleKey(key)
            }
        }

        Effect_Controler_Q3 {
            id: _eft_Ctrl
            objectName: "_eft_Ctrl"
            q3: _model
            colorLV: lvColorIndex
            effectIndex: _Page_Color.effectIndex
            brightnessLV: _Page_Color.brightnessLevel
            speedLV: _Page_Color.speedValue
            directLV: _Page_Color.directionIndex
            // The preview runs only while someone can see it.
            isShown: _Page_Color.visible && mainIten.visible
                     && (typeof ui_Ctl === "undefined" || ui_Ctl.windowShown !== false)
        }

        // The rubber band: its border and fill in the picker's colour.
        Rectangle {
            id: selectAreaL
            objectName: "selectAreaL"
            color: "#80" + _Palette._RGB.substring(1)
            border.width: 1
            border.color: _Palette._RGB
        }

        MouseArea {
            id: ma_SelectArea
            objectName: "ma_SelectArea"
            anchors.fill: parent
            enabled: _Page_Color.isPainting
            hoverEnabled: true
            property real pressX: 0
            property real pressY: 0

            function span(px, py) {
                if (pressed) {
                    selectAreaL.x = Math.min(pressX, px)
                    selectAreaL.y = Math.min(pressY, py)
                    selectAreaL.width = Math.abs(px - pressX)
                    selectAreaL.height = Math.abs(py - pressY)
                } else {
                    selectAreaL.x = px
                    selectAreaL.y = py
                    selectAreaL.width = 0
                    selectAreaL.height = 0
                }
                _Page_Color.markKeys()
            }

            onPressed: function(mouse) {
                var keys = _model.keys
                for (var i = 0; i < keys.length; ++i)
                    keys[i].isSelect = false
                pressX = mouse.x
                pressY = mouse.y
                span(mouse.x, mouse.y)
            }
            onPositionChanged: function(mouse) {
                span(mouse.x, mouse.y)
            }
            onReleased: function(mouse) {
                _Page_Color.paintSelected()
                span(mouse.x, mouse.y)
            }
            onExited: {
                var keys = _model.keys
                for (var i = 0; i < keys.length; ++i)
                    keys[i].isMarked = false
            }
        }
    }

    Item {
        id: _PaletteIndex
        objectName: "_PaletteIndex"
        x: 140
        y: 340
        enabled: _Page_Color.coloursApply
        opacity: enabled ? 1.0 : 0.2

        ColorStrip {
            id: lvColorIndex
            objectName: "lvColorIndex"
            mdColors: modColorIndex
            Accessible.name: mainIten.globalString(35)
            onIndexClicked: function(index) {
                _Page_Color.markWorked("colour")
                if (index < _Page_Color.loopChoice)
                    _Page_Color.showSwatchInPicker(index)
            }
        }
    }

    // Without its own swatch, which would lie under the reset button: the
    // strip's current swatch shows the colour being edited.
    ColorPicker {
        id: _Palette
        objectName: "_Palette"
        x: 140
        y: 385
        showSwatch: false
        enabled: _Page_Color.coloursApply
        onColorPicked: function(source, r, g, b) {
            _Page_Color.pickerChanged(source, r, g, b)
        }
    }

    ResetApplyPair {
        id: _pair
        objectName: "colorResetApply"
        x: 295
        y: 400
        resetName: "_ColorReset_IMG"
        applyName: "_ColorApply_IMG"
        enabled: _Page_Color.isEffect || _Page_Color.isPicture
        opacity: enabled ? 1.0 : 0.2
        onResetClicked: {
            mainIten.setProtectUI(800)
            _Page_Color.pageReset()
        }
        onApplyClicked: {
            mainIten.setProtectUI(1600)
            _Page_Color.pageApply()
        }
    }

    LabelledSlider {
        id: _speed
        objectName: "_speed"
        x: 360
        y: 340
        title: mainIten.globalString(3)
        startLevel: 4
        minimumLevel: 1
        onLevelChosen: _Page_Color.markWorked("speed")
    }

    LabelledSlider {
        id: _brightness
        objectName: "_brightness"
        x: 360
        y: 385
        title: mainIten.globalString(4)
        startLevel: 7
        enabled: _Page_Color.isEffect || _Page_Color.isPicture
        onLevelChosen: _Page_Color.markWorked("brightness")
    }

    Item {
        id: _direct
        objectName: "_direct"
        x: 535
        y: 340
        visible: !_Page_Color.isPicture
        enabled: _Page_Color.effectIndex === 0x06 || _Page_Color.effectIndex === 0x0A
        opacity: enabled ? 1.0 : 0.2
        readonly property int index: _wheel.currentIndex

        function setCurIndex(i) {
            _wheel.setCurIndex(i)
        }

        PageText {
            id: _directTitle
            text: mainIten.globalString(5)
        }

        SteeringWheel {
            id: _wheel
            objectName: "wheel"
            y: _directTitle.height + 11
            textColor: mainIten.globalSetting_color
            onWheelClicked: _Page_Color.markWorked("direction")
        }
    }

    // The painted keys' behaviour: one of three, so radio buttons to screen
    // readers.
    Column {
        id: _btnOption
        objectName: "_btnOption"
        x: 535
        y: 340
        spacing: 3
        visible: _Page_Color.isPicture

        PageText {
            text: mainIten.globalString(5)
        }

        Checkbox {
            id: _optionStatic
            objectName: "optionStatic"
            chkStr: mainIten.globalString(13)
            isSelect: true
            Accessible.role: Accessible.RadioButton
            onClicked: _Page_Color.chooseOption(_optionStatic)
        }

        Checkbox {
            id: _optionBreathing
            objectName: "optionBreathing"
            chkStr: mainIten.globalString(14)
            Accessible.role: Accessible.RadioButton
            onClicked: _Page_Color.chooseOption(_optionBreathing)
        }

        Checkbox {
            id: _optionNeon
            objectName: "optionNeon"
            chkStr: mainIten.globalString(20)
            Accessible.role: Accessible.RadioButton
            onClicked: _Page_Color.chooseOption(_optionNeon)
        }
    }
}
