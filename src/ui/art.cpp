#include "ui/art.h"

namespace ui {

std::string_view artName(Art art)
{
    switch (art) {
    case Art::None: return {};
    case Art::YokoHome: return "YokoHome";
    case Art::TateHome: return "TateHome";
    case Art::Aki: return "Aki";
    case Art::BtB0: return "BtB0";
    case Art::BtB1: return "BtB1";
    case Art::BtB2: return "BtB2";
    case Art::BtB3: return "BtB3";
    case Art::BtB4: return "BtB4";
    case Art::BtB5: return "BtB5";
    case Art::BtB6: return "BtB6";
    case Art::BtB7: return "BtB7";
    case Art::BtB8: return "BtB8";
    case Art::BtB9: return "BtB9";
    case Art::BtF0: return "BtF0";
    case Art::BtF1: return "BtF1";
    case Art::BtF2: return "BtF2";
    case Art::BtF3: return "BtF3";
    case Art::BtF4: return "BtF4";
    case Art::BtF5: return "BtF5";
    case Art::BtF6: return "BtF6";
    case Art::BtF7: return "BtF7";
    case Art::BtF8: return "BtF8";
    case Art::BtF9: return "BtF9";
    case Art::StyleT: return "StyleT";
    case Art::StyleY: return "StyleY";
    case Art::SeiY: return "SeiY";
    case Art::SeiT: return "SeiT";
    case Art::FomDragOk: return "FomDragOk";
    case Art::FomDragNo: return "FomDragNo";
    case Art::ToolExit: return "ToolExit";
    case Art::ToolTray: return "ToolTray";
    case Art::ToolSettings: return "ToolSettings";
    case Art::ToolTopmost: return "ToolTopmost";
    }
    return {};
}

}  // namespace ui
