#pragma once

// Start-up benchmarks measure from the moment their driver launched the
// process (Q3_BENCH_LAUNCH_NS, wall-clock nanoseconds since the epoch, as
// `date +%s%N` prints them), so that loading the libraries counts too; run by
// hand without it, they measure from main.
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QtGlobal>
#include <chrono>
#include <functional>

class LaunchClock
{
public:
    LaunchClock() : offsetMs(msSinceLaunch()) { sinceMain.start(); }

    qint64 elapsedMs() const { return offsetMs + sinceMain.elapsed(); }
    bool fromLaunch() const { return offsetMs > 0; }

private:
    static qint64 msSinceLaunch()
    {
        bool ok = false;
        const QByteArray text = qgetenv("Q3_BENCH_LAUNCH_NS");
        const qint64 launch = text.toLongLong(&ok);
        if (!ok || launch <= 0)
            return 0;
        const qint64 now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                               std::chrono::system_clock::now().time_since_epoch())
                               .count();
        return now > launch ? (now - launch) / 1000000 : 0;
    }

    qint64 offsetMs;
    QElapsedTimer sinceMain;
};

// Resident memory of this process in kB, -1 when unknown.
inline long residentKilobytes()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Watches the paints of the widget it filters: the first one's time on
// `clock` and the resident memory then; `onPaint` runs at every paint.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(const LaunchClock& clock, std::function<void(QObject*)> onPaint = {})
        : clock(clock), onPaint(std::move(onPaint))
    {
    }
    qint64 firstMs = -1;
    long firstRssKb = -1;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            if (firstMs < 0) {
                firstMs = clock.elapsedMs();
                firstRssKb = residentKilobytes();
            }
            if (onPaint)
                onPaint(watched);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const LaunchClock& clock;
    std::function<void(QObject*)> onPaint;
};
