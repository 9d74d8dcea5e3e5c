import QtQuick

// Right-click menu: one 20-pixel row per entry of mdItems (`name`,
// `btnEnable`: a disabled entry is dimmed and ignores clicks, and optionally
// `action`, the name of what the entry does). open() places it and fades it
// in; choosing an entry fades it out, to invisible, and reports the entry's
// row and action with entryChosen. It stays open until an entry is chosen.
Rectangle {
    id: contextMenu
    property ListModel mdItems: ListModel {}
    readonly property int entryHeight: 20
    signal entryChosen(int index, string action)

    // Opening again while fading out keeps the menu: the fade-out is dropped.
    function open(atX, atY) {
        aniFadeOut.stop()
        x = atX
        y = atY
        visible = true
        aniFadeIn.restart()
    }

    function choose(index) {
        aniFadeIn.stop()
        aniFadeOut.restart()
        var action = mdItems.get(index).action
        entryChosen(index, action === undefined ? "" : action)
    }

    width: 45
    height: entryHeight * mdItems.count
    color: "#20000000"
    visible: false
    opacity: 0

    Column {
        Repeater {
            model: contextMenu.mdItems
            delegate: Item {
                objectName: "entry" + index
                width: contextMenu.width
                height: contextMenu.entryHeight

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
