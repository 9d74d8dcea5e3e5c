// Time of one 128-byte write (from the call until the command token is back)
// and of one 128-byte query, against the virtual keyboard. The design's floor
// for the write is 8 ms after each of its two output reports.
// Usage: bench_transfer [RUNS]   (default 50); prints one line per transfer.
#include "devicetable.h"
#include "hid_thread.h"
#include "virtualkeyboard.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Stats
{
    double median, min, max;
};

Stats summarise(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.front(), samples.back()};
}

void print(const char* what, const Stats& s, int runs)
{
    std::printf("%s: median %.2f ms, min %.2f ms, max %.2f ms over %d runs\n", what, s.median,
                s.min, s.max, runs);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 50;
    VirtualKeyboard keyboard;
    Hid_Thread hid(keyboard);
    hid.scanDevices(readDeviceTable(DeviceTableResource, {}));
    uchar block[128] = {};
    std::vector<double> writes, queries;
    QElapsedTimer clock;
    for (int i = 0; i < runs; ++i) {
        block[0] = uchar(i);
        clock.start();
        hid.hid_0CH_SetKeyMatrix_1(block);
        while (!hid.isIdle())
            QThread::usleep(50);
        writes.push_back(clock.nsecsElapsed() / 1e6);
        clock.start();
        hid.hid_8CH_GetKeyMatrix_1(block);
        queries.push_back(clock.nsecsElapsed() / 1e6);
    }
    print("128-byte write (0C)", summarise(writes), runs);
    print("128-byte query (8C)", summarise(queries), runs);
    std::printf("design floor for the write: %d ms (2 output reports x %d ms)\n",
                2 * Hid_Thread::OutputReportPauseMs, Hid_Thread::OutputReportPauseMs);
    return 0;
}
