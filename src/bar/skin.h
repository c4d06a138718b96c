#pragma once

#include "ui/types.h"

namespace bar {

// Colours the program paints itself, matched to the bar's bitmaps.
inline constexpr ui::Rgb kButtonFace = ui::rgb(42, 49, 88);     // behind a shortcut's icon
inline constexpr ui::Rgb kPanel = ui::rgb(15, 18, 38);          // between the buttons of a group
inline constexpr ui::Rgb kInfoText = ui::rgb(220, 228, 250);    // the info line
inline const ui::Font kBarFont{"ＭＳ Ｐゴシック", 9, false};

}  // namespace bar
