import QtQuick
import "../common"

// One key of the key page's keyboard picture, sized to its cap picture. A
// click selects it; pressing and moving drags a copy of the cap, which the
// page may drop on its key field. `board` is the picture that made the key;
// it moves the focus over its keys, and the key with the focus shows the
// focus mark. A screen reader sees a button named by the label, checked
// while it is the chosen key.
Item {
    id: key
    property var board: null
    property int matrix: -1
    property int keyType: 0
    property int keyCode_Default: 0
    property int keyCode: 0
    readonly property bool isDefault: keyCode_Default === keyCode
    property string name: ""
    // The label, numbered where more keys carry it ("Shift 2"); the picture sets it.
    property string accessibleName: name
    readonly property bool isSelect: board !== null && board.curKeyMatrix === matrix
    property int correctionX: 0
    property int correctionY: 0
    property real dragOpacity: 1.0

    // A cap whose picture is missing still shows its label in a box this big.
    readonly property int fallbackSize: 26
    readonly property string picturePath: mainIten.skinPath + "/model_kb/k" + keyType

    width: keyType <= 0 ? 0 : (cap.status === Image.Ready ? cap.implicitWidth : fallbackSize)
    height: keyType <= 0 ? 0 : (cap.status === Image.Ready ? cap.implicitHeight : fallbackSize)
    visible: keyType > 0
    z: mouseArea.pressed ? 1 : 0

    Accessible.role: Accessible.Button
    Accessible.name: key.accessibleName
    Accessible.focusable: true
    Accessible.checkable: true
    Accessible.checked: key.isSelect
    Accessible.selected: key.isSelect
    Accessible.onPressAction: {
        if (key.enabled)
            key.board.keyClicked(key)
    }

    Image {
        id: cap
        objectName: "cap"
        source: key.keyType > 0 ? key.picturePath + "-0.png" : ""
    }

    KeyCapLabel {
        objectName: "label"
        text: key.name
        color: key.isDefault ? mainIten.globalSetting_color_enable : mainIten.globalSetting_color
    }

    Image {
        id: frame
        objectName: "frame"
        source: key.keyType > 0 ? key.picturePath + "-1.png" : ""
        visible: mouseArea.containsMouse || key.isSelect || !key.isDefault
        opacity: (mouseArea.containsMouse || key.isSelect) ? 1.0 : 0.5
    }

    FocusMark {
        objectName: "focusMark"
    }

    // The copy under the pointer while the key is pressed.
    Item {
        id: dragImage
        objectName: "dragImage"
        property real grabX: 0
        property real grabY: 0
        width: key.width
        height: key.height
        visible: mouseArea.pressed
        opacity: key.dragOpacity

        Image {
            source: cap.source
        }

        KeyCapLabel {
            text: key.name
            color: mainIten.globalSetting_color_enable
        }
    }

    MouseArea {
        id: mouseArea
        objectName: "mouseArea"
        anchors.fill: parent
        hoverEnabled: true
        enabled: key.enabled

        function follow(mouse) {
            key.correctionX = key.board.x + key.x + mouse.x
            key.correctionY = key.board.y + key.y + mouse.y
            dragImage.x = mouse.x - dragImage.grabX
            dragImage.y = mouse.y - dragImage.grabY
        }

        onPressed: function(mouse) {
            dragImage.grabX = mouse.x
            dragImage.grabY = mouse.y
            follow(mouse)
            key.board.z += 1
            key.board.keypressed(key)
        }
        onPositionChanged: function(mouse) {
            if (pressed)
                follow(mouse)
        }
        onReleased: function(mouse) {
            follow(mouse)
            key.board.z = 0
            key.board.keyreleased()
            key.dragOpacity = 1.0
        }
        onCanceled: {
            key.board.z = 0
            key.board.keycanceled()
            key.dragOpacity = 1.0
        }
        onClicked: key.board.keyClicked(key)
    }
}
