#pragma once

#include "inputhookplatform.h"

#include <QString>
#include <memory>

class QWidget;

// Where the key and mouse-button detection reads its events: the global X11
// source on the X11 platform when the X server offers it, otherwise the
// window's own events while it has the focus (Wayland allows no global key
// hook). Exactly one source is made, so no event is seen twice.
struct InputSourceChoice
{
    std::unique_ptr<InputHookPlatform> platform;
    QString description; // one line for the user: which source, what it sees

    // `platformName` is the Qt platform plugin's name ("xcb", "wayland", …);
    // `window` is the top-level window whose events the fallback reads.
    static InputSourceChoice choose(const QString& platformName, QWidget* window);
};
