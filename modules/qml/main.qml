import QtQuick
import "./basic"
import "common"
import "common/KeyActions.js" as KeyActions
import "basic/SettingsList.js" as SettingsList
import "basic/BuiltInStrings.js" as BuiltInStrings

// The scene's root: the whole window. The backend drives it through the root
// functions setProtectUI, initUI, run, buildPages, zzzMorvat, detectKeyboard
// and detectMouse; it stays invisible until "run". It holds the keyboard
// focus while no control does, and takes the keys no control took: the
// frame's Escape and shortcuts (see Frame.handleKey).
Item {
    id: mainIten
    width: 1000
    height: 600
    visible: false
    focus: true

    Keys.onPressed: function(event) {
        if (frame)
            frame.handleKey(event)
    }

    // While true the scene takes no input (see setProtectUI); the busy
    // indicator holds the keyboard focus meanwhile.
    readonly property bool busy: protectUIItem.isBusy

    // The frame (see buildPages); null until it is built.
    readonly property var frame: frameLoader.item
    // Whether the backend's initUI has come: the frame makes it when built.
    property bool initWanted: false
    // The animation time base the settings file asks for, read before the
    // frame and its settings panel exist: the power-on starts with it.
    property int startAnimationSpeed: SettingsList.speedOn

    // Appearance, restyled at once by the settings page; its built-in values
    // until the frame is built (nothing but the logo shows until then).
    readonly property var settingsPage: frame ? frame.settingsPage : null
    property int globalSetting_size:
        settingsPage ? settingsPage._Size : SettingsList.builtInTextSize
    property color globalSetting_color:
        settingsPage ? settingsPage._Color : SettingsList.builtInTextColor
    property color globalSetting_color_enable:
        settingsPage ? settingsPage._ColorEnable : SettingsList.builtInTextColorEnable
    property color globalSetting_color_disable:
        settingsPage ? settingsPage._ColorDisable : SettingsList.builtInTextColorDisable
    property int animation_speed: settingsPage ? settingsPage._AnimationSpeed : startAnimationSpeed
    property var globalSetting_stringList: settingsPage ? settingsPage._StringList : []
    property string globalSetting_fontFamily:
        settingsPage ? settingsPage._FontFamily : SettingsList.builtInFontFamily
    property string globalSetting_url: settingsPage ? settingsPage._Url : SettingsList.builtInUrl
    property int skin_No: settingsPage ? settingsPage.skin_No : 1
    property bool isCustomBackground: settingsPage ? settingsPage.isCustomBackground : false
    property url sourceCustomBackground: settingsPage ? settingsPage.sourceCustomBackground : ""
    // The keyboard focus mark's colour: the light accent the skin is painted in.
    readonly property color focusMarkColor: skin_No === 2 ? "#FFD79A" : "#A8F4FC"

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

    // Text `index` of the active table; the English one where the table has
    // no such entry (also before the settings page has loaded a table).
    function globalString(index) {
        var strings = globalSetting_stringList
        return (strings && strings.length > index) ? strings[index] : BuiltInStrings.strings[index]
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

    // Before the frame is built only the settings the power-on needs are
    // read (sound and animations); building the frame makes the whole call.
    function initUI() {
        if (frame) {
            frame.initUI()
            return
        }
        initWanted = true
        var a = ui_View.loadApConfig()
        startAnimationSpeed = SettingsList.speedFor(SettingsList.animations(a))
        ui_View.setEnableAudio(SettingsList.sound(a) === 0)
    }

    function zzzMorvat() {
        if (frame)
            frame.zzzMorvat()
    }

    // The frame, which the first frame does not show (its pages are built
    // when first shown): the backend asks for it once that frame is on
    // screen, the power-on at the latest when the frame is to appear.
    function buildPages() {
        frameLoader.active = true
    }

    function close() {
        scriptEnd.restart()
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
        if (frame)
            frame.setSkin()
    }

    function translateStrings(code) {
        if (frame)
            frame.translateStrings(code)
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

    // The frame, built after the first frame (see buildPages).
    Loader {
        id: frameLoader
        objectName: "frameLoader"
        width: 1000
        height: 600
        active: false
        // By address: its types are compiled when it is built, not with the root.
        source: "basic/Frame.qml"
        onLoaded: {
            if (mainIten.initWanted)
                item.initUI()
        }
    }

    // Not in the Tab chain of its own: its two links put it between the top
    // bar's settings and close buttons (KeyNavigation sets the reverse link
    // on each of them).
    Image {
        id: logoWeb_img
        objectName: "logoWeb_img"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 270
        opacity: 0
        source: _logoArea.containsMouse ? mainIten.skinPath + "/frame/web_1.png"
                                        : mainIten.skinPath + "/frame/web_0.png"
        KeyNavigation.tab: mainIten.frame ? mainIten.frame.closeButton : null
        KeyNavigation.backtab: mainIten.frame ? mainIten.frame.settingsButton : null

        Accessible.role: Accessible.Button
        Accessible.name: mainIten.globalString(125)
        Accessible.focusable: true
        Accessible.onPressAction: logoWeb_img.openWebsite()

        function openWebsite() {
            mainIten.playMedia(0x03)
            Qt.openUrlExternally(mainIten.globalSetting_url)
        }

        Keys.onPressed: function(event) {
            if (!KeyActions.isActivation(event))
                return
            event.accepted = true
            if (!event.isAutoRepeat)
                openWebsite()
        }

        MouseArea {
            id: _logoArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: logoWeb_img.openWebsite()
        }

        FocusMark {}
    }

    // Power-on: the logo fades in and rises, then the frame appears.
    SequentialAnimation {
        id: script0
        onStarted: {
            mainIten.playMedia(0x01)
            mainIten.visible = true
        }
        NumberAnimation {
            target: logoWeb_img; property: "opacity"; from: 0.0; to: 1.0
            easing.type: Easing.InCirc; duration: mainIten.animation_speed
        }
        NumberAnimation {
            target: logoWeb_img; property: "y"; from: 270; to: 4
            easing.type: Easing.OutExpo; duration: 1.5 * mainIten.animation_speed
        }
        ScriptAction {
            script: {
                mainIten.buildPages()
                mainIten.frame.powerOn()
            }
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
