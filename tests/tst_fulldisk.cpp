// Files that cannot be written (a full disk, here a file-size limit of the
// process): every earlier file stays as it was, the user is told once until a
// write goes through again, and the program goes on.
#include "backendrig.h"

#include <QApplication>
#include <QDirIterator>
#include <QMap>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// While it lives, no file of this process can grow beyond `bytes`: a write
// past that fails (EFBIG) as it would on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN); // the failed write is reported, not a signal
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit limited = previous;
        limited.rlim_cur = bytes;
        active = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous); }
    bool isActive() const { return active; }

private:
    rlimit previous{};
    bool active = false;
};

constexpr rlim_t FullDisk = 16; // bytes: smaller than any file the program writes

// Every file under `root`, by relative path.
QMap<QString, QByteArray> snapshot(const QString& root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        files[QDir(root).relativeFilePath(path)] =
            file.open(QIODevice::ReadOnly) ? file.readAll() : "unreadable";
    }
    return files;
}

enum class Write
{
    Lighting,
    KeyMatrix,
    Settings,
    SettingsReset,
    MacroSteps,
    MacroConfig,
    ProfileReset,
    ProfileExport,
};

QVariantList keyMatrixWithEscapeOn(int code)
{
    QVariantList list;
    for (int i = 0; i < 256; ++i)
        list << (i == 0 ? code : 0);
    return list;
}

} // namespace

class TestFullDisk : public QObject
{
    Q_OBJECT

    // Runs the write; `round` makes each call's value different.
    static void run(BackendRig& rig, Write write, int round)
    {
        myQQuickView& view = *rig.view;
        switch (write) {
        case Write::Lighting:
            view.ui_08H_SetLEDType(uchar(round), 2, 3, 4, 5, 6, 7);
            break;
        case Write::KeyMatrix:
            view.ui_0C0DH_SetKeyMatrix(keyMatrixWithEscapeOn(40 + round));
            break;
        case Write::Settings:
            view.saveApConfig({round, 7, 7});
            break;
        case Write::SettingsReset:
            view.resetApconfig();
            break;
        case Write::MacroSteps:
            view.saveMacroIni("Macro. 020", {QString("%1   [Delay]").arg(100 + round)});
            break;
        case Write::MacroConfig:
            view.setMacroIniConfig("Macro. 020", {19, 3 + round});
            break;
        case Write::ProfileReset:
            view.resetProfile(1);
            break;
        case Write::ProfileExport:
            rig.dialogs.nextFile = rig.dir.filePath("exported.pf");
            view.saveProfile(0);
            break;
        }
    }

private slots:
    void toldOnceAndNothingLost_data()
    {
        QTest::addColumn<int>("write");
        QTest::addColumn<QString>("file");   // the file the write changes
        QTest::addColumn<QString>("needle"); // in it once the write went through (round 9)
        QTest::newRow("lighting") << int(Write::Lighting) << "modules/setting/p1.bin"
                                  << "ledType=9, 2, 3";
        QTest::newRow("key matrix") << int(Write::KeyMatrix) << "modules/setting/p1.bin"
                                    << "0=49, 0";
        QTest::newRow("settings") << int(Write::Settings) << "modules/setting/apConfig.bin"
                                  << "0=9";
        QTest::newRow("settings reset")
            << int(Write::SettingsReset) << "modules/setting/apConfig.bin"
            << "total=32";
        QTest::newRow("macro steps") << int(Write::MacroSteps) << "modules/macro/Macro. 020.bin"
                                     << "109   [Delay]";
        QTest::newRow("macro configuration")
            << int(Write::MacroConfig) << "modules/macro/Macro. 020.bin"
            << "repeat=12";
        QTest::newRow("profile reset") << int(Write::ProfileReset) << "modules/setting/p2.bin"
                                       << "ledType=2, 63, 4";
        QTest::newRow("profile export") << int(Write::ProfileExport) << "exported.pf"
                                        << "[keydefine0]";
    }
    void toldOnceAndNothingLost()
    {
        QFETCH(int, write);
        QFETCH(QString, file);
        QFETCH(QString, needle);
        BackendRig rig;
        // Something in every profile, so that each one has a file to keep.
        rig.view->ui_08H_SetLEDType(1, 1, 1, 1, 1, 1, 1);
        rig.view->ui_0C0DH_SetKeyMatrix(keyMatrixWithEscapeOn(41));
        rig.view->ui_21H_SetCurrentProfile(1);
        rig.view->ui_08H_SetLEDType(8, 8, 8, 8, 8, 8, 8);
        rig.view->ui_21H_SetCurrentProfile(0);
        rig.view->saveApConfig({1, 1, 1});
        QTest::qWait(20);
        const QMap<QString, QByteArray> before = snapshot(rig.dir.path());
        QVERIFY(rig.dialogs.warnings.isEmpty());

        {
            FileSizeLimit full(FullDisk);
            QVERIFY(full.isActive());
            for (int round = 1; round <= 3; ++round)
                run(rig, Write(write), round);
            rig.view->ui_30H_SetColor({4, 8, 12}); // another file, the same trouble
            QTest::qWait(20);
        }
        QCOMPARE(rig.dialogs.warnings.size(), 1);
        QVERIFY2(rig.dialogs.warnings[0].contains(QFileInfo(file).fileName()),
                 qPrintable(rig.dialogs.warnings[0]));
        QCOMPARE(snapshot(rig.dir.path()), before);

        // Room again: the next write goes through, without a word.
        run(rig, Write(write), 9);
        QTest::qWait(20);
        QVERIFY2(rig.readFile(file).contains(needle.toUtf8()), rig.readFile(file).constData());
        QCOMPARE(rig.dialogs.warnings.size(), 1);

        // Full again: told again.
        {
            FileSizeLimit full(FullDisk);
            rig.view->ui_08H_SetLEDType(3, 3, 3, 3, 3, 3, 3);
            rig.view->saveApConfig({5, 5, 5});
            QTest::qWait(20);
        }
        QCOMPARE(rig.dialogs.warnings.size(), 2);
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TestFullDisk test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_fulldisk.moc"
