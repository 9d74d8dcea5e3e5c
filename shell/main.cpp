#include "capturefile.h"
#include "commandline.h"
#include "globalinputhook.h"
#include "inputforwarding.h"
#include "myqquickview.h"
#include "programdirectory.h"
#include "quitonsignal.h"
#include "scenegraph.h"
#include "systemhidbackend.h"
#include "udevdevicechangesource.h"
#include "ui_controler.h"
#include "virtualkeyboard.h"
#include "widget.h"

#include <QApplication>
#include <cstdio>
#include <memory>

namespace {

// The HID layer and its hot-plug notifications: the USB keyboard through
// hidapi and udev, or the virtual keyboard, which notifies by itself.
struct DeviceAccess
{
    std::unique_ptr<HidBackend> backend;
    std::unique_ptr<DeviceChangeSource> changes;
    VirtualKeyboard* virtualKeyboard = nullptr; // owned by `backend`
};

DeviceAccess openDeviceAccess(bool useVirtualKeyboard)
{
    DeviceAccess access;
    if (useVirtualKeyboard) {
        auto keyboard = std::make_unique<VirtualKeyboard>();
        access.virtualKeyboard = keyboard.get();
        access.backend = std::move(keyboard);
    } else {
        access.backend = std::make_unique<SystemHidBackend>();
        access.changes = std::make_unique<UdevDeviceChangeSource>();
    }
    return access;
}

} // namespace

int main(int argc, char* argv[])
{
    chooseSceneGraphBackend();
    QApplication app(argc, argv);
    app.setApplicationName("q3config");

    const CommandLine options = CommandLine::parse(app.arguments());
    if (options.outcome == CommandLine::Outcome::ShowHelp) {
        std::fputs(qPrintable(CommandLine::usage()), stdout);
        return 0;
    }
    if (options.outcome == CommandLine::Outcome::Error) {
        std::fprintf(stderr, "q3config: %s\n\n%s", qPrintable(options.error),
                     qPrintable(CommandLine::usage()));
        return 2;
    }

    enterProgramDirectory(QCoreApplication::applicationFilePath());
    quitOnTerminationSignals();

    DeviceAccess access = openDeviceAccess(options.virtualKeyboard);
    CaptureFile capture;
    if (!options.capturePath.isEmpty()) {
        if (!capture.open(options.capturePath)) {
            std::fprintf(stderr, "q3config: cannot write %s: %s\n", qPrintable(options.capturePath),
                         qPrintable(capture.errorString()));
            return 2;
        }
        capture.attach(*access.virtualKeyboard);
    }

    int result = 0;
    {
        Widget window(*access.backend);
        window.watchDeviceChanges(access.virtualKeyboard
                                      ? static_cast<DeviceChangeSource*>(access.virtualKeyboard)
                                      : access.changes.get());
        window.checkDevice();
        GlobalInputHook hooks(window.controller->view->layoutType() == 0);
        hooks.setKeyboardCallback(forwardKeyToScene, &window);
        hooks.setMouseCallback(forwardMouseButtonToScene, &window);
        window.showNormal();
        window.startUp();
        result = app.exec();
        hooks.uninstall();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (access.virtualKeyboard)
        access.virtualKeyboard->setCaptureSink({});
    return result;
}
