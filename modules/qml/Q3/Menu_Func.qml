import QtQuick
import "../common"
import "../common/KeyActions.js" as KeyActions

// The function menu: four buttons choosing the page, a row of page tabs for
// screen readers. Clicking the current entry deselects it (index -1); Return,
// Enter and Space act as a click, Up and Down move the focus between entries.
Item {
    id: menuFunc
    width: 150
    height: 178

    property alias currentIndex: _list.currentIndex
    signal indexChanged_btn(int currentIndex)

    // A click on entry `index`: it becomes current, or is deselected when it
    // already is.
    function activate(index) {
        _list.currentIndex = (_list.currentIndex === index) ? -1 : index
        indexChanged_btn(_list.currentIndex)
    }

    // Makes entry `index` current as a click does; the current entry stays.
    function choose(index) {
        if (_list.currentIndex !== index)
            activate(index)
    }

    // The button of entry `index` takes the focus (none before the list has
    // made it).
    function focusEntry(index) {
        var item = _list.itemAtIndex(index)
        if (item)
            item.forceActiveFocus(Qt.OtherFocusReason)
    }

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
        objectName: "functionList"
        anchors.fill: parent
        interactive: false
        spacing: 10
        currentIndex: -1
        model: _model
        Accessible.role: Accessible.PageTabList
        Accessible.name: mainIten.globalString(128)

        delegate: Item {
            id: _button
            objectName: "function" + index
            width: 150
            height: 37
            activeFocusOnTab: true

            Accessible.role: Accessible.PageTab
            Accessible.name: name
            Accessible.focusable: true
            Accessible.selectable: true
            Accessible.selected: _list.currentIndex === index
            Accessible.onPressAction: menuFunc.activate(index)

            Keys.onPressed: function(event) {
                if (KeyActions.isActivation(event)) {
                    event.accepted = true
                    if (!event.isAutoRepeat)
                        menuFunc.activate(index)
                    return
                }
                var step = (event.key === Qt.Key_Up || event.key === Qt.Key_Down)
                           ? KeyActions.arrowStep(event) : 0
                if (step !== 0) {
                    event.accepted = true
                    menuFunc.focusEntry(Math.max(0, Math.min(_list.count - 1, index + step)))
                }
            }

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
                Accessible.ignored: true
                font.bold: true
                font.family: mainIten.globalSetting_fontFamily
                font.pixelSize: mainIten.globalSetting_size
                color: mainIten.globalSetting_color
            }

            MouseArea {
                id: _area
                anchors.fill: parent
                hoverEnabled: true
                onClicked: menuFunc.activate(index)
            }

            FocusMark {}
        }
    }
}
