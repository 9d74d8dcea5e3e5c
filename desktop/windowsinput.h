#pragma once

#include <QtGlobal>

// What a Windows low-level keyboard or mouse hook procedure receives: the
// call code, the message and the event record. The key translation takes
// exactly these inputs; the X11 source produces them from raw X events.
namespace WinInput {

// nCode of a call that carries an event.
constexpr int HC_ACTION = 0;

// Keyboard messages.
constexpr quint32 WM_KEYDOWN = 0x0100;
constexpr quint32 WM_KEYUP = 0x0101;
constexpr quint32 WM_SYSKEYDOWN = 0x0104; // key down while Alt is held, or F10
constexpr quint32 WM_SYSKEYUP = 0x0105;   // key up while Alt is held, or F10
constexpr quint32 SysKeyBit = 0x0004; // sets a WM_KEY… message apart from its WM_SYSKEY… twin

// Flags of the keyboard event record.
constexpr quint32 LLKHF_EXTENDED = 0x01; // extended key (E0-prefixed scan code)
constexpr quint32 LLKHF_ALTDOWN = 0x20;  // an Alt key is held
constexpr quint32 LLKHF_UP = 0x80;       // the key is being released

// Mouse messages.
constexpr quint32 WM_LBUTTONDOWN = 0x0201;
constexpr quint32 WM_LBUTTONUP = 0x0202;
constexpr quint32 WM_LBUTTONDBLCLK = 0x0203;
constexpr quint32 WM_RBUTTONDOWN = 0x0204;
constexpr quint32 WM_RBUTTONUP = 0x0205;
constexpr quint32 WM_RBUTTONDBLCLK = 0x0206;
constexpr quint32 WM_MBUTTONDOWN = 0x0207;
constexpr quint32 WM_MBUTTONUP = 0x0208;
constexpr quint32 WM_MOUSEWHEEL = 0x020A;  // one per wheel notch
constexpr quint32 WM_XBUTTONDOWN = 0x020B; // back and forward buttons
constexpr quint32 WM_XBUTTONUP = 0x020C;
constexpr quint32 WM_MOUSEHWHEEL = 0x020E; // one per horizontal wheel notch

} // namespace WinInput

// The keyboard event record (the fields of KBDLLHOOKSTRUCT the procedure reads).
struct KeyboardEventRecord
{
    quint32 scanCode = 0;
    quint32 flags = 0; // WinInput::LLKHF_…
};

// The mouse event record (MSLLHOOKSTRUCT's pointer position, screen coordinates).
struct MouseEventRecord
{
    qint32 x = 0;
    qint32 y = 0;
};

// Hook procedures as a platform calls them, on the GUI thread.
using KeyboardHookProc = void (*)(int nCode, quint32 message, const KeyboardEventRecord& event);
using MouseHookProc = void (*)(int nCode, quint32 message, const MouseEventRecord& event);

// An installed hook; 0 when not installed.
using HookHandle = quintptr;
