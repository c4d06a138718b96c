#include "app/noctaris.h"

#include <stdexcept>

#include "bar/form1.h"
#include "dialogs/form4.h"
#include "dialogs/form5.h"
#include "dialogs/seihin.h"
#include "menus/form2.h"
#include "menus/form3.h"
#include "ui/platform.h"

namespace app {
namespace {

// A dialog whose window the system could not make (no window handles left,
// say): the bar takes input again and the user hears why.
std::string notMade(std::string_view caption, const std::runtime_error& e)
{
    return "「" + std::string(caption) + "」の画面を開けませんでした。\r\n" + e.what();
}

}  // namespace

Noctaris::Noctaris(ui::Platform& platform, shell::ShellApi& shell, model::FileStore& files,
                   const model::AnsiCodec& codec)
    : platform_(platform),
      shell_(shell),
      data_(platform.programFolder(), platform.pathSeparator(), files, codec),
      icons_(shell, platform),
      launches_(shell, platform),
      form5_(*this),
      form3_(*this)
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
    dialogs::Form5::prepareFirstShowing(platform_);
}

ui::Answer Noctaris::msgBox(std::string_view text, ui::MessageStyle style)
{
    return platform_.messageBox(form1_ ? &form1_->window : nullptr, text, style, kTitle);
}

ui::Answer Noctaris::msgBox(std::string_view text, ui::MessageStyle style, ui::Window& over)
{
    return platform_.messageBox(&over, text, style, kTitle);
}

// The bar is disabled before the dialog shows, as the system does for a
// modal dialog. A dialog that cannot be made is closed again, and the user
// told why.
template <typename Form, typename Fill>
void Noctaris::openModal(PerShowing<Form>& dialog, Fill fill)
{
    try {
        Form& form = dialog.load(*this);
        form1_->window.setEnabled(false);
        fill(form);
        dialog.show();
    } catch (const std::runtime_error& e) {
        closeModal(dialog);
        msgBox(notMade(Form::kCaption, e), ui::message_box::kExclamation);
    }
}

// The bar is enabled before the dialog goes, so that the system may hand it
// the activation; it gets it in any case.
template <typename Form>
void Noctaris::closeModal(PerShowing<Form>& dialog)
{
    form1_->window.setEnabled(true);
    dialog.unload();
}

void Noctaris::openRegistration(int slot, Registration mode, const std::string& dropped)
{
    openModal(form5_, [&](dialogs::Form5& form5) {
        form5.ListNo = static_cast<std::int16_t>(slot);
        switch (mode) {
        case Registration::New:
            break;
        case Registration::Change:
            form5.Label1.setCaption(launcher_.List2.list(slot));
            form5.Text1.setText(launcher_.List1.list(slot));
            form5.Henkou();
            break;
        case Registration::Drop:
            form5.Label1.setCaption(dropped);
            form5.DgAndDd();
            break;
        }
    });
}

void Noctaris::openRename(int group)
{
    openModal(form3_, [&](menus::Form3& form3) {
        form3.LstNNN = model::Variant::number(group);
        form3.Form_Load();
    });
}

void Noctaris::closeRegistration() { closeModal(form5_); }
void Noctaris::closeRename() { closeModal(form3_); }

dialogs::Form5& Noctaris::form5()
{
    if (!form5_) throw std::logic_error("no registration dialog is open");
    return *form5_;
}

menus::Form3& Noctaris::form3()
{
    if (!form3_) throw std::logic_error("no rename dialog is open");
    return *form3_;
}

ui::Window* Noctaris::openDialog() const
{
    if (form5_) return &form5_->window;
    return form3_ ? &form3_->window : nullptr;
}

bool Noctaris::raiseOpenDialog() { return form5_.raise() || form3_.raise(); }

// The system itself hands the activation of a hidden active popup to its
// owner when the owner is enabled (Wine: activate_other_window), else to some
// other window, perhaps another program's. The program does not count on it:
// under Wine the rename dialog once stayed active and the next click was lost.
void Noctaris::returnForeground()
{
    if (raiseOpenDialog()) return;
    ui::Window& bar = form1_->window;
    if (bar.visible() && bar.takesInput()) bar.setForeground();
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

ui::HotkeyResult Noctaris::applyHotkey()
{
    hotkeyResult_ = form1_->window.setHotkey(settings().hotkey);
    return hotkeyResult_;
}

bool Noctaris::told(bool saved, const std::string& problem, ui::Window& over, std::string* unsaid)
{
    if (saved) return true;
    if (!unsaid) {
        msgBox(problem, ui::message_box::kExclamation, over);
    } else if (unsaid->empty()) {
        *unsaid = problem;
    }
    return false;
}

bool Noctaris::saveShortcuts(ui::Window& over)
{
    std::string problem;
    return told(data_.writeShortcuts(launcher_.shortcutTable(), problem), problem, over);
}

bool Noctaris::saveGroups(ui::Window& over)
{
    std::string problem;
    return told(data_.writeGroups(launcher_.groupNames(), problem), problem, over);
}

bool Noctaris::saveSettings(ui::Window& over, std::string* unsaid)
{
    std::string problem;
    return told(data_.writeSettings(launcher_.settings, problem), problem, over, unsaid);
}

// Nothing shows what the file does not hold.
std::optional<model::TableChange> Noctaris::apply(const model::TableChange& change, ui::Window& over)
{
    const model::TableChange undo = change.applyTo(launcher_);
    const bool saved = change.file() == model::DataFile::Groups ? saveGroups(over) : saveShortcuts(over);
    if (!saved) {
        undo.applyTo(launcher_);
        return std::nullopt;
    }
    for (const auto& [slot, entry] : change.slots()) slotChanged(slot);
    for (const auto& [group, name] : change.groups()) groupRenamed(group);
    return undo;
}

std::optional<model::TableChange> Noctaris::commit(const model::TableChange& change, ui::Window& over)
{
    auto undo = apply(change, over);
    if (undo && !(*undo == change)) history_.made(*undo);
    return undo;
}

namespace {

std::string nameIn(const model::TableChange& change)
{
    for (const auto& [slot, entry] : change.slots()) {
        if (!entry.name.empty()) return entry.name;
    }
    for (const auto& [group, name] : change.groups()) {
        if (!name.empty()) return name;
    }
    return {};
}

}  // namespace

std::optional<std::string> Noctaris::takeStep(const std::optional<model::TableChange>& step, ui::Window& over,
                                              void (model::ChangeHistory::*taken)(model::TableChange))
{
    if (!step) return std::nullopt;
    const auto reversal = apply(*step, over);
    if (!reversal) return std::nullopt;
    (history_.*taken)(*reversal);
    const std::string written = nameIn(*step);
    return written.empty() ? nameIn(*reversal) : written;
}

std::optional<std::string> Noctaris::undo(ui::Window& over)
{
    return takeStep(history_.nextUndo(), over, &model::ChangeHistory::undone);
}

std::optional<std::string> Noctaris::redo(ui::Window& over)
{
    return takeStep(history_.nextRedo(), over, &model::ChangeHistory::redone);
}

void Noctaris::settingsChanged() { form4_->showSettings(); }

}  // namespace app
