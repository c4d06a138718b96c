#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/variant.h"
#include "app/per_showing.h"
#include "ui/control.h"
#include "ui/window.h"

namespace app {
class Noctaris;
}

namespace dialogs {

// The settings dialog. Its values are the program's settings store even
// while its window is closed; SetSave is the one writer of the settings file.
// Every change applies to the bar at once and is saved at once.
class Form4 {
public:
    // The window and its controls, there while the dialog is loaded.
    struct Controls {
        Controls(ui::Platform& platform, ui::Window& bar);
        ui::Window window;
        ui::Image Image1;  // closes the dialog
        ui::Label Label1;
        ui::Frame Frame1;  // at start-up
        ui::OptionButton Op1;
        ui::OptionButton Op2;
        ui::Frame Frame3;  // launch gesture
        ui::OptionButton Op3;
        ui::OptionButton Op4;
        ui::Frame Frame2;  // after a launch
        ui::OptionButton Op5;
        ui::OptionButton Op6;
        ui::Frame Frame4;  // bar style
        ui::OptionButton StlY;
        ui::OptionButton StlT;
        ui::CheckBox Check1;  // topmost
        ui::CheckBox Check2;  // names on the buttons
        ui::Label Label2;
        ui::CommandButton Command1;  // register the Startup shortcut
        ui::CommandButton Command2;  // delete it
        ui::Frame Frame5;  // the hotkey
        ui::Label Label3;
        ui::HotkeyBox HotKey1;
        ui::Label Label4;  // why the hotkey does not work, when it does not
    };

    explicit Form4(app::Noctaris& app);
    ~Form4();

    // Loads the window, runs the load step and shows it; when the window is
    // open already, only brings it up.
    void Show();
    ui::Window* window() const { return controls_ ? &controls_->window : nullptr; }
    Controls* controls() const { return controls_.get(); }

    // Writes the seven settings; a failure is told over the bar, whose
    // switches call this, and the old file stays.
    void SetSave();
    // The bar's own switches changed a setting: an open dialog shows the
    // values as they are now, without applying them again.
    void showSettings();

    // The program's settings, which the dialog edits in place.
    model::Variant& KidoA;
    model::Variant& SKidoA;
    model::Variant& SexeA;
    model::Variant& WindTop;
    std::int16_t& TaskOn;  // 1 while the bar is parked in the tray

private:
    void wireEvents();
    // SetSave for the dialog's own actions.
    void saveFromDialog();
    // Selects the controls from the stored values, which runs their actions.
    void Form_Load();
    void StlT_Click();
    void StlY_Click();
    void Check1_Click();
    void Check2_Click();
    void Command1_Click();
    void Command2_Click();
    void HotKey1_Change();
    // Beside the hotkey: whether it works, in words.
    void showHotkeyResult();
    void Image1_Click();
    void Form_MouseMove(int button);
    // Redraws faces without names: the group on screen, and the group of
    // the tab last pressed when that is another.
    void GroupIconRedraw();
    void hideBarInTray();
    // The Startup folder's shortcut to the program, or "" without a Startup folder.
    std::string startupLink();
    void Unload();

    app::Noctaris& app_;
    app::PerShowing<Controls> controls_;
    // While loading, a failed save is kept here and told once at the end.
    bool loading_ = false;
    std::string unsaved_;
};

}  // namespace dialogs
