import QtQuick

// The on-board profile menu: one button per profile; a left click on another
// profile makes it the active one.
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
    }

    ListModel {
        id: mod
        ListElement { number: 1 }
        ListElement { number: 2 }
        ListElement { number: 3 }
        ListElement { number: 4 }
    }

    ListView {
        id: _list
        x: 23
        y: 97
        width: menuProf.img_Width
        height: 10 * menuProf.img_Height
        interactive: false
        model: mod
        delegate: Item {
            width: menuProf.img_Width
            height: menuProf.img_Height

            Image {
                id: _state
                anchors.verticalCenter: parent.verticalCenter
                source: (_list.currentIndex === index || _area.containsMouse) ? mainIten.sourceFW1
                                                                               : mainIten.sourceFW0
            }

            Text {
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
                onClicked: {
                    if (_list.currentIndex === index)
                        return
                    _list.currentIndex = index
                    menuProf.indexChanged_btn(index)
                }
            }
        }
    }
}
