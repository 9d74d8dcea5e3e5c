import QtQuick
import "../common"

// One key of the colour page's keyboard picture, sized to its cap picture.
// Its label is the lit part of the preview: drawn in `color`, then once more
// in faint white so that an unlit key still shows its name. `ctrl` is the
// effect controller that drives the key; the bind_ values follow it.
//
// For the keyboard and screen readers the key is an entry of the picture's
// list: it takes the focus while it is the picture's cursor, is selected
// while isSelect and checked while the shown user picture has it painted.
// A screen reader's press or toggle asks the picture to toggle it
// (toggleRequested), as Space does.
Item {
    id: key
    property var ctrl: null

    // The key's own colour and alpha, 0 … 255.
    property int _R: 255
    property int _G: 255
    property int _B: 255
    property int _Alpha: 255
    // The label's colour: what the keyboard's LED would show.
    property alias color: litLabel.color

    property int swId: -1
    property int matrix: -1
    property int keyType: 0
    property string name: ""
    // Chosen by the last rubber band of the painting tool.
    property bool isSelect: false
    // The painting tool's live mark: the frame picture shows while it is set.
    property bool isMarked: false
    // The name a screen reader gives: the label, numbered where several
    // keys carry it.
    property string accessibleName: name
    signal toggleRequested

    readonly property int effectIndex: ctrl ? ctrl.effectIndex : -1
    readonly property int tmrCount: ctrl ? ctrl.shownCount : 0
    readonly property int directLV: ctrl ? ctrl.directLV : 1
    readonly property var totalColor: ctrl ? ctrl.totalColor : []
    readonly property int clrIndex: ctrl ? ctrl.colorChoice : 0
    readonly property int bind_R: ctrl ? ctrl.chosenColor[0] : 0
    readonly property int bind_G: ctrl ? ctrl.chosenColor[1] : 0
    readonly property int bind_B: ctrl ? ctrl.chosenColor[2] : 0
    readonly property int bind_A: ctrl ? ctrl.brightnessAlpha : 0
    readonly property bool isLOOP: clrIndex < 0 || clrIndex > 6
    readonly property int bind_R_loop: ctrl ? ctrl.loopColor[0] : 0
    readonly property int bind_G_loop: ctrl ? ctrl.loopColor[1] : 0
    readonly property int bind_B_loop: ctrl ? ctrl.loopColor[2] : 0

    // Painted: the shown user picture gives the key an option byte.
    readonly property int firstPicture: 0x33
    readonly property int pictureCount: 5
    readonly property var shownPicture: ctrl && effectIndex >= firstPicture
                                        && effectIndex < firstPicture + pictureCount
                                        ? ctrl.getPic(effectIndex - firstPicture + 1) : []
    readonly property bool isPainted: matrix >= 0 && 4 * matrix < shownPicture.length
                                      && (parseInt(shownPicture[4 * matrix]) || 0) !== 0

    readonly property string picturePath: mainIten.skinPath + "/model_kb/k" + keyType
    readonly property real faintLabelOpacity: 0.10

    // Where the cap and the faint label are drawn: the picture's layers
    // under and over the lit labels, each kept in one cached image, so a
    // frame repaints only the lit labels. Without them the key draws both.
    property Item capParent: null
    property Item faintParent: null
    property Item capItem: null
    property Item faintItem: null

    Accessible.role: Accessible.ListItem
    Accessible.name: accessibleName
    Accessible.focusable: true
    Accessible.selectable: true
    Accessible.selected: isSelect
    Accessible.checkable: true
    Accessible.checked: isPainted
    Accessible.onPressAction: toggleRequested()
    Accessible.onToggleAction: toggleRequested()

    width: keyType <= 0 || !capItem ? 0 : capItem.implicitWidth
    height: keyType <= 0 || !capItem ? 0 : capItem.implicitHeight
    visible: keyType > 0

    Component.onCompleted: {
        capItem = staticPart(capComponent, capParent, -1)
        faintItem = staticPart(faintComponent, faintParent, 1)
    }
    Component.onDestruction: {
        if (capParent && capItem)
            capItem.destroy()
        if (faintParent && faintItem)
            faintItem.destroy()
    }

    // A part placed over the key in `layer`, or inside the key without one.
    function staticPart(component, layer, z) {
        return component.createObject(layer ? layer : key, {
            x: Qt.binding(function() { return layer ? key.x : 0 }),
            y: Qt.binding(function() { return layer ? key.y : 0 }),
            z: z
        })
    }

    Component {
        id: capComponent
        Image {
            objectName: "cap"
            source: key.keyType > 0 ? key.picturePath + "-0.png" : ""
            visible: key.keyType > 0
        }
    }

    Component {
        id: faintComponent
        Item {
            width: key.width
            height: key.height
            visible: key.keyType > 0
            KeyCapLabel {
                objectName: "faintLabel"
                text: key.name
                color: "white"
                opacity: key.faintLabelOpacity
                Accessible.ignored: true
            }
        }
    }

    KeyCapLabel {
        id: litLabel
        objectName: "label"
        text: key.name
        color: "transparent"
        Accessible.ignored: true
    }

    Image {
        objectName: "frame"
        source: key.keyType > 0 ? key.picturePath + "-1.png" : ""
        visible: key.isMarked
    }

    FocusMark {
        objectName: "focusMark"
    }
}
