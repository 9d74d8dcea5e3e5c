#include "profilestore.h"

#include "filecopy.h"
#include "settingswrite.h"

ProfileStore::ProfileStore(const QString& directory, const QString& factoryDirectory)
    : directory(directory), factoryDirectory(factoryDirectory)
{
}

void ProfileStore::open(int count)
{
    for (int k = this->count(); k < count; ++k)
        profiles.push_back(std::make_unique<QSettings>(fileName(k), QSettings::IniFormat));
}

QString ProfileStore::fileName(int profile) const
{
    return directory + "/p" + QString::number(profile + 1) + ".bin";
}

QString ProfileStore::factoryFileName() const
{
    return factoryDirectory + "/pD.bin";
}

QSettings* ProfileStore::at(int profile) const
{
    return contains(profile) ? profiles[profile].get() : nullptr;
}

bool ProfileStore::exportTo(int profile, const QString& target)
{
    if (!contains(profile))
        return false;
    profiles[profile]->sync(); // the export holds what the program shows
    if (isSameFile(fileName(profile), target))
        return true;
    return replaceWithCopy(target, fileName(profile));
}

bool ProfileStore::importFrom(int profile, const QString& source)
{
    if (!contains(profile))
        return false;
    const QString name = fileName(profile);
    if (isSameFile(name, source))
        return true;
    // Deleted now rather than later: a pending write of the old object must
    // land before the file is replaced, never on the new copy.
    profiles[profile].reset();
    const bool copied = replaceWithCopy(name, source);
    profiles[profile] = std::make_unique<QSettings>(name, QSettings::IniFormat);
    return copied;
}

QStringList ProfileStore::flush()
{
    QStringList failed;
    for (int k = 0; k < count(); ++k)
        if (!writeThrough(profiles[k]))
            failed << fileName(k);
    return failed;
}

QVariant ProfileStore::factoryValue(const QString& key) const
{
    const QSettings factory(factoryFileName(), QSettings::IniFormat);
    return factory.value(key, QVariant());
}
