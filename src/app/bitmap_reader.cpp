#include "app/bitmap_reader.h"

#include <QImageReader>
#include <QRgb>

#include <utility>

namespace quorvex {

namespace {

// In place, on this thread: Qt's own conversion of a picture this large starts its pool of
// worker threads, which then live as long as the program. A picture found wholly opaque on the
// way (the splash, the window's background) is marked so, and is then copied to the screen
// rather than blended.
void premultiply(QImage& image) {
    bool opaque = true;
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) == 255) continue;
            opaque = false;
            row[x] = qPremultiply(row[x]);
        }
    }
    image.reinterpretAsFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

QImage readBitmap(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.format() == QImage::Format_ARGB32)
        premultiply(image);
    else if (image.hasAlphaChannel() && image.format() != QImage::Format_ARGB32_Premultiplied)
        image = std::move(image).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return image;
}

}  // namespace quorvex
