import QtQuick

// Eight value cells; the mark of a cell opens a chooser that stores a new
// value into it. Cells whose value is 0 or less cannot be selected.
Image {
    id: buttonGroupPro_8
    property var valueForIndex: [0, 1, 2, 3, 4, 5, 6, 7]
    property int currentIndex: 0
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
            aniMenuOut.restart()
        }
    }

    source: mainIten.sourceBtnGroup_8_BASE
    opacity: enabled ? 1.0 : 0.2
    z: menu.visible ? 1 : 0

    Repeater {
        model: 8

        ValueCell {
            id: cell
            readonly property int value: buttonGroupPro_8.valueForIndex[index]
            cellIndex: index
            x: [3, 80, 157, 234][index % 4]
            y: index < 4 ? 8 : 27
            isCurrent: buttonGroupPro_8.currentIndex === index
            text: cell.value <= 0 ? "×" : cell.value
            onClicked: {
                if (cell.value <= 0)
                    return
                buttonGroupPro_8.currentIndex = index
                buttonGroupPro_8.clicked(index)
            }

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
                        if (buttonGroupPro_8.currentMenuIndex === index) {
                            buttonGroupPro_8.currentMenuIndex = -1
                            buttonGroupPro_8.showMenu(false)
                        } else {
                            buttonGroupPro_8.currentMenuIndex = index
                            buttonGroupPro_8.showMenu(true, cell.x + mark.x + mouse.x - menu.width / 2,
                                                      cell.y + cell.height + 5)
                        }
                    }
                }
            }
        }
    }

    Grid {
        id: menu
        objectName: "chooser"
        columns: 3
        spacing: 2
        visible: false
        opacity: 0

        Repeater {
            model: buttonGroupPro_8.valueForMenuIndex.length

            ButtonGroupPro_8_Menu {
                objectName: "choice" + index
                index: model.index
                value: buttonGroupPro_8.valueForMenuIndex[model.index]
                visible: buttonGroupPro_8.menuCounter > model.index
                onClicked: {
                    var cellIndex = buttonGroupPro_8.currentMenuIndex
                    if (cellIndex < 0)
                        return
                    var values = buttonGroupPro_8.valueForIndex.slice()
                    values[cellIndex] = value
                    buttonGroupPro_8.valueForIndex = values
                    buttonGroupPro_8.valueChanged(cellIndex, value)
                    buttonGroupPro_8.showMenu(false)
                }
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
