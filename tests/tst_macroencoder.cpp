// Macro steps to the keyboard's macro bytes.
#include "macroencoder.h"
#include "testsupport.h"

#include <QTest>

namespace {

QByteArray bytesOf(const QList<uchar>& list)
{
    QByteArray bytes;
    for (uchar b : list)
        bytes.append(char(b));
    return bytes;
}

const QMap<QString, quint8> Names{{"A", 0x04}, {"Enter", 0x28}, {"Nothing", 0x00}};

} // namespace

class TestMacroEncoder : public QObject
{
    Q_OBJECT

private slots:
    void encodes_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("empty") << QStringList{} << hex("0001 0000");
        QTest::newRow("A down, up")
            << QStringList{"A    [Down]", "A      [Up]"} << hex("0001 0104 8104 0000");
        QTest::newRow("delay 1000") << QStringList{"1000   [Delay]"} << hex("0001 7F00 0064 0000");
        QTest::newRow("delay 2560") << QStringList{"2560   [Delay]"} << hex("0001 7F00 0100 0000");
        QTest::newRow("delay 9 is kept, as 0 units")
            << QStringList{"9   [Delay]"} << hex("0001 7F00 0000 0000");
        QTest::newRow("delay 1005 truncates")
            << QStringList{"1005   [Delay]"} << hex("0001 7F00 0064 0000");
        QTest::newRow("delay beyond 16 bits of units")
            << QStringList{"700000   [Delay]"} << hex("0001 7F00 1170 0000");
        QTest::newRow("delay 0 skipped") << QStringList{"0   [Delay]"} << hex("0001 0000");
        QTest::newRow("delay x skipped") << QStringList{"x   [Delay]"} << hex("0001 0000");
        QTest::newRow("negative delay skipped") << QStringList{"-5   [Delay]"} << hex("0001 0000");
        QTest::newRow("short command field skipped") << QStringList{"A [Down]"} << hex("0001 0000");
        QTest::newRow("unknown command skipped") << QStringList{"A    [Push]"} << hex("0001 0000");
        QTest::newRow("unknown key skipped") << QStringList{"Q    [Down]"} << hex("0001 0000");
        QTest::newRow("key with code 0 skipped")
            << QStringList{"Nothing    [Down]"} << hex("0001 0000");
        QTest::newRow("names are case-sensitive") << QStringList{"a    [Down]"} << hex("0001 0000");
        QTest::newRow("mixed") << QStringList{"Enter    [Down]", "50   [Delay]", "bogus",
                                              "Enter      [Up]"}
                               << hex("0001 0128 7F00 0005 8128 0000");
    }

    void encodes()
    {
        QFETCH(QStringList, steps);
        QFETCH(QByteArray, encoded);
        QCOMPARE(bytesOf(encodeMacro(steps, Names)), encoded);
    }

    void limitIs62KeySteps_data()
    {
        QTest::addColumn<int>("keySteps");
        QTest::addColumn<int>("length");
        QTest::newRow("62 fit") << 62 << 128;
        QTest::newRow("63 do not") << 63 << 130;
    }

    void limitIs62KeySteps()
    {
        QFETCH(int, keySteps);
        QFETCH(int, length);
        QStringList steps;
        for (int i = 0; i < keySteps; ++i)
            steps << (i % 2 ? "A      [Up]" : "A    [Down]");
        QCOMPARE(encodeMacro(steps, Names).size(), length);
    }

    void bufferSwapsTheBytesOfEachWord_data()
    {
        QTest::addColumn<QByteArray>("encoded");
        QTest::addColumn<QByteArray>("buffer");
        QTest::newRow("design example") << hex("11 22 33 44") << hex("22 11 44 33");
        QTest::newRow("A down, up") << hex("0001 0104 8104 0000") << hex("0100 0401 0481 0000");
        QTest::newRow("longer than the buffer") << QByteArray(130, 0x5A) << QByteArray(128, 0x5A);
    }

    void bufferSwapsTheBytesOfEachWord()
    {
        QFETCH(QByteArray, encoded);
        QFETCH(QByteArray, buffer);
        QList<uchar> list;
        for (char c : encoded)
            list << uchar(c);
        const QByteArray result = macroBuffer(list);
        QCOMPARE(result.size(), 128);
        QCOMPARE(result.left(buffer.size()), buffer);
        QCOMPARE(result.mid(buffer.size()), QByteArray(128 - buffer.size(), 0));
    }
};

QTEST_GUILESS_MAIN(TestMacroEncoder)
#include "tst_macroencoder.moc"
