#pragma once

#include <memory>
#include <string_view>

#include "model/data_folder.h"
#include "model/launcher_data.h"
#include "shell/icon_cache.h"
#include "ui/message_box.h"

namespace ui {
class Platform;
}
namespace shell {
class ShellApi;
}
namespace bar {
class Form1;
}
namespace menus {
class Form2;
}
namespace dialogs {
class Form4;
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
    menus::Form2& form2() { return *form2_; }
    dialogs::Form4& form4() { return *form4_; }
    dialogs::Seihin& seihin() { return *seihin_; }

    // A message box titled with the program's name, over the bar.
    ui::Answer msgBox(std::string_view text, ui::MessageStyle style);

private:
    ui::Platform& platform_;
    shell::ShellApi& shell_;
    model::DataFolder data_;
    shell::IconCache icons_;
    model::SettingsRecord settings_;
    std::unique_ptr<dialogs::Form4> form4_;
    std::unique_ptr<dialogs::Seihin> seihin_;
    std::unique_ptr<menus::Form2> form2_;
    std::unique_ptr<bar::Form1> form1_;
};

}  // namespace app
