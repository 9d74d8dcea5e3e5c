import QtQuick
import "../common"
import "../common/KeyActions.js" as KeyActions
import "LightingValues.js" as Lighting

// The back-lighting page (page 3): the keyboard's second light channel,
// packed into the last two bytes of the lighting record. The colour page's
// five values are read back and sent unchanged with them.
Item {
    id: _Page_BackLighting
    width: 759
    height: 396

    // bl0: effect in bits 0-4, brightness in bits 5-7.
    // bl1: speed value in bits 0-2, colour in bits 3-5, direction in bits 6-7.
    readonly property int effectMask: 0x1F
    readonly property int brightnessShift: 5
    readonly property int brightnessMask: 0xE0
    readonly property int speedMask: 0x07
    readonly property int colourShift: 3
    readonly property int colourMask: 0x38
    readonly property int directionShift: 6
    readonly property int directionMask: 0xC0
    readonly property int backLight0At: 5
    readonly property int backLight1At: 6
    readonly property int effectCount: 4
    readonly property int headingExtraSize: 3

    readonly property int effect: _effects.currentIndex

    // The two bytes as last read (the profile's, or the factory's after a
    // reset) and the controls as they showed them. A field goes back exactly
    // as read while its control still shows it so and the user has not worked
    // that control: an effect without an entry or a direction above 1 survive.
    property var readBytes: [0, 0]
    property var shownControls: ({})
    property var workedControls: ({})

    function controlStates() {
        return { effect: effect, brightness: _brightness.level, speed: _speed.level,
                 colour: _colours.currentIndex, direction: _wheel.currentIndex }
    }

    function rememberBytes(bl0, bl1) {
        readBytes = [bl0, bl1]
        shownControls = controlStates()
        workedControls = {}
    }

    function markWorked(control) {
        workedControls = Lighting.withWorked(workedControls, control)
    }

    // The field `mask` of byte `byteIndex`: as read, or `chosen` shifted into
    // place when the control changed.
    function field(control, byteIndex, mask, shift, chosen) {
        var kept = Lighting.unworked(control, workedControls, shownControls, controlStates())
        return kept ? readBytes[byteIndex] & mask : (chosen << shift) & mask
    }

    function packedBytes() {
        var speedValue = 8 - _speed.level
        var direction = Math.max(_wheel.currentIndex - 1, 0)
        var bl0 = field("effect", 0, effectMask, 0, Math.max(effect, 0))
                | field("brightness", 0, brightnessMask, brightnessShift, _brightness.level)
        var bl1 = field("speed", 1, speedMask, 0, speedValue)
                | field("colour", 1, colourMask, colourShift, _colours.currentIndex)
                | field("direction", 1, directionMask, directionShift, direction)
        return [bl0, bl1]
    }

    // The controls from the two bytes; an effect without an entry chooses none.
    function showBytes(bl0, bl1) {
        var effectValue = bl0 & effectMask
        _effects.currentIndex = effectValue < effectCount ? effectValue : -1
        _brightness.setCurIndex((bl0 & brightnessMask) >> brightnessShift)
        _speed.setCurIndex((8 - (bl1 & speedMask)) % 8)
        _colours.currentIndex = (bl1 & colourMask) >> colourShift
        _wheel.setCurIndex(((bl1 >> directionShift) & 1) + 1)
        rememberBytes(bl0, bl1)
    }

    function initUI() {
        syncColor()
        var t = ui_View.ui_88H_GetLEDType()
        showBytes(Lighting.byteAt(t, backLight0At), Lighting.byteAt(t, backLight1At))
    }

    // The swatches show the current profile's colour set.
    function syncColor() {
        Lighting.fillColourSet(modColors, ui_View.ui_B0H_GetColor())
    }

    function pageReset() {
        var t = ui_View.loadDefaultProfile("color/ledType")
        showBytes(Lighting.byteAt(t, backLight0At), Lighting.byteAt(t, backLight1At))
    }

    function pageApply() {
        var bytes = packedBytes()
        var t = ui_View.ui_88H_GetLEDType()
        ui_View.ui_08H_SetLEDType(Lighting.byteAt(t, 0), Lighting.byteAt(t, 1), Lighting.byteAt(t, 2),
                                  Lighting.byteAt(t, 3), Lighting.byteAt(t, 4),
                                  bytes[0], bytes[1])
    }

    function translateStrings() {
        for (var i = 0; i < md_effects.count; ++i)
            md_effects.setProperty(i, "textX", mainIten.globalString(88 + i))
    }

    onVisibleChanged: {
        if (visible)
            syncColor()
    }

    Image {
        source: mainIten.sourceFnCommonBackground
    }

    Image {
        x: 55
        y: 60
        width: 630
        source: mainIten.sourceLine
    }

    Image {
        x: 55
        y: 230
        width: 630
        source: mainIten.sourceLine
    }

    PageText {
        x: 80
        y: 70
        text: mainIten.globalString(87)
        extraSize: _Page_BackLighting.headingExtraSize
    }

    ListModel {
        id: md_effects
        ListElement { textX: "TWINKLING" }
        ListElement { textX: "GLIDING" }
        ListElement { textX: "FINGER MOVING" }
        ListElement { textX: "VERTICAL FLIPPING" }
    }

    // The four effects: a check picture and the name, one of them current.
    // By keyboard one tab stop, a group of radio buttons: the focus rests on
    // the current entry (the first while none is current), the arrow keys
    // choose the one above or below, Space, Return and Enter choose the
    // focused one, each as a click on it does.
    FocusScope {
        id: _effects
        objectName: "_effects"
        property int currentIndex: 0
        x: 80
        y: 110
        width: 120
        height: 120
        activeFocusOnTab: true
        Accessible.role: Accessible.Grouping
        Accessible.name: mainIten.globalString(87)

        function choose(index) {
            currentIndex = index
            _Page_BackLighting.markWorked("effect")
        }

        function focusCurrent() {
            var entry = _effectEntries.itemAt(Math.max(currentIndex, 0))
            if (entry)
                entry.focus = true
        }

        function step(by) {
            var from = currentIndex >= 0 ? currentIndex : (by > 0 ? -1 : _effectEntries.count)
            var to = Math.max(0, Math.min(_effectEntries.count - 1, from + by))
            if (to !== currentIndex)
                choose(to)
        }

        onCurrentIndexChanged: focusCurrent()

        Keys.onPressed: function(event) {
            var by = KeyActions.arrowStep(event)
            if (by !== 0) {
                step(by)
                event.accepted = true
            }
        }

        Column {
            spacing: 5

            Repeater {
                id: _effectEntries
                model: md_effects
                onItemAdded: _effects.focusCurrent()

                Item {
                    objectName: "effect" + index
                    width: _box.width + 5 + _name.implicitWidth
                    height: _box.height

                    Accessible.role: Accessible.RadioButton
                    Accessible.name: textX
                    Accessible.focusable: true
                    Accessible.checkable: true
                    Accessible.checked: _effects.currentIndex === index
                    Accessible.onPressAction: _effects.choose(index)

                    Keys.onPressed: function(event) {
                        if (KeyActions.isActivation(event)) {
                            _effects.choose(index)
                            event.accepted = true
                        }
                    }

                    Image {
                        id: _box
                        source: (_effectArea.containsMouse || _effects.currentIndex === index)
                                ? mainIten.sourceCHK1 : mainIten.sourceCHK0
                    }

                    Text {
                        id: _name
                        x: _box.width + 5
                        anchors.verticalCenter: _box.verticalCenter
                        text: textX
                        font.family: mainIten.globalSetting_fontFamily
                        font.pixelSize: mainIten.globalSetting_size
                        color: mainIten.globalSetting_color
                        Accessible.ignored: true
                    }

                    MouseArea {
                        id: _effectArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: _effects.choose(index)
                    }

                    FocusMark {
                        objectName: "focusMark"
                    }
                }
            }
        }
    }

    LabelledSlider {
        id: _speed
        objectName: "_speed"
        x: 250
        y: 70
        sliderY: 25
        title: mainIten.globalString(3)
        titleExtraSize: _Page_BackLighting.headingExtraSize
        startLevel: 4
        minimumLevel: 1
        onLevelChosen: _Page_BackLighting.markWorked("speed")
    }

    LabelledSlider {
        id: _brightness
        objectName: "_brightness"
        x: 500
        y: 70
        sliderY: 25
        title: mainIten.globalString(4)
        titleExtraSize: _Page_BackLighting.headingExtraSize
        startLevel: 7
        onLevelChosen: _Page_BackLighting.markWorked("brightness")
    }

    // The colour applies to the first three effects only.
    Item {
        x: 250
        y: 150
        enabled: _effects.currentIndex >= 0 && _effects.currentIndex <= 2
        opacity: enabled ? 1.0 : 0.2

        // String 35: the table's "COLOR" (92 would read "YO-YO").
        PageText {
            text: mainIten.globalString(35)
            extraSize: _Page_BackLighting.headingExtraSize
        }

        ColorStrip {
            id: _colours
            objectName: "_colours"
            y: 25
            Accessible.name: mainIten.globalString(35)
            currentIndex: 7
            onIndexClicked: _Page_BackLighting.markWorked("colour")
            mdColors: ListModel {
                id: modColors
                ListElement { clrR: 255; clrG: 0; clrB: 0 }
                ListElement { clrR: 0; clrG: 255; clrB: 0 }
                ListElement { clrR: 255; clrG: 255; clrB: 0 }
                ListElement { clrR: 0; clrG: 0; clrB: 255 }
                ListElement { clrR: 0; clrG: 255; clrB: 255 }
                ListElement { clrR: 255; clrG: 0; clrB: 255 }
                ListElement { clrR: 255; clrG: 255; clrB: 255 }
            }
        }
    }

    // The direction applies to the third effect only.
    Item {
        x: 500
        y: 150
        enabled: _effects.currentIndex === 2
        opacity: enabled ? 1.0 : 0.2

        PageText {
            text: mainIten.globalString(5)
            extraSize: _Page_BackLighting.headingExtraSize
        }

        SteeringWheel {
            id: _wheel
            objectName: "_wheel"
            x: 90
            textColor: mainIten.globalSetting_color
            onWheelClicked: _Page_BackLighting.markWorked("direction")
        }
    }

    // Its buttons write without the busy protection: two small records.
    ResetApplyPair {
        objectName: "backLightResetApply"
        x: 640
        y: 240
        resetName: "_reset"
        applyName: "_apply"
        onResetClicked: _Page_BackLighting.pageReset()
        onApplyClicked: _Page_BackLighting.pageApply()
    }
}
