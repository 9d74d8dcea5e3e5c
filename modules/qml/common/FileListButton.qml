import QtQuick

// Drop-down header whose list is a FileList; the owner refills the model on
// requestToUpdateList before the list opens.
Rectangle {
    id: fileListButton
    property ListModel mdItems: ListModel {}
    property bool isSelect: false
    signal listElementClicked(int index)
    signal listOpened
    signal listClosed
    signal requestToUpdateList

    function setCurIndex(index) {
        fileList.lvItems.currentIndex = index
    }

    function getCurIndex() {
        return fileList.lvItems.currentIndex
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
        readonly property int curIndex: fileList.lvItems.currentIndex
        anchors.fill: parent

        Text {
            id: headerText
            objectName: "headerText"
            x: 10
            anchors.verticalCenter: parent.verticalCenter
            text: (header.curIndex >= 0 && header.curIndex < fileListButton.mdItems.count)
                  ? fileListButton.mdItems.get(header.curIndex).textX : fileListButton.placeholder()
            font.bold: true
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            color: (headerArea.containsMouse || fileListButton.isSelect) ? mainIten.globalSetting_color
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
                if (fileListButton.isSelect) {
                    fileListButton.closeList()
                } else {
                    fileListButton.requestToUpdateList()
                    fileListButton.showList()
                }
            }
        }
    }

    Image {
        id: filelistPicture
        visible: false
        source: mainIten.sourceFilelist
    }

    Flickable {
        id: flList
        objectName: "list"
        y: fileListButton.height
        width: fileList.width
        height: fileList.height
        contentWidth: width
        contentHeight: height
        clip: true
        interactive: false
        visible: fileListButton.isSelect || aniOpen.running || aniClose.running

        FileList {
            id: fileList
            objectName: "fileList"
            y: -height
            width: filelistPicture.implicitWidth
            height: filelistPicture.implicitHeight + 1
            mdItems: fileListButton.mdItems
            onListElementClicked: function(index) {
                fileListButton.closeList()
                fileListButton.listElementClicked(index)
            }
        }
    }

    NumberAnimation {
        id: aniOpen
        target: flList
        property: "contentY"
        from: 0
        to: -flList.height
        easing.type: Easing.OutQuad
        duration: mainIten.animation_speed * 0.5
        onStarted: fileListButton.listOpened()
        onStopped: fileListButton.isSelect = true
    }

    NumberAnimation {
        id: aniClose
        target: flList
        property: "contentY"
        from: -flList.height
        to: 0
        easing.type: Easing.OutQuad
        duration: mainIten.animation_speed * 0.5
        onStopped: fileListButton.isSelect = false
        onFinished: fileListButton.listClosed()
    }
}
