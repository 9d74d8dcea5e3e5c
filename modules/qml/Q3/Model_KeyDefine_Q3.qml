import QtQuick
import "KeyMatrix.js" as KeyMatrix
import "KeyPictureNavigation.js" as Navigation
import "KeyCursor.js" as KeyCursor
import "../common/KeyActions.js" as KeyActions

// The key page's keyboard picture: one Key_KeyDefine per key of the hardware
// definition, built once by initUI. getKey is indexed by matrix slot; a slot
// without a key holds a blank record, so every slot has a keyCode.
// The picture is one tab stop: the focus sits on one of its keys (focusKey),
// the arrow keys (by place, as on the colour page's picture), Home and End
// (the first and last key at its height) and a typed key name move it over
// the keys that can be chosen, and Return, Enter or Space choose it as a
// click does (keyClicked). curKeyMatrix is the chosen key's slot, -1 for
// none.
FocusScope {
    id: modelQ3
    property int curKeyMatrix: 0
    property Item focusKey: null
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
    activeFocusOnTab: true

    Accessible.role: Accessible.Grouping
    Accessible.name: mainIten.globalString(46)

    // The keys a user can choose: drawn, owning a slot, not the Fn key.
    function choosableKeys() {
        var keys = []
        for (var i = 0; i < children.length; ++i) {
            var k = children[i]
            if (k.objectName.indexOf("key") === 0 && k.visible && k.enabled)
                keys.push(k)
        }
        return keys
    }

    // The choosable keys whose function a drag onto the key field gives.
    function draggableKeys() {
        return Navigation.readingOrder(choosableKeys().filter(function(k) {
            return ((k.keyCode_Default >> 8) & 0xFF) === 0
        }))
    }

    function moveFocusTo(key) {
        if (key === null || key === undefined)
            return
        focusKey = key
        key.focus = true
    }

    // Where the focus starts: the chosen key, else the first in reading order.
    function startKey() {
        var keys = choosableKeys()
        var chosen = curKeyMatrix >= 0 ? getKey[curKeyMatrix] : null
        if (chosen && keys.indexOf(chosen) >= 0)
            return chosen
        return keys.length > 0 ? Navigation.readingOrder(keys)[0] : null
    }

    onActiveFocusChanged: {
        if (activeFocus && (focusKey === null || !focusKey.enabled))
            moveFocusTo(startKey())
    }

    function navigate(event) {
        var keys = choosableKeys()
        var from = focusKey !== null && keys.indexOf(focusKey) >= 0 ? focusKey : startKey()
        if (from === null || !KeyActions.isPlain(event))
            return false
        switch (event.key) {
        case Qt.Key_Left: moveFocusTo(Navigation.arrow(keys, from, "left")); return true
        case Qt.Key_Right: moveFocusTo(Navigation.arrow(keys, from, "right")); return true
        case Qt.Key_Up: moveFocusTo(Navigation.arrow(keys, from, "up")); return true
        case Qt.Key_Down: moveFocusTo(Navigation.arrow(keys, from, "down")); return true
        case Qt.Key_Home: moveFocusTo(Navigation.rowEdge(keys, from, -1)); return true
        case Qt.Key_End: moveFocusTo(Navigation.rowEdge(keys, from, 1)); return true
        case Qt.Key_Return:
        case Qt.Key_Enter:
        case Qt.Key_Space:
            moveFocusTo(from)
            if (!event.isAutoRepeat)
                keyClicked(from)
            return true
        }
        if (Navigation.isPrintable(event.text)) {
            var named = Navigation.byName(keys, from, event.text)
            if (named !== null)
                moveFocusTo(named)
            return true
        }
        return false
    }

    Keys.onPressed: function(event) {
        event.accepted = navigate(event)
    }

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
            var created = []
            for (var k = 0; k < count && 6 * k + 7 < _HWDef.length; ++k)
                addKey(component, k, keys, created)
            nameKeys(created)
        }
        for (var i = 0; i < slots; ++i) {
            if (keys[i] === null)
                keys[i] = blankKey()
        }
        getKey = keys
    }

    // Names for screen readers: two keys with one label are told apart by
    // their number among them, in definition order.
    function nameKeys(created) {
        var names = KeyCursor.distinctNames(created.map(function(k) { return k.name }))
        for (var n = 0; n < created.length; ++n)
            created[n].accessibleName = names[n]
    }

    // A key whose slot is outside the matrix or already taken is drawn but
    // cannot be chosen: it has no slot of its own to hold an assignment.
    function addKey(component, k, keys, created) {
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
        created.push(key)
        if (ownsSlot)
            keys[slot] = key
    }
}
