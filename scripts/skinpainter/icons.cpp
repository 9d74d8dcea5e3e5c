#include "icons.h"

#include "canvas.h"

#include <QImage>
#include <QPainter>
#include <QPainterPathStroker>
#include <QTransform>
#include <cmath>

namespace {

constexpr qreal kGrid = 24;       // design grid
constexpr qreal kCentre = 12;     // its centre
constexpr int kGearTeeth = 6;     // few, wide teeth stay readable at title-bar size
constexpr qreal kGearBody = 7.4;  // radius of the gear's disc
constexpr qreal kGearTip = 11.2;  // radius reached by the teeth
constexpr qreal kGearTooth = 5.0; // tooth width
constexpr qreal kGearHole = 3.4;
constexpr qreal kDegrees = 360;

struct Glyph
{
    QPainterPath strokes; // centre lines, widened by the caller's stroke width
    QPainterPath fills;   // solid areas
};

QPainterPath line(qreal x1, qreal y1, qreal x2, qreal y2)
{
    QPainterPath p;
    p.moveTo(x1, y1);
    p.lineTo(x2, y2);
    return p;
}

QPainterPath polyline(std::initializer_list<QPointF> points)
{
    QPainterPath p;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first)
            p.moveTo(pt);
        else
            p.lineTo(pt);
        first = false;
    }
    return p;
}

QPainterPath rounded(qreal x, qreal y, qreal w, qreal h, qreal r)
{
    QPainterPath p;
    p.addRoundedRect(QRectF(x, y, w, h), r, r);
    return p;
}

QPainterPath circle(qreal cx, qreal cy, qreal r)
{
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), r, r);
    return p;
}

Glyph gear()
{
    QPainterPath body = circle(kCentre, kCentre, kGearBody);
    for (int i = 0; i < kGearTeeth; ++i) {
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-kGearTooth / 2, -kGearTip, kGearTooth, kGearTip), 0.8, 0.8);
        QTransform t;
        t.translate(kCentre, kCentre);
        t.rotate(kDegrees * i / kGearTeeth);
        body = body.united(t.map(tooth));
    }
    return {{}, body.subtracted(circle(kCentre, kCentre, kGearHole))};
}

Glyph keyboard()
{
    Glyph g;
    g.strokes = rounded(2.5, 6, 19, 12.5, 2.2);
    constexpr qreal kDot = 2.0;
    for (int col = 0; col < 5; ++col) {
        g.fills.addRect(QRectF(5.2 + col * 3.0, 8.6, kDot, kDot));
        if (col < 4)
            g.fills.addRect(QRectF(6.7 + col * 3.0, 11.4, kDot, kDot));
    }
    g.fills.addRect(QRectF(8, 14.4, 8, 1.8));
    return g;
}

Glyph macro()
{
    Glyph g;
    g.strokes.addPath(line(3, 6.5, 11, 6.5));
    g.strokes.addPath(line(3, 12, 9, 12));
    g.strokes.addPath(line(3, 17.5, 11, 17.5));
    QPainterPath play;
    play.moveTo(13.5, 6);
    play.lineTo(21.5, 12);
    play.lineTo(13.5, 18);
    play.closeSubpath();
    g.fills = play;
    return g;
}

Glyph bulb()
{
    Glyph g;
    QPainterPath glass;
    glass.moveTo(9.2, 16.2);
    glass.cubicTo(9.2, 13.8, 5.5, 12.6, 5.5, 9.0);
    glass.cubicTo(5.5, 5.4, 8.4, 2.8, 12, 2.8);
    glass.cubicTo(15.6, 2.8, 18.5, 5.4, 18.5, 9.0);
    glass.cubicTo(18.5, 12.6, 14.8, 13.8, 14.8, 16.2);
    glass.closeSubpath();
    g.strokes.addPath(glass);
    g.strokes.addPath(line(9.4, 19, 14.6, 19));
    g.strokes.addPath(line(10.4, 21.6, 13.6, 21.6));
    g.strokes.addPath(polyline({{10, 10.5}, {12, 12.5}, {14, 10.5}}));
    return g;
}

Glyph trash()
{
    Glyph g;
    QPainterPath body;
    body.moveTo(6.2, 8.5);
    body.lineTo(17.8, 8.5);
    body.lineTo(16.8, 20.5);
    body.lineTo(7.2, 20.5);
    body.closeSubpath();
    QPainterPath slits;
    slits.addRect(QRectF(9.6, 10.8, 1.3, 7.5));
    slits.addRect(QRectF(13.1, 10.8, 1.3, 7.5));
    g.fills = body.subtracted(slits);
    g.fills.addPath(rounded(4.5, 5.2, 15, 2.2, 0.8));
    g.fills.addPath(rounded(9.5, 3, 5, 3, 0.8));
    return g;
}

Glyph scissors()
{
    Glyph g;
    g.strokes.addPath(circle(7, 17.5, 2.9));
    g.strokes.addPath(circle(17, 17.5, 2.9));
    g.strokes.addPath(line(9.0, 15.3, 16.5, 3.5));
    g.strokes.addPath(line(15.0, 15.3, 7.5, 3.5));
    return g;
}

Glyph copy()
{
    Glyph g;
    g.strokes.addPath(polyline({{8.5, 6.5}, {8.5, 3.5}, {20.5, 3.5}, {20.5, 15.5}, {17.5, 15.5}}));
    g.fills = rounded(3.5, 8.5, 12, 12, 1.6);
    return g;
}

Glyph paste()
{
    Glyph g;
    g.strokes.addPath(rounded(4.5, 5, 15, 16.5, 2));
    g.fills.addPath(rounded(8.5, 2.5, 7, 5, 1.2));
    g.fills.addRect(QRectF(8, 11, 8, 1.8));
    g.fills.addRect(QRectF(8, 14.6, 8, 1.8));
    g.fills.addRect(QRectF(8, 18.2, 5, 1.8));
    return g;
}

Glyph globe()
{
    Glyph g;
    g.strokes.addPath(circle(kCentre, kCentre, 9));
    QPainterPath meridian;
    meridian.addEllipse(QPointF(kCentre, kCentre), 4, 9);
    g.strokes.addPath(meridian);
    g.strokes.addPath(line(3, 12, 21, 12));
    g.strokes.addPath(line(4.6, 7.5, 19.4, 7.5));
    g.strokes.addPath(line(4.6, 16.5, 19.4, 16.5));
    return g;
}

Glyph chip()
{
    Glyph g;
    g.fills = rounded(6, 6, 12, 12, 2).subtracted(rounded(9.5, 9.5, 5, 5, 1));
    for (int i = 0; i < 3; ++i) {
        const qreal at = 8.5 + i * 3.5;
        g.strokes.addPath(line(at, 2.5, at, 6));
        g.strokes.addPath(line(at, 18, at, 21.5));
        g.strokes.addPath(line(2.5, at, 6, at));
        g.strokes.addPath(line(18, at, 21.5, at));
    }
    return g;
}

Glyph layers()
{
    Glyph g;
    QPainterPath top;
    top.moveTo(12, 3);
    top.lineTo(21, 8);
    top.lineTo(12, 13);
    top.lineTo(3, 8);
    top.closeSubpath();
    g.fills = top;
    g.strokes.addPath(polyline({{3, 12.5}, {12, 17.5}, {21, 12.5}}));
    g.strokes.addPath(polyline({{3, 16.5}, {12, 21.5}, {21, 16.5}}));
    return g;
}

Glyph reset()
{
    Glyph g;
    constexpr qreal kRadius = 7;
    constexpr qreal kStartAngle = 140; // degrees, Qt's counter-clockwise convention
    constexpr qreal kSweep = -290;
    QPainterPath arc;
    const QRectF box(kCentre - kRadius, kCentre + 1 - kRadius, 2 * kRadius, 2 * kRadius);
    arc.arcMoveTo(box, kStartAngle);
    arc.arcTo(box, kStartAngle, kSweep);
    g.strokes = arc;
    // Arrow head at the arc's start, pointing along the turn.
    const QPointF tip = arc.pointAtPercent(0);
    QPainterPath head;
    head.moveTo(tip + QPointF(-4.2, -1.2));
    head.lineTo(tip + QPointF(2.6, -3.4));
    head.lineTo(tip + QPointF(0.6, 3.6));
    head.closeSubpath();
    g.fills = head;
    return g;
}

Glyph glyph(Icon icon)
{
    switch (icon) {
    case Icon::Gear:
        return gear();
    case Icon::Close: {
        Glyph g;
        g.strokes.addPath(line(6, 6, 18, 18));
        g.strokes.addPath(line(18, 6, 6, 18));
        return g;
    }
    case Icon::Keyboard:
        return keyboard();
    case Icon::Macro:
        return macro();
    case Icon::Bulb:
        return bulb();
    case Icon::Plus: {
        Glyph g;
        g.strokes.addPath(line(12, 5, 12, 19));
        g.strokes.addPath(line(5, 12, 19, 12));
        return g;
    }
    case Icon::Minus:
        return {line(5, 12, 19, 12), {}};
    case Icon::Record:
        return {{}, circle(kCentre, kCentre, 6.5)};
    case Icon::Stop:
        return {{}, rounded(6, 6, 12, 12, 1.8)};
    case Icon::Trash:
        return trash();
    case Icon::Scissors:
        return scissors();
    case Icon::Copy:
        return copy();
    case Icon::Paste:
        return paste();
    case Icon::Globe:
        return globe();
    case Icon::Chip:
        return chip();
    case Icon::Layers:
        return layers();
    case Icon::Reset:
        return reset();
    case Icon::Check:
        return {polyline({{5, 12.5}, {10, 17.5}, {19.5, 7}}), {}};
    }
    return {};
}

} // namespace

QPainterPath iconPath(Icon icon, const QRectF& box, qreal strokeWidth)
{
    const Glyph g = glyph(icon);
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / kGrid, box.height() / kGrid);
    QPainterPath out = t.map(g.fills); // keeps its fill rule: holes stay open
    if (!g.strokes.isEmpty()) {
        QPainterPathStroker stroker;
        stroker.setWidth(strokeWidth);
        stroker.setCapStyle(Qt::RoundCap);
        stroker.setJoinStyle(Qt::RoundJoin);
        const QPainterPath outline = stroker.createStroke(t.map(g.strokes));
        out = out.isEmpty() ? outline.simplified() : out.united(outline);
    }
    return out;
}

void paintIcon(QImage& picture, Icon icon, const QRectF& box, qreal strokeWidth,
               const QColor& color, const QColor& glowColor, qreal glowStrength)
{
    constexpr int kIconGlowRadius = 3;
    const QPainterPath shape = iconPath(icon, box, strokeWidth);
    if (glowStrength > 0)
        canvas::glow(
            picture, [&](QPainter& p) { p.fillPath(shape, Qt::white); }, glowColor, kIconGlowRadius,
            glowStrength);
    QPainter p(&picture);
    canvas::prepare(p);
    p.fillPath(shape, color);
}
