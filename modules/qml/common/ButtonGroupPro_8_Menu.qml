import QtQuick

// One choice of the ButtonGroupPro_8 value chooser.
Rectangle {
    id: buttonGroupPro_8_Menu
    property int value: 0
    property int index: -1
    signal clicked

    width: 46
    height: 16
    radius: 3
    color: "#FF000000"
    opacity: enabled ? 1.0 : 0.2
    border.width: 1
    border.color: mouseArea.containsMouse ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable

    Text {
        anchors.centerIn: parent
        text: buttonGroupPro_8_Menu.value <= 0 ? "×" : buttonGroupPro_8_Menu.value
        font.bold: true
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: 11
        color: parent.border.color
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        onClicked: buttonGroupPro_8_Menu.clicked()
    }
}
