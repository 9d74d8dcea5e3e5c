import QtQuick
import "../common"
import "../common/KeyActions.js" as KeyActions

// Top bar: the settings button on the left, the close button on the right.
// In the keyboard's order the website link (the root's logo) comes between
// the two; the logo sets up those links.
Item {
    id: menuUp
    property bool isGlobalSettingSelect: false
    readonly property alias settingsButton: _btnSetting
    readonly property alias closeButton: _btnClose
    signal btnClicked(int btnIndex)
    // The settings button worked from the keyboard (or a screen reader):
    // the frame then moves the focus into the panel it opened.
    signal settingsActivatedByKey

    width: _container.width + 16
    height: _container.height + 16

    function clickSettings() {
        mainIten.playMedia(0x02)
        btnClicked(0)
    }

    Image {
        id: _container
        anchors.centerIn: parent
        source: mainIten.sourceListUpContainer

        Image {
            id: _btnSetting
            objectName: "settingsButton"
            x: 5
            y: -3
            source: (menuUp.isGlobalSettingSelect || _settingArea.containsMouse) ? mainIten.sourceAS1
                                                                                : mainIten.sourceAS0
            activeFocusOnTab: true

            Accessible.role: Accessible.Button
            Accessible.name: mainIten.globalString(115)
            Accessible.focusable: true
            Accessible.checkable: true
            Accessible.checked: menuUp.isGlobalSettingSelect
            Accessible.onPressAction: {
                menuUp.clickSettings()
                menuUp.settingsActivatedByKey()
            }

            Keys.onPressed: function(event) {
                if (!KeyActions.isActivation(event))
                    return
                event.accepted = true
                if (event.isAutoRepeat)
                    return
                menuUp.clickSettings()
                menuUp.settingsActivatedByKey()
            }

            MouseArea {
                id: _settingArea
                anchors.fill: parent
                hoverEnabled: true
                onClicked: menuUp.clickSettings()
            }

            FocusMark {}
        }

        Button_2state {
            id: _btnClose
            objectName: "closeButton"
            anchors.right: parent.right
            anchors.rightMargin: 5
            y: -3
            source0: mainIten.sourceAM0
            source1: mainIten.sourceAM1
            Accessible.name: mainIten.globalString(116)
            onClicked: menuUp.btnClicked(1)
        }
    }
}
