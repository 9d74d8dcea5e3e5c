// The program's command line.
#include "commandline.h"

#include <QDir>
#include <QProcess>
#include <QTest>

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<bool>("virtualKeyboard");
        QTest::addColumn<QString>("capture");
        QTest::addColumn<int>("layout");
        using O = CommandLine::Outcome;
        const QString abs = QDir::current().absoluteFilePath("reports.txt");
        QTest::newRow("nothing") << QStringList{} << int(O::Run) << false << QString() << 0;
        QTest::newRow("virtual") << QStringList{"--virtual-keyboard"} << int(O::Run) << true
                                 << QString() << 0;
        QTest::newRow("capture, relative path made absolute")
            << QStringList{"--virtual-keyboard", "--capture", "reports.txt"} << int(O::Run) << true
            << abs << 0;
        QTest::newRow("capture with =") << QStringList{"--virtual-keyboard", "--capture=/tmp/x"}
                                        << int(O::Run) << true << "/tmp/x" << 0;
        QTest::newRow("ANSI virtual keyboard")
            << QStringList{"--virtual-keyboard", "--virtual-layout", "1"} << int(O::Run) << true
            << QString() << 1;
        QTest::newRow("ISO virtual keyboard asked for")
            << QStringList{"--virtual-layout=0", "--virtual-keyboard"} << int(O::Run) << true
            << QString() << 0;
        QTest::newRow("help") << QStringList{"--help"} << int(O::ShowHelp) << false << QString()
                              << 0;
        QTest::newRow("unknown option")
            << QStringList{"--bogus"} << int(O::Error) << false << QString() << 0;
        QTest::newRow("capture without the virtual keyboard")
            << QStringList{"--capture", "x"} << int(O::Error) << false << QString() << 0;
        QTest::newRow("capture without a file") << QStringList{"--virtual-keyboard", "--capture"}
                                                << int(O::Error) << false << QString() << 0;
        QTest::newRow("layout without the virtual keyboard")
            << QStringList{"--virtual-layout", "1"} << int(O::Error) << false << QString() << 0;
        QTest::newRow("layout 2") << QStringList{"--virtual-keyboard", "--virtual-layout", "2"}
                                  << int(O::Error) << false << QString() << 0;
        QTest::newRow("layout not a number")
            << QStringList{"--virtual-keyboard", "--virtual-layout", "ansi"} << int(O::Error)
            << false << QString() << 0;
        QTest::newRow("stray argument")
            << QStringList{"file.pf"} << int(O::Error) << false << QString() << 0;
    }

    void parses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, outcome);
        QFETCH(bool, virtualKeyboard);
        QFETCH(QString, capture);
        QFETCH(int, layout);
        const CommandLine line = CommandLine::parse(QStringList{"q3config"} + arguments);
        QCOMPARE(int(line.outcome), outcome);
        QCOMPARE(line.error.isEmpty(), outcome != int(CommandLine::Outcome::Error));
        if (outcome == int(CommandLine::Outcome::Run)) {
            QCOMPARE(line.virtualKeyboard, virtualKeyboard);
            QCOMPARE(line.capturePath, capture);
            QCOMPARE(int(line.virtualLayout), layout);
        }
    }

    void unknownOptionPrintsUsageAndFails()
    {
        QProcess program;
        program.start(QCoreApplication::applicationDirPath() + "/q3config", {"--bogus"});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 2);
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(errors.contains("bogus"), qPrintable(errors));
        QVERIFY2(errors.contains("--virtual-keyboard"), qPrintable(errors));
    }

    // No X11 display (so no key detection) and no sound server: the program
    // runs until it is asked to stop, then ends normally.
    void runsWithoutDisplay()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationDirPath() + "/q3config", {"--virtual-keyboard"});
        QVERIFY(program.waitForStarted());
        QVERIFY2(!program.waitForFinished(1500), program.readAllStandardError().constData());
        program.terminate();
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
