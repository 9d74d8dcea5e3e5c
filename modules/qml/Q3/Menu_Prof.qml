import QtQuick
import "../common"
import "../common/KeyActions.js" as KeyActions

// The on-board profile menu: one button per profile; a left click on another
// profile makes it the active one. A right click opens the context menu that
// imports (LOAD), exports (SAVE) or resets that profile; importing or
// resetting the active profile announces it again so that the pages re-read
// it. From the keyboard a profile button takes Return, Enter and Space as a
// left click and the Menu key or Shift+F10 as a right click; Up and Down move
// the focus between the buttons.
Image {
    id: menuProf
    source: mainIten.sourceListPfContainer

    property int img_Width: 49
    property int img_Height: 26
    property alias currentIndex: _list.currentIndex
    signal indexChanged_btn(int currentIndex)

    function initProfile(maxProfile) {
        mod.clear()
        for (var i = 0; i < maxProfile; ++i)
            mod.append({ number: i + 1 })
    }

    function translateStrings() {
        for (var i = 0; i < mod2.count; ++i)
            mod2.setProperty(i, "name", mainIten.globalString(mod2.get(i).stringIndex))
    }

    // A left click on the button of profile `index`: another profile becomes
    // the active one.
    function choose(index) {
        if (_list.currentIndex === index)
            return
        _list.currentIndex = index
        indexChanged_btn(index)
    }

    function focusButton(index) {
        var item = _list.itemAtIndex(index)
        if (item)
            item.forceActiveFocus(Qt.OtherFocusReason)
    }

    // (px, py): the pointer in the button of profile `index`; the keyboard
    // opens it at the button's middle.
    function openContextMenu(index, px, py) {
        itLvContextMenu.profileIndex = index
        itLvContextMenu.open(px - itLvContextMenu.width, index * img_Height + py + 85)
    }

    // Importing into the active profile refreshes the pages only when a file
    // was imported: a cancelled chooser keeps their unapplied edits.
    function runContextAction(action) {
        var profile = itLvContextMenu.profileIndex
        if (action === "load") {
            if (ui_View.loadProfile(profile) && profile === currentIndex)
                indexChanged_btn(currentIndex)
        } else if (action === "save") {
            ui_View.saveProfile(profile)
        } else if (action === "reset") {
            ui_View.resetProfile(profile)
            if (profile === currentIndex)
                indexChanged_btn(currentIndex)
        }
    }

    ListModel {
        id: mod
        ListElement { number: 1 }
        ListElement { number: 2 }
        ListElement { number: 3 }
        ListElement { number: 4 }
    }

    ListModel {
        id: mod2
        ListElement { name: "LOAD"; btnEnable: true; action: "load"; stringIndex: 84 }
        ListElement { name: "SAVE"; btnEnable: true; action: "save"; stringIndex: 85 }
        ListElement { name: "RESET"; btnEnable: true; action: "reset"; stringIndex: 77 }
        ListElement { name: "CANCEL"; btnEnable: true; action: "cancel"; stringIndex: 78 }
    }

    // Room for ten buttons.
    ListView {
        id: _list
        objectName: "profileList"
        x: 23
        y: 97
        width: menuProf.img_Width
        height: 10 * menuProf.img_Height
        interactive: false
        model: mod
        Accessible.role: Accessible.Grouping
        Accessible.name: mainIten.globalString(117)
        delegate: Item {
            objectName: "profile" + index
            width: menuProf.img_Width
            height: menuProf.img_Height
            activeFocusOnTab: true

            Accessible.role: Accessible.Button
            Accessible.name: mainIten.globalString(117) + " " + (index + 1)
            Accessible.focusable: true
            Accessible.checkable: true
            Accessible.checked: _list.currentIndex === index
            Accessible.onPressAction: menuProf.choose(index)

            Keys.onPressed: function(event) {
                if (KeyActions.isActivation(event)) {
                    event.accepted = true
                    if (!event.isAutoRepeat)
                        menuProf.choose(index)
                } else if (KeyActions.isMenuRequest(event)) {
                    event.accepted = true
                    menuProf.openContextMenu(index, width / 2, height / 2)
                } else if (event.key === Qt.Key_Up || event.key === Qt.Key_Down) {
                    var step = KeyActions.arrowStep(event)
                    if (step !== 0) {
                        event.accepted = true
                        menuProf.focusButton(Math.max(0, Math.min(_list.count - 1, index + step)))
                    }
                }
            }

            Image {
                id: _state
                anchors.verticalCenter: parent.verticalCenter
                source: (_list.currentIndex === index || _area.containsMouse) ? mainIten.sourceFW1
                                                                               : mainIten.sourceFW0
            }

            Text {
                objectName: "label"
                Accessible.ignored: true
                anchors.left: _state.right
                anchors.leftMargin: 2
                anchors.verticalCenter: parent.verticalCenter
                text: "P" + (index + 1 < 10 ? "0" : "") + (index + 1)
                font.bold: true
                font.family: "Arial"
                font.pixelSize: mainIten.globalSetting_size
                color: mainIten.globalSetting_color
            }

            MouseArea {
                id: _area
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onClicked: function(mouse) {
                    if (mouse.button === Qt.RightButton) {
                        menuProf.openContextMenu(index, mouse.x, mouse.y)
                        return
                    }
                    menuProf.choose(index)
                }
            }

            FocusMark {}
        }
    }

    ContextMenu {
        id: itLvContextMenu
        objectName: "itLvContextMenu"
        property int profileIndex: 0
        mdItems: mod2
        Accessible.name: mainIten.globalString(117) + " " + (profileIndex + 1)
        onEntryChosen: function(entry, action) {
            menuProf.runContextAction(action)
        }
    }
}
