import QtQuick

// The keyboard focus mark: an outline in the skin's light accent around its
// parent, shown while the parent (or `target`, when set) has the active focus.
// Put one inside each control that takes the focus; it takes no input.
Rectangle {
    property Item target: parent
    anchors.fill: parent
    anchors.margins: -3
    radius: 3
    color: "transparent"
    border.width: 2
    border.color: mainIten.focusMarkColor
    visible: target !== null && target.activeFocus
}
