import QtQuick

// Four value cells; a click makes a cell current.
Image {
    id: buttonGroup_4
    property var valueForIndex: [0, 1, 2, 3]
    property int currentIndex: 0
    signal clicked(int index)

    function setCurIndex(index) {
        currentIndex = index
    }

    function getCurIndex() {
        return currentIndex
    }

    source: mainIten.sourceBtnGroup_4_BASE
    opacity: enabled ? 1.0 : 0.2

    Repeater {
        model: 4

        ValueCell {
            cellIndex: index
            x: [3, 80, 157, 234][index]
            y: 4
            isCurrent: buttonGroup_4.currentIndex === index
            text: buttonGroup_4.valueForIndex[index]
            onClicked: {
                buttonGroup_4.currentIndex = index
                buttonGroup_4.clicked(index)
            }
        }
    }
}
