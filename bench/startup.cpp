// Start-up cost of the program: time from entering main (from launch when
// its driver says when that was, see launchclock.h) to the first frame
// of the scene, to the end of the power-on animation, and resident memory at
// the first frame. Runs the same sequence as the program's entry point,
// against the virtual keyboard, on a private copy of the data tree.
// Usage (under an X server, see bench/run_startup.sh):
//   bench_startup [--animations-off] [--players-first]
// --players-first makes the five sound players before the window shows, as
// if there were an audio output, instead of after the first frame: the
// start-up of earlier versions, for comparison.
#include "factoryprofile.h"
#include "launchclock.h"
#include "myqquickview.h"
#include "programdirectory.h"
#include "scenegraph.h"
#include "soundcues.h"
#include "testsupport.h"
#include "ui_controler.h"
#include "virtualkeyboard.h"
#include "widget.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QQuickItem>
#include <QQuickWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    const LaunchClock clock;
    const qint64 mainMs = clock.elapsedMs();
    chooseSceneGraphBackend();
    QApplication app(argc, argv);
    const qint64 applicationMs = clock.elapsedMs();
    const bool animationsOff = app.arguments().contains("--animations-off");
    const bool playersFirst = app.arguments().contains("--players-first");
    enterProgramDirectory(QCoreApplication::applicationFilePath());
    // The private copy is not the program's work: its time is left out.
    QElapsedTimer copying;
    copying.start();
    QTemporaryDir data;
    copyTree(QDir::current().filePath("modules"), data.filePath("modules"));
    if (animationsOff)
        QSettings(data.filePath("modules/setting/apConfig.bin"), QSettings::IniFormat)
            .setValue("common/3", 1);
    QDir::setCurrent(data.path());
    const qint64 copyMs = copying.elapsed();

    VirtualKeyboard keyboard(factoryKeyboardConfig("modules/setting/pD.bin", 0, nullptr));
    // The first paint, and the first one that shows the scene (it stays
    // invisible until the power-on starts).
    qint64 sceneShownMs = -1;
    PaintWatch firstFrame(clock, [&clock, &sceneShownMs](QObject* watched) {
        auto* view = qobject_cast<QQuickWidget*>(watched);
        if (sceneShownMs < 0 && view && view->rootObject() && view->rootObject()->isVisible())
            sceneShownMs = clock.elapsedMs();
    });
    qint64 powerOnMs = -1;
    qint64 sceneMs = -1;
    qint64 shownMs = -1;
    {
        const qint64 sceneStartMs = clock.elapsedMs();
        Widget window(keyboard);
        sceneMs = clock.elapsedMs() - sceneStartMs;
        window.controller->view->installEventFilter(&firstFrame);
        window.checkDevice();
        shownMs = clock.elapsedMs();
        SoundCues* cues = window.controller->view->soundCues();
        if (playersFirst) {
            cues->setOutput(SoundCues::Output::Present);
            for (int slot = 0; slot < SoundCues::SlotCount; ++slot)
                cues->player(slot);
        } else {
            cues->holdUntilPainted(window.controller->view);
        }
        window.showNormal();
        window.startUp();
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QQuickItem* root = window.controller->view->rootObject();
            auto* pageArea = root ? root->findChild<QQuickItem*>("_fkPage") : nullptr;
            if (pageArea && pageArea->isVisible() && firstFrame.firstMs >= 0) {
                powerOnMs = clock.elapsedMs();
                app.quit();
            }
        });
        poll.start(1);
        QTimer::singleShot(20000, &app, &QCoreApplication::quit);
        app.exec();
    }
    std::printf("start to first frame: %lld ms, to end of power-on: %lld ms (animations %s), "
                "resident at first frame: %ld kB%s%s\n",
                static_cast<long long>(firstFrame.firstMs - copyMs),
                static_cast<long long>(powerOnMs - copyMs), animationsOff ? "off" : "on",
                firstFrame.firstRssKb, playersFirst ? " (players first)" : "",
                clock.fromLaunch() ? " (from launch)" : " (from main)");
    // Where the time to the first frame went.
    std::printf("  to main %lld ms, application %lld ms, scene %lld ms, showing to first frame "
                "%lld ms; first frame with the scene shown %lld ms\n",
                static_cast<long long>(mainMs), static_cast<long long>(applicationMs - mainMs),
                static_cast<long long>(sceneMs),
                static_cast<long long>(firstFrame.firstMs - shownMs),
                static_cast<long long>(sceneShownMs - copyMs));
    return firstFrame.firstMs < 0 || powerOnMs < 0 ? 1 : 0;
}
