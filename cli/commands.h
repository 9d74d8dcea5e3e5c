#pragma once

#include "console.h"
#include "request.h"

#include <QJsonValue>

class KeyboardSession;

// The commands of the command line, one per file. Each checks every value it
// was given before it changes anything, then works through the session's
// backend view; it returns an exit code and prints to the console.
namespace Commands {

int info(const Request& request, KeyboardSession& session, Console& console);
int profile(const Request& request, KeyboardSession& session, Console& console);
int lighting(const Request& request, KeyboardSession& session, Console& console);
int colors(const Request& request, KeyboardSession& session, Console& console);
int keys(const Request& request, KeyboardSession& session, Console& console);
int macro(const Request& request, KeyboardSession& session, Console& console);

// The help of one command, and the list of all of them.
QString help(const QString& command);
QString overview();

// Shared by the commands.
int keyboardAbsent(const QString& command, Console& console);
int writesFailed(const QString& command, Console& console);
void printJson(const QJsonValue& value, Console& console);
// A number from `first` to `last`; false (and `error` set) otherwise.
bool parseNumber(const QString& text, int first, int last, const QString& what, int& value,
                 QString& error);
// Whether `path` can be written: an existing writable file, or a new file in
// an existing writable folder. `error` says why not.
bool canWrite(const QString& path, QString& error);
// The bytes of a file; empty when it cannot be read.
QByteArray fileContents(const QString& path);

} // namespace Commands
