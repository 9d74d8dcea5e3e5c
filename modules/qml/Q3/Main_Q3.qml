import QtQuick
import "../common"

// The keyboard model's frame: function menu, profile menu and the page area.
Item {
    id: mainItem_Q3
    width: 1000
    height: 600

    signal msg_KB(bool isDown, int usbCode)

    property var _HWDef: []
    property var _UsbStr: []
    property var _UsbCode: []
    property int _MaxProfile: 0

    // Disabled and dimmed while the settings panel is open.
    readonly property bool frameEnabled: !upItem.isGlobalSettingSelect

    // The four pages are built once the window has shown its first frame
    // (the backend calls buildPages then), at the latest when the page area
    // is first shown: the start does not wait for what it does not show yet.
    // Until then the calls that set the pages up are left out; building
    // them makes those calls with the state of that moment.
    property bool pagesWanted: false
    property bool initialised: false

    function builtPages() {
        return pagesWanted ? [keydefinePage.item, macroPage.item, colorPage.item, backLightingPage.item]
                           : []
    }

    function initUI() {
        _HWDef = ui_View.loadHWDef()
        _UsbStr = ui_View.loadUsbStr()
        _UsbCode = ui_View.loadUsbCode()
        _MaxProfile = ui_View.getMaxProfile()
        _KeyCodeString.initUI(_HWDef, _UsbStr, _UsbCode)
        pfItem.initProfile(_MaxProfile)
        pfItem.currentIndex = ui_View.ui_A1H_GetCurrentProfile()
        ui_View.syncLed()
        initialised = true
        if (pagesWanted)
            setUpPages()
    }

    // The pages' first set-up: the key and colour pages take the keyboard's
    // drawing as well.
    function setUpPages() {
        keydefinePage.item.initUI(true, _HWDef)
        macroPage.item.initUI()
        colorPage.item.initUI(true, _HWDef)
        backLightingPage.item.initUI()
    }

    function buildPages() {
        if (pagesWanted)
            return
        pagesWanted = true
        var pages = builtPages()
        for (var i = 0; i < pages.length; ++i)
            pages[i].translateStrings()
        if (initialised)
            setUpPages()
    }

    // The lighting pages read the current profile again.
    function reloadLighting() {
        if (!pagesWanted)
            return
        colorPage.item.initUI()
        backLightingPage.item.initUI()
        colorPage.item.playEffect(colorPage.item.visible)
    }

    function zzzMorvat() {
        reloadLighting()
    }

    function playOnPowerOn() {
        script_PowerOn.restart()
    }

    function setSkin() {
        fnItem.setSkin()
    }

    function translateStrings(code) {
        var pages = builtPages()
        for (var i = 0; i < pages.length; ++i)
            pages[i].translateStrings()
        fnItem.translateStrings()
        pfItem.translateStrings()
    }

    Connections {
        target: mainIten
        function onMsg_KB(isDown, usbCode) {
            mainItem_Q3.msg_KB(isDown, usbCode)
        }
    }

    Flickable {
        id: _fkPage
        objectName: "_fkPage"
        x: 171
        y: 96
        width: 759
        height: 442
        clip: true
        interactive: false
        visible: false
        enabled: mainItem_Q3.frameEnabled
        opacity: 0.2 + 0.8 * (enabled ? 1 : 0)
        contentWidth: width
        contentHeight: height

        property int curID: 0

        function show(index) {
            mainIten.playMedia(0x02)
            if (paBack_X.running) {
                paBack_X.tmpIndex = index
                paBack_X.complete()
                return
            }
            if (pa_X.running) {
                curID = index
                pa_X.complete()
                return
            }
            if (index < 0) {
                paBack_X.tmpIndex = index
                paBack_X.restart()
            } else if (paBack_X.tmpIndex < 0) {
                paBack_X.tmpIndex = index
                curID = index
                pa_X.restart()
            } else {
                paBack_X.tmpIndex = index
                paBack_X.restart()
            }
        }

        Loader {
            id: keydefinePage
            active: mainItem_Q3.pagesWanted
            sourceComponent: Page_Keydefine {
                objectName: "_Page_Keydefine"
                visible: _fkPage.curID === 0
            }
        }

        Loader {
            id: macroPage
            y: 46
            active: mainItem_Q3.pagesWanted
            sourceComponent: Page_Macro {
                objectName: "_Page_Macro"
                visible: _fkPage.curID === 1
            }
        }

        Loader {
            id: colorPage
            active: mainItem_Q3.pagesWanted
            sourceComponent: Page_Color {
                objectName: "_Page_Color"
                visible: _fkPage.curID === 2
            }
        }

        Loader {
            id: backLightingPage
            y: 46
            active: mainItem_Q3.pagesWanted
            sourceComponent: Page_BackLighting {
                objectName: "_Page_BackLighting"
                visible: _fkPage.curID === 3
            }
        }

        NumberAnimation {
            id: pa_X
        objectName: "pa_X"
            target: _fkPage
            property: "contentX"
            from: -2 * 759
            to: 0
            easing.type: Easing.OutCubic
            duration: 0.5 * mainIten.animation_speed
        }

        NumberAnimation {
            id: paBack_X
        objectName: "paBack_X"
            property int tmpIndex: -1
            target: _fkPage
            property: "contentX"
            from: 0
            to: -2 * 759
            easing.type: Easing.InCubic
            duration: 0.5 * mainIten.animation_speed
            onFinished: {
                _fkPage.curID = tmpIndex
                if (tmpIndex >= 0)
                    pa_X.restart()
            }
        }
    }

    Menu_Func {
        id: fnItem
        objectName: "fnItem"
        x: 8
        y: 180
        visible: false
        currentIndex: -1
        enabled: mainItem_Q3.frameEnabled
        opacity: 0.2 + 0.8 * (enabled ? 1 : 0)
        onIndexChanged_btn: function(index) {
            _fkPage.show(index)
        }
    }

    Menu_Prof {
        id: pfItem
        objectName: "pfItem"
        x: 1000 - width - 8
        y: 95
        visible: false
        enabled: mainItem_Q3.frameEnabled
        opacity: 0.2 + 0.8 * (enabled ? 1 : 0)
        onIndexChanged_btn: function(index) {
            ui_View.ui_21H_SetCurrentProfile(index)
            if (mainItem_Q3.pagesWanted)
                keydefinePage.item.initUI()
            ui_View.syncLed()
            mainItem_Q3.reloadLighting()
        }
    }

    KeyCodeString {
        id: _KeyCodeString
        objectName: "_KeyCodeString"
    }

    ParallelAnimation {
        id: script_PowerOn
        onStarted: {
            pfItem.x = 1000
            fnItem.x = -150
            pfItem.visible = true
            fnItem.visible = true
        }
        onFinished: {
            mainItem_Q3.buildPages()
            _fkPage.visible = true
            _fkPage.curID = fnItem.currentIndex
            pa_X.restart()
        }
        NumberAnimation {
            target: pfItem; property: "x"; from: 1000; to: 1000 - pfItem.width - 8
            easing.type: Easing.OutElastic; duration: mainIten.animation_speed
        }
        NumberAnimation {
            target: fnItem; property: "x"; from: -150; to: 8
            easing.type: Easing.OutElastic; duration: mainIten.animation_speed
        }
    }
}
