#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "model/field_reader.h"
#include "model/number_text.h"
#include "model/variant.h"

namespace {

using model::FieldReader;
using model::Variant;

struct Read {
    std::string text;
    bool quoted;
    bool operator==(const Read&) const = default;
};

std::vector<Read> readAll(std::string_view data)
{
    FieldReader reader(data);
    std::vector<Read> fields;
    while (auto f = reader.next()) fields.push_back({std::string(f->bytes), f->quoted});
    return fields;
}

TEST(FieldReader, CommasAndLineEndsAreBothSeparators)
{
    EXPECT_EQ(readAll("1,2\r\n3\r\n"), (std::vector<Read>{{"1", false}, {"2", false}, {"3", false}}));
    EXPECT_EQ(readAll("1\n2\r3"), (std::vector<Read>{{"1", false}, {"2", false}, {"3", false}}));
}

TEST(FieldReader, QuotedFieldKeepsCommasAndSkipsWhatFollowsTheClosingQuote)
{
    EXPECT_EQ(readAll("\"a,b\"junk,\"c\"\r\n"), (std::vector<Read>{{"a,b", true}, {"c", true}}));
    EXPECT_EQ(readAll("  \"x\"  ,  7  \r\n"), (std::vector<Read>{{"x", true}, {"7", false}}));
}

TEST(FieldReader, EmptyFieldsAndEmptyLines)
{
    EXPECT_EQ(readAll(",\r\n\r\n\"\""), (std::vector<Read>{{"", false}, {"", false}, {"", false}, {"", true}}));
}

TEST(FieldReader, EndOfDataEndsTheStream)
{
    EXPECT_TRUE(readAll("").empty());
    EXPECT_TRUE(readAll("   ").empty());
    // A field may end at the end of the data, even inside an unclosed quote.
    EXPECT_EQ(readAll("5"), (std::vector<Read>{{"5", false}}));
    EXPECT_EQ(readAll("\"open"), (std::vector<Read>{{"open", true}}));
}

TEST(FieldReader, ScansBytesSoDoubleByteTrailBytesNeverSplitAField)
{
    // "ソ" is 0x83 0x5C in code page 932: its trail byte is a backslash.
    EXPECT_EQ(readAll("\"\x83\x5C\",\"\x95\x5C\""), (std::vector<Read>{{"\x83\x5C", true}, {"\x95\x5C", true}}));
}

TEST(Numbers, ReadsPlainDecimalsWithBlanksAround)
{
    EXPECT_EQ(model::parseNumber("1500"), 1500.0);
    EXPECT_EQ(model::parseNumber(" -150 "), -150.0);
    EXPECT_EQ(model::parseNumber("1012.5"), 1012.5);
    EXPECT_EQ(model::parseNumber("+3"), 3.0);
    EXPECT_EQ(model::parseNumber(".5"), 0.5);
}

TEST(Numbers, RefusesWhatIsNotANumber)
{
    for (const char* text : {"", " ", "abc", "12abc", "inf", "nan", "-inf", "0x10", "1,5", "--1"}) {
        EXPECT_FALSE(model::parseNumber(text)) << text;
    }
    EXPECT_FALSE(model::parseSingle("1e50")) << "out of a single's range";
}

TEST(Numbers, WritesShortestPlainForm)
{
    EXPECT_EQ(model::formatNumber(1500), "1500");
    EXPECT_EQ(model::formatNumber(-150), "-150");
    EXPECT_EQ(model::formatNumber(1012.5), "1012.5");
    EXPECT_EQ(model::formatNumber(-0.0), "0");
    EXPECT_EQ(model::formatSingle(1012.5f), "1012.5");
    EXPECT_EQ(model::formatSingle(-15.f), "-15");
    EXPECT_EQ(model::formatSingle(0.1f), "0.1");
}

// The files were written through std::to_chars; the program's own conversion
// must give the same text for every value, the awkward ones beside powers of
// two and whole numbers past the digits' precision among them.
template <typename T>
std::string standardText(T value)
{
    if (value == 0) return "0";
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

template <typename T, typename Bits>
void expectStandardTexts(std::string (*format)(T), int exponents)
{
    std::mt19937_64 random(7);
    std::vector<T> values;
    for (int e = -exponents; e < exponents; ++e) {
        values.push_back(std::ldexp(T(1), e));
        values.push_back(std::nextafter(std::ldexp(T(1), e), T(0)));
    }
    while (values.size() < 8000) {
        const auto bits = static_cast<Bits>(random());
        T value;
        std::memcpy(&value, &bits, sizeof value);
        values.push_back(value);
        values.push_back(static_cast<T>(static_cast<int>(random() % 400000) - 200000) / static_cast<T>(1 + random() % 16));
    }
    for (const T value : values) {
        if (!std::isfinite(value)) continue;
        ASSERT_EQ(format(value), standardText(value)) << std::hexfloat << value;
    }
}

TEST(Numbers, WritesWhatTheStandardLibraryWrites)
{
    expectStandardTexts<float, std::uint32_t>(model::formatSingle, 149);
    expectStandardTexts<double, std::uint64_t>(model::formatNumber, 1074);
}

TEST(Variant, EmptyCountsAsZero)
{
    const Variant empty;
    EXPECT_TRUE(empty == 0);
    EXPECT_FALSE(empty == 1);
    EXPECT_FALSE(empty == 2);
    EXPECT_EQ(empty.toInt16(), 0);
}

TEST(Variant, NumbersAndNumericTextsCompareByValue)
{
    EXPECT_TRUE(Variant::number(2) == 2);
    EXPECT_FALSE(Variant::number(2) == 1);
    EXPECT_TRUE(Variant::text("1") == 1);
    EXPECT_FALSE(Variant::text("yes") == 0);
}

TEST(Variant, ConvertsToInt16RoundingHalvesToEven)
{
    EXPECT_EQ(Variant::number(1.5).toInt16(), 2);
    EXPECT_EQ(Variant::number(2.5).toInt16(), 2);
    EXPECT_EQ(Variant::number(-0.5).toInt16(), 0);
    EXPECT_EQ(Variant::number(32767).toInt16(), 32767);
    EXPECT_FALSE(Variant::number(32768).toInt16());
    EXPECT_FALSE(Variant::text("vertical").toInt16());
}

}  // namespace
