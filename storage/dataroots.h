#pragma once

#include <QString>

// Where the program's files are. Two roots:
// - the data root, "./modules" in the data directory (which the program makes
//   its current directory): the files it only reads (definition tables,
//   factory settings and profile, language packs, sounds, skins);
// - the user root: the files it writes (settings "setting/apConfig.bin",
//   profiles "setting/p<k>.bin", the macro library "macro/").
// Run from a build directory both roots are "./modules" beside the program.
// Installed, the program directory holds no data: the data directory is the
// installed "<bin>/<installedData>" and the user root is the user's data
// folder "$XDG_DATA_HOME/q3config".
//
// The storage code asks `current()` for every path; the entry point chooses
// the roots once, before anything is read.
class DataRoots
{
public:
    // Both roots "./modules", the data directory unchanged.
    DataRoots();

    // The roots of a program in `programDirectory`:
    // - its "modules" folder when that exists and is writable (a build);
    // - "modules" there but read-only: that as the data root, the user's
    //   folder for the written files;
    // - no "modules" there but "<programDirectory>/<installedData>/modules":
    //   an installed program, the user's folder for the written files;
    // - neither: as a build, the files will be missing.
    // `userDataHome` is "$XDG_DATA_HOME" or its default (`userDataHome()`).
    static DataRoots locate(const QString& programDirectory, const QString& installedData,
                            const QString& userDataHome);

    // "$XDG_DATA_HOME" when it is an absolute path, else "~/.local/share".
    static QString userDataHome();

    static const DataRoots& current();
    static void setCurrent(const DataRoots& roots);

    // The directory to make current; empty means "leave it".
    QString dataDirectory() const { return dataDir; }

    QString dataRoot() const { return QStringLiteral("./modules"); }
    QString userRoot() const { return userDir; }

    QString settingsFile() const { return userDir + "/setting/apConfig.bin"; }
    QString factorySettingsFile() const { return dataRoot() + "/setting/apConfigD.bin"; }
    QString profileDirectory() const { return userDir + "/setting"; }
    QString factoryProfileDirectory() const { return dataRoot() + "/setting"; }
    QString macroDirectory() const { return userDir + "/macro"; }

private:
    QString dataDir;
    QString userDir;
};
