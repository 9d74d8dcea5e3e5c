#pragma once

#include "commandpacket.h"
#include "devicetable.h"
#include "protocol.h"

#include <QByteArray>
#include <QFuture>
#include <QMutex>
#include <QThread>
#include <QThreadPool>
#include <array>
#include <atomic>
#include <condition_variable>
#include <mutex>

class HidBackend;
class DeviceEventSink;
struct HidDevice;

// The worker's record of one device of the device table.
struct DeviceSlot
{
    int index = 0;
    QString name;
    QByteArray commandPath; // empty: not found, open failed
    QByteArray eventPath;   // empty: not found, open failed, or removed
    int reportLength = 0;
};

// The device worker: discovery, the command transport and the event loop.
// The thread itself is never started: writes and the event loop run as tasks
// of the global thread pool, queries on the caller's (GUI) thread.
//
// Guards: `slotsMutex` guards `deviceSlots`; the command token `idle` owns
// `commandReport`, `replyReport`, `dataArea` and `commandHandle` while a
// command runs; `eventHandle` belongs to the event loop task.
class Hid_Thread : public QThread
{
    Q_OBJECT
public:
    // `backend` is the HID layer (hidapi or the virtual keyboard); it must
    // outlive the worker.
    explicit Hid_Thread(HidBackend& backend, QObject* parent = nullptr);
    ~Hid_Thread() override; // stops the event loop and waits for a running write

    // Receives the event loop's reports; not owned, may be null.
    DeviceEventSink* eventSink = nullptr;

    void scanDevices(const DeviceTable& table);
    HidDevice* openCommandPort(uint index);
    HidDevice* openEventPort(uint index);

    QList<DeviceSlot> slotsSnapshot() const;
    uint currentDevice() const { return curDevice; }
    bool isIdle() const { return idle.load(); }
    bool isEventLoopRunning() const { return running.load(); }
    // Transfers that failed (a report the keyboard did not take or give)
    // since the worker was made.
    int failedTransfers() const { return failures.load(); }

    void startEventLoop(uint index);
    void stopEventLoop(); // clears `running` and waits for the loop task
    void waitForWrites(); // waits until no write task uses the worker

    // Time-out of one data-phase read of a query: a keyboard that stops
    // answering fails the query instead of freezing the GUI thread.
    static constexpr int QueryReadTimeoutMs = 500;
    // Time-out of one read of the event loop.
    static constexpr int EventReadTimeoutMs = 500;
    // Token wait: about 2 s (255 pauses of 8 ms). The waiting GUI thread
    // handles its events every 8 ms and takes the token the moment a transfer
    // gives it back, so that queued writes follow each other closely.
    static constexpr int TokenWaitMs = 255 * 8;
    static constexpr int TokenEventsEveryMs = 8;
    // Pause after every output report.
    static constexpr int OutputReportPauseMs = 8;

public slots:
    void swichCurDevice(uint did);

    void hid_02H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3);
    void hid_04H_SetButtonSensitivity(uchar sens1);
    void hid_08H_SetLEDType(uchar type, uchar brightness, uchar speed, uchar direction, uchar color,
                            uchar bl0, uchar bl1);
    void hid_09H_StopMacroSending();
    void hid_0CH_SetKeyMatrix_1(uchar* src128);
    void hid_0DH_SetKeyMatrix_2(uchar* src128);
    void hid_0FH_SetISPBootLoader();
    void hid_10H_SetMacroKey(uchar macroId, uchar* src128);
    void hid_12H_SetUserPicture(uchar index, uchar colorIndex, uchar* src128);
    void hid_13H_SetRecoveryData();
    void hid_21H_SetCurrentProfile(uchar profileId);
    void hid_30H_SetSevenColor(uchar* src64);
    void hid_80H_GetFWVersion(ushort& version, uchar& mode_UsUk);
    void hid_82H_GetKeyboardoption(uchar& byte1, uchar& byte2, uchar& byte3);
    void hid_84H_GetButtonSensitivity(uchar& sens1);
    bool hid_88H_GetLEDType(uchar& type, uchar& brightness, uchar& speed, uchar& direction,
                            uchar& color, uchar& bl0, uchar& bl1);
    void hid_8CH_GetKeyMatrix_1(uchar* src128);
    void hid_8DH_GetKeyMatrix_2(uchar* src128);
    void hid_90H_GetMacroKey(uchar macroId, uchar* src128);
    void hid_92H_GetUserPicture(uchar index, uchar colorIndex, uchar* src128);
    void hid_A1H_GetCurrentProfile(uchar& profileId);
    bool hid_B0H_GetSevenColor(uchar* src64);

private:
    enum class QueryResult
    {
        Busy,
        Failed,
        Succeeded
    };

    bool waitIdle();
    bool sendCommandPacket(uint device);
    bool sendCommand(int dataLength);
    bool queryCommand(int dataLength);
    bool finishTransfer(bool result);

    void startWrite(const CommandPacket& packet, const uchar* payload = nullptr,
                    int dataLength = 0);
    QueryResult runQuery(const CommandPacket& packet, const CommandPacket& presetReply,
                         uchar* payload = nullptr, int dataLength = 0);

    void eventLoop(uint index);
    void reportLighting(const unsigned char* report);

    HidDevice* openPort(uint index, QByteArray DeviceSlot::*path, HidDevice*& handle);
    void clearPath(uint index, QByteArray DeviceSlot::*path, const QByteArray& failedPath);
    int slotReportLength(uint index) const;
    void closeCommandPort();

    HidBackend& backend;
    mutable QMutex slotsMutex;
    QList<DeviceSlot> deviceSlots;
    std::atomic<uint> curDevice{0};
    HidDevice* commandHandle = nullptr;
    HidDevice* eventHandle = nullptr;
    std::atomic<bool> idle{true};
    // Wakes a token wait as soon as a transfer gives the token back.
    std::mutex tokenMutex;
    std::condition_variable tokenReturned;
    std::atomic<bool> running{false};
    std::atomic<int> failures{0};
    // The event loop runs for the whole session on a pool of its own: on the
    // global pool it would hold a thread that the writes and Qt's own image
    // work wait for (image conversions and the software renderer's drawing
    // block the GUI thread until their pool tasks have run), for ever where
    // the pool has a single thread.
    QThreadPool loopPool;
    QFuture<void> loopFuture;
    QFuture<void> writeFuture;
    CommandPacket commandReport;
    CommandPacket replyReport;
    std::array<uchar, Protocol::KeyMatrixHalfLength> dataArea{}; // largest payload: 128 bytes
};
