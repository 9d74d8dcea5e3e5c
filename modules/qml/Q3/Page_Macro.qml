import QtQuick

// The macro editor page (page 1).
Item {
    id: pageMacro
    width: 759
    height: 396

    function initUI() {
    }

    function translateStrings() {
    }

    Image {
        source: mainIten.sourceFnCommonBackground
    }
}
