#include <gmock/gmock.h>

#include "bar_fixture.h"
#include "dialogs/seihin.h"
#include "ui/window.h"

namespace {

using testing::HasSubstr;
using testing_support::BarTest;
using testing_support::Settings;

class Toolbar : public BarTest {
protected:
    void startWith(const Settings& settings = {})
    {
        installDefaults(settings);
        start();
        platform.log.clear();
    }
    std::string settingsFile() { return readData("apst.qdf"); }
};

TEST_F(Toolbar, HoverTextsFollowTheStateOnTheHorizontalBar)
{
    startWith();
    bar::Form1& f = form1();
    hover(f.Picture1, 3, 3);
    EXPECT_EQ(f.Text1.text(), "タスクトレイに格納");
    hover(f.Picture5, 3, 3);
    EXPECT_EQ(f.Text1.text(), "前面に表示");
    hover(f.Picture6, 3, 3);
    EXPECT_EQ(f.Text1.text(), "画面を固定する");
    hover(f.Picture6, 16, 3);
    EXPECT_EQ(f.Text1.text(), "");
    hover(f.FormStyleHen, 3, 3);
    EXPECT_EQ(f.Text1.text(), "縦型に変更");
}

TEST_F(Toolbar, TopmostSwitchPlacesSavesAndItsTooltipFollows)
{
    startWith();
    bar::Form1& f = form1();
    click(f.Picture5);
    EXPECT_TRUE(logHasInOrder({"Form1 placed topmost at 100,60 366x74", "write apst.qdf"}));
    EXPECT_TRUE(f.window.topmost());
    EXPECT_EQ(settingsFile(), Settings{.WindTop = 1}.file());
    EXPECT_EQ(f.Picture5.toolTip(), "前面に表示") << "the tooltip follows on the next move";
    hover(f.Picture5, 3, 3);
    EXPECT_EQ(f.Picture5.toolTip(), "前面に表示を解除する");
    EXPECT_EQ(f.Text1.text(), "前面に表示を解除する");

    click(f.Picture5);
    EXPECT_FALSE(f.window.topmost());
    EXPECT_EQ(settingsFile(), Settings{}.file());
}

TEST_F(Toolbar, TopmostTooltipFollowsOnTheVerticalBarToo)
{
    startWith(Settings{.WindTop = 1, .FormStyle = 1});
    form1().Text1.setText("kept");
    hover(form1().Picture5, 3, 3);
    EXPECT_EQ(form1().Picture5.toolTip(), "前面に表示を解除する");
    EXPECT_EQ(form1().Text1.text(), "kept");
}

TEST_F(Toolbar, UnknownSettingValuesOnlySave)
{
    startWith(Settings{.WindTop = 5, .FomMov = 3});
    click(form1().Picture5);
    click(form1().Picture6);
    EXPECT_FALSE(logHas("Form1 placed topmost at 100,60 366x74"));
    EXPECT_EQ(count("write apst.qdf"), 2u);
    EXPECT_EQ(settingsFile(), (Settings{.WindTop = 5, .FomMov = 3}.file()));
}

TEST_F(Toolbar, FixSwitchTogglesPictureTooltipAndSaves)
{
    startWith();
    bar::Form1& f = form1();
    click(f.Picture6, ui::mouse::kRight);
    EXPECT_EQ(f.FomMov, 1) << "any mouse button works the switch";
    EXPECT_EQ(f.Picture6.picture(), ui::Art::FomDragNo);
    EXPECT_EQ(f.Picture6.toolTip(), "画面を移動可能にする");
    EXPECT_EQ(settingsFile(), Settings{.FomMov = 1}.file());
    click(f.Picture6);
    EXPECT_EQ(f.Picture6.picture(), ui::Art::FomDragOk);
    EXPECT_EQ(settingsFile(), Settings{}.file());
}

TEST_F(Toolbar, StyleSwitchLaysOutFirstThenSavesTheNewStyle)
{
    startWith();
    click(form1().FormStyleHen);
    EXPECT_EQ(form1().window.picture(), ui::Art::TateHome);
    EXPECT_EQ(settingsFile(), Settings{.FormStyle = 1}.file());
    click(form1().FormStyleHen);
    EXPECT_EQ(form1().window.picture(), ui::Art::YokoHome);
    EXPECT_EQ(settingsFile(), Settings{}.file());
    EXPECT_FALSE(logHas("Form1 hidden")) << "hidden, the active bar would lose the keyboard";
}

TEST_F(Toolbar, FailedSaveIsToldAndTheOldFileStays)
{
    startWith();
    platform.files.failWrites = true;
    click(form1().FormStyleHen);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_THAT(platform.messages[0].text, HasSubstr("apst.qdf"));
    EXPECT_THAT(platform.messages[0].text, HasSubstr("ディスクに空き領域がありません。"));
    EXPECT_EQ(settingsFile(), Settings{}.file());
    EXPECT_FALSE(platform.ended);
}

TEST_F(Toolbar, ParkingHidesTheBarKeepsOneTrayIconAndClearsTheLine)
{
    startWith();
    form1().Text1.setText("x");
    click(form1().Picture1);
    EXPECT_FALSE(form1().window.visible());
    EXPECT_EQ(form4().TaskOn, 1);
    EXPECT_EQ(form1().Text1.text(), "");
    form1().window.show();
    click(form1().Picture1);
    EXPECT_EQ(platform.trayIcons.size(), 1u);
}

TEST_F(Toolbar, ParkingWithoutATrayIsRefusedWithAMessage)
{
    platform.trayAvailable = false;
    startWith();
    click(form1().Picture1);
    EXPECT_TRUE(form1().window.visible());
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(Toolbar, ExitRemovesTheTrayIconAndEndsWithoutWriting)
{
    startWith();
    click(form1().Picture4);
    EXPECT_TRUE(platform.ended);
    EXPECT_TRUE(platform.trayIcons.empty());
    EXPECT_EQ(count("write apst.qdf") + count("write fank.qdf"), 0u);
}

TEST_F(Toolbar, SettingsAndProductButtonsOpenTheirWindows)
{
    startWith();
    click(form1().Picture2);
    ASSERT_NE(form4().window(), nullptr);
    EXPECT_EQ(form4().window()->caption(), "設定");
    EXPECT_TRUE(form4().window()->visible());
    click(form1().Picture3);
    ASSERT_NE(app->seihin().window(), nullptr);
    EXPECT_EQ(app->seihin().window()->caption(), "製品情報");
}

// (20, 45) is bare background on the horizontal bar at (100, 60).
TEST_F(Toolbar, DraggingTheBackgroundMovesTheBarFromThePressAndSavesItsPosition)
{
    startWith();
    platform.dragTo = ui::Point{200, -10};
    form1().Text1.setText("x");
    ui::Window& bar = form1().window;
    mouseOnWindow(bar, ui::MouseAction::Press, ui::mouse::kLeft, ui::mouse::kLeft, {20, 45});
    mouseOnWindow(bar, ui::MouseAction::Move, 0, ui::mouse::kLeft, {26, 49});
    EXPECT_TRUE(logHasInOrder({"Form1 moved by the system from 120,105", "write fank.qdf"}))
        << "the system's move starts where the button went down, not at the first move";
    EXPECT_EQ(readData("fank.qdf"), "3000,-150\r\n");
    EXPECT_EQ(form1().Text1.text(), "");
}

TEST_F(Toolbar, MovingOverTheBackgroundWritesOnlyWhenThePositionChanged)
{
    startWith(Settings{.FomMov = 1});
    platform.dragTo = ui::Point{300, 300};
    ui::Window& bar = form1().window;
    mouseOnWindow(bar, ui::MouseAction::Press, ui::mouse::kLeft, ui::mouse::kLeft, {20, 45});
    mouseOnWindow(bar, ui::MouseAction::Move, 0, ui::mouse::kLeft, {26, 49});
    mouseOnWindow(bar, ui::MouseAction::Release, ui::mouse::kLeft, 0, {26, 49});
    mouseOnWindow(bar, ui::MouseAction::Move, 0, 0, {27, 49});
    EXPECT_EQ(platform.dragTo, (ui::Point{300, 300})) << "a fixed bar does not move";
    EXPECT_FALSE(logHas("write fank.qdf"));
    EXPECT_EQ(readData("fank.qdf"), "1500,900\r\n");
}

TEST_F(Toolbar, TheTrayIconComesBackWithARestartedTaskbar)
{
    platform.trayAvailable = false;
    startWith(Settings{.SexeA = 1});
    platform.trayAvailable = true;
    act([this] { platform.input(form1().window).taskbarCreated(); });
    EXPECT_EQ(platform.trayIcons.count(&form1().window), 1u);
    platform.log.clear();
    click(form1().Picture1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(form1().window.visible()) << "parking works with the icon back";
    EXPECT_FALSE(logHas("tray icon added for Form1")) << "the bar knows its icon is there";
}

// The keyboard-only user's way back to a bar parked in the tray.
TEST_F(Toolbar, TrayLeftPressOrKeyboardSelectOpensTheTrayMenuEvenWhileHidden)
{
    startWith(Settings{.KidoA = 2});
    tray(ui::TrayEvent::RightDown);
    tray(ui::TrayEvent::RightUp);
    tray(ui::TrayEvent::LeftDoubleClick);
    EXPECT_TRUE(platform.popups.empty()) << "right click and double click are ignored";
    tray(ui::TrayEvent::LeftDown, {1700, 1040});
    EXPECT_TRUE(logHasInOrder({"Form1 brought to the foreground", "popup TaskMenu"}));
    tray(ui::TrayEvent::KeySelect, {1800, 1050});
    EXPECT_TRUE(logHasInOrder({"popup TaskMenu", "Form1 brought to the foreground", "popup TaskMenu"}));
    ASSERT_EQ(platform.popupPoints.size(), 2u);
    EXPECT_EQ(platform.popupPoints[0], std::nullopt) << "the mouse's menu opens at the pointer";
    EXPECT_EQ(platform.popupPoints[1], (ui::Point{1800, 1050})) << "the keyboard's at the icon";
    EXPECT_FALSE(form1().window.visible());
}

}  // namespace
