// The X11 side of the key hook without an X server: X keycodes (Linux input
// code + 8) and buttons become the inputs Windows would give, and through the
// translation the usage codes the scene finally gets.
#include "hookrecorder.h"
#include "rawinputconverter.h"
#include "windowsvalues.h"

using namespace WindowsValues;

namespace {

// One raw X key event.
struct XKey
{
    unsigned keycode;
    bool pressed;
};
XKey press(unsigned keycode)
{
    return {keycode, true};
}
XKey release(unsigned keycode)
{
    return {keycode, false};
}

// X keycodes of the evdev keymap used below.
constexpr unsigned XK_Control_L = 37;
constexpr unsigned XK_Alt_L = 64;
constexpr unsigned XK_F10 = 76;
constexpr unsigned XK_Control_R = 105;
constexpr unsigned XK_Print = 107;
constexpr unsigned XK_Alt_R = 108;
constexpr unsigned XK_Pause = 127;
constexpr unsigned XK_a = 38;
constexpr unsigned XK_KP_Enter = 104;

// Feeds X key events through the converter into the hook, as the X11
// source does.
QList<HookEvent> translate(const QList<XKey>& keys, bool layoutType0)
{
    GlobalInputHook hook(layoutType0, std::make_unique<NoHookPlatform>());
    HookRecorder recorder;
    recorder.attach(hook);
    RawInputConverter converter;
    for (const XKey& key : keys)
        if (const auto input = converter.keyEvent(key.keycode, key.pressed))
            hook.keyboardProc(HC_ACTION, input->message, input->event);
    return recorder.keys;
}

} // namespace

Q_DECLARE_METATYPE(XKey)

class TestLinuxKeys : public QObject
{
    Q_OBJECT

private slots:
    void xKeycodeToUsage_data()
    {
        QTest::addColumn<unsigned>("keycode");
        QTest::addColumn<bool>("layoutType0");
        QTest::addColumn<int>("usage"); // 0: the scene gets nothing
        const struct
        {
            const char* name;
            unsigned keycode;
            int usage;
        } rows[] = {
            {"Escape", 9, 0x29},
            {"1", 10, 0x1E},
            {"0", 19, 0x27},
            {"minus", 20, 0x2D},
            {"equal", 21, 0x2E},
            {"BackSpace", 22, 0x2A},
            {"Tab", 23, 0x2B},
            {"q", 24, 0x14},
            {"bracketleft", 34, 0x2F},
            {"bracketright", 35, 0x30},
            {"Return", 36, 0x28},
            {"Control_L", 37, 0xE0},
            {"a", 38, 0x04},
            {"semicolon", 47, 0x33},
            {"apostrophe", 48, 0x34},
            {"grave", 49, 0x35},
            {"Shift_L", 50, 0xE1},
            {"z", 52, 0x1D},
            {"comma", 59, 0x36},
            {"period", 60, 0x37},
            {"slash", 61, 0x38},
            {"Shift_R", 62, 0xE5},
            {"KP_Multiply", 63, 0x55},
            {"Alt_L", 64, 0xE2},
            {"space", 65, 0x2C},
            {"Caps_Lock", 66, 0x39},
            {"F1", 67, 0x3A},
            {"F10", 76, 0x43},
            {"Num_Lock", 77, 0x53},
            {"Scroll_Lock", 78, 0x47},
            {"KP_7", 79, 0x5F},
            {"KP_Subtract", 82, 0x56},
            {"KP_5", 84, 0x5D},
            {"KP_Add", 86, 0x57},
            {"KP_1", 87, 0x59},
            {"KP_0", 90, 0x62},
            {"KP_Decimal", 91, 0x63},
            {"less (102nd key)", 94, 0x64},
            {"F11", 95, 0x44},
            {"F12", 96, 0x45},
            {"KP_Enter", 104, 0x58},
            {"Control_R", 105, 0xE4},
            {"KP_Divide", 106, 0x54},
            {"Print", 107, 0x46},
            {"Alt_R", 108, 0xE6},
            {"Home", 110, 0x4A},
            {"Up", 111, 0x52},
            {"Prior", 112, 0x4B},
            {"Left", 113, 0x50},
            {"Right", 114, 0x4F},
            {"End", 115, 0x4D},
            {"Down", 116, 0x51},
            {"Next", 117, 0x4E},
            {"Insert", 118, 0x49},
            {"Delete", 119, 0x4C},
            {"Pause", 127, 0x48},
            {"Super_L", 133, 0xE3},
            {"Menu", 135, 0x65},
            {"F23", 201, 0x72},
            // keys the scene never gets
            {"Super_R", 134, 0},
            {"F13", 191, 0},
            {"F24", 202, 0},
            {"XF86AudioMute", 121, 0},
            {"unused code 84", 92, 0},
            {"below the offset", 5, 0},
            {"highest keycode", 255, 0},
        };
        for (const auto& row : rows)
            QTest::newRow(row.name) << row.keycode << true << row.usage;
        QTest::newRow("backslash, layout type 0") << 51u << true << 0x32;
        QTest::newRow("backslash, other layout type") << 51u << false << 0x31;
    }

    void xKeycodeToUsage()
    {
        QFETCH(unsigned, keycode);
        QFETCH(bool, layoutType0);
        QFETCH(int, usage);
        const QList<HookEvent> events = translate({press(keycode), release(keycode)}, layoutType0);
        QCOMPARE(events, usage ? stroke(usage) : QList<HookEvent>{});
    }

    // Alt and Control are tracked from the raw events themselves.
    void modifierCombinations_data()
    {
        QTest::addColumn<QList<XKey>>("keys");
        QTest::addColumn<QList<HookEvent>>("expected");
        QTest::newRow("Alt + Print")
            << QList<XKey>{press(XK_Alt_L), press(XK_Print), release(XK_Print), release(XK_Alt_L)}
            << QList<HookEvent>{down(0xE2), down(0x46), up(0x46), up(0xE2)};
        QTest::newRow("Print released after Alt")
            << QList<XKey>{press(XK_Alt_L), press(XK_Print), release(XK_Alt_L), release(XK_Print)}
            << QList<HookEvent>{down(0xE2), down(0x46), up(0xE2), up(0x46)};
        QTest::newRow("right Alt + Print")
            << QList<XKey>{press(XK_Alt_R), press(XK_Print), release(XK_Print), release(XK_Alt_R)}
            << QList<HookEvent>{down(0xE6), down(0x46), up(0x46), up(0xE6)};
        QTest::newRow("Control + Pause (Break)")
            << QList<XKey>{press(XK_Control_L), press(XK_Pause), release(XK_Pause),
                           release(XK_Control_L)}
            << QList<HookEvent>{down(0xE0), down(0x48), up(0x48), up(0xE0)};
        QTest::newRow("right Control + Pause (Break)")
            << QList<XKey>{press(XK_Control_R), press(XK_Pause), release(XK_Pause),
                           release(XK_Control_R)}
            << QList<HookEvent>{down(0xE4), down(0x48), up(0x48), up(0xE4)};
        QTest::newRow("held Alt repeats")
            << QList<XKey>{press(XK_Alt_L), press(XK_Alt_L), press(XK_Alt_L), release(XK_Alt_L)}
            << stroke(0xE2);
    }

    void modifierCombinations()
    {
        QFETCH(QList<XKey>, keys);
        QFETCH(QList<HookEvent>, expected);
        QCOMPARE(translate(keys, true), expected);
    }

    // The messages and flags Windows would give.
    void hookInputs_data()
    {
        QTest::addColumn<QList<XKey>>("before");
        QTest::addColumn<XKey>("key");
        QTest::addColumn<quint32>("message");
        QTest::addColumn<quint32>("scanCode");
        QTest::addColumn<quint32>("flags");
        QTest::newRow("a down") << QList<XKey>{} << press(XK_a) << WM_KEYDOWN << 0x1Eu << 0u;
        QTest::newRow("a up") << QList<XKey>{press(XK_a)} << release(XK_a) << WM_KEYUP << 0x1Eu
                              << LLKHF_UP;
        QTest::newRow("keypad Enter down")
            << QList<XKey>{} << press(XK_KP_Enter) << WM_KEYDOWN << 0x1Cu << LLKHF_EXTENDED;
        QTest::newRow("Alt down") << QList<XKey>{} << press(XK_Alt_L) << WM_SYSKEYDOWN << 0x38u
                                  << LLKHF_ALTDOWN;
        QTest::newRow("a down under Alt") << QList<XKey>{press(XK_Alt_L)} << press(XK_a)
                                          << WM_SYSKEYDOWN << 0x1Eu << LLKHF_ALTDOWN;
        QTest::newRow("a up under Alt")
            << QList<XKey>{press(XK_Alt_L), press(XK_a)} << release(XK_a) << WM_SYSKEYUP << 0x1Eu
            << (LLKHF_ALTDOWN | LLKHF_UP);
        QTest::newRow("Alt up") << QList<XKey>{press(XK_Alt_L)} << release(XK_Alt_L) << WM_KEYUP
                                << 0x38u << LLKHF_UP;
        QTest::newRow("a after Alt up") << QList<XKey>{press(XK_Alt_L), release(XK_Alt_L)}
                                        << press(XK_a) << WM_KEYDOWN << 0x1Eu << 0u;
        QTest::newRow("right Alt down") << QList<XKey>{} << press(XK_Alt_R) << WM_SYSKEYDOWN
                                        << 0x38u << (LLKHF_EXTENDED | LLKHF_ALTDOWN);
        QTest::newRow("F10 down") << QList<XKey>{} << press(XK_F10) << WM_SYSKEYDOWN << 0x44u << 0u;
        QTest::newRow("Print under Alt is SysRq") << QList<XKey>{press(XK_Alt_L)} << press(XK_Print)
                                                  << WM_SYSKEYDOWN << 0x54u << LLKHF_ALTDOWN;
        QTest::newRow("Print") << QList<XKey>{} << press(XK_Print) << WM_KEYDOWN << 0x37u
                               << LLKHF_EXTENDED;
        QTest::newRow("Pause under Control is Break")
            << QList<XKey>{press(XK_Control_L)} << press(XK_Pause) << WM_KEYDOWN << 0x46u
            << LLKHF_EXTENDED;
        QTest::newRow("Pause") << QList<XKey>{} << press(XK_Pause) << WM_KEYDOWN << 0x45u << 0u;
        QTest::newRow("Pause after Control up")
            << QList<XKey>{press(XK_Control_L), release(XK_Control_L)} << press(XK_Pause)
            << WM_KEYDOWN << 0x45u << 0u;
    }

    void hookInputs()
    {
        QFETCH(QList<XKey>, before);
        QFETCH(XKey, key);
        QFETCH(quint32, message);
        QFETCH(quint32, scanCode);
        QFETCH(quint32, flags);
        RawInputConverter converter;
        for (const XKey& earlier : before)
            converter.keyEvent(earlier.keycode, earlier.pressed);
        const auto input = converter.keyEvent(key.keycode, key.pressed);
        QVERIFY(input);
        QCOMPARE(input->message, message);
        QCOMPARE(input->event.scanCode, scanCode);
        QCOMPARE(input->event.flags, flags);
    }

    void buttons_data()
    {
        QTest::addColumn<unsigned>("button");
        QTest::addColumn<bool>("pressed");
        QTest::addColumn<quint32>("message"); // 0: none
        QTest::addColumn<int>("code");        // what the mouse callback gets; 0: nothing
        QTest::newRow("left down") << 1u << true << WM_LBUTTONDOWN << 0xF0;
        QTest::newRow("left up") << 1u << false << WM_LBUTTONUP << 0xF0;
        QTest::newRow("middle down") << 2u << true << WM_MBUTTONDOWN << 0xF2;
        QTest::newRow("middle up") << 2u << false << WM_MBUTTONUP << 0xF2;
        QTest::newRow("right down") << 3u << true << WM_RBUTTONDOWN << 0xF1;
        QTest::newRow("right up") << 3u << false << WM_RBUTTONUP << 0xF1;
        QTest::newRow("wheel up notch") << 4u << true << WM_MOUSEWHEEL << 0;
        QTest::newRow("wheel notch release") << 5u << false << 0u << 0;
        QTest::newRow("horizontal wheel") << 6u << true << WM_MOUSEHWHEEL << 0;
        QTest::newRow("back down") << 8u << true << WM_XBUTTONDOWN << 0;
        QTest::newRow("forward up") << 9u << false << WM_XBUTTONUP << 0;
        QTest::newRow("button 10") << 10u << true << 0u << 0;
    }

    void buttons()
    {
        QFETCH(unsigned, button);
        QFETCH(bool, pressed);
        QFETCH(quint32, message);
        QFETCH(int, code);
        const auto converted = RawInputConverter::buttonMessage(button, pressed);
        QCOMPARE(converted.value_or(0), message);

        GlobalInputHook hook(true, std::make_unique<NoHookPlatform>());
        HookRecorder recorder;
        recorder.attach(hook);
        if (converted)
            hook.mouseProc(HC_ACTION, *converted, {640, 400});
        const QList<HookEvent> expected =
            code ? QList<HookEvent>{{code, pressed, 640, 400}} : QList<HookEvent>{};
        QCOMPARE(recorder.buttons, expected);
    }
};

QTEST_GUILESS_MAIN(TestLinuxKeys)
#include "tst_linuxkeys.moc"
