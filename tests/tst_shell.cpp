// The main window, the window controller and the start-up handshake, with
// the real scene root and the virtual keyboard.
#include "devicechangesource.h"
#include "myqquickview.h"
#include "programdirectory.h"
#include "scenegraph.h"
#include "ui_controler.h"
#include "userevent.h"
#include "virtualkeyboard.h"
#include "widget.h"

#include <QApplication>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Notes every root function the backend invokes in its property "calls".
const QUrl RecordingRoot(QStringLiteral("qrc:/fixtures/recordingroot.qml"));

QStringList rootCalls(Widget& window)
{
    return window.controller->view->rootObject()->property("calls").toStringList();
}

// At the first paint of a view that shows its scene (before the view draws
// it): which parts of the frame and which of the four pages exist then.
class FirstShownFrame : public QObject
{
public:
    explicit FirstShownFrame(QQuickWidget* view) : view(view) { view->installEventFilter(this); }

    static QStringList partsOf(const QQuickItem* root)
    {
        QStringList found;
        for (const char* name :
             {"envItem", "upItem", "downItem", "_Page_Globalsetting", "_fkPage", "_Page_Keydefine",
              "_Page_Macro", "_Page_Color", "_Page_BackLighting"})
            if (root->findChild<QQuickItem*>(name))
                found << name;
        return found;
    }

    bool painted = false;
    QStringList partsThen;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QQuickItem* root = view->rootObject();
        if (watched == view && !painted && event->type() == QEvent::Paint && root &&
            root->isVisible()) {
            painted = true;
            partsThen = partsOf(root);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QQuickWidget* view;
};

class FakeDeviceChanges : public DeviceChangeSource
{
public:
    void notify() { emit deviceChanged(); }
};

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(enterProgramDirectory(QCoreApplication::applicationFilePath())); }

    void windowIsFramelessTransparentAndSizedToTheScene()
    {
        VirtualKeyboard keyboard;
        Widget window(keyboard, nullptr, RecordingRoot);
        QCOMPARE(window.size(), QSize(1000, 600));
        QCOMPARE(window.windowFlags(),
                 Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
        QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
        QCOMPARE(window.windowOpacity(), 1.0);
        QCOMPARE(window.controller->view->quickWindow()->color(), QColor(Qt::transparent));
        QCOMPARE(window.windowTitle(), QString("Q3 Keyboard Configurator"));
        QCOMPARE(window.controller->view->objectName(), QString("ui_View"));
        QCOMPARE(window.controller->view->parentWidget(), &window);
        QCOMPARE(window.controller->window, &window);
    }

    void sceneSeesTheThreeObjects()
    {
        VirtualKeyboard keyboard;
        Widget window(keyboard, nullptr, RecordingRoot);
        QQmlContext* context = window.controller->view->rootContext();
        QCOMPARE(context->contextProperty("ui_View").value<QObject*>(),
                 static_cast<QObject*>(window.controller->view));
        QCOMPARE(context->contextProperty("hid").value<QObject*>(),
                 static_cast<QObject*>(&window.hid));
        QCOMPARE(context->contextProperty("ui_Ctl").value<QObject*>(),
                 static_cast<QObject*>(window.controller));
        QCOMPARE(window.controller->view->hidThread, &window.hid);
        QVERIFY(!window.controller->view->rootObject()->isVisible());
    }

    void objectNameRule_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("empty becomes Widget") << QString() << "Widget";
        QTest::newRow("a set name stays") << "mainWindow"
                                          << "mainWindow";
    }

    void objectNameRule()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        VirtualKeyboard keyboard;
        Widget window(keyboard, nullptr, RecordingRoot);
        window.setObjectName(before);
        Ui_Controler controller(&window, RecordingRoot);
        QCOMPARE(window.objectName(), after);
        delete controller.view; // published objects outlive the view
    }

    void startUpHandshakeOrder()
    {
        VirtualKeyboard keyboard;
        Widget window(keyboard, nullptr, RecordingRoot);
        window.checkDevice();
        window.showNormal();
        window.startUp();
        // setProtectUI(1) ran directly; "initUI" and the start event are posted.
        QCOMPARE(rootCalls(window), QStringList{"setProtectUI(1)"});
        QVERIFY(!window.controller->view->isEnabled());
        // "buildPages" may follow, once a frame shows the scene (see
        // pagesAreBuiltAfterTheFirstFrameThatShowsTheScene).
        QTRY_COMPARE(rootCalls(window).mid(0, 4),
                     (QStringList{"setProtectUI(1)", "initUI", "setProtectUI(0)", "run"}));
        QVERIFY(window.controller->view->rootObject()->isVisible());
        QTRY_VERIFY(window.controller->view->isEnabled());
    }

    // The start event as the handshake posts it, spelled out: type 1000,
    // code 2177.
    void startEventIsType1000WithCode2177()
    {
        VirtualKeyboard keyboard;
        Widget window(keyboard, nullptr, RecordingRoot);
        QCoreApplication::postEvent(&window, new UserEvent(2177, QEvent::Type(1000)));
        QTRY_COMPARE(rootCalls(window), (QStringList{"setProtectUI(0)", "run"}));
        QVERIFY(window.controller->view->rootObject()->isVisible());
    }

    void otherUserEventCodesChangeNothing_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("code");
        QTest::newRow("other code") << int(QEvent::User) << 2178;
        QTest::newRow("other type") << int(QEvent::User) + 1 << 2177;
    }

    void otherUserEventCodesChangeNothing()
    {
        QFETCH(int, type);
        QFETCH(int, code);
        VirtualKeyboard keyboard;
        Widget window(keyboard, nullptr, RecordingRoot);
        QCoreApplication::postEvent(&window, new UserEvent(code, QEvent::Type(type)));
        QCoreApplication::postEvent(&window, new QEvent(QEvent::User)); // not a UserEvent
        QCoreApplication::sendPostedEvents(&window);
        QCoreApplication::processEvents();
        QVERIFY(rootCalls(window).isEmpty());
        QVERIFY(!window.controller->view->rootObject()->isVisible());
    }

    void controllerMovesTheWindow()
    {
        VirtualKeyboard keyboard;
        Widget window(keyboard, nullptr, RecordingRoot);
        window.move(100, 200);
        window.controller->onXChanged(-15);
        QCOMPARE(window.pos(), QPoint(85, 200));
        window.controller->onYChanged(7);
        QCOMPARE(window.pos(), QPoint(85, 207));
    }

    // The scene learns whether anyone can see it: shown, minimised, hidden.
    void controllerTellsWhetherTheWindowIsShown()
    {
        VirtualKeyboard keyboard;
        Widget window(keyboard, nullptr, RecordingRoot);
        QVERIFY(!window.controller->windowShown());
        QSignalSpy changes(window.controller, &Ui_Controler::windowShownChanged);
        window.show();
        QVERIFY(window.controller->windowShown());
        window.showMinimized();
        QVERIFY(!window.controller->windowShown());
        window.showNormal();
        QVERIFY(window.controller->windowShown());
        window.hide();
        QVERIFY(!window.controller->windowShown());
        QCOMPARE(changes.count(), 4);
        QCOMPARE(window.controller->property("windowShown").toBool(), false);
    }

    void setBusyForwardsTheTime_data()
    {
        QTest::addColumn<int>("time");
        QTest::addColumn<QString>("call");
        QTest::newRow("default") << -1 << "setProtectUI(0)";
        QTest::newRow("zero") << 0 << "setProtectUI(0)";
        QTest::newRow("800 ms") << 800 << "setProtectUI(800)";
    }

    void setBusyForwardsTheTime()
    {
        QFETCH(int, time);
        QFETCH(QString, call);
        VirtualKeyboard keyboard;
        Widget window(keyboard, nullptr, RecordingRoot);
        if (time < 0)
            QMetaObject::invokeMethod(window.controller, "setBusy");
        else
            QMetaObject::invokeMethod(window.controller, "setBusy", Q_ARG(int, time));
        QCOMPARE(rootCalls(window), QStringList{call});
    }

    void controllerWithoutWindowDoesNothing()
    {
        VirtualKeyboard keyboard;
        Widget window(keyboard, nullptr, RecordingRoot);
        window.move(10, 20);
        window.controller->window = nullptr;
        window.controller->onXChanged(5);
        window.controller->onYChanged(5);
        window.controller->onMinimize();
        QCOMPARE(window.pos(), QPoint(10, 20));
        window.controller->window = &window;
    }

    void minimizeClosesTheWindowAndEndsTheProgram()
    {
        VirtualKeyboard keyboard;
        Widget window(keyboard, nullptr, RecordingRoot);
        window.showNormal();
        bool stoppedByTimeOut = false;
        QTimer::singleShot(0, window.controller, &Ui_Controler::onMinimize);
        // Owned by this test, so that it cannot fire into a later one.
        QTimer timeOut;
        timeOut.setSingleShot(true);
        connect(&timeOut, &QTimer::timeout, [&] {
            stoppedByTimeOut = true;
            QCoreApplication::quit();
        });
        timeOut.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!stoppedByTimeOut);
        QVERIFY(!window.isVisible());
        QVERIFY(!window.isMinimized());
    }

    // With the program's own scene: the close button shrinks the scene to
    // nothing, then the window closes.
    void closeButtonShrinksTheSceneThenClosesTheWindow()
    {
        VirtualKeyboard keyboard;
        Widget window(keyboard);
        window.checkDevice();
        window.showNormal();
        window.startUp();
        QQuickItem* root = window.controller->view->rootObject();
        QTRY_VERIFY(root->isVisible());
        root->setProperty("animation_speed", 10);
        // The frame with the top bar is built after the first frame.
        QQuickItem* topBar = nullptr;
        QTRY_VERIFY((topBar = root->findChild<QQuickItem*>("upItem")));
        QVERIFY(QMetaObject::invokeMethod(topBar, "btnClicked", Q_ARG(int, 1)));
        QVERIFY(window.isVisible());
        QTRY_VERIFY(!window.isVisible());
        QCOMPARE(root->height(), 0.0);
    }

    // With the program's own scene: the first frame that shows it does not
    // wait for the frame, which it does not show yet; the frame is built
    // right after it, while the power-on still hides the page area, and no
    // page is built before it is first shown. A page built then is set up
    // from the keyboard.
    void frameIsBuiltAfterTheFirstFrameAndPagesWhenFirstShown()
    {
        VirtualKeyboard keyboard;
        Widget window(keyboard);
        FirstShownFrame frame(window.controller->view);
        window.checkDevice();
        window.showNormal();
        window.startUp();
        QTRY_VERIFY(frame.painted);
        QCOMPARE(frame.partsThen, QStringList());
        QQuickItem* root = window.controller->view->rootObject();
        const QStringList frameParts{"envItem", "upItem", "downItem", "_Page_Globalsetting",
                                     "_fkPage"};
        QTRY_COMPARE(FirstShownFrame::partsOf(root), frameParts);
        QVERIFY(!root->findChild<QQuickItem*>("_fkPage")->isVisible());
        // The power-on runs at full length (about 4 s) here: its end is
        // waited for well beyond that, not at the usual 5 s.
        QTRY_VERIFY_WITH_TIMEOUT(root->findChild<QQuickItem*>("_fkPage")->isVisible(), 30000);
        QCOMPARE(FirstShownFrame::partsOf(root), frameParts);
        // Showing the key page (what the function menu's KEY entry does)
        // builds it, set up: it drew the keyboard's keys.
        auto* pageArea = root->findChild<QQuickItem*>("_fkPage");
        QVERIFY(QMetaObject::invokeMethod(pageArea, "show", Q_ARG(QVariant, 0)));
        QCOMPARE(FirstShownFrame::partsOf(root), frameParts + QStringList{"_Page_Keydefine"});
        const auto* keyModel =
            root->findChild<QQuickItem*>("_Page_Keydefine")->findChild<QObject*>("_model");
        QVERIFY(keyModel);
        QVERIFY(!keyModel->property("getKey").toList().isEmpty());
    }

    void deviceCheckTimerIsTheDesignedDebounce()
    {
        VirtualKeyboard keyboard;
        Widget window(keyboard, nullptr, RecordingRoot);
        QCOMPARE(window.checkTimer.interval(), 2048);
        QVERIFY(window.checkTimer.isSingleShot());
        QVERIFY(!window.checkTimer.isActive()); // no periodic polling
    }

    // The debounce with a shorter timer: five notifications, one check after
    // the last, none in between.
    void burstOfNotificationsGivesOneCheck()
    {
        VirtualKeyboard keyboard;
        Widget window(keyboard, nullptr, RecordingRoot);
        FakeDeviceChanges changes;
        window.watchDeviceChanges(&changes);
        window.checkTimer.setInterval(80);
        QSignalSpy checks(&window.checkTimer, &QTimer::timeout);
        QElapsedTimer clock;
        for (int i = 0; i < 5; ++i) {
            changes.notify();
            clock.start();
            QTest::qWait(20);
            QCOMPARE(checks.count(), 0);
        }
        QTRY_COMPARE(checks.count(), 1);
        QVERIFY(clock.elapsed() >= 80);
        QTest::qWait(200);
        QCOMPARE(checks.count(), 1);
    }

    void replugIsFoundByTheCheckAfterTheNotification()
    {
        VirtualKeyboard keyboard;
        Widget window(keyboard, nullptr, RecordingRoot);
        window.watchDeviceChanges(&keyboard);
        window.checkTimer.setInterval(30);
        window.checkDevice();
        QTRY_VERIFY(window.hid.isEventLoopRunning());
        keyboard.unplug();
        QTRY_VERIFY(window.hid.slotsSnapshot().value(0).eventPath.isEmpty());
        keyboard.plug();
        QTRY_COMPARE(window.hid.slotsSnapshot().value(0).eventPath, VirtualKeyboard::eventPath());
        // The restarted loop hears the keyboard again.
        keyboard.changeLightingOnKeyboard({1, 2, 3, 4, 5, 6, 7});
        QTRY_VERIFY(rootCalls(window).contains("zzzMorvat"));
    }

    void startsFromAnotherDirectory()
    {
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        QVERIFY(enterProgramDirectory(QCoreApplication::applicationFilePath()));
        QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
        QVERIFY(QFile::exists("./modules/setting/apConfig.bin"));
    }

    void missingSettingsGiveAnEmptyTitle()
    {
        QTemporaryDir empty;
        QVERIFY(QDir::setCurrent(empty.path()));
        VirtualKeyboard keyboard;
        keyboard.unplug();
        {
            Widget window(keyboard, nullptr, RecordingRoot);
            window.checkDevice();
            QCOMPARE(window.windowTitle(), QString());
            QCOMPARE(window.size(), QSize(1000, 600));
        }
        QVERIFY(enterProgramDirectory(QCoreApplication::applicationFilePath()));
    }
};

int main(int argc, char* argv[])
{
    chooseSceneGraphBackend();
    QApplication app(argc, argv);
    TestShell test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_shell.moc"
