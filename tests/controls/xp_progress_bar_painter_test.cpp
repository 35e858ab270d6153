#include "controls/xp_progress_bar_painter.h"

#include <gtest/gtest.h>

#include <utility>

#include "support/block_text_renderer.h"

namespace quorvex {
namespace {

constexpr ColorRef kColor = colour::rgb(40, 80, 160);

ColorRef at(const PixelSurface& img, int x, int y) {
    return toColorRef(img.pixel(x, y));
}

// The bar as painted, W x H pixels, on a magenta surface; text in blocks.
PixelSurface paint(int w, int h, int style, std::int32_t percent, bool vertical = false,
                   bool text = false, ColorRef color = kColor) {
    progressbar::BarState s;
    s.Color = color;
    s.Percent = percent;
    s.Scrolling = style;
    s.Orientation = vertical ? 1 : 0;
    s.ShowText = text;
    s.BrushStyle = 4;
    s.system = classicSystemColours();
    PixelSurface img(w, h);
    img.fill(toPixel(colour::rgb(255, 0, 255)));
    testing::BlockTextRenderer blocks;
    progressbar::DrawProgressBar(img, w, h, s, blocks);
    return img;
}

bool same(const PixelSurface& a, const PixelSurface& b) {
    return a.samePixels(b);
}

TEST(XpProgressBarPainter, TextIsThePercentOrSearching) {
    progressbar::BarState s;
    s.Percent = 50;
    EXPECT_EQ(progressbar::barText(s), "50 %");
    s.Scrolling = 2;
    EXPECT_EQ(progressbar::barText(s), "Searching..");
}

TEST(XpProgressBarPainter, DefaultStylesReachTheFullWidthAtNinetyEightPercent) {
    // Horizontally the bar's edge reaches the right edge (style 0: its last whole block).
    EXPECT_EQ(progressbar::defaultStyleBarEdge(137, 20, 98, false, 2), 137);
    EXPECT_LT(progressbar::defaultStyleBarEdge(137, 20, 97, false, 2), 137);
    EXPECT_EQ(progressbar::defaultStyleBarEdge(137, 20, 98, false, 8), 131);
    EXPECT_EQ(progressbar::defaultStyleBarEdge(137, 20, 100, false, 8), 139);
    // Vertically 98 and 100 look the same: the frame covers the rows above the fill.
    for (int style : {0, 1, 42}) {
        SCOPED_TRACE(style);
        EXPECT_TRUE(same(paint(17, 161, style, 98, true), paint(17, 161, style, 100, true)));
        EXPECT_FALSE(same(paint(17, 161, style, 90, true), paint(17, 161, style, 100, true)));
    }
    // The horizontal fill at 98 ends where the frame begins.
    const PixelSurface img = paint(137, 20, 1, 98);
    EXPECT_EQ(at(img, 132, 10), kColor);
    EXPECT_EQ(at(img, 133, 10), colour::kWhite);
}

TEST(XpProgressBarPainter, OutOfRangeStyleDrawsLikeStyleOne) {
    EXPECT_TRUE(same(paint(137, 20, -3, 40), paint(137, 20, 1, 40)));
    EXPECT_TRUE(same(paint(17, 161, 10, 40, true), paint(17, 161, 1, 40, true)));
}

TEST(XpProgressBarPainter, StylesWithDenominator101StopShortOfTheRightEdge) {
    const int w = 300, h = 20;
    // Style 5: the fill and its edge line end at nearest(100 / 101 * 300) = 297.
    const PixelSurface five = paint(w, h, 5, 100);
    EXPECT_EQ(at(five, 297, 10), colour::lighten(kColor, 25));
    EXPECT_NE(at(five, 298, 10), at(five, 296, 10));
    // Style 7: the hatch ends before column 297; the bumped edge sits at 298 and 299.
    const PixelSurface seven = paint(w, h, 7, 100);
    EXPECT_EQ(at(seven, 297, 10), colour::kWhite);
    const ColorRef hatchBack = colour::lighten(kColor, 140);
    EXPECT_TRUE(at(seven, 296, 10) == hatchBack || at(seven, 296, 10) == kColor);
}

TEST(XpProgressBarPainter, TinyOrNegativePercentStillFillsToTwelve) {
    for (int percent : {1, 0, -5, -2147483647}) {
        SCOPED_TRACE(percent);
        const PixelSurface img = paint(137, 20, 1, percent);
        EXPECT_EQ(at(img, 11, 10), kColor);
        EXPECT_EQ(at(img, 12, 10), colour::kWhite);
    }
    for (int style : {0, 1, 2}) {
        EXPECT_TRUE(same(paint(137, 20, style, -5), paint(137, 20, style, 0)));
        EXPECT_TRUE(same(paint(17, 161, style, -5, true), paint(17, 161, style, 0, true)));
    }
    // Vertically a Percent of 0 shows no fill at all.
    const PixelSurface empty = paint(17, 161, 1, 0, true);
    for (int y = 3; y < 158; ++y) ASSERT_EQ(at(empty, 8, y), colour::kWhite) << y;
}

TEST(XpProgressBarPainter, ThemeFrameCornerPixels) {
    const int w = 137, h = 20;
    const PixelSurface img = paint(w, h, 1, 50);
    const ColorRef white = colour::kWhite;
    const ColorRef a = colour::rgb(172, 171, 166), b = colour::rgb(172, 171, 167);
    const ColorRef c = colour::rgb(127, 126, 125), d = colour::rgb(119, 119, 119);
    const ColorRef e = colour::rgb(190, 190, 190), f = colour::rgb(104, 104, 104);
    const struct {
        int x, y;
        ColorRef c;
    } expected[] = {
        {0, 0, white},
        {0, 1, a},
        {0, 2, c},
        {1, 0, b},
        {1, 1, d},
        {2, 0, c},
        {2, 2, e},
        {0, h - 1, white},
        {1, h - 1, a},
        {2, h - 1, c},
        {0, h - 3, c},
        {0, h - 2, b},
        {1, h - 2, d},
        {w - 1, 0, white},
        {w - 1, 1, e},
        {w - 1, 2, c},
        {w - 2, 2, e},
        {w - 2, 1, f},
        {w - 1, h - 1, white},
        {w - 1, h - 2, e},
        {w - 1, h - 3, c},
        {w - 2, h - 2, d},
        {w - 2, h - 1, e},
        {w - 3, h - 1, c},
        {10, 0, f},
        {0, 10, f},
        {10, 1, e},
        {10, h - 2, colour::rgb(239, 239, 239)},
    };
    for (const auto& p : expected) EXPECT_EQ(at(img, p.x, p.y), p.c) << p.x << "," << p.y;
    // Style 9 draws the same frame over its own fill.
    const PixelSurface nine = paint(w, h, 9, 50);
    for (const auto& p : expected) EXPECT_EQ(at(nine, p.x, p.y), p.c) << p.x << "," << p.y;
}

TEST(XpProgressBarPainter, StylesSixAndNineDrawTheirTextInTwoColours) {
    const int w = 137, h = 20;
    for (int style : {6, 9}) {
        SCOPED_TRACE(style);
        const ColorRef fillText = style == 6 ? colour::lighten(kColor, 80) : colour::kWhite;
        const ColorRef baseText = style == 6 ? colour::rgb(192, 192, 192) : colour::kBlack;
        const PixelSurface half = paint(w, h, style, 50, false, true);
        const PixelSurface none = paint(w, h, style, 50, false, false);
        int left = 0, right = 0, wrong = 0;
        for (int y = 3; y < h - 3; ++y) {
            for (int x = 3; x < w - 3; ++x) {
                if (half.pixel(x, y) == none.pixel(x, y)) continue;
                const ColorRef c = at(half, x, y);
                if (x < 68 && c == fillText)
                    ++left;
                else if (x >= 69 && c == baseText)
                    ++right;
                else if (x < 68 || x >= 69)
                    ++wrong;
            }
        }
        EXPECT_GT(left, 0);
        EXPECT_GT(right, 0);
        EXPECT_EQ(wrong, 0);
        // Past the text's right edge the whole text takes the fill colour.
        const PixelSurface full = paint(w, h, style, 100, false, true);
        const PixelSurface fullNone = paint(w, h, style, 100, false, false);
        int base = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                base += full.pixel(x, y) != fullNone.pixel(x, y) && at(full, x, y) == baseText;
        EXPECT_EQ(base, 0);
    }
}

TEST(XpProgressBarPainter, EveryStyleAndSizePaintsWithoutFault) {
    for (int style = -1; style <= 10; ++style)
        for (const auto& [w, h] : {std::pair{1, 1}, {3, 2}, {17, 161}, {137, 9}})
            for (int percent : {-2147483647 - 1, -1, 0, 33, 100, 2147483647})
                for (bool vertical : {false, true}) paint(w, h, style, percent, vertical, true);
}

TEST(XpProgressBarPainter, GradientToleratesZeroStepsAndEndsAtTheAbsoluteCoordinate) {
    PixelSurface img(20, 20);
    img.fill(toPixel(colour::kWhite));
    ClassicCanvas canvas(img);
    const ColorRef a = colour::kBlack, b = colour::rgb(200, 0, 0);
    progressbar::DrawGradient(a, b, 5, 2, 0, 10, canvas, true);
    EXPECT_EQ(at(img, 5, 5), a);  // one line in colour A
    EXPECT_EQ(at(img, 6, 5), colour::kWhite);
    // Lines end at the absolute coordinate h (excluded) and the last line has colour B.
    progressbar::DrawGradient(a, b, 2, 2, 4, 9, canvas, true);
    EXPECT_EQ(at(img, 6, 8), b);
    EXPECT_EQ(at(img, 6, 9), colour::kWhite);
    EXPECT_EQ(at(img, 7, 8), colour::kWhite);
    progressbar::DrawGradient(a, b, -5, -5, 2147483647, 2147483647, canvas, true);
}

}  // namespace
}  // namespace quorvex

namespace quorvex {
namespace {

TEST(XpProgressBarPainter, FullBarsKeepTheirFrameClosed) {
    const SystemColours k = classicSystemColours();
    PixelSurface tile(3, 3);
    tile.fill(toPixel(colour::rgb(1, 2, 3)));
    for (int w : {137, 60, 17}) {
        for (int percent : {99, 100}) {
            SCOPED_TRACE(::testing::Message() << w << " px at " << percent << " %");
            const int h = 20;
            progressbar::BarState s;
            s.Color = kColor;
            s.Percent = percent;
            s.Scrolling = 8;
            s.Image = &tile;
            s.system = k;
            PixelSurface eight(w, h);
            testing::BlockTextRenderer blocks;
            progressbar::DrawProgressBar(eight, w, h, s, blocks);
            // Style 8's sunken edge: light inside, highlight outside, on the right.
            EXPECT_EQ(at(eight, w - 2, h / 2), k[colour::kLight3D]);
            EXPECT_EQ(at(eight, w - 1, h / 2), k[colour::kButtonHighlight]);
            EXPECT_EQ(at(eight, w - 3, h / 2), colour::rgb(1, 2, 3));

            const PixelSurface three = paint(w, h, 3, percent);
            EXPECT_EQ(at(three, w - 1, h / 2), colour::lighten(kColor, 100));
            EXPECT_EQ(at(three, 0, h / 2), colour::lighten(kColor, 100));
        }
    }
}

}  // namespace
}  // namespace quorvex
