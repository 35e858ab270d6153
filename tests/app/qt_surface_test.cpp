#include "app/controls/qt_surface.h"

#include <gtest/gtest.h>

#include "app/controls/qt_text_renderer.h"

using namespace quorvex;

TEST(QtSurface, WrappedImagesShareThePixels) {
    PixelSurface s(5, 3);
    s.fill(toPixel(colour::rgb(10, 20, 30)));
    QImage wrapped = wrapSurface(s);
    EXPECT_EQ(wrapped.constBits(), reinterpret_cast<const uchar*>(s.bits()));
    EXPECT_EQ(wrapped.pixel(4, 2), qRgb(10, 20, 30));

    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    PixelSurface borrowed = borrowImage(image);
    borrowed.setPixel(1, 1, toPixel(colour::rgb(1, 2, 3)));
    EXPECT_EQ(image.pixel(1, 1), qRgb(1, 2, 3));
}

TEST(QtSurface, RegionHoldsExactlyTheMasksPixels) {
    PixelMask m(6, 3, false);
    m.setSpan(0, 1, 3, true);
    m.setSpan(2, 0, 6, true);
    const QRegion r = toRegion(m);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(r.contains(QPoint(x, y)), m.contains(x, y));
}

TEST(QtTextRenderer, WritesOnlyInsideTheClipAndInTheGivenColour) {
    PixelSurface s(80, 20);
    s.fill(toPixel(colour::kWhite));
    QtTextRenderer text;
    FontSpec font;
    font.face = "Sans Serif";
    const TextExtent e = text.measure(font, "Mmm");
    EXPECT_GT(e.width, 0);
    EXPECT_GT(e.height, 0);
    text.draw(s, font, "MMMMMMMM", colour::rgb(200, 0, 0), {0, 0, 80, 20}, text::kLeft,
              {0, 0, 20, 20});
    int inside = 0, outside = 0, other = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 80; ++x) {
            const Pixel p = s.pixel(x, y);
            if (p == toPixel(colour::kWhite)) continue;
            if (p != toPixel(colour::rgb(200, 0, 0))) ++other;
            (x < 20 ? inside : outside)++;
        }
    EXPECT_GT(inside, 0);
    EXPECT_EQ(outside, 0);
    EXPECT_EQ(other, 0) << "no antialiasing";
}
