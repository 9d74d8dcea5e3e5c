import QtQuick
import QtTest
import "qrc:/modules/qml/basic/BuiltInStrings.js" as BuiltInStrings
import "qrc:/modules/qml/common"

// The colour picker (bar, R/G/B rows, swatch) and the colour strip (seven
// swatches and the LOOP box). Bar colours are worked by hand from the bar's
// rule: t = x / 95 / 0.125 on the 96-pixel bar, band floor(t), c = t - band.
// The rows are the keyboard's way in: tab stops named RED, GREEN and BLUE.
ControlTestCase {
    id: test
    name: "ColorPicker"
    when: windowShown
    visible: true
    width: 400
    height: 300

    Item {
        id: mainIten
        anchors.fill: parent
        property int globalSetting_size: 11
        property color globalSetting_color: "#FF00C8FF"
        property color globalSetting_color_enable: "#FFAAAAAA"
        property color globalSetting_color_disable: "#80FFFFFF"
        property string globalSetting_fontFamily: "Arial"
        property url sourcePalette: "file:modules/img/skin1/common/draw_palette.png"
        property url sourceInputValue: "file:modules/img/skin1/common/draw_inputValue.png"
        property url sourcePaletteIndex: "file:modules/img/skin1/common/draw_paletteIndex.png"
        property url sourceCHK0: "file:modules/img/skin1/common/checkbox_0.png"
        property url sourceCHK1: "file:modules/img/skin1/common/checkbox_1.png"
        function playMedia(index) {
        }
        property color focusMarkColor: "#A8F4FC"
        function globalString(index) {
            return BuiltInStrings.strings[index]
        }
    }

    Component {
        id: pickerComponent
        ColorPicker { x: 20; y: 20 }
    }

    Component {
        id: stripComponent
        ColorStrip {
            x: 20
            y: 120
            mdColors: ListModel {
                ListElement { clrR: 255; clrG: 0; clrB: 0 }
                ListElement { clrR: 0; clrG: 255; clrB: 0 }
                ListElement { clrR: 255; clrG: 255; clrB: 0 }
                ListElement { clrR: 0; clrG: 0; clrB: 255 }
                ListElement { clrR: 0; clrG: 255; clrB: 255 }
                ListElement { clrR: 255; clrG: 0; clrB: 255 }
                ListElement { clrR: 10; clrG: 20; clrB: 30 }
            }
        }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }

    function createPicker(properties) {
        var picker = createTemporaryObject(pickerComponent, mainIten, properties)
        verify(picker)
        tryVerify(function() { return part(picker, "bar").width === 96 })
        return picker
    }

    function part(item, name) {
        var found = findChild(item, name)
        verify(found, name)
        return found
    }

    function spy(target, signalName) {
        return createTemporaryObject(spyComponent, test, { target: target, signalName: signalName })
    }

    function argumentsOf(signalSpy, index) {
        return Array.prototype.slice.call(signalSpy.signalArguments[index])
    }

    function rgb(picker) {
        return [picker._R, picker._G, picker._B]
    }

    function rowTexts(picker) {
        return ["rowR", "rowG", "rowB"].map(function(name) { return part(picker, name).field.text })
    }

    // ---- the bar ----

    // Exactly on each band boundary, t is whole and c is 0.
    function test_bandBoundaries_data() {
        return [
            { tag: "band 0 starts black", x: 0, rgb: [0, 0, 0] },
            { tag: "band 1 starts red", x: 11.875, rgb: [255, 0, 0] },
            { tag: "band 2 starts yellow", x: 23.75, rgb: [255, 255, 0] },
            { tag: "band 3 starts green", x: 35.625, rgb: [0, 255, 0] },
            { tag: "band 4 starts cyan", x: 47.5, rgb: [0, 255, 255] },
            { tag: "band 5 starts blue", x: 59.375, rgb: [0, 0, 255] },
            { tag: "band 6 starts magenta", x: 71.25, rgb: [255, 0, 255] },
            { tag: "band 7 starts white", x: 83.125, rgb: [255, 255, 255] },
            { tag: "the last pixel is black", x: 95, rgb: [0, 0, 0] },
            { tag: "beyond the bar is black", x: 120, rgb: [0, 0, 0] }
        ]
    }

    function test_bandBoundaries(data) {
        var picker = createPicker()
        compare(picker.colorAt(data.x), data.rgb)
    }

    // Pressing on pixels either side of each boundary.
    function test_barPress_data() {
        return [
            { tag: "x 6: t 0.5053, half way to red", x: 6, rgb: [129, 0, 0] },
            { tag: "x 11: t 0.9263", x: 11, rgb: [236, 0, 0] },
            { tag: "x 12: t 1.0105", x: 12, rgb: [255, 3, 0] },
            { tag: "x 23: t 1.9368", x: 23, rgb: [255, 239, 0] },
            { tag: "x 24: t 2.0211", x: 24, rgb: [250, 255, 0] },
            { tag: "x 35: t 2.9474", x: 35, rgb: [13, 255, 0] },
            { tag: "x 36: t 3.0316", x: 36, rgb: [0, 255, 8] },
            { tag: "x 47: t 3.9579", x: 47, rgb: [0, 255, 244] },
            { tag: "x 48: t 4.0421", x: 48, rgb: [0, 244, 255] },
            { tag: "x 59: t 4.9684", x: 59, rgb: [0, 8, 255] },
            { tag: "x 60: t 5.0526", x: 60, rgb: [13, 0, 255] },
            { tag: "x 71: t 5.9789", x: 71, rgb: [250, 0, 255] },
            { tag: "x 72: t 6.0632", x: 72, rgb: [255, 16, 255] },
            { tag: "x 83: t 6.9895", x: 83, rgb: [255, 252, 255] },
            { tag: "x 84: t 7.0737", x: 84, rgb: [236, 236, 236] },
            { tag: "x 94: t 7.9158", x: 94, rgb: [21, 21, 21] },
            { tag: "x 95: t 8, black", x: 95, rgb: [0, 0, 0] }
        ]
    }

    function test_barPress(data) {
        var picker = createPicker()
        var picked = spy(picker, "colorPicked")
        var bar = part(picker, "bar")
        mousePress(bar, data.x, 10)
        compare(rgb(picker), data.rgb)
        compare(rowTexts(picker), data.rgb.map(String), "the rows follow the bar")
        compare(picked.count, 1)
        compare(argumentsOf(picked, 0), [1].concat(data.rgb))
        // Dragging along the bar changes nothing; only the press counted.
        mouseMove(bar, 40, 10, -1, Qt.LeftButton)
        mouseRelease(bar, 40, 10)
        compare(rgb(picker), data.rgb)
        compare(picked.count, 1)
    }

    function test_barGradient() {
        var picker = createPicker()
        var stops = part(picker, "bar").gradient.stops
        var expected = ["#000000", "#ff0000", "#ffff00", "#00ff00", "#00ffff", "#0000ff", "#ff00ff",
                        "#ffffff", "#000000"]
        compare(stops.length, 9)
        for (var i = 0; i < stops.length; ++i) {
            compare(stops[i].position, i / 8)
            verify(Qt.colorEqual(stops[i].color, expected[i]), "stop " + i)
        }
    }

    // ---- the R/G/B rows ----

    // Keys typed into a row that showed 100, then committed by Return.
    function test_rowInput_data() {
        return [
            { tag: "a number", keys: "42", value: 42 },
            { tag: "leading zeros", keys: "007", value: 7 },
            { tag: "above 255 counts as 255", keys: "300", value: 255 },
            { tag: "999", keys: "999", value: 255 },
            { tag: "a minus sign is not taken", keys: "-1", value: 1 },
            { tag: "letters are not taken", keys: "abc", value: 100 },
            { tag: "an empty field keeps the value", keys: "", value: 100 },
            { tag: "at most three digits", keys: "1234", value: 123 }
        ]
    }

    function test_rowInput(data) {
        var picker = createPicker()
        picker.setRGB(0, 100, 100, 100)
        var picked = spy(picker, "colorPicked")
        var field = part(picker, "rowG").field
        field.forceActiveFocus()
        field.selectAll()
        keyClick(Qt.Key_Delete)
        for (var i = 0; i < data.keys.length; ++i)
            keyClick(data.keys[i])
        compare(picker._G, 100, "nothing counts before the commit")
        keyClick(Qt.Key_Return)
        verify(!field.activeFocus, "Return drops the focus")
        compare(rgb(picker), [100, data.value, 100])
        compare(field.text, String(data.value))
        compare(picked.count, 1)
        compare(argumentsOf(picked, 0), [2, 100, data.value, 100])
    }

    // Text that reached the field without typing (set by a program or an
    // input method) counts the same way: clamped, or the last value.
    function test_rowText_data() {
        return [
            { tag: "-1", text: "-1", value: 0 },
            { tag: "-4", text: "-4", value: 0 },
            { tag: "300", text: "300", value: 255 },
            { tag: "abc", text: "abc", value: 100 },
            { tag: "empty", text: "", value: 100 },
            { tag: "spaces", text: "  ", value: 100 },
            { tag: "12abc", text: "12abc", value: 100 }
        ]
    }

    function test_rowText(data) {
        var picker = createPicker()
        picker.setRGB(0, 100, 100, 100)
        var field = part(picker, "rowB").field
        field.forceActiveFocus()
        field.text = data.text
        part(picker, "rowR").field.forceActiveFocus() // leaving the row commits it
        compare(picker._B, data.value)
        compare(field.text, String(data.value))
    }

    function test_enterCommitsToo() {
        var picker = createPicker()
        var field = part(picker, "rowR").field
        field.forceActiveFocus()
        field.selectAll()
        keyClick("9")
        keyClick(Qt.Key_Enter)
        compare(picker._R, 9)
        verify(!field.activeFocus)
    }

    function test_commitInputWithoutLeavingTheRow() {
        var picker = createPicker()
        var picked = spy(picker, "colorPicked")
        var field = part(picker, "rowB").field
        field.forceActiveFocus()
        field.selectAll()
        keyClick("6")
        keyClick("4")
        compare(picker._B, 255)
        picker.commitInput()
        compare(picker._B, 64)
        verify(!field.activeFocus)
        compare(picked.count, 1)
        compare(argumentsOf(picked, 0), [2, 255, 255, 64])
        picker.commitInput() // nothing being typed: nothing to report
        compare(picked.count, 1)
    }

    // The rows show every colour except one they made themselves.
    function test_setRGBAndTheRows_data() {
        return [
            { tag: "from the owner", source: 0, rows: ["1", "2", "3"] },
            { tag: "from the bar", source: 1, rows: ["1", "2", "3"] },
            { tag: "from the rows", source: 2, rows: ["255", "255", "255"] },
            { tag: "from a strip", source: 3, rows: ["1", "2", "3"] }
        ]
    }

    function test_setRGBAndTheRows(data) {
        var picker = createPicker()
        var picked = spy(picker, "colorPicked")
        picker.setRGB(data.source, 1, 2, 3)
        compare(rgb(picker), [1, 2, 3])
        compare(rowTexts(picker), data.rows)
        compare(picked.count, 0, "setRGB is not a change by the user")
    }

    // A number being typed was meant for the colour current while it was
    // typed: a colour made current from elsewhere replaces it in the row,
    // and a later commit takes the new colour as it is.
    function test_outsideChangeReplacesATypedNumber_data() {
        return [
            { tag: "from the owner", source: 0 },
            { tag: "from a strip", source: 3 }
        ]
    }

    function test_outsideChangeReplacesATypedNumber(data) {
        var picker = createPicker()
        var field = part(picker, "rowR").field
        field.forceActiveFocus()
        field.selectAll()
        keyClick("5")
        compare(field.text, "5")
        picker.setRGB(data.source, 1, 2, 3)
        compare(rowTexts(picker), ["1", "2", "3"])
        var picked = spy(picker, "colorPicked")
        picker.commitInput()
        compare(rgb(picker), [1, 2, 3])
        compare(picked.count, 1)
        compare(argumentsOf(picked, 0), [2, 1, 2, 3])
    }

    // Pressing the bar while a number is being typed: the number is
    // committed first, for the colour it was typed for, then the bar's colour
    // follows. x 60 on the bar: t = 5.0526, band 5: (13, 0, 255).
    function test_barPressCommitsTheTypedNumberFirst() {
        var picker = createPicker()
        picker.setRGB(0, 100, 100, 100)
        var field = part(picker, "rowG").field
        field.forceActiveFocus()
        field.selectAll()
        keyClick("4")
        keyClick("2")
        var picked = spy(picker, "colorPicked")
        mousePress(part(picker, "bar"), 60, 10)
        mouseRelease(part(picker, "bar"), 60, 10)
        compare(picked.count, 2)
        compare(argumentsOf(picked, 0), [2, 100, 42, 100])
        compare(argumentsOf(picked, 1), [1, 13, 0, 255])
        compare(rgb(picker), [13, 0, 255])
        compare(rowTexts(picker), ["13", "0", "255"])
        verify(!field.activeFocus)
    }

    function test_setRGBClampsAndRounds() {
        var picker = createPicker()
        picker.setRGB(0, 300, -4, 12.6)
        compare(rgb(picker), [255, 0, 13])
        picker.setRGB(0, "abc", 7, 8)
        compare(rgb(picker), [0, 7, 8])
    }

    function test_rowHighlightWhileFocused() {
        var picker = createPicker()
        var field = part(picker, "rowG").field
        verify(Qt.colorEqual(field.color, mainIten.globalSetting_color_enable))
        field.forceActiveFocus()
        verify(Qt.colorEqual(field.color, mainIten.globalSetting_color))
    }

    // ---- the swatch ----

    function test_swatch() {
        var picker = createPicker()
        picker.setRGB(0, 10, 0, 255)
        compare(picker._RGB, "#0a00ff")
        var swatch = part(picker, "swatch")
        verify(swatch.visible)
        verify(Qt.colorEqual(swatch.color, "#0a00ff"))
        compare([swatch.width, swatch.height], [39, 6])
        var rows = part(picker, "rowR").parent
        compare(swatch.x, rows.x + rows.width + 12)
        compare(rows.x, 96 + 10)
    }

    function test_noSwatch() {
        var picker = createPicker({ showSwatch: false })
        verify(!part(picker, "swatch").visible)
        var rows = part(picker, "rowR").parent
        compare(picker.implicitWidth, rows.x + rows.width)
    }

    function test_inputFont() {
        var picker = createPicker({ inputFontFamily: "WenQuanYi Micro Hei" })
        compare(part(picker, "rowB").field.font.family, "WenQuanYi Micro Hei")
    }

    // ---- the colour strip ----

    function createStrip(properties) {
        var strip = createTemporaryObject(stripComponent, mainIten, properties)
        verify(strip)
        return strip
    }

    function marks(strip) {
        var shown = ""
        for (var i = 0; i < 7; ++i)
            shown += part(part(strip, "swatch" + i), "mark").visible ? "1" : "0"
        return shown
    }

    function test_stripLayout() {
        var strip = createStrip()
        compare(strip.currentIndex, 6)
        compare(marks(strip), "0000001")
        for (var i = 0; i < 7; ++i) {
            var swatch = part(strip, "swatch" + i)
            compare([swatch.x, swatch.width, swatch.height], [21 * i, 19, 31])
            var colour = part(swatch, "colour")
            compare([colour.x, colour.y, colour.width, colour.height], [2, 10, 15, 15])
        }
        verify(Qt.colorEqual(part(part(strip, "swatch6"), "colour").color, "#0a141e"))
        verify(Qt.colorEqual(part(part(strip, "swatch3"), "colour").color, "#0000ff"))
        compare(part(strip, "loop").x, 145 + 5)
    }

    function test_stripClick_data() {
        return [
            { tag: "first swatch", swatch: 0, index: 0, marks: "1000000" },
            { tag: "fourth swatch", swatch: 3, index: 3, marks: "0001000" },
            { tag: "the LOOP box", swatch: -1, index: 7, marks: "0000000" }
        ]
    }

    function test_stripClick(data) {
        var strip = createStrip()
        var clicked = spy(strip, "indexClicked")
        var target = data.swatch >= 0 ? part(strip, "swatch" + data.swatch) : part(strip, "loop")
        mouseClick(target, 5, 5)
        compare(strip.currentIndex, data.index)
        compare(clicked.count, 1)
        compare(clicked.signalArguments[0][0], data.index)
        compare(marks(strip), data.marks)
    }

    function test_stripHoverFrame() {
        var strip = createStrip()
        var colour = part(part(strip, "swatch2"), "colour")
        compare(colour.border.width, 0)
        mouseMove(part(strip, "swatch2"), 9, 15)
        tryCompare(colour.border, "width", 1)
        verify(Qt.colorEqual(colour.border.color, mainIten.globalSetting_color))
        mouseMove(strip, 300, 100)
        tryCompare(colour.border, "width", 0)
    }

    function test_loopBoxLitWhileChosenOrHovered() {
        var strip = createStrip({ currentIndex: 2 })
        var loop = part(strip, "loop")
        verify(!loop.isSelect)
        strip.currentIndex = 7
        verify(loop.isSelect)
        strip.currentIndex = 2
        mouseMove(loop, 5, 5)
        tryVerify(function() { return loop.isSelect })
    }

    // A strip and a picker wired as their owners wire them: the picker edits
    // the strip's current swatch. A swatch clicked while a number is being
    // typed takes the focus, so the number lands in the swatch it was typed
    // for and the rows then show the clicked swatch.
    Component {
        id: pairComponent
        Item {
            property alias strip: pairStrip
            property alias picker: pairPicker
            ColorStrip {
                id: pairStrip
                x: 20
                y: 120
                currentIndex: 1
                mdColors: ListModel {
                    ListElement { clrR: 255; clrG: 0; clrB: 0 }
                    ListElement { clrR: 0; clrG: 255; clrB: 0 }
                    ListElement { clrR: 255; clrG: 255; clrB: 0 }
                    ListElement { clrR: 0; clrG: 0; clrB: 255 }
                    ListElement { clrR: 0; clrG: 255; clrB: 255 }
                    ListElement { clrR: 255; clrG: 0; clrB: 255 }
                    ListElement { clrR: 10; clrG: 20; clrB: 30 }
                }
                onIndexClicked: function(index) {
                    if (index < loopIndex) {
                        var c = mdColors.get(index)
                        pairPicker.setRGB(pairPicker.sourceStrip, c.clrR, c.clrG, c.clrB)
                    }
                }
            }
            ColorPicker {
                id: pairPicker
                x: 20
                y: 20
                onColorPicked: function(source, r, g, b) {
                    if (pairStrip.currentIndex < pairStrip.loopIndex)
                        pairStrip.mdColors.set(pairStrip.currentIndex, { clrR: r, clrG: g, clrB: b })
                }
            }
            Component.onCompleted: pairPicker.setRGB(pairPicker.sourceStrip, 0, 255, 0)
        }
    }

    function swatchColours(strip) {
        var colours = []
        for (var i = 0; i < strip.mdColors.count; ++i) {
            var c = strip.mdColors.get(i)
            colours.push([c.clrR, c.clrG, c.clrB])
        }
        return colours
    }

    // Green swatch 1 is current; "77" is typed into the red row, then a
    // target is clicked and the owner commits (as its apply does).
    function test_typedNumberStaysWithItsSwatch_data() {
        return [
            { tag: "another swatch", click: "swatch4", current: 4, rows: ["0", "255", "255"],
              colours: [[255, 0, 0], [77, 255, 0], [255, 255, 0], [0, 0, 255], [0, 255, 255],
                        [255, 0, 255], [10, 20, 30]] },
            { tag: "the LOOP box", click: "loop", current: 7, rows: ["77", "255", "0"],
              colours: [[255, 0, 0], [77, 255, 0], [255, 255, 0], [0, 0, 255], [0, 255, 255],
                        [255, 0, 255], [10, 20, 30]] }
        ]
    }

    function test_typedNumberStaysWithItsSwatch(data) {
        var pair = createTemporaryObject(pairComponent, mainIten)
        verify(pair)
        tryVerify(function() { return part(pair.picker, "bar").width === 96 })
        var field = part(pair.picker, "rowR").field
        field.forceActiveFocus()
        field.selectAll()
        keyClick("7")
        keyClick("7")
        mouseClick(part(pair.strip, data.click), 5, 5)
        pair.picker.commitInput()
        compare(pair.strip.currentIndex, data.current)
        compare(swatchColours(pair.strip), data.colours)
        compare(rowTexts(pair.picker), data.rows)
    }

    function test_stripWithoutLoop() {
        var strip = createStrip({ showLoop: false, currentIndex: 0 })
        verify(!part(strip, "loop").visible)
        compare(strip.implicitWidth, 145)
    }

    // The three fields in order, the bar and the swatch no stops.
    function test_rowsTabChain() {
        var t = createWithProbes(pickerComponent, mainIten, { objectName: "picker" })
        tryVerify(function() { return part(t.control, "bar").width === 96 })
        var fields = [part(t.control, "rowR").field, part(t.control, "rowG").field, part(t.control, "rowB").field]
        t.before.forceActiveFocus()
        var stops = []
        for (var i = 0; i < 4; ++i) {
            keyClick(Qt.Key_Tab)
            var at = fields.indexOf(focusItem())
            stops.push(at >= 0 ? ["R", "G", "B"][at] : focusItem().objectName)
        }
        compare(stops, ["R", "G", "B", "after"])
        t.control.enabled = false
        compare(tabStops(t.before, 1), ["after"])
    }

    // Return commits the row and leaves the focus on it, marked, so Tab goes
    // on to the next row.
    function test_returnKeepsThePlace() {
        var picker = createPicker()
        picker.setRGB(0, 100, 100, 100)
        var picked = spy(picker, "colorPicked")
        var row = part(picker, "rowG")
        row.field.forceActiveFocus()
        row.field.selectAll()
        keyClick("7")
        keyClick(Qt.Key_Return)
        compare(argumentsOf(picked, 0), [2, 100, 7, 100])
        compare(focusItem(), row)
        var marks = []
        for (var i = 0; i < row.children.length; ++i)
            marks = marks.concat(findAllMarks(row.children[i]))
        compare(marks.filter(function(m) { return m.visible }).length, 1)
        keyClick(Qt.Key_Tab)
        compare(focusItem(), part(picker, "rowB").field)
        compare(marks.filter(function(m) { return m.visible }).length, 0)
        keyClick(Qt.Key_Return)
        compare(focusItem(), part(picker, "rowB"))
        keyClick(Qt.Key_Backtab)
        compare(focusItem(), row.field)
    }

    function findAllMarks(item) {
        var found = item.objectName === "focusMark" ? [item] : []
        for (var i = 0; i < item.children.length; ++i)
            found = found.concat(findAllMarks(item.children[i]))
        return found
    }

    function test_accessible() {
        var picker = createPicker()
        var names = []
        for (var row of ["rowR", "rowG", "rowB"]) {
            var field = part(picker, row).field
            compare(field.Accessible.role, Accessible.EditableText)
            names.push(field.Accessible.name)
        }
        compare(names, ["RED", "GREEN", "BLUE"])
        verify(part(picker, "bar").Accessible.ignored)
    }
}
