import QtQuick
import "KeyActions.js" as KeyActions

// Key capture field: a click starts (or stops) waiting; the first key event
// while waiting, down or up, is taken. The owner passes every key event seen
// on the desktop to detectKeyboard(isDown, usbCode).
// From the keyboard it is one stop of the tab chain: Return, Enter or Space
// start waiting as a click does (`isSelect`, also `listening`). The hook's
// events of that starting key are left out until its release (another key's
// event is taken even before it: the hook may have reported the starting key
// before the scene did). While waiting, and after a key is taken whose scene
// press is still to come or still down, until the next key release in the
// scene, the field accepts every key pressed in the scene, Tab and Escape
// included, so that the key taken acts on nothing else (`takesKeys`).
// Losing the focus stops waiting.
// Screen readers hear "KEY <key>" (NONE without one) and, while it waits,
// the description PRESS A KEY.
Rectangle {
    id: keyInput_2
    property bool isSelect: false
    property int tmpKeycodeUSB: 0
    property string tmpKeyString: ""
    property alias text: label
    readonly property bool listening: isSelect
    readonly property bool takesKeys: isSelect || _takenUntilRelease
    property int _startingUsage: 0
    property bool _takenUntilRelease: false
    // Whether the scene has had a key pressed since waiting began, and how
    // many of those are still down.
    property bool _scenePressed: false
    property int _sceneDown: 0
    signal inputComplete(int usbCode)

    readonly property int returnUsage: 40
    readonly property int spaceUsage: 44
    readonly property int keypadEnterUsage: 88

    function detectKeyboard(isDown, usbCode) {
        if (!isSelect)
            return
        if (isStartingKeyEcho(isDown, usbCode))
            return
        setKeycodeUSB(usbCode)
        _takenUntilRelease = activeFocus && sceneEventStillToCome(isDown)
        inputComplete(usbCode)
    }

    // Whether the scene has yet to see (or is still seeing) the key whose
    // hook event was taken: its press came and is still down, or, taken on
    // its press, the scene has seen no press since waiting began.
    function sceneEventStillToCome(isDown) {
        if (_sceneDown > 0)
            return true
        return isDown && !_scenePressed
    }

    function startWaiting() {
        _scenePressed = false
        _sceneDown = 0
        isSelect = true
    }

    function isStartingKeyEcho(isDown, usbCode) {
        if (_startingUsage === 0 || usbCode !== _startingUsage)
            return false
        if (!isDown)
            _startingUsage = 0
        return true
    }

    function setKeycodeUSB(keycode) {
        isSelect = false
        var name = keycode < 0 ? undefined : _KeyCodeString.keycodeTostr(keycode)
        if (name === undefined || name === null || String(name) === "") {
            tmpKeycodeUSB = 0
            tmpKeyString = ""
        } else {
            tmpKeycodeUSB = keycode
            tmpKeyString = name
        }
    }

    // What a click does.
    function toggleListening() {
        tmpKeycodeUSB = 0
        tmpKeyString = ""
        _startingUsage = 0
        if (isSelect)
            isSelect = false
        else
            startWaiting()
    }

    function startingUsage(qtKey) {
        switch (qtKey) {
        case Qt.Key_Return: return returnUsage
        case Qt.Key_Enter: return keypadEnterUsage
        case Qt.Key_Space: return spaceUsage
        default: return 0
        }
    }

    width: 151
    height: 23
    color: "#FF000000"
    opacity: enabled ? 1.0 : 0.2
    activeFocusOnTab: true

    Accessible.role: Accessible.Button
    Accessible.name: mainIten.globalString(74) + " "
                     + (tmpKeycodeUSB === 0 ? mainIten.globalString(127) : tmpKeyString)
    Accessible.description: isSelect ? mainIten.globalString(129) : ""
    Accessible.focusable: true
    Accessible.onPressAction: toggleListening()

    Keys.onPressed: function(event) {
        if (takesKeys) {
            event.accepted = true
            if (isSelect && !event.isAutoRepeat) {
                _scenePressed = true
                ++_sceneDown
            }
            return
        }
        if (!KeyActions.isActivation(event))
            return
        event.accepted = true
        if (event.isAutoRepeat)
            return
        toggleListening()
        _startingUsage = startingUsage(event.key)
    }
    Keys.onReleased: function(event) {
        _takenUntilRelease = false
        if (!event.isAutoRepeat && _sceneDown > 0)
            --_sceneDown
    }

    onActiveFocusChanged: {
        _takenUntilRelease = false
        if (!activeFocus)
            isSelect = false
    }

    Image {
        source: mainIten.sourceSlider
    }

    Text {
        id: label
        objectName: "label"
        x: (keyInput_2.width - width) / 2
        y: (keyInput_2.height - height) / 2
        text: keyInput_2.tmpKeycodeUSB === 0 ? "KEY【 PRESS ANY 】" : "KEY 【 " + keyInput_2.tmpKeyString + " 】"
        font.bold: true
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        color: (keyInput_2.isSelect || mouseArea.containsMouse) ? mainIten.globalSetting_color
                                                                : mainIten.globalSetting_color_enable
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        onClicked: keyInput_2.toggleListening()
    }

    FocusMark {}
}
