// The macro library's files: start-up repair, creation, steps, configuration,
// rename, import and export, and the refusal of names that are paths.
#include "macrolibrary.h"

#include <QDir>
#include <QDirIterator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Library
{
    QTemporaryDir root;
    QString directory = root.filePath("macro");
    MacroLibrary library{directory};

    Library() { QDir().mkpath(directory); }

    void write(const QString& file, const QByteArray& text)
    {
        QFile f(directory + '/' + file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    QByteArray read(const QString& file) const
    {
        QFile f(directory + '/' + file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    int slotIn(const QString& file) const
    {
        return QSettings(directory + '/' + file, QSettings::IniFormat)
            .value("config/index", -99)
            .toInt();
    }
    // Every file below the temporary root with its contents.
    QMap<QString, QByteArray> snapshot() const
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(root.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            files.insert(path, f.readAll());
        }
        return files;
    }
    void expectRemoval(const QString& file)
    {
        QTest::ignoreMessage(QtDebugMsg, qPrintable("REMOVE: \"" + directory + '/' + file + '"'));
    }
};

} // namespace

class TestMacroLibrary : public QObject
{
    Q_OBJECT

private slots:
    void defaultNames_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::newRow("1") << 1 << "Macro. 001";
        QTest::newRow("10") << 10 << "Macro. 010";
        QTest::newRow("999") << 999 << "Macro. 999";
        QTest::newRow("1000") << 1000 << "Macro. 1000";
    }

    void defaultNames()
    {
        QFETCH(int, number);
        QFETCH(QString, name);
        QCOMPARE(MacroLibrary::defaultName(number), name);
    }

    void repairFillsAnEmptyLibrary()
    {
        Library lib;
        lib.library.repair(3);
        QCOMPARE(lib.library.fileNames(),
                 (QStringList{"Macro. 001.bin", "Macro. 002.bin", "Macro. 003.bin"}));
        for (int slot = 0; slot < 3; ++slot) {
            const QSettings macro(lib.directory + "/" + MacroLibrary::defaultName(slot + 1) +
                                      ".bin",
                                  QSettings::IniFormat);
            QCOMPARE(macro.value("config/index").toInt(), slot);
            QCOMPARE(macro.value("config/total").toInt(), 0);
            QCOMPARE(macro.value("config/repeat").toInt(), 1);
            QCOMPARE(macro.value("config/did").toInt(), -1);
        }
    }

    void repairKeepsTheFirstOfDuplicatesIgnoringCase()
    {
        Library lib;
        lib.write("b.bin", "[config]\nindex=0\n");
        lib.write("A.bin", "[config]\nindex=0\n");
        lib.expectRemoval("b.bin");
        lib.library.repair(1);
        QCOMPARE(lib.library.fileNames(), QStringList{"A.bin"});
    }

    void repairDeletesFilesWithoutAValidSlot_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("index at the slot count") << QByteArray("[config]\nindex=5\n");
        QTest::newRow("negative index") << QByteArray("[config]\nindex=-1\n");
        QTest::newRow("no index") << QByteArray("[config]\ntotal=0\n");
        QTest::newRow("index not a number") << QByteArray("[config]\nindex=abc\n");
        QTest::newRow("not an INI file") << QByteArray("\x01\x02garbage");
    }

    void repairDeletesFilesWithoutAValidSlot()
    {
        QFETCH(QByteArray, contents);
        Library lib;
        lib.write("odd.bin", contents);
        for (int slot = 0; slot < 4; ++slot)
            lib.write(QString("kept%1.bin").arg(slot),
                      "[config]\nindex=" + QByteArray::number(slot) + "\n");
        lib.expectRemoval("odd.bin");
        lib.library.repair(5);
        QVERIFY(!lib.library.fileNames().contains("odd.bin"));
        QCOMPARE(lib.slotIn("Macro. 005.bin"), 4);
        QCOMPARE(lib.library.fileNames().size(), 5);
    }

    void repairNeverTakesOverAnotherSlotsFile()
    {
        Library lib;
        lib.write("Macro. 001.bin", "[config]\nindex=1\n"); // renamed onto slot 0's name
        lib.write("Keep.bin", "[config]\nindex=2\n");
        lib.library.repair(3);
        QCOMPARE(lib.slotIn("Macro. 001.bin"), 1);
        QCOMPARE(lib.slotIn("Macro. 002.bin"), 0);
        QCOMPARE(lib.slotIn("Keep.bin"), 2);
        QCOMPARE(lib.library.fileNames().size(), 3);
    }

    void createTakesTheFirstFreeName()
    {
        Library lib;
        lib.write("Macro. 001.bin", "[config]\nindex=0\n");
        lib.write("Macro. 003.bin", "[config]\nindex=1\n");
        QCOMPARE(lib.library.create(), QString("Macro. 002"));
        QCOMPARE(lib.slotIn("Macro. 002.bin"), -1);
        QCOMPARE(lib.library.create(), QString("Macro. 004"));
    }

    void stepsRoundTrip()
    {
        Library lib;
        lib.library.repair(1);
        const QStringList steps{"A    [Down]", "100   [Delay]", "A      [Up]"};
        QVERIFY(lib.library.saveSteps("Macro. 001", steps));
        QCOMPARE(lib.library.steps("Macro. 001"), steps);
        QVERIFY(lib.library.saveSteps("Macro. 001", {}));
        QCOMPARE(lib.library.steps("Macro. 001"), QStringList{});
        const QSettings macro(lib.directory + "/Macro. 001.bin", QSettings::IniFormat);
        QCOMPARE(macro.value("config/total").toInt(), 0);
        QVERIFY(macro.childGroups().indexOf("macro") < 0);
        QVERIFY(!lib.library.saveSteps("Missing", steps));
        QVERIFY(!QFile::exists(lib.directory + "/Missing.bin"));
    }

    void missingStepsReadAsZero()
    {
        Library lib;
        lib.write("Short.bin", "[config]\ntotal=2\n[macro]\n0=A    [Down]\n");
        QCOMPARE(lib.library.steps("Short"), (QStringList{"A    [Down]", "0"}));
    }

    void aDamagedStepCountReadsAtMost65536Steps()
    {
        Library lib;
        lib.write("Huge.bin", "[config]\ntotal=2000000000\n[macro]\n0=A    [Down]\n");
        const QStringList steps = lib.library.steps("Huge");
        QCOMPARE(steps.size(), 65536);
        QCOMPARE(steps.first(), QString("A    [Down]"));
        QCOMPARE(steps.last(), QString("0"));
        lib.write("Negative.bin", "[config]\ntotal=-5\n[macro]\n0=A    [Down]\n");
        QVERIFY(lib.library.steps("Negative").isEmpty());
    }

    void configuration()
    {
        Library lib;
        lib.library.repair(2);
        QCOMPARE(lib.library.config("Macro. 002"), (QVariantList{1, 1}));
        lib.library.setConfig("Macro. 002", {1, 3}, 7);
        QCOMPARE(lib.library.config("Macro. 002"), (QVariantList{1, 3}));
        QCOMPARE(QSettings(lib.directory + "/Macro. 002.bin", QSettings::IniFormat)
                     .value("config/did")
                     .toUInt(),
                 7u);
        QVERIFY(lib.library.config("Missing").isEmpty());
        lib.library.setConfig("Macro. 002", {0}, 7); // too short: ignored
        QCOMPARE(lib.library.config("Macro. 002"), (QVariantList{1, 3}));
    }

    void renameNeverReplacesAFile()
    {
        Library lib;
        lib.write("One.bin", "[config]\nindex=0\n");
        lib.write("Two.bin", "[config]\nindex=1\n");
        QVERIFY(!lib.library.rename("One", "Two"));
        QCOMPARE(lib.read("One.bin"), QByteArray("[config]\nindex=0\n"));
        QCOMPARE(lib.read("Two.bin"), QByteArray("[config]\nindex=1\n"));
        QVERIFY(lib.library.rename("One", "Three"));
        QCOMPARE(lib.library.fileNames(), (QStringList{"Three.bin", "Two.bin"}));
    }

    void removeReportsWhetherAFileWent()
    {
        Library lib;
        lib.library.repair(1);
        QVERIFY(lib.library.remove("Macro. 001"));
        QVERIFY(!lib.library.remove("Macro. 001"));
    }

    void importAndExportCopyWholeFiles()
    {
        Library lib;
        lib.library.repair(2);
        lib.library.saveSteps("Macro. 001", {"A    [Down]", "A      [Up]"});
        const QString exported = lib.root.filePath("out.mc");
        QVERIFY(lib.library.exportTo("Macro. 001", exported));
        QFile file(exported);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes, lib.read("Macro. 001.bin"));
        // An existing target is not replaced.
        lib.library.saveSteps("Macro. 002", {"9   [Delay]"});
        QVERIFY(!lib.library.exportTo("Macro. 002", exported));
        file.seek(0);
        QCOMPARE(file.readAll(), bytes);
        // Importing it over another macro brings the whole file, slot included.
        QVERIFY(lib.library.importFrom("Macro. 002", exported));
        QCOMPARE(lib.read("Macro. 002.bin"), bytes);
        QCOMPARE(lib.library.slotOf("Macro. 002"), 0);
        // Only over an existing macro.
        QVERIFY(!lib.library.importFrom("Missing", exported));
        QVERIFY(!QFile::exists(lib.directory + "/Missing.bin"));
    }

    void importingTheLibraryFileItselfKeepsIt()
    {
        Library lib;
        lib.library.repair(1);
        lib.library.saveSteps("Macro. 001", {"5   [Delay]"});
        const QByteArray before = lib.read("Macro. 001.bin");
        QVERIFY(lib.library.importFrom("Macro. 001", lib.directory + "/Macro. 001.bin"));
        QCOMPARE(lib.read("Macro. 001.bin"), before);
        QVERIFY(!lib.library.importFrom("Macro. 001", lib.root.filePath("no such file.mc")));
        QCOMPARE(lib.read("Macro. 001.bin"), before);
    }

    void namesThatArePathsAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent") << "../escaped";
        QTest::newRow("slash") << "sub/dir";
        QTest::newRow("backslash") << "sub\\dir";
        QTest::newRow("dot") << ".";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("empty") << "";
        QTest::newRow("absolute") << "/tmp/x";
    }

    void namesThatArePathsAreRefused()
    {
        QFETCH(QString, name);
        Library lib;
        lib.library.repair(1);
        lib.write("../escaped.bin", "[config]\nindex=0\n");
        const QString outside = lib.root.filePath("outside.mc");
        QFile source(outside);
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write("[config]\nindex=0\n");
        source.close();
        const QMap<QString, QByteArray> before = lib.snapshot();
        QCOMPARE(lib.library.fileFor(name), QString());
        QVERIFY(!lib.library.exists(name));
        QVERIFY(!lib.library.rename("Macro. 001", name));
        QVERIFY(!lib.library.rename(name, "Renamed"));
        QVERIFY(!lib.library.saveSteps(name, {"1   [Delay]"}));
        QVERIFY(!lib.library.remove(name));
        QVERIFY(!lib.library.importFrom(name, outside));
        QVERIFY(!lib.library.exportTo(name, lib.root.filePath("copy.mc")));
        lib.library.setConfig(name, {0, 1}, 0);
        QVERIFY(lib.library.steps(name).isEmpty());
        QCOMPARE(lib.snapshot(), before);
    }
};

QTEST_GUILESS_MAIN(TestMacroLibrary)
#include "tst_macrolibrary.moc"
