import QtQuick
import "../common"
import "../common/KeyActions.js" as KeyActions
import "KeyPictureNavigation.js" as Navigation

// The key page's key field with its keyboard use. The mouse works the field
// itself (a click clears, a key of the picture dragged onto it is assigned).
// With the focus here, the arrow keys, Home, End and a typed key name go
// through the functions a drag can bring (the candidates, from keySource's
// draggableKeys(), in reading order), shown in the field as the drag hover
// shows it; Return, Enter or Space assign the one shown (assignCode), or,
// with none gone to, do what a click does (clearKey). Delete and Backspace
// clear. The owner describes it for screen readers. Escape drops the candidate and shows the field as before; without a
// candidate it is left to the page.
FocusScope {
    id: chooser
    property alias field: field
    property var keySource: null
    property bool dragOver: false
    property Item candidate: null
    property int _shownBefore: -1
    signal assignCode(int code)
    signal clearKey

    width: field.width
    height: field.height
    activeFocusOnTab: true

    Accessible.role: Accessible.Button
    Accessible.name: mainIten.globalString(74) + " "
                     + (field.keycodeUSB === -1 ? mainIten.globalString(127) : field.keyname)
    Accessible.focusable: true
    Accessible.onPressAction: chooser.activate()

    function candidates() {
        return keySource ? keySource.draggableKeys() : []
    }

    function show(key) {
        if (key === null || key === undefined)
            return
        if (candidate === null)
            _shownBefore = field.keycodeUSB
        candidate = key
        field.setKeycodeUSB(key.keyCode_Default)
    }

    function stopBrowsing() {
        if (candidate === null)
            return
        candidate = null
        field.setKeycodeUSB(_shownBefore)
    }

    // Where stepping starts: the candidate, else the key whose function the
    // field shows; -1 for neither.
    function currentIndex(list) {
        if (candidate !== null)
            return list.indexOf(candidate)
        for (var i = 0; i < list.length; ++i) {
            if (list[i].keyCode_Default === field.keycodeUSB)
                return i
        }
        return -1
    }

    function step(delta) {
        var list = candidates()
        if (list.length === 0)
            return
        var at = currentIndex(list)
        var to = at < 0 ? (delta > 0 ? 0 : list.length - 1)
                        : Math.max(0, Math.min(list.length - 1, at + delta))
        show(list[to])
    }

    function clear() {
        candidate = null
        field.clear()
    }

    function activate() {
        if (candidate === null) {
            clear()
            return
        }
        var code = candidate.keyCode_Default
        candidate = null
        assignCode(code)
    }

    onActiveFocusChanged: {
        if (!activeFocus)
            stopBrowsing()
    }

    Keys.onPressed: function(event) {
        if (!KeyActions.isPlain(event)) {
            event.accepted = false
            return
        }
        var list = candidates()
        switch (event.key) {
        case Qt.Key_Down:
        case Qt.Key_Right: step(1); break
        case Qt.Key_Up:
        case Qt.Key_Left: step(-1); break
        case Qt.Key_Home: show(list[0]); break
        case Qt.Key_End: show(list[list.length - 1]); break
        case Qt.Key_Return:
        case Qt.Key_Enter:
        case Qt.Key_Space:
            if (!event.isAutoRepeat)
                activate()
            break
        case Qt.Key_Delete:
        case Qt.Key_Backspace: clear(); break
        case Qt.Key_Escape:
            event.accepted = candidate !== null
            stopBrowsing()
            return
        default:
            var typed = event.text
            if (!Navigation.isPrintable(typed)) {
                event.accepted = false
                return
            }
            show(Navigation.byName(list, candidate, typed))
        }
        event.accepted = true
    }

    KeyInput {
        id: field
        objectName: "_menu2_0"
        isIn: chooser.dragOver || chooser.candidate !== null
        activeFocusOnTab: false
        Accessible.ignored: true
        onClearKey: {
            chooser.candidate = null
            chooser.clearKey()
        }
    }

    FocusMark {
        objectName: "focusMark"
    }
}
