import QtQuick

// The function menu: four buttons choosing the page. Clicking the current
// entry deselects it (index -1).
Item {
    id: menuFunc
    width: 150
    height: 178

    property alias currentIndex: _list.currentIndex
    signal indexChanged_btn(int currentIndex)

    readonly property string iconPath: "file:modules/img/skin1/list_fn/"

    function setSkin() {
        var path = mainIten.skinPath + "/list_fn/"
        var icons = ["fnKeydefine", "fnMacro", "fnColor", "fnColor"]
        for (var i = 0; i < _model.count; ++i) {
            _model.setProperty(i, "sourceICON0", path + icons[i] + "_0.png")
            _model.setProperty(i, "sourceICON1", path + icons[i] + "_1.png")
        }
    }

    function translateStrings() {
        var indexes = [74, 75, 76, 86]
        for (var i = 0; i < _model.count; ++i)
            _model.setProperty(i, "name", mainIten.globalString(indexes[i]))
    }

    ListModel {
        id: _model
        ListElement {
            sourceICON0: "file:modules/img/skin1/list_fn/fnKeydefine_0.png"
            sourceICON1: "file:modules/img/skin1/list_fn/fnKeydefine_1.png"
            name: "KEY"
        }
        ListElement {
            sourceICON0: "file:modules/img/skin1/list_fn/fnMacro_0.png"
            sourceICON1: "file:modules/img/skin1/list_fn/fnMacro_1.png"
            name: "MACRO"
        }
        ListElement {
            sourceICON0: "file:modules/img/skin1/list_fn/fnColor_0.png"
            sourceICON1: "file:modules/img/skin1/list_fn/fnColor_1.png"
            name: "COLOR"
        }
        ListElement {
            sourceICON0: "file:modules/img/skin1/list_fn/fnColor_0.png"
            sourceICON1: "file:modules/img/skin1/list_fn/fnColor_1.png"
            name: "BACKLIGHTING"
        }
    }

    ListView {
        id: _list
        anchors.fill: parent
        interactive: false
        spacing: 10
        currentIndex: -1
        model: _model
        delegate: Item {
            id: _button
            width: 150
            height: 37

            Image {
                anchors.fill: parent
                source: _area.containsMouse ? mainIten.sourceListFnBtn_1
                                            : mainIten.sourceListFnBtn_0
            }

            Image {
                id: _icon
                x: 150 / 15
                anchors.verticalCenter: parent.verticalCenter
                source: _list.currentIndex === index ? sourceICON1 : sourceICON0
            }

            Text {
                anchors.left: _icon.right
                anchors.leftMargin: 15
                anchors.verticalCenter: parent.verticalCenter
                anchors.verticalCenterOffset: 4
                text: name
                font.bold: true
                font.family: mainIten.globalSetting_fontFamily
                font.pixelSize: mainIten.globalSetting_size
                color: mainIten.globalSetting_color
            }

            MouseArea {
                id: _area
                anchors.fill: parent
                hoverEnabled: true
                onClicked: {
                    _list.currentIndex = (_list.currentIndex === index) ? -1 : index
                    menuFunc.indexChanged_btn(_list.currentIndex)
                }
            }
        }
    }
}
