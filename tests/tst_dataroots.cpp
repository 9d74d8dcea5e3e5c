// Where the program's files are: the data directory and the user root chosen
// for a build, a read-only build, an installed tree and a bare program; the
// user's data home; the storage code asking the chosen roots.
#include "dataroots.h"
#include "macrolibrary.h"
#include "profilestore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

// Runs a block as the user "nobody" when started as root, so that permission
// bits count as for an ordinary user (access() asks for the real user); root
// stays the saved user to return to.
class AsOrdinaryUser
{
public:
    AsOrdinaryUser() : wasRoot(geteuid() == 0)
    {
        if (wasRoot && setresuid(Nobody, Nobody, 0) != 0)
            qFatal("cannot become nobody");
    }
    ~AsOrdinaryUser()
    {
        if (wasRoot && setresuid(0, 0, 0) != 0)
            qFatal("cannot return to root");
    }

private:
    static constexpr uid_t Nobody = 65534;
    bool wasRoot;
};

void makeDir(const QString& path, QFile::Permissions permissions)
{
    QVERIFY(QDir().mkpath(path));
    QVERIFY(QFile::setPermissions(path, permissions));
}

constexpr QFile::Permissions Open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                    QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                    QFile::ExeOther;
constexpr QFile::Permissions ReadOnly = Open & ~QFile::Permissions(QFile::WriteOwner);
constexpr QFile::Permissions Writable = Open | QFile::WriteGroup | QFile::WriteOther;

} // namespace

class TestDataRoots : public QObject
{
    Q_OBJECT

private slots:
    void locate_data()
    {
        // Folders to make below a temporary root, the program directory,
        // and what is expected ("" for the user root means "./modules").
        QTest::addColumn<QStringList>("writable");
        QTest::addColumn<QStringList>("readOnly");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("dataDirectory");
        QTest::addColumn<QString>("userRoot");
        QTest::newRow("build") << QStringList{"build/bin/modules"} << QStringList{} << "build/bin"
                               << "build/bin"
                               << "./modules";
        QTest::newRow("build made read-only")
            << QStringList{} << QStringList{"build/bin/modules"} << "build/bin"
            << "build/bin"
            << "home/.local/share/q3config";
        QTest::newRow("installed")
            << QStringList{"usr/bin", "usr/share/q3config/modules"} << QStringList{} << "usr/bin"
            << "usr/share/q3config"
            << "home/.local/share/q3config";
        QTest::newRow("installed and writable by the user")
            << QStringList{"opt/q3/bin", "opt/q3/share/q3config/modules"} << QStringList{}
            << "opt/q3/bin"
            << "opt/q3/share/q3config"
            << "home/.local/share/q3config";
        QTest::newRow("installed data without modules folder")
            << QStringList{"usr/bin", "usr/share/q3config/setting"} << QStringList{} << "usr/bin"
            << "usr/bin"
            << "./modules";
        QTest::newRow("no data anywhere") << QStringList{"usr/bin"} << QStringList{} << "usr/bin"
                                          << "usr/bin"
                                          << "./modules";
    }

    void locate()
    {
        QFETCH(QStringList, writable);
        QFETCH(QStringList, readOnly);
        QFETCH(QString, program);
        QFETCH(QString, dataDirectory);
        QFETCH(QString, userRoot);
        QTemporaryDir temp;
        const QString root = temp.path();
        QVERIFY(QFile::setPermissions(root, Open)); // "nobody" must see inside
        for (const QString& dir : writable)
            makeDir(root + '/' + dir, Writable);
        for (const QString& dir : readOnly)
            makeDir(root + '/' + dir, ReadOnly);

        DataRoots roots;
        {
            AsOrdinaryUser user;
            roots = DataRoots::locate(root + '/' + program, "../share/q3config",
                                      root + "/home/.local/share");
        }
        QCOMPARE(roots.dataDirectory(), root + '/' + dataDirectory);
        QCOMPARE(roots.userRoot(), userRoot.startsWith("./") ? userRoot : root + '/' + userRoot);
        QVERIFY(!QFile::exists(root + "/home")); // choosing writes nothing
    }

    void installedPaths()
    {
        QTemporaryDir temp;
        QVERIFY(QDir().mkpath(temp.filePath("usr/bin")));
        QVERIFY(QDir().mkpath(temp.filePath("usr/share/q3config/modules")));
        const DataRoots roots =
            DataRoots::locate(temp.filePath("usr/bin"), "../share/q3config", "/home/u/.data");
        QCOMPARE(roots.dataRoot(), QString("./modules"));
        QCOMPARE(roots.settingsFile(), QString("/home/u/.data/q3config/setting/apConfig.bin"));
        QCOMPARE(roots.factorySettingsFile(), QString("./modules/setting/apConfigD.bin"));
        QCOMPARE(roots.profileDirectory(), QString("/home/u/.data/q3config/setting"));
        QCOMPARE(roots.factoryProfileDirectory(), QString("./modules/setting"));
        QCOMPARE(roots.macroDirectory(), QString("/home/u/.data/q3config/macro"));
    }

    void buildPathsAreTheModulesFolder()
    {
        const DataRoots roots;
        QCOMPARE(roots.settingsFile(), QString("./modules/setting/apConfig.bin"));
        QCOMPARE(roots.factorySettingsFile(), QString("./modules/setting/apConfigD.bin"));
        QCOMPARE(roots.profileDirectory(), QString("./modules/setting"));
        QCOMPARE(roots.macroDirectory(), QString("./modules/macro"));
        QCOMPARE(roots.dataDirectory(), QString());
    }

    void userDataHome_data()
    {
        QTest::addColumn<QByteArray>("variable"); // null: unset
        QTest::addColumn<QString>("expected");    // "~" stands for the home folder
        QTest::newRow("set") << QByteArray("/data/u") << "/data/u";
        QTest::newRow("trailing slash") << QByteArray("/data/u/") << "/data/u";
        QTest::newRow("unset") << QByteArray() << "~/.local/share";
        QTest::newRow("empty") << QByteArray("") << "~/.local/share";
        QTest::newRow("relative, ignored") << QByteArray("data/u") << "~/.local/share";
    }

    void userDataHome()
    {
        QFETCH(QByteArray, variable);
        QFETCH(QString, expected);
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        const bool wasSet = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        if (variable.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", variable);
        const QString home = DataRoots::userDataHome();
        if (wasSet)
            qputenv("XDG_DATA_HOME", saved);
        else
            qunsetenv("XDG_DATA_HOME");
        QCOMPARE(home, QString(expected).replace("~", QDir::homePath()));
    }

    void storageAsksTheCurrentRoots()
    {
        QTemporaryDir temp;
        QVERIFY(QDir().mkpath(temp.filePath("usr/bin")));
        QVERIFY(QDir().mkpath(temp.filePath("usr/share/q3config/modules")));
        DataRoots::setCurrent(
            DataRoots::locate(temp.filePath("usr/bin"), "../share/q3config", "/home/u/.data"));
        const ProfileStore profiles;
        const MacroLibrary macros;
        DataRoots::setCurrent(DataRoots());
        QCOMPARE(profiles.fileName(1), QString("/home/u/.data/q3config/setting/p2.bin"));
        QCOMPARE(profiles.factoryFileName(), QString("./modules/setting/pD.bin"));
        QCOMPARE(macros.fileFor("Macro. 001"),
                 QString("/home/u/.data/q3config/macro/Macro. 001.bin"));

        const ProfileStore buildProfiles;
        QCOMPARE(buildProfiles.fileName(0), QString("./modules/setting/p1.bin"));
        QCOMPARE(buildProfiles.factoryFileName(), QString("./modules/setting/pD.bin"));
    }
};

QTEST_GUILESS_MAIN(TestDataRoots)
#include "tst_dataroots.moc"
