import QtQuick

// The back-lighting page (page 3).
Item {
    id: pageBackLighting
    width: 759
    height: 396

    function initUI() {
    }

    function translateStrings() {
    }

    function syncColor() {
    }

    onVisibleChanged: {
        if (visible)
            syncColor()
    }

    Image {
        source: mainIten.sourceFnCommonBackground
    }
}
