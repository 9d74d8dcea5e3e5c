import QtQuick
import "KeyActions.js" as KeyActions

// A strip of seven colour swatches on the palette-index picture, with an
// optional LOOP box to its right. `mdColors` holds the seven colours (roles
// clrR, clrG, clrB); `currentIndex` is the choice: 0 … 6 a swatch, 7 the LOOP
// box. A click on a swatch or on the box makes it the choice and reports it
// through indexClicked.
// The strip, box included, is one stop of the tab chain: Left, Right, Up,
// Down, Home and End move the keyboard's place (keyIndex), Return, Enter and
// Space choose there as a click does. Screen readers see the swatches as
// radio buttons "COLOR 1" … "COLOR 7" and the box as "LOOP".
Item {
    id: colorStrip
    property ListModel mdColors: ListModel {}
    property int currentIndex: 6
    property bool showLoop: true
    property int keyIndex: 0
    signal indexClicked(int index)

    readonly property int loopIndex: 7
    readonly property int choiceCount: mdColors.count + (showLoop ? 1 : 0)

    // A click takes the keyboard focus, as a click on any field would: a
    // number still being typed in a colour row is committed first, to the
    // colour that was current while it was typed.
    function choose(index) {
        forceActiveFocus()
        currentIndex = index
        indexClicked(index)
    }

    // The choice at keyboard place `place`: the swatches, then the box.
    function choiceAt(place) {
        return place < mdColors.count ? place : loopIndex
    }

    // As a click there: the box plays its click sound.
    function chooseAtPlace(place) {
        if (choiceAt(place) === loopIndex)
            _loop.activate()
        else
            choose(place)
    }

    function placeOf(index) {
        return index === loopIndex ? mdColors.count : index
    }

    implicitWidth: showLoop ? _loop.x + _loop.width : _picture.implicitWidth
    implicitHeight: _picture.implicitHeight
    activeFocusOnTab: true

    Accessible.role: Accessible.Grouping
    Accessible.name: mainIten.globalString(124)
    // The keyboard's place, which a screen reader cannot learn otherwise: the
    // focus stays on the strip while the arrows move.
    Accessible.description: activeFocus ? placeName(keyIndex) : ""
    Accessible.focusable: true

    function placeName(place) {
        return place === mdColors.count ? mainIten.globalString(2)
                                        : mainIten.globalString(35) + " " + (place + 1)
    }

    onActiveFocusChanged: {
        if (activeFocus)
            keyIndex = Math.max(0, Math.min(choiceCount - 1, placeOf(currentIndex)))
    }

    Keys.onPressed: function(event) {
        var to = KeyActions.movedIndex(event, keyIndex, choiceCount, 0)
        if (to >= 0) {
            keyIndex = to
            event.accepted = true
        } else if (KeyActions.isActivation(event) && choiceCount > 0) {
            event.accepted = true
            if (!event.isAutoRepeat)
                chooseAtPlace(keyIndex)
        }
    }

    Image {
        id: _picture
        source: mainIten.sourcePaletteIndex

        Row {
            spacing: 2

            Repeater {
                model: colorStrip.mdColors

                Item {
                    id: swatch
                    objectName: "swatch" + index
                    width: 19
                    height: 31

                    Accessible.role: Accessible.RadioButton
                    Accessible.name: mainIten.globalString(35) + " " + (index + 1)
                    Accessible.checkable: true
                    Accessible.checked: colorStrip.currentIndex === index
                    Accessible.onPressAction: colorStrip.choose(index)

                    Rectangle {
                        objectName: "mark"
                        width: 19
                        height: 3
                        visible: colorStrip.currentIndex === index
                        color: mainIten.globalSetting_color
                    }

                    Rectangle {
                        objectName: "colour"
                        x: 2
                        y: 10
                        width: 15
                        height: 15
                        color: Qt.rgba(clrR / 255, clrG / 255, clrB / 255, 1)
                        border.width: swatchArea.containsMouse ? 1 : 0
                        border.color: mainIten.globalSetting_color
                    }

                    MouseArea {
                        id: swatchArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: colorStrip.choose(index)
                    }

                    FocusMark {
                        objectName: "focusMark"
                        target: colorStrip
                        shown: colorStrip.keyIndex === index
                    }
                }
            }
        }
    }

    CheckMark {
        id: _loop
        objectName: "loop"
        visible: colorStrip.showLoop
        x: _picture.width + 5
        anchors.verticalCenter: _picture.verticalCenter
        chkStr: mainIten.globalString(2)
        isSelect: colorStrip.currentIndex === colorStrip.loopIndex || hovered
        activeFocusOnTab: false
        Accessible.role: Accessible.RadioButton
        Accessible.checked: colorStrip.currentIndex === colorStrip.loopIndex
        onActivated: colorStrip.choose(colorStrip.loopIndex)

        FocusMark {
            objectName: "focusMark"
            target: colorStrip
            shown: colorStrip.keyIndex === colorStrip.mdColors.count
        }
    }
}
