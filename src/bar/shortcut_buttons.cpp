#include "app/noctaris.h"
#include "bar/form1.h"
#include "menus/form2.h"
#include "shell/ascii_futi.h"
#include "shell/hover_check.h"
#include "shell/shell_api.h"
#include "shell/shell_services.h"
#include "ui/message_box.h"
#include "ui/platform.h"

namespace bar {

void Form1::touchSlot(int slot)
{
    ShIn = model::Variant::number(slot);
    selectSlot(slot);
}

void Form1::ShortCut_MouseDown(int index, int, int, float, float)
{
    touchSlot(index);
    app_.form2().ListNoA = ShIn;
}

void Form1::ShortCut_MouseMove(int index, int, int, float x, float y)
{
    touchSlot(index);
    ShortCut[index].setToolTip(List1.text());
    if (FormStyle != 0) return;
    if (shell::HoverCheck(app_.platform(), ShortCut[index], ui::roundHalfEven(x), ui::roundHalfEven(y))) {
        touchSlot(index);
        Text1.setText(List1.text());
    } else {
        Text1.setText("");
    }
}

void Form1::ShortCut_MouseUp(int index, int button, int, float, float)
{
    touchSlot(index);
    if (button == ui::mouse::kRight) {
        app_.form2().ListNoA = ShIn;
        app_.platform().popupMenu(window, app_.form2().R_Menu);
    } else if (button == ui::mouse::kLeft) {
        if (!List2.text().empty() && app_.settings().SKidoA == 1) SctExec();
    }
}

void Form1::ShortCut_DblClick(int index)
{
    touchSlot(index);
    app_.form2().ListNoA = ShIn;
    if (app_.settings().SKidoA == 2) SctExec();
}

// A button's launch tells the user itself when the target is gone and shows
// the bar again, since the bar may have just hidden itself; the tray menu's
// launch (Form2::ExRun) starts from a menu, with the bar possibly hidden.
void Form1::SctExec()
{
    if (List2.text().empty()) return;
    const model::Variant& after = app_.settings().SexeA;
    if (after == 1) {
        // Parked in the tray, as the setting says, so that nothing shows it
        // again but the user.
        parkInTray();
    } else if (!(after == 2)) {
        return;
    }
    if (!SctOpen()) {
        app_.msgBox("リンク先のファイルが見つかりません。", ui::message_box::kOk);
        app_.unparkBar();
    }
}

bool Form1::SctOpen()
{
    return app_.shell().launch(&window, List2.text(), app_.platform().programFolder()) == shell::LaunchResult::Opened;
}

void Form1::selectSlot(int slot)
{
    List1.setListIndex(slot);
    List2.setListIndex(slot);
}

void Form1::DrawSctFace(int slot)
{
    selectSlot(slot);
    const std::string path = List2.text();
    const std::string name = List1.text();
    ui::PictureBox& button = ShortCut[slot];
    describeSlot(slot);
    if (!path.empty()) {
        button.setPicture(ui::Art::None);
        shell::DrawFileIcon(app_.icons(), button, path);
    } else {
        button.setPicture(ui::Art::Aki);
    }
    if (SctName == 1) shell::AsciiFuti(button, name, ui::rgb(255, 255, 255), 1, 20, ui::rgb(0, 0, 0), 1);
}

void Form1::describeSlot(int slot)
{
    const std::string& path = List2.list(slot);
    ShortCut[slot].setAccessibleName(path.empty() ? "未登録" : List1.list(slot));
    ShortCut[slot].setAccessibleValue(path);
}

void Form1::showSlot(int slot)
{
    if (List2.list(slot).empty()) {
        ShortCut[slot].setPicture(ui::Art::Aki);
        describeSlot(slot);
    } else {
        DrawSctFace(slot);
    }
}

void Form1::showGroupName(int group) { Conts[group].setAccessibleName(List3.list(group)); }

// A button that shows this name already keeps it as it is: printed again at
// every opening of the settings, names would only pile up on its image.
void Form1::drawNamesOnButtons()
{
    constexpr ui::Rgb kWhite = ui::rgb(255, 255, 255);
    for (int slot = 0; slot < model::kSlotCount; ++slot) {
        ui::PictureBox& button = ShortCut[slot];
        const std::string& name = List1.list(slot);
        const auto& drawn = button.surface().drawings();
        if (!drawn.empty() && drawn.back().kind == ui::Drawing::Kind::Text && drawn.back().text == name &&
            drawn.back().color == kWhite) {
            continue;
        }
        shell::AsciiFuti(button, name, kWhite, 1, 20, ui::rgb(0, 0, 0), 1);
    }
}

void Form1::prefetchIcons()
{
    std::vector<std::string> paths;
    for (int slot = 0; slot < model::kSlotCount; ++slot) {
        if (model::groupOfSlot(slot) != shownGroup_ && !List2.list(slot).empty()) paths.push_back(List2.list(slot));
    }
    app_.icons().prefetch(std::move(paths), window.scale().pixels(shell::kLargeIconSize));
}

void Form1::redrawGroup(int group)
{
    const int first = group * model::kSlotsPerGroup;
    for (int slot = first; slot < first + model::kSlotsPerGroup; ++slot) DrawSctFace(slot);
}

}  // namespace bar
