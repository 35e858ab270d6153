#include "win32/gdi_text_renderer.h"

#include <gtest/gtest.h>

namespace quorvex::win32 {
namespace {

constexpr ColorRef kInk = colour::rgb(200, 0, 0);
constexpr Pixel kPaper = 0xff102030u;

FontSpec tahoma() {
    FontSpec f;
    f.face = "Tahoma";
    f.pointSize = 8.25;
    return f;
}

TEST(GdiTextRenderer, MeasuresWiderTextWiderAndScalesWithTheDpi) {
    GdiTextRenderer text(96);
    const TextExtent one = text.measure(tahoma(), "MM");
    const TextExtent two = text.measure(tahoma(), "MMMM");
    EXPECT_GT(one.width, 0);
    EXPECT_GT(two.width, one.width);
    EXPECT_GT(one.height, 0);
    text.setDpi(192);
    EXPECT_GT(text.measure(tahoma(), "MM").height, one.height);
    EXPECT_EQ(text.measure(tahoma(), "").width, 0);
}

TEST(GdiTextRenderer, WritesOnlyInsideTheClipInOneColourAndKeepsTheSurfaceOpaque) {
    GdiTextRenderer text;
    PixelSurface s(90, 24);
    s.fill(kPaper);
    text.draw(s, tahoma(), "MMMMMMMMMM", kInk, {0, 0, 90, 24}, text::kLeft | text::kVCentre,
              {5, 0, 30, 24});
    int inside = 0, outside = 0, other = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 90; ++x) {
            const Pixel p = s.pixel(x, y);
            if (p == kPaper) continue;
            if (p != toPixel(kInk)) ++other;
            (x >= 5 && x < 30 ? inside : outside)++;
        }
    EXPECT_GT(inside, 0);
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(other, 0) << "no antialiasing, no transparent pixels";
}

TEST(GdiTextRenderer, AccessKeyAmpersandIsNotShown) {
    GdiTextRenderer text;
    PixelSurface withKey(60, 20), plain(60, 20);
    withKey.fill(kPaper);
    plain.fill(kPaper);
    text.draw(withKey, tahoma(), "&x", kInk, {0, 0, 60, 20}, text::kAccessKey, {0, 0, 60, 20});
    text.draw(plain, tahoma(), "&x", kInk, {0, 0, 60, 20}, text::kLeft, {0, 0, 60, 20});
    EXPECT_FALSE(withKey.samePixels(plain));
}

}  // namespace
}  // namespace quorvex::win32
