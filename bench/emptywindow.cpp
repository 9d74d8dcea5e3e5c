// The yardstick for the start-up benchmark: an empty Qt Quick window of the
// program's size, made the way the program makes its window (a frameless,
// translucent widget holding a QQuickWidget, the same scene graph back-end),
// timed the same way: to its first frame, with resident memory then.
// Usage (under an X server, see bench/run_compare.sh):
//   bench_emptywindow [--stay SECONDS]   keep the window open that long
#include "launchclock.h"

#include <QApplication>
#include <QEvent>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QTimer>
#include <cstdio>

namespace {

constexpr int WindowWidth = 1000;
constexpr int WindowHeight = 600;

} // namespace

int main(int argc, char* argv[])
{
    const LaunchClock clock;
    // The program's scene graph back-end; only Qt's libraries are linked, so
    // the yardstick loads nothing the program would not.
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int stayIndex = arguments.indexOf("--stay");
    const int staySeconds = stayIndex >= 0 ? arguments.value(stayIndex + 1).toInt() : 0;

    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window.setAttribute(Qt::WA_TranslucentBackground, true);
    QQuickWidget view(&window);
    view.setAttribute(Qt::WA_TranslucentBackground, true);
    view.setClearColor(Qt::transparent);
    view.setResizeMode(QQuickWidget::SizeRootObjectToView);
    view.setSource(QUrl("qrc:/bench/emptyscene.qml"));
    view.resize(WindowWidth, WindowHeight);
    window.resize(WindowWidth, WindowHeight);
    PaintWatch firstPaint(clock, [&firstPaint, staySeconds](QObject*) {
        if (staySeconds == 0 && firstPaint.firstMs >= 0)
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    });
    view.installEventFilter(&firstPaint);
    window.show();
    if (staySeconds > 0)
        QTimer::singleShot(staySeconds * 1000, &app, &QCoreApplication::quit);
    QTimer::singleShot(20000 + staySeconds * 1000, &app, &QCoreApplication::quit);
    app.exec();
    std::printf("start to first frame: %lld ms, resident at first frame: %ld kB (empty window%s)\n",
                static_cast<long long>(firstPaint.firstMs), firstPaint.firstRssKb,
                clock.fromLaunch() ? ", from launch" : ", from main");
    return firstPaint.firstMs < 0 ? 1 : 0;
}
