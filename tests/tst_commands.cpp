// The command set and its transport, byte for byte against the virtual
// keyboard's capture.
#include "devicetable.h"
#include "hid_thread.h"
#include "languagepackvalid.h"
#include "testsupport.h"
#include "virtualkeyboard.h"

#include <QElapsedTimer>
#include <QTest>
#include <functional>

using namespace Protocol;

namespace {

QByteArray pattern(int length, int seed)
{
    QByteArray bytes(length, 0);
    for (int i = 0; i < length; ++i)
        bytes[i] = char((i * 7 + seed) & 0x3F);
    return bytes;
}

uchar* bytesOf(QByteArray& bytes)
{
    return reinterpret_cast<uchar*>(bytes.data());
}

// A worker that has found the virtual keyboard.
struct Rig
{
    VirtualKeyboard keyboard;
    Hid_Thread hid{keyboard};

    explicit Rig(const VirtualKeyboardConfig& config = {}) : keyboard(config)
    {
        hid.scanDevices(readDeviceTable(DeviceTableResource, {}));
        keyboard.clearCapture();
    }

    bool waitForToken()
    {
        QElapsedTimer clock;
        clock.start();
        while (!hid.isIdle() && clock.elapsed() < 5000)
            QTest::qWait(2);
        return hid.isIdle();
    }

    QList<CapturedReport> reports() const { return keyboard.capture(); }
};

struct WriteCase
{
    std::function<void(Hid_Thread&, uchar* payload)> send;
    QByteArray packet;
    int dataLength;
};

QMap<QString, WriteCase> writeCases()
{
    return {
        {"02 options",
         {[](Hid_Thread& h, uchar*) { h.hid_02H_SetKeyboardoption(1, 7, 9); },
          hex("00 02 01 07 09 00 55 AA 00"), 0}},
        {"04 sensitivity",
         {[](Hid_Thread& h, uchar*) { h.hid_04H_SetButtonSensitivity(0x23); },
          hex("00 04 23 00 00 00 55 AA 00"), 0}},
        {"08 lighting",
         {[](Hid_Thread& h, uchar*) { h.hid_08H_SetLEDType(1, 2, 3, 4, 5, 6, 7); },
          hex("00 08 01 02 03 04 05 06 07"), 0}},
        {"09 stop macro",
         {[](Hid_Thread& h, uchar*) { h.hid_09H_StopMacroSending(); },
          hex("00 09 AA CC EE 00 55 AA 00"), 0}},
        {"0C key matrix 1",
         {[](Hid_Thread& h, uchar* p) { h.hid_0CH_SetKeyMatrix_1(p); },
          hex("00 0C 00 00 00 00 55 AA 00"), 128}},
        {"0D key matrix 2",
         {[](Hid_Thread& h, uchar* p) { h.hid_0DH_SetKeyMatrix_2(p); },
          hex("00 0D 00 00 00 00 55 AA 00"), 128}},
        {"0F boot loader",
         {[](Hid_Thread& h, uchar*) { h.hid_0FH_SetISPBootLoader(); },
          hex("00 0F 49 53 50 5A A5 3C C3"), 0}},
        {"10 macro",
         {[](Hid_Thread& h, uchar* p) { h.hid_10H_SetMacroKey(5, p); },
          hex("00 10 00 05 00 00 55 AA 00"), 128}},
        {"12 picture",
         {[](Hid_Thread& h, uchar* p) { h.hid_12H_SetUserPicture(3, 2, p); },
          hex("00 12 00 03 02 00 55 AA 00"), 128}},
        {"13 recovery",
         {[](Hid_Thread& h, uchar*) { h.hid_13H_SetRecoveryData(); },
          hex("00 13 FF 1F 00 00 55 AA 00"), 0}},
        {"21 profile",
         {[](Hid_Thread& h, uchar*) { h.hid_21H_SetCurrentProfile(2); },
          hex("00 21 02 00 00 00 55 AA 00"), 0}},
        {"30 colours",
         {[](Hid_Thread& h, uchar* p) { h.hid_30H_SetSevenColor(p); },
          hex("00 30 00 00 00 00 55 AA 00"), 64}},
    };
}

struct QueryCase
{
    std::function<void(Hid_Thread&, uchar* buffer)> ask;
    QByteArray packet;
    int inputReports;
};

// The caller's current values never travel in the command packet; they only
// pre-set the reply.
QMap<QString, QueryCase> queryCases()
{
    return {
        {"80 version",
         {[](Hid_Thread& h, uchar*) {
              ushort version = 0x1234;
              uchar mode = 2;
              h.hid_80H_GetFWVersion(version, mode);
          },
          hex("00 80 00 00 00 00 55 AA 00"), 0}},
        {"82 options",
         {[](Hid_Thread& h, uchar*) {
              uchar b1 = 1, b2 = 2, b3 = 3;
              h.hid_82H_GetKeyboardoption(b1, b2, b3);
          },
          hex("00 82 00 00 00 00 55 AA 00"), 0}},
        {"84 sensitivity",
         {[](Hid_Thread& h, uchar*) {
              uchar sens = 9;
              h.hid_84H_GetButtonSensitivity(sens);
          },
          hex("00 84 00 00 00 00 55 AA 00"), 0}},
        {"88 lighting",
         {[](Hid_Thread& h, uchar*) {
              uchar v[7] = {1, 2, 3, 4, 5, 6, 7};
              h.hid_88H_GetLEDType(v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
          },
          hex("00 88 00 00 00 00 55 AA 00"), 0}},
        {"8C key matrix 1",
         {[](Hid_Thread& h, uchar* p) { h.hid_8CH_GetKeyMatrix_1(p); },
          hex("00 8C 00 00 00 00 55 AA 00"), 2}},
        {"8D key matrix 2",
         {[](Hid_Thread& h, uchar* p) { h.hid_8DH_GetKeyMatrix_2(p); },
          hex("00 8D 00 00 00 00 55 AA 00"), 2}},
        {"90 macro",
         {[](Hid_Thread& h, uchar* p) { h.hid_90H_GetMacroKey(5, p); },
          hex("00 90 00 05 00 00 55 AA 00"), 2}},
        {"92 picture",
         {[](Hid_Thread& h, uchar* p) { h.hid_92H_GetUserPicture(4, 3, p); },
          hex("00 92 00 04 03 00 55 AA 00"), 2}},
        {"A1 profile",
         {[](Hid_Thread& h, uchar*) {
              uchar profile = 7;
              h.hid_A1H_GetCurrentProfile(profile);
          },
          hex("00 A1 00 00 00 00 55 AA 00"), 0}},
        {"B0 colours",
         {[](Hid_Thread& h, uchar* p) { h.hid_B0H_GetSevenColor(p); },
          hex("00 B0 00 00 00 00 55 AA 00"), 1}},
    };
}

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void init() { languagePackValid = true; }

    void writePackets_data()
    {
        QTest::addColumn<QString>("command");
        for (const QString& name : writeCases().keys())
            QTest::newRow(qPrintable(name)) << name;
    }

    // The feature report, then the payload in 65-byte output reports that
    // start with report ID 0; nothing else.
    void writePackets()
    {
        QFETCH(QString, command);
        const WriteCase c = writeCases().value(command);
        Rig rig;
        QByteArray payload = pattern(qMax(c.dataLength, 1), 3);
        c.send(rig.hid, bytesOf(payload));
        QVERIFY(rig.waitForToken());
        const QList<CapturedReport> reports = rig.reports();
        const int outputReports = c.dataLength / ReportLength;
        QCOMPARE(reports.size(), 1 + outputReports);
        QCOMPARE(reports[0].direction, ReportDirection::FeatureOut);
        QCOMPARE(reports[0].bytes, c.packet);
        for (int i = 0; i < outputReports; ++i) {
            const CapturedReport& out = reports[1 + i];
            QCOMPARE(out.interface, HidInterface::Command);
            QCOMPARE(out.direction, ReportDirection::Out);
            QCOMPARE(out.bytes.size(), ReportLength + 1);
            QCOMPARE(out.bytes.at(0), char(ReportId));
            QCOMPARE(out.bytes.mid(1), payload.mid(i * ReportLength, ReportLength));
        }
    }

    void queryPackets_data()
    {
        QTest::addColumn<QString>("command");
        for (const QString& name : queryCases().keys())
            QTest::newRow(qPrintable(name)) << name;
    }

    // The feature report out, the reply in, then the data phase in 64-byte
    // input reports; nothing else.
    void queryPackets()
    {
        QFETCH(QString, command);
        const QueryCase c = queryCases().value(command);
        Rig rig;
        QByteArray buffer = pattern(128, 4);
        c.ask(rig.hid, bytesOf(buffer));
        QVERIFY(rig.hid.isIdle());
        const QList<CapturedReport> reports = rig.reports();
        QCOMPARE(reports.size(), 2 + c.inputReports);
        QCOMPARE(reports[0].direction, ReportDirection::FeatureOut);
        QCOMPARE(reports[0].bytes, c.packet);
        QCOMPARE(reports[1].direction, ReportDirection::FeatureIn);
        for (int i = 0; i < c.inputReports; ++i) {
            QCOMPARE(reports[2 + i].interface, HidInterface::Command);
            QCOMPARE(reports[2 + i].direction, ReportDirection::In);
            QCOMPARE(reports[2 + i].bytes.size(), 64);
        }
    }

    void outputReportsArePacedByEightMilliseconds()
    {
        Rig rig;
        QByteArray payload = pattern(128, 1);
        QElapsedTimer clock;
        clock.start();
        rig.hid.hid_0CH_SetKeyMatrix_1(bytesOf(payload));
        QVERIFY(rig.waitForToken());
        const qint64 tokenBackNs = clock.nsecsElapsed();
        const QList<CapturedReport> reports = rig.reports();
        QCOMPARE(reports.size(), 3);
        QVERIFY(reports[2].elapsedNs - reports[1].elapsedNs >= 8'000'000);
        // The pause after the last report comes before the token is given back.
        QVERIFY(tokenBackNs >= 16'000'000);
    }

    // Each write changes the keyboard; the matching query reads it back.
    void writesRoundTrip()
    {
        Rig rig;
        Hid_Thread& hid = rig.hid;
        QByteArray matrix1 = pattern(128, 1), matrix2 = pattern(128, 2), macro = pattern(128, 4),
                   plane = pattern(128, 5), colors = pattern(21, 6) + QByteArray(43, 0);
        hid.hid_02H_SetKeyboardoption(1, 7, 9);
        hid.hid_04H_SetButtonSensitivity(0x23);
        hid.hid_21H_SetCurrentProfile(2);
        hid.hid_08H_SetLEDType(1, 2, 3, 4, 5, 6, 7);
        hid.hid_0CH_SetKeyMatrix_1(bytesOf(matrix1));
        hid.hid_0DH_SetKeyMatrix_2(bytesOf(matrix2));
        hid.hid_10H_SetMacroKey(5, bytesOf(macro));
        hid.hid_12H_SetUserPicture(3, 2, bytesOf(plane));
        hid.hid_30H_SetSevenColor(bytesOf(colors));

        uchar b1 = 0, b2 = 0, b3 = 0, sens = 0, profile = 0;
        hid.hid_82H_GetKeyboardoption(b1, b2, b3);
        QCOMPARE((QList<int>{b1, b2, b3}), (QList<int>{1, 7, 9}));
        hid.hid_84H_GetButtonSensitivity(sens);
        QCOMPARE(int(sens), 0x23);
        hid.hid_A1H_GetCurrentProfile(profile);
        QCOMPARE(int(profile), 2);
        uchar led[7] = {};
        QVERIFY(hid.hid_88H_GetLEDType(led[0], led[1], led[2], led[3], led[4], led[5], led[6]));
        QCOMPARE(QByteArray(reinterpret_cast<char*>(led), 7), hex("01 02 03 04 05 06 07"));
        QByteArray read(128, 0);
        hid.hid_8CH_GetKeyMatrix_1(bytesOf(read));
        QCOMPARE(read, matrix1);
        hid.hid_8DH_GetKeyMatrix_2(bytesOf(read));
        QCOMPARE(read, matrix2);
        hid.hid_90H_GetMacroKey(5, bytesOf(read));
        QCOMPARE(read, macro);
        hid.hid_92H_GetUserPicture(3, 2, bytesOf(read));
        QCOMPARE(read, plane);
        QByteArray readColors(64, 0);
        QVERIFY(hid.hid_B0H_GetSevenColor(bytesOf(readColors)));
        QCOMPARE(readColors, colors);
        // The lighting and matrix went to profile 2, the one made current.
        QCOMPARE(rig.keyboard.profile(2).lighting[6], quint8(7));
        QCOMPARE(rig.keyboard.profile(0).lighting[6], quint8(0));

        hid.hid_09H_StopMacroSending();
        hid.hid_13H_SetRecoveryData();
        hid.hid_0FH_SetISPBootLoader();
        QVERIFY(rig.waitForToken());
        QCOMPARE(rig.keyboard.stopMacroRequests(), 1);
        QCOMPARE(rig.keyboard.recoveryRequests(), 1);
        QVERIFY(rig.keyboard.inBootLoader());
    }

    void queryWithoutDataIsOneFeatureOutAndOneIn()
    {
        Rig rig;
        rig.keyboard.selectProfileOnKeyboard(1);
        uchar profile = 9;
        rig.hid.hid_A1H_GetCurrentProfile(profile);
        QCOMPARE(int(profile), 1);
        const QList<CapturedReport> reports = rig.reports();
        QCOMPARE(reports.size(), 2);
        QCOMPARE(reports[0].direction, ReportDirection::FeatureOut);
        QCOMPARE(reports[0].bytes, hex("00 A1 00 00 00 00 55 AA 00"));
        QCOMPARE(reports[1].direction, ReportDirection::FeatureIn);
        QCOMPARE(reports[1].bytes.left(3), hex("00 A1 01"));
    }

    void pictureQueryReadsTwoInputReports()
    {
        Rig rig;
        VirtualProfile profile;
        const QByteArray plane = pattern(128, 9);
        std::copy(plane.begin(), plane.end(), profile.pictures[3].begin() + PicturePlaneLength);
        rig.keyboard.setProfile(0, profile);
        QByteArray buffer(128, 0x55);
        rig.hid.hid_92H_GetUserPicture(3, 1, bytesOf(buffer));
        QCOMPARE(buffer, plane);
        const QList<CapturedReport> reports = rig.reports();
        QCOMPARE(reports.size(), 4);
        QCOMPARE(reports[0].bytes, hex("00 92 00 03 01 00 55 AA 00"));
        QCOMPARE(reports[1].direction, ReportDirection::FeatureIn);
        QCOMPARE(reports[2].direction, ReportDirection::In);
        QCOMPARE(reports[2].bytes, plane.left(64));
        QCOMPARE(reports[3].bytes, plane.mid(64));
    }

    void firmwareVersionDecoding_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("mode");
        QTest::newRow("mode 1") << hex("00 80 01 0A 02 00 55 AA 00") << 266 << 1;
        QTest::newRow("mode 3, other bits ignored")
            << hex("00 80 01 0A 07 00 55 AA 00") << 266 << 3;
        QTest::newRow("mode 0") << hex("00 80 1A 2B F9 00 55 AA 00") << 0x1A2B << 0;
    }

    void firmwareVersionDecoding()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, version);
        QFETCH(int, mode);
        Rig rig;
        rig.keyboard.injectFeatureReply(reply);
        ushort v = 0;
        uchar m = 0;
        rig.hid.hid_80H_GetFWVersion(v, m);
        QCOMPARE(int(v), version);
        QCOMPARE(int(m), mode);
    }

    void firmwareVersionFromTheKeyboard()
    {
        VirtualKeyboardConfig config;
        config.firmwareVersion = 0x0A05;
        config.layoutMode = 1;
        Rig rig(config);
        ushort version = 0;
        uchar mode = 0;
        rig.hid.hid_80H_GetFWVersion(version, mode);
        QCOMPARE(int(version), 0x0A05);
        QCOMPARE(int(mode), 1);
    }

    // Without an answer the outputs follow the pre-set reply.
    void noKeyboardResults()
    {
        Rig rig;
        rig.keyboard.unplug();
        uchar profile = 5, sens = 9, b1 = 1, b2 = 2, b3 = 3;
        rig.hid.hid_A1H_GetCurrentProfile(profile);
        QCOMPARE(int(profile), 0);
        rig.hid.hid_84H_GetButtonSensitivity(sens);
        QCOMPARE(int(sens), 9);
        rig.hid.hid_82H_GetKeyboardoption(b1, b2, b3);
        QCOMPARE((QList<int>{b1, b2, b3}), (QList<int>{1, 2, 3}));
        ushort version = 0x1234;
        uchar mode = 2;
        rig.hid.hid_80H_GetFWVersion(version, mode);
        QCOMPARE(int(version), 0x1234);
        QCOMPARE(int(mode), 2);
        uchar led[7] = {1, 2, 3, 4, 5, 6, 7};
        QVERIFY(
            !rig.hid.hid_88H_GetLEDType(led[0], led[1], led[2], led[3], led[4], led[5], led[6]));
        QCOMPARE(int(led[6]), 7);
        QByteArray colors = pattern(64, 2);
        const QByteArray before = colors;
        QVERIFY(!rig.hid.hid_B0H_GetSevenColor(bytesOf(colors)));
        QCOMPARE(colors, before);
        QVERIFY(rig.hid.isIdle());
        QVERIFY(rig.reports().isEmpty());
    }

    void invalidLanguagePackSendsNothing()
    {
        Rig rig;
        languagePackValid = false;
        QByteArray payload = pattern(128, 1);
        rig.hid.hid_0CH_SetKeyMatrix_1(bytesOf(payload));
        rig.hid.hid_21H_SetCurrentProfile(1);
        QVERIFY(rig.waitForToken());
        uchar sens = 4;
        rig.hid.hid_84H_GetButtonSensitivity(sens);
        QCOMPARE(int(sens), 4);
        QByteArray read = pattern(128, 8);
        const QByteArray before = read;
        rig.hid.hid_8CH_GetKeyMatrix_1(bytesOf(read));
        QCOMPARE(read, before);
        QVERIFY(rig.reports().isEmpty());
        QCOMPARE(rig.keyboard.currentProfile(), 0);
        // Valid again: traffic resumes.
        languagePackValid = true;
        rig.hid.hid_21H_SetCurrentProfile(1);
        QVERIFY(rig.waitForToken());
        QCOMPARE(rig.keyboard.currentProfile(), 1);
    }

    void secondWriteWaitsForTheFirst()
    {
        Rig rig;
        rig.keyboard.setDelay(HidCall::SendFeature, HidInterface::Command, 100);
        rig.hid.hid_21H_SetCurrentProfile(1);
        rig.hid.hid_21H_SetCurrentProfile(2); // waits in the token, processing events
        QVERIFY(rig.waitForToken());
        QCOMPARE(rig.keyboard.currentProfile(), 2);
        const QList<CapturedReport> reports = rig.reports();
        QCOMPARE(reports.size(), 2);
        QCOMPARE(reports[0].bytes.at(ProfileOffset), char(1));
        QCOMPARE(reports[1].bytes.at(ProfileOffset), char(2));
    }

    // A write holding the token past the wait makes the next command give up
    // with its message, sending nothing; the first write still completes.
    void busyTokenFailsTheNextCommand_data()
    {
        QTest::addColumn<bool>("nextIsQuery");
        QTest::newRow("write after write") << false;
        QTest::newRow("query after write") << true;
    }

    void busyTokenFailsTheNextCommand()
    {
        QFETCH(bool, nextIsQuery);
        Rig rig;
        rig.keyboard.setDelay(HidCall::Write, HidInterface::Command, 1100);
        QByteArray first = pattern(128, 1), second = pattern(128, 2);
        rig.hid.hid_0CH_SetKeyMatrix_1(bytesOf(first));
        if (nextIsQuery) {
            QTest::ignoreMessage(QtDebugMsg, "cmd Failed");
            uchar sens = 6;
            rig.hid.hid_84H_GetButtonSensitivity(sens);
            QCOMPARE(int(sens), 6);
        } else {
            QTest::ignoreMessage(QtDebugMsg, "cmd Failed 0D");
            rig.hid.hid_0DH_SetKeyMatrix_2(bytesOf(second));
        }
        QVERIFY(rig.waitForToken());
        const QList<CapturedReport> reports = rig.reports();
        QCOMPARE(reports.size(), 3); // the first write only
        QCOMPARE(reports[0].bytes.at(CodeOffset), char(SetKeyMatrix1));
        const VirtualProfile profile = rig.keyboard.profile(0);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(profile.keyMatrix.data()), 128), first);
        QCOMPARE(profile.keyMatrix[128], quint8(0));
    }

    // Every failing HID call ends the transfer silently with the token back.
    void failingCallsReleaseTheToken_data()
    {
        QTest::addColumn<int>("call");
        QTest::newRow("open") << int(HidCall::Open);
        QTest::newRow("feature out") << int(HidCall::SendFeature);
        QTest::newRow("feature in") << int(HidCall::GetFeature);
        QTest::newRow("output report") << int(HidCall::Write);
        QTest::newRow("input report") << int(HidCall::Read);
    }

    void failingCallsReleaseTheToken()
    {
        QFETCH(int, call);
        Rig rig;
        rig.keyboard.failNext(HidCall(call), HidInterface::Command, 100);
        QByteArray payload = pattern(128, 1);
        rig.hid.hid_0CH_SetKeyMatrix_1(bytesOf(payload));
        QVERIFY(rig.waitForToken());
        QByteArray read = pattern(128, 2);
        rig.hid.hid_8CH_GetKeyMatrix_1(bytesOf(read));
        QVERIFY(rig.hid.isIdle());
        uchar profile = 7;
        rig.hid.hid_A1H_GetCurrentProfile(profile);
        QVERIFY(rig.hid.isIdle());
        rig.keyboard.clearFaults();
        if (HidCall(call) == HidCall::Open) {
            // A failed open forgets the keyboard until the next device check.
            QVERIFY(rig.hid.slotsSnapshot().value(0).commandPath.isEmpty());
            rig.hid.scanDevices(readDeviceTable(DeviceTableResource, {}));
        }
        rig.hid.hid_21H_SetCurrentProfile(2);
        QVERIFY(rig.waitForToken());
        QCOMPARE(rig.keyboard.currentProfile(), 2);
    }

    void unansweredDataReadFailsTheQueryInTime()
    {
        Rig rig;
        rig.keyboard.setReadsUnanswered(HidInterface::Command, true);
        QByteArray read = pattern(128, 2);
        QElapsedTimer clock;
        clock.start();
        rig.hid.hid_8CH_GetKeyMatrix_1(bytesOf(read));
        // The GUI thread waits for the answer: the wait has to stay short.
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(rig.hid.isIdle());
        // Nothing arrived, so nothing of the caller's is overwritten...
        QCOMPARE(read, pattern(128, 2));
        // ...and a query that reports its result reports the failure.
        QByteArray colours = pattern(64, 3);
        QVERIFY(!rig.hid.hid_B0H_GetSevenColor(bytesOf(colours)));
        QCOMPARE(colours, pattern(64, 3));
        QVERIFY(rig.hid.isIdle());
        rig.keyboard.setReadsUnanswered(HidInterface::Command, false);
        uchar profile = 5;
        rig.hid.hid_A1H_GetCurrentProfile(profile);
        QCOMPARE(int(profile), 0);
        QCOMPARE(rig.reports().last().direction, ReportDirection::FeatureIn);
    }

    // Odd replies and reports never write past a buffer.
    void oddReportsStayInTheirBuffers_data()
    {
        QTest::addColumn<QByteArray>("featureReply");
        QTest::addColumn<QByteArray>("inputReport");
        QTest::newRow("short reply") << hex("00 84") << QByteArray();
        QTest::newRow("long reply") << QByteArray(300, char(0xEE)) << QByteArray();
        QTest::newRow("garbage reply") << pattern(9, 0x2A) << QByteArray();
        QTest::newRow("oversized input") << QByteArray() << QByteArray(200, char(0x11));
        QTest::newRow("short input") << QByteArray() << hex("01 02 03");
        QTest::newRow("empty input") << QByteArray() << QByteArray();
    }

    void oddReportsStayInTheirBuffers()
    {
        QFETCH(QByteArray, featureReply);
        QFETCH(QByteArray, inputReport);
        Rig rig;
        if (!featureReply.isEmpty())
            rig.keyboard.injectFeatureReply(featureReply);
        if (!inputReport.isEmpty())
            rig.keyboard.injectInputReport(HidInterface::Command, inputReport);
        QByteArray guarded(128 + 16, char(0x77));
        rig.hid.hid_90H_GetMacroKey(1, bytesOf(guarded));
        QCOMPARE(guarded.mid(128), QByteArray(16, char(0x77)));
        if (!inputReport.isEmpty())
            QCOMPARE(guarded.left(qMin(64, int(inputReport.size()))),
                     inputReport.left(qMin(64, int(inputReport.size()))));
        QVERIFY(rig.hid.isIdle());
    }

    void unplugDuringAWrite()
    {
        Rig rig;
        rig.keyboard.setDelay(HidCall::Write, HidInterface::Command, 50);
        QByteArray payload = pattern(128, 1);
        rig.hid.hid_10H_SetMacroKey(2, bytesOf(payload));
        QTest::qWait(20);
        rig.keyboard.unplug();
        QVERIFY(rig.waitForToken());
        uchar profile = 3;
        rig.hid.hid_A1H_GetCurrentProfile(profile);
        QCOMPARE(int(profile), 0);
    }

    // The worker's destruction waits for its write: the keyboard has the
    // whole transfer when the destructor returns.
    void destructionWaitsForARunningWrite()
    {
        VirtualKeyboard keyboard;
        keyboard.setDelay(HidCall::Write, HidInterface::Command, 60);
        {
            Hid_Thread hid(keyboard);
            hid.scanDevices(readDeviceTable(DeviceTableResource, {}));
            QByteArray payload = pattern(128, 1);
            hid.hid_12H_SetUserPicture(0, 1, bytesOf(payload));
        }
        QCOMPARE(keyboard.capture().size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
