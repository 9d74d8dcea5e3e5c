#pragma once

#include <QString>

// The directory of `applicationFilePath` (Qt's form, "/" separators); empty
// when the path has no directory part.
QString programDirectoryOf(const QString& applicationFilePath);

// Makes the directory of `applicationFilePath` the current directory, so that
// every "./modules/…" path resolves beside the program. Returns whether the
// change succeeded.
bool enterProgramDirectory(const QString& applicationFilePath);
