import QtQuick
import "KeyActions.js" as KeyActions

// Box picture with a label, the common part of Checkbox and RadioButton: the
// box shows sourceCHK1 while isSelect, the label sits 5 pixels to its right.
// A click, Return, Enter or Space plays the click sound (none while `silent`)
// and emits activated; what it means is left to the control built on it.
// `hovered` tells whether the pointer is over it; with `litWhileHovered` the
// box shows sourceCHK1 then as well. Screen readers get the label as its name
// and isSelect as its checked state.
Item {
    id: checkMark
    property bool isSelect: false
    property string chkStr: ""
    property bool silent: false
    property bool litWhileHovered: false
    readonly property bool hovered: mouseArea.containsMouse
    signal activated

    function activate() {
        if (!checkMark.silent)
            mainIten.playMedia(0x04)
        checkMark.activated()
    }

    implicitWidth: box.width + label.width + 5
    implicitHeight: box.height
    opacity: (!enabled || mouseArea.pressed) ? 0.2 : 1.0
    activeFocusOnTab: true

    Accessible.role: Accessible.CheckBox
    Accessible.name: chkStr
    Accessible.focusable: true
    Accessible.checkable: true
    Accessible.checked: isSelect
    Accessible.onPressAction: if (enabled) activate()
    Accessible.onToggleAction: if (enabled) activate()

    Keys.onPressed: function(event) {
        if (!KeyActions.isActivation(event))
            return
        event.accepted = true
        if (!event.isAutoRepeat)
            activate()
    }

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
        onClicked: checkMark.activate()
    }

    FocusMark {}
}
