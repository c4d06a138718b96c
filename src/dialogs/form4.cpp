#include "dialogs/form4.h"

#include "app/noctaris.h"
#include "dialogs/dialog_window.h"
#include "ui/message_box.h"
#include "ui/window.h"

namespace dialogs {

Form4::Form4(app::Noctaris& app)
    : KidoA(app.settings().KidoA),
      SKidoA(app.settings().SKidoA),
      SexeA(app.settings().SexeA),
      WindTop(app.settings().WindTop),
      app_(app)
{
}

Form4::~Form4() = default;

void Form4::Show() { showDialogWindow(window_, app_.platform(), "Form4", "設定", 4880, 4170); }

void Form4::SetSave()
{
    std::string problem;
    if (!app_.data().writeSettings(app_.settings(), problem)) app_.msgBox(problem, ui::message_box::kExclamation);
}

}  // namespace dialogs
