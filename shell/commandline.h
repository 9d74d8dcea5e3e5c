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
        Error
    };

    Outcome outcome = Outcome::Run;
    bool virtualKeyboard = false;
    quint8 virtualLayout = 0; // layout mode the virtual keyboard reports
    QString capturePath;      // absolute; empty: no capture
    QString error;            // set with Outcome::Error

    static CommandLine parse(const QStringList& arguments);
    static QString usage();
};
