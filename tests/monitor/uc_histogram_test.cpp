#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <vector>

#include "controls/gdi_canvas.h"
#include "monitor/uc_histogram.h"

using namespace quorvex;

namespace {

constexpr ColorRef kBack = colour::rgb(0, 0, 0);
constexpr ColorRef kGrid = colour::rgb(255, 0, 0);
constexpr ColorRef kFore = colour::rgb(0, 255, 0);

// The monitor's settings with colours that are easy to tell apart.
PropertyBag testBag(std::int64_t points = 100) {
    PropertyBag bag = monitorHistogramDesignBag();
    bag.writeAlways("BackColor", std::int64_t{kBack});
    bag.writeAlways("GridColour", std::int64_t{kGrid});
    bag.writeAlways("ForeColor", std::int64_t{kFore});
    bag.writeAlways("NumberOfPoints", points);
    return bag;
}

ColorRef at(const QImage& img, int x, int y) {
    return fromQColor(QColor(img.pixel(x, y)));
}

int countColour(const QImage& img, ColorRef c, int x0 = 0, int x1 = -1) {
    if (x1 < 0) x1 = img.width();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = x0; x < x1; ++x) n += at(img, x, y) == c;
    return n;
}

std::vector<std::int32_t> buffer(const ucHistogram& h) {
    return h.PointBuffer();
}

}  // namespace

TEST(UcHistogram, SampleAboveMaxChangesNothing) {
    ucHistogram h(testBag());
    h.resize(191, 201);
    h.NextPoint(40);
    const auto before = buffer(h);
    const auto draws = h.drawCount();
    const QImage shown = h.surface();
    h.NextPoint(101);
    EXPECT_EQ(buffer(h), before);
    EXPECT_EQ(h.NextSlot(), 2);
    EXPECT_EQ(h.drawCount(), draws);
    EXPECT_EQ(h.surface(), shown);
}

TEST(UcHistogram, FullBufferScrollsOnePositionPerSample) {
    ucHistogram h(testBag(3));
    h.resize(50, 50);
    for (int v : {10, 20, 30, 40, 50}) h.NextPoint(v);
    EXPECT_EQ(buffer(h), (std::vector<std::int32_t>{20, 30, 40, 50}));
    EXPECT_EQ(h.NextSlot(), 4);
    h.NextPoint(60);
    EXPECT_EQ(buffer(h), (std::vector<std::int32_t>{30, 40, 50, 60}));
}

TEST(UcHistogram, StepsFollowTheBufferSizeInTwips) {
    ucHistogram h(testBag());
    h.resize(191, 201);  // back buffer 199 x 201 pixels: 2985 x 3015 twips
    h.show();
    EXPECT_EQ(h.picHist().size(), QSize(199, 201));
    EXPECT_EQ(h.steps().PointSpacing, 31);
    EXPECT_EQ(h.steps().VerticalLineStep, 90);
    EXPECT_EQ(h.steps().HorizontalLineStep, 121);
}

TEST(UcHistogram, HorizontalGridLinesAreAnchoredAtTheBottom) {
    ucHistogram h(testBag());
    h.resize(191, 201);
    h.Refresh();
    // Column 10 lies between vertical grid lines (x 0 and 6 pixels).
    std::vector<int> gridRows;
    for (int y = 0; y < h.picHist().height(); ++y)
        if (at(h.picHist(), 10, y) == kGrid) gridRows.push_back(y);
    std::vector<int> expected;
    for (int y = 3015; y >= 0; y -= 121)
        if (histogram::twipsToPixels(y) < 201) expected.push_back(int(histogram::twipsToPixels(y)));
    std::reverse(expected.begin(), expected.end());
    EXPECT_EQ(gridRows, expected);
    ASSERT_FALSE(gridRows.empty());
    EXPECT_EQ(gridRows.front(), 7);   // 111 twips, the topmost line
    EXPECT_EQ(gridRows.back(), 193);  // 2894 twips
}

TEST(UcHistogram, ZerosDrawAFlatLineAtTheBottomAndSkipUselessRedraws) {
    ucHistogram h(testBag());
    h.resize(191, 201);
    for (int i = 0; i < 200; ++i) h.NextPoint(0);
    EXPECT_LT(h.drawCount(), 200u);
    const QImage& s = h.surface();
    // A sample of 0 is drawn at 3000 twips, row 200; nothing of the line lies above it.
    EXPECT_GT(countColour(s.copy(0, 200, s.width(), 1), kFore), 150);
    EXPECT_EQ(countColour(s.copy(0, 0, s.width(), 200), kFore), 0);
    // The skipped redraws left exactly what a full redraw shows.
    const QImage shown = s;
    h.Refresh();
    EXPECT_EQ(h.surface(), shown);
}

TEST(UcHistogram, SurfaceShowsTheBackBufferShiftedLeftByEightPixels) {
    ucHistogram h(testBag());
    h.resize(191, 201);
    for (int v : {10, 90, 30, 70}) h.NextPoint(v);
    const QImage& s = h.surface();
    const QImage& b = h.picHist();
    EXPECT_EQ(s.width() + 8, b.width());
    for (int y = 0; y < s.height(); y += 7)
        for (int x = 0; x < s.width(); x += 5) ASSERT_EQ(s.pixel(x, y), b.pixel(x + 8, y));
}

TEST(UcHistogram, NegativeSampleEndsTheLineUntilItScrollsToTheStart) {
    ucHistogram h(testBag(4));
    h.resize(100, 100);  // back buffer 108 px = 1620 twips: PointSpacing 406
    h.Refresh();
    ASSERT_EQ(h.steps().PointSpacing, 406);
    const auto foreRightOf = [&h](int twips) {
        const int x0 = int(histogram::twipsToPixels(twips));
        return countColour(h.picHist(), kFore, x0 + 1);
    };
    for (int v : {50, -1, 50}) h.NextPoint(v);
    EXPECT_GT(countColour(h.picHist(), kFore), 0);
    EXPECT_EQ(foreRightOf(2 * 406), 0) << "nothing after the negative sample";
    h.NextPoint(60);
    h.NextPoint(70);  // -1 now at position 1: no line at all
    EXPECT_EQ(countColour(h.picHist(), kFore), 0);
    h.NextPoint(80);  // -1 at position 0 only moves the first segment's start
    EXPECT_GT(foreRightOf(3 * 406), 0);
}

TEST(UcHistogram, DegenerateSettingsNeverCrash) {
    struct Case {
        const char* key;
        std::int64_t value;
    };
    for (const Case& c :
         {Case{"Max", 0}, Case{"NumberOfPoints", 0}, Case{"NumberOfPoints", -5},
          Case{"GridTickVertical", 0}, Case{"GridTickHorizontal", 0}, Case{"Max", -100},
          Case{"DrawWidth", 0}, Case{"DrawWidth", 40}, Case{"NumberOfPoints", 2000000000}}) {
        SCOPED_TRACE(c.key);
        PropertyBag bag = testBag();
        bag.writeAlways(c.key, c.value);
        ucHistogram h(bag);
        h.resize(60, 40);
        for (int v : {0, -7, 2147483647, -2147483647 - 1, 5}) h.NextPoint(v);
        h.Refresh();
        h.resize(0, 0);
        h.NextPoint(0);
        h.Refresh();
    }
}

TEST(UcHistogram, ChangingPointsOrMaxResetsTheBuffer) {
    ucHistogram h(testBag(10));
    h.resize(80, 60);
    for (int i = 0; i < 15; ++i) h.NextPoint(i);
    h.setNumberOfPoints(4);
    EXPECT_EQ(buffer(h), (std::vector<std::int32_t>{0, -1, -1, -1, -1}));
    EXPECT_EQ(h.NextSlot(), 1);
    for (int i = 0; i < 6; ++i) h.NextPoint(i);
    h.setMax(50);
    EXPECT_EQ(buffer(h).size(), 5u);
    EXPECT_EQ(h.NextSlot(), 1);
}

TEST(UcHistogram, SavesOnlyValuesThatDifferFromTheDefault) {
    PropertyBag defaults;
    ucHistogram{}.writeProperties(defaults);
    EXPECT_EQ(defaults.size(), 0u);

    PropertyBag saved;
    ucHistogram(monitorHistogramDesignBag()).writeProperties(saved);
    EXPECT_EQ(saved, monitorHistogramDesignBag());

    PropertyBag mixedCase;
    mixedCase.writeAlways("griDTICKvertical", std::int64_t{5});
    EXPECT_EQ(ucHistogram(mixedCase).GridTickVertical(), 5);
}

TEST(UcHistogram, GridTicksAcceptAnyNumberRoundedToSixteenBits) {
    ucHistogram h;
    h.setGridTickHorizontal(2.5);
    EXPECT_EQ(h.GridTickHorizontal(), 2);  // halves to even
    h.setGridTickVertical(7.6);
    EXPECT_EQ(h.GridTickVertical(), 8);
    h.setGridTickVertical(1e9);  // does not fit: ignored
    EXPECT_EQ(h.GridTickVertical(), 8);
}

TEST(UcHistogram, MonitorInstancesTakeTheirDesignValues) {
    QWidget page;
    ucHistogram* first = makeUcHistogram1(&page);
    ucHistogram* second = makeUcHistogram2(&page);
    EXPECT_EQ(first->geometry(), QRect(8, 24, 191, 201));
    EXPECT_EQ(second->geometry(), QRect(240, 24, 191, 201));
    EXPECT_EQ(first->BorderStyle(), 0);
    EXPECT_EQ(first->GridTickHorizontal(), 3);
    EXPECT_EQ(first->GridTickVertical(), 4);
    EXPECT_EQ(first->GridColour(), colour::rgb(28, 28, 28));
    EXPECT_EQ(first->ForeColor(), colour::rgb(192, 192, 192));
    EXPECT_EQ(first->Max(), 100);
    EXPECT_EQ(first->NumberOfPoints(), 100);
}
