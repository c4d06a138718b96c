#include <gmock/gmock.h>

#include <set>

#include "bar_fixture.h"
#include "ui/message_box.h"
#include "ui/window.h"

namespace {

using testing::HasSubstr;
using testing_support::BarTest;
using testing_support::Settings;

// The controls whose selection follows the stored values.
constexpr const char* kChoices[] = {"Op1", "Op2", "Op3", "Op4", "Op5", "Op6", "StlY", "StlT", "Check1", "Check2"};

ui::Control* findNamed(const ui::Container& container, const std::string& name)
{
    for (ui::Control* c : container.children()) {
        if (c->name() == name) return c;
        if (const auto* inner = dynamic_cast<const ui::Container*>(c)) {
            if (ui::Control* found = findNamed(*inner, name)) return found;
        }
    }
    return nullptr;
}

bool isOn(const ui::Control& c)
{
    if (const auto* option = dynamic_cast<const ui::OptionButton*>(&c)) return option->value();
    return dynamic_cast<const ui::CheckBox&>(c).value();
}

class SettingsDialog : public BarTest {
protected:
    void startWith(const Settings& settings = {})
    {
        installDefaults(settings);
        start();
    }
    void open()
    {
        act([this] { form4().Show(); });
        ASSERT_NE(form4().controls(), nullptr);
    }
    dialogs::Form4::Controls& dialog() { return *form4().controls(); }
    ui::Control& control(const std::string& name)
    {
        ui::Control* found = findNamed(dialog().window, name);
        if (!found) throw std::logic_error("no control " + name);
        return *found;
    }
    // A click on an option or check box, as the system reports it.
    // As the system reports the click: the window applies the option and check-box rules.
    void userClicks(const std::string& name)
    {
        ui::Control& c = control(name);
        act([this, &c] { platform.input(c.window()).nativeClick(c); });
    }
    std::set<std::string> selected()
    {
        std::set<std::string> on;
        for (const char* name : kChoices) {
            if (isOn(control(name))) on.insert(name);
        }
        return on;
    }
    std::string settingsFile() { return readData("apst.qdf"); }
    // The bar shows what the settings say, and was never activated. (A bar
    // of an unknown style was never laid out, so never shown.)
    void expectBarFollowsTheSettings()
    {
        const bar::Form1& bar = form1();
        EXPECT_EQ(bar.window.visible(), form4().TaskOn == 0 && (bar.FormStyle == 0 || bar.FormStyle == 1));
        EXPECT_EQ(bar.window.topmost(), form4().WindTop == 1);
        EXPECT_EQ(bar.window.picture(), bar.FormStyle == 1 ? ui::Art::TateHome : ui::Art::YokoHome);
        EXPECT_FALSE(logHas("Form1 brought to the foreground"));
    }
};

struct Load {
    const char* name;
    Settings stored;
    std::set<std::string> selected;
    std::string saved;
    std::size_t writes;
};

class SettingsLoad : public SettingsDialog, public testing::WithParamInterface<Load> {};

TEST_P(SettingsLoad, SelectsFromTheStoredValuesAndSavesEachAction)
{
    startWith(GetParam().stored);
    platform.log.clear();
    open();
    EXPECT_EQ(selected(), GetParam().selected);
    EXPECT_EQ(settingsFile(), GetParam().saved);
    EXPECT_EQ(count("write apst.qdf"), GetParam().writes);
    expectBarFollowsTheSettings();
    EXPECT_TRUE(form4().window()->visible());
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsLoad,
    testing::Values(
        // In the tray, vertical: the bar is laid out again and goes back to the tray.
        Load{"ParkedVertical", Settings{.KidoA = 2, .FormStyle = 1}, {"Op2", "Op3", "Op6", "StlT"},
             Settings{.KidoA = 2, .FormStyle = 1}.file(), 4},
        // Values neither 1 nor 2 become 2; unknown topmost, style and names values select nothing.
        Load{"OutOfRange", Settings{.KidoA = 7, .SKidoA = 0, .SexeA = 3, .WindTop = 5, .FormStyle = 2, .SctName = 4},
             {"Op2", "Op4", "Op6"}, Settings{.KidoA = 2, .SKidoA = 2, .WindTop = 5, .FormStyle = 2, .SctName = 4}.file(), 3},
        Load{"AllOnes", Settings{.SexeA = 1, .WindTop = 1, .SctName = 1, .FomMov = 1},
             {"Op1", "Op3", "Op5", "StlY", "Check1", "Check2"},
             Settings{.SexeA = 1, .WindTop = 1, .SctName = 1, .FomMov = 1}.file(), 6}),
    [](const testing::TestParamInfo<Load>& p) { return std::string(p.param.name); });

TEST_F(SettingsDialog, ParkedVerticalBarIsLaidOutAgainThenHidden)
{
    startWith(Settings{.KidoA = 2, .FormStyle = 1});
    platform.log.clear();
    open();
    EXPECT_TRUE(logHasInOrder({"Form1 shown", "write apst.qdf", "Form1 hidden", "Form4 shown"}));
    EXPECT_EQ(form4().window()->caption(), "設定");
    EXPECT_EQ(form4().window()->clientSize(), (ui::Point{325, 340}));
}

// A control's click sets one value of the stored ones.
struct Action {
    Settings stored;
    const char* control;
    int Settings::*value;
    int set;
};

class SettingsAction : public SettingsDialog, public testing::WithParamInterface<Action> {};

TEST_P(SettingsAction, AppliesToTheBarAndSavesAtOnce)
{
    startWith(GetParam().stored);
    open();
    platform.log.clear();
    userClicks(GetParam().control);
    Settings saved = GetParam().stored;
    saved.*GetParam().value = GetParam().set;
    EXPECT_EQ(settingsFile(), saved.file());
    EXPECT_EQ(count("write apst.qdf"), 1u);
    expectBarFollowsTheSettings();
}

const Settings kShown{};
const Settings kParkedVertical{
    .KidoA = 2, .SKidoA = 2, .SexeA = 1, .WindTop = 1, .FormStyle = 1, .SctName = 1, .FomMov = 1};

// Every control from both sides: from a shown horizontal bar, and from a
// vertical one parked in the tray, which each action must leave there.
INSTANTIATE_TEST_SUITE_P(
    Controls, SettingsAction,
    testing::Values(Action{kShown, "Op2", &Settings::KidoA, 2}, Action{kShown, "Op4", &Settings::SKidoA, 2},
                    Action{kShown, "Op5", &Settings::SexeA, 1}, Action{kShown, "StlT", &Settings::FormStyle, 1},
                    Action{kShown, "Check1", &Settings::WindTop, 1}, Action{kShown, "Check2", &Settings::SctName, 1},
                    Action{kParkedVertical, "Op1", &Settings::KidoA, 1},
                    Action{kParkedVertical, "Op3", &Settings::SKidoA, 1},
                    Action{kParkedVertical, "Op6", &Settings::SexeA, 2},
                    Action{kParkedVertical, "StlY", &Settings::FormStyle, 0},
                    Action{kParkedVertical, "Check1", &Settings::WindTop, 0},
                    Action{kParkedVertical, "Check2", &Settings::SctName, 0}),
    [](const testing::TestParamInfo<Action>& p) {
        return std::string(p.param.control) + (p.param.stored.KidoA == 1 ? "OnShownBar" : "OnParkedBar");
    });

TEST_F(SettingsDialog, TopmostIsPlacedWhereTheBarIsWithoutActivatingIt)
{
    startWith();
    open();
    platform.log.clear();
    userClicks("Check1");
    EXPECT_TRUE(logHasInOrder({"Form1 placed topmost at 100,60 366x74", "write apst.qdf"}));
    userClicks("Check1");
    EXPECT_TRUE(logHas("Form1 placed not topmost at 100,60 366x74"));
    EXPECT_FALSE(form1().window.topmost());
}

TEST_F(SettingsDialog, NamesGoOnAllButtonsAndComeOffTheShownGroupAndTheLastPressedTab)
{
    registerSlot(3, "メモ", "C:\\memo.exe");
    registerSlot(33, "表", "C:\\calc.exe");
    registerSlot(55, "遠い", "C:\\far.exe");
    startWith(Settings{.SctName = 1});
    click(form1().Conts[3], ui::mouse::kRight);  // GrNO = 3, group 1 stays on the buttons
    ASSERT_TRUE(form1().GrNO == 3);
    const std::size_t drawnOnButton3 = form1().ShortCut[3].surface().drawings().size();

    open();
    const auto texts = [this](int slot) {
        int n = 0;
        for (const ui::Drawing& d : form1().ShortCut[slot].surface().drawings()) n += d.kind == ui::Drawing::Kind::Text;
        return n;
    };
    EXPECT_EQ(form1().ShortCut[55].surface().drawings().back().text, "遠い") << "groups not shown get names too";
    EXPECT_EQ(form1().ShortCut[3].surface().drawings().size(), drawnOnButton3) << "a shown name is not printed again";

    userClicks("Check2");
    for (int slot : {3, 4, 33, 34}) EXPECT_EQ(texts(slot), 0) << slot;
    EXPECT_EQ(headless::iconPath(form1().ShortCut[3].surface().drawings()[0].icon), "C:\\memo.exe");
    EXPECT_EQ(headless::iconPath(form1().ShortCut[33].surface().drawings()[0].icon), "C:\\calc.exe");
    EXPECT_EQ(form1().ShortCut[4].picture(), ui::Art::Aki);
    EXPECT_GT(texts(55), 0) << "other groups keep their names until they are drawn again";
    EXPECT_EQ(settingsFile(), Settings{}.file());
}

// Owned by the bar, so that a bar on top never covers it; and it shows what
// the bar's own switches did, so that its next click acts at once.
TEST_F(SettingsDialog, FollowsTheBarsOwnSwitches)
{
    startWith();
    open();
    EXPECT_EQ(dialog().window.owner(), &form1().window);
    for (const char* first : {"Op1", "Op3", "Op5", "StlY", "Check1"}) {
        EXPECT_TRUE(control(first).startsGroup()) << first << ": arrows move within a frame, Tab between frames";
    }
    EXPECT_FALSE(control("Op2").startsGroup());
    click(form1().FormStyleHen);
    click(form1().Picture5);
    EXPECT_EQ(selected(), (std::set<std::string>{"Op1", "Op3", "Op6", "StlT", "Check1"}));
    userClicks("StlY");
    userClicks("Check1");
    EXPECT_EQ(settingsFile(), Settings{}.file());
    EXPECT_EQ(form1().window.picture(), ui::Art::YokoHome);
    EXPECT_FALSE(form1().window.topmost());
}

// Over the dialog, which waits for the message: clicks on it meanwhile
// cannot pile up more messages. A switch of the bar tells over the bar.
TEST_F(SettingsDialog, UnwritableDataFolderIsToldOncePerOpeningAndPerAction)
{
    startWith(Settings{.SexeA = 1, .WindTop = 1, .FormStyle = 1, .SctName = 1});
    platform.files.failWrites = true;
    open();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_THAT(platform.messages[0].text, HasSubstr("apst.qdf"));
    EXPECT_EQ(platform.messages[0].style, ui::message_box::kExclamation);
    EXPECT_EQ(platform.messages[0].owner, form4().window());
    userClicks("Op2");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].owner, form4().window());
    click(form1().Picture6);
    ASSERT_EQ(platform.messages.size(), 3u);
    EXPECT_EQ(platform.messages[2].owner, &form1().window);
    EXPECT_EQ(settingsFile(), (Settings{.SexeA = 1, .WindTop = 1, .FormStyle = 1, .SctName = 1}.file()));
}

TEST_F(SettingsDialog, ShowingItAgainOnlyBringsItUpAndTheClosePictureUnloadsIt)
{
    startWith();
    open();
    ui::Window* first = form4().window();
    platform.log.clear();
    open();
    EXPECT_EQ(form4().window(), first);
    EXPECT_TRUE(logHas("Form4 brought to the foreground"));
    EXPECT_FALSE(logHas("write apst.qdf"));

    click(dialog().Image1);
    EXPECT_TRUE(logHas("Form1 placed top at 100,60 366x74"));
    EXPECT_EQ(form4().window(), nullptr);
    open();
    EXPECT_TRUE(logHas("write apst.qdf")) << "a new opening runs the load step again";

    act([this] { platform.input(dialog().window).closeRequest(); });
    EXPECT_EQ(form4().window(), nullptr);
}

TEST_F(SettingsDialog, ClosingWhileTheBarIsParkedLeavesItInTheTray)
{
    startWith(Settings{.KidoA = 2});
    open();
    click(dialog().Image1);
    EXPECT_FALSE(logHas("Form1 placed top at 100,60 366x74"));
    EXPECT_FALSE(form1().window.visible());
}

// (250, 100) is bare background, right of the second frame.
TEST_F(SettingsDialog, DraggingTheBackgroundWithTheLeftButtonAloneMovesIt)
{
    startWith();
    open();
    ui::Window& w = dialog().window;
    const ui::Point at = w.toScreen({250, 100});
    const std::string moved = "Form4 moved by the system from " + std::to_string(at.x) + "," + std::to_string(at.y);
    mouseOnWindow(w, ui::MouseAction::Press, ui::mouse::kLeft, ui::mouse::kLeft, {250, 100});
    mouseOnWindow(w, ui::MouseAction::Move, 0, ui::mouse::kLeft | ui::mouse::kRight, {252, 101});
    EXPECT_EQ(count(moved), 0u) << "two buttons held";
    mouseOnWindow(w, ui::MouseAction::Move, 0, ui::mouse::kLeft, {253, 102});
    EXPECT_EQ(count(moved), 1u);
}

class StartupShortcut : public SettingsDialog {
protected:
    void SetUp() override
    {
        startWith();
        open();
    }
    std::string lastMessage() { return platform.messages.empty() ? "" : platform.messages.back().text; }
    const std::string link = "/users/me/Startup/Noctaris.lnk";
};

TEST_F(StartupShortcut, RegisterStartsTheProgramFileInItsFolderAndDeletingTwiceSaysItIsGone)
{
    shell.specialFolders[shell::SpecialFolder::Startup] = "/users/me/Startup";
    push(dialog().Command1);
    EXPECT_EQ(lastMessage(), "登録が完了しました。");
    EXPECT_EQ(platform.messages.back().style, ui::message_box::kOk);
    EXPECT_EQ(platform.messages.back().title, "ノクタリス");
    ASSERT_EQ(shell.links.count(link), 1u);
    EXPECT_EQ(shell.links[link], (headless::Shell::Link{(program.path() / "Noctaris.exe").string(), program.path().string()}));

    push(dialog().Command2);
    EXPECT_EQ(lastMessage(), "削除が完了しました。");
    EXPECT_TRUE(shell.links.empty());
    push(dialog().Command2);
    EXPECT_EQ(lastMessage(), "ショートカットが削除できませんでした。\r\nもしくはすでにファイルは削除されています。");
    EXPECT_EQ(platform.messages.back().style, ui::message_box::kOk);
}

TEST_F(StartupShortcut, NoLinkIsWrittenWhereItCannotBeSavedOrThereIsNoStartupFolder)
{
    shell.specialFolders[shell::SpecialFolder::Startup] = "/users/me/Startup";
    shell.linksFail = true;
    push(dialog().Command1);
    EXPECT_EQ(lastMessage(), "ショートカットが作成できませんでした。");

    shell.linksFail = false;
    shell.specialFolders.clear();
    platform.log.clear();
    push(dialog().Command1);
    EXPECT_EQ(lastMessage(), "ショートカットが作成できませんでした。");
    push(dialog().Command2);
    EXPECT_EQ(lastMessage(), "ショートカットが削除できませんでした。\r\nもしくはすでにファイルは削除されています。");
    ASSERT_TRUE(logHas("message: ショートカットが作成できませんでした。"));
    for (const std::string& event : platform.log) EXPECT_NE(event.rfind("link", 0), 0u) << "a link was written";
}

}  // namespace
