#include "capturefile.h"
#include "cli.h"
#include "commandline.h"
#include "commands.h"
#include "dataroots.h"
#include "displayconnection.h"
#include "factoryprofile.h"
#include "globalinputhook.h"
#include "inputforwarding.h"
#include "inputsourcechoice.h"
#include "myqquickview.h"
#include "programdirectory.h"
#include "quitonsignal.h"
#include "scenegraph.h"
#include "singleinstance.h"
#include "soundcues.h"
#include "systemhidbackend.h"
#include "udevdevicechangesource.h"
#include "ui_controler.h"
#include "userdatafolder.h"
#include "virtualkeyboard.h"
#include "widget.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <cstdio>
#include <memory>

namespace {

// How long a second program waits for the first to answer.
constexpr int ActivationWaitMs = 3000;

// The HID layer and its hot-plug notifications: the USB keyboard through
// hidapi and udev, or the virtual keyboard, which notifies by itself.
struct DeviceAccess
{
    std::unique_ptr<HidBackend> backend;
    std::unique_ptr<DeviceChangeSource> changes;
    VirtualKeyboard* virtualKeyboard = nullptr; // owned by `backend`
};

// The virtual keyboard starts where a new keyboard does: every on-board
// profile as the shipped factory profile describes it.
DeviceAccess openDeviceAccess(const CommandLine& options, const DataRoots& roots)
{
    DeviceAccess access;
    if (options.virtualKeyboard) {
        QString problem;
        const VirtualKeyboardConfig config =
            factoryKeyboardConfig(roots.factoryProfileDirectory() + QStringLiteral("/pD.bin"),
                                  options.virtualLayout, &problem);
        if (!problem.isEmpty())
            std::fprintf(stderr, "q3config: the virtual keyboard starts dark: %s\n",
                         qPrintable(problem));
        auto keyboard = std::make_unique<VirtualKeyboard>(config);
        access.virtualKeyboard = keyboard.get();
        access.backend = std::move(keyboard);
    } else {
        access.backend = std::make_unique<SystemHidBackend>();
        access.changes = std::make_unique<UdevDeviceChangeSource>();
    }
    return access;
}

QString programHelp()
{
    return CommandLine::usage() + QLatin1Char('\n') + Commands::overview();
}

QStringList argumentsOf(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Help and version need no display: they are answered before the window's
// application object tries to reach one.
bool answeredWithoutDisplay(int argc, char* argv[], int* result)
{
    const QStringList arguments = argumentsOf(argc, argv);
    const CommandLine early = CommandLine::parse(arguments);
    if (early.outcome != CommandLine::Outcome::ShowHelp &&
        early.outcome != CommandLine::Outcome::ShowVersion)
        return false;
    QCoreApplication app(argc, argv);
    app.setApplicationName("q3config");
    const QString topic =
        arguments.value(1) == QLatin1String("help") ? arguments.value(2) : QString();
    const QString text = early.outcome == CommandLine::Outcome::ShowVersion ? CommandLine::version()
                         : Cli::isCommand(topic)                            ? Commands::help(topic)
                                                                            : programHelp();
    std::fputs(qPrintable(text), stdout);
    *result = 0;
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    // A command (`q3config info` …) runs without a window, also without a display.
    const bool command = argc > 1 && Cli::isCommand(QString::fromLocal8Bit(argv[1]));
    if (command) {
        Cli::prepareProcess();
        chooseSceneGraphBackend();
        QApplication app(argc, argv);
        app.setApplicationName("q3config");
        return Cli::runProgram(app.arguments().mid(1), QStringLiteral(Q3_INSTALLED_DATA));
    }
    int answer = 0;
    if (answeredWithoutDisplay(argc, argv, &answer))
        return answer;

    chooseSceneGraphBackend();
    const std::unique_ptr<QApplication> application =
        DisplayConnection::openApplication(argc, argv);
    QApplication& app = *application;
    app.setApplicationName("q3config");

    const CommandLine options = CommandLine::parse(app.arguments());
    if (options.outcome == CommandLine::Outcome::ShowHelp) {
        std::fputs(qPrintable(programHelp()), stdout);
        return 0;
    }
    if (options.outcome == CommandLine::Outcome::ShowVersion) {
        std::fputs(qPrintable(CommandLine::version()), stdout);
        return 0;
    }
    if (options.outcome == CommandLine::Outcome::Error) {
        std::fprintf(stderr, "q3config: %s\n\n%s", qPrintable(options.error),
                     qPrintable(programHelp()));
        return 2;
    }

    const DataRoots roots =
        DataRoots::locate(programDirectoryOf(QCoreApplication::applicationFilePath()),
                          QStringLiteral(Q3_INSTALLED_DATA), DataRoots::userDataHome());
    DataRoots::setCurrent(roots);
    QDir::setCurrent(roots.dataDirectory());
    quitOnTerminationSignals();

    SingleInstance instance(QDir(roots.userRoot()).absolutePath(),
                            QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    if (!instance.acquire()) {
        const bool shown = instance.activateRunning(ActivationWaitMs);
        std::fprintf(stderr, "q3config: already running with the data in %s; %s\n",
                     qPrintable(QDir(roots.userRoot()).absolutePath()),
                     shown ? "its window was brought to the front" : "not starting a second time");
        return shown ? 0 : 1;
    }
    if (!instance.problem().isEmpty())
        std::fprintf(stderr, "q3config: %s; a second q3config could change the same files\n",
                     qPrintable(instance.problem()));

    UserDataFolder userData(roots);
    userData.prepare();
    if (!userData.message().isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(userData.message()));

    DeviceAccess access = openDeviceAccess(options, roots);
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
        QObject::connect(&instance, &SingleInstance::activationRequested, &window, [&window] {
            window.showNormal();
            window.raise();
            window.activateWindow();
        });
        window.checkDevice();
        InputSourceChoice source = InputSourceChoice::choose(app.platformName(), &window);
        std::fprintf(stderr, "q3config: %s\n", qPrintable(source.description));
        GlobalInputHook hooks(window.controller->view->layoutType() == 0,
                              std::move(source.platform));
        hooks.setKeyboardCallback(forwardKeyToScene, &window);
        hooks.setMouseCallback(forwardMouseButtonToScene, &window);
        // The sound back-end starts after the first frame instead of delaying it.
        window.controller->view->soundCues()->holdUntilPainted(window.controller->view);
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
