// deviceseeds DIRECTORY: writes seeds for fuzz_device, sessions of commands
// run against the virtual keyboard with every answer it gives written down
// in fuzz_device's input format (devicescript.h).
#include "devicescript.h"
#include "devicetable.h"
#include "virtualkeyboard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QSet>
#include <QThread>
#include <cstdio>

using namespace DeviceScript;

namespace {

// The two streams as they are written, each in the order of its calls.
struct Recording
{
    QMutex mutex;
    QByteArray commands;
    QByteArray events;

    void append(bool event, const QByteArray& bytes)
    {
        QMutexLocker lock(&mutex);
        (event ? events : commands).append(bytes);
    }
};

// The virtual keyboard's answers, written down as they pass.
class RecordingBackend : public HidBackend
{
public:
    RecordingBackend(VirtualKeyboard& keyboard, Recording& recording)
        : keyboard(keyboard), recording(recording)
    {
    }

    QList<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override
    {
        const QList<HidDeviceInfo> found = keyboard.enumerate(vendorId, productId);
        const QList<HidDeviceInfo> kept = found.mid(0, MaxInterfaces);
        QByteArray bytes(1, char(kept.size()));
        for (const HidDeviceInfo& info : kept)
            bytes.append(char(indexOf(UsagePages, info.usagePage) | indexOf(Usages, info.usage)
                                                                        << UsageShift));
        recording.append(false, bytes);
        return kept;
    }
    HidDevice* openPath(const QByteArray& path) override
    {
        HidDevice* device = keyboard.openPath(path);
        const bool event = path == VirtualKeyboard::eventPath();
        recording.append(event, QByteArray(1, char(device ? Full : Fail)));
        if (device && event) {
            QMutexLocker lock(&mutex);
            eventHandles.insert(device);
        }
        return device;
    }
    void close(HidDevice* device) override
    {
        {
            QMutexLocker lock(&mutex);
            eventHandles.remove(device);
        }
        keyboard.close(device);
    }
    int setNonblocking(HidDevice* device, int nonblock) override
    {
        return outcome(device, keyboard.setNonblocking(device, nonblock));
    }
    int sendFeatureReport(HidDevice* device, const unsigned char* data, size_t length) override
    {
        return outcome(device, keyboard.sendFeatureReport(device, data, length));
    }
    int write(HidDevice* device, const unsigned char* data, size_t length) override
    {
        return outcome(device, keyboard.write(device, data, length));
    }
    int getFeatureReport(HidDevice* device, unsigned char* data, size_t length) override
    {
        return delivered(device, data, length, keyboard.getFeatureReport(device, data, length));
    }
    int read(HidDevice* device, unsigned char* data, size_t length) override
    {
        return delivered(device, data, length, keyboard.read(device, data, length));
    }
    int readTimeout(HidDevice* device, unsigned char* data, size_t length,
                    int milliseconds) override
    {
        return delivered(device, data, length,
                         keyboard.readTimeout(device, data, length, milliseconds));
    }

private:
    bool isEvent(HidDevice* device)
    {
        QMutexLocker lock(&mutex);
        return eventHandles.contains(device);
    }
    int outcome(HidDevice* device, int result)
    {
        recording.append(isEvent(device), QByteArray(1, char(result < 0 ? Fail : Full)));
        return result;
    }
    int delivered(HidDevice* device, const unsigned char* data, size_t length, int result)
    {
        QByteArray bytes;
        if (result < 0) {
            bytes.append(char(Fail));
        } else if (result == 0) {
            bytes.append(char(Empty));
        } else if (size_t(result) >= length) {
            bytes.append(char(Full));
            bytes.append(reinterpret_cast<const char*>(data), qsizetype(length));
        } else {
            bytes.append(char(Short));
            bytes.append(char(result));
            bytes.append(reinterpret_cast<const char*>(data), result);
        }
        recording.append(isEvent(device), bytes);
        return result;
    }

    VirtualKeyboard& keyboard;
    Recording& recording;
    QMutex mutex;
    QSet<HidDevice*> eventHandles;
};

// A planned session, written into the command stream as it is read.
class PlannedSteps : public StepSource
{
public:
    PlannedSteps(const QByteArray& plan, Recording& recording) : plan(plan), recording(recording) {}
    bool atEnd() override { return position >= plan.size(); }
    quint8 next() override
    {
        if (atEnd())
            return 0;
        const char byte = plan[position++];
        recording.append(false, QByteArray(1, byte));
        return quint8(byte);
    }

private:
    QByteArray plan;
    Recording& recording;
    qsizetype position = 0;
};

QByteArray plan(std::initializer_list<int> bytes)
{
    QByteArray result;
    for (int byte : bytes)
        result.append(char(byte));
    return result;
}

// One seed: the session `steps`, with lighting changed on the keyboard while
// the event loop runs when `events` is set.
QByteArray record(const QByteArray& steps, bool events)
{
    VirtualKeyboard keyboard;
    Recording recording;
    RecordingBackend backend(keyboard, recording);
    {
        Hid_Thread hid(backend);
        hid.scanDevices(readDeviceTable(DeviceTableResource, {}));
        PlannedSteps source(steps, recording);
        if (events) {
            hid.swichCurDevice(0);
            keyboard.changeLightingOnKeyboard({2, 7, 3, 0, 1, 0, 0});
            QThread::msleep(50);
            keyboard.changeLightingOnKeyboard({4, 1, 2, 1, 0, 0, 0});
            QThread::msleep(50);
        }
        runSession(hid, source);
        hid.stopEventLoop();
    }
    QByteArray input(HeaderSize, 0);
    input[0] = char(LanguagePackValidFlag);
    input[EventLengthOffset] = char(recording.events.size() & 0xFF);
    input[EventLengthOffset + 1] = char(recording.events.size() >> 8);
    return input + recording.events + recording.commands;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: deviceseeds DIRECTORY\n");
        return 2;
    }
    const QString directory = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(directory);
    const QList<QPair<QString, QByteArray>> seeds = {
        {"writes", record(plan({SetKeyboardOption, 1, 2, 3, SetLedType, 1, 2, 3, 4, 5, 6, 7,
                                SetKeyMatrix1, SetMacroKey, 4, SetSevenColor}),
                          false)},
        {"queries", record(plan({GetFwVersion, GetCurrentProfile, GetLedType, GetSevenColor,
                                 GetKeyMatrix1, GetUserPicture, 2, 1}),
                           false)},
        {"events", record(plan({GetLedType, SetCurrentProfile, 1}), true)},
        {"rescan", record(plan({Rescan, GetKeyboardOption, ToggleLanguagePack, SetRecoveryData,
                                ToggleLanguagePack, GetButtonSensitivity}),
                          false)},
    };
    for (const auto& [name, bytes] : seeds) {
        QFile file(directory + QStringLiteral("/seed-") + name);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return 1;
    }
    return 0;
}
