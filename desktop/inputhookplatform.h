#pragma once

#include "windowsinput.h"

// Where the global hooks are installed: the system facility that calls the
// hook procedures with every key and mouse-button event of the desktop, on
// the GUI thread. The X11 source is the one that ships.
class InputHookPlatform
{
public:
    virtual ~InputHookPlatform() = default;

    // Each returns the new hook's handle, or 0 when it cannot be installed.
    virtual HookHandle installKeyboardHook(KeyboardHookProc procedure) = 0;
    virtual HookHandle installMouseHook(MouseHookProc procedure) = 0;
    // Stops the calls of an installed hook's procedure.
    virtual void removeHook(HookHandle handle) = 0;
};
