#!/usr/bin/env python3
"""Generate the keyboard's data files in modules/setting/.

    scripts/gen_keyboard_data.py            write HWDef.bin, KeyCodeDef.bin, pD.bin
    scripts/gen_keyboard_data.py --check    fail if the shipped files are stale

The files are INI text read with QSettings (IniFormat):

  HWDef.bin       the hardware limits (group "common") and, per layout group
                  ("0" = ISO (UK), "1" = ANSI (US)), the drawing of the
                  full-size keyboard: one entry "<L>/<n>" per drawn key with
                  x, y, cap type, label, matrix slot and factory key code.
  KeyCodeDef.bin  the names of the keyboard-page usages (common/usbStr) and
                  their codes (common/usbCode), paired by position.
  pD.bin          the factory profile: the key matrix of both layouts
                  (keydefine0/0..127, keydefine1/0..127, two bytes each, low
                  byte first), the lighting type and the seven colours.

Everything below the "Data" heading is the reviewable input; the rest turns it
into positions, checks the invariants the program and its lighting preview
rely on (and stops with an error when one does not hold) and writes the files.
The output depends on nothing but this script, so every run gives the same
bytes; --check regenerates into a temporary directory and compares.

Profile files p1.bin ... are not generated: the program creates them on the
first write.
"""

import argparse
import os
import sys
import tempfile

# ---------------------------------------------------------------------------
# Data
# ---------------------------------------------------------------------------

# Hardware limits (group "common" of HWDef.bin).
KB_LAYOUT_TYPE = 0  # layout group used until the keyboard reports its own
MAX_MACRO = 32  # macro slots on the keyboard
MAX_PROFILE = 3  # on-board profiles
MATRIX_SLOTS = 128  # <L>/total_FW: the key matrix always has 128 positions

# Layout groups of HWDef.bin and of the profiles' keydefine<L> groups.  The
# key translation gives layout 0 the Non-US # key, so 0 is the ISO board.
LAYOUT_NAMES = {0: "ISO (UK)", 1: "ANSI (US)"}

# Keyboard-page usages the keyboard can produce, with the names the user
# reads in the key field and in macro steps.  These are the keys of both
# drawings plus the other usages the key translation can report while a
# macro is recorded (F13-F24, Power, Keypad Comma, International 1 and 5,
# Right GUI), so that every recorded key has a name.
USAGES = (
    [(0x04 + i, chr(ord("A") + i)) for i in range(26)]  # A ... Z
    + [(0x1E + i, str((i + 1) % 10)) for i in range(10)]  # 1 ... 9, 0
    + [
        (0x28, "Enter"),
        (0x29, "Esc"),
        (0x2A, "Backspace"),
        (0x2B, "Tab"),
        (0x2C, "Space"),
        (0x2D, "-"),
        (0x2E, "="),
        (0x2F, "["),
        (0x30, "]"),
        (0x31, "\\"),  # \ and | (ANSI, above Enter)
        (0x32, "#"),  # Non-US # and ~ (ISO, left of Enter)
        (0x33, ";"),
        (0x34, "'"),
        (0x35, "`"),
        (0x36, ","),
        (0x37, "."),
        (0x38, "/"),
        (0x39, "Caps Lock"),
    ]
    + [(0x3A + i, "F%d" % (i + 1)) for i in range(12)]  # F1 ... F12
    + [
        (0x46, "Print Screen"),
        (0x47, "Scroll Lock"),
        (0x48, "Pause"),
        (0x49, "Insert"),
        (0x4A, "Home"),
        (0x4B, "Page Up"),
        (0x4C, "Delete"),
        (0x4D, "End"),
        (0x4E, "Page Down"),
        (0x4F, "Right"),
        (0x50, "Left"),
        (0x51, "Down"),
        (0x52, "Up"),
        (0x53, "Num Lock"),
        (0x54, "Num /"),
        (0x55, "Num *"),
        (0x56, "Num -"),
        (0x57, "Num +"),
        (0x58, "Num Enter"),
    ]
    + [(0x59 + i, "Num %d" % (i + 1)) for i in range(9)]  # Num 1 ... Num 9
    + [
        (0x62, "Num 0"),
        (0x63, "Num ."),
        (0x64, "ISO \\"),  # Non-US \ and | (ISO, right of the left Shift)
        (0x65, "Menu"),  # Application
        (0x66, "Power"),
    ]
    + [(0x68 + i, "F%d" % (i + 13)) for i in range(12)]  # F13 ... F24
    + [
        (0x85, "Num ,"),  # Keypad Comma
        (0x87, "Intl 1"),  # International 1 (JIS Ro, ABNT /)
        (0x8B, "Intl 5"),  # International 5 (JIS Muhenkan)
        (0xE0, "L-Ctrl"),
        (0xE1, "L-Shift"),
        (0xE2, "L-Alt"),
        (0xE3, "L-Win"),
        (0xE4, "R-Ctrl"),
        (0xE5, "R-Shift"),
        (0xE6, "R-Alt"),
        (0xE7, "R-Win"),
    ]
)

# The Fn key is handled by the keyboard itself: it has no usage, and its slot
# carries the factory code 0 ("no function").  The key page never lets the
# user select or reassign the key in slot 89, so the code stays 0.
FN = "Fn"
FN_CODE = 0x0000
FN_SLOT = 89

# Key matrix: slot = 16 * row + column.  Rows 0-5 follow the rows of the main
# block (columns run left to right, as the keys do), rows 6 and 7 hold the
# keypad.  A cell names a key by its usage name (or FN); a tuple holds keys of
# different layouts on the same switch position; None is an unused slot.
#
# Layout-specific keys:
#   slot 45  "#" (ISO, Non-US #, left of Enter) and "\" (ANSI, above Enter)
#            share one position, as the translation does: both come from the
#            same scan code, reported as 0x32 in layout 0 and 0x31 otherwise.
#   slot 61  Enter: the tall ISO Enter and the wide ANSI Enter are one switch.
#   slot 76  "ISO \" (Non-US \, right of the short ISO left Shift) exists only
#            on the ISO board; the ANSI group leaves the slot unused.
MATRIX = [
    # slots 0-15
    ["Esc", "F1", "F2", "F3", "F4", "F5", "F6", "F7",
     "F8", "F9", "F10", "F11", "F12", "Print Screen", "Scroll Lock", "Pause"],
    # slots 16-31
    ["`", "1", "2", "3", "4", "5", "6", "7",
     "8", "9", "0", "-", "=", "Backspace", "Insert", "Home"],
    # slots 32-47
    ["Tab", "Q", "W", "E", "R", "T", "Y", "U",
     "I", "O", "P", "[", "]", ("#", "\\"), "Delete", "End"],
    # slots 48-63
    ["Caps Lock", "A", "S", "D", "F", "G", "H", "J",
     "K", "L", ";", "'", None, "Enter", "Page Up", "Page Down"],
    # slots 64-79
    ["L-Shift", "Z", "X", "C", "V", "B", "N", "M",
     ",", ".", "/", "R-Shift", "ISO \\", "Up", None, "Right"],
    # slots 80-95
    ["L-Ctrl", "L-Win", "L-Alt", None, None, "Space", None, None,
     "R-Alt", FN, "Menu", "R-Ctrl", None, None, "Left", "Down"],
    # slots 96-111
    ["Num Lock", "Num /", "Num *", "Num -", "Num 0", "Num 1", "Num 2", "Num 3",
     "Num 4", "Num 5", "Num 6", "Num 7", "Num 8", "Num .", "Num 9", "Num +"],
    # slots 112-127
    [None, None, None, "Num Enter", None, None, None, None,
     None, None, None, None, None, None, None, None],
]

# The two inward paths of the vortex lighting effect and the four keys they
# run into.  The preview uses these slots as they are, so the matrix above has
# to put physically adjacent keys on consecutive slots.
VORTEX_PATHS = [
    [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 27, 43, 59, 74, 73, 57, 41],
    [115, 109, 100, 79, 95, 94, 91, 90, 89, 88, 72, 56, 40, 25, 26, 42, 58],
]
VORTEX_CENTRE = {"upper left": 41, "upper right": 42, "lower left": 57, "lower right": 58}

# Key cap types.  The skin has two pictures per type, "k<type>-0.png" (cap)
# and "k<type>-1.png" (frame), of the cap size given here in pixels.
#   type: (description, width in units, height in rows)
CAP_TYPES = {
    1: ("1u", 1, 1),
    2: ("1.25u", 1.25, 1),
    3: ("1.5u", 1.5, 1),
    4: ("1.75u", 1.75, 1),
    5: ("2u", 2, 1),
    6: ("2.25u", 2.25, 1),
    7: ("2.75u", 2.75, 1),
    8: ("6.25u space bar", 6.25, 1),
    9: ("ISO Enter: 1.5u upper part, 1.25u lower part flush right", 1.5, 2),
    10: ("2u tall keypad key", 1, 2),
}
ISO_ENTER_TYPE = 9
ISO_ENTER_STEP = 0.25  # the lower part starts this many units right of the upper

# Geometry.  One unit (the pitch of a 1u key) is 28 px, so every quarter unit
# is a whole 7 px; a cap is GAP px smaller than its pitch in each direction.
UNIT = 28
GAP = 2
FUNCTION_ROW_GAP = 14  # extra space below the function row (half a unit)
PICTURE_WIDTH, PICTURE_HEIGHT = 700, 220  # the picture area of the key page
# x of the three blocks, in units: main block, navigation block, keypad.
MAIN_X, NAV_X, PAD_X = 0, 15.5, 19

# Rows of the drawing.  Each row is a list of items from left to right:
#   "name"          a 1u key (usage name or FN)
#   ("name", type)  a key of another cap type; tall keys (types 9, 10) are
#                   listed in their upper row and reach into the row below
#   number          an empty gap of that many units
FUNCTION_ROW = ["Esc", 1, "F1", "F2", "F3", "F4", 0.5, "F5", "F6", "F7", "F8",
                0.5, "F9", "F10", "F11", "F12"]
NUMBER_ROW = ["`", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "-", "=",
              ("Backspace", 5)]
BOTTOM_ROW = [("L-Ctrl", 2), ("L-Win", 2), ("L-Alt", 2), ("Space", 8),
              ("R-Alt", 2), (FN, 2), ("Menu", 2), ("R-Ctrl", 2)]

MAIN_ROWS = {
    0: [  # ISO (UK)
        FUNCTION_ROW,
        NUMBER_ROW,
        [("Tab", 3), "Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P", "[", "]",
         ("Enter", ISO_ENTER_TYPE)],
        [("Caps Lock", 4), "A", "S", "D", "F", "G", "H", "J", "K", "L", ";", "'",
         "#"],
        [("L-Shift", 2), "ISO \\", "Z", "X", "C", "V", "B", "N", "M", ",", ".", "/",
         ("R-Shift", 7)],
        BOTTOM_ROW,
    ],
    1: [  # ANSI (US)
        FUNCTION_ROW,
        NUMBER_ROW,
        [("Tab", 3), "Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P", "[", "]",
         ("\\", 3)],
        [("Caps Lock", 4), "A", "S", "D", "F", "G", "H", "J", "K", "L", ";", "'",
         ("Enter", 6)],
        [("L-Shift", 6), "Z", "X", "C", "V", "B", "N", "M", ",", ".", "/",
         ("R-Shift", 7)],
        BOTTOM_ROW,
    ],
}
NAV_ROWS = [
    ["Print Screen", "Scroll Lock", "Pause"],
    ["Insert", "Home", "Page Up"],
    ["Delete", "End", "Page Down"],
    [],
    [1, "Up"],
    ["Left", "Down", "Right"],
]
PAD_ROWS = [
    [],
    ["Num Lock", "Num /", "Num *", "Num -"],
    ["Num 7", "Num 8", "Num 9", ("Num +", 10)],
    ["Num 4", "Num 5", "Num 6"],
    ["Num 1", "Num 2", "Num 3", ("Num Enter", 10)],
    [("Num 0", 5), "Num ."],
]

# Cap labels, where the cap shows something shorter than the usage name.
# Keypad keys other than Num Lock show the name without "Num ".
CAP_LABELS = {
    "Backspace": "Back",
    "Caps Lock": "Caps",
    "L-Shift": "Shift",
    "R-Shift": "Shift",
    "L-Ctrl": "Ctrl",
    "R-Ctrl": "Ctrl",
    "L-Alt": "Alt",
    "R-Alt": "Alt",
    "L-Win": "Win",
    "Print Screen": "PrtSc",
    "Scroll Lock": "ScrLk",
    "Insert": "Ins",
    "Delete": "Del",
    "Page Up": "PgUp",
    "Page Down": "PgDn",
    "Num Lock": "Num",
    "Up": "\u2191",
    "Down": "\u2193",
    "Left": "\u2190",
    "Right": "\u2192",
    "ISO \\": "\\",
}
LAYOUT_CAP_LABELS = {0: {"R-Alt": "AltGr"}}

# Factory lighting: the effect list's WAVE (code 2) at full brightness
# (63 = level 7), medium speed (4 of 1 fastest ... 7 slowest), direction
# right (0), looping through all seven colours (colour 7).  The back-light
# bytes hold the back-lighting page's start values: effect 0, brightness 7,
# speed value 4, colour 7 (loop), direction right.
LIGHTING = {"type": 2, "brightness": 63, "speed": 4, "direction": 0, "color": 7}
BACKLIGHT = {"effect": 0, "brightness": 7, "speed": 4, "color": 7, "direction": 0}

# The seven colours of the effects, 0 ... 255 in steps of 4 (the keyboard
# keeps a quarter of each value).
COLORS = [
    ("red", (252, 0, 0)),
    ("orange", (252, 128, 0)),
    ("yellow", (252, 252, 0)),
    ("green", (0, 252, 0)),
    ("cyan", (0, 252, 252)),
    ("blue", (0, 0, 252)),
    ("violet", (128, 0, 252)),
]

GENERATED_NOTE = "; Generated by scripts/gen_keyboard_data.py; edit the script, not this file."
OUTPUT_FILES = ("HWDef.bin", "KeyCodeDef.bin", "pD.bin")

# ---------------------------------------------------------------------------
# Building and checking
# ---------------------------------------------------------------------------


class DataError(Exception):
    """An invariant of the keyboard data does not hold."""


def require(condition, message):
    if not condition:
        raise DataError(message)


def px(units):
    """Pixels of a length in units; lengths are whole quarter units."""
    value = units * UNIT
    require(value == int(value), "%s units is not a whole number of pixels" % units)
    return int(value)


def row_y(row):
    return row * UNIT + (FUNCTION_ROW_GAP if row > 0 else 0)


class Key:
    """One drawn key: its name, cap, position and the parts it covers."""

    def __init__(self, name, cap_type, row, x, layout):
        self.name = name
        self.cap_type = cap_type
        self.row = row
        self.x = x
        self.y = row_y(row)
        self.label = cap_label(name, layout)
        _, width, height = CAP_TYPES[cap_type]
        self.width = px(width) - GAP
        self.height = height * UNIT - GAP
        # One part per row the key covers: (row, left, right, top, bottom),
        # right and bottom exclusive.
        self.parts = [(row, x, x + self.width, self.y, self.y + UNIT - GAP)]
        if height == 2:
            lower_left = x + (px(ISO_ENTER_STEP) if cap_type == ISO_ENTER_TYPE else 0)
            self.parts.append((row + 1, lower_left, x + self.width, self.y + UNIT - GAP,
                               self.y + self.height))
        self.slot = None
        self.code = None


def cap_label(name, layout):
    special = LAYOUT_CAP_LABELS.get(layout, {})
    if name in special:
        return special[name]
    if name in CAP_LABELS:
        return CAP_LABELS[name]
    if name.startswith("Num ") and name != "Num Lock":
        return name[len("Num "):]
    return name


def usage_tables():
    names = [name for _, name in USAGES]
    codes = [code for code, _ in USAGES]
    require(len(set(names)) == len(names), "key names are not unique")
    require(len(set(codes)) == len(codes), "usage codes are not unique")
    require(all(0 < code <= 0xFF for code in codes), "a usage code is not an 8-bit number")
    require(all(name and name == name.strip() for name in names),
            "a key name is empty or has surrounding spaces")
    require(FN not in names, "the Fn key must not have a usage name")
    return dict((name, code) for code, name in USAGES)


def matrix_slots():
    """Map every key name of the matrix to its slot."""
    require(len(MATRIX) * 16 == MATRIX_SLOTS, "the matrix must have %d slots" % MATRIX_SLOTS)
    slots = {}
    for row, cells in enumerate(MATRIX):
        require(len(cells) == 16, "matrix row %d does not have 16 columns" % row)
        for column, cell in enumerate(cells):
            names = cell if isinstance(cell, tuple) else (cell,) if cell else ()
            for name in names:
                require(name not in slots, "%r is in the matrix twice" % name)
                slots[name] = 16 * row + column
    return slots


def place_row(items, row, origin, layout):
    keys = []
    cursor = origin
    for item in items:
        if isinstance(item, (int, float)):
            cursor += item
            continue
        name, cap_type = (item, 1) if isinstance(item, str) else item
        require(cap_type in CAP_TYPES, "%r has unknown cap type %r" % (name, cap_type))
        keys.append(Key(name, cap_type, row, px(cursor), layout))
        cursor += CAP_TYPES[cap_type][1]
    return keys


def build_layout(layout, codes, slots):
    keys = []
    for row in range(6):
        keys += place_row(MAIN_ROWS[layout][row], row, MAIN_X, layout)
        keys += place_row(NAV_ROWS[row], row, NAV_X, layout)
        keys += place_row(PAD_ROWS[row], row, PAD_X, layout)
    keys.sort(key=lambda k: (k.row, k.x))
    for key in keys:
        require(key.name in slots, "%s: %r has no matrix slot" % (LAYOUT_NAMES[layout], key.name))
        key.slot = slots[key.name]
        if key.name == FN:
            key.code = FN_CODE
        else:
            require(key.name in codes, "%r has no usage code" % key.name)
            key.code = codes[key.name]  # a standard key: 0x00XX
        require(key.label, "%r has an empty cap label" % key.name)
    return keys


def overlap(a0, a1, b0, b1):
    return min(a1, b1) - max(a0, b0)


def adjacent(a, b, keys):
    """True when b is the next key beside a in a row (at most a 1u gap
    between the caps, as between Esc and F1), or directly above or below it
    with the two caps overlapping horizontally."""
    for row_a, left_a, right_a, _, _ in a.parts:
        for row_b, left_b, right_b, _, _ in b.parts:
            if abs(row_a - row_b) == 1 and overlap(left_a, right_a, left_b, right_b) > 0:
                return True
            if row_a == row_b and -overlap(left_a, right_a, left_b, right_b) <= UNIT + GAP:
                low, high = min(right_a, right_b), max(left_a, left_b)
                between = [k for k in keys if k is not a and k is not b
                           for row, left, right, _, _ in k.parts
                           if row == row_a and left >= low and right <= high]
                if not between:
                    return True
    return False


def check_layout(layout, keys):
    where = LAYOUT_NAMES[layout]
    names = [k.name for k in keys]
    require(len(set(names)) == len(names), "%s: a key is drawn twice" % where)
    by_slot = {}
    for key in keys:
        require(0 <= key.slot < MATRIX_SLOTS, "%s: slot of %r out of range" % (where, key.name))
        require(key.slot not in by_slot, "%s: %r and %r share slot %d"
                % (where, by_slot.get(key.slot, key).name, key.name, key.slot))
        by_slot[key.slot] = key
    require(by_slot.get(FN_SLOT) is not None and by_slot[FN_SLOT].name == FN,
            "%s: slot %d must be the Fn key" % (where, FN_SLOT))

    # The drawing fits the picture area and no two caps overlap.
    for key in keys:
        require(key.x >= 0 and key.y >= 0 and key.x + key.width <= PICTURE_WIDTH
                and key.y + key.height <= PICTURE_HEIGHT,
                "%s: %r lies outside the %dx%d picture" % (where, key.name, PICTURE_WIDTH,
                                                          PICTURE_HEIGHT))
    for i, a in enumerate(keys):
        for b in keys[i + 1:]:
            for _, al, ar, at, ab in a.parts:
                for _, bl, br, bt, bb in b.parts:
                    require(overlap(al, ar, bl, br) <= 0 or overlap(at, ab, bt, bb) <= 0,
                            "%s: %r and %r overlap" % (where, a.name, b.name))

    # The vortex paths run along neighbouring keys into the 2x2 centre block.
    for number, path in enumerate(VORTEX_PATHS, 1):
        require(len(set(path)) == len(path), "vortex path %d repeats a slot" % number)
        for slot in path:
            require(slot in by_slot, "%s: vortex path %d needs a key in slot %d"
                    % (where, number, slot))
        for here, there in zip(path, path[1:]):
            require(adjacent(by_slot[here], by_slot[there], keys),
                    "%s: vortex path %d jumps from %r (slot %d) to %r (slot %d)"
                    % (where, number, by_slot[here].name, here, by_slot[there].name, there))
        require(path[-1] in VORTEX_CENTRE.values(),
                "vortex path %d does not end in a centre key" % number)
    centre = dict((place, by_slot[slot]) for place, slot in VORTEX_CENTRE.items())
    for first, second in (("upper left", "upper right"), ("lower left", "lower right"),
                          ("upper left", "lower left"), ("upper right", "lower right")):
        require(adjacent(centre[first], centre[second], keys),
                "%s: the centre keys %r and %r are not neighbours"
                % (where, centre[first].name, centre[second].name))
    require(centre["upper left"].row == centre["upper right"].row
            and centre["lower left"].row == centre["upper left"].row + 1
            and centre["upper left"].x < centre["upper right"].x
            and centre["lower left"].x < centre["lower right"].x,
            "%s: the centre keys do not form a 2x2 block" % where)
    return by_slot


def check_layouts(layouts, codes):
    # Keys drawn in both layouts sit in the same slot (by construction of the
    # matrix); every matrix entry is drawn somewhere.
    drawn = set()
    for keys in layouts.values():
        drawn.update(k.name for k in keys)
    for row in MATRIX:
        for cell in row:
            for name in (cell if isinstance(cell, tuple) else (cell,) if cell else ()):
                require(name in drawn, "matrix entry %r is not drawn in any layout" % name)
    # The key translation's layout rule: layout 0 has Non-US # and no \ above
    # Enter, the other layouts the reverse; both come from the same switch.
    iso = dict((k.code, k) for k in layouts[0])
    ansi = dict((k.code, k) for k in layouts[1])
    require(0x32 in iso and 0x31 not in iso, "layout 0 must have Non-US # and no 0x31 key")
    require(0x31 in ansi and 0x32 not in ansi, "layout 1 must have 0x31 and no Non-US #")
    require(iso[0x32].slot == ansi[0x31].slot, "Non-US # and \\ must share their slot")
    require(0x64 in iso and 0x64 not in ansi, "only the ISO board has the Non-US \\ key")
    for keys in layouts.values():
        for key in keys:
            if key.name != FN:
                require(key.code >> 8 == 0 and key.code in codes.values(),
                        "factory code of %r is not a named standard key" % key.name)


def check_profile():
    require(all(0 <= v <= 255 for v in lighting_type()), "lighting value out of range")
    require(0 <= LIGHTING["type"] <= 0x0B, "not a built-in effect")
    require(LIGHTING["brightness"] <= 63 and 1 <= LIGHTING["speed"] <= 7
            and LIGHTING["direction"] in (0, 1) and 0 <= LIGHTING["color"] <= 7,
            "lighting value out of range")
    require(len(COLORS) == 7, "there must be seven colours")
    rgbs = [rgb for _, rgb in COLORS]
    require(len(set(rgbs)) == 7, "the seven colours must differ")
    require(all(0 <= c <= 252 and c % 4 == 0 for rgb in rgbs for c in rgb),
            "colour components must be multiples of 4 from 0 to 252")


def lighting_type():
    b = BACKLIGHT
    bl0 = (b["effect"] & 0x1F) | ((b["brightness"] << 5) & 0xE0)
    bl1 = (b["speed"] & 0x07) | ((b["color"] << 3) & 0x38) | ((b["direction"] << 6) & 0xC0)
    lt = LIGHTING
    return [lt["type"], lt["brightness"], lt["speed"], lt["direction"], lt["color"], bl0, bl1]


# ---------------------------------------------------------------------------
# Writing
# ---------------------------------------------------------------------------


def ini_item(value):
    """One list item as QSettings writes it, so that it reads back unchanged:
    a leading "@" is doubled, backslash and double quote are escaped, and an
    item with a comma, semicolon or equals sign, or with a space at either
    end, is put in double quotes.  Other characters stay as they are (UTF-8)."""
    text = str(value)
    require(all(ord(ch) >= 0x20 and ch != "\x7f" for ch in text),
            "control character in %r" % text)
    if text.startswith("@"):
        text = "@" + text
    escaped = "".join("\\" + ch if ch in "\\\"" else ch for ch in text)
    if any(ch in ",;=" for ch in text) or escaped.startswith(" ") or escaped.endswith(" "):
        escaped = '"' + escaped + '"'
    return escaped


def ini_list(values):
    values = list(values)
    require(len(values) >= 2, "a list needs two items to read back as a list")
    return ", ".join(ini_item(v) for v in values)


def ini_text(sections):
    lines = [GENERATED_NOTE]
    for name, entries in sections:
        lines.append("")
        lines.append("[%s]" % name)
        lines.extend("%s=%s" % (key, value) for key, value in entries)
    return "\n".join(lines) + "\n"


def hwdef_text(layouts):
    sections = [("common", [("kbLayoutType", KB_LAYOUT_TYPE), ("maxMacro", MAX_MACRO),
                            ("maxProfile", MAX_PROFILE)])]
    for layout, keys in sorted(layouts.items()):
        entries = [("total_HW", len(keys)), ("total_FW", MATRIX_SLOTS)]
        entries += [(n, ini_list([k.x, k.y, k.cap_type, k.label, k.slot, k.code]))
                    for n, k in enumerate(keys, 1)]
        sections.append((str(layout), entries))
    return ini_text(sections)


def keycodedef_text():
    return ini_text([("common", [("usbStr", ini_list(name for _, name in USAGES)),
                                 ("usbCode", ini_list(code for code, _ in USAGES))])])


def profile_text(slot_maps):
    sections = []
    for layout, by_slot in sorted(slot_maps.items()):
        entries = []
        for slot in range(MATRIX_SLOTS):
            code = by_slot[slot].code if slot in by_slot else 0
            entries.append((slot, ini_list([code & 0xFF, code >> 8])))
        sections.append(("keydefine%d" % layout, entries))
    colors = [c for _, rgb in COLORS for c in rgb]
    sections.append(("color", [("ledType", ini_list(lighting_type())),
                               ("color", ini_list(colors))]))
    text = ini_text(sections)
    require(text.isascii(), "the factory profile must stay ASCII")
    return text


def generate():
    """Check everything and return {file name: text}."""
    codes = usage_tables()
    slots = matrix_slots()
    require(slots.get(FN) == FN_SLOT, "the Fn key must be in slot %d" % FN_SLOT)
    require(set(MAIN_ROWS) == set(LAYOUT_NAMES), "every layout needs its rows")
    require(KB_LAYOUT_TYPE in LAYOUT_NAMES, "the initial layout type must be drawn")
    layouts = dict((layout, build_layout(layout, codes, slots)) for layout in LAYOUT_NAMES)
    slot_maps = dict((layout, check_layout(layout, keys)) for layout, keys in layouts.items())
    check_layouts(layouts, codes)
    check_profile()
    return {
        "HWDef.bin": hwdef_text(layouts),
        "KeyCodeDef.bin": keycodedef_text(),
        "pD.bin": profile_text(slot_maps),
    }


def write_files(files, directory):
    os.makedirs(directory, exist_ok=True)
    for name, text in files.items():
        with open(os.path.join(directory, name), "w", encoding="utf-8", newline="\n") as out:
            out.write(text)


def main():
    default_dir = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir,
                               "modules", "setting")
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="regenerate into a temporary directory and fail if the "
                             "files in the output directory differ")
    parser.add_argument("--output-dir", default=os.path.normpath(default_dir),
                        help="directory of the data files (default: %(default)s)")
    args = parser.parse_args()

    try:
        files = generate()
    except DataError as error:
        print("gen_keyboard_data: error: %s" % error, file=sys.stderr)
        return 2

    if not args.check:
        write_files(files, args.output_dir)
        print("wrote %s to %s" % (", ".join(OUTPUT_FILES), args.output_dir))
        return 0

    stale = []
    with tempfile.TemporaryDirectory() as temp:
        write_files(files, temp)
        for name in OUTPUT_FILES:
            with open(os.path.join(temp, name), "rb") as fresh:
                expected = fresh.read()
            try:
                with open(os.path.join(args.output_dir, name), "rb") as shipped:
                    actual = shipped.read()
            except OSError:
                actual = None
            if actual != expected:
                stale.append(name)
    if stale:
        print("gen_keyboard_data: %s in %s differ from the generator's output; run "
              "scripts/gen_keyboard_data.py" % (", ".join(stale), args.output_dir),
              file=sys.stderr)
        return 1
    print("%s are up to date" % ", ".join(OUTPUT_FILES))
    return 0


if __name__ == "__main__":
    sys.exit(main())
