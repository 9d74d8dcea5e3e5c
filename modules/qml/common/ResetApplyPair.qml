import QtQuick

// A page's reset/apply pair: the two-button frame, the reset button at
// (1, 1) and the apply button joined to its right. The owner names the
// buttons (resetName, applyName) and acts on resetClicked and applyClicked.
// Screen readers hear them as RESET and APPLY.
Image {
    id: resetApplyPair
    property string resetName: "reset"
    property string applyName: "apply"
    signal resetClicked
    signal applyClicked

    source: mainIten.sourceFram2btn

    Button_2state {
        id: _reset
        objectName: resetApplyPair.resetName
        x: 1
        y: 1
        source0: mainIten.sourceReset0
        source1: mainIten.sourceReset1
        Accessible.name: mainIten.globalString(77)
        onClicked: resetApplyPair.resetClicked()
    }

    Button_2state {
        objectName: resetApplyPair.applyName
        x: _reset.x + _reset.width - 1
        y: 1
        source0: mainIten.sourceApply0
        source1: mainIten.sourceApply1
        Accessible.name: mainIten.globalString(107)
        onClicked: resetApplyPair.applyClicked()
    }
}
