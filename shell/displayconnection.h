#pragma once

#include <QString>
#include <memory>

class QApplication;

// The window's application object, made so that a display that cannot be
// reached ends the program with one line on standard error and exit status
// 1, instead of Qt's abort (and its core dump).
namespace DisplayConnection {

// The line printed when no display could be reached, for the environment
// given (the values of DISPLAY and WAYLAND_DISPLAY; empty when unset).
QString unreachableMessage(const QString& x11Display, const QString& waylandDisplay);

// Exit status of the program when no display could be reached.
constexpr int UnreachableExitCode = 1;

// Constructs the application object. While it connects to the display,
// Qt's messages are held back; they are passed on once it has connected.
// When the platform cannot be started, prints `unreachableMessage` and
// ends the process with `UnreachableExitCode`.
std::unique_ptr<QApplication> openApplication(int& argc, char** argv);

} // namespace DisplayConnection
