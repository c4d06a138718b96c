// Moving buttons with the mouse and the keyboard, and taking changes back.
#include <gtest/gtest.h>

#include <functional>

#include "bar_fixture.h"
#include "dialogs/form5.h"
#include "menus/form3.h"
#include "ui/hit_test.h"

namespace {

using testing_support::BarTest;
using testing_support::Settings;
using ui::MouseAction;

constexpr int kLeft = ui::mouse::kLeft;
const std::string kMemo = "\"メモ帳\",\"C:\\memo.exe\"";
const std::string kSheet = "\"表\",\"C:\\sheet.exe\"";
const std::string kEmpty = "\"\",\"\"";

// The cases below act on it from outside.
class Moves : public BarTest {
public:
    using BarTest::act;
    using BarTest::app;
    using BarTest::chooseFromMenu;
    using BarTest::form1;
    using BarTest::platform;
    using BarTest::push;
    using BarTest::shell;

    void startWith(const Settings& settings = {})
    {
        registerSlot(1, "メモ帳", "C:\\memo.exe");
        registerSlot(2, "表", "C:\\sheet.exe");
        installDefaults(settings);
        start();
        original = readData("Shtct.qdf");
        platform.log.clear();
    }
    static ui::Point middle(const ui::Control& c)
    {
        const ui::Rect r = ui::deviceRect(c);
        return {r.left + r.width / 2, r.top + r.height / 2};
    }
    void mouse(MouseAction action, int held, ui::Point at)
    {
        mouseOnWindow(form1().window, action, action == MouseAction::Move ? 0 : kLeft, held, at);
    }
    // Presses on a button and drags to a point, with the left button still down.
    void dragFrom(int slot, ui::Point to)
    {
        const ui::Point from = middle(form1().ShortCut[slot]);
        mouse(MouseAction::Press, kLeft, from);
        mouse(MouseAction::Move, kLeft, {from.x + (to.x - from.x) / 2, from.y + (to.y - from.y) / 2});
        mouse(MouseAction::Move, kLeft, to);
    }
    void releaseAt(ui::Point at) { mouse(MouseAction::Release, 0, at); }
    void key(ui::Key k, int shift = 0) { act([&] { platform.input(form1().window).keyInput({k, 0, shift}); }); }
    void altRight(int slot)
    {
        form1().window.setKeyboardFocus(&form1().ShortCut[slot]);
        key(ui::Key::Right, ui::shift::kAlt);
    }
    void fireTimer()
    {
        ASSERT_EQ(platform.timers.count(&form1().window), 1u) << "a timer is running";
        platform.timers.erase(&form1().window);
        act([&] { platform.input(form1().window).timerElapsed(); });
    }
    std::string shortcuts() { return readData("Shtct.qdf"); }
    std::size_t launches() const { return shell.executions.size(); }

    std::string original;
};

// The drag distance is the system's (4 pixels either way on the test backend).
struct DragCase {
    int dx;
    int dy;
    bool click;
};
class DragDistance : public Moves, public ::testing::WithParamInterface<DragCase> {};

TEST_P(DragDistance, WithinItThePressIsAClickBeyondItAMoveThatLaunchesNothing)
{
    startWith();
    const ui::Point from = middle(form1().ShortCut[1]);
    const ui::Point to{from.x + GetParam().dx, from.y + GetParam().dy};
    dragFrom(1, to);
    EXPECT_EQ(form1().window.marked(), nullptr) << "over the button itself nothing is marked";
    releaseAt(to);
    EXPECT_EQ(launches(), GetParam().click ? 1u : 0u);
    EXPECT_EQ(shortcuts(), original);
    EXPECT_EQ(count("write Shtct.qdf"), 0u);
    EXPECT_EQ(form1().window.mousePointer(), ui::MousePointer::Default);
}

INSTANTIATE_TEST_SUITE_P(Moves, DragDistance,
                         ::testing::Values(DragCase{4, 0, true}, DragCase{-4, 4, true}, DragCase{5, 0, false},
                                           DragCase{0, -5, false}));

struct Landing {
    int target;
    std::map<int, std::string> lines;  // Shtct.qdf after the move
};
class MoveByMouse : public Moves, public ::testing::WithParamInterface<Landing> {};

TEST_P(MoveByMouse, ReleasedOnAnotherButtonItMovesThereOrTheTwoChangePlaces)
{
    startWith();
    ui::PictureBox& target = form1().ShortCut[GetParam().target];
    dragFrom(1, middle(target));
    EXPECT_EQ(form1().window.marked(), &target) << "the button it would land on is marked";
    EXPECT_EQ(form1().window.mousePointer(), ui::MousePointer::Move);
    releaseAt(middle(target));
    EXPECT_EQ(shortcuts(), shortcutsWith(GetParam().lines));
    EXPECT_EQ(count("write Shtct.qdf"), 1u) << "one rewrite for the move";
    EXPECT_EQ(launches(), 0u);
    EXPECT_EQ(form1().window.marked(), nullptr);
    EXPECT_EQ(target.accessibleName(), "メモ帳");
    EXPECT_EQ(target.toolTip(), "メモ帳");
    EXPECT_EQ(form2().fEx(GetParam().target).caption, "メモ帳") << "the tray menu follows";
    EXPECT_EQ(form2().fEx(1).caption, form1().List1.list(1));
    EXPECT_EQ(form1().Label1.caption(), "移動しました：メモ帳（" + std::to_string(GetParam().target % 10 + 1) + "番目）");
}

INSTANTIATE_TEST_SUITE_P(Moves, MoveByMouse,
                         ::testing::Values(Landing{5, {{1, kEmpty}, {5, kMemo}}},
                                           Landing{2, {{1, kSheet}, {2, kMemo}}}));

struct Cancel {
    const char* how;
    std::function<void(Moves&)> end;
};
class CancelledMove : public Moves, public ::testing::WithParamInterface<Cancel> {};

TEST_P(CancelledMove, ChangesNothingAndLaunchesNothing)
{
    startWith();
    dragFrom(1, middle(form1().ShortCut[5]));
    GetParam().end(*this);
    EXPECT_EQ(shortcuts(), original);
    EXPECT_EQ(count("write Shtct.qdf"), 0u);
    EXPECT_EQ(launches(), 0u);
    EXPECT_EQ(form1().window.marked(), nullptr);
    EXPECT_EQ(form1().window.mousePointer(), ui::MousePointer::Default);
    click(form1().ShortCut[2]);
    EXPECT_EQ(launches(), 1u) << "the next click is a click again";
}

INSTANTIATE_TEST_SUITE_P(
    Moves, CancelledMove,
    ::testing::Values(
        Cancel{"Esc",
               [](Moves& m) {
                   m.key(ui::Key::Escape);
                   EXPECT_EQ(m.form1().window.marked(), nullptr) << "the mark goes at once";
                   m.releaseAt(Moves::middle(m.form1().ShortCut[5]));
               }},
        Cancel{"ReleasedOnTheToolbar",
               [](Moves& m) {
                   m.mouse(MouseAction::Move, kLeft, Moves::middle(m.form1().Picture4));
                   EXPECT_EQ(m.form1().window.mousePointer(), ui::MousePointer::No);
                   m.releaseAt(Moves::middle(m.form1().Picture4));
                   EXPECT_FALSE(m.platform.ended) << "the exit tool under the release does nothing";
               }},
        Cancel{"ReleasedOnATab", [](Moves& m) { m.releaseAt(Moves::middle(m.form1().Conts[3])); }},
        Cancel{"CaptureTaken",
               [](Moves& m) {
                   m.act([&] { m.platform.input(m.form1().window).systemCaptureLost(); });
                   m.mouse(MouseAction::Move, kLeft, Moves::middle(m.form1().ShortCut[2]));
                   m.releaseAt(Moves::middle(m.form1().ShortCut[2]));
               }}),
    [](const auto& c) { return std::string(c.param.how); });

TEST_F(Moves, HeldOverATabTheDragShowsItsGroupAndTheButtonMovesThere)
{
    startWith();
    dragFrom(1, middle(form1().Conts[2]));
    EXPECT_EQ(form1().window.marked(), &form1().Conts[2]);
    EXPECT_EQ(platform.timers.at(&form1().window), 500u);
    fireTimer();
    EXPECT_EQ(form1().shownGroup(), 2);
    mouse(MouseAction::Move, kLeft, middle(form1().ShortCut[27]));
    EXPECT_EQ(form1().window.marked(), &form1().ShortCut[27]);
    releaseAt(middle(form1().ShortCut[27]));
    EXPECT_EQ(shortcuts(), shortcutsWith({{1, kEmpty}, {27, kMemo}}));
    EXPECT_EQ(launches(), 0u);
}

TEST_F(Moves, AltWithTheArrowsMovesTheKeyboardsButtonAlongTheBar)
{
    startWith(Settings{.FormStyle = 1});
    form1().window.setKeyboardFocus(&form1().ShortCut[1]);
    key(ui::Key::Down, ui::shift::kAlt);
    EXPECT_EQ(shortcuts(), shortcutsWith({{1, kSheet}, {2, kMemo}}));
    EXPECT_EQ(form1().window.keyboardFocus(), &form1().ShortCut[2]) << "the ring goes with the button";
    key(ui::Key::Right, ui::shift::kAlt);
    EXPECT_EQ(count("write Shtct.qdf"), 1u) << "across the vertical bar nothing moves";
    form1().window.setKeyboardFocus(&form1().ShortCut[0]);
    key(ui::Key::Up, ui::shift::kAlt);
    key(ui::Key::Down, ui::shift::kAlt);
    EXPECT_EQ(count("write Shtct.qdf"), 1u) << "nothing moves past the group's end, nor an empty button";
}

// Every kind of change to the tables is taken back by Ctrl+Z and made again
// by Ctrl+Y, each step one rewrite of its file back to its earlier bytes.
struct Change {
    const char* kind;
    const char* file;
    std::function<void(Moves&)> make;
    std::string cameBack;  // what the info line names after the undo
};
class Undo : public Moves, public ::testing::WithParamInterface<Change> {};

TEST_P(Undo, CtrlZTakesTheChangeBackAndCtrlYMakesItAgain)
{
    startWith();
    const std::string before = readData(GetParam().file);
    GetParam().make(*this);
    const std::string after = readData(GetParam().file);
    ASSERT_NE(after, before);
    platform.log.clear();
    key(ui::Key::Z, ui::shift::kCtrl);
    EXPECT_EQ(readData(GetParam().file), before);
    EXPECT_EQ(count(std::string("write ") + GetParam().file), 1u);
    EXPECT_EQ(form1().Label1.caption(), "元に戻しました：" + GetParam().cameBack);
    for (int s = 0; s < 100; ++s) ASSERT_EQ(form2().fEx(s).caption, form1().List1.list(s));
    for (int g = 0; g < 10; ++g) ASSERT_EQ(form1().Conts[g].accessibleName(), form1().List3.list(g));
    key(ui::Key::Y, ui::shift::kCtrl);
    EXPECT_EQ(readData(GetParam().file), after);
    key(ui::Key::Y, ui::shift::kCtrl);
    EXPECT_EQ(count(std::string("write ") + GetParam().file), 2u) << "nothing more to make again";
}

INSTANTIATE_TEST_SUITE_P(
    Moves, Undo,
    ::testing::Values(
        Change{"Registration", "Shtct.qdf",
               [](Moves& m) {
                   m.chooseFromMenu(m.form1().ShortCut[4], "ExSet");
                   m.shell.fileChoices.push_back("C:\\a\\report.txt");
                   m.push(m.app->form5().Command1);
                   m.push(m.app->form5().Command2);
               },
               "report"},
        Change{"Change", "Shtct.qdf",
               [](Moves& m) {
                   m.chooseFromMenu(m.form1().ShortCut[1], "ExHen");
                   m.app->form5().Text1.setText("ノート");
                   m.push(m.app->form5().Command2);
               },
               "メモ帳"},
        Change{"Deletion", "Shtct.qdf", [](Moves& m) { m.chooseFromMenu(m.form1().ShortCut[2], "ExDel"); }, "表"},
        Change{"Drop", "Shtct.qdf",
               [](Moves& m) {
                   ui::DropData data;
                   data.files = std::vector<std::string>{"C:\\b\\plan.txt"};
                   const ui::Point at = Moves::middle(m.form1().ShortCut[6]);
                   m.act([&] { m.platform.input(m.form1().window).drop(at, data); });
                   m.push(m.app->form5().Command2);
               },
               "plan"},
        Change{"Rename", "group.qdf",
               [](Moves& m) {
                   m.chooseFromMenu(m.form1().Conts[3], "GrpHen");
                   m.app->form3().Text1.setText("仕事");
                   m.push(m.app->form3().Command1);
               },
               "グループ4"},
        Change{"Move", "Shtct.qdf", [](Moves& m) { m.altRight(1); }, "メモ帳"}),
    [](const auto& c) { return std::string(c.param.kind); });

TEST_F(Moves, UndoGoesBackManyStepsAndNotWhileADialogIsOpen)
{
    startWith();
    form1().window.setKeyboardFocus(&form1().ShortCut[1]);
    for (int i = 0; i < 8; ++i) key(ui::Key::Right, ui::shift::kAlt);  // to the group's end
    for (int i = 0; i < 8; ++i) key(ui::Key::Left, ui::shift::kAlt);
    for (int i = 0; i < 8; ++i) key(ui::Key::Right, ui::shift::kAlt);
    ASSERT_EQ(count("write Shtct.qdf"), 24u);
    chooseFromMenu(form1().Conts[0], "GrpHen");
    key(ui::Key::Z, ui::shift::kCtrl);
    EXPECT_EQ(count("write Shtct.qdf"), 24u) << "the bar is disabled under the dialog";
    push(app->form3().Command2);
    for (int i = 0; i < 24; ++i) key(ui::Key::Z, ui::shift::kCtrl);
    EXPECT_EQ(shortcuts(), original);
}

// A refused write leaves the table and the file as they were; a step of
// undo that could not be written stays to be tried again.
TEST_F(Moves, RefusedWritesMoveNothingAndKeepTheUndoStep)
{
    startWith();
    platform.files.failWrites = true;
    dragFrom(1, middle(form1().ShortCut[5]));
    releaseAt(middle(form1().ShortCut[5]));
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(form1().List2.list(1), "C:\\memo.exe");
    EXPECT_EQ(form2().fEx(5).caption, "");
    platform.files.failWrites = false;
    dragFrom(1, middle(form1().ShortCut[5]));
    releaseAt(middle(form1().ShortCut[5]));
    const std::string moved = shortcuts();
    platform.files.failWrites = true;
    key(ui::Key::Z, ui::shift::kCtrl);
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(shortcuts(), moved);
    EXPECT_EQ(form1().List2.list(5), "C:\\memo.exe");
    platform.files.failWrites = false;
    key(ui::Key::Z, ui::shift::kCtrl);
    EXPECT_EQ(shortcuts(), original) << "the step was kept";
}

}  // namespace
