#include "controls/qt_surface.h"

#include <vector>

namespace quorvex {

QImage wrapSurface(PixelSurface& surface) {
    if (surface.isNull()) return {};
    return QImage(reinterpret_cast<uchar*>(surface.bits()), surface.width(), surface.height(),
                  static_cast<qsizetype>(surface.strideBytes()), QImage::Format_RGB32);
}

QImage wrapSurface(const PixelSurface& surface) {
    if (surface.isNull()) return {};
    return QImage(reinterpret_cast<const uchar*>(surface.bits()), surface.width(), surface.height(),
                  static_cast<qsizetype>(surface.strideBytes()), QImage::Format_RGB32);
}

PixelSurface borrowImage(QImage& image) {
    if (image.isNull()) return {};
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    return PixelSurface::borrow(reinterpret_cast<Pixel*>(image.bits()), image.width(),
                                image.height(), image.bytesPerLine());
}

PixelSurface copyImage(const QImage& image) {
    if (image.isNull()) return {};
    QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const PixelSurface view = PixelSurface::borrow(
        reinterpret_cast<Pixel*>(argb.bits()), argb.width(), argb.height(), argb.bytesPerLine());
    return PixelSurface(view);  // a copy: the converted image goes away
}

QRegion toRegion(const PixelMask& mask) {
    // One rectangle per run of set pixels; QRegion merges them into bands.
    std::vector<QRect> runs;
    for (int y = 0; y < mask.height(); ++y) {
        int x = 0;
        while (x < mask.width()) {
            while (x < mask.width() && !mask.contains(x, y)) ++x;
            const int start = x;
            while (x < mask.width() && mask.contains(x, y)) ++x;
            if (x > start) runs.emplace_back(start, y, x - start, 1);
        }
    }
    QRegion region;
    region.setRects(runs.data(), static_cast<int>(runs.size()));
    return region;
}

FontSpec toFontSpec(const QFont& font) {
    FontSpec spec;
    spec.face = font.family().toStdString();
    spec.pointSize = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
    spec.bold = font.bold();
    spec.italic = font.italic();
    spec.underline = font.underline();
    spec.strikeOut = font.strikeOut();
    return spec;
}

QFont toQFont(const FontSpec& spec) {
    QFont font(QString::fromStdString(spec.face));
    if (spec.pointSize > 0) font.setPointSizeF(spec.pointSize);
    font.setBold(spec.bold);
    font.setItalic(spec.italic);
    font.setUnderline(spec.underline);
    font.setStrikeOut(spec.strikeOut);
    return font;
}

}  // namespace quorvex
