#include "cli.h"

#include "capturefile.h"
#include "commands.h"
#include "dataroots.h"
#include "factoryprofile.h"
#include "keyboardsession.h"
#include "programdirectory.h"
#include "request.h"
#include "singleinstance.h"
#include "systemhidbackend.h"
#include "userdatafolder.h"
#include "virtualkeyboard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <cstdio>
#include <memory>

namespace Cli {

bool isCommand(const QString& argument)
{
    return Request::commands().contains(argument);
}

int execute(const QStringList& arguments, HidBackend& backend, Console& console,
            const QString& callerDirectory)
{
    const Request request = Request::parse(arguments, callerDirectory);
    if (!request.error.isEmpty())
        return console.fail(Exit::Usage, request.command, request.error);
    if (request.help) {
        console.out += Commands::help(request.command);
        return Exit::Done;
    }
    KeyboardSession session(backend);
    const QString& command = request.command;
    if (command == QLatin1String("info"))
        return Commands::info(request, session, console);
    if (command == QLatin1String("profile"))
        return Commands::profile(request, session, console);
    if (command == QLatin1String("lighting"))
        return Commands::lighting(request, session, console);
    if (command == QLatin1String("colors"))
        return Commands::colors(request, session, console);
    if (command == QLatin1String("keys"))
        return Commands::keys(request, session, console);
    return Commands::macro(request, session, console);
}

namespace {

// A command's standard error holds its own one-line messages only: the
// libraries' warnings (no sound server, no display) are dropped.
void keepSevereMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

void printConsole(const Console& console)
{
    std::fputs(console.out.toLocal8Bit().constData(), stdout);
    std::fputs(console.err.toLocal8Bit().constData(), stderr);
}

} // namespace

void prepareProcess()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepSevereMessages);
}

int runProgram(const QStringList& arguments, const QString& installedData)
{
    Console console;
    const QString callerDirectory = QDir::currentPath();
    const Request request = Request::parse(arguments, callerDirectory);
    if (!request.error.isEmpty() || request.help) {
        VirtualKeyboard unused;
        const int result = execute(arguments, unused, console, callerDirectory);
        printConsole(console);
        return result;
    }

    const DataRoots roots =
        DataRoots::locate(programDirectoryOf(QCoreApplication::applicationFilePath()),
                          installedData, DataRoots::userDataHome());
    DataRoots::setCurrent(roots);
    QDir::setCurrent(roots.dataDirectory());

    // The keyboard and the files have one user at a time: a running window
    // keeps them, and a window started meanwhile finds this one.
    const QString userFolder = QDir(roots.userRoot()).absolutePath();
    SingleInstance instance(userFolder,
                            QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    if (!instance.acquire()) {
        console.fail(Exit::Failed, request.command,
                     QStringLiteral("q3config is running with the data in %1 (its window or "
                                    "another command); make the change in the window, or run "
                                    "the command again once it has ended")
                         .arg(userFolder));
        printConsole(console);
        return Exit::Failed;
    }

    UserDataFolder userData(roots);
    userData.prepare();
    if (!userData.message().isEmpty())
        console.err += userData.message() + '\n';

    std::unique_ptr<HidBackend> backend;
    VirtualKeyboard* virtualKeyboard = nullptr;
    if (request.virtualKeyboard) {
        // Starts where a new keyboard does, as the window's virtual keyboard.
        constexpr quint8 IsoLayoutMode = 0;
        QString problem;
        const VirtualKeyboardConfig config = factoryKeyboardConfig(
            roots.factoryProfileDirectory() + QStringLiteral("/pD.bin"), IsoLayoutMode, &problem);
        if (!problem.isEmpty())
            console.err += QStringLiteral("the virtual keyboard starts dark: %1\n").arg(problem);
        auto keyboard = std::make_unique<VirtualKeyboard>(config);
        virtualKeyboard = keyboard.get();
        backend = std::move(keyboard);
    } else {
        backend = std::make_unique<SystemHidBackend>();
    }
    CaptureFile capture;
    if (!request.capturePath.isEmpty()) {
        if (!capture.open(request.capturePath)) {
            console.fail(Exit::Usage, request.command,
                         QStringLiteral("cannot write the capture file %1: %2")
                             .arg(request.capturePath, capture.errorString()));
            printConsole(console);
            return Exit::Usage;
        }
        capture.attach(*virtualKeyboard);
    }
    const int result = execute(arguments, *backend, console, callerDirectory);
    if (virtualKeyboard)
        virtualKeyboard->setCaptureSink({});
    printConsole(console);
    return result;
}

} // namespace Cli

namespace Commands {

int keyboardAbsent(const QString& command, Console& console)
{
    return console.fail(
        Exit::Failed, command,
        QStringLiteral("no keyboard found; plug it in, check that the udev rule "
                       "70-q3config.rules is installed, or use --virtual-keyboard"));
}

int writesFailed(const QString& command, Console& console)
{
    return console.fail(Exit::Failed, command,
                        QStringLiteral("the keyboard did not take every report; check the cable "
                                       "and run the command again"));
}

void printJson(const QJsonValue& value, Console& console)
{
    const QJsonDocument document =
        value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    console.out += QString::fromUtf8(document.toJson(QJsonDocument::Compact)) + '\n';
}

bool parseNumber(const QString& text, int first, int last, const QString& what, int& value,
                 QString& error)
{
    bool ok = false;
    value = text.toInt(&ok, 10);
    if (ok && value >= first && value <= last)
        return true;
    error = QStringLiteral("%1 %2 is out of range; use %3 to %4")
                .arg(what, text.isEmpty() ? QStringLiteral("\"\"") : text)
                .arg(first)
                .arg(last);
    return false;
}

QByteArray fileContents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool canWrite(const QString& path, QString& error)
{
    const QFileInfo target(path);
    if (target.isDir()) {
        error = QStringLiteral("%1 is a folder; give a file name").arg(path);
        return false;
    }
    if (target.exists() ? target.isWritable() : QFileInfo(target.absolutePath()).isWritable())
        return true;
    error = QStringLiteral("cannot write %1; choose a file in a folder you may write to").arg(path);
    return false;
}

} // namespace Commands
