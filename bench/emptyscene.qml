import QtQuick

// Nothing but the window's size: what any Qt Quick window of it costs.
Item {
    width: 1000
    height: 600
}
