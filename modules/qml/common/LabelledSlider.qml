import QtQuick

// A heading over a seven-step Slider. `level` is the slider's value;
// setCurIndex sets it from outside without a report. The slider takes the
// focus and carries the heading as its name for screen readers.
Item {
    id: labelledSlider
    property string title: ""
    property int titleExtraSize: 0
    property int gap: 3 // between the heading and the slider
    property int sliderY: -1 // the slider's offset from the heading's top, if fixed
    property int startLevel: 7
    property int minimumLevel: 0
    readonly property alias level: _slider.currentIndex
    signal levelChosen(int level)

    function setCurIndex(index) {
        _slider.setCurIndex(index)
    }

    implicitWidth: Math.max(_title.implicitWidth, _slider.width)
    implicitHeight: _slider.y + _slider.height
    opacity: enabled ? 1.0 : 0.2

    PageText {
        id: _title
        text: labelledSlider.title
        extraSize: labelledSlider.titleExtraSize
    }

    Slider {
        id: _slider
        objectName: "slider"
        y: labelledSlider.sliderY >= 0 ? labelledSlider.sliderY : _title.height + labelledSlider.gap
        minIndex: labelledSlider.minimumLevel
        Accessible.name: labelledSlider.title
        Component.onCompleted: setCurIndex(labelledSlider.startLevel)
        onSliderClicked: function(index) {
            labelledSlider.levelChosen(index)
        }
    }
}
