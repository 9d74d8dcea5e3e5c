#pragma once

#include <QtGlobal>

// The PC scan code (set 1) and extended-key flag that Windows reports for a
// key, found from the key's Linux input code (an X keycode minus 8 on X
// servers with evdev keycodes).
struct PcScanCode
{
    quint8 scanCode = 0; // 0: no such key
    bool extended = false;
};

namespace LinuxKeys {

// An X keycode is the Linux input code plus this offset.
constexpr unsigned XKeycodeOffset = 8;

// Input codes the event source treats specially.
constexpr quint16 KEY_LEFTCTRL = 29;
constexpr quint16 KEY_LEFTALT = 56;
constexpr quint16 KEY_F10 = 68;
constexpr quint16 KEY_RIGHTCTRL = 97;
constexpr quint16 KEY_SYSRQ = 99; // Print Screen
constexpr quint16 KEY_RIGHTALT = 100;
constexpr quint16 KEY_PAUSE = 119;

// Scan codes the keys above take while a modifier is held.
constexpr PcScanCode AltPrintScreen = {0x54, false}; // SysRq
constexpr PcScanCode ControlPause = {0x46, true};    // Break

// The scan code of `inputCode` with no modifier held; {0, false} for keys
// outside the table.
PcScanCode pcScanCode(quint16 inputCode);

} // namespace LinuxKeys
