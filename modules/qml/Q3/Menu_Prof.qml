import QtQuick
import "../common"

// The on-board profile menu: one button per profile; a left click on another
// profile makes it the active one. A right click opens the context menu that
// imports (LOAD), exports (SAVE) or resets that profile; importing or
// resetting the active profile announces it again so that the pages re-read
// it.
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

    // (px, py): the pointer in the button of profile `index`.
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
        delegate: Item {
            objectName: "profile" + index
            width: menuProf.img_Width
            height: menuProf.img_Height

            Image {
                id: _state
                anchors.verticalCenter: parent.verticalCenter
                source: (_list.currentIndex === index || _area.containsMouse) ? mainIten.sourceFW1
                                                                               : mainIten.sourceFW0
            }

            Text {
                objectName: "label"
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
                    if (_list.currentIndex === index)
                        return
                    _list.currentIndex = index
                    menuProf.indexChanged_btn(index)
                }
            }
        }
    }

    ContextMenu {
        id: itLvContextMenu
        objectName: "itLvContextMenu"
        property int profileIndex: 0
        mdItems: mod2
        onEntryChosen: function(entry, action) {
            menuProf.runContextAction(action)
        }
    }
}
