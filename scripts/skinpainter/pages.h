#pragma once

// The list_center/ folder: the settings panel and the page backgrounds.

class SkinWriter;
struct SkinPalette;

void paintPages(const SkinPalette& pal, SkinWriter& out);
