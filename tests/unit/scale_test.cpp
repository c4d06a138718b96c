// The display-scale rules: design pixels and twips to device pixels, and the
// bar at every scale on the headless backend.
#include <gtest/gtest.h>

#include "bar_fixture.h"
#include "dialogs/form5.h"
#include "dialogs/seihin.h"
#include "menus/form3.h"
#include "ui/art.h"
#include "ui/hit_test.h"
#include "ui/scale.h"

namespace {

using testing_support::BarTest;

struct ScaleCase {
    int dpi;
    ui::Rect bar;       // the horizontal bar's outer rectangle from "1500,900" and 5490 x 1110 twips
    int verticalWidth;  // 1010 twips
    ui::Rect button3;   // ShortCut(3) in device pixels
};

class AtScale : public BarTest, public testing::WithParamInterface<ScaleCase> {};

TEST_P(AtScale, TwipsAndDesignPixelsRoundHalfToEven)
{
    const ScaleCase& c = GetParam();
    const ui::Scale scale{c.dpi};
    EXPECT_EQ((ui::Rect{scale.twipsToPixels(1500), scale.twipsToPixels(900), scale.twipsToPixels(5490),
                        scale.twipsToPixels(1110)}),
              c.bar);
    EXPECT_EQ(scale.twipsToPixels(1010), c.verticalWidth);
    EXPECT_EQ(scale.pixelsToTwips(scale.twipsToPixels(1500)), 1500) << "a saved place comes back exactly";
    EXPECT_EQ(scale.rect({23 + 3 * 34, 23, 32, 32}), c.button3);
}

TEST_P(AtScale, TheBarIsLaidOutAndHitAtTheSystemsScale)
{
    const ScaleCase& c = GetParam();
    platform.dpi = c.dpi;
    registerSlot(3, "メモ帳", "C:\\notepad.exe");
    installDefaults();
    start();
    EXPECT_EQ(form1().window.pixelBounds(), c.bar);
    EXPECT_EQ(form1().window.left(), 1500) << "read back in twips as stored";
    EXPECT_EQ(ui::deviceRect(form1().ShortCut[3]), c.button3);
    const auto& icon = dynamic_cast<const headless::Icon&>(*form1().ShortCut[3].surface().drawings().at(0).icon);
    EXPECT_EQ(icon.size, c.button3.width) << "the shell icon is fetched at the button's real size";

    hover(form1().ShortCut[3], 31, 31);
    EXPECT_EQ(form1().Text1.text(), "メモ帳") << "handlers hear design pixels: 31 is inside a 32-pixel button";
    EXPECT_EQ(platform.capturedControl(), &form1().ShortCut[3]);
}

TEST_P(AtScale, EveryDialogHasItsDesignSizeTimesTheScale)
{
    const int dpi = GetParam().dpi;
    platform.dpi = dpi;
    installDefaults();
    start();
    const ui::Scale scale{dpi};
    const auto client = [&](float w, float h) { return ui::Point{scale.twipsToPixels(w), scale.twipsToPixels(h)}; };
    act([this] { form4().Show(); });
    EXPECT_EQ(form4().window()->clientSize(), client(4880, 5100)) << "the settings dialog";
    act([this] { app->seihin().Show(); });
    EXPECT_EQ(app->seihin().window()->pixelBounds().width, scale.twipsToPixels(6015)) << "the product window";
    EXPECT_EQ(app->seihin().window()->pixelBounds().height, scale.twipsToPixels(3130));
    act([this] {
        form2().ListNoA = model::Variant::number(5);
        form2().ExSet();
    });
    EXPECT_EQ(app->form5().window.clientSize(), client(5310, 2190)) << "the registration dialog";
    act([this] { app->form5().Command3_Click(); });
    act([this] {
        form1().ShIn = model::Variant::number(2);
        form2().GrpHen();
    });
    EXPECT_EQ(app->form3().window.clientSize(), client(5130, 975)) << "the rename dialog";
}

INSTANTIATE_TEST_SUITE_P(Scales, AtScale,
                         testing::Values(ScaleCase{96, {100, 60, 366, 74}, 67, {125, 23, 32, 32}},
                                         ScaleCase{120, {125, 75, 458, 92}, 84, {156, 29, 40, 40}},
                                         ScaleCase{144, {150, 90, 549, 111}, 101, {188, 34, 48, 48}},
                                         ScaleCase{192, {200, 120, 732, 148}, 135, {250, 46, 64, 64}}),
                         [](const auto& scale) { return std::to_string(scale.param.dpi) + "dpi"; });

struct VariantCase {
    ui::Art art;
    ui::Point device;
    int dpi;
};

class ArtVariant : public testing::TestWithParam<VariantCase> {};

TEST_P(ArtVariant, IsTheDrawingOfThatSizeElseTheSmallestLargerOne)
{
    EXPECT_EQ(ui::artVariantDpi(GetParam().art, GetParam().device), GetParam().dpi);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ArtVariant,
                         testing::Values(VariantCase{ui::Art::YokoHome, {366, 74}, 96},
                                         VariantCase{ui::Art::YokoHome, {458, 92}, 120},
                                         VariantCase{ui::Art::YokoHome, {549, 111}, 144},
                                         VariantCase{ui::Art::YokoHome, {732, 148}, 192},
                                         VariantCase{ui::Art::YokoHome, {641, 130}, 192},  // 175 %
                                         VariantCase{ui::Art::YokoHome, {380, 77}, 120},
                                         VariantCase{ui::Art::YokoHome, {915, 185}, 192},  // 250 %: scaled up
                                         VariantCase{ui::Art::SeiY, {80, 24}, 144},        // 79.5 rounds to 80
                                         VariantCase{ui::Art::ToolExit, {16, 30}, 192}));  // stretched: both sides

TEST_F(AtScale, AWindowMovedToAMonitorOfAnotherScaleRedrawsItsFacesForIt)
{
    registerSlot(3, "メモ帳", "C:\\notepad.exe");
    installDefaults();
    start();
    act([this] { platform.input(form1().window).systemScaleChanged(144, {150, 90, 549, 111}); });
    EXPECT_EQ(form1().window.scale().dpi, 144);
    EXPECT_EQ(form1().window.pixelBounds(), (ui::Rect{150, 90, 549, 111}));
    const auto& icon = dynamic_cast<const headless::Icon&>(*form1().ShortCut[3].surface().drawings().at(0).icon);
    EXPECT_EQ(icon.size, 48);
    EXPECT_EQ(form1().window.left(), 150 * 15) << "the position keeps converting at the system's scale";
}

}  // namespace
