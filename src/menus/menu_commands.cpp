#include "app/noctaris.h"
#include "menus/form2.h"
#include "model/launcher_data.h"
#include "model/table_change.h"
#include "ui/message_box.h"

namespace menus {
namespace {
constexpr const char* kNotRegistered = "ファイルが登録されていません";
}  // namespace

int Form2::menuSlot() const
{
    const auto slot = ListNoA.toInt16();
    return slot && *slot >= 0 && *slot < model::kSlotCount ? *slot : -1;
}

void Form2::ExSet()
{
    if (app_.raiseOpenDialog()) return;
    model::Launcher& launcher = app_.launcher();
    const int slot = menuSlot();
    launcher.List2.setListIndex(slot);
    if (!launcher.List2.text().empty()) {
        app_.msgBox("ファイルはすでに登録されています。", ui::message_box::kExclamation);
    } else if (slot >= 0) {
        app_.openRegistration(slot, app::Registration::New);
    }
    app_.clearInfoLine();
}

void Form2::ExHen()
{
    if (app_.raiseOpenDialog()) return;
    model::Launcher& launcher = app_.launcher();
    const int slot = menuSlot();
    launcher.List1.setListIndex(slot);
    launcher.List2.setListIndex(slot);
    if (launcher.List2.text().empty()) {
        app_.msgBox(kNotRegistered, ui::message_box::kExclamation);
    } else {
        app_.openRegistration(slot, app::Registration::Change);
    }
    app_.clearInfoLine();
}

// The slot is the one the menu was opened for throughout: the one checked
// is the one cleared.
void Form2::ExDel()
{
    model::Launcher& launcher = app_.launcher();
    const int slot = menuSlot();
    launcher.List2.setListIndex(slot);
    app_.clearInfoLine();
    if (launcher.List2.text().empty()) {
        app_.msgBox(kNotRegistered, ui::message_box::kExclamation);
        return;
    }
    if (app_.msgBox("ここのショートカットを削除しますか？", ui::message_box::kQuestion) != ui::Answer::Yes) return;
    app_.commit(model::TableChange::ofSlots({{slot, {}}}), app_.barWindow());
}

void Form2::GrpHen()
{
    if (app_.raiseOpenDialog()) return;
    app_.openRename(app_.launcher().ShIn.toInt16().value_or(-1));
}

}  // namespace menus
