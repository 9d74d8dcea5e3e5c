// Key detection from the window's own events, the source used where no
// global one exists: key and button events delivered to the program's window
// reach the scene's root functions "detectKeyboard" and "detectMouse" through
// the same conversion, key translation, repeat filter and forwarders as the
// X11 source's events. Runs on any platform (offscreen, xcb under xvfb-run,
// wayland under a headless weston); on xcb it also types the same keys with
// xdotool and compares what the scene gets with what the X11 source reports.
#include "globalinputhook.h"
#include "hookrecorder.h"
#include "inputforwarding.h"
#include "inputsourcechoice.h"
#include "myqquickview.h"
#include "programdirectory.h"
#include "scenegraph.h"
#include "testsupport.h"
#include "ui_controler.h"
#include "virtualkeyboard.h"
#include "widget.h"
#include "windowinputhooks.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QProcess>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

namespace {

const QUrl RecordingRoot(QStringLiteral("qrc:/fixtures/recordingroot.qml"));

// X keycodes: the Linux input code (linux/input-event-codes.h) + 8.
constexpr unsigned KeyA = 30 + 8;
constexpr unsigned KeyX = 45 + 8;
constexpr unsigned KeyY = 21 + 8;
constexpr unsigned KeyZ = 44 + 8;
constexpr unsigned KeyEnter = 28 + 8;
constexpr unsigned KeyKeypadEnter = 96 + 8;
constexpr unsigned KeyRightShift = 54 + 8;
constexpr unsigned KeyPause = 119 + 8;
constexpr unsigned KeyLeftControl = 29 + 8;
constexpr unsigned KeyLeftAlt = 56 + 8;
constexpr unsigned KeySysRq = 99 + 8;
constexpr unsigned KeyRightMeta = 126 + 8; // right Windows: not in the tables

// One key event as the platform delivers it: X keycode, press or release,
// whether Qt marks it as an auto-repeat.
struct KeyStep
{
    unsigned keycode;
    bool pressed;
    bool autoRepeat = false;
};

QList<KeyStep> strokeOf(unsigned keycode)
{
    return {{keycode, true}, {keycode, false}};
}

QStringList rootCalls(Widget& window)
{
    return window.controller->view->rootObject()->property("calls").toStringList();
}

QString key(bool isDown, int usbCode)
{
    return QStringLiteral("detectKeyboard(%1, %2)").arg(isDown ? "true" : "false").arg(usbCode);
}

QStringList keyStroke(int usbCode)
{
    return {key(true, usbCode), key(false, usbCode)};
}

void deliver(QWindow* window, const KeyStep& step)
{
    // The Qt key and text do not matter to the source; the native scan code
    // is what it reads.
    QKeyEvent event(step.pressed ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_unknown,
                    Qt::NoModifier, step.keycode, 0, 0, QString(), step.autoRepeat);
    QCoreApplication::sendEvent(window, &event);
}

void deliverButton(QWindow* window, Qt::MouseButton button, bool pressed, QPoint global)
{
    QMouseEvent event(pressed ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease,
                      QPointF(10, 10), QPointF(global), button,
                      pressed ? Qt::MouseButtons(button) : Qt::MouseButtons(), Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
}

bool xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

// The program's window with the window source installed and the program's
// forwarders registered, shown.
struct ProgramWindow
{
    VirtualKeyboard keyboard;
    Widget window{keyboard, nullptr, RecordingRoot};
    std::unique_ptr<GlobalInputHook> hooks;

    ProgramWindow()
    {
        window.checkDevice();
        hooks = std::make_unique<GlobalInputHook>(window.controller->view->layoutType() == 0,
                                                  std::make_unique<WindowInputHooks>(&window));
        hooks->setKeyboardCallback(forwardKeyToScene, &window);
        hooks->setMouseCallback(forwardMouseButtonToScene, &window);
        window.show();
    }
    QWindow* handle() { return window.windowHandle(); }
};

} // namespace

Q_DECLARE_METATYPE(KeyStep)

class TestWindowInputHooks : public QObject
{
    Q_OBJECT

    QTemporaryDir data; // the program's data, written by the backend

private slots:
    void initTestCase()
    {
        QVERIFY(enterProgramDirectory(QCoreApplication::applicationFilePath()));
        QVERIFY(data.isValid());
        enterDataCopy(data.path());
    }

    void keysReachTheScene_data()
    {
        QTest::addColumn<QList<KeyStep>>("steps");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("a") << strokeOf(KeyA) << keyStroke(0x04);
        QTest::newRow("x y z") << strokeOf(KeyX) + strokeOf(KeyY) + strokeOf(KeyZ)
                               << keyStroke(0x1B) + keyStroke(0x1C) + keyStroke(0x1D);
        QTest::newRow("Return") << strokeOf(KeyEnter) << keyStroke(0x28);
        QTest::newRow("keypad Enter") << strokeOf(KeyKeypadEnter) << keyStroke(0x58);
        QTest::newRow("right Shift") << strokeOf(KeyRightShift) << keyStroke(0xE5);
        QTest::newRow("Pause") << strokeOf(KeyPause) << keyStroke(0x48);
        QTest::newRow("Control + Pause")
            << QList<KeyStep>{{KeyLeftControl, true},
                              {KeyPause, true},
                              {KeyPause, false},
                              {KeyLeftControl, false}}
            << QStringList{key(true, 0xE0), key(true, 0x48), key(false, 0x48), key(false, 0xE0)};
        QTest::newRow("Alt + Print Screen")
            << QList<KeyStep>{{KeyLeftAlt, true},
                              {KeySysRq, true},
                              {KeySysRq, false},
                              {KeyLeftAlt, false}}
            << QStringList{key(true, 0xE2), key(true, 0x46), key(false, 0x46), key(false, 0xE2)};
        // Qt reports a held key's repeats as release and press pairs.
        QTest::newRow("held a, Qt's repeats")
            << QList<KeyStep>{{KeyA, true},        {KeyA, false, true}, {KeyA, true, true},
                              {KeyA, false, true}, {KeyA, true, true},  {KeyA, false}}
            << keyStroke(0x04);
        // A platform repeating with presses only: the repeat filter.
        QTest::newRow("held a, repeated presses")
            << QList<KeyStep>{{KeyA, true}, {KeyA, true}, {KeyA, true}, {KeyA, false}}
            << keyStroke(0x04);
        QTest::newRow("right Windows: nothing") << strokeOf(KeyRightMeta) << QStringList();
        QTest::newRow("no native code: nothing") << strokeOf(0) << QStringList();
        QTest::newRow("a release never pressed: nothing")
            << QList<KeyStep>{{KeyA, false}} << QStringList();
    }

    void keysReachTheScene()
    {
        QFETCH(QList<KeyStep>, steps);
        QFETCH(QStringList, expected);
        ProgramWindow program;
        QVERIFY(program.handle());
        for (const KeyStep& step : steps)
            deliver(program.handle(), step);
        QCoreApplication::processEvents(); // the forwarders' queued calls
        QCOMPARE(rootCalls(program.window), expected);
    }

    // A key held when the focus goes reads as released; its late release
    // and a later press give no second release.
    void focusLossReleasesHeldKeys()
    {
        ProgramWindow program;
        deliver(program.handle(), {KeyA, true});
        deliver(program.handle(), {KeyRightShift, true});
        QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(program.handle(), &focusOut);
        QCoreApplication::processEvents();
        QStringList released = rootCalls(program.window).mid(2);
        released.sort();
        QStringList expected{key(false, 0x04), key(false, 0xE5)};
        expected.sort(); // in no particular order
        QCOMPARE(released, expected);
        deliver(program.handle(), {KeyA, false});
        deliver(program.handle(), {KeyA, true});
        deliver(program.handle(), {KeyA, false});
        QCoreApplication::processEvents();
        QCOMPARE(rootCalls(program.window).mid(4), keyStroke(0x04));
    }

    void buttonsReachTheScene_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("left") << Qt::LeftButton
                              << QStringList{"detectMouse(true, 240, 321, 234)",
                                             "detectMouse(false, 240, 321, 234)"};
        QTest::newRow("right") << Qt::RightButton
                               << QStringList{"detectMouse(true, 241, 321, 234)",
                                              "detectMouse(false, 241, 321, 234)"};
        QTest::newRow("middle") << Qt::MiddleButton
                                << QStringList{"detectMouse(true, 242, 321, 234)",
                                               "detectMouse(false, 242, 321, 234)"};
        QTest::newRow("back: nothing") << Qt::BackButton << QStringList();
    }

    void buttonsReachTheScene()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QStringList, expected);
        ProgramWindow program;
        deliverButton(program.handle(), button, true, {321, 234});
        deliverButton(program.handle(), button, false, {321, 234});
        QCoreApplication::processEvents();
        QCOMPARE(rootCalls(program.window), expected);
    }

    // Events of another window, and events after the hooks are removed,
    // are not the program's.
    void otherWindowsAndRemovedHooksSeeNothing()
    {
        ProgramWindow program;
        QWindow other;
        other.show();
        deliver(&other, {KeyA, true});
        deliver(&other, {KeyA, false});
        deliverButton(&other, Qt::LeftButton, true, {1, 2});
        program.hooks->uninstall();
        deliver(program.handle(), {KeyA, true});
        deliver(program.handle(), {KeyA, false});
        deliverButton(program.handle(), Qt::LeftButton, true, {1, 2});
        QCoreApplication::processEvents();
        QCOMPARE(rootCalls(program.window), QStringList());
        QVERIFY(program.hooks->install());
        deliver(program.handle(), {KeyZ, true});
        QCoreApplication::processEvents();
        QCOMPARE(rootCalls(program.window), QStringList{key(true, 0x1D)});
    }

    // The program's choice: the X11 source only on the X11 platform with a
    // display; the window's events everywhere else.
    void chosenSource()
    {
        VirtualKeyboard keyboard;
        Widget window(keyboard, nullptr, RecordingRoot);
        const InputSourceChoice wayland = InputSourceChoice::choose("wayland", &window);
        QVERIFY(dynamic_cast<WindowInputHooks*>(wayland.platform.get()));
        QVERIFY(wayland.description.contains("the window's own key and button events"));
        QVERIFY(wayland.description.contains("wayland"));
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("DISPLAY");
        const InputSourceChoice noDisplay = InputSourceChoice::choose("xcb", &window);
        qputenv("DISPLAY", display);
        QVERIFY(dynamic_cast<WindowInputHooks*>(noDisplay.platform.get()));
        if (display.isEmpty())
            return;
        const InputSourceChoice x11 = InputSourceChoice::choose("xcb", &window);
        QVERIFY(!dynamic_cast<WindowInputHooks*>(x11.platform.get()));
        QVERIFY(x11.description.contains("global X11 input"));
    }

    // On X11: the same keys typed for real reach the scene through the
    // focused window with the codes the X11 source reports for them.
    void sameCodesAsTheX11Source_data()
    {
        QTest::addColumn<QString>("keyName"); // of xdotool
        QTest::addColumn<int>("usbCode");
        QTest::newRow("a") << "a" << 0x04;
        QTest::newRow("q") << "q" << 0x14;
        QTest::newRow("Return") << "Return" << 0x28;
        QTest::newRow("keypad Enter") << "KP_Enter" << 0x58;
        QTest::newRow("right Shift") << "Shift_R" << 0xE5;
        QTest::newRow("Pause") << "Pause" << 0x48;
    }

    void sameCodesAsTheX11Source()
    {
        QFETCH(QString, keyName);
        QFETCH(int, usbCode);
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs the X11 platform: run under xvfb-run with QT_QPA_PLATFORM=xcb");

        // xdotool may add a modifier to reach a key (Shift for Shift_R): the
        // whole sequence is compared.
        QList<HookEvent> global;
        {
            GlobalInputHook hook(true); // the X11 source
            QVERIFY(hook.isInstalled());
            HookRecorder recorder;
            recorder.attach(hook);
            QVERIFY(xdotool({"key", keyName}));
            QTRY_VERIFY(recorder.keys.contains(up(usbCode)));
            QTest::qWait(100); // a modifier's release after the key's
            global = recorder.keys;
        }
        QVERIFY(global.contains(down(usbCode)));

        ProgramWindow program;
        program.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(program.handle()));
        QVERIFY(xdotool({"key", keyName}));
        QTRY_COMPARE(rootCalls(program.window).size(), global.size());
        QTest::qWait(100); // nothing more arrives
        QStringList fromGlobal;
        for (const HookEvent& event : global)
            fromGlobal << key(event.isDown, event.code);
        QCOMPARE(rootCalls(program.window), fromGlobal);
    }
};

int main(int argc, char* argv[])
{
    chooseSceneGraphBackend();
    QApplication app(argc, argv);
    TestWindowInputHooks test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_windowinputhooks.moc"
