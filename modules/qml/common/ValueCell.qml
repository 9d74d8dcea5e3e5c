import QtQuick

// One cell of a button group: the filler picture, lit while hovered or
// current, with its value centred on it (bold, 11 pixels, highlight colour).
// The owner decides what a click does; the group takes the keyboard focus
// and puts its keyboard place on a cell with `focusTarget` and `underKeys`.
// Screen readers see a radio button named by its number and value.
Image {
    id: valueCell
    property int cellIndex: 0
    property alias text: valueText.text
    property bool isCurrent: false
    property Item focusTarget: null
    property bool underKeys: false
    signal clicked

    objectName: "cell" + cellIndex
    source: (cellArea.containsMouse || isCurrent) ? mainIten.sourceBtnGroup_FILLER_1
                                                  : mainIten.sourceBtnGroup_FILLER_0

    Accessible.role: Accessible.RadioButton
    Accessible.name: (cellIndex + 1) + ": " + valueText.text
    Accessible.checkable: true
    Accessible.checked: isCurrent
    Accessible.onPressAction: valueCell.clicked()

    Text {
        id: valueText
        objectName: "value" + valueCell.cellIndex
        anchors.centerIn: parent
        font.bold: true
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: 11
        color: mainIten.globalSetting_color
    }

    MouseArea {
        id: cellArea
        anchors.fill: parent
        hoverEnabled: true
        onClicked: valueCell.clicked()
    }

    FocusMark {
        objectName: "focusMark"
        target: valueCell.focusTarget
        shown: valueCell.underKeys
    }
}
