#include "dialogs/form4.h"

#include "app/noctaris.h"
#include "bar/form1.h"
#include "ui/message_box.h"
#include "ui/window.h"

namespace dialogs {

Form4::Form4(app::Noctaris& app) : app_(app) {}

Form4::~Form4() = default;

void Form4::Show()
{
    if (!window_) {
        window_ = std::make_unique<ui::Window>(app_.platform(), ui::WindowFrame::Dialog, "Form4");
        window_->setCaption("設定");
        window_->setSize(4880, 4170);
        window_->centreOnScreen();
        window_->onCloseRequest = [this] { window_->hide(); };
    }
    window_->show();
}

void Form4::SetSave()
{
    const bar::Form1& form1 = app_.form1();
    model::SettingsRecord record{KidoA, SKidoA, SexeA, WindTop, form1.FormStyle, form1.SctName, form1.FomMov};
    std::string problem;
    if (!app_.data().writeSettings(record, problem)) app_.msgBox(problem, ui::message_box::kIconExclamation);
}

}  // namespace dialogs
