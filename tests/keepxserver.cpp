#include "keepxserver.h"

#include <QTest>

#include <X11/Xlib.h>

KeepXServer::KeepXServer()
{
    // The server may be in the middle of a reset when the test starts.
    [[maybe_unused]] const bool connected =
        QTest::qWaitFor([this] { return (display = XOpenDisplay(nullptr)) != nullptr; }, 5000);
}

KeepXServer::~KeepXServer()
{
    if (display)
        XCloseDisplay(display);
}
