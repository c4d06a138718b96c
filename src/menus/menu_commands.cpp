#include "app/noctaris.h"
#include "dialogs/form5.h"
#include "menus/form2.h"
#include "menus/form3.h"
#include "model/launcher_data.h"
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
        app_.barWindow().setEnabled(false);
        dialogs::Form5& form5 = app_.form5();
        form5.ListNo = static_cast<std::int16_t>(slot);
        form5.Show();
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
        app_.barWindow().setEnabled(false);
        dialogs::Form5& form5 = app_.form5();
        form5.ListNo = static_cast<std::int16_t>(slot);
        form5.Label1.setCaption(launcher.List2.text());
        form5.Text1.setText(launcher.List1.text());
        form5.Henkou();
        form5.Show();
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
    const model::Slot before{launcher.List1.list(slot), launcher.List2.list(slot)};
    launcher.List1.setList(slot, "");
    launcher.List2.setList(slot, "");
    // What the file still holds stays on the button and in the tray menu.
    if (!app_.saveShortcuts(app_.barWindow())) {
        launcher.List1.setList(slot, before.name);
        launcher.List2.setList(slot, before.path);
    }
    app_.slotChanged(slot);
}

void Form2::GrpHen()
{
    if (app_.raiseOpenDialog()) return;
    app_.form3().Show();
    app_.barWindow().setEnabled(false);
}

}  // namespace menus
