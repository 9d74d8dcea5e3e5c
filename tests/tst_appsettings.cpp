// The application settings file and the skin test.
#include "appsettings.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct SettingsFiles
{
    QTemporaryDir dir;
    QString live = dir.filePath("apConfig.bin");
    QString factory = dir.filePath("apConfigD.bin");

    void write(const QString& path, const QByteArray& text)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

QStringList asText(const QVariantList& values)
{
    QStringList text;
    for (const QVariant& v : values)
        text << v.toString();
    return text;
}

} // namespace

class TestAppSettings : public QObject
{
    Q_OBJECT

private slots:
    void loadFollowsTheCount_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("count above the entries")
            << QByteArray("[common]\ntotal=3\n0=1\n") << QStringList{"1", "0", "0"};
        QTest::newRow("entries above the count")
            << QByteArray("[common]\ntotal=1\n0=x\n1=y\n") << QStringList{"x"};
        QTest::newRow("count 0") << QByteArray("[common]\ntotal=0\n0=1\n") << QStringList{};
        QTest::newRow("negative count") << QByteArray("[common]\ntotal=-4\n") << QStringList{};
        QTest::newRow("no count") << QByteArray("[common]\n0=1\n") << QStringList{};
        QTest::newRow("no file") << QByteArray() << QStringList{};
        // Counts no settings page has: only the first 1024 entries are read.
        QStringList first1024(1024, "0");
        first1024[0] = "7";
        first1024[1023] = "9";
        QTest::newRow("count beyond any settings list")
            << QByteArray("[common]\ntotal=5000\n0=7\n1023=9\n1024=8\n") << first1024;
        QTest::newRow("largest count")
            << QByteArray("[common]\ntotal=2147483647\n0=7\n1023=9\n") << first1024;
    }

    void loadFollowsTheCount()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, values);
        SettingsFiles files;
        if (!file.isEmpty())
            files.write(files.live, file);
        AppSettings settings(files.live, files.factory);
        QCOMPARE(asText(settings.load()), values);
    }

    void shorterSaveLeavesOldEntriesUnread()
    {
        SettingsFiles files;
        AppSettings settings(files.live, files.factory);
        QVariantList full;
        for (int i = 0; i < 32; ++i)
            full << i;
        settings.save(full);
        settings.save({7, "text"});
        QCOMPARE(asText(settings.load()), (QStringList{"7", "text"}));
        AppSettings reopened(files.live, files.factory);
        QCOMPARE(asText(reopened.load()), (QStringList{"7", "text"}));
        QVERIFY(files.read(files.live).contains("31=31"));
    }

    void resetCopiesTheFactoryFile()
    {
        SettingsFiles files;
        const QByteArray factory = "[common]\nname=Factory\ntotal=2\n0=1\n1=2\n";
        files.write(files.factory, factory);
        AppSettings settings(files.live, files.factory);
        settings.save({9, 9, 9}); // pending: must not reach the copy
        settings.reset();
        QCOMPARE(files.read(files.live), factory);
        QCOMPARE(asText(settings.load()), (QStringList{"1", "2"}));
    }

    void resetWithoutFactoryFileLeavesNoSettings()
    {
        SettingsFiles files;
        files.write(files.live, "[common]\ntotal=1\n0=5\n");
        AppSettings settings(files.live, files.factory);
        settings.reset();
        QVERIFY(!QFile::exists(files.live));
        QVERIFY(settings.load().isEmpty());
    }

    void skinChoiceCountsDirectoriesOnly_data()
    {
        QTest::addColumn<QStringList>("directories");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("choice");
        QTest::newRow("one skin") << QStringList{"skin1"} << QStringList{} << false;
        QTest::newRow("two skins") << QStringList{"skin1", "skin2"} << QStringList{} << true;
        QTest::newRow("pictures beside one skin")
            << QStringList{"skin1"} << QStringList{"a.png", "b.png"} << false;
        QTest::newRow("none") << QStringList{} << QStringList{} << false;
    }

    void skinChoiceCountsDirectoriesOnly()
    {
        QFETCH(QStringList, directories);
        QFETCH(QStringList, files);
        QFETCH(bool, choice);
        QTemporaryDir root;
        for (const QString& d : directories)
            QDir(root.path()).mkdir(d);
        for (const QString& f : files) {
            QFile file(root.filePath(f));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(hasSkinChoice(root.path()), choice);
    }

    void shippedFactorySettingsAreComplete()
    {
        const QString setting = QCoreApplication::applicationDirPath() + "/modules/setting/";
        AppSettings settings(setting + "apConfigD.bin", QString());
        const QVariantList values = settings.load();
        QCOMPARE(values.size(), 32);
        QCOMPARE(values[0].toInt(), 1); // format
        QCOMPARE(values[1].toInt(), 1); // skin 1
        QCOMPARE(values[2].toInt(), 0); // sound on
        QCOMPARE(values[3].toInt(), 0); // animations on
        QCOMPARE(values[5].toBool(), false);
        QCOMPARE(values[6].toString(), QString());
        QCOMPARE(values.mid(8, 3), (QVariantList{"0", "255", "255"}));
        QCOMPARE(values[30].toInt(), 7);
        QVERIFY(values[31].toString().startsWith("https://"));
        QCOMPARE(settings.productNames(), QStringList{"Q3-KEYBOARD"});
        QSettings live(setting + "apConfig.bin", QSettings::IniFormat);
        QCOMPARE(live.value("common/name").toString(), QString("Q3 Keyboard Configurator"));
    }
};

QTEST_GUILESS_MAIN(TestAppSettings)
#include "tst_appsettings.moc"
