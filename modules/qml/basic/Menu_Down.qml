import QtQuick
import "../common"

// Bottom bar: all-reset and all-save for the key and lighting pages.
Item {
    id: menuDown
    signal btnTotalResetClicked
    signal btnTotalApplyClicked

    // ALL SAVE as a click on it does (the window's Ctrl+S).
    function saveAll() {
        _btnApply.click()
    }

    width: _container.width + 18
    height: _container.height + 18

    function setSkin() {
    }

    Image {
        id: _container
        anchors.centerIn: parent
        source: mainIten.sourceListDnContainer

        Button_2state {
            id: _btnReset
            objectName: "allResetButton"
            x: 350
            y: 13
            source0: mainIten.sourceReset0
            source1: mainIten.sourceReset1
            Accessible.name: mainIten.globalString(113)
            onClicked: {
                mainIten.setProtectUI(800)
                menuDown.btnTotalResetClicked()
            }
        }

        Text {
            id: _txtReset
            anchors.left: _btnReset.right
            anchors.leftMargin: 5
            anchors.verticalCenter: _btnReset.verticalCenter
            text: mainIten.globalString(113)
            Accessible.ignored: true
            font.bold: true
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            color: _btnReset.mouse.containsMouse ? mainIten.globalSetting_color
                                                 : mainIten.globalSetting_color_enable
        }

        Button_2state {
            id: _btnApply
            objectName: "allSaveButton"
            x: 350 + _btnReset.width + _txtReset.width + 35
            y: 13
            source0: mainIten.sourceApply0
            source1: mainIten.sourceApply1
            Accessible.name: mainIten.globalString(114)
            onClicked: {
                mainIten.setProtectUI(2000)
                menuDown.btnTotalApplyClicked()
            }
        }

        Text {
            anchors.left: _btnApply.right
            anchors.leftMargin: 5
            anchors.verticalCenter: _btnApply.verticalCenter
            text: mainIten.globalString(114)
            Accessible.ignored: true
            font.bold: true
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            color: _btnApply.mouse.containsMouse ? mainIten.globalSetting_color
                                                 : mainIten.globalSetting_color_enable
        }
    }
}
