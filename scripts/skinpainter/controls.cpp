#include "controls.h"

#include "canvas.h"
#include "geometry.h"
#include "icons.h"
#include "skinpalette.h"
#include "skinwriter.h"

using namespace canvas;

namespace {

constexpr qreal kFieldRadius = 4;  // fields, lists, button groups
constexpr qreal kSmallRadius = 3;  // input boxes, check boxes, tool buttons
constexpr qreal kSegmentInset = 2; // a 21 x 21 segment shows a 17 x 17 tile
constexpr qreal kSegmentRadius = 3;
constexpr qreal kSegment11Radius = 2;
constexpr int kLineAlpha = 150; // draw_line
constexpr qreal kLineAccentShare = 0.2;
constexpr qreal kScrollGutter = 7; // file list: track of the scroll bar at the right
constexpr int kGutterAlpha = 70;
constexpr int kSlotAlpha = 160; // colour strip: wells behind the swatches
constexpr int kTickAlpha = 220;
constexpr qreal kCheckStroke = 2;
constexpr qreal kCheckRimShare = 0.6; // empty check box: edge towards edgeLight
constexpr qreal kActionIcon = 14;     // reset/apply glyph box
constexpr qreal kActionStroke = 1.7;
constexpr qreal kToolIcon = 13; // tool button glyph box
constexpr qreal kToolStroke = 1.5;
constexpr qreal kFrameRadius = 5;
constexpr int kCellIdleAlpha = 26; // button-group cell, idle fill
constexpr int kCellLitAlpha = 80;  // button-group cell, hovered or current fill

QPainterPath full(const QImage& img, qreal radius)
{
    return roundRect(hairline(area(img)), radius);
}

QImage field(const SkinPalette& pal, QSize size, qreal radius)
{
    QImage img = blank(size);
    QPainter p(&img);
    prepare(p);
    plate(p, full(img, radius), area(img), Plate::Inset, pal);
    return img;
}

QImage line(const SkinPalette& pal)
{
    QImage img = blank(geo::kLine);
    img.fill(withAlpha(mix(pal.edgeLight, pal.accent, kLineAccentShare), kLineAlpha));
    return img;
}

QImage fileList(const SkinPalette& pal)
{
    QImage img = field(pal, geo::kFileList, kFieldRadius);
    QPainter p(&img);
    prepare(p);
    const QRectF gutter(area(img).width() - kScrollGutter - 2, 3, kScrollGutter - 2,
                        area(img).height() - 6);
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(pal.edge, kGutterAlpha));
    p.drawRoundedRect(gutter, gutter.width() / 2, gutter.width() / 2);
    return img;
}

QImage paletteIndex(const SkinPalette& pal)
{
    QImage img = blank(geo::kPaletteIndex);
    QPainter p(&img);
    prepare(p);
    for (int i = 0; i < geo::kSwatchCount; ++i) {
        const qreal x = i * geo::kSwatchPitch;
        // The track of the marker bar, the well around the colour square.
        p.fillRect(QRectF(x + 1, 0, geo::kSwatchWidth - 2, geo::kSwatchBar - 1),
                   withAlpha(pal.edge, kSlotAlpha));
        const QRectF well = QRectF(geo::kSwatchSquare).translated(x, 0).adjusted(-1, -1, 1, 1);
        p.fillRect(well, withAlpha(pal.panelDeep, 255));
        p.setPen(QPen(pal.edge, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(hairline(well), 1.5, 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(pal.glyphDim, kSlotAlpha));
        p.drawRect(QRectF(x + geo::kSwatchWidth / 2.0 - 1, well.bottom() + 2, 2, 2));
    }
    return img;
}

QImage palette(const SkinPalette& pal)
{
    QImage img = blank(geo::kPalette);
    QPainter p(&img);
    prepare(p);
    const qreal w = area(img).width();
    const qreal h = area(img).height();
    const QRectF bar(0, geo::kPaletteBarInset, w, h - 2 * geo::kPaletteBarInset);
    plate(p, roundRect(hairline(bar), 2), bar, Plate::Inset, pal);
    // Ruler ticks above and below the bar at the gradient's nine stops.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < geo::kPaletteStops; ++i) {
        const qreal x = std::min(w - 1, std::floor((w - 1) * i / (geo::kPaletteStops - 1)));
        const QColor c = withAlpha((i % 2) ? pal.glyphDim : pal.accent, kTickAlpha);
        p.setBrush(c);
        p.drawRect(QRectF(x, 0, 1, geo::kPaletteBarInset - 1));
        p.drawRect(QRectF(x, h - geo::kPaletteBarInset + 1, 1, geo::kPaletteBarInset - 1));
    }
    return img;
}

QImage checkbox(const SkinPalette& pal, bool checked)
{
    QImage img = blank(geo::kCheckbox);
    const QRectF r(area(img));
    {
        QPainter p(&img);
        prepare(p);
        plate(p, full(img, kSmallRadius), r, checked ? Plate::Hovered : Plate::Inset, pal);
        if (!checked) {
            // An empty box needs a brighter rim than a field to be found.
            p.setPen(QPen(mix(pal.edge, pal.edgeLight, kCheckRimShare), 1));
            p.drawPath(full(img, kSmallRadius));
        }
    }
    if (checked)
        paintIcon(img, Icon::Check, r.adjusted(1, 1, -1, -1), kCheckStroke, pal.accentLight,
                  pal.accent, 0.9);
    return img;
}

QImage iconButton(const SkinPalette& pal, QSize size, Icon icon, qreal iconSize, qreal stroke,
                  bool hovered, const QColor& idleGlyph)
{
    QImage img = blank(size);
    const QRectF r(area(img));
    {
        QPainter p(&img);
        prepare(p);
        plate(p, full(img, kSmallRadius), r, hovered ? Plate::Hovered : Plate::Raised, pal);
    }
    const QRectF box(r.center().x() - iconSize / 2, r.center().y() - iconSize / 2, iconSize,
                     iconSize);
    const QColor hoverGlyph = icon == Icon::Record ? pal.record : pal.accentLight;
    const QColor halo = icon == Icon::Record ? pal.record : pal.accent;
    paintIcon(img, icon, box, stroke, hovered ? hoverGlyph : idleGlyph, halo, hovered ? 0.9 : 0);
    return img;
}

QImage twoButtonFrame(const SkinPalette& pal)
{
    QImage img = blank(geo::kTwoButtonFrame);
    QPainter p(&img);
    prepare(p);
    const QRectF r = hairline(area(img));
    p.fillPath(roundRect(r, kFrameRadius), withAlpha(pal.panelDeep, 230));
    p.setPen(QPen(pal.edge, 1));
    p.drawPath(roundRect(r, kFrameRadius));
    // Accent under the seam between the two buttons.
    const qreal seam = geo::kActionButton.width() + 0.5;
    p.setPen(QPen(pal.accent, 1));
    p.drawLine(QPointF(seam - 4, r.bottom()), QPointF(seam + 4, r.bottom()));
    return img;
}

QImage toolFrame(const SkinPalette& pal)
{
    QImage img = blank(geo::kToolFrame);
    QPainter p(&img);
    prepare(p);
    const QRectF r = hairline(area(img));
    p.fillPath(roundRect(r, kSmallRadius + 1), withAlpha(pal.panelDeep, 230));
    p.setPen(QPen(pal.edge, 1));
    p.drawPath(roundRect(r, kSmallRadius + 1));
    return img;
}

QImage segment(const SkinPalette& pal, bool lit)
{
    QImage img = blank(geo::kSegment);
    const QRectF tile =
        area(img).adjusted(kSegmentInset, kSegmentInset, -kSegmentInset, -kSegmentInset);
    const QPainterPath shape = roundRect(hairline(tile), kSegmentRadius);
    if (lit)
        glow(
            img, [&](QPainter& p) { p.fillPath(shape, Qt::white); }, pal.accent, 4, 0.9);
    QPainter p(&img);
    prepare(p);
    if (lit) {
        plate(p, shape, tile, Plate::Lit, pal);
    } else {
        // Mid-tone so that the wheel's dark arrow labels stay readable.
        p.fillPath(shape, vertical(tile, mix(pal.raisedTop, pal.edgeLight, 0.35), pal.raisedTop));
        p.setPen(QPen(pal.edge, 1));
        p.drawPath(shape);
    }
    return img;
}

QImage slider11Base(const SkinPalette& pal)
{
    QImage img = field(pal, geo::kSlider11Base, kFieldRadius + 1);
    QPainter p(&img);
    prepare(p);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < geo::kSlider11Steps; ++i) {
        const qreal x = geo::kSlider11Area.x() + i * geo::kSlider11Pitch +
                        geo::kSlider11Segment.width() / 2.0 - 0.5;
        p.setBrush(withAlpha(i % 5 == 0 ? pal.accentDeep : pal.glyphDim, kTickAlpha));
        p.drawRect(QRectF(x, 2, 1, 3));
        p.drawRect(QRectF(x, area(img).height() - 5, 1, 3));
    }
    return img;
}

QImage slider11Segment(const SkinPalette& pal, bool lit)
{
    QImage img = blank(geo::kSlider11Segment);
    const QRectF r(area(img));
    QPainter p(&img);
    prepare(p);
    const QPainterPath shape = roundRect(hairline(r), kSegment11Radius);
    if (lit) {
        plate(p, shape, r, Plate::Lit, pal);
    } else {
        p.fillPath(shape, vertical(r, pal.raisedTop, pal.raised));
        p.setPen(QPen(pal.edge, 1));
        p.drawPath(shape);
    }
    return img;
}

QImage groupBase(const SkinPalette& pal, QSize size, std::initializer_list<int> rows)
{
    QImage img = field(pal, size, kFieldRadius + 1);
    QPainter p(&img);
    prepare(p);
    // Faint dividers between the cells of each row.
    p.setPen(QPen(withAlpha(pal.edge, 200), 1));
    for (int y : rows) {
        for (int i = 1; i < geo::kGroupCells; ++i) {
            const qreal x = geo::kGroupCellX + i * geo::kGroupPitch - 1.5;
            p.drawLine(QPointF(x, y + 3), QPointF(x, y + geo::kGroupCell.height() - 3));
        }
    }
    if (rows.size() > 1) {
        p.setPen(QPen(pal.accentDeep, 2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(12, 3), QPointF(size.width() * 0.35, 3));
    }
    return img;
}

QImage groupCell(const SkinPalette& pal, bool lit)
{
    QImage img = blank(geo::kGroupCell);
    const QRectF r(area(img));
    QPainter p(&img);
    prepare(p);
    const QPainterPath shape = roundRect(hairline(r), kSmallRadius);
    if (lit) {
        p.fillPath(shape, vertical(r, withAlpha(pal.accent, kCellLitAlpha / 2),
                                   withAlpha(pal.accent, kCellLitAlpha)));
        p.setPen(QPen(pal.accent, 1));
        p.drawPath(shape);
        p.setPen(QPen(pal.accentLight, 2, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(r.width() * 0.25, r.bottom() - 1),
                   QPointF(r.width() * 0.75, r.bottom() - 1));
    } else {
        p.fillPath(shape, withAlpha(pal.edgeLight, kCellIdleAlpha));
        p.setPen(QPen(withAlpha(pal.edge, 160), 1));
        p.drawPath(shape);
    }
    return img;
}

QImage fileListFrame(const SkinPalette& pal)
{
    QImage img = blank(geo::kFileListFrame);
    const QRectF r = hairline(area(img));
    const QLineF topBar(kFrameRadius + 2, 1.5, area(img).width() - kFrameRadius - 2, 1.5);
    glow(
        img,
        [&](QPainter& p) {
            p.setPen(QPen(Qt::white, 2));
            p.drawLine(topBar);
        },
        pal.accent, 4, 0.7);
    QPainter p(&img);
    prepare(p);
    QLinearGradient border = vertical(r, pal.edgeLight, pal.edge);
    border.setColorAt(0.15, pal.edge);
    p.setPen(QPen(QBrush(border), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r, kFrameRadius, kFrameRadius);
    p.setPen(QPen(pal.accent, 2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(topBar);
    // Rule between the heading and the list.
    const qreal rule = geo::kFileListTop - 0.5;
    QLinearGradient g(QPointF(1, rule), QPointF(area(img).width() - 1, rule));
    g.setColorAt(0, pal.accentDeep);
    g.setColorAt(0.5, pal.accent);
    g.setColorAt(1, pal.accentDeep);
    p.setPen(QPen(QBrush(g), 1));
    p.drawLine(QPointF(1, rule), QPointF(area(img).width() - 1, rule));
    return img;
}

} // namespace

void paintControls(const SkinPalette& pal, SkinWriter& out)
{
    const QString dir = QStringLiteral("common/");
    auto save = [&](const QString& name, const QImage& img) {
        out.save(dir + name, img);
    };
    save(QStringLiteral("slider_BASE.png"), field(pal, geo::kField, kFieldRadius));
    save(QStringLiteral("draw_line.png"), line(pal));
    save(QStringLiteral("filelist_BASE.png"), fileList(pal));
    save(QStringLiteral("draw_inputValue.png"), field(pal, geo::kInputValue, kSmallRadius));
    save(QStringLiteral("draw_paletteIndex.png"), paletteIndex(pal));
    save(QStringLiteral("draw_palette.png"), palette(pal));
    save(QStringLiteral("fram_2btn.png"), twoButtonFrame(pal));
    save(QStringLiteral("btnFrame.png"), toolFrame(pal));
    save(QStringLiteral("btnFileListFrame.png"), fileListFrame(pal));
    save(QStringLiteral("slider_11_BASE.png"), slider11Base(pal));
    save(QStringLiteral("btnGroup_4_BASE.png"),
         groupBase(pal, geo::kGroup4Base, {geo::kGroup4CellY}));
    save(QStringLiteral("btnGroup_8_BASE.png"),
         groupBase(pal, geo::kGroup8Base, {geo::kGroup8CellY1, geo::kGroup8CellY2}));

    struct ToolButton
    {
        const char* name;
        Icon icon;
    };
    const ToolButton tools[] = {
        {"add", Icon::Plus},          {"delete", Icon::Minus},       {"record", Icon::Record},
        {"stop", Icon::Stop},         {"solid-delete", Icon::Trash}, {"solid-cut", Icon::Scissors},
        {"solid-paste", Icon::Paste}, {"solid-copy", Icon::Copy},
    };
    for (int state = 0; state < 2; ++state) {
        const bool on = state == 1;
        const QString suffix = QStringLiteral("_%1.png").arg(state);
        save(QStringLiteral("checkbox") + suffix, checkbox(pal, on));
        save(QStringLiteral("reset") + suffix,
             iconButton(pal, geo::kActionButton, Icon::Reset, kActionIcon, kActionStroke, on,
                        pal.glyph));
        save(QStringLiteral("apply") + suffix,
             iconButton(pal, geo::kActionButton, Icon::Check, kActionIcon, kActionStroke, on,
                        pal.glyph));
        for (const ToolButton& t : tools) {
            const QColor idle =
                t.icon == Icon::Record ? mix(pal.record, pal.glyphDim, 0.45) : pal.glyph;
            save(QLatin1String(t.name) + suffix,
                 iconButton(pal, geo::kToolButton, t.icon, kToolIcon, kToolStroke, on, idle));
        }
        save(QStringLiteral("slider_FILLER") + suffix, segment(pal, on));
        save(QStringLiteral("slider_11_FILLER") + suffix, slider11Segment(pal, on));
        save(QStringLiteral("btnGroup_FILLER") + suffix, groupCell(pal, on));
    }
}
