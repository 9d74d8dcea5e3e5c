#include "pages.h"

#include "canvas.h"
#include "geometry.h"
#include "skinpalette.h"
#include "skinwriter.h"

using namespace canvas;

namespace {

constexpr qreal kPageRadius = 10;
constexpr int kPageAlpha = 238;     // pages let a trace of the window body through
constexpr int kSettingsAlpha = 250; // the settings panel covers dimmed content
constexpr int kHeaderTint = 14;     // header band: white share, 0 ... 255
constexpr qreal kTabWidth = 150;    // accent tab on the top edge
constexpr qreal kWellRadius = 8;
constexpr int kWellAlpha = 215;
constexpr qreal kWellTick = 10; // accent L marks at the well's corners
constexpr int kGrillBars = 12;  // vertical meter beside the keyboard
constexpr qreal kGrillPitch = 7;

enum class PageKind
{
    Key,      // header, keyboard well, footer band for the gaming-mode box
    Color,    // header, keyboard well, band for strip, picker and sliders
    Common,   // macro and back-lighting pages: a plain plate
    Settings, // the slide-in settings panel
};

void pagePlate(QPainter& p, const QRectF& r, const SkinPalette& pal, int alpha)
{
    const QPainterPath body = roundRect(hairline(r), kPageRadius);
    p.fillPath(body, vertical(r, withAlpha(mix(pal.panel, pal.raised, 0.5), alpha),
                              withAlpha(mix(pal.panel, pal.panelDeep, 0.5), alpha)));
    QLinearGradient border = vertical(r, pal.edgeLight, pal.edge);
    border.setColorAt(0.1, pal.edge);
    p.setPen(QPen(QBrush(border), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
}

// Accent tab on the top edge, left-aligned, with its glow.
void topTab(QImage& img, const SkinPalette& pal, qreal x)
{
    const QLineF tab(x, 1, x + kTabWidth, 1);
    glow(
        img,
        [&](QPainter& p) {
            p.setPen(QPen(Qt::white, 3));
            p.drawLine(tab);
        },
        pal.accent, 6, 0.8);
    QPainter p(&img);
    prepare(p);
    QLinearGradient g(tab.p1(), tab.p2());
    g.setColorAt(0, pal.accent);
    g.setColorAt(0.7, pal.accent);
    g.setColorAt(1, withAlpha(pal.accent, 0));
    p.setPen(QPen(QBrush(g), 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(tab.translated(0, 0.0));
}

void separator(QPainter& p, const SkinPalette& pal, qreal y, qreal x0, qreal x1)
{
    QLinearGradient g(QPointF(x0, y), QPointF(x1, y));
    g.setColorAt(0, withAlpha(pal.accentDeep, 0));
    g.setColorAt(0.15, pal.accentDeep);
    g.setColorAt(0.6, pal.edge);
    g.setColorAt(1, withAlpha(pal.edge, 0));
    p.setPen(QPen(QBrush(g), 1));
    p.drawLine(QPointF(x0, y + 0.5), QPointF(x1, y + 0.5));
}

void keyboardWell(QPainter& p, const SkinPalette& pal)
{
    const QRectF well =
        QRectF(geo::kKeyboardArea)
            .adjusted(-geo::kWellPadding, -geo::kWellPadding, geo::kWellPadding, geo::kWellPadding);
    plate(p, roundRect(hairline(well), kWellRadius), well, Plate::Inset, pal);
    p.fillPath(roundRect(hairline(well).adjusted(1, 1, -1, -1), kWellRadius - 1),
               withAlpha(pal.panelDeep, 255 - kWellAlpha));
    // Corner marks.
    const QRectF m = hairline(well).adjusted(3, 3, -3, -3);
    p.setPen(QPen(pal.accent, 1));
    auto corner = [&](QPointF c, qreal sx, qreal sy) {
        p.drawLine(c, c + QPointF(sx * kWellTick, 0));
        p.drawLine(c, c + QPointF(0, sy * kWellTick));
    };
    corner(m.topLeft(), 1, 1);
    corner(m.topRight(), -1, 1);
    corner(m.bottomLeft(), 1, -1);
    corner(m.bottomRight(), -1, -1);

    // A small level meter right of the well.
    const qreal x = well.right() + 14;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < kGrillBars; ++i) {
        const qreal y = well.bottom() - 12 - i * kGrillPitch;
        const int a = 60 + i * 12;
        p.setBrush(withAlpha(i < 4 ? pal.accentDeep : pal.edge, a));
        p.drawRect(QRectF(x, y, 22 - (i % 3) * 5, 3));
    }
}

QImage page(const SkinPalette& pal, PageKind kind)
{
    const QSize size = kind == PageKind::Common     ? geo::kCommonPageBackground
                       : kind == PageKind::Settings ? geo::kSettingsBackground
                                                    : geo::kPageBackground;
    QImage img = blank(size);
    const QRectF r(area(img));
    {
        QPainter p(&img);
        prepare(p);
        pagePlate(p, r, pal, kind == PageKind::Settings ? kSettingsAlpha : kPageAlpha);
        p.setClipPath(roundRect(hairline(r).adjusted(1, 1, -1, -1), kPageRadius - 1));
        switch (kind) {
        case PageKind::Key:
        case PageKind::Color: {
            p.fillRect(QRectF(0, 0, r.width(), geo::kPageHeaderHeight),
                       vertical(r, withAlpha(Qt::white, kHeaderTint), withAlpha(Qt::white, 0)));
            separator(p, pal, geo::kPageHeaderHeight, 0, r.width() * 0.9);
            p.setClipping(false);
            keyboardWell(p, pal);
            const qreal band = kind == PageKind::Key ? geo::kKeyFooterTop : geo::kColorControlsTop;
            separator(p, pal, band, 12, r.width() * 0.8);
            p.fillRect(QRectF(1, band + 1, r.width() - 2, r.height() - band - kPageRadius),
                       vertical(QRectF(0, band, 1, r.height() - band), withAlpha(pal.panelDeep, 90),
                                withAlpha(pal.panelDeep, 0)));
            break;
        }
        case PageKind::Common:
            separator(p, pal, 28, 12, r.width() * 0.85);
            break;
        case PageKind::Settings: {
            const QRectF box(geo::kTextSettingBox);
            p.fillRect(box, withAlpha(pal.panelDeep, 150));
            p.fillRect(QRectF(box.topLeft(), QSizeF(box.width(), geo::kTextSettingTitleHeight)),
                       withAlpha(pal.accentDeep, 70));
            QLinearGradient side = vertical(r, pal.accent, withAlpha(pal.accentDeep, 0));
            p.setPen(QPen(QBrush(side), 2, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(2, 14), QPointF(2, r.height() * 0.6));
            break;
        }
        }
    }
    topTab(img, pal, kind == PageKind::Settings ? 16 : 24);
    return img;
}

} // namespace

void paintPages(const SkinPalette& pal, SkinWriter& out)
{
    out.save(QStringLiteral("list_center/globalsettingBackground.png"),
             page(pal, PageKind::Settings));
    out.save(QStringLiteral("list_center/fnKeydefineBackground.png"), page(pal, PageKind::Key));
    out.save(QStringLiteral("list_center/fnColorBackground.png"), page(pal, PageKind::Color));
    out.save(QStringLiteral("list_center/fnCommonBackground.png"), page(pal, PageKind::Common));
}
