// The virtual keyboard as the program meets it: every call goes through its
// HidBackend side, one freshly opened handle per step like the device worker,
// and the results are checked byte for byte and against its capture.
#include "virtualkeyboard.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

using namespace Protocol;

namespace {

constexpr int ShortWaitMs = 20;  // a read that is expected to time out
constexpr int SettleMs = 30;     // lets a pool thread reach its wait
constexpr int LongWaitMs = 5000; // only reached when something is broken
constexpr int TestProfiles = 3;
constexpr int TestMacroSlots = 32;
constexpr quint16 TestVersion = 0x010A;
constexpr quint8 TestLayoutMode = 3;
constexpr int SeededProfile = 1; // the fixture's current profile
const QByteArray ExtraPath = "extra/ff01-0002";

using Lighting = std::array<quint8, LightingValues>;

// ---- Byte helpers ----

template <size_t N> QByteArray toBytes(const std::array<quint8, N>& array)
{
    return QByteArray(reinterpret_cast<const char*>(array.data()), int(N));
}

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

QByteArray trailer()
{
    return QByteArray(reinterpret_cast<const char*>(Trailer), sizeof(Trailer));
}

// 00 code p2 p3 p4 p5 55 AA 00: the usual packet of the command set.
QByteArray packet(quint8 code, quint8 p2 = 0, quint8 p3 = 0, quint8 p4 = 0, quint8 p5 = 0)
{
    QByteArray bytes(CommandReportSize, '\0');
    bytes[CodeOffset] = char(code);
    bytes[ParamOffset] = char(p2);
    bytes[ParamOffset + 1] = char(p3);
    bytes[ParamOffset + 2] = char(p4);
    bytes[ParamOffset + 3] = char(p5);
    bytes.replace(TrailerOffset, trailer().size(), trailer());
    return bytes;
}

// 00 code followed by exactly these seven parameter bytes.
QByteArray rawPacket(quint8 code, const QByteArray& params)
{
    return QByteArray(1, char(ReportId)) + char(code) + params;
}

QByteArray withByte(QByteArray bytes, int offset, quint8 value)
{
    bytes[offset] = char(value);
    return bytes;
}

// A reply: 00 code, then these values, zero-filled to nine bytes.
QByteArray reply(quint8 code, const QByteArray& values = {})
{
    QByteArray bytes = QByteArray(1, char(ReportId)) + char(code) + values;
    bytes.append(CommandReportSize - bytes.size(), '\0');
    return bytes;
}

QByteArray pattern(int length, int seed, int modulo = 256)
{
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char((seed + 7 * i) % modulo);
    return bytes;
}

// The boot loader's entry code, spelled out: the firmware must recognise
// exactly these bytes, whatever the shared constant says.
QByteArray bootLoaderParams()
{
    return hex("49 53 50 5A A5 3C C3");
}

// ---- The fixture's firmware state: every byte distinct from a fresh keyboard ----

VirtualProfile seededProfile(int p)
{
    VirtualProfile profile;
    for (size_t i = 0; i < profile.keyMatrix.size(); ++i)
        profile.keyMatrix[i] = quint8(i * 3 + p * 17 + 1);
    for (size_t i = 0; i < profile.lighting.size(); ++i)
        profile.lighting[i] = quint8(0x10 * (p + 1) + i);
    for (int i = 0; i < SevenColorBytes; ++i)
        profile.colors[i] = quint8((i + p * 5 + 1) % (MaxColorUnit + 1));
    for (int picture = 0; picture < PictureCount; ++picture)
        for (size_t i = 0; i < profile.pictures[picture].size(); ++i)
            profile.pictures[picture][i] = quint8(i + picture * 11 + p * 29 + 1);
    return profile;
}

QByteArray seededMacro(int slot)
{
    return pattern(MacroLength, slot * 13 + 5);
}

const std::array<quint8, 3> SeededOptions{1, 2, 3};
constexpr quint8 SeededSensitivity = 5;

QByteArray seededKeyMatrixHalf(int half)
{
    return toBytes(seededProfile(SeededProfile).keyMatrix)
        .mid(half * KeyMatrixHalfLength, KeyMatrixHalfLength);
}

QByteArray seededPlane(int picture, int plane)
{
    return toBytes(seededProfile(SeededProfile).pictures[picture])
        .mid(plane * PicturePlaneLength, PicturePlaneLength);
}

// ---- Driving the keyboard like the device worker: a fresh handle per step ----

template <typename Step> int onFreshHandle(HidBackend& hid, const QByteArray& path, Step step)
{
    HidDevice* handle = hid.openPath(path);
    if (!handle)
        return -1;
    const int result = step(handle);
    hid.close(handle);
    return result;
}

int sendPacket(HidBackend& hid, const QByteArray& bytes)
{
    return onFreshHandle(hid, VirtualKeyboard::commandPath(), [&](HidDevice* h) {
        return hid.sendFeatureReport(h, reinterpret_cast<const unsigned char*>(bytes.data()),
                                     size_t(bytes.size()));
    });
}

struct Received
{
    int result = -1;
    QByteArray bytes; // what the call delivered
};

Received getReply(HidBackend& hid, int bufferSize = CommandReportSize)
{
    QByteArray buffer(bufferSize, '\0');
    const int result = onFreshHandle(hid, VirtualKeyboard::commandPath(), [&](HidDevice* h) {
        return hid.getFeatureReport(h, reinterpret_cast<unsigned char*>(buffer.data()),
                                    size_t(buffer.size()));
    });
    return {result, buffer.left(std::max(result, 0))};
}

// One output report: report ID, then the chunk zero-padded to ReportLength.
QByteArray outputReport(const QByteArray& chunk)
{
    QByteArray report = QByteArray(1, char(ReportId)) + chunk;
    report.append(OutputReportSize - report.size(), '\0');
    return report;
}

int writeReport(HidBackend& hid, const QByteArray& report)
{
    return onFreshHandle(hid, VirtualKeyboard::commandPath(), [&](HidDevice* h) {
        return hid.write(h, reinterpret_cast<const unsigned char*>(report.data()),
                         size_t(report.size()));
    });
}

bool writePayload(HidBackend& hid, const QByteArray& payload)
{
    for (int offset = 0; offset < payload.size(); offset += ReportLength)
        if (writeReport(hid, outputReport(payload.mid(offset, ReportLength))) != OutputReportSize)
            return false;
    return true;
}

Received readOn(HidBackend& hid, HidDevice* handle, int timeoutMs,
                int bufferSize = OutputReportSize)
{
    QByteArray buffer(bufferSize, '\0');
    const int result = hid.readTimeout(handle, reinterpret_cast<unsigned char*>(buffer.data()),
                                       size_t(buffer.size()), timeoutMs);
    return {result, buffer.left(std::max(result, 0))};
}

Received readReport(HidBackend& hid, const QByteArray& path, int timeoutMs = ShortWaitMs,
                    int bufferSize = OutputReportSize)
{
    Received received;
    received.result = onFreshHandle(hid, path, [&](HidDevice* h) {
        received = readOn(hid, h, timeoutMs, bufferSize);
        return received.result;
    });
    return received;
}

// The data phase of a query: every input report until the keyboard has no more.
QList<QByteArray> readAllReports(HidBackend& hid)
{
    QList<QByteArray> reports;
    for (Received r = readReport(hid, VirtualKeyboard::commandPath()); r.result > 0;
         r = readReport(hid, VirtualKeyboard::commandPath()))
        reports << r.bytes;
    return reports;
}

// ---- Whole firmware state, to check that a command changed only what it should ----

struct Snapshot
{
    QList<VirtualProfile> profiles;
    QList<QByteArray> macros;
    int currentProfile = 0;
    std::array<quint8, 3> options{};
    quint8 sensitivity = 0;
    quint16 version = 0;
    quint8 layoutMode = 0;
    bool bootLoader = false;
    int recovery = 0;
    int stopMacro = 0;
};
using Change = std::function<void(Snapshot&)>;

Snapshot snapshot(const VirtualKeyboard& kb)
{
    Snapshot s;
    for (int p = 0; p < kb.config().profiles; ++p)
        s.profiles << kb.profile(p);
    for (int m = 0; m < kb.config().macroSlots; ++m)
        s.macros << kb.macro(m);
    s.currentProfile = kb.currentProfile();
    s.options = kb.keyboardOptions();
    s.sensitivity = kb.sensitivity();
    s.version = kb.firmwareVersion();
    s.layoutMode = kb.layoutMode();
    s.bootLoader = kb.inBootLoader();
    s.recovery = kb.recoveryRequests();
    s.stopMacro = kb.stopMacroRequests();
    return s;
}

void compareProfiles(const VirtualProfile& actual, const VirtualProfile& expected)
{
    QCOMPARE(toBytes(actual.keyMatrix), toBytes(expected.keyMatrix));
    QCOMPARE(toBytes(actual.lighting), toBytes(expected.lighting));
    QCOMPARE(toBytes(actual.colors), toBytes(expected.colors));
    for (int i = 0; i < PictureCount; ++i)
        QCOMPARE(toBytes(actual.pictures[i]), toBytes(expected.pictures[i]));
}

void compareSnapshots(const Snapshot& actual, const Snapshot& expected)
{
    QCOMPARE(actual.profiles.size(), expected.profiles.size());
    for (int p = 0; p < actual.profiles.size(); ++p) {
        compareProfiles(actual.profiles[p], expected.profiles[p]);
        if (QTest::currentTestFailed()) {
            qWarning("in profile %d", p);
            return;
        }
    }
    QCOMPARE(actual.macros, expected.macros);
    QCOMPARE(actual.currentProfile, expected.currentProfile);
    QCOMPARE(toBytes(actual.options), toBytes(expected.options));
    QCOMPARE(actual.sensitivity, expected.sensitivity);
    QCOMPARE(actual.version, expected.version);
    QCOMPARE(actual.layoutMode, expected.layoutMode);
    QCOMPARE(actual.bootLoader, expected.bootLoader);
    QCOMPARE(actual.recovery, expected.recovery);
    QCOMPARE(actual.stopMacro, expected.stopMacro);
}

void copyInto(quint8* target, const QByteArray& bytes)
{
    std::copy(bytes.cbegin(), bytes.cend(), target);
}

// ---- One attempt of each HID call, for the fault tables ----

// Returns the faulted call's own result (an open counts 1 for a handle).
using Attempt = std::function<int(VirtualKeyboard&)>;

int attemptOpen(VirtualKeyboard& kb, const QByteArray& path)
{
    HidDevice* handle = kb.openPath(path);
    kb.close(handle);
    return handle ? 1 : -1;
}

int attemptSendFeature(VirtualKeyboard& kb)
{
    return sendPacket(kb, packet(GetButtonSensitivity));
}

int attemptGetFeature(VirtualKeyboard& kb)
{
    sendPacket(kb, packet(GetButtonSensitivity));
    return getReply(kb).result;
}

int attemptWrite(VirtualKeyboard& kb)
{
    sendPacket(kb, packet(SetSevenColor));
    return writeReport(kb, outputReport(pattern(SevenColorLength, 9, MaxColorUnit + 1)));
}

int attemptReadCommand(VirtualKeyboard& kb)
{
    sendPacket(kb, packet(GetSevenColor));
    return readReport(kb, VirtualKeyboard::commandPath()).result;
}

int attemptReadEvent(VirtualKeyboard& kb)
{
    kb.changeLightingOnKeyboard({1, 2, 3, 4, 5, 6, 7});
    return readReport(kb, VirtualKeyboard::eventPath()).result;
}

struct Recorder
{
    std::mutex mutex;
    QList<CapturedReport> reports;
    QList<QThread*> threads;

    // pause: time the sink takes before it records, to let other threads overtake.
    std::function<void(const CapturedReport&)> sink(std::chrono::microseconds pause = {})
    {
        return [this, pause](const CapturedReport& report) {
            std::this_thread::sleep_for(pause);
            std::lock_guard lock(mutex);
            reports << report;
            threads << QThread::currentThread();
        };
    }
};

QStringList lines(const QList<CapturedReport>& reports)
{
    QStringList result;
    for (const CapturedReport& report : reports)
        result << formatCaptureLine(report);
    return result;
}

} // namespace

Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(Attempt)
Q_DECLARE_METATYPE(HidCall)
Q_DECLARE_METATYPE(HidInterface)
Q_DECLARE_METATYPE(ReportDirection)

class TestVirtualKeyboard : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<VirtualKeyboard> kb;

    static VirtualKeyboardConfig testConfig()
    {
        VirtualKeyboardConfig config;
        config.profiles = TestProfiles;
        config.macroSlots = TestMacroSlots;
        config.firmwareVersion = TestVersion;
        config.layoutMode = TestLayoutMode;
        HidDeviceInfo extra;
        extra.path = ExtraPath;
        extra.vendorId = VendorId;
        extra.productId = ProductId;
        extra.usagePage = CommandUsagePage;
        extra.usage = 0x0002;
        config.extraInterfaces << extra;
        return config;
    }

    static void addAttemptRows(bool withUntouchedInterface)
    {
        QTest::addColumn<HidCall>("call");
        QTest::addColumn<HidInterface>("interface");
        QTest::addColumn<Attempt>("attempt");
        QTest::addColumn<int>("success");
        QTest::addColumn<bool>("hit");
        const auto cmd = HidInterface::Command;
        const auto evt = HidInterface::Event;
        const Attempt openCmd = [](VirtualKeyboard& k) {
            return attemptOpen(k, VirtualKeyboard::commandPath());
        };
        const Attempt openEvt = [](VirtualKeyboard& k) {
            return attemptOpen(k, VirtualKeyboard::eventPath());
        };
        QTest::newRow("open command") << HidCall::Open << cmd << openCmd << 1 << true;
        QTest::newRow("open event") << HidCall::Open << evt << openEvt << 1 << true;
        QTest::newRow("send feature") << HidCall::SendFeature << cmd << Attempt(attemptSendFeature)
                                      << CommandReportSize << true;
        QTest::newRow("get feature") << HidCall::GetFeature << cmd << Attempt(attemptGetFeature)
                                     << CommandReportSize << true;
        QTest::newRow("write") << HidCall::Write << cmd << Attempt(attemptWrite) << OutputReportSize
                               << true;
        QTest::newRow("read command")
            << HidCall::Read << cmd << Attempt(attemptReadCommand) << ReportLength << true;
        QTest::newRow("read event")
            << HidCall::Read << evt << Attempt(attemptReadEvent) << EventReportSize << true;
        if (!withUntouchedInterface)
            return;
        QTest::newRow("open event, fault on command")
            << HidCall::Open << cmd << openEvt << 1 << false;
        QTest::newRow("read event, fault on command")
            << HidCall::Read << cmd << Attempt(attemptReadEvent) << EventReportSize << false;
        QTest::newRow("read command, fault on event")
            << HidCall::Read << evt << Attempt(attemptReadCommand) << ReportLength << false;
    }

private slots:
    // Some tests keep two pool tasks busy at once, as the program does.
    void initTestCase()
    {
        QThreadPool* pool = QThreadPool::globalInstance();
        pool->setMaxThreadCount(std::max(pool->maxThreadCount(), 4));
    }

    void init()
    {
        kb = std::make_unique<VirtualKeyboard>(testConfig());
        for (int p = 0; p < TestProfiles; ++p)
            kb->setProfile(p, seededProfile(p));
        for (int m = 0; m < TestMacroSlots; ++m)
            kb->setMacro(m, seededMacro(m));
        kb->setKeyboardOptions(SeededOptions);
        kb->setSensitivity(SeededSensitivity);
        kb->selectProfileOnKeyboard(SeededProfile);
    }

    void cleanup() { kb.reset(); }

    // ---- Enumeration and handles ----

    void enumeration_data()
    {
        QTest::addColumn<int>("vendorId");
        QTest::addColumn<int>("productId");
        QTest::addColumn<bool>("plugged");
        QTest::addColumn<bool>("listed");
        QTest::newRow("exact ids") << int(VendorId) << int(ProductId) << true << true;
        QTest::newRow("wildcard vendor and product") << 0 << 0 << true << true;
        QTest::newRow("wildcard product") << int(VendorId) << 0 << true << true;
        QTest::newRow("wildcard vendor") << 0 << int(ProductId) << true << true;
        QTest::newRow("other vendor") << 0x046D << int(ProductId) << true << false;
        QTest::newRow("other product") << int(VendorId) << 0xA1CE << true << false;
        QTest::newRow("unplugged") << int(VendorId) << int(ProductId) << false << false;
    }

    void enumeration()
    {
        QFETCH(int, vendorId);
        QFETCH(int, productId);
        QFETCH(bool, plugged);
        QFETCH(bool, listed);
        if (!plugged)
            kb->unplug();
        const QList<HidDeviceInfo> found = kb->enumerate(quint16(vendorId), quint16(productId));
        if (!listed) {
            QVERIFY(found.isEmpty());
            return;
        }
        // The boot keyboard (generic desktop, keyboard), then the command and
        // event interfaces on the vendor pages, then the extra one.
        QCOMPARE(found.size(), 4);
        QCOMPARE(found[0].usagePage, quint16(0x0001));
        QCOMPARE(found[0].usage, quint16(0x0006));
        QCOMPARE(found[1].path, VirtualKeyboard::commandPath());
        QCOMPARE(found[1].usagePage, quint16(0xFF01));
        QCOMPARE(found[1].usage, quint16(0x0001));
        QCOMPARE(found[2].path, VirtualKeyboard::eventPath());
        QCOMPARE(found[2].usagePage, quint16(0xFF02));
        QCOMPARE(found[2].usage, quint16(0x0001));
        QCOMPARE(found[3].path, ExtraPath);
        QCOMPARE(found[3].usage, quint16(0x0002));
        QSet<QByteArray> paths;
        for (const HidDeviceInfo& info : found.mid(0, 3)) {
            QCOMPARE(info.vendorId, quint16(0x04D9));
            QCOMPARE(info.productId, quint16(0xA1CD));
            paths << info.path;
        }
        QCOMPARE(paths.size(), 3);
    }

    void openOnlyTheVendorInterfaces_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<bool>("opens");
        QTest::newRow("command") << VirtualKeyboard::commandPath() << true;
        QTest::newRow("event") << VirtualKeyboard::eventPath() << true;
        QTest::newRow("unknown") << QByteArray("/dev/hidraw9") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("listed extra interface") << ExtraPath << false;
    }

    void openOnlyTheVendorInterfaces()
    {
        QFETCH(QByteArray, path);
        QFETCH(bool, opens);
        HidDevice* handle = kb->openPath(path);
        QCOMPARE(handle != nullptr, opens);
        kb->close(handle);
    }

    void everyOpenGivesAnIndependentHandle()
    {
        HidDevice* first = kb->openPath(VirtualKeyboard::commandPath());
        HidDevice* second = kb->openPath(VirtualKeyboard::commandPath());
        QVERIFY(first && second && first != second);
        kb->close(first);
        QCOMPARE(kb->setNonblocking(second, 0), 0);
        const QByteArray query = packet(GetCurrentProfile);
        QCOMPARE(kb->sendFeatureReport(second, reinterpret_cast<const uchar*>(query.data()),
                                       CommandReportSize),
                 CommandReportSize);
        kb->close(second);
        kb->close(nullptr); // harmless, like hid_close(NULL)
    }

    void manyOpenCloseCyclesKeepWorking()
    {
        for (int i = 0; i < 500; ++i)
            QCOMPARE(sendPacket(*kb, packet(SetButtonSensitivity, quint8(i))), CommandReportSize);
        QCOMPARE(kb->sensitivity(), quint8(499 % 256));
    }

    // ---- Write commands ----

    void writeCommands_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<Change>("change");
        const int cur = SeededProfile;
        const Change none = [](Snapshot&) {
        };

        QTest::newRow("02 options") << packet(SetKeyboardOption, 0x11, 0x22, 0x33) << QByteArray()
                                    << Change([](Snapshot& s) {
                                           s.options = {0x11, 0x22, 0x33};
                                       });
        QTest::newRow("04 sensitivity") << packet(SetButtonSensitivity, 9) << QByteArray()
                                        << Change([](Snapshot& s) { s.sensitivity = 9; });
        QTest::newRow("08 lighting of the current profile")
            << rawPacket(SetLedType, hex("01020304050607")) << QByteArray()
            << Change([cur](Snapshot& s) { s.profiles[cur].lighting = {1, 2, 3, 4, 5, 6, 7}; });
        QTest::newRow("09 stop macro")
            << rawPacket(StopMacroSending, hex("AACCEE0055AA00")) << QByteArray()
            << Change([](Snapshot& s) { ++s.stopMacro; });
        QTest::newRow("0F boot loader")
            << rawPacket(SetIspBootLoader, bootLoaderParams()) << QByteArray()
            << Change([](Snapshot& s) { s.bootLoader = true; });
        QTest::newRow("13 recovery") << rawPacket(SetRecoveryData, hex("FF1F000055AA00"))
                                     << QByteArray() << Change([](Snapshot& s) { ++s.recovery; });
        QTest::newRow("21 last profile") << packet(SetCurrentProfile, 2) << QByteArray()
                                         << Change([](Snapshot& s) { s.currentProfile = 2; });
        QTest::newRow("21 first profile") << packet(SetCurrentProfile, 0) << QByteArray()
                                          << Change([](Snapshot& s) { s.currentProfile = 0; });

        const QByteArray keys = pattern(KeyMatrixHalfLength, 100);
        QTest::newRow("0C first key-matrix half")
            << packet(SetKeyMatrix1) << keys << Change([cur, keys](Snapshot& s) {
                   copyInto(s.profiles[cur].keyMatrix.data(), keys);
               });
        QTest::newRow("0D second key-matrix half")
            << packet(SetKeyMatrix2) << keys << Change([cur, keys](Snapshot& s) {
                   copyInto(s.profiles[cur].keyMatrix.data() + KeyMatrixHalfLength, keys);
               });
        const QByteArray macro = pattern(MacroLength, 200);
        QTest::newRow("10 last macro slot")
            << packet(SetMacroKey, 0, TestMacroSlots - 1) << macro
            << Change([macro](Snapshot& s) { s.macros[TestMacroSlots - 1] = macro; });
        QTest::newRow("10 first macro slot")
            << packet(SetMacroKey, 0, 0) << macro
            << Change([macro](Snapshot& s) { s.macros[0] = macro; });
        const QByteArray plane = pattern(PicturePlaneLength, 3, MaxColorUnit + 1);
        // Pictures 0 … 4, each of planes 0 … 3 (option, red, green, blue).
        QTest::newRow("12 last picture, blue plane")
            << packet(SetUserPicture, 0, 4, 3) << plane << Change([cur, plane](Snapshot& s) {
                   copyInto(s.profiles[cur].pictures[4].data() + 3 * PicturePlaneLength, plane);
               });
        QTest::newRow("12 first picture, option plane")
            << packet(SetUserPicture, 0, 0, 0) << plane << Change([cur, plane](Snapshot& s) {
                   copyInto(s.profiles[cur].pictures[0].data(), plane);
               });
        // Bytes past the seven triples (0 … 20) are not kept; colours are not
        // clamped.
        QByteArray colors = pattern(SevenColorLength, 50, 0x100);
        colors[0] = char(MaxColorUnit);
        QTest::newRow("30 seven colours")
            << packet(SetSevenColor) << colors << Change([cur, colors](Snapshot& s) {
                   copyInto(s.profiles[cur].colors.data(), colors.left(21));
               });

        // Ignored: one field of a valid command changed.
        QTest::newRow("unknown code 05") << packet(0x05, 1) << QByteArray() << none;
        QTest::newRow("unknown code 7F") << packet(0x7F, 1) << QByteArray() << none;
        QTest::newRow("21 profile past the last")
            << packet(SetCurrentProfile, TestProfiles) << QByteArray() << none;
        QTest::newRow("21 profile FF") << packet(SetCurrentProfile, 0xFF) << QByteArray() << none;
        QTest::newRow("10 macro slot past the last")
            << packet(SetMacroKey, 0, TestMacroSlots) << macro << none;
        QTest::newRow("12 picture past the last")
            << packet(SetUserPicture, 0, 5, 0) << plane << none;
        QTest::newRow("12 plane past the last") << packet(SetUserPicture, 0, 0, 4) << plane << none;
        const QByteArray entry = rawPacket(SetIspBootLoader, bootLoaderParams());
        QTest::newRow("0F entry code, first byte wrong")
            << withByte(entry, ParamOffset, 0x49 ^ 1) << QByteArray() << none;
        QTest::newRow("0F entry code, last byte wrong")
            << withByte(entry, CommandReportSize - 1, 0xC3 ^ 1) << QByteArray() << none;
        QTest::newRow("0F usual packet") << packet(SetIspBootLoader) << QByteArray() << none;
    }

    void writeCommands()
    {
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, payload);
        QFETCH(Change, change);
        Snapshot expected = snapshot(*kb);
        change(expected);
        QCOMPARE(sendPacket(*kb, command), CommandReportSize);
        QVERIFY(writePayload(*kb, payload));
        compareSnapshots(snapshot(*kb), expected);
    }

    void payloadTakesEffectOnlyWhenComplete()
    {
        const QByteArray before = toBytes(kb->profile(SeededProfile).keyMatrix);
        const QByteArray keys = pattern(KeyMatrixHalfLength, 77);
        QCOMPARE(sendPacket(*kb, packet(SetKeyMatrix2)), CommandReportSize);
        QCOMPARE(writeReport(*kb, outputReport(keys.left(ReportLength))), OutputReportSize);
        QCOMPARE(toBytes(kb->profile(SeededProfile).keyMatrix), before);
        QCOMPARE(writeReport(*kb, outputReport(keys.mid(ReportLength))), OutputReportSize);
        QCOMPARE(toBytes(kb->profile(SeededProfile).keyMatrix),
                 before.left(KeyMatrixHalfLength) + keys);
    }

    void newFeatureReportAbandonsWriteDataPhase()
    {
        const QByteArray before = toBytes(kb->profile(SeededProfile).keyMatrix);
        const QByteArray keys = pattern(KeyMatrixHalfLength, 77);
        sendPacket(*kb, packet(SetKeyMatrix1));
        writeReport(*kb, outputReport(keys.left(ReportLength)));
        QCOMPARE(sendPacket(*kb, packet(SetButtonSensitivity, 42)), CommandReportSize);
        QCOMPARE(writeReport(*kb, outputReport(keys.mid(ReportLength))), OutputReportSize);
        QCOMPARE(writeReport(*kb, outputReport(keys.left(ReportLength))), OutputReportSize);
        QCOMPARE(toBytes(kb->profile(SeededProfile).keyMatrix), before);
        QCOMPARE(kb->sensitivity(), quint8(42));
    }

    void outputReportsWithoutDataPhaseChangeNothing()
    {
        const Snapshot before = snapshot(*kb);
        QCOMPARE(writeReport(*kb, outputReport(pattern(ReportLength, 1))), OutputReportSize);
        sendPacket(*kb, packet(SetButtonSensitivity, SeededSensitivity));
        QCOMPARE(writeReport(*kb, outputReport(pattern(ReportLength, 2))), OutputReportSize);
        compareSnapshots(snapshot(*kb), before);
    }

    void failedWriteLeavesDataPhaseWaiting()
    {
        const QByteArray keys = pattern(KeyMatrixHalfLength, 33);
        sendPacket(*kb, packet(SetKeyMatrix1));
        kb->failNext(HidCall::Write, HidInterface::Command);
        QCOMPARE(writeReport(*kb, outputReport(keys.left(ReportLength))), -1);
        QVERIFY(writePayload(*kb, keys));
        QCOMPARE(toBytes(kb->profile(SeededProfile).keyMatrix).left(KeyMatrixHalfLength), keys);
    }

    // ---- Queries ----

    void queries_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("expectedReply");
        QTest::addColumn<QByteArray>("expectedData");
        const VirtualProfile current = seededProfile(SeededProfile);

        // Version 01.0A; layout mode 3 in bits 2 … 1 of byte 4.
        QTest::newRow("80 version and layout")
            << packet(GetFwVersion) << hex("00 80 01 0A 06 00 00 00 00") << QByteArray();
        QTest::newRow("82 options")
            << packet(GetKeyboardOption) << reply(GetKeyboardOption, toBytes(SeededOptions))
            << QByteArray();
        QTest::newRow("84 sensitivity")
            << packet(GetButtonSensitivity)
            << reply(GetButtonSensitivity, QByteArray(1, char(SeededSensitivity))) << QByteArray();
        QTest::newRow("88 lighting of the current profile")
            << packet(GetLedType) << reply(GetLedType, toBytes(current.lighting)) << QByteArray();
        QTest::newRow("A1 current profile")
            << packet(GetCurrentProfile)
            << reply(GetCurrentProfile, QByteArray(1, char(SeededProfile))) << QByteArray();
        QTest::newRow("8C first key-matrix half")
            << packet(GetKeyMatrix1) << packet(GetKeyMatrix1) << seededKeyMatrixHalf(0);
        QTest::newRow("8D second key-matrix half")
            << packet(GetKeyMatrix2) << packet(GetKeyMatrix2) << seededKeyMatrixHalf(1);
        QTest::newRow("90 macro slot 7")
            << packet(GetMacroKey, 0, 7) << packet(GetMacroKey, 0, 7) << seededMacro(7);
        QTest::newRow("90 last macro slot")
            << packet(GetMacroKey, 0, TestMacroSlots - 1)
            << packet(GetMacroKey, 0, TestMacroSlots - 1) << seededMacro(TestMacroSlots - 1);
        QTest::newRow("92 picture 3, red plane")
            << packet(GetUserPicture, 0, 3, 1) << packet(GetUserPicture, 0, 3, 1)
            << seededPlane(3, 1);
        QTest::newRow("92 last picture, blue plane")
            << packet(GetUserPicture, 0, 4, 3) << packet(GetUserPicture, 0, 4, 3)
            << seededPlane(4, 3);
        QTest::newRow("B0 seven colours")
            << packet(GetSevenColor) << packet(GetSevenColor) << toBytes(current.colors);
        // A data query answers with the request's own parameter bytes.
        const QByteArray odd = rawPacket(GetMacroKey, hex("11022233445566"));
        QTest::newRow("90 echoes every parameter byte") << odd << odd << seededMacro(2);

        // Ignored: zeros after the code and no data phase.
        QTest::newRow("unknown code C0") << packet(0xC0, 1, 2) << reply(0xC0) << QByteArray();
        QTest::newRow("write code 21")
            << packet(SetCurrentProfile, SeededProfile) << reply(SetCurrentProfile) << QByteArray();
        QTest::newRow("90 macro slot past the last")
            << packet(GetMacroKey, 0, TestMacroSlots) << reply(GetMacroKey) << QByteArray();
        QTest::newRow("92 picture past the last")
            << packet(GetUserPicture, 0, 5, 0) << reply(GetUserPicture) << QByteArray();
        QTest::newRow("92 plane past the last")
            << packet(GetUserPicture, 0, 0, 4) << reply(GetUserPicture) << QByteArray();
    }

    void queries()
    {
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, expectedReply);
        QFETCH(QByteArray, expectedData);
        const Snapshot before = snapshot(*kb);
        QCOMPARE(sendPacket(*kb, command), CommandReportSize);
        const Received answer = getReply(*kb);
        QCOMPARE(answer.result, CommandReportSize);
        QCOMPARE(answer.bytes.toHex(' '), expectedReply.toHex(' '));
        const QList<QByteArray> reports = readAllReports(*kb);
        QCOMPARE(int(reports.size()), int(expectedData.size() / ReportLength));
        for (int i = 0; i < reports.size(); ++i)
            QCOMPARE(reports[i].toHex(' '),
                     expectedData.mid(i * ReportLength, ReportLength).toHex(' '));
        compareSnapshots(snapshot(*kb), before);
    }

    void replyIsTruncatedToTheCallersBuffer()
    {
        sendPacket(*kb, packet(GetLedType));
        const Received answer = getReply(*kb, 4);
        QCOMPARE(answer.result, 4);
        QCOMPARE(answer.bytes,
                 reply(GetLedType, toBytes(seededProfile(SeededProfile).lighting)).left(4));
    }

    void newFeatureReportAbandonsReadDataPhase()
    {
        sendPacket(*kb, packet(GetKeyMatrix1));
        QCOMPARE(readReport(*kb, VirtualKeyboard::commandPath()).bytes,
                 seededKeyMatrixHalf(0).left(ReportLength));
        sendPacket(*kb, packet(GetButtonSensitivity));
        QCOMPARE(readReport(*kb, VirtualKeyboard::commandPath()).result, 0);
    }

    void writesReadBackThroughQueries_data()
    {
        QTest::addColumn<QByteArray>("write");
        QTest::addColumn<QByteArray>("query");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QByteArray>("readBack");
        const QByteArray block = pattern(KeyMatrixHalfLength, 61, MaxColorUnit + 1);
        QTest::newRow("0C / 8C") << packet(SetKeyMatrix1) << packet(GetKeyMatrix1) << block
                                 << block;
        QTest::newRow("0D / 8D") << packet(SetKeyMatrix2) << packet(GetKeyMatrix2) << block
                                 << block;
        QTest::newRow("10 / 90") << packet(SetMacroKey, 0, 9) << packet(GetMacroKey, 0, 9) << block
                                 << block;
        QTest::newRow("12 / 92") << packet(SetUserPicture, 0, 2, 3)
                                 << packet(GetUserPicture, 0, 2, 3) << block << block;
        const QByteArray colors = block.left(SevenColorLength);
        QTest::newRow("30 / B0") << packet(SetSevenColor) << packet(GetSevenColor) << colors
                                 << colors.left(21) + QByteArray(43, '\0');
    }

    void writesReadBackThroughQueries()
    {
        QFETCH(QByteArray, write);
        QFETCH(QByteArray, query);
        QFETCH(QByteArray, payload);
        QFETCH(QByteArray, readBack);
        sendPacket(*kb, write);
        QVERIFY(writePayload(*kb, payload));
        sendPacket(*kb, query);
        QCOMPARE(readAllReports(*kb).join(), readBack);
    }

    void keyMatrixHalvesFollowTheCurrentProfile()
    {
        QCOMPARE(sendPacket(*kb, packet(SetCurrentProfile, 2)), CommandReportSize);
        sendPacket(*kb, packet(GetKeyMatrix2));
        QCOMPARE(readAllReports(*kb).join(),
                 toBytes(seededProfile(2).keyMatrix).mid(KeyMatrixHalfLength));
    }

    // ---- Framing the keyboard refuses ----

    void malformedReportsFail_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<HidCall>("call");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray cmd = VirtualKeyboard::commandPath();
        const QByteArray evt = VirtualKeyboard::eventPath();
        const QByteArray good = packet(SetButtonSensitivity, 77);
        const QByteArray goodOut = outputReport(pattern(ReportLength, 4));
        QTest::newRow("feature of 8 bytes") << cmd << HidCall::SendFeature << good.left(8);
        QTest::newRow("feature of 10 bytes") << cmd << HidCall::SendFeature << good + '\0';
        QTest::newRow("feature with report ID 1")
            << cmd << HidCall::SendFeature << withByte(good, ReportIdOffset, 1);
        QTest::newRow("feature on the event interface") << evt << HidCall::SendFeature << good;
        QTest::newRow("output of 64 bytes") << cmd << HidCall::Write << goodOut.left(64);
        QTest::newRow("output of 66 bytes") << cmd << HidCall::Write << goodOut + '\0';
        QTest::newRow("output with report ID 1")
            << cmd << HidCall::Write << withByte(goodOut, ReportIdOffset, 1);
        QTest::newRow("output on the event interface") << evt << HidCall::Write << goodOut;
        QTest::newRow("get feature with report ID 1")
            << cmd << HidCall::GetFeature << withByte(QByteArray(9, '\0'), ReportIdOffset, 1);
        QTest::newRow("get feature on the event interface")
            << evt << HidCall::GetFeature << QByteArray(9, '\0');
    }

    void malformedReportsFail()
    {
        QFETCH(QByteArray, path);
        QFETCH(HidCall, call);
        QFETCH(QByteArray, bytes);
        sendPacket(*kb, packet(SetKeyMatrix1)); // a write data phase is waiting
        kb->clearCapture();
        const Snapshot before = snapshot(*kb);
        const int result = onFreshHandle(*kb, path, [&](HidDevice* h) {
            auto* data = reinterpret_cast<uchar*>(bytes.data());
            const size_t size = size_t(bytes.size());
            if (call == HidCall::SendFeature)
                return kb->sendFeatureReport(h, data, size);
            if (call == HidCall::Write)
                return kb->write(h, data, size);
            return kb->getFeatureReport(h, data, size);
        });
        QCOMPARE(result, -1);
        QVERIFY(kb->capture().isEmpty());
        compareSnapshots(snapshot(*kb), before);
    }

    // ---- Bus ----

    void unplugKillsHandlesForever()
    {
        HidDevice* cmd = kb->openPath(VirtualKeyboard::commandPath());
        HidDevice* evt = kb->openPath(VirtualKeyboard::eventPath());
        QVERIFY(cmd && evt);
        QCOMPARE(sendPacket(*kb, packet(SetButtonSensitivity, 99)), CommandReportSize);
        kb->unplug();
        QVERIFY(!kb->isPlugged());
        QVERIFY(kb->enumerate(0, 0).isEmpty());
        QVERIFY(!kb->openPath(VirtualKeyboard::commandPath()));
        QVERIFY(!kb->openPath(VirtualKeyboard::eventPath()));
        QCOMPARE(sendPacket(*kb, packet(SetButtonSensitivity, 1)), -1);

        kb->plug();
        QVERIFY(kb->isPlugged());
        QCOMPARE(kb->enumerate(VendorId, ProductId).size(), 4);
        QByteArray query = packet(GetButtonSensitivity);
        QByteArray buffer(OutputReportSize, '\0');
        auto* data = reinterpret_cast<uchar*>(buffer.data());
        for (HidDevice* dead : {cmd, evt}) {
            QCOMPARE(kb->setNonblocking(dead, 1), -1);
            QCOMPARE(kb->sendFeatureReport(dead, reinterpret_cast<uchar*>(query.data()),
                                           CommandReportSize),
                     -1);
            QCOMPARE(kb->getFeatureReport(dead, data, CommandReportSize), -1);
            QCOMPARE(kb->write(dead, data, OutputReportSize), -1);
            QCOMPARE(kb->readTimeout(dead, data, OutputReportSize, ShortWaitMs), -1);
            QCOMPARE(kb->read(dead, data, OutputReportSize), -1);
            kb->close(dead);
        }
        // State survives; fresh handles work.
        QCOMPARE(sendPacket(*kb, query), CommandReportSize);
        QCOMPARE(getReply(*kb).bytes, reply(GetButtonSensitivity, QByteArray(1, char(99))));
        QCOMPARE(kb->sensitivity(), quint8(99));
    }

    void unplugAndPlugSignalEachChange()
    {
        QSignalSpy spy(kb.get(), &DeviceChangeSource::deviceChanged);
        kb->unplug();
        QCOMPARE(spy.count(), 1);
        kb->unplug();
        QCOMPARE(spy.count(), 1);
        kb->plug();
        QCOMPARE(spy.count(), 2);
        kb->plug();
        QCOMPARE(spy.count(), 2);
    }

    void unplugDropsPendingReports()
    {
        sendPacket(*kb, packet(GetKeyMatrix1));
        kb->changeLightingOnKeyboard({1, 1, 1, 1, 1, 1, 1});
        kb->unplug();
        kb->plug();
        QCOMPARE(readReport(*kb, VirtualKeyboard::commandPath()).result, 0);
        QCOMPARE(readReport(*kb, VirtualKeyboard::eventPath()).result, 0);
    }

    void unplugWakesWaitingRead_data()
    {
        QTest::addColumn<bool>("blocking");
        QTest::newRow("read with time-out") << false;
        QTest::newRow("blocking read") << true;
    }

    void unplugWakesWaitingRead()
    {
        QFETCH(bool, blocking);
        HidDevice* evt = kb->openPath(VirtualKeyboard::eventPath());
        std::atomic<bool> started{false};
        QFuture<int> reader = QtConcurrent::run([&] {
            QByteArray buffer(EventReportSize, '\0');
            auto* data = reinterpret_cast<uchar*>(buffer.data());
            started = true;
            return blocking ? kb->read(evt, data, EventReportSize)
                            : kb->readTimeout(evt, data, EventReportSize, LongWaitMs);
        });
        QTRY_VERIFY(started);
        QTest::qWait(SettleMs);
        QVERIFY(!reader.isFinished());
        kb->unplug();
        QTRY_VERIFY_WITH_TIMEOUT(reader.isFinished(), LongWaitMs / 2);
        QCOMPARE(reader.result(), -1); // woken, not timed out
        kb->close(evt);
    }

    // ---- Events ----

    void lightingChangeOnKeyboardSendsOneEventReport()
    {
        const Lighting lighting{2, 7, 3, 0, 1, 0, 0};
        kb->changeLightingOnKeyboard(lighting);
        const Received event =
            readReport(*kb, VirtualKeyboard::eventPath(), ShortWaitMs, OutputReportSize);
        QCOMPARE(event.result, EventReportSize);
        // Kind 01 (lighting), profile 1, two zeros, the seven values, a zero.
        QCOMPARE(event.bytes.toHex(' '), QByteArray("01 01 00 00 02 07 03 00 01 00 00 00"));
        QCOMPARE(readReport(*kb, VirtualKeyboard::eventPath()).result, 0);

        QCOMPARE(toBytes(kb->profile(SeededProfile).lighting), toBytes(lighting));
        QCOMPARE(toBytes(kb->profile(0).lighting), toBytes(seededProfile(0).lighting));
        sendPacket(*kb, packet(GetLedType));
        QCOMPARE(getReply(*kb).bytes, reply(GetLedType, toBytes(lighting)));
    }

    void eventReportsArriveInOrder()
    {
        kb->changeLightingOnKeyboard({1, 0, 0, 0, 0, 0, 0});
        QCOMPARE(sendPacket(*kb, packet(SetCurrentProfile, 2)), CommandReportSize);
        kb->changeLightingOnKeyboard({2, 0, 0, 0, 0, 0, 0});
        const Received first = readReport(*kb, VirtualKeyboard::eventPath());
        const Received second = readReport(*kb, VirtualKeyboard::eventPath());
        // Each names the profile that was current when it was made.
        QCOMPARE(first.bytes.toHex(' '), QByteArray("01 01 00 00 01 00 00 00 00 00 00 00"));
        QCOMPARE(second.bytes.toHex(' '), QByteArray("01 02 00 00 02 00 00 00 00 00 00 00"));
    }

    void eventReportIsTruncatedToTheCallersBuffer()
    {
        kb->changeLightingOnKeyboard({9, 8, 7, 6, 5, 4, 3});
        const Received event = readReport(*kb, VirtualKeyboard::eventPath(), ShortWaitMs, 6);
        QCOMPARE(event.result, 6);
        QCOMPARE(event.bytes, QByteArray::fromHex("010100000908"));
    }

    void lightingChangeWhileUnpluggedSendsNothing()
    {
        kb->unplug();
        kb->changeLightingOnKeyboard({4, 4, 4, 4, 4, 4, 4});
        kb->plug();
        QCOMPARE(readReport(*kb, VirtualKeyboard::eventPath()).result, 0);
        QCOMPARE(toBytes(kb->profile(SeededProfile).lighting), hex("04040404040404"));
    }

    void selectProfileOnKeyboard_data()
    {
        QTest::addColumn<int>("profile");
        QTest::addColumn<int>("current");
        QTest::newRow("first") << 0 << 0;
        QTest::newRow("last") << TestProfiles - 1 << TestProfiles - 1;
        QTest::newRow("past the last") << TestProfiles << SeededProfile;
        QTest::newRow("negative") << -1 << SeededProfile;
    }

    void selectProfileOnKeyboard()
    {
        QFETCH(int, profile);
        QFETCH(int, current);
        kb->selectProfileOnKeyboard(profile);
        QCOMPARE(kb->currentProfile(), current);
        sendPacket(*kb, packet(GetCurrentProfile));
        QCOMPARE(getReply(*kb).bytes, reply(GetCurrentProfile, QByteArray(1, char(current))));
        QCOMPARE(readReport(*kb, VirtualKeyboard::eventPath()).result, 0);
    }

    void nonblockingReadReturnsAtOnce()
    {
        HidDevice* evt = kb->openPath(VirtualKeyboard::eventPath());
        QCOMPARE(kb->setNonblocking(evt, 1), 0);
        QByteArray buffer(EventReportSize, '\0');
        auto* data = reinterpret_cast<uchar*>(buffer.data());
        QCOMPARE(kb->read(evt, data, EventReportSize), 0);
        kb->changeLightingOnKeyboard({5, 5, 5, 5, 5, 5, 5});
        QCOMPARE(kb->read(evt, data, EventReportSize), EventReportSize);
        QCOMPARE(buffer.at(EventLightingOffset), char(5));
        kb->close(evt);
    }

    // ---- Faults ----

    void failNext_data() { addAttemptRows(true); }

    void failNext()
    {
        QFETCH(HidCall, call);
        QFETCH(HidInterface, interface);
        QFETCH(Attempt, attempt);
        QFETCH(int, success);
        QFETCH(bool, hit);
        kb->failNext(call, interface, 2);
        const int failed = hit ? -1 : success;
        QCOMPARE(attempt(*kb), failed);
        QCOMPARE(attempt(*kb), failed);
        QCOMPARE(attempt(*kb), success);
    }

    void failedCallsNeitherReachTheFirmwareNorTheCapture()
    {
        kb->failNext(HidCall::SendFeature, HidInterface::Command);
        QCOMPARE(sendPacket(*kb, packet(SetButtonSensitivity, 1)), -1);
        QCOMPARE(kb->sensitivity(), SeededSensitivity);
        sendPacket(*kb, packet(GetButtonSensitivity));
        kb->clearCapture();
        kb->failNext(HidCall::GetFeature, HidInterface::Command);
        QCOMPARE(getReply(*kb).result, -1);
        QVERIFY(kb->capture().isEmpty());
        QCOMPARE(getReply(*kb).result, CommandReportSize); // the reply was kept
        QCOMPARE(kb->capture().size(), 1);
    }

    void failedReadKeepsTheReport()
    {
        kb->changeLightingOnKeyboard({6, 6, 6, 6, 6, 6, 6});
        kb->failNext(HidCall::Read, HidInterface::Event);
        QCOMPARE(readReport(*kb, VirtualKeyboard::eventPath()).result, -1);
        QCOMPARE(readReport(*kb, VirtualKeyboard::eventPath()).result, EventReportSize);
    }

    void delayLengthensTheCall_data() { addAttemptRows(false); }

    void delayLengthensTheCall()
    {
        QFETCH(HidCall, call);
        QFETCH(HidInterface, interface);
        QFETCH(Attempt, attempt);
        QFETCH(int, success);
        kb->setDelay(call, interface, SettleMs);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(attempt(*kb), success);
        QVERIFY2(timer.elapsed() >= SettleMs, qPrintable(QString::number(timer.elapsed())));
    }

    void delayedCallDoesNotHoldUpOtherThreads()
    {
        const int delayMs = 150;
        kb->setDelay(HidCall::Read, HidInterface::Event, delayMs);
        kb->changeLightingOnKeyboard({7, 7, 7, 7, 7, 7, 7});
        kb->clearCapture();
        HidDevice* evt = kb->openPath(VirtualKeyboard::eventPath());
        std::atomic<bool> started{false};
        QFuture<int> reader = QtConcurrent::run([&] {
            started = true;
            return readOn(*kb, evt, ShortWaitMs).result;
        });
        QTRY_VERIFY(started);
        QTest::qWait(SettleMs); // the reader is now in its delay
        sendPacket(*kb, packet(GetCurrentProfile));
        getReply(*kb);
        QTRY_VERIFY_WITH_TIMEOUT(reader.isFinished(), LongWaitMs);
        QCOMPARE(reader.result(), EventReportSize);
        QCOMPARE(int(kb->capture().size()), 3);
        QCOMPARE(kb->capture().last().interface, HidInterface::Event); // the delayed read came last
        kb->close(evt);
    }

    void unansweredReads_data()
    {
        QTest::addColumn<HidInterface>("interface");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<int>("length");
        QTest::newRow("command") << HidInterface::Command << VirtualKeyboard::commandPath()
                                 << ReportLength;
        QTest::newRow("event") << HidInterface::Event << VirtualKeyboard::eventPath()
                               << EventReportSize;
    }

    void unansweredReads()
    {
        QFETCH(HidInterface, interface);
        QFETCH(QByteArray, path);
        QFETCH(int, length);
        sendPacket(*kb, packet(GetSevenColor));
        kb->changeLightingOnKeyboard({8, 8, 8, 8, 8, 8, 8});
        kb->setReadsUnanswered(interface, true);
        QCOMPARE(readReport(*kb, path).result, 0);

        // A blocking read waits until reads are answered again.
        HidDevice* handle = kb->openPath(path);
        std::atomic<bool> started{false};
        QFuture<int> reader = QtConcurrent::run([&] {
            QByteArray buffer(OutputReportSize, '\0');
            started = true;
            return kb->read(handle, reinterpret_cast<uchar*>(buffer.data()), OutputReportSize);
        });
        QTRY_VERIFY(started);
        QTest::qWait(SettleMs);
        QVERIFY(!reader.isFinished());
        kb->setReadsUnanswered(interface, false);
        QTRY_VERIFY_WITH_TIMEOUT(reader.isFinished(), LongWaitMs);
        QCOMPARE(reader.result(), length);
        kb->close(handle);
    }

    void injectedInputReports_data()
    {
        QTest::addColumn<HidInterface>("interface");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<bool>("firmwareReportPending");
        QTest::addColumn<QByteArray>("injected");
        QTest::addColumn<int>("bufferSize");
        QTest::addColumn<QByteArray>("delivered");
        const QByteArray cmd = VirtualKeyboard::commandPath();
        const QByteArray evt = VirtualKeyboard::eventPath();
        const QByteArray shortReport = hex("0102030405");
        const QByteArray longReport = pattern(80, 3);
        QTest::newRow("event, short report") << HidInterface::Event << evt << false << shortReport
                                             << int(OutputReportSize) << shortReport;
        QTest::newRow("event, cut to the buffer")
            << HidInterface::Event << evt << false << longReport << int(EventReportSize)
            << longReport.left(EventReportSize);
        QTest::newRow("event, replaces the keyboard's report")
            << HidInterface::Event << evt << true << shortReport << int(OutputReportSize)
            << shortReport;
        QTest::newRow("command, replaces the first data report")
            << HidInterface::Command << cmd << true << shortReport << int(OutputReportSize)
            << shortReport;
        QTest::newRow("command, no query")
            << HidInterface::Command << cmd << false << longReport << int(OutputReportSize)
            << longReport.left(OutputReportSize);
    }

    void injectedInputReports()
    {
        QFETCH(HidInterface, interface);
        QFETCH(QByteArray, path);
        QFETCH(bool, firmwareReportPending);
        QFETCH(QByteArray, injected);
        QFETCH(int, bufferSize);
        QFETCH(QByteArray, delivered);
        if (firmwareReportPending) {
            sendPacket(*kb, packet(GetKeyMatrix1));
            kb->changeLightingOnKeyboard({3, 3, 3, 3, 3, 3, 3});
        }
        kb->injectInputReport(interface, injected);
        kb->clearCapture();
        const Received received = readReport(*kb, path, ShortWaitMs, bufferSize);
        QCOMPARE(received.result, int(delivered.size()));
        QCOMPARE(received.bytes, delivered);
        QCOMPARE(kb->capture().size(), 1);
        QCOMPARE(kb->capture().first().bytes, delivered);
        // The report it replaced is gone; the keyboard's later reports follow.
        const Received after = readReport(*kb, path);
        if (firmwareReportPending && interface == HidInterface::Command)
            QCOMPARE(after.bytes, seededKeyMatrixHalf(0).mid(ReportLength));
        else
            QCOMPARE(after.result, 0);
    }

    void injectedReportWakesBlockingRead()
    {
        HidDevice* evt = kb->openPath(VirtualKeyboard::eventPath());
        std::atomic<bool> started{false};
        QFuture<Received> reader = QtConcurrent::run([&] {
            started = true;
            return readOn(*kb, evt, -1);
        });
        QTRY_VERIFY(started);
        QTest::qWait(SettleMs);
        QVERIFY(!reader.isFinished());
        kb->injectInputReport(HidInterface::Event, hex("AABBCC"));
        QTRY_VERIFY_WITH_TIMEOUT(reader.isFinished(), LongWaitMs);
        QCOMPARE(reader.result().bytes, hex("AABBCC"));
        kb->close(evt);
    }

    void injectedFeatureReply()
    {
        sendPacket(*kb, packet(GetButtonSensitivity));
        const QByteArray injected = hex("00840102030405060708090A");
        kb->injectFeatureReply(injected);
        kb->clearCapture();
        const Received first = getReply(*kb);
        QCOMPARE(first.result, CommandReportSize);
        QCOMPARE(first.bytes, injected.left(CommandReportSize));
        QCOMPARE(kb->capture().first().bytes, injected.left(CommandReportSize));
        QCOMPARE(getReply(*kb).bytes,
                 reply(GetButtonSensitivity, QByteArray(1, char(SeededSensitivity))));
    }

    void clearFaultsRestoresNormalService()
    {
        kb->failNext(HidCall::Open, HidInterface::Command, 5);
        kb->setReadsUnanswered(HidInterface::Event, true);
        kb->injectInputReport(HidInterface::Event, hex("01"));
        kb->injectFeatureReply(hex("FFFF"));
        kb->clearFaults();
        QCOMPARE(sendPacket(*kb, packet(GetCurrentProfile)), CommandReportSize);
        QCOMPARE(getReply(*kb).bytes, reply(GetCurrentProfile, QByteArray(1, char(SeededProfile))));
        QCOMPARE(readReport(*kb, VirtualKeyboard::eventPath()).result, 0);
        kb->changeLightingOnKeyboard({1, 2, 3, 4, 5, 6, 7});
        QCOMPARE(readReport(*kb, VirtualKeyboard::eventPath()).result, EventReportSize);
    }

    // ---- Capture ----

    void captureLineFormat_data()
    {
        QTest::addColumn<qint64>("elapsedNs");
        QTest::addColumn<HidInterface>("interface");
        QTest::addColumn<ReportDirection>("direction");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("line");
        QTest::newRow("feature out")
            << qint64(12'345'678) << HidInterface::Command << ReportDirection::FeatureOut
            << packet(SetCurrentProfile, 2) << "12 cmd feature-out 00 21 02 00 00 00 55 AA 00";
        QTest::newRow("feature in, upper case")
            << qint64(1'500'000'000) << HidInterface::Command << ReportDirection::FeatureIn
            << hex("00a1ff") << "1500 cmd feature-in 00 A1 FF";
        QTest::newRow("out, below one ms")
            << qint64(999'999) << HidInterface::Command << ReportDirection::Out << hex("00ab")
            << "0 cmd out 00 AB";
        QTest::newRow("event in") << qint64(7'000'000) << HidInterface::Event << ReportDirection::In
                                  << hex("0101000002070300010000ee")
                                  << "7 evt in 01 01 00 00 02 07 03 00 01 00 00 EE";
    }

    void captureLineFormat()
    {
        QFETCH(qint64, elapsedNs);
        QFETCH(HidInterface, interface);
        QFETCH(ReportDirection, direction);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, line);
        QCOMPARE(formatCaptureLine({elapsedNs, interface, direction, bytes}), line);
    }

    void captureRecordsEveryReportThatCrossed()
    {
        Recorder recorder;
        kb->setCaptureSink(recorder.sink());
        const QByteArray keys = pattern(KeyMatrixHalfLength, 12);
        sendPacket(*kb, packet(SetKeyMatrix1));
        writePayload(*kb, keys);
        sendPacket(*kb, packet(GetKeyMatrix1));
        getReply(*kb);
        readAllReports(*kb); // ends with a read that times out: not captured
        kb->changeLightingOnKeyboard({1, 2, 3, 4, 5, 6, 7});
        readReport(*kb, VirtualKeyboard::eventPath());

        struct Expected
        {
            HidInterface interface;
            ReportDirection direction;
            QByteArray bytes;
        };
        const QList<Expected> expected{
            {HidInterface::Command, ReportDirection::FeatureOut, packet(SetKeyMatrix1)},
            {HidInterface::Command, ReportDirection::Out, outputReport(keys.left(ReportLength))},
            {HidInterface::Command, ReportDirection::Out, outputReport(keys.mid(ReportLength))},
            {HidInterface::Command, ReportDirection::FeatureOut, packet(GetKeyMatrix1)},
            {HidInterface::Command, ReportDirection::FeatureIn, packet(GetKeyMatrix1)},
            {HidInterface::Command, ReportDirection::In, keys.left(ReportLength)},
            {HidInterface::Command, ReportDirection::In, keys.mid(ReportLength)},
            {HidInterface::Event, ReportDirection::In, hex("010100000102030405060700")},
        };
        const QList<CapturedReport> captured = kb->capture();
        QCOMPARE(captured.size(), expected.size());
        for (int i = 0; i < captured.size(); ++i) {
            QCOMPARE(captured[i].interface, expected[i].interface);
            QCOMPARE(captured[i].direction, expected[i].direction);
            QCOMPARE(captured[i].bytes.toHex(' '), expected[i].bytes.toHex(' '));
            if (i > 0)
                QVERIFY(captured[i].elapsedNs >= captured[i - 1].elapsedNs);
        }
        QCOMPARE(lines(recorder.reports), lines(captured));
        kb->clearCapture();
        QVERIFY(kb->capture().isEmpty());
    }

    void captureTimeCountsFromCreation()
    {
        QElapsedTimer sinceCreation;
        sinceCreation.start();
        VirtualKeyboard fresh;
        QTest::qWait(SettleMs);
        sendPacket(fresh, packet(GetCurrentProfile));
        const qint64 upper = sinceCreation.nsecsElapsed();
        const qint64 stamp = fresh.capture().first().elapsedNs;
        QVERIFY(stamp >= SettleMs * 1'000'000LL);
        QVERIFY(stamp <= upper);
    }

    void sinkSeesReportsInCaptureOrderOnTheCallingThread()
    {
        Recorder recorder;
        kb->setCaptureSink(recorder.sink(std::chrono::microseconds(200)));
        HidDevice* evt = kb->openPath(VirtualKeyboard::eventPath());
        const int rounds = 200;
        std::thread eventReader([&] {
            for (int i = 0; i < rounds; ++i) {
                kb->changeLightingOnKeyboard({quint8(i), 0, 0, 0, 0, 0, 0});
                readOn(*kb, evt, LongWaitMs);
            }
        });
        for (int i = 0; i < rounds; ++i)
            sendPacket(*kb, packet(SetButtonSensitivity, quint8(i)));
        eventReader.join();
        kb->close(evt);

        const QList<CapturedReport> captured = kb->capture();
        QCOMPARE(captured.size(), 2 * rounds);
        QCOMPARE(lines(recorder.reports), lines(captured));
        for (int i = 0; i < captured.size(); ++i) {
            const bool fromGui = captured[i].interface == HidInterface::Command;
            QCOMPARE(recorder.threads[i] == QThread::currentThread(), fromGui);
            if (i > 0)
                QVERIFY(captured[i].elapsedNs >= captured[i - 1].elapsedNs);
        }
    }

    // ---- Threads ----

    void eventReadBlocksWhileCommandsRun()
    {
        HidDevice* evt = kb->openPath(VirtualKeyboard::eventPath());
        std::atomic<bool> started{false};
        QFuture<Received> reader = QtConcurrent::run([&] {
            started = true;
            return readOn(*kb, evt, LongWaitMs);
        });
        QTRY_VERIFY(started);

        // A full write and read-back on the GUI thread while the read waits.
        const QByteArray keys = pattern(KeyMatrixHalfLength, 90);
        QFuture<bool> writer = QtConcurrent::run([&] {
            return sendPacket(*kb, packet(SetKeyMatrix2)) == CommandReportSize &&
                   writePayload(*kb, keys);
        });
        QTRY_VERIFY_WITH_TIMEOUT(writer.isFinished(), LongWaitMs);
        QVERIFY(writer.result());
        sendPacket(*kb, packet(GetKeyMatrix2));
        QCOMPARE(readAllReports(*kb).join(), keys);
        QVERIFY(!reader.isFinished());

        kb->changeLightingOnKeyboard({2, 7, 3, 0, 1, 0, 0});
        QTRY_VERIFY_WITH_TIMEOUT(reader.isFinished(), LongWaitMs);
        QCOMPARE(reader.result().bytes.mid(EventLightingOffset, LightingValues),
                 hex("02070300010000"));
        kb->close(evt);
    }
};

QTEST_GUILESS_MAIN(TestVirtualKeyboard)
#include "tst_virtualkeyboard.moc"
