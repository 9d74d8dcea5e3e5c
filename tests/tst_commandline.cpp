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
        QTest::newRow("help as a word")
            << QStringList{"help"} << int(O::ShowHelp) << false << QString() << 0;
        QTest::newRow("help about a command")
            << QStringList{"help", "lighting"} << int(O::ShowHelp) << false << QString() << 0;
        QTest::newRow("version") << QStringList{"--version"} << int(O::ShowVersion) << false
                                 << QString() << 0;
        QTest::newRow("version, short")
            << QStringList{"-v"} << int(O::ShowVersion) << false << QString() << 0;
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

    // Help and version in a terminal without any display (ssh, a script):
    // printed, exit 0; the window without a display: one line, exit 1, no abort.
    void answersWithoutAnyDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("display");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("outputStart");
        QTest::addColumn<QString>("errorLine");
        const QString none =
            "q3config: the window needs a display and neither DISPLAY nor WAYLAND_DISPLAY is set; "
            "run it in a desktop session or under xvfb-run, or use the commands, which need none "
            "(q3config --help)\n";
        QTest::newRow("--help") << QStringList{"--help"} << QString() << 0
                                << "Usage: " << QString();
        QTest::newRow("-h") << QStringList{"-h"} << QString() << 0 << "Usage: " << QString();
        QTest::newRow("help") << QStringList{"help"} << QString() << 0 << "Usage: " << QString();
        QTest::newRow("help keys") << QStringList{"help", "keys"} << QString() << 0
                                   << "Usage: q3config keys list" << QString();
        QTest::newRow("--version")
            << QStringList{"--version"} << QString() << 0 << "q3config " Q3_VERSION "\n"
            << QString();
        QTest::newRow("the window")
            << QStringList{"--virtual-keyboard"} << QString() << 1 << QString() << none;
        QTest::newRow("the window, display gone")
            << QStringList{} << ":97" << 1 << QString()
            << "q3config: the window needs a display and DISPLAY :97 cannot be opened; run it in "
               "a desktop session or under xvfb-run, or use the commands, which need none "
               "(q3config --help)\n";
    }

    void answersWithoutAnyDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, display);
        QFETCH(int, exitCode);
        QFETCH(QString, outputStart);
        QFETCH(QString, errorLine);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        if (!display.isEmpty())
            environment.insert("DISPLAY", display);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationDirPath() + "/q3config", arguments);
        QVERIFY(program.waitForFinished(20000));
        const QString output = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        QVERIFY2(output.startsWith(outputStart), qPrintable(output));
        if (exitCode == 0 && outputStart == "Usage: ") {
            QVERIFY2(output.contains("--virtual-keyboard"), qPrintable(output));
            QVERIFY2(output.contains("  lighting   "), qPrintable(output));
        }
        QCOMPARE(errors, errorLine);
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
