#pragma once

#include <QString>

// Replaces `target` (which may not exist) by a copy of `source`. The copy is
// written to a temporary file next to the target, flushed to the disk and
// only then put in the target's place (QSaveFile), so the target is at every
// moment either the old file or the complete copy, also when the program is
// killed halfway; on failure the old file stays as it was. The copy's
// modification time is later than the replaced file's: QSettings keeps parsed
// files cached by size and time, and a same-sized copy made within the same
// millisecond would otherwise be read from that stale cache. The copy is
// readable and writable by its owner also when the source is read-only (an
// installed factory copy, an imported file from read-only media).
bool replaceWithCopy(const QString& target, const QString& source);

// True when both paths name the same existing file.
bool isSameFile(const QString& a, const QString& b);
