#include "request.h"

#include <QDir>

const QStringList& Request::commands()
{
    static const QStringList names{"info", "profile", "lighting", "colors", "keys", "macro"};
    return names;
}

QStringList Request::valueOptions(const QString& command)
{
    if (command == QLatin1String("lighting"))
        return {"effect",
                "speed",
                "brightness",
                "direction",
                "color",
                "backlight-effect",
                "backlight-brightness",
                "backlight-speed",
                "backlight-color",
                "backlight-direction"};
    return {};
}

QString Request::filePath(int index) const
{
    return QDir(callerDirectory).absoluteFilePath(words.value(index));
}

Request Request::parse(const QStringList& arguments, const QString& callerDirectory)
{
    Request request;
    request.callerDirectory = callerDirectory;
    if (arguments.isEmpty() || !commands().contains(arguments.first())) {
        request.error = QStringLiteral("unknown command %1; use one of %2")
                            .arg(arguments.value(0), commands().join(", "));
        return request;
    }
    request.command = arguments.first();
    const QStringList allowed = valueOptions(request.command);
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(QLatin1String("--")) || argument == QLatin1String("--")) {
            request.words << argument;
            continue;
        }
        QString name = argument.mid(2);
        QString value;
        bool hasValue = false;
        if (const int equals = name.indexOf('='); equals >= 0) {
            value = name.mid(equals + 1);
            name = name.left(equals);
            hasValue = true;
        }
        if (name == QLatin1String("json") || name == QLatin1String("help") ||
            name == QLatin1String("virtual-keyboard")) {
            if (hasValue) {
                request.error = QStringLiteral("--%1 takes no value").arg(name);
                return request;
            }
            (name == QLatin1String("json")   ? request.json
             : name == QLatin1String("help") ? request.help
                                             : request.virtualKeyboard) = true;
            continue;
        }
        if (name != QLatin1String("capture") && !allowed.contains(name)) {
            request.error =
                allowed.isEmpty()
                    ? QStringLiteral("unknown option --%1; this command takes --json and --help")
                          .arg(name)
                    : QStringLiteral("unknown option --%1; use --%2")
                          .arg(name, allowed.join(", --"));
            return request;
        }
        if (!hasValue) {
            if (i + 1 >= arguments.size()) {
                request.error = QStringLiteral("--%1 needs a value").arg(name);
                return request;
            }
            value = arguments[++i];
        }
        if (name == QLatin1String("capture"))
            request.capturePath = QDir(callerDirectory).absoluteFilePath(value);
        else
            request.options.insert(name, value);
    }
    if (!request.capturePath.isEmpty() && !request.virtualKeyboard)
        request.error = QStringLiteral("--capture needs --virtual-keyboard");
    return request;
}
