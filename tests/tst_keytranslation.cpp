// The key translation of the global input hook: scan code and extended flag
// to USB usage, the special keys, the repeat filter, the mouse buttons, and
// the order in which the hooks are installed and removed.
#include "hookrecorder.h"
#include "windowsvalues.h"

#include <QSet>

using namespace WindowsValues;

namespace {

// One call of the keyboard procedure.
struct KeyInput
{
    int nCode = HC_ACTION;
    quint32 message = WM_KEYDOWN;
    quint32 scanCode = 0;
    quint32 flags = 0;
};

KeyInput keyDown(quint32 scan, quint32 flags = 0)
{
    return {HC_ACTION, WM_KEYDOWN, scan, flags};
}
KeyInput keyUp(quint32 scan, quint32 flags = 0)
{
    return {HC_ACTION, WM_KEYUP, scan, flags | LLKHF_UP};
}
KeyInput sysKeyDown(quint32 scan, quint32 flags = LLKHF_ALTDOWN)
{
    return {HC_ACTION, WM_SYSKEYDOWN, scan, flags};
}
KeyInput sysKeyUp(quint32 scan, quint32 flags = LLKHF_ALTDOWN)
{
    return {HC_ACTION, WM_SYSKEYUP, scan, flags | LLKHF_UP};
}

// The keys of the keyboard as groups: scan codes in order, with the usage of
// the first; the others follow it one by one.
struct KeyGroup
{
    const char* name;
    QList<int> scanCodes;
    bool extended;
    int firstUsage;
};

const QList<KeyGroup>& keyGroups()
{
    static const QList<KeyGroup> groups = {
        {"letters A-Z",
         {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17, 0x24, 0x25, 0x26, 0x32,
          0x31, 0x18, 0x19, 0x10, 0x13, 0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C},
         false,
         0x04},
        {"digits 1-0", {0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B}, false, 0x1E},
        {"Enter Escape Backspace Tab Space", {0x1C, 0x01, 0x0E, 0x0F, 0x39}, false, 0x28},
        {"- = [ ]", {0x0C, 0x0D, 0x1A, 0x1B}, false, 0x2D},
        {"; ' ` , . /", {0x27, 0x28, 0x29, 0x33, 0x34, 0x35}, false, 0x33},
        {"Caps Lock F1-F10",
         {0x3A, 0x3B, 0x3C, 0x3D, 0x3E, 0x3F, 0x40, 0x41, 0x42, 0x43, 0x44},
         false,
         0x39},
        {"F11 F12", {0x57, 0x58}, false, 0x44},
        {"Print Screen", {0x37}, true, 0x46},
        {"Scroll Lock Pause", {0x46, 0x45}, false, 0x47},
        {"Insert Home PageUp Delete End PageDown",
         {0x52, 0x47, 0x49, 0x53, 0x4F, 0x51},
         true,
         0x49},
        {"Right Left Down Up", {0x4D, 0x4B, 0x50, 0x48}, true, 0x4F},
        {"Num Lock, keypad /", {0x45, 0x35}, true, 0x53},
        {"keypad * - +", {0x37, 0x4A, 0x4E}, false, 0x55},
        {"keypad Enter", {0x1C}, true, 0x58},
        {"keypad 1-9 0 .",
         {0x4F, 0x50, 0x51, 0x4B, 0x4C, 0x4D, 0x47, 0x48, 0x49, 0x52, 0x53},
         false,
         0x59},
        {"key beside left Shift", {0x56}, false, 0x64},
        {"Application", {0x5D}, true, 0x65},
        {"F23", {0x6E}, false, 0x72},
        {"left Control Shift Alt", {0x1D, 0x2A, 0x38}, false, 0xE0},
        {"left Windows", {0x5B}, true, 0xE3},
        {"right Control Shift Alt", {0x1D, 0x36, 0x38}, true, 0xE4},
    };
    return groups;
}
constexpr int BackslashScanCode = 0x2B;

// Records the hook's calls to the platform; an install can be made to fail.
class RecordingPlatform : public InputHookPlatform
{
public:
    QStringList calls;
    bool keyboardFails = false;
    bool mouseFails = false;
    KeyboardHookProc keyboardProcedure = nullptr;
    MouseHookProc mouseProcedure = nullptr;

    HookHandle installKeyboardHook(KeyboardHookProc procedure) override
    {
        calls << "install keyboard";
        if (keyboardFails)
            return 0;
        keyboardProcedure = procedure;
        return KeyboardHandle;
    }
    HookHandle installMouseHook(MouseHookProc procedure) override
    {
        calls << "install mouse";
        if (mouseFails)
            return 0;
        mouseProcedure = procedure;
        return MouseHandle;
    }
    void removeHook(HookHandle handle) override
    {
        calls << (handle == KeyboardHandle ? "remove keyboard"
                  : handle == MouseHandle  ? "remove mouse"
                                           : "remove unknown");
    }

private:
    static constexpr HookHandle KeyboardHandle = 0x51;
    static constexpr HookHandle MouseHandle = 0x52;
};

} // namespace

Q_DECLARE_METATYPE(KeyInput)

class TestKeyTranslation : public QObject
{
    Q_OBJECT

    static void send(GlobalInputHook& hook, const QList<KeyInput>& inputs)
    {
        for (const KeyInput& input : inputs)
            hook.keyboardProc(input.nCode, input.message, {input.scanCode, input.flags});
    }

private slots:
    void translatesEveryKeyOfTheTable_data()
    {
        QTest::addColumn<int>("scanCode");
        QTest::addColumn<bool>("extended");
        QTest::addColumn<int>("usage");
        for (const KeyGroup& group : keyGroups())
            for (int i = 0; i < group.scanCodes.size(); ++i)
                QTest::addRow("%s #%d (scan %02X%s)", group.name, i + 1, group.scanCodes[i],
                              group.extended ? " ext" : "")
                    << group.scanCodes[i] << group.extended << group.firstUsage + i;
    }

    void translatesEveryKeyOfTheTable()
    {
        QFETCH(int, scanCode);
        QFETCH(bool, extended);
        QFETCH(int, usage);
        GlobalInputHook hook(true, std::make_unique<NoHookPlatform>());
        HookRecorder recorder;
        recorder.attach(hook);
        const quint32 flags = extended ? LLKHF_EXTENDED : 0;
        send(hook, {keyDown(scanCode, flags), keyUp(scanCode, flags)});
        QCOMPARE(recorder.keys, stroke(usage));
    }

    // The tables hold the keys above, the backslash key and nothing else.
    void tablesHoldNoOtherKeys()
    {
        GlobalInputHook hook(false, std::make_unique<NoHookPlatform>());
        QSet<quint16> expected = {quint16(BackslashScanCode * 256)};
        for (const KeyGroup& group : keyGroups())
            for (int scan : group.scanCodes)
                expected.insert(quint16(scan * 256 + (group.extended ? 1 : 0)));
        const QList<quint16> keys = hook.scanToVkMap.keys();
        QCOMPARE(QSet<quint16>(keys.begin(), keys.end()), expected);
        QCOMPARE(hook.scanToVkMap.size(), 105);
        QCOMPARE(hook.vkToUsbMap.size(), 121);
    }

    // Virtual keys no scan code reaches still have their usage.
    void unreachedVirtualKeys_data()
    {
        QTest::addColumn<int>("vk");
        QTest::addColumn<int>("usage");
        QTest::newRow("right Windows") << 0x5C << 0xE7;
        for (int i = 0; i < 10; ++i)
            QTest::addRow("F%d", 13 + i) << 0x7C + i << 0x68 + i;
        QTest::newRow("F24") << 0x87 << 0x73;
        QTest::newRow("C1") << 0xC1 << 0x87;
        QTest::newRow("C2") << 0xC2 << 0x85;
        QTest::newRow("EB") << 0xEB << 0x8B;
        QTest::newRow("FF") << 0xFF << 0x66;
    }

    void unreachedVirtualKeys()
    {
        QFETCH(int, vk);
        QFETCH(int, usage);
        GlobalInputHook hook(true, std::make_unique<NoHookPlatform>());
        QCOMPARE(int(hook.vkToUsbMap.value(quint8(vk))), usage);
        QVERIFY(!hook.scanToVkMap.values().contains(quint8(vk)));
    }

    void specialKeysAndRepeats_data()
    {
        QTest::addColumn<bool>("layoutType0");
        QTest::addColumn<QList<KeyInput>>("inputs");
        QTest::addColumn<QList<HookEvent>>("expected");

        const KeyInput aDown = keyDown(0x1E);
        QTest::newRow("held letter: one down, one up")
            << true << QList<KeyInput>{aDown, aDown, aDown, aDown, keyUp(0x1E)} << stroke(0x04);
        QTest::newRow("second release dropped")
            << true << QList<KeyInput>{aDown, keyUp(0x1E), keyUp(0x1E)} << stroke(0x04);
        QTest::newRow("call code other than HC_ACTION reads as a release")
            << true << QList<KeyInput>{aDown, {1, WM_KEYDOWN, 0x1E, 0}} << stroke(0x04);
        QTest::newRow("scan code above FF is no key")
            << true << QList<KeyInput>{keyDown(0x11E), keyUp(0x11E)} << QList<HookEvent>{};
        QTest::newRow("letter with the extended flag is no key")
            << true << QList<KeyInput>{keyDown(0x1E, LLKHF_EXTENDED)} << QList<HookEvent>{};

        QTest::newRow("Print Screen")
            << true << QList<KeyInput>{keyDown(0x37, LLKHF_EXTENDED), keyUp(0x37, LLKHF_EXTENDED)}
            << stroke(0x46);
        QTest::newRow("Alt + Print Screen (scan 54 with Alt)")
            << true << QList<KeyInput>{sysKeyDown(0x54), sysKeyUp(0x54)} << stroke(0x46);
        QTest::newRow("scan 54 without Alt")
            << true << QList<KeyInput>{keyDown(0x54), keyUp(0x54)} << QList<HookEvent>{};

        QTest::newRow("Control + Break (scan 46 extended) is Pause")
            << true << QList<KeyInput>{keyDown(0x46, LLKHF_EXTENDED), keyUp(0x46, LLKHF_EXTENDED)}
            << stroke(0x48);
        QTest::newRow("Scroll Lock (scan 46)")
            << true << QList<KeyInput>{keyDown(0x46), keyUp(0x46)} << stroke(0x47);

        QTest::newRow("scan 2B on layout type 0")
            << true << QList<KeyInput>{keyDown(0x2B), keyUp(0x2B)} << stroke(0x32);
        QTest::newRow("scan 2B on another layout type")
            << false << QList<KeyInput>{keyDown(0x2B), keyUp(0x2B)} << stroke(0x31);

        QTest::newRow("right Windows")
            << true << QList<KeyInput>{keyDown(0x5C, LLKHF_EXTENDED), keyUp(0x5C, LLKHF_EXTENDED)}
            << QList<HookEvent>{};
        QTest::newRow("scan 36 without the extended flag")
            << true << QList<KeyInput>{keyDown(0x36), keyUp(0x36)} << QList<HookEvent>{};
        QTest::newRow("right Shift (scan 36 extended)")
            << true << QList<KeyInput>{keyDown(0x36, LLKHF_EXTENDED), keyUp(0x36, LLKHF_EXTENDED)}
            << stroke(0xE5);

        QTest::newRow("keypad Enter")
            << true << QList<KeyInput>{keyDown(0x1C, LLKHF_EXTENDED), keyUp(0x1C, LLKHF_EXTENDED)}
            << stroke(0x58);
        QTest::newRow("Enter") << true << QList<KeyInput>{keyDown(0x1C), keyUp(0x1C)}
                               << stroke(0x28);

        QTest::newRow("WM_SYSKEYUP of Alt after its WM_SYSKEYDOWN")
            << true << QList<KeyInput>{sysKeyDown(0x38), sysKeyDown(0x38), sysKeyUp(0x38)}
            << stroke(0xE2);
        QTest::newRow("Alt released as WM_KEYUP")
            << true << QList<KeyInput>{sysKeyDown(0x38), keyUp(0x38)} << stroke(0xE2);
        QTest::newRow("keys under Alt come as WM_SYSKEY...")
            << true
            << QList<KeyInput>{sysKeyDown(0x38), sysKeyDown(0x3E), sysKeyUp(0x3E), keyUp(0x38)}
            << QList<HookEvent>{down(0xE2), down(0x3D), up(0x3D), up(0xE2)};
    }

    void specialKeysAndRepeats()
    {
        QFETCH(bool, layoutType0);
        QFETCH(QList<KeyInput>, inputs);
        QFETCH(QList<HookEvent>, expected);
        GlobalInputHook hook(layoutType0, std::make_unique<NoHookPlatform>());
        HookRecorder recorder;
        recorder.attach(hook);
        send(hook, inputs);
        QCOMPARE(recorder.keys, expected);
    }

    // Events before the callback is registered still set the key state.
    void stateIsKeptBeforeCallbacksAreRegistered()
    {
        GlobalInputHook hook(true, std::make_unique<NoHookPlatform>());
        send(hook, {keyDown(0x1E)});
        QVERIFY(hook.keyState(0x04));
        HookRecorder recorder;
        recorder.attach(hook);
        send(hook, {keyDown(0x1E), keyUp(0x1E)});
        QCOMPARE(recorder.keys, QList<HookEvent>{up(0x04)});
        QVERIFY(!hook.keyState(0x04));
    }

    void mouseButtons_data()
    {
        QTest::addColumn<int>("nCode");
        QTest::addColumn<QList<quint32>>("messages");
        QTest::addColumn<QList<HookEvent>>("expected");
        const qint32 x = 1234;
        const qint32 y = -56; // a screen left of or above the primary one
        QTest::newRow("left click") << HC_ACTION << QList<quint32>{WM_LBUTTONDOWN, WM_LBUTTONUP}
                                    << QList<HookEvent>{{0xF0, true, x, y}, {0xF0, false, x, y}};
        QTest::newRow("right click") << HC_ACTION << QList<quint32>{WM_RBUTTONDOWN, WM_RBUTTONUP}
                                     << QList<HookEvent>{{0xF1, true, x, y}, {0xF1, false, x, y}};
        QTest::newRow("middle click") << HC_ACTION << QList<quint32>{WM_MBUTTONDOWN, WM_MBUTTONUP}
                                      << QList<HookEvent>{{0xF2, true, x, y}, {0xF2, false, x, y}};
        QTest::newRow("double clicks ignored")
            << HC_ACTION << QList<quint32>{WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK}
            << QList<HookEvent>{};
        QTest::newRow("wheel, move, extra buttons ignored")
            << HC_ACTION
            << QList<quint32>{WM_MOUSEWHEEL, WM_MOUSEHWHEEL, WM_XBUTTONDOWN, WM_XBUTTONUP,
                              WM_LBUTTONDOWN - 1}
            << QList<HookEvent>{};
        QTest::newRow("no repeat filter")
            << HC_ACTION << QList<quint32>{WM_LBUTTONDOWN, WM_LBUTTONDOWN}
            << QList<HookEvent>{{0xF0, true, x, y}, {0xF0, true, x, y}};
        QTest::newRow("call code not examined")
            << 1 << QList<quint32>{WM_LBUTTONDOWN} << QList<HookEvent>{{0xF0, true, x, y}};
    }

    void mouseButtons()
    {
        QFETCH(int, nCode);
        QFETCH(QList<quint32>, messages);
        QFETCH(QList<HookEvent>, expected);
        GlobalInputHook hook(true, std::make_unique<NoHookPlatform>());
        HookRecorder recorder;
        recorder.attach(hook);
        for (quint32 message : messages)
            hook.mouseProc(nCode, message, {1234, -56});
        QCOMPARE(recorder.buttons, expected);
        QVERIFY(recorder.keys.isEmpty());
    }

    void installation_data()
    {
        QTest::addColumn<bool>("keyboardFails");
        QTest::addColumn<bool>("mouseFails");
        QTest::addColumn<QStringList>("calls");
        QTest::newRow("both installed")
            << false << false << QStringList{"install keyboard", "install mouse"};
        QTest::newRow("mouse fails")
            << false << true << QStringList{"install keyboard", "install mouse", "remove keyboard"};
        QTest::newRow("keyboard fails")
            << true << false << QStringList{"install keyboard", "install mouse", "remove mouse"};
        QTest::newRow("both fail")
            << true << true << QStringList{"install keyboard", "install mouse"};
    }

    void installation()
    {
        QFETCH(bool, keyboardFails);
        QFETCH(bool, mouseFails);
        QFETCH(QStringList, calls);
        auto owned = std::make_unique<RecordingPlatform>();
        RecordingPlatform* platform = owned.get();
        platform->keyboardFails = keyboardFails;
        platform->mouseFails = mouseFails;
        GlobalInputHook hook(true, std::move(owned));
        QCOMPARE(platform->calls, calls);
        const bool installed = !keyboardFails && !mouseFails;
        QCOMPARE(hook.isInstalled(), installed);
        QCOMPARE(hook.keyboardHookHandle() != 0, installed);
        QCOMPARE(hook.mouseHookHandle() != 0, installed);
    }

    void reinstallAndUninstallOrder()
    {
        auto owned = std::make_unique<RecordingPlatform>();
        RecordingPlatform* platform = owned.get();
        GlobalInputHook hook(true, std::move(owned));
        platform->calls.clear();
        QVERIFY(hook.install());
        QCOMPARE(platform->calls, (QStringList{"remove keyboard", "remove mouse",
                                               "install keyboard", "install mouse"}));
        platform->calls.clear();
        hook.uninstall();
        QCOMPARE(platform->calls, (QStringList{"remove keyboard", "remove mouse"}));
        QCOMPARE(hook.keyboardHookHandle(), HookHandle(0));
        QCOMPARE(hook.mouseHookHandle(), HookHandle(0));
        platform->calls.clear();
        hook.uninstall(); // nothing left to remove
        QCOMPARE(platform->calls, QStringList{});
    }

    // The platform calls the procedures it was given; they serve the module
    // instance while it exists.
    void installedProceduresServeTheInstance()
    {
        auto owned = std::make_unique<RecordingPlatform>();
        RecordingPlatform* platform = owned.get();
        KeyboardHookProc keyboardProcedure = nullptr;
        MouseHookProc mouseProcedure = nullptr;
        HookRecorder recorder;
        {
            GlobalInputHook hook(true, std::move(owned));
            QCOMPARE(GlobalInputHook::instance(), &hook);
            recorder.attach(hook);
            keyboardProcedure = platform->keyboardProcedure;
            mouseProcedure = platform->mouseProcedure;
            QVERIFY(keyboardProcedure && mouseProcedure);
            keyboardProcedure(HC_ACTION, WM_KEYDOWN, {0x1C, LLKHF_EXTENDED});
            mouseProcedure(HC_ACTION, WM_RBUTTONUP, {7, 8});
        }
        QCOMPARE(GlobalInputHook::instance(), nullptr);
        keyboardProcedure(HC_ACTION, WM_KEYUP, {0x1C, LLKHF_EXTENDED | LLKHF_UP});
        QCOMPARE(recorder.keys, QList<HookEvent>{down(0x58)});
        QCOMPARE(recorder.buttons, (QList<HookEvent>{{0xF1, false, 7, 8}}));
    }
};

QTEST_GUILESS_MAIN(TestKeyTranslation)
#include "tst_keytranslation.moc"
