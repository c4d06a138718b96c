#include "app/noctaris.h"

#include "bar/form1.h"
#include "dialogs/form4.h"
#include "dialogs/seihin.h"
#include "menus/form2.h"
#include "ui/platform.h"

namespace app {

Noctaris::Noctaris(ui::Platform& platform, shell::ShellApi& shell)
    : platform_(platform),
      shell_(shell),
      data_(platform.programFolder(), platform.pathSeparator(), platform.fileStore(), platform.codec()),
      icons_(shell, platform)
{
}

Noctaris::~Noctaris() = default;

void Noctaris::start()
{
    form4_ = std::make_unique<dialogs::Form4>(*this);
    seihin_ = std::make_unique<dialogs::Seihin>(*this);
    form2_ = std::make_unique<menus::Form2>(*this);
    form1_ = std::make_unique<bar::Form1>(*this);
    form1_->Form_Load();
}

ui::Answer Noctaris::msgBox(std::string_view text, ui::MessageStyle style)
{
    return platform_.messageBox(form1_ ? &form1_->window : nullptr, text, style, kTitle);
}

}  // namespace app
