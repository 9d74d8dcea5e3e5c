// The keyboard in the real window: started as the program starts it (shown,
// then the start-up handshake with its busy protection), the window takes the
// keyboard, key presses typed with xdotool reach the scene's focused item,
// Tab and Shift+Tab move the focus between the scene's items and never out
// of the view, the focus comes back after busy protection, and the global key
// source goes on seeing every key. Run under xvfb-run with the X11 platform.
#include "globalinputhook.h"
#include "inputforwarding.h"
#include "inputsourcechoice.h"
#include "keepxserver.h"
#include "myqquickview.h"
#include "programdirectory.h"
#include "scenegraph.h"
#include "testsupport.h"
#include "ui_controler.h"
#include "virtualkeyboard.h"
#include "widget.h"

#include <QApplication>
#include <QProcess>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QUrl FocusRoot(QStringLiteral("qrc:/fixtures/focusroot.qml"));

// Qt key numbers as the scene notes them.
constexpr int QtKeyA = 0x41;
constexpr int QtKeyEscape = 0x01000000;

// USB usage codes of the global key source.
constexpr int UsbA = 0x04;
constexpr int UsbB = 0x05;
constexpr int UsbTab = 0x2B;

bool xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

QString hookKey(bool isDown, int usbCode)
{
    return QStringLiteral("detectKeyboard(%1, %2)").arg(isDown ? "true" : "false").arg(usbCode);
}

// The program's window on the virtual keyboard with the focus fixture as its
// scene and the global key source the program would choose, started as main()
// starts it; nothing here shows, activates or focuses anything else.
struct ProgramWindow
{
    VirtualKeyboard keyboard;
    Widget window{keyboard, nullptr, FocusRoot};
    std::unique_ptr<GlobalInputHook> hooks;

    ProgramWindow()
    {
        window.checkDevice();
        InputSourceChoice source = InputSourceChoice::choose(qApp->platformName(), &window);
        hooks = std::make_unique<GlobalInputHook>(view()->layoutType() == 0,
                                                  std::move(source.platform));
        hooks->setKeyboardCallback(forwardKeyToScene, &window);
        window.showNormal();
        window.startUp();
    }
    ~ProgramWindow() { hooks->uninstall(); }

    myQQuickView* view() const { return window.controller->view; }
    QQuickItem* root() const { return view()->rootObject(); }
    QString focusedItem() const
    {
        const QQuickItem* item = view()->quickWindow()->activeFocusItem();
        return item ? item->objectName() : QString();
    }
    QStringList sceneKeys() const { return root()->property("keys").toStringList(); }
    QStringList rootCalls() const { return root()->property("calls").toStringList(); }
    bool hookSaw(const QString& call) const { return rootCalls().contains(call); }
};

// Shown, the start-up's busy protection over, the window active and the
// keyboard in the scene.
void waitUntilReady(const ProgramWindow& program)
{
    QTRY_VERIFY(program.root()->isVisible());
    QTRY_VERIFY(program.view()->isEnabled());
    QTRY_VERIFY(program.window.isActiveWindow());
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(program.view()));
    QTRY_VERIFY(program.view()->quickWindow()->activeFocusItem());
}

} // namespace

class TestWindowFocus : public QObject
{
    Q_OBJECT

    std::unique_ptr<KeepXServer> server;
    QTemporaryDir data; // the program's data, written by the backend

private slots:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server: run under xvfb-run");
        QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
        server = std::make_unique<KeepXServer>();
        QVERIFY(enterProgramDirectory(QCoreApplication::applicationFilePath()));
        QVERIFY(data.isValid());
        enterDataCopy(data.path());
    }

    void shownWindowTakesTheKeyboard()
    {
        ProgramWindow program;
        waitUntilReady(program);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(program.focusedItem(), QString("focusRoot"));
        QVERIFY(xdotool({"key", "a", "Escape"}));
        QTRY_COMPARE(program.sceneKeys(), (QStringList{QString("focusRoot:%1").arg(QtKeyA),
                                                       QString("focusRoot:%1").arg(QtKeyEscape)}));
    }

    // The fixture's chain: first, second, (disabled), third, then first again.
    void tabMovesThroughTheScene_data()
    {
        QTest::addColumn<QStringList>("keys");    // xdotool key names
        QTest::addColumn<QStringList>("focused"); // after each key
        QTest::newRow("Tab") << QStringList{"Tab"} << QStringList{"first"};
        QTest::newRow("Tab skips the disabled control")
            << QStringList{"Tab", "Tab", "Tab"} << QStringList{"first", "second", "third"};
        QTest::newRow("Tab wraps round") << QStringList{"Tab", "Tab", "Tab", "Tab"}
                                         << QStringList{"first", "second", "third", "first"};
        QTest::newRow("Shift+Tab from the start")
            << QStringList{"shift+Tab"} << QStringList{"third"};
        QTest::newRow("Shift+Tab back") << QStringList{"Tab", "Tab", "shift+Tab", "shift+Tab"}
                                        << QStringList{"first", "second", "first", "third"};
    }

    void tabMovesThroughTheScene()
    {
        QFETCH(QStringList, keys);
        QFETCH(QStringList, focused);
        ProgramWindow program;
        waitUntilReady(program);
        if (QTest::currentTestFailed())
            return;
        for (int i = 0; i < keys.size(); ++i) {
            QVERIFY(xdotool({"key", keys[i]}));
            QTRY_COMPARE(program.focusedItem(), focused[i]);
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(program.view()));
        }
        QVERIFY(xdotool({"key", "a"}));
        QTRY_COMPARE(program.sceneKeys(),
                     QStringList{focused.last() + ":" + QString::number(QtKeyA)});
    }

    // While busy the view keeps the focus but takes no keys; afterwards the
    // keys go where the focus was.
    void busyProtectionGivesTheKeyboardBack()
    {
        ProgramWindow program;
        waitUntilReady(program);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(xdotool({"key", "Tab", "Tab"}));
        QTRY_COMPARE(program.focusedItem(), QString("second"));

        program.window.controller->setBusy(60000);
        QVERIFY(!program.view()->isEnabled());
        // The view keeps the focus and the scene its own.
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(program.view()));
        QCOMPARE(program.focusedItem(), QString("second"));
        QVERIFY(xdotool({"key", "b"}));
        // The global source reads the same connection after the window's
        // own key press: once it has the release, the press has been handled.
        QTRY_VERIFY(program.hookSaw(hookKey(false, UsbB)));
        QCOMPARE(program.sceneKeys(), QStringList());

        program.window.controller->setBusy(0);
        QTRY_VERIFY(program.view()->isEnabled());
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(program.view()));
        QCOMPARE(program.focusedItem(), QString("second"));
        QVERIFY(xdotool({"key", "a"}));
        QTRY_COMPARE(program.sceneKeys(), QStringList{QString("second:%1").arg(QtKeyA)});
    }

    // Keys the scene takes still reach the global source, in order.
    void globalSourceSeesKeysTheSceneTakes()
    {
        ProgramWindow program;
        waitUntilReady(program);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(xdotool({"key", "Tab", "a"}));
        QTRY_COMPARE(program.sceneKeys(), QStringList{QString("first:%1").arg(QtKeyA)});
        QTRY_VERIFY(program.hookSaw(hookKey(false, UsbA)));
        QStringList keyCalls = program.rootCalls().filter("detectKeyboard");
        QCOMPARE(keyCalls, (QStringList{hookKey(true, UsbTab), hookKey(false, UsbTab),
                                        hookKey(true, UsbA), hookKey(false, UsbA)}));
        QCOMPARE(program.focusedItem(), QString("first"));
    }
};

int main(int argc, char* argv[])
{
    chooseSceneGraphBackend();
    QApplication app(argc, argv);
    TestWindowFocus test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_windowfocus.moc"
