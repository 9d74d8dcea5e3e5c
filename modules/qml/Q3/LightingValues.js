// Reading the stored lighting values the two lighting pages share.
.pragma library

// A stored number as a colour channel, 0 … 255; anything else reads as 0.
function channel(value) {
    var n = parseInt(value)
    return isNaN(n) ? 0 : Math.max(0, Math.min(255, n))
}

// Position `at` of a lighting record as a byte; missing or not a number is 0.
function byteAt(t, at) {
    var v = parseInt(t && t.length > at ? t[at] : 0)
    return isNaN(v) ? 0 : v & 0xFF
}

// The list to write back: an element still shown as it was shown after
// reading (`shown`) goes back exactly as it was read (`read`); one the user
// changed goes as it is now (`current`). The result is as long as `current`.
function keptOrChanged(read, shown, current) {
    var out = []
    for (var i = 0; i < current.length; ++i) {
        var kept = read && shown && i < read.length && i < shown.length && current[i] === shown[i]
        out.push(kept ? read[i] : current[i])
    }
    return out
}

// The controls the user has worked since the page last read, with `control`
// added.
function withWorked(worked, control) {
    var out = {}
    for (var name in worked)
        out[name] = worked[name]
    out[control] = true
    return out
}

// Whether `control` still shows (`now`) what it showed after reading
// (`shown`) and the user has not worked it: its value then goes back as read.
function unworked(control, worked, shown, now) {
    return !worked[control] && now[control] === shown[control]
}

// Puts `values` into `list` from `at` on, as far as `list` reaches.
function putValues(list, at, values) {
    for (var i = 0; i < values.length && at + i < list.length; ++i)
        list[at + i] = values[i]
}

// A copy of `list` with `values` from `at` on, as far as `list` reaches.
function withValues(list, at, values) {
    var out = list ? list.slice() : []
    putValues(out, at, values)
    return out
}

// Puts a stored colour set (21 numbers: red, green, blue of seven colours)
// into a list model with clrR, clrG, clrB; a shorter set changes nothing.
function fillColourSet(model, v) {
    if (!v || v.length < 3 * 7)
        return
    for (var i = 0; i < 7; ++i)
        model.set(i, { clrR: channel(v[3 * i]), clrG: channel(v[3 * i + 1]), clrB: channel(v[3 * i + 2]) })
}
