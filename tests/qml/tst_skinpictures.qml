import QtQuick
import QtTest

// Every skin picture the scene names exists in every skin: the root's
// picture properties and every picture shown anywhere in the scene tree, once
// the scene has started in each skin.
TestCase {
    id: test
    name: "SkinPictures"
    when: windowShown
    visible: true
    width: 1000
    height: 600

    Component {
        id: sceneComponent
        Loader { source: "qrc:/modules/qml/main.qml" }
    }

    Component {
        id: probeComponent
        Image { asynchronous: false }
    }

    function startedScene(skin) {
        var loader = createTemporaryObject(sceneComponent, test)
        tryVerify(function() { return loader.status === Loader.Ready })
        var scene = loader.item
        scene.initUI()
        scene.buildPages() // as the backend does after the first frame
        findChild(scene, "_Page_Globalsetting").skin_No = skin
        scene.animation_speed = 10
        scene.run()
        tryVerify(function() { return findChild(scene, "_fkPage").visible })
        return scene
    }

    function isSkinPicture(value) {
        return String(value).indexOf("modules/img/skin") >= 0
    }

    function loads(source) {
        var probe = createTemporaryObject(probeComponent, test, { source: source })
        tryVerify(function() { return probe.status !== Image.Loading })
        return probe.status === Image.Ready
    }

    // Images in the whole tree, visual children and other children alike.
    function imagesIn(item, found) {
        var children = item.children ? item.children : []
        for (var i = 0; i < children.length; ++i) {
            var child = children[i]
            if (child.hasOwnProperty("sourceSize") && child.hasOwnProperty("fillMode"))
                found.push(child)
            imagesIn(child, found)
        }
        return found
    }

    function test_pictures_data() {
        return [{ tag: "skin 1", skin: 1 }, { tag: "skin 2", skin: 2 }]
    }

    function test_pictures(data) {
        var scene = startedScene(data.skin)
        compare(scene.skinPath, "file:modules/img/skin" + data.skin)

        var named = 0
        for (var key in scene) {
            if (key.indexOf("source") !== 0 || !isSkinPicture(scene[key]))
                continue
            verify(String(scene[key]).indexOf("/skin" + data.skin + "/") >= 0, key)
            verify(loads(scene[key]), key + ": " + scene[key])
            ++named
        }
        verify(named > 50, "the root names its pictures (" + named + ")")

        var shown = imagesIn(scene, [])
        var checked = 0
        for (var i = 0; i < shown.length; ++i) {
            if (!isSkinPicture(shown[i].source))
                continue
            verify(shown[i].status !== Image.Error, String(shown[i].source))
            ++checked
        }
        verify(checked > 10, "pictures shown in the scene (" + checked + ")")
    }
}
