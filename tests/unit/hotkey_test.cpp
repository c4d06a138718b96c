// The hotkey: the bar called up from anywhere and sent back to the tray, and
// the settings dialog's frame that sets it.
#include <gtest/gtest.h>

#include "bar_fixture.h"
#include "menus/form3.h"

namespace {

using testing_support::BarTest;
using testing_support::Settings;

constexpr model::Hotkey kCtrlShiftF12{0x7B, model::hotkey::kCtrl | model::hotkey::kShift};  // stored as 891
const std::string kTaken = "他のソフトが使用中のため、使えません。";

class Hotkey : public BarTest {
protected:
    // With the given eighth field of apst.qdf, if any.
    void startWith(const Settings& settings = {}, const std::string& stored = "")
    {
        installDefaults(settings);
        if (!stored.empty()) writeData("apst.qdf", withHotkey(settings, stored));
        start();
    }
    static std::string withHotkey(const Settings& settings, const std::string& stored)
    {
        std::string line = settings.file();
        return line.insert(line.size() - 2, "," + stored);
    }
    void press(const model::Hotkey& hotkey = model::kDefaultHotkey)
    {
        ASSERT_TRUE(platform.pressHotkey(hotkey)) << "no window of the program holds it";
    }
    bool held(const model::Hotkey& hotkey) const
    {
        const auto it = platform.hotkeys.find(&app->barWindow());
        return it != platform.hotkeys.end() && it->second == hotkey;
    }
    ui::Window& bar() { return form1().window; }
};

// The ways the bar is out of the user's reach, and the button the keyboard
// comes back to.
enum class Away { ParkedAtStart, ParkedByItsTool, BehindAnotherProgram, UnderItsSettings };
struct OutOfReach {
    const char* name;
    Away away;
    int focused;
};

class HotkeyCallsTheBar : public Hotkey, public testing::WithParamInterface<OutOfReach> {};

TEST_P(HotkeyCallsTheBar, UpActiveWithTheKeyboardOnAButtonThenBackIntoTheTray)
{
    startWith(Settings{.KidoA = GetParam().away == Away::ParkedAtStart ? 2 : 1});
    switch (GetParam().away) {
    case Away::ParkedAtStart: break;
    case Away::ParkedByItsTool:
        click(form1().Conts[2]);
        click(form1().Picture1);
        break;
    case Away::BehindAnotherProgram:
        click(form1().ShortCut[3]);  // an empty slot: nothing launches
        platform.activeWindow = nullptr;
        break;
    case Away::UnderItsSettings: act([this] { form4().Show(); }); break;
    }
    ASSERT_FALSE(bar().active());

    press();
    EXPECT_TRUE(bar().visible());
    EXPECT_TRUE(bar().active());
    EXPECT_EQ(form4().TaskOn, 0);
    EXPECT_EQ(bar().keyboardFocus(), &form1().ShortCut[GetParam().focused]);
    EXPECT_TRUE(bar().focusRingShown());

    press();
    EXPECT_FALSE(bar().visible());
    EXPECT_EQ(form4().TaskOn, 1);
    EXPECT_EQ(platform.trayIcons.count(&bar()), 1u);
    EXPECT_TRUE(platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Ways, HotkeyCallsTheBar,
                         testing::Values(OutOfReach{"ParkedAtStart", Away::ParkedAtStart, 0},
                                         OutOfReach{"ParkedByItsTool", Away::ParkedByItsTool, 20},
                                         OutOfReach{"BehindAnotherProgram", Away::BehindAnotherProgram, 3},
                                         OutOfReach{"UnderItsSettings", Away::UnderItsSettings, 0}),
                         [](const testing::TestParamInfo<OutOfReach>& p) { return std::string(p.param.name); });

// The rename dialog is what the user is to finish: it comes up, and the
// bar is neither parked nor activated.
TEST_F(Hotkey, DisabledBarBringsUpItsOpenDialogInstead)
{
    startWith();
    hover(form1().Conts[1], 3, 3);
    chooseFromMenu(form1().Conts[1], "GrpHen");
    act([this] { app->form3().window.hide(); });  // behind another program's window, say
    platform.activeWindow = &bar();
    platform.log.clear();
    press();
    EXPECT_TRUE(app->form3().window.visible());
    EXPECT_TRUE(logHas("Form3 brought to the foreground"));
    EXPECT_TRUE(bar().visible());
    EXPECT_EQ(form4().TaskOn, 0);
    EXPECT_FALSE(logHas("Form1 brought to the foreground"));
}

// The frame's box: a new combination calls the bar at once and is saved
// after the seven values; emptied, the hotkey is off; one another program
// holds is kept and the words beside the box say why it does not work.
struct Choice {
    const char* name;
    std::string stored;  // at the start
    model::Hotkey chosen;
    bool takenElsewhere;
    std::string saved;  // the eighth field, if any
    std::string words;
};

class HotkeyFrame : public Hotkey, public testing::WithParamInterface<Choice> {};

TEST_P(HotkeyFrame, SetsSavesAndSaysWhetherItWorks)
{
    const Choice& c = GetParam();
    if (c.takenElsewhere) platform.takenHotkeys.push_back(c.chosen);
    startWith({}, c.stored);
    act([this] { form4().Show(); });
    dialogs::Form4::Controls& d = *form4().controls();
    EXPECT_GE(d.Frame5.top(), d.Command1.top() + d.Command1.height()) << "below every control it had";
    EXPECT_LE(d.Frame5.top() + d.Frame5.height(), d.window.clientSize().y);

    act([&] { platform.input(d.window).nativeHotkey(d.HotKey1, c.chosen); });
    EXPECT_EQ(readData("apst.qdf"), c.saved.empty() ? Settings{}.file() : withHotkey({}, c.saved));
    EXPECT_EQ(held(c.chosen), !c.chosen.off() && !c.takenElsewhere);
    EXPECT_EQ(platform.hotkeys.size(), held(c.chosen) ? 1u : 0u) << "the old one is let go";
    EXPECT_EQ(d.Label4.caption(), c.words);
    EXPECT_EQ(d.HotKey1.accessibleName(), c.words.empty() ? "バーを呼び出すキー" : "バーを呼び出すキー　" + c.words);
    EXPECT_TRUE(platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Choices, HotkeyFrame,
    testing::Values(Choice{"NewCombination", "", kCtrlShiftF12, false, "891", ""},
                    Choice{"Emptied", "", model::Hotkey{}, false, "0", ""},
                    Choice{"TakenElsewhere", "", kCtrlShiftF12, true, "891", kTaken},
                    Choice{"BackToTheDefault", "891", model::kDefaultHotkey, false, "", ""}),
    [](const testing::TestParamInfo<Choice>& p) { return std::string(p.param.name); });

// The program may start at log-on: a hotkey it cannot have is told by the
// settings dialog, not by a message. Opening the dialog tries it again.
struct AtStartUp {
    const char* name;
    bool stillTaken;
    std::string words;
};

class HotkeyAtStartUp : public Hotkey, public testing::WithParamInterface<AtStartUp> {};

TEST_P(HotkeyAtStartUp, HeldByAnotherProgramIsToldBesideTheBoxOnly)
{
    platform.takenHotkeys.push_back(model::kDefaultHotkey);
    startWith(Settings{.KidoA = 2});
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.hotkeys.empty());
    if (!GetParam().stillTaken) platform.takenHotkeys.clear();
    act([this] { form4().Show(); });
    EXPECT_EQ(form4().controls()->Label4.caption(), GetParam().words);
    EXPECT_EQ(held(model::kDefaultHotkey), !GetParam().stillTaken);
    EXPECT_EQ(form4().controls()->HotKey1.hotkey(), model::kDefaultHotkey);
    EXPECT_TRUE(platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, HotkeyAtStartUp,
                         testing::Values(AtStartUp{"StillTaken", true, kTaken}, AtStartUp{"FreedSince", false, ""}),
                         [](const testing::TestParamInfo<AtStartUp>& p) { return std::string(p.param.name); });

}  // namespace
