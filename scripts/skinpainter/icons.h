#pragma once

// The vector glyphs of the skins, drawn on a 24 x 24 design grid and scaled
// onto any box. Strokes keep a pixel width chosen by the caller, so small
// icons stay crisp instead of thinning out.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

enum class Icon
{
    Gear,     // settings
    Close,    // close the window
    Keyboard, // key assignment page
    Macro,    // macro page: a list of steps with a play mark
    Bulb,     // lighting pages
    Plus,     // add
    Minus,    // delete
    Record,   // record dot
    Stop,     // stop square
    Trash,    // delete a macro step
    Scissors, // cut
    Copy,     // copy: two sheets
    Paste,    // paste: clipboard
    Globe,    // the web logo
    Chip,     // profile in the keyboard's firmware
    Layers,   // the profile menu heading
    Reset,    // undo arrow
    Check,    // apply
};

// The icon's outline in picture pixels: the design grid mapped onto `box`,
// its strokes widened to `strokeWidth` pixels.
QPainterPath iconPath(Icon icon, const QRectF& box, qreal strokeWidth);

// Paints the icon in `color`; with `glowStrength` above 0 it first lays a
// soft halo of `glowColor` around it (hovered and selected looks).
void paintIcon(QImage& picture, Icon icon, const QRectF& box, qreal strokeWidth,
               const QColor& color, const QColor& glowColor = QColor(), qreal glowStrength = 0);
