import QtQuick

// Key capture field: a click starts (or stops) waiting; the first key event
// while waiting, down or up, is taken.
Rectangle {
    id: keyInput_2
    property bool isSelect: false
    property int tmpKeycodeUSB: 0
    property string tmpKeyString: ""
    property alias text: label
    signal inputComplete(int usbCode)

    function detectKeyboard(isDown, usbCode) {
        if (!isSelect)
            return
        setKeycodeUSB(usbCode)
        inputComplete(usbCode)
    }

    function setKeycodeUSB(keycode) {
        isSelect = false
        var name = keycode < 0 ? undefined : _KeyCodeString.keycodeTostr(keycode)
        if (name === undefined || name === null || String(name) === "") {
            tmpKeycodeUSB = 0
            tmpKeyString = ""
        } else {
            tmpKeycodeUSB = keycode
            tmpKeyString = name
        }
    }

    width: 151
    height: 23
    color: "#FF000000"
    opacity: enabled ? 1.0 : 0.2

    Image {
        source: mainIten.sourceSlider
    }

    Text {
        id: label
        objectName: "label"
        x: (keyInput_2.width - width) / 2
        y: (keyInput_2.height - height) / 2
        text: keyInput_2.tmpKeycodeUSB === 0 ? "KEY【 PRESS ANY 】" : "KEY 【 " + keyInput_2.tmpKeyString + " 】"
        font.bold: true
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        color: (keyInput_2.isSelect || mouseArea.containsMouse) ? mainIten.globalSetting_color
                                                                : mainIten.globalSetting_color_enable
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            keyInput_2.tmpKeycodeUSB = 0
            keyInput_2.tmpKeyString = ""
            keyInput_2.isSelect = !keyInput_2.isSelect
        }
    }
}
