import QtQuick

// One cell of a button group: the filler picture, lit while hovered or
// current, with its value centred on it (bold, 11 pixels, highlight colour).
// The owner decides what a click does.
Image {
    id: valueCell
    property int cellIndex: 0
    property alias text: valueText.text
    property bool isCurrent: false
    signal clicked

    objectName: "cell" + cellIndex
    source: (cellArea.containsMouse || isCurrent) ? mainIten.sourceBtnGroup_FILLER_1
                                                  : mainIten.sourceBtnGroup_FILLER_0

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
}
