// The shipped keyboard data files in modules/setting/ (hardware definition,
// key-code table, factory profile), read with QSettings the way the program
// reads them, and the invariants the key page and the lighting preview need.
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QRect>
#include <QSet>
#include <QSettings>
#include <QTest>

namespace {

constexpr int MatrixSlots = 128; // the key page always sends 128 positions
constexpr int FnSlot = 89;       // the key the page never lets the user select
constexpr uint FnCode = 0;       // the Fn key's factory code: no function
const QRect PictureArea(0, 0, 700, 220);
constexpr int MaxRowGap = 30;    // caps in a row may be up to 1u apart (Esc, F1)
constexpr int MaxColumnGap = 16; // the function row stands half a unit above the rest

// Size of the cap picture "k<type>-0.png" of each key type, in pixels.
const QMap<int, QSize> CapSizes = {
    {1, {26, 26}}, {2, {33, 26}}, {3, {40, 26}},  {4, {47, 26}}, {5, {54, 26}},
    {6, {61, 26}}, {7, {75, 26}}, {8, {173, 26}}, {9, {40, 54}}, {10, {26, 54}},
};

// The vortex effect's two inward paths and the four keys they run into.
const QList<int> VortexPath1 = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 27, 43, 59, 74, 73, 57, 41};
const QList<int> VortexPath2 = {115, 109, 100, 79, 95, 94, 91, 90, 89,
                                88,  72,  56,  40, 25, 26, 42, 58};
constexpr int CentreUpperLeft = 41, CentreUpperRight = 42;
constexpr int CentreLowerLeft = 57, CentreLowerRight = 58;

QString settingFile(const QString& name)
{
    return QCoreApplication::applicationDirPath() + "/modules/setting/" + name;
}

struct DrawnKey
{
    int x = 0;
    int y = 0;
    int type = 0;
    QString label;
    int slot = -1;
    uint code = 0;

    QRect rect() const { return QRect(QPoint(x, y), CapSizes.value(type)); }
};

struct Layout
{
    int total = 0;   // <L>/total_HW
    int totalFw = 0; // <L>/total_FW
    QList<DrawnKey> keys;
    QStringList problems; // entries that do not read as a drawn key

    QMap<int, DrawnKey> bySlot() const
    {
        QMap<int, DrawnKey> map;
        for (const DrawnKey& key : keys)
            map.insert(key.slot, key);
        return map;
    }
};

Layout readLayout(int layout)
{
    const QSettings hw(settingFile("HWDef.bin"), QSettings::IniFormat);
    const QString group = QString::number(layout) + "/";
    Layout result;
    result.total = hw.value(group + "total_HW", 0).toInt();
    result.totalFw = hw.value(group + "total_FW", 0).toInt();
    for (int n = 1; n <= result.total; ++n) {
        const QStringList items = hw.value(group + QString::number(n)).toStringList();
        const QString where = group + QString::number(n);
        if (items.size() != 6) {
            result.problems << where + QString(" has %1 items").arg(items.size());
            continue;
        }
        DrawnKey key;
        bool xOk = false, yOk = false, typeOk = false, slotOk = false, codeOk = false;
        key.x = items[0].toInt(&xOk);
        key.y = items[1].toInt(&yOk);
        key.type = items[2].toInt(&typeOk);
        key.label = items[3];
        key.slot = items[4].toInt(&slotOk);
        key.code = items[5].toUInt(&codeOk);
        if (!(xOk && yOk && typeOk && slotOk && codeOk))
            result.problems << where + " has a number that does not parse: " + items.join('|');
        result.keys << key;
    }
    return result;
}

struct KeyCodeTable
{
    QStringList names;
    QStringList codes;
};

KeyCodeTable readKeyCodeTable()
{
    const QSettings def(settingFile("KeyCodeDef.bin"), QSettings::IniFormat);
    return {def.value("common/usbStr").toStringList(), def.value("common/usbCode").toStringList()};
}

// Name of each usage code, paired by position as the key page pairs them.
QHash<uint, QString> namesByCode(const KeyCodeTable& table)
{
    QHash<uint, QString> names;
    for (int i = 0; i < qMin(table.names.size(), table.codes.size()); ++i)
        names.insert(table.codes[i].toUInt(), table.names[i]);
    return names;
}

// Distance between the intervals [aStart, aEnd) and [bStart, bEnd); negative
// when they overlap.
int intervalGap(int aStart, int aEnd, int bStart, int bEnd)
{
    return qMax(bStart - aEnd, aStart - bEnd);
}

// b is the next key beside a in its row, or the key directly above or below
// it with the caps overlapping horizontally.
bool neighbours(const DrawnKey& a, const DrawnKey& b, const QList<DrawnKey>& keys)
{
    const QRect ra = a.rect(), rb = b.rect();
    const int horizontalGap = intervalGap(ra.left(), ra.right() + 1, rb.left(), rb.right() + 1);
    const int verticalGap = intervalGap(ra.top(), ra.bottom() + 1, rb.top(), rb.bottom() + 1);
    if (horizontalGap < 0 && verticalGap >= 0)
        return verticalGap <= MaxColumnGap;
    if (verticalGap >= 0 || horizontalGap < 0 || horizontalGap > MaxRowGap)
        return false;
    const QRect between(QPoint(qMin(ra.right(), rb.right()) + 1, qMax(ra.top(), rb.top())),
                        QPoint(qMax(ra.left(), rb.left()) - 1, qMin(ra.bottom(), rb.bottom())));
    for (const DrawnKey& other : keys)
        if (other.slot != a.slot && other.slot != b.slot && between.intersects(other.rect()))
            return false;
    return true;
}

} // namespace

class TestKeyboardData : public QObject
{
    Q_OBJECT

private:
    void addLayoutRows()
    {
        QTest::addColumn<int>("layout");
        QTest::newRow("ISO (UK), group 0") << 0;
        QTest::newRow("ANSI (US), group 1") << 1;
    }

private slots:
    void initTestCase()
    {
        for (const char* name : {"HWDef.bin", "KeyCodeDef.bin", "pD.bin"})
            QVERIFY2(QFile::exists(settingFile(name)), qPrintable(settingFile(name)));
    }

    void hardwareLimits_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<uint>("minimum");
        QTest::addColumn<uint>("maximum");
        QTest::newRow("profiles, at most 10") << "common/maxProfile" << 1u << 10u;
        QTest::newRow("macro slots, at most 255") << "common/maxMacro" << 1u << 255u;
        QTest::newRow("layout type, 8 bits") << "common/kbLayoutType" << 0u << 255u;
    }

    void hardwareLimits()
    {
        QFETCH(QString, key);
        QFETCH(uint, minimum);
        QFETCH(uint, maximum);
        const QSettings hw(settingFile("HWDef.bin"), QSettings::IniFormat);
        QVERIFY(hw.contains(key));
        bool ok = false;
        const uint value = hw.value(key).toUInt(&ok);
        QVERIFY(ok);
        QVERIFY2(value >= minimum && value <= maximum, qPrintable(QString::number(value)));
    }

    void initialLayoutIsDrawn()
    {
        const QSettings hw(settingFile("HWDef.bin"), QSettings::IniFormat);
        const int layout = hw.value("common/kbLayoutType").toInt();
        QVERIFY(readLayout(layout).total > 0);
    }

    void drawnKeys_data() { addLayoutRows(); }

    void drawnKeys()
    {
        QFETCH(int, layout);
        const Layout drawing = readLayout(layout);
        QVERIFY(drawing.total > 0);
        QVERIFY(drawing.totalFw >= MatrixSlots);
        QVERIFY2(drawing.problems.isEmpty(), qPrintable(drawing.problems.join('\n')));
        QCOMPARE(drawing.keys.size(), drawing.total);
        QSet<int> usedSlots;
        for (const DrawnKey& key : drawing.keys) {
            const QString what = key.label + " in slot " + QString::number(key.slot);
            QVERIFY2(!key.label.isEmpty(), qPrintable(what));
            QVERIFY2(CapSizes.contains(key.type), qPrintable(what));
            QVERIFY2(PictureArea.contains(key.rect()), qPrintable(what));
            QVERIFY2(key.slot >= 0 && key.slot < MatrixSlots, qPrintable(what));
            QVERIFY2(!usedSlots.contains(key.slot), qPrintable(what + " is taken twice"));
            usedSlots.insert(key.slot);
        }
    }

    void fnKeyCannotBeReassigned_data() { addLayoutRows(); }

    void fnKeyCannotBeReassigned()
    {
        QFETCH(int, layout);
        const QMap<int, DrawnKey> bySlot = readLayout(layout).bySlot();
        QVERIFY(bySlot.contains(FnSlot));
        QCOMPARE(bySlot[FnSlot].code, FnCode);
        QVERIFY(!namesByCode(readKeyCodeTable()).contains(FnCode));
    }

    void vortexPaths_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QList<int>>("path");
        QTest::newRow("ISO, path from Esc") << 0 << VortexPath1;
        QTest::newRow("ISO, path from keypad Enter") << 0 << VortexPath2;
        QTest::newRow("ANSI, path from Esc") << 1 << VortexPath1;
        QTest::newRow("ANSI, path from keypad Enter") << 1 << VortexPath2;
    }

    void vortexPaths()
    {
        QFETCH(int, layout);
        QFETCH(QList<int>, path);
        const Layout drawing = readLayout(layout);
        const QMap<int, DrawnKey> bySlot = drawing.bySlot();
        for (int slot : path)
            QVERIFY2(bySlot.contains(slot), qPrintable(QString::number(slot)));
        for (int i = 1; i < path.size(); ++i)
            QVERIFY2(neighbours(bySlot[path[i - 1]], bySlot[path[i]], drawing.keys),
                     qPrintable(QString("%1 -> %2").arg(path[i - 1]).arg(path[i])));
        const QList<int> centre = {CentreUpperLeft, CentreUpperRight, CentreLowerLeft,
                                   CentreLowerRight};
        QVERIFY(centre.contains(path.last()));
    }

    void vortexCentreIsATwoByTwoBlock_data() { addLayoutRows(); }

    void vortexCentreIsATwoByTwoBlock()
    {
        QFETCH(int, layout);
        const Layout drawing = readLayout(layout);
        const QMap<int, DrawnKey> k = drawing.bySlot();
        for (int slot : {CentreUpperLeft, CentreUpperRight, CentreLowerLeft, CentreLowerRight})
            QVERIFY(k.contains(slot));
        QCOMPARE(k[CentreUpperLeft].y, k[CentreUpperRight].y);
        QCOMPARE(k[CentreLowerLeft].y, k[CentreLowerRight].y);
        QVERIFY(k[CentreUpperLeft].x < k[CentreUpperRight].x);
        QVERIFY(k[CentreLowerLeft].x < k[CentreLowerRight].x);
        QVERIFY(k[CentreUpperLeft].y < k[CentreLowerLeft].y);
        QVERIFY(neighbours(k[CentreUpperLeft], k[CentreUpperRight], drawing.keys));
        QVERIFY(neighbours(k[CentreLowerLeft], k[CentreLowerRight], drawing.keys));
        QVERIFY(neighbours(k[CentreUpperLeft], k[CentreLowerLeft], drawing.keys));
        QVERIFY(neighbours(k[CentreUpperRight], k[CentreLowerRight], drawing.keys));
    }

    void factoryCodesAreNamedKeys_data() { addLayoutRows(); }

    void factoryCodesAreNamedKeys()
    {
        QFETCH(int, layout);
        const KeyCodeTable table = readKeyCodeTable();
        const QHash<uint, QString> names = namesByCode(table);
        QSet<uint> seen;
        for (const DrawnKey& key : readLayout(layout).keys) {
            if (key.slot == FnSlot)
                continue;
            const QString what = key.label + " in slot " + QString::number(key.slot);
            QVERIFY2((key.code & 0xFF00) == 0, qPrintable(what + " is not a standard key"));
            QVERIFY2(names.contains(key.code), qPrintable(what + " has no name"));
            const int index = table.names.indexOf(names[key.code]);
            QCOMPARE(table.codes[index].toUInt(), key.code);
            // The scene finds a key from its code: each code is drawn once.
            QVERIFY2(!seen.contains(key.code), qPrintable(what + " repeats its code"));
            seen.insert(key.code);
        }
    }

    void layoutRule_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<uint>("usage");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("ISO has Non-US #") << 0 << 0x32u << true;
        QTest::newRow("ISO has Non-US \\") << 0 << 0x64u << true;
        QTest::newRow("ISO has no \\ above Enter") << 0 << 0x31u << false;
        QTest::newRow("ANSI has \\ above Enter") << 1 << 0x31u << true;
        QTest::newRow("ANSI has no Non-US #") << 1 << 0x32u << false;
        QTest::newRow("ANSI has no Non-US \\") << 1 << 0x64u << false;
    }

    void layoutRule()
    {
        QFETCH(int, layout);
        QFETCH(uint, usage);
        QFETCH(bool, drawn);
        bool found = false;
        for (const DrawnKey& key : readLayout(layout).keys)
            found = found || key.code == usage;
        QCOMPARE(found, drawn);
    }

    void commonKeysShareSlots()
    {
        QHash<uint, int> isoSlots, ansiSlots;
        for (const DrawnKey& key : readLayout(0).keys)
            isoSlots.insert(key.code, key.slot);
        for (const DrawnKey& key : readLayout(1).keys)
            ansiSlots.insert(key.code, key.slot);
        int common = 0;
        for (auto it = isoSlots.cbegin(); it != isoSlots.cend(); ++it) {
            if (!ansiSlots.contains(it.key()))
                continue;
            ++common;
            QCOMPARE(ansiSlots[it.key()], it.value());
        }
        // \ above Enter is the only ANSI key the ISO board does not have.
        QCOMPARE(common, ansiSlots.size() - 1);
        // The key translation reports one switch as Non-US # on layout 0 and
        // as \ on the others.
        QCOMPARE(isoSlots.value(0x32, -1), ansiSlots.value(0x31, -2));
    }

    void keyCodeTable()
    {
        const KeyCodeTable table = readKeyCodeTable();
        QVERIFY(!table.names.isEmpty());
        QCOMPARE(table.names.size(), table.codes.size());
        QSet<QString> names;
        QSet<uint> codes;
        for (int i = 0; i < table.names.size(); ++i) {
            const QString& name = table.names[i];
            QVERIFY2(!name.isEmpty() && name.trimmed() == name, qPrintable(name));
            QVERIFY2(!names.contains(name), qPrintable(name + " is not unique"));
            names.insert(name);
            bool ok = false;
            const uint code = table.codes[i].toUInt(&ok);
            QVERIFY2(ok && code > 0 && code <= 0xFF, qPrintable(table.codes[i]));
            QVERIFY2(!codes.contains(code), qPrintable(table.codes[i] + " is not unique"));
            codes.insert(code);
        }
    }

    void keyNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<uint>("usage");
        QTest::newRow("letter") << "A" << 0x04u;
        QTest::newRow("Enter") << "Enter" << 0x28u;
        QTest::newRow("modifier") << "L-Shift" << 0xE1u;
        QTest::newRow("keypad digit") << "Num 7" << 0x5Fu;
        QTest::newRow("comma") << "," << 0x36u;
        QTest::newRow("semicolon") << ";" << 0x33u;
        QTest::newRow("equals") << "=" << 0x2Eu;
        QTest::newRow("backslash") << "\\" << 0x31u;
        QTest::newRow("apostrophe") << "'" << 0x34u;
        QTest::newRow("Non-US #") << "#" << 0x32u;
        QTest::newRow("keypad comma") << "Num ," << 0x85u;
    }

    void keyNames()
    {
        QFETCH(QString, name);
        QFETCH(uint, usage);
        const KeyCodeTable table = readKeyCodeTable();
        const int index = table.names.indexOf(name);
        QVERIFY2(index >= 0 && index < table.codes.size(), qPrintable(name));
        QCOMPARE(table.codes[index].toUInt(), usage);
    }

    void factoryKeyMatrix_data() { addLayoutRows(); }

    void factoryKeyMatrix()
    {
        QFETCH(int, layout);
        const QMap<int, DrawnKey> bySlot = readLayout(layout).bySlot();
        QVERIFY(!bySlot.isEmpty());
        const QSettings profile(settingFile("pD.bin"), QSettings::IniFormat);
        const QString group = "keydefine" + QString::number(layout) + "/";
        for (int slot = 0; slot < MatrixSlots; ++slot) {
            const QString key = group + QString::number(slot);
            const QStringList bytes = profile.value(key).toStringList();
            QVERIFY2(bytes.size() == 2, qPrintable(key));
            bool lowOk = false, highOk = false;
            const uint low = bytes[0].toUInt(&lowOk);
            const uint high = bytes[1].toUInt(&highOk);
            QVERIFY2(lowOk && highOk && low <= 0xFF && high <= 0xFF, qPrintable(key));
            const uint expected = bySlot.contains(slot) ? bySlot[slot].code : 0;
            QCOMPARE(low | high << 8, expected);
        }
    }

    void factoryLightingType_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("type: a built-in effect") << 0 << 0x00 << 0x0B;
        QTest::newRow("brightness") << 1 << 0 << 63;
        QTest::newRow("speed") << 2 << 1 << 7;
        QTest::newRow("direction") << 3 << 0 << 1;
        QTest::newRow("colour, 7 = loop") << 4 << 0 << 7;
        QTest::newRow("back-light byte 0") << 5 << 0 << 255;
        QTest::newRow("back-light byte 1") << 6 << 0 << 255;
    }

    void factoryLightingType()
    {
        QFETCH(int, position);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        const QSettings profile(settingFile("pD.bin"), QSettings::IniFormat);
        const QStringList values = profile.value("color/ledType").toStringList();
        QCOMPARE(values.size(), 7);
        bool ok = false;
        const int value = values[position].toInt(&ok);
        QVERIFY(ok);
        QVERIFY2(value >= minimum && value <= maximum, qPrintable(QString::number(value)));
    }

    void factoryColours()
    {
        const QSettings profile(settingFile("pD.bin"), QSettings::IniFormat);
        const QStringList values = profile.value("color/color").toStringList();
        QCOMPARE(values.size(), 21);
        QSet<QString> colours;
        for (int i = 0; i < values.size(); ++i) {
            bool ok = false;
            const int value = values[i].toInt(&ok);
            // The keyboard keeps a quarter of each value: multiples of 4 survive a
            // round trip through the device.
            QVERIFY2(ok && value >= 0 && value <= 252 && value % 4 == 0, qPrintable(values[i]));
            if (i % 3 == 2)
                colours.insert(values.mid(i - 2, 3).join(','));
        }
        QCOMPARE(colours.size(), 7);
    }

    void factoryProfileIsAscii()
    {
        QFile file(settingFile("pD.bin"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(!bytes.isEmpty());
        for (char byte : bytes)
            QVERIFY(uchar(byte) < 0x80);
    }
};

QTEST_GUILESS_MAIN(TestKeyboardData)
#include "tst_keyboarddata.moc"
