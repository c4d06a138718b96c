#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "bar_fixture.h"

namespace {

using testing_support::BarTest;
using ui::Rect;

class Layout : public BarTest {
protected:
    void SetUp() override
    {
        installDefaults();
        start();
    }

    // Every element's rectangle, for comparing two states of the bar.
    std::vector<Rect> everything()
    {
        bar::Form1& f = form1();
        std::vector<Rect> all{f.window.pixelBounds(), f.Picture1.bounds(), f.Picture2.bounds(), f.Picture3.bounds(),
                              f.Picture4.bounds(),    f.Picture5.bounds(), f.Picture6.bounds(), f.FormStyleHen.bounds(),
                              f.Label1.bounds()};
        for (int i = 0; i < 10; ++i) all.push_back(f.Grp[i].bounds());
        for (int i = 0; i < 10; ++i) all.push_back(f.Conts[i].bounds());
        for (int i = 0; i < 100; ++i) all.push_back(f.ShortCut[i].bounds());
        return all;
    }
};

// Every element of a shape lies inside the bar, the buttons inside their
// panel, and nothing overlaps; buttons and tabs go in even steps.
class Shape : public Layout, public testing::WithParamInterface<void (bar::Form1::*)()> {};

TEST_P(Shape, KeepsEveryElementInsideAndApart)
{
    bar::Form1& f = form1();
    (f.*GetParam())();
    const ui::Point bar = f.window.clientSize();
    const auto inside = [](const Rect& inner, int width, int height) {
        return inner.left >= 0 && inner.top >= 0 && inner.left + inner.width <= width &&
               inner.top + inner.height <= height;
    };
    const auto overlap = [](const Rect& a, const Rect& b) {
        return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
               b.top < a.top + a.height;
    };
    const auto evenSteps = [](const std::vector<Rect>& row) {
        const ui::Point step{row[1].left - row[0].left, row[1].top - row[0].top};
        for (std::size_t i = 1; i < row.size(); ++i) {
            if (row[i].left - row[i - 1].left != step.x || row[i].top - row[i - 1].top != step.y) return false;
        }
        return step.x != 0 || step.y != 0;
    };

    const Rect panel = f.Grp[0].bounds();
    std::vector<std::pair<std::string, Rect>> apart{{"panel", panel}};
    std::vector<Rect> tabs;
    for (int g = 0; g < 10; ++g) {
        EXPECT_EQ(f.Grp[g].bounds(), panel) << "every group in the same place";
        std::vector<Rect> buttons;
        for (int k = 0; k < 10; ++k) {
            const ui::PictureBox& button = f.ShortCut[g * 10 + k];
            EXPECT_TRUE(inside(button.bounds(), panel.width, panel.height)) << button.name();
            EXPECT_TRUE(button.acceptsDrops()) << button.name();
            if (k > 0) {
                EXPECT_FALSE(overlap(buttons.back(), button.bounds())) << button.name();
            }
            buttons.push_back(button.bounds());
        }
        EXPECT_TRUE(evenSteps(buttons)) << "group " << g;
        tabs.push_back(f.Conts[g].bounds());
        apart.emplace_back(f.Conts[g].name(), f.Conts[g].bounds());
    }
    EXPECT_TRUE(evenSteps(tabs));
    for (const ui::PictureBox* tool : {&f.Picture1, &f.Picture2, &f.Picture3, &f.Picture4, &f.Picture5, &f.Picture6,
                                       &f.FormStyleHen}) {
        apart.emplace_back(tool->name(), tool->bounds());
    }
    if (f.Label1.visible()) apart.emplace_back("Label1", f.Label1.bounds());
    for (std::size_t i = 0; i < apart.size(); ++i) {
        EXPECT_TRUE(inside(apart[i].second, bar.x, bar.y)) << apart[i].first;
        for (std::size_t j = i + 1; j < apart.size(); ++j) {
            EXPECT_FALSE(overlap(apart[i].second, apart[j].second)) << apart[i].first << " and " << apart[j].first;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothShapes, Shape, testing::Values(&bar::Form1::YokoForm, &bar::Form1::TateForm),
                         [](const auto& p) { return p.index == 0 ? std::string("Horizontal") : "Vertical"; });

// Where every element goes, as drawn: tests/fixtures/bar_layouts.txt.
TEST_F(Layout, BothShapesAreAsDrawn)
{
    bar::Form1& f = form1();
    std::ostringstream shapes;
    const auto element = [&shapes](const std::string& name, const Rect& r, std::string_view more) {
        shapes << "  " << name << ' ' << r.left << ',' << r.top << ' ' << r.width << 'x' << r.height << more << '\n';
    };
    for (auto [name, layOut] : {std::pair{"horizontal", &bar::Form1::YokoForm}, {"vertical", &bar::Form1::TateForm}}) {
        (f.*layOut)();
        shapes << name << ": " << ui::artName(f.window.picture()) << ' ' << f.window.pixelBounds().width << 'x'
               << f.window.pixelBounds().height << '\n';
        element("Grp", f.Grp[0].bounds(), "");
        for (int k = 0; k < 10; ++k) element("ShortCut(" + std::to_string(k) + ")", f.ShortCut[k].bounds(), "");
        for (int g = 0; g < 10; ++g) element(f.Conts[g].name(), f.Conts[g].bounds(), "");
        for (const ui::PictureBox* tool : {&f.Picture1, &f.Picture2, &f.Picture3, &f.Picture4, &f.Picture5,
                                           &f.Picture6, &f.FormStyleHen}) {
            element(tool->name(), tool->bounds(), " " + std::string(ui::artName(tool->picture())) + ' ' + tool->toolTip());
        }
        element("Label1", f.Label1.bounds(), f.Label1.visible() ? "" : " hidden");
    }
    EXPECT_EQ(shapes.str(), testing_support::readFile(testing_support::fixture("bar_layouts.txt")));
}

TEST_F(Layout, RoundTripRestoresEveryElementAndKeepsTheFrontGroup)
{
    bar::Form1& f = form1();
    f.Grp[6].bringToFront();
    const auto before = everything();
    f.TateForm();
    f.YokoForm();
    EXPECT_EQ(everything(), before);
    EXPECT_EQ(f.window.children().front(), &f.Grp[6]);
}

TEST_F(Layout, EndsVisibleEvenWhenTheBarWasInTheTray)
{
    bar::Form1& f = form1();
    f.window.hide();
    f.TateForm();
    EXPECT_TRUE(f.window.visible());
    EXPECT_TRUE(logHasInOrder({"Form1 hidden", "Form1 shown"}));
}

TEST_F(Layout, NeitherLayoutWritesOrChangesTheStyleSetting)
{
    bar::Form1& f = form1();
    platform.log.clear();
    f.TateForm();
    f.YokoForm();
    EXPECT_EQ(f.FormStyle, 0);
    EXPECT_EQ(f.window.picture(), ui::Art::YokoHome) << "both layouts ran";
    for (const auto& event : platform.log) EXPECT_EQ(event.rfind("write", 0), std::string::npos) << event;
}

}  // namespace
