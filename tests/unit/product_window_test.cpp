#include <gtest/gtest.h>

#include "bar_fixture.h"
#include "dialogs/seihin.h"
#include "ui/window.h"

namespace {

using testing_support::BarTest;

constexpr ui::Rgb kRest = ui::rgb(90, 96, 114);
constexpr ui::Rgb kLit = ui::rgb(116, 132, 207);

class ProductWindow : public BarTest {
protected:
    void SetUp() override
    {
        installDefaults();
        start();
        open();
    }
    void open() { act([this] { app->seihin().Show(); }); }
    dialogs::Seihin::Controls& window() { return *app->seihin().controls(); }
};

TEST_F(ProductWindow, OpensOnceWithBothLinksAtRest)
{
    ui::Window* first = app->seihin().window();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->caption(), "製品情報");
    EXPECT_EQ(first->owner(), &form1().window) << "owned: a bar on top never covers it";
    EXPECT_EQ(first->pixelBounds().width, 401);
    EXPECT_EQ(first->pixelBounds().height, 209);
    EXPECT_EQ(first->backColor(), kRest);
    EXPECT_EQ(window().Btn1b.backColor(), kRest);
    EXPECT_EQ(window().Btn2b.backColor(), kRest);
    EXPECT_EQ(window().Label2.caption(), "Version 2.001　Rev.1");
    platform.log.clear();
    open();
    EXPECT_EQ(app->seihin().window(), first);
    EXPECT_TRUE(logHas("Seihin brought to the foreground"));
}

struct Link {
    ui::PictureBox dialogs::Seihin::Controls::*picture;
    ui::PictureBox dialogs::Seihin::Controls::*frame;
    const char* target;  // within the program's folder
};

class ProductLink : public ProductWindow, public testing::WithParamInterface<Link> {
protected:
    ui::PictureBox& picture() { return window().*GetParam().picture; }
    ui::PictureBox& frame() { return window().*GetParam().frame; }
};

TEST_P(ProductLink, LightsWhileThePointerIsOverItAndHoldsTheMouseUntilItLeaves)
{
    hover(picture(), 0, 0);
    EXPECT_EQ(frame().backColor(), kLit);
    EXPECT_EQ(picture().mousePointer(), ui::MousePointer::UpArrow);
    EXPECT_EQ(platform.capturedControl(), &picture());
    hover(picture(), static_cast<float>(picture().width() - 1), 3);
    EXPECT_EQ(frame().backColor(), kLit);

    hover(picture(), static_cast<float>(picture().width()), 3);
    EXPECT_EQ(frame().backColor(), kRest) << "one pixel past the right edge is outside";
    EXPECT_EQ(picture().mousePointer(), ui::MousePointer::Arrow);
    EXPECT_EQ(platform.capturedWindow, nullptr);
}

TEST_P(ProductLink, ClickOpensItsFileAndPutsTheLightOutUntilTheNextMove)
{
    hover(picture(), 5, 5);
    click(picture());
    ASSERT_EQ(shell.executions.size(), 1u);
    const headless::Shell::Execution& run = shell.executions[0];
    EXPECT_EQ(run.owner, nullptr);
    EXPECT_EQ(run.file, (program.path() / GetParam().target).string());
    EXPECT_EQ(run.directory, program.path().string());
    EXPECT_EQ(frame().backColor(), kRest);
    hover(picture(), 6, 5);
    EXPECT_EQ(frame().backColor(), kLit);
}

INSTANTIATE_TEST_SUITE_P(Links, ProductLink,
                         testing::Values(Link{&dialogs::Seihin::Controls::Btn1a, &dialogs::Seihin::Controls::Btn1b,
                                              "guide/index.html"},
                                         Link{&dialogs::Seihin::Controls::Btn2a, &dialogs::Seihin::Controls::Btn2b,
                                              "LICENSE.txt"}),
                         [](const testing::TestParamInfo<Link>& p) { return p.index == 0 ? "Guide" : "Licence"; });

// (385, 40) is bare background, above the catalogue code.
TEST_F(ProductWindow, BackgroundPutsTheLightsOutAndDragsWithTheLeftButtonOnly)
{
    ui::Window& w = window().window;
    hover(window().Btn1a, 5, 5);
    act([this] { platform.releaseCapture(); });  // another window took the mouse
    mouseOnWindow(w, ui::MouseAction::Move, 0, 0, {385, 40});
    EXPECT_EQ(window().Btn1b.backColor(), kRest);

    const ui::Point at = w.toScreen({385, 40});
    const std::string moved = "Seihin moved by the system from " + std::to_string(at.x) + "," + std::to_string(at.y);
    mouseOnWindow(w, ui::MouseAction::Press, ui::mouse::kRight, ui::mouse::kRight, {385, 40});
    mouseOnWindow(w, ui::MouseAction::Release, ui::mouse::kRight, 0, {385, 40});
    EXPECT_FALSE(logHas(moved));
    mouseOnWindow(w, ui::MouseAction::Press, ui::mouse::kLeft, ui::mouse::kLeft, {385, 40});
    EXPECT_TRUE(logHas(moved));
}

}  // namespace
