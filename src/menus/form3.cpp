#include "menus/form3.h"

#include "app/noctaris.h"
#include "dialogs/twips.h"
#include "model/data_folder.h"
#include "model/file_text.h"
#include "model/table_change.h"
#include "ui/message_box.h"

namespace menus {

using dialogs::twips;

Form3::Form3(app::Noctaris& app)
    : window(app.platform(), ui::WindowFrame::Dialog, "Form3", &app.barWindow()),
      Text1(window, "Text1"),
      Command1(window, "Command1"),
      Command2(window, "Command2"),
      app_(app)
{
    window.setCaption(kCaption);
    window.setClientSize(5130, 975);
    Text1.setBounds(twips(0, 60, 5055, 270));
    Text1.setAccessibleName("グループ名");
    Command1.setBounds(twips(3960, 540, 1035, 315));
    Command1.setCaption("適　用");
    Command2.setBounds(twips(2700, 540, 1035, 315));
    Command2.setCaption("キャンセル");
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
    // The close box, Alt+F4 and Esc cancel: the bar must not stay disabled.
    window.onCloseRequest = [this] { Command2_Click(); };
}

// The group's own entry: the list's selection follows the hover, which a
// capture elsewhere may have kept on another group.
void Form3::Form_Load() { Text1.setText(app_.launcher().List3.list(LstNNN.toInt16().value_or(-1))); }

// Refused and failed names change nothing and keep the dialog open, so
// that the user can correct the name, try again or cancel.
void Form3::Command1_Click()
{
    const int group = LstNNN.toInt16().value_or(-1);
    const std::string name = Text1.text();
    const std::string before = app_.launcher().List3.list(group);
    if (const auto refusal = model::checkEditedText(app_.data().codec(), name, before)) {
        app_.msgBox(model::refusalMessage(model::DataFile::Groups, name, *refusal), ui::message_box::kExclamation,
                    window);
        return;
    }
    if (app_.commit(model::TableChange::ofGroup(group, name), window)) close();
}

void Form3::Command2_Click() { close(); }

void Form3::close() { app_.closeRename(); }

}  // namespace menus
