#include "controls/xp_progress_bar.h"

#include <gtest/gtest.h>

#include "support/block_text_renderer.h"

namespace quorvex {
namespace {

constexpr ColorRef kColor = colour::rgb(40, 80, 160);

TEST(XpProgressBarTest, ValueSetsPercentAndReadsBack) {
    struct Case {
        std::int32_t min, max, value, percent, readBack;
    };
    for (const Case& c :
         {Case{0, 100, 50, 50, 50}, Case{0, 200, 50, 25, 50}, Case{10, 100, 30, 40, 30},
          Case{0, 100, -20, -20, -20}, Case{0, 100, 150, 100, 100}}) {
        SCOPED_TRACE(c.value);
        XpProgressBar bar;
        bar.setMax(c.max);
        bar.setMin(c.min);
        ASSERT_TRUE(bar.setValue(c.value));
        EXPECT_EQ(bar.Percent(), c.percent) << "past the range the bar fills and cuts Percent";
        EXPECT_EQ(bar.Value(), c.readBack);
    }
}

TEST(XpProgressBarTest, FailedAssignmentsLeavePercentUnchanged) {
    XpProgressBar bar;
    ASSERT_TRUE(bar.setValue(30));
    EXPECT_FALSE(bar.setValue(21474837));  // hundredfold past 32 bits
    EXPECT_FALSE(bar.setValue(-21474837));
    EXPECT_EQ(bar.Percent(), 30);
    bar.setMax(0);
    EXPECT_FALSE(bar.setValue(10));
    EXPECT_EQ(bar.Percent(), 30);
    bar.setMax(1);
    bar.setMin(2147483000);
    EXPECT_FALSE(bar.setValue(21474836));  // the sum does not fit
    EXPECT_EQ(bar.Percent(), 30);
}

TEST(XpProgressBarTest, PersistsOnlyChangedValuesAndRestoresThePercent) {
    XpProgressBar bar;
    bar.setColor(colour::rgb(64, 64, 64));
    bar.setOrientation(1);
    bar.setScrolling(1);
    bar.setBrushStyle(0);
    bar.setFont("saved font", FontSpec{"MS Sans Serif", 8.25});
    ASSERT_TRUE(bar.setValue(37));
    PropertyBag saved;
    bar.writeProperties(saved);
    EXPECT_FALSE(saved.contains("Max"));
    EXPECT_FALSE(saved.contains("ShowText"));
    EXPECT_FALSE(saved.contains("Image"));
    EXPECT_EQ(saved.readInt("value", -1), 37);
    EXPECT_EQ(saved.readInt("BRUSHSTYLE", -1), 0);
    EXPECT_EQ(saved.readText("font", {}), "saved font");

    XpProgressBar again;
    again.readProperties(saved);
    EXPECT_EQ(again.Percent(), 37);
    EXPECT_EQ(again.Scrolling(), 1);
    EXPECT_EQ(again.Orientation(), 1);
    EXPECT_EQ(again.Color(), colour::rgb(64, 64, 64));
    EXPECT_EQ(again.savedFont(), "saved font");
    PropertyBag resaved;
    again.writeProperties(resaved);
    EXPECT_EQ(resaved, saved);
}

TEST(XpProgressBarTest, ReadingResolvesSystemColoursAndKeepsTheDefaultsOfAbsentKeys) {
    SystemColours system;
    system.rgb[colour::kHighlight] = colour::rgb(1, 2, 3);
    XpProgressBar bar(system);
    EXPECT_EQ(bar.Color(), colour::rgb(1, 2, 3));
    bar.readProperties(PropertyBag{});
    EXPECT_EQ(bar.Max(), 100);
    EXPECT_EQ(bar.BrushStyle(), 4);
    EXPECT_EQ(bar.Color(), colour::rgb(1, 2, 3));
    PropertyBag fresh;
    bar.writeProperties(fresh);
    // A resolved colour never equals the system-colour default, so it is always stored.
    EXPECT_TRUE(fresh.contains("Color"));
}

TEST(XpProgressBarTest, PaintsWhatThePainterDrawsForItsState) {
    XpProgressBar bar;
    bar.setColor(kColor);
    bar.setScrolling(1);
    bar.setBrushStyle(4);
    ASSERT_TRUE(bar.setValue(150));
    testing::BlockTextRenderer text;
    PixelSurface shown(137, 20);
    bar.paint(shown, 137, 20, text);

    progressbar::BarState expected;
    expected.Color = kColor;
    expected.Percent = 100;
    expected.Scrolling = 1;
    expected.BrushStyle = 4;
    PixelSurface drawn(137, 20);
    progressbar::DrawProgressBar(drawn, 137, 20, expected, text);
    EXPECT_TRUE(shown.samePixels(drawn));
}

}  // namespace
}  // namespace quorvex
