#pragma once

// Drawing helpers shared by all pictures: transparent canvases, colour
// arithmetic, crisp 1-px outlines, plates and a deterministic glow.

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <functional>

struct SkinPalette;

namespace canvas {

// Every picture is painted once for each pixel ratio: 1 for "name.png", 2 for
// the "name@2x.png" that Qt Quick loads on screens scaled above 1. Coordinates
// and sizes are always scene pixels; a painter on a picture from blank() maps
// them onto the picture's own pixels. Set before painting; 1 until then.
void setPixelRatio(int ratio);
int pixelRatio();

// A fully transparent picture of `size` scene pixels at the current pixel
// ratio (premultiplied ARGB, what QPainter is fastest on).
QImage blank(QSize size);
// A fully transparent picture of the same scene size and pixel ratio.
QImage blankLike(const QImage& picture);
// The picture's rectangle in scene pixels, whatever its pixel ratio.
QRectF area(const QImage& picture);

// A painter with antialiasing on, ready for vector shapes.
void prepare(QPainter& p);

QColor withAlpha(const QColor& c, int alpha);
// Linear blend from a (t = 0) to b (t = 1), alpha included.
QColor mix(const QColor& a, const QColor& b, qreal t);

QPainterPath roundRect(const QRectF& r, qreal radius);
// The rectangle moved onto pixel centres so that a 1-px pen stays crisp.
QRectF hairline(const QRectF& r);
QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom);
QLinearGradient horizontal(const QRectF& r, const QColor& left, const QColor& right);

// Paints the shape drawn by `shape` (in any colour) as a soft halo of `color`:
// the shape is blurred by `radius` scene pixels and laid over `target` at `strength`
// opacity. Pixels inside `keepOut` are left untouched.
void glow(QImage& target, const std::function<void(QPainter&)>& shape, const QColor& color,
          int radius, qreal strength, const QPainterPath& keepOut = QPainterPath());

// Clears every pixel fainter than `minAlpha`, so that the tails of glows end
// in truly transparent pixels instead of near-invisible ones.
void dropFaint(QImage& picture, int minAlpha);

// Box blur, three passes, integer arithmetic (same bytes on every run).
// `radius` is in scene pixels: a picture at pixel ratio 2 is blurred twice
// as far in its own pixels.
QImage blurred(const QImage& source, int radius);

// The looks shared by buttons, fields and plates.
enum class Plate
{
    Raised,  // a button face: lighter on top, rim light
    Inset,   // a recessed field: dark, inner shadow on top
    Hovered, // a raised face tinted with the accent, accent border
    Lit,     // a face filled with the accent
};
void plate(QPainter& p, const QPainterPath& shape, const QRectF& bounds, Plate look,
           const SkinPalette& pal);

} // namespace canvas
