#include "inputsourcechoice.h"

#include "windowinputhooks.h"
#include "x11inputhooks.h"

namespace {

constexpr char X11PlatformName[] = "xcb";

} // namespace

InputSourceChoice InputSourceChoice::choose(const QString& platformName, QWidget* window)
{
    InputSourceChoice choice;
    // On another platform an X display (XWayland) would only see the keys
    // typed into X11 windows: it is not asked.
    if (platformName == QLatin1String(X11PlatformName)) {
        auto x11 = std::make_unique<X11InputHooks>();
        if (x11->isAvailable()) {
            choice.platform = std::move(x11);
            choice.description = QStringLiteral(
                "key detection: global X11 input, keys and buttons anywhere on the desktop");
            return choice;
        }
    }
    choice.platform = std::make_unique<WindowInputHooks>(window);
    choice.description =
        QStringLiteral("key detection: the window's own key and button events while it has the "
                       "focus (no global source on the %1 platform)")
            .arg(platformName);
    return choice;
}
