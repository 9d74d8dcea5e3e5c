#pragma once

// The bars and menus around the page area: list_up/ (top bar and its two
// title buttons), list_dn/ (bottom bar), list_fn/ (function menu buttons and
// their icons) and list_pf/ (profile menu and its profile marks).

class SkinWriter;
struct SkinPalette;

void paintMenus(const SkinPalette& pal, SkinWriter& out);
