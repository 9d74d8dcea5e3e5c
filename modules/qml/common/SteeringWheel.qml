import QtQuick
import "KeyActions.js" as KeyActions

// Direction cross: only the right (1) and left (2) cells react.
// It is one stop of the tab chain: Right and Left turn it as a click on the
// right and left cells does. Screen readers see the two cells as radio
// buttons named RIGHT and LEFT in a group named DIRECTION.
Item {
    id: steeringWheel
    property int currentIndex: 1
    property int textSize: 12
    property color textColor: "#000000"
    signal wheelClicked(int index)

    readonly property int rightIndex: 1
    readonly property int leftIndex: 2

    function setCurIndex(index) {
        currentIndex = index
    }

    function getCurIndex() {
        return currentIndex
    }

    function turn(index) {
        currentIndex = index
        wheelClicked(index)
    }

    width: 21 * 3 - 2
    height: 21 * 3 - 2
    opacity: enabled ? 1.0 : 0.2
    activeFocusOnTab: true

    Accessible.role: Accessible.Grouping
    Accessible.name: mainIten.globalString(5)
    Accessible.focusable: true

    Keys.onPressed: function(event) {
        if (!KeyActions.isPlain(event))
            return
        if (event.key === Qt.Key_Right) {
            event.accepted = true
            turn(rightIndex)
        } else if (event.key === Qt.Key_Left) {
            event.accepted = true
            turn(leftIndex)
        }
    }

    FocusMark {}

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
            readonly property bool reacts: index === steeringWheel.rightIndex || index === steeringWheel.leftIndex
            objectName: "cell" + index
            x: modelData.px
            y: modelData.py
            width: 21
            height: 21
            source: (reacts && (cellArea.containsMouse || steeringWheel.currentIndex === index))
                    ? mainIten.sourceSliderFiller1 : mainIten.sourceSliderFiller0

            Accessible.role: reacts ? Accessible.RadioButton : Accessible.NoRole
            Accessible.ignored: !reacts
            Accessible.name: index === steeringWheel.rightIndex ? mainIten.globalString(52)
                           : index === steeringWheel.leftIndex ? mainIten.globalString(51) : ""
            Accessible.checkable: reacts
            Accessible.checked: reacts && steeringWheel.currentIndex === index
            Accessible.onPressAction: if (reacts) steeringWheel.turn(index)

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
                onClicked: steeringWheel.turn(index)
            }
        }
    }
}
