#pragma once

#include <QString>

// Exit codes of every command.
namespace Exit {
constexpr int Done = 0;
constexpr int Failed = 1; // keyboard absent, a transfer or a file operation failed
constexpr int Usage = 2;  // wrong command line, bad value, unusable input file
} // namespace Exit

// What a command prints: standard output and standard error, collected so
// that the program prints them and tests read them.
struct Console
{
    QString out;
    QString err;

    void print(const QString& line) { out += line + '\n'; }
    // One line on standard error, "q3config <command>: <message>"; returns `code`.
    int fail(int code, const QString& command, const QString& message)
    {
        err += (command.isEmpty() ? QStringLiteral("q3config: ") : "q3config " + command + ": ") +
               message + '\n';
        return code;
    }
};
