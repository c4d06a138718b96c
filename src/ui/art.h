#pragma once

#include <string_view>

namespace ui {

// The bitmaps compiled into the program, by the names the windows use.
enum class Art {
    None,
    YokoHome,   // horizontal bar background, 366 x 74
    TateHome,   // vertical bar background, 67 x 366
    Aki,        // empty slot, 32 x 32
    BtB0, BtB1, BtB2, BtB3, BtB4, BtB5, BtB6, BtB7, BtB8, BtB9,  // tabs of groups not shown, 24 x 14
    BtF0, BtF1, BtF2, BtF3, BtF4, BtF5, BtF6, BtF7, BtF8, BtF9,  // tab of the group shown, 24 x 14
    StyleT,     // orientation toggle leading to the vertical bar, 16 x 16
    StyleY,     // orientation toggle leading to the horizontal bar, 16 x 16
    SeiY,       // product information button, horizontal bar, 53 x 16
    SeiT,       // product information button, vertical bar, 29 x 31
    FomDragOk,  // window-fix toggle while the bar is movable, 16 x 16
    FomDragNo,  // window-fix toggle while the bar is fixed, 16 x 16
    ToolExit,      // 16 x 16
    ToolTray,      // 16 x 16
    ToolSettings,  // 16 x 16
    ToolTopmost,   // 16 x 16
    Last = ToolTopmost,
};

// The name the bitmap is compiled under; empty for None.
std::string_view artName(Art art);

constexpr Art btB(int tab) { return static_cast<Art>(static_cast<int>(Art::BtB0) + tab); }
constexpr Art btF(int tab) { return static_cast<Art>(static_cast<int>(Art::BtF0) + tab); }

}  // namespace ui
