import QtQuick
import "../Q3"

// Everything the window shows but the logo: background and frame, the
// keyboard model's frame with its pages, the top and bottom bars and the
// settings panel. The root builds it after the first frame; until then it
// has nothing to show, the power-on starting with the logo alone.
Item {
    width: 1000
    height: 600

    property alias settingsPage: _Page_Globalsetting

    function initUI() {
        _Page_Globalsetting.initUI()
        main_Q3.initUI()
    }

    function zzzMorvat() {
        main_Q3.zzzMorvat()
    }

    function setSkin() {
        downItem.setSkin()
        main_Q3.setSkin()
    }

    function translateStrings(code) {
        _Page_Globalsetting.translateStrings()
        main_Q3.translateStrings(code)
    }

    // The frame's part of the power-on, after the logo's.
    function powerOn() {
        framePowerOn.restart()
    }

    Environment {
        id: envItem
        objectName: "envItem"
        width: 1000
        height: 600
        opacity: 0
    }

    Main_Q3 {
        id: main_Q3
        objectName: "main_Q3"
        width: 1000
        height: 600
    }

    Environment_Decoration {
        id: envDecorationItem
        objectName: "envDecorationItem"
        width: 1000
        height: 600
        opacity: 0
    }

    Menu_Down {
        id: downItem
        objectName: "downItem"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 600
        enabled: !upItem.isGlobalSettingSelect
        opacity: 0.2 + 0.8 * (enabled ? 1 : 0)
    }

    Menu_Up {
        id: upItem
        objectName: "upItem"
        anchors.horizontalCenter: parent.horizontalCenter
        y: -600
        onBtnClicked: function(btnIndex) {
            if (btnIndex === 0)
                isGlobalSettingSelect = !isGlobalSettingSelect
            else if (btnIndex === 1)
                mainIten.close()
        }
        onIsGlobalSettingSelectChanged: {
            if (isGlobalSettingSelect)
                _fkGlobalsetting.show()
            else
                _fkGlobalsetting.close()
        }
    }

    Flickable {
        id: _fkGlobalsetting
        objectName: "_fkGlobalsetting"
        x: 5
        y: 27
        width: 340
        height: 420
        clip: true
        interactive: false
        visible: false
        contentWidth: _Page_Globalsetting.width
        contentHeight: _Page_Globalsetting.height

        function show() {
            if (paGlobalsettingBack_X.running) {
                paGlobalsettingBack_X.complete()
                show()
            } else if (paGlobalsetting_X.running) {
                paGlobalsetting_X.complete()
            } else {
                visible = true
                paGlobalsetting_X.restart()
            }
        }

        function close() {
            if (paGlobalsettingBack_X.running) {
                paGlobalsettingBack_X.complete()
            } else if (paGlobalsetting_X.running) {
                paGlobalsetting_X.complete()
                close()
            } else {
                paGlobalsettingBack_X.restart()
            }
        }

        Page_Globalsetting {
            id: _Page_Globalsetting
            objectName: "_Page_Globalsetting"
        }

        NumberAnimation {
            id: paGlobalsetting_X
            objectName: "paGlobalsetting_X"
            target: _fkGlobalsetting
            property: "contentX"
            from: 340
            to: 0
            easing.type: Easing.OutCubic
            duration: 0.8 * mainIten.animation_speed
        }

        NumberAnimation {
            id: paGlobalsettingBack_X
            objectName: "paGlobalsettingBack_X"
            target: _fkGlobalsetting
            property: "contentX"
            from: 0
            to: 340
            easing.type: Easing.OutCubic
            duration: 0.8 * mainIten.animation_speed
            onStopped: _fkGlobalsetting.visible = false
        }
    }

    SequentialAnimation {
        id: framePowerOn
        ParallelAnimation {
            NumberAnimation {
                target: envItem; property: "opacity"; from: 0.0; to: 1.0
                easing.type: Easing.OutCirc; duration: mainIten.animation_speed
            }
            NumberAnimation {
                target: envDecorationItem; property: "opacity"; from: 0.0; to: 1.0
                easing.type: Easing.OutCirc; duration: mainIten.animation_speed
            }
        }
        ScriptAction {
            script: main_Q3.playOnPowerOn()
        }
        ParallelAnimation {
            NumberAnimation {
                target: upItem; property: "y"; from: -600; to: 0
                easing.type: Easing.OutElastic; duration: mainIten.animation_speed
            }
            NumberAnimation {
                target: downItem; property: "y"; from: 600; to: 600 - downItem.height
                easing.type: Easing.OutElastic; duration: mainIten.animation_speed
            }
        }
    }
}
