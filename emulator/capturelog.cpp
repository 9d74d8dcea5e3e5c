#include "capturelog.h"

#include <QStringList>

namespace {

constexpr qint64 NsPerMs = 1000000;

QString interfaceName(HidInterface interface)
{
    return interface == HidInterface::Command ? QStringLiteral("cmd") : QStringLiteral("evt");
}

QString directionName(ReportDirection direction)
{
    switch (direction) {
    case ReportDirection::FeatureOut:
        return QStringLiteral("feature-out");
    case ReportDirection::FeatureIn:
        return QStringLiteral("feature-in");
    case ReportDirection::Out:
        return QStringLiteral("out");
    case ReportDirection::In:
        return QStringLiteral("in");
    }
    return {};
}

} // namespace

QString formatCaptureLine(const CapturedReport& report)
{
    QStringList fields{QString::number(report.elapsedNs / NsPerMs), interfaceName(report.interface),
                       directionName(report.direction)};
    if (!report.bytes.isEmpty())
        fields << QString::fromLatin1(report.bytes.toHex(' ').toUpper());
    return fields.join(QLatin1Char(' '));
}

CaptureLog::CaptureLog()
{
    m_clock.start();
}

CaptureLog::Entry CaptureLog::record(HidInterface interface, ReportDirection direction,
                                     const QByteArray& bytes)
{
    Entry entry;
    entry.sequence = m_nextSequence++;
    entry.report = CapturedReport{m_clock.nsecsElapsed(), interface, direction, bytes};
    entry.sink = m_sink;
    m_reports.append(entry.report);
    return entry;
}

void CaptureLog::deliver(const Entry& entry)
{
    std::unique_lock lock(m_turnMutex);
    m_turnChanged.wait(lock, [&] { return m_delivered == entry.sequence; });
    lock.unlock();
    if (entry.sink && *entry.sink)
        (*entry.sink)(entry.report);
    lock.lock();
    ++m_delivered;
    lock.unlock();
    m_turnChanged.notify_all();
}

void CaptureLog::setSink(Sink sink)
{
    m_sink = std::make_shared<const Sink>(std::move(sink));
}
