#pragma once

// The program's data files as a second reader sees them on disk, for Qt
// Quick tests: the application settings (live and factory copy) entry by
// entry, and files of the data tree written or restored as a user editing
// them would.
#include <QFile>
#include <QObject>
#include <QSettings>
#include <QTemporaryDir>
#include <QVariant>

class SettingsProbe : public QObject
{
    Q_OBJECT

public:
    // Entry `position` of the live ("apConfig.bin") or factory
    // ("apConfigD.bin") settings file as text; "total" for the count. Read
    // from a copy, so the program's open settings object does not answer.
    Q_INVOKABLE QString entry(bool factory, const QString& position) const
    {
        QTemporaryDir copyDir;
        const QString copy = copyDir.filePath("settings.ini");
        if (!QFile::copy(settingsPath(factory), copy))
            return QStringLiteral("<no file>");
        const QSettings settings(copy, QSettings::IniFormat);
        return settings.value("common/" + position).toString();
    }

    Q_INVOKABLE void setFactoryEntry(int position, const QVariant& value)
    {
        QSettings settings(settingsPath(true), QSettings::IniFormat);
        settings.setValue("common/" + QString::number(position), value);
    }

    // A data file's bytes as Latin-1 text, and back; "" when it cannot be read.
    Q_INVOKABLE QString read(const QString& relativePath) const
    {
        QFile file(relativePath);
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
    }
    Q_INVOKABLE bool write(const QString& relativePath, const QString& latin1Text)
    {
        QFile file(relativePath);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(latin1Text.toLatin1()) == latin1Text.size();
    }

private:
    static QString settingsPath(bool factory)
    {
        return factory ? QStringLiteral("modules/setting/apConfigD.bin")
                       : QStringLiteral("modules/setting/apConfig.bin");
    }
};
