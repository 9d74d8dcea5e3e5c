#pragma once

#include "virtualkeyboard.h"

#include <QElapsedTimer>
#include <QList>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

// The record of every report that crossed the virtual keyboard's interfaces,
// and the hand-over of each to the capture sink in recording order.
// record(), reports(), clear() and setSink() run under the keyboard's lock;
// deliver() runs outside it.
class CaptureLog
{
public:
    using Sink = std::function<void(const CapturedReport&)>;

    // One recorded report on its way to the sink.
    struct Entry
    {
        quint64 sequence = 0;
        CapturedReport report;
        std::shared_ptr<const Sink> sink;
    };

    CaptureLog();

    Entry record(HidInterface interface, ReportDirection direction, const QByteArray& bytes);
    // Calls the entry's sink once every earlier entry has been handed over.
    // Every recorded entry must be delivered exactly once; a sink must not
    // make HID calls on the keyboard, or it waits for itself.
    void deliver(const Entry& entry);

    QList<CapturedReport> reports() const { return m_reports; }
    void clear() { m_reports.clear(); }
    void setSink(Sink sink);

private:
    QElapsedTimer m_clock;
    QList<CapturedReport> m_reports;
    std::shared_ptr<const Sink> m_sink;
    quint64 m_nextSequence = 0;

    std::mutex m_turnMutex;
    std::condition_variable m_turnChanged;
    quint64 m_delivered = 0; // entries handed over so far
};
