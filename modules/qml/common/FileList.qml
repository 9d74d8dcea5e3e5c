import QtQuick
import "KeyActions.js" as KeyActions

// Scrolling list of file names (textX) with a right-hand text (textR),
// a scroll bar and in-place renaming of the left text.
// The list is one stop of the tab chain: Up, Down, Home and End move the
// keyboard's place (keyIndex, scrolled into view), Return, Enter and Space
// act as a left click on the entry there, the Menu key or Shift+F10 as a
// right click there. With `keysSelect` (the default) the place follows the
// selection: a move selects the entry and reports it with
// listElementClicked, as a click on it would. Keys it does not use (Delete,
// Ctrl+C, …) go on to the owner. A rename ended with Return gives the focus
// back to the list. An owner that keeps the focus itself (a drop-down) sets
// keysSelect false, focusOwner to itself and passes keys on with
// handleKey(). Screen readers see a list of entries named by their texts.
Rectangle {
    id: fileList
    property ListModel mdItems: ListModel {}
    property alias lvItems: listView
    property alias currentIndex: listView.currentIndex // the selected entry, -1: none
    property int keyIndex: -1
    property bool keysSelect: true
    // Whether the list shows the keyboard's place: while it or `focusOwner` has the focus.
    property Item focusOwner: fileList
    readonly property int entryHeight: 20
    signal listElementClicked(int index)
    signal listElementRightBtnClicked(int index)
    signal editFileName_start(int tarIndex)
    signal editFileName_stop()
    signal editFileName_completed(string oldName, string newName)

    function editFileName(index) {
        editFileName_start(index)
    }

    function stopEditFileName() {
        editFileName_stop()
    }

    // Entries inserted through the list, in order from `at`, and an entry
    // removed through it: the selection stays on its entry at once, not only
    // at the view's next layout.
    function insertEntries(at, entries) {
        for (var i = 0; i < entries.length; ++i)
            mdItems.insert(at + i, entries[i])
        listView.forceLayout()
    }

    function removeEntry(index) {
        mdItems.remove(index)
        listView.forceLayout()
    }

    // The top of the entry in the list's coordinates, as the list is scrolled.
    function entryTop(index) {
        return innerArea.y + listView.y + index * entryHeight - listView.contentY
    }

    function resetCurrentIfEmpty() {
        if (!mdItems || mdItems.count === 0)
            listView.currentIndex = -1
    }

    function clickEntry(index) {
        listView.currentIndex = (listView.currentIndex === index) ? -1 : index
        listElementClicked(listView.currentIndex)
    }

    // The keyboard's place when the list gets the keys: the selected entry;
    // with none, nowhere while the place is the selection (the first move
    // goes to the first entry), else the first entry.
    function placeKeyIndex() {
        var count = mdItems ? mdItems.count : 0
        if (currentIndex >= 0 && currentIndex < count)
            keyIndex = currentIndex
        else
            keyIndex = (keysSelect || count === 0) ? -1 : 0
    }

    // After a rename ended in the field, once the key that ended it has
    // gone its way (a text field leaves Return to its parents): the focus
    // comes back to the list unless something else took it meanwhile.
    function takeFocusBackFromEdit() {
        var holder = Window.activeFocusItem
        if (holder === null || holder === Window.contentItem || isInside(holder))
            focusOwner.forceActiveFocus()
    }

    function isInside(item) {
        for (var i = item; i; i = i.parent) {
            if (i === fileList)
                return true
        }
        return false
    }

    function moveKeyIndex(to) {
        keyIndex = to
        listView.positionViewAtIndex(to, ListView.Contain)
        if (keysSelect && listView.currentIndex !== to) {
            listView.currentIndex = to
            listElementClicked(to)
        }
    }

    // Acts on a key as the list does when it has the focus; false when the
    // key means nothing to it.
    function handleKey(event) {
        var count = mdItems ? mdItems.count : 0
        if (KeyActions.isMenuRequest(event) && !(event.key === Qt.Key_Down)) {
            if (keyIndex >= 0 && keyIndex < count)
                listElementRightBtnClicked(keyIndex)
            return true
        }
        if (event.key === Qt.Key_Left || event.key === Qt.Key_Right)
            return false
        var to = KeyActions.movedIndex(event, keyIndex, count, 1)
        if (to >= 0) {
            moveKeyIndex(to)
            return true
        }
        if (KeyActions.isActivation(event)) {
            if (!event.isAutoRepeat && keyIndex >= 0 && keyIndex < count)
                clickEntry(keyIndex)
            return true
        }
        return false
    }

    onMdItemsChanged: resetCurrentIfEmpty()

    width: 151
    height: 200
    color: "#FF000000"
    opacity: enabled ? 1.0 : 0.2
    activeFocusOnTab: true

    Accessible.role: Accessible.List
    Accessible.focusable: true

    onActiveFocusChanged: if (activeFocus) placeKeyIndex()
    // Deselecting leaves the place where it is, so a click there selects again.
    onCurrentIndexChanged: if (keysSelect && currentIndex >= 0) keyIndex = currentIndex

    Keys.onPressed: function(event) {
        if (activeFocus)
            event.accepted = handleKey(event)
    }

    FocusMark {
        target: fileList.focusOwner === fileList ? fileList : null
    }

    Item {
        id: innerArea
        x: 5
        width: fileList.width - 10
        height: fileList.height - 1

        ListView {
            id: listView
            objectName: "listView"
            width: innerArea.width - 8
            height: innerArea.height
            clip: true
            currentIndex: -1
            boundsBehavior: Flickable.StopAtBounds
            model: fileList.mdItems
            onCountChanged: fileList.resetCurrentIfEmpty()

            delegate: Item {
                id: entry
                property bool isEditing: false
                readonly property bool isLit: entryArea.containsMouse || ListView.isCurrentItem
                width: listView.width
                height: fileList.entryHeight

                function endEdit() {
                    if (!isEditing)
                        return
                    isEditing = false
                    var oldName = model.textX
                    var newName = txtLeft.text
                    model.textX = newName
                    Qt.inputMethod.hide()
                    fileList.editFileName_completed(oldName, newName)
                    var keptFocus = txtLeft.activeFocus
                    txtLeft.focus = false
                    if (keptFocus)
                        Qt.callLater(fileList.takeFocusBackFromEdit)
                }

                Accessible.role: Accessible.ListItem
                Accessible.name: (model.textX + " " + (model.textR !== undefined ? model.textR : "")).trim()
                Accessible.selected: ListView.isCurrentItem
                Accessible.onPressAction: fileList.clickEntry(index)

                FocusMark {
                    objectName: "focusMark"
                    anchors.margins: 0
                    target: fileList.focusOwner
                    shown: fileList.keyIndex === index
                }

                Image {
                    visible: index > 0
                    width: parent.width
                    source: mainIten.sourceLine
                }

                Image {
                    visible: index < listView.count - 1
                    anchors.bottom: parent.bottom
                    width: parent.width
                    source: mainIten.sourceLine
                }

                TextInput {
                    id: txtLeft
                    objectName: "textLeft"
                    x: 5
                    width: Math.max(0, txtRight.x - x - 5)
                    anchors.verticalCenter: parent.verticalCenter
                    text: model.textX
                    clip: true
                    selectByMouse: false
                    font.bold: true
                    font.family: mainIten.globalSetting_fontFamily
                    font.pixelSize: mainIten.globalSetting_size
                    color: entry.isLit ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
                    selectionColor: mainIten.globalSetting_color
                    // Return and Enter end the rename and go no further.
                    Keys.onPressed: function(event) {
                        if (event.key !== Qt.Key_Return && event.key !== Qt.Key_Enter)
                            return
                        event.accepted = true
                        entry.endEdit()
                    }
                    onActiveFocusChanged: {
                        if (activeFocus)
                            return
                        entry.isEditing = false
                        deselect()
                        text = Qt.binding(function() { return model.textX })
                    }
                }

                Text {
                    id: txtRight
                    objectName: "textRight"
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    text: model.textR !== undefined ? model.textR : ""
                    font.bold: true
                    font.family: mainIten.globalSetting_fontFamily
                    font.pixelSize: mainIten.globalSetting_size
                    color: entry.isLit ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
                }

                MouseArea {
                    id: entryArea
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onClicked: function(mouse) {
                        if (mouse.button === Qt.RightButton) {
                            fileList.listElementRightBtnClicked(index)
                            return
                        }
                        fileList.clickEntry(index)
                    }
                }

                Connections {
                    target: fileList
                    function onEditFileName_start(tarIndex) {
                        if (tarIndex !== index)
                            return
                        model.textX = txtLeft.text
                        entry.isEditing = true
                        txtLeft.forceActiveFocus()
                        txtLeft.selectAll()
                        Qt.inputMethod.show()
                    }
                    function onEditFileName_stop() {
                        entry.endEdit()
                    }
                }
            }
        }

        Connections {
            target: fileList.mdItems
            function onCountChanged() {
                fileList.resetCurrentIfEmpty()
            }
        }

        Rectangle {
            id: scrollBar
            objectName: "scrollBar"
            x: innerArea.width - width
            y: listView.visibleArea.yPosition * listView.height
            width: 5
            height: listView.visibleArea.heightRatio * listView.height
            radius: 2.5
            opacity: 0.5
            color: barArea.containsMouse ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
            visible: height + 1 < fileList.height && fileList.mdItems.count > 0

            MouseArea {
                id: barArea
                property real lastY: 0
                anchors.fill: parent
                hoverEnabled: true
                onPressed: function(mouse) {
                    lastY = mapToItem(fileList, mouse.x, mouse.y).y
                }
                onPositionChanged: function(mouse) {
                    if (!pressed)
                        return
                    var y = mapToItem(fileList, mouse.x, mouse.y).y
                    var dy = y - lastY
                    lastY = y
                    if ((dy < 0 && scrollBar.y >= 0) || (dy > 0 && scrollBar.y + scrollBar.height <= listView.height)) {
                        var top = listView.originY
                        var bottom = top + Math.max(0, listView.contentHeight - listView.height)
                        listView.contentY = Math.max(top, Math.min(bottom, listView.contentY + dy))
                    }
                }
            }
        }
    }
}
