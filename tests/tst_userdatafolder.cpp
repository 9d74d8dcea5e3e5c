// The user's data folder at start-up: created and seeded with the factory
// settings, files as the program writes them kept, damaged settings, profile
// and macro files replaced with one message, an unusable folder reported.
#include "appsettings.h"
#include "dataroots.h"
#include "macrolibrary.h"
#include "userdatafolder.h"

#include <QDir>
#include <QDirIterator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray FactorySettings = "[common]\nname=Q3\ntotal=2\n0=1\n1=2\n";
const QByteArray FactoryProfile = "[color]\nledType=1, 2, 3, 4, 5, 6, 7\n";

// An installed program: the factory copies in the data tree, the user's files
// in home/q3config. The current directory is the data directory while the
// installation lives.
struct Installation
{
    QTemporaryDir temp;
    QString previousDirectory = QDir::currentPath();
    QString user = temp.filePath("home/q3config");
    DataRoots roots;

    Installation()
    {
        const QString modules = temp.filePath("usr/share/q3config/modules");
        QDir().mkpath(temp.filePath("usr/bin"));
        QDir().mkpath(modules + "/setting");
        write(modules + "/setting/apConfigD.bin", FactorySettings);
        write(modules + "/setting/pD.bin", FactoryProfile);
        // Installed read-only, as a package may leave them.
        for (const char* file : {"/setting/apConfigD.bin", "/setting/pD.bin"})
            QFile::setPermissions(modules + file,
                                  QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        roots =
            DataRoots::locate(temp.filePath("usr/bin"), "../share/q3config", temp.filePath("home"));
        QDir::setCurrent(roots.dataDirectory());
    }
    ~Installation() { QDir::setCurrent(previousDirectory); }

    static void write(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    static QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    // The user's files as the program writes them: settings with a picture
    // path outside ASCII, two profiles (one with a whole key matrix and
    // pictures), two macros with steps.
    void writeSoundFiles()
    {
        AppSettings settings(roots.settingsFile(), roots.factorySettingsFile());
        settings.save({1, 2, 0, 0, 4, true, QStringLiteral("file:/home/jörg/Bilder/größe.png")});
        QSettings first(roots.profileDirectory() + "/p1.bin", QSettings::IniFormat);
        first.setValue("color/ledType", QVariantList{3, 4, 2, 1, 0, 0, 0});
        QVariantList picture;
        for (int i = 0; i < 512; ++i)
            picture << i % 256;
        first.setValue("userPicture/0", picture);
        for (int m = 0; m < 128; ++m)
            first.setValue("keydefine0/" + QString::number(m), QVariantList{m, 0});
        QSettings second(roots.profileDirectory() + "/p2.bin", QSettings::IniFormat);
        second.setValue("color/color", QVariantList{252, 0, 4});
        MacroLibrary macros(roots.macroDirectory());
        macros.repair(2);
        QVERIFY(macros.saveSteps("Macro. 001", {"A    [Down]", "50    [Delay]", "A      [Up]"}));
        QVERIFY(macros.saveSteps("Macro. 002", {}));
    }

    QMap<QString, QByteArray> userFiles() const
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(user, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            files.insert(QDir(user).relativeFilePath(path), read(path));
        }
        return files;
    }
};

} // namespace

class TestUserDataFolder : public QObject
{
    Q_OBJECT

private slots:
    void firstStartGetsTheFactorySettings()
    {
        Installation installation;
        UserDataFolder folder(installation.roots);
        QVERIFY(folder.prepare());
        QCOMPARE(installation.userFiles(),
                 (QMap<QString, QByteArray>{{"setting/apConfig.bin", FactorySettings}}));
        QVERIFY(QFileInfo(installation.user + "/macro").isDir());
        QVERIFY(QFile::permissions(installation.user + "/setting/apConfig.bin") &
                QFile::WriteOwner);
        QVERIFY(folder.repairs().isEmpty());
        QCOMPARE(folder.message(), QString());
    }

    void filesAsTheProgramWritesThemAreKept()
    {
        Installation installation;
        installation.writeSoundFiles();
        const QMap<QString, QByteArray> before = installation.userFiles();
        QCOMPARE(before.size(), 5);
        UserDataFolder folder(installation.roots);
        QVERIFY(folder.prepare());
        QCOMPARE(folder.repairs(), QStringList());
        QCOMPARE(installation.userFiles(), before);
    }

    // Values the program writes as they are, DEL among them, are kept.
    void writtenValueIsKept_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("written");

        QTest::newRow("settings entry with DEL")
            << "setting/apConfig.bin" << QStringLiteral("a\x7f!")
            << QByteArray("[common]\n0=a\x7f!\ntotal=1\n");
        QTest::newRow("macro step with DEL")
            << "macro/Macro. 001.bin" << QStringLiteral("A\x7f    [Down]")
            << QByteArray("[config]\ndid=-1\nindex=0\nrepeat=1\ntotal=1\n\n"
                          "[macro]\n0=A\x7f    [Down]\n");
        QTest::newRow("profile colours with DEL")
            << "setting/p1.bin" << QStringLiteral("\x7f") << QByteArray("[color]\ncolor=\x7f\n");
    }

    void writtenValueIsKept()
    {
        QFETCH(QString, file);
        QFETCH(QString, value);
        QFETCH(QByteArray, written);
        Installation installation;
        QVERIFY(QDir().mkpath(installation.user + "/setting"));
        if (file.startsWith("macro/")) {
            MacroLibrary macros(installation.roots.macroDirectory());
            macros.repair(1);
            QVERIFY(macros.saveSteps("Macro. 001", {value}));
        } else if (file.endsWith("p1.bin")) {
            QSettings profile(installation.roots.profileDirectory() + "/p1.bin",
                              QSettings::IniFormat);
            profile.setValue("color/color", value);
        } else {
            AppSettings settings(installation.roots.settingsFile(),
                                 installation.roots.factorySettingsFile());
            QVERIFY(settings.save({value}));
        }
        QCOMPARE(Installation::read(installation.user + '/' + file), written);

        UserDataFolder folder(installation.roots);
        QVERIFY(folder.prepare());
        QCOMPARE(folder.repairs(), QStringList());
        QCOMPARE(Installation::read(installation.user + '/' + file), written);
    }

    void damagedFileIsReplaced_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("damaged");
        QTest::addColumn<QString>("repair");
        QTest::addColumn<QByteArray>("after"); // "<missing>" when removed

        const QString settings = "setting/apConfig.bin", profile = "setting/p1.bin",
                      macro = "macro/Macro. 001.bin";
        const QByteArray garbage("\x8f\x00\x13PK\x03\x04\xff\xfe[common]\x01\n", 17);
        QByteArray matrix127 = "[keydefine1]\n";
        for (int m = 0; m < 127; ++m)
            matrix127 += QByteArray::number(m) + "=4, 0\n";

        QTest::newRow("settings cut in a line")
            << settings << QByteArray("[common]\ntotal=2\n0=1\n1=")
            << "setting/apConfig.bin (factory settings)" << FactorySettings;
        QTest::newRow("settings cut after a line")
            << settings << QByteArray("[common]\ntotal=3\n0=1\n1=2\n")
            << "setting/apConfig.bin (factory settings)" << FactorySettings;
        QTest::newRow("settings count huge")
            << settings << QByteArray("[common]\ntotal=2147483647\n0=1\n")
            << "setting/apConfig.bin (factory settings)" << FactorySettings;
        QTest::newRow("settings without count")
            << settings << QByteArray("[common]\nname=Q3\n")
            << "setting/apConfig.bin (factory settings)" << FactorySettings;
        QTest::newRow("settings count not a number")
            << settings << QByteArray("[common]\ntotal=x\n")
            << "setting/apConfig.bin (factory settings)" << FactorySettings;
        QTest::newRow("settings empty")
            << settings << QByteArray() << "setting/apConfig.bin (factory settings)"
            << FactorySettings;
        QTest::newRow("settings binary")
            << settings << garbage << "setting/apConfig.bin (factory settings)" << FactorySettings;
        QTest::newRow("settings not UTF-8")
            << settings
            << QByteArray("[common]\ntotal=1\n0=gr\xf6\xdf"
                          "e\n")
            << "setting/apConfig.bin (factory settings)" << FactorySettings;
        QTest::newRow("settings not INI")
            << settings << QByteArray("[common\ntotal=0\n")
            << "setting/apConfig.bin (factory settings)" << FactorySettings;
        QTest::newRow("profile cut in a line")
            << profile << QByteArray("[color]\nledType=1, 2, 3")
            << "setting/p1.bin (factory profile)" << FactoryProfile;
        QTest::newRow("profile key matrix cut")
            << profile << matrix127 << "setting/p1.bin (factory profile)" << FactoryProfile;
        QTest::newRow("profile binary")
            << profile << garbage << "setting/p1.bin (factory profile)" << FactoryProfile;
        QTest::newRow("macro steps cut")
            << macro << QByteArray("[config]\nindex=0\ntotal=2\n\n[macro]\n0=A    [Down]\n")
            << "macro/Macro. 001.bin (removed)" << QByteArray("<missing>");
        QTest::newRow("macro step count huge")
            << macro
            << QByteArray("[config]\nindex=0\ntotal=2000000000\n\n[macro]\n0=A    [Down]\n")
            << "macro/Macro. 001.bin (removed)" << QByteArray("<missing>");
        QTest::newRow("macro binary")
            << macro << garbage << "macro/Macro. 001.bin (removed)" << QByteArray("<missing>");
    }

    void damagedFileIsReplaced()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, damaged);
        QFETCH(QString, repair);
        QFETCH(QByteArray, after);
        Installation installation;
        installation.writeSoundFiles();
        QMap<QString, QByteArray> expected = installation.userFiles();
        Installation::write(installation.user + '/' + file, damaged);

        UserDataFolder folder(installation.roots);
        QVERIFY(folder.prepare());
        QCOMPARE(folder.repairs(), QStringList{repair});
        QCOMPARE(folder.message(),
                 "q3config: replaced damaged files in " + installation.user + ": " + repair);
        if (after == "<missing>") {
            expected.remove(file);
        } else {
            expected[file] = after;
            QVERIFY(QFile::permissions(installation.user + '/' + file) & QFile::WriteOwner);
        }
        QCOMPARE(installation.userFiles(), expected);
    }

    void everyDamagedFileInOneMessage()
    {
        Installation installation;
        installation.writeSoundFiles();
        Installation::write(installation.user + "/setting/apConfig.bin",
                            "[common]\ntotal=2\n0=1\n");
        Installation::write(installation.user + "/setting/p2.bin", "[color]\ncolor=252, 0");
        UserDataFolder folder(installation.roots);
        QVERIFY(folder.prepare());
        QCOMPARE(folder.message(), "q3config: replaced damaged files in " + installation.user +
                                       ": setting/apConfig.bin (factory settings), "
                                       "setting/p2.bin (factory profile)");
    }

    void unusableFolderIsReported()
    {
        Installation installation;
        Installation::write(installation.temp.filePath("home"), "a file where the folder goes\n");
        UserDataFolder folder(installation.roots);
        QVERIFY(!folder.prepare());
        QCOMPARE(folder.problem(), "cannot create " + installation.user + "/setting");
        QCOMPARE(folder.message(), "q3config: cannot use the user data folder " +
                                       installation.user + " (cannot create " + installation.user +
                                       "/setting); changes will not be saved");
        QVERIFY(folder.repairs().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestUserDataFolder)
#include "tst_userdatafolder.moc"
