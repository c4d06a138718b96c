#include "dialogs/seihin.h"

#include "app/noctaris.h"
#include "dialogs/dialog_window.h"
#include "ui/window.h"

namespace dialogs {

Seihin::Seihin(app::Noctaris& app) : app_(app) {}

Seihin::~Seihin() = default;

void Seihin::Show() { showDialogWindow(window_, app_.platform(), "Seihin", "製品情報", 6015, 3130); }

}  // namespace dialogs
