#pragma once

#include "dataroots.h"

#include <QString>
#include <QStringList>

// Makes the user root ready before the program opens its files: creates the
// settings and macro folders, gives a missing settings file the factory
// settings, and replaces damaged settings, profile and macro files (see
// datafilecheck.h): settings and profiles by their factory copy, macros by
// removal (the macro library's start-up repair then gives a freed slot a new,
// empty macro). Undamaged files are left alone.
class UserDataFolder
{
public:
    explicit UserDataFolder(const DataRoots& roots);

    // Returns false when the folder cannot be used (`problem()` says why);
    // the program then runs on what it can read and its writes fail.
    bool prepare();

    QString problem() const { return problemText; }
    // What was replaced, one entry per file, e.g.
    // "setting/p2.bin (factory profile)", relative to the user root.
    QStringList repairs() const { return repaired; }

    // One line for the user, or empty when there is nothing to say.
    QString message() const;

private:
    bool makeFolder(const QString& path);
    void seedSettings();
    void repairSettings();
    void repairProfiles();
    void repairMacros();
    void replaceByFactoryCopy(const QString& file, const QString& factory, const QString& what);

    DataRoots roots;
    QString problemText;
    QStringList repaired;
};
