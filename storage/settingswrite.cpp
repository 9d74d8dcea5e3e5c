#include "settingswrite.h"

bool writeThrough(QSettings& settings)
{
    settings.sync();
    return settings.status() != QSettings::AccessError;
}

bool writeThrough(std::unique_ptr<QSettings>& settings)
{
    const bool failedBefore = settings->status() == QSettings::AccessError;
    if (writeThrough(*settings))
        return true;
    if (!failedBefore)
        return false;
    auto fresh = std::make_unique<QSettings>(settings->fileName(), settings->format());
    if (!writeThrough(*fresh))
        return false;
    settings = std::move(fresh);
    return true;
}
