import QtQuick

// The colour page (page 2): effects, colours and user pictures, with a live
// preview of the chosen lighting on a picture of the keyboard.
Item {
    id: _Page_Color
    width: 759
    height: 442

    property bool isComponentIsOk: false

    // What the preview shows: the effect code (0x33 … 0x37 a user picture,
    // -1 none), brightness level 0 … 7, speed value 1 … 7 (1 fastest),
    // direction 1 right / 2 left.
    property int effectIndex: -1
    property int brightnessLevel: 7
    property int speedValue: 4
    property int directionIndex: 1

    readonly property var defaultColours: [[255, 0, 0], [0, 255, 0], [255, 255, 0], [0, 0, 255],
                                           [0, 255, 255], [255, 0, 255], [255, 255, 255]]

    function initUI(isFirst, hwDef) {
        if (isFirst) {
            _model.initUI(hwDef)
            _eft_Ctrl.initUI()
        }
        readColourSet()
        readPictures()
        readLightingType()
    }

    function readColourSet() {
        var v = ui_View.ui_B0H_GetColor()
        if (!v || v.length === 0)
            return
        for (var i = 0; i < 7; ++i)
            modColorIndex.set(i, { clrR: channel(v[3 * i]), clrG: channel(v[3 * i + 1]),
                                   clrB: channel(v[3 * i + 2]) })
    }

    function channel(value) {
        var n = parseInt(value)
        return isNaN(n) ? 0 : Math.max(0, Math.min(255, n))
    }

    function readPictures() {
        var names = ["pic_01", "pic_02", "pic_03", "pic_04", "pic_05"]
        for (var i = 0; i < names.length; ++i) {
            var picture = ui_View.ui_92H_GetUserPicture(i)
            if (picture && picture.length > 0)
                _eft_Ctrl[names[i]] = picture
        }
    }

    function readLightingType() {
        var t = ui_View.ui_88H_GetLEDType()
        if (!t || t.length < 5)
            return
        var type = parseInt(t[0])
        effectIndex = (type >= 0x00 && type <= 0x0B) || (type >= 0x33 && type <= 0x37) ? type : -1
        if (parseInt(t[1]) <= 63)
            brightnessLevel = Math.round(parseInt(t[1]) * 7 / 63)
        var speed = parseInt(t[2])
        speedValue = speed >= 1 && speed <= 6 ? speed : 7 // 0 and 7 or more: the slowest
        directionIndex = (parseInt(t[3]) % 2) + 1
        lvColorIndex.currentIndex = Math.max(0, Math.min(7, parseInt(t[4]) || 0))
    }

    function translateStrings() {
    }

    function playEffect(isOn) {
        _eft_Ctrl.play(isOn ? effectIndex : -1)
    }

    Component.onCompleted: isComponentIsOk = true

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
        Component.onCompleted: {
            for (var i = 0; i < _Page_Color.defaultColours.length; ++i) {
                var c = _Page_Color.defaultColours[i]
                append({ clrR: c[0], clrG: c[1], clrB: c[2] })
            }
        }
    }

    // The colour choice over the set: 0 … 6, or 7 for LOOP.
    QtObject {
        id: lvColorIndex
        objectName: "lvColorIndex"
        property var model: modColorIndex
        property int currentIndex: 6
    }

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
            isShown: _Page_Color.visible && mainIten.visible
        }
    }
}
