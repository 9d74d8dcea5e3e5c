import QtQuick

// Drop-down header whose list is a FileList; the owner refills the model on
// requestToUpdateList before the list opens.
Rectangle {
    id: fileListButton
    property ListModel mdItems: ListModel {}
    property alias isSelect: flList.isOpen
    signal listElementClicked(int index)
    signal listOpened
    signal listClosed
    signal requestToUpdateList

    function setCurIndex(index) {
        fileList.currentIndex = index
    }

    function getCurIndex() {
        return fileList.currentIndex
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
        mdItems: fileListButton.mdItems
        curIndex: fileList.currentIndex
        isSelect: fileListButton.isSelect
        onClicked: {
            if (fileListButton.isSelect) {
                fileListButton.closeList()
            } else {
                fileListButton.requestToUpdateList()
                fileListButton.showList()
            }
        }
    }

    Image {
        id: filelistPicture
        visible: false
        source: mainIten.sourceFilelist
    }

    // The file list waits one list height above the visible area and rolls
    // down into it.
    RollingList {
        id: flList
        objectName: "list"
        y: fileListButton.height
        width: fileList.width
        height: fileList.height
        closedContentY: 0
        openContentY: -height
        rollDuration: mainIten.animation_speed * 0.5
        onListOpened: fileListButton.listOpened()
        onListClosed: fileListButton.listClosed()

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
}
