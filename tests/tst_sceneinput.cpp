// Key presses and clicks anywhere on the X display reach the scene's root
// functions "detectKeyboard" and "detectMouse" through the real XInput2
// source, the key translation and the program's forwarders. Run under
// xvfb-run.
#include "globalinputhook.h"
#include "inputforwarding.h"
#include "keepxserver.h"
#include "myqquickview.h"
#include "programdirectory.h"
#include "scenegraph.h"
#include "ui_controler.h"
#include "virtualkeyboard.h"
#include "widget.h"

#include <QApplication>
#include <QProcess>
#include <QQuickItem>
#include <QTest>

namespace {

const QUrl RecordingRoot(QStringLiteral("qrc:/fixtures/recordingroot.qml"));

QStringList rootCalls(Widget& window)
{
    return window.controller->view->rootObject()->property("calls").toStringList();
}

bool xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

} // namespace

class TestSceneInput : public QObject
{
    Q_OBJECT

    std::unique_ptr<KeepXServer> server;

private slots:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X server: run under xvfb-run");
        server = std::make_unique<KeepXServer>();
        QVERIFY(enterProgramDirectory(QCoreApplication::applicationFilePath()));
    }

    void keysAndClicksReachTheScene()
    {
        VirtualKeyboard keyboard;
        Widget window(keyboard, nullptr, RecordingRoot);
        window.checkDevice();
        GlobalInputHook hooks(window.controller->view->layoutType() == 0);
        hooks.setKeyboardCallback(forwardKeyToScene, &window);
        hooks.setMouseCallback(forwardMouseButtonToScene, &window);
        QVERIFY(hooks.isInstalled());

        QVERIFY(xdotool({"key", "a", "Return", "KP_Enter"}));
        const QStringList keys{"detectKeyboard(true, 4)",  "detectKeyboard(false, 4)",
                               "detectKeyboard(true, 40)", "detectKeyboard(false, 40)",
                               "detectKeyboard(true, 88)", "detectKeyboard(false, 88)"};
        QTRY_COMPARE(rootCalls(window), keys);

        QVERIFY(xdotool({"mousemove", "200", "150", "click", "1"}));
        QTRY_COMPARE(rootCalls(window).size(), keys.size() + 2);
        QCOMPARE(
            rootCalls(window).mid(keys.size()),
            (QStringList{"detectMouse(true, 240, 200, 150)", "detectMouse(false, 240, 200, 150)"}));

        // Without a window to reach, the forwarders do nothing.
        forwardKeyToScene(0x05, true, nullptr);
        QVERIFY(xdotool({"key", "b"}));
        QTRY_COMPARE(rootCalls(window).size(), keys.size() + 4);
        QCOMPARE(rootCalls(window).last(), QString("detectKeyboard(false, 5)"));
    }
};

int main(int argc, char* argv[])
{
    chooseSceneGraphBackend();
    QApplication app(argc, argv);
    TestSceneInput test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_sceneinput.moc"
