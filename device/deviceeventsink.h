#pragma once

#include <QList>

// Receives what the keyboard reports by itself on its event interface.
// Called on the event loop's pool thread: implementations hand the values to
// their own thread before touching shared state.
class DeviceEventSink
{
public:
    virtual ~DeviceEventSink() = default;

    // The keyboard's lighting changed: type, brightness, speed, direction,
    // color, bl0, bl1.
    virtual void keyboardLightingChanged(const QList<int>& lighting) = 0;
};
