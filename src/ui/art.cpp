#include "ui/art.h"

#include <array>

#include "ui/scale.h"

namespace ui {
namespace {

struct ArtInfo {
    std::string_view name;
    Point size;
};

constexpr std::array<ArtInfo, static_cast<std::size_t>(Art::Last) + 1> kArt{{
    {{}, {0, 0}},
    {"YokoHome", {366, 74}},
    {"TateHome", {67, 366}},
    {"Aki", {32, 32}},
    {"BtB0", {24, 14}}, {"BtB1", {24, 14}}, {"BtB2", {24, 14}}, {"BtB3", {24, 14}}, {"BtB4", {24, 14}},
    {"BtB5", {24, 14}}, {"BtB6", {24, 14}}, {"BtB7", {24, 14}}, {"BtB8", {24, 14}}, {"BtB9", {24, 14}},
    {"BtF0", {24, 14}}, {"BtF1", {24, 14}}, {"BtF2", {24, 14}}, {"BtF3", {24, 14}}, {"BtF4", {24, 14}},
    {"BtF5", {24, 14}}, {"BtF6", {24, 14}}, {"BtF7", {24, 14}}, {"BtF8", {24, 14}}, {"BtF9", {24, 14}},
    {"StyleT", {16, 16}},
    {"StyleY", {16, 16}},
    {"SeiY", {53, 16}},
    {"SeiT", {29, 31}},
    {"FomDragOk", {16, 16}},
    {"FomDragNo", {16, 16}},
    {"ToolExit", {16, 16}},
    {"ToolTray", {16, 16}},
    {"ToolSettings", {16, 16}},
    {"ToolTopmost", {16, 16}},
    {"RegisterFace", {354, 146}},
    {"SettingsFace", {325, 340}},
    {"SettingsClose", {14, 14}},
    {"LinkMaker", {208, 16}},
    {"LinkProduct", {284, 16}},
    {"MakerLogo", {75, 50}},
    {{}, {32, 32}},
}};

const ArtInfo& infoOf(Art art) { return kArt[static_cast<std::size_t>(art)]; }

}  // namespace

std::string_view artName(Art art) { return infoOf(art).name; }

Point artSize(Art art) { return infoOf(art).size; }

int artVariantDpi(Art art, Point device)
{
    const Point design = artSize(art);
    // Sizes grow with the scale, so the first one that covers the device
    // size is the exact one when there is one.
    for (const int dpi : kArtDpis) {
        const Scale scale{dpi};
        if (scale.pixels(design.x) >= device.x && scale.pixels(design.y) >= device.y) return dpi;
    }
    return kArtDpis.back();
}

}  // namespace ui
