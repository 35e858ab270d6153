#include "app/bitmap_reader.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <QTemporaryDir>

namespace quorvex {
namespace {

QString in(const QTemporaryDir& dir, const char* name) {
    return dir.filePath(QLatin1String(name));
}

// Every alpha level over colours that premultiplication changes.
QImage translucentPicture() {
    QImage image(256, 3, QImage::Format_ARGB32);
    for (int x = 0; x < 256; ++x) {
        image.setPixel(x, 0, qRgba(255, 128, 7, x));
        image.setPixel(x, 1, qRgba(x, 255 - x, 200, 255 - x));
        image.setPixel(x, 2, qRgba(1, 254, x, 255));
    }
    return image;
}

TEST(BitmapReader, ReadsPngPremultipliedAndNothingElse) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QImage picture = translucentPicture();
    ASSERT_TRUE(picture.save(in(dir, "picture.png"), "PNG"));
    // A bitmap of another format under a PNG name is refused, not guessed.
    ASSERT_TRUE(picture.save(in(dir, "bitmap.png"), "BMP"));

    const QImage read = readBitmap(in(dir, "picture.png"));
    EXPECT_EQ(read.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(read, picture.convertToFormat(QImage::Format_ARGB32_Premultiplied));

    for (const char* refused : {"bitmap.png", "missing.png"})
        EXPECT_TRUE(readBitmap(in(dir, refused)).isNull()) << refused;

    QImage opaque(4, 4, QImage::Format_RGB32);
    opaque.fill(qRgb(10, 20, 30));
    ASSERT_TRUE(opaque.save(in(dir, "opaque.png"), "PNG"));
    // An opaque picture keeps its colours and drops its alpha, even where the file stores one.
    ASSERT_TRUE(opaque.convertToFormat(QImage::Format_ARGB32).save(in(dir, "rgba.png"), "PNG"));
    for (const char* name : {"opaque.png", "rgba.png"}) {
        const QImage read = readBitmap(in(dir, name));
        EXPECT_EQ(read.format(), QImage::Format_RGB32) << name;
        EXPECT_EQ(read.pixel(2, 2), qRgb(10, 20, 30)) << name;
    }
}

}  // namespace
}  // namespace quorvex
