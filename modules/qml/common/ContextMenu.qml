import QtQuick
import "KeyActions.js" as KeyActions

// Right-click menu: one 20-pixel row per entry of mdItems (`name`,
// `btnEnable`: a disabled entry is dimmed and ignores clicks, and optionally
// `action`, the name of what the entry does). open() places it and fades it
// in; choosing an entry fades it out, to invisible, and reports the entry's
// row and action with entryChosen. It stays open until an entry is chosen or
// it is closed (close(), Escape).
// While open it holds the keyboard focus: Up, Down, Home and End move the
// keyboard's place (keyIndex, -1 until the first move) over the enabled
// entries, Return, Enter and Space choose there. Choosing or closing gives the focus back to the item
// that had it when the menu opened.
Rectangle {
    id: contextMenu
    property ListModel mdItems: ListModel {}
    property int keyIndex: -1
    property Item returnFocusTo: null
    readonly property int entryHeight: 20
    signal entryChosen(int index, string action)

    // Opening again while fading out keeps the menu: the fade-out is dropped.
    function open(atX, atY) {
        aniFadeOut.stop()
        x = atX
        y = atY
        if (!activeFocus)
            returnFocusTo = Window.activeFocusItem
        visible = true
        aniFadeIn.restart()
        keyIndex = -1
        forceActiveFocus()
    }

    function choose(index) {
        giveFocusBack()
        aniFadeIn.stop()
        aniFadeOut.restart()
        var action = mdItems.get(index).action
        entryChosen(index, action === undefined ? "" : action)
    }

    // Fades out without a choice.
    function close() {
        giveFocusBack()
        aniFadeIn.stop()
        aniFadeOut.restart()
    }

    function giveFocusBack() {
        if (activeFocus && returnFocusTo)
            returnFocusTo.forceActiveFocus()
        returnFocusTo = null
    }

    function isEnabledEntry(index) {
        return index >= 0 && index < mdItems.count && mdItems.get(index).btnEnable
    }

    // The first enabled entry from `from` + `step` on in that direction; -1
    // when there is none.
    function nextEnabled(from, step) {
        for (var i = from + step; i >= 0 && i < mdItems.count; i += step) {
            if (isEnabledEntry(i))
                return i
        }
        return -1
    }

    function moveKeyIndex(event) {
        switch (event.key) {
        case Qt.Key_Up: return nextEnabled(keyIndex < 0 ? mdItems.count : keyIndex, -1)
        case Qt.Key_Down: return nextEnabled(keyIndex, 1)
        case Qt.Key_Home: return nextEnabled(-1, 1)
        case Qt.Key_End: return nextEnabled(mdItems.count, -1)
        default: return -2
        }
    }

    width: 45
    height: entryHeight * mdItems.count
    color: "#20000000"
    visible: false
    opacity: 0

    Accessible.role: Accessible.PopupMenu

    Keys.onPressed: function(event) {
        if (event.key === Qt.Key_Escape) {
            event.accepted = true
            close()
            return
        }
        if (!KeyActions.isPlain(event))
            return
        var to = moveKeyIndex(event)
        if (to !== -2) {
            event.accepted = true
            if (to >= 0)
                keyIndex = to
        } else if (KeyActions.isActivation(event)) {
            event.accepted = true
            if (!event.isAutoRepeat && isEnabledEntry(keyIndex))
                choose(keyIndex)
        }
    }

    Column {
        Repeater {
            model: contextMenu.mdItems
            delegate: Item {
                objectName: "entry" + index
                width: contextMenu.width
                height: contextMenu.entryHeight

                Accessible.role: Accessible.MenuItem
                Accessible.name: model.name
                Accessible.selected: contextMenu.keyIndex === index
                Accessible.onPressAction: if (model.btnEnable) contextMenu.choose(index)

                Text {
                    objectName: "entryText"
                    anchors.centerIn: parent
                    text: model.name
                    font.bold: true
                    font.family: mainIten.globalSetting_fontFamily
                    font.pixelSize: mainIten.globalSetting_size
                    color: !model.btnEnable ? mainIten.globalSetting_color_disable
                                            : entryArea.containsMouse ? mainIten.globalSetting_color
                                                                      : mainIten.globalSetting_color_enable
                }

                MouseArea {
                    id: entryArea
                    anchors.fill: parent
                    hoverEnabled: true
                    enabled: model.btnEnable
                    onClicked: contextMenu.choose(index)
                }

                FocusMark {
                    objectName: "focusMark"
                    target: contextMenu
                    shown: contextMenu.keyIndex === index
                }
            }
        }
    }

    NumberAnimation {
        id: aniFadeIn
        objectName: "fadeIn"
        target: contextMenu
        property: "opacity"
        from: 0
        to: 1
        easing.type: Easing.OutExpo
        duration: 1.5 * mainIten.animation_speed
    }

    // Only a fade that ran to its end hides the menu; open() stops it first.
    NumberAnimation {
        id: aniFadeOut
        objectName: "fadeOut"
        target: contextMenu
        property: "opacity"
        from: 1
        to: 0
        easing.type: Easing.OutExpo
        duration: mainIten.animation_speed
        onFinished: contextMenu.visible = false
    }
}
