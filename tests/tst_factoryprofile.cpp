// The virtual keyboard started from a factory profile file: what the keyboard
// answers through its HID side, and a file with one bad entry taken whole or
// not at all.
#include "factoryprofile.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

using namespace Protocol;

namespace {

// A small profile file. Key slot m of layout 0 holds "m+1, 0" and of
// layout 1 "m+2, 1"; colour channel i holds 4*i + 3.
QMap<QString, QString> sampleEntries()
{
    QMap<QString, QString> entries;
    entries["color/ledType"] = "2, 63, 4, 0, 7, 224, 60";
    QStringList channels;
    for (int i = 0; i < 21; ++i)
        channels << QString::number(4 * i + 3);
    entries["color/color"] = channels.join(", ");
    for (int m = 0; m < 128; ++m) {
        entries[QString("keydefine0/%1").arg(m)] = QString("%1, 0").arg(m + 1);
        entries[QString("keydefine1/%1").arg(m)] = QString("%1, 1").arg(m + 2);
    }
    return entries;
}

QString iniText(const QMap<QString, QString>& entries)
{
    QString text;
    QString group;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        const QString entryGroup = it.key().section('/', 0, 0);
        if (entryGroup != group) {
            group = entryGroup;
            text += QString("\n[%1]\n").arg(group);
        }
        text += QString("%1=%2\n").arg(it.key().section('/', 1), it.value());
    }
    return text;
}

// One query through the HID side; the reply's bytes, report ID included.
QByteArray ask(VirtualKeyboard& keyboard, quint8 code)
{
    QByteArray command(CommandReportSize, '\0');
    command[CodeOffset] = char(code);
    command.replace(TrailerOffset, 3, hex("55 AA 00"));
    HidDevice* handle = keyboard.openPath(VirtualKeyboard::commandPath());
    QByteArray answer(CommandReportSize, '\0');
    const bool ok =
        handle &&
        keyboard.sendFeatureReport(handle, reinterpret_cast<const uchar*>(command.constData()),
                                   size_t(command.size())) == command.size() &&
        keyboard.getFeatureReport(handle, reinterpret_cast<uchar*>(answer.data()),
                                  size_t(answer.size())) == answer.size();
    if (handle)
        keyboard.close(handle);
    return ok ? answer : QByteArray();
}

// The 128 bytes of one half of the key matrix as the keyboard sends them.
QByteArray keyMatrixHalf(VirtualKeyboard& keyboard, quint8 code)
{
    if (ask(keyboard, code).isEmpty())
        return {};
    HidDevice* handle = keyboard.openPath(VirtualKeyboard::commandPath());
    QByteArray bytes;
    for (int report = 0; handle && report < 2; ++report) {
        QByteArray data(64, '\0');
        if (keyboard.readTimeout(handle, reinterpret_cast<uchar*>(data.data()), 64, 100) != 64)
            break;
        bytes += data;
    }
    if (handle)
        keyboard.close(handle);
    return bytes;
}

QByteArray expectedHalf(int firstSlot, int codeOffset, char high)
{
    QByteArray bytes;
    for (int m = firstSlot; m < firstSlot + 64; ++m)
        bytes += char(m + codeOffset) + QByteArray(1, high);
    return bytes;
}

} // namespace

class tst_FactoryProfile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString write(const QMap<QString, QString>& entries)
    {
        const QString path = dir.filePath("factory.bin");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return {};
        file.write(iniText(entries).toUtf8());
        return path;
    }

private slots:
    void everyProfileAnswersWithTheFactoryValues_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("codeOffset");
        QTest::addColumn<char>("high");
        QTest::newRow("ISO layout") << 0 << 1 << char(0);
        QTest::newRow("ANSI layout") << 1 << 2 << char(1);
    }
    void everyProfileAnswersWithTheFactoryValues()
    {
        QFETCH(int, layout);
        QFETCH(int, codeOffset);
        QFETCH(char, high);
        QString problem = "unset";
        VirtualKeyboard keyboard(
            factoryKeyboardConfig(write(sampleEntries()), quint8(layout), &problem));
        QCOMPARE(problem, QString());
        // 80: the layout mode in bits 1 … 2 of byte 4.
        QCOMPARE(quint8(ask(keyboard, 0x80).at(4)), quint8(layout << 1));
        const QByteArray colors =
            hex("00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12 13 14");
        for (int profile = 0; profile < keyboard.config().profiles; ++profile) {
            keyboard.selectProfileOnKeyboard(profile);
            QCOMPARE(ask(keyboard, 0x88), hex("00 88 02 3F 04 00 07 E0 3C"));
            QCOMPARE(keyMatrixHalf(keyboard, 0x8C), expectedHalf(0, codeOffset, high));
            QCOMPARE(keyMatrixHalf(keyboard, 0x8D), expectedHalf(64, codeOffset, high));
            const VirtualProfile state = keyboard.profile(profile);
            QCOMPARE(QByteArray(reinterpret_cast<const char*>(state.colors.data()), 21), colors);
            for (const auto& picture : state.pictures)
                QVERIFY(
                    std::all_of(picture.cbegin(), picture.cend(), [](quint8 b) { return b == 0; }));
        }
    }

    void oneBadEntryAndNothingIsTaken_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value"); // "-" removes the entry
        QTest::newRow("lighting: six values") << "color/ledType"
                                              << "2, 63, 4, 0, 7, 224";
        QTest::newRow("lighting: eight values") << "color/ledType"
                                                << "2, 63, 4, 0, 7, 224, 60, 1";
        QTest::newRow("lighting: 256") << "color/ledType"
                                       << "2, 63, 4, 0, 7, 256, 60";
        QTest::newRow("lighting: a word") << "color/ledType"
                                          << "2, 63, four, 0, 7, 224, 60";
        QTest::newRow("lighting missing") << "color/ledType"
                                          << "-";
        QTest::newRow("colour: negative") << "color/color"
                                          << "-4, 0, 0, 252, 128, 0, 252, 252, 0, 0, 252, 0, 0, "
                                             "252, 252, 0, 0, 252, 128, 0, 252";
        QTest::newRow("colour: 20 channels") << "color/color"
                                             << "0, 0, 252, 128, 0, 252, 252, 0, 0, 252, 0, 0, "
                                                "252, 252, 0, 0, 252, 128, 0, 252";
        QTest::newRow("last key slot missing") << "keydefine0/127"
                                               << "-";
        QTest::newRow("key code of one byte") << "keydefine0/5"
                                              << "41";
        QTest::newRow("key code 300") << "keydefine0/0"
                                      << "300, 0";
    }
    void oneBadEntryAndNothingIsTaken()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QMap<QString, QString> entries = sampleEntries();
        if (value == "-")
            entries.remove(key);
        else
            entries[key] = value;
        const FactoryProfile factory = readFactoryProfile(write(entries), 0);
        QVERIFY(factory.error.contains(key));
        const VirtualProfile zero{};
        QVERIFY(factory.profile.lighting == zero.lighting);
        QVERIFY(factory.profile.colors == zero.colors);
        QVERIFY(factory.profile.keyMatrix == zero.keyMatrix);
    }

    void missingFileStartsDark()
    {
        QString problem;
        VirtualKeyboard keyboard(factoryKeyboardConfig(dir.filePath("nowhere.bin"), 0, &problem));
        QVERIFY(problem.contains("nowhere.bin"));
        QCOMPARE(ask(keyboard, 0x88), hex("00 88 00 00 00 00 00 00 00"));
    }

    // The shipped factory profile: a new keyboard is lit, with the seven
    // colours red, orange, yellow, green, cyan, blue, violet and Esc, F1 on
    // their usual codes in both layouts.
    void shippedFactoryProfile_data()
    {
        QTest::addColumn<int>("layout");
        QTest::newRow("ISO") << 0;
        QTest::newRow("ANSI") << 1;
    }
    void shippedFactoryProfile()
    {
        QFETCH(int, layout);
        const FactoryProfile factory = readFactoryProfile(
            QCoreApplication::applicationDirPath() + "/modules/setting/pD.bin", quint8(layout));
        QCOMPARE(factory.error, QString());
        QVERIFY(factory.profile.lighting[1] > 0); // brightness
        const QByteArray colors(reinterpret_cast<const char*>(factory.profile.colors.data()), 21);
        QCOMPARE(colors, hex("3F 00 00 3F 20 00 3F 3F 00 00 3F 00 00 3F 3F 00 00 3F 20 00 3F"));
        QCOMPARE(factory.profile.keyMatrix[0], quint8(0x29)); // slot 0: Escape
        QCOMPARE(factory.profile.keyMatrix[2], quint8(0x3A)); // slot 1: F1
    }
};

QTEST_GUILESS_MAIN(tst_FactoryProfile)
#include "tst_factoryprofile.moc"
