#pragma once

#include <memory>

#include "model/variant.h"
#include "ui/menu.h"
#include "ui/window.h"

namespace app {
class Noctaris;
}

namespace menus {

// The holder of the three popup menus: the shortcut menu,
// the group menu and the tray menu.
class Form2 {
public:
    explicit Form2(app::Noctaris& app);
    Form2(const Form2&) = delete;
    Form2& operator=(const Form2&) = delete;

    // The tray menu's submenu of a group, and the item of a slot in it
    // (item s of the array f(s div 10 + 1)Ex).
    ui::MenuItem& GrpN(int group);
    ui::MenuItem& fEx(int slot);

    // Rewrites the 100 slot items' captions from the name table.
    void TaskMenuSet();

    // The tray menu's commands.
    void MainDisp();
    void SetDsp();
    void VerInf();
    void EndApli();
    // The slot items f1Ex to f10Ex: the item's index is its slot.
    void fEx_Click(int index);

    // The shortcut menu's commands on slot ListNoA: register, change, delete.
    void ExSet();
    void ExHen();
    void ExDel();
    // The group menu's command: renames the group whose tab was right-clicked.
    void GrpHen();

    // The hidden window the shell reports a failed tray launch over. It is
    // made on first use: a window the user never sees need not slow the start-up.
    ui::Window& window();

    model::Variant ListNoA;  // the slot the shortcut menu works on

    ui::MenuItem R_Menu;
    ui::MenuItem GrpNN;
    ui::MenuItem TaskMenu;

private:
    // Opens the target of the path table's current slot.
    void ExRun();
    // The slot the shortcut menu was opened for; -1 when ListNoA holds none.
    int menuSlot() const;

    app::Noctaris& app_;
    std::unique_ptr<ui::Window> window_;
};

}  // namespace menus
