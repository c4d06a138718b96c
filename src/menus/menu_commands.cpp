#include "app/noctaris.h"
#include "bar/form1.h"
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
    bar::Form1& bar = app_.form1();
    const int slot = menuSlot();
    bar.List2.setListIndex(slot);
    if (!bar.List2.text().empty()) {
        app_.msgBox("ファイルはすでに登録されています。", ui::message_box::kExclamation);
    } else if (slot >= 0) {
        bar.window.setEnabled(false);
        dialogs::Form5& form5 = app_.form5();
        form5.ListNo = static_cast<std::int16_t>(slot);
        form5.Show();
    }
    bar.Text1.setText("");
}

void Form2::ExHen()
{
    if (app_.raiseOpenDialog()) return;
    bar::Form1& bar = app_.form1();
    const int slot = menuSlot();
    bar.selectSlot(slot);
    if (bar.List2.text().empty()) {
        app_.msgBox(kNotRegistered, ui::message_box::kExclamation);
    } else {
        bar.window.setEnabled(false);
        dialogs::Form5& form5 = app_.form5();
        form5.ListNo = static_cast<std::int16_t>(slot);
        form5.Label1.setCaption(bar.List2.text());
        form5.Text1.setText(bar.List1.text());
        form5.Henkou();
        form5.Show();
    }
    bar.Text1.setText("");
}

// The slot is the one the menu was opened for throughout: the one checked
// is the one cleared.
void Form2::ExDel()
{
    bar::Form1& bar = app_.form1();
    const int slot = menuSlot();
    bar.List2.setListIndex(slot);
    bar.Text1.setText("");
    if (bar.List2.text().empty()) {
        app_.msgBox(kNotRegistered, ui::message_box::kExclamation);
        return;
    }
    if (app_.msgBox("ここのショートカットを削除しますか？", ui::message_box::kQuestion) != ui::Answer::Yes) return;
    const model::Slot before{bar.List1.list(slot), bar.List2.list(slot)};
    bar.List1.setList(slot, "");
    bar.List2.setList(slot, "");
    bar.clearFace(slot);
    // What the file still holds stays on the button and in the tray menu.
    if (!bar.SaveShortcuts(bar.window)) {
        bar.List1.setList(slot, before.name);
        bar.List2.setList(slot, before.path);
        bar.DrawSctFace(slot);
        return;
    }
    TaskMenuSet();
}

void Form2::GrpHen()
{
    if (app_.raiseOpenDialog()) return;
    app_.form3().Show();
    app_.form1().window.setEnabled(false);
}

}  // namespace menus
