#pragma once

#include "inputhookplatform.h"
#include "rawinputconverter.h"

#include <QObject>
#include <QPointer>
#include <QSet>

class QKeyEvent;
class QMouseEvent;
class QWidget;

// The hooks where no global source exists (a Wayland session, no X server):
// the key and mouse-button events of one top-level window, while it has the
// focus, reach the installed procedures as the input Windows would give. Key
// events carry the X keycode as their native scan code (the Linux input code
// + 8, on X11 and on Wayland alike), so they take the same conversion as the
// X11 source's raw events. Keys held when the window loses the focus are
// reported released then, as their releases go to another window. Events are
// read where the platform delivers them, on the window's QWindow, so each is
// seen once. GUI thread only.
class WindowInputHooks : public QObject, public InputHookPlatform
{
    Q_OBJECT
public:
    // `window` is the top-level widget whose events are read; not owned.
    explicit WindowInputHooks(QWidget* window);
    ~WindowInputHooks() override;

    HookHandle installKeyboardHook(KeyboardHookProc procedure) override;
    HookHandle installMouseHook(MouseHookProc procedure) override;
    void removeHook(HookHandle handle) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void key(const QKeyEvent& event, bool pressed);
    void button(const QMouseEvent& event, bool pressed);
    // Reports every held key released.
    void releaseHeldKeys();
    void convertKey(unsigned xKeycode, bool pressed);
    void updateFilter();

    QPointer<QWidget> window;
    bool filtering = false;
    KeyboardHookProc keyboardProcedure = nullptr;
    MouseHookProc mouseProcedure = nullptr;
    RawInputConverter converter;
    QSet<unsigned> heldKeys; // X keycodes pressed and not yet released
};
