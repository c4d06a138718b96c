#include "menus/form2.h"

#include <string>

#include <stdexcept>

#include "app/noctaris.h"
#include "dialogs/form4.h"
#include "dialogs/seihin.h"
#include "model/launcher_data.h"
#include "shell/shell_api.h"
#include "ui/message_box.h"
#include "ui/platform.h"

namespace menus {
namespace {

using ui::MenuItem;

MenuItem shortcutMenu()
{
    MenuItem menu = MenuItem::item("R_Menu", "ショートカット");
    menu.children = {MenuItem::item("ExSet", "登  録"), MenuItem::item("ExHen", "変  更"), MenuItem::line("po"),
                     MenuItem::item("ExDel", "削  除")};
    return menu;
}

MenuItem groupMenu()
{
    MenuItem menu = MenuItem::item("GrpNN", "グループ名変更");
    menu.children = {MenuItem::item("GrpHen", "グループ名の変更")};
    return menu;
}

MenuItem trayMenu()
{
    MenuItem menu = MenuItem::item("TaskMenu", "タスクメニュー");
    for (int g = 0; g < model::kGroupCount; ++g) {
        MenuItem group = MenuItem::item("GrpN(" + std::to_string(g) + ")", "グループ" + std::to_string(g + 1));
        for (int k = 0; k < model::kSlotsPerGroup; ++k) {
            const int slot = g * model::kSlotsPerGroup + k;
            group.children.push_back(
                MenuItem::item("f" + std::to_string(g + 1) + "Ex(" + std::to_string(slot) + ")", ""));
        }
        menu.children.push_back(std::move(group));
    }
    menu.children.push_back(MenuItem::line("bbbb"));
    menu.children.push_back(MenuItem::item("MainDisp", "メイン画面を表示"));
    menu.children.push_back(MenuItem::item("SetDsp", "設定画面を表示"));
    menu.children.push_back(MenuItem::item("VerInf", "バージョン情報"));
    menu.children.push_back(MenuItem::line("aaaa"));
    menu.children.push_back(MenuItem::item("EndApli", "終了"));
    return menu;
}

MenuItem& itemNamed(MenuItem& menu, const std::string& name)
{
    for (MenuItem& item : menu.children) {
        if (item.name == name) return item;
    }
    throw std::logic_error("no menu item " + name);
}

}  // namespace

Form2::Form2(app::Noctaris& app)
    : R_Menu(shortcutMenu()),
      GrpNN(groupMenu()),
      TaskMenu(trayMenu()),
      app_(app)
{
    itemNamed(TaskMenu, "MainDisp").onClick = [this] { MainDisp(); };
    itemNamed(TaskMenu, "SetDsp").onClick = [this] { SetDsp(); };
    itemNamed(TaskMenu, "VerInf").onClick = [this] { VerInf(); };
    itemNamed(TaskMenu, "EndApli").onClick = [this] { EndApli(); };
    for (int s = 0; s < model::kSlotCount; ++s) fEx(s).onClick = [this, s] { fEx_Click(s); };
    itemNamed(R_Menu, "ExSet").onClick = [this] { ExSet(); };
    itemNamed(R_Menu, "ExHen").onClick = [this] { ExHen(); };
    itemNamed(R_Menu, "ExDel").onClick = [this] { ExDel(); };
    itemNamed(GrpNN, "GrpHen").onClick = [this] { GrpHen(); };
}

ui::Window& Form2::window()
{
    if (!window_) window_ = std::make_unique<ui::Window>(app_.platform(), ui::WindowFrame::Dialog, "Form2");
    return *window_;
}

ui::MenuItem& Form2::GrpN(int group) { return TaskMenu.children[static_cast<std::size_t>(group)]; }

ui::MenuItem& Form2::fEx(int slot)
{
    return GrpN(model::groupOfSlot(slot)).children[static_cast<std::size_t>(slot % model::kSlotsPerGroup)];
}

void Form2::TaskMenuSet()
{
    model::ListTable& names = app_.launcher().List1;
    for (int s = 0; s < model::kSlotCount; ++s) {
        names.setListIndex(s);
        fEx(s).caption = names.text();
    }
}

void Form2::MainDisp() { app_.unparkBar(); }

void Form2::SetDsp() { app_.form4().Show(); }

void Form2::VerInf() { app_.seihin().Show(); }

void Form2::EndApli() { app_.exit(); }

void Form2::fEx_Click(int index)
{
    model::ListTable& paths = app_.launcher().List2;
    paths.setListIndex(index);
    if (paths.text().empty()) {
        app_.msgBox("ファイルが登録されていません", ui::message_box::kExclamation);
        return;
    }
    const model::Variant& after = app_.settings().SexeA;
    if (after == 1) {
        // Parked, as the setting says: opening the settings keeps it in the tray.
        app_.parkBar();
        ExRun();
    } else if (after == 2) {
        ExRun();
    }
}

// Other failures are left to the shell, which reports them over this
// window; a missing target it passes over in silence, so that one is told
// here, in the words a button's launch uses, once the shell has answered.
void Form2::ExRun()
{
    app_.launches().start(&window(), app_.launcher().List2.text(), app_.platform().programFolder(),
                          shell::Rights::User, [this](shell::LaunchResult result) {
                              if (result == shell::LaunchResult::NotFound) {
                                  app_.msgBox("リンク先のファイルが見つかりません。", ui::message_box::kOk);
                              }
                          });
}

}  // namespace menus
