import QtQuick
import QtTest
import "qrc:/modules/qml/common"

// A page's reset/apply pair: two tab stops, reset first, named RESET and
// APPLY; Return, Enter and Space click them with the click sound.
ControlTestCase {
    id: test
    name: "ResetApplyPair"
    width: 300
    height: 200

    ControlRoot {
        id: mainIten
        anchors.fill: parent
        property url sourceFram2btn: "file:modules/img/skin1/common/fram_2btn.png"
        property url sourceReset0: "file:modules/img/skin1/common/reset_0.png"
        property url sourceReset1: "file:modules/img/skin1/common/reset_1.png"
        property url sourceApply0: "file:modules/img/skin1/common/apply_0.png"
        property url sourceApply1: "file:modules/img/skin1/common/apply_1.png"
        property var cues: []
        function playMedia(index) {
            cues.push(index)
        }
    }

    Component {
        id: pairComponent
        ResetApplyPair { x: 20; y: 20; resetName: "reset"; applyName: "apply" }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function init() {
        mainIten.cues = []
    }

    function test_tabChain() {
        var t = createWithProbes(pairComponent, mainIten)
        compare(tabStops(t.before, 3), ["reset", "apply", "after"])
        compare(tabStops(t.after, 3, true), ["apply", "reset", "before"])
    }

    function test_keys_data() {
        return [
            { tag: "Return on reset", tabs: 1, key: Qt.Key_Return, resets: 1, applies: 0 },
            { tag: "Space on apply", tabs: 2, key: Qt.Key_Space, resets: 0, applies: 1 },
            { tag: "Enter on apply", tabs: 2, key: Qt.Key_Enter, resets: 0, applies: 1 }
        ]
    }

    function test_keys(data) {
        var t = createWithProbes(pairComponent, mainIten)
        var resets = createTemporaryObject(spyComponent, test, { target: t.control, signalName: "resetClicked" })
        var applies = createTemporaryObject(spyComponent, test, { target: t.control, signalName: "applyClicked" })
        tabStops(t.before, data.tabs)
        keyClick(data.key)
        compare([resets.count, applies.count], [data.resets, data.applies])
        compare(mainIten.cues, [4])
    }

    function test_accessible() {
        var pair = createTemporaryObject(pairComponent, mainIten)
        var reset = findChild(pair, "reset")
        var apply = findChild(pair, "apply")
        compare([reset.Accessible.role, apply.Accessible.role], [Accessible.Button, Accessible.Button])
        compare([reset.Accessible.name, apply.Accessible.name], ["text 77", "text 107"])
        var applies = createTemporaryObject(spyComponent, test, { target: pair, signalName: "applyClicked" })
        apply.Accessible.pressAction()
        compare(applies.count, 1)
    }
}
