#include "app/bitmap_reader.h"

#include <QImageReader>

namespace quorvex {

QImage readBitmap(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace quorvex
