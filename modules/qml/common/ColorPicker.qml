import QtQuick

// Colour picker: a colour bar running black, red, yellow, green, cyan, blue,
// magenta, white and back to black, three R/G/B number rows and (optionally)
// a swatch of the current colour. `_R`, `_G`, `_B` hold the current colour,
// `_RGB` the same as "#rrggbb".
//
// setRGB(source, r, g, b) makes a colour current; source names who changed
// it: 1 the bar, 2 the number rows, 3 a colour strip, anything else the
// owner. The rows show the new colour unless they are its source; a number
// still being typed in a row then gives way to it, since it was typed for
// the colour that was current before. A change by the user, on the bar or in
// the rows, is reported by colorPicked with its source. commitInput()
// commits a number still being typed in a row (as leaving the row does);
// owners call it before they use the colour or make another one current.
// The rows are the keyboard's way in: they are in the tab chain, named RED,
// GREEN and BLUE for screen readers; the bar serves the mouse only.
Item {
    id: colorPicker
    property int _R: 255
    property int _G: 255
    property int _B: 255
    readonly property string _RGB: "#" + hex2(_R) + hex2(_G) + hex2(_B)
    property bool showSwatch: true
    property string inputFontFamily: "Arial"
    signal colorPicked(int source, int r, int g, int b)

    readonly property int sourceBar: 1
    readonly property int sourceRows: 2
    readonly property int sourceStrip: 3

    function hex2(v) {
        return (v < 16 ? "0" : "") + v.toString(16)
    }

    function channel(v) {
        var n = Math.round(Number(v))
        return isNaN(n) ? 0 : Math.max(0, Math.min(255, n))
    }

    function setRGB(source, r, g, b) {
        _R = channel(r)
        _G = channel(g)
        _B = channel(b)
        if (source !== sourceRows) {
            _rowR.show(_R)
            _rowG.show(_G)
            _rowB.show(_B)
        }
    }

    // The colour under the bar at x pixels from its left end: the bar is cut
    // into eight bands of 1/8 of (length - 1) pixels; c runs from 0 to 1
    // across a band. The last pixel and anything beyond are black.
    function colorAt(x) {
        var t = x / (_bar.width - 1) / 0.125
        var level = Math.floor(t)
        var c = t - level
        var up = Math.round(255 * c)
        var down = Math.round(255 - 255 * c)
        switch (level) {
        case 0: return [up, 0, 0]
        case 1: return [255, up, 0]
        case 2: return [down, 255, 0]
        case 3: return [0, 255, up]
        case 4: return [0, down, 255]
        case 5: return [up, 0, 255]
        case 6: return [255, up, 255]
        case 7: return [down, down, down]
        default: return [0, 0, 0]
        }
    }

    function commitInput() {
        var rows = [_rowR, _rowG, _rowB]
        for (var i = 0; i < rows.length; ++i) {
            if (rows[i].field.activeFocus)
                rows[i].field.focus = false
        }
    }

    function rowsCommitted() {
        setRGB(sourceRows, _rowR.value, _rowG.value, _rowB.value)
        colorPicked(sourceRows, _R, _G, _B)
    }

    implicitWidth: (showSwatch ? _swatch.x + _swatch.width : _rows.x + _rows.width)
    implicitHeight: _barPicture.implicitHeight
    opacity: enabled ? 1.0 : 0.2

    Image {
        id: _barPicture
        source: mainIten.sourcePalette

        // Only the press counts: dragging along the bar changes nothing.
        Rectangle {
            id: _bar
            objectName: "bar"
            Accessible.ignored: true
            y: 3
            width: _barPicture.width
            height: _barPicture.height - 6
            gradient: Gradient {
                orientation: Gradient.Horizontal
                GradientStop { position: 0.000; color: "#000000" }
                GradientStop { position: 0.125; color: "#FF0000" }
                GradientStop { position: 0.250; color: "#FFFF00" }
                GradientStop { position: 0.375; color: "#00FF00" }
                GradientStop { position: 0.500; color: "#00FFFF" }
                GradientStop { position: 0.625; color: "#0000FF" }
                GradientStop { position: 0.750; color: "#FF00FF" }
                GradientStop { position: 0.875; color: "#FFFFFF" }
                GradientStop { position: 1.000; color: "#000000" }
            }

            MouseArea {
                anchors.fill: parent
                onPressed: function(mouse) {
                    colorPicker.commitInput()
                    var c = colorPicker.colorAt(mouse.x)
                    colorPicker.setRGB(colorPicker.sourceBar, c[0], c[1], c[2])
                    colorPicker.colorPicked(colorPicker.sourceBar, colorPicker._R, colorPicker._G,
                                            colorPicker._B)
                }
            }
        }
    }

    Column {
        id: _rows
        x: _barPicture.width + 10
        spacing: 3

        ColorInputRow {
            id: _rowR
            objectName: "rowR"
            label: "R "
            accessibleName: mainIten.globalString(121)
            fontFamily: colorPicker.inputFontFamily
            onCommitted: colorPicker.rowsCommitted()
        }

        ColorInputRow {
            id: _rowG
            objectName: "rowG"
            label: "G "
            accessibleName: mainIten.globalString(122)
            fontFamily: colorPicker.inputFontFamily
            onCommitted: colorPicker.rowsCommitted()
        }

        ColorInputRow {
            id: _rowB
            objectName: "rowB"
            label: "B "
            accessibleName: mainIten.globalString(123)
            fontFamily: colorPicker.inputFontFamily
            onCommitted: colorPicker.rowsCommitted()
        }
    }

    Rectangle {
        id: _swatch
        objectName: "swatch"
        visible: colorPicker.showSwatch
        x: _rows.x + _rows.width + 12
        anchors.verticalCenter: _rows.verticalCenter
        width: 39
        height: 6
        color: colorPicker._RGB
        border.width: 1
        border.color: mainIten.globalSetting_color_disable
    }
}
