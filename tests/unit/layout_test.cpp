#include <gtest/gtest.h>

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

TEST_F(Layout, HorizontalPlacesEveryElement)
{
    bar::Form1& f = form1();
    f.YokoForm();
    EXPECT_EQ(f.window.width(), 5490);
    EXPECT_EQ(f.window.height(), 1110);
    EXPECT_EQ(f.window.picture(), ui::Art::YokoHome);
    EXPECT_EQ(f.Grp[4].bounds(), (Rect{23, 23, 340, 32}));
    EXPECT_EQ(f.ShortCut[40].bounds(), (Rect{0, 0, 32, 32}));
    EXPECT_EQ(f.ShortCut[49].bounds(), (Rect{306, 0, 32, 32})) << "the last button ends at 338, inside the panel";
    EXPECT_EQ(f.Conts[0].bounds(), (Rect{60, 4, 24, 14}));
    EXPECT_EQ(f.Conts[9].bounds(), (Rect{285, 4, 24, 14}));
    EXPECT_EQ(f.Picture4.bounds(), (Rect{2, 2, 16, 16}));
    EXPECT_EQ(f.Picture1.bounds(), (Rect{22, 3, 16, 16}));
    EXPECT_EQ(f.Picture2.bounds(), (Rect{40, 3, 16, 16}));
    EXPECT_EQ(f.Picture3.bounds(), (Rect{312, 3, 53, 16}));
    EXPECT_EQ(f.Picture3.picture(), ui::Art::SeiY);
    EXPECT_EQ(f.Picture5.bounds(), (Rect{2, 55, 16, 16}));
    EXPECT_EQ(f.Picture6.bounds(), (Rect{24, 56, 16, 16}));
    EXPECT_EQ(f.FormStyleHen.bounds(), (Rect{2, 37, 16, 16}));
    EXPECT_EQ(f.FormStyleHen.picture(), ui::Art::StyleT);
    EXPECT_EQ(f.FormStyleHen.toolTip(), "縦型に変更");
    EXPECT_TRUE(f.Label1.visible());
    EXPECT_EQ(f.Label1.bounds(), (Rect{46, 58, 315, 12}));
    for (int s = 0; s < 100; ++s) EXPECT_TRUE(f.ShortCut[s].acceptsDrops()) << s;
}

TEST_F(Layout, VerticalPlacesEveryElement)
{
    bar::Form1& f = form1();
    f.TateForm();
    EXPECT_EQ(f.window.pixelBounds().width, 67) << "1010 twips is 67 pixels";
    EXPECT_EQ(f.window.pixelBounds().height, 366);
    EXPECT_EQ(f.window.picture(), ui::Art::TateHome);
    EXPECT_EQ(f.Grp[0].bounds(), (Rect{32, 24, 32, 340}));
    EXPECT_EQ(f.ShortCut[7].bounds(), (Rect{0, 238, 32, 32}));
    EXPECT_EQ(f.Conts[0].bounds(), (Rect{2, 90, 24, 14}));
    EXPECT_EQ(f.Conts[9].bounds(), (Rect{2, 243, 24, 14}));
    EXPECT_EQ(f.Picture4.bounds(), (Rect{2, 2, 16, 16}));
    EXPECT_EQ(f.Picture1.bounds(), (Rect{5, 43, 16, 16}));
    EXPECT_EQ(f.Picture2.bounds(), (Rect{5, 24, 16, 16}));
    EXPECT_EQ(f.Picture3.bounds(), (Rect{1, 333, 29, 31}));
    EXPECT_EQ(f.Picture3.picture(), ui::Art::SeiT);
    EXPECT_EQ(f.Picture5.bounds(), (Rect{48, 2, 16, 16}));
    EXPECT_EQ(f.Picture6.bounds(), (Rect{5, 65, 16, 16}));
    EXPECT_EQ(f.FormStyleHen.bounds(), (Rect{30, 2, 16, 16}));
    EXPECT_EQ(f.FormStyleHen.picture(), ui::Art::StyleY);
    EXPECT_EQ(f.FormStyleHen.toolTip(), "横型に変更");
    EXPECT_FALSE(f.Label1.visible());
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
    ASSERT_TRUE(logHas("Form1 shown")) << "the layouts were logged";
    for (const auto& event : platform.log) EXPECT_EQ(event.rfind("write", 0), std::string::npos) << event;
}

}  // namespace
