// Records what the global input hook hands to its callbacks, in order.
#pragma once

#include "globalinputhook.h"

#include <QList>
#include <QMetaType>
#include <QTest>

struct HookEvent
{
    int code = 0; // USB usage, or button code for the mouse
    bool isDown = false;
    qint32 x = 0;
    qint32 y = 0;

    friend bool operator==(const HookEvent& a, const HookEvent& b)
    {
        return a.code == b.code && a.isDown == b.isDown && a.x == b.x && a.y == b.y;
    }
};
Q_DECLARE_METATYPE(HookEvent)

inline char* toString(const HookEvent& event)
{
    return QTest::toString(QStringLiteral("(0x%1 %2 %3,%4)")
                               .arg(event.code, 2, 16, QLatin1Char('0'))
                               .arg(event.isDown ? "down" : "up")
                               .arg(event.x)
                               .arg(event.y));
}

inline HookEvent down(int code)
{
    return {code, true};
}
inline HookEvent up(int code)
{
    return {code, false};
}
// A press and its release.
inline QList<HookEvent> stroke(int code)
{
    return {down(code), up(code)};
}

struct HookRecorder
{
    QList<HookEvent> keys;
    QList<HookEvent> buttons;

    void attach(GlobalInputHook& hook)
    {
        hook.setKeyboardCallback(&HookRecorder::onKey, this);
        hook.setMouseCallback(&HookRecorder::onButton, this);
    }

    static void onKey(quint8 usbCode, bool isDown, void* context)
    {
        static_cast<HookRecorder*>(context)->keys.append({usbCode, isDown});
    }
    static void onButton(quint8 code, bool isDown, qint32 x, qint32 y, void* context)
    {
        static_cast<HookRecorder*>(context)->buttons.append({code, isDown, x, y});
    }
};

// A platform on which no hook can be installed: the translation alone.
class NoHookPlatform : public InputHookPlatform
{
public:
    HookHandle installKeyboardHook(KeyboardHookProc) override { return 0; }
    HookHandle installMouseHook(MouseHookProc) override { return 0; }
    void removeHook(HookHandle) override {}
};
