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

void Form1::ShortCut_MouseDown(int index, int button, int, float x, float y)
{
    if (button != ui::mouse::kLeft && moveUnderWay()) return;
    touchSlot(index);
    app_.form2().ListNoA = ShIn;
    if (button != ui::mouse::kLeft) return;
    endDrag();
    if (!List2.text().empty()) drag_ = ButtonDrag{index, devicePoint(ShortCut[index], x, y)};
}

void Form1::ShortCut_MouseMove(int index, int button, int, float x, float y)
{
    if (dragButton(index, button, x, y)) return;
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

// Ctrl+Shift with a click runs the target as administrator, as everywhere
// on Windows; in either launch mode, since it is a gesture of its own.
bool Form1::asAdministrator(int shift)
{
    constexpr int both = ui::shift::kCtrl | ui::shift::kShift;
    return (shift & both) == both;
}

// Nothing launches at the end of a move, or of one cancelled.
void Form1::ShortCut_MouseUp(int index, int button, int shift, float x, float y)
{
    // Nothing else happens while the left button is moving a button, even a cancelled move.
    if (button == ui::mouse::kLeft ? dropButton(index, x, y) : moveUnderWay()) return;
    touchSlot(index);
    lastUsed_ = index;
    if (button == ui::mouse::kRight) {
        openShortcutMenu(std::nullopt);
    } else if (button == ui::mouse::kLeft && !List2.text().empty()) {
        if (asAdministrator(shift)) {
            SctExec(shell::Rights::Administrator);
        } else if (app_.settings().SKidoA == 1) {
            SctExec();
        }
    }
}

void Form1::ShortCut_DblClick(int index)
{
    touchSlot(index);
    app_.form2().ListNoA = ShIn;
    if (app_.settings().SKidoA == 2) SctExec();
}

void Form1::openShortcutMenu(std::optional<ui::Point> at)
{
    app_.form2().ListNoA = ShIn;
    app_.platform().popupMenu(window, app_.form2().R_Menu, at);
}

// A button's launch tells the user itself when the target is gone and shows
// the bar again, since the bar may have just hidden itself; the tray menu's
// launch (Form2::ExRun) starts from a menu, with the bar possibly hidden.
void Form1::SctExec(shell::Rights rights)
{
    // A second click while the first launch still waits for its target launches nothing.
    if (List2.text().empty() || app_.launches().busy(List2.text())) return;
    const model::Variant& after = app_.settings().SexeA;
    if (after == 1) {
        // Parked in the tray, as the setting says, so that nothing shows it
        // again but the user.
        parkInTray();
    } else if (!(after == 2)) {
        return;
    }
    SctOpen(rights);
}

// The shell may take as long as the target does: the bar stays responsive,
// and the message comes when the shell has answered. Declining the
// elevation prompt is no failure, but nothing was launched: a bar parked
// for the launch comes back.
void Form1::SctOpen(shell::Rights rights)
{
    const bool parked = app_.settings().SexeA == 1;
    app_.launches().start(&window, List2.text(), app_.platform().programFolder(), rights,
                          [this, parked](shell::LaunchResult result) {
                              if (result == shell::LaunchResult::Cancelled) {
                                  if (parked) app_.unparkBar();
                                  return;
                              }
                              if (result != shell::LaunchResult::NotFound && result != shell::LaunchResult::Failed) {
                                  return;
                              }
                              app_.msgBox("リンク先のファイルが見つかりません。", ui::message_box::kOk);
                              app_.unparkBar();
                          });
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
    bool named = SctName == 1;
    waitingFaces_.erase(slot);
    if (!path.empty()) {
        button.setPicture(ui::Art::None);
        if (!shell::DrawFileIcon(app_.icons(), button, path)) {
            // Still being looked up: the empty picture with the name, so that
            // the slot is not taken for a free one. The icon replaces it.
            button.setPicture(ui::Art::Aki);
            named = true;
            waitingFaces_.insert(slot);
        }
    } else {
        button.setPicture(ui::Art::Aki);
    }
    if (named) shell::AsciiFuti(button, name, ui::rgb(255, 255, 255), 1, 20, ui::rgb(0, 0, 0), 1);
}

void Form1::iconChanged(const std::string& path)
{
    // The user's selection stays where it was: this comes between events.
    const int names = List1.listIndex();
    const int paths = List2.listIndex();
    for (int slot = 0; slot < model::kSlotCount; ++slot) {
        const bool shown = model::groupOfSlot(slot) == shownGroup_ || waitingFaces_.count(slot);
        if (shown && List2.list(slot) == path) DrawSctFace(slot);
    }
    List1.setListIndex(names);
    List2.setListIndex(paths);
}

void Form1::describeSlot(int slot)
{
    const std::string& path = List2.list(slot);
    ShortCut[slot].setAccessibleName(path.empty() ? "未登録" : List1.list(slot));
    ShortCut[slot].setAccessibleValue(path);
}

void Form1::showSlot(int slot)
{
    // The tooltip too: it shows the name as it was until the next hover otherwise.
    ShortCut[slot].setToolTip(List1.list(slot));
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
    app_.icons().prefetch(paths, window.scale().pixels(shell::kLargeIconSize));
}

void Form1::redrawGroup(int group, std::chrono::milliseconds budget)
{
    const int first = group * model::kSlotsPerGroup;
    if (budget.count() > 0) {
        std::vector<std::string> paths;
        for (int slot = first; slot < first + model::kSlotsPerGroup; ++slot) {
            if (!List2.list(slot).empty()) paths.push_back(List2.list(slot));
        }
        app_.icons().waitFor(paths, shell::largeIconSize(ShortCut[first]), budget);
    }
    for (int slot = first; slot < first + model::kSlotsPerGroup; ++slot) DrawSctFace(slot);
}

}  // namespace bar
