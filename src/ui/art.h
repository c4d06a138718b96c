#pragma once

#include <array>
#include <string_view>

#include "ui/types.h"

namespace ui {

// The pictures compiled into the program, by the names the windows use.
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

// The name the picture is compiled under; empty for None and ProgramIcon.
std::string_view artName(Art art);
// The picture's size in design pixels.
Point artSize(Art art);

// Every picture is compiled in drawn for these display scales, in dpi (100,
// 125, 150 and 200 %); tools/make_art.py draws them.
inline constexpr std::array<int, 4> kArtDpis{96, 120, 144, 192};
// The drawing to show a picture from at a size in device pixels, by its dpi:
// the one of exactly that size, else the smallest larger one (scaled down),
// else the largest (scaled up).
int artVariantDpi(Art art, Point device);

constexpr Art btB(int tab) { return static_cast<Art>(static_cast<int>(Art::BtB0) + tab); }
constexpr Art btF(int tab) { return static_cast<Art>(static_cast<int>(Art::BtF0) + tab); }

}  // namespace ui
