// Moving over a keyboard picture with the keyboard. Every function takes the
// keys a user can reach (objects with x, y, width and name, in the picture's
// coordinates) and the key the user is on, and gives the key to go to: the
// same key where there is nowhere to go. A row is the keys whose top edge is
// at the same y; a tall key belongs to the row of its top edge.
.pragma library

function centreX(key) {
    return key.x + key.width / 2
}

// Top to bottom, left to right.
function readingOrder(keys) {
    return keys.slice().sort(function(a, b) { return a.y !== b.y ? a.y - b.y : a.x - b.x })
}

function rowOf(keys, y) {
    return readingOrder(keys.filter(function(k) { return k.y === y }))
}

// The y of the row next to `y`: the nearest above (step -1) or below (+1).
function nextRowY(keys, y, step) {
    var found = null
    for (var i = 0; i < keys.length; ++i) {
        var ky = keys[i].y
        if ((step < 0 ? ky < y : ky > y) && (found === null || Math.abs(ky - y) < Math.abs(found - y)))
            found = ky
    }
    return found
}

// Along the row: step -1 to the left, +1 to the right.
function alongRow(keys, from, step) {
    var row = rowOf(keys, from.y)
    var at = row.indexOf(from)
    var to = at + step
    return to >= 0 && to < row.length ? row[to] : from
}

// To the row above (step -1) or below (+1): the key whose centre is nearest
// to the centre of `from`, the left one of two equally near.
function acrossRows(keys, from, step) {
    var y = nextRowY(keys, from.y, step)
    if (y === null)
        return from
    var row = rowOf(keys, y)
    var best = row[0]
    for (var i = 1; i < row.length; ++i) {
        if (Math.abs(centreX(row[i]) - centreX(from)) < Math.abs(centreX(best) - centreX(from)))
            best = row[i]
    }
    return best
}

function rowStart(keys, from) {
    return rowOf(keys, from.y)[0]
}

function rowEnd(keys, from) {
    var row = rowOf(keys, from.y)
    return row[row.length - 1]
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
