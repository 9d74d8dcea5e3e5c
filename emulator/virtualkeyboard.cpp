#include "virtualkeyboard.h"

#include "capturelog.h"
#include "hidfaults.h"
#include "keyboardfirmware.h"

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>

using namespace Protocol;

namespace {

constexpr int BootInterfaceNumber = 0;
constexpr int CommandInterfaceNumber = 1;
constexpr int EventInterfaceNumber = 2;
const QByteArray BootKeyboardPath = QByteArrayLiteral("virtual-keyboard/boot");
const QString ProductName = QStringLiteral("Q3 virtual keyboard");

// One open interface. It dies with the bus connection it was opened on.
struct Handle
{
    HidInterface interface = HidInterface::Command;
    quint64 connection = 0;
    bool nonblocking = false;
};

// What a HID call returns, and the report that crossed if it succeeded.
struct Outcome
{
    int result = -1;
    std::optional<CaptureLog::Entry> crossed;
};

bool matches(quint16 wanted, quint16 actual)
{
    return wanted == 0 || wanted == actual;
}

HidDeviceInfo interfaceInfo(const QByteArray& path, quint16 usagePage, quint16 usage, int number)
{
    HidDeviceInfo info;
    info.path = path;
    info.vendorId = VendorId;
    info.productId = ProductId;
    info.usagePage = usagePage;
    info.usage = usage;
    info.interfaceNumber = number;
    info.product = ProductName;
    return info;
}

QByteArray bytesOf(const unsigned char* data, size_t length)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(length));
}

int copyTruncated(const QByteArray& bytes, unsigned char* data, size_t length)
{
    const int count = int(std::min(length, size_t(bytes.size())));
    std::memcpy(data, bytes.constData(), size_t(count));
    return count;
}

// Only the two vendor interfaces can be opened.
std::optional<HidInterface> interfaceAt(const QByteArray& path)
{
    if (path == VirtualKeyboard::commandPath())
        return HidInterface::Command;
    if (path == VirtualKeyboard::eventPath())
        return HidInterface::Event;
    return std::nullopt;
}

bool isCommandPacket(const unsigned char* data, size_t length)
{
    return data && length == size_t(CommandReportSize) && data[ReportIdOffset] == ReportId;
}

bool isOutputReport(const unsigned char* data, size_t length)
{
    return data && length == size_t(OutputReportSize) && data[ReportIdOffset] == ReportId;
}

} // namespace

struct VirtualKeyboard::Private
{
    explicit Private(const VirtualKeyboardConfig& initial) : config(initial), firmware(initial) {}

    // Everything below is guarded by mutex.
    mutable std::mutex mutex;
    std::condition_variable inputChanged; // input queued, reads answered again, unplug
    VirtualKeyboardConfig config;
    bool plugged = true;
    quint64 connection = 0; // counts unplugs; handles of an earlier connection are dead
    std::unordered_map<const Handle*, std::unique_ptr<Handle>> handles;
    KeyboardFirmware firmware;
    std::deque<QByteArray> eventReports;
    HidFaults faults;
    CaptureLog capture;

    bool isLive(const Handle& handle) const { return plugged && handle.connection == connection; }

    Handle* find(HidDevice* device) const
    {
        const auto it = handles.find(reinterpret_cast<const Handle*>(device));
        return it == handles.end() ? nullptr : it->second.get();
    }

    // The handle a call may use: open, live and without a planned failure.
    Handle* admit(HidCall call, HidDevice* device)
    {
        Handle* handle = find(device);
        if (!handle || !isLive(*handle) || faults.takeFailure(call, handle->interface))
            return nullptr;
        return handle;
    }

    std::chrono::milliseconds delayOf(HidCall call, HidDevice* device) const
    {
        std::lock_guard lock(mutex);
        const Handle* handle = find(device);
        return handle ? faults.delay(call, handle->interface) : std::chrono::milliseconds(0);
    }

    Outcome crossed(int result, HidInterface interface, ReportDirection direction,
                    const QByteArray& bytes)
    {
        return Outcome{result, capture.record(interface, direction, bytes)};
    }

    // Runs one HID call on a handle: its delay first, then `body` under the
    // lock, then hands the crossed report to the capture sink.
    template <typename Body> int run(HidCall call, HidDevice* device, Body body)
    {
        std::this_thread::sleep_for(delayOf(call, device));
        Outcome outcome;
        {
            std::unique_lock lock(mutex);
            if (Handle* handle = admit(call, device))
                outcome = body(*handle, lock);
        }
        if (outcome.crossed)
            capture.deliver(*outcome.crossed);
        return outcome.result;
    }

    bool firmwareHasInput(HidInterface interface) const
    {
        return interface == HidInterface::Command ? firmware.hasInputReport()
                                                  : !eventReports.empty();
    }

    bool inputReady(HidInterface interface) const
    {
        return !faults.readsUnanswered(interface) &&
               (faults.hasInjectedInput(interface) || firmwareHasInput(interface));
    }

    QByteArray takeFirmwareInput(HidInterface interface)
    {
        if (interface == HidInterface::Command)
            return firmware.takeInputReport();
        QByteArray report = eventReports.front();
        eventReports.pop_front();
        return report;
    }

    // An injected report replaces the one the firmware would send next.
    QByteArray takeInput(HidInterface interface)
    {
        if (!faults.hasInjectedInput(interface))
            return takeFirmwareInput(interface);
        if (firmwareHasInput(interface))
            takeFirmwareInput(interface);
        return faults.takeInjectedInput(interface);
    }

    // Waits, releasing the lock, until input is ready or the handle dies.
    // A negative time-out waits without limit.
    void waitForInput(const Handle& handle, std::unique_lock<std::mutex>& lock, int milliseconds)
    {
        const auto settled = [&] {
            return !isLive(handle) || inputReady(handle.interface);
        };
        if (milliseconds < 0)
            inputChanged.wait(lock, settled);
        else
            inputChanged.wait_for(lock, std::chrono::milliseconds(milliseconds), settled);
    }

    // milliseconds: a time-out, or nullopt for the handle's blocking mode.
    Outcome readInput(Handle& handle, std::unique_lock<std::mutex>& lock, unsigned char* data,
                      size_t length, std::optional<int> milliseconds)
    {
        if (!data)
            return {};
        const int timeout = milliseconds.value_or(handle.nonblocking ? 0 : -1);
        waitForInput(handle, lock, timeout);
        if (!isLive(handle))
            return {};
        if (!inputReady(handle.interface))
            return {0, std::nullopt};
        const QByteArray report = takeInput(handle.interface);
        const int count = copyTruncated(report, data, length);
        if (count == 0)
            return {0, std::nullopt};
        return crossed(count, handle.interface, ReportDirection::In, report.left(count));
    }

    int read(HidDevice* device, unsigned char* data, size_t length, std::optional<int> milliseconds)
    {
        return run(HidCall::Read, device, [&](Handle& handle, std::unique_lock<std::mutex>& lock) {
            return readInput(handle, lock, data, length, milliseconds);
        });
    }

    QByteArray lightingEvent() const
    {
        const auto& state = firmware.state();
        const auto& lighting = state.profiles[state.currentProfile].lighting;
        QByteArray report(EventReportSize, '\0');
        report[EventKindOffset] = char(EventKindLighting);
        report[EventProfileOffset] = char(state.currentProfile);
        std::copy(lighting.cbegin(), lighting.cend(), report.begin() + EventLightingOffset);
        return report;
    }
};

VirtualKeyboard::VirtualKeyboard(const VirtualKeyboardConfig& config, QObject* parent)
    : DeviceChangeSource(parent), d(std::make_unique<Private>(config))
{
}

VirtualKeyboard::~VirtualKeyboard() = default;

QByteArray VirtualKeyboard::commandPath()
{
    return QByteArrayLiteral("virtual-keyboard/command");
}

QByteArray VirtualKeyboard::eventPath()
{
    return QByteArrayLiteral("virtual-keyboard/event");
}

// ---- HidBackend ----

QList<HidDeviceInfo> VirtualKeyboard::enumerate(quint16 vendorId, quint16 productId)
{
    std::lock_guard lock(d->mutex);
    if (!d->plugged || !matches(vendorId, VendorId) || !matches(productId, ProductId))
        return {};
    QList<HidDeviceInfo> interfaces{
        interfaceInfo(BootKeyboardPath, BootKeyboardUsagePage, BootKeyboardUsage,
                      BootInterfaceNumber),
        interfaceInfo(commandPath(), CommandUsagePage, VendorUsage, CommandInterfaceNumber),
        interfaceInfo(eventPath(), EventUsagePage, VendorUsage, EventInterfaceNumber)};
    return interfaces + d->config.extraInterfaces;
}

HidDevice* VirtualKeyboard::openPath(const QByteArray& path)
{
    const std::optional<HidInterface> interface = interfaceAt(path);
    if (!interface)
        return nullptr;
    std::chrono::milliseconds delay;
    {
        std::lock_guard lock(d->mutex);
        delay = d->faults.delay(HidCall::Open, *interface);
    }
    std::this_thread::sleep_for(delay);

    std::lock_guard lock(d->mutex);
    if (!d->plugged || d->faults.takeFailure(HidCall::Open, *interface))
        return nullptr;
    auto handle = std::make_unique<Handle>(Handle{*interface, d->connection, false});
    Handle* raw = handle.get();
    d->handles.emplace(raw, std::move(handle));
    return reinterpret_cast<HidDevice*>(raw);
}

void VirtualKeyboard::close(HidDevice* device)
{
    std::lock_guard lock(d->mutex);
    d->handles.erase(reinterpret_cast<const Handle*>(device));
}

int VirtualKeyboard::setNonblocking(HidDevice* device, int nonblock)
{
    std::lock_guard lock(d->mutex);
    Handle* handle = d->find(device);
    if (!handle || !d->isLive(*handle))
        return -1;
    handle->nonblocking = nonblock != 0;
    return 0;
}

int VirtualKeyboard::sendFeatureReport(HidDevice* device, const unsigned char* data, size_t length)
{
    return d->run(HidCall::SendFeature, device, [&](Handle& handle, auto&) -> Outcome {
        if (handle.interface != HidInterface::Command || !isCommandPacket(data, length))
            return {};
        KeyboardFirmware::Packet packet;
        std::copy_n(data, packet.size(), packet.begin());
        d->firmware.receiveCommand(packet);
        return d->crossed(int(length), HidInterface::Command, ReportDirection::FeatureOut,
                          bytesOf(data, length));
    });
}

int VirtualKeyboard::getFeatureReport(HidDevice* device, unsigned char* data, size_t length)
{
    return d->run(HidCall::GetFeature, device, [&](Handle& handle, auto&) -> Outcome {
        if (handle.interface != HidInterface::Command || !data || length == 0 ||
            data[ReportIdOffset] != ReportId)
            return {};
        const KeyboardFirmware::Packet own = d->firmware.reply();
        const QByteArray reply =
            d->faults.takeFeatureReply().value_or(bytesOf(own.data(), own.size()));
        const int count = copyTruncated(reply, data, length);
        return d->crossed(count, HidInterface::Command, ReportDirection::FeatureIn,
                          reply.left(count));
    });
}

int VirtualKeyboard::write(HidDevice* device, const unsigned char* data, size_t length)
{
    return d->run(HidCall::Write, device, [&](Handle& handle, auto&) -> Outcome {
        if (handle.interface != HidInterface::Command || !isOutputReport(data, length))
            return {};
        d->firmware.receiveOutputReport(data + ReportIdOffset + 1, ReportLength);
        return d->crossed(int(length), HidInterface::Command, ReportDirection::Out,
                          bytesOf(data, length));
    });
}

int VirtualKeyboard::read(HidDevice* device, unsigned char* data, size_t length)
{
    return d->read(device, data, length, std::nullopt);
}

int VirtualKeyboard::readTimeout(HidDevice* device, unsigned char* data, size_t length,
                                 int milliseconds)
{
    return d->read(device, data, length, milliseconds);
}

// ---- Bus ----

void VirtualKeyboard::unplug()
{
    {
        std::lock_guard lock(d->mutex);
        if (!d->plugged)
            return;
        d->plugged = false;
        ++d->connection;
        d->firmware.resetTransfers();
        d->eventReports.clear();
    }
    d->inputChanged.notify_all();
    emit deviceChanged();
}

void VirtualKeyboard::plug()
{
    {
        std::lock_guard lock(d->mutex);
        if (d->plugged)
            return;
        d->plugged = true;
    }
    emit deviceChanged();
}

bool VirtualKeyboard::isPlugged() const
{
    std::lock_guard lock(d->mutex);
    return d->plugged;
}

// ---- Faults ----

void VirtualKeyboard::failNext(HidCall call, HidInterface interface, int count)
{
    std::lock_guard lock(d->mutex);
    d->faults.failNext(call, interface, count);
}

void VirtualKeyboard::setDelay(HidCall call, HidInterface interface, int milliseconds)
{
    std::lock_guard lock(d->mutex);
    d->faults.setDelay(call, interface, milliseconds);
}

void VirtualKeyboard::setReadsUnanswered(HidInterface interface, bool unanswered)
{
    {
        std::lock_guard lock(d->mutex);
        d->faults.setReadsUnanswered(interface, unanswered);
    }
    d->inputChanged.notify_all();
}

void VirtualKeyboard::injectInputReport(HidInterface interface, const QByteArray& bytes)
{
    {
        std::lock_guard lock(d->mutex);
        d->faults.injectInputReport(interface, bytes);
    }
    d->inputChanged.notify_all();
}

void VirtualKeyboard::injectFeatureReply(const QByteArray& bytes)
{
    std::lock_guard lock(d->mutex);
    d->faults.injectFeatureReply(bytes);
}

void VirtualKeyboard::clearFaults()
{
    {
        std::lock_guard lock(d->mutex);
        d->faults.clear();
    }
    d->inputChanged.notify_all();
}

// ---- Changes made on the keyboard ----

void VirtualKeyboard::changeLightingOnKeyboard(
    const std::array<quint8, Protocol::LightingValues>& lighting)
{
    {
        std::lock_guard lock(d->mutex);
        d->firmware.currentProfile().lighting = lighting;
        if (!d->plugged) // nobody to tell
            return;
        d->eventReports.push_back(d->lightingEvent());
    }
    d->inputChanged.notify_all();
}

void VirtualKeyboard::selectProfileOnKeyboard(int profile)
{
    std::lock_guard lock(d->mutex);
    if (d->firmware.hasProfile(profile))
        d->firmware.state().currentProfile = profile;
}

// ---- Firmware state ----

VirtualKeyboardConfig VirtualKeyboard::config() const
{
    std::lock_guard lock(d->mutex);
    const FirmwareState& state = d->firmware.state();
    VirtualKeyboardConfig current = d->config;
    current.profiles = int(state.profiles.size());
    current.macroSlots = int(state.macros.size());
    current.firmwareVersion = state.firmwareVersion;
    current.layoutMode = state.layoutMode;
    return current;
}

int VirtualKeyboard::currentProfile() const
{
    std::lock_guard lock(d->mutex);
    return d->firmware.state().currentProfile;
}

VirtualProfile VirtualKeyboard::profile(int index) const
{
    std::lock_guard lock(d->mutex);
    return d->firmware.hasProfile(index) ? d->firmware.state().profiles[index] : VirtualProfile{};
}

void VirtualKeyboard::setProfile(int index, const VirtualProfile& profile)
{
    std::lock_guard lock(d->mutex);
    if (d->firmware.hasProfile(index))
        d->firmware.state().profiles[index] = profile;
}

QByteArray VirtualKeyboard::macro(int slot) const
{
    std::lock_guard lock(d->mutex);
    return d->firmware.hasMacroSlot(slot) ? d->firmware.state().macros[slot] : QByteArray();
}

void VirtualKeyboard::setMacro(int slot, const QByteArray& bytes)
{
    std::lock_guard lock(d->mutex);
    if (!d->firmware.hasMacroSlot(slot))
        return;
    QByteArray stored = bytes.left(MacroLength);
    stored.append(MacroLength - stored.size(), '\0');
    d->firmware.state().macros[slot] = stored;
}

std::array<quint8, 3> VirtualKeyboard::keyboardOptions() const
{
    std::lock_guard lock(d->mutex);
    return d->firmware.state().options;
}

void VirtualKeyboard::setKeyboardOptions(const std::array<quint8, 3>& options)
{
    std::lock_guard lock(d->mutex);
    d->firmware.state().options = options;
}

quint8 VirtualKeyboard::sensitivity() const
{
    std::lock_guard lock(d->mutex);
    return d->firmware.state().sensitivity;
}

void VirtualKeyboard::setSensitivity(quint8 value)
{
    std::lock_guard lock(d->mutex);
    d->firmware.state().sensitivity = value;
}

quint16 VirtualKeyboard::firmwareVersion() const
{
    std::lock_guard lock(d->mutex);
    return d->firmware.state().firmwareVersion;
}

void VirtualKeyboard::setFirmwareVersion(quint16 version)
{
    std::lock_guard lock(d->mutex);
    d->firmware.state().firmwareVersion = version;
}

quint8 VirtualKeyboard::layoutMode() const
{
    std::lock_guard lock(d->mutex);
    return d->firmware.state().layoutMode;
}

void VirtualKeyboard::setLayoutMode(quint8 mode)
{
    std::lock_guard lock(d->mutex);
    d->firmware.state().layoutMode = mode & LayoutModeMask;
}

bool VirtualKeyboard::inBootLoader() const
{
    std::lock_guard lock(d->mutex);
    return d->firmware.state().inBootLoader;
}

int VirtualKeyboard::recoveryRequests() const
{
    std::lock_guard lock(d->mutex);
    return d->firmware.state().recoveryRequests;
}

int VirtualKeyboard::stopMacroRequests() const
{
    std::lock_guard lock(d->mutex);
    return d->firmware.state().stopMacroRequests;
}

// ---- Capture ----

QList<CapturedReport> VirtualKeyboard::capture() const
{
    std::lock_guard lock(d->mutex);
    return d->capture.reports();
}

void VirtualKeyboard::clearCapture()
{
    std::lock_guard lock(d->mutex);
    d->capture.clear();
}

void VirtualKeyboard::setCaptureSink(std::function<void(const CapturedReport&)> sink)
{
    std::lock_guard lock(d->mutex);
    d->capture.setSink(std::move(sink));
}
