import QtQuick

// Two-picture button: source1 while hovered, source0 otherwise.
Image {
    id: button_2state
    property url source0
    property url source1
    property alias mouse: mouseArea
    signal clicked

    source: (enabled && mouseArea.containsMouse) ? source1 : source0
    opacity: (mouseArea.pressed || !enabled) ? 0.2 : 1.0

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            mainIten.playMedia(0x04)
            button_2state.clicked()
        }
    }
}
