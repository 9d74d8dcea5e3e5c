#pragma once

#include <QString>

// Makes the directory of `applicationFilePath` (Qt's form, "/" separators)
// the current directory, so that every "./modules/…" path resolves beside
// the program. Returns whether the change succeeded.
bool enterProgramDirectory(const QString& applicationFilePath);
