import QtQuick
import "KeyActions.js" as KeyActions

// Eight value cells; the mark of a cell opens a chooser that stores a new
// value into it. Cells whose value is 0 or less cannot be selected.
// The group is one stop of the tab chain: the arrow keys, Home and End move
// the keyboard's place (keyIndex) over the two rows of four cells, Return,
// Enter and Space click the cell there; the Menu key, Shift+F10 or Alt+Down
// opens its chooser, which takes the focus: there the arrow keys move
// (chooserKeyIndex), Return, Enter and Space choose, Escape closes it without
// a choice; either way the focus comes back to the group. The owner names
// the group for screen readers (Accessible.name).
Image {
    id: buttonGroupPro_8
    property var valueForIndex: [0, 1, 2, 3, 4, 5, 6, 7]
    property int currentIndex: 0
    property int keyIndex: 0
    property alias chooserKeyIndex: menu.keyIndex
    property var valueForMenuIndex: [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17]
    property int currentMenuIndex: -1
    property int menuCounter: 18
    signal clicked(int index)
    signal valueChanged(int index, int value)

    function setCurIndex(index) {
        currentIndex = index
    }

    function getCurIndex() {
        return currentIndex
    }

    function showMenu(isOpen, _X, _Y) {
        if (aniMenuIn.running) {
            aniMenuIn.complete()
            showMenu(isOpen, _X, _Y)
            return
        }
        if (aniMenuOut.running) {
            aniMenuOut.complete()
            showMenu(isOpen, _X, _Y)
            return
        }
        if (isOpen) {
            menu.x = _X
            menu.y = _Y
            aniMenuIn.restart()
        } else {
            currentMenuIndex = -1
            if (menu.activeFocus)
                forceActiveFocus()
            aniMenuOut.restart()
        }
    }

    function clickCell(index) {
        if (valueForIndex[index] <= 0)
            return
        currentIndex = index
        clicked(index)
    }

    // The mark of cell `index` clicked, `atX` the chooser's left edge.
    function toggleChooser(index, atX, atY) {
        if (currentMenuIndex === index) {
            currentMenuIndex = -1
            showMenu(false)
        } else {
            currentMenuIndex = index
            showMenu(true, atX, atY)
        }
    }

    function openChooserFromKeys(index) {
        var cell = cells.itemAt(index)
        var mark = cell.markItem
        currentMenuIndex = index
        showMenu(true, cell.x + mark.x + mark.width / 2 - menu.width / 2, cell.y + cell.height + 5)
        menu.keyIndex = 0
        menu.visible = true
        menu.forceActiveFocus()
    }

    function choose(choiceIndex) {
        var cellIndex = currentMenuIndex
        if (cellIndex < 0)
            return
        var values = valueForIndex.slice()
        values[cellIndex] = valueForMenuIndex[choiceIndex]
        valueForIndex = values
        valueChanged(cellIndex, valueForMenuIndex[choiceIndex])
        showMenu(false)
    }

    function closeChooserFromKeys() {
        showMenu(false)
    }

    source: mainIten.sourceBtnGroup_8_BASE
    opacity: enabled ? 1.0 : 0.2
    z: menu.visible ? 1 : 0
    activeFocusOnTab: true

    Accessible.role: Accessible.Grouping
    Accessible.focusable: true

    // Back from the chooser, the keyboard's place stays on its cell.
    onActiveFocusChanged: if (activeFocus && !menu.visible) keyIndex = currentIndex

    Keys.onPressed: function(event) {
        var to = KeyActions.movedIndex(event, keyIndex, 8, 4)
        if (to >= 0) {
            keyIndex = to
            event.accepted = true
        } else if (KeyActions.isMenuRequest(event)) {
            event.accepted = true
            openChooserFromKeys(keyIndex)
        } else if (KeyActions.isActivation(event)) {
            event.accepted = true
            if (!event.isAutoRepeat)
                clickCell(keyIndex)
        }
    }

    Repeater {
        id: cells
        model: 8

        ValueCell {
            id: cell
            readonly property int value: buttonGroupPro_8.valueForIndex[index]
            readonly property Item markItem: mark
            cellIndex: index
            x: [3, 80, 157, 234][index % 4]
            y: index < 4 ? 8 : 27
            isCurrent: buttonGroupPro_8.currentIndex === index
            text: cell.value <= 0 ? "×" : cell.value
            focusTarget: buttonGroupPro_8
            underKeys: buttonGroupPro_8.keyIndex === index
            onClicked: buttonGroupPro_8.clickCell(index)

            Text {
                id: mark
                objectName: "mark" + index
                anchors.right: parent.right
                anchors.rightMargin: 5
                anchors.verticalCenter: parent.verticalCenter
                text: "▼"
                font.bold: true
                font.family: "Arial"
                font.pixelSize: 8
                color: (markArea.containsMouse || buttonGroupPro_8.currentMenuIndex === index)
                       ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable

                MouseArea {
                    id: markArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: function(mouse) {
                        buttonGroupPro_8.toggleChooser(index, cell.x + mark.x + mouse.x - menu.width / 2,
                                                       cell.y + cell.height + 5)
                    }
                }

                Accessible.role: Accessible.ButtonMenu
                Accessible.name: mainIten.globalString(1) + " " + (index + 1)
                Accessible.onPressAction: buttonGroupPro_8.openChooserFromKeys(index)
            }
        }
    }

    Grid {
        id: menu
        objectName: "chooser"
        property int keyIndex: 0
        columns: 3
        spacing: 2
        visible: false
        opacity: 0

        Accessible.role: Accessible.PopupMenu

        Keys.onPressed: function(event) {
            var to = KeyActions.movedIndex(event, keyIndex, buttonGroupPro_8.menuCounter, 3)
            if (to >= 0) {
                keyIndex = to
                event.accepted = true
            } else if (KeyActions.isActivation(event)) {
                event.accepted = true
                if (!event.isAutoRepeat)
                    buttonGroupPro_8.choose(keyIndex)
            } else if (event.key === Qt.Key_Escape) {
                event.accepted = true
                buttonGroupPro_8.closeChooserFromKeys()
            }
        }

        Repeater {
            model: buttonGroupPro_8.valueForMenuIndex.length

            ButtonGroupPro_8_Menu {
                objectName: "choice" + index
                index: model.index
                value: buttonGroupPro_8.valueForMenuIndex[model.index]
                visible: buttonGroupPro_8.menuCounter > model.index
                focusTarget: menu
                underKeys: menu.keyIndex === model.index
                onClicked: buttonGroupPro_8.choose(model.index)
            }
        }
    }

    NumberAnimation {
        id: aniMenuIn
        target: menu
        property: "opacity"
        from: 0
        to: 1
        easing.type: Easing.OutExpo
        duration: mainIten.animation_speed * 1.5
        onStarted: menu.visible = true
    }

    NumberAnimation {
        id: aniMenuOut
        target: menu
        property: "opacity"
        from: 1
        to: 0
        easing.type: Easing.OutExpo
        duration: mainIten.animation_speed
        alwaysRunToEnd: true
        onStopped: menu.visible = false
    }
}
