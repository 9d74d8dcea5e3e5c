#include "menus.h"

#include "canvas.h"
#include "geometry.h"
#include "icons.h"
#include "skinpalette.h"
#include "skinwriter.h"

#include <QPolygonF>

using namespace canvas;

namespace {

// Top bar: a rail through both title buttons, dipping into a bay under the logo.
constexpr qreal kRailY = 4.5;       // rail height inside the container (button centre)
constexpr qreal kBayY = 12.5;       // bottom of the bay under the logo
constexpr qreal kBayHalfWidth = 96; // half width of the bay's floor
constexpr qreal kBaySlope = 8;      // horizontal run of the bay's chamfers
constexpr int kBayFillAlpha = 150;
constexpr qreal kTitleButtonRadius = 7;
constexpr qreal kTitleIcon = 12;
constexpr qreal kTitleIconStroke = 1.5;

// Bottom bar: a console plate in the middle, rails to both sides.
constexpr qreal kConsoleHalfTop = 232;    // half width at its top edge
constexpr qreal kConsoleHalfBottom = 212; // half width at its bottom edge
constexpr qreal kConsoleTop = 3.5;
constexpr qreal kConsoleChamfer = 6;
constexpr int kConsoleAlpha = 235;
constexpr qreal kSideRailY = 21.5;
constexpr int kRailDots = 9;

// Function menu button.
constexpr qreal kFnRadius = 5;
constexpr qreal kFnChamfer = 9;             // cut bottom-right corner
constexpr QRectF kFnMarker{3, 10, 2.5, 17}; // accent marker on the left edge
constexpr int kFnPlateAlpha = 215;
constexpr qreal kFnIconStroke = 1.6;

// Profile menu.
constexpr qreal kPfPlateLeft = 18.5; // left of it lies over the page area: keep it clear
constexpr qreal kPfPlateRight = 77.5;
constexpr qreal kPfHeadTop = 56.5; // heading tab with the layers icon
constexpr qreal kPfHeadHeight = 28;
constexpr qreal kPfPlateTop = 90.5;
constexpr qreal kPfRadius = 7;
constexpr qreal kPfHeadIcon = 16;
constexpr qreal kPfMarkStroke = 1.3;
constexpr QRect kPfChipBody{2, 2, 10, 10}; // profile mark: chip body inside 14 x 14
constexpr QRect kPfChipCore{6, 6, 2, 2};
constexpr int kPfChipPins[] = {5, 8}; // pin positions along each side

QImage topContainer(const SkinPalette& pal)
{
    QImage img = blank(geo::kListUpContainer);
    const qreal w = area(img).width();
    const qreal cx = w / 2;
    const qreal left = geo::kUpButtonMargin + geo::kTitleButton.width();
    const qreal right = w - left;

    QPainterPath rail;
    rail.moveTo(left, kRailY);
    rail.lineTo(cx - kBayHalfWidth - kBaySlope, kRailY);
    rail.lineTo(cx - kBayHalfWidth, kBayY);
    rail.lineTo(cx + kBayHalfWidth, kBayY);
    rail.lineTo(cx + kBayHalfWidth + kBaySlope, kRailY);
    rail.lineTo(right, kRailY);

    QPainterPath bay;
    bay.moveTo(cx - kBayHalfWidth - kBaySlope, 0);
    bay.lineTo(cx - kBayHalfWidth - kBaySlope, kRailY);
    bay.lineTo(cx - kBayHalfWidth, kBayY);
    bay.lineTo(cx + kBayHalfWidth, kBayY);
    bay.lineTo(cx + kBayHalfWidth + kBaySlope, kRailY);
    bay.lineTo(cx + kBayHalfWidth + kBaySlope, 0);
    bay.closeSubpath();

    QPainterPath bayFloor;
    bayFloor.moveTo(cx - kBayHalfWidth, kBayY);
    bayFloor.lineTo(cx + kBayHalfWidth, kBayY);
    glow(
        img,
        [&](QPainter& p) {
            p.setPen(QPen(Qt::white, 2));
            p.drawPath(bayFloor);
        },
        pal.accent, 4, 0.9);

    QPainter p(&img);
    prepare(p);
    p.fillPath(bay, vertical(bay.boundingRect(), withAlpha(pal.panelDeep, 0),
                             withAlpha(pal.panelDeep, kBayFillAlpha)));
    QLinearGradient g(QPointF(left, 0), QPointF(right, 0));
    g.setColorAt(0, pal.edgeLight);
    g.setColorAt(0.12, pal.edge);
    g.setColorAt(0.4, mix(pal.edge, pal.accentDeep, 0.6));
    g.setColorAt(0.5, pal.accent);
    g.setColorAt(0.6, mix(pal.edge, pal.accentDeep, 0.6));
    g.setColorAt(0.88, pal.edge);
    g.setColorAt(1, pal.edgeLight);
    p.setPen(QPen(QBrush(g), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    p.drawPath(rail);
    // Short ticks where the rail meets the title buttons.
    p.setPen(QPen(pal.accent, 1));
    p.drawLine(QPointF(left + 3, kRailY - 2), QPointF(left + 3, kRailY + 2));
    p.drawLine(QPointF(right - 3, kRailY - 2), QPointF(right - 3, kRailY + 2));
    return img;
}

QImage titleButton(const SkinPalette& pal, Icon icon, bool hovered)
{
    QImage img = blank(geo::kTitleButton);
    const QRectF r = hairline(area(img));
    {
        QPainter p(&img);
        prepare(p);
        plate(p, roundRect(r, kTitleButtonRadius), r, hovered ? Plate::Hovered : Plate::Raised,
              pal);
    }
    const QRectF box((area(img).width() - kTitleIcon) / 2, (area(img).height() - kTitleIcon) / 2,
                     kTitleIcon, kTitleIcon);
    const qreal stroke = icon == Icon::Close ? kTitleIconStroke : 1;
    paintIcon(img, icon, box, stroke, hovered ? pal.accentLight : pal.glyph, pal.accent,
              hovered ? 0.7 : 0);
    return img;
}

QImage bottomContainer(const SkinPalette& pal)
{
    QImage img = blank(geo::kListDnContainer);
    const qreal w = area(img).width();
    const qreal h = area(img).height();
    const qreal cx = w / 2;
    const qreal bottom = h - 1.5;

    QPainterPath console;
    console.moveTo(cx - kConsoleHalfTop + kConsoleChamfer, kConsoleTop);
    console.lineTo(cx + kConsoleHalfTop - kConsoleChamfer, kConsoleTop);
    console.lineTo(cx + kConsoleHalfTop, kConsoleTop + kConsoleChamfer);
    console.lineTo(cx + kConsoleHalfBottom, bottom);
    console.lineTo(cx - kConsoleHalfBottom, bottom);
    console.lineTo(cx - kConsoleHalfTop, kConsoleTop + kConsoleChamfer);
    console.closeSubpath();

    QPainterPath topEdge;
    topEdge.moveTo(cx - kConsoleHalfTop + kConsoleChamfer + 20, kConsoleTop);
    topEdge.lineTo(cx + kConsoleHalfTop - kConsoleChamfer - 20, kConsoleTop);
    glow(
        img,
        [&](QPainter& p) {
            p.setPen(QPen(Qt::white, 2));
            p.drawPath(topEdge);
        },
        pal.accent, 5, 0.8);

    QPainter p(&img);
    prepare(p);
    // Side rails with dots, fading towards the window edges.
    for (int side = -1; side <= 1; side += 2) {
        const qreal inner = cx + side * (kConsoleHalfTop - 2);
        const qreal outer = side < 0 ? 4 : w - 4;
        QLinearGradient g(QPointF(inner, 0), QPointF(outer, 0));
        g.setColorAt(0, pal.edgeLight);
        g.setColorAt(1, withAlpha(pal.edge, 0));
        p.setPen(QPen(QBrush(g), 1));
        p.drawLine(QPointF(inner, kSideRailY), QPointF(outer, kSideRailY));
        p.setPen(Qt::NoPen);
        for (int i = 0; i < kRailDots; ++i) {
            const qreal x = inner + side * (14 + i * 8);
            p.setBrush(withAlpha(i < 3 ? pal.accent : pal.glyphDim, 220 - i * 24));
            p.drawRect(QRectF(x - 1, kSideRailY - 4, 2, 2));
        }
    }
    p.fillPath(console, vertical(console.boundingRect(), mix(pal.raised, pal.panel, 0.3),
                                 withAlpha(pal.panelDeep, kConsoleAlpha)));
    p.setPen(QPen(pal.edge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(console);
    QLinearGradient edge(QPointF(cx - kConsoleHalfTop, 0), QPointF(cx + kConsoleHalfTop, 0));
    edge.setColorAt(0, withAlpha(pal.accent, 0));
    edge.setColorAt(0.5, pal.accentLight);
    edge.setColorAt(1, withAlpha(pal.accent, 0));
    p.setPen(QPen(QBrush(edge), 1.5));
    p.drawPath(topEdge);
    return img;
}

QPainterPath fnButtonShape()
{
    const QRectF r = hairline(QRectF(QPointF(0, 0), QSizeF(geo::kFnButton)));
    QPainterPath rounded = roundRect(r, kFnRadius);
    QPainterPath cut;
    cut.moveTo(r.right() - kFnChamfer, r.bottom() + 1);
    cut.lineTo(r.right() + 1, r.bottom() - kFnChamfer);
    cut.lineTo(r.right() + 1, r.bottom() + 1);
    cut.closeSubpath();
    return rounded.subtracted(cut);
}

QImage fnButton(const SkinPalette& pal, bool hovered)
{
    QImage img = blank(geo::kFnButton);
    const QPainterPath shape = fnButtonShape();
    const QRectF r(area(img));
    if (hovered)
        glow(
            img, [&](QPainter& p) { p.fillRect(kFnMarker, Qt::white); }, pal.accent, 6, 1.0,
            QPainterPath());
    QPainter p(&img);
    prepare(p);
    if (hovered) {
        p.fillPath(shape, vertical(r, pal.raisedTop, pal.raised));
        QLinearGradient wash = horizontal(r, withAlpha(pal.accent, 90), withAlpha(pal.accent, 0));
        wash.setColorAt(0.7, withAlpha(pal.accent, 18));
        p.fillPath(shape, wash);
        QLinearGradient border = horizontal(r, pal.accent, withAlpha(pal.accent, 90));
        p.setPen(QPen(QBrush(border), 1));
    } else {
        p.fillPath(shape, vertical(r, withAlpha(pal.raised, kFnPlateAlpha),
                                   withAlpha(pal.panel, kFnPlateAlpha)));
        p.setPen(QPen(pal.edge, 1));
    }
    p.drawPath(shape);
    p.setClipPath(shape);
    p.setPen(QPen(withAlpha(hovered ? pal.accentLight : pal.edgeLight, hovered ? 110 : 70), 1));
    p.drawLine(QPointF(3, 1.5), QPointF(r.width() - 6, 1.5));
    p.setClipping(false);
    p.setPen(Qt::NoPen);
    p.setBrush(hovered ? pal.accentLight : pal.accentDeep);
    p.drawRoundedRect(kFnMarker, 1, 1);
    return img;
}

QImage fnIcon(const SkinPalette& pal, Icon icon, bool current)
{
    QImage img = blank(geo::kFnIcon);
    const QRectF box(QPointF(0, 0), QSizeF(geo::kFnIcon));
    paintIcon(img, icon, box.adjusted(1, 1, -1, -1), kFnIconStroke,
              current ? pal.accentLight : pal.glyph, pal.accent, current ? 1.0 : 0);
    return img;
}

QImage profileContainer(const SkinPalette& pal)
{
    QImage img = blank(geo::kListPfContainer);
    const qreal bottom = area(img).height() - 4.5;
    const QRectF plateRect(QPointF(kPfPlateLeft, kPfPlateTop), QPointF(kPfPlateRight, bottom));
    const QRectF head(kPfPlateLeft + 6, kPfHeadTop, kPfPlateRight - kPfPlateLeft - 12,
                      kPfHeadHeight);
    const QRectF iconBox(head.center().x() - kPfHeadIcon / 2, head.center().y() - kPfHeadIcon / 2,
                         kPfHeadIcon, kPfHeadIcon);
    {
        QPainter p(&img);
        prepare(p);
        // The plate fades out downwards: the lower slots stay open when there
        // are only a few profiles.
        p.fillPath(roundRect(plateRect, kPfRadius),
                   vertical(plateRect, withAlpha(pal.panel, 220), withAlpha(pal.panel, 0)));
        QLinearGradient border = vertical(plateRect, pal.edge, withAlpha(pal.edge, 0));
        p.setPen(QPen(QBrush(border), 1));
        p.drawPath(roundRect(plateRect, kPfRadius));
        QLinearGradient spine = vertical(plateRect, pal.accent, withAlpha(pal.accentDeep, 0));
        p.setPen(QPen(QBrush(spine), 2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(kPfPlateRight - 3, kPfPlateTop + 8),
                   QPointF(kPfPlateRight - 3, kPfPlateTop + 160));
        // Slot marks beside each profile button.
        p.setPen(Qt::NoPen);
        for (int i = 0; i < geo::kPfSlots; ++i) {
            const qreal y = geo::kPfListPos.y() + geo::kPfButton.height() * (i + 0.5);
            p.setBrush(withAlpha(pal.glyphDim, 200 - i * 18));
            p.drawRect(QRectF(kPfPlateRight - 9, y - 1, 2, 2));
        }
        // Connector and heading tab.
        p.setPen(QPen(pal.edge, 1));
        p.drawLine(QPointF(head.center().x(), head.bottom()),
                   QPointF(head.center().x(), kPfPlateTop));
        plate(p, roundRect(hairline(head), 5), head, Plate::Raised, pal);
    }
    paintIcon(img, Icon::Layers, iconBox, kPfMarkStroke, pal.accent, pal.accent, 0.6);
    return img;
}

QImage profileMark(const SkinPalette& pal, bool active)
{
    // A memory chip drawn on the pixel grid: body, core and two pins a side.
    QImage img = blank(geo::kProfileState);
    const QRectF body = hairline(kPfChipBody);
    const QColor ink = active ? pal.accentLight : pal.glyphDim;
    auto pins = [&](QPainter& p, const QColor& c) {
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        for (int at : kPfChipPins) {
            p.drawRect(QRectF(at, 0, 1, kPfChipBody.top()));
            p.drawRect(QRectF(at, kPfChipBody.bottom() + 1, 1, kPfChipBody.top()));
            p.drawRect(QRectF(0, at, kPfChipBody.left(), 1));
            p.drawRect(QRectF(kPfChipBody.right() + 1, at, kPfChipBody.left(), 1));
        }
    };
    if (active)
        glow(
            img,
            [&](QPainter& p) {
                p.fillRect(kPfChipBody, Qt::white);
                pins(p, Qt::white);
            },
            pal.accent, 3, 0.9);
    QPainter p(&img);
    prepare(p);
    pins(p, ink);
    if (active) {
        p.setPen(QPen(pal.accentLight, 1));
        p.setBrush(pal.accent);
    } else {
        p.setPen(QPen(ink, 1));
        p.setBrush(withAlpha(pal.panelDeep, 200));
    }
    p.drawRoundedRect(body, 1.5, 1.5);
    p.fillRect(kPfChipCore, active ? pal.panelDeep : ink);
    return img;
}

} // namespace

void paintMenus(const SkinPalette& pal, SkinWriter& out)
{
    out.save(QStringLiteral("list_up/listUpContainer.png"), topContainer(pal));
    for (int state = 0; state < 2; ++state) {
        const QString n = QString::number(state);
        out.save(QStringLiteral("list_up/applicationSetting_%1.png").arg(n),
                 titleButton(pal, Icon::Gear, state));
        out.save(QStringLiteral("list_up/applicationMinimize_%1.png").arg(n),
                 titleButton(pal, Icon::Close, state));
        out.save(QStringLiteral("list_fn/listFnBtn_%1.png").arg(n), fnButton(pal, state));
        out.save(QStringLiteral("list_fn/fnKeydefine_%1.png").arg(n),
                 fnIcon(pal, Icon::Keyboard, state));
        out.save(QStringLiteral("list_fn/fnMacro_%1.png").arg(n), fnIcon(pal, Icon::Macro, state));
        out.save(QStringLiteral("list_fn/fnColor_%1.png").arg(n), fnIcon(pal, Icon::Bulb, state));
        out.save(QStringLiteral("list_pf/profileFW_%1.png").arg(n), profileMark(pal, state));
    }
    out.save(QStringLiteral("list_dn/listDnContainer.png"), bottomContainer(pal));
    out.save(QStringLiteral("list_pf/listPfContainer.png"), profileContainer(pal));
}
