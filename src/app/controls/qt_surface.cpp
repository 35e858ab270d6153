#include "app/controls/qt_surface.h"

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

ColorRef toColorRef(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return colour::rgb(rgb.red(), rgb.green(), rgb.blue());
}

FontSpec toFontSpec(const QFont& font) {
    FontSpec wanted;
    wanted.face = font.family().toStdString();
    wanted.pointSize = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
    wanted.bold = font.bold();
    wanted.italic = font.italic();
    wanted.underline = font.underline();
    wanted.strikeOut = font.strikeOut();
    return wanted;
}

QFont toQFont(const FontSpec& wanted) {
    QFont font(QString::fromStdString(wanted.face));
    if (wanted.pointSize > 0) font.setPointSizeF(wanted.pointSize);
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    font.setStrikeOut(wanted.strikeOut);
    return font;
}

}  // namespace quorvex
