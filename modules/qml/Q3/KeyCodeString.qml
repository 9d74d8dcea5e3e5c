import QtQuick

// Key names and codes shared by all pages: built from the key-code
// definition at start-up.
QtObject {
    property var usbStr: []
    property var usbCode: []

    function initUI(hwDef, names, codes) {
        usbStr = names
        usbCode = codes
    }

    // The name of a USB usage code, or undefined when it has none.
    function keycodeTostr(keycode) {
        for (var i = 0; i < usbCode.length && i < usbStr.length; ++i) {
            if (parseInt(usbCode[i]) === keycode)
                return usbStr[i]
        }
        return undefined
    }
}
