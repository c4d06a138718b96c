#include <gtest/gtest.h>

#include "bar_fixture.h"
#include "dialogs/form5.h"
#include "ui/hit_test.h"
#include "ui/message_box.h"

namespace {

using testing_support::BarTest;

const std::string kQuestion =
    "ファイルはすでに登録されています。\r\n"
    "ドラッグ&ドロップしたファイルを新しく設定しますか？\r\n"
    "\r\n"
    "[いいえ]を押すとキャンセルされ、[はい]を押すと確認画面へ移動します。";

ui::DropData files(std::vector<std::string> paths) { return {std::move(paths)}; }
const ui::DropData kText{};

class Drop : public BarTest {
protected:
    void SetUp() override
    {
        registerSlot(3, "メモ帳", "C:\\Windows\\notepad.exe");
        installDefaults();
        start();
        form1().Text1.setText("ヒント");
        platform.log.clear();
    }

    // Another program drags the data in over the control's middle and drops
    // it there; true when the window took it.
    bool dropOn(ui::Control& control, const ui::DropData& data)
    {
        const ui::Rect r = ui::windowRect(control);
        return dropAt(control.window(), {r.left + r.width / 2, r.top + r.height / 2}, data);
    }
    bool dropAt(ui::Window& window, ui::Point point, const ui::DropData& data)
    {
        bool taken = false;
        ui::WindowInput& input = platform.input(window);
        act([&] {
            const bool entered = input.dragEnter(point);
            EXPECT_EQ(input.dragOver(point), entered);
            taken = input.drop(point, data);
            EXPECT_EQ(taken, entered) << "the drop lands where the drag said it would";
        });
        return taken;
    }
    bool dialogOpen() const { return count("Form5 shown") > count("Form5 hidden"); }
};

TEST_F(Drop, EmptyButtonOpensTheDialogForTheLastItemAtOnce)
{
    EXPECT_TRUE(dropOn(form1().ShortCut[5], files({"C:\\a\\one.txt", "C:\\a\\two.txt", "C:\\a\\three.exe"})));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(logHasInOrder({"Form1 disabled", "Form5 shown"}));
    dialogs::Form5& f = app->form5();
    EXPECT_EQ(f.ListNo, 5);
    EXPECT_EQ(f.Label1.caption(), "C:\\a\\three.exe");
    EXPECT_EQ(f.Text1.text(), "three");
    EXPECT_EQ(f.Text2.toolTip(), "C:\\a\\three.exe");
    EXPECT_EQ(f.Picture1.surface().drawings().size(), 1u);
    EXPECT_TRUE(form1().ShIn == 5);
    EXPECT_EQ(form1().Text1.text(), "ヒント") << "the info line stays as it was";

    push(f.Command2);
    EXPECT_EQ(readData("Shtct.qdf"), shortcutsWith({{5, "\"three\",\"C:\\a\\three.exe\""}}));
}

TEST_F(Drop, FoldersShortcutFilesAndDriveRootsAreTakenAsThePathsTheyAre)
{
    struct Case {
        std::string path;
        std::string name;
    };
    for (const Case& c : {Case{"C:\\a\\docs", "docs"}, Case{"C:\\Users\\me\\Desktop\\エディタ.lnk", "エディタ"},
                          Case{"D:\\", "D:\\"}}) {
        SCOPED_TRACE(c.path);
        EXPECT_TRUE(dropOn(form1().ShortCut[6], files({c.path})));
        EXPECT_EQ(app->form5().Label1.caption(), c.path);
        EXPECT_EQ(app->form5().Text1.text(), c.name);
        push(app->form5().Command3);
    }
}

TEST_F(Drop, RegisteredButtonAsksFirst)
{
    platform.answers = {ui::Answer::No};
    EXPECT_TRUE(dropOn(form1().ShortCut[3], files({"C:\\new.exe"})));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, kQuestion);
    EXPECT_EQ(platform.messages[0].style, ui::message_box::kWarningQuestion);
    EXPECT_EQ(form1().Text1.text(), "");
    EXPECT_FALSE(dialogOpen());

    form1().Text1.setText("ヒント");
    EXPECT_TRUE(dropOn(form1().ShortCut[3], files({"C:\\new.exe"})));
    EXPECT_TRUE(logHasInOrder({"message: " + kQuestion, "Form5 shown"}));
    EXPECT_EQ(app->form5().Label1.caption(), "C:\\new.exe");
    EXPECT_EQ(form1().Text1.text(), "") << "cleared once the dialog is open";
    EXPECT_FALSE(logHas("write Shtct.qdf"));
}

TEST_F(Drop, TextOpensNothingEvenAfterTheQuestion)
{
    EXPECT_TRUE(dropOn(form1().ShortCut[5], kText));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(dropOn(form1().ShortCut[3], kText));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, kQuestion);
    EXPECT_FALSE(logHas("Form5 shown"));
    EXPECT_TRUE(form1().window.enabled());
    EXPECT_EQ(form1().Text1.text(), "ヒント");
}

TEST_F(Drop, OnlyAButtonOfTheShownGroupOfAnEnabledBarTakesADrop)
{
    bar::Form1& f = form1();
    EXPECT_FALSE(dropAt(f.window, {200, 62}, files({"C:\\x.exe"}))) << "background";
    EXPECT_FALSE(dropOn(f.Conts[2], files({"C:\\x.exe"})));
    EXPECT_FALSE(dropOn(f.Picture4, files({"C:\\x.exe"})));
    EXPECT_FALSE(logHas("Form5 shown"));

    click(f.Conts[2]);
    EXPECT_TRUE(dropOn(f.ShortCut[25], files({"C:\\x.exe"}))) << "the button in front at that place";
    EXPECT_EQ(app->form5().ListNo, 25);
    EXPECT_FALSE(dropOn(f.ShortCut[26], files({"C:\\y.exe"}))) << "the bar is disabled while the dialog is open";
    EXPECT_EQ(app->form5().Label1.caption(), "C:\\x.exe");
    EXPECT_EQ(count("Form5 shown"), 1u);
}

TEST_F(Drop, MovesDuringAnotherProgramsDragNeitherMoveTheBarNorTrackTheHover)
{
    bar::Form1& f = form1();
    const auto button = ui::windowRect(f.ShortCut[4]);
    // Before the drag is reported: moves with a button pressed elsewhere.
    mouseOnWindow(f.window, ui::MouseAction::Move, 0, ui::mouse::kLeft, {200, 62});
    mouseOnWindow(f.window, ui::MouseAction::Move, 0, ui::mouse::kLeft, {button.left + 3, button.top + 3});
    act([&] { platform.input(f.window).dragEnter({200, 62}); });
    mouseOnWindow(f.window, ui::MouseAction::Move, 0, ui::mouse::kLeft, {201, 62});
    mouseOnWindow(f.window, ui::MouseAction::Move, 0, ui::mouse::kLeft, {button.left + 4, button.top + 4});
    EXPECT_FALSE(platform.captureHeld());
    act([&] { platform.input(f.window).dragLeave(); });
    EXPECT_FALSE(logHas("Form1 moved by the system from 300,122"));
    EXPECT_EQ(platform.log, std::vector<std::string>{});

    // The bar's own press still moves it.
    mouseOnWindow(f.window, ui::MouseAction::Press, ui::mouse::kLeft, ui::mouse::kLeft, {200, 62});
    mouseOnWindow(f.window, ui::MouseAction::Move, 0, ui::mouse::kLeft, {201, 62});
    EXPECT_TRUE(logHas("Form1 moved by the system from 300,122"));
}

}  // namespace
