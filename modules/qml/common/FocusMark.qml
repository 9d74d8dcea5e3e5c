import QtQuick

// The keyboard focus mark: an outline in the skin's light accent around its
// parent, shown while the parent (or `target`, when set) has the active focus.
// Put one inside each control that takes the focus; it takes no input. A
// control that moves a choice inside itself puts one in each choice and
// shows only the one under the keyboard (`shown`).
Rectangle {
    property Item target: parent
    objectName: "focusMark"
    property bool shown: true
    anchors.fill: parent
    anchors.margins: -3
    radius: 3
    color: "transparent"
    border.width: 2
    border.color: mainIten.focusMarkColor
    visible: shown && target !== null && target.activeFocus
}
