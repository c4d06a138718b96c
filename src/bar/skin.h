#pragma once

#include "ui/types.h"

namespace bar {

// Colours the program paints itself, matched to the bar's bitmaps.
inline constexpr ui::Rgb kButtonFace = ui::rgb(42, 49, 88);     // behind a shortcut's icon
inline constexpr ui::Rgb kPanel = ui::rgb(15, 18, 38);          // between the buttons of a group
// The bar's outer edge, also behind its picture: the vertical bar (1010
// twips) is a rounding wider than its picture at 150 and 200 %.
inline constexpr ui::Rgb kBorder = ui::rgb(8, 10, 24);
inline constexpr ui::Rgb kInfoText = ui::rgb(220, 228, 250);    // the info line
inline constexpr ui::Rgb kFocusRing = ui::rgb(255, 196, 84);    // the keyboard's element, the shown tab's gold
inline constexpr ui::Rgb kMoveMark = ui::rgb(96, 220, 255);    // where a button being moved would land
inline const ui::Font kBarFont{"ＭＳ Ｐゴシック", 9, false};

}  // namespace bar
