#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/per_showing.h"
#include "app/title.h"
#include "model/change_history.h"
#include "model/data_folder.h"
#include "model/launcher.h"
#include "model/table_change.h"
#include "shell/icon_cache.h"
#include "shell/launches.h"
#include "ui/message_box.h"
#include "ui/peer.h"

namespace ui {
class Platform;
class Window;
}
namespace shell {
class ShellApi;
}
namespace bar {
class Form1;
}
namespace menus {
class Form2;
class Form3;
}
namespace dialogs {
class Form4;
class Form5;
class Seihin;
}

namespace app {

// What the registration dialog opens for: a new entry in an empty slot, a
// change of a slot's entry, or a target dropped on a button.
enum class Registration { New, Change, Drop };

// The program: it owns what the windows share and the services they use,
// creates the windows, and carries the commands they give each other. A
// window never writes another's fields: it changes the shared state here
// and says what changed.
class Noctaris {
public:
    Noctaris(ui::Platform& platform, shell::ShellApi& shell, model::FileStore& files, const model::AnsiCodec& codec);
    Noctaris(const Noctaris&) = delete;
    Noctaris& operator=(const Noctaris&) = delete;
    ~Noctaris();

    // Creates the bar, which runs the whole start-up.
    void start();

    ui::Platform& platform() { return platform_; }
    shell::ShellApi& shell() { return shell_; }
    model::DataFolder& data() { return data_; }
    shell::IconCache& icons() { return icons_; }
    // Launches, off the user-interface thread.
    shell::Launches& launches() { return launches_; }
    // The tables, the settings, the bar's mouse bookkeeping and TaskOn.
    model::Launcher& launcher() { return launcher_; }
    model::SettingsRecord& settings() { return launcher_.settings; }

    bar::Form1& form1() { return *form1_; }
    menus::Form2& form2() { return *form2_; }
    dialogs::Form4& form4() { return *form4_; }
    dialogs::Seihin& seihin() { return *seihin_; }

    // The registration and group-rename dialogs. The program opens them:
    // it disables the bar, hands the dialog what it works on and shows it;
    // when the dialog closes, the program enables the bar again and gives
    // it the keyboard back. One is open at a time. A dialog whose window the
    // system cannot make leaves the bar taking input, with a message why.
    // For a slot's new entry, its change (as the tables hold it), or the path
    // dropped on its button.
    void openRegistration(int slot, Registration mode, const std::string& dropped = {});
    void closeRegistration();
    void openRename(int group);
    void closeRename();
    // The open one; a logic_error when none is.
    dialogs::Form5& form5();
    menus::Form3& form3();
    // The registration or rename dialog's window while one is open.
    ui::Window* openDialog() const;
    // Brings that dialog to the front; false when none is open.
    bool raiseOpenDialog();
    // A window of the program closed: the keyboard goes where the user
    // carries on, to the registration or rename dialog if one is open, else
    // to the bar if it takes input.
    void returnForeground();

    // --- What the windows ask of the bar and the menus.
    // The bar's window, which owns every dialog.
    ui::Window& barWindow();
    // A slot's entry changed: its button and its tray-menu item show it.
    void slotChanged(int slot);
    // A group's name changed: its tab and its tray submenu show it.
    void groupRenamed(int group);
    // Lays the bar out in the shape the settings say.
    void layOutBar();
    // Keeps the bar on top of other windows, or not; nothing else changes.
    void placeBarTopmost(bool topmost);
    // Names on every button, or the faces of a group drawn again.
    void drawNamesOnButtons();
    void redrawGroup(int group);
    // The group the bar shows.
    int shownGroup() const;
    void clearInfoLine();
    // The bar comes out of the tray, or goes into it (false where no tray
    // icon could bring it back).
    void unparkBar();
    bool parkBar();
    // Ends the program at once: nothing is written.
    void exit();
    // Asks the system for the hotkey the settings hold, on the bar's window.
    // What came of it is kept for the settings dialog to tell: the start-up
    // says nothing of it, since the program may start at log-on.
    ui::HotkeyResult applyHotkey();
    ui::HotkeyResult hotkeyResult() const { return hotkeyResult_; }
    // Rewrite Shtct.qdf, group.qdf or apst.qdf from what the program holds.
    // A failure is told to the user over the window given, or kept in
    // `unsaid` (unless that holds one already) to be told later; the old
    // file stays.
    bool saveShortcuts(ui::Window& over);
    bool saveGroups(ui::Window& over);
    bool saveSettings(ui::Window& over, std::string* unsaid = nullptr);
    // A change the user makes to the tables: applied, and saved to its file.
    // When the file cannot be written the user is told over the window given
    // and the tables are put back. The windows then show what changed. The
    // change that undoes it, or nothing when nothing changed. Every change
    // of the tables comes here, so that it can be taken back: its reversal
    // is kept (unless it left the tables as they were).
    std::optional<model::TableChange> commit(const model::TableChange& change, ui::Window& over);
    // Takes back the last change, or makes the last one taken back again,
    // written as commit writes it. A step whose file cannot be written stays,
    // to be tried again. The name of what came back or went (the first
    // named entry written, else one replaced), or nothing when there was no
    // step or it could not be written.
    std::optional<std::string> undo(ui::Window& over);
    std::optional<std::string> redo(ui::Window& over);
    // The bar's own switches changed a setting: an open settings dialog shows it.
    void settingsChanged();

    // A message box titled with the program's name, over the bar.
    ui::Answer msgBox(std::string_view text, ui::MessageStyle style);
    // The same over another of the program's windows.
    ui::Answer msgBox(std::string_view text, ui::MessageStyle style, ui::Window& over);

private:
    // The one way the registration and rename dialogs open and close.
    template <typename Form, typename Fill>
    void openModal(PerShowing<Form>& dialog, Fill fill);
    template <typename Form>
    void closeModal(PerShowing<Form>& dialog);
    // Told over the window given, or kept in unsaid; false on a failure.
    bool told(bool saved, const std::string& problem, ui::Window& over, std::string* unsaid = nullptr);
    // Applies, saves, puts back on a failure, tells the windows.
    std::optional<model::TableChange> apply(const model::TableChange& change, ui::Window& over);
    // An undo or redo step applied; the history told how it went.
    std::optional<std::string> takeStep(const std::optional<model::TableChange>& step, ui::Window& over,
                                        void (model::ChangeHistory::*taken)(model::TableChange));

    ui::Platform& platform_;
    shell::ShellApi& shell_;
    model::DataFolder data_;
    shell::IconCache icons_;
    shell::Launches launches_;
    model::Launcher launcher_;
    model::ChangeHistory history_;
    std::unique_ptr<dialogs::Form4> form4_;
    std::unique_ptr<dialogs::Seihin> seihin_;
    std::unique_ptr<menus::Form2> form2_;
    std::unique_ptr<bar::Form1> form1_;
    // After the bar, so that they go first: the bar's window owns theirs.
    PerShowing<dialogs::Form5> form5_;
    PerShowing<menus::Form3> form3_;
    ui::HotkeyResult hotkeyResult_ = ui::HotkeyResult::Ok;
};

}  // namespace app
