#include "windowinputhooks.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <utility>

using namespace WinInput;

namespace {

// Handles of the two hooks; one of each can be installed at a time.
constexpr HookHandle KeyboardHookHandle = 1;
constexpr HookHandle MouseHookHandle = 2;

// The X pointer button of the buttons Qt names; 0 for others.
unsigned xButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return XButton::Left;
    case Qt::MiddleButton:
        return XButton::Middle;
    case Qt::RightButton:
        return XButton::Right;
    case Qt::BackButton:
        return XButton::Back;
    case Qt::ForwardButton:
        return XButton::Forward;
    default:
        return 0;
    }
}

} // namespace

WindowInputHooks::WindowInputHooks(QWidget* window) : window(window) {}

WindowInputHooks::~WindowInputHooks()
{
    keyboardProcedure = nullptr;
    mouseProcedure = nullptr;
    updateFilter();
}

HookHandle WindowInputHooks::installKeyboardHook(KeyboardHookProc procedure)
{
    if (!window || !procedure || keyboardProcedure)
        return 0;
    keyboardProcedure = procedure;
    converter = RawInputConverter(); // no key is known to be held yet
    heldKeys.clear();
    updateFilter();
    return KeyboardHookHandle;
}

HookHandle WindowInputHooks::installMouseHook(MouseHookProc procedure)
{
    if (!window || !procedure || mouseProcedure)
        return 0;
    mouseProcedure = procedure;
    updateFilter();
    return MouseHookHandle;
}

void WindowInputHooks::removeHook(HookHandle handle)
{
    if (handle == KeyboardHookHandle)
        keyboardProcedure = nullptr;
    else if (handle == MouseHookHandle)
        mouseProcedure = nullptr;
    updateFilter();
}

// The window's QWindow comes and goes with its native window, so the
// application's filter is used and the receiver compared.
void WindowInputHooks::updateFilter()
{
    const bool wanted = keyboardProcedure || mouseProcedure;
    if (wanted == filtering || !QCoreApplication::instance())
        return;
    if (wanted)
        QCoreApplication::instance()->installEventFilter(this);
    else
        QCoreApplication::instance()->removeEventFilter(this);
    filtering = wanted;
}

bool WindowInputHooks::eventFilter(QObject* watched, QEvent* event)
{
    if (!window || !watched->isWindowType() || watched != window->windowHandle())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        key(*static_cast<QKeyEvent*>(event), event->type() == QEvent::KeyPress);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        button(*static_cast<QMouseEvent*>(event), event->type() == QEvent::MouseButtonPress);
        break;
    case QEvent::FocusOut:
    case QEvent::Hide:
        releaseHeldKeys();
        break;
    default:
        break;
    }
    return false; // only observes
}

// Repeats are dropped here: Qt reports them as release and press pairs,
// while a key that stays down has no release.
void WindowInputHooks::key(const QKeyEvent& event, bool pressed)
{
    if (!keyboardProcedure || event.isAutoRepeat())
        return;
    const unsigned xKeycode = event.nativeScanCode();
    if (pressed)
        heldKeys.insert(xKeycode);
    else if (!heldKeys.remove(xKeycode))
        return; // pressed before the hook was installed, or already reported released
    convertKey(xKeycode, pressed);
}

void WindowInputHooks::releaseHeldKeys()
{
    const QSet<unsigned> held = std::exchange(heldKeys, {});
    if (!keyboardProcedure)
        return;
    for (const unsigned xKeycode : held)
        convertKey(xKeycode, false);
}

void WindowInputHooks::convertKey(unsigned xKeycode, bool pressed)
{
    const auto input = converter.keyEvent(xKeycode, pressed);
    if (input)
        keyboardProcedure(HC_ACTION, input->message, input->event);
}

void WindowInputHooks::button(const QMouseEvent& event, bool pressed)
{
    if (!mouseProcedure)
        return;
    const auto message = RawInputConverter::buttonMessage(xButton(event.button()), pressed);
    if (!message)
        return;
    const QPoint global = event.globalPosition().toPoint();
    mouseProcedure(HC_ACTION, *message, MouseEventRecord{global.x(), global.y()});
}
