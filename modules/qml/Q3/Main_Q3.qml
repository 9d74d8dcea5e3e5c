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

    // Whether the macro page takes every key (recording, or its key field
    // waiting for a key).
    readonly property bool macroTakesKeys: macroPage.item ? macroPage.item.capturingKeys === true : false

    // A page hidden while the keyboard focus is in it hands the focus to the
    // function menu: to the entry of the page shown, or to its own entry when
    // none is shown. The focus never stays on a control out of sight.
    function moveFocusOffHiddenPage(index) {
        if (mainIten.frame && mainIten.frame.holdsFocus(pageLoaders[index]))
            fnItem.focusEntry(fnItem.currentIndex >= 0 ? fnItem.currentIndex : index)
    }

    // Page `index` chosen from the keyboard (F1 to F4): as a click on its
    // function menu entry, except that the page shown stays shown; the entry
    // takes the focus.
    function showPageFromKey(index) {
        fnItem.choose(index)
        fnItem.focusEntry(index)
    }

    // Each page is built when it is first shown or needed (see page()): the
    // start does not wait for what it does not show, and a page never opened
    // costs nothing. A page built after initUI is set up with the state of
    // that moment.
    property bool initialised: false
    readonly property var pageLoaders: [keydefinePage, macroPage, colorPage, backLightingPage]

    function builtPages() {
        var pages = []
        for (var i = 0; i < pageLoaders.length; ++i) {
            if (pageLoaders[i].item)
                pages.push(pageLoaders[i].item)
        }
        return pages
    }

    // Page `index` (0 keys, 1 macros, 2 lighting, 3 back-lighting), built
    // and set up on first use.
    function page(index) {
        var loader = pageLoaders[index]
        if (!loader.item) {
            loader.setSource(loader.pageSource, { objectName: loader.pageName })
            loader.item.translateStrings()
            if (initialised)
                setUpPage(index)
        }
        return loader.item
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
        for (var i = 0; i < pageLoaders.length; ++i) {
            if (pageLoaders[i].item)
                setUpPage(i)
        }
    }

    // A page's first set-up: the key and colour pages take the keyboard's
    // drawing as well.
    function setUpPage(index) {
        var loader = pageLoaders[index]
        if (loader.drawsKeyboard)
            loader.item.initUI(true, _HWDef)
        else
            loader.item.initUI()
    }

    // The lighting pages read the current profile again.
    function reloadLighting() {
        if (colorPage.item)
            colorPage.item.initUI()
        if (backLightingPage.item)
            backLightingPage.item.initUI()
        if (colorPage.item)
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

    // ALL RESET and ALL SAVE on the bottom bar act on every page with
    // keyboard settings, opened before or not.
    Connections {
        target: downItem
        function onBtnTotalResetClicked() {
            mainItem_Q3.page(0).resetAll()
            mainItem_Q3.page(2).pageReset()
            mainItem_Q3.page(3).pageReset()
        }
        function onBtnTotalApplyClicked() {
            mainItem_Q3.page(0).apply()
            mainItem_Q3.page(2).pageApply()
            mainItem_Q3.page(3).pageApply()
        }
    }

    // Function menu, page area, profile menu: the keyboard's order. The menu
    // stays drawn over the page area (z).
    Menu_Func {
        id: fnItem
        objectName: "fnItem"
        z: 1
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
            if (index >= 0)
                mainItem_Q3.page(index)
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

        // Each page by its address: its types are compiled when it is first
        // built (see page()), not with the frame.
        Loader {
            id: keydefinePage
            readonly property string pageSource: "Page_Keydefine.qml"
            readonly property string pageName: "_Page_Keydefine"
            readonly property bool drawsKeyboard: true
            visible: _fkPage.curID === 0
            onVisibleChanged: if (!visible) mainItem_Q3.moveFocusOffHiddenPage(0)
        }

        Loader {
            id: macroPage
            readonly property string pageSource: "Page_Macro.qml"
            readonly property string pageName: "_Page_Macro"
            readonly property bool drawsKeyboard: false
            y: 46
            visible: _fkPage.curID === 1
            onVisibleChanged: if (!visible) mainItem_Q3.moveFocusOffHiddenPage(1)
        }

        Loader {
            id: colorPage
            readonly property string pageSource: "Page_Color.qml"
            readonly property string pageName: "_Page_Color"
            readonly property bool drawsKeyboard: true
            visible: _fkPage.curID === 2
            onVisibleChanged: if (!visible) mainItem_Q3.moveFocusOffHiddenPage(2)
        }

        Loader {
            id: backLightingPage
            readonly property string pageSource: "Page_BackLighting.qml"
            readonly property string pageName: "_Page_BackLighting"
            readonly property bool drawsKeyboard: false
            y: 46
            visible: _fkPage.curID === 3
            onVisibleChanged: if (!visible) mainItem_Q3.moveFocusOffHiddenPage(3)
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
            if (keydefinePage.item)
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
            if (fnItem.currentIndex >= 0)
                mainItem_Q3.page(fnItem.currentIndex)
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
