// The event loop on the keyboard's event interface, against the virtual
// keyboard, and its effect on the backend's current profile and the scene.
#include "deviceeventsink.h"
#include "devicetable.h"
#include "hid_thread.h"
#include "myqquickview.h"
#include "programdirectory.h"
#include "scenegraph.h"
#include "testsupport.h"
#include "ui_controler.h"
#include "virtualkeyboard.h"
#include "widget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMutex>
#include <QQuickItem>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <memory>

using namespace Protocol;

namespace {

// Notes every root function the backend invokes in its property "calls".
const QUrl RecordingRoot(QStringLiteral("qrc:/fixtures/recordingroot.qml"));

class RecordingSink : public DeviceEventSink
{
public:
    void keyboardLightingChanged(const QList<int>& lighting) override
    {
        QMutexLocker lock(&mutex);
        received.append(lighting);
    }
    QList<QList<int>> reports() const
    {
        QMutexLocker lock(&mutex);
        return received;
    }

private:
    mutable QMutex mutex;
    QList<QList<int>> received;
};

// Counts "Device removed" lines while installed.
QAtomicInt removedMessages;
QtMessageHandler previousHandler = nullptr;

void countRemovals(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message == QLatin1String("Device removed"))
        removedMessages.fetchAndAddRelaxed(1);
    else
        previousHandler(type, context, message);
}

struct Rig
{
    VirtualKeyboard keyboard;
    RecordingSink sink;
    Hid_Thread hid{keyboard};

    Rig()
    {
        hid.eventSink = &sink;
        hid.scanDevices(readDeviceTable(DeviceTableResource, {}));
    }
};

const std::array<quint8, LightingValues> SampleLighting = {2, 7, 3, 0, 1, 0, 0};

// A lighting report of the keyboard's event interface, cut or padded to
// `length`: bytes 4 … 10 carry 02 07 03 00 01 00 00; the others are not
// examined, so they hold values that must not be taken for lighting.
QByteArray eventReport(int length)
{
    QByteArray report = hex("01 02 EE EE 02 07 03 00 01 00 00 EE");
    report.resize(length, char(0xEE));
    return report;
}

} // namespace

class TestEventLoop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(countRemovals); }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }
    void init() { removedMessages = 0; }

    void lightingChangeReachesTheSink()
    {
        Rig rig;
        rig.hid.swichCurDevice(0);
        QVERIFY(rig.hid.isEventLoopRunning());
        rig.keyboard.changeLightingOnKeyboard(SampleLighting);
        QTRY_COMPARE(rig.sink.reports().size(), 1);
        QCOMPARE(rig.sink.reports().first(), (QList<int>{2, 7, 3, 0, 1, 0, 0}));
        QTest::qWait(50);
        QCOMPARE(rig.sink.reports().size(), 1);
    }

    void reportsOfOtherLengthsAreIgnored_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("handled");
        QTest::newRow("11 bytes") << 11 << 0;
        QTest::newRow("13 bytes") << 13 << 0;
        QTest::newRow("64 bytes") << 64 << 0;
        QTest::newRow("12 bytes") << 12 << 1;
    }

    void reportsOfOtherLengthsAreIgnored()
    {
        QFETCH(int, length);
        QFETCH(int, handled);
        Rig rig;
        rig.hid.swichCurDevice(0);
        rig.keyboard.injectInputReport(HidInterface::Event, eventReport(length));
        // A marker report after it proves the loop has gone past it.
        QTest::qWait(30);
        rig.keyboard.changeLightingOnKeyboard({9, 9, 9, 9, 9, 9, 9});
        QTRY_COMPARE(rig.sink.reports().size(), handled + 1);
        QCOMPARE(rig.sink.reports().last(), (QList<int>{9, 9, 9, 9, 9, 9, 9}));
        if (handled)
            QCOMPARE(rig.sink.reports().first(), (QList<int>{2, 7, 3, 0, 1, 0, 0}));
    }

    void noEventInterfaceEndsAtOnceSilently()
    {
        Rig rig;
        rig.keyboard.unplug();
        rig.hid.scanDevices(readDeviceTable(DeviceTableResource, {}));
        QElapsedTimer clock;
        clock.start();
        rig.hid.swichCurDevice(0);
        rig.hid.swichCurDevice(0); // waits for the first task, which ended at once
        // Sooner than one read time-out of 500 ms.
        QVERIFY(clock.elapsed() < 500);
        QCOMPARE(removedMessages.loadRelaxed(), 0);
    }

    void unplugLogsRemovalOnceAndEndsTheLoop()
    {
        Rig rig;
        rig.hid.swichCurDevice(0);
        QTest::qWait(20);
        rig.keyboard.unplug();
        QTRY_VERIFY(!rig.hid.isEventLoopRunning());
        QVERIFY(rig.hid.slotsSnapshot().value(0).eventPath.isEmpty());
        QTest::qWait(Hid_Thread::EventReadTimeoutMs + 100);
        QCOMPARE(removedMessages.loadRelaxed(), 1);
    }

    void readErrorsAreRetried()
    {
        Rig rig;
        rig.keyboard.failNext(HidCall::Read, HidInterface::Event, 3);
        rig.hid.swichCurDevice(0);
        QTest::qWait(30);
        rig.keyboard.changeLightingOnKeyboard(SampleLighting);
        QTRY_COMPARE(rig.sink.reports().size(), 1);
        QVERIFY(rig.hid.isEventLoopRunning());
        QCOMPARE(removedMessages.loadRelaxed(), 0);
    }

    void switchingDuringAReadWaitsForItsTimeOut()
    {
        Rig rig;
        rig.hid.swichCurDevice(0);
        QTest::qWait(100); // the loop sits in a read now
        QElapsedTimer clock;
        clock.start();
        rig.hid.swichCurDevice(0);
        const qint64 waited = clock.elapsed();
        // The loop's reads time out after 500 ms.
        QVERIFY2(waited <= 500 + 200, qPrintable(QString::number(waited)));
        QVERIFY(rig.hid.isEventLoopRunning());
        // The new loop works.
        rig.keyboard.changeLightingOnKeyboard(SampleLighting);
        QTRY_COMPARE(rig.sink.reports().size(), 1);
    }

    // The loop runs for the whole session, yet leaves the global pool's
    // threads free for the writes and for Qt's own image work (conversions
    // and the software renderer's drawing block the GUI thread until their
    // pool tasks have run), even where the pool has a single thread.
    void runningLoopLeavesTheGlobalPoolFree()
    {
        QThreadPool* pool = QThreadPool::globalInstance();
        const int threads = pool->maxThreadCount();
        const auto restore = qScopeGuard([pool, threads] { pool->setMaxThreadCount(threads); });
        pool->setMaxThreadCount(1);
        Rig rig;
        rig.hid.swichCurDevice(0);
        QVERIFY(rig.hid.isEventLoopRunning());
        const auto ran = std::make_shared<QAtomicInt>(0);
        pool->start([ran] { ran->storeRelaxed(1); });
        QTRY_COMPARE_WITH_TIMEOUT(ran->loadRelaxed(), 1, 2000);
        QVERIFY(rig.hid.isEventLoopRunning());
    }

    void stopEndsTheLoop()
    {
        Rig rig;
        rig.hid.swichCurDevice(0);
        rig.hid.stopEventLoop();
        QVERIFY(!rig.hid.isEventLoopRunning());
        rig.keyboard.changeLightingOnKeyboard(SampleLighting);
        QTest::qWait(50);
        QVERIFY(rig.sink.reports().isEmpty());
    }

    // Through the backend: the profile on the GUI thread, then "zzzMorvat".
    void lightingChangeStoresTheProfileAndTellsTheSceneOnce_data()
    {
        QTest::addColumn<int>("keyboardProfile");
        QTest::addColumn<QString>("profileFile");
        QTest::newRow("first profile") << 0 << "p1.bin";
        QTest::newRow("third profile") << 2 << "p3.bin";
        QTest::newRow("beyond the profile count") << 3 << "";
    }

    void lightingChangeStoresTheProfileAndTellsTheSceneOnce()
    {
        QFETCH(int, keyboardProfile);
        QFETCH(QString, profileFile);
        QTemporaryDir data;
        QVERIFY(QDir(data.path()).mkpath("modules/setting"));
        QFile definition(data.filePath("modules/setting/HWDef.bin"));
        QVERIFY(definition.open(QIODevice::WriteOnly));
        definition.write("[common]\nmaxProfile=3\nmaxMacro=4\n");
        definition.close();
        QVERIFY(QDir::setCurrent(data.path()));

        VirtualKeyboardConfig config;
        config.profiles = 4;
        VirtualKeyboard keyboard(config);
        keyboard.selectProfileOnKeyboard(keyboardProfile);
        {
            Widget window(keyboard, nullptr, RecordingRoot);
            window.checkDevice();
            myQQuickView* view = window.controller->view;
            QCOMPARE(int(view->profileIndex()), keyboardProfile);
            keyboard.changeLightingOnKeyboard(SampleLighting);
            QTRY_COMPARE(view->rootObject()->property("calls").toStringList(),
                         QStringList{"zzzMorvat"});
            for (int i = 0; i < view->profileCount(); ++i) {
                const QVariant stored = view->profileSettings(i)->value("color/ledType");
                if (QFileInfo(view->profileSettings(i)->fileName()).fileName() == profileFile)
                    QCOMPARE(stored.toStringList(),
                             (QStringList{"2", "7", "3", "0", "1", "0", "0"}));
                else
                    QVERIFY(!stored.isValid());
            }
            QTest::qWait(50);
            QCOMPARE(view->rootObject()->property("calls").toStringList().size(), 1);
        }
        QVERIFY(enterProgramDirectory(QCoreApplication::applicationFilePath()));
    }
};

int main(int argc, char* argv[])
{
    chooseSceneGraphBackend();
    QApplication app(argc, argv);
    TestEventLoop test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_eventloop.moc"
