// The global hooks on a real X server (run under xvfb-run): keys pressed and
// buttons clicked with xdotool reach the registered callbacks through the
// XInput2 raw-event source. Also: without a display the hook runs on.
#include "hookrecorder.h"
#include "keepxserver.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

// Ends every key sequence: once its release has arrived, everything sent
// before it has arrived too.
constexpr char SentinelKey[] = "F9";
constexpr int SentinelUsage = 0x42;
// The last click of the click test, a right click: it ends the sequence the
// same way.
constexpr char SentinelButton[] = "3";
constexpr int SentinelButtonCode = 0xF1;

bool xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

} // namespace

class TestX11InputHooks : public QObject
{
    Q_OBJECT

    std::unique_ptr<KeepXServer> server;

    // Runs xdotool with `arguments`, then strokes the sentinel key, and waits
    // for the sentinel's release.
    static bool typeAndWait(HookRecorder& recorder, const QStringList& arguments)
    {
        if (!xdotool(arguments) || !xdotool({"key", SentinelKey}))
            return false;
        return QTest::qWaitFor(
            [&] { return !recorder.keys.isEmpty() && recorder.keys.last() == up(SentinelUsage); });
    }

    // Moves the pointer, clicks `button` and waits for the release to arrive
    // (the position is the pointer's when the event is read).
    static bool clickAndWait(HookRecorder& recorder, int x, int y, const QString& button,
                             int expectedEvents)
    {
        if (!xdotool({"mousemove", QString::number(x), QString::number(y), "click", button}))
            return false;
        return QTest::qWaitFor([&] { return recorder.buttons.size() >= expectedEvents; });
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server: run under xvfb-run");
        server = std::make_unique<KeepXServer>();
        QVERIFY(server->isConnected());
    }

    void cleanupTestCase() { server.reset(); }

    void keyStrokesReachTheCallback_data()
    {
        QTest::addColumn<QStringList>("arguments"); // of xdotool
        QTest::addColumn<QList<HookEvent>>("expected");
        QTest::newRow("a") << QStringList{"key", "a"} << stroke(0x04);
        QTest::newRow("Return") << QStringList{"key", "Return"} << stroke(0x28);
        QTest::newRow("KP_Enter") << QStringList{"key", "KP_Enter"} << stroke(0x58);
        QTest::newRow("backslash on layout type 0")
            << QStringList{"key", "backslash"} << stroke(0x32);
        QTest::newRow("Print") << QStringList{"key", "Print"} << stroke(0x46);
        QTest::newRow("three letters")
            << QStringList{"key", "x", "y", "z"} << stroke(0x1B) + stroke(0x1C) + stroke(0x1D);
        QTest::newRow("held key") << QStringList{"keydown", "a", "keydown", "a", "keyup", "a"}
                                  << stroke(0x04);
        QTest::newRow("Shift + a")
            << QStringList{"keydown", "Shift_L", "key", "a", "keyup", "Shift_L"}
            << QList<HookEvent>{down(0xE1), down(0x04), up(0x04), up(0xE1)};
        QTest::newRow("Alt + Print")
            << QStringList{"keydown", "Alt_L", "key", "Print", "keyup", "Alt_L"}
            << QList<HookEvent>{down(0xE2), down(0x46), up(0x46), up(0xE2)};
        QTest::newRow("Control + Pause")
            << QStringList{"keydown", "Control_L", "key", "Pause", "keyup", "Control_L"}
            << QList<HookEvent>{down(0xE0), down(0x48), up(0x48), up(0xE0)};
    }

    void keyStrokesReachTheCallback()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QList<HookEvent>, expected);
        GlobalInputHook hook(true);
        QVERIFY(hook.isInstalled());
        HookRecorder recorder;
        recorder.attach(hook);
        QVERIFY(typeAndWait(recorder, arguments));
        QCOMPARE(recorder.keys, expected + stroke(SentinelUsage));
        QVERIFY(recorder.buttons.isEmpty());
    }

    // Clicks report the pointer position; the wheel reports nothing.
    void clicksReachTheCallback()
    {
        GlobalInputHook hook(true);
        QVERIFY(hook.isInstalled());
        HookRecorder recorder;
        recorder.attach(hook);
        QVERIFY(clickAndWait(recorder, 321, 234, "1", 2));
        QVERIFY(xdotool({"click", "4", "click", "5"}));
        QVERIFY(clickAndWait(recorder, 50, 60, "2", 4));
        QVERIFY(clickAndWait(recorder, 700, 500, SentinelButton, 6));
        QCOMPARE(recorder.buttons, (QList<HookEvent>{{0xF0, true, 321, 234},
                                                     {0xF0, false, 321, 234},
                                                     {0xF2, true, 50, 60},
                                                     {0xF2, false, 50, 60},
                                                     {SentinelButtonCode, true, 700, 500},
                                                     {SentinelButtonCode, false, 700, 500}}));
        QVERIFY(recorder.keys.isEmpty());
    }

    // Installing again replaces the hooks: still one event per change.
    void reinstalledHooksReportOnce()
    {
        GlobalInputHook hook(true);
        QVERIFY(hook.install());
        QVERIFY(hook.install());
        HookRecorder recorder;
        recorder.attach(hook);
        QVERIFY(typeAndWait(recorder, {"key", "a"}));
        QCOMPARE(recorder.keys, stroke(0x04) + stroke(SentinelUsage));
    }

    void removedHooksSeeNothing()
    {
        GlobalInputHook hook(true);
        HookRecorder recorder;
        recorder.attach(hook);
        hook.uninstall();
        QVERIFY(xdotool({"key", "b"}));
        QVERIFY(xdotool({"click", "1"}));
        QVERIFY(hook.install());
        QVERIFY(typeAndWait(recorder, {"key", "c"}));
        QCOMPARE(recorder.keys, stroke(0x06) + stroke(SentinelUsage));
        QVERIFY(recorder.buttons.isEmpty());
    }

    // Without a display: one debug line, no hooks, and the translation still
    // answers the procedures.
    void runsOnWithoutADisplay()
    {
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("DISPLAY");
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("no X11 display"));
        GlobalInputHook hook(false);
        qputenv("DISPLAY", display);
        QVERIFY(!hook.isInstalled());
        QCOMPARE(hook.keyboardHookHandle(), HookHandle(0));
        QCOMPARE(hook.mouseHookHandle(), HookHandle(0));
        QVERIFY(!hook.install());
        HookRecorder recorder;
        recorder.attach(hook);
        hook.keyboardProc(WinInput::HC_ACTION, WinInput::WM_KEYDOWN, {0x2B, 0});
        QCOMPARE(recorder.keys, QList<HookEvent>{down(0x31)});
    }
};

QTEST_GUILESS_MAIN(TestX11InputHooks)
#include "tst_x11inputhooks.moc"
