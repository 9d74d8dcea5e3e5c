// Moving over the key page's keyboard picture with the keyboard, on top of
// KeyCursor (the arrow keys, by the keys' places, as on the colour page's
// picture). Every function takes the keys a user can reach (objects with x,
// y, width, height and name, in the picture's coordinates) and the key the
// user is on, and gives the key to go to: the same key where there is
// nowhere to go.
.pragma library
.import "KeyCursor.js" as KeyCursor

// direction: "left", "right", "up" or "down".
function arrow(keys, from, direction) {
    var to = KeyCursor.next(keys, from, direction)
    return to !== null ? to : from
}

// The leftmost (step -1) or rightmost (step 1) key that shares some height
// of the picture with `from`: Home and End.
function rowEdge(keys, from, step) {
    var best = from
    for (var i = 0; i < keys.length; ++i) {
        var k = keys[i]
        if (KeyCursor.drawn(k) && KeyCursor.shareHeight(k, from)
                && (KeyCursor.centreX(k) - KeyCursor.centreX(best)) * step > 0)
            best = k
    }
    return best
}

// Whether a key press's text is one character a key name can start with.
function isPrintable(text) {
    return text.length === 1 && text.charCodeAt(0) > 32 && text.charCodeAt(0) !== 127
}

// Top to bottom, left to right.
function readingOrder(keys) {
    return keys.slice().sort(function(a, b) { return a.y !== b.y ? a.y - b.y : a.x - b.x })
}

// The next key after `from` in reading order, going round, whose name is
// `text` (letter case aside); where no name is, the next whose name starts
// with it. `from` itself comes last; null when no key matches.
function byName(keys, from, text) {
    var t = String(text).toLowerCase()
    if (t === "")
        return null
    var order = readingOrder(keys)
    var start = order.indexOf(from)
    var rotated = order.slice(start + 1).concat(order.slice(0, start + 1))
    var named = function(k) { return String(k.name).toLowerCase() === t }
    var starting = function(k) { return String(k.name).toLowerCase().indexOf(t) === 0 }
    var hits = rotated.filter(named)
    if (hits.length === 0)
        hits = rotated.filter(starting)
    return hits.length > 0 ? hits[0] : null
}
