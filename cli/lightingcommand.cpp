// q3config lighting [options] and q3config colors [#RRGGBB …]
#include "commands.h"
#include "keyboardsession.h"
#include "lightingrecord.h"
#include "mediafunctions.h"
#include "myqquickview.h"

#include <QColor>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>

namespace Commands {

namespace {

constexpr int ColourCount = 7;
constexpr int ChannelsPerColour = 3;
constexpr int BackLight0At = 5, BackLight1At = 6;

QString directionName(int direction)
{
    return direction ? QStringLiteral("left") : QStringLiteral("right");
}

QJsonValue colourValue(int colour)
{
    return colour == Lighting::LoopColour ? QJsonValue("loop") : QJsonValue(colour);
}

QString colourText(int colour)
{
    return colour == Lighting::LoopColour ? QStringLiteral("loop") : QString::number(colour);
}

// The options given, checked and read into the pages' controls.
struct Changes
{
    bool keyLighting = false;
    bool backLighting = false;
    QString error;
};

bool readChoice(const QString& text, const QStringList& names, const QString& what, int& value,
                QString& error)
{
    const int index = names.indexOf(text.toLower());
    if (index >= 0) {
        value = index;
        return true;
    }
    error = QStringLiteral("%1 %2 does not exist; use %3").arg(what, text, names.join(" or "));
    return false;
}

bool readColour(const QString& text, const QString& what, int& value, QString& error)
{
    if (text.compare(QLatin1String("loop"), Qt::CaseInsensitive) == 0) {
        value = Lighting::LoopColour;
        return true;
    }
    if (parseNumber(text, 0, ColourCount - 1, what, value, error))
        return true;
    error = QStringLiteral("%1 %2 does not exist; use 0 to 6 or loop").arg(what, text);
    return false;
}

Changes readOptions(const QMap<QString, QString>& options, Lighting::KeyLighting& keys,
                    Lighting::BackLighting& back)
{
    Changes changes;
    QString& error = changes.error;
    const QStringList directions{"right", "left"};
    for (auto it = options.cbegin(); it != options.cend(); ++it) {
        const QString& name = it.key();
        const QString& text = it.value();
        bool ok = true;
        if (name == QLatin1String("effect")) {
            keys.type = Lighting::effectCode(text);
            ok = keys.type >= 0;
            if (!ok)
                error = QStringLiteral("effect %1 does not exist; use %2, or a code 0x00 to 0x0B "
                                       "or 0x33 to 0x37")
                            .arg(text, Lighting::typedEffectNames());
        } else if (name == QLatin1String("speed"))
            ok = parseNumber(text, 1, Lighting::SlowestSpeed, "speed", keys.speed, error);
        else if (name == QLatin1String("brightness"))
            ok = parseNumber(text, 0, Lighting::Levels, "brightness", keys.brightness, error);
        else if (name == QLatin1String("direction"))
            ok = readChoice(text, directions, "direction", keys.direction, error);
        else if (name == QLatin1String("color"))
            ok = readColour(text, "color", keys.colour, error);
        else if (name == QLatin1String("backlight-effect"))
            ok = parseNumber(text, 0, Lighting::BackLightEffects - 1, "backlight-effect",
                             back.effect, error);
        else if (name == QLatin1String("backlight-speed"))
            ok = parseNumber(text, 1, Lighting::SlowestSpeed, "backlight-speed", back.speed, error);
        else if (name == QLatin1String("backlight-brightness"))
            ok = parseNumber(text, 0, Lighting::Levels, "backlight-brightness", back.brightness,
                             error);
        else if (name == QLatin1String("backlight-direction"))
            ok = readChoice(text, directions, "backlight-direction", back.direction, error);
        else if (name == QLatin1String("backlight-color"))
            ok = readColour(text, "backlight-color", back.colour, error);
        if (!ok)
            return changes;
        (name.startsWith(QLatin1String("backlight-")) ? changes.backLighting
                                                      : changes.keyLighting) = true;
    }
    return changes;
}

// The seven colours the colour page holds: the profile's, else the factory's.
QVariantList colourSet(myQQuickView& view)
{
    const QVariantList stored = view.ui_B0H_GetColor();
    if (stored.size() >= ColourCount * ChannelsPerColour)
        return stored.mid(0, ColourCount * ChannelsPerColour);
    QVariantList factory = view.loadDefaultProfile("color/color").toList();
    while (factory.size() < ColourCount * ChannelsPerColour)
        factory.append(0);
    return factory.mid(0, ColourCount * ChannelsPerColour);
}

// The colour page's apply: the colour set, the pictures (the shown one sent,
// the others only stored), then the lighting record with the back-light
// bytes given.
void applyColourPage(myQQuickView& view, const QVariantList& colours,
                     const Lighting::KeyLighting& keys, int bl0, int bl1)
{
    view.ui_30H_SetColor(colours);
    const int shownPicture = keys.type - Lighting::FirstPicture;
    constexpr uchar SendPicture = 0, StorePicture = 255;
    if (shownPicture >= 0 && shownPicture < Lighting::PictureCount)
        view.ui_12H_SetUserPicture(uchar(shownPicture), SendPicture,
                                   view.ui_92H_GetUserPicture(uchar(shownPicture)));
    for (int p = 0; p < Lighting::PictureCount; ++p)
        if (p != shownPicture)
            view.ui_12H_SetUserPicture(uchar(p), StorePicture,
                                       view.ui_92H_GetUserPicture(uchar(p)));
    view.ui_08H_SetLEDType(uchar(keys.type), uchar(Lighting::brightnessByte(keys.brightness)),
                           uchar(keys.speed), uchar(keys.direction), uchar(keys.colour), uchar(bl0),
                           uchar(bl1));
}

void printLighting(const QVariantList& record, bool json, Console& console)
{
    const Lighting::KeyLighting keys = Lighting::keyLightingShown(record);
    const Lighting::BackLighting back = Lighting::backLightingShown(
        Lighting::byteAt(record, BackLight0At), Lighting::byteAt(record, BackLight1At));
    const QString effect = Lighting::effectName(keys.type);
    if (json) {
        QJsonArray values;
        for (int i = 0; i < Lighting::Values; ++i)
            values.append(Lighting::byteAt(record, i));
        printJson(QJsonObject{{"effect", effect},
                              {"effectCode", keys.type},
                              {"speed", keys.speed},
                              {"brightness", keys.brightness},
                              {"direction", directionName(keys.direction)},
                              {"color", colourValue(keys.colour)},
                              {"backlightEffect", back.effect},
                              {"backlightSpeed", back.speed},
                              {"backlightBrightness", back.brightness},
                              {"backlightDirection", directionName(back.direction)},
                              {"backlightColor", colourValue(back.colour)},
                              {"record", values}},
                  console);
        return;
    }
    console.print(
        QStringLiteral("effect: %1 (0x%2)").arg(effect).arg(keys.type, 2, 16, QChar('0')));
    console.print(QStringLiteral("speed: %1").arg(keys.speed));
    console.print(QStringLiteral("brightness: %1").arg(keys.brightness));
    console.print(QStringLiteral("direction: %1").arg(directionName(keys.direction)));
    console.print(QStringLiteral("color: %1").arg(colourText(keys.colour)));
    console.print(QStringLiteral("backlight effect: %1").arg(back.effect));
    console.print(QStringLiteral("backlight speed: %1").arg(back.speed));
    console.print(QStringLiteral("backlight brightness: %1").arg(back.brightness));
    console.print(QStringLiteral("backlight direction: %1").arg(directionName(back.direction)));
    console.print(QStringLiteral("backlight color: %1").arg(colourText(back.colour)));
}

} // namespace

int lighting(const Request& request, KeyboardSession& session, Console& console)
{
    const QString& command = request.command;
    if (!request.words.isEmpty())
        return console.fail(Exit::Usage, command,
                            QStringLiteral("unexpected argument %1; lighting takes only options")
                                .arg(request.words.first()));
    Lighting::KeyLighting keys;
    Lighting::BackLighting back;
    const Changes checked = readOptions(request.options, keys, back);
    if (!checked.error.isEmpty())
        return console.fail(Exit::Usage, command, checked.error);
    if (!session.keyboardFound())
        return keyboardAbsent(command, console);

    myQQuickView& view = session.view();
    view.syncLed();
    const QVariantList record = view.ui_88H_GetLEDType();
    if (!checked.keyLighting && !checked.backLighting) {
        printLighting(record, request.json, console);
        return Exit::Done;
    }
    // Start from what the pages show for the record, then the options again.
    keys = Lighting::keyLightingShown(record);
    back = Lighting::backLightingShown(Lighting::byteAt(record, BackLight0At),
                                       Lighting::byteAt(record, BackLight1At));
    readOptions(request.options, keys, back);
    const int bl0 = checked.backLighting ? Lighting::packBackLight0(back)
                                         : Lighting::byteAt(record, BackLight0At);
    const int bl1 = checked.backLighting ? Lighting::packBackLight1(back)
                                         : Lighting::byteAt(record, BackLight1At);
    if (checked.keyLighting) {
        applyColourPage(view, colourSet(view), keys, bl0, bl1);
    } else {
        // The back-lighting page's apply: the first five values as stored.
        view.ui_08H_SetLEDType(
            uchar(Lighting::byteAt(record, 0)), uchar(Lighting::byteAt(record, 1)),
            uchar(Lighting::byteAt(record, 2)), uchar(Lighting::byteAt(record, 3)),
            uchar(Lighting::byteAt(record, 4)), uchar(bl0), uchar(bl1));
    }
    return session.finishWrites() ? Exit::Done : writesFailed(command, console);
}

int colors(const Request& request, KeyboardSession& session, Console& console)
{
    const QString& command = request.command;
    static const QRegularExpression rgb(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    static const QRegularExpression numbered(QStringLiteral("^(\\d+)=(.*)$"));
    QList<QPair<int, QColor>> changes;
    const bool allSeven = !request.words.isEmpty() && !numbered.match(request.words[0]).hasMatch();
    if (allSeven && request.words.size() != ColourCount)
        return console.fail(Exit::Usage, command,
                            QStringLiteral("give all seven colours as #RRGGBB, or N=#RRGGBB with "
                                           "N from 0 to 6; got %1 values")
                                .arg(request.words.size()));
    for (int i = 0; i < request.words.size(); ++i) {
        const QString& word = request.words[i];
        int index = i;
        QString value = word;
        if (!allSeven) {
            const QRegularExpressionMatch match = numbered.match(word);
            QString error;
            if (!match.hasMatch())
                return console.fail(Exit::Usage, command,
                                    QStringLiteral("%1 is not N=#RRGGBB; N is 0 to 6").arg(word));
            if (!parseNumber(match.captured(1), 0, ColourCount - 1, "colour", index, error))
                return console.fail(Exit::Usage, command, error);
            value = match.captured(2);
        }
        if (!rgb.match(value).hasMatch())
            return console.fail(
                Exit::Usage, command,
                QStringLiteral("colour %1 is not #RRGGBB (six hex digits)").arg(value));
        changes.append({index, QColor(value)});
    }
    if (!session.keyboardFound())
        return keyboardAbsent(command, console);

    myQQuickView& view = session.view();
    view.syncLed();
    QVariantList colours = colourSet(view);
    if (changes.isEmpty()) {
        QJsonArray list;
        for (int c = 0; c < ColourCount; ++c) {
            const QColor colour(colours.value(3 * c).toInt(), colours.value(3 * c + 1).toInt(),
                                colours.value(3 * c + 2).toInt());
            list.append(colour.name().toUpper());
        }
        if (request.json)
            printJson(list, console);
        else
            for (const QJsonValue& colour : list)
                console.print(colour.toString());
        return Exit::Done;
    }
    for (const auto& [index, colour] : changes) {
        colours[3 * index] = colour.red();
        colours[3 * index + 1] = colour.green();
        colours[3 * index + 2] = colour.blue();
    }
    const QVariantList record = view.ui_88H_GetLEDType();
    applyColourPage(view, colours, Lighting::keyLightingShown(record),
                    Lighting::byteAt(record, BackLight0At), Lighting::byteAt(record, BackLight1At));
    return session.finishWrites() ? Exit::Done : writesFailed(command, console);
}

} // namespace Commands
