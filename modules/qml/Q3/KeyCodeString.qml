import QtQuick

// The scene-wide key lookup: key names and USB usage codes from the key-code
// definition, and the keyboard's matrix slots with their default codes from
// the hardware definition. Every lookup is one map access; a missing entry
// gives undefined.
QtObject {
    property var str2keycode: ({})
    property var keycode2str: ({})
    property var matrix2keycode: ({})
    property var keycode2matrix: ({})

    // hwDef: [keys, slots, then x, y, type, label, slot, code per key];
    // names and codes: the key-code definition's two lists, paired by position.
    function initUI(hwDef, names, codes) {
        if (hwDef && hwDef.length > 0) {
            var toCode = {}
            var toMatrix = {}
            var keys = Math.max(0, parseInt(hwDef[0]) || 0)
            for (var k = 0; k < keys && 6 * k + 7 < hwDef.length; ++k) {
                var slot = parseInt(hwDef[6 * k + 6])
                var code = parseInt(hwDef[6 * k + 7])
                if (isNaN(slot) || isNaN(code))
                    continue
                toCode[slot] = code
                toMatrix[code] = slot
            }
            matrix2keycode = toCode
            keycode2matrix = toMatrix
        }
        var byName = {}
        var byCode = {}
        var count = Math.min(names ? names.length : 0, codes ? codes.length : 0)
        for (var i = 0; i < count; ++i) {
            var usage = parseInt(codes[i])
            if (isNaN(usage))
                continue
            byName[String(names[i])] = usage
            byCode[usage] = String(names[i])
        }
        str2keycode = byName
        keycode2str = byCode
    }

    function entry(map, key) {
        return Object.prototype.hasOwnProperty.call(map, key) ? map[key] : undefined
    }

    function strTokeycode(str) {
        return entry(str2keycode, str)
    }

    function keycodeTostr(keycode) {
        return entry(keycode2str, keycode)
    }

    function matrixTokeycode(matrix) {
        return entry(matrix2keycode, matrix)
    }

    function keycodeTomatrix(keycode) {
        return entry(keycode2matrix, keycode)
    }
}
