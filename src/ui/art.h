#pragma once

#include <string_view>

#include "ui/types.h"

namespace ui {

// The bitmaps compiled into the program, by the names the windows use.
enum class Art {
    None,
    YokoHome,   // horizontal bar background
    TateHome,   // vertical bar background
    Aki,        // empty slot
    BtB0, BtB1, BtB2, BtB3, BtB4, BtB5, BtB6, BtB7, BtB8, BtB9,  // tabs of groups not shown
    BtF0, BtF1, BtF2, BtF3, BtF4, BtF5, BtF6, BtF7, BtF8, BtF9,  // tab of the group shown
    StyleT,     // orientation toggle leading to the vertical bar
    StyleY,     // orientation toggle leading to the horizontal bar
    SeiY,       // product information button, horizontal bar
    SeiT,       // product information button, vertical bar
    FomDragOk,  // window-fix toggle while the bar is movable
    FomDragNo,  // window-fix toggle while the bar is fixed
    ToolExit,
    ToolTray,
    ToolSettings,
    ToolTopmost,
    RegisterFace,   // the registration dialog's face
    SettingsFace,   // the settings dialog's face
    SettingsClose,  // the settings dialog's close picture
    LinkMaker,      // the product window's first link
    LinkProduct,    // the product window's second link
    MakerLogo,      // the product window's picture under 製作・著作
    ProgramIcon,    // the program's icon resource, for images: drawn with its transparency
    Last = ProgramIcon,
};

// The name the bitmap is compiled under; empty for None and ProgramIcon.
std::string_view artName(Art art);
// The bitmap's size in pixels.
Point artSize(Art art);

constexpr Art btB(int tab) { return static_cast<Art>(static_cast<int>(Art::BtB0) + tab); }
constexpr Art btF(int tab) { return static_cast<Art>(static_cast<int>(Art::BtF0) + tab); }

}  // namespace ui
