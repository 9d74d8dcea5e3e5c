import QtQuick

// Check box with a label; a click (or Return, Enter, Space) inverts isSelect
// and reports the new value.
// `silent` drops the click sound, `litWhileHovered` lights the box under the
// pointer.
CheckMark {
    id: checkbox
    signal clicked(bool select)

    onActivated: {
        checkbox.isSelect = !checkbox.isSelect
        checkbox.clicked(checkbox.isSelect)
    }
}
