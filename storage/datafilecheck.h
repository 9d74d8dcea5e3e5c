#pragma once

#include <QString>

// Whether a file the program writes is still as the program wrote it, or was
// damaged (cut short by a crash, overwritten by a bad copy). The program
// writes these files through QSettings in INI format, so a sound file is
// UTF-8 text without raw C0 control characters other than tab and line
// breaks (DEL may occur: QSettings writes it as it is) that ends with a line
// break and parses without error, and it is complete:
// - settings: "common/total" is a count N >= 0 and "common/0" … "common/<N-1>"
//   are all there (every save writes the whole list);
// - profile: every "keydefine<L>" group holds all 128 key positions (the key
//   matrix is always written whole);
// - macro: "macro/0" … "macro/<N-1>" are there for "config/total" = N.
// A missing file is not damaged.
enum class DataFileKind
{
    Settings,
    Profile,
    Macro
};

bool isDamagedDataFile(const QString& path, DataFileKind kind);
