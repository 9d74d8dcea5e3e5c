// q3config info
#include "commands.h"
#include "keyboardsession.h"
#include "myqquickview.h"

#include <QJsonObject>

namespace Commands {

int info(const Request& request, KeyboardSession& session, Console& console)
{
    if (!request.words.isEmpty())
        return console.fail(Exit::Usage, request.command,
                            QStringLiteral("unexpected argument %1; info takes only --json")
                                .arg(request.words.first()));
    myQQuickView& view = session.view();
    const bool found = session.keyboardFound();
    const QString firmware = found ? view.ui_80H_GetFWVersion() : QStringLiteral("unknown");
    const int layout = view.ui_80H_GetHWMode().toInt();
    const int active = view.ui_A1H_GetCurrentProfile().toInt() + 1;
    const int profiles = view.getMaxProfile();
    const int macroSlots = view.macroSlotCount();
    if (request.json) {
        QJsonObject object{{"keyboard", found},
                           {"firmware", firmware},
                           {"layoutMode", layout},
                           {"profiles", profiles},
                           {"macroSlots", macroSlots}};
        object.insert("activeProfile", found ? QJsonValue(active) : QJsonValue());
        printJson(object, console);
    } else {
        console.print(QStringLiteral("keyboard: %1").arg(found ? "found" : "not found"));
        console.print(QStringLiteral("firmware: %1").arg(firmware));
        console.print(QStringLiteral("layout mode: %1").arg(layout));
        console.print(QStringLiteral("active profile: %1")
                          .arg(found ? QString::number(active) : QStringLiteral("unknown")));
        console.print(QStringLiteral("profiles: %1").arg(profiles));
        console.print(QStringLiteral("macro slots: %1").arg(macroSlots));
    }
    return found ? Exit::Done : keyboardAbsent(request.command, console);
}

} // namespace Commands
