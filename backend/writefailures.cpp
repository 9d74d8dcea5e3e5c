// The backend's answer to files that cannot be written: the disk is full or
// the folder read-only. Every file is replaced whole, so what was saved
// before stays; the user hears about it once, and the program goes on.
#include "dialogs.h"
#include "myqquickview.h"

#include <QDir>

void myQQuickView::writeProfiles()
{
    noteWrite(profiles.flush().value(0));
}

void myQQuickView::noteWrite(const QString& failedFile)
{
    if (failedFile.isEmpty()) {
        toldWriteFailure = false;
        return;
    }
    if (toldWriteFailure)
        return;
    toldWriteFailure = true;
    qWarning("q3config: could not write %s", qPrintable(QDir::toNativeSeparators(failedFile)));
    // Told after the scene's call has returned, not inside it.
    QMetaObject::invokeMethod(
        this,
        [this, failedFile] {
            dialogs->warn(tr("Not saved"),
                          tr("%1 could not be written: the disk may be full or the folder "
                             "read-only. The files saved before are unchanged; further changes "
                             "are not saved until there is room.")
                              .arg(QDir::toNativeSeparators(failedFile)));
        },
        Qt::QueuedConnection);
}
