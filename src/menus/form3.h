#pragma once

#include "model/variant.h"
#include "ui/control.h"
#include "ui/window.h"

namespace app {
class Noctaris;
}

namespace menus {

// The group-rename dialog, which the program opens for the group in
// LstNNN. Applying replaces the name in the list, the tray menu and
// group.qdf. Every way it closes enables the bar again.
class Form3 {
public:
    static constexpr const char* kCaption = "グループ名の変更";
    explicit Form3(app::Noctaris& app);
    Form3(const Form3&) = delete;
    Form3& operator=(const Form3&) = delete;

    // Shows the group's name.
    void Form_Load();
    void Command1_Click();  // 適　用
    void Command2_Click();  // キャンセル

    model::Variant LstNNN;  // the group being renamed

    ui::Window window;
    ui::TextBox Text1;
    ui::CommandButton Command1;
    ui::CommandButton Command2;

private:
    void close();

    app::Noctaris& app_;
};

}  // namespace menus
