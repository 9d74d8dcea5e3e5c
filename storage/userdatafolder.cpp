#include "userdatafolder.h"

#include "datafilecheck.h"
#include "filecopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

UserDataFolder::UserDataFolder(const DataRoots& roots) : roots(roots) {}

bool UserDataFolder::makeFolder(const QString& path)
{
    const QFileInfo folder(path);
    if (folder.exists() && !folder.isDir()) {
        problemText = QStringLiteral("%1 is not a folder").arg(path);
        return false;
    }
    if (!QDir().mkpath(path)) {
        problemText = QStringLiteral("cannot create %1").arg(path);
        return false;
    }
    if (!QFileInfo(path).isWritable()) {
        problemText = QStringLiteral("cannot write to %1").arg(path);
        return false;
    }
    return true;
}

bool UserDataFolder::prepare()
{
    problemText.clear();
    repaired.clear();
    if (!makeFolder(roots.profileDirectory()) || !makeFolder(roots.macroDirectory()))
        return false;
    repairSettings();
    seedSettings();
    repairProfiles();
    repairMacros();
    return true;
}

void UserDataFolder::seedSettings()
{
    if (!QFileInfo::exists(roots.settingsFile()))
        replaceWithCopy(roots.settingsFile(), roots.factorySettingsFile());
}

void UserDataFolder::replaceByFactoryCopy(const QString& file, const QString& factory,
                                          const QString& what)
{
    if (!replaceWithCopy(file, factory))
        QFile::remove(file);
    repaired << QStringLiteral("%1 (%2)").arg(QDir(roots.userRoot()).relativeFilePath(file), what);
}

void UserDataFolder::repairSettings()
{
    if (isDamagedDataFile(roots.settingsFile(), DataFileKind::Settings))
        replaceByFactoryCopy(roots.settingsFile(), roots.factorySettingsFile(),
                             QStringLiteral("factory settings"));
}

void UserDataFolder::repairProfiles()
{
    static const QRegularExpression profileName(QStringLiteral("^p[0-9]+\\.bin$"));
    const QDir folder(roots.profileDirectory());
    const QString factory = roots.factoryProfileDirectory() + QStringLiteral("/pD.bin");
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        if (profileName.match(name).hasMatch() &&
            isDamagedDataFile(folder.filePath(name), DataFileKind::Profile))
            replaceByFactoryCopy(folder.filePath(name), factory, QStringLiteral("factory profile"));
    }
}

void UserDataFolder::repairMacros()
{
    const QDir folder(roots.macroDirectory());
    for (const QString& name :
         folder.entryList({QStringLiteral("*.bin")}, QDir::Files, QDir::Name | QDir::IgnoreCase)) {
        const QString path = folder.filePath(name);
        if (isDamagedDataFile(path, DataFileKind::Macro) && QFile::remove(path))
            repaired << QStringLiteral("%1 (removed)")
                            .arg(QDir(roots.userRoot()).relativeFilePath(path));
    }
}

QString UserDataFolder::message() const
{
    if (!problemText.isEmpty())
        return QStringLiteral("q3config: cannot use the user data folder %1 (%2); changes will "
                              "not be saved")
            .arg(roots.userRoot(), problemText);
    if (!repaired.isEmpty())
        return QStringLiteral("q3config: replaced damaged files in %1: %2")
            .arg(roots.userRoot(), repaired.join(QStringLiteral(", ")));
    return QString();
}
