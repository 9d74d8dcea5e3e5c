#pragma once

#include <QSettings>
#include <QString>
#include <QVariantList>
#include <memory>

// The application settings file: the settings page's positional list
// ("common/total" entries "common/0" …), the window title and the device
// names. Stays open for the whole run; a reset replaces it by the factory
// copy. GUI thread only.
class AppSettings
{
public:
    AppSettings(const QString& path, const QString& factoryPath);

    QVariantList load() const; // empty when "total" is absent or not positive
    // Both write through to the disk and are false when the file could not be
    // written; it then keeps its previous contents.
    bool save(const QVariantList& values); // leaves entries beyond the new total in place
    bool reset();                          // the live file becomes a byte copy of the factory file
    QString fileName() const { return path; }
    QStringList productNames() const;

private:
    QString path;
    QString factoryPath;
    std::unique_ptr<QSettings> settings;
};

// True when the skin root holds two or more skin directories.
bool hasSkinChoice(const QString& skinRoot);
