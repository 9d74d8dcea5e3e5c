#pragma once

// The common/ folder: fields, sliders, button groups, check boxes, the
// colour strip and picker frames, and the small icon buttons.

class SkinWriter;
struct SkinPalette;

void paintControls(const SkinPalette& pal, SkinWriter& out);
