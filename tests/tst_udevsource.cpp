// The hot-plug notification source.
#include "udevdevicechangesource.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

class TestUdevSource : public QObject
{
    Q_OBJECT

private slots:
    void choosesTheNetlinkSource_data()
    {
        QTest::addColumn<bool>("udevdRunning");
        QTest::addColumn<QString>("source");
        QTest::newRow("udevd running") << true << "udev";
        QTest::newRow("no udevd (container)") << false << "kernel";
    }

    void choosesTheNetlinkSource()
    {
        QFETCH(bool, udevdRunning);
        QFETCH(QString, source);
        QCOMPARE(UdevDeviceChangeSource::chooseNetlinkSource(udevdRunning), source);
    }

    // On this machine: listens where it can, and stays quiet without events.
    void listensOnTheSourceThisMachineHas()
    {
        UdevDeviceChangeSource changes;
        QSignalSpy notifications(&changes, &DeviceChangeSource::deviceChanged);
        if (changes.isActive())
            QCOMPARE(changes.netlinkSource(), UdevDeviceChangeSource::chooseNetlinkSource(
                                                  QFileInfo::exists("/run/udev/control")));
        QTest::qWait(50);
        QCOMPARE(notifications.count(), 0);
    }
};

QTEST_GUILESS_MAIN(TestUdevSource)
#include "tst_udevsource.moc"
