#include "skinpalette.h"

namespace {

QColor hex(QRgb rgb)
{
    return QColor::fromRgb(rgb);
}

// Skin 1: cyan on graphite.
SkinPalette graphiteCyan()
{
    SkinPalette p;
    p.number = 1;
    p.accent = hex(0x2FD3E6);
    p.accentLight = hex(0xA8F4FC);
    p.accentDeep = hex(0x0E6873);
    p.bodyTop = hex(0x1B1F25);
    p.bodyBottom = hex(0x0C0E11);
    p.panel = hex(0x1A1E24);
    p.panelDeep = hex(0x0D1014);
    p.raised = hex(0x23282F);
    p.raisedTop = hex(0x303740);
    p.edge = hex(0x353D47);
    p.edgeLight = hex(0x5A6571);
    p.glyph = hex(0xAEB8C3);
    p.glyphDim = hex(0x5B6570);
    p.record = hex(0xFF4D5E);
    p.shadow = hex(0x000000);
    return p;
}

// Skin 2: amber on warm charcoal.
SkinPalette charcoalAmber()
{
    SkinPalette p;
    p.number = 2;
    p.accent = hex(0xFFA229);
    p.accentLight = hex(0xFFD79A);
    p.accentDeep = hex(0x86470A);
    p.bodyTop = hex(0x221D19);
    p.bodyBottom = hex(0x0F0C0A);
    p.panel = hex(0x211C18);
    p.panelDeep = hex(0x110E0C);
    p.raised = hex(0x2B2420);
    p.raisedTop = hex(0x3A312A);
    p.edge = hex(0x473C33);
    p.edgeLight = hex(0x6F5F51);
    p.glyph = hex(0xC6B9AB);
    p.glyphDim = hex(0x6F6358);
    p.record = hex(0xFF5540);
    p.shadow = hex(0x000000);
    return p;
}

} // namespace

const std::vector<SkinPalette>& skinPalettes()
{
    static const std::vector<SkinPalette> palettes{graphiteCyan(), charcoalAmber()};
    return palettes;
}
