#pragma once

#include <QtGlobal>

// What Windows hands a low-level hook procedure, with the numbers Windows
// gives these names. The key tests feed and expect these numbers, not the
// program's own constants, so that a wrong value among those shows.
namespace WindowsValues {

constexpr int HC_ACTION = 0;

constexpr quint32 WM_KEYDOWN = 0x0100;
constexpr quint32 WM_KEYUP = 0x0101;
constexpr quint32 WM_SYSKEYDOWN = 0x0104;
constexpr quint32 WM_SYSKEYUP = 0x0105;

// Flags of the keyboard event record.
constexpr quint32 LLKHF_EXTENDED = 0x01;
constexpr quint32 LLKHF_ALTDOWN = 0x20;
constexpr quint32 LLKHF_UP = 0x80;

constexpr quint32 WM_LBUTTONDOWN = 0x0201;
constexpr quint32 WM_LBUTTONUP = 0x0202;
constexpr quint32 WM_LBUTTONDBLCLK = 0x0203;
constexpr quint32 WM_RBUTTONDOWN = 0x0204;
constexpr quint32 WM_RBUTTONUP = 0x0205;
constexpr quint32 WM_RBUTTONDBLCLK = 0x0206;
constexpr quint32 WM_MBUTTONDOWN = 0x0207;
constexpr quint32 WM_MBUTTONUP = 0x0208;
constexpr quint32 WM_MOUSEWHEEL = 0x020A;
constexpr quint32 WM_XBUTTONDOWN = 0x020B;
constexpr quint32 WM_XBUTTONUP = 0x020C;
constexpr quint32 WM_MOUSEHWHEEL = 0x020E;

} // namespace WindowsValues
