import QtQuick

// The scene's root. The backend drives it through the root functions below;
// the scene stays invisible until "run".
Item {
    id: mainIten
    width: 1000
    height: 600
    visible: false

    // Root functions in the order the backend invoked them.
    property var calls: []
    property var hardwareDefinition: []
    property int profileCount: 0
    property int currentProfile: 0
    property var lighting: []

    signal msg_KB(bool isDown, int usbCode)

    function note(call) {
        calls = calls.concat([call])
    }

    function setProtectUI(interval) {
        note("setProtectUI(" + interval + ")")
        protectUIItem.visible = true
        if (typeof ui_View !== "undefined")
            ui_View.setEnabled(false)
        tmrProtectUI.interval = interval
        tmrProtectUI.restart()
    }

    // Reads what the pages need from the backend; the lighting comes from
    // the keyboard through syncLed.
    function initUI() {
        note("initUI")
        if (typeof ui_View === "undefined")
            return
        hardwareDefinition = ui_View.loadHWDef()
        profileCount = ui_View.getMaxProfile()
        currentProfile = ui_View.ui_A1H_GetCurrentProfile()
        ui_View.syncLed()
        lighting = ui_View.ui_88H_GetLEDType()
    }

    function zzzMorvat() {
        note("zzzMorvat")
    }

    function run() {
        note("run")
        visible = true
    }

    function detectKeyboard(isDown, usbCode) {
        msg_KB(isDown, usbCode)
    }

    function detectMouse(isDown, vornCode, x, y) {
    }

    Timer {
        id: tmrProtectUI
        interval: 1000
        repeat: false
        onRunningChanged: {
            if (running)
                return
            if (typeof ui_View !== "undefined")
                ui_View.setEnabled(true)
            protectUIItem.visible = false
        }
    }

    Rectangle {
        id: frame
        anchors.fill: parent
        radius: 14
        color: "#16191e"
        border.color: "#2fd3e6"
        border.width: 1

        Text {
            anchors.centerIn: parent
            text: typeof ui_View !== "undefined" ? "Q3" : ""
            color: "#2fd3e6"
            font.family: "Arial"
            font.pixelSize: 64
            font.bold: true
        }
    }

    Text {
        id: protectUIItem
        anchors.horizontalCenter: parent.horizontalCenter
        y: 560
        z: 99
        visible: false
        text: "LOADING ......"
        color: "#2fd3e6"
        font.family: "Arial"
        font.bold: true
        font.pixelSize: 11
    }
}
