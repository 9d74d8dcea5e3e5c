import QtQuick
import QtTest

// The scene on a screen scaled above 1 (run by ctest with QT_SCALE_FACTOR 2
// and 1.5; not one of the tst_*.qml files the plain scene run picks up):
// every skin picture but the window and page backgrounds is shown from its
// @2x file, and every one keeps the scene size of the 1x picture, so the
// layout is the one of an unscaled screen; and the
// colour page's key caps are drawn where the keys are. Expected sizes are the
// painter's pictures measured in scene pixels; the cap colour is the face
// gradient of skin 1's caps (raisedTop #303740 at the top) worked out by hand
// at 4 pixels down: #2F363E.
SceneTestCase {
    id: test
    name: "SceneScaled"

    Component {
        id: probeComponent
        Image { asynchronous: false }
    }

    function probe(source) {
        var image = createTemporaryObject(probeComponent, test, { source: source })
        tryVerify(function() { return image.status !== Image.Loading })
        compare(image.status, Image.Ready, String(source))
        return image
    }

    function isSkinPicture(value) {
        return String(value).indexOf("modules/img/skin") >= 0
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

    function colourPage() {
        var scene = startScene()
        part(scene, "_fkPage").show(2)
        tryVerify(function() { return !part(scene, "pa_X").running && !part(scene, "paBack_X").running })
        return { scene: scene, page: part(scene, "main_Q3").page(2) }
    }

    function initTestCase() {
        verify(Screen.devicePixelRatio > 1, "run with QT_SCALE_FACTOR above 1, not "
               + Screen.devicePixelRatio)
    }

    // The pictures as the scene names them ("file:modules/img/skin1/…",
    // relative to the program's folder): the 1x picture's size in the scene;
    // loaded from the @2x file (twice as many pixels), the backgrounds from
    // their only file.
    function test_namedPictureIsShownFromItsDouble_data() {
        return [
            { tag: "window background", property: "sourceBackground", width: 1000, height: 600, ratio: 1 },
            { tag: "frame overlay", property: "sourceFrameBackground", width: 1000, height: 600, ratio: 1 },
            { tag: "key page", property: "sourceFnKeydefineBackground", width: 759, height: 442, ratio: 1 },
            { tag: "settings button", property: "sourceAS0", width: 28, height: 14, ratio: 2 },
            { tag: "function button", property: "sourceListFnBtn_0", width: 150, height: 37, ratio: 2 },
            { tag: "active profile mark", property: "sourceFW1", width: 14, height: 14, ratio: 2 },
            { tag: "one-pixel line", property: "sourceLine", width: 16, height: 1, ratio: 2 },
            { tag: "check box", property: "sourceCHK0", width: 15, height: 15, ratio: 2 },
        ]
    }

    function test_namedPictureIsShownFromItsDouble(data) {
        var scene = startScene()
        verify(String(scene[data.property]).indexOf("file:modules/img/skin1/") === 0,
               String(scene[data.property]))
        var image = probe(scene[data.property])
        compare(image.implicitWidth, data.width)
        compare(image.implicitHeight, data.height)
        compare(image.sourceSize.width, data.ratio * data.width)
        compare(image.sourceSize.height, data.ratio * data.height)
    }

    // Every skin picture shown anywhere once the colour page is built: its
    // file has twice the pixels of its size in the scene, but for the
    // backgrounds (more than 100000 scene pixels), which have their 1x file.
    function test_everyShownSkinPictureIsADouble() {
        var t = colourPage()
        var shown = imagesIn(t.scene, [])
        var checked = 0
        var faults = []
        for (var i = 0; i < shown.length; ++i) {
            var image = shown[i]
            if (!isSkinPicture(image.source) || image.status !== Image.Ready)
                continue
            ++checked
            var ratio = image.implicitWidth * image.implicitHeight > 100000 ? 1 : 2
            if (image.sourceSize.width !== ratio * image.implicitWidth
                    || image.sourceSize.height !== ratio * image.implicitHeight)
                faults.push(image.source + ": " + image.sourceSize.width + " x "
                            + image.sourceSize.height + " for " + image.implicitWidth + " x "
                            + image.implicitHeight)
        }
        verify(checked > 100, "skin pictures shown (" + checked + ")")
        compare(faults.join("; "), "")
    }

    // The colour page's caps lie under their keys: a point on the face of a
    // top-row and of a bottom-row cap shows the cap, not the dark well.
    function test_colourPageCapsInPlace_data() {
        return [{ tag: "top row", row: "top" }, { tag: "bottom row", row: "bottom" }]
    }

    function test_colourPageCapsInPlace(data) {
        var t = colourPage()
        var keys = part(t.page, "_model").keys
        verify(keys.length > 100)
        var key = keys[0]
        for (var i = 1; i < keys.length; ++i) {
            var k = keys[i]
            if (k.height !== 26)
                continue
            if (data.row === "top" ? k.y < key.y : k.y > key.y)
                key = k
        }
        compare(key.height, 26)
        var ratio = Screen.devicePixelRatio
        var at = key.mapToItem(test, 4, 4)
        var whole = createTemporaryQmlObject("import QtQuick; Item { width: " + 1000 * ratio
                                             + "; height: " + 600 * ratio + " }", test)
        var shot = grabImage(whole) // the window in device pixels
        var pixel = shot.pixel(Math.round(at.x * ratio), Math.round(at.y * ratio))
        var expected = [0x2F, 0x36, 0x3E]
        var got = [Math.round(pixel.r * 255), Math.round(pixel.g * 255), Math.round(pixel.b * 255)]
        for (var c = 0; c < 3; ++c)
            verify(Math.abs(got[c] - expected[c]) <= 4, key.name + " cap at (" + at.x + ", " + at.y
                   + ") shows " + pixel + ", not #2f363e")
    }
}
