#pragma once

// The window itself: background.png and the frame/ folder (frame overlay,
// the two corner decorations and the web logo).

class SkinWriter;
struct SkinPalette;

void paintWindow(const SkinPalette& pal, SkinWriter& out);
