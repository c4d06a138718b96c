#include <gtest/gtest.h>

#include "model/code_page.h"
#include "model/data_formats.h"
#include "posix/iconv_codec.h"
#include "test_files.h"

namespace {

using model::Variant;
using testing_support::fixture;
using testing_support::readFile;

const posix::IconvCodec cp932;

std::string lines(int count, const std::string& line)
{
    std::string text;
    for (int i = 0; i < count; ++i) text += line;
    return text;
}

TEST(DataFiles, SampleFilesSurviveAReadAndWriteByteForByte)
{
    const auto fank = readFile(fixture("sample/fank.qdf"));
    const auto apst = readFile(fixture("sample/apst.qdf"));
    const auto group = readFile(fixture("sample/group.qdf"));
    const auto shtct = readFile(fixture("sample/Shtct.qdf"));

    const auto position = model::parsePosition(fank);
    ASSERT_TRUE(position);
    EXPECT_EQ(*position, (model::WindowPosition{-150, 1012.5f}));
    EXPECT_EQ(model::formatPosition(*position), fank);

    const auto settings = model::parseSettings(apst, cp932);
    EXPECT_TRUE(settings.complete);
    EXPECT_TRUE(settings.values.SKidoA.isEmpty()) << "an empty value stays empty";
    EXPECT_EQ(model::formatSettings(settings.values, cp932).bytes, apst);

    const auto groups = model::parseGroups(group, cp932);
    EXPECT_EQ(groups[1], "ゲーム, 趣味");
    EXPECT_EQ(groups[2], "");
    EXPECT_EQ(groups[9], "ソフト～表");
    EXPECT_EQ(model::formatGroups(groups, cp932).bytes, group);

    const auto table = model::parseShortcuts(shtct, cp932);
    EXPECT_EQ(table[0], (model::Slot{"メモ帳", "C:\\Windows\\notepad.exe"}));
    EXPECT_EQ(table[1], (model::Slot{"a,b", "C:\\Program Files\\テスト\\x.exe"}));
    EXPECT_EQ(table[57], (model::Slot{"表示", "D:\\ドキュメント"}));
    EXPECT_EQ(table[58], model::Slot{});
    EXPECT_EQ(model::formatShortcuts(table, cp932).bytes, shtct);
}

TEST(DataFiles, FreshTablesAlwaysHaveTenAndOneHundredLines)
{
    EXPECT_EQ(model::formatShortcuts({}, cp932).bytes, lines(100, "\"\",\"\"\r\n"));
    EXPECT_EQ(model::formatGroups({}, cp932).bytes, lines(10, "\"\"\r\n"));
    // Short and over-long files are rewritten at their exact length.
    const auto shortTable = model::parseShortcuts("\"a\",\"b\"\r\n", cp932);
    EXPECT_EQ(model::formatShortcuts(shortTable, cp932).bytes, "\"a\",\"b\"\r\n" + lines(99, "\"\",\"\"\r\n"));
    const auto longGroups = model::parseGroups(lines(12, "\"g\"\r\n"), cp932);
    EXPECT_EQ(model::formatGroups(longGroups, cp932).bytes, lines(10, "\"g\"\r\n"));
}

TEST(DataFiles, ShortcutLineWithOneFieldShiftsEveryLaterSlot)
{
    const auto table = model::parseShortcuts("\"lonely\"\r\n\"n1\",\"p1\"\r\n\"n2\",\"p2\"\r\n", cp932);
    EXPECT_EQ(table[0], (model::Slot{"lonely", "n1"}));
    EXPECT_EQ(table[1], (model::Slot{"p1", "n2"}));
    // The last name has no path left to read: the slot stays empty, name and all.
    EXPECT_EQ(table[2], model::Slot{});
}

TEST(DataFiles, PositionNeedsTwoNumbers)
{
    EXPECT_FALSE(model::parsePosition(""));
    EXPECT_FALSE(model::parsePosition("1500\r\n"));
    EXPECT_FALSE(model::parsePosition("left,top\r\n"));
    EXPECT_EQ(model::parsePosition("\"30\",45,99\r\n"), (model::WindowPosition{30, 45})) << "takes two fields only";
}

TEST(DataFiles, SevenOnesMeanVerticalTopmostNamedFixedAndShown)
{
    const auto s = model::parseSettings("1,1,1,1,1,1,1\r\n", cp932);
    EXPECT_TRUE(s.complete);
    EXPECT_TRUE(s.values.KidoA == 1);
    EXPECT_TRUE(s.values.WindTop == 1);
    EXPECT_EQ(s.values.FormStyle, 1);
    EXPECT_EQ(s.values.SctName, 1);
    EXPECT_EQ(s.values.FomMov, 1);
}

TEST(DataFiles, ShortSettingsKeepWhatWasReadAndStartHorizontalNotOnTop)
{
    const auto two = model::parseSettings("2,1\r\n", cp932);
    EXPECT_FALSE(two.complete);
    EXPECT_TRUE(two.values.KidoA == 2);
    EXPECT_TRUE(two.values.SKidoA == 1);
    EXPECT_TRUE(two.values.SexeA.isEmpty());
    EXPECT_TRUE(two.values.WindTop == 0);
    EXPECT_EQ(two.values.FormStyle, 0);
    EXPECT_EQ(two.values.SctName, 0);
    EXPECT_EQ(two.values.FomMov, 0);
    EXPECT_EQ(model::formatSettings(two.values, cp932).bytes, "2,1,,0,0,0,0\r\n");

    // Orientation and topmost fall back to 0 even when they were read.
    const auto six = model::parseSettings("1,2,1,1,1,1\r\n", cp932);
    EXPECT_FALSE(six.complete);
    EXPECT_TRUE(six.values.WindTop == 0);
    EXPECT_EQ(six.values.FormStyle, 0);
    EXPECT_EQ(six.values.SctName, 1);
    EXPECT_EQ(six.values.FomMov, 0);
}

TEST(DataFiles, UnusableSettingStopsTheReadingThere)
{
    const auto s = model::parseSettings("1,1,2,1,1,names,1\r\n", cp932);
    EXPECT_FALSE(s.complete);
    EXPECT_TRUE(s.values.SexeA == 2);
    EXPECT_EQ(s.values.FormStyle, 0);
    EXPECT_EQ(s.values.SctName, 0);
    EXPECT_EQ(s.values.FomMov, 0);
    EXPECT_FALSE(model::parseSettings("1,1,1,1,99999,0,0", cp932).complete) << "out of a 16-bit range";
}

TEST(DataFiles, QuotedSettingIsKeptAsTextAndWrittenBackQuoted)
{
    const auto s = model::parseSettings("\"1\",1,2,0,0,0,0\r\n", cp932);
    EXPECT_TRUE(s.values.KidoA.isText());
    EXPECT_TRUE(s.values.KidoA == 1);
    EXPECT_EQ(model::formatSettings(s.values, cp932).bytes, "\"1\",1,2,0,0,0,0\r\n");
}

// The hotkey follows the seventh value only when it is not the default, as
// one number (key + 256 x modifiers, 0 for none); anything else there is the
// default, and the line is written as it always was.
struct StoredHotkey {
    const char* name;
    std::string eighth;
    model::Hotkey hotkey;
    std::string written;
};

class HotkeyInSettings : public testing::TestWithParam<StoredHotkey> {};

TEST_P(HotkeyInSettings, FollowsTheSeventhValueOnlyWhenNotTheDefault)
{
    const std::string seven = "1,1,2,0,1,0,1";
    const auto s = model::parseSettings(seven + GetParam().eighth + "\r\n", cp932);
    EXPECT_TRUE(s.complete);
    EXPECT_EQ(s.values.FomMov, 1);
    EXPECT_EQ(s.values.hotkey, GetParam().hotkey);
    EXPECT_EQ(model::formatSettings(s.values, cp932).bytes, seven + GetParam().written + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Fields, HotkeyInSettings,
    testing::Values(StoredHotkey{"None", "", model::kDefaultHotkey, ""},
                    StoredHotkey{"TheDefaultWrittenOut", ",1568", model::kDefaultHotkey, ""},
                    StoredHotkey{"Off", ",0", model::Hotkey{}, ",0"},
                    StoredHotkey{"CtrlShiftF12", ",891", model::Hotkey{0x7B, 3}, ",891"},
                    StoredHotkey{"OnTheNextLine", "\r\n891", model::Hotkey{0x7B, 3}, ",891"},
                    StoredHotkey{"Text", ",ctrl", model::kDefaultHotkey, ""},
                    StoredHotkey{"Quoted", ",\"891\"", model::kDefaultHotkey, ""},
                    StoredHotkey{"Fraction", ",891.5", model::kDefaultHotkey, ""},
                    StoredHotkey{"ModifiersWithoutAKey", ",512", model::kDefaultHotkey, ""},
                    StoredHotkey{"OutOfRange", ",70000", model::kDefaultHotkey, ""},
                    StoredHotkey{"Negative", ",-32", model::kDefaultHotkey, ""}),
    [](const testing::TestParamInfo<StoredHotkey>& p) { return std::string(p.param.name); });

TEST(DataFiles, BytesOutsideTheCodePageAreKeptThroughARewrite)
{
    // A lone lead byte and a byte 0x80 that code page 932 does not use.
    const std::string damaged = "\"ok\x81\",\"\x80x\"\r\n" + lines(99, "\"\",\"\"\r\n");
    const auto table = model::parseShortcuts(damaged, cp932);
    EXPECT_EQ(table[0].name.substr(0, 2), "ok");
    EXPECT_EQ(model::formatShortcuts(table, cp932).bytes, damaged);
}

TEST(DataFiles, LongTextsSurviveAWriteAndRead)
{
    // Long enough to take the converter several passes, in either direction.
    model::ShortcutTable table;
    table[0] = {lines(300, "ﾃ"), "C:\\" + lines(200, "テスト\\")};
    const auto image = model::formatShortcuts(table, cp932);
    ASSERT_FALSE(image.refusal);
    EXPECT_EQ(model::parseShortcuts(image.bytes, cp932), table);
}

TEST(DataFiles, TextThatCannotBeStoredIsRefusedNotSubstituted)
{
    model::ShortcutTable table;
    table[3] = {"emoji 😀", "C:\\x"};
    const auto image = model::formatShortcuts(table, cp932);
    ASSERT_TRUE(image.refusal);
    EXPECT_EQ(*image.refusal, model::TextRefusal::Unrepresentable);
    EXPECT_EQ(image.refusedText, "emoji 😀");
    EXPECT_TRUE(image.bytes.empty());

    model::GroupNames groups;
    groups[0] = "say \"hi\"";
    const auto quoted = model::formatGroups(groups, cp932);
    ASSERT_TRUE(quoted.refusal);
    EXPECT_EQ(*quoted.refusal, model::TextRefusal::DoubleQuote);
}

TEST(DataFiles, UserTextCheckRefusesKeptBytesAndQuotes)
{
    EXPECT_FALSE(model::checkUserText(cp932, "メモ帳"));
    EXPECT_EQ(model::checkUserText(cp932, "a\"b"), model::TextRefusal::DoubleQuote);
    EXPECT_EQ(model::checkUserText(cp932, "\xEF\x9E\x81"), model::TextRefusal::Unrepresentable);  // U+F781
    EXPECT_EQ(model::checkUserText(cp932, "한국어"), model::TextRefusal::Unrepresentable);
}

// With Windows' UTF-8 option the files stay in code page 932: read as UTF-8,
// every Japanese name would be damaged bytes, and written as UTF-8 no older
// copy could read them. A system of another language keeps its own.
TEST(DataFiles, AreKeptInTheSystemsAnsiCodePageUnlessThatIsNoneOfWindowsOwn)
{
    for (const unsigned own : {932u, 936u, 949u, 950u, 874u, 1250u, 1252u, 1258u}) {
        EXPECT_EQ(model::dataCodePage(own), own);
    }
    for (const unsigned other : {65001u, 0u, 437u, 20127u, 1259u}) EXPECT_EQ(model::dataCodePage(other), 932u) << other;
}

}  // namespace
