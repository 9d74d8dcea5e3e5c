import QtQuick

// Header of a drop-down: the chosen entry's text, or the options placeholder
// when curIndex is outside the model, and the ▼ mark at the right; both are
// highlighted while hovered or while the list is open (isSelect).
Item {
    id: dropdownHeader
    property ListModel mdItems
    property int curIndex: -1
    property bool isSelect: false
    readonly property alias text: headerText.text
    signal clicked

    function placeholder() {
        var strings = mainIten.globalSetting_stringList
        return "【 " + ((strings && strings.length > 1) ? strings[1] : "OPTIONS") + " 】"
    }

    implicitWidth: picture.implicitWidth
    implicitHeight: picture.implicitHeight

    Image {
        id: picture
        source: mainIten.sourceSlider
    }

    Text {
        id: headerText
        objectName: "headerText"
        x: 10
        anchors.verticalCenter: parent.verticalCenter
        text: (dropdownHeader.mdItems && dropdownHeader.curIndex >= 0
               && dropdownHeader.curIndex < dropdownHeader.mdItems.count)
              ? dropdownHeader.mdItems.get(dropdownHeader.curIndex).textX : dropdownHeader.placeholder()
        font.bold: true
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        color: (headerArea.containsMouse || dropdownHeader.isSelect) ? mainIten.globalSetting_color
                                                                     : mainIten.globalSetting_color_enable
    }

    Text {
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        text: "▼"
        font.bold: true
        font.family: "Arial"
        font.pixelSize: mainIten.globalSetting_size
        color: headerText.color
    }

    MouseArea {
        id: headerArea
        anchors.fill: parent
        hoverEnabled: true
        onClicked: dropdownHeader.clicked()
    }
}
