// q3config profile get | set N | export N FILE | import N FILE | reset N
#include "commands.h"
#include "datafilecheck.h"
#include "keyboardsession.h"
#include "myqquickview.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSettings>

namespace Commands {

namespace {

// An exported profile: INI text that parses, holds a complete key matrix
// group and the lighting record.
bool isProfileFile(const QString& path)
{
    if (!QFileInfo(path).isFile() || isDamagedDataFile(path, DataFileKind::Profile))
        return false;
    QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        return false;
    static const QRegularExpression keyGroup(QStringLiteral("^keydefine\\d+$"));
    return !file.childGroups().filter(keyGroup).isEmpty() && file.contains("color/ledType");
}

// What the window does after switching to a profile, or after an import or
// reset of the active one: select it on the keyboard, then read its lighting.
void switchTo(myQQuickView& view, int index)
{
    view.ui_21H_SetCurrentProfile(index);
    view.syncLed();
}

} // namespace

int profile(const Request& request, KeyboardSession& session, Console& console)
{
    const QString& command = request.command;
    const QStringList& words = request.words;
    const QString action = words.value(0, QStringLiteral("get"));
    static const QMap<QString, int> wordCount{
        {"get", 1}, {"set", 2}, {"reset", 2}, {"export", 3}, {"import", 3}};
    if (!wordCount.contains(action))
        return console.fail(
            Exit::Usage, command,
            QStringLiteral("unknown action %1; use get, set, export, import or reset").arg(action));
    if (words.size() > wordCount[action] || (words.size() < wordCount[action] && action != "get"))
        return console.fail(Exit::Usage, command,
                            QStringLiteral("wrong arguments for profile %1; see q3config profile "
                                           "--help")
                                .arg(action));

    myQQuickView& view = session.view();
    const int count = view.getMaxProfile();
    const bool found = session.keyboardFound();
    if (action == QLatin1String("get")) {
        if (!found)
            return keyboardAbsent(command, console);
        const int active = view.ui_A1H_GetCurrentProfile().toInt() + 1;
        if (request.json)
            printJson(QJsonObject{{"activeProfile", active}, {"profiles", count}}, console);
        else
            console.print(QString::number(active));
        return Exit::Done;
    }

    int number = 0;
    QString error;
    if (!parseNumber(words[1], 1, count, QStringLiteral("profile"), number, error))
        return console.fail(Exit::Usage, command, error);
    const int index = number - 1;
    const QString path = request.filePath(2);

    if (action == QLatin1String("set")) {
        if (!found)
            return keyboardAbsent(command, console);
        switchTo(view, index);
        return session.finishWrites() ? Exit::Done : writesFailed(command, console);
    }
    if (action == QLatin1String("export")) {
        if (!canWrite(path, error))
            return console.fail(Exit::Failed, command, error);
        QSettings* stored = view.profileSettings(index);
        stored->sync();
        if (!QFileInfo::exists(stored->fileName()))
            return console.fail(Exit::Failed, command,
                                QStringLiteral("profile %1 has nothing saved yet; choose it once "
                                               "(q3config profile set %1) or reset it (q3config "
                                               "profile reset %1), then export it")
                                    .arg(number));
        session.answerFileChoosers(path);
        view.saveProfile(index);
        const QString source = view.profileSettings(index)->fileName();
        if (!QFileInfo::exists(path) || fileContents(path) != fileContents(source))
            return console.fail(Exit::Failed, command,
                                QStringLiteral("could not copy profile %1 to %2; check the free "
                                               "space and the folder's permissions")
                                    .arg(number)
                                    .arg(path));
        return Exit::Done;
    }
    if (action == QLatin1String("import") && !isProfileFile(path))
        return console.fail(Exit::Usage, command,
                            QStringLiteral("%1 is not a profile; give a file made by profile "
                                           "export or the window's SAVE")
                                .arg(path));
    if (action == QLatin1String("import")) {
        session.answerFileChoosers(path);
        view.loadProfile(index);
    } else {
        view.resetProfile(index);
    }
    if (!isProfileFile(view.profileSettings(index)->fileName()))
        return console.fail(Exit::Failed, command,
                            QStringLiteral("could not replace profile %1; check the permissions "
                                           "of %2")
                                .arg(number)
                                .arg(view.profileSettings(index)->fileName()));
    if (found && index == view.ui_A1H_GetCurrentProfile().toInt()) {
        switchTo(view, index);
        if (!session.finishWrites())
            return writesFailed(command, console);
    }
    return Exit::Done;
}

} // namespace Commands
