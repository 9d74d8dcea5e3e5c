import QtQuick
import "KeyActions.js" as KeyActions

// Four value cells; a click makes a cell current. The group is one stop of
// the tab chain: the arrow keys, Home and End move the keyboard's place
// (keyIndex) among the cells, Return, Enter and Space click the cell there.
// The owner names the group for screen readers (Accessible.name).
Image {
    id: buttonGroup_4
    property var valueForIndex: [0, 1, 2, 3]
    property int currentIndex: 0
    property int keyIndex: 0
    signal clicked(int index)

    function setCurIndex(index) {
        currentIndex = index
    }

    function getCurIndex() {
        return currentIndex
    }

    function clickCell(index) {
        currentIndex = index
        clicked(index)
    }

    source: mainIten.sourceBtnGroup_4_BASE
    opacity: enabled ? 1.0 : 0.2
    activeFocusOnTab: true

    Accessible.role: Accessible.Grouping
    Accessible.focusable: true

    onActiveFocusChanged: if (activeFocus) keyIndex = currentIndex

    Keys.onPressed: function(event) {
        var to = KeyActions.movedIndex(event, keyIndex, 4, 4)
        if (to >= 0) {
            keyIndex = to
            event.accepted = true
        } else if (KeyActions.isActivation(event)) {
            event.accepted = true
            if (!event.isAutoRepeat)
                clickCell(keyIndex)
        }
    }

    Repeater {
        model: 4

        ValueCell {
            cellIndex: index
            x: [3, 80, 157, 234][index]
            y: 4
            isCurrent: buttonGroup_4.currentIndex === index
            text: buttonGroup_4.valueForIndex[index]
            focusTarget: buttonGroup_4
            underKeys: buttonGroup_4.keyIndex === index
            onClicked: buttonGroup_4.clickCell(index)
        }
    }
}
