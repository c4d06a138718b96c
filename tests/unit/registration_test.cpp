#include <gmock/gmock.h>

#include "bar_fixture.h"
#include "dialogs/form5.h"
#include "menus/form3.h"
#include "ui/message_box.h"

namespace {

using testing::HasSubstr;
using testing_support::BarTest;
using testing_support::Settings;

constexpr const char* kNothingChosen = "ファイルまたはフォルダを選択してください。";
const std::string kNotepad = "C:\\Windows\\notepad.exe";

// The bar with slot 2 registered, group 0 shown.
class Registration : public BarTest {
protected:
    void startBar(const Settings& settings = {})
    {
        registerSlot(2, "メモ帳", kNotepad);
        installDefaults(settings);
        start();
        platform.log.clear();
    }
    void SetUp() override { startBar(); }

    dialogs::Form5& dialog() { return app->form5(); }
    // Registers a file into an empty slot of group 0 through the menu and the file picker.
    void registerFile(int slot, const std::string& path)
    {
        chooseFromMenu(form1().ShortCut[slot], "ExSet");
        shell.fileChoices.push_back(path);
        push(dialog().Command1);
    }
    std::string shortcuts() { return readData("Shtct.qdf"); }
    std::string face(int slot)
    {
        const auto& drawn = form1().ShortCut[slot].surface().drawings();
        if (form1().ShortCut[slot].picture() == ui::Art::Aki) return "empty";
        return drawn.empty() ? "blank" : headless::iconPath(drawn[0].icon);
    }
    bool dialogOpen() const { return count("Form5 shown") > count("Form5 hidden"); }
};

// Slot 0 is a slot like any other for every command of the button menu.
TEST_F(Registration, SlotZeroIsRegisteredChangedAndDeletedThroughTheMenu)
{
    registerFile(0, "C:\\a\\report.txt");
    push(dialog().Command2);
    EXPECT_EQ(form1().List2.list(0), "C:\\a\\report.txt");
    chooseFromMenu(form1().ShortCut[0], "ExHen");
    ASSERT_NE(app->openDialog(), nullptr) << "the change dialog for slot 0";
    dialog().Text1.setText("報告");
    push(dialog().Command2);
    EXPECT_EQ(form1().List1.list(0), "報告");
    chooseFromMenu(form1().ShortCut[0], "ExDel");
    EXPECT_EQ(shortcuts(), shortcutsWith({})) << "slot 0 empty again in the file";
}

TEST_F(Registration, RegisterThroughTheMenuStoresTheSlotEverywhere)
{
    click(form1().Conts[3]);
    form1().Text1.setText("ヒント");
    chooseFromMenu(form1().ShortCut[37], "ExSet");
    EXPECT_TRUE(logHasInOrder({"chosen ExSet", "Form1 disabled", "Form5 shown", "Form5 brought to the foreground"}));
    EXPECT_EQ(form1().Text1.text(), "");
    dialogs::Form5& f = dialog();
    EXPECT_EQ(f.window.caption(), "登録");
    EXPECT_EQ(f.window.clientSize(), (ui::Point{354, 146}));
    EXPECT_EQ(f.window.picture(), ui::Art::RegisterFace);
    EXPECT_EQ(f.Picture1.bounds(), (ui::Rect{28, 32, 37, 37}));
    EXPECT_EQ(f.Text2.text(), kNothingChosen);
    EXPECT_TRUE(f.Text2.locked());
    EXPECT_EQ(f.Text1.text(), "新しいショートカット");
    EXPECT_EQ(f.Label1.caption(), "ファイルを選択してください。");

    shell.fileChoices.push_back("C:\\a\\report.txt");
    push(f.Command1);
    EXPECT_EQ(shell.fileRequests.back().filters, (std::vector<shell::FileFilter>{{"各種ファイル(*.*)", "*.*"}}));
    EXPECT_EQ(shell.fileRequests.back().owner, &f.window);
    EXPECT_EQ(f.Text1.text(), "report");
    EXPECT_EQ(f.Text2.text(), "C:\\a\\report.txt");
    EXPECT_EQ(f.Text2.toolTip(), "C:\\a\\report.txt");
    EXPECT_EQ(shell.compactions.back().font, (ui::Font{"ＭＳ ゴシック", 9, false}));
    EXPECT_EQ(shell.compactions.back().width, 324);
    ASSERT_EQ(f.Picture1.surface().drawings().size(), 1u);
    EXPECT_EQ(headless::iconPath(f.Picture1.surface().drawings()[0].icon), "C:\\a\\report.txt");

    platform.log.clear();
    push(f.Command2);
    EXPECT_EQ(shortcuts(), shortcutsWith({{37, "\"report\",\"C:\\a\\report.txt\""}}));
    EXPECT_EQ(face(37), "C:\\a\\report.txt");
    EXPECT_EQ(form2().fEx(37).caption, "report");
    EXPECT_EQ(form1().List1.listIndex(), 99);
    EXPECT_TRUE(logHasInOrder({"write Shtct.qdf", "Form1 enabled", "Form5 hidden"}));
    EXPECT_FALSE(dialogOpen());
}

TEST_F(Registration, LongPathsAreCompactedInTheBoxAndWholeInTheTooltip)
{
    const std::string path = "C:\\Program Files\\Common Files\\Vendor Name\\Product\\bin\\launcher.exe";
    registerFile(4, path);
    EXPECT_EQ(dialog().Text2.text(), "C:\\...\\launcher.exe");
    EXPECT_EQ(dialog().Text2.toolTip(), path);
    EXPECT_EQ(dialog().Label1.caption(), path);
}

class NamesOnButtons : public Registration, public testing::WithParamInterface<int> {
protected:
    void SetUp() override { startBar(Settings{.SctName = GetParam()}); }
};

TEST_P(NamesOnButtons, ConfirmedFaceShowsTheIconAndTheNameWhenNamesAreShown)
{
    registerFile(4, "C:\\tools\\編集.exe");
    push(dialog().Command2);
    const auto& drawn = form1().ShortCut[4].surface().drawings();
    ASSERT_EQ(drawn.size(), GetParam() == 1 ? 11u : 1u);
    EXPECT_EQ(drawn.back().text, GetParam() == 1 ? "編集" : "");
}

INSTANTIATE_TEST_SUITE_P(Registration, NamesOnButtons, testing::Values(0, 1));

TEST_F(Registration, PickersProposeTheBaseName)
{
    struct Case {
        bool folder;
        std::string path;
        std::string name;
    };
    for (const Case& c : {Case{false, "C:\\a\\report.txt", "report"}, Case{false, "C:\\a\\archive.tar.gz", "archive.tar"},
                          Case{false, "C:\\a\\.profile", ""}, Case{true, "C:\\a\\docs", "docs"},
                          Case{true, "C:\\", "C:\\"}, Case{true, "\\\\server\\share", "share"}}) {
        SCOPED_TRACE(c.path);
        chooseFromMenu(form1().ShortCut[4], "ExSet");
        (c.folder ? shell.folderChoices : shell.fileChoices).push_back(c.path);
        push(c.folder ? dialog().Command4 : dialog().Command1);
        EXPECT_EQ(dialog().Text1.text(), c.name);
        EXPECT_EQ(dialog().Label1.caption(), c.path);
        push(dialog().Command3);
    }
}

TEST_F(Registration, EmptyBaseNameIsStoredAsIs)
{
    registerFile(4, "C:\\a\\.profile");
    push(dialog().Command2);
    EXPECT_EQ(shortcuts(), shortcutsWith({{4, "\"\",\"C:\\a\\.profile\""}}));
}

TEST_F(Registration, ConfirmingWithoutAChoiceSaysSoAndStaysOpen)
{
    chooseFromMenu(form1().ShortCut[4], "ExSet");
    const std::string before = shortcuts();
    push(dialog().Command2);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, kNothingChosen);
    EXPECT_EQ(platform.messages[0].style, ui::message_box::kOk);
    EXPECT_EQ(platform.messages[0].title, "ノクタリス");
    EXPECT_TRUE(dialogOpen());
    EXPECT_FALSE(logHas("write Shtct.qdf"));
    EXPECT_EQ(shortcuts(), before);
}

TEST_F(Registration, CancelledPickerKeepsTheEarlierChoice)
{
    registerFile(4, "C:\\a\\report.txt");
    dialog().Text1.setText("報告");
    push(dialog().Command1);  // cancelled: no choice scripted
    push(dialog().Command4);
    EXPECT_EQ(dialog().Label1.caption(), "C:\\a\\report.txt");
    EXPECT_EQ(dialog().Text1.text(), "報告");
    EXPECT_EQ(dialog().Picture1.surface().drawings().size(), 1u);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Registration, DraggingTheBackgroundMovesTheDialogAndThePreviewDoesNot)
{
    chooseFromMenu(form1().ShortCut[4], "ExSet");
    ui::Window& w = dialog().window;
    const ui::Point start = w.toScreen({150, 60});
    platform.dragTo = ui::Point{10, 20};
    mouseOnWindow(w, ui::MouseAction::Press, ui::mouse::kLeft, ui::mouse::kLeft, {150, 60});
    mouseOnWindow(w, ui::MouseAction::Move, 0, ui::mouse::kLeft, {152, 61});
    EXPECT_TRUE(logHas("Form5 moved by the system from " + std::to_string(start.x) + "," + std::to_string(start.y)));
    EXPECT_EQ(w.pixelBounds().left, 10);
    platform.log.clear();
    mouseOnWindow(w, ui::MouseAction::Release, ui::mouse::kLeft, 0, {152, 61});
    mouseOnWindow(w, ui::MouseAction::Press, ui::mouse::kLeft, ui::mouse::kLeft, {40, 40});
    mouseOnWindow(w, ui::MouseAction::Move, 0, ui::mouse::kLeft, {42, 41});
    EXPECT_TRUE(platform.log.empty()) << "a press on the icon preview moves nothing";
}

TEST_F(Registration, ChangeShowsTheStoredEntryAndANewTargetReplacesTheName)
{
    chooseFromMenu(form1().ShortCut[2], "ExHen");
    EXPECT_TRUE(logHasInOrder({"Form1 disabled", "Form5 shown"}));
    dialogs::Form5& f = dialog();
    EXPECT_EQ(f.ListNo, 2);
    EXPECT_EQ(f.Label1.caption(), kNotepad);
    EXPECT_EQ(f.Text1.text(), "メモ帳");
    EXPECT_EQ(f.Text2.text(), kNotepad);
    EXPECT_EQ(f.Text2.toolTip(), kNotepad);
    EXPECT_EQ(headless::iconPath(f.Picture1.surface().drawings().at(0).icon), kNotepad);

    f.Text1.setText("ノート");
    push(f.Command2);
    EXPECT_EQ(shortcuts(), shortcutsWith({{2, "\"ノート\",\"C:\\Windows\\notepad.exe\""}}));
    EXPECT_EQ(form2().fEx(2).caption, "ノート");

    chooseFromMenu(form1().ShortCut[2], "ExHen");
    shell.fileChoices.push_back("C:\\Windows\\calc.exe");
    push(dialog().Command1);
    EXPECT_EQ(dialog().Text1.text(), "calc");
}

TEST_F(Registration, CommandsOnTheWrongKindOfSlotOnlyWarnAndClearTheInfoLine)
{
    struct Case {
        int slot;
        const char* command;
        const char* message;
    };
    for (const Case& c : {Case{2, "ExSet", "ファイルはすでに登録されています。"},
                          Case{4, "ExHen", "ファイルが登録されていません"},
                          Case{4, "ExDel", "ファイルが登録されていません"}}) {
        SCOPED_TRACE(c.command);
        platform.messages.clear();
        form1().Text1.setText("ヒント");
        chooseFromMenu(form1().ShortCut[c.slot], c.command);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, c.message);
        EXPECT_EQ(platform.messages[0].style, ui::message_box::kExclamation);
        EXPECT_EQ(form1().Text1.text(), "");
        EXPECT_TRUE(form1().window.enabled());
    }
    EXPECT_FALSE(logHas("Form5 shown"));
    EXPECT_FALSE(logHas("write Shtct.qdf"));
}

TEST_F(Registration, DeleteAsksThenBlanksTheSlotEverywhere)
{
    platform.answers.push_back(ui::Answer::No);
    chooseFromMenu(form1().ShortCut[2], "ExDel");
    EXPECT_EQ(platform.messages.at(0).text, "ここのショートカットを削除しますか？");
    EXPECT_EQ(platform.messages.at(0).style, ui::message_box::kQuestion);
    EXPECT_FALSE(logHas("write Shtct.qdf")) << "No writes nothing, not even a rewrite";
    EXPECT_EQ(face(2), kNotepad);

    chooseFromMenu(form1().ShortCut[2], "ExDel");
    EXPECT_EQ(shortcuts(), shortcutsWith({{2, "\"\",\"\""}}));
    EXPECT_EQ(face(2), "empty");
    EXPECT_EQ(form1().ShortCut[2].accessibleName(), "未登録") << "a reader hears the slot is free";
    EXPECT_EQ(form1().ShortCut[2].accessibleValue(), "");
    EXPECT_EQ(form2().fEx(2).caption, "");
    EXPECT_EQ(form1().List2.list(2), "");
}

TEST_F(Registration, CancelAndEveryOtherWayOutStoreNothingAndEnableTheBar)
{
    for (const char* way : {"cancel", "close request"}) {
        SCOPED_TRACE(way);
        platform.log.clear();
        registerFile(4, "C:\\a\\report.txt");
        dialog().Text1.setText("別名");
        if (std::string(way) == "cancel") {
            push(dialog().Command3);
        } else {
            act([&] { platform.input(dialog().window).closeRequest(); });
        }
        EXPECT_TRUE(logHasInOrder({"Form1 enabled", "Form5 hidden", "Form1 brought to the foreground"}));
        EXPECT_TRUE(form1().window.enabled());
        EXPECT_FALSE(logHas("write Shtct.qdf"));
        EXPECT_EQ(form1().List2.list(4), "");
        EXPECT_EQ(face(4), "empty");
    }
}

// The keyboard starts on the name, and Enter registers.
TEST_F(Registration, TheKeyboardStartsOnTheNameAndEnterRegisters)
{
    registerFile(4, "C:\\a\\report.txt");
    EXPECT_EQ(dialog().window.focusTarget(), &dialog().Text1);
    act([&] { platform.input(dialog().window).acceptRequest(); });
    EXPECT_EQ(form1().List2.list(4), "C:\\a\\report.txt");
    EXPECT_TRUE(form1().window.enabled());
}

TEST_F(Registration, NamesTheFileCannotHoldAreRefusedBeforeAnythingChanges)
{
    const std::string before = shortcuts();
    // U+F722 and U+F7FF stand for kept bytes of a damaged file: typed, they
    // would be written as the raw bytes 0x22 (a quote) and 0xFF.
    for (const std::string name : {"絵文字😀", "a\"b", "한국어", "ab\uF722cd", "\uF7FF"}) {
        SCOPED_TRACE(name);
        platform.messages.clear();
        chooseFromMenu(form1().ShortCut[2], "ExHen");
        dialog().Text1.setText(name);
        push(dialog().Command2);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_THAT(platform.messages[0].text, HasSubstr("「" + name + "」を保存できません。"));
        EXPECT_EQ(platform.messages[0].style, ui::message_box::kExclamation);
        EXPECT_TRUE(dialogOpen());
        EXPECT_EQ(form1().List1.list(2), "メモ帳");
        EXPECT_EQ(form2().fEx(2).caption, "メモ帳");
        push(dialog().Command3);
    }
    EXPECT_FALSE(logHas("write Shtct.qdf"));
    EXPECT_EQ(shortcuts(), before);
}

TEST_F(Registration, PathsTheCodePageCannotHoldAreStoredInTheirShortForm)
{
    shell.shortPaths["C:\\한국어\\도구.exe"] = "C:\\D55C~1\\B3C4~1.EXE";
    registerFile(4, "C:\\한국어\\도구.exe");
    EXPECT_EQ(dialog().Text2.toolTip(), "C:\\한국어\\도구.exe") << "the dialog shows what was chosen";
    dialog().Text1.setText("道具");
    push(dialog().Command2);
    EXPECT_EQ(shortcuts(), shortcutsWith({{4, "\"道具\",\"C:\\D55C~1\\B3C4~1.EXE\""}}));
    EXPECT_EQ(face(4), "C:\\D55C~1\\B3C4~1.EXE");

    // Without a short form: refused, whether picked or dropped.
    const std::string before = shortcuts();
    for (const std::string path : {"C:\\絵😀\\a.exe", "C:\\x\uF722y.exe"}) {
        SCOPED_TRACE(path);
        platform.messages.clear();
        registerFile(5, path);
        dialog().Text1.setText("道具");
        push(dialog().Command2);
        push(dialog().Command3);
        act([&] { form1().ShortCut_OLEDragDrop(6, ui::DropData{std::vector<std::string>{path}}); });
        dialog().Text1.setText("道具");
        push(dialog().Command2);
        ASSERT_EQ(platform.messages.size(), 2u);
        for (const auto& message : platform.messages) {
            EXPECT_THAT(message.text, HasSubstr("「" + path + "」を保存できません。"));
        }
        EXPECT_TRUE(dialogOpen());
        push(dialog().Command3);
    }
    EXPECT_EQ(shortcuts(), before);
    EXPECT_EQ(form1().List2.list(5), "");
}

TEST_F(Registration, FailedSaveKeepsWhatTheFileHoldsAndTheDialogOpen)
{
    chooseFromMenu(form1().ShortCut[2], "ExHen");
    shell.fileChoices.push_back("C:\\Windows\\calc.exe");
    push(dialog().Command1);
    const std::string before = shortcuts();
    platform.files.failWrites = true;
    push(dialog().Command2);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_THAT(platform.messages[0].text, HasSubstr("Shtct.qdf"));
    EXPECT_THAT(platform.messages[0].text, HasSubstr("ディスクに空き領域がありません。"));
    EXPECT_EQ(shortcuts(), before);
    EXPECT_EQ(form1().List1.list(2), "メモ帳");
    EXPECT_EQ(form1().List2.list(2), kNotepad);
    EXPECT_EQ(face(2), kNotepad);
    EXPECT_EQ(form2().fEx(2).caption, "メモ帳");
    EXPECT_TRUE(dialogOpen());
    EXPECT_FALSE(form1().window.enabled());

    platform.files.failWrites = false;
    push(dialog().Command2);
    EXPECT_EQ(shortcuts(), shortcutsWith({{2, "\"calc\",\"C:\\Windows\\calc.exe\""}}));
    EXPECT_TRUE(form1().window.enabled());
}

TEST_F(Registration, FailedDeletePutsTheSlotBack)
{
    const std::string before = shortcuts();
    platform.files.failWrites = true;
    chooseFromMenu(form1().ShortCut[2], "ExDel");
    EXPECT_THAT(platform.messages.back().text, HasSubstr("Shtct.qdf"));
    EXPECT_EQ(shortcuts(), before);
    EXPECT_EQ(form1().List1.list(2), "メモ帳");
    EXPECT_EQ(form1().List2.list(2), kNotepad);
    EXPECT_EQ(face(2), kNotepad);
    EXPECT_EQ(form2().fEx(2).caption, "メモ帳");
}

TEST_F(Registration, FilePickerFailureIsToldAndChangesNothing)
{
    registerFile(4, "C:\\a\\report.txt");
    shell.fileDialogFailure = "選んだファイルのパスが長すぎます。 (CommDlgExtendedError 0x3003)";
    push(dialog().Command1);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "ファイルを選べませんでした。\r\n選んだファイルのパスが長すぎます。 (CommDlgExtendedError 0x3003)");
    EXPECT_EQ(platform.messages[0].style, ui::message_box::kExclamation);
    EXPECT_EQ(dialog().Label1.caption(), "C:\\a\\report.txt");
}

TEST_F(Registration, OneDialogAtATimeAndTheTrayIconBringsItForward)
{
    chooseFromMenu(form1().ShortCut[4], "ExSet");
    platform.log.clear();
    click(form1().ShortCut[5], ui::mouse::kRight);
    EXPECT_TRUE(platform.log.empty()) << "the disabled bar hears no mouse";
    tray(ui::TrayEvent::LeftDown);
    EXPECT_TRUE(platform.popups.size() == 1u) << "no tray menu while the bar is disabled";
    EXPECT_TRUE(logHas("Form5 brought to the foreground"));

    platform.log.clear();
    act([this] { form2().ExSet(); });
    act([this] { form2().GrpHen(); });
    EXPECT_EQ(platform.log, std::vector<std::string>(2, "Form5 brought to the foreground"));
    push(dialog().Command3);
    tray(ui::TrayEvent::LeftDown);
    EXPECT_EQ(platform.popups.back(), "TaskMenu");
}

// Out of window handles, say: the bar must not stay disabled behind a
// dialog that never came, and the user hears why.
TEST_F(Registration, ADialogThatCannotBeMadeLeavesTheBarTakingInput)
{
    struct Opening {
        std::string window;
        std::function<void()> open;
        std::string message;
    };
    for (const Opening& opening :
         {Opening{"Form5", [this] { chooseFromMenu(form1().ShortCut[4], "ExSet"); }, "「登録」の画面を開けませんでした。"},
          Opening{"Form5", [this] { chooseFromMenu(form1().ShortCut[2], "ExHen"); }, "「登録」の画面を開けませんでした。"},
          Opening{"Form5",
                  [this] { act([this] { form1().ShortCut_OLEDragDrop(5, {std::vector<std::string>{"C:\\a.txt"}}); }); },
                  "「登録」の画面を開けませんでした。"},
          Opening{"Form3", [this] { chooseFromMenu(form1().Conts[1], "GrpHen"); },
                  "「グループ名の変更」の画面を開けませんでした。"}}) {
        SCOPED_TRACE(opening.window);
        platform.refusedWindows = {opening.window};
        platform.messages.clear();
        opening.open();
        EXPECT_TRUE(form1().window.takesInput());
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_THAT(platform.messages[0].text, HasSubstr(opening.message));
        EXPECT_THAT(platform.messages[0].text, HasSubstr("ウィンドウを作成できませんでした。"));
        EXPECT_EQ(app->openDialog(), nullptr);
    }
    platform.refusedWindows.clear();
    chooseFromMenu(form1().ShortCut[4], "ExSet");
    EXPECT_TRUE(dialogOpen()) << "a later opening works";
}

}  // namespace
