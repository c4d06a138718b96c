#pragma once

#include "ui/art.h"
#include "ui/types.h"

namespace bar {

// One shape of the bar: where every element goes. Pixels within the bar,
// except the window's own size, which is in twips.
struct BarLayout {
    ui::Art background;
    float widthTwips;
    float heightTwips;
    ui::Rect panel;             // every group panel Grp(g)
    ui::Point slotStep;         // button k of a group sits at k * step within its panel
    ui::Point firstTab;         // tab Conts(0); tab g is g steps further
    ui::Point tabStep;
    ui::Point exitButton;       // Picture4
    ui::Point trayButton;       // Picture1
    ui::Point settingsButton;   // Picture2
    ui::Point infoButton;       // Picture3
    ui::Art infoPicture;
    ui::Point infoSize;         // the button takes its picture's size
    ui::Point topmostButton;    // Picture5
    ui::Point fixButton;        // Picture6
    ui::Point styleButton;      // FormStyleHen
    ui::Art stylePicture;
    const char* styleToolTip;
    bool infoLine;              // Label1 shown
};

inline constexpr BarLayout kHorizontal{
    ui::Art::YokoHome, 5490, 1110,
    {23, 23, 340, 32}, {34, 0},
    {60, 4}, {25, 0},
    {2, 2}, {22, 3}, {40, 3}, {312, 3}, ui::Art::SeiY, {53, 16},
    {2, 55}, {24, 56},
    {2, 37}, ui::Art::StyleT, "縦型に変更",
    true,
};

inline constexpr BarLayout kVertical{
    ui::Art::TateHome, 1010, 5490,
    {32, 24, 32, 340}, {0, 34},
    {2, 90}, {0, 17},
    {2, 2}, {5, 43}, {5, 24}, {1, 333}, ui::Art::SeiT, {29, 31},
    {48, 2}, {5, 65},
    {30, 2}, ui::Art::StyleY, "横型に変更",
    false,
};

// The info label's place in the horizontal shape.
inline constexpr ui::Rect kInfoLabel{46, 58, 315, 12};

}  // namespace bar
