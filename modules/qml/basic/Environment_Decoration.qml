import QtQuick

// Two decoration pictures centred on fixed points of the frame.
Item {
    width: 1000
    height: 600
    Accessible.ignored: true

    Image {
        source: mainIten.sourceDecoration1
        x: 78 - width / 2
        y: 93 - height / 2
    }

    Image {
        source: mainIten.sourceDecoration2
        x: 923 - width / 2
        y: 93 - height / 2
    }
}
