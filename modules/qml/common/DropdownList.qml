import QtQuick

// Drop-down option list: a header showing the chosen entry and a list that
// rolls down out of it.
Rectangle {
    id: dropdownList
    property ListModel mdItems: ListModel {}
    property alias isSelect: flList.isOpen
    property alias defaultIndex: header.curIndex
    signal listElementClicked(int index)
    signal listOpened
    signal listClosed

    function setCurIndex(index) {
        defaultIndex = index
    }

    function getCurIndex() {
        return defaultIndex
    }

    function showList() {
        flList.showList()
    }

    function closeList() {
        flList.closeList()
    }

    function placeholder() {
        return header.placeholder()
    }

    implicitWidth: header.implicitWidth
    implicitHeight: header.implicitHeight
    color: "#FF000000"
    opacity: enabled ? 1.0 : 0.2

    DropdownHeader {
        id: header
        objectName: "header"
        anchors.fill: parent
        mdItems: dropdownList.mdItems
        isSelect: dropdownList.isSelect
        onClicked: {
            if (dropdownList.isSelect)
                dropdownList.closeList()
            else
                dropdownList.showList()
        }
    }

    // The entries overlap by one pixel; the list starts one pixel above the
    // header's bottom edge.
    RollingList {
        id: flList
        objectName: "list"
        readonly property int count: dropdownList.mdItems.count
        y: dropdownList.height - 1
        width: dropdownList.width
        height: dropdownList.height * count - (count - 1) + 1
        closedContentY: height
        openContentY: 0
        rollDuration: mainIten.animation_speed * (0.1 + 0.05 * count)
        onListOpened: dropdownList.listOpened()
        onListClosed: dropdownList.listClosed()

        Rectangle {
            width: flList.width
            height: flList.height
            color: "#FF000000"

            Repeater {
                model: dropdownList.mdItems

                Image {
                    id: entry
                    objectName: "entry" + index
                    y: index * (dropdownList.height - 1)
                    width: dropdownList.width
                    height: dropdownList.height
                    source: mainIten.sourceSlider

                    Text {
                        x: 10
                        anchors.verticalCenter: parent.verticalCenter
                        text: textX
                        font.bold: true
                        font.family: mainIten.globalSetting_fontFamily
                        font.pixelSize: mainIten.globalSetting_size
                        color: (entryArea.containsMouse || index === header.curIndex)
                               ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
                    }

                    MouseArea {
                        id: entryArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: {
                            header.curIndex = index
                            dropdownList.closeList()
                            dropdownList.listElementClicked(index)
                        }
                    }
                }
            }
        }
    }
}
