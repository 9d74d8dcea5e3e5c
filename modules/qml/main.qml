import QtQuick
import "./basic"
import "./common"
import "./Q3"

// The scene's root: the whole window. The backend drives it through the root
// functions setProtectUI, initUI, run, buildPages, zzzMorvat, detectKeyboard
// and detectMouse; it stays invisible until "run".
Item {
    id: mainIten
    width: 1000
    height: 600
    visible: false

    // Appearance, restyled at once by the settings page.
    property int globalSetting_size: _Page_Globalsetting._Size
    property color globalSetting_color: _Page_Globalsetting._Color
    property color globalSetting_color_enable: _Page_Globalsetting._ColorEnable
    property color globalSetting_color_disable: _Page_Globalsetting._ColorDisable
    property int animation_speed: _Page_Globalsetting._AnimationSpeed
    property var globalSetting_stringList: _Page_Globalsetting._StringList
    property string globalSetting_fontFamily: _Page_Globalsetting._FontFamily
    property string globalSetting_url: _Page_Globalsetting._Url
    property int skin_No: _Page_Globalsetting.skin_No
    property bool isCustomBackground: _Page_Globalsetting.isCustomBackground
    property url sourceCustomBackground: _Page_Globalsetting.sourceCustomBackground

    // Skin pictures, read from the program directory.
    readonly property string skinPath: "file:modules/img/skin" + skin_No
    property url sourceBackground: skinPath + "/background.png"
    property url sourceFrameBackground: skinPath + "/frame/frameBackground.png"
    property url sourceDecoration1: skinPath + "/frame/decoration1.png"
    property url sourceDecoration2: skinPath + "/frame/decoration2.png"
    property url sourceListUpContainer: skinPath + "/list_up/listUpContainer.png"
    property url sourceAS0: skinPath + "/list_up/applicationSetting_0.png"
    property url sourceAS1: skinPath + "/list_up/applicationSetting_1.png"
    property url sourceAM0: skinPath + "/list_up/applicationMinimize_0.png"
    property url sourceAM1: skinPath + "/list_up/applicationMinimize_1.png"
    property url sourceListDnContainer: skinPath + "/list_dn/listDnContainer.png"
    property url sourceListPfContainer: skinPath + "/list_pf/listPfContainer.png"
    property url sourceFW0: skinPath + "/list_pf/profileFW_0.png"
    property url sourceFW1: skinPath + "/list_pf/profileFW_1.png"
    property url sourceListFnBtn_0: skinPath + "/list_fn/listFnBtn_0.png"
    property url sourceListFnBtn_1: skinPath + "/list_fn/listFnBtn_1.png"
    property url sourceGlobalsettingBackground: skinPath + "/list_center/globalsettingBackground.png"
    property url sourceFnColorBackground: skinPath + "/list_center/fnColorBackground.png"
    property url sourceFnKeydefineBackground: skinPath + "/list_center/fnKeydefineBackground.png"
    property url sourceFnCommonBackground: skinPath + "/list_center/fnCommonBackground.png"
    property url sourceSlider: skinPath + "/common/slider_BASE.png"
    property url sourceLine: skinPath + "/common/draw_line.png"
    property url sourceFilelist: skinPath + "/common/filelist_BASE.png"
    property url sourceInputValue: skinPath + "/common/draw_inputValue.png"
    property url sourcePaletteIndex: skinPath + "/common/draw_paletteIndex.png"
    property url sourcePalette: skinPath + "/common/draw_palette.png"
    property url sourceCHK0: skinPath + "/common/checkbox_0.png"
    property url sourceCHK1: skinPath + "/common/checkbox_1.png"
    property url sourceReset0: skinPath + "/common/reset_0.png"
    property url sourceReset1: skinPath + "/common/reset_1.png"
    property url sourceApply0: skinPath + "/common/apply_0.png"
    property url sourceApply1: skinPath + "/common/apply_1.png"
    property url sourceFram2btn: skinPath + "/common/fram_2btn.png"
    property url sourceAdd0: skinPath + "/common/add_0.png"
    property url sourceAdd1: skinPath + "/common/add_1.png"
    property url sourceDelete0: skinPath + "/common/delete_0.png"
    property url sourceDelete1: skinPath + "/common/delete_1.png"
    property url sourceRecord0: skinPath + "/common/record_0.png"
    property url sourceRecord1: skinPath + "/common/record_1.png"
    property url sourceStop0: skinPath + "/common/stop_0.png"
    property url sourceStop1: skinPath + "/common/stop_1.png"
    property url sourceSolidDelete0: skinPath + "/common/solid-delete_0.png"
    property url sourceSolidDelete1: skinPath + "/common/solid-delete_1.png"
    property url sourceSolidCut0: skinPath + "/common/solid-cut_0.png"
    property url sourceSolidCut1: skinPath + "/common/solid-cut_1.png"
    property url sourceSolidPaste0: skinPath + "/common/solid-paste_0.png"
    property url sourceSolidPaste1: skinPath + "/common/solid-paste_1.png"
    property url sourceSolidCopy0: skinPath + "/common/solid-copy_0.png"
    property url sourceSolidCopy1: skinPath + "/common/solid-copy_1.png"
    property url sourceSliderFiller0: skinPath + "/common/slider_FILLER_0.png"
    property url sourceSliderFiller1: skinPath + "/common/slider_FILLER_1.png"
    property url sourceBtnGroup_4_BASE: skinPath + "/common/btnGroup_4_BASE.png"
    property url sourceBtnGroup_8_BASE: skinPath + "/common/btnGroup_8_BASE.png"
    property url sourceBtnGroup_FILLER_0: skinPath + "/common/btnGroup_FILLER_0.png"
    property url sourceBtnGroup_FILLER_1: skinPath + "/common/btnGroup_FILLER_1.png"
    property url sourceSlider_11_BASE: skinPath + "/common/slider_11_BASE.png"
    property url sourceSlider_11_FILLER_0: skinPath + "/common/slider_11_FILLER_0.png"
    property url sourceSlider_11_FILLER_1: skinPath + "/common/slider_11_FILLER_1.png"
    property url sourceBtnFileListFrame: skinPath + "/common/btnFileListFrame.png"
    property url sourceBtnFrame: skinPath + "/common/btnFrame.png"

    signal msg_KB(bool isDown, int usbCode)

    // Calls into ui_View. The backend publishes it only after the scene has
    // loaded, so no binding or Component.onCompleted handler touches it.
    // Sound cues, which every control plays, go through playMedia(), the one
    // guarded call: a cue can be dropped where no backend is published. All
    // other calls are made directly: they run from the backend's own calls
    // into this root (setProtectUI, initUI, run, zzzMorvat) or from user
    // input, both of which come after publication.
    function playMedia(index) {
        if (typeof ui_View !== "undefined")
            ui_View.playMedia_Index(index)
    }

    // Text `index` of the active string table, or `fallback` while the table
    // is shorter (before the settings page has loaded it).
    function globalString(index, fallback) {
        var strings = globalSetting_stringList
        return (strings && strings.length > index) ? strings[index] : fallback
    }

    // Busy protection: input is off until the timer runs out; a call while
    // busy starts the time again with the new interval. A negative interval
    // would never run out: it counts as 0 (the next turn of the event loop).
    function setProtectUI(interval) {
        protectUIItem.setBusy(true)
        ui_View.setEnabled(false)
        tmrProtectUI.interval = Math.max(0, interval)
        tmrProtectUI.restart()
    }

    function initUI() {
        _Page_Globalsetting.initUI()
        main_Q3.initUI()
    }

    function zzzMorvat() {
        main_Q3.zzzMorvat()
    }

    // After the first frame that shows the window: the pages it does not
    // show yet.
    function buildPages() {
        main_Q3.buildPages()
    }

    function run() {
        script0.restart()
    }

    function detectKeyboard(isDown, usbCode) {
        msg_KB(isDown, usbCode)
    }

    function detectMouse(isDown, vornCode, x, y) {
    }

    function setSkin() {
        downItem.setSkin()
        main_Q3.setSkin()
    }

    function translateStrings(code) {
        _Page_Globalsetting.translateStrings()
        main_Q3.translateStrings(code)
    }

    MouseArea {
        id: dragRegion
        anchors.fill: parent
        hoverEnabled: true
        property int clickPosX: 0
        property int clickPosY: 0
        onPressed: function(mouse) {
            clickPosX = mouse.x
            clickPosY = mouse.y
        }
        onPositionChanged: function(mouse) {
            if (!pressed)
                return
            ui_Ctl.onXChanged(mouse.x - clickPosX)
            ui_Ctl.onYChanged(mouse.y - clickPosY)
        }
    }

    BusyIndicator {
        id: protectUIItem
        objectName: "protectUIItem"
        anchors.centerIn: parent
        z: 99
    }

    Timer {
        id: tmrProtectUI
        objectName: "tmrProtectUI"
        interval: 1000
        repeat: false
        // Not on running turning false: restart() stops the timer first.
        onTriggered: {
            ui_View.setEnabled(true)
            protectUIItem.setBusy(false)
        }
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
                scriptEnd.restart()
        }
        onIsGlobalSettingSelectChanged: {
            if (isGlobalSettingSelect)
                _fkGlobalsetting.show()
            else
                _fkGlobalsetting.close()
        }
    }

    Image {
        id: logoWeb_img
        objectName: "logoWeb_img"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 270
        opacity: 0
        source: _logoArea.containsMouse ? mainIten.skinPath + "/frame/web_1.png"
                                        : mainIten.skinPath + "/frame/web_0.png"
        MouseArea {
            id: _logoArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: {
                mainIten.playMedia(0x03)
                Qt.openUrlExternally(mainIten.globalSetting_url)
            }
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

    // Power-on: the logo fades in and rises, then the frame appears.
    SequentialAnimation {
        id: script0
        onStarted: {
            mainIten.playMedia(0x01)
            mainIten.visible = true
        }
        onFinished: {
            script1.restart()
            main_Q3.playOnPowerOn()
        }
        NumberAnimation {
            target: logoWeb_img; property: "opacity"; from: 0.0; to: 1.0
            easing.type: Easing.InCirc; duration: mainIten.animation_speed
        }
        NumberAnimation {
            target: logoWeb_img; property: "y"; from: 270; to: 4
            easing.type: Easing.OutExpo; duration: 1.5 * mainIten.animation_speed
        }
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
    }

    ParallelAnimation {
        id: script1
        NumberAnimation {
            target: upItem; property: "y"; from: -600; to: 0
            easing.type: Easing.OutElastic; duration: mainIten.animation_speed
        }
        NumberAnimation {
            target: downItem; property: "y"; from: 600; to: 600 - downItem.height
            easing.type: Easing.OutElastic; duration: mainIten.animation_speed
        }
    }

    // Closing: the scene shrinks to nothing, then the window closes.
    NumberAnimation {
        id: scriptEnd
        target: mainIten
        property: "height"
        from: 600
        to: 0
        easing.type: Easing.InOutCubic
        duration: mainIten.animation_speed
        onFinished: ui_Ctl.onMinimize()
    }
}
