import QtQuick

// A page's label or heading: bold, in the scene's text colour and font,
// `extraSize` pixels larger than the scene's text size.
Text {
    property int extraSize: 0
    font.bold: true
    font.family: mainIten.globalSetting_fontFamily
    font.pixelSize: mainIten.globalSetting_size + extraSize
    color: mainIten.globalSetting_color
}
