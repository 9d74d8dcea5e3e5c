// Dragging the frameless window: the first offset of a press asks the
// platform to move the window; where it refuses, the window follows the
// scene's offsets. Runs on any platform; on wayland (under a headless
// weston) the real request is made, on xcb under xvfb-run too.
#include "myqquickview.h"
#include "programdirectory.h"
#include "scenegraph.h"
#include "testsupport.h"
#include "ui_controler.h"
#include "virtualkeyboard.h"
#include "widget.h"
#include "windowmove.h"

#include <QApplication>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

namespace {

const QUrl RecordingRoot(QStringLiteral("qrc:/fixtures/recordingroot.qml"));

// A platform move that answers `accepts` and counts the requests.
struct FakeSystemMove
{
    bool accepts = false;
    QList<QWindow*> requests;

    WindowMove::SystemMove function()
    {
        return [this](QWindow* window) {
            requests << window;
            return accepts;
        };
    }
};

// The program's window on the recording scene, its platform move faked.
struct DragWindow
{
    VirtualKeyboard keyboard;
    Widget window{keyboard, nullptr, RecordingRoot};
    FakeSystemMove platform;

    explicit DragWindow(bool accepts)
    {
        platform.accepts = accepts;
        WindowMove::of(&window)->setSystemMove(platform.function());
        window.move(100, 200);
    }
    // Shows the window; false when it is not exposed.
    bool show()
    {
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }
};

void press(Widget& window, QPoint at)
{
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, at);
}

void release(Widget& window, QPoint at)
{
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, at);
}

} // namespace

class TestWindowMove : public QObject
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

    // Refused: the offsets move the window, and the platform is asked once
    // per press.
    void refusedMoveFollowsTheOffsets()
    {
        DragWindow drag(false);
        QVERIFY(drag.show());
        Widget& window = drag.window;
        const FakeSystemMove& platform = drag.platform;
        const QPoint start = window.pos();
        press(window, {50, 50});
        window.controller->onXChanged(-15);
        window.controller->onYChanged(7);
        window.controller->onXChanged(3);
        window.controller->onYChanged(0);
        QCOMPARE(platform.requests, QList<QWindow*>{window.windowHandle()});
        QCOMPARE(window.pos(), start + QPoint(-12, 7));
        release(window, {50, 50});
        press(window, {60, 60});
        window.controller->onXChanged(1);
        QCOMPARE(platform.requests.size(), 2);
        QCOMPARE(window.pos(), start + QPoint(-11, 7));
    }

    // Accepted: the platform moves the window, the offsets are left alone
    // until the next press asks again.
    void acceptedMoveIgnoresTheOffsets()
    {
        DragWindow drag(true);
        QVERIFY(drag.show());
        Widget& window = drag.window;
        FakeSystemMove& platform = drag.platform;
        const QPoint start = window.pos();
        press(window, {50, 50});
        window.controller->onXChanged(-15);
        window.controller->onYChanged(7);
        window.controller->onXChanged(-20);
        QCOMPARE(platform.requests.size(), 1);
        QCOMPARE(window.pos(), start);
        press(window, {50, 50});
        platform.accepts = false;
        window.controller->onYChanged(4);
        QCOMPARE(platform.requests.size(), 2);
        QCOMPARE(window.pos(), start + QPoint(0, 4));
    }

    // A window that is not shown has nothing the platform could move.
    void hiddenWindowMovesByOffsets()
    {
        DragWindow drag(true);
        drag.window.controller->onXChanged(-15);
        drag.window.controller->onYChanged(7);
        QCOMPARE(drag.window.pos(), QPoint(85, 207));
        QVERIFY(drag.platform.requests.isEmpty());
    }

    // The real scene: a press on the drag region and a mouse move reach the
    // platform's move request of this window, through the scene's calls.
    // The real QWindow::startSystemMove runs; its answer decides whether the
    // offsets are applied.
    void sceneDragReachesThePlatform()
    {
        VirtualKeyboard keyboard;
        Widget window(keyboard);
        QList<bool> answers;
        WindowMove::of(&window)->setSystemMove([&answers](QWindow* handle) {
            answers << handle->startSystemMove();
            return answers.last();
        });
        window.checkDevice();
        window.show();
        window.startUp();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(window.controller->view->rootObject()->isVisible());
        const QPoint start = window.pos();
        // The window's top edge, above the pages and their controls.
        const QPoint grip(500, 3);
        QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, grip);
        QTest::mouseMove(window.windowHandle(), grip + QPoint(30, 20));
        QCOMPARE(answers.size(), 1);
        qInfo("platform %s: the system move was %s", qPrintable(QGuiApplication::platformName()),
              answers.first() ? "accepted" : "refused");
        if (!answers.first() && QGuiApplication::platformName() != QLatin1String("wayland"))
            QCOMPARE(window.pos(), start + QPoint(30, 20));
        QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, grip + QPoint(30, 20));
    }
};

int main(int argc, char* argv[])
{
    chooseSceneGraphBackend();
    QApplication app(argc, argv);
    TestWindowMove test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_windowmove.moc"
