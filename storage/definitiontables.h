#pragma once

#include <QMap>
#include <QString>
#include <QVariantList>

// The two read-only definition files: the hardware definition (limits and the
// keyboard drawing of every layout) and the key-code definition (key names
// and their USB usage codes).

struct HardwareLimits
{
    quint8 kbLayoutType = 0;
    quint8 maxMacro = 0;   // at most MaxMacros
    quint8 maxProfile = 0; // at most MaxProfiles

    static constexpr uint MaxMacros = 255;
    static constexpr uint MaxProfiles = 10;
};

// Group "common" of the hardware definition; absent values read as 0.
HardwareLimits readHardwareLimits(const QString& path);

// [K, F, then x, y, key type, label, matrix slot, factory code per drawn key]
// for layout group `layout`. Always 6 elements per drawn key: an entry with
// fewer items gives 0 (or "" for the label) for the missing ones. A count
// above 1024 reads as 1024.
QVariantList readHardwareDrawing(const QString& path, quint8 layout);

// A list of the key-code definition's group "common" ("usbStr", "usbCode"),
// as strings; empty when absent.
QVariantList readKeyCodeList(const QString& path, const QString& key);

// Key name → low 8 bits of its code, pairing usbStr and usbCode by position
// up to the shorter list; a later duplicate name wins.
QMap<QString, quint8> readKeyNameTable(const QString& path);
