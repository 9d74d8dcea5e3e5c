import QtQuick
import "../common"

// Top bar: the settings button on the left, the close button on the right.
Item {
    id: menuUp
    property bool isGlobalSettingSelect: false
    signal btnClicked(int btnIndex)

    width: _container.width + 16
    height: _container.height + 16

    Image {
        id: _container
        anchors.centerIn: parent
        source: mainIten.sourceListUpContainer

        Image {
            id: _btnSetting
            x: 5
            y: -3
            source: (menuUp.isGlobalSettingSelect || _settingArea.containsMouse) ? mainIten.sourceAS1
                                                                                : mainIten.sourceAS0
            MouseArea {
                id: _settingArea
                anchors.fill: parent
                hoverEnabled: true
                onClicked: {
                    mainIten.playMedia(0x02)
                    menuUp.btnClicked(0)
                }
            }
        }

        Button_2state {
            id: _btnClose
            anchors.right: parent.right
            anchors.rightMargin: 5
            y: -3
            source0: mainIten.sourceAM0
            source1: mainIten.sourceAM1
            onClicked: menuUp.btnClicked(1)
        }
    }
}
