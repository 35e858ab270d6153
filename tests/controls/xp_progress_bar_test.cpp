#include <gtest/gtest.h>

#include <QImage>

#include "controls/gdi_canvas.h"
#include "controls/xp_progress_bar.h"

using namespace quorvex;

namespace {

constexpr ColorRef kColor = colour::rgb(40, 80, 160);

ColorRef at(const QImage& img, int x, int y) {
    return fromQColor(QColor(img.pixel(x, y)));
}

// The bar as painted, W x H pixels.
QImage paint(int w, int h, int style, std::int32_t percent, bool vertical = false,
             bool text = false, ColorRef color = kColor) {
    progressbar::BarState s;
    s.Color = color;
    s.Percent = percent;
    s.Scrolling = style;
    s.Orientation = vertical ? 1 : 0;
    s.ShowText = text;
    s.BrushStyle = 4;
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::magenta);
    progressbar::DrawProgressBar(img, w, h, s);
    return img;
}

}  // namespace

TEST(XpProgressBar, ValueSetsPercent) {
    XP_ProgressBar bar;
    bar.resize(137, 20);
    EXPECT_TRUE(bar.setValue(50));
    EXPECT_EQ(bar.Percent(), 50);
    EXPECT_EQ(bar.Value(), 50);
    bar.setShowText(true);
    progressbar::BarState s;
    s.Percent = bar.Percent();
    EXPECT_EQ(progressbar::barText(s), QStringLiteral("50 %"));
    s.Scrolling = 2;
    EXPECT_EQ(progressbar::barText(s), QStringLiteral("Searching.."));
}

TEST(XpProgressBar, ValuePastTheRangeFillsAndCutsPercent) {
    XP_ProgressBar bar;
    bar.resize(137, 20);
    bar.setScrolling(1);
    bar.setColor(kColor);
    EXPECT_TRUE(bar.setValue(150));
    EXPECT_EQ(bar.Percent(), 100);
    const QImage full = bar.hdc().copy(0, 0, 137, 20);
    EXPECT_EQ(full, paint(137, 20, 1, 100));
}

TEST(XpProgressBar, FailedAssignmentsLeavePercentUnchanged) {
    XP_ProgressBar bar;
    bar.resize(40, 10);
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

TEST(XpProgressBar, DefaultStylesReachTheFullWidthAtNinetyEightPercent) {
    // Horizontally the bar's edge reaches the right edge (style 0: its last whole block).
    EXPECT_EQ(progressbar::defaultStyleBarEdge(137, 20, 98, false, 2), 137);
    EXPECT_LT(progressbar::defaultStyleBarEdge(137, 20, 97, false, 2), 137);
    EXPECT_EQ(progressbar::defaultStyleBarEdge(137, 20, 98, false, 8), 131);
    EXPECT_EQ(progressbar::defaultStyleBarEdge(137, 20, 100, false, 8), 139);
    // Vertically 98 and 100 look the same: the frame covers the rows above the fill.
    for (int style : {0, 1, 42}) {
        SCOPED_TRACE(style);
        EXPECT_EQ(paint(17, 161, style, 98, true), paint(17, 161, style, 100, true));
        EXPECT_NE(paint(17, 161, style, 90, true), paint(17, 161, style, 100, true));
    }
    // The horizontal fill at 98 ends where the frame begins.
    const QImage img = paint(137, 20, 1, 98);
    EXPECT_EQ(at(img, 132, 10), kColor);
    EXPECT_EQ(at(img, 133, 10), colour::kWhite);
}

TEST(XpProgressBar, OutOfRangeStyleDrawsLikeStyleOne) {
    EXPECT_EQ(paint(137, 20, -3, 40), paint(137, 20, 1, 40));
    EXPECT_EQ(paint(17, 161, 10, 40, true), paint(17, 161, 1, 40, true));
}

TEST(XpProgressBar, StylesWithDenominator101StopShortOfTheRightEdge) {
    const int w = 300, h = 20;
    // Style 5: the fill and its edge line end at nearest(100 / 101 * 300) = 297.
    const QImage five = paint(w, h, 5, 100);
    EXPECT_EQ(at(five, 297, 10), colour::lighten(kColor, 25));
    EXPECT_NE(at(five, 298, 10), at(five, 296, 10));
    // Style 7: the hatch ends before column 297; the bumped edge sits at 298 and 299.
    const QImage seven = paint(w, h, 7, 100);
    EXPECT_EQ(at(seven, 297, 10), colour::kWhite);
    const ColorRef hatchBack = colour::lighten(kColor, 140);
    EXPECT_TRUE(at(seven, 296, 10) == hatchBack || at(seven, 296, 10) == kColor);
}

TEST(XpProgressBar, TinyOrNegativePercentStillFillsToTwelve) {
    for (int percent : {1, 0, -5, -2147483647}) {
        SCOPED_TRACE(percent);
        const QImage img = paint(137, 20, 1, percent);
        EXPECT_EQ(at(img, 11, 10), kColor);
        EXPECT_EQ(at(img, 12, 10), colour::kWhite);
    }
    for (int style : {0, 1, 2}) {
        EXPECT_EQ(paint(137, 20, style, -5), paint(137, 20, style, 0));
        EXPECT_EQ(paint(17, 161, style, -5, true), paint(17, 161, style, 0, true));
    }
    // Vertically a Percent of 0 shows no fill at all.
    const QImage empty = paint(17, 161, 1, 0, true);
    for (int y = 3; y < 158; ++y) ASSERT_EQ(at(empty, 8, y), colour::kWhite) << y;
}

TEST(XpProgressBar, ThemeFrameCornerPixels) {
    const int w = 137, h = 20;
    const QImage img = paint(w, h, 1, 50);
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
    const QImage nine = paint(w, h, 9, 50);
    for (const auto& p : expected) EXPECT_EQ(at(nine, p.x, p.y), p.c) << p.x << "," << p.y;
}

TEST(XpProgressBar, BufferGrowsAndNeverShrinks) {
    QWidget host;
    auto* bar = new XP_ProgressBar(&host);
    host.show();
    bar->resize(700, 40);
    EXPECT_EQ(bar->hdc().size(), QSize(700, 40));
    bar->resize(900, 60);
    EXPECT_EQ(bar->hdc().size(), QSize(900, 60));
    bar->resize(20, 5);
    EXPECT_EQ(bar->hdc().size(), QSize(900, 60));
    bar->resize(0, 0);
    bar->setValue(80);
    EXPECT_EQ(bar->hdc().size(), QSize(900, 60));
}

TEST(XpProgressBar, StylesSixAndNineDrawTheirTextInTwoColours) {
    const int w = 137, h = 20;
    for (int style : {6, 9}) {
        SCOPED_TRACE(style);
        const ColorRef fillText = style == 6 ? colour::lighten(kColor, 80) : colour::kWhite;
        const ColorRef baseText = style == 6 ? colour::rgb(192, 192, 192) : colour::kBlack;
        const QImage half = paint(w, h, style, 50, false, true);
        const QImage none = paint(w, h, style, 50, false, false);
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
        const QImage full = paint(w, h, style, 100, false, true);
        const QImage fullNone = paint(w, h, style, 100, false, false);
        int base = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                base += full.pixel(x, y) != fullNone.pixel(x, y) && at(full, x, y) == baseText;
        EXPECT_EQ(base, 0);
    }
}

TEST(XpProgressBar, GradientToleratesZeroStepsAndResolvesColoursInPlace) {
    QImage img(20, 20, QImage::Format_RGB32);
    img.fill(Qt::white);
    GdiCanvas canvas(img);
    ColorRef a = colour::system(colour::kButtonText);
    ColorRef b = colour::rgb(200, 0, 0);
    bool vertical = true;
    progressbar::DrawGradient(a, b, 5, 2, 0, 10, canvas, vertical);
    EXPECT_FALSE(colour::isSystem(a));
    EXPECT_EQ(at(img, 5, 5), a);  // one line in colour A
    EXPECT_EQ(at(img, 6, 5), colour::kWhite);
    // Lines end at the absolute coordinate h (excluded) and the last line has colour B.
    vertical = true;
    a = colour::kBlack;
    progressbar::DrawGradient(a, b, 2, 2, 4, 9, canvas, vertical);
    EXPECT_EQ(at(img, 6, 8), b);
    EXPECT_EQ(at(img, 6, 9), colour::kWhite);
    EXPECT_EQ(at(img, 7, 8), colour::kWhite);
    progressbar::DrawGradient(a, b, -5, -5, 2147483647, 2147483647, canvas, vertical);
}

TEST(XpProgressBar, EveryStyleAndSizePaintsWithoutFault) {
    for (int style = -1; style <= 10; ++style)
        for (QSize size : {QSize(1, 1), QSize(3, 2), QSize(17, 161), QSize(137, 9)})
            for (int percent : {-2147483647 - 1, -1, 0, 33, 100, 2147483647})
                for (bool vertical : {false, true})
                    paint(size.width(), size.height(), style, percent, vertical, true);
}

TEST(XpProgressBar, PersistsOnlyChangedValuesAndRestoresThePercent) {
    const PropertyBag design = xpProgressBarDesignBag(2);
    XP_ProgressBar bar(design);
    bar.resize(17, 161);
    EXPECT_EQ(bar.Scrolling(), 1);
    EXPECT_EQ(bar.Orientation(), 1);
    EXPECT_EQ(bar.Color(), colour::rgb(64, 64, 64));
    EXPECT_EQ(bar.BrushStyle(), 0);
    ASSERT_TRUE(bar.setValue(37));
    PropertyBag saved;
    bar.writeProperties(saved);
    EXPECT_FALSE(saved.contains("Max"));
    EXPECT_FALSE(saved.contains("ShowText"));
    EXPECT_EQ(saved.readInt("value", -1), 37);
    EXPECT_EQ(saved.readInt("BRUSHSTYLE", -1), 0);
    XP_ProgressBar again(saved);
    EXPECT_EQ(again.Percent(), 37);

    PropertyBag fresh;
    XP_ProgressBar{}.writeProperties(fresh);
    // A resolved colour never equals the system-colour default, so it is always stored.
    EXPECT_TRUE(fresh.contains("Color"));
}

TEST(XpProgressBar, MonitorInstancesTakeTheirDesignValues) {
    QWidget page;
    const struct {
        int number;
        QRect geometry;
        int style, orientation;
        ColorRef color;
    } cases[] = {
        {1, QRect(296, 338, 137, 9), 6, 0, colour::rgb(192, 192, 192)},
        {4, QRect(296, 355, 137, 9), 6, 0, colour::rgb(192, 192, 192)},
        {2, QRect(207, 40, 17, 161), 1, 1, colour::rgb(64, 64, 64)},
        {3, QRect(448, 40, 17, 161), 1, 1, colour::rgb(64, 64, 64)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        XP_ProgressBar* bar = makeXP_ProgressBar(c.number, &page);
        EXPECT_EQ(bar->geometry(), c.geometry);
        EXPECT_EQ(bar->Scrolling(), c.style);
        EXPECT_EQ(bar->Orientation(), c.orientation);
        EXPECT_EQ(bar->Color(), c.color);
        EXPECT_EQ(bar->Max(), 100);
        EXPECT_EQ(bar->Percent(), 0);
        EXPECT_FALSE(bar->ShowText());
        EXPECT_EQ(bar->Font().family(), QStringLiteral("MS Sans Serif"));
    }
}
