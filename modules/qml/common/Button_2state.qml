import QtQuick
import "KeyActions.js" as KeyActions

// Two-picture button: source1 while hovered, source0 otherwise. Return, Enter
// and Space click it as the mouse does; the owner names it for screen readers
// (Accessible.name).
Image {
    id: button_2state
    property url source0
    property url source1
    property alias mouse: mouseArea
    signal clicked

    function click() {
        mainIten.playMedia(0x04)
        button_2state.clicked()
    }

    source: (enabled && mouseArea.containsMouse) ? source1 : source0
    opacity: (mouseArea.pressed || !enabled) ? 0.2 : 1.0
    activeFocusOnTab: true

    Accessible.role: Accessible.Button
    Accessible.focusable: true
    Accessible.onPressAction: if (enabled) click()

    Keys.onPressed: function(event) {
        if (!KeyActions.isActivation(event))
            return
        event.accepted = true
        if (!event.isAutoRepeat)
            click()
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        onClicked: button_2state.click()
    }

    FocusMark {}
}
