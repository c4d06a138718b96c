#pragma once

#include <memory>
#include <string_view>

#include "model/data_folder.h"
#include "model/launcher_data.h"
#include "shell/icon_cache.h"
#include "ui/message_box.h"

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

// The program: its windows, which reach each other through it, and the
// services they share.
class Noctaris {
public:
    static constexpr std::string_view kTitle = "ノクタリス";

    Noctaris(ui::Platform& platform, shell::ShellApi& shell);
    Noctaris(const Noctaris&) = delete;
    Noctaris& operator=(const Noctaris&) = delete;
    ~Noctaris();

    // Creates the bar, which runs the whole start-up.
    void start();

    ui::Platform& platform() { return platform_; }
    shell::ShellApi& shell() { return shell_; }
    model::DataFolder& data() { return data_; }
    shell::IconCache& icons() { return icons_; }
    // The seven settings: read at start-up, edited by the bar's switches and
    // the settings dialog, written by Form4::SetSave.
    model::SettingsRecord& settings() { return settings_; }

    bar::Form1& form1() { return *form1_; }
    // The bar's window, which owns every dialog.
    ui::Window& barWindow();
    menus::Form2& form2() { return *form2_; }
    dialogs::Form4& form4() { return *form4_; }
    dialogs::Seihin& seihin() { return *seihin_; }

    // The registration and group-rename dialogs, loaded when first touched
    // and unloaded when they close: the next touch loads a fresh one.
    dialogs::Form5& form5();
    void unloadForm5();
    menus::Form3& form3();
    void unloadForm3();
    // The registration or rename dialog's window while one is open: there
    // is one at a time, and the bar is disabled meanwhile.
    ui::Window* openDialog() const;
    // Brings that dialog to the front; false when none is open.
    bool raiseOpenDialog();

    // A message box titled with the program's name, over the bar.
    ui::Answer msgBox(std::string_view text, ui::MessageStyle style);
    // The same over another of the program's windows.
    ui::Answer msgBox(std::string_view text, ui::MessageStyle style, ui::Window& over);

private:
    template <typename Dialog>
    void unload(std::unique_ptr<Dialog>& dialog);

    ui::Platform& platform_;
    shell::ShellApi& shell_;
    model::DataFolder data_;
    shell::IconCache icons_;
    model::SettingsRecord settings_;
    std::unique_ptr<dialogs::Form4> form4_;
    std::unique_ptr<dialogs::Seihin> seihin_;
    std::unique_ptr<menus::Form2> form2_;
    std::unique_ptr<bar::Form1> form1_;
    // After the bar, so that they go first: the bar's window owns theirs.
    std::unique_ptr<dialogs::Form5> form5_;
    std::unique_ptr<menus::Form3> form3_;
};

}  // namespace app
