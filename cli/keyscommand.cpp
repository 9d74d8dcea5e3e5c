// q3config keys list | set KEY=TARGET… | reset
#include "commands.h"
#include "keyboardsession.h"
#include "keymap.h"
#include "mediafunctions.h"
#include "myqquickview.h"

#include <QJsonArray>
#include <QJsonObject>

namespace Commands {

namespace {

// KeyCode16: the top nibble is the category.
constexpr quint16 CategoryMask = 0xF000;
constexpr quint16 StandardKey = 0x0000;
constexpr quint16 MediaKey = 0x3000;
constexpr quint16 MacroKey = 0x4000;
constexpr quint16 LowByte = 0x00FF;
constexpr quint16 RepeatMask = 0x0F00;
constexpr int RepeatShift = 8;
constexpr char MacroPrefix[] = "macro:";

KeyMap keyMapOf(myQQuickView& view)
{
    return KeyMap(view.loadHWDef(), view.loadUsbStr(), view.loadUsbCode());
}

// The codes of the active profile, slot by slot, as the key page reads them.
// A profile that holds no key matrix yet (never applied on this computer)
// has the factory codes: applying zeros would take every key's function away.
QList<quint16> storedCodes(myQQuickView& view, const KeyMap& map)
{
    QList<quint16> codes;
    bool anyStored = false;
    for (int slot = 0; slot < map.matrixSlots(); ++slot) {
        const QVariantList pair = view.getKeydefine(slot);
        anyStored = anyStored || !pair.isEmpty();
        codes << quint16((pair.value(0).toInt() & LowByte) |
                         ((pair.value(1).toInt() << 8) & 0xFF00));
    }
    return anyStored ? codes : map.defaultCodes();
}

// Macro names without their ".bin".
QStringList macroNames(myQQuickView& view)
{
    QStringList names;
    for (const QString& file : view.getMacroIniNames())
        names << file.chopped(4);
    return names;
}

QString targetText(quint16 code, const KeyMap& map, myQQuickView& view)
{
    switch (code & CategoryMask) {
    case StandardKey: {
        if ((code & LowByte) == 0)
            return QStringLiteral("none");
        const QString name = map.usageName(code & LowByte);
        return name.isEmpty() ? QStringLiteral("0x%1").arg(code, 4, 16, QChar('0')) : name;
    }
    case MediaKey: {
        const QString name = mediaName(code);
        return name.isEmpty() ? QStringLiteral("0x%1").arg(code, 4, 16, QChar('0')) : name;
    }
    case MacroKey: {
        QString found; // the last file in the slot, as the key page shows it
        for (const QString& name : macroNames(view)) {
            const QVariantList config = view.loadMacroIniConfig(name);
            if (!config.isEmpty() && config[0].toInt() == (code & LowByte))
                found = name;
        }
        return found.isEmpty() ? QStringLiteral("macro slot %1").arg(code & LowByte)
                               : MacroPrefix + found;
    }
    default:
        return QStringLiteral("0x%1").arg(code, 4, 16, QChar('0'));
    }
}

// The key page's apply: the whole matrix, low byte first.
void applyMatrix(myQQuickView& view, const QList<quint16>& codes)
{
    QVariantList src;
    for (quint16 code : codes)
        src << int(code & LowByte) << int((code >> 8) & LowByte);
    view.ui_0C0DH_SetKeyMatrix(src);
}

struct Assignment
{
    int slot = 0;
    quint16 code = 0;
    QString macro; // a macro to download first
    QVariantList macroConfig;
};

} // namespace

int keys(const Request& request, KeyboardSession& session, Console& console)
{
    const QString& command = request.command;
    const QString action = request.words.value(0);
    if (action != QLatin1String("list") && action != QLatin1String("set") &&
        action != QLatin1String("reset"))
        return console.fail(Exit::Usage, command,
                            QStringLiteral("unknown action %1; use list, set or reset")
                                .arg(action.isEmpty() ? QStringLiteral("\"\"") : action));
    if ((action == QLatin1String("set")) != (request.words.size() > 1) ||
        (action != QLatin1String("set") && request.words.size() > 1))
        return console.fail(
            Exit::Usage, command,
            QStringLiteral("wrong arguments for keys %1; see q3config keys --help").arg(action));

    myQQuickView& view = session.view();
    const KeyMap map = keyMapOf(view);
    QList<Assignment> assignments;
    if (action == QLatin1String("set")) {
        for (const QString& word : request.words.mid(1)) {
            const int equals = word.indexOf('=', 1); // the key "=" is "==…"
            if (equals < 0)
                return console.fail(Exit::Usage, command,
                                    QStringLiteral("%1 is not KEY=TARGET").arg(word));
            const QString keyName = word.left(equals);
            const QString target = word.mid(equals + 1);
            const KeyMap::Key* key = map.key(keyName);
            if (!key)
                return console.fail(Exit::Usage, command,
                                    QStringLiteral("unknown key %1; use a name from q3config "
                                                   "keys list, e.g. Esc, F1, A, Caps Lock")
                                        .arg(keyName));
            Assignment assignment;
            assignment.slot = key->slot;
            if (target.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0) {
                assignment.code = 0;
            } else if (target.startsWith(QLatin1String(MacroPrefix), Qt::CaseInsensitive)) {
                assignment.macro = target.mid(int(qstrlen(MacroPrefix)));
                assignment.macroConfig = view.loadMacroIniConfig(assignment.macro);
                const int slot = assignment.macroConfig.value(0, -1).toInt();
                if (assignment.macroConfig.isEmpty())
                    return console.fail(Exit::Usage, command,
                                        QStringLiteral("unknown macro %1; use a name from "
                                                       "q3config macro list")
                                            .arg(assignment.macro));
                if (slot < 0 || slot >= view.macroSlotCount())
                    return console.fail(Exit::Usage, command,
                                        QStringLiteral("macro %1 has no keyboard slot; use a "
                                                       "macro with a slot (q3config macro list)")
                                            .arg(assignment.macro));
                const int repeat = assignment.macroConfig.value(1, 1).toInt();
                assignment.code =
                    quint16(MacroKey | ((repeat << RepeatShift) & RepeatMask) | (slot & LowByte));
            } else if (const int usage = map.usage(target); usage >= 0) {
                assignment.code = quint16(usage);
            } else if (const int media = mediaKeyCode(target); media >= 0) {
                assignment.code = quint16(media);
            } else {
                return console.fail(Exit::Usage, command,
                                    QStringLiteral("unknown target %1; use a key name, a media "
                                                   "function (see q3config keys --help), "
                                                   "macro:NAME or none")
                                        .arg(target));
            }
            assignments << assignment;
        }
    }
    if (!session.keyboardFound())
        return keyboardAbsent(command, console);

    QList<quint16> codes = storedCodes(view, map);
    if (action == QLatin1String("list")) {
        QJsonArray list;
        for (const KeyMap::Key& key : map.keys()) {
            const quint16 code = codes.value(key.slot);
            const QString target = targetText(code, map, view);
            if (request.json)
                list.append(QJsonObject{{"key", key.name},
                                        {"slot", key.slot},
                                        {"code", code},
                                        {"target", target},
                                        {"default", code == key.defaultCode}});
            else
                console.print(key.name + '\t' + target);
        }
        if (request.json)
            printJson(list, console);
        return Exit::Done;
    }
    if (action == QLatin1String("reset"))
        codes = map.defaultCodes();
    for (const Assignment& assignment : assignments) {
        // As the key page does when a macro is chosen: at once, into its slot.
        if (!assignment.macro.isEmpty()) {
            view.setMacroIniConfig(assignment.macro, assignment.macroConfig);
            view.ui_10H_SetMacroKey(assignment.macroConfig[0], assignment.macro);
        }
        codes[assignment.slot] = assignment.code;
    }
    applyMatrix(view, codes);
    for (const QString& warning : session.warnings())
        console.fail(Exit::Done, command, warning);
    return session.finishWrites() ? Exit::Done : writesFailed(command, console);
}

} // namespace Commands
