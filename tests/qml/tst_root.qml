import QtQuick
import QtTest

// The scene's root as the backend drives it.
TestCase {
    id: test
    name: "Root"
    when: windowShown
    visible: true
    width: 1000
    height: 600

    Component {
        id: sceneComponent
        Loader { source: "qrc:/modules/qml/main.qml" }
    }

    function createScene() {
        var loader = createTemporaryObject(sceneComponent, test)
        tryVerify(function() { return loader.status === Loader.Ready })
        return loader.item
    }

    function test_invisibleUntilRun() {
        var scene = createScene()
        verify(!scene.visible)
        scene.initUI()
        verify(!scene.visible)
        scene.run()
        verify(scene.visible)
        compare(scene.calls, ["initUI", "run"])
    }

    function test_keyEventsAreRelayed() {
        var scene = createScene()
        var spy = createTemporaryObject(signalSpyComponent, test, {target: scene, signalName: "msg_KB"})
        scene.detectKeyboard(true, 4)
        scene.detectKeyboard(false, 4)
        compare(spy.count, 2)
        compare(spy.signalArguments[0][0], true)
        compare(spy.signalArguments[1][1], 4)
    }

    Component {
        id: signalSpyComponent
        SignalSpy {}
    }
}
