// q3config macro list | show NAME | import NAME FILE | export NAME FILE
#include "commands.h"
#include "datafilecheck.h"
#include "dataroots.h"
#include "keyboardsession.h"
#include "myqquickview.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QSettings>

namespace Commands {

namespace {

constexpr int FileSuffixLength = 4; // ".bin"

// An exported macro: INI text that parses, with its configuration and as
// many steps as it says.
bool isMacroFile(const QString& path)
{
    if (!QFileInfo(path).isFile() || isDamagedDataFile(path, DataFileKind::Macro))
        return false;
    const QSettings file(path, QSettings::IniFormat);
    return file.status() == QSettings::NoError && file.contains("config/total") &&
           file.contains("config/index");
}

QJsonObject describe(myQQuickView& view, const QString& name, bool withSteps)
{
    const QVariantList config = view.loadMacroIniConfig(name);
    const QStringList steps = view.loadMacroIni(name);
    QJsonObject object{{"name", name},
                       {"slot", config.value(0, -1).toInt()},
                       {"repeat", config.value(1, 1).toInt()},
                       {"stepCount", steps.size()}};
    if (withSteps)
        object.insert("steps", QJsonArray::fromStringList(steps));
    return object;
}

} // namespace

int macro(const Request& request, KeyboardSession& session, Console& console)
{
    const QString& command = request.command;
    const QStringList& words = request.words;
    const QString action = words.value(0);
    static const QMap<QString, int> wordCount{
        {"list", 1}, {"show", 2}, {"import", 3}, {"export", 3}};
    if (!wordCount.contains(action))
        return console.fail(Exit::Usage, command,
                            QStringLiteral("unknown action %1; use list, show, import or export")
                                .arg(action.isEmpty() ? QStringLiteral("\"\"") : action));
    if (words.size() != wordCount[action])
        return console.fail(
            Exit::Usage, command,
            QStringLiteral("wrong arguments for macro %1; see q3config macro --help").arg(action));
    myQQuickView& view = session.view();
    QStringList names;
    for (const QString& file : view.getMacroIniNames())
        names << file.chopped(FileSuffixLength);

    if (action == QLatin1String("list")) {
        QJsonArray list;
        for (const QString& name : names) {
            const QJsonObject macro = describe(view, name, false);
            list.append(macro);
            if (!request.json)
                console.print(QStringLiteral("%1\tslot %2\t%3 steps")
                                  .arg(name)
                                  .arg(macro["slot"].toInt())
                                  .arg(macro["stepCount"].toInt()));
        }
        if (request.json)
            printJson(list, console);
        return Exit::Done;
    }

    const QString& name = words[1];
    if (!names.contains(name))
        return console.fail(
            Exit::Usage, command,
            QStringLiteral("unknown macro %1; use a name from q3config macro list").arg(name));
    if (action == QLatin1String("show")) {
        if (request.json)
            printJson(describe(view, name, true), console);
        else
            for (const QString& step : view.loadMacroIni(name))
                console.print(step);
        return Exit::Done;
    }

    const QString path = request.filePath(2);
    if (action == QLatin1String("export")) {
        QString error;
        if (QFileInfo::exists(path))
            return console.fail(
                Exit::Failed, command,
                QStringLiteral("%1 exists; remove it or choose another name").arg(path));
        if (!canWrite(path, error))
            return console.fail(Exit::Failed, command, error);
        session.answerFileChoosers(path);
        view.saveMacroIniToFile(name);
        if (!isMacroFile(path))
            return console.fail(Exit::Failed, command,
                                QStringLiteral("could not copy macro %1 to %2; check the free "
                                               "space and the folder's permissions")
                                    .arg(name, path));
        return Exit::Done;
    }
    if (!isMacroFile(path))
        return console.fail(Exit::Usage, command,
                            QStringLiteral("%1 is not a macro; give a file made by macro export "
                                           "or the window's macro page")
                                .arg(path));
    const QByteArray wanted = fileContents(path);
    session.answerFileChoosers(path);
    view.loadMacroIniFromFile(name);
    const QString file = DataRoots::current().macroDirectory() + '/' + name + ".bin";
    if (fileContents(file) != wanted)
        return console.fail(
            Exit::Failed, command,
            QStringLiteral("could not replace macro %1; check the permissions of %2")
                .arg(name, file));
    return Exit::Done;
}

} // namespace Commands
