#pragma once

#include "devicechangesource.h"
#include "hidbackend.h"
#include "protocol.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <memory>

// An in-process emulation of the keyboard behind the same HID calls the
// program makes to hidapi. The HidBackend side is what the program uses; the
// rest is the control side for tests and for `--virtual-keyboard`: plugging,
// faults, changes made "on the keyboard", firmware state and the capture of
// every report that crosses the interfaces. All members are thread-safe.

enum class HidInterface
{
    Command,
    Event
};
enum class ReportDirection
{
    FeatureOut,
    FeatureIn,
    Out,
    In
};
// The HID calls a fault can be injected into.
enum class HidCall
{
    Open,
    SendFeature,
    GetFeature,
    Write,
    Read
};

struct CapturedReport
{
    qint64 elapsedNs = 0; // since the virtual keyboard was created
    HidInterface interface = HidInterface::Command;
    ReportDirection direction = ReportDirection::FeatureOut;
    QByteArray bytes; // exactly the bytes that crossed the interface
};

// "<ms> <cmd|evt> <feature-out|feature-in|out|in> <hex bytes>", upper-case
// hex, bytes separated by single spaces, no line break.
QString formatCaptureLine(const CapturedReport& report);

// Firmware state of one on-board profile, in device units.
struct VirtualProfile
{
    std::array<quint8, 2 * Protocol::KeyMatrixSlots> keyMatrix{}; // slot m at 2m (low), 2m+1
    std::array<quint8, Protocol::LightingValues> lighting{};
    std::array<quint8, Protocol::SevenColorLength> colors{}; // bytes 21 … 63 stay zero
    std::array<std::array<quint8, Protocol::PicturePlanes * Protocol::PicturePlaneLength>,
               Protocol::PictureCount>
        pictures{}; // plane p of picture i at pictures[i][p * 128 …]
};

struct VirtualKeyboardConfig
{
    int profiles = 3;    // on-board profiles
    int macroSlots = 32; // macro slots of 128 bytes
    quint16 firmwareVersion = 0x0103;
    quint8 layoutMode = 0; // 0 … 3, reported by command 80
    // The state every on-board profile starts in; all zeros unless given
    // (factoryprofile.h reads the one a new keyboard has).
    VirtualProfile initialProfile{};
    // Further interfaces listed by enumeration besides the keyboard's own
    // three (boot keyboard 0001/0006, command FF01/0001, event FF02/0001).
    QList<HidDeviceInfo> extraInterfaces;
};

class VirtualKeyboard : public DeviceChangeSource, public HidBackend
{
    Q_OBJECT
public:
    explicit VirtualKeyboard(const VirtualKeyboardConfig& config = {}, QObject* parent = nullptr);
    ~VirtualKeyboard() override;

    // HidBackend
    QList<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    HidDevice* openPath(const QByteArray& path) override;
    void close(HidDevice* device) override;
    int setNonblocking(HidDevice* device, int nonblock) override;
    int sendFeatureReport(HidDevice* device, const unsigned char* data, size_t length) override;
    int getFeatureReport(HidDevice* device, unsigned char* data, size_t length) override;
    int write(HidDevice* device, const unsigned char* data, size_t length) override;
    int read(HidDevice* device, unsigned char* data, size_t length) override;
    int readTimeout(HidDevice* device, unsigned char* data, size_t length,
                    int milliseconds) override;

    // Paths enumeration reports for the two vendor interfaces.
    static QByteArray commandPath();
    static QByteArray eventPath();

    // Bus. Unplugging kills every open handle (its calls fail, a waiting read
    // returns -1 at once), hides the device from enumeration and makes opens
    // fail; plugging shows it again with its state kept. Both emit
    // deviceChanged(), as the system's hot-plug notification would.
    void unplug();
    void plug();
    bool isPlugged() const;

    // Faults. failNext: the next `count` calls of that kind on that interface
    // fail (-1, or nullptr for Open). setDelay: every such call on that
    // interface takes `milliseconds` longer (0 clears). setReadsUnanswered:
    // reads on that interface deliver nothing: readTimeout returns 0 after its
    // time-out, a blocking read waits until unplug or until cleared.
    void failNext(HidCall call, HidInterface interface, int count = 1);
    void setDelay(HidCall call, HidInterface interface, int milliseconds);
    void setReadsUnanswered(HidInterface interface, bool unanswered);
    // The next read on that interface delivers exactly these bytes (any
    // length, truncated to the caller's buffer) instead of what the firmware
    // would send.
    void injectInputReport(HidInterface interface, const QByteArray& bytes);
    // The next feature-report read delivers these bytes (truncated to the
    // caller's buffer) instead of the firmware's reply.
    void injectFeatureReply(const QByteArray& bytes);
    void clearFaults();

    // Changes made on the keyboard itself.
    // Sets the current profile's lighting and sends a 12-byte event report:
    // byte 0 EventKindLighting, byte 1 the current profile, 2 … 3 zero,
    // 4 … 10 the seven values, 11 zero.
    void changeLightingOnKeyboard(const std::array<quint8, Protocol::LightingValues>& lighting);
    void selectProfileOnKeyboard(int profile); // no event report, as on the real keyboard

    // Firmware state.
    VirtualKeyboardConfig config() const;
    int currentProfile() const;
    VirtualProfile profile(int index) const;
    void setProfile(int index, const VirtualProfile& profile);
    QByteArray macro(int slot) const; // 128 bytes
    void setMacro(int slot, const QByteArray& bytes);
    std::array<quint8, 3> keyboardOptions() const;
    void setKeyboardOptions(const std::array<quint8, 3>& options);
    quint8 sensitivity() const;
    void setSensitivity(quint8 value);
    quint16 firmwareVersion() const;
    void setFirmwareVersion(quint16 version);
    quint8 layoutMode() const;
    void setLayoutMode(quint8 mode);
    bool inBootLoader() const;     // after command 0F with the right entry code
    int recoveryRequests() const;  // count of command 13
    int stopMacroRequests() const; // count of command 09

    // Capture of every report that crossed an interface, in order.
    QList<CapturedReport> capture() const;
    void clearCapture();
    // Called for every report as it crosses, on the calling thread, in order.
    void setCaptureSink(std::function<void(const CapturedReport&)> sink);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
