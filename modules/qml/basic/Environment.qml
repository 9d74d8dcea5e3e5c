import QtQuick

// The background picture (the skin's or the user's own) and the frame.
Item {
    width: 1000
    height: 600
    Accessible.ignored: true

    Image {
        objectName: "background"
        anchors.fill: parent
        source: mainIten.isCustomBackground ? mainIten.sourceCustomBackground
                                            : mainIten.sourceBackground
    }

    Image {
        x: 0
        y: 0
        source: mainIten.sourceFrameBackground
    }
}
