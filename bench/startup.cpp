// Start-up cost of the program: time from entering main to the first frame
// of the scene on screen, and resident memory at that moment. Runs the same
// sequence as the program's entry point, against the virtual keyboard.
// Run under an X server (see bench/run_startup.sh); prints one line.
#include "myqquickview.h"
#include "programdirectory.h"
#include "scenegraph.h"
#include "ui_controler.h"
#include "virtualkeyboard.h"
#include "widget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>

namespace {

long residentKilobytes()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Notes the first paint of the view after the window is shown.
class FirstFrame : public QObject
{
public:
    explicit FirstFrame(const QElapsedTimer& clock) : clock(clock) {}
    qint64 elapsedMs = -1;
    long rssKb = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && elapsedMs < 0) {
            elapsedMs = clock.elapsed();
            QTimer::singleShot(0, [this] {
                rssKb = residentKilobytes();
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QElapsedTimer& clock;
};

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer clock;
    clock.start();
    chooseSceneGraphBackend();
    QApplication app(argc, argv);
    enterProgramDirectory(QCoreApplication::applicationFilePath());
    VirtualKeyboard keyboard;
    FirstFrame firstFrame(clock);
    {
        Widget window(keyboard);
        window.controller->view->installEventFilter(&firstFrame);
        window.checkDevice();
        window.showNormal();
        window.startUp();
        QTimer::singleShot(10000, &app, &QCoreApplication::quit);
        app.exec();
    }
    std::printf("start to first frame: %lld ms, resident: %ld kB\n",
                static_cast<long long>(firstFrame.elapsedMs), firstFrame.rssKb);
    return firstFrame.elapsedMs < 0 ? 1 : 0;
}
