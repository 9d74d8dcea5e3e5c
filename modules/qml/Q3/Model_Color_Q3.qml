import QtQuick
import "../common"
import "../common/KeyActions.js" as KeyActions
import "KeyMatrix.js" as KeyMatrix
import "KeyCursor.js" as KeyCursor

// The colour page's keyboard picture: one Key_ColorPro per key of the
// hardware definition. `keys` in creation order (the index is the key's
// swId), `getKey` by matrix slot with a blank record where no key is, and
// the key centres as (centre << 8) | swId, sorted, for the row and wave
// scripts (so at most 256 keys).
//
// By keyboard the picture is one tab stop, a list of its keys: the arrow
// keys move the cursor (`currentKey`, which holds the focus inside the
// picture) to the next key by place; Space, Return and Enter report it
// through keyToggled, as does a screen reader's toggle of a key.
FocusScope {
    id: modelQ3
    property var keys: []
    property var getKey: []
    property var keysPosX: []
    property var keysPosY: []
    // The effect controller the keys follow; set before initUI.
    property var ctrl: null

    readonly property int maxKeys: 256
    property Item currentKey: null
    signal keyToggled(Item key)

    activeFocusOnTab: true
    Accessible.role: Accessible.List
    Accessible.name: mainIten.globalString(46)
    Accessible.focusable: true

    readonly property var arrowDirections: {
        var d = {}
        d[Qt.Key_Left] = "left"
        d[Qt.Key_Right] = "right"
        d[Qt.Key_Up] = "up"
        d[Qt.Key_Down] = "down"
        return d
    }

    function moveCursor(direction) {
        var next = KeyCursor.next(keys, currentKey, direction)
        if (next)
            setCurrentKey(next)
    }

    function setCurrentKey(key) {
        currentKey = key
        if (key)
            key.focus = true
    }

    // Entering without a cursor (the caps not yet drawn when the keys were
    // built) puts it on the top left key.
    onActiveFocusChanged: {
        if (activeFocus && !currentKey)
            setCurrentKey(KeyCursor.first(keys))
    }

    // A held activation key toggles once.
    Keys.onPressed: function(event) {
        var direction = arrowDirections[event.key]
        if (direction !== undefined && KeyActions.isPlain(event)) {
            moveCursor(direction)
            event.accepted = true
        } else if (KeyActions.isActivation(event) && currentKey) {
            event.accepted = true
            if (!event.isAutoRepeat)
                keyToggled(currentKey)
        }
    }

    width: capLayer.width
    height: capLayer.height

    // The caps under the lit labels and the faint labels over them, each
    // drawn once into a cached image on a screen of scale 1. On a scaled
    // screen they are drawn directly: the software renderer places a layer
    // wrongly at any other scale.
    Item {
        id: capLayer
        objectName: "capLayer"
        z: -1
        layer.enabled: Screen.devicePixelRatio === 1
    }

    Item {
        id: faintLayer
        objectName: "faintLayer"
        z: 1
        width: capLayer.width
        height: capLayer.height
        layer.enabled: capLayer.layer.enabled
    }

    // Shown while the picture or one of its keys has the focus.
    FocusMark {
        objectName: "focusMark"
    }

    function blankKey() {
        return { matrix: -1, swId: -1, color: 0 }
    }

    function initUI(hwDef) {
        var component = Qt.createComponent("Key_ColorPro.qml")
        if (component.status === Component.Loading)
            component.statusChanged.connect(function() { buildKeys(component, hwDef) })
        else
            buildKeys(component, hwDef)
    }

    function buildKeys(component, hwDef) {
        if (component.status === Component.Loading)
            return
        hwDef = hwDef ? hwDef : []
        var slots = KeyMatrix.slotCount(hwDef)
        var byMatrix = []
        for (var s = 0; s < slots; ++s)
            byMatrix.push(blankKey())
        var created = []
        if (component.status !== Component.Ready) {
            console.log("Error loading component:", component.errorString())
        } else {
            var count = Math.min(Math.max(0, parseInt(hwDef[0]) || 0), maxKeys)
            for (var k = 0; k < count && 6 * k + 7 < hwDef.length; ++k) {
                var key = createKey(component, hwDef, k, created.length)
                if (key === null) {
                    console.log("Error creating key:", k)
                    continue
                }
                created.push(key)
                if (key.matrix >= 0 && key.matrix < slots && byMatrix[key.matrix].swId < 0)
                    byMatrix[key.matrix] = key
            }
        }
        var right = 0, bottom = 0
        for (var i = 0; i < created.length; ++i) {
            right = Math.max(right, created[i].x + created[i].width)
            bottom = Math.max(bottom, created[i].y + created[i].height)
        }
        capLayer.width = right
        capLayer.height = bottom
        var names = KeyCursor.distinctNames(created.map(function(k) { return k.name }))
        for (var n = 0; n < created.length; ++n) {
            created[n].accessibleName = names[n]
            created[n].toggleRequested.connect(toggleReporter(created[n]))
        }
        keys = created
        getKey = byMatrix
        setCurrentKey(KeyCursor.first(created))
        keysPosX = sortedCentres(created, "x0")
        keysPosY = sortedCentres(created, "y0")
    }

    function toggleReporter(key) {
        return function() { modelQ3.keyToggled(key) }
    }

    function createKey(component, hwDef, k, swId) {
        var at = 6 * k + 2
        var slot = parseInt(hwDef[at + 4])
        var key = component.createObject(modelQ3, {
            ctrl: modelQ3.ctrl,
            capParent: capLayer,
            faintParent: faintLayer,
            x: parseInt(hwDef[at]) || 0,
            y: parseInt(hwDef[at + 1]) || 0,
            keyType: parseInt(hwDef[at + 2]) || 0,
            name: String(hwDef[at + 3]),
            matrix: isNaN(slot) ? -1 : slot,
            swId: swId
        })
        if (key !== null)
            key.objectName = "key" + swId
        return key
    }

    // (centre << 8) | swId for every key, ascending: an insertion sort, as the
    // low byte keeps every value distinct.
    function sortedCentres(list, centre) {
        var sorted = []
        for (var i = 0; i < list.length; ++i) {
            var v = (list[i][centre] << 8) | list[i].swId
            var j = sorted.length
            sorted.push(v)
            while (j > 0 && sorted[j - 1] > v) {
                sorted[j] = sorted[j - 1]
                --j
            }
            sorted[j] = v
        }
        return sorted
    }
}
