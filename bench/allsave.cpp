// ALL SAVE against the virtual keyboard: time from the click to the last
// report that reaches the keyboard, against the protocol's floor (every
// output report is followed by 8 ms), and the longest time meanwhile that the
// GUI thread did not reach its event loop (so could not repaint the window).
// The colour page shows a user picture, so the save carries the key matrix,
// the colour set, the picture's four planes and two lighting records.
// Usage (under an X server, see bench/run_allsave.sh): bench_allsave [RUNS (5)]
#include "benchsession.h"
#include "myqquickview.h"
#include "scenegraph.h"
#include "ui_controler.h"
#include "virtualkeyboard.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QQuickItem>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <mutex>

namespace {

constexpr double OutputReportPauseMs = 8.0;

} // namespace

int main(int argc, char* argv[])
{
    chooseSceneGraphBackend();
    QApplication app(argc, argv);
    const int runs = app.arguments().value(1, "5").toInt();
    QuietDataCopy data;

    VirtualKeyboard keyboard;
    QElapsedTimer clock;
    clock.start();
    std::mutex guard; // the capture sink runs on the transfer threads
    qint64 lastReportMs = -1;
    int outputReports = 0;
    keyboard.setCaptureSink([&](const CapturedReport& report) {
        if (report.interface != HidInterface::Command)
            return;
        std::lock_guard<std::mutex> lock(guard);
        lastReportMs = clock.elapsed();
        if (report.direction == ReportDirection::Out)
            ++outputReports;
    });

    Widget window(keyboard);
    startWindow(window);
    QQuickItem* root = window.controller->view->rootObject();
    auto* downItem = root ? root->findChild<QQuickItem*>("downItem") : nullptr;
    // The colour page, built (not shown) as ALL SAVE would build it.
    auto* frame = root ? root->findChild<QQuickItem*>("main_Q3") : nullptr;
    QVariant builtPage;
    if (frame)
        QMetaObject::invokeMethod(frame, "page", Q_RETURN_ARG(QVariant, builtPage),
                                  Q_ARG(QVariant, 2));
    auto* colourPage = builtPage.value<QQuickItem*>();
    auto* categories = colourPage ? colourPage->findChild<QQuickItem*>("_effect1") : nullptr;
    auto* pictures = colourPage ? colourPage->findChild<QQuickItem*>("_effect2") : nullptr;
    if (!downItem || !categories || !pictures) {
        std::fprintf(stderr, "bench_allsave: the scene's parts were not found\n");
        return 1;
    }
    QMetaObject::invokeMethod(categories, "setCurIndex", Q_ARG(QVariant, 0));
    QMetaObject::invokeMethod(pictures, "setCurIndex", Q_ARG(QVariant, 1));

    qint64 lastFrameMs = -1;
    qint64 longestGapMs = 0;
    // The GUI thread's longest stretch without turning to its event loop, seen
    // by a 5 ms timer: longer than a frame there means the window froze.
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        if (lastFrameMs >= 0)
            longestGapMs = std::max(longestGapMs, now - lastFrameMs);
        lastFrameMs = now;
    });
    heartbeat.start(5);

    std::printf("%4s %10s %10s %8s %8s %14s\n", "run", "reports", "floor ms", "took ms", "x floor",
                "longest stall");
    for (int run = 1; run <= runs; ++run) {
        settle(2500); // the busy protection of the last run runs out
        {
            std::lock_guard<std::mutex> lock(guard);
            outputReports = 0;
            lastReportMs = -1;
        }
        // What the all-save button does: busy protection, then the pages' applies.
        const qint64 clicked = clock.elapsed();
        lastFrameMs = clicked;
        longestGapMs = 0;
        QMetaObject::invokeMethod(root, "setProtectUI", Q_ARG(QVariant, 2000));
        QMetaObject::invokeMethod(downItem, "btnTotalApplyClicked");
        settle(1500);
        std::lock_guard<std::mutex> lock(guard);
        const double floorMs = OutputReportPauseMs * outputReports;
        const double tookMs = double(lastReportMs - clicked) + OutputReportPauseMs;
        std::printf("%4d %10d %10.0f %8.1f %8.2f %11lld ms\n", run, outputReports, floorMs, tookMs,
                    floorMs > 0 ? tookMs / floorMs : 0.0, static_cast<long long>(longestGapMs));
    }
    return 0;
}
