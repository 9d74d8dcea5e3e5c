#pragma once

// Sizes of every skin picture and the scene positions they are drawn for.
//
// The scene takes the size of every element from its picture, so the sizes
// below are what the QML relies on. Those marked "scene" are dictated by the
// scene's layout; the others are this painter's choice, kept consistent
// across both skins (both skins always have identical sizes).

#include <QPoint>
#include <QRect>
#include <QSize>

namespace geo {

// ---------------------------------------------------------------- window ---

constexpr QSize kWindow{1000, 600}; // scene: the whole window
constexpr int kGlowMargin = 6;      // transparent band around the panel for its outer glow
constexpr qreal kPanelRadius = 14;  // corner radius of the window panel
constexpr QRect kPanel{kGlowMargin, kGlowMargin, kWindow.width() - 2 * kGlowMargin,
                       kWindow.height() - 2 * kGlowMargin};

// Scene placements the artwork is designed around.
constexpr QRect kPageArea{171, 96, 759, 442};   // scene: the page area
constexpr QRect kSettingsArea{5, 27, 340, 420}; // scene: the settings slide-in panel
constexpr QPoint kFnMenuPos{8, 180};            // scene: function menu
constexpr int kFnButtonPitch = 47;              // scene: 37 px button + 10 px gap
constexpr int kPfMenuRightMargin = 8;           // scene: x = 1000 - width - 8
constexpr int kPfMenuY = 95;                    // scene
constexpr QPoint kPfListPos{23, 97};            // scene: profile buttons inside their container
constexpr QSize kPfButton{49, 26};              // scene: one profile button
constexpr int kPfSlots = 10;                    // scene: room for ten profile buttons
constexpr QPoint kDecoration1Centre{78, 93};    // scene
constexpr QPoint kDecoration2Centre{923, 93};   // scene
constexpr int kUpBarMargin = 16;                // scene: top bar = container + 16 each way
constexpr int kDnBarMargin = 18;                // scene: bottom bar = container + 18 each way
constexpr int kUpButtonY = -3;                  // scene: title buttons inside the top container
constexpr int kUpButtonMargin = 5;              // scene
constexpr int kDnButtonY = 13;                  // scene: reset/save inside the bottom container
constexpr int kDnResetX = 350;                  // scene
constexpr int kLogoTop = 4;                     // scene: logo y after the power-on animation

// ------------------------------------------------------------ frame/ -------

constexpr QSize kBackground = kWindow;      // scene: background.png
constexpr QSize kFrameBackground = kWindow; // frameBackground.png, drawn at (0, 0)
constexpr QSize kDecoration{150, 100};      // decoration1.png / decoration2.png
constexpr QSize kLogo{110, 40};             // web_0.png / web_1.png

// ---------------------------------------------------- list_up / list_dn ----

// Both containers make their bar exactly 1000 px wide.
constexpr QSize kListUpContainer{kWindow.width() - 2 * kUpBarMargin, 14};
constexpr QSize kTitleButton{28, 14}; // applicationSetting_*, applicationMinimize_*
constexpr QSize kListDnContainer{kWindow.width() - 2 * kDnBarMargin, 42};

// ------------------------------------------------------------- list_fn -----

constexpr QSize kFnButton{150, 37}; // scene: listFnBtn_*
constexpr QSize kFnIcon{20, 20};    // fnKeydefine_*, fnMacro_*, fnColor_*
constexpr int kFnIconX = 10;        // scene: icon x inside the button

// ------------------------------------------------------------- list_pf -----

constexpr QSize kListPfContainer{80, 380}; // keeps the buttons right of the page area
constexpr QSize kProfileState{14, 14};     // profileFW_*

// --------------------------------------------------------- list_center -----

constexpr QSize kSettingsBackground = kSettingsArea.size(); // scene
constexpr QSize kPageBackground = kPageArea.size();         // scene: key and colour pages
constexpr int kLowPageOffset = 46;                          // scene: macro and back-light pages
constexpr QSize kCommonPageBackground{759, 442 - kLowPageOffset}; // fits below that offset

// Elements of the pages that the backgrounds frame (page coordinates).
constexpr QRect kKeyboardArea{23, 97, 642, 180};    // scene: keyboard picture, both pages
constexpr int kWellPadding = 10;                    // keyboard well around the key caps
constexpr int kPageHeaderHeight = 52;               // band holding the page's top controls
constexpr int kColorControlsTop = 328;              // colour page: band of strip, picker, sliders
constexpr int kKeyFooterTop = 296;                  // key page: band of the gaming-mode box
constexpr QRect kTextSettingBox{27, 190, 270, 176}; // scene: settings page text box
constexpr int kTextSettingTitleHeight = 19;         // scene: rule at y 19 of that box

// -------------------------------------------------------------- common -----

constexpr QSize kField{151, 23};              // slider_BASE: field, drop-down header and entry
constexpr QSize kSegment{21, 21};             // slider_FILLER_*: seven-step segment and wheel cell
constexpr QSize kSlider11Base{315, 24};       // slider_11_BASE
constexpr QPoint kSlider11Area{3, 7};         // scene: segments inside slider_11_BASE
constexpr int kSlider11Pitch = 28;            // scene
constexpr int kSlider11Steps = 11;            // scene
constexpr QSize kSlider11Segment{26, 10};     // slider_11_FILLER_*: 2 px apart
constexpr QSize kGroupCell{74, 18};           // btnGroup_FILLER_*
constexpr int kGroupPitch = 77;               // scene: cells at x 3, 80, 157, 234
constexpr int kGroupCellX = 3;                // scene
constexpr int kGroupCells = 4;                // cells per row
constexpr int kGroup4CellY = 4;               // scene
constexpr int kGroup8CellY1 = 8;              // scene: first row of the 8-cell group
constexpr int kGroup8CellY2 = 27;             // scene: second row
constexpr QSize kGroup4Base{311, 26};         // btnGroup_4_BASE
constexpr QSize kGroup8Base{311, 53};         // btnGroup_8_BASE
constexpr QSize kFileList{151, 200};          // filelist_BASE
constexpr QSize kLine{16, 1};                 // draw_line: plain colour, stretched by the scene
constexpr QSize kInputValue{39, 13};          // draw_inputValue
constexpr QSize kPaletteIndex{145, 31};       // scene: draw_paletteIndex, seven 19 x 31 swatches
constexpr int kSwatchWidth = 19;              // scene
constexpr int kSwatchPitch = 21;              // scene: swatches 2 px apart
constexpr int kSwatchBar = 3;                 // scene: marker bar on top of the current swatch
constexpr QRect kSwatchSquare{2, 10, 15, 15}; // scene: colour square inside a swatch
constexpr int kSwatchCount = 7;
constexpr QSize kPalette{96, 45}; // draw_palette: bar (96 x 39) drawn at y 3 by the scene
constexpr int kPaletteBarInset = 3;
constexpr int kPaletteStops = 9;       // scene: gradient stops at 0, 1/8 ... 1
constexpr QSize kCheckbox{15, 15};     // checkbox_*
constexpr QSize kActionButton{32, 22}; // reset_*, apply_*: the pair fits left of a slider
constexpr QSize kTwoButtonFrame{2 * kActionButton.width() + 1,
                                kActionButton.height() + 2}; // fram_2btn
constexpr QSize kToolButton{19,
                            19};    // add, delete, record, stop, solid-*: inside btnFrame at (1, 1)
constexpr QSize kToolFrame{21, 21}; // scene: btnFrame, the 21 x 21 tool frame
constexpr QSize kFileListFrame{143, 226}; // btnFileListFrame: heading and list of the macro page
constexpr int kFileListHeadingTop = 3;    // scene: heading at (1, 3), 141 x 21
constexpr int kFileListHeadingHeight = 21;
constexpr int kFileListTop = 25; // scene: list 22 below the heading top, 198 high
constexpr int kFileListHeight = 198;

// ------------------------------------------------------------ model_kb -----

constexpr int kKeyUnit = 28;   // pitch of the keyboard drawing
constexpr int kKeyGap = 2;     // one unit is 26 px of cap and 2 px of gap
constexpr int kKeyHeight = 26; // one row
constexpr int kKeyTypes = 10;
constexpr int kIsoLowerInset = 7; // ISO Enter: lower part starts 7 px in from the left

} // namespace geo
