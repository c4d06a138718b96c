#include <gmock/gmock.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "bar_fixture.h"
#include "dialogs/form5.h"
#include "menus/form3.h"
#include "ui/message_box.h"

namespace {

using testing::HasSubstr;
using testing_support::BarTest;
using testing_support::Settings;

class StartUp : public BarTest {
protected:
    // The data file is there but cannot be read (a folder in its place):
    // the user hears of it at the start.
    void startWithUnreadable(const std::string& file)
    {
        installDefaults();
        std::filesystem::remove(dataPath() / file);
        std::filesystem::create_directory(dataPath() / file);
        start();
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_THAT(platform.messages[0].text, HasSubstr(file));
    }
    // Saving the empty table read in its place would lose what it holds.
    void expectNotWrittenOver(const std::string& file)
    {
        ASSERT_EQ(platform.messages.size(), 2u);
        EXPECT_THAT(platform.messages[1].text, HasSubstr("起動時に読み込めなかったため、書き換えません"));
        EXPECT_FALSE(logHas("write " + file));
    }
};

TEST_F(StartUp, ReadsTheFilesLaysOutShowsAndPlacesTheBarInOrder)
{
    installDefaults();
    start();
    EXPECT_TRUE(logHasInOrder({"read fank.qdf", "read apst.qdf", "Form1 shown", "read group.qdf", "read Shtct.qdf",
                               "tray icon added for Form1", "Form1 placed not topmost at 100,60 366x74"}));
    EXPECT_EQ(form1().window.caption(), "ノクタリス - メイン画面");
    EXPECT_TRUE(form1().window.visible());
    EXPECT_EQ(form1().window.left(), 1500);
    EXPECT_EQ(form1().window.top(), 900);
    EXPECT_EQ(form1().List1.listCount(), 100);
    EXPECT_EQ(form1().List3.list(9), "グループ10");
    EXPECT_EQ(form2().GrpN(9).caption, "グループ10");
    EXPECT_TRUE(form1().GrNO == 0);
    EXPECT_EQ(count("write apst.qdf") + count("write fank.qdf"), 0u) << "start-up writes nothing";
}

TEST_F(StartUp, SecondCopyIsRefusedBeforeAnythingIsRead)
{
    installDefaults();
    platform.anotherCopyRunning = true;
    start();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "ノクタリスはすでに開かれています。");
    EXPECT_EQ(platform.messages[0].style, ui::message_box::kExclamation);
    EXPECT_EQ(platform.messages[0].title, "ノクタリス");
    EXPECT_TRUE(platform.ended);
    EXPECT_FALSE(logHas("read fank.qdf"));
    EXPECT_FALSE(form1().window.visible());
}

// A copy killed while it wrote leaves "<file>.tmp"; the next start removes
// those four and nothing else, and a refused second copy removes nothing,
// since the running copy may be writing one of them at that moment.
TEST_F(StartUp, TemporaryFilesOfCutShortWritesGoWhenTheBarStarts)
{
    installDefaults();
    for (const char* name : {"fank.qdf.tmp", "apst.qdf.tmp", "group.qdf.tmp", "apst.qdf.bak", "apst.tmp"}) {
        testing_support::writeFile(dataPath() / name, "1,");
    }
    std::filesystem::create_directory(dataPath() / "Shtct.qdf.tmp");
    const auto files = [&] {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dataPath())) {
            names.push_back(entry.path().filename());
        }
        std::sort(names.begin(), names.end());
        return names;
    };
    const auto before = files();

    platform.anotherCopyRunning = true;
    start();
    EXPECT_EQ(files(), before);

    platform.anotherCopyRunning = false;
    start();
    EXPECT_TRUE(form1().window.visible());
    // A folder of that name is no file left by a write.
    EXPECT_EQ(files(), (std::vector<std::string>{"Shtct.qdf", "Shtct.qdf.tmp", "apst.qdf", "apst.qdf.bak", "apst.tmp",
                                                 "fank.qdf", "group.qdf"}));
}

// A Data folder that is there is the user's, whatever it lacks: nothing is
// written into it.
TEST_F(StartUp, MissingPositionOrSettingsEndsWithAMessageNamingTheFile)
{
    installDefaults();
    std::filesystem::remove(dataPath() / "apst.qdf");
    start();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_THAT(platform.messages[0].text, HasSubstr("apst.qdf"));
    EXPECT_THAT(platform.messages[0].text, HasSubstr(dataPath().string()));
    EXPECT_TRUE(platform.ended);
    EXPECT_TRUE(platform.trayIcons.empty()) << "no tray icon was added";
    EXPECT_FALSE(std::filesystem::exists(dataPath() / "apst.qdf"));
}

// A new installation, or a download unzipped over an older one (which
// carries no Data, so that the user's is never replaced).
TEST_F(StartUp, WithoutADataFolderTheFirstInstallationIsWrittenAndTheBarStarts)
{
    std::filesystem::remove_all(dataPath());
    start();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(form1().window.visible());
    EXPECT_EQ(form1().List3.list(0), "グループ1");
    for (const char* name : {"fank.qdf", "apst.qdf", "group.qdf", "Shtct.qdf"}) {
        EXPECT_EQ(testing_support::readFile(dataPath() / name),
                  testing_support::readFile(testing_support::fixture(std::string("first-install/") + name)))
            << name;
    }
}

TEST_F(StartUp, ADataFolderThatCannotBeMadeEndsWithAMessage)
{
    std::filesystem::remove_all(program.path());
    start();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_THAT(platform.messages[0].text, HasSubstr("データフォルダを作成できませんでした。"));
    EXPECT_THAT(platform.messages[0].text, HasSubstr(dataPath().string()));
    EXPECT_TRUE(platform.ended);
}

TEST_F(StartUp, MissingGroupAndShortcutFilesStartEmptyAndTouchNoSetting)
{
    installDefaults(Settings{.SKidoA = 2, .SexeA = 1, .WindTop = 1, .FormStyle = 1, .SctName = 1, .FomMov = 1});
    std::filesystem::remove(dataPath() / "group.qdf");
    std::filesystem::remove(dataPath() / "Shtct.qdf");
    start();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(platform.ended);
    EXPECT_EQ(form1().List3.listCount(), 10);
    EXPECT_EQ(form1().List3.list(0), "");
    EXPECT_EQ(form1().List2.listCount(), 100);
    EXPECT_TRUE(form4().WindTop == 1);
    EXPECT_EQ(form1().SctName, 1);
    EXPECT_EQ(form1().FomMov, 1);
}

TEST_F(StartUp, AnUnreadableGroupFileIsReportedAndNeverWrittenOver)
{
    startWithUnreadable("group.qdf");
    chooseFromMenu(form1().Conts[1], "GrpHen");
    app->form3().Text1.setText("仕事");
    push(app->form3().Command1);
    expectNotWrittenOver("group.qdf");
}

// What the first paint shows is what the start-up drew, before anything
// posted from the background has run: the icon, not the waiting face.
TEST_F(StartUp, AnOrdinaryTargetShowsItsIconAtTheFirstPaint)
{
    registerSlot(3, "メモ帳", "C:\\memo.exe");
    installDefaults();
    app = std::make_unique<app::Noctaris>(platform, shell, platform.files, platform.codec());
    act([this] {
        app->start();
        const ui::PictureBox& face = form1().ShortCut[3];
        EXPECT_EQ(face.picture(), ui::Art::None);
        ASSERT_EQ(face.surface().drawings().size(), 1u) << "the icon alone, no name over a waiting face";
        EXPECT_EQ(headless::iconPath(face.surface().drawings()[0].icon), "C:\\memo.exe");
    });
}

TEST_F(StartUp, AnUnreadableShortcutFileIsReportedAndNeverWrittenOver)
{
    startWithUnreadable("Shtct.qdf");
    EXPECT_TRUE(form1().window.visible());

    chooseFromMenu(form1().ShortCut[0], "ExSet");
    shell.fileChoices.push_back("C:\\a\\report.txt");
    push(app->form5().Command1);
    push(app->form5().Command2);
    expectNotWrittenOver("Shtct.qdf");
    EXPECT_EQ(form1().List2.list(0), "") << "the slot goes back to what the file holds";
}

TEST_F(StartUp, HiddenStartLeavesOnlyTheTrayIcon)
{
    installDefaults(Settings{.KidoA = 2});
    start();
    EXPECT_FALSE(form1().window.visible());
    EXPECT_EQ(form4().TaskOn, 1);
    EXPECT_EQ(platform.trayIcons.count(&form1().window), 1u);
    EXPECT_EQ(platform.trayTip, "ノクタリス");
    EXPECT_EQ(platform.log.back(), "Form1 hidden");
}

TEST_F(StartUp, HiddenStartWithoutATrayKeepsTheBarShown)
{
    installDefaults(Settings{.KidoA = 2});
    platform.trayAvailable = false;
    start();
    EXPECT_TRUE(form1().window.visible());
    EXPECT_EQ(form4().TaskOn, 0);
}

TEST_F(StartUp, TopmostPlacementShowsWithoutActivatingAtThePixelRectangle)
{
    installDefaults(Settings{.WindTop = 1, .FormStyle = 1}, "-150,300");
    start();
    EXPECT_TRUE(logHas("Form1 placed topmost at -10,20 67x366"));
    EXPECT_TRUE(form1().window.topmost());
}

TEST_F(StartUp, OtherTopmostValuesLeaveThePlacementAlone)
{
    installDefaults(Settings{.WindTop = 3});
    start();
    ASSERT_TRUE(logHas("Form1 shown"));
    for (const std::string& event : platform.log) EXPECT_NE(event.rfind("Form1 placed", 0), 0u) << event;
}

TEST_F(StartUp, SevenOnesStartVerticalOnTopNamedFixedAndShown)
{
    registerSlot(3, "メモ", "C:\\memo.txt");
    installDefaults(Settings{.SexeA = 1, .WindTop = 1, .FormStyle = 1, .SctName = 1, .FomMov = 1});
    start();
    EXPECT_EQ(form1().window.picture(), ui::Art::TateHome);
    EXPECT_TRUE(form1().window.topmost());
    EXPECT_TRUE(form1().window.visible());
    EXPECT_EQ(form1().Picture6.picture(), ui::Art::FomDragNo);
    EXPECT_EQ(form1().Picture6.toolTip(), "画面を移動可能にする");
    EXPECT_EQ(form1().ShortCut[3].surface().drawings().size(), 11u) << "an icon and a name printed ten times";
}

TEST_F(StartUp, TwoSettingsStartInTheTrayHorizontalNotOnTopMovable)
{
    installDefaults();
    writeData("apst.qdf", "2,1\r\n");
    start();
    EXPECT_EQ(form1().window.picture(), ui::Art::YokoHome);
    EXPECT_FALSE(form1().window.visible());
    EXPECT_TRUE(form4().SKidoA == 1);
    EXPECT_TRUE(logHas("Form1 placed not topmost at 100,60 366x74"));
    EXPECT_EQ(form1().SctName, 0);
    EXPECT_EQ(form1().Picture6.picture(), ui::Art::FomDragOk);
    EXPECT_EQ(form1().Picture6.toolTip(), "画面を固定する");
}

TEST_F(StartUp, VerticalLayoutIsVisibleBeforeTheShortcutsAreRead)
{
    installDefaults(Settings{.FormStyle = 1});
    start();
    EXPECT_TRUE(logHasInOrder({"read apst.qdf", "Form1 shown", "read group.qdf", "read Shtct.qdf"}));
}

TEST_F(StartUp, OnlyTheFirstGroupIsDrawn)
{
    registerSlot(0, "エディタ", "C:\\Windows\\notepad.exe");
    registerSlot(15, "電卓", "C:\\Windows\\calc.exe");
    installDefaults();
    start();
    EXPECT_EQ(shell.iconLookups, 1);
    const auto& drawn = form1().ShortCut[0].surface().drawings();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(headless::iconPath(drawn[0].icon), "C:\\Windows\\notepad.exe");
    EXPECT_EQ(form1().ShortCut[1].picture(), ui::Art::Aki);
    EXPECT_EQ(form1().ShortCut[15].picture(), ui::Art::None);
    EXPECT_TRUE(form1().ShortCut[15].surface().drawings().empty());
    EXPECT_EQ(form1().List1.listIndex(), 9) << "drawing leaves the last face's slot current";
}

TEST_F(StartUp, NoLookupsAheadWhenNoOtherGroupHoldsATarget)
{
    registerSlot(0, "エディタ", "C:\\Windows\\notepad.exe");
    installDefaults();
    start();
    const std::size_t before = count("background work");
    act([this] { platform.input(form1().window).firstPainted(); });
    EXPECT_EQ(count("background work"), before) << "a thread costs about a megabyte under Wine";
}

TEST_F(StartUp, NamesOnButtonsAreOutlinedEvenOnEmptySlots)
{
    registerSlot(2, "ブラウザ", "C:\\browser.exe");
    shell.missing.insert("C:\\browser.exe");
    installDefaults(Settings{.SctName = 1});
    start();
    const auto& named = form1().ShortCut[2].surface().drawings();
    ASSERT_EQ(named.size(), 10u) << "no icon for a vanished target, but its name";
    EXPECT_EQ(named.back().text, "ブラウザ");
    EXPECT_EQ(named.back().color, ui::rgb(255, 255, 255));
    EXPECT_EQ(named.back().x, 1);
    EXPECT_EQ(named.back().y, 20);
    EXPECT_EQ(named.front().color, ui::rgb(0, 0, 0));
    EXPECT_EQ(form1().ShortCut[4].picture(), ui::Art::Aki);
    EXPECT_EQ(form1().ShortCut[4].surface().drawings().size(), 10u);
}

TEST_F(StartUp, BarStoredOffEveryMonitorIsBroughtBackWithoutRewritingItsPosition)
{
    installDefaults({}, "45000,30000");
    const std::string stored = readData("fank.qdf");
    start();
    EXPECT_EQ(form1().window.pixelBounds(), (ui::Rect{1920 - 366, 1040 - 74, 366, 74}));
    EXPECT_EQ(readData("fank.qdf"), stored);
}

TEST_F(StartUp, PartlyVisibleBarStaysWhereItWasStored)
{
    installDefaults({}, "-3000,-600");
    start();
    EXPECT_EQ(form1().window.pixelBounds(), (ui::Rect{-200, -40, 366, 74}));
}

TEST_F(StartUp, AFractionalPositionIsRoundedHalfToEven)
{
    installDefaults({}, "-160,1012.5");
    start();
    EXPECT_EQ(form1().window.pixelBounds().left, -11) << "-10.67 px";
    EXPECT_EQ(form1().window.pixelBounds().top, 68) << "67.5 px";
}

TEST_F(StartUp, ClosingRemovesTheTrayIconAndWritesNothing)
{
    installDefaults();
    start();
    platform.log.clear();
    act([this] { platform.input(form1().window).closeRequest(); });
    EXPECT_TRUE(logHasInOrder({"tray icon removed for Form1", "Form1 hidden", "program ended"}));
    EXPECT_EQ(platform.log.size(), 3u);
}

TEST_F(StartUp, InfoLineIsMirroredIntoItsLabel)
{
    installDefaults();
    start();
    form1().Text1.setText("Now Loading...");
    EXPECT_EQ(form1().Label1.caption(), "Now Loading...");
}

}  // namespace
