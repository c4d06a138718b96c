#include <gtest/gtest.h>

#include "bar_fixture.h"
#include "ui/message_box.h"

namespace {

using testing_support::BarTest;
using testing_support::Settings;

class Launch : public BarTest {
protected:
    void startWith(const Settings& settings = {})
    {
        registerSlot(3, "メモ帳", "C:\\Windows\\notepad.exe");
        installDefaults(settings);
        start();
        platform.log.clear();
    }
    std::size_t launches() const { return shell.executions.size(); }
};

TEST_F(Launch, SingleClickLaunchesThroughTheShellFromTheProgramFolder)
{
    startWith();
    click(form1().ShortCut[3]);
    ASSERT_EQ(launches(), 1u);
    const auto& run = shell.executions[0];
    EXPECT_EQ(run.file, "C:\\Windows\\notepad.exe");
    EXPECT_EQ(run.directory, program.path().string());
    EXPECT_EQ(run.owner, &form1().window);
    EXPECT_TRUE(form1().window.visible()) << "after-launch setting 2 leaves the bar shown";
}

TEST_F(Launch, FastDoubleClickInSingleClickModeLaunchesTwice)
{
    startWith();
    doubleClick(form1().ShortCut[3]);
    EXPECT_EQ(launches(), 2u);
}

TEST_F(Launch, DoubleClickModeLaunchesOnlyOnTheDoubleClick)
{
    startWith(Settings{.SKidoA = 2});
    click(form1().ShortCut[3]);
    EXPECT_EQ(launches(), 0u);
    EXPECT_TRUE(form1().ShIn == 3) << "a click still selects";
    doubleClick(form1().ShortCut[3]);
    EXPECT_EQ(launches(), 1u);
}

TEST_F(Launch, AfterLaunchSettingHidesTheBarFirstOrNeverLaunches)
{
    startWith(Settings{.SexeA = 1});
    click(form1().ShortCut[3]);
    EXPECT_TRUE(logHasInOrder({"Form1 hidden", "shell open C:\\Windows\\notepad.exe"}));
    EXPECT_FALSE(form1().window.visible());
    EXPECT_EQ(form4().TaskOn, 1) << "parked in the tray, as the setting says";
    act([this] { form4().Show(); });
    EXPECT_FALSE(form1().window.visible()) << "opening the settings keeps it there";
    click(form4().controls()->Image1);

    form4().SexeA = model::Variant::number(7);
    form1().window.show();
    click(form1().ShortCut[3]);
    EXPECT_EQ(launches(), 1u) << "any other value selects but never launches";
}

TEST_F(Launch, EmptySlotDoesNothingOnClickOrDoubleClick)
{
    startWith();
    click(form1().ShortCut[4]);
    form4().SKidoA = model::Variant::number(2);
    doubleClick(form1().ShortCut[4]);
    EXPECT_EQ(launches(), 0u);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Launch, VanishedTargetShowsTheMessageAndBringsTheBarBack)
{
    startWith(Settings{.SexeA = 1});
    shell.missing.insert("C:\\Windows\\notepad.exe");
    click(form1().ShortCut[3]);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "リンク先のファイルが見つかりません。");
    EXPECT_EQ(platform.messages[0].style, ui::message_box::kOk);
    EXPECT_TRUE(logHasInOrder({"Form1 hidden", "message: リンク先のファイルが見つかりません。", "Form1 shown"}));
    EXPECT_TRUE(form1().window.visible());
    EXPECT_EQ(form4().TaskOn, 0);
}

TEST_F(Launch, WithoutATrayIconTheBarStaysShownAfterLaunching)
{
    platform.trayAvailable = false;
    startWith(Settings{.SexeA = 1});
    click(form1().ShortCut[3]);
    EXPECT_EQ(launches(), 1u);
    EXPECT_TRUE(form1().window.visible());
}

TEST_F(Launch, PressAndRightReleaseSetTheMenuSlotAndOpenTheShortcutMenu)
{
    startWith();
    click(form1().ShortCut[7], ui::mouse::kRight);
    EXPECT_TRUE(form2().ListNoA == 7);
    EXPECT_TRUE(form1().ShIn == 7);
    EXPECT_EQ(form1().List2.listIndex(), 7);
    EXPECT_EQ(platform.popups, std::vector<std::string>{"R_Menu"});
    EXPECT_EQ(launches(), 0u);
}

TEST_F(Launch, HoverShowsTheNameInTheInfoLineOnlyOnTheHorizontalBar)
{
    startWith();
    auto& button = form1().ShortCut[3];
    hover(button, 4, 4);
    EXPECT_EQ(button.toolTip(), "メモ帳");
    EXPECT_EQ(form1().Text1.text(), "メモ帳");
    EXPECT_EQ(form1().Label1.caption(), "メモ帳");
    EXPECT_EQ(platform.capturedControl(), &button);
    hover(button, 40, 4);
    EXPECT_EQ(form1().Text1.text(), "") << "moving off clears the line";
    EXPECT_FALSE(platform.captureHeld());

    form1().FormStyleHen_MouseUp(1, 0, 0, 0);
    form1().Text1.setText("kept");
    hover(button, 4, 4);
    EXPECT_EQ(button.toolTip(), "メモ帳");
    EXPECT_EQ(form1().Text1.text(), "kept") << "the vertical bar leaves the info line alone";
}

TEST_F(Launch, EmptySlotHasNoTooltip)
{
    startWith();
    hover(form1().ShortCut[5], 4, 4);
    EXPECT_EQ(form1().ShortCut[5].toolTip(), "");
}

}  // namespace
