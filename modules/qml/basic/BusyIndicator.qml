import QtQuick

// "LOADING ......" while the scene protects itself from input. Meanwhile it
// holds the keyboard focus and takes every key, so no control acts on one
// (a screen reader announces it); then the focus goes back where it was, or
// to the scene's root when that control is no longer shown or enabled.
Item {
    id: busyIndicator
    property bool isBusy: false
    // Where the focus was when the scene became busy.
    property Item focusBefore: null
    width: _text.width
    height: _text.height
    visible: isBusy

    // A progress bar to the accessibility bus, which has no role for an indicator.
    Accessible.role: Accessible.ProgressBar
    Accessible.name: _text.text
    Accessible.focusable: true

    function setBusy(_isBusy) {
        if (_isBusy === isBusy)
            return
        isBusy = _isBusy
        if (isBusy)
            holdFocus()
        else
            giveFocusBack()
    }

    function holdFocus() {
        focusBefore = Window.activeFocusItem
        forceActiveFocus(Qt.OtherFocusReason)
    }

    function giveFocusBack() {
        var before = focusBefore
        focusBefore = null
        if (!focus)
            return // something took the focus meanwhile
        if (before && before !== busyIndicator && before.visible && before.enabled)
            before.forceActiveFocus(Qt.OtherFocusReason)
        else
            mainIten.forceActiveFocus(Qt.OtherFocusReason)
    }

    Keys.onPressed: function(event) {
        event.accepted = true
    }
    Keys.onReleased: function(event) {
        event.accepted = true
    }

    Text {
        id: _text
        text: "LOADING ......"
        font.bold: true
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        color: mainIten.globalSetting_color
        Accessible.ignored: true

        SequentialAnimation on opacity {
            running: busyIndicator.isBusy
            loops: Animation.Infinite
            NumberAnimation { from: 1.0; to: 0.2; duration: 400 }
            NumberAnimation { from: 0.2; to: 1.0; duration: 400 }
        }
    }
}
