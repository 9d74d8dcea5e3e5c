#pragma once

#include "hid_thread.h"

#include <QString>
#include <memory>

class HidBackend;
class myQQuickView;
class AnsweringDialogs;

// The window's backend without the window: the device worker on the given
// HID layer, the backend view (its scene is never loaded) and the device
// check and firmware synchronisation of a start-up. Every command of the
// command line works through `view()`, the same slots the scene calls.
class KeyboardSession
{
public:
    explicit KeyboardSession(HidBackend& backend);
    ~KeyboardSession(); // waits for the last write

    bool keyboardFound() const;
    myQQuickView& view() const { return *backendView; }

    // The file the backend's next file chooser answers with.
    void answerFileChoosers(const QString& path);
    // Warnings the backend raised (a macro too long for its slot).
    QStringList warnings() const;

    // Waits until every write has been handed to the keyboard; false when a
    // transfer failed since the session began.
    bool finishWrites();

private:
    Hid_Thread hid;
    std::unique_ptr<AnsweringDialogs> dialogs;
    std::unique_ptr<myQQuickView> backendView;
};
