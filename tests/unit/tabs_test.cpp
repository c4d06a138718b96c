#include <gtest/gtest.h>

#include "bar_fixture.h"

namespace {

using testing_support::BarTest;

class Tabs : public BarTest {
protected:
    void SetUp() override
    {
        registerSlot(42, "表計算", "C:\\calc.exe");
        registerSlot(47, "消えた", "C:\\gone.exe");
        shell.missing.insert("C:\\gone.exe");
        installDefaults();
        start();
    }
    int tabsShowingFront()
    {
        int shown = 0;
        for (int t = 0; t < 10; ++t) shown += form1().Conts[t].picture() == ui::btF(t) ? 1 : 0;
        return shown;
    }
};

TEST_F(Tabs, LeftClickShowsTheGroupAndMarksOnlyItsTab)
{
    click(form1().Conts[4]);
    EXPECT_EQ(form1().Grp[0].container().children().front(), &form1().Grp[4]);
    EXPECT_EQ(form1().Conts[4].picture(), ui::btF(4));
    EXPECT_EQ(form1().Conts[0].picture(), ui::btB(0));
    EXPECT_EQ(tabsShowingFront(), 1);
    EXPECT_TRUE(form1().GrNO == 4);
    EXPECT_EQ(headless::iconPath(form1().ShortCut[42].surface().drawings()[0].icon), "C:\\calc.exe");
    EXPECT_TRUE(form1().ShortCut[47].surface().drawings().empty()) << "a vanished target gets a blank face";
    EXPECT_EQ(form1().ShortCut[47].picture(), ui::Art::None);
    EXPECT_EQ(form1().ShortCut[43].picture(), ui::Art::Aki);
}

TEST_F(Tabs, SwitchShowsLoadingAndTheHourglassWhileItDraws)
{
    std::vector<std::pair<std::string, ui::MousePointer>> lines;
    const auto shown = std::move(form1().Text1.onChange);
    form1().Text1.onChange = [&] {
        shown();
        lines.emplace_back(form1().Label1.caption(), form1().window.mousePointer());
    };
    click(form1().Conts[4]);
    EXPECT_EQ(lines, (std::vector<std::pair<std::string, ui::MousePointer>>{
                         {"Now Loading...", ui::MousePointer::Hourglass}, {"", ui::MousePointer::Hourglass}}));
    EXPECT_EQ(form1().window.mousePointer(), ui::MousePointer::Default);
}

TEST_F(Tabs, ClickOnTheShownTabRedrawsItsFacesFromTheKeptIcons)
{
    click(form1().Conts[4]);
    const int before = shell.iconLookups;
    platform.log.clear();
    click(form1().Conts[4]);
    EXPECT_EQ(shell.iconLookups, before) << "unchanged targets keep their icons";
    EXPECT_EQ(tabsShowingFront(), 1);
}

TEST_F(Tabs, ARedrawnFaceHoldsOneDrawingAndAVanishedTargetLeavesItEmpty)
{
    click(form1().Conts[4]);
    click(form1().Conts[0]);
    click(form1().Conts[4]);
    EXPECT_EQ(form1().ShortCut[42].surface().drawings().size(), 1u);
    shell.missing.insert("C:\\calc.exe");
    click(form1().Conts[0]);
    click(form1().Conts[4]);
    EXPECT_TRUE(form1().ShortCut[42].surface().drawings().empty());
    EXPECT_EQ(form1().ShortCut[42].picture(), ui::Art::None);
}

TEST_F(Tabs, IconsAreLookedUpAgainWhenFileTypesChangeTheirLook)
{
    const auto lookOf42 = [this] {
        const auto& drawings = form1().ShortCut[42].surface().drawings();
        return drawings.size() == 1 ? dynamic_cast<const headless::Icon&>(*drawings[0].icon).look : -1;
    };
    click(form1().Conts[4]);
    shell.iconLook = 1;
    click(form1().Conts[0]);
    click(form1().Conts[4]);
    EXPECT_EQ(lookOf42(), 0) << "kept while nothing says the look changed";
    shell.hold("C:\\calc.exe");
    act([this] { platform.input(form1().window).shellIconsChanged(); });
    EXPECT_EQ(lookOf42(), 0) << "the old look until the new one has come: no empty face meanwhile";
    shell.release("C:\\calc.exe");
    platform.settle();
    EXPECT_EQ(lookOf42(), 1) << "the group on screen shows the new look as soon as it comes";
}

TEST_F(Tabs, IconsLookedUpAheadMakeTheFirstShowingQuickAndStayRight)
{
    act([this] { platform.input(form1().window).firstPainted(); });
    EXPECT_TRUE(logHas("background work"));
    const int ahead = shell.iconLookups;
    shell.written["C:\\calc.exe"] = 7;  // changed after it was looked up
    click(form1().Conts[4]);
    EXPECT_EQ(shell.iconLookups - ahead, 1) << "only the changed target is looked up again";
    EXPECT_EQ(headless::iconPath(form1().ShortCut[42].surface().drawings().at(0).icon), "C:\\calc.exe");
    EXPECT_TRUE(form1().ShortCut[47].surface().drawings().empty()) << "the vanished target still gets a blank face";
}

// The lookups ahead run on a thread of their own while the user switches to
// the groups they are for; the tsan preset watches the hand-over.
TEST_F(Tabs, LookupsAheadAndTheGroupSwitchShareTheIconsSafely)
{
    act([this] {
        platform.input(form1().window).firstPainted();
        for (const int group : {4, 0, 4}) form1().Conts_MouseUp(group, ui::mouse::kLeft, 0, 0, 0);
    });
    EXPECT_EQ(headless::iconPath(form1().ShortCut[42].surface().drawings().at(0).icon), "C:\\calc.exe");
    EXPECT_TRUE(form1().ShortCut[47].surface().drawings().empty());
}

TEST_F(Tabs, RightClickOpensTheGroupMenuAndChangesNothingShown)
{
    form1().Text1.setText("x");
    click(form1().Conts[6], ui::mouse::kRight);
    EXPECT_EQ(platform.popups, std::vector<std::string>{"GrpNN"});
    EXPECT_TRUE(form1().GrNO == 6);
    EXPECT_TRUE(form1().ShIn == 6);
    EXPECT_EQ(form1().Text1.text(), "") << "the info line is cleared after the menu";
    EXPECT_EQ(form1().Grp[0].container().children().front(), &form1().Grp[0]);
    EXPECT_EQ(form1().Conts[0].picture(), ui::btF(0));
    EXPECT_EQ(form1().Conts[6].picture(), ui::btB(6));
}

TEST_F(Tabs, HoverShowsTheGroupNameAndSelectsIt)
{
    hover(form1().Conts[2], 3, 3);
    EXPECT_EQ(form1().Conts[2].toolTip(), "グループ3");
    EXPECT_EQ(form1().Text1.text(), "グループ3");
    EXPECT_EQ(form1().List3.listIndex(), 2);
    EXPECT_TRUE(form1().ShIn == 2);
    hover(form1().Conts[2], 30, 3);
    EXPECT_EQ(form1().Text1.text(), "");

    form1().FormStyleHen_MouseUp(1, 0, 0, 0);
    form1().Text1.setText("kept");
    hover(form1().Conts[5], 3, 3);
    EXPECT_EQ(form1().Conts[5].toolTip(), "グループ6");
    EXPECT_EQ(form1().Text1.text(), "kept");
}

}  // namespace
