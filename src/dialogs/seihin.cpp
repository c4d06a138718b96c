#include "dialogs/seihin.h"

#include "app/noctaris.h"
#include "ui/window.h"

namespace dialogs {

Seihin::Seihin(app::Noctaris& app) : app_(app) {}

Seihin::~Seihin() = default;

void Seihin::Show()
{
    if (!window_) {
        window_ = std::make_unique<ui::Window>(app_.platform(), ui::WindowFrame::Dialog, "Seihin");
        window_->setCaption("製品情報");
        window_->setSize(6015, 3130);
        window_->centreOnScreen();
        window_->onCloseRequest = [this] { window_->hide(); };
    }
    window_->show();
}

}  // namespace dialogs
