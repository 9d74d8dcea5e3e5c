import QtQuick
import "../Q3"

// Everything the window shows but the logo: background and frame, the
// keyboard model's frame with its pages, the top and bottom bars and the
// settings panel. The root builds it after the first frame; until then it
// has nothing to show, the power-on starting with the logo alone.
Item {
    id: frame
    width: 1000
    height: 600

    property alias settingsPage: _Page_Globalsetting
    readonly property alias settingsButton: upItem.settingsButton
    readonly property alias closeButton: upItem.closeButton

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

    function isInside(item, ancestor) {
        for (var at = item; at; at = at.parent) {
            if (at === ancestor)
                return true
        }
        return false
    }

    // Whether the keyboard focus is on `item` or inside it.
    function holdsFocus(item) {
        return isInside(Window.activeFocusItem, item)
    }

    // The settings panel's first control takes the focus.
    function focusSettingsPanel() {
        var first = _fkGlobalsetting.nextItemInFocusChain(true)
        if (isInside(first, _fkGlobalsetting))
            first.forceActiveFocus(Qt.TabFocusReason)
    }

    // Escape closes the settings panel as a click on its button does and
    // leaves the focus on that button.
    function closeSettings() {
        if (!upItem.isGlobalSettingSelect)
            return false
        upItem.clickSettings()
        settingsButton.forceActiveFocus(Qt.OtherFocusReason)
        return true
    }

    // The window's shortcuts (Ctrl+S, F1 to F4) act only while no text is
    // typed, no key is being taken by a key field or a macro recording, the
    // scene is not busy and the settings panel is closed.
    function shortcutsAllowed() {
        if (mainIten.busy || upItem.isGlobalSettingSelect || main_Q3.macroTakesKeys)
            return false
        var item = Window.activeFocusItem
        if (item && (item instanceof TextInput || item instanceof TextEdit || item.listening === true))
            return false
        return true
    }

    readonly property var pageKeys: [Qt.Key_F1, Qt.Key_F2, Qt.Key_F3, Qt.Key_F4]

    // A key no control took, from the root: Escape, Ctrl+S (ALL SAVE as a
    // click on it) and F1 to F4 (the function menu's pages in its order; the
    // page shown stays shown). Other keys are left alone.
    function handleKey(event) {
        var modifiers = event.modifiers & (Qt.ShiftModifier | Qt.ControlModifier | Qt.AltModifier
                                           | Qt.MetaModifier)
        if (event.key === Qt.Key_Escape && modifiers === 0) {
            event.accepted = closeSettings()
            return
        }
        var page = pageKeys.indexOf(event.key)
        var isSave = event.key === Qt.Key_S && modifiers === Qt.ControlModifier
        if ((page < 0 || modifiers !== 0) && !isSave)
            return
        if (!shortcutsAllowed())
            return
        event.accepted = true
        if (event.isAutoRepeat)
            return
        if (isSave)
            downItem.saveAll()
        else
            main_Q3.showPageFromKey(page)
    }

    // The frame's part of the power-on, after the logo's.
    function powerOn() {
        framePowerOn.restart()
    }

    // The keyboard's order is the order of these parts (top bar, settings
    // panel, function menu, page, profile menu, bottom bar); z keeps their
    // stacking.
    Environment {
        id: envItem
        objectName: "envItem"
        z: 0
        width: 1000
        height: 600
        opacity: 0
    }

    Menu_Up {
        id: upItem
        objectName: "upItem"
        z: 4
        anchors.horizontalCenter: parent.horizontalCenter
        y: -600
        onBtnClicked: function(btnIndex) {
            if (btnIndex === 0)
                isGlobalSettingSelect = !isGlobalSettingSelect
            else if (btnIndex === 1)
                mainIten.close()
        }
        onIsGlobalSettingSelectChanged: {
            if (isGlobalSettingSelect) {
                _fkGlobalsetting.show()
            } else {
                if (frame.holdsFocus(_fkGlobalsetting))
                    settingsButton.forceActiveFocus(Qt.OtherFocusReason)
                _fkGlobalsetting.close()
            }
        }
        onSettingsActivatedByKey: {
            if (isGlobalSettingSelect)
                frame.focusSettingsPanel()
        }
    }

    Flickable {
        id: _fkGlobalsetting
        objectName: "_fkGlobalsetting"
        z: 5
        x: 5
        y: 27
        width: 340
        height: 420
        clip: true
        interactive: false
        visible: false
        contentWidth: _Page_Globalsetting.width
        contentHeight: _Page_Globalsetting.height
        // Tab can still reach it while it slides out.
        onVisibleChanged: {
            if (!visible && frame.holdsFocus(_fkGlobalsetting))
                frame.settingsButton.forceActiveFocus(Qt.OtherFocusReason)
        }

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

    Main_Q3 {
        id: main_Q3
        objectName: "main_Q3"
        z: 1
        width: 1000
        height: 600
    }

    Environment_Decoration {
        id: envDecorationItem
        objectName: "envDecorationItem"
        z: 2
        width: 1000
        height: 600
        opacity: 0
    }

    Menu_Down {
        id: downItem
        objectName: "downItem"
        z: 3
        anchors.horizontalCenter: parent.horizontalCenter
        y: 600
        enabled: !upItem.isGlobalSettingSelect
        opacity: 0.2 + 0.8 * (enabled ? 1 : 0)
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
