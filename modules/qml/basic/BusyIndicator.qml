import QtQuick

// "LOADING ......" while the scene protects itself from input.
Item {
    id: busyIndicator
    property bool isBusy: false
    width: _text.width
    height: _text.height
    visible: isBusy

    function setBusy(_isBusy) {
        isBusy = _isBusy
    }

    Text {
        id: _text
        text: "LOADING ......"
        font.bold: true
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        color: mainIten.globalSetting_color

        SequentialAnimation on opacity {
            running: busyIndicator.isBusy
            loops: Animation.Infinite
            NumberAnimation { from: 1.0; to: 0.2; duration: 400 }
            NumberAnimation { from: 0.2; to: 1.0; duration: 400 }
        }
    }
}
