import QtQuick

// Eleven-step slider (0 to 10), committed when the button is released.
Image {
    id: slider_11
    property alias currentIndex: strip.currentIndex
    signal sliderClicked(int index)

    function setCurIndex(index) {
        currentIndex = index
    }

    function getCurIndex() {
        return currentIndex
    }

    source: mainIten.sourceSlider_11_BASE
    opacity: enabled ? 1.0 : 0.2

    Item {
        id: strip
        objectName: "segmentArea"
        property int currentIndex: 5
        x: 3
        y: 7
        width: 28 * 11 + 1
        height: 10

        Repeater {
            model: 11
            Image {
                x: 28 * index
                width: 26
                height: 10
                source: (stripArea.pressed ? (index === 0 || x <= stripArea.mouseX) : (strip.currentIndex >= index))
                        ? mainIten.sourceSlider_11_FILLER_1 : mainIten.sourceSlider_11_FILLER_0
            }
        }

        MouseArea {
            id: stripArea
            anchors.fill: parent
            onReleased: function(mouse) {
                var x = Math.max(0, Math.min(strip.width - 1, mouse.x))
                strip.currentIndex = Math.max(0, Math.ceil(11 * x / 308) - 1)
                slider_11.sliderClicked(strip.currentIndex)
            }
        }
    }
}
