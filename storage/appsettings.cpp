#include "appsettings.h"

#include "filecopy.h"

#include <QDir>
#include <QFile>

AppSettings::AppSettings(const QString& path, const QString& factoryPath)
    : path(path), factoryPath(factoryPath),
      settings(std::make_unique<QSettings>(path, QSettings::IniFormat))
{
}

QVariantList AppSettings::load() const
{
    QVariantList values;
    for (int i = 0; i < settings->value("common/total", 0).toInt(); ++i)
        values.append(settings->value("common/" + QString::number(i), 0));
    return values;
}

void AppSettings::save(const QVariantList& values)
{
    settings->setValue("common/total", int(values.size()));
    for (int i = 0; i < values.size(); ++i)
        settings->setValue("common/" + QString::number(i), values[i]);
}

void AppSettings::reset()
{
    // Closed first, so that a pending write lands before the file is replaced
    // and never on the factory copy.
    settings.reset();
    if (!replaceWithCopy(path, factoryPath))
        QFile::remove(path);
    settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

QStringList AppSettings::productNames() const
{
    return settings->value("common/product_name").toStringList();
}

bool hasSkinChoice(const QString& skinRoot)
{
    return QDir(skinRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() >= 2;
}
