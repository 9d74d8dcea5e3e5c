// The device side: the command set, its transport and the event loop of the
// real worker, on a HID layer whose every answer comes from the input
// (devicescript.h). No call waits: a read that "times out" returns at once.
#include "deviceeventsink.h"
#include "devicescript.h"
#include "devicetable.h"
#include "fuzzsupport.h"
#include "hidbackend.h"
#include "languagepackvalid.h"

#include <QMutex>
#include <algorithm>
#include <cstring>
#include <vector>

using namespace DeviceScript;

namespace {

void check(bool condition, const char* what)
{
    if (!condition)
        qFatal("fuzz_device: %s", what);
}

// One stream of the input, read by one side of the worker at a time.
class Stream : public StepSource
{
public:
    Stream(const uint8_t* data, size_t size) : data(data), size(size) {}

    bool atEnd() override
    {
        QMutexLocker lock(&mutex);
        return position >= size;
    }
    quint8 next() override
    {
        QMutexLocker lock(&mutex);
        return position < size ? data[position++] : 0;
    }
    // Up to `length` bytes into `target`; zeros where the stream has ended.
    void take(unsigned char* target, size_t length)
    {
        QMutexLocker lock(&mutex);
        const size_t available = std::min(length, size - std::min(position, size));
        if (available > 0)
            std::memcpy(target, data + position, available);
        if (length > available)
            std::memset(target + available, 0, length - available);
        position += available;
    }
    // The next answer; Fail once the stream has ended.
    Answer answer()
    {
        if (atEnd())
            return Fail;
        const quint8 byte = next() & AnswerMask;
        return byte == Short || byte == Long || byte == Empty || byte == Fail ? Answer(byte) : Full;
    }

private:
    QMutex mutex;
    const uint8_t* data;
    size_t size;
    size_t position = 0;
};

// A handle names the stream its interface answers from.
struct HidDeviceHandle
{
    Stream* stream;
};

class FuzzBackend : public HidBackend
{
public:
    FuzzBackend(Stream& commands, Stream& events) : commands(commands), events(events) {}

    QList<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override
    {
        QList<HidDeviceInfo> found;
        const int count = commands.next() % (MaxInterfaces + 1);
        for (int n = 0; n < count; ++n) {
            const quint8 byte = commands.next();
            HidDeviceInfo info;
            info.path = "if" + QByteArray::number(n);
            info.vendorId = vendorId;
            info.productId = productId;
            info.usagePage = UsagePages[byte & IndexMask];
            info.usage = Usages[(byte >> UsageShift) & IndexMask];
            found.append(info);
            QMutexLocker lock(&mutex);
            eventPaths[n] = info.usagePage == Protocol::EventUsagePage;
        }
        return found;
    }

    HidDevice* openPath(const QByteArray& path) override
    {
        Stream& stream = streamOf(path);
        if (stream.answer() == Fail)
            return nullptr;
        return reinterpret_cast<HidDevice*>(new HidDeviceHandle{&stream});
    }
    void close(HidDevice* device) override { delete handle(device); }
    int setNonblocking(HidDevice* device, int) override { return succeeds(device) ? 0 : -1; }
    int sendFeatureReport(HidDevice* device, const unsigned char*, size_t length) override
    {
        return succeeds(device) ? int(length) : -1;
    }
    int write(HidDevice* device, const unsigned char*, size_t length) override
    {
        return succeeds(device) ? int(length) : -1;
    }
    int getFeatureReport(HidDevice* device, unsigned char* data, size_t length) override
    {
        return deliver(device, data, length);
    }
    int read(HidDevice* device, unsigned char* data, size_t length) override
    {
        return deliver(device, data, length);
    }
    int readTimeout(HidDevice* device, unsigned char* data, size_t length, int) override
    {
        return deliver(device, data, length);
    }

private:
    static HidDeviceHandle* handle(HidDevice* device)
    {
        check(device != nullptr, "a call on no handle");
        return reinterpret_cast<HidDeviceHandle*>(device);
    }

    Stream& streamOf(const QByteArray& path)
    {
        QMutexLocker lock(&mutex);
        const int n = path.mid(2).toInt();
        return n >= 0 && n < MaxInterfaces && eventPaths[n] ? events : commands;
    }

    bool succeeds(HidDevice* device) { return handle(device)->stream->answer() != Fail; }

    int deliver(HidDevice* device, unsigned char* data, size_t length)
    {
        Stream& stream = *handle(device)->stream;
        switch (stream.answer()) {
        case Fail:
            return -1;
        case Empty:
            return 0;
        case Short: {
            const size_t count = length ? stream.next() % length : 0;
            stream.take(data, count);
            return int(count);
        }
        case Long: {
            const size_t extra = stream.next();
            stream.take(data, length);
            std::vector<unsigned char> rest(extra);
            stream.take(rest.data(), extra);
            return int(length);
        }
        case Full:
            stream.take(data, length);
            return int(length);
        }
        return -1;
    }

    QMutex mutex;
    Stream& commands;
    Stream& events;
    bool eventPaths[MaxInterfaces] = {};
};

class CheckingSink : public DeviceEventSink
{
public:
    void keyboardLightingChanged(const QList<int>& lighting) override
    {
        check(lighting.size() == Protocol::LightingValues, "seven lighting values");
        for (int value : lighting)
            check(value >= 0 && value <= 0xFF, "lighting values are bytes");
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < size_t(HeaderSize))
        return -1; // not an input of this format: kept out of the corpus
    const size_t eventLength = std::min(
        size_t(data[EventLengthOffset] | data[EventLengthOffset + 1] << 8), size - HeaderSize);
    Stream events(data + HeaderSize, eventLength);
    Stream commands(data + HeaderSize + eventLength, size - HeaderSize - eventLength);
    languagePackValid = (data[0] & LanguagePackValidFlag) != 0;

    FuzzBackend backend(commands, events);
    CheckingSink sink;
    {
        Hid_Thread hid(backend);
        hid.eventSink = &sink;
        hid.scanDevices(readDeviceTable(DeviceTableResource, {}));
        runSession(hid, commands);
        hid.stopEventLoop();
        check(hid.isIdle(), "the command token is back");
    }
    languagePackValid = true;
    return 0;
}
