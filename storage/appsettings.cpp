#include "appsettings.h"

#include "filecopy.h"
#include "settingswrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

AppSettings::AppSettings(const QString& path, const QString& factoryPath)
    : path(path), factoryPath(factoryPath),
      settings(std::make_unique<QSettings>(path, QSettings::IniFormat))
{
}

namespace {
// The settings page has 32 entries; a damaged count must not exhaust memory.
// Entries beyond this many are not read.
constexpr int MaxEntries = 1024;
} // namespace

QVariantList AppSettings::load() const
{
    QVariantList values;
    const int total = qMin(settings->value("common/total", 0).toInt(), MaxEntries);
    for (int i = 0; i < total; ++i)
        values.append(settings->value("common/" + QString::number(i), 0));
    return values;
}

bool AppSettings::save(const QVariantList& values)
{
    settings->setValue("common/total", int(values.size()));
    for (int i = 0; i < values.size(); ++i)
        settings->setValue("common/" + QString::number(i), values[i]);
    return writeThrough(settings);
}

bool AppSettings::reset()
{
    // Closed first, so that a pending write lands before the file is replaced
    // and never on the factory copy. Without a factory copy there are no
    // settings; a copy that fails (a full disk) leaves the old file.
    settings.reset();
    bool replaced = true;
    if (QFileInfo::exists(factoryPath))
        replaced = replaceWithCopy(path, factoryPath);
    else
        QFile::remove(path);
    settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    return replaced;
}

QStringList AppSettings::productNames() const
{
    return settings->value("common/product_name").toStringList();
}

bool hasSkinChoice(const QString& skinRoot)
{
    return QDir(skinRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() >= 2;
}
