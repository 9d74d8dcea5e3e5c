// The command line against the virtual keyboard, in-process: the bytes each
// command sends, the profile files it leaves, its JSON, and the bad inputs
// that must change nothing.
#include "cli.h"
#include "dataroots.h"
#include "keymap.h"
#include "lightingrecord.h"
#include "mediafunctions.h"
#include "virtualkeyboard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The keyboard's profile 1 at the start of every test, in device units.
constexpr std::array<quint8, 7> StartLighting{0x02, 27, 3, 1, 4, 0x45, 0x5B};

QString hex(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

// One write as the tests expect it: the command report, "|", the payload.
QString write(const QString& command, const QByteArray& payload = {})
{
    return command + '|' + hex(payload);
}

// The seven colours the keyboard starts with: channel i holds i + 1.
QByteArray startColours()
{
    QByteArray bytes(64, 0);
    for (int i = 0; i < 21; ++i)
        bytes[i] = char(i + 1);
    return bytes;
}

QString colourWrite(const QByteArray& bytes)
{
    return write("00 30 00 00 00 00 55 AA 00", bytes);
}

QStringList matrixWrites(const QByteArray& matrix)
{
    return {write("00 0C 00 00 00 00 55 AA 00", matrix.left(128)),
            write("00 0D 00 00 00 00 55 AA 00", matrix.mid(128, 128))};
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The factory key codes of the shipped hardware definition, read from its
// text: "<n>=x, y, type, label, slot, code" in group [0].
QByteArray factoryMatrix()
{
    QByteArray matrix(256, 0);
    const QString text = QString::fromUtf8(
        readAll(QCoreApplication::applicationDirPath() + "/modules/setting/HWDef.bin"));
    const QString layout0 = text.section("[0]", 1).section("\n[", 0, 0);
    static const QRegularExpression entry(
        QStringLiteral("^\\d+=[^,]*,[^,]*,[^,]*,.*, (\\d+), (\\d+)$"),
        QRegularExpression::MultilineOption);
    for (auto it = entry.globalMatch(layout0); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const int slot = m.captured(1).toInt();
        const int code = m.captured(2).toInt();
        matrix[2 * slot] = char(code & 0xFF);
        matrix[2 * slot + 1] = char(code >> 8);
    }
    return matrix;
}

// A private copy of the data tree, the virtual keyboard with a known profile
// 1, and the command line run in-process on both.
struct CliRig
{
    QTemporaryDir dir;
    VirtualKeyboard keyboard;
    Console console;

    CliRig()
    {
        const QString shipped = QCoreApplication::applicationDirPath() + "/modules/";
        for (const char* folder : {"modules/setting", "modules/macro", "modules/i18n"})
            QDir(dir.path()).mkpath(folder);
        for (const QString& pack : QDir(shipped + "i18n").entryList(QDir::Files))
            QFile::copy(shipped + "i18n/" + pack, path("modules/i18n/" + pack));
        for (const char* name :
             {"HWDef.bin", "KeyCodeDef.bin", "pD.bin", "apConfig.bin", "apConfigD.bin"})
            QFile::copy(shipped + "setting/" + name, path(QString("modules/setting/") + name));
        for (int p = 1; p <= 3; ++p)
            QFile::copy(shipped + "setting/pD.bin",
                        path(QString("modules/setting/p%1.bin").arg(p)));
        writeFile("modules/macro/Macro. 003.bin", "[config]\nindex=2\ntotal=2\nrepeat=3\ndid=0\n"
                                                  "[macro]\n0=A    [Down]\n1=A      [Up]\n");
        QDir::setCurrent(dir.path());
        DataRoots::setCurrent(DataRoots());

        VirtualProfile start;
        start.lighting = StartLighting;
        const QByteArray colours = startColours();
        std::copy(colours.begin(), colours.end(), start.colors.begin());
        keyboard.setProfile(0, start);
        // The first run repairs the macro library, as the program's first start does.
        QCOMPARE(run({"macro", "list"}), Exit::Done);
    }
    ~CliRig() { QDir::setCurrent(QCoreApplication::applicationDirPath()); }

    QString path(const QString& relative) const { return dir.filePath(relative); }

    void writeFile(const QString& relative, const QByteArray& text) const
    {
        QFile file(path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    int run(QStringList arguments)
    {
        for (QString& argument : arguments)
            argument.replace("%DIR%", dir.path());
        console = {};
        keyboard.clearCapture();
        return Cli::execute(arguments, keyboard, console, QDir::currentPath());
    }

    // Every write command (code below 80H) with the payload that followed it.
    QStringList writes() const
    {
        QStringList result;
        bool inWrite = false;
        QByteArray command, payload;
        const auto flush = [&] {
            if (inWrite)
                result << write(hex(command), payload);
        };
        for (const CapturedReport& r : keyboard.capture()) {
            if (r.interface != HidInterface::Command)
                continue;
            if (r.direction == ReportDirection::FeatureOut) {
                flush();
                command = r.bytes;
                payload.clear();
                inWrite = quint8(r.bytes.at(1)) < 0x80;
            } else if (r.direction == ReportDirection::Out) {
                payload += r.bytes.mid(1);
            }
        }
        flush();
        return result;
    }

    QString profileValue(const QString& file, const QString& key) const
    {
        const QSettings profile(path("modules/setting/" + file), QSettings::IniFormat);
        return profile.value(key).toStringList().join(',');
    }

    // Every file of the tree with its hash.
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> result;
        for (QDirIterator it(dir.path(), QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();) {
            const QString file = it.next();
            result.insert(file, QCryptographicHash::hash(readAll(file), QCryptographicHash::Sha1));
        }
        return result;
    }

    QJsonDocument json() const { return QJsonDocument::fromJson(console.out.toUtf8()); }
};

// The list entries of one ListModel of a scene file: textX, and keyCode when
// there is one.
QList<QPair<QString, int>> sceneList(const QString& file, const QString& id)
{
    const QString text =
        QString::fromUtf8(readAll(QStringLiteral(Q3_SOURCE_DIR "/modules/qml/Q3/") + file));
    const QString model = text.section("id: " + id + '\n', 1).section("\n    }", 0, 0);
    static const QRegularExpression element(QStringLiteral(
        "ListElement \\{ textX: \"([^\"]*)\"(?:; textR: \"\"; keyCode: (0x[0-9A-F]+))? \\}"));
    QList<QPair<QString, int>> entries;
    for (auto it = element.globalMatch(model); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        entries.append(
            {m.captured(1), m.captured(2).isEmpty() ? -1 : m.captured(2).toInt(nullptr, 16)});
    }
    return entries;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    // A damaged hardware definition's slot count sizes the key matrix of
    // `keys`: it is kept between 0 and 256.
    void damagedSlotCountIsCapped_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("the keyboard's 128") << 128 << 128;
        QTest::newRow("256") << 256 << 256;
        QTest::newRow("257") << 257 << 256;
        QTest::newRow("largest int") << 2147483647 << 256;
        QTest::newRow("negative") << -3 << 0;
    }

    void damagedSlotCountIsCapped()
    {
        QFETCH(int, stored);
        QFETCH(int, expected);
        // One drawn key, Esc (usage 0x29) in slot 2.
        const QVariantList drawing{1, stored, 10, 20, 0, "Esc", 2, 0x0029};
        const KeyMap map(drawing, {"Esc"}, {0x29});
        QCOMPARE(map.matrixSlots(), expected);
        const QList<quint16> codes = map.defaultCodes();
        QCOMPARE(codes.size(), expected);
        if (expected > 2)
            QCOMPARE(codes[2], quint16(0x0029));
        QCOMPARE(map.keyNames(), expected > 2 ? QStringList{"Esc"} : QStringList{});
    }

    void writes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const QString colours = colourWrite(startColours());

        // Profile 1 shows type 2, brightness level 3 (27), speed 3, left,
        // colour 4; the options replace some of these.
        QTest::newRow("effect by name, brightness")
            << QStringList{"lighting", "--effect", "breathing", "--brightness", "5"}
            << QStringList{colours, write("00 08 01 2D 03 01 04 45 5B")} << "p1.bin"
            << "color/ledType"
            << "1,45,3,1,4,69,91";
        QTest::newRow("effect by code, speed, direction, loop")
            << QStringList{"lighting",    "--effect=0x0A", "--speed", "6",
                           "--direction", "right",         "--color", "loop"}
            << QStringList{colours, write("00 08 0A 1B 06 00 07 45 5B")} << "p1.bin"
            << "color/ledType"
            << "10,27,6,0,7,69,91";
        QTest::newRow("back-lighting only: the first five values as stored")
            << QStringList{"lighting", "--backlight-effect",    "2",   "--backlight-brightness",
                           "3",        "--backlight-speed",     "5",   "--backlight-color",
                           "loop",     "--backlight-direction", "left"}
            << QStringList{write("00 08 02 1B 03 01 04 62 7D")} << "p1.bin"
            << "color/ledType"
            << "2,27,3,1,4,98,125";
        QTest::newRow("a picture effect sends its picture")
            << QStringList{"lighting", "--effect", "User Define 2"}
            << QStringList{colours,
                           write("00 12 00 01 00 00 55 AA 00", QByteArray(128, 0)),
                           write("00 12 00 01 01 00 55 AA 00", QByteArray(128, 0)),
                           write("00 12 00 01 02 00 55 AA 00", QByteArray(128, 0)),
                           write("00 12 00 01 03 00 55 AA 00", QByteArray(128, 0)),
                           write("00 08 34 1B 03 01 04 45 5B")}
            << "p1.bin"
            << "color/ledType"
            << "52,27,3,1,4,69,91";
        QByteArray oneColour = startColours();
        oneColour[0] = char(63);
        oneColour[1] = char(32);
        oneColour[2] = char(0);
        QTest::newRow("one colour, in steps of 4")
            << QStringList{"colors", "0=#FF8003"}
            << QStringList{colourWrite(oneColour), write("00 08 02 1B 03 01 04 45 5B")} << "p1.bin"
            << "color/color"
            << "255,128,3,16,20,24,28,32,36,40,44,48,52,56,60,64,68,72,76,80,84";
        QByteArray white(64, 0);
        white.replace(0, 21, QByteArray(21, char(63)));
        QTest::newRow("all seven colours")
            << QStringList{"colors",  "#FFFFFF", "#FFFFFF", "#FFFFFF",
                           "#FFFFFF", "#FFFFFF", "#FFFFFF", "#ffffff"}
            << QStringList{colourWrite(white), write("00 08 02 1B 03 01 04 45 5B")} << "p1.bin"
            << "color/color"
            << "255,255,255,255,255,255,255,255,255,255,255,255,255,255,255,255,255,255,255,255,"
               "255";
        QTest::newRow("switch profile")
            << QStringList{"profile", "set", "2"}
            << QStringList{write("00 21 01 00 00 00 55 AA 00")} << "p2.bin"
            << "color/ledType"
            << "0,0,0,0,0,0,0";

        QByteArray keys = factoryMatrix();
        keys[2 * 49] = 0x05; // A: B
        keys[2 * 49 + 1] = 0x00;
        keys[0] = char(0xE9); // Esc: VOLUME UP, 0x30E9
        keys[1] = 0x30;
        keys[2 * 48] = 0x02; // Caps Lock: macro slot 2, repeat 3
        keys[2 * 48 + 1] = 0x43;
        keys[2] = 0x00; // F1: none
        keys[3] = 0x00;
        QByteArray macro(128, 0);
        macro.replace(0, 6, QByteArray::fromHex("010004010481")); // header, A down, A up
        QTest::newRow("keys: key, media, macro, none")
            << QStringList{"keys",   "set", "A=B", "Esc=volume-up", "caps lock=macro:Macro. 003",
                           "F1=none"}
            << (QStringList{write("00 10 00 02 00 00 55 AA 00", macro)} + matrixWrites(keys))
            << "p1.bin"
            << "keydefine0/0"
            << "233,48";
        QTest::newRow("keys reset to the factory codes")
            << QStringList{"keys", "reset"} << matrixWrites(factoryMatrix()) << "p1.bin"
            << "keydefine0/49"
            << "4,0";

        QTest::newRow("import into the active profile sends it again")
            << QStringList{"profile", "import", "1", "%DIR%/modules/setting/p3.bin"}
            << QStringList{write("00 21 00 00 00 00 55 AA 00")} << "p1.bin"
            << "color/ledType"
            << "2,27,3,1,4,69,91";
        QTest::newRow("export: files only") << QStringList{"profile", "export", "2", "%DIR%/out.pf"}
                                            << QStringList{} << "../../out.pf"
                                            << "color/ledType"
                                            << "2,63,4,0,7,224,60";
    }

    void writes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        QFETCH(QString, file);
        QFETCH(QString, key);
        QFETCH(QString, value);
        CliRig rig;
        const int result = rig.run(arguments);
        QVERIFY2(result == Exit::Done, qPrintable(rig.console.err));
        QCOMPARE(rig.console.err, QString());
        QCOMPARE(rig.writes(), expected);
        QCOMPARE(rig.profileValue(file, key), value);
    }

    // A profile file without a key matrix starts from the factory codes, never
    // from zeros.
    void keysOnAProfileNeverApplied()
    {
        CliRig rig;
        rig.writeFile("modules/setting/p1.bin", "[color]\nledType=2, 27, 3, 1, 4, 69, 91\n");
        QCOMPARE(rig.run({"keys", "set", "A=B"}), Exit::Done);
        QByteArray keys = factoryMatrix();
        keys[2 * 49] = 0x05;
        QCOMPARE(rig.writes(), matrixWrites(keys));
        QCOMPARE(rig.profileValue("p1.bin", "keydefine0/0"), QString("41,0"));
    }

    void importReplacesTheProfileFile()
    {
        CliRig rig;
        rig.writeFile("saved.pf", readAll(rig.path("modules/setting/pD.bin")) +
                                      "\n[sensor]\nreportRate_Q4=3\n");
        QCOMPARE(rig.run({"profile", "import", "3", rig.path("saved.pf")}), Exit::Done);
        QCOMPARE(readAll(rig.path("modules/setting/p3.bin")), readAll(rig.path("saved.pf")));
        QCOMPARE(rig.writes(), QStringList{}); // profile 3 is not the active one
    }

    void resetReturnsToTheFactoryProfile()
    {
        CliRig rig;
        rig.writeFile("modules/setting/p3.bin", "[color]\nledType=1, 2, 3, 4, 5, 6, 7\n");
        QCOMPARE(rig.run({"profile", "reset", "3"}), Exit::Done);
        QCOMPARE(readAll(rig.path("modules/setting/p3.bin")),
                 readAll(rig.path("modules/setting/pD.bin")));
        QCOMPARE(rig.writes(), QStringList{}); // profile 3 is not the active one
    }

    void badInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("named");   // the bad value the message names
        QTest::addColumn<QString>("allowed"); // a hint at the allowed values
        QTest::newRow("unknown key") << QStringList{"keys", "set", "Foo=B"} << 2 << "Foo"
                                     << "keys list";
        QTest::newRow("unknown target") << QStringList{"keys", "set", "A=Bar"} << 2 << "Bar"
                                        << "macro:NAME";
        QTest::newRow("unknown media name")
            << QStringList{"keys", "set", "A=volume-upp"} << 2 << "volume-upp"
            << "media";
        QTest::newRow("unknown macro") << QStringList{"keys", "set", "A=macro:Nope"} << 2 << "Nope"
                                       << "macro list";
        QTest::newRow("a good and a bad key")
            << QStringList{"keys", "set", "A=B", "Esc=Nope"} << 2 << "Nope"
            << "macro:NAME";
        QTest::newRow("profile 0") << QStringList{"profile", "set", "0"} << 2 << "0"
                                   << "1 to 3";
        QTest::newRow("profile 4") << QStringList{"profile", "set", "4"} << 2 << "4"
                                   << "1 to 3";
        QTest::newRow("profile not a number")
            << QStringList{"profile", "reset", "two"} << 2 << "two"
            << "1 to 3";
        QTest::newRow("unknown effect")
            << QStringList{"lighting", "--effect", "sparkle"} << 2 << "sparkle"
            << "breathing";
        QTest::newRow("effect code without an effect")
            << QStringList{"lighting", "--effect", "0x0C"} << 2 << "0x0C"
            << "0x33";
        QTest::newRow("speed 0") << QStringList{"lighting", "--speed", "0"} << 2 << "0"
                                 << "1 to 7";
        QTest::newRow("speed 9") << QStringList{"lighting", "--speed=9"} << 2 << "9"
                                 << "1 to 7";
        QTest::newRow("good speed, bad brightness")
            << QStringList{"lighting", "--speed", "3", "--brightness", "8"} << 2 << "8"
            << "0 to 7";
        QTest::newRow("colour 7") << QStringList{"lighting", "--color", "7"} << 2 << "7"
                                  << "loop";
        QTest::newRow("direction up") << QStringList{"lighting", "--direction", "up"} << 2 << "up"
                                      << "left";
        QTest::newRow("backlight effect 4")
            << QStringList{"lighting", "--backlight-effect", "4"} << 2 << "4"
            << "0 to 3";
        QTest::newRow("unknown option") << QStringList{"lighting", "--glow", "1"} << 2 << "glow"
                                        << "--effect";
        QTest::newRow("short colour") << QStringList{"colors", "0=#12345"} << 2 << "#12345"
                                      << "#RRGGBB";
        QTest::newRow("six colours") << QStringList{"colors",  "#000000", "#000000", "#000000",
                                                    "#000000", "#000000", "#000000"}
                                     << 2 << "6"
                                     << "N=#RRGGBB";
        QTest::newRow("a text file as profile")
            << QStringList{"profile", "import", "1", "%DIR%/notes.pf"} << 2 << "notes.pf"
            << "profile export";
        QTest::newRow("a macro as profile")
            << QStringList{"profile", "import", "2", "%DIR%/modules/macro/Macro. 003.bin"} << 2
            << "Macro. 003.bin"
            << "profile export";
        QTest::newRow("a profile as macro")
            << QStringList{"macro", "import", "Macro. 003", "%DIR%/modules/setting/pD.bin"} << 2
            << "pD.bin"
            << "macro export";
        QTest::newRow("a missing file as profile")
            << QStringList{"profile", "import", "1", "%DIR%/missing.pf"} << 2 << "missing.pf"
            << "profile export";
        QTest::newRow("profile to a folder that does not exist")
            << QStringList{"profile", "export", "1", "/nonexistent/p1.pf"} << 1
            << "/nonexistent/p1.pf"
            << "folder";
        QTest::newRow("a profile never saved")
            << QStringList{"profile", "export", "3", "%DIR%/p3.pf"} << 1 << "profile 3"
            << "profile reset 3";
        QTest::newRow("macro over an existing file")
            << QStringList{"macro", "export", "Macro. 003", "%DIR%/notes.pf"} << 1 << "notes.pf"
            << "another name";
        QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << "frobnicate"
                                         << "lighting";
        QTest::newRow("unknown action") << QStringList{"keys", "swap"} << 2 << "swap"
                                        << "list";
    }

    void badInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, named);
        QFETCH(QString, allowed);
        CliRig rig;
        rig.writeFile("notes.pf", "these are my notes\n");
        QFile::remove(rig.path("modules/setting/p3.bin"));
        const QMap<QString, QByteArray> before = rig.files();
        QCOMPARE(rig.run(arguments), exitCode);
        QCOMPARE(rig.console.err.count('\n'), 1);
        QVERIFY2(rig.console.err.endsWith('\n'), qPrintable(rig.console.err));
        QVERIFY2(rig.console.err.contains(named), qPrintable(rig.console.err));
        QVERIFY2(rig.console.err.contains(allowed), qPrintable(rig.console.err));
        QCOMPARE(rig.console.out, QString());
        QCOMPARE(rig.writes(), QStringList{});
        QCOMPARE(rig.files(), before);
    }

    void keyboardAbsent_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("lighting") << QStringList{"lighting", "--speed", "2"};
        QTest::newRow("colors") << QStringList{"colors", "0=#FFFFFF"};
        QTest::newRow("keys") << QStringList{"keys", "set", "A=B"};
        QTest::newRow("profile set") << QStringList{"profile", "set", "2"};
        QTest::newRow("info") << QStringList{"info"};
    }

    void keyboardAbsent()
    {
        QFETCH(QStringList, arguments);
        CliRig rig;
        rig.keyboard.unplug();
        const QMap<QString, QByteArray> before = rig.files();
        QCOMPARE(rig.run(arguments), Exit::Failed);
        QVERIFY2(rig.console.err.contains("no keyboard found"), qPrintable(rig.console.err));
        QCOMPARE(rig.console.err.count('\n'), 1);
        QCOMPARE(rig.files(), before);
    }

    void failedTransferExitsWithOne()
    {
        CliRig rig;
        rig.keyboard.failNext(HidCall::Write, HidInterface::Command); // the colour set's payload
        QCOMPARE(rig.run({"lighting", "--speed", "2"}), Exit::Failed);
        QVERIFY2(rig.console.err.contains("did not take every report"),
                 qPrintable(rig.console.err));
        QCOMPARE(rig.console.err.count('\n'), 1);
    }

    void json()
    {
        CliRig rig;
        QCOMPARE(rig.run({"info", "--json"}), Exit::Done);
        const QJsonObject info = rig.json().object();
        QCOMPARE(info["keyboard"].toBool(), true);
        QCOMPARE(info["firmware"].toString(), QString("01.03"));
        QCOMPARE(info["activeProfile"].toInt(), 1);
        QCOMPARE(info["profiles"].toInt(), 3);
        QCOMPARE(info["macroSlots"].toInt(), 32);

        QCOMPARE(rig.run({"lighting", "--json"}), Exit::Done);
        const QJsonObject lighting = rig.json().object();
        QCOMPARE(lighting["effect"].toString(), QString("WAVE"));
        QCOMPARE(lighting["brightness"].toInt(), 3); // 27 of 63
        QCOMPARE(lighting["speed"].toInt(), 3);
        QCOMPARE(lighting["direction"].toString(), QString("left"));
        QCOMPARE(lighting["color"].toInt(), 4);
        // bl0 0x45: effect 5 (no entry, shown as 0), brightness 2;
        // bl1 0x5B: speed 3, colour 3, direction left.
        QCOMPARE(lighting["backlightBrightness"].toInt(), 2);
        QCOMPARE(lighting["backlightSpeed"].toInt(), 3);
        QCOMPARE(lighting["backlightColor"].toInt(), 3);
        QCOMPARE(lighting["backlightDirection"].toString(), QString("left"));
        QCOMPARE(lighting["record"].toArray(), (QJsonArray{2, 27, 3, 1, 4, 0x45, 0x5B}));

        QCOMPARE(rig.run({"colors", "--json"}), Exit::Done);
        QCOMPARE(rig.json().array().at(0).toString(), QString("#04080C")); // 1, 2, 3 × 4
        QCOMPARE(rig.json().array().size(), 7);

        QCOMPARE(rig.run({"keys", "list", "--json"}), Exit::Done);
        const QJsonArray keys = rig.json().array();
        QCOMPARE(keys.at(0).toObject()["key"].toString(), QString("Esc"));
        QCOMPARE(keys.at(0).toObject()["target"].toString(), QString("Esc"));
        QCOMPARE(keys.at(0).toObject()["slot"].toInt(), 0);

        QCOMPARE(rig.run({"macro", "show", "Macro. 003", "--json"}), Exit::Done);
        const QJsonObject macro = rig.json().object();
        QCOMPARE(macro["slot"].toInt(), 2);
        QCOMPARE(macro["repeat"].toInt(), 3);
        QCOMPARE(macro["steps"].toArray(), (QJsonArray{"A    [Down]", "A      [Up]"}));

        QCOMPARE(rig.run({"macro", "list", "--json"}), Exit::Done);
        QCOMPARE(rig.json().array().size(), 32);

        QCOMPARE(rig.run({"profile", "get", "--json"}), Exit::Done);
        QCOMPARE(rig.json().object()["activeProfile"].toInt(), 1);
        QCOMPARE(rig.writes(), QStringList{});
    }

    void keyListShowsAssignmentsByName()
    {
        CliRig rig;
        QCOMPARE(rig.run({"keys", "set", "Esc=mute", "A=macro:Macro. 003", "B=none"}), Exit::Done);
        QCOMPARE(rig.run({"keys", "list"}), Exit::Done);
        const QStringList lines = rig.console.out.split('\n');
        QVERIFY(lines.contains("Esc\tMUTE"));
        QVERIFY(lines.contains("A\tmacro:Macro. 003"));
        QVERIFY(lines.contains("B\tnone"));
        QVERIFY(lines.contains("C\tC"));
    }

    void macroExportAndImport()
    {
        CliRig rig;
        QCOMPARE(rig.run({"macro", "export", "Macro. 003", rig.path("m.mc")}), Exit::Done);
        QCOMPARE(readAll(rig.path("m.mc")), readAll(rig.path("modules/macro/Macro. 003.bin")));
        QCOMPARE(rig.run({"macro", "import", "Macro. 001", rig.path("m.mc")}), Exit::Done);
        QCOMPARE(readAll(rig.path("modules/macro/Macro. 001.bin")), readAll(rig.path("m.mc")));
        QCOMPARE(rig.writes(), QStringList{});
    }

    void helpPerCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("info") << "info"
                              << "firmware";
        QTest::newRow("profile") << "profile"
                                 << "export N FILE";
        QTest::newRow("lighting") << "lighting"
                                  << "--backlight-effect";
        QTest::newRow("colors") << "colors"
                                << "#RRGGBB";
        QTest::newRow("keys") << "keys"
                              << "volume-up";
        QTest::newRow("macro") << "macro"
                               << "import NAME FILE";
    }

    void helpPerCommand()
    {
        QFETCH(QString, command);
        QFETCH(QString, mentions);
        CliRig rig;
        QCOMPARE(rig.run({command, "--help"}), Exit::Done);
        QVERIFY2(rig.console.out.startsWith("Usage: q3config " + command),
                 qPrintable(rig.console.out));
        QVERIFY2(rig.console.out.contains(mentions), qPrintable(rig.console.out));
        QCOMPARE(rig.keyboard.capture().size(), 0);
    }

    // The command line's tables and the scene's lists name the same things.
    void mediaTableMatchesTheKeyPage()
    {
        const QList<QPair<QString, int>> scene = sceneList("Page_Keydefine.qml", "md_menu2_2");
        QCOMPARE(scene.size(), mediaFunctions().size());
        for (int i = 0; i < scene.size(); ++i) {
            QCOMPARE(QString::fromLatin1(mediaFunctions()[i].name), scene[i].first);
            QCOMPARE(int(mediaFunctions()[i].keyCode), scene[i].second);
        }
    }

    void effectNamesMatchTheColourPage()
    {
        const QList<QPair<QString, int>> effects = sceneList("Page_Color.qml", "md_effect3");
        const QList<QPair<QString, int>> pictures = sceneList("Page_Color.qml", "md_effect2");
        QCOMPARE(effects.size(), 12);
        QCOMPARE(pictures.size(), 5);
        for (int code = 0; code < effects.size(); ++code)
            QCOMPARE(Lighting::effectName(code), effects[code].first);
        for (int i = 0; i < pictures.size(); ++i)
            QCOMPARE(Lighting::effectName(0x33 + i), pictures[i].first);
    }
};

QTEST_MAIN(TestCli)
#include "tst_cli.moc"
