#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// One command line of the command-line tool, taken apart:
// `q3config <command> [words …] [--option VALUE | --option=VALUE …]`.
// `--virtual-keyboard`, `--capture FILE`, `--json` and `--help` may stand
// anywhere after the command.
struct Request
{
    QString command;
    QStringList words;              // positional arguments after the command
    QMap<QString, QString> options; // value options, without the leading "--"
    bool json = false;
    bool help = false;
    bool virtualKeyboard = false;
    QString capturePath;     // absolute; empty: no capture
    QString error;           // set when the line cannot be used
    QString callerDirectory; // where relative file names start

    // Word `index` as a file name, absolute.
    QString filePath(int index) const;

    // `arguments` without the program name.
    // Relative file names are taken from `callerDirectory`.
    static Request parse(const QStringList& arguments, const QString& callerDirectory);
    // The commands the tool knows.
    static const QStringList& commands();
    // The value options `command` accepts.
    static QStringList valueOptions(const QString& command);
};
