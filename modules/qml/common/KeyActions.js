// What the shared controls make of a key press. A control handles only the
// keys named here and leaves every other key to its parents.
.pragma library

function isPlain(event) {
    return (event.modifiers & (Qt.AltModifier | Qt.ControlModifier | Qt.MetaModifier)) === 0
}

// Return, Enter and Space, without Alt, Ctrl or Meta: they act as a click.
function isActivation(event) {
    return isPlain(event) && (event.key === Qt.Key_Return || event.key === Qt.Key_Enter
                              || event.key === Qt.Key_Space)
}

// The step of a plain arrow key along a row or down a list: -1 for Left and
// Up, +1 for Right and Down, 0 for any other key.
function arrowStep(event) {
    if (!isPlain(event))
        return 0
    switch (event.key) {
    case Qt.Key_Left:
    case Qt.Key_Up:
        return -1
    case Qt.Key_Right:
    case Qt.Key_Down:
        return 1
    default:
        return 0
    }
}

// The key that asks for an entry's own menu: the Menu key, Shift+F10 or
// Alt+Down.
function isMenuRequest(event) {
    return event.key === Qt.Key_Menu || (event.key === Qt.Key_F10 && (event.modifiers & Qt.ShiftModifier))
            || (event.key === Qt.Key_Down && (event.modifiers & Qt.AltModifier))
}

// The keys that open a drop-down's list: Return, Enter, Space, Down and
// Alt+Down.
function isOpenRequest(event) {
    return isActivation(event) || (event.key === Qt.Key_Down && (isPlain(event) || isMenuRequest(event)))
}

// Where a plain arrow, Home or End key moves the keyboard's place among
// `count` choices laid out in rows of `columns`: Left and Right by one, Up and
// Down by a row (by one when all fit in one row), Home and End to the first
// and last. The place stops at the ends. -1 when the key moves nothing.
function movedIndex(event, index, count, columns) {
    if (!isPlain(event) || count <= 0)
        return -1
    var rowStep = columns > 0 && columns < count ? columns : 1
    var to
    switch (event.key) {
    case Qt.Key_Left: to = index - 1; break
    case Qt.Key_Right: to = index + 1; break
    case Qt.Key_Up: to = index - rowStep; break
    case Qt.Key_Down: to = index + rowStep; break
    case Qt.Key_Home: to = 0; break
    case Qt.Key_End: to = count - 1; break
    default: return -1
    }
    if (to < 0 || to >= count)
        return Math.max(0, Math.min(count - 1, index))
    return to
}

// The value a plain arrow, Home or End key gives a slider running from
// `minimum` to `maximum` in steps of one: Left and Down one less, Right and
// Up one more, Home the minimum, End the maximum, held within the range.
// NaN when the key means nothing to a slider.
function sliderValue(event, value, minimum, maximum) {
    if (!isPlain(event))
        return NaN
    var to
    switch (event.key) {
    case Qt.Key_Left:
    case Qt.Key_Down:
        to = value - 1
        break
    case Qt.Key_Right:
    case Qt.Key_Up:
        to = value + 1
        break
    case Qt.Key_Home:
        to = minimum
        break
    case Qt.Key_End:
        to = maximum
        break
    default:
        return NaN
    }
    return Math.max(minimum, Math.min(maximum, to))
}
