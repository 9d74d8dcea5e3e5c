#include "profilestore.h"

#include "filecopy.h"

ProfileStore::ProfileStore(const QString& directory, const QString& factoryDirectory)
    : directory(directory), factoryDirectory(factoryDirectory)
{
}

ProfileStore::~ProfileStore()
{
    qDeleteAll(profiles);
}

void ProfileStore::open(int count)
{
    for (int k = profiles.size(); k < count; ++k)
        profiles.append(new QSettings(fileName(k), QSettings::IniFormat));
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
    return contains(profile) ? profiles[profile] : nullptr;
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
    delete profiles[profile];
    const bool copied = replaceWithCopy(name, source);
    profiles[profile] = new QSettings(name, QSettings::IniFormat);
    return copied;
}

QVariant ProfileStore::factoryValue(const QString& key) const
{
    const QSettings factory(factoryFileName(), QSettings::IniFormat);
    return factory.value(key, QVariant());
}
