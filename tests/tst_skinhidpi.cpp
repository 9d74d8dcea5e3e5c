// The skins' pictures for scaled screens, as the build painted them into
// bin/modules/img: every "name.png" but the window and page backgrounds has a
// "name@2x.png" of exactly twice its width and height, and the @2x pictures
// are painted at that resolution, not blown up from the 1x ones: they carry
// edges an enlarged 1x picture cannot.
// Q3_SKIN_ROOT in the environment points the test at another painted tree.
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QTest>

#include <algorithm>
#include <cstdlib>

namespace {

const QString kSkinRoot = qEnvironmentVariable("Q3_SKIN_ROOT", QStringLiteral(Q3_SKIN_ROOT));

// The pictures of each skin that stay single: the two 1000 x 600 window
// layers and the four page backgrounds (at least 340 x 420 each).
const QStringList kSingle = {
    QStringLiteral("background.png"),
    QStringLiteral("frame/frameBackground.png"),
    QStringLiteral("list_center/globalsettingBackground.png"),
    QStringLiteral("list_center/fnKeydefineBackground.png"),
    QStringLiteral("list_center/fnColorBackground.png"),
    QStringLiteral("list_center/fnCommonBackground.png"),
};

// "common/add_0.png" for ".../img/skin1/common/add_0.png".
QString inSkin(const QString& path)
{
    const QString relative = QDir(kSkinRoot).relativeFilePath(path);
    return relative.mid(relative.indexOf(QLatin1Char('/')) + 1);
}

QString doubleOf(const QString& path)
{
    return path.left(path.size() - 4) + QStringLiteral("@2x.png");
}

QStringList picturesOfRatioOne()
{
    QStringList found;
    QDirIterator it(kSkinRoot, {QStringLiteral("*.png")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!path.endsWith(QStringLiteral("@2x.png")))
            found << path;
    }
    found.sort();
    return found;
}

QImage load(const QString& relative)
{
    return QImage(kSkinRoot + QLatin1Char('/') + relative)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Share of the 2 x 2 blocks (on even coordinates) whose four pixels are not all
// alike: 0 for a picture enlarged by repeating each pixel.
double unevenBlocks(const QImage& img)
{
    int uneven = 0;
    int blocks = 0;
    for (int y = 0; y + 1 < img.height(); y += 2) {
        for (int x = 0; x + 1 < img.width(); x += 2) {
            const QRgb p = img.pixel(x, y);
            ++blocks;
            if (img.pixel(x + 1, y) != p || img.pixel(x, y + 1) != p ||
                img.pixel(x + 1, y + 1) != p)
                ++uneven;
        }
    }
    return blocks == 0 ? 0 : double(uneven) / blocks;
}

// Number of neighbouring pixel pairs (across and down) whose alpha or grey
// level jumps by more than half the range: crisp edges. A smooth enlargement
// spreads every step over two pixels and halves it.
int steepSteps(const QImage& img)
{
    constexpr int kSteep = 128;
    auto level = [](QRgb c) {
        return std::max(qAlpha(c), qGray(c));
    };
    int steps = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const int here = level(img.pixel(x, y));
            if (x + 1 < img.width() && std::abs(level(img.pixel(x + 1, y)) - here) > kSteep)
                ++steps;
            if (y + 1 < img.height() && std::abs(level(img.pixel(x, y + 1)) - here) > kSteep)
                ++steps;
        }
    }
    return steps;
}

} // namespace

class TestSkinHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureButTheBackgroundsHasADoubleSizedSibling();
    void knownPicturesHaveTheirSizes_data();
    void knownPicturesHaveTheirSizes();
    void doublesArePaintedNotEnlarged_data();
    void doublesArePaintedNotEnlarged();
};

void TestSkinHiDpi::everyPictureButTheBackgroundsHasADoubleSizedSibling()
{
    const QStringList pictures = picturesOfRatioOne();
    QVERIFY2(pictures.size() > 100,
             qPrintable(
                 QStringLiteral("only %1 pictures under %2").arg(pictures.size()).arg(kSkinRoot)));
    QStringList faults;
    int singles = 0;
    for (const QString& path : pictures) {
        const QImage one(path);
        const QImage two(doubleOf(path));
        if (kSingle.contains(inSkin(path))) {
            ++singles;
            if (QFile::exists(doubleOf(path)))
                faults << doubleOf(path) + QStringLiteral(": a background, meant to stay single");
            continue;
        }
        if (one.isNull())
            faults << path + QStringLiteral(": unreadable");
        else if (two.isNull())
            faults << doubleOf(path) + QStringLiteral(": missing or unreadable");
        else if (two.size() != one.size() * 2)
            faults << QStringLiteral("%1: %2 x %3 for a %4 x %5 picture")
                          .arg(doubleOf(path))
                          .arg(two.width())
                          .arg(two.height())
                          .arg(one.width())
                          .arg(one.height());
    }
    // And no @2x picture without its 1x picture.
    QDirIterator it(kSkinRoot, {QStringLiteral("*@2x.png")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString two = it.next();
        const QString one = two.left(two.size() - 7) + QStringLiteral(".png");
        if (!pictures.contains(one))
            faults << two + QStringLiteral(": no 1x picture beside it");
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    QCOMPARE(singles, 2 * kSingle.size()); // both skins have every background
}

void TestSkinHiDpi::knownPicturesHaveTheirSizes_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QSize>("size");
    QTest::newRow("logo") << "skin2/frame/web_1@2x.png" << QSize(220, 80);
    QTest::newRow("bottom bar") << "skin1/list_dn/listDnContainer@2x.png" << QSize(1928, 84);
    QTest::newRow("function button") << "skin1/list_fn/listFnBtn_0@2x.png" << QSize(300, 74);
    QTest::newRow("check box") << "skin2/common/checkbox_1@2x.png" << QSize(30, 30);
    QTest::newRow("one-pixel line") << "skin1/common/draw_line@2x.png" << QSize(32, 2);
    QTest::newRow("ISO Enter cap") << "skin1/model_kb/k9-0@2x.png" << QSize(80, 108);
    QTest::newRow("profile menu") << "skin2/list_pf/listPfContainer@2x.png" << QSize(160, 760);
}

void TestSkinHiDpi::knownPicturesHaveTheirSizes()
{
    QFETCH(QString, picture);
    QFETCH(QSize, size);
    QCOMPARE(load(picture).size(), size);
}

void TestSkinHiDpi::doublesArePaintedNotEnlarged_data()
{
    QTest::addColumn<QString>("picture");
    QTest::newRow("plus glyph") << "skin1/common/add_0";
    QTest::newRow("check glyph") << "skin2/common/checkbox_1";
    QTest::newRow("gear glyph") << "skin1/list_up/applicationSetting_0";
    QTest::newRow("chip on the pixel grid") << "skin1/list_pf/profileFW_0";
    QTest::newRow("keyboard glyph") << "skin2/list_fn/fnKeydefine_0";
    QTest::newRow("one-pixel brackets") << "skin1/frame/decoration1";
    QTest::newRow("key cap") << "skin2/model_kb/k1-0";
}

void TestSkinHiDpi::doublesArePaintedNotEnlarged()
{
    QFETCH(QString, picture);
    const QImage one = load(picture + QStringLiteral(".png"));
    const QImage two = load(picture + QStringLiteral("@2x.png"));
    QVERIFY(!one.isNull());
    QVERIFY(!two.isNull());
    QCOMPARE(two.size(), one.size() * 2);
    const QImage repeated = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage smooth = one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    // Finer than pixel repetition: edges run through the 2 x 2 blocks.
    constexpr double kMinUnevenShare = 0.05;
    QCOMPARE(unevenBlocks(repeated), 0.0);
    const double uneven = unevenBlocks(two);
    QVERIFY2(uneven >= kMinUnevenShare,
             qPrintable(QStringLiteral("%1 of the 2 x 2 blocks uneven").arg(uneven)));

    // Crisper than a smooth enlargement: its steps stay steep. Painted at
    // twice the size, an edge is twice as many pixels long, so the steep steps
    // about double; a smooth enlargement softens them away.
    const int steep = steepSteps(two);
    const int oneSteep = steepSteps(one);
    const int smoothSteep = steepSteps(smooth);
    QVERIFY2(oneSteep > 0, "the 1x picture has no crisp edge to compare");
    QVERIFY2(2 * steep >= 3 * oneSteep && 2 * smoothSteep <= steep,
             qPrintable(QStringLiteral("%1 steep steps; the 1x picture %2, its smooth "
                                       "enlargement %3")
                            .arg(steep)
                            .arg(oneSteep)
                            .arg(smoothSteep)));
}

QTEST_GUILESS_MAIN(TestSkinHiDpi)
#include "tst_skinhidpi.moc"
