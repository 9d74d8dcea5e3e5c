// Moving a cursor over a keyboard picture with the arrow keys, by the keys'
// places alone: each key is anything with x, y, width and height. Keys
// without a size (not drawn) are never chosen.
.pragma library

function centreX(k) {
    return k.x + k.width / 2
}

function centreY(k) {
    return k.y + k.height / 2
}

function drawn(k) {
    return k && k.width > 0 && k.height > 0
}

// Of two keys equally far, the upper one, then the left one.
function before(a, b) {
    return centreY(a) !== centreY(b) ? centreY(a) < centreY(b) : centreX(a) < centreX(b)
}

// Whether distance a ([first, then ...]) is less than b.
function less(a, b) {
    for (var i = 0; i < a.length; ++i) {
        if (a[i] !== b[i])
            return a[i] < b[i]
    }
    return false
}

function same(a, b) {
    return !less(a, b) && !less(b, a)
}

// The nearest drawn key by `distance`, which gives a list of numbers
// compared first to last, or null for a key not taken.
function nearest(keys, distance) {
    var best = null
    for (var i = 0; i < keys.length; ++i) {
        var k = keys[i]
        if (!drawn(k))
            continue
        var d = distance(k)
        if (d === null)
            continue
        if (best === null || less(d, best.d) || (same(d, best.d) && before(k, best.key)))
            best = { key: k, d: d }
    }
    return best ? best.key : null
}

// Whether keys a and b share some height of the picture.
function shareHeight(a, b) {
    return a.y < b.y + b.height && b.y < a.y + a.height
}

function shareWidth(a, b) {
    return a.x < b.x + b.width && b.x < a.x + a.width
}

// The next key left (step -1) or right (step 1) of `from` among the keys
// that share some of its height (a key two rows high meets both rows); null
// at the end of the row.
function sideways(keys, from, step) {
    return nearest(keys, function(k) {
        var d = (centreX(k) - centreX(from)) * step
        return k !== from && d > 0 && shareHeight(k, from) ? [d] : null
    })
}

// Where no key shares any width with the one left, a key counts this many
// times as far across as along the column.
var acrossWeight = 3

// The key above (step -1) or below (step 1) `from`, of the keys whose centre
// lies beyond its top (bottom) edge: the nearest in height of those sharing
// some of its width, of equally near ones the nearest across; where none
// shares its width, the nearest with the distance across counted
// acrossWeight times.
function vertical(keys, from, step) {
    var edge = step < 0 ? from.y : from.y + from.height
    var beyond = function(k) {
        return k !== from && (centreY(k) - edge) * step > 0
    }
    var along = function(k) {
        return Math.abs(centreY(k) - centreY(from))
    }
    var across = function(k) {
        return Math.abs(centreX(k) - centreX(from))
    }
    var inColumn = nearest(keys, function(k) {
        return beyond(k) && shareWidth(k, from) ? [along(k), across(k)] : null
    })
    return inColumn ? inColumn : nearest(keys, function(k) {
        return beyond(k) ? [along(k) + acrossWeight * across(k)] : null
    })
}

// The key the arrow `direction` ("left", "right", "up", "down") leads to
// from `from`, or null where there is none.
function next(keys, from, direction) {
    if (!drawn(from))
        return first(keys)
    switch (direction) {
    case "left": return sideways(keys, from, -1)
    case "right": return sideways(keys, from, 1)
    case "up": return vertical(keys, from, -1)
    case "down": return vertical(keys, from, 1)
    }
    return null
}

// The top left key: the highest, of equally high the leftmost.
function first(keys) {
    return nearest(keys, function() { return [0] })
}

// A name for each key, its label; labels that more than one key carries get
// the key's number among them ("Shift 1", "Shift 2"), in the order given.
function distinctNames(labels) {
    var counts = {}
    for (var i = 0; i < labels.length; ++i)
        counts[labels[i]] = (counts[labels[i]] || 0) + 1
    var seen = {}
    var names = []
    for (var j = 0; j < labels.length; ++j) {
        var label = labels[j]
        seen[label] = (seen[label] || 0) + 1
        names.push(counts[label] > 1 ? label + " " + seen[label] : label)
    }
    return names
}
