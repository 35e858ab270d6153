#include "controls/histogram_graph.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace quorvex {
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

ColorRef at(const PixelSurface& img, int x, int y) {
    return toColorRef(img.pixel(x, y));
}

// Pixels of colour c in columns x0 .. x1 - 1 and rows y0 .. y1 - 1 (-1: to the edge).
int countColour(const PixelSurface& img, ColorRef c, int x0 = 0, int x1 = -1, int y0 = 0,
                int y1 = -1) {
    if (x1 < 0) x1 = img.width();
    if (y1 < 0) y1 = img.height();
    int n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) n += at(img, x, y) == c;
    return n;
}

HistogramGraph graph(const PropertyBag& bag, int w, int h) {
    HistogramGraph g(bag, classicSystemColours());
    g.setControlSize(w, h);
    return g;
}

std::vector<std::int32_t> buffer(const HistogramGraph& h) {
    return h.points();
}

TEST(HistogramGraph, SampleAboveMaxChangesNothing) {
    HistogramGraph h = graph(testBag(), 191, 201);
    h.nextPoint(40);
    const auto before = buffer(h);
    const auto draws = h.drawCount();
    const PixelSurface shown = h.surface();
    h.nextPoint(101);
    EXPECT_EQ(buffer(h), before);
    EXPECT_EQ(h.nextSlot(), 2);
    EXPECT_EQ(h.drawCount(), draws);
    EXPECT_TRUE(h.surface().samePixels(shown));
}

TEST(HistogramGraph, FullBufferScrollsOnePositionPerSample) {
    HistogramGraph h = graph(testBag(3), 50, 50);
    for (int v : {10, 20, 30, 40, 50}) h.nextPoint(v);
    EXPECT_EQ(buffer(h), (std::vector<std::int32_t>{20, 30, 40, 50}));
    EXPECT_EQ(h.nextSlot(), 4);
    h.nextPoint(60);
    EXPECT_EQ(buffer(h), (std::vector<std::int32_t>{30, 40, 50, 60}));
}

TEST(HistogramGraph, StepsFollowTheBufferSizeInTwips) {
    // Back buffer 199 x 201 pixels: 2985 x 3015 twips.
    HistogramGraph h = graph(testBag(), 191, 201);
    EXPECT_EQ(h.picHist().width(), 199);
    EXPECT_EQ(h.picHist().height(), 201);
    EXPECT_EQ(h.steps().PointSpacing, 31);
    EXPECT_EQ(h.steps().VerticalLineStep, 90);
    EXPECT_EQ(h.steps().HorizontalLineStep, 121);
}

TEST(HistogramGraph, HorizontalGridLinesAreAnchoredAtTheBottom) {
    HistogramGraph h = graph(testBag(), 191, 201);
    h.refresh();
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

TEST(HistogramGraph, ZerosDrawAFlatLineAtTheBottomAndSkipUselessRedraws) {
    HistogramGraph h = graph(testBag(), 191, 201);
    for (int i = 0; i < 200; ++i) h.nextPoint(0);
    EXPECT_LT(h.drawCount(), 200u);
    const PixelSurface& s = h.surface();
    // A sample of 0 is drawn at 3000 twips, row 200; nothing of the line lies above it.
    EXPECT_GT(countColour(s, kFore, 0, -1, 200, 201), 150);
    EXPECT_EQ(countColour(s, kFore, 0, -1, 0, 200), 0);
    // The skipped redraws left exactly what a full redraw shows.
    const PixelSurface shown = s;
    h.refresh();
    EXPECT_TRUE(h.surface().samePixels(shown));
}

TEST(HistogramGraph, SurfaceShowsTheBackBufferShiftedLeftByEightPixels) {
    HistogramGraph h = graph(testBag(), 191, 201);
    for (int v : {10, 90, 30, 70}) h.nextPoint(v);
    const PixelSurface& s = h.surface();
    const PixelSurface& b = h.picHist();
    EXPECT_EQ(s.width() + 8, b.width());
    for (int y = 0; y < s.height(); y += 7)
        for (int x = 0; x < s.width(); x += 5) ASSERT_EQ(s.pixel(x, y), b.pixel(x + 8, y));
}

TEST(HistogramGraph, NegativeSampleEndsTheLineUntilItScrollsToTheStart) {
    HistogramGraph h =
        graph(testBag(4), 100, 100);  // back buffer 108 px = 1620 twips: PointSpacing 406
    h.refresh();
    ASSERT_EQ(h.steps().PointSpacing, 406);
    const auto foreRightOf = [&h](int twips) {
        const int x0 = int(histogram::twipsToPixels(twips));
        return countColour(h.picHist(), kFore, x0 + 1);
    };
    for (int v : {50, -1, 50}) h.nextPoint(v);
    EXPECT_GT(countColour(h.picHist(), kFore), 0);
    EXPECT_EQ(foreRightOf(2 * 406), 0) << "nothing after the negative sample";
    h.nextPoint(60);
    h.nextPoint(70);  // -1 now at position 1: no line at all
    EXPECT_EQ(countColour(h.picHist(), kFore), 0);
    h.nextPoint(80);  // -1 at position 0 only moves the first segment's start
    EXPECT_GT(foreRightOf(3 * 406), 0);
}

TEST(HistogramGraph, DegenerateSettingsNeverCrash) {
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
        HistogramGraph h = graph(bag, 60, 40);
        for (int v : {0, -7, 2147483647, -2147483647 - 1, 5}) h.nextPoint(v);
        h.refresh();
        h.setControlSize(0, 0);
        h.nextPoint(0);
        h.refresh();
    }
}

TEST(HistogramGraph, ChangingPointsOrMaxResetsTheBuffer) {
    HistogramGraph h = graph(testBag(10), 80, 60);
    for (int i = 0; i < 15; ++i) h.nextPoint(i);
    h.setNumberOfPoints(4);
    EXPECT_EQ(buffer(h), (std::vector<std::int32_t>{0, -1, -1, -1, -1}));
    EXPECT_EQ(h.nextSlot(), 1);
    for (int i = 0; i < 6; ++i) h.nextPoint(i);
    h.setMax(50);
    EXPECT_EQ(buffer(h).size(), 5u);
    EXPECT_EQ(h.nextSlot(), 1);
}

TEST(HistogramGraph, SavesOnlyValuesThatDifferFromTheDefault) {
    PropertyBag defaults;
    HistogramGraph{}.writeProperties(defaults);
    EXPECT_EQ(defaults.size(), 0u);

    PropertyBag saved;
    HistogramGraph(monitorHistogramDesignBag()).writeProperties(saved);
    EXPECT_EQ(saved, monitorHistogramDesignBag());

    PropertyBag mixedCase;
    mixedCase.writeAlways("griDTICKvertical", std::int64_t{5});
    EXPECT_EQ(HistogramGraph(mixedCase).properties().GridTickVertical, 5);
}

TEST(HistogramGraph, GridTicksAcceptAnyNumberRoundedToSixteenBits) {
    HistogramGraph h;
    h.setGridTickHorizontal(2.5);
    EXPECT_EQ(h.properties().GridTickHorizontal, 2);  // halves to even
    h.setGridTickVertical(7.6);
    EXPECT_EQ(h.properties().GridTickVertical, 8);
    h.setGridTickVertical(1e9);  // does not fit: ignored
    EXPECT_EQ(h.properties().GridTickVertical, 8);
}

TEST(HistogramGraph, BordersFrameTheClientArea) {
    PropertyBag bag = testBag();
    bag.writeAlways("BorderStyle", std::int64_t{1});
    bag.writeAlways("Appearance", std::int64_t{0});
    HistogramGraph flat = graph(bag, 30, 20);
    EXPECT_EQ(flat.surface().width(), 28);
    PixelSurface out(30, 20);
    out.fill(toPixel(colour::rgb(1, 2, 3)));
    flat.paint(out);
    EXPECT_EQ(at(out, 0, 0), colour::kBlack);
    EXPECT_EQ(at(out, 29, 19), colour::kBlack);
    EXPECT_EQ(at(out, 1, 1), kBack);

    bag.writeAlways("Appearance", std::int64_t{1});
    HistogramGraph sunken = graph(bag, 30, 20);
    EXPECT_EQ(sunken.surface().width(), 26);
    sunken.paint(out);
    const SystemColours classic = classicSystemColours();
    EXPECT_EQ(at(out, 0, 0), classic[colour::kButtonShadow]);
    EXPECT_EQ(at(out, 29, 19), classic[colour::kButtonHighlight]);
    EXPECT_EQ(at(out, 1, 1), classic[colour::kDarkShadow3D]);
    EXPECT_EQ(at(out, 28, 18), classic[colour::kLight3D]);
    EXPECT_EQ(at(out, 2, 2), kBack);
}

// A graph nobody sees takes its samples without drawing and, drawn when first looked at, shows
// exactly what drawing after every sample would have shown; the pen the grid inherits from the
// previous drawing included.
struct Step {
    enum Kind { Sample, SampleShown, DrawWidth, Width, GridColour, BackColour } kind;
    std::int32_t value;
};

struct DeferredCase {
    const char* name;
    std::int64_t points;
    std::vector<Step> steps;
};

std::vector<Step> zeros(int count) {
    return std::vector<Step>(static_cast<std::size_t>(count), Step{Step::Sample, 0});
}

void apply(HistogramGraph& h, const Step& step, bool seen) {
    switch (step.kind) {
        case Step::Sample:
            if (seen)
                h.nextPoint(step.value);
            else
                h.appendPoint(step.value);
            break;
        case Step::SampleShown:
            h.nextPoint(step.value);
            break;
        case Step::DrawWidth:
            h.setDrawWidth(static_cast<std::int16_t>(step.value));
            break;
        case Step::Width:
            h.setControlSize(step.value, 201);
            break;
        case Step::GridColour:
            h.setGridColour(static_cast<ColorRef>(step.value));
            break;
        case Step::BackColour:
            h.setBackColor(static_cast<ColorRef>(step.value));
            break;
    }
}

TEST(HistogramGraph, DrawingLeftForLaterShowsWhatDrawingAtOnceShows) {
    using S = Step;
    const std::vector<S> wideThenScroll = {{S::DrawWidth, 3}, {S::Sample, 10}, {S::Sample, 50},
                                           {S::Sample, 90},   {S::Sample, 0},  {S::Sample, 30}};
    std::vector<S> spike = zeros(8);
    spike.push_back({S::Sample, 70});
    for (const S& s : zeros(8)) spike.push_back(s);
    const DeferredCase cases[] = {
        {"the splash's zeros into a fresh graph", 100, zeros(200)},
        {"one sample drawn with a wide pen", 100, {{S::DrawWidth, 3}, {S::Sample, 40}}},
        {"a wide pen over several samples", 100, wideThenScroll},
        {"a spike scrolled out of a full buffer", 5, spike},
        {"the pen widened between samples",
         100,
         {{S::Sample, 10}, {S::DrawWidth, 2}, {S::Sample, 20}, {S::Sample, 30}}},
        {"resized between samples",
         100,
         {{S::Sample, 10}, {S::Sample, 20}, {S::Width, 120}, {S::Sample, 30}}},
        {"a colour changed between samples",
         100,
         {{S::Sample, 10}, {S::GridColour, int(colour::rgb(0, 0, 255))}, {S::Sample, 20}}},
        {"a sample seen after unseen ones",
         100,
         {{S::DrawWidth, 2}, {S::Sample, 10}, {S::Sample, 20}, {S::SampleShown, 30}}},
    };
    for (const DeferredCase& c : cases) {
        SCOPED_TRACE(c.name);
        HistogramGraph atOnce = graph(testBag(c.points), 191, 201);
        HistogramGraph later = graph(testBag(c.points), 191, 201);
        for (const Step& step : c.steps) {
            apply(atOnce, step, true);
            apply(later, step, false);
        }
        later.drawPending();
        EXPECT_FALSE(later.hasPendingDrawing());
        EXPECT_EQ(later.points(), atOnce.points());
        EXPECT_TRUE(later.picHist().samePixels(atOnce.picHist()));
        EXPECT_TRUE(later.surface().samePixels(atOnce.surface()));
        // Both carry on alike: the pen left behind is the same.
        for (int v : {60, 60}) {
            atOnce.nextPoint(v);
            later.nextPoint(v);
        }
        EXPECT_TRUE(later.picHist().samePixels(atOnce.picHist()));
        EXPECT_TRUE(later.surface().samePixels(atOnce.surface()));
    }
}

TEST(HistogramGraph, UnseenSamplesCostOneDrawingWhenLookedAt) {
    HistogramGraph h = graph(testBag(), 191, 201);
    const PixelSurface blank = h.surface();
    for (int i = 0; i < 4000; ++i) h.appendPoint(0);
    EXPECT_EQ(h.drawCount(), 0u);
    EXPECT_TRUE(h.hasPendingDrawing());
    EXPECT_TRUE(h.surface().samePixels(blank)) << "nothing drawn yet";
    h.drawPending();
    h.drawPending();
    EXPECT_EQ(h.drawCount(), 1u);
    // A graph without a buffer has nothing to draw, now or later.
    HistogramGraph empty = graph(testBag(), 0, 0);
    empty.appendPoint(10);
    EXPECT_FALSE(empty.hasPendingDrawing());
}

struct LateCase {
    const char* name;
    std::vector<Step> steps;
    bool drawnBeforePaint;
};

// The pixel buffers cost nothing until the graph is drawn or looked at: one made late shows what
// one made at every step shows, resized and recoloured meanwhile.
TEST(HistogramGraph, BuffersMadeWhenFirstNeededShowWhatEarlyOnesShow) {
    using S = Step;
    const int red = int(colour::rgb(255, 0, 0)), blue = int(colour::rgb(0, 0, 255));
    const LateCase cases[] = {
        {"nothing drawn", {}, false},
        {"a new back colour before anything is drawn", {{S::BackColour, red}}, false},
        {"recoloured and resized before anything is drawn",
         {{S::BackColour, red}, {S::Width, 120}, {S::BackColour, blue}, {S::Width, 240}},
         false},
        {"drawn, recoloured, then wider",
         {{S::SampleShown, 10}, {S::BackColour, blue}, {S::Width, 240}},
         true},
        // A resize first finishes the drawing left undone.
        {"unseen samples, narrower then wider",
         {{S::Sample, 30}, {S::Width, 100}, {S::Sample, 60}, {S::Width, 220}},
         true},
        {"the splash's zeros", zeros(300), false},
    };
    for (const LateCase& c : cases) {
        SCOPED_TRACE(c.name);
        HistogramGraph early = graph(testBag(), 191, 201);
        HistogramGraph late = graph(testBag(), 191, 201);
        EXPECT_FALSE(late.buffersMade());
        for (const Step& step : c.steps) {
            apply(early, step, false);
            apply(late, step, false);
            (void)early.picHist();
            (void)early.surface();
        }
        EXPECT_EQ(late.buffersMade(), c.drawnBeforePaint);
        const int w = late.controlWidth();
        PixelSurface fromEarly(w, 201), fromLate(w, 201);
        early.drawPending();
        early.paint(fromEarly);
        late.drawPending();
        late.paint(fromLate);
        EXPECT_TRUE(fromLate.samePixels(fromEarly));
        EXPECT_TRUE(late.buffersMade());
        EXPECT_TRUE(late.picHist().samePixels(early.picHist()));
    }
}

}  // namespace
}  // namespace quorvex
