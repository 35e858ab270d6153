#pragma once

#include <QFont>
#include <QFontMetrics>

#include <optional>

#include "controls/text_renderer.h"

namespace quorvex {

// Text with QPainter on a QImage that wraps the surface; no antialiasing, so every written pixel
// has the requested colour.
class QtTextRenderer : public TextRenderer {
  public:
    TextExtent measure(const FontSpec& font, std::string_view utf8) override;
    void draw(PixelSurface& surface, const FontSpec& font, std::string_view utf8, ColorRef colour,
              const PixelRect& box, unsigned flags, const PixelRect& clip) override;

  private:
    const QFont& fontFor(const FontSpec& wanted);

    std::optional<FontSpec> lastWanted_;
    QFont lastFont_;
    QFontMetrics lastMetrics_{QFont()};
};

}  // namespace quorvex
