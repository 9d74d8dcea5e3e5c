#pragma once

// The model_kb/ folder: for each key type 1 ... 10 the cap "k<type>-0.png"
// and its selection frame "k<type>-1.png". Caps carry no text: the scene
// draws the label over them.

class SkinWriter;
struct SkinPalette;

void paintKeycaps(const SkinPalette& pal, SkinWriter& out);
