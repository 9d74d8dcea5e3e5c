#pragma once

#include <QtGlobal>

// The global hooks' callbacks: hand key and mouse-button events to the
// backend of the main window given as `context`, which passes them to the
// scene. A null context does nothing.
void forwardKeyToScene(quint8 usbCode, bool isDown, void* context);
void forwardMouseButtonToScene(quint8 vornCode, bool isDown, qint32 x, qint32 y, void* context);
