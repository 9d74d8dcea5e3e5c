#include "x11inputhooks.h"

#include <QDebug>
#include <QSocketNotifier>

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

using namespace WinInput;

namespace {

// Handles of the two hooks; one of each can be installed at a time.
constexpr HookHandle KeyboardHookHandle = 1;
constexpr HookHandle MouseHookHandle = 2;

// XInput 2.2 delivers raw events to root-window listeners whatever grabs are
// active; 2.0 servers still deliver them outside grabs.
constexpr int WantedXInputMajor = 2;
constexpr int WantedXInputMinor = 2;
constexpr char XInputExtensionName[] = "XInputExtension";

} // namespace

X11InputHooks::X11InputHooks()
{
    display = XOpenDisplay(nullptr);
    if (!display) {
        qDebug().noquote() << "key detection: no X11 display, global keys and buttons are not seen";
        return;
    }
    int firstEvent = 0;
    int firstError = 0;
    int major = WantedXInputMajor;
    int minor = WantedXInputMinor;
    if (!XQueryExtension(display, XInputExtensionName, &xinputOpcode, &firstEvent, &firstError) ||
        XIQueryVersion(display, &major, &minor) != Success) {
        qDebug().noquote() << "key detection: the X server has no XInput2, global keys and buttons "
                              "are not seen";
        XCloseDisplay(display);
        display = nullptr;
        return;
    }
    notifier = std::make_unique<QSocketNotifier>(ConnectionNumber(display), QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(),
                     [this] { readEvents(); });
}

X11InputHooks::~X11InputHooks()
{
    notifier.reset();
    if (display)
        XCloseDisplay(display);
}

HookHandle X11InputHooks::installKeyboardHook(KeyboardHookProc procedure)
{
    if (!isAvailable() || !procedure || keyboardProcedure)
        return 0;
    keyboardProcedure = procedure;
    converter = RawInputConverter(); // no key is known to be held yet
    selectEvents();
    return KeyboardHookHandle;
}

HookHandle X11InputHooks::installMouseHook(MouseHookProc procedure)
{
    if (!isAvailable() || !procedure || mouseProcedure)
        return 0;
    mouseProcedure = procedure;
    selectEvents();
    return MouseHookHandle;
}

void X11InputHooks::removeHook(HookHandle handle)
{
    if (handle == KeyboardHookHandle)
        keyboardProcedure = nullptr;
    else if (handle == MouseHookHandle)
        mouseProcedure = nullptr;
    else
        return;
    selectEvents();
}

// Asks for the raw events of the installed hooks, and for nothing else.
void X11InputHooks::selectEvents()
{
    if (!display)
        return;
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    if (keyboardProcedure) {
        XISetMask(bits, XI_RawKeyPress);
        XISetMask(bits, XI_RawKeyRelease);
    }
    if (mouseProcedure) {
        XISetMask(bits, XI_RawButtonPress);
        XISetMask(bits, XI_RawButtonRelease);
    }
    XIEventMask mask;
    mask.deviceid = XIAllMasterDevices;
    mask.mask_len = sizeof bits;
    mask.mask = bits;
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
    XFlush(display); // writes only: events are read by readEvents alone
}

// Drains the connection, including events Xlib queued while waiting for a
// reply, so that none is left unseen until the next wake-up.
void X11InputHooks::readEvents()
{
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        XGenericEventCookie* cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != xinputOpcode ||
            !XGetEventData(display, cookie))
            continue;
        const int type = cookie->evtype;
        const unsigned detail = unsigned(static_cast<const XIRawEvent*>(cookie->data)->detail);
        XFreeEventData(display, cookie);
        dispatch(type, detail);
    }
}

void X11InputHooks::dispatch(int eventType, unsigned detail)
{
    switch (eventType) {
    case XI_RawKeyPress:
    case XI_RawKeyRelease: {
        if (!keyboardProcedure)
            return;
        const auto input = converter.keyEvent(detail, eventType == XI_RawKeyPress);
        if (input)
            keyboardProcedure(HC_ACTION, input->message, input->event);
        return;
    }
    case XI_RawButtonPress:
    case XI_RawButtonRelease: {
        if (!mouseProcedure)
            return;
        const auto message =
            RawInputConverter::buttonMessage(detail, eventType == XI_RawButtonPress);
        if (!message)
            return;
        Window root = 0;
        Window child = 0;
        int rootX = 0;
        int rootY = 0;
        int windowX = 0;
        int windowY = 0;
        unsigned buttons = 0;
        XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &windowX,
                      &windowY, &buttons);
        mouseProcedure(HC_ACTION, *message, MouseEventRecord{rootX, rootY});
        return;
    }
    default:
        return;
    }
}
