#include <gmock/gmock.h>

#include "bar_fixture.h"
#include "menus/form3.h"
#include "ui/message_box.h"

namespace {

using testing::HasSubstr;
using testing_support::BarTest;

class Rename : public BarTest {
protected:
    void SetUp() override
    {
        installDefaults();
        start();
        platform.log.clear();
    }

    // The user rests the pointer on the tab, right-clicks it and chooses the command.
    menus::Form3& open(int group)
    {
        hover(form1().Conts[group], 3, 3);
        chooseFromMenu(form1().Conts[group], "GrpHen");
        return app->form3();
    }
    // group.qdf as installed, with one group's name replaced.
    static std::string groupsWith(int group, const std::string& name)
    {
        std::string text;
        for (int g = 0; g < 10; ++g) text += "\"" + (g == group ? name : "グループ" + std::to_string(g + 1)) + "\"\r\n";
        return text;
    }
    bool dialogOpen() const { return count("Form3 shown") > count("Form3 hidden"); }
};

TEST_F(Rename, DialogOpensOnTheRightClickedGroupWithItsName)
{
    menus::Form3& f = open(3);
    EXPECT_TRUE(logHasInOrder({"chosen GrpHen", "Form1 disabled", "Form3 shown"}));
    EXPECT_EQ(f.window.caption(), "グループ名の変更");
    EXPECT_EQ(f.window.clientSize(), (ui::Point{342, 65}));
    EXPECT_TRUE(f.LstNNN == 3);
    EXPECT_EQ(f.Text1.text(), "グループ4");
    EXPECT_EQ(f.Command1.caption(), "適　用");
    EXPECT_EQ(f.Command2.caption(), "キャンセル");
}

// A hover swallowed by another control's capture leaves the name list's
// selection on the group last hovered: the dialog takes its own group's name.
TEST_F(Rename, DialogTakesTheNameOfItsOwnGroupWhereverTheListStands)
{
    form1().List3.setListIndex(1);
    chooseFromMenu(form1().Conts[4], "GrpHen");
    EXPECT_TRUE(app->form3().LstNNN == 4);
    EXPECT_EQ(app->form3().Text1.text(), "グループ5");
}

// A character that stands for a raw byte the file reader kept would be
// written as that byte: refused, even by a code page that has a form for it.
TEST_F(Rename, ACharacterStandingForAKeptByteIsRefusedWhateverTheCodePage)
{
    platform.codePage.writesKeptBytes = true;
    menus::Form3& f = open(3);
    f.Text1.setText("仕事\xEF\x9E\x81");  // U+F781, the kept byte 0x81
    push(f.Command1);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(logHas("write group.qdf"));
    EXPECT_TRUE(dialogOpen());
}

TEST_F(Rename, ApplyReplacesTheNameInTheListTheTrayMenuAndTheFile)
{
    struct Case {
        int group;
        std::string name;
    };
    for (const Case& c : {Case{3, "仕事, 趣味"}, Case{9, "最後"}, Case{0, ""}, Case{5, "グループ6"}}) {
        SCOPED_TRACE(c.group);
        platform.log.clear();
        menus::Form3& f = open(c.group);
        f.Text1.typedByUser(c.name);
        push(f.Command1);
        EXPECT_EQ(form1().List3.list(c.group), c.name);
        EXPECT_EQ(form1().List3.listCount(), 10);
        EXPECT_EQ(form2().GrpN(c.group).caption, c.name);
        EXPECT_EQ(form1().Conts[c.group].accessibleName(), c.name) << "screen readers hear the new name at once";
        EXPECT_TRUE(logHasInOrder({"write group.qdf", "Form1 enabled", "Form3 hidden"}));
        hover(form1().Conts[c.group], 4, 4);
        EXPECT_EQ(form1().Conts[c.group].toolTip(), c.name) << "the tooltip follows on the next hover";
        EXPECT_EQ(form1().Text1.text(), c.name);
    }
    std::string expected;
    for (const char* name : {"", "グループ2", "グループ3", "仕事, 趣味", "グループ5", "グループ6", "グループ7",
                             "グループ8", "グループ9", "最後"}) {
        expected += "\"" + std::string(name) + "\"\r\n";
    }
    EXPECT_EQ(readData("group.qdf"), expected);
}

TEST_F(Rename, CancelAndTheCloseBoxChangeNothing)
{
    for (const bool closeBox : {false, true}) {
        menus::Form3& f = open(2);
        f.Text1.typedByUser("別の名前");
        if (closeBox) {
            act([&] { platform.input(f.window).closeRequest(); });
        } else {
            push(f.Command2);
        }
        EXPECT_FALSE(dialogOpen());
        EXPECT_TRUE(form1().window.enabled());
        EXPECT_EQ(form1().List3.list(2), "グループ3");
        EXPECT_EQ(form2().GrpN(2).caption, "グループ3");
    }
    EXPECT_FALSE(logHas("write group.qdf"));
    EXPECT_EQ(readData("group.qdf"), groupsWith(-1, ""));
}

TEST_F(Rename, RefusedOrUnsavedNamesLeaveEverythingAsTheFileHoldsIt)
{
    menus::Form3& f = open(1);
    for (const std::string name : {"a\"b", "😀", "ab\uF722cd"}) {
        f.Text1.typedByUser(name);
        push(f.Command1);
        EXPECT_THAT(platform.messages.back().text, HasSubstr("「" + name + "」を保存できません。"));
    }
    EXPECT_FALSE(logHas("write group.qdf"));
    platform.files.failWrites = true;
    f.Text1.typedByUser("新しい名前");
    push(f.Command1);
    EXPECT_THAT(platform.messages.back().text, HasSubstr("group.qdf"));
    EXPECT_EQ(platform.messages.back().style, ui::message_box::kExclamation);
    EXPECT_EQ(form1().List3.list(1), "グループ2");
    EXPECT_EQ(form2().GrpN(1).caption, "グループ2");
    EXPECT_EQ(readData("group.qdf"), groupsWith(-1, ""));
    EXPECT_TRUE(dialogOpen());
    EXPECT_FALSE(form1().window.enabled());

    platform.files.failWrites = false;
    push(f.Command1);
    EXPECT_EQ(readData("group.qdf"), groupsWith(1, "新しい名前"));
    EXPECT_TRUE(form1().window.enabled());
}

}  // namespace
