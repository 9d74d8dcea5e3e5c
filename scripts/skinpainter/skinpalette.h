#pragma once

// The colours of one skin. Every picture is painted from these roles only, so
// the two skins differ in nothing but this table.

#include <QColor>
#include <vector>

struct SkinPalette
{
    int number = 0;     // the skin folder, modules/img/skin<number>
    QColor accent;      // the signature colour: lit segments, glows, selection frames
    QColor accentLight; // hovered glyphs and the bright rim of lit surfaces
    QColor accentDeep;  // the dark end of accent gradients, idle accent details
    QColor bodyTop;     // window body, top of its gradient
    QColor bodyBottom;  // window body, bottom of its gradient
    QColor panel;       // plates: pages, menus, bars
    QColor panelDeep;   // recessed wells: fields, lists, the keyboard well
    QColor raised;      // buttons and key caps, lower part
    QColor raisedTop;   // buttons and key caps, upper face
    QColor edge;        // 1-px borders
    QColor edgeLight;   // rim light on upper edges, separators
    QColor glyph;       // icons in their normal state
    QColor glyphDim;    // ticks, idle marks, unlit details
    QColor record;      // the record dot (a red that suits the skin)
    QColor shadow;      // drop and inner shadows
};

// Skin 1 and skin 2, in folder order.
const std::vector<SkinPalette>& skinPalettes();
