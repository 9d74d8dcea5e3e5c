#include "lightingrecord.h"

#include "mediafunctions.h"

namespace Lighting {

namespace {

constexpr int TypeAt = 0, BrightnessAt = 1, SpeedAt = 2, DirectionAt = 3, ColourAt = 4;
constexpr int LastEffect = 0x0B;

constexpr int EffectMask = 0x1F;
constexpr int BrightnessShift = 5;
constexpr int BrightnessMask = 0xE0;
constexpr int SpeedMask = 0x07;
constexpr int ColourShift = 3;
constexpr int ColourMask = 0x38;
constexpr int DirectionShift = 6;
constexpr int DirectionMask = 0xC0;
constexpr int DirectionBit = 0x01;

bool isKnownType(int type)
{
    return (type >= 0 && type <= LastEffect) ||
           (type >= FirstPicture && type < FirstPicture + PictureCount);
}

} // namespace

int byteAt(const QVariantList& record, int index)
{
    return record.value(index, 0).toInt() & 0xFF;
}

KeyLighting keyLightingShown(const QVariantList& record)
{
    KeyLighting shown;
    if (record.isEmpty())
        return shown;
    const int type = byteAt(record, TypeAt);
    shown.type = isKnownType(type) ? type : 0;
    const int brightness = byteAt(record, BrightnessAt);
    if (brightness <= BrightnessMax)
        shown.brightness = qRound(double(brightness) * Levels / BrightnessMax);
    const int speed = byteAt(record, SpeedAt);
    shown.speed = speed >= 1 && speed <= SlowestSpeed ? speed : SlowestSpeed;
    shown.direction = byteAt(record, DirectionAt) % 2;
    const int colour = byteAt(record, ColourAt);
    if (colour <= LoopColour)
        shown.colour = colour;
    return shown;
}

BackLighting backLightingShown(int bl0, int bl1)
{
    BackLighting shown;
    const int effect = bl0 & EffectMask;
    shown.effect = effect < BackLightEffects ? effect : 0;
    shown.brightness = (bl0 & BrightnessMask) >> BrightnessShift;
    shown.speed = bl1 & SpeedMask;
    shown.colour = (bl1 & ColourMask) >> ColourShift;
    shown.direction = (bl1 >> DirectionShift) & DirectionBit;
    return shown;
}

int brightnessByte(int level)
{
    return qRound(double(level) * BrightnessMax / Levels);
}

int packBackLight0(const BackLighting& settings)
{
    return (settings.effect & EffectMask) |
           ((settings.brightness << BrightnessShift) & BrightnessMask);
}

int packBackLight1(const BackLighting& settings)
{
    return (settings.speed & SpeedMask) | ((settings.colour << ColourShift) & ColourMask) |
           ((settings.direction << DirectionShift) & DirectionMask);
}

const QStringList& effectNames()
{
    static const QStringList names{
        "STATIC",         "BREATHING",          "WAVE", "INDUCTION DARKEN", "MARQUEE",
        "RIPPLE",         "INDUCTION BRIGHTEN", "NEON", "MARQUEE COLORFUL", "RAINING",
        "MARQUEE CIRCLE", "SPOTLIGHT"};
    return names;
}

QString effectName(int code)
{
    if (code >= 0 && code < effectNames().size())
        return effectNames()[code];
    if (code >= FirstPicture && code < FirstPicture + PictureCount)
        return QStringLiteral("USER DEFINE %1").arg(code - FirstPicture + 1);
    return {};
}

int effectCode(const QString& nameOrCode)
{
    bool isNumber = false;
    const int code = nameOrCode.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                         ? nameOrCode.mid(2).toInt(&isNumber, 16)
                         : nameOrCode.toInt(&isNumber, 10);
    if (isNumber)
        return isKnownType(code) ? code : -1;
    const QString wanted = comparableName(nameOrCode);
    for (int candidate = 0; candidate <= FirstPicture + PictureCount; ++candidate) {
        const QString name = effectName(candidate);
        if (!name.isEmpty() && comparableName(name) == wanted)
            return candidate;
    }
    return -1;
}

QString typedEffectNames()
{
    QStringList names;
    for (int code = 0; code < FirstPicture + PictureCount; ++code)
        if (!effectName(code).isEmpty())
            names << comparableName(effectName(code)).replace(' ', '-');
    return names.join(", ");
}

} // namespace Lighting
