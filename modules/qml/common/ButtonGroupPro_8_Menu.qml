import QtQuick

// One choice of the ButtonGroupPro_8 value chooser. The chooser takes the
// keyboard focus and puts its keyboard place on a choice with `focusTarget`
// and `underKeys`.
Rectangle {
    id: buttonGroupPro_8_Menu
    property int value: 0
    property int index: -1
    property Item focusTarget: null
    property bool underKeys: false
    signal clicked

    width: 46
    height: 16
    radius: 3
    color: "#FF000000"
    opacity: enabled ? 1.0 : 0.2
    border.width: 1
    border.color: mouseArea.containsMouse ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable

    Accessible.role: Accessible.MenuItem
    Accessible.name: value <= 0 ? mainIten.globalString(127) : String(value)
    Accessible.onPressAction: buttonGroupPro_8_Menu.clicked()

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

    FocusMark {
        objectName: "focusMark"
        target: buttonGroupPro_8_Menu.focusTarget
        shown: buttonGroupPro_8_Menu.underKeys
    }
}
