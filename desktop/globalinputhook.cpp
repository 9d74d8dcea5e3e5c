#include "globalinputhook.h"

#include "keytables.h"
#include "x11inputhooks.h"

#include <iterator>

using namespace WinInput;

namespace {

GlobalInputHook* moduleInstance = nullptr;

// Special keys whose scan code alone does not name them.
constexpr quint8 BreakScanCode = 0x46; // with the extended flag: Control + Break
constexpr quint8 SysRqScanCode = 0x54; // with the Alt flag: Alt + Print Screen
constexpr quint8 VK_PAUSE = 0x13;
constexpr quint8 VK_SNAPSHOT = 0x2C; // Print Screen
constexpr quint32 MaxScanCode = 0xFF;

// Button code (vornCode) and state of the mouse messages WM_LBUTTONDOWN to
// WM_MBUTTONUP, in message order; code 0 is ignored.
struct MouseButton
{
    quint8 code;
    bool isDown;
};
constexpr quint8 LeftButtonCode = 0xF0;
constexpr quint8 RightButtonCode = 0xF1;
constexpr quint8 MiddleButtonCode = 0xF2;
constexpr MouseButton MouseButtonTable[] = {
    {LeftButtonCode, true},    // WM_LBUTTONDOWN
    {LeftButtonCode, false},   // WM_LBUTTONUP
    {0, false},                // WM_LBUTTONDBLCLK
    {RightButtonCode, true},   // WM_RBUTTONDOWN
    {RightButtonCode, false},  // WM_RBUTTONUP
    {0, false},                // WM_RBUTTONDBLCLK
    {MiddleButtonCode, true},  // WM_MBUTTONDOWN
    {MiddleButtonCode, false}, // WM_MBUTTONUP
};
static_assert(std::size(MouseButtonTable) == WM_MBUTTONUP - WM_LBUTTONDOWN + 1);

} // namespace

GlobalInputHook::GlobalInputHook(bool isLayoutType0, std::unique_ptr<InputHookPlatform> platform)
    : isLayoutType0(isLayoutType0), scanToVkMap(KeyTables::buildScanToVkMap()),
      vkToUsbMap(KeyTables::buildVkToUsbMap(isLayoutType0)), platform(std::move(platform))
{
    moduleInstance = this;
    if (!this->platform)
        this->platform = std::make_unique<X11InputHooks>();
    install();
}

GlobalInputHook::~GlobalInputHook()
{
    uninstall();
    if (moduleInstance == this)
        moduleInstance = nullptr;
}

GlobalInputHook* GlobalInputHook::instance()
{
    return moduleInstance;
}

bool GlobalInputHook::install()
{
    if (keyboardHook != 0 || mouseHook != 0)
        uninstall();
    keyboardHook = platform->installKeyboardHook(&GlobalInputHook::keyboardHookEntry);
    mouseHook = platform->installMouseHook(&GlobalInputHook::mouseHookEntry);
    if (isInstalled())
        return true;
    uninstall();
    return false;
}

void GlobalInputHook::uninstall()
{
    if (keyboardHook != 0)
        platform->removeHook(keyboardHook);
    keyboardHook = 0;
    if (mouseHook != 0)
        platform->removeHook(mouseHook);
    mouseHook = 0;
}

void GlobalInputHook::setKeyboardCallback(KeyboardCallback callback, void* context)
{
    keyboardCallback = callback;
    keyboardContext = context;
}

void GlobalInputHook::setMouseCallback(MouseCallback callback, void* context)
{
    mouseCallback = callback;
    mouseContext = context;
}

void GlobalInputHook::keyboardProc(int nCode, quint32 message, const KeyboardEventRecord& event)
{
    // WM_KEYDOWN and WM_SYSKEYDOWN; everything else reads as a release.
    const bool isDown = nCode == HC_ACTION && (message & ~SysKeyBit) == WM_KEYDOWN;
    const quint8 scanCode = event.scanCode <= MaxScanCode ? quint8(event.scanCode) : 0;
    const bool extended = (event.flags & LLKHF_EXTENDED) != 0;

    quint8 vk = scanToVkMap.value(KeyTables::scanKey(scanCode, extended), 0);
    if (scanCode == BreakScanCode && extended)
        vk = VK_PAUSE;
    if (scanCode == SysRqScanCode && (event.flags & LLKHF_ALTDOWN) != 0)
        vk = VK_SNAPSHOT;
    if (vk == 0)
        return;

    const quint8 usb = vkToUsbMap.value(vk, 0);
    if (usb == 0)
        return;
    if (keyStates[usb] == isDown) // auto-repeat, or a second release
        return;
    keyStates[usb] = isDown;
    if (keyboardCallback)
        keyboardCallback(usb, isDown, keyboardContext);
}

void GlobalInputHook::mouseProc(int, quint32 message, const MouseEventRecord& event)
{
    if (message < WM_LBUTTONDOWN || message > WM_MBUTTONUP)
        return;
    const MouseButton& button = MouseButtonTable[message - WM_LBUTTONDOWN];
    if (button.code != 0 && mouseCallback)
        mouseCallback(button.code, button.isDown, event.x, event.y, mouseContext);
}

void GlobalInputHook::keyboardHookEntry(int nCode, quint32 message,
                                        const KeyboardEventRecord& event)
{
    if (moduleInstance)
        moduleInstance->keyboardProc(nCode, message, event);
}

void GlobalInputHook::mouseHookEntry(int nCode, quint32 message, const MouseEventRecord& event)
{
    if (moduleInstance)
        moduleInstance->mouseProc(nCode, message, event);
}
