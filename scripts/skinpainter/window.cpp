#include "window.h"

#include "canvas.h"
#include "geometry.h"
#include "icons.h"
#include "skinpalette.h"
#include "skinwriter.h"

#include <QPolygonF>
#include <cmath>

using namespace canvas;

namespace {

// Background body.
constexpr int kTopHazeAlpha = 40; // accent haze behind the logo
constexpr qreal kTopHazeRadius = 540;
constexpr int kPageHazeAlpha = 16; // faint accent light in the empty page area
constexpr qreal kPageHazeRadius = 420;
constexpr int kVignetteRadius = 28; // inner darkening along the panel edge
constexpr qreal kVignetteStrength = 0.7;
constexpr qreal kHexSize = 26; // hexagon grid in the page area: circumradius
constexpr int kHexAlpha = 22;  // at its centre, fading out to the edges
constexpr qreal kHexFadeRadius = 380;
constexpr int kTraceAlpha = 70; // circuit traces in the empty corners
constexpr qreal kTraceDot = 2.2;

// Frame overlay.
constexpr int kOuterGlowRadius = 10;
constexpr qreal kOuterGlowStrength = 0.55;
constexpr int kShadowRadius = 8;
constexpr qreal kShadowStrength = 0.8;
constexpr qreal kTopAccentHalfWidth = 230; // accent line along the top edge
constexpr qreal kBottomAccentHalfWidth = 150;
constexpr qreal kCornerAccent = 46; // accent corner brackets, length along each edge
constexpr int kInnerEdgeAlpha = 140;
constexpr int kFaintestGlow = 4; // glow pixels below this alpha become fully transparent

// Decorations.
constexpr qreal kDecoArmX = 16.5; // vertical arm (decoration1; mirrored for decoration2)
constexpr qreal kDecoArmY = 10.5; // horizontal arm
constexpr qreal kDecoChamfer = 12;
constexpr int kDecoTicks = 14;
constexpr qreal kDecoTickPitch = 6;

// Logo.
constexpr qreal kLogoHexHalfWidth = 19;
constexpr qreal kLogoHexHalfHeight = 16;
constexpr qreal kLogoGlobe = 20;
constexpr int kLogoWings = 3;
constexpr qreal kWingHeight = 3;
constexpr qreal kWingGap = 3.5;

QPainterPath panelPath()
{
    return roundRect(QRectF(geo::kPanel), geo::kPanelRadius);
}

QPainterPath hexagon(QPointF c, qreal size)
{
    QPainterPath p;
    for (int i = 0; i < 6; ++i) {
        const qreal a = M_PI / 3 * i;
        const QPointF pt(c.x() + size * std::cos(a), c.y() + size * std::sin(a));
        if (i == 0)
            p.moveTo(pt);
        else
            p.lineTo(pt);
    }
    p.closeSubpath();
    return p;
}

// A trace: a polyline with a ring at its end, the way circuit boards route.
void trace(QPainter& p, const QPolygonF& points, const QColor& color)
{
    p.setPen(QPen(color, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(points);
    p.drawEllipse(points.last(), kTraceDot, kTraceDot);
    p.setBrush(color);
    p.setPen(Qt::NoPen);
    p.drawEllipse(points.first(), kTraceDot - 0.8, kTraceDot - 0.8);
}

QImage background(const SkinPalette& pal)
{
    QImage img = blank(geo::kBackground);
    const QPainterPath panel = panelPath();
    {
        QPainter p(&img);
        prepare(p);
        p.setClipPath(panel);
        p.fillRect(area(img), vertical(QRectF(geo::kPanel), pal.bodyTop, pal.bodyBottom));

        QRadialGradient top(QPointF(geo::kWindow.width() / 2.0, 0), kTopHazeRadius);
        top.setColorAt(0, withAlpha(pal.accent, kTopHazeAlpha));
        top.setColorAt(1, withAlpha(pal.accent, 0));
        p.fillRect(area(img), top);

        const QPointF pageCentre = QRectF(geo::kPageArea).center();
        QRadialGradient page(pageCentre, kPageHazeRadius);
        page.setColorAt(0, withAlpha(pal.accent, kPageHazeAlpha));
        page.setColorAt(1, withAlpha(pal.accent, 0));
        p.fillRect(area(img), page);

        // Hexagon grid, strongest behind the page area's centre.
        QImage hex = blankLike(img);
        {
            QPainter hp(&hex);
            prepare(hp);
            hp.setPen(QPen(withAlpha(pal.edgeLight, 255), 1));
            const qreal dx = kHexSize * 1.5;
            const qreal dy = kHexSize * std::sqrt(3.0);
            const QRectF grid = QRectF(geo::kPageArea).adjusted(-40, -40, 40, 40);
            for (int col = 0; col * dx < grid.width() + dx; ++col) {
                for (int row = 0; row * dy < grid.height() + dy; ++row) {
                    const QPointF c(grid.left() + col * dx,
                                    grid.top() + row * dy + ((col % 2) ? dy / 2 : 0));
                    hp.drawPath(hexagon(c, kHexSize));
                }
            }
            hp.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            QRadialGradient fade(pageCentre, kHexFadeRadius);
            fade.setColorAt(0, withAlpha(Qt::black, kHexAlpha));
            fade.setColorAt(1, withAlpha(Qt::black, 0));
            hp.fillRect(area(hex), fade);
        }
        p.drawImage(0, 0, hex);

        // Circuit traces in the corners that no menu covers.
        const QColor t = withAlpha(pal.accentDeep, kTraceAlpha);
        const QColor u = withAlpha(pal.edgeLight, kTraceAlpha);
        trace(p, {{14, 392}, {60, 392}, {74, 406}, {140, 406}}, t);
        trace(p, {{14, 420}, {40, 420}, {54, 434}, {54, 470}, {66, 482}, {120, 482}}, u);
        trace(p, {{14, 446}, {30, 446}, {30, 500}, {42, 512}, {150, 512}}, t);
        trace(p, {{96, 434}, {150, 434}}, u);
        trace(p, {{14, 530}, {90, 530}, {100, 520}, {156, 520}}, u);
        trace(p, {{940, 488}, {970, 488}, {984, 502}, {984, 530}}, t);
        trace(p, {{952, 512}, {970, 530}}, u);
    }
    // Vignette: darkens the panel towards its edge.
    QPainterPath outside;
    outside.addRect(area(img));
    outside = outside.subtracted(panel);
    QPainterPath inside;
    inside.addRect(area(img));
    glow(
        img, [&](QPainter& p) { p.fillPath(outside, Qt::black); }, pal.shadow, kVignetteRadius,
        kVignetteStrength, inside.subtracted(panel));
    return img;
}

QImage frameOverlay(const SkinPalette& pal)
{
    QImage img = blank(geo::kFrameBackground);
    const QPainterPath panel = panelPath();
    glow(
        img, [&](QPainter& p) { p.fillPath(panel, Qt::black); }, pal.shadow, kShadowRadius,
        kShadowStrength, panel);
    glow(
        img, [&](QPainter& p) { p.fillPath(panel, Qt::white); }, pal.accent, kOuterGlowRadius,
        kOuterGlowStrength, panel);
    dropFaint(img, kFaintestGlow);

    QPainter p(&img);
    prepare(p);
    const QRectF r = hairline(QRectF(geo::kPanel));
    // Rim: light on top, fading into the edge colour further down.
    QLinearGradient rim = vertical(r, pal.edgeLight, mix(pal.edge, pal.shadow, 0.3));
    rim.setColorAt(0.08, pal.edge);
    p.setPen(QPen(QBrush(rim), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, geo::kPanelRadius, geo::kPanelRadius);
    p.setPen(QPen(withAlpha(pal.shadow, kInnerEdgeAlpha), 1));
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), geo::kPanelRadius - 1, geo::kPanelRadius - 1);

    // Accent lines along the middle of the top and bottom edges.
    auto edgeAccent = [&](qreal y, qreal halfWidth, qreal strength) {
        const qreal cx = geo::kWindow.width() / 2.0;
        QLinearGradient g(QPointF(cx - halfWidth, y), QPointF(cx + halfWidth, y));
        g.setColorAt(0, withAlpha(pal.accent, 0));
        g.setColorAt(0.5, withAlpha(pal.accentLight, int(255 * strength)));
        g.setColorAt(1, withAlpha(pal.accent, 0));
        p.setPen(QPen(QBrush(g), 2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(cx - halfWidth, y), QPointF(cx + halfWidth, y));
    };
    edgeAccent(r.top() + 0.5, kTopAccentHalfWidth, 1.0);
    edgeAccent(r.bottom() - 0.5, kBottomAccentHalfWidth, 0.6);

    // Accent brackets hugging the four rounded corners.
    p.setPen(QPen(pal.accent, 2, Qt::SolidLine, Qt::FlatCap));
    const QPointF corners[] = {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()};
    for (const QPointF& c : corners) {
        const qreal x = c.x() < geo::kWindow.width() / 2 ? c.x() : c.x() - kCornerAccent;
        const qreal y = c.y() < geo::kWindow.height() / 2 ? c.y() : c.y() - kCornerAccent;
        p.save();
        p.setClipRect(QRectF(x - 2, y - 2, kCornerAccent + 4, kCornerAccent + 4));
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), geo::kPanelRadius, geo::kPanelRadius);
        p.restore();
    }
    return img;
}

QImage decoration(const SkinPalette& pal)
{
    QImage img = blank(geo::kDecoration);
    const qreal w = geo::kDecoration.width();
    const qreal h = geo::kDecoration.height();
    const QPointF corner(kDecoArmX, kDecoArmY);

    QPainterPath bracket;
    bracket.moveTo(kDecoArmX, h - 4);
    bracket.lineTo(kDecoArmX, kDecoArmY + kDecoChamfer);
    bracket.lineTo(kDecoArmX + kDecoChamfer, kDecoArmY);
    bracket.lineTo(w - 4, kDecoArmY);

    QPainterPath accent;
    accent.moveTo(kDecoArmX, kDecoArmY + kDecoChamfer + 18);
    accent.lineTo(kDecoArmX, kDecoArmY + kDecoChamfer);
    accent.lineTo(kDecoArmX + kDecoChamfer, kDecoArmY);
    accent.lineTo(kDecoArmX + kDecoChamfer + 30, kDecoArmY);

    glow(
        img,
        [&](QPainter& p) {
            p.setPen(QPen(Qt::white, 3));
            p.drawPath(accent);
        },
        pal.accent, 6, 0.9);

    QPainter p(&img);
    prepare(p);
    // The long arms fade out away from the corner.
    QRadialGradient fade(corner, std::max(w, h) * 0.95);
    fade.setColorAt(0, pal.edgeLight);
    fade.setColorAt(0.6, withAlpha(pal.edgeLight, 120));
    fade.setColorAt(1, withAlpha(pal.edgeLight, 0));
    p.setPen(QPen(QBrush(fade), 1));
    p.drawPath(bracket);

    QPainterPath inner;
    inner.moveTo(kDecoArmX + 6, h * 0.72);
    inner.lineTo(kDecoArmX + 6, kDecoArmY + kDecoChamfer + 4);
    inner.lineTo(kDecoArmX + kDecoChamfer + 4, kDecoArmY + 6);
    inner.lineTo(w * 0.7, kDecoArmY + 6);
    QRadialGradient fade2(corner, w * 0.7);
    fade2.setColorAt(0, withAlpha(pal.edge, 255));
    fade2.setColorAt(1, withAlpha(pal.edge, 0));
    p.setPen(QPen(QBrush(fade2), 1));
    p.drawPath(inner);

    p.setPen(QPen(pal.accent, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(accent);

    // Tick scale under the horizontal arm.
    for (int i = 0; i < kDecoTicks; ++i) {
        const qreal x = 52.5 + i * kDecoTickPitch;
        const qreal len = (i % 4 == 0) ? 5 : 3;
        const int a = 200 - i * 12;
        p.setPen(QPen(withAlpha(pal.glyphDim, a), 1));
        p.drawLine(QPointF(x, kDecoArmY + 5), QPointF(x, kDecoArmY + 5 + len));
    }
    // Slanted hatch at the end of the horizontal arm.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const qreal x = w - 34 + i * 6;
        QPolygonF bar({{x, kDecoArmY - 6},
                       {x + 3, kDecoArmY - 6},
                       {x + 1, kDecoArmY - 2},
                       {x - 2, kDecoArmY - 2}});
        p.setBrush(withAlpha(pal.accentDeep, 230 - i * 40));
        p.drawPolygon(bar);
    }
    // Three status dots down the vertical arm.
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i == 0 ? pal.accent : withAlpha(pal.accentDeep, 200));
        p.drawRect(QRectF(kDecoArmX + 4, 56 + i * 6, 2, 2));
    }
    return img;
}

QImage logo(const SkinPalette& pal, bool hovered)
{
    QImage img = blank(geo::kLogo);
    const QPointF c(geo::kLogo.width() / 2.0, geo::kLogo.height() / 2.0);
    const qreal hw = kLogoHexHalfWidth;
    const qreal hh = kLogoHexHalfHeight;
    const qreal slant = hw * 0.47; // horizontal run of the slanted sides
    QPainterPath hex;
    hex.moveTo(c.x() - hw, c.y());
    hex.lineTo(c.x() - hw + slant, c.y() - hh);
    hex.lineTo(c.x() + hw - slant, c.y() - hh);
    hex.lineTo(c.x() + hw, c.y());
    hex.lineTo(c.x() + hw - slant, c.y() + hh);
    hex.lineTo(c.x() - hw + slant, c.y() + hh);
    hex.closeSubpath();

    // Wings: tapered strips leaving the badge on both sides.
    QPainterPath wings;
    for (int side = -1; side <= 1; side += 2) {
        for (int k = 0; k < kLogoWings; ++k) {
            const qreal y = c.y() - 7.5 + k * (kWingHeight + kWingGap);
            const qreal dy = std::abs(y + kWingHeight / 2 - c.y());
            const qreal edge = hw - slant * dy / hh + 3; // distance of the badge side
            const qreal len = 34 - std::abs(k - 1) * 8;
            const qreal x0 = c.x() + side * edge;
            const qreal x1 = c.x() + side * (edge + len);
            QPolygonF strip(
                {{x0, y}, {x1, y}, {x1 - side * 3, y + kWingHeight}, {x0, y + kWingHeight}});
            wings.addPolygon(strip);
            wings.closeSubpath();
        }
    }
    const QColor wingNear = hovered ? pal.accentLight : pal.accent;
    if (hovered)
        glow(
            img,
            [&](QPainter& p) {
                p.fillPath(wings, Qt::white);
                p.setPen(QPen(Qt::white, 2));
                p.drawPath(hex);
            },
            pal.accent, 6, 1.0);

    QPainter p(&img);
    prepare(p);
    QLinearGradient wg(QPointF(0, 0), QPointF(area(img).width(), 0));
    wg.setColorAt(0, withAlpha(pal.accentDeep, 0));
    wg.setColorAt(0.3, withAlpha(wingNear, 200));
    wg.setColorAt(0.5, wingNear);
    wg.setColorAt(0.7, withAlpha(wingNear, 200));
    wg.setColorAt(1, withAlpha(pal.accentDeep, 0));
    p.fillPath(wings, wg);

    p.fillPath(hex, vertical(hex.boundingRect(), pal.raisedTop, pal.panelDeep));
    p.setPen(QPen(hovered ? pal.accentLight : pal.accent, 1.5));
    p.drawPath(hex);
    QTransform shrink;
    shrink.translate(c.x(), c.y());
    shrink.scale(0.8, 0.8);
    shrink.translate(-c.x(), -c.y());
    p.setPen(QPen(withAlpha(pal.edgeLight, 110), 1));
    p.drawPath(shrink.map(hex));
    p.end();

    const QRectF globe(c.x() - kLogoGlobe / 2, c.y() - kLogoGlobe / 2, kLogoGlobe, kLogoGlobe);
    paintIcon(img, Icon::Globe, globe, 1.4, hovered ? pal.accentLight : pal.glyph, pal.accent,
              hovered ? 0.8 : 0);
    return img;
}

} // namespace

void paintWindow(const SkinPalette& pal, SkinWriter& out)
{
    out.save(QStringLiteral("background.png"), background(pal));
    out.save(QStringLiteral("frame/frameBackground.png"), frameOverlay(pal));
    const QImage deco = decoration(pal);
    out.save(QStringLiteral("frame/decoration1.png"), deco);
    out.save(QStringLiteral("frame/decoration2.png"), deco.mirrored(true, false));
    out.save(QStringLiteral("frame/web_0.png"), logo(pal, false));
    out.save(QStringLiteral("frame/web_1.png"), logo(pal, true));
}
