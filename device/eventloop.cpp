// The event loop of Hid_Thread: reads what the keyboard reports by itself on
// its event interface and notices when the keyboard is gone.
#include "deviceeventsink.h"
#include "hid_thread.h"
#include "hidbackend.h"

#include <QtConcurrent>
#include <vector>

void Hid_Thread::startEventLoop(uint index)
{
    stopEventLoop();
    running = true;
    loopFuture = QtConcurrent::run(&loopPool, [this, index] { eventLoop(index); });
}

void Hid_Thread::stopEventLoop()
{
    running = false;
    loopFuture.waitForFinished();
}

void Hid_Thread::eventLoop(uint index)
{
    QByteArray path;
    {
        QMutexLocker lock(&slotsMutex);
        if (index < uint(deviceSlots.size()))
            path = deviceSlots[index].eventPath;
    }
    if (path.isEmpty())
        return;
    // Larger than any report the interface may send, so that a report of
    // another length is seen as such rather than cut to size.
    std::vector<unsigned char> report(size_t(Protocol::ReportLength) + 1);
    while (running) {
        HidDevice* port = openEventPort(index);
        if (!port) {
            qDebug().noquote() << QStringLiteral("Device removed");
            clearPath(index, &DeviceSlot::eventPath, path);
            running = false;
            return;
        }
        const int length =
            backend.readTimeout(port, report.data(), report.size(), EventReadTimeoutMs);
        if (length == Protocol::EventReportSize)
            reportLighting(report.data());
        backend.close(eventHandle);
        eventHandle = nullptr;
    }
}

void Hid_Thread::reportLighting(const unsigned char* report)
{
    QList<int> lighting;
    for (int i = 0; i < Protocol::LightingValues; ++i)
        lighting.append(report[Protocol::EventLightingOffset + i]);
    if (eventSink)
        eventSink->keyboardLightingChanged(lighting);
}
