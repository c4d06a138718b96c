#pragma once

#include "ui/types.h"

namespace dialogs {

// A control's place as the dialogs are designed, in twips, in the pixels the
// program works in: 15 twips to the pixel on every screen.
constexpr ui::Rect twips(int left, int top, int width, int height)
{
    constexpr auto px = [](int t) { return (2 * t + 15) / 30; };
    return {px(left), px(top), px(width), px(height)};
}

}  // namespace dialogs
