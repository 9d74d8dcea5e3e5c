// Finding the keyboard's two interfaces and opening them, against the
// virtual keyboard.
#include "devicetable.h"
#include "hid_thread.h"
#include "virtualkeyboard.h"

#include <QTest>

namespace {

DeviceEntry shippedEntry()
{
    return readDeviceTable(DeviceTableResource, {"Q3-KEYBOARD"}).value(0);
}

HidDeviceInfo interfaceInfo(const QByteArray& path, quint16 usagePage, quint16 usage)
{
    HidDeviceInfo info;
    info.path = path;
    info.vendorId = Protocol::VendorId;
    info.productId = Protocol::ProductId;
    info.usagePage = usagePage;
    info.usage = usage;
    return info;
}

} // namespace

class TestDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void findsBothInterfaces()
    {
        VirtualKeyboard keyboard;
        Hid_Thread hid(keyboard);
        hid.scanDevices({shippedEntry()});
        const QList<DeviceSlot> found = hid.slotsSnapshot();
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].index, 0);
        QCOMPARE(found[0].name, QString("Q3-KEYBOARD"));
        QCOMPARE(found[0].commandPath, VirtualKeyboard::commandPath());
        QCOMPARE(found[0].eventPath, VirtualKeyboard::eventPath());
        QCOMPARE(found[0].reportLength, 64);
    }

    void onlyTheFirstEntryIsProbed()
    {
        VirtualKeyboard keyboard;
        Hid_Thread hid(keyboard);
        DeviceEntry second = shippedEntry();
        second.name = "twin";
        hid.scanDevices({shippedEntry(), second});
        const QList<DeviceSlot> found = hid.slotsSnapshot();
        QCOMPARE(found.size(), 2);
        QCOMPARE(found[1].index, 1);
        QCOMPARE(found[1].name, QString("twin"));
        QVERIFY(found[1].commandPath.isEmpty());
        QVERIFY(found[1].eventPath.isEmpty());
    }

    // Interfaces listed after the keyboard's own would win if taken.
    void matchesUsagePageAndUsageTogether_data()
    {
        QTest::addColumn<quint16>("usagePage");
        QTest::addColumn<quint16>("usage");
        QTest::addColumn<bool>("takenAsCommand");
        QTest::addColumn<bool>("takenAsEvent");
        QTest::newRow("command page, other usage")
            << quint16(0xFF01) << quint16(2) << false << false;
        QTest::newRow("event page, other usage") << quint16(0xFF02) << quint16(2) << false << false;
        QTest::newRow("other page, vendor usage")
            << quint16(0xFF03) << quint16(1) << false << false;
        QTest::newRow("second command interface") << quint16(0xFF01) << quint16(1) << true << false;
        QTest::newRow("second event interface") << quint16(0xFF02) << quint16(1) << false << true;
    }

    void matchesUsagePageAndUsageTogether()
    {
        QFETCH(quint16, usagePage);
        QFETCH(quint16, usage);
        QFETCH(bool, takenAsCommand);
        QFETCH(bool, takenAsEvent);
        VirtualKeyboardConfig config;
        config.extraInterfaces = {interfaceInfo("extra", usagePage, usage)};
        VirtualKeyboard keyboard(config);
        Hid_Thread hid(keyboard);
        hid.scanDevices({shippedEntry()});
        const DeviceSlot slot = hid.slotsSnapshot().value(0);
        QCOMPARE(slot.commandPath,
                 takenAsCommand ? QByteArray("extra") : VirtualKeyboard::commandPath());
        QCOMPARE(slot.eventPath, takenAsEvent ? QByteArray("extra") : VirtualKeyboard::eventPath());
    }

    void noKeyboardLeavesPathsEmpty()
    {
        VirtualKeyboard keyboard;
        keyboard.unplug();
        Hid_Thread hid(keyboard);
        hid.scanDevices({shippedEntry()});
        const DeviceSlot slot = hid.slotsSnapshot().value(0);
        QVERIFY(slot.commandPath.isEmpty());
        QVERIFY(slot.eventPath.isEmpty());
        QCOMPARE(hid.openCommandPort(0), nullptr);
        QCOMPARE(hid.openEventPort(0), nullptr);
    }

    void emptyTableGivesNoSlots()
    {
        VirtualKeyboard keyboard;
        Hid_Thread hid(keyboard);
        hid.scanDevices({shippedEntry()});
        hid.scanDevices({});
        QVERIFY(hid.slotsSnapshot().isEmpty());
        QCOMPARE(hid.openCommandPort(0), nullptr);
    }

    void slotIndexOutOfRangeOpensNothing()
    {
        VirtualKeyboard keyboard;
        Hid_Thread hid(keyboard);
        hid.scanDevices({shippedEntry()});
        QCOMPARE(hid.openCommandPort(1), nullptr);
        QCOMPARE(hid.openEventPort(7), nullptr);
        // The keyboard's own slot is untouched by that.
        QCOMPARE(hid.slotsSnapshot().value(0).commandPath, VirtualKeyboard::commandPath());
    }

    void failedOpenForgetsOnlyThatPath()
    {
        VirtualKeyboard keyboard;
        Hid_Thread hid(keyboard);
        hid.scanDevices({shippedEntry()});
        keyboard.failNext(HidCall::Open, HidInterface::Command);
        QCOMPARE(hid.openCommandPort(0), nullptr);
        QVERIFY(hid.slotsSnapshot().value(0).commandPath.isEmpty());
        QCOMPARE(hid.slotsSnapshot().value(0).eventPath, VirtualKeyboard::eventPath());
        // Gone until the next scan, even though the keyboard would answer now.
        QCOMPARE(hid.openCommandPort(0), nullptr);
        hid.scanDevices({shippedEntry()});
        QVERIFY(hid.openCommandPort(0) != nullptr);
    }

    void unplugAndReplug()
    {
        VirtualKeyboard keyboard;
        Hid_Thread hid(keyboard);
        hid.scanDevices({shippedEntry()});
        keyboard.unplug();
        QCOMPARE(hid.openCommandPort(0), nullptr);
        QVERIFY(hid.slotsSnapshot().value(0).commandPath.isEmpty());
        keyboard.plug();
        QCOMPARE(hid.openCommandPort(0), nullptr); // until the next check
        hid.scanDevices({shippedEntry()});
        QVERIFY(hid.openCommandPort(0) != nullptr);
    }
};

QTEST_GUILESS_MAIN(TestDiscovery)
#include "tst_discovery.moc"
