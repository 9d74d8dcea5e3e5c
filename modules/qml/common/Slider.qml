import QtQuick

// Seven-step slider: the value is the number of lit segments (0 to 7),
// committed when the button is released.
Image {
    id: slider
    property int minIndex: 0
    property alias currentIndex: strip.currentIndex
    signal sliderClicked(int index)

    function setCurIndex(index) {
        currentIndex = index
    }

    function getCurIndex() {
        return currentIndex
    }

    source: mainIten.sourceSlider
    opacity: enabled ? 1.0 : 0.2

    Item {
        id: strip
        objectName: "segmentArea"
        property int currentIndex: 7
        x: 5
        y: 1
        width: 20 * 7 + 1
        height: 21

        Repeater {
            model: 7
            Image {
                // segment k = index + 1
                x: 20 * index
                width: 21
                height: 21
                source: (stripArea.pressed ? (x <= stripArea.mouseX) : (strip.currentIndex >= index + 1))
                        ? mainIten.sourceSliderFiller1 : mainIten.sourceSliderFiller0
            }
        }

        MouseArea {
            id: stripArea
            anchors.fill: parent
            onReleased: function(mouse) {
                var x = Math.max(0, Math.min(strip.width - 1, mouse.x))
                strip.currentIndex = Math.max(slider.minIndex, Math.ceil(x / 140 * 7))
                slider.sliderClicked(strip.currentIndex)
            }
        }
    }
}
