#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRegion>

#include "controls/pixel_mask.h"
#include "controls/pixel_surface.h"
#include "controls/text_renderer.h"

// Bridges between the core's pixels and Qt's: wrapping without copying where the memory allows.
namespace quorvex {

// A QImage over the surface's own pixels (no copy); valid while the surface lives and keeps its
// size. Null for a null surface.
QImage wrapSurface(PixelSurface& surface);
QImage wrapSurface(const PixelSurface& surface);
// A surface over the image's pixels (no copy), converting the image to 32 bits first if needed.
PixelSurface borrowImage(QImage& image);
// A surface of its own with the image's pixels, as non-premultiplied ARGB (pictures).
PixelSurface copyImage(const QImage& image);

// The shape's pixels as a region.
QRegion toRegion(const PixelMask& mask);

ColorRef toColorRef(const QColor& colour);
FontSpec toFontSpec(const QFont& font);
QFont toQFont(const FontSpec& wanted);

}  // namespace quorvex
