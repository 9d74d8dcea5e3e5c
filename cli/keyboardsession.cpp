#include "keyboardsession.h"

#include "devicetable.h"
#include "dialogs.h"
#include "myqquickview.h"

// File choosers answered with the path given on the command line; warnings
// kept for the command to print.
class AnsweringDialogs : public Dialogs
{
public:
    QString path;
    QStringList warnings;

    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return path;
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&) override
    {
        return path;
    }
    void warn(const QString& title, const QString& text) override
    {
        warnings << (title.isEmpty() ? text : title + ": " + text);
    }
};

KeyboardSession::KeyboardSession(HidBackend& backend)
    : hid(backend), dialogs(std::make_unique<AnsweringDialogs>()),
      backendView(std::make_unique<myQQuickView>())
{
    backendView->hidThread = &hid;
    backendView->setDialogs(dialogs.get());
    hid.scanDevices(readDeviceTable(DeviceTableResource, backendView->productNames()));
    if (keyboardFound())
        backendView->syncFW();
}

KeyboardSession::~KeyboardSession()
{
    hid.waitForWrites();
    backendView.reset();
}

bool KeyboardSession::keyboardFound() const
{
    const QList<DeviceSlot> found = hid.slotsSnapshot();
    const int current = int(hid.currentDevice());
    return current < found.size() && !found[current].commandPath.isEmpty();
}

void KeyboardSession::answerFileChoosers(const QString& path)
{
    dialogs->path = path;
}

QStringList KeyboardSession::warnings() const
{
    return dialogs->warnings;
}

bool KeyboardSession::finishWrites()
{
    hid.waitForWrites();
    return hid.failedTransfers() == 0 && keyboardFound();
}
