#include "controls/classic_canvas.h"

#include <gtest/gtest.h>

#include "controls/edge_drawing.h"

namespace quorvex {
namespace {

constexpr ColorRef kInk = colour::rgb(200, 10, 10);

PixelSurface white(int w, int h) {
    PixelSurface s(w, h);
    s.fill(toPixel(colour::kWhite));
    return s;
}

int inked(const PixelSurface& s) {
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) n += toColorRef(s.pixel(x, y)) == kInk;
    return n;
}

TEST(ClassicCanvasTest, LinesCoverTheirStartAndExcludeTheirEnd) {
    PixelSurface s = white(10, 10);
    ClassicCanvas c(s);
    c.line(1, 1, 5, 1, kInk);
    EXPECT_EQ(c.pixel(1, 1), kInk);
    EXPECT_EQ(c.pixel(4, 1), kInk);
    EXPECT_EQ(c.pixel(5, 1), colour::kWhite);
    EXPECT_EQ(inked(s), 4);
}

TEST(ClassicCanvasTest, RectanglesExcludeRightAndBottom) {
    PixelSurface s = white(10, 10);
    ClassicCanvas c(s);
    c.fillRect(2, 2, 5, 4, kInk);
    EXPECT_EQ(inked(s), 6);
    EXPECT_EQ(c.pixel(4, 3), kInk);
    EXPECT_EQ(c.pixel(5, 3), colour::kWhite);
    EXPECT_EQ(c.pixel(4, 4), colour::kWhite);
}

TEST(ClassicCanvasTest, EverythingIsClippedWhateverTheCoordinates) {
    PixelSurface s = white(8, 8);
    ClassicCanvas c(s, {2, 2, 6, 6});
    c.fillRect(-1000000000000LL, -5, 1000000000000LL, 100, kInk);
    EXPECT_EQ(inked(s), 16);
    PixelSurface t = white(8, 8);
    ClassicCanvas d(t);
    d.line(-9000000000LL, 4, 9000000000LL, 4, kInk, 3);
    d.line(-5, -5, 2147483647, 2147483647, kInk);
    d.tileRect(-3, -3, 1LL << 40, 2, PixelSurface(3, 3));
    d.hatchRect(6, 6, 1LL << 40, 1LL << 40, Hatch::DiagonalCross, kInk, colour::kBlack);
    EXPECT_GT(inked(t), 8);
}

TEST(ClassicCanvasTest, HatchCellsAreAnchoredAtTheOrigin) {
    PixelSurface s = white(16, 16);
    ClassicCanvas c(s);
    c.hatchRect(3, 3, 16, 16, Hatch::Cross, kInk, colour::kWhite);
    EXPECT_EQ(c.pixel(7, 4), kInk);
    EXPECT_EQ(c.pixel(15, 9), kInk);
    EXPECT_EQ(c.pixel(4, 15), kInk);
    EXPECT_EQ(c.pixel(6, 6), colour::kWhite);
}

TEST(ClassicCanvasTest, PicturesComposeByTheirAlpha) {
    PixelSurface s = white(4, 1);
    PixelSurface picture(3, 1);
    picture.setPixel(0, 0, toPixel(kInk));
    picture.setPixel(1, 0, 0);                       // transparent
    picture.setPixel(2, 0, 0x80000000u | 0x000000);  // half black
    ClassicCanvas c(s);
    c.drawPicture(1, 0, picture);
    EXPECT_EQ(c.pixel(0, 0), colour::kWhite);
    EXPECT_EQ(c.pixel(1, 0), kInk);
    EXPECT_EQ(c.pixel(2, 0), colour::kWhite);
    EXPECT_EQ(c.pixel(3, 0), colour::rgb(127, 127, 127));
}

TEST(ClassicCanvasTest, WidePensAreRoundAndIncludeTheEndPoint) {
    PixelSurface s = white(20, 20);
    ClassicCanvas c(s);
    c.line(5, 10, 15, 10, kInk, 3);
    EXPECT_EQ(c.pixel(16, 10), kInk);  // the pen's radius past the end
    EXPECT_EQ(c.pixel(10, 9), kInk);
    EXPECT_EQ(c.pixel(10, 11), kInk);
    EXPECT_EQ(c.pixel(10, 12), colour::kWhite);
}

TEST(EdgeDrawingTest, SunkenEdgeIsTwoRingsInTheSystemColours) {
    PixelSurface s = white(10, 8);
    ClassicCanvas c(s);
    const SystemColours k = classicSystemColours();
    drawSunkenEdge(c, {0, 0, 10, 8}, k);
    using namespace colour;
    EXPECT_EQ(c.pixel(0, 0), k[kButtonShadow]);
    EXPECT_EQ(c.pixel(9, 0), k[kButtonHighlight]);
    EXPECT_EQ(c.pixel(0, 7), k[kButtonHighlight]);
    EXPECT_EQ(c.pixel(1, 1), k[kDarkShadow3D]);
    EXPECT_EQ(c.pixel(8, 1), k[kLight3D]);
    EXPECT_EQ(c.pixel(1, 6), k[kLight3D]);
    EXPECT_EQ(c.pixel(2, 2), kWhite);
}

}  // namespace
}  // namespace quorvex
