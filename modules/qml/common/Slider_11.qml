import QtQuick
import "KeyActions.js" as KeyActions

// Eleven-step slider (0 to 10), committed when the button is released.
// It is one stop of the tab chain: Left and Down step down, Right and Up step
// up, Home goes to 0, End to 10; each change is committed at once with
// sliderClicked. Screen readers see a slider (value, minimumValue,
// maximumValue, stepSize); the owner names it.
Image {
    id: slider_11
    property alias currentIndex: strip.currentIndex
    signal sliderClicked(int index)

    // The value interface screen readers read.
    readonly property int value: currentIndex
    readonly property int minimumValue: 0
    readonly property int maximumValue: 10
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

    source: mainIten.sourceSlider_11_BASE
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
