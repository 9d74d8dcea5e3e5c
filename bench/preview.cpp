// Cost of the lighting preview: CPU of the whole process, as a percentage of
// one core, while the program's real colour page runs each effect at speed
// value 1 (the shortest tick intervals) with the loop colour; the reactive
// effects get a key press every 100 ms. Then the same with the colour page
// hidden and with the window minimised, and last a floor measured in the
// same run: a bare Qt Quick scene of 104 text labels re-coloured by one
// 16 ms timer, same scene graph backend, same window size.
// Usage (under an X server, see bench/run_preview.sh):
//   bench_preview [SECONDS_PER_EFFECT (20)] [SECONDS_IDLE (30)] [CODES, e.g. 1,6 (all)]
#include "benchsession.h"
#include "myqquickview.h"
#include "scenegraph.h"
#include "ui_controler.h"
#include "virtualkeyboard.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QQuickItem>
#include <QQuickWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the event loop for `seconds` and returns the CPU used as % of a core.
double measure(double seconds)
{
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    settle(int(seconds * 1000));
    return 100.0 * (cpuSeconds() - cpuBefore) / (double(wall.elapsed()) / 1000.0);
}

const char* const floorScene = R"(
import QtQuick
Item {
    width: 1000; height: 600
    Grid {
        x: 171; y: 190; columns: 21; spacing: 2
        Repeater {
            id: labels
            model: 104
            Text { width: 26; height: 26; text: "K" + index; font.bold: true; font.pixelSize: 11 }
        }
    }
    Timer {
        interval: 16; repeat: true; running: true
        property int tick: 0
        onTriggered: {
            ++tick
            for (var i = 0; i < labels.count; ++i)
                labels.itemAt(i).color = Qt.rgba(((tick + i) % 7) / 7, ((tick * 3 + i) % 11) / 11, 0.5, 1)
        }
    }
}
)";

struct EffectRow
{
    int code;
    const char* name;
    bool reactive;
};

} // namespace

int main(int argc, char* argv[])
{
    chooseSceneGraphBackend();
    QApplication app(argc, argv);
    const double perEffect = app.arguments().value(1, "20").toDouble();
    const double idle = app.arguments().value(2, "30").toDouble();
    QList<int> only;
    for (const QString& code : app.arguments().value(3).split(',', Qt::SkipEmptyParts))
        only << code.toInt(nullptr, 16);
    QuietDataCopy data;

    const EffectRow effects[] = {
        {0x00, "static", false},        {0x01, "breathing", false},    {0x02, "marquee", false},
        {0x03, "light on press", true}, {0x04, "colour cycle", false}, {0x05, "sweep", true},
        {0x06, "wave", false},          {0x07, "neon", false},         {0x08, "rain", false},
        {0x09, "ripple", true},         {0x0A, "second wave", false},  {0x0B, "vortex", false},
    };

    VirtualKeyboard keyboard;
    struct Result
    {
        QString name;
        double cpu;
    };
    QList<Result> results;
    {
        Widget window(keyboard);
        startWindow(window);
        QQuickItem* root = window.controller->view->rootObject();
        auto* pageArea = root ? root->findChild<QQuickItem*>("_fkPage") : nullptr;
        if (pageArea)
            QMetaObject::invokeMethod(pageArea, "show", Q_ARG(QVariant, 2));
        auto* page = root ? root->findChild<QQuickItem*>("_Page_Color") : nullptr;
        auto* strip = page ? page->findChild<QObject*>("lvColorIndex") : nullptr;
        if (!pageArea || !page || !strip) {
            std::fprintf(stderr, "bench_preview: the colour page was not found\n");
            return 1;
        }
        settle(1000);
        // The controls as a user sets them: LOOP, brightness level 7, speed
        // level 7 (speed value 1), the effects category.
        auto control = [&](const char* name) {
            return page->findChild<QObject*>(name);
        };
        strip->setProperty("currentIndex", 7);
        QMetaObject::invokeMethod(control("_brightness"), "setCurIndex", Q_ARG(QVariant, 7));
        QMetaObject::invokeMethod(control("_speed"), "setCurIndex", Q_ARG(QVariant, 7));
        QMetaObject::invokeMethod(control("_effect1"), "setCurIndex", Q_ARG(QVariant, 1));
        auto chooseEffect = [&](int code) {
            QMetaObject::invokeMethod(control("_effect3"), "setCurIndex", Q_ARG(QVariant, code));
        };

        // A fast typist for the reactive effects: A … Z, one every 100 ms.
        int usage = 4;
        QTimer typist;
        QObject::connect(&typist, &QTimer::timeout, [&] {
            QMetaObject::invokeMethod(root, "detectKeyboard", Q_ARG(QVariant, true),
                                      Q_ARG(QVariant, usage));
            QMetaObject::invokeMethod(root, "detectKeyboard", Q_ARG(QVariant, false),
                                      Q_ARG(QVariant, usage));
            usage = usage >= 29 ? 4 : usage + 1;
        });
        for (const EffectRow& effect : effects) {
            if (!only.isEmpty() && !only.contains(effect.code))
                continue;
            chooseEffect(effect.code);
            QMetaObject::invokeMethod(page, "playEffect", Q_ARG(QVariant, true));
            if (effect.reactive)
                typist.start(100);
            settle(500);
            results << Result{
                QString("0x%1 %2").arg(effect.code, 2, 16, QChar('0')).arg(effect.name),
                measure(perEffect)};
            typist.stop();
        }
        chooseEffect(0x06);
        QMetaObject::invokeMethod(pageArea, "show", Q_ARG(QVariant, 0));
        settle(1500);
        results << Result{"wave, colour page hidden", measure(idle)};
        QMetaObject::invokeMethod(pageArea, "show", Q_ARG(QVariant, 2));
        settle(1500);
        window.showMinimized();
        settle(500);
        results << Result{"wave, window minimised", measure(idle)};
    }

    double floorCpu = 0;
    {
        QQuickWidget floorView;
        floorView.setResizeMode(QQuickWidget::SizeRootObjectToView);
        floorView.resize(1000, 600);
        QTemporaryDir dir;
        const QString file = dir.filePath("floor.qml");
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly))
            return 1;
        out.write(floorScene);
        out.close();
        floorView.setSource(QUrl::fromLocalFile(file));
        floorView.show();
        settle(1000);
        floorCpu = measure(perEffect);
    }

    std::printf("%-28s %8s %8s\n", "effect (speed value 1)", "CPU %", "x floor");
    for (const Result& r : results)
        std::printf("%-28s %8.1f %8.2f\n", qPrintable(r.name), r.cpu,
                    floorCpu > 0 ? r.cpu / floorCpu : 0.0);
    std::printf("%-28s %8.1f %8.2f\n", "floor: 104 labels / 16 ms", floorCpu, 1.0);
    return 0;
}
