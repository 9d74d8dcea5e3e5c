#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// What the command line asks for. Qt's own options (-platform …) have been
// taken out by QApplication before this sees the arguments.
struct CommandLine
{
    enum class Outcome
    {
        Run,
        ShowHelp,
        ShowVersion,
        Error
    };

    Outcome outcome = Outcome::Run;
    bool virtualKeyboard = false;
    quint8 virtualLayout = 0; // layout mode the virtual keyboard reports
    QString capturePath;      // absolute; empty: no capture
    QString error;            // set with Outcome::Error

    // `arguments` begins with the program name. Also usable on the raw
    // arguments before the application object exists: Qt's own options are
    // then reported as errors, help and version are still recognised.
    static CommandLine parse(const QStringList& arguments);
    static QString usage();
    static QString version(); // "q3config <version>\n"
};
