#include "dialogs/form4.h"

#include "app/noctaris.h"
#include "bar/form1.h"
#include "dialogs/dialog_window.h"
#include "ui/message_box.h"
#include "ui/window.h"

namespace dialogs {

Form4::Form4(app::Noctaris& app) : app_(app) {}

Form4::~Form4() = default;

void Form4::Show() { showDialogWindow(window_, app_.platform(), "Form4", "設定", 4880, 4170); }

void Form4::SetSave()
{
    const bar::Form1& form1 = app_.form1();
    model::SettingsRecord record{KidoA, SKidoA, SexeA, WindTop, form1.FormStyle, form1.SctName, form1.FomMov};
    std::string problem;
    if (!app_.data().writeSettings(record, problem)) app_.msgBox(problem, ui::message_box::kIconExclamation);
}

}  // namespace dialogs
