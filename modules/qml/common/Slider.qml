import QtQuick
import "KeyActions.js" as KeyActions

// Seven-step slider: the value is the number of lit segments (0 to 7),
// committed when the button is released.
// It is one stop of the tab chain: Left and Down take one segment off, Right
// and Up add one, Home goes to minIndex, End to 7; each change is committed
// at once with sliderClicked. Screen readers see a slider (value,
// minimumValue, maximumValue, stepSize); the owner names it.
Image {
    id: slider
    property int minIndex: 0
    property alias currentIndex: strip.currentIndex
    signal sliderClicked(int index)

    // The value interface screen readers read.
    readonly property int value: currentIndex
    readonly property int minimumValue: minIndex
    readonly property int maximumValue: 7
    readonly property int stepSize: 1

    function stepTo(index) {
        if (index === currentIndex)
            return
        currentIndex = index
        sliderClicked(index)
    }

    function setCurIndex(index) {
        currentIndex = index
    }

    function getCurIndex() {
        return currentIndex
    }

    source: mainIten.sourceSlider
    opacity: enabled ? 1.0 : 0.2
    activeFocusOnTab: true

    Accessible.role: Accessible.Slider
    Accessible.focusable: true
    Accessible.onIncreaseAction: stepTo(Math.min(maximumValue, currentIndex + 1))
    Accessible.onDecreaseAction: stepTo(Math.max(minimumValue, currentIndex - 1))

    Keys.onPressed: function(event) {
        var to = KeyActions.sliderValue(event, currentIndex, minimumValue, maximumValue)
        if (isNaN(to))
            return
        event.accepted = true
        stepTo(to)
    }

    FocusMark {}

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
