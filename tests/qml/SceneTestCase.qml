import QtQuick
import QtTest

// A test case on the real scene: it loads the scene from the resources,
// starts it as the backend does (with animations off) and finds its parts by
// object name.
TestCase {
    when: windowShown
    visible: true
    width: 1000
    height: 600

    Component {
        id: sceneComponent
        Loader { source: "qrc:/modules/qml/main.qml" }
    }

    function part(item, name) {
        var found = findChild(item, name)
        verify(found, name)
        return found
    }

    // The scene after start-up and power-on, animations off, the page area
    // shown with no page in it.
    function startScene() {
        var loader = createTemporaryObject(sceneComponent, this)
        tryVerify(function() { return loader.status === Loader.Ready })
        var scene = loader.item
        scene.initUI()
        scene.buildPages() // as the backend does after the first frame
        scene.animation_speed = 10
        scene.setProtectUI(0)
        scene.run()
        tryVerify(function() { return part(scene, "_fkPage").visible })
        return scene
    }

    function settle() {
        wait(100) // writes run on the pool; each takes a few milliseconds
    }
}
