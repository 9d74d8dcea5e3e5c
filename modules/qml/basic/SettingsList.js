// The stored settings list: its positions and how its entries read.
// Shared by the settings panel and the scene's root, which reads what the
// power-on needs before the panel is built.
.pragma library

var version = 1
var posSkin = 1
var posSound = 2
var posAnimations = 3
var posLanguage = 4
var posBackgroundOn = 5
var posBackground = 6
var posTextSize = 7
var posSwatches = 8
var posChosenSwatch = 29
var posBrightness = 30
var posUrl = 31

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
    return choice(a, posSound, 2, 0)
}

// Animations: 0 on, 1 off.
function animations(a) {
    return choice(a, posAnimations, 2, 0)
}

// The animation time base for an animations choice.
function speedFor(animationsChoice) {
    return animationsChoice === 0 ? speedOn : speedOff
}
