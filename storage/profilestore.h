#pragma once

#include "dataroots.h"

#include <QList>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

// The on-disk copy of every on-board profile: one INI file per profile,
// "p<k+1>.bin" for profile k, and the read-only factory profile "pD.bin" in
// the factory directory (the same directory when run from a build). The files
// stay open for the whole run and reach the disk through QSettings' deferred
// write.
//
// GUI thread only: the device event loop hands its values to the GUI thread
// before they are stored here.
class ProfileStore
{
public:
    // Directories end without a slash, e.g. "./modules/setting".
    explicit ProfileStore(
        const QString& directory = DataRoots::current().profileDirectory(),
        const QString& factoryDirectory = DataRoots::current().factoryProfileDirectory());
    ProfileStore(const ProfileStore&) = delete;
    ProfileStore& operator=(const ProfileStore&) = delete;

    // Opens the files of profiles 0 … count-1; creates none of them.
    void open(int count);

    int count() const { return int(profiles.size()); }
    bool contains(int profile) const { return profile >= 0 && profile < count(); }
    QString fileName(int profile) const;
    QString factoryFileName() const;

    // The settings of a profile; null when there is no such profile. Valid
    // until the next import, reset or flush.
    QSettings* at(int profile) const;
    QSettings* current() const { return at(currentProfile); }
    quint8 currentIndex() const { return currentProfile; }
    void setCurrentIndex(quint8 profile) { currentProfile = profile; }

    // Copies the profile's file to `target`, replacing a file of that name.
    bool exportTo(int profile, const QString& target);
    // Replaces the profile's file by a copy of `source` and reopens it.
    // Choosing the profile's own file changes nothing.
    bool importFrom(int profile, const QString& source);
    // Replaces the profile by the factory profile.
    bool reset(int profile) { return importFrom(profile, factoryFileName()); }

    // Writes every profile's pending changes through to the disk; the files
    // that could not be written (they keep their previous contents, and the
    // changes stay pending for the next write).
    QStringList flush();

    // The factory profile's value of `key`; invalid when absent.
    QVariant factoryValue(const QString& key) const;

private:
    QString directory;
    QString factoryDirectory;
    std::vector<std::unique_ptr<QSettings>> profiles;
    quint8 currentProfile = 0;
};
