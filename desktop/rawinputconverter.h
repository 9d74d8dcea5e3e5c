#pragma once

#include "windowsinput.h"

#include <optional>

// X pointer button numbers.
namespace XButton {
constexpr unsigned Left = 1;
constexpr unsigned Middle = 2;
constexpr unsigned Right = 3;
constexpr unsigned WheelUp = 4;
constexpr unsigned WheelDown = 5;
constexpr unsigned WheelLeft = 6;
constexpr unsigned WheelRight = 7;
constexpr unsigned Back = 8;
constexpr unsigned Forward = 9;
} // namespace XButton

// Turns X11 raw key and button events into the inputs Windows gives the
// low-level hooks: key-down and key-up messages (the WM_SYSKEY… forms while
// Alt is held, and for F10) with the PC scan code and the extended, Alt and
// release flags, and the mouse-button messages. Alt and Control are tracked
// from the same events, as the modifier state X reports with raw events is
// not kept by the server.
class RawInputConverter
{
public:
    struct KeyboardInput
    {
        quint32 message = 0;
        KeyboardEventRecord event;
    };

    // The hook input for a press or release of X keycode `xKeycode`; none for
    // keys outside the scan-code table.
    std::optional<KeyboardInput> keyEvent(unsigned xKeycode, bool pressed);

    // The mouse message for a press or release of X button `xButton`; none
    // for the release of a wheel notch and for buttons Windows does not know.
    static std::optional<quint32> buttonMessage(unsigned xButton, bool pressed);

    bool isAltHeld() const { return leftAlt || rightAlt; }
    bool isControlHeld() const { return leftControl || rightControl; }

private:
    bool leftAlt = false;
    bool rightAlt = false;
    bool leftControl = false;
    bool rightControl = false;
};
