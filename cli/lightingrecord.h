#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

// The lighting record [type, brightness, speed, direction, color, bl0, bl1]
// as the two lighting pages read it into their controls and write it back:
// the command line changes the controls' values, never the bytes directly, so
// what it writes is what the pages' apply writes.
namespace Lighting {

constexpr int Values = 7;
constexpr int Levels = 7;          // brightness levels 0 … 7
constexpr int BrightnessMax = 63;  // the keyboard's brightness scale
constexpr int SlowestSpeed = 7;    // speed values 1 (fastest) … 7
constexpr int LoopColour = 7;      // colour choice 7: all seven in turn
constexpr int FirstPicture = 0x33; // effect codes of the five user pictures
constexpr int PictureCount = 5;
constexpr int BackLightEffects = 4;

// The colour page's controls.
struct KeyLighting
{
    int type = 0;       // effect code
    int brightness = 7; // level 0 … 7
    int speed = 4;      // value 1 … 7
    int direction = 0;  // 0 right, 1 left
    int colour = 6;     // 0 … 6, or LoopColour
};

// The back-lighting page's controls, packed into bl0 and bl1.
struct BackLighting
{
    int effect = 0;     // 0 … 3
    int brightness = 7; // 0 … 7
    int speed = 4;      // value 0 … 7 as stored
    int colour = 7;     // 0 … 6, or LoopColour
    int direction = 0;  // 0 right, 1 left
};

// Element `index` of a stored record as a byte; 0 when missing.
int byteAt(const QVariantList& record, int index);

// The controls the colour page shows for a stored record (an empty record
// leaves the page's starting values), already in the form its apply writes:
// an unknown type becomes 0, a speed out of 1 … 7 becomes 7.
KeyLighting keyLightingShown(const QVariantList& record);
// The back-lighting page's controls for bl0 and bl1.
BackLighting backLightingShown(int bl0, int bl1);

// The bytes the pages' apply writes for their controls.
int brightnessByte(int level); // nearest integer to level × 63 / 7
int packBackLight0(const BackLighting& settings);
int packBackLight1(const BackLighting& settings);

// Effect names as the colour page lists them, index = code: "STATIC" … and
// "USER DEFINE 1" … "USER DEFINE 5" for codes 0x33 … 0x37.
const QStringList& effectNames();
QString effectName(int code); // empty for a code without a name
// The code of a name (compared like media names) or of a number (decimal or
// 0x hex) that names an effect; -1 otherwise.
int effectCode(const QString& nameOrCode);
// Every effect name as typed on a command line: "static, breathing, …".
QString typedEffectNames();

} // namespace Lighting
