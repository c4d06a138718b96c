#pragma once

#include "ui/types.h"

namespace dialogs {

// A control's place as the dialogs are designed, in twips, in design pixels
// (15 twips to the pixel; the backend scales them for the monitor). A whole
// number of twips is never half a pixel away from two, so rounding to the
// nearest is exact.
constexpr ui::Rect twips(int left, int top, int width, int height)
{
    constexpr auto px = [](int t) { return (2 * t + 15) / 30; };
    return {px(left), px(top), px(width), px(height)};
}

}  // namespace dialogs
