#include "rawinputconverter.h"

#include "linuxkeyscancodes.h"

using namespace WinInput;

std::optional<RawInputConverter::KeyboardInput> RawInputConverter::keyEvent(unsigned xKeycode,
                                                                            bool pressed)
{
    if (xKeycode < LinuxKeys::XKeycodeOffset)
        return std::nullopt;
    const quint16 inputCode = quint16(xKeycode - LinuxKeys::XKeycodeOffset);

    // Modifier state after this event: Alt's own press already counts as
    // Alt held, its release no longer does.
    switch (inputCode) {
    case LinuxKeys::KEY_LEFTALT:
        leftAlt = pressed;
        break;
    case LinuxKeys::KEY_RIGHTALT:
        rightAlt = pressed;
        break;
    case LinuxKeys::KEY_LEFTCTRL:
        leftControl = pressed;
        break;
    case LinuxKeys::KEY_RIGHTCTRL:
        rightControl = pressed;
        break;
    default:
        break;
    }

    PcScanCode scan = LinuxKeys::pcScanCode(inputCode);
    if (inputCode == LinuxKeys::KEY_SYSRQ && isAltHeld())
        scan = LinuxKeys::AltPrintScreen;
    if (inputCode == LinuxKeys::KEY_PAUSE && isControlHeld())
        scan = LinuxKeys::ControlPause;
    if (scan.scanCode == 0)
        return std::nullopt;

    const bool system = isAltHeld() || inputCode == LinuxKeys::KEY_F10;
    KeyboardInput input;
    input.message =
        pressed ? (system ? WM_SYSKEYDOWN : WM_KEYDOWN) : (system ? WM_SYSKEYUP : WM_KEYUP);
    input.event.scanCode = scan.scanCode;
    input.event.flags = (scan.extended ? LLKHF_EXTENDED : 0) | (isAltHeld() ? LLKHF_ALTDOWN : 0) |
                        (pressed ? 0 : LLKHF_UP);
    return input;
}

std::optional<quint32> RawInputConverter::buttonMessage(unsigned xButton, bool pressed)
{
    switch (xButton) {
    case XButton::Left:
        return pressed ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case XButton::Middle:
        return pressed ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    case XButton::Right:
        return pressed ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case XButton::WheelUp:
    case XButton::WheelDown:
        return pressed ? std::optional<quint32>(WM_MOUSEWHEEL) : std::nullopt;
    case XButton::WheelLeft:
    case XButton::WheelRight:
        return pressed ? std::optional<quint32>(WM_MOUSEHWHEEL) : std::nullopt;
    case XButton::Back:
    case XButton::Forward:
        return pressed ? WM_XBUTTONDOWN : WM_XBUTTONUP;
    default:
        return std::nullopt;
    }
}
