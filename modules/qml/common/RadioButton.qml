import QtQuick

// Radio button with a label; a click reports its index, the owner selects.
CheckMark {
    id: radioButton
    property int index: 0
    signal clicked(int index)

    onActivated: radioButton.clicked(radioButton.index)
}
