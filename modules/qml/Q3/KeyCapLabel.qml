import QtQuick

// The label of a key cap, centred on its parent: bold 11 pixels, narrowed
// just enough to stay on the cap when the name is wider ("PrtSc" on a
// one-unit cap).
Text {
    readonly property int margin: 2
    anchors.centerIn: parent
    width: parent.width - 2 * margin
    horizontalAlignment: Text.AlignHCenter
    font.bold: true
    font.pixelSize: 11
    font.family: mainIten.globalSetting_fontFamily
    fontSizeMode: Text.HorizontalFit
    minimumPixelSize: 7
}
