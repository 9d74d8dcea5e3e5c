#include "keycaps.h"

#include "canvas.h"
#include "geometry.h"
#include "skinpalette.h"
#include "skinwriter.h"

#include <vector>

using namespace canvas;

namespace {

constexpr qreal kCapRadius = 3.5;
constexpr qreal kFaceInsetSide = 2; // the top face sits inside the cap's skirt
constexpr qreal kFaceInsetTop = 1.5;
constexpr qreal kFaceInsetBottom = 4; // the skirt shows more at the front
constexpr qreal kFaceRadius = 2.5;
constexpr int kFaceRimAlpha = 70;
constexpr qreal kFrameWidth = 1.5;   // selection frame
constexpr int kFrameGlowAlpha = 110; // the frame's inner glow at the border

// One cap shape: one rectangle, or two for the L-shaped ISO Enter.
struct KeyType
{
    int type;
    std::vector<QRectF> parts;
};

// Width of a cap n units wide: n pitches less the gap between caps.
constexpr qreal units(qreal n)
{
    return n * geo::kKeyUnit - geo::kKeyGap;
}

std::vector<KeyType> keyTypes()
{
    const qreal h = geo::kKeyHeight;
    const qreal tall = geo::kKeyUnit + geo::kKeyHeight; // two rows: 54
    const qreal isoTop = units(1.5);
    const qreal isoLow = units(1.25);
    return {
        {1, {QRectF(0, 0, units(1), h)}},                                         // 26 x 26
        {2, {QRectF(0, 0, units(1.25), h)}},                                      // 33 x 26
        {3, {QRectF(0, 0, units(1.5), h)}},                                       // 40 x 26
        {4, {QRectF(0, 0, units(1.75), h)}},                                      // 47 x 26
        {5, {QRectF(0, 0, units(2), h)}},                                         // 54 x 26
        {6, {QRectF(0, 0, units(2.25), h)}},                                      // 61 x 26
        {7, {QRectF(0, 0, units(2.75), h)}},                                      // 75 x 26
        {8, {QRectF(0, 0, units(6.25), h)}},                                      // 173 x 26
        {9, {QRectF(0, 0, isoTop, h), QRectF(isoTop - isoLow, 0, isoLow, tall)}}, // 40 x 54
        {10, {QRectF(0, 0, units(1), tall)}},                                     // 26 x 54
    };
}

QSize pictureSize(const KeyType& k)
{
    QRectF all;
    for (const QRectF& r : k.parts)
        all = all.united(r);
    return all.size().toSize();
}

// The union of the parts, each inset and rounded.
QPainterPath shape(const KeyType& k, qreal left, qreal top, qreal right, qreal bottom, qreal radius)
{
    QPainterPath path;
    for (const QRectF& r : k.parts)
        path = path.united(roundRect(r.adjusted(left, top, -right, -bottom), radius));
    return path.simplified();
}

QImage cap(const SkinPalette& pal, const KeyType& k)
{
    QImage img = blank(pictureSize(k));
    const QRectF all(area(img));
    QPainter p(&img);
    prepare(p);
    const QPainterPath body = shape(k, 0.5, 0.5, 0.5, 0.5, kCapRadius);
    p.fillPath(body, vertical(all, pal.raised, mix(pal.raised, pal.shadow, 0.35)));
    p.setPen(QPen(mix(pal.edge, pal.shadow, 0.2), 1));
    p.drawPath(body);

    const QPainterPath face =
        shape(k, kFaceInsetSide, kFaceInsetTop, kFaceInsetSide, kFaceInsetBottom, kFaceRadius);
    p.fillPath(face, vertical(all, pal.raisedTop, mix(pal.raisedTop, pal.raised, 0.6)));
    p.setPen(QPen(withAlpha(pal.edgeLight, kFaceRimAlpha), 1));
    p.save();
    p.setClipRect(QRectF(0, 0, all.width(), all.height() * 0.5));
    p.drawPath(face);
    p.restore();
    return img;
}

QImage selectionFrame(const SkinPalette& pal, const KeyType& k)
{
    QImage img = blank(pictureSize(k));
    const QPainterPath outline = shape(k, 0.75, 0.75, 0.75, 0.75, kCapRadius);
    // Inner glow: the outline blurred, kept inside the cap.
    QPainterPath outside;
    outside.addRect(area(img).adjusted(-4, -4, 4, 4));
    outside = outside.subtracted(shape(k, 0, 0, 0, 0, kCapRadius));
    glow(
        img,
        [&](QPainter& p) {
            p.setPen(QPen(Qt::white, 3));
            p.drawPath(outline);
        },
        withAlpha(pal.accent, kFrameGlowAlpha), 4, 1.0, outside);
    QPainter p(&img);
    prepare(p);
    p.setPen(QPen(pal.accent, kFrameWidth));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    return img;
}

} // namespace

void paintKeycaps(const SkinPalette& pal, SkinWriter& out)
{
    for (const KeyType& k : keyTypes()) {
        out.save(QStringLiteral("model_kb/k%1-0.png").arg(k.type), cap(pal, k));
        out.save(QStringLiteral("model_kb/k%1-1.png").arg(k.type), selectionFrame(pal, k));
    }
}
