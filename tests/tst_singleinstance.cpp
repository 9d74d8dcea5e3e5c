// One program per user data folder: the second finds the lock taken and
// brings the first one's window up; a lock left by a crashed program is taken
// over; other folders are independent.
#include "singleinstance.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestSingleInstance : public QObject
{
    Q_OBJECT

    QTemporaryDir runtime;
    QString folder = QStringLiteral("/home/u/.local/share/q3config");

private slots:
    void secondProgramIsRefusedAndActivatesTheFirst()
    {
        SingleInstance first(folder, runtime.path());
        QVERIFY(first.acquire());
        QCOMPARE(first.problem(), QString());
        QSignalSpy activations(&first, &SingleInstance::activationRequested);

        SingleInstance second(folder, runtime.path());
        QVERIFY(!second.acquire());
        QVERIFY(second.activateRunning(1000));
        QVERIFY(activations.wait(2000));
        QCOMPARE(activations.count(), 1);
    }

    void sameFolderSpelledTwoWays()
    {
        SingleInstance first(folder, runtime.path());
        QVERIFY(first.acquire());
        SingleInstance second("/home/u/.local/share/../share/q3config/", runtime.path());
        QVERIFY(!second.acquire());
    }

    void otherFolderRunsAlongside()
    {
        SingleInstance first(folder, runtime.path());
        QVERIFY(first.acquire());
        SingleInstance other("/home/v/.local/share/q3config", runtime.path());
        QVERIFY(other.acquire());
    }

    void lockIsFreeAfterTheFirstEnds()
    {
        {
            SingleInstance first(folder, runtime.path());
            QVERIFY(first.acquire());
        }
        SingleInstance next(folder, runtime.path());
        QVERIFY(next.acquire());
        QVERIFY(QFile::exists(next.lockPath()));
    }

    void nobodyAnswersWithoutAFirstProgram()
    {
        SingleInstance lonely(folder, runtime.path());
        QVERIFY(!lonely.activateRunning(300));
    }

    void crashedProgramsLockAndSocketAreTakenOver()
    {
        SingleInstance probe(folder, runtime.path());
        // A lock file naming a process that has ended, and its socket file.
        QProcess ended;
        ended.start("true");
        QVERIFY(ended.waitForStarted());
        const qint64 deadPid = ended.processId();
        QVERIFY(ended.waitForFinished());
        QFile lock(probe.lockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(deadPid) + "\nq3config\n" +
                   QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        QFile socket(probe.socketPath());
        QVERIFY(socket.open(QIODevice::WriteOnly));
        socket.close();

        SingleInstance next(folder, runtime.path());
        QVERIFY(next.acquire());
        QCOMPARE(next.problem(), QString());
        QSignalSpy activations(&next, &SingleInstance::activationRequested);
        SingleInstance second(folder, runtime.path());
        QVERIFY(second.activateRunning(1000));
        QVERIFY(activations.wait(2000));
    }

    void noRuntimeFolderRunsUnguarded()
    {
        SingleInstance unguarded(folder, runtime.filePath("missing/folder"));
        QVERIFY(unguarded.acquire());
        QCOMPARE(unguarded.problem(), "cannot create " + unguarded.lockPath());
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
