#include "controls/pixel_surface.h"

#include <gtest/gtest.h>

#include <vector>

#include "controls/pixel_mask.h"

namespace quorvex {
namespace {

TEST(PixelSurfaceTest, OwnedSurfaceStartsOpaqueBlackAndRefusesBadSides) {
    const PixelSurface s(3, 2);
    ASSERT_FALSE(s.isNull());
    EXPECT_TRUE(s.ownsMemory());
    EXPECT_EQ(s.strideBytes(), 12);
    EXPECT_EQ(s.pixel(2, 1), 0xff000000u);
    EXPECT_EQ(s.pixel(3, 0), 0u);  // outside
    for (const auto& [w, h] : {std::pair{0, 4}, {4, -1}, {PixelSurface::kMaxSide + 1, 1}})
        EXPECT_TRUE(PixelSurface(w, h).isNull()) << w << " x " << h;
}

TEST(PixelSurfaceTest, BorrowedSurfaceWritesIntoTheLendersRowsAndKeepsThePadding) {
    // Two rows of three pixels with one pixel of padding each, as an aligned image has.
    std::vector<Pixel> memory(8, 0x12345678u);
    PixelSurface s = PixelSurface::borrow(memory.data(), 3, 2, 16);
    ASSERT_FALSE(s.isNull());
    EXPECT_FALSE(s.ownsMemory());
    s.fill(toPixel(colour::rgb(1, 2, 3)));
    s.setPixel(1, 1, toPixel(colour::kWhite));
    EXPECT_EQ(memory[0], 0xff010203u);
    EXPECT_EQ(memory[3], 0x12345678u);  // padding untouched
    EXPECT_EQ(memory[5], 0xffffffffu);
    EXPECT_EQ(memory[7], 0x12345678u);

    // A copy owns its pixels: writing it leaves the lender alone.
    PixelSurface copy = s;
    EXPECT_TRUE(copy.ownsMemory());
    EXPECT_TRUE(copy.samePixels(s));
    copy.fill(0);
    EXPECT_EQ(memory[0], 0xff010203u);
}

TEST(PixelSurfaceTest, BorrowRefusesMemoryItCannotAddress) {
    std::vector<Pixel> memory(16);
    EXPECT_TRUE(PixelSurface::borrow(nullptr, 2, 2, 8).isNull());
    EXPECT_TRUE(PixelSurface::borrow(memory.data(), 4, 2, 12).isNull());  // row longer than stride
    EXPECT_TRUE(PixelSurface::borrow(memory.data(), 2, 2, 10).isNull());  // not whole pixels
    EXPECT_TRUE(PixelSurface::borrow(memory.data(), 0, 2, 8).isNull());
}

TEST(PixelSurfaceTest, ColoursRoundTripThroughPixels) {
    const ColorRef c = colour::rgb(10, 200, 30);
    EXPECT_EQ(toPixel(c), 0xff0ac81eu);
    EXPECT_EQ(toColorRef(toPixel(c)), c);
}

TEST(PixelMaskTest, SpansAreClippedToTheArea) {
    PixelMask m(4, 2, false);
    m.setSpan(1, -5, 2, true);
    m.setSpan(7, 0, 4, true);
    EXPECT_TRUE(m.contains(0, 1));
    EXPECT_TRUE(m.contains(1, 1));
    EXPECT_FALSE(m.contains(2, 1));
    EXPECT_FALSE(m.contains(0, 0));
    EXPECT_FALSE(m.contains(-1, 1));
    EXPECT_TRUE(PixelMask(0, 3, true).isEmpty());
}

}  // namespace
}  // namespace quorvex
