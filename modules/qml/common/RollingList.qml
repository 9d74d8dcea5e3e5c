import QtQuick

// The list part of a drop-down: a clipped flickable whose content rolls
// from closedContentY to openContentY to open and back to close, in
// rollDuration ms (OutQuad). listOpened comes when the opening starts,
// isOpen turns true when it stops; isOpen turns false when the closing
// stops, listClosed comes when it completes. The list shows while open or
// rolling. The owner places and sizes it and puts the entries inside.
Flickable {
    id: rollingList
    property real closedContentY: 0
    property real openContentY: 0
    property int rollDuration: 0
    property bool isOpen: false
    signal listOpened
    signal listClosed

    // A call while the other roll runs finishes that roll first.
    function showList() {
        if (aniClose.running) {
            aniClose.complete()
            showList()
        } else if (aniOpen.running) {
            aniOpen.complete()
        } else {
            aniOpen.restart()
        }
    }

    function closeList() {
        if (aniOpen.running) {
            aniOpen.complete()
            closeList()
        } else if (aniClose.running) {
            aniClose.complete()
        } else {
            aniClose.restart()
        }
    }

    contentWidth: width
    contentHeight: height
    clip: true
    interactive: false
    visible: isOpen || aniOpen.running || aniClose.running

    NumberAnimation {
        id: aniOpen
        objectName: "rollOpen"
        target: rollingList
        property: "contentY"
        from: rollingList.closedContentY
        to: rollingList.openContentY
        easing.type: Easing.OutQuad
        duration: rollingList.rollDuration
        onStarted: rollingList.listOpened()
        onStopped: rollingList.isOpen = true
    }

    NumberAnimation {
        id: aniClose
        objectName: "rollClose"
        target: rollingList
        property: "contentY"
        from: rollingList.openContentY
        to: rollingList.closedContentY
        easing.type: Easing.OutQuad
        duration: rollingList.rollDuration
        onStopped: rollingList.isOpen = false
        onFinished: rollingList.listClosed()
    }
}
