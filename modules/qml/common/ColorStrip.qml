import QtQuick

// A strip of seven colour swatches on the palette-index picture, with an
// optional LOOP box to its right. `mdColors` holds the seven colours (roles
// clrR, clrG, clrB); `currentIndex` is the choice: 0 … 6 a swatch, 7 the LOOP
// box. A click on a swatch or on the box makes it the choice and reports it
// through indexClicked.
Item {
    id: colorStrip
    property ListModel mdColors: ListModel {}
    property int currentIndex: 6
    property bool showLoop: true
    signal indexClicked(int index)

    readonly property int loopIndex: 7

    // A click takes the keyboard focus, as a click on any field would: a
    // number still being typed in a colour row is committed first, to the
    // colour that was current while it was typed.
    function choose(index) {
        forceActiveFocus()
        currentIndex = index
        indexClicked(index)
    }

    implicitWidth: showLoop ? _loop.x + _loop.width : _picture.implicitWidth
    implicitHeight: _picture.implicitHeight

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
        onActivated: colorStrip.choose(colorStrip.loopIndex)
    }
}
