// Language packs: the check string, listing a directory of packs, loading a
// pack, the generator's INI text read back through QSettings, and the packs
// we ship (read beside the test binary, as the program reads them).
#include "languagepacks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QRawFont>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <iterator>
#include <limits>

namespace {

// The scene's built-in English table: entry 0 the font family, 1 … 130 the UI strings.
// clang-format off
const char* const BuiltInTable[] = {
    "Arial", "OPTIONS", "LOOP", "SPEED", "BRIGHTNESS", "DIRECTION", "PAINTING", "EFFECTS",
    "USER DEFINE 1", "USER DEFINE 2", "USER DEFINE 3", "USER DEFINE 4", "USER DEFINE 5", "STATIC",
    "BREATHING", "WAVE", "INDUCTION DARKEN", "MARQUEE", "RIPPLE", "INDUCTION BRIGHTEN", "NEON",
    "MARQUEE COLORFUL", "RAINING", "MARQUEE CIRCLE", "SPOTLIGHT", "ROTATION", "SKIN", "SOUND",
    "ANIMATED", "LANGUAGE", "BACKGROUND", "ON", "OFF", "TEXT", "SIZE", "COLOR", "BRIGHTNESS",
    "NORMAL", "LARGER", "SKIN 1", "SKIN 2", "SKIN 3", "SKIN 4", "SKIN 5", "MACRO", "ACTION",
    "KEYBOARD", "MOUSE", "MEDIA", "COMBO KEY", "MACRO", "LEFT", "RIGHT", "MIDDLE", "B4", "B5",
    "NEXT TRACK", "PREVIOUS TRACK", "STOP", "PLAY / PAUSE", "MUTE", "VOLUME UP", "VOLUME DOWN",
    "MEDIA SELECT", "MAIL", "CALCULATOR", "MY COMPUTER", "WWW SEARCH", "WWW HOME", "WWW BACK",
    "WWW FORWARD", "WWW STOP", "WWW REFRESH", "WWW FAVORITES", "KEY", "MACRO", "COLOR", "RESET",
    "CANCEL", "GAMING MODE", "DELETE", "CUT", "PASTE", "COPY", "LOAD", "SAVE", "SENSOR",
    "LED POWER ON", "TWINKLING", "GLIDING", "FINGER MOVING", "VERTICAL FLIPPING", "YO-YO",
    "FIRE KEY", "TRIPLE CLICK", "DPI SWITCH", "NORMAL PLAY", "TIMES", "ALWAYS REPEAT",
    "REPEAT ON PRESSED", "POLLING RATE", "CURSOR SPEED", "VERTICAL SCROLL SPEED",
    "DOUBLE CLICK SPEED", "DPI LEVEL", "DPI INDICATOR LED", "DEFAULT", "APPLY", "SCROLL SWAP",
    "SCROLL UP", "SCROLL DOWN", "LED CONTROL", "RENAME", "ALL RESET", "ALL SAVE", "SETTINGS",
    "CLOSE", "PROFILE", "ADD", "RECORD", "DELAY", "RED", "GREEN", "BLUE", "PALETTE", "WEBSITE",
    "STEPS", "NONE", "FUNCTION", "PRESS A KEY", "LIGHTING",
};
// clang-format on
constexpr int TableSize = 131;
static_assert(std::size(BuiltInTable) == TableSize);

struct ShippedPack
{
    const char* code;
    const char* displayName;
};

const ShippedPack ShippedPacks[] = {
    {"031000", "ENGLISH"},        {"025044", "CHINESE (Simp)"},
    {"025208", "CHINESE (Trad)"}, {"042000", "GERMAN"},
    {"037000", "FRENCH"},         {"111000", "SPANISH"},
    {"059000", "JAPANESE"},       {"066000", "KOREAN"},
    {"096000", "RUSSIAN"},        {"091030", "PORTUGUESE (BRAZIL)"},
    {"058000", "ITALIAN"},
};

const QStringList NoMessages = {QString(), QString(), QString(), QString()};

QString shippedDirectory()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/modules/i18n");
}

QString sourceTable(const QString& code)
{
    return QStringLiteral(Q3_SOURCE_DIR "/scripts/i18n/") + code + QStringLiteral(".txt");
}

bool writeFile(const QString& path, const QByteArray& content)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// A generator table entry: the text as a JSON string literal, which the
// generator takes verbatim.
QByteArray jsonLiteral(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

// key → text of a generator table (<key> TAB [English TAB] text).
QMap<QString, QString> readSourceTable(const QString& path)
{
    QMap<QString, QString> table;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return table;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        QString text = fields.last();
        if (text.startsWith(QLatin1Char('"'))) {
            const QByteArray json = '[' + text.toUtf8() + ']';
            text = QJsonDocument::fromJson(json).array().at(0).toString();
        }
        table.insert(fields.first(), text);
    }
    return table;
}

// Runs scripts/gen_language_packs.py with python3; the exit code, or -1 when it did
// not run.
int runGenerator(const QStringList& arguments, QByteArray* errors = nullptr)
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        return -1;
    QProcess process;
    process.start(python,
                  QStringList{QStringLiteral(Q3_SOURCE_DIR "/scripts/gen_language_packs.py")} +
                      arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    if (errors)
        *errors = process.readAllStandardError();
    return process.exitCode();
}

// A small generator table with `text` as strings/1 and msg/3.
QByteArray generatorTable(const QString& text)
{
    const QByteArray literal = jsonLiteral(text);
    return QByteArrayList{"font/family\tLiberation Sans",
                          "msg/0\tM0",
                          "msg/1\tM1",
                          "msg/2\tM2",
                          "msg/3\t" + literal,
                          "strings/1\t" + literal,
                          "strings/2\tSECOND",
                          ""}
        .join('\n');
}

} // namespace

class TestLanguagePacks : public QObject
{
    Q_OBJECT

private slots:
    void checkString_data();
    void checkString();
    void displayName_data();
    void displayName();
    void listing_data();
    void listing();
    void validListing_data();
    void validListing();
    void load_data();
    void load();
    void refusedCodes_data();
    void refusedCodes();
    void generatorOutputReadsBack_data();
    void generatorOutputReadsBack();
    void generatorCheck_data();
    void generatorCheck();
    void shippedPack_data();
    void shippedPack();
    void shippedListHoldsExactlyOurPacks();
    void englishIsTheBuiltInTable();
    void shippedPackReadsAsItsTable_data();
    void shippedPackReadsAsItsTable();
    void shippedFontCoversItsText_data();
    void shippedFontCoversItsText();
};

void TestLanguagePacks::checkString_data()
{
    QTest::addColumn<qint64>("units");
    QTest::addColumn<QString>("expected");

    QTest::newRow("S = 0") << qint64(0) << "7418700";
    QTest::newRow("S = 3 (\"abc\")") << qint64(3) << "771902100";
    QTest::newRow("S = 8 (\"OK\", \"Cancel\")") << qint64(8) << "82195480";
    QTest::newRow("S = 1000") << qint64(1000) << "5016311214";
    QTest::newRow("S = 68: S - 69 wraps to 255") << qint64(68) << "1422551520";
    QTest::newRow("S = 69: S - 69 is 0") << qint64(69) << "14302220";
    QTest::newRow("S = 17920: 70 S and S / 70 wrap to 0") << qint64(17920) << "7418700";
    // 2^63 - 1: low byte FF, so S + 74 ends in 49, S - 69 in BA, 70 S in BA;
    // S / 70 = 131762457669353940 ends in D4.
    QTest::newRow("S = 2^63 - 1: S + 74 passes the largest count")
        << std::numeric_limits<qint64>::max() << "73186186212";
    // -2^63: low byte 00, so S + 74 ends in 4A, S - 69 in BB, 70 S in 00;
    // S / 70 = -131762457669353940 ends in 2C.
    QTest::newRow("S = -2^63: S - 69 passes the smallest count")
        << std::numeric_limits<qint64>::min() << "74187044";
}

void TestLanguagePacks::checkString()
{
    QFETCH(qint64, units);
    QFETCH(QString, expected);
    QCOMPARE(languagePackCheckString(units), expected);
}

void TestLanguagePacks::displayName_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no country") << "031000"
                                << "ENGLISH";
    QTest::newRow("China") << "025044"
                           << "CHINESE (Simp)";
    QTest::newRow("Taiwan") << "025208"
                            << "CHINESE (Trad)";
    QTest::newRow("country 44 with another language") << "031044"
                                                      << "ENGLISH (Simp)";
    QTest::newRow("Brazil") << "091030"
                            << "PORTUGUESE (BRAZIL)";
    QTest::newRow("United States, Qt 4 writes no space") << "031225"
                                                         << "ENGLISH (UNITEDSTATES)";
    QTest::newRow("United Kingdom") << "031224"
                                    << "ENGLISH (UNITEDKINGDOM)";
    QTest::newRow("Hong Kong") << "025097"
                               << "CHINESE (HONGKONG)";
    QTest::newRow("Spanish (Mexico)") << "111139"
                                      << "SPANISH (MEXICO)";
    QTest::newRow("Korean (Republic of Korea)") << "066114"
                                                << "KOREAN (REPUBLICOFKOREA)";
    QTest::newRow("language 0") << "000000"
                                << "DEFAULT";
    QTest::newRow("country beyond Qt 4's last") << "031247"
                                                << "ENGLISH (UNKNOWN)";
    QTest::newRow("language beyond Qt 4's last") << "215000"
                                                 << "UNKNOWN";
    QTest::newRow("Qt 4 country not in our table") << "031246"
                                                   << "ENGLISH (246)";
    QTest::newRow("Qt 4 language not in our table") << "140000"
                                                    << "140";
    QTest::newRow("not a code") << "31000" << QString();
}

void TestLanguagePacks::displayName()
{
    QFETCH(QString, code);
    QFETCH(QString, expected);
    QCOMPARE(LanguagePacks::displayName(code), expected);
}

void TestLanguagePacks::listing_data()
{
    QTest::addColumn<bool>("createDirectory");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("directories");
    QTest::addColumn<QStringList>("expected"); // "display name=code", in map order

    QTest::newRow("English and both Chinese")
        << true << QStringList{"lang_031000.ini", "lang_025044.ini", "lang_025208.ini"}
        << QStringList{}
        << QStringList{"CHINESE (Simp)=025044", "CHINESE (Trad)=025208", "ENGLISH=031000"};
    QTest::newRow("country suffixes")
        << true << QStringList{"lang_091030.ini", "lang_031225.ini", "lang_031000.ini"}
        << QStringList{}
        << QStringList{"ENGLISH=031000", "ENGLISH (UNITEDSTATES)=031225",
                       "PORTUGUESE (BRAZIL)=091030"};
    QTest::newRow("same display name: the later file replaces the earlier")
        << true << QStringList{"lang_031999.ini", "lang_031000.ini", "lang_031300.ini"}
        << QStringList{} << QStringList{"ENGLISH=031000", "ENGLISH (UNKNOWN)=031999"};
    QTest::newRow("names that are not lang_<six digits>.ini")
        << true
        << QStringList{"lang_031000.ini",     "LANG_042000.INI",        "Lang_037000.ini",
                       "lang_42000.ini",      "lang_0420001.ini",       "lang_abcdef.ini",
                       "lang_042000.ini.bak", "lang_042000 - Copy.ini", "lang_０４２０００.ini",
                       "readme.txt"}
        << QStringList{"lang_111000.ini"} << QStringList{"ENGLISH=031000"};
    QTest::newRow("empty directory") << true << QStringList{} << QStringList{} << QStringList{};
    QTest::newRow("missing directory") << false << QStringList{} << QStringList{} << QStringList{};
}

void TestLanguagePacks::listing()
{
    QFETCH(bool, createDirectory);
    QFETCH(QStringList, files);
    QFETCH(QStringList, directories);
    QFETCH(QStringList, expected);

    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QString directory = temp.filePath(QStringLiteral("i18n"));
    if (createDirectory)
        QVERIFY(QDir().mkpath(directory));
    for (const QString& name : files)
        QVERIFY(writeFile(directory + '/' + name, "[font]\nfamily=Liberation Sans\n"));
    for (const QString& name : directories)
        QVERIFY(QDir().mkpath(directory + '/' + name));

    const QVariantMap packs = LanguagePacks(directory).list();
    QStringList actual;
    for (auto it = packs.constBegin(); it != packs.constEnd(); ++it)
        actual.append(it.key() + '=' + it.value().toString());
    QCOMPARE(actual, expected);
}

// Packs named by file name (all Qt 4 codes) with their content; the
// expected map keeps only those whose check string matches.
void TestLanguagePacks::validListing_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QByteArrayList>("contents");
    QTest::addColumn<QStringList>("expected"); // "display name=code", in map order

    const QByteArray valid = "[font]\nfamily=Liberation Sans\ntotal=2\ncs=82195480\n"
                             "[strings]\n1=OK\n2=Cancel\n";
    const QByteArray edited = "[font]\nfamily=Liberation Sans\ntotal=2\ncs=82195480\n"
                              "[strings]\n1=OK\n2=Abort\n";
    const QByteArray noCheck = "[font]\nfamily=Liberation Sans\ntotal=0\n";
    const QByteArray empty = "";

    QTest::newRow("all valid") << QStringList{"lang_031000.ini", "lang_042000.ini"}
                               << QByteArrayList{valid, valid}
                               << QStringList{"ENGLISH=031000", "GERMAN=042000"};
    QTest::newRow("an edited pack is left out")
        << QStringList{"lang_031000.ini", "lang_042000.ini", "lang_037000.ini"}
        << QByteArrayList{valid, edited, valid} << QStringList{"ENGLISH=031000", "FRENCH=037000"};
    QTest::newRow("a pack without check string is left out")
        << QStringList{"lang_031000.ini", "lang_059000.ini"} << QByteArrayList{noCheck, valid}
        << QStringList{"JAPANESE=059000"};
    QTest::newRow("an empty file is left out")
        << QStringList{"lang_025044.ini"} << QByteArrayList{empty} << QStringList{};
}

void TestLanguagePacks::validListing()
{
    QFETCH(QStringList, files);
    QFETCH(QByteArrayList, contents);
    QFETCH(QStringList, expected);

    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    for (int i = 0; i < files.size(); ++i)
        QVERIFY(writeFile(temp.filePath(files[i]), contents[i]));

    const LanguagePacks packs(temp.path());
    const QVariantMap listed = packs.validList();
    QStringList actual;
    for (auto it = listed.constBegin(); it != listed.constEnd(); ++it)
        actual.append(it.key() + '=' + it.value().toString());
    QCOMPARE(actual, expected);
    QCOMPARE(packs.list().size(), files.size()); // every file is still a pack
}

void TestLanguagePacks::load_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file
    QTest::addColumn<QStringList>("strings");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("valid");

    const QByteArray messages = "[msg]\n0=Title 0\n1=Text 1\n2=Title 2\n3=\"Text 3: \"\n";
    const QStringList messageTexts = {"Title 0", "Text 1", "Title 2", "Text 3: "};

    QTest::newRow("two strings with their check string")
        << "[font]\nfamily=Liberation Sans\ntotal=2\ncs=82195480\n"
           "[strings]\n1=OK\n2=Cancel\n" +
               messages
        << QStringList{"Liberation Sans", "OK", "Cancel"} << messageTexts << true;
    QTest::newRow("string edited, check string not updated")
        << "[font]\nfamily=Liberation Sans\ntotal=2\ncs=82195480\n"
           "[strings]\n1=OK\n2=Abort\n" +
               messages
        << QStringList{"Liberation Sans", "OK", "Abort"} << messageTexts << false;
    QTest::newRow("no strings, check string of S = 0")
        << QByteArray("[font]\nfamily=Liberation Sans\ntotal=0\ncs=7418700\n")
        << QStringList{"Liberation Sans"} << NoMessages << true;
    QTest::newRow("no strings, no check string")
        << QByteArray("[font]\nfamily=Liberation Sans\ntotal=0\n") << QStringList{"Liberation Sans"}
        << NoMessages << false;
    QTest::newRow("a CJK character counts one unit")
        << QByteArray("[font]\nfamily=WenQuanYi Micro Hei\ntotal=1\ncs=771902100\n"
                      "[strings]\n1=中文字\n")
        << QStringList{"WenQuanYi Micro Hei", QString::fromUtf8("中文字")} << NoMessages << true;
    QTest::newRow("check string of the UTF-8 byte count does not match")
        << QByteArray("[font]\nfamily=WenQuanYi Micro Hei\ntotal=1\ncs=831961180\n"
                      "[strings]\n1=中文字\n")
        << QStringList{"WenQuanYi Micro Hei", QString::fromUtf8("中文字")} << NoMessages << false;
    QTest::newRow("a character beyond U+FFFF counts two units")
        << QByteArray("[font]\nfamily=Liberation Sans\ntotal=1\ncs=771902100\n"
                      "[strings]\n1=\xF0\x9F\x8E\xAE"
                      "a\n")
        << QStringList{"Liberation Sans", QString::fromUtf8("\xF0\x9F\x8E\xAE"
                                                            "a")}
        << NoMessages << true;
    QTest::newRow("absent strings read as empty and count nothing")
        << QByteArray("[font]\nfamily=Liberation Sans\ntotal=3\ncs=771902100\n"
                      "[strings]\n1=abc\n")
        << QStringList{"Liberation Sans", "abc", "", ""} << NoMessages << true;
    QTest::newRow("missing file") << QByteArray() << QStringList{QString()} << NoMessages << false;
}

void TestLanguagePacks::load()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, strings);
    QFETCH(QStringList, messages);
    QFETCH(bool, valid);

    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    if (!content.isNull())
        QVERIFY(writeFile(temp.filePath(QStringLiteral("lang_031000.ini")), content));

    const LanguagePack pack = LanguagePacks(temp.path()).load(QStringLiteral("031000"));
    QCOMPARE(pack.strings, strings);
    QCOMPARE(pack.messages, messages);
    QCOMPARE(pack.valid, valid);
}

void TestLanguagePacks::refusedCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("six digits") << "031000" << true;
    QTest::newRow("parent directory") << "../x" << false;
    QTest::newRow("six characters through a directory") << "../031" << false;
    QTest::newRow("five digits") << "12345" << false;
    QTest::newRow("seven digits") << "1234567" << false;
    QTest::newRow("letters") << "abcdef" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("sign") << "+31000" << false;
    QTest::newRow("space") << " 31000" << false;
    QTest::newRow("full-width digits") << QString::fromUtf8("０３１０００") << false;
    QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("٠٣١٠٠٠") << false;
}

void TestLanguagePacks::refusedCodes()
{
    QFETCH(QString, code);
    QFETCH(bool, accepted);

    // A valid pack where "<directory>/lang_<code>.ini" points, so that only the
    // refusal keeps it from loading.
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QString directory = temp.filePath(QStringLiteral("i18n"));
    QVERIFY(QDir().mkpath(directory));
    QVERIFY(writeFile(directory + QStringLiteral("/lang_") + code + QStringLiteral(".ini"),
                      "[font]\nfamily=Liberation Sans\ntotal=1\ncs=771902100\n"
                      "[strings]\n1=abc\n[msg]\n0=a\n1=b\n2=c\n3=d\n"));

    const LanguagePacks packs(directory);
    const LanguagePack pack = packs.load(code);
    QCOMPARE(LanguagePacks::isValidCode(code), accepted);
    QCOMPARE(packs.fileFor(code).isEmpty(), !accepted);
    if (accepted) {
        QCOMPARE(pack.strings, (QStringList{"Liberation Sans", "abc"}));
        QCOMPARE(pack.messages, (QStringList{"a", "b", "c", "d"}));
        QVERIFY(pack.valid);
    } else {
        QCOMPARE(pack.strings, QStringList{QString()});
        QCOMPARE(pack.messages, NoMessages);
        QVERIFY(!pack.valid);
    }
}

void TestLanguagePacks::generatorOutputReadsBack_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("comma") << "LEFT, RIGHT";
    QTest::newRow("semicolon") << "A; B";
    QTest::newRow("equals sign") << "A = B";
    QTest::newRow("double quotes") << "SAY \"HI\"";
    QTest::newRow("backslashes") << "C:\\PATH\\";
    QTest::newRow("backslash before hex digits") << "\\x41\\0";
    QTest::newRow("leading space") << " LEAD";
    QTest::newRow("trailing space") << "cannot be read: ";
    QTest::newRow("spaces only") << "   ";
    QTest::newRow("leading at sign") << "@Invalid()";
    QTest::newRow("leading at sign, byte array") << "@ByteArray(x)";
    QTest::newRow("leading number sign") << "#1";
    QTest::newRow("section-like") << "[strings]";
    QTest::newRow("percent") << "100%";
    QTest::newRow("CJK with ASCII comma") << QString::fromUtf8("中文, 한국어");
    QTest::newRow("accents and Cyrillic") << QString::fromUtf8("GRÖSSE ÉTÉ ЯРКОСТЬ");
    QTest::newRow("beyond U+FFFF") << QString::fromUtf8("\xF0\x9F\x8E\xAE GAME");
}

void TestLanguagePacks::generatorOutputReadsBack()
{
    QFETCH(QString, text);

    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QString sources = temp.filePath(QStringLiteral("tables"));
    const QString output = temp.filePath(QStringLiteral("i18n"));
    QVERIFY(writeFile(sources + QStringLiteral("/058000.txt"), generatorTable(text)));

    QByteArray errors;
    const int exitCode = runGenerator({"--source-dir", sources, "--output-dir", output}, &errors);
    QVERIFY2(exitCode == 0, errors.constData());

    const LanguagePack pack = LanguagePacks(output).load(QStringLiteral("058000"));
    QCOMPARE(pack.strings, (QStringList{"Liberation Sans", text, "SECOND"}));
    QCOMPARE(pack.messages, (QStringList{"M0", "M1", "M2", text}));
    QVERIFY2(pack.valid, "the generator's check string differs from the loader's");
}

void TestLanguagePacks::generatorCheck_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("as generated") << "none" << 0;
    QTest::newRow("pack edited") << "edit" << 1;
    QTest::newRow("pack removed") << "remove" << 1;
    QTest::newRow("pack without a table") << "extra" << 1;
}

void TestLanguagePacks::generatorCheck()
{
    QFETCH(QString, change);
    QFETCH(int, exitCode);

    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    const QString sources = temp.filePath(QStringLiteral("tables"));
    const QString output = temp.filePath(QStringLiteral("i18n"));
    QVERIFY(writeFile(sources + QStringLiteral("/058000.txt"), generatorTable("TEXT")));
    const QStringList directories = {"--source-dir", sources, "--output-dir", output};
    QCOMPARE(runGenerator(directories), 0);

    const QString pack = output + QStringLiteral("/lang_058000.ini");
    if (change == "edit") {
        QFile file(pack);
        QVERIFY(file.open(QIODevice::Append));
        QVERIFY(file.write("; edited\n") > 0);
    } else if (change == "remove") {
        QVERIFY(QFile::remove(pack));
    } else if (change == "extra") {
        QVERIFY(QFile::copy(pack, output + QStringLiteral("/lang_037000.ini")));
    }
    QCOMPARE(runGenerator(QStringList{"--check"} + directories), exitCode);
}

void TestLanguagePacks::shippedPack_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("displayName");
    for (const ShippedPack& shipped : ShippedPacks)
        QTest::newRow(shipped.code) << shipped.code << shipped.displayName;
}

void TestLanguagePacks::shippedPack()
{
    QFETCH(QString, code);
    QFETCH(QString, displayName);

    const LanguagePacks packs(shippedDirectory());
    QCOMPARE(packs.list().value(displayName).toString(), code);

    const LanguagePack pack = packs.load(code);
    QVERIFY(pack.valid);
    QCOMPARE(pack.strings.size(), TableSize);
    for (int i = 0; i < TableSize; ++i)
        QVERIFY2(!pack.strings.at(i).trimmed().isEmpty(), qPrintable(QString::number(i)));
    QCOMPARE(pack.messages.size(), 4);
    for (const QString& message : pack.messages)
        QVERIFY(!message.trimmed().isEmpty());

    // Upper case where the English table is upper case (a no-op for scripts
    // without case).
    for (int i = 1; i < TableSize; ++i) {
        const QString english = QString::fromUtf8(BuiltInTable[i]);
        const QString text = pack.strings.at(i);
        if (english == english.toUpper())
            QVERIFY2(text == text.toUpper(), qPrintable(QString::number(i) + ": " + text));
    }
}

void TestLanguagePacks::shippedListHoldsExactlyOurPacks()
{
    QStringList expected;
    for (const ShippedPack& shipped : ShippedPacks)
        expected.append(QString::fromUtf8(shipped.displayName) + '=' + shipped.code);
    std::sort(expected.begin(), expected.end());

    const QVariantMap packs = LanguagePacks(shippedDirectory()).list();
    QStringList actual;
    for (auto it = packs.constBegin(); it != packs.constEnd(); ++it)
        actual.append(it.key() + '=' + it.value().toString());
    QCOMPARE(actual, expected);
}

void TestLanguagePacks::englishIsTheBuiltInTable()
{
    const LanguagePack english = LanguagePacks(shippedDirectory()).load(QStringLiteral("031000"));
    QCOMPARE(english.strings.size(), TableSize);
    // Entry 0 names the font directly; "Arial" of the built-in table resolves
    // to it through fontconfig.
    QCOMPARE(english.strings.at(0), QStringLiteral("Liberation Sans"));
    for (int i = 1; i < TableSize; ++i)
        QCOMPARE(english.strings.at(i), QString::fromUtf8(BuiltInTable[i]));
}

void TestLanguagePacks::shippedPackReadsAsItsTable_data()
{
    shippedPack_data();
}

void TestLanguagePacks::shippedPackReadsAsItsTable()
{
    QFETCH(QString, code);

    const QMap<QString, QString> table = readSourceTable(sourceTable(code));
    QVERIFY(!table.isEmpty());
    const LanguagePack pack = LanguagePacks(shippedDirectory()).load(code);

    QCOMPARE(pack.strings.value(0), table.value("font/family"));
    QCOMPARE(pack.strings.size(), table.size() - 4); // all but msg/0 … msg/3
    for (int i = 1; i < pack.strings.size(); ++i)
        QCOMPARE(pack.strings.at(i), table.value("strings/" + QString::number(i)));
    for (int k = 0; k < pack.messages.size(); ++k)
        QCOMPARE(pack.messages.at(k), table.value("msg/" + QString::number(k)));
}

void TestLanguagePacks::shippedFontCoversItsText_data()
{
    shippedPack_data();
}

void TestLanguagePacks::shippedFontCoversItsText()
{
    QFETCH(QString, code);

    const LanguagePack pack = LanguagePacks(shippedDirectory()).load(code);
    const QString family = pack.strings.value(0);
    const QRawFont font = QRawFont::fromFont(QFont(family));
    QVERIFY2(font.isValid(), qPrintable(family));
    QVERIFY2(font.familyName() == family,
             qPrintable(family +
                        " is not installed (scripts/setup installs fonts-liberation and "
                        "fonts-wqy-microhei); found " +
                        font.familyName()));

    QStringList missing;
    for (const QString& text : pack.strings.mid(1) + pack.messages) {
        for (const char32_t c : text.toUcs4()) {
            if (!font.supportsCharacter(c))
                missing.append(QStringLiteral("U+%1 in \"%2\"")
                                   .arg(uint(c), 4, 16, QLatin1Char('0'))
                                   .arg(text));
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
}

QTEST_MAIN(TestLanguagePacks)
#include "tst_languagepacks.moc"
