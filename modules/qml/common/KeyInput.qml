import QtQuick
import "KeyActions.js" as KeyActions

// Key field: shows the name of keycodeUSB; a click clears it, and so do
// Return, Enter and Space when it has the focus. Screen readers hear a
// button "KEY <key>" (NONE without one). An owner with its own keyboard use
// of the field turns these off on its instance (activeFocusOnTab: false,
// Accessible.ignored: true).
Rectangle {
    id: keyInput
    property int keycodeUSB: -1
    property string keyname: ""
    property string keynameDefault: "【 KEYS 】"
    property string keycancel: "╳"
    property bool isIn: false
    signal clearKey

    function setKeycodeUSB(keycode) {
        var name = _KeyCodeString.keycodeTostr(keycode)
        if (name === undefined || name === null || String(name) === "") {
            keycodeUSB = -1
            keyname = ""
        } else {
            keycodeUSB = keycode
            keyname = name
        }
    }

    function clear() {
        keycodeUSB = -1
        clearKey()
    }

    width: 65
    height: 23
    color: "#FF000000"
    opacity: enabled ? 1.0 : 0.2
    activeFocusOnTab: true

    Accessible.role: Accessible.Button
    Accessible.name: mainIten.globalString(74) + " "
                     + (keycodeUSB === -1 ? mainIten.globalString(127) : keyname)
    Accessible.focusable: true
    Accessible.onPressAction: clear()

    Keys.onPressed: function(event) {
        if (!KeyActions.isActivation(event))
            return
        event.accepted = true
        if (!event.isAutoRepeat)
            clear()
    }

    FocusMark {}

    Rectangle {
        objectName: "frame"
        width: keyInput.width - 1
        height: keyInput.height - 1
        color: "transparent"
        border.width: 1
        border.color: (mouseArea.containsMouse || keyInput.isIn) ? mainIten.globalSetting_color
                                                                 : mainIten.globalSetting_color_enable
    }

    Text {
        id: label
        objectName: "label"
        anchors.centerIn: parent
        text: mouseArea.containsMouse ? keyInput.keycancel
                                      : (keyInput.keycodeUSB === -1 ? keyInput.keynameDefault : keyInput.keyname)
        font.bold: true
        font.family: "Arial"
        font.pixelSize: 10
        color: mainIten.globalSetting_color_enable
        opacity: mouseArea.pressed ? 0.5 : 1.0
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        onClicked: keyInput.clear()
    }
}
