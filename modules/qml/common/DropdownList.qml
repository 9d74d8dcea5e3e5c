import QtQuick

// Drop-down option list: a header showing the chosen entry and a list that
// rolls down out of it.
Rectangle {
    id: dropdownList
    property ListModel mdItems: ListModel {}
    property bool isSelect: false
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
        if (aniClose.running) {
            aniClose.complete()
            showList()
        } else if (aniOpen.running) {
            aniOpen.complete()
        } else {
            aniOpen.restart()
        }
    }

    function closeList() {
        if (aniOpen.running) {
            aniOpen.complete()
            closeList()
        } else if (aniClose.running) {
            aniClose.complete()
        } else {
            aniClose.restart()
        }
    }

    function placeholder() {
        var strings = mainIten.globalSetting_stringList
        return "【 " + ((strings && strings.length > 1) ? strings[1] : "OPTIONS") + " 】"
    }

    implicitWidth: headerPicture.implicitWidth
    implicitHeight: headerPicture.implicitHeight
    color: "#FF000000"
    opacity: enabled ? 1.0 : 0.2

    Image {
        id: headerPicture
        source: mainIten.sourceSlider
    }

    Item {
        id: header
        objectName: "header"
        property int curIndex: -1
        anchors.fill: parent

        Text {
            id: headerText
            objectName: "headerText"
            x: 10
            anchors.verticalCenter: parent.verticalCenter
            text: (header.curIndex >= 0 && header.curIndex < dropdownList.mdItems.count)
                  ? dropdownList.mdItems.get(header.curIndex).textX : dropdownList.placeholder()
            font.bold: true
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            color: (headerArea.containsMouse || dropdownList.isSelect) ? mainIten.globalSetting_color
                                                                       : mainIten.globalSetting_color_enable
        }

        Text {
            anchors.right: parent.right
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            text: "▼"
            font.bold: true
            font.family: "Arial"
            font.pixelSize: mainIten.globalSetting_size
            color: headerText.color
        }

        MouseArea {
            id: headerArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: {
                if (dropdownList.isSelect)
                    dropdownList.closeList()
                else
                    dropdownList.showList()
            }
        }
    }

    Flickable {
        id: flList
        objectName: "list"
        readonly property int count: dropdownList.mdItems.count
        y: dropdownList.height - 1
        width: dropdownList.width
        height: dropdownList.height * count - (count - 1) + 1
        contentWidth: width
        contentHeight: height
        clip: true
        interactive: false
        visible: dropdownList.isSelect || aniOpen.running || aniClose.running

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

    NumberAnimation {
        id: aniOpen
        target: flList
        property: "contentY"
        from: flList.height
        to: 0
        easing.type: Easing.OutQuad
        duration: mainIten.animation_speed * (0.1 + 0.05 * flList.count)
        onStarted: dropdownList.listOpened()
        onStopped: dropdownList.isSelect = true
    }

    NumberAnimation {
        id: aniClose
        target: flList
        property: "contentY"
        from: 0
        to: flList.height
        easing.type: Easing.OutQuad
        duration: mainIten.animation_speed * (0.1 + 0.05 * flList.count)
        onStopped: dropdownList.isSelect = false
        onFinished: dropdownList.listClosed()
    }
}
