// Crash safety of the program's file writes: a helper process repeats one
// write (import, reset, export, apply, macro save, macro import and export)
// on large files and is killed with SIGKILL at varied moments; afterwards
// every file it writes must be byte for byte one of its two complete versions.
// Also the copy's own promises: a failed copy leaves the target alone, the
// copy is writable by its owner and newer than the file it replaced.
#include "filecopy.h"
#include "macrolibrary.h"

#include <QDateTime>
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
    void failedCopyKeepsTarget();
    void copyIsWritableAndNewer();
};

void TestCrashSafety::killedWrite_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("delayUs");
    const char* modes[] = {"profile-import", "profile-reset", "profile-export", "profile-apply",
                           "settings-reset", "macro-save",    "macro-import",   "macro-export"};
    // Uneven steps, so the kills fall on different phases: over several
    // cycles of a copy (a few milliseconds each) and through one of a
    // QSettings write (serialising takes up to about a hundred).
    const int delays[] = {0,     700,   1900,  3300,  5200,  7700, 11000,
                          16000, 23000, 31000, 47000, 71000, 97000};
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
        const QByteArray first = contents(root.filePath("ref0/" + file));
        const QByteArray second = contents(root.filePath("ref1/" + file));
        QVERIFY(first != second);
        // "any.bin" stands for every program file of its folder.
        QStringList written{file};
        if (QFileInfo(file).fileName() == "any.bin") {
            const QString folder = QFileInfo(file).path();
            written.clear();
            for (const QString& name :
                 QDir(root.filePath("work/" + folder)).entryList({"*.bin"}, QDir::Files))
                written << folder + '/' + name;
        }
        for (const QString& path : written) {
            const QByteArray now = contents(root.filePath("work/" + path));
            QVERIFY2(now == first || now == second,
                     qPrintable(QStringLiteral("%1 is neither version (%2 bytes; versions %3, %4)")
                                    .arg(path)
                                    .arg(now.size())
                                    .arg(first.size())
                                    .arg(second.size())));
            ++checked;
        }
    }
    QVERIFY(checked > 0);
    // A temporary file left by the killed write is never taken for a macro.
    const QStringList macros = MacroLibrary(root.filePath("work/macro")).fileNames();
    QVERIFY2(macros == QStringList{"Macro. 001.bin"} ||
                 macros == (QStringList{"Macro. 001.bin", "Macro. 002.bin"}),
             qPrintable(macros.join(", ")));
}

void TestCrashSafety::failedCopyKeepsTarget()
{
    QTemporaryDir root;
    const QString target = root.filePath("p1.bin");
    QFile file(target);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[keys]\nk=old\n");
    file.close();

    QVERIFY(!replaceWithCopy(target, root.filePath("missing.bin")));
    QCOMPARE(contents(target), QByteArray("[keys]\nk=old\n"));
    QCOMPARE(QDir(root.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"p1.bin"});
}

void TestCrashSafety::copyIsWritableAndNewer()
{
    QTemporaryDir root;
    const QString source = root.filePath("pD.bin"), target = root.filePath("p1.bin");
    QFile factory(source), old(target);
    QVERIFY(factory.open(QIODevice::WriteOnly) && old.open(QIODevice::WriteOnly));
    factory.write("[keys]\nk=new\n");
    old.write("[keys]\nk=old\n");
    // The old file's time lies ahead, as a copy within the same
    // millisecond (or a clock set back) would leave it.
    const QDateTime ahead = QDateTime::currentDateTime().addSecs(3600);
    QVERIFY(old.flush() && old.setFileTime(ahead, QFileDevice::FileModificationTime));
    factory.close();
    old.close();
    // The copy takes the source's mode (plus the owner's read and write),
    // not the mode of the file it replaces.
    QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(QFile::setPermissions(source, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    QVERIFY(replaceWithCopy(target, source));
    QCOMPARE(contents(target), QByteArray("[keys]\nk=new\n"));
    // Owner, group and others; the "user" bits repeat the owner's for us.
    QCOMPARE(QFile::permissions(target) & 0x7077,
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    QVERIFY(QFileInfo(target).lastModified() > ahead);
    QCOMPARE(QDir(root.path()).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"p1.bin", "pD.bin"}));
}

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crashsafety.moc"
