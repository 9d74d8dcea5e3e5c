import QtQuick

// Check box with a label; a click inverts isSelect and reports the new value.
Item {
    id: checkbox
    property bool isSelect: false
    property string chkStr: ""
    signal clicked(bool select)

    implicitWidth: box.width + label.width + 5
    implicitHeight: box.height
    opacity: (!enabled || mouseArea.pressed) ? 0.2 : 1.0

    Image {
        id: box
        source: checkbox.isSelect ? mainIten.sourceCHK1 : mainIten.sourceCHK0
    }

    Text {
        id: label
        x: box.width + 5
        anchors.verticalCenter: box.verticalCenter
        text: checkbox.chkStr
        font.bold: true
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        color: mainIten.globalSetting_color
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            if (typeof ui_View !== "undefined" && typeof ui_View.playMedia_Index === "function")
                ui_View.playMedia_Index(0x04)
            checkbox.isSelect = !checkbox.isSelect
            checkbox.clicked(checkbox.isSelect)
        }
    }
}
