#pragma once

#include "inputhookplatform.h"
#include "windowsinput.h"

#include <QMap>
#include <array>
#include <memory>

// The global keyboard and mouse hooks and the key translation: every key
// press and release on the desktop becomes the key's USB usage code, repeats
// are dropped, and the result goes to the registered keyboard callback; the
// three main mouse buttons go to the mouse callback. One per process (the
// hook procedures reach it as the module instance). GUI thread only.
class GlobalInputHook
{
public:
    using KeyboardCallback = void (*)(quint8 usbCode, bool isDown, void* context);
    using MouseCallback = void (*)(quint8 vornCode, bool isDown, qint32 x, qint32 y, void* context);

    // Stores the layout rule, registers the instance, builds both tables and
    // installs both hooks on `platform` (the X11 source when null; owned).
    explicit GlobalInputHook(bool isLayoutType0, std::unique_ptr<InputHookPlatform> platform = {});
    // Uninstalls and unregisters.
    ~GlobalInputHook();
    GlobalInputHook(const GlobalInputHook&) = delete;
    GlobalInputHook& operator=(const GlobalInputHook&) = delete;

    // The instance the hook procedures serve; null when there is none.
    static GlobalInputHook* instance();

    // Removes any installed hooks first, then installs the keyboard hook and
    // the mouse hook. True only when both are installed; otherwise none is.
    bool install();
    // Removes the keyboard hook, then the mouse hook.
    void uninstall();
    bool isInstalled() const { return keyboardHook != 0 && mouseHook != 0; }
    HookHandle keyboardHookHandle() const { return keyboardHook; }
    HookHandle mouseHookHandle() const { return mouseHook; }

    // Called with every reported event; `context` is passed through untouched.
    void setKeyboardCallback(KeyboardCallback callback, void* context);
    void setMouseCallback(MouseCallback callback, void* context);

    // The hook procedures, with the inputs Windows gives a low-level hook.
    // Events outside the tables produce nothing. X11 delivers raw events to
    // their windows whatever a client does, so there is no next hook to call.
    void keyboardProc(int nCode, quint32 message, const KeyboardEventRecord& event);
    void mouseProc(int nCode, quint32 message, const MouseEventRecord& event);

    // Last reported state of a USB usage (true: down).
    bool keyState(quint8 usbCode) const { return keyStates[usbCode]; }

    const bool isLayoutType0;
    const QMap<quint16, quint8> scanToVkMap; // scan code × 256 + extended flag → virtual key
    const QMap<quint8, quint8> vkToUsbMap;   // virtual key → USB usage

private:
    static void keyboardHookEntry(int nCode, quint32 message, const KeyboardEventRecord& event);
    static void mouseHookEntry(int nCode, quint32 message, const MouseEventRecord& event);

    std::unique_ptr<InputHookPlatform> platform;
    HookHandle keyboardHook = 0;
    HookHandle mouseHook = 0;
    KeyboardCallback keyboardCallback = nullptr;
    void* keyboardContext = nullptr;
    MouseCallback mouseCallback = nullptr;
    void* mouseContext = nullptr;
    std::array<bool, 256> keyStates{};
};
