import QtQuick
import "KeyMatrix.js" as KeyMatrix

// The key page's keyboard picture: one Key_KeyDefine per key of the hardware
// definition, built once by initUI. getKey is indexed by matrix slot; a slot
// without a key holds a blank record, so every slot has a keyCode.
Item {
    id: modelQ3
    property int curKeyMatrix: 0
    property var getKey: []
    property var dragingKey: blankKey()
    property bool isDraging: false
    property var _HWDef: []
    signal dragKey
    signal keyClicked(var key)

    // The Fn key: it has no assignable function.
    readonly property int fixedSlot: 89

    function blankKey() {
        return { keyCode: 0, keyCode_Default: 0, matrix: -1, correctionX: 0, correctionY: 0,
                 dragOpacity: 1.0 }
    }

    width: childrenRect.width
    height: childrenRect.height

    function keypressed(tmpKey) {
        dragingKey = tmpKey
        isDraging = true
    }

    function keyreleased() {
        isDraging = false
        dragKey()
    }

    // The press ended without a release (the scene took the pointer away).
    function keycanceled() {
        isDraging = false
    }

    function initUI(hwDef) {
        _HWDef = hwDef ? hwDef : []
        var component = Qt.createComponent("Key_KeyDefine.qml")
        if (component.status === Component.Loading)
            component.statusChanged.connect(function() { buildKeys(component) })
        else
            buildKeys(component)
    }

    function slotCount() {
        return KeyMatrix.slotCount(_HWDef)
    }

    function buildKeys(component) {
        if (component.status === Component.Loading)
            return
        var slots = slotCount()
        var keys = []
        for (var s = 0; s < slots; ++s)
            keys.push(null)
        if (component.status !== Component.Ready) {
            console.log("Error loading component:", component.errorString())
        } else {
            var count = Math.max(0, parseInt(_HWDef[0]) || 0)
            for (var k = 0; k < count && 6 * k + 7 < _HWDef.length; ++k)
                addKey(component, k, keys)
        }
        for (var i = 0; i < slots; ++i) {
            if (keys[i] === null)
                keys[i] = blankKey()
        }
        getKey = keys
    }

    // A key whose slot is outside the matrix or already taken is drawn but
    // cannot be chosen: it has no slot of its own to hold an assignment.
    function addKey(component, k, keys) {
        var at = 6 * k + 2
        var slot = parseInt(_HWDef[at + 4])
        var code = parseInt(_HWDef[at + 5]) || 0
        var ownsSlot = !isNaN(slot) && slot >= 0 && slot < keys.length && keys[slot] === null
        var key = component.createObject(modelQ3, {
            board: modelQ3,
            x: parseInt(_HWDef[at]) || 0,
            y: parseInt(_HWDef[at + 1]) || 0,
            keyType: parseInt(_HWDef[at + 2]) || 0,
            name: String(_HWDef[at + 3]),
            matrix: isNaN(slot) ? -1 : slot,
            keyCode: code,
            keyCode_Default: code,
            enabled: ownsSlot && slot !== fixedSlot
        })
        if (key === null) {
            console.log("Error creating key:", k)
            return
        }
        key.objectName = "key" + k
        if (ownsSlot)
            keys[slot] = key
    }
}
