#pragma once

#include "model/variant.h"
#include "ui/control.h"
#include "ui/window.h"

namespace app {
class Noctaris;
}

namespace menus {

// The group-rename dialog. Loading it takes the group from the bar's ShIn
// and its name from the bar's selected group name; applying replaces the
// name in the list, the tray menu and group.qdf. Every way it closes
// enables the bar again.
class Form3 {
public:
    explicit Form3(app::Noctaris& app);
    Form3(const Form3&) = delete;
    Form3& operator=(const Form3&) = delete;

    void Show();
    void Command1_Click();  // 適　用
    void Command2_Click();  // キャンセル

    model::Variant LstNNN;  // the group being renamed

    ui::Window window;
    ui::TextBox Text1;
    ui::CommandButton Command1;
    ui::CommandButton Command2;

private:
    void Form_Load();
    // The group's name in the list and on its tray submenu.
    void showName(int group, const std::string& name);
    void close();

    app::Noctaris& app_;
};

}  // namespace menus
