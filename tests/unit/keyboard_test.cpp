// The bar worked from the keyboard: where the keyboard is, how it moves, and
// that every key acts through the commands the mouse uses.
#include <gtest/gtest.h>

#include "bar_fixture.h"
#include "dialogs/form5.h"
#include "menus/form3.h"
#include "ui/hit_test.h"

namespace {

using testing_support::BarTest;
using testing_support::Settings;
using ui::Key;

class Keyboard : public BarTest {
protected:
    void startWith(const Settings& settings = {})
    {
        registerSlot(2, "メモ帳", "C:\\memo.exe");
        registerSlot(43, "表", "C:\\sheet.exe");
        installDefaults(settings);
        start();
        act([this] { platform.input(form1().window).systemActivated(false); });
    }
    void key(Key k, int shift = 0, int digit = 0)
    {
        act([&] { platform.input(form1().window).keyInput({k, digit, shift}); });
    }
    ui::Control* focus() { return form1().window.keyboardFocus(); }
};

TEST_F(Keyboard, ItArrivesOnAButtonAndMovesAlongTheBar)
{
    startWith();
    EXPECT_EQ(focus(), &form1().ShortCut[0]) << "the first button of the group shown";
    EXPECT_FALSE(form1().window.focusRingShown()) << "no ring after a click's activation";
    key(Key::Left);
    EXPECT_TRUE(form1().window.focusRingShown());
    EXPECT_EQ(focus(), &form1().ShortCut[9]) << "round the ten buttons";
    key(Key::Right);
    key(Key::Right);
    key(Key::Down);
    EXPECT_EQ(focus(), &form1().ShortCut[1]) << "up and down belong to the vertical bar";
    for (int i = 0; i < 9; ++i) key(Key::Tab);
    EXPECT_EQ(focus(), &form1().Conts[0]) << "Tab goes on from the buttons to the tabs";
    key(Key::Right);
    EXPECT_EQ(focus(), &form1().Conts[1]) << "arrows stay among the tabs";
    key(Key::Tab, ui::shift::kShift);
    key(Key::Tab, ui::shift::kShift);
    EXPECT_EQ(focus(), &form1().ShortCut[9]);

    click(form1().ShortCut[2]);
    form1().window.setKeyboardFocus(nullptr);
    act([this] { platform.input(form1().window).systemActivated(true); });
    EXPECT_EQ(focus(), &form1().ShortCut[2]) << "back on the button last used, cues shown after Alt+Tab";
    EXPECT_TRUE(form1().window.focusRingShown());
}

TEST_F(Keyboard, EnterAndSpaceLaunchWithTheClicksRules)
{
    startWith(Settings{.SKidoA = 2, .SexeA = 1, .FormStyle = 1});  // double-click mode, hide after launching, vertical
    key(Key::Down);
    key(Key::Down);
    key(Key::Enter);
    ASSERT_EQ(shell.executions.size(), 1u) << "Enter launches in either launch mode";
    EXPECT_EQ(shell.executions[0].file, "C:\\memo.exe");
    EXPECT_FALSE(form1().window.visible()) << "as the after-launch setting says";
    act([this] { app->unparkBar(); });
    key(Key::Down);
    key(Key::Space);
    EXPECT_EQ(shell.executions.size(), 1u) << "an empty slot launches nothing";
    key(Key::Up);
    key(Key::Enter, ui::shift::kCtrl | ui::shift::kShift);
    ASSERT_EQ(shell.executions.size(), 2u);
    EXPECT_EQ(shell.executions[1].rights, shell::Rights::Administrator);
    shell.missing.insert("C:\\memo.exe");
    act([this] { app->unparkBar(); });
    key(Key::Space);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "リンク先のファイルが見つかりません。");
}

TEST_F(Keyboard, CtrlKeysSwitchGroupsAndTheKeyboardKeepsItsPlace)
{
    startWith();
    key(Key::Right);
    key(Key::Right);
    key(Key::Right);
    key(Key::Digit, ui::shift::kCtrl, 5);
    EXPECT_EQ(form1().shownGroup(), 4);
    EXPECT_EQ(focus(), &form1().ShortCut[43]);
    key(Key::Tab, ui::shift::kCtrl);
    EXPECT_EQ(form1().shownGroup(), 5);
    key(Key::Tab, ui::shift::kCtrl | ui::shift::kShift);
    key(Key::Tab, ui::shift::kCtrl | ui::shift::kShift);
    EXPECT_EQ(form1().shownGroup(), 3);
    key(Key::Digit, ui::shift::kCtrl, 0);
    EXPECT_EQ(form1().shownGroup(), 9);
    EXPECT_EQ(form1().Conts[9].picture(), ui::btF(9)) << "as a click on the tab";
}

TEST_F(Keyboard, TheMenuKeyOpensAtTheElementAndF2RenamesAGroup)
{
    startWith();
    key(Key::Right);
    key(Key::Right);
    platform.menuChoices.push_back("ExHen");
    key(Key::Menu);
    ASSERT_EQ(platform.popups, std::vector<std::string>{"R_Menu"});
    const ui::Rect button = ui::deviceRect(form1().ShortCut[2]);
    EXPECT_EQ(platform.popupPoints.back(), form1().window.toScreen({button.left, button.top + button.height}));
    ASSERT_NE(app->openDialog(), nullptr) << "the change dialog for slot 2";
    EXPECT_EQ(app->form5().Text1.text(), "メモ帳");
    key(Key::Enter);
    EXPECT_EQ(shell.executions.size(), 0u) << "the bar takes no key while its dialog is open";
    act([this] { platform.input(*app->openDialog()).closeRequest(); });

    for (int i = 0; i < 8; ++i) key(Key::Tab);
    key(Key::Right);
    key(Key::Right);
    key(Key::Menu);
    EXPECT_EQ(platform.popups.back(), "GrpNN");
    const ui::Rect tab = ui::deviceRect(form1().Conts[2]);
    EXPECT_EQ(platform.popupPoints.back(), form1().window.toScreen({tab.left, tab.top + tab.height}))
        << "at the tab, not at the pointer";
    EXPECT_TRUE(form1().GrNO == 2);
    key(Key::F2);
    ASSERT_NE(app->openDialog(), nullptr);
    EXPECT_EQ(app->form3().Text1.text(), "グループ3");
}

}  // namespace
