// Targets the shell keeps waiting (a dead network share): nothing the user
// does waits for them. The headless shell holds a target's lookups and
// launches until the test lets them go.
#include <gtest/gtest.h>

#include "bar_fixture.h"
#include "ui/message_box.h"

namespace {

using testing_support::BarTest;
using testing_support::Settings;

const std::string kShare = "\\\\server\\share\\資料.xls";

class SlowTargets : public BarTest {
protected:
    void SetUp() override
    {
        registerSlot(3, "資料", kShare);
        registerSlot(4, "メモ帳", "C:\\memo.exe");
        registerSlot(42, "共有", kShare);
    }
    bool waiting(int slot)
    {
        const ui::PictureBox& face = form1().ShortCut[slot];
        return face.picture() == ui::Art::Aki && !face.surface().drawings().empty();
    }
    std::string icon(int slot) { return headless::iconPath(form1().ShortCut[slot].surface().drawings().at(0).icon); }
};

TEST_F(SlowTargets, TheBarStartsWithoutThemAndTheirFacesComeWhenTheyAnswer)
{
    shell.hold(kShare);
    installDefaults();
    start();
    EXPECT_TRUE(form1().window.visible());
    EXPECT_TRUE(waiting(3)) << "the empty picture with its name, not taken for a free slot";
    EXPECT_EQ(form1().ShortCut[3].surface().drawings().back().text, "資料");
    EXPECT_EQ(icon(4), "C:\\memo.exe") << "an ordinary target shows at once";
    click(form1().Conts[4]);
    EXPECT_TRUE(waiting(42)) << "a group shown later does not wait either";
    click(form1().Conts[0]);

    shell.release(kShare);
    act([] {});
    EXPECT_EQ(icon(3), kShare);
    EXPECT_EQ(form1().ShortCut[3].surface().drawings().size(), 1u);
}

TEST_F(SlowTargets, ALaunchThatWaitsLeavesTheBarWorkingAndTellsItsEndOnce)
{
    shell.missing.insert(kShare);
    installDefaults(Settings{.SexeA = 1});
    start();
    shell.hold(kShare);
    click(form1().ShortCut[3]);
    click(form1().ShortCut[3]);
    EXPECT_EQ(shell.executions.size(), 1u) << "a second click while the first waits launches nothing";
    EXPECT_FALSE(form1().window.visible()) << "parked, as the setting says";
    platform.menuChoices.push_back("MainDisp");
    tray(ui::TrayEvent::LeftDown);
    click(form1().Conts[2]);
    EXPECT_EQ(form1().shownGroup(), 2) << "the bar answers the tray and switches groups meanwhile";
    EXPECT_TRUE(platform.messages.empty());

    shell.release(kShare);
    act([] {});
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "リンク先のファイルが見つかりません。");
}

TEST_F(SlowTargets, ATrayLaunchUnderWayIsNotStartedAgain)
{
    installDefaults();
    start();
    shell.hold(kShare);
    platform.menuChoices = {"f1Ex(3)", "f1Ex(3)"};
    tray(ui::TrayEvent::LeftDown);
    tray(ui::TrayEvent::LeftDown);
    shell.release(kShare);
    act([] {});
    EXPECT_EQ(shell.executions.size(), 1u);
}

TEST_F(SlowTargets, ExitDoesNotWaitForThem)
{
    shell.hold(kShare);
    installDefaults();
    start();
    platform.menuChoices.push_back("EndApli");
    tray(ui::TrayEvent::LeftDown);
    EXPECT_TRUE(platform.ended);
    // What they answer after the end reaches nothing: the process is gone.
    shell.release(kShare);
    platform.settle();
    EXPECT_EQ(platform.touchedAfterUnload, std::vector<std::string>{});
}

// Ctrl+Shift with a click runs the target as administrator; a declined
// prompt says nothing, a missing target what a click says.
TEST_F(SlowTargets, CtrlShiftClickRunsAsAdministrator)
{
    installDefaults(Settings{.SKidoA = 2});
    start();
    const auto ctrlShiftClick = [this](int slot) {
        act([&] { form1().ShortCut_MouseUp(slot, ui::mouse::kLeft, ui::shift::kCtrl | ui::shift::kShift, 5, 5); });
    };
    ctrlShiftClick(4);
    ASSERT_EQ(shell.executions.size(), 1u) << "in double-click mode too";
    EXPECT_EQ(shell.executions[0].rights, shell::Rights::Administrator);
    EXPECT_EQ(shell.executions[0].directory, program.path().string());
    shell.declineElevation = true;
    ctrlShiftClick(4);
    EXPECT_TRUE(platform.messages.empty());
    shell.missing.insert("C:\\memo.exe");
    shell.declineElevation = false;
    ctrlShiftClick(4);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "リンク先のファイルが見つかりません。");
    click(form1().ShortCut[4]);
    EXPECT_EQ(shell.executions.size(), 3u) << "a plain click in double-click mode only selects";
}

// Declined, the prompt launched nothing: a bar parked for the launch comes back.
TEST_F(SlowTargets, ADeclinedElevationBringsBackTheBarParkedForIt)
{
    installDefaults(Settings{.SexeA = 1});
    start();
    shell.declineElevation = true;
    act([&] { form1().ShortCut_MouseUp(4, ui::mouse::kLeft, ui::shift::kCtrl | ui::shift::kShift, 5, 5); });
    EXPECT_TRUE(logHasInOrder({"Form1 hidden", "Form1 shown"}));
    EXPECT_TRUE(form1().window.visible());
    EXPECT_EQ(app->launcher().TaskOn, 0);
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
