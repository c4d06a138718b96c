#pragma once

#include "ui/types.h"

namespace bar {

// Colours the program paints itself, matched to the bar's bitmaps.
inline constexpr ui::Rgb kButtonFace = ui::rgb(0x1C, 0x24, 0x3C);  // behind a shortcut's icon
inline constexpr ui::Rgb kPanel = ui::rgb(0x12, 0x18, 0x2A);       // between the buttons of a group
inline constexpr ui::Rgb kInfoText = ui::rgb(0xE6, 0xEA, 0xF4);    // the info line
inline const ui::Font kBarFont{"ＭＳ Ｐゴシック", 9, false};

}  // namespace bar
