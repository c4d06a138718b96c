#include <gtest/gtest.h>

#include "bar_fixture.h"
#include "dialogs/seihin.h"
#include "ui/message_box.h"
#include "ui/window.h"

namespace {

using testing_support::BarTest;
using testing_support::Settings;

std::vector<std::string> captions(const ui::MenuItem& menu)
{
    std::vector<std::string> out;
    for (const auto& item : menu.children) out.push_back(item.caption);
    return out;
}

class Menus : public BarTest {
protected:
    void SetUp() override
    {
        registerSlot(45, "ゲーム", "D:\\game.exe");
        registerSlot(0, "A&B", "C:\\ab.exe");
        installDefaults();
        start();
        platform.log.clear();
    }
};

TEST_F(Menus, TreesAndCaptions)
{
    EXPECT_EQ(form2().R_Menu.caption, "ショートカット");
    EXPECT_EQ(captions(form2().R_Menu), (std::vector<std::string>{"登  録", "変  更", "-", "削  除"}));
    EXPECT_TRUE(form2().R_Menu.children[2].separator);
    EXPECT_EQ(captions(form2().GrpNN), std::vector<std::string>{"グループ名の変更"});
    const auto tray = captions(form2().TaskMenu);
    ASSERT_EQ(tray.size(), 16u);
    EXPECT_EQ(tray[0], "グループ1");
    EXPECT_EQ(std::vector<std::string>(tray.begin() + 10, tray.end()),
              (std::vector<std::string>{"-", "メイン画面を表示", "設定画面を表示", "バージョン情報", "-", "終了"}));
    for (int g = 0; g < 10; ++g) EXPECT_EQ(form2().GrpN(g).children.size(), 10u);
    EXPECT_EQ(form2().fEx(45).name, "f5Ex(45)");
    EXPECT_EQ(form2().fEx(45).caption, "ゲーム");
    EXPECT_EQ(form2().fEx(0).caption, "A&B");
    EXPECT_EQ(form2().fEx(46).caption, "") << "a free slot keeps its item, with an empty caption";
}

TEST_F(Menus, TaskMenuSetFollowsTheNameTable)
{
    form1().List1.setList(57, "新しい名前");
    form2().TaskMenuSet();
    EXPECT_EQ(form2().GrpN(5).children[7].caption, "新しい名前");
    EXPECT_EQ(form1().List1.listIndex(), 99);
}

TEST_F(Menus, SlotItemLaunchesItsSlotWhicheverGroupIsShown)
{
    click(form1().Conts[2]);
    platform.menuChoices.push_back("f5Ex(45)");
    tray(ui::TrayEvent::LeftDown);
    ASSERT_EQ(shell.executions.size(), 1u);
    EXPECT_EQ(shell.executions[0].file, "D:\\game.exe");
    EXPECT_EQ(shell.executions[0].owner, &form2().window());
    EXPECT_EQ(shell.executions[0].directory, program.path().string());
    EXPECT_TRUE(form1().window.visible());
}

TEST_F(Menus, SlotItemHidesTheBarFirstWhenTheSettingsSaySo)
{
    form4().SexeA = model::Variant::number(1);
    act([this] { form2().fEx(45).onClick(); });
    EXPECT_TRUE(logHasInOrder({"Form1 hidden", "shell open D:\\game.exe"}));
    EXPECT_EQ(form4().TaskOn, 1) << "the setting parks the bar in the tray";
    form1().window.show();
    form4().SexeA = model::Variant::number(3);
    act([this] { form2().fEx(45).onClick(); });
    EXPECT_EQ(shell.executions.size(), 1u);
    EXPECT_TRUE(form1().window.visible());
}

TEST_F(Menus, SlotItemWhoseTargetIsGoneSaysSoAsAButtonDoes)
{
    shell.missing.insert("D:\\game.exe");
    form4().SexeA = model::Variant::number(1);
    act([this] { form2().fEx(45).onClick(); });
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "リンク先のファイルが見つかりません。");
    EXPECT_EQ(platform.messages[0].style, ui::message_box::kOk);
    EXPECT_FALSE(form1().window.visible()) << "the launch hid the bar, and it stays hidden";
}

TEST_F(Menus, FreeSlotItemSaysNothingIsRegistered)
{
    form2().fEx(46).onClick();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "ファイルが登録されていません");
    EXPECT_EQ(platform.messages[0].style, ui::message_box::kExclamation);
    EXPECT_TRUE(shell.executions.empty());
}

TEST_F(Menus, ShowCommandBringsTheParkedBarBack)
{
    click(form1().Picture1);
    platform.menuChoices.push_back("MainDisp");
    tray(ui::TrayEvent::LeftDown);
    EXPECT_TRUE(form1().window.visible());
    EXPECT_EQ(form4().TaskOn, 0);
    EXPECT_EQ(platform.trayIcons.size(), 1u);
}

TEST_F(Menus, ExitCommandEndsWithoutWriting)
{
    platform.menuChoices.push_back("EndApli");
    tray(ui::TrayEvent::LeftDown);
    EXPECT_TRUE(platform.ended);
    EXPECT_TRUE(platform.trayIcons.empty());
    ASSERT_TRUE(logHas("program ended"));
    for (const auto& event : platform.log) EXPECT_EQ(event.rfind("write", 0), std::string::npos) << event;
}

TEST_F(Menus, SettingsAndVersionCommandsOpenTheirWindows)
{
    platform.menuChoices = {"SetDsp", "VerInf"};
    tray(ui::TrayEvent::LeftDown);
    tray(ui::TrayEvent::LeftDown);
    ASSERT_NE(form4().window(), nullptr);
    EXPECT_EQ(form4().window()->caption(), "設定");
    ASSERT_NE(app->seihin().window(), nullptr);
    EXPECT_EQ(app->seihin().window()->caption(), "製品情報");
}

TEST_F(Menus, DismissedShortcutMenuLeavesTheSlotSelected)
{
    click(form1().ShortCut[5], ui::mouse::kRight);
    EXPECT_TRUE(form2().ListNoA == 5);
    EXPECT_TRUE(form1().ShIn == 5);
    EXPECT_EQ(form1().List1.listIndex(), 5);
    EXPECT_EQ(form1().List2.listIndex(), 5);
}

}  // namespace
