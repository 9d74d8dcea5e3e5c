// The stored settings list: its positions and how its entries read.
// Shared by the settings panel and the scene's root, which reads what the
// power-on needs before the panel is built.
.pragma library

var version = 1

// Where each setting lies in the stored list: the one layout that reading
// (the functions below, the settings page) and writing (compose) share.
// `swatches` is the first of seven colours of three entries each (red,
// green, blue).
var positions = {
    version: 0,
    skin: 1,
    sound: 2,
    animations: 3,
    language: 4,
    backgroundOn: 5,
    background: 6,
    textSize: 7,
    swatches: 8,
    chosenSwatch: 29,
    brightness: 30,
    url: 31
}
var swatchCount = 7
var channels = 3

// Position of channel `c` (0 red, 1 green, 2 blue) of swatch `k`.
function swatchAt(k, c) {
    return positions.swatches + channels * k + c
}

// The settings list of `values`, an object with one member per name of
// `positions` but `version` (which is always this script's); `swatches` is a
// list of seven [red, green, blue].
function compose(values) {
    var a = []
    for (var name in positions) {
        if (name === "version")
            a[positions.version] = version
        else if (name === "swatches")
            for (var k = 0; k < swatchCount; ++k)
                for (var c = 0; c < channels; ++c)
                    a[swatchAt(k, c)] = values.swatches[k][c]
        else
            a[positions[name]] = values[name]
    }
    return a
}

// Animation time base with animations on and off (ms).
var speedOn = 800
var speedOff = 10

var builtInUrl = "https://q3config.github.io/"

// The interface text's appearance before the settings are read.
var builtInTextSize = 11
var builtInTextColor = "#FF00FFFF"
var builtInTextColorEnable = "#FFAAAAAA"
var builtInTextColorDisable = "#80FFFFFF"
var builtInFontFamily = "Arial"

// Entry i of a settings list as a whole number; NaN when it is missing or
// holds anything else.
function whole(a, i) {
    if (i >= a.length)
        return NaN
    var t = String(a[i]).trim()
    return /^-?[0-9]+$/.test(t) ? parseInt(t, 10) : NaN
}

// Entry i when it is one of 0 … count - 1, else `fallback`.
function choice(a, i, count, fallback) {
    var v = whole(a, i)
    return (v >= 0 && v < count) ? v : fallback
}

// Entry i clamped to lo … hi; `fallback` when it is no number.
function clamped(a, i, lo, hi, fallback) {
    var v = whole(a, i)
    return isNaN(v) ? fallback : Math.max(lo, Math.min(hi, v))
}

// Sound: 0 on, 1 off.
function sound(a) {
    return choice(a, positions.sound, 2, 0)
}

// Animations: 0 on, 1 off.
function animations(a) {
    return choice(a, positions.animations, 2, 0)
}

// The animation time base for an animations choice.
function speedFor(animationsChoice) {
    return animationsChoice === 0 ? speedOn : speedOff
}
