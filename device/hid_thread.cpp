#include "hid_thread.h"

#include "hidbackend.h"

#include <QMutexLocker>

std::atomic<bool> languagePackValid{true};

// A default QFuture is finished and cancelled, as `loopFuture` starts.
Hid_Thread::Hid_Thread(HidBackend& backend, QObject* parent) : QThread(parent), backend(backend) {}

Hid_Thread::~Hid_Thread()
{
    stopEventLoop();
    waitForWrites();
}

void Hid_Thread::scanDevices(const DeviceTable& table)
{
    QList<DeviceSlot> fresh;
    for (int n = 0; n < table.size(); ++n) {
        DeviceSlot slot;
        slot.index = n;
        slot.name = table[n].name;
        fresh.append(slot);
    }
    if (!table.isEmpty()) {
        const DeviceEntry& entry = table.first();
        QByteArray commandPath, eventPath;
        for (const HidDeviceInfo& info : backend.enumerate(entry.vid, entry.pid)) {
            if (info.usagePage == entry.usagePage && info.usage == entry.usage)
                commandPath = info.path;
            if (info.usagePage == entry.usagePage2 && info.usage == entry.usage2)
                eventPath = info.path;
            if (!commandPath.isEmpty() && !eventPath.isEmpty()) {
                DeviceSlot& slot = fresh.first();
                slot.commandPath = commandPath;
                slot.eventPath = eventPath;
                slot.reportLength = static_cast<int>(entry.reportLength);
            }
        }
    }
    QMutexLocker lock(&slotsMutex);
    deviceSlots = fresh;
}

QList<DeviceSlot> Hid_Thread::slotsSnapshot() const
{
    QMutexLocker lock(&slotsMutex);
    return deviceSlots;
}

int Hid_Thread::slotReportLength(uint index) const
{
    QMutexLocker lock(&slotsMutex);
    return index < uint(deviceSlots.size()) ? deviceSlots[index].reportLength : 0;
}

void Hid_Thread::clearPath(uint index, QByteArray DeviceSlot::*path, const QByteArray& failedPath)
{
    QMutexLocker lock(&slotsMutex);
    // A device check may have replaced the slots meanwhile: only forget the
    // path that actually failed.
    if (index < uint(deviceSlots.size()) && deviceSlots[index].*path == failedPath)
        (deviceSlots[index].*path).clear();
}

HidDevice* Hid_Thread::openPort(uint index, QByteArray DeviceSlot::*path, HidDevice*& handle)
{
    QByteArray target;
    {
        QMutexLocker lock(&slotsMutex);
        if (index < uint(deviceSlots.size()))
            target = deviceSlots[index].*path;
    }
    if (target.isEmpty())
        return nullptr;
    if (handle) {
        backend.close(handle);
        handle = nullptr;
    }
    HidDevice* opened = backend.openPath(target);
    if (!opened) {
        clearPath(index, path, target);
        return nullptr;
    }
    if (backend.setNonblocking(opened, 0) < 0) {
        backend.close(opened);
        return nullptr;
    }
    handle = opened;
    return handle;
}

HidDevice* Hid_Thread::openCommandPort(uint index)
{
    return openPort(index, &DeviceSlot::commandPath, commandHandle);
}

HidDevice* Hid_Thread::openEventPort(uint index)
{
    return openPort(index, &DeviceSlot::eventPath, eventHandle);
}

void Hid_Thread::swichCurDevice(uint did)
{
    curDevice = did;
    startEventLoop(did);
}
