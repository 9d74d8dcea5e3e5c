// The command transport of Hid_Thread: the command token, writes on the pool
// and synchronous queries, every step on a freshly opened command port.
#include "hid_thread.h"

#include "hidbackend.h"
#include "languagepackvalid.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QtConcurrent>
#include <cstring>
#include <vector>

bool Hid_Thread::waitIdle()
{
    QElapsedTimer waited;
    waited.start();
    qint64 eventsHandledAt = 0;
    for (;;) {
        bool expected = true;
        if (idle.compare_exchange_strong(expected, false))
            return true;
        const qint64 now = waited.elapsed();
        if (now >= TokenWaitMs)
            return false;
        if (now - eventsHandledAt >= TokenEventsEveryMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            eventsHandledAt = waited.elapsed();
            continue;
        }
        const qint64 untilEvents = eventsHandledAt + TokenEventsEveryMs - now;
        std::unique_lock<std::mutex> lock(tokenMutex);
        tokenReturned.wait_for(lock, std::chrono::milliseconds(untilEvents),
                               [this] { return idle.load(); });
    }
}

void Hid_Thread::closeCommandPort()
{
    if (commandHandle) {
        backend.close(commandHandle);
        commandHandle = nullptr;
    }
}

// Ends a transfer on every path: port closed, token given back.
bool Hid_Thread::finishTransfer(bool result)
{
    if (!result)
        ++failures;
    closeCommandPort();
    {
        std::lock_guard<std::mutex> lock(tokenMutex);
        idle = true;
    }
    tokenReturned.notify_all();
    return result;
}

// The availability test and the command packet, each on a freshly opened port.
bool Hid_Thread::sendCommandPacket(uint device)
{
    if (!languagePackValid || !openCommandPort(device))
        return false;
    HidDevice* port = openCommandPort(device);
    return port && backend.sendFeatureReport(port, commandReport.bytes.data(),
                                             commandReport.bytes.size()) >= 0;
}

bool Hid_Thread::sendCommand(int dataLength)
{
    const uint device = curDevice;
    if (!sendCommandPacket(device))
        return finishTransfer(false);
    if (dataLength == 0)
        return finishTransfer(true);

    const int reportLength = slotReportLength(device);
    if (reportLength <= 0)
        return finishTransfer(false);
    const int chunk = qMin(dataLength, reportLength);
    std::vector<unsigned char> report(size_t(reportLength) + 1);
    for (int offset = 0; offset < dataLength; offset += chunk) {
        const int length = qMin(chunk, dataLength - offset);
        std::fill(report.begin(), report.end(), 0); // zeros behind a short chunk
        report[Protocol::ReportIdOffset] = Protocol::ReportId;
        std::memcpy(report.data() + 1, dataArea.data() + offset, size_t(length));
        HidDevice* port = openCommandPort(device);
        if (!port || backend.write(port, report.data(), report.size()) < 0)
            return finishTransfer(false);
        QThread::msleep(OutputReportPauseMs);
    }
    return finishTransfer(true);
}

bool Hid_Thread::queryCommand(int dataLength)
{
    const uint device = curDevice;
    if (!sendCommandPacket(device))
        return finishTransfer(false);
    HidDevice* port = openCommandPort(device);
    if (!port)
        return finishTransfer(false);
    // The report ID stays in byte 0 whatever the keyboard answers.
    replyReport.bytes[Protocol::ReportIdOffset] = Protocol::ReportId;
    if (backend.getFeatureReport(port, replyReport.bytes.data(), replyReport.bytes.size()) < 0)
        return finishTransfer(false);
    if (dataLength == 0)
        return finishTransfer(true);

    const int reportLength = slotReportLength(device);
    if (reportLength <= 0)
        return finishTransfer(false);
    const int chunk = qMin(dataLength, reportLength);
    std::vector<unsigned char> report(size_t(reportLength) + 1);
    for (int offset = 0; offset < dataLength; offset += chunk) {
        std::fill(report.begin(), report.end(), 0);
        port = openCommandPort(device);
        // A keyboard that does not answer fails the query after the time-out.
        if (!port ||
            backend.readTimeout(port, report.data(), report.size(), QueryReadTimeoutMs) <= 0)
            return finishTransfer(false);
        std::memcpy(dataArea.data() + offset, report.data(),
                    size_t(qMin(chunk, dataLength - offset)));
    }
    return finishTransfer(true);
}

void Hid_Thread::startWrite(const CommandPacket& packet, const uchar* payload, int dataLength)
{
    if (!waitIdle()) {
        qDebug().noquote() << QStringLiteral("cmd Failed %1")
                                  .arg(QString::number(packet.at(Protocol::CodeOffset), 16)
                                           .toUpper()
                                           .rightJustified(2, QLatin1Char('0')));
        return;
    }
    commandReport = packet;
    if (payload)
        std::memcpy(dataArea.data(), payload, size_t(dataLength));
    writeFuture = QtConcurrent::run([this, dataLength] { sendCommand(dataLength); });
}

Hid_Thread::QueryResult Hid_Thread::runQuery(const CommandPacket& packet,
                                             const CommandPacket& presetReply, uchar* payload,
                                             int dataLength)
{
    if (!waitIdle()) {
        qDebug().noquote() << QStringLiteral("cmd Failed");
        return QueryResult::Busy;
    }
    commandReport = packet;
    replyReport = presetReply;
    if (payload)
        std::memcpy(dataArea.data(), payload, size_t(dataLength));
    const bool ok = queryCommand(dataLength);
    if (payload)
        std::memcpy(payload, dataArea.data(), size_t(dataLength));
    return ok ? QueryResult::Succeeded : QueryResult::Failed;
}

void Hid_Thread::waitForWrites()
{
    writeFuture.waitForFinished();
    // A write started by someone else's token wait can still hold the token.
    while (!idle)
        QThread::msleep(1);
}
