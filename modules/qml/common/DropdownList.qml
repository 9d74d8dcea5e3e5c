import QtQuick
import "KeyActions.js" as KeyActions

// Drop-down option list: a header showing the chosen entry and a list that
// rolls down out of it.
// It is one stop of the tab chain. Return, Enter, Space, Down or Alt+Down
// open the list; while it shows, Up, Down, Home and End move the keyboard's
// place (keyIndex), Return, Enter and Space choose there as a click on the
// entry does, Escape closes it without a choice; the focus stays on the
// drop-down throughout, and leaving it closes the list. Screen readers see a
// combo box named by the shown text unless the owner names it.
Rectangle {
    id: dropdownList
    property ListModel mdItems: ListModel {}
    property alias isSelect: flList.isOpen
    property alias defaultIndex: header.curIndex
    property int keyIndex: -1
    readonly property bool listShown: flList.visible
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

    function chooseEntry(index) {
        header.curIndex = index
        closeList()
        listElementClicked(index)
    }

    function openFromKeys() {
        keyIndex = Math.max(0, Math.min(mdItems.count - 1, defaultIndex))
        showList()
    }

    function keyWhileShown(event) {
        if (event.key === Qt.Key_Escape) {
            closeList()
            return true
        }
        var to = KeyActions.movedIndex(event, keyIndex, mdItems.count, 1)
        if (to >= 0) {
            keyIndex = to
            return true
        }
        if (KeyActions.isActivation(event)) {
            if (!event.isAutoRepeat && keyIndex >= 0 && keyIndex < mdItems.count)
                chooseEntry(keyIndex)
            return true
        }
        return false
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
    // While the list is open, the entry the keyboard is on (the focus stays
    // on the control).
    Accessible.description: listShown && keyIndex >= 0 && keyIndex < mdItems.count
                            ? mdItems.get(keyIndex).textX : ""
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

                    Accessible.role: Accessible.ListItem
                    Accessible.name: textX
                    Accessible.selected: index === header.curIndex
                    Accessible.onPressAction: dropdownList.chooseEntry(index)

                    MouseArea {
                        id: entryArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: dropdownList.chooseEntry(index)
                    }

                    FocusMark {
                        objectName: "focusMark"
                        anchors.margins: 1
                        target: dropdownList
                        shown: dropdownList.keyIndex === index
                    }
                }
            }
        }
    }
}
