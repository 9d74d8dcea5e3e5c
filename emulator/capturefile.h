#pragma once

#include <QFile>
#include <QMutex>

class VirtualKeyboard;

// Writes the virtual keyboard's capture to a text file as it happens, one
// report per line, flushed line by line so the file is complete however the
// program ends.
class CaptureFile
{
public:
    // Opens (truncates) `path`; false when it cannot be written.
    bool open(const QString& path);
    // Starts writing every report of `keyboard`; `this` must outlive it or be
    // detached with keyboard.setCaptureSink({}).
    void attach(VirtualKeyboard& keyboard);
    QString errorString() const { return file.errorString(); }

private:
    QMutex mutex;
    QFile file;
};
