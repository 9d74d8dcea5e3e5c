import QtQuick

// The stand-in for the scene's root (`mainIten`) in the tests of the shared
// controls: the focus mark's colour and a text table whose entry n reads
// "text n", so a test sees which entries a control names itself with. Keys
// the controls inside leave unaccepted reach it: keysPassedOn lists them,
// leaving out the modifier keys themselves.
Item {
    property color focusMarkColor: "#A8F4FC"
    property var keysPassedOn: []

    Keys.onPressed: function(event) {
        var modifierKeys = [Qt.Key_Shift, Qt.Key_Control, Qt.Key_Alt, Qt.Key_Meta]
        if (modifierKeys.indexOf(event.key) < 0)
            keysPassedOn.push(event.key)
    }

    function globalString(index) {
        return "text " + index
    }
}
