#pragma once

#include <QSettings>
#include <memory>

// Writes the settings' pending changes now. False when they did not reach the
// disk (a full or read-only folder): the file keeps its previous contents,
// since QSettings replaces it whole, and the changes stay pending.
bool writeThrough(QSettings& settings);

// The same for settings that stay open: QSettings keeps its first error for
// the rest of its life, so once a write has failed, a fresh object on the
// same file (it shares the pending changes) tells whether the next one went
// through, and replaces the old object when it did.
bool writeThrough(std::unique_ptr<QSettings>& settings);
