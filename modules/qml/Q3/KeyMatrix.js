// The size of the key matrix, as both keyboard pictures build it from the
// hardware definition's slot count (its second value).
.pragma library

// The keyboard always has this many slots, whatever a damaged definition says.
var keyboardSlots = 128
// A definition may name more slots than the keyboard has, but a damaged count
// must not size the pictures' lists: slots beyond this many are not kept.
var maxSlots = 256

function slotCount(hwDef) {
    var defined = parseInt(hwDef ? hwDef[1] : 0)
    return Math.min(Math.max(isNaN(defined) ? 0 : defined, keyboardSlots), maxSlots)
}
