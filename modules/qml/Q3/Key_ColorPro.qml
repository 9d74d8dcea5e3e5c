import QtQuick

// A preview key with its centre and its row (set by the controller's row
// script). The controller steps every key of a tick in one pass and writes
// the results into the key's own colour and label colour.
Key_Color {
    readonly property int x0: x + Math.floor(width / 2)
    readonly property int y0: y + Math.floor(height / 2)
    property int posYId: -1
}
