#include "menus/form2.h"

#include <string>

#include "app/noctaris.h"
#include "bar/form1.h"
#include "model/launcher_data.h"
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

}  // namespace

Form2::Form2(app::Noctaris& app)
    : window(app.platform(), ui::WindowFrame::Dialog, "Form2"),
      Label1(window, "Label1"),
      R_Menu(shortcutMenu()),
      GrpNN(groupMenu()),
      TaskMenu(trayMenu()),
      app_(app)
{
    Label1.setCaption("このフォームはポップアップメニュー設定用フォームです。");
}

ui::MenuItem& Form2::GrpN(int group) { return TaskMenu.children[static_cast<std::size_t>(group)]; }

ui::MenuItem& Form2::fEx(int slot)
{
    return GrpN(model::groupOfSlot(slot)).children[static_cast<std::size_t>(slot % model::kSlotsPerGroup)];
}

void Form2::TaskMenuSet()
{
    bar::Form1& form1 = app_.form1();
    for (int s = 0; s < model::kSlotCount; ++s) {
        form1.List1.setListIndex(s);
        fEx(s).caption = form1.List1.text();
    }
}

}  // namespace menus
