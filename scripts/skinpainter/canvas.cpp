#include "canvas.h"

#include "skinpalette.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace canvas {

namespace {

constexpr int kBlurPasses = 3;    // three box passes approximate a Gaussian
constexpr int kRimAlpha = 90;     // rim light along the top of raised faces
constexpr int kInnerShadow = 110; // shadow line along the top of recessed faces
constexpr int kHoverTint = 70;    // accent share of a hovered face, 0 ... 255

int g_pixelRatio = 1;

// One box pass (along rows or columns) over premultiplied ARGB; pixels beyond the border
// count as transparent.
void boxPass(const QImage& src, QImage& dst, int radius, bool horizontal)
{
    const int w = src.width();
    const int h = src.height();
    const int lines = horizontal ? h : w;
    const int length = horizontal ? w : h;
    const uint32_t window = uint32_t(2 * radius + 1);
    std::vector<uint32_t> line(size_t(length), 0);
    for (int l = 0; l < lines; ++l) {
        for (int i = 0; i < length; ++i)
            line[size_t(i)] = horizontal
                                  ? reinterpret_cast<const uint32_t*>(src.constScanLine(l))[i]
                                  : reinterpret_cast<const uint32_t*>(src.constScanLine(i))[l];
        std::array<int, 4> sum{0, 0, 0, 0};
        auto add = [&](int i, int sign) {
            if (i < 0 || i >= length)
                return;
            const uint32_t px = line[size_t(i)];
            for (int c = 0; c < 4; ++c)
                sum[size_t(c)] += sign * int((px >> (8 * c)) & 0xFF);
        };
        for (int i = -radius; i <= radius; ++i)
            add(i, 1);
        for (int i = 0; i < length; ++i) {
            uint32_t out = 0;
            for (int c = 0; c < 4; ++c)
                out |= ((uint32_t(sum[size_t(c)]) + window / 2) / window) << (8 * c);
            if (horizontal)
                reinterpret_cast<uint32_t*>(dst.scanLine(l))[i] = out;
            else
                reinterpret_cast<uint32_t*>(dst.scanLine(i))[l] = out;
            add(i - radius, -1);
            add(i + radius + 1, 1);
        }
    }
}

} // namespace

void setPixelRatio(int ratio)
{
    g_pixelRatio = ratio;
}

int pixelRatio()
{
    return g_pixelRatio;
}

QImage blank(QSize size)
{
    QImage img(size * g_pixelRatio, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(g_pixelRatio);
    img.fill(Qt::transparent);
    return img;
}

QImage blankLike(const QImage& picture)
{
    QImage img(picture.size(), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(picture.devicePixelRatio());
    img.fill(Qt::transparent);
    return img;
}

QRectF area(const QImage& picture)
{
    return QRectF(QPointF(0, 0), picture.deviceIndependentSize());
}

void prepare(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QColor withAlpha(const QColor& c, int alpha)
{
    QColor out = c;
    out.setAlpha(std::clamp(alpha, 0, 255));
    return out;
}

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    auto lerp = [t](int x, int y) {
        return int(x + (y - x) * t + 0.5);
    };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QPainterPath roundRect(const QRectF& r, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QRectF hairline(const QRectF& r)
{
    return r.adjusted(0.5, 0.5, -0.5, -0.5);
}

QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QLinearGradient horizontal(const QRectF& r, const QColor& left, const QColor& right)
{
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, left);
    g.setColorAt(1, right);
    return g;
}

QImage blurred(const QImage& source, int radius)
{
    QImage a = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage b = a;
    const int box = std::max(1, radius / 2) * qRound(source.devicePixelRatio());
    for (int pass = 0; pass < kBlurPasses; ++pass) {
        boxPass(a, b, box, true);
        boxPass(b, a, box, false);
    }
    return a;
}

void dropFaint(QImage& picture, int minAlpha)
{
    for (int y = 0; y < picture.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (qAlpha(line[x]) < minAlpha)
                line[x] = 0;
        }
    }
}

void glow(QImage& target, const std::function<void(QPainter&)>& shape, const QColor& color,
          int radius, qreal strength, const QPainterPath& keepOut)
{
    QImage layer = blankLike(target);
    {
        QPainter lp(&layer);
        prepare(lp);
        shape(lp);
        lp.setCompositionMode(QPainter::CompositionMode_SourceIn);
        lp.fillRect(area(layer), color);
    }
    layer = blurred(layer, radius);
    if (!keepOut.isEmpty()) {
        QPainter lp(&layer);
        prepare(lp);
        lp.setCompositionMode(QPainter::CompositionMode_Clear);
        lp.fillPath(keepOut, Qt::black);
    }
    QPainter tp(&target);
    tp.setOpacity(strength);
    tp.drawImage(0, 0, layer);
}

void plate(QPainter& p, const QPainterPath& shape, const QRectF& bounds, Plate look,
           const SkinPalette& pal)
{
    p.save();
    p.setPen(Qt::NoPen);
    const QRectF inner = bounds.adjusted(1, 1, -1, -1);
    switch (look) {
    case Plate::Raised:
        p.fillPath(shape, vertical(bounds, pal.raisedTop, pal.raised));
        p.setPen(QPen(pal.edge, 1));
        p.drawPath(shape);
        p.setClipPath(shape);
        p.setPen(QPen(withAlpha(pal.edgeLight, kRimAlpha), 1));
        p.drawLine(QPointF(inner.left() + 2, inner.top() + 0.5),
                   QPointF(inner.right() - 2, inner.top() + 0.5));
        break;
    case Plate::Inset:
        p.fillPath(shape, vertical(bounds, pal.panelDeep, mix(pal.panelDeep, pal.panel, 0.6)));
        p.setClipPath(shape);
        p.setPen(QPen(withAlpha(pal.shadow, kInnerShadow), 1));
        p.drawLine(QPointF(inner.left(), inner.top() + 0.5),
                   QPointF(inner.right(), inner.top() + 0.5));
        p.setClipping(false);
        p.setPen(QPen(pal.edge, 1));
        p.drawPath(shape);
        break;
    case Plate::Hovered: {
        const QColor tint = withAlpha(pal.accent, kHoverTint);
        p.fillPath(shape, vertical(bounds, pal.raisedTop, pal.raised));
        p.fillPath(shape, vertical(bounds, withAlpha(pal.accent, kHoverTint / 2), tint));
        p.setPen(QPen(pal.accent, 1));
        p.drawPath(shape);
        p.setClipPath(shape);
        p.setPen(QPen(withAlpha(pal.accentLight, kRimAlpha + 40), 1));
        p.drawLine(QPointF(inner.left() + 2, inner.top() + 0.5),
                   QPointF(inner.right() - 2, inner.top() + 0.5));
        break;
    }
    case Plate::Lit: {
        QLinearGradient g = vertical(bounds, pal.accentLight, pal.accentDeep);
        g.setColorAt(0.35, pal.accent);
        p.fillPath(shape, g);
        p.setPen(QPen(mix(pal.accent, pal.accentLight, 0.3), 1));
        p.drawPath(shape);
        break;
    }
    }
    p.restore();
}

} // namespace canvas
