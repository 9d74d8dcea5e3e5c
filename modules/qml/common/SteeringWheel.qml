import QtQuick

// Direction cross: only the right (1) and left (2) cells react.
Item {
    id: steeringWheel
    property int currentIndex: 1
    property int textSize: 12
    property color textColor: "#000000"
    signal wheelClicked(int index)

    function setCurIndex(index) {
        currentIndex = index
    }

    function getCurIndex() {
        return currentIndex
    }

    width: 21 * 3 - 2
    height: 21 * 3 - 2
    opacity: enabled ? 1.0 : 0.2

    // index 0 centre, 1 right, 2 left, 3 top, 4 bottom
    Repeater {
        model: [
            { "px": 20, "py": 20, "label": "" },
            { "px": 40, "py": 20, "label": "►" },
            { "px": 0,  "py": 20, "label": "◄" },
            { "px": 20, "py": 0,  "label": "" },
            { "px": 20, "py": 40, "label": "" }
        ]

        Image {
            id: cell
            readonly property bool reacts: index === 1 || index === 2
            objectName: "cell" + index
            x: modelData.px
            y: modelData.py
            width: 21
            height: 21
            source: (reacts && (cellArea.containsMouse || steeringWheel.currentIndex === index))
                    ? mainIten.sourceSliderFiller1 : mainIten.sourceSliderFiller0

            Text {
                anchors.centerIn: parent
                text: modelData.label
                font.bold: true
                font.family: "Arial"
                font.pixelSize: steeringWheel.textSize
                color: steeringWheel.textColor
            }

            MouseArea {
                id: cellArea
                anchors.fill: parent
                enabled: cell.reacts
                hoverEnabled: true
                onClicked: {
                    steeringWheel.currentIndex = index
                    steeringWheel.wheelClicked(index)
                }
            }
        }
    }
}
