import QtQuick

// The colour page (page 2): effects, colours and user pictures.
Item {
    id: pageColor
    width: 759
    height: 442

    property bool isComponentIsOk: false

    function initUI(rebuild, hwDef) {
    }

    function translateStrings() {
    }

    function playEffect(isPlay) {
    }

    Component.onCompleted: isComponentIsOk = true

    Image {
        source: mainIten.sourceFnColorBackground
    }
}
