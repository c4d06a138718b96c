// The rules the windowing layer keeps for every backend: what a click on a
// system control does, which window takes drops, which control gets the
// keyboard and which pointer shows.
#include <gtest/gtest.h>

#include "headless/platform.h"
#include "test_files.h"
#include "ui/control.h"
#include "ui/hit_test.h"
#include "ui/window.h"

namespace {

class WindowRules : public ::testing::Test {
protected:
    testing_support::TempFolder folder;
    headless::Platform platform{folder.path().string()};
    ui::Window window{platform, ui::WindowFrame::Dialog, "W"};
    ui::WindowInput& input = platform.input(window);
};

TEST_F(WindowRules, ClicksSelectAnOptionOnceTurnACheckOverAndPushAButton)
{
    ui::Frame frame(window, "Frame");
    ui::OptionButton first(frame, "First");
    ui::OptionButton second(frame, "Second");
    ui::CheckBox check(window, "Check");
    ui::CommandButton button(window, "Button");
    int firstRuns = 0, checkRuns = 0, pushes = 0;
    first.onClick = [&] { ++firstRuns; };
    check.onClick = [&] { ++checkRuns; };
    button.onClick = [&] { ++pushes; };
    second.setValue(true);

    input.nativeClick(first);
    input.nativeClick(first);
    EXPECT_EQ(firstRuns, 1) << "a selected option runs nothing again";
    EXPECT_TRUE(first.value());
    EXPECT_FALSE(second.value());
    input.nativeClick(check);
    input.nativeClick(check);
    EXPECT_EQ(checkRuns, 2);
    EXPECT_FALSE(check.value());
    input.nativeClick(button);
    EXPECT_EQ(pushes, 1);

    button.setEnabled(false);
    input.nativeClick(button);
    window.setEnabled(true);
    input.systemEnabled(false);
    input.nativeClick(check);
    EXPECT_EQ(pushes, 1);
    EXPECT_EQ(checkRuns, 2) << "a window under a message box takes no click";
}

// A peer reads its control's state, so it comes only once the control is
// whole: at the control's first change, or when its window shows.
TEST_F(WindowRules, AControlGetsItsPeerOnlyOnceItIsWhole)
{
    ui::Label label(window, "Label");
    window.show();
    EXPECT_NE(label.peer(), nullptr) << "every control has one once its window shows";
    ui::TextBox box(window, "Box");
    EXPECT_EQ(box.peer(), nullptr) << "none while it was being made on a shown window";
    box.setText("typed");
    EXPECT_NE(box.peer(), nullptr);
}

TEST_F(WindowRules, OnlyAWindowWithAPictureBoxThatTakesDropsRegistersForThem)
{
    ui::PictureBox panel(window, "Panel");
    ui::PictureBox inner(panel, "Inner");
    EXPECT_FALSE(window.holdsDropTargets());
    inner.setAcceptsDrops(true);
    EXPECT_TRUE(window.holdsDropTargets()) << "a picture box inside another counts";
}

TEST_F(WindowRules, TheKeyboardGoesWhereItWasElseToTheFirstTabStopThatCanTakeIt)
{
    ui::Label label(window, "Label");
    ui::TextBox name(window, "Name");
    ui::CommandButton ok(window, "Ok");
    ui::CommandButton cancel(window, "Cancel");
    EXPECT_EQ(window.tabOrder(), (std::vector<ui::Control*>{&name, &ok, &cancel})) << "made in this order";
    EXPECT_EQ(window.focusTarget(), &name);
    input.systemFocused(&cancel);
    EXPECT_EQ(window.focusTarget(), &cancel);
    cancel.setEnabled(false);
    name.setVisible(false);
    EXPECT_EQ(window.focusTarget(), &ok);
    cancel.setEnabled(true);
    cancel.setTabIndex(0);
    EXPECT_EQ(window.tabOrder(), (std::vector<ui::Control*>{&cancel, &name, &ok}));
}

TEST_F(WindowRules, TheWindowsPointerWinsOverTheControlsUnlessItLeavesTheChoice)
{
    ui::PictureBox link(window, "Link");
    link.setBounds({10, 10, 20, 20});
    link.setMousePointer(ui::MousePointer::UpArrow);
    EXPECT_EQ(window.pointerAt({15, 15}), ui::MousePointer::UpArrow);
    EXPECT_EQ(window.pointerAt({50, 50}), ui::MousePointer::Default);
    window.setMousePointer(ui::MousePointer::Hourglass);
    EXPECT_EQ(window.pointerAt({15, 15}), ui::MousePointer::Hourglass);
}

}  // namespace
