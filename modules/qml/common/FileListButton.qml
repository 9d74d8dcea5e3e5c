import QtQuick
import "KeyActions.js" as KeyActions

// Drop-down header whose list is a FileList; the owner refills the model on
// requestToUpdateList before the list opens.
// It is one stop of the tab chain and keeps the focus while its list shows.
// Return, Enter, Space, Down or Alt+Down open the list as a click on the
// header does; then Up, Down, Home and End move the keyboard's place
// (keyIndex), Return, Enter and Space act as a click on the entry there,
// Escape closes the list without a choice, and leaving the drop-down closes
// it. Screen readers see a combo box named by the shown text unless the
// owner names it.
Rectangle {
    id: fileListButton
    property ListModel mdItems: ListModel {}
    property alias isSelect: flList.isOpen
    readonly property alias keyIndex: fileList.keyIndex
    readonly property bool listShown: flList.visible
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

    function toggleList() {
        if (isSelect) {
            closeList()
        } else {
            requestToUpdateList()
            showList()
        }
    }

    function openFromKeys() {
        requestToUpdateList()
        fileList.placeKeyIndex()
        showList()
    }

    function keyWhileShown(event) {
        if (event.key === Qt.Key_Escape) {
            closeList()
            return true
        }
        return fileList.handleKey(event)
    }

    function keyWhileClosed(event) {
        if (KeyActions.isOpenRequest(event)) {
            if (!event.isAutoRepeat)
                openFromKeys()
            return true
        }
        return false
    }

    implicitWidth: header.implicitWidth
    implicitHeight: header.implicitHeight
    color: "#FF000000"
    opacity: enabled ? 1.0 : 0.2
    activeFocusOnTab: true

    Accessible.role: Accessible.ComboBox
    Accessible.name: header.text
    Accessible.focusable: true
    Accessible.onPressAction: listShown ? closeList() : openFromKeys()

    onActiveFocusChanged: if (!activeFocus && listShown) closeList()

    Keys.onPressed: function(event) {
        event.accepted = listShown ? keyWhileShown(event) : keyWhileClosed(event)
    }

    FocusMark {}

    DropdownHeader {
        id: header
        objectName: "header"
        anchors.fill: parent
        mdItems: fileListButton.mdItems
        curIndex: fileList.currentIndex
        isSelect: fileListButton.isSelect
        onClicked: fileListButton.toggleList()
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
            activeFocusOnTab: false
            keysSelect: false
            focusOwner: fileListButton
            onListElementClicked: function(index) {
                fileListButton.closeList()
                fileListButton.listElementClicked(index)
            }
        }
    }
}
