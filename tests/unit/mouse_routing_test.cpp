// The mouse as the bar's window receives it, routed by the portable layer:
// which of the overlapping group panels gets a press, who keeps the mouse,
// what lets it through, and what makes a double click.
#include <gtest/gtest.h>

#include "bar_fixture.h"
#include "ui/hit_test.h"

namespace {

using testing_support::BarTest;
using testing_support::Settings;

class MouseRouting : public BarTest {
protected:
    void SetUp() override
    {
        registerSlot(3, "メモ帳", "C:\\notepad.exe");
        registerSlot(4, "電卓", "C:\\calc.exe");
        registerSlot(43, "表", "C:\\sheet.exe");
    }
    void startWith(const Settings& settings = {})
    {
        installDefaults(settings);
        start();
    }
    ui::Point centreOf(const ui::Control& control)
    {
        const ui::Rect r = ui::windowRect(control);
        return {r.left + r.width / 2, r.top + r.height / 2};
    }
    void send(ui::MouseAction action, int button, int held, ui::Point at, unsigned timeMs)
    {
        act([&] { platform.input(form1().window).mouseInput(ui::MouseInput::of(action, button, held, at, timeMs)); });
    }
    void clickAt(ui::Point at, unsigned timeMs)
    {
        send(ui::MouseAction::Press, ui::mouse::kLeft, ui::mouse::kLeft, at, timeMs);
        send(ui::MouseAction::Release, ui::mouse::kLeft, 0, at, timeMs + 50);
    }
    std::size_t launches() const { return shell.executions.size(); }
};

const Settings kHorizontal{.SKidoA = 2};  // double-click mode

// A right click and a left press soon after at the same spot make no
// double click: in double-click mode they launch nothing.
TEST_F(MouseRouting, ARightClickAndALeftPressAreNoDoubleClick)
{
    startWith(kHorizontal);
    const ui::Point spot = centreOf(form1().ShortCut[3]);
    send(ui::MouseAction::Press, ui::mouse::kRight, ui::mouse::kRight, spot, 1000);
    send(ui::MouseAction::Release, ui::mouse::kRight, 0, spot, 1050);
    clickAt(spot, 1100);
    EXPECT_EQ(launches(), 0u);
}

TEST_F(MouseRouting, OnlyTheFrontGroupsButtonsAreHit)
{
    startWith(kHorizontal);
    const ui::Point spot = centreOf(form1().ShortCut[3]);
    EXPECT_EQ(ui::controlAt(form1().window, spot, ui::HitFor::Mouse), &form1().ShortCut[3]);
    click(form1().Conts[4]);
    EXPECT_EQ(ui::controlAt(form1().window, spot, ui::HitFor::Mouse), &form1().ShortCut[43])
        << "group 4's panel is now in front of group 0's at the same place";
    clickAt(spot, 5000);
    EXPECT_TRUE(form1().ShIn == 43);
}

// On the vertical bar the buttons track no hover, which would let go of the mouse.
TEST_F(MouseRouting, APressKeepsTheMouseUntilTheLastButtonIsReleased)
{
    startWith(Settings{.SKidoA = 2, .FormStyle = 1});
    const ui::Point three = centreOf(form1().ShortCut[3]);
    const ui::Point four = centreOf(form1().ShortCut[4]);
    send(ui::MouseAction::Press, ui::mouse::kLeft, ui::mouse::kLeft, three, 1000);
    send(ui::MouseAction::Move, 0, ui::mouse::kLeft, four, 1010);
    EXPECT_TRUE(form1().ShIn == 3) << "moves go to the pressed button";
    send(ui::MouseAction::Press, ui::mouse::kRight, ui::mouse::kLeft | ui::mouse::kRight, four, 1020);
    EXPECT_EQ(platform.popups, std::vector<std::string>{}) << "the second button's press goes to button 3 too";
    send(ui::MouseAction::Release, ui::mouse::kLeft, ui::mouse::kRight, four, 1030);
    EXPECT_TRUE(platform.captureHeld()) << "a button is still held";
    send(ui::MouseAction::Release, ui::mouse::kRight, 0, four, 1040);
    EXPECT_FALSE(platform.captureHeld());
    EXPECT_TRUE(form2().ListNoA == 3) << "the menu opened for the button that was pressed";
    send(ui::MouseAction::Move, 0, 0, four, 1050);
    EXPECT_TRUE(form1().ShIn == 4) << "free again, the mouse reaches what is under it";
}

TEST_F(MouseRouting, TheInfoLineLetsTheMouseThroughToTheBackground)
{
    startWith(kHorizontal);
    const ui::Point onInfoLine = centreOf(form1().Label1);
    EXPECT_EQ(ui::controlAt(form1().window, onInfoLine, ui::HitFor::Mouse), nullptr);
    EXPECT_EQ(ui::controlAt(form1().window, onInfoLine, ui::HitFor::ToolTip), &form1().Label1);
    platform.dragTo = ui::Point{10, 10};
    send(ui::MouseAction::Press, ui::mouse::kLeft, ui::mouse::kLeft, onInfoLine, 1000);
    send(ui::MouseAction::Move, 0, ui::mouse::kLeft, onInfoLine, 1010);
    EXPECT_EQ(form1().window.pixelBounds().left, 10) << "dragging the info line drags the bar";
}

struct SecondPress {
    unsigned afterMs;
    int dx;
    bool launches;
};

class DoubleClicks : public MouseRouting, public testing::WithParamInterface<SecondPress> {};

TEST_P(DoubleClicks, ASecondPressSoonAndCloseIsADoubleClick)
{
    startWith(kHorizontal);
    const ui::Point at = centreOf(form1().ShortCut[3]);
    clickAt(at, 1000);
    clickAt({at.x + GetParam().dx, at.y}, 1000 + GetParam().afterMs);
    EXPECT_EQ(launches(), GetParam().launches ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(MouseRouting, DoubleClicks,
                         testing::Values(SecondPress{300, 0, true}, SecondPress{500, 2, true},
                                         SecondPress{501, 0, false}, SecondPress{300, 3, false}));

TEST_F(MouseRouting, AThirdQuickPressStartsCountingAnew)
{
    startWith(kHorizontal);
    const ui::Point at = centreOf(form1().ShortCut[3]);
    for (unsigned t = 1000; t < 1400; t += 100) clickAt(at, t);
    EXPECT_EQ(launches(), 2u) << "four quick clicks are two double clicks";
}

// Found by the session fuzzer: a window that goes takes the mouse capture
// with it, so that the next window to take it finds no stale holder.
TEST_F(MouseRouting, AClosedDialogTakesTheCaptureWithIt)
{
    startWith(kHorizontal);
    chooseFromMenu(form1().ShortCut[5], "ExSet");
    ui::Window& dialog = *app->openDialog();
    const auto press = ui::MouseInput::of(ui::MouseAction::Press, ui::mouse::kLeft, ui::mouse::kLeft, {40, 60});
    act([&] { platform.input(dialog).mouseInput(press); });
    ASSERT_EQ(platform.capturedWindow, &dialog);
    act([&] { platform.input(dialog).closeRequest(); });
    EXPECT_EQ(platform.capturedWindow, nullptr);
    hover(form1().ShortCut[3], 5, 5);
    EXPECT_EQ(platform.capturedControl(), &form1().ShortCut[3]);
}

}  // namespace
