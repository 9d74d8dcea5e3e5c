// Crash safety of the program's file writes: a helper process repeats one
// write (import, reset, export, apply, macro save, macro import) on large
// files and is killed with SIGKILL at varied moments; afterwards every file it
// writes must be byte for byte one of its two complete versions.
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestCrashSafety : public QObject
{
    Q_OBJECT

private slots:
    void killedWrite_data();
    void killedWrite();
};

void TestCrashSafety::killedWrite_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("delayUs");
    const char* modes[] = {"profile-import", "profile-reset", "profile-export", "profile-apply",
                           "settings-reset", "macro-save",    "macro-import"};
    // Spread over several write cycles (a cycle takes a few to some tens of
    // milliseconds), at uneven steps so the kills fall on different phases.
    const int delays[] = {0, 700, 1900, 3300, 5200, 7700, 11000, 16000, 23000, 31000, 47000};
    for (const char* mode : modes)
        for (int delay : delays)
            QTest::newRow(qPrintable(QStringLiteral("%1 %2us").arg(mode).arg(delay)))
                << QString(mode) << delay;
}

void TestCrashSafety::killedWrite()
{
    QFETCH(QString, mode);
    QFETCH(int, delayUs);
    QTemporaryDir root;
    QVERIFY(root.isValid());

    QProcess writer;
    writer.start(QStringLiteral(CRASHWRITER), {mode, root.path()});
    QVERIFY(writer.waitForStarted());
    QVERIFY2(writer.waitForReadyRead(20000), qPrintable(writer.readAllStandardError()));
    QCOMPARE(writer.readLine().trimmed(), QByteArray("ready"));
    QThread::usleep(delayUs);
    writer.kill();
    QVERIFY(writer.waitForFinished());
    QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

    const QString ref0 = root.filePath("ref0");
    int checked = 0;
    for (QDirIterator it(ref0, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString file = QDir(ref0).relativeFilePath(it.next());
        const QByteArray now = contents(root.filePath("work/" + file));
        const QByteArray first = contents(root.filePath("ref0/" + file));
        const QByteArray second = contents(root.filePath("ref1/" + file));
        QVERIFY(first != second);
        QVERIFY2(now == first || now == second,
                 qPrintable(QStringLiteral("%1 is neither version (%2 bytes; versions %3, %4)")
                                .arg(file)
                                .arg(now.size())
                                .arg(first.size())
                                .arg(second.size())));
        ++checked;
    }
    QVERIFY(checked > 0);
}

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
