import QtQuick

// Box picture with a label, the common part of Checkbox and RadioButton: the
// box shows sourceCHK1 while isSelect, the label sits 5 pixels to its right.
// A click plays the click sound (none while `silent`) and emits activated;
// what it means is left to the control built on it. `hovered` tells whether
// the pointer is over it; with `litWhileHovered` the box shows sourceCHK1
// then as well.
Item {
    id: checkMark
    property bool isSelect: false
    property string chkStr: ""
    property bool silent: false
    property bool litWhileHovered: false
    readonly property bool hovered: mouseArea.containsMouse
    signal activated

    implicitWidth: box.width + label.width + 5
    implicitHeight: box.height
    opacity: (!enabled || mouseArea.pressed) ? 0.2 : 1.0

    Image {
        id: box
        source: (checkMark.isSelect || (checkMark.litWhileHovered && checkMark.hovered))
                ? mainIten.sourceCHK1 : mainIten.sourceCHK0
    }

    Text {
        id: label
        x: box.width + 5
        anchors.verticalCenter: box.verticalCenter
        text: checkMark.chkStr
        font.bold: true
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        color: mainIten.globalSetting_color
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            if (!checkMark.silent)
                mainIten.playMedia(0x04)
            checkMark.activated()
        }
    }
}
