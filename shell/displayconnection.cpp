#include "displayconnection.h"

#include <QApplication>
#include <QList>
#include <cstdio>
#include <cstdlib>

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QList<HeldMessage>& heldMessages()
{
    static QList<HeldMessage> messages;
    return messages;
}

QtMessageHandler previousHandler = nullptr;

void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        // Qt gives up on the platform plugin: nothing was shown or written yet.
        const QString line = DisplayConnection::unreachableMessage(
            qEnvironmentVariable("DISPLAY"), qEnvironmentVariable("WAYLAND_DISPLAY"));
        std::fprintf(stderr, "%s\n", qPrintable(line));
        std::fflush(stderr);
        std::_Exit(DisplayConnection::UnreachableExitCode);
    }
    heldMessages().append(HeldMessage{type, QByteArray(context.category), text});
}

void passOnHeldMessages()
{
    for (const HeldMessage& held : heldMessages()) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
        if (previousHandler)
            previousHandler(held.type, context, held.text);
    }
    heldMessages().clear();
}

} // namespace

namespace DisplayConnection {

QString unreachableMessage(const QString& x11Display, const QString& waylandDisplay)
{
    QString reason;
    if (x11Display.isEmpty() && waylandDisplay.isEmpty())
        reason = QStringLiteral("neither DISPLAY nor WAYLAND_DISPLAY is set");
    else if (waylandDisplay.isEmpty())
        reason = QStringLiteral("DISPLAY %1 cannot be opened").arg(x11Display);
    else if (x11Display.isEmpty())
        reason = QStringLiteral("WAYLAND_DISPLAY %1 cannot be opened").arg(waylandDisplay);
    else
        reason = QStringLiteral("neither DISPLAY %1 nor WAYLAND_DISPLAY %2 can be opened")
                     .arg(x11Display, waylandDisplay);
    return QStringLiteral("q3config: the window needs a display and %1; run it in a desktop "
                          "session or under xvfb-run, or use the commands, which need none "
                          "(q3config --help)")
        .arg(reason);
}

std::unique_ptr<QApplication> openApplication(int& argc, char** argv)
{
    previousHandler = qInstallMessageHandler(holdOrEnd);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    passOnHeldMessages();
    return application;
}

} // namespace DisplayConnection
