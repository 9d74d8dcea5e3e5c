// The embedded device table and its parsing.
#include "devicetable.h"

#include <QTemporaryDir>
#include <QTest>

class TestDeviceTable : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString writeTable(const QByteArray& text)
    {
        const QString path = dir.filePath("DevInfo.ini");
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(text);
        return path;
    }

private slots:
    void parsesHexadecimal_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("vendor") << "04d9" << 0x04D9;
        QTest::newRow("upper case") << "A1CD" << 0xA1CD;
        QTest::newRow("usage page") << "ff01" << 0xFF01;
        QTest::newRow("leading zeros") << "0001" << 1;
        QTest::newRow("not hexadecimal") << "zz" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("partly hexadecimal") << "12xy" << 0;
        QTest::newRow("wider than 16 bits keeps the low bits") << "1ff02" << 0xFF02;
    }

    void parsesHexadecimal()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(int(parseHex16(text)), value);
    }

    void shippedTableNamesTheKeyboard()
    {
        const DeviceTable table = readDeviceTable(DeviceTableResource, {"Q3-KEYBOARD"});
        QCOMPARE(table.size(), 1);
        const DeviceEntry& entry = table.first();
        QCOMPARE(entry.vid, quint16(0x04D9));
        QCOMPARE(entry.pid, quint16(0xA1CD));
        QCOMPARE(entry.usagePage, quint16(0xFF01));
        QCOMPARE(entry.usage, quint16(0x0001));
        QCOMPARE(entry.usagePage2, quint16(0xFF02));
        QCOMPARE(entry.usage2, quint16(0x0001));
        QCOMPARE(entry.reportLength, quint32(64));
        QCOMPARE(entry.name, QString("Q3-KEYBOARD"));
    }

    void namesComeFromTheProductList()
    {
        const QString path = writeTable("[common]\ntotal=3\n[0]\nvid=1\n[1]\nvid=2\n[2]\nvid=3\n");
        const DeviceTable table = readDeviceTable(path, {"first", "second"});
        QCOMPARE(table.size(), 3);
        QCOMPARE(table[0].name, QString("first"));
        QCOMPARE(table[1].name, QString("second"));
        QCOMPARE(table[2].name, QString()); // fewer names than entries
        QCOMPARE(table[2].vid, quint16(3));
    }

    void malformedEntriesReadAsZero()
    {
        const QString path =
            writeTable("[common]\ntotal=1\n[0]\nvid=zz\npid=\nusagePage=ff01\nreportLength=-5\n");
        const DeviceTable table = readDeviceTable(path, {});
        QCOMPARE(table.size(), 1);
        QCOMPARE(table[0].vid, quint16(0));
        QCOMPARE(table[0].pid, quint16(0));
        QCOMPARE(table[0].usagePage, quint16(0xFF01));
        QCOMPARE(table[0].usage2, quint16(0)); // absent
        QCOMPARE(table[0].reportLength, quint32(0));
    }

    void missingCountOrFileGivesNoEntries_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("no count") << QByteArray("[0]\nvid=04d9\n");
        QTest::newRow("count zero") << QByteArray("[common]\ntotal=0\n[0]\nvid=04d9\n");
        QTest::newRow("negative count") << QByteArray("[common]\ntotal=-2\n");
        QTest::newRow("count not a number") << QByteArray("[common]\ntotal=many\n");
    }

    void missingCountOrFileGivesNoEntries()
    {
        QFETCH(QByteArray, text);
        QVERIFY(readDeviceTable(writeTable(text), {"x"}).isEmpty());
        QVERIFY(readDeviceTable(dir.filePath("absent.ini"), {"x"}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestDeviceTable)
#include "tst_devicetable.moc"
