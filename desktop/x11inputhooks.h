#pragma once

#include "inputhookplatform.h"
#include "rawinputconverter.h"

#include <memory>

class QSocketNotifier;
struct _XDisplay;

// The global hooks on X11: XInput2 raw key and button events of all master
// devices, selected on the root window of a display connection of its own
// and read through a socket notifier on the GUI thread. Each event reaches
// the installed procedure as the input Windows would give. Without an X11
// display (Wayland without XWayland, offscreen) or without XInput2 nothing
// can be installed; that is logged once, as a debug line, at construction.
class X11InputHooks : public InputHookPlatform
{
public:
    X11InputHooks();
    ~X11InputHooks() override;
    X11InputHooks(const X11InputHooks&) = delete;
    X11InputHooks& operator=(const X11InputHooks&) = delete;

    bool isAvailable() const { return notifier != nullptr; }

    HookHandle installKeyboardHook(KeyboardHookProc procedure) override;
    HookHandle installMouseHook(MouseHookProc procedure) override;
    void removeHook(HookHandle handle) override;

private:
    void selectEvents();
    void readEvents();
    // One raw event: its XInput2 type and its keycode or button number.
    void dispatch(int eventType, unsigned detail);

    _XDisplay* display = nullptr;
    int xinputOpcode = 0;
    std::unique_ptr<QSocketNotifier> notifier;
    KeyboardHookProc keyboardProcedure = nullptr;
    MouseHookProc mouseProcedure = nullptr;
    RawInputConverter converter;
};
