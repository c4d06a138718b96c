#include "app/noctaris.h"
#include "bar/form1.h"
#include "menus/form2.h"
#include "shell/hover_check.h"
#include "ui/platform.h"

namespace bar {

void Form1::Conts_MouseDown(int index, int, int, float, float) { GrNO = model::Variant::number(index); }

void Form1::Conts_MouseMove(int index, int, int, float x, float y)
{
    ShIn = model::Variant::number(index);
    List3.setListIndex(index);
    Conts[index].setToolTip(List3.text());
    if (FormStyle != 0) return;
    const bool inside =
        shell::HoverCheck(app_.platform(), Conts[index], ui::roundHalfEven(x), ui::roundHalfEven(y));
    Text1.setText(inside ? List3.text() : std::string());
}

void Form1::Conts_MouseUp(int index, int button, int, float, float)
{
    GrNO = model::Variant::number(index);
    if (button == ui::mouse::kRight) {
        openGroupMenu(index, std::nullopt);
    } else if (button == ui::mouse::kLeft) {
        switchToGroup(index);
    }
}

void Form1::openGroupMenu(int group, std::optional<ui::Point> at)
{
    ShIn = model::Variant::number(group);
    app_.platform().popupMenu(window, app_.form2().GrpNN, at);
    Text1.setText("");
}

void Form1::switchToGroup(int group)
{
    // The keyboard stays on the same place of the group now shown.
    if (ui::Control* focus = window.keyboardFocus(); focus && slotOf(*focus) >= 0) {
        window.setKeyboardFocus(&ShortCut[group * model::kSlotsPerGroup + slotOf(*focus) % model::kSlotsPerGroup]);
    }
    window.setMousePointer(ui::MousePointer::Hourglass);
    Text1.setText("Now Loading...");
    shownGroup_ = group;
    redrawShownGroup();
    Grp[group].bringToFront();
    for (int tab = 0; tab < model::kGroupCount; ++tab) Conts[tab].setPicture(ui::btB(tab));
    Conts[group].setPicture(ui::btF(group));
    window.accessibleChildrenChanged();
    Text1.setText("");
    window.setMousePointer(ui::MousePointer::Default);
}

}  // namespace bar
