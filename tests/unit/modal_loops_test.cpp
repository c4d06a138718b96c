#include <gtest/gtest.h>

#include "bar_fixture.h"
#include "dialogs/form4.h"
#include "dialogs/seihin.h"
#include "ui/hit_test.h"
#include "ui/message_box.h"

namespace {

using testing_support::BarTest;

// Every handler may run inside another's modal loop: a window closed there
// is gone for good, and a window that takes no input (disabled by the
// program or by the system for a message box) refuses every path.
class ModalLoops : public BarTest {
protected:
    void SetUp() override
    {
        registerSlot(3, "メモ帳", "C:\\memo.exe");
        registerSlot(4, "消えた", "C:\\gone.exe");
        installDefaults();
        start();
        shell.missing.insert("C:\\gone.exe");
    }
    bool dropOn(ui::Control& control, const ui::DropData& data)
    {
        const ui::Rect r = ui::windowRect(control);
        const ui::Point middle{r.left + r.width / 2, r.top + r.height / 2};
        bool taken = false;
        ui::WindowInput& input = platform.input(control.window());
        act([&] { taken = input.dragEnter(middle) && input.drop(middle, data); });
        return taken;
    }
};

// The checks of touchedAfterUnload mean something only if the backend hears such a touch.
TEST_F(ModalLoops, TheBackendRecordsAControlTouchedAfterItsWindowIsUnloaded)
{
    act([this] { form4().Show(); });
    dialogs::Form4::Controls& c = *form4().controls();
    act([&] {
        platform.input(c.window).closeRequest();
        c.Label2.setCaption("遅い");
    });
    EXPECT_EQ(platform.touchedAfterUnload, std::vector<std::string>{"Label2"});
}

TEST_F(ModalLoops, SettingsClosedUnderItsOwnMessageIsHiddenAndDeafAtOnce)
{
    act([this] { form4().Show(); });
    platform.files.failWrites = true;
    dialogs::Form4::Controls& c = *form4().controls();
    platform.whileMessageOpen.push_back([&] {
        click(c.Image1);
        EXPECT_TRUE(c.window.visible()) << "the dialog waits for its own message";
        act([&] { platform.input(c.window).closeRequest(); });
        EXPECT_FALSE(c.window.visible()) << "closed while the message is still up";
        act([&] { platform.input(c.window).nativeClick(c.Check1); });
        mouseOnWindow(c.window, ui::MouseAction::Move, 0, ui::mouse::kLeft, {200, 100});
    });
    act([&] { platform.input(c.window).nativeClick(c.Op4); });
    EXPECT_EQ(form4().controls(), nullptr);
    EXPECT_FALSE(form1().window.topmost()) << "the click on 前面に表示する reached nothing";
    EXPECT_TRUE(platform.touchedAfterUnload.empty());
}

// Found by the session fuzzer: the settings' own opening tells of a refused
// save, and the dialog is closed while that message is up.
TEST_F(ModalLoops, SettingsClosedUnderTheirOpeningMessageAreGone)
{
    platform.files.failWrites = true;
    platform.whileMessageOpen.push_back([&] { act([&] { platform.input(*form4().window()).closeRequest(); }); });
    act([this] { form4().Show(); });
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(form4().window(), nullptr);
}

TEST_F(ModalLoops, ProductWindowClosedUnderABarMessageIsDeafAtOnce)
{
    act([this] { app->seihin().Show(); });
    ui::Window& info = *app->seihin().window();
    platform.whileMessageOpen.push_back([&] {
        act([&] { platform.input(info).closeRequest(); });
        for (int x = 0; x < 400; x += 20) mouseOnWindow(info, ui::MouseAction::Move, 0, 0, {x, 100});
    });
    click(form1().ShortCut[4]);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "リンク先のファイルが見つかりません。");
    EXPECT_EQ(app->seihin().window(), nullptr);
    EXPECT_TRUE(platform.touchedAfterUnload.empty());
}

TEST_F(ModalLoops, ASecondDropDuringTheQuestionIsRefused)
{
    platform.whileMessageOpen.push_back([&] {
        EXPECT_FALSE(dropOn(form1().ShortCut[6], {std::vector<std::string>{"C:\\b.txt"}}));
        EXPECT_FALSE(dropOn(form1().ShortCut[3], {std::vector<std::string>{"C:\\b.txt"}}));
    });
    platform.answers.push_back(ui::Answer::No);
    EXPECT_TRUE(dropOn(form1().ShortCut[3], {std::vector<std::string>{"C:\\a.txt"}}));
    EXPECT_EQ(platform.messages.size(), 1u) << "one question, for the first drop";
    EXPECT_EQ(count("Form5 shown"), 0u);
    EXPECT_TRUE(form1().window.takesInput()) << "the question's end gives the bar its input back";
}

// A screen reader's default action is input like a click: while the bar
// is disabled, for a dialog of its own or for a message box, it does nothing.
TEST_F(ModalLoops, AReaderCannotPressWhatTheDisabledBarRefuses)
{
    bar::Form1& bar = form1();
    const auto pressAll = [&] {
        for (ui::Control* c : {static_cast<ui::Control*>(&bar.ShortCut[3]), static_cast<ui::Control*>(&bar.Conts[2]),
                               static_cast<ui::Control*>(&bar.Picture1), static_cast<ui::Control*>(&bar.Picture4)}) {
            act([&] { platform.input(bar.window).defaultAction(*c); });
        }
    };
    platform.whileMessageOpen.push_back(pressAll);
    act([this] { app->msgBox("?", ui::message_box::kOk); });
    chooseFromMenu(bar.ShortCut[7], "ExSet");
    ASSERT_FALSE(bar.window.enabled());
    pressAll();

    EXPECT_TRUE(shell.executions.empty());
    EXPECT_EQ(bar.shownGroup(), 0);
    EXPECT_TRUE(bar.window.visible());
    EXPECT_FALSE(platform.ended);
}

}  // namespace
