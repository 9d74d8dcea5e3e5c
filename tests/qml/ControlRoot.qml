import QtQuick

// The stand-in for the scene's root (`mainIten`) in the tests of the shared
// controls: the focus mark's colour and a text table whose entry n reads
// "text n", so a test sees which entries a control names itself with.
Item {
    property color focusMarkColor: "#A8F4FC"

    function globalString(index) {
        return "text " + index
    }
}
