import QtQuick

// Radio button with a label; a click (or Return, Enter, Space) reports its
// index, the owner selects.
CheckMark {
    id: radioButton
    property int index: 0
    signal clicked(int index)

    Accessible.role: Accessible.RadioButton

    onActivated: radioButton.clicked(radioButton.index)
}
