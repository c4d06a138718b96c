// The pictures compiled into the program: every drawing decodes at its
// scale's size, and a size with no drawing of its own is averaged from one.
#include <gtest/gtest.h>

#include <string>

#include "test_files.h"
#include "ui/art.h"
#include "ui/pixels.h"
#include "ui/scale.h"

namespace {

std::span<const std::byte> bytesOf(const std::string& text)
{
    return {reinterpret_cast<const std::byte*>(text.data()), text.size()};
}

ui::Pixels grey(int width, int height, std::vector<int> values)
{
    ui::Pixels pixels{width, height, {}};
    for (const int v : values) {
        const auto level = static_cast<std::uint8_t>(v);
        pixels.bgra.insert(pixels.bgra.end(), {level, level, level, 255});
    }
    return pixels;
}

TEST(Pictures, EveryDrawingDecodesAtItsScalesSizeAndADamagedOneNotAtAll)
{
    for (int a = static_cast<int>(ui::Art::YokoHome); a < static_cast<int>(ui::Art::ProgramIcon); ++a) {
        const auto art = static_cast<ui::Art>(a);
        for (const int dpi : ui::kArtDpis) {
            const std::string file = testing_support::readFile(std::filesystem::path(NOCTARIS_ASSETS) /
                                                               std::to_string(dpi * 100 / ui::Scale::kDesignDpi) /
                                                               (std::string(ui::artName(art)) + ".png"));
            const auto decoded = ui::decodePng(bytesOf(file));
            ASSERT_TRUE(decoded) << ui::artName(art) << " at " << dpi;
            const ui::Scale scale{dpi};
            EXPECT_EQ(decoded->width, scale.pixels(ui::artSize(art).x)) << ui::artName(art) << " at " << dpi;
            EXPECT_EQ(decoded->height, scale.pixels(ui::artSize(art).y)) << ui::artName(art) << " at " << dpi;
            EXPECT_EQ(decoded->bgra.size(), std::size_t(decoded->width) * decoded->height * 4);
            EXPECT_FALSE(ui::decodePng(bytesOf(file.substr(0, file.size() / 2)))) << ui::artName(art);
        }
    }
    EXPECT_FALSE(ui::decodePng({}));
}

struct ResizeCase {
    const char* what;
    ui::Pixels from;
    ui::Pixels to;
};

class Resizing : public testing::TestWithParam<ResizeCase> {};

TEST_P(Resizing, AveragesTheAreaEachNewPixelCovers)
{
    EXPECT_EQ(ui::resized(GetParam().from, GetParam().to.width, GetParam().to.height), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Resizing,
    testing::Values(
        // Each new pixel covers one and a half old ones.
        ResizeCase{"ThreeIntoTwo", grey(3, 1, {0, 90, 255}), grey(2, 1, {30, 200})},
        ResizeCase{"TwoIntoThree", grey(1, 2, {0, 255}), grey(1, 3, {0, 128, 255})},
        ResizeCase{"HalvedBothWays", grey(2, 2, {0, 255, 255, 255}), grey(1, 1, {191})},
        // A flat picture stays exactly its colour at a size that is no whole fraction of its own.
        ResizeCase{"FlatAt175Percent", grey(8, 4, std::vector<int>(32, 77)), grey(7, 3, std::vector<int>(21, 77))},
        // At half size a one-pixel line becomes a paler one, not a gap.
        ResizeCase{"ThinLineKept", grey(4, 1, {255, 0, 255, 255}), grey(2, 1, {128, 255})}),
    [](const auto& c) { return std::string(c.param.what); });

}  // namespace
