import QtQuick

// The key assignment page (page 0).
Item {
    id: pageKeydefine
    width: 759
    height: 442

    function initUI(rebuild, hwDef) {
    }

    function translateStrings() {
    }

    Image {
        source: mainIten.sourceFnKeydefineBackground
    }
}
