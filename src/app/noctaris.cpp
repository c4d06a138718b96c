#include "app/noctaris.h"

#include "bar/form1.h"
#include "dialogs/form4.h"
#include "dialogs/form5.h"
#include "dialogs/seihin.h"
#include "menus/form2.h"
#include "menus/form3.h"
#include "ui/platform.h"

namespace app {

Noctaris::Noctaris(ui::Platform& platform, shell::ShellApi& shell, model::FileStore& files,
                   const model::AnsiCodec& codec)
    : platform_(platform),
      shell_(shell),
      data_(platform.programFolder(), platform.pathSeparator(), files, codec),
      icons_(shell, platform),
      launches_(shell, platform)
{
}

Noctaris::~Noctaris() = default;

void Noctaris::start()
{
    form4_ = std::make_unique<dialogs::Form4>(*this);
    seihin_ = std::make_unique<dialogs::Seihin>(*this);
    form2_ = std::make_unique<menus::Form2>(*this);
    form1_ = std::make_unique<bar::Form1>(*this);
    icons_.onChanged = [this](const std::string& path) {
        form1_->iconChanged(path);
        if (form5_) form5_->iconChanged(path);
    };
    form1_->Form_Load();
}

ui::Answer Noctaris::msgBox(std::string_view text, ui::MessageStyle style)
{
    return platform_.messageBox(form1_ ? &form1_->window : nullptr, text, style, kTitle);
}

ui::Answer Noctaris::msgBox(std::string_view text, ui::MessageStyle style, ui::Window& over)
{
    return platform_.messageBox(&over, text, style, kTitle);
}

dialogs::Form5& Noctaris::form5()
{
    if (!form5_) form5_ = std::make_unique<dialogs::Form5>(*this);
    return *form5_;
}

// The dialog closes from one of its own handlers: it goes once that has ended.
void Noctaris::unloadForm5() { unload(form5_); }

menus::Form3& Noctaris::form3()
{
    if (!form3_) form3_ = std::make_unique<menus::Form3>(*this);
    return *form3_;
}

void Noctaris::unloadForm3() { unload(form3_); }

// The dialog closes from one of its own handlers, so it goes once the event
// is over. The bar lent it the keyboard and takes it back: without that,
// the system may leave the hidden dialog active and the next click lost.
template <typename Dialog>
void Noctaris::unload(std::unique_ptr<Dialog>& dialog)
{
    if (!dialog) return;
    dialog->window.unload();
    platform_.deleteLater(std::shared_ptr<Dialog>(dialog.release()));
    if (form1_->window.visible()) form1_->window.setForeground();
}

ui::Window* Noctaris::openDialog() const { return form5_ ? &form5_->window : form3_ ? &form3_->window : nullptr; }

bool Noctaris::raiseOpenDialog()
{
    ui::Window* open = openDialog();
    if (open) open->setForeground();
    return open != nullptr;
}

ui::Window& Noctaris::barWindow() { return form1_->window; }

void Noctaris::slotChanged(int slot)
{
    form1_->showSlot(slot);
    form2_->TaskMenuSet();
}

void Noctaris::groupRenamed(int group)
{
    form1_->showGroupName(group);
    form2_->GrpN(group).caption = launcher_.List3.list(group);
}

void Noctaris::layOutBar()
{
    if (settings().FormStyle == 1) {
        form1_->TateForm();
    } else if (settings().FormStyle == 0) {
        form1_->YokoForm();
    }
}

void Noctaris::placeBarTopmost(bool topmost) { form1_->placeTopmost(topmost); }

void Noctaris::drawNamesOnButtons() { form1_->drawNamesOnButtons(); }

void Noctaris::redrawGroup(int group) { form1_->redrawGroup(group); }

int Noctaris::shownGroup() const { return form1_->shownGroup(); }

void Noctaris::clearInfoLine() { form1_->Text1.setText(""); }

void Noctaris::unparkBar()
{
    form1_->window.show();
    launcher_.TaskOn = 0;
}

bool Noctaris::parkBar() { return form1_->parkInTray(); }

void Noctaris::exit() { form1_->Form_Unload(); }

bool Noctaris::saveShortcuts(ui::Window& over)
{
    std::string problem;
    if (data_.writeShortcuts(launcher_.shortcutTable(), problem)) return true;
    msgBox(problem, ui::message_box::kExclamation, over);
    return false;
}

bool Noctaris::saveGroups(ui::Window& over)
{
    std::string problem;
    if (data_.writeGroups(launcher_.groupNames(), problem)) return true;
    msgBox(problem, ui::message_box::kExclamation, over);
    return false;
}

void Noctaris::settingsChanged() { form4_->showSettings(); }

}  // namespace app
