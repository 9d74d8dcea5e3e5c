#pragma once

#include "console.h"

#include <QString>
#include <QStringList>

class HidBackend;

// The command line for scripts: `q3config <command> [options]`.
namespace Cli {

// Whether the program's first argument names a command.
bool isCommand(const QString& argument);

// Before the application object exists: no display needed, and only the
// command's own messages on standard error.
void prepareProcess();

// Runs one command line (`arguments` without the program name) on `backend`.
// The data roots and the current directory must be set up.
// Relative file names are taken from `callerDirectory`.
int execute(const QStringList& arguments, HidBackend& backend, Console& console,
            const QString& callerDirectory);

// The whole program for a command line: data roots, the one-program guard,
// the user data folder, the HID layer and the capture, then `execute`;
// prints the console. `installedData` is the data tree seen from the
// installed program.
int runProgram(const QStringList& arguments, const QString& installedData);

} // namespace Cli
