#pragma once

#include <string>
#include <string_view>

#include "controls/colour_ref.h"
#include "controls/pixel_surface.h"

namespace quorvex {

// A font as the controls describe it; the renderer picks the nearest face it has.
struct FontSpec {
    std::string face;
    double pointSize = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct TextExtent {
    int width = 0;
    int height = 0;  // one line
    friend bool operator==(const TextExtent&, const TextExtent&) = default;
};

// How text sits in its rectangle. One horizontal and one vertical alignment, plus options.
namespace text {
enum Flags : unsigned {
    kLeft = 0x0,
    kHCentre = 0x1,
    kRight = 0x2,
    kTop = 0x0,
    kVCentre = 0x4,
    kBottom = 0x8,
    kCentre = kHCentre | kVCentre,
    kWordWrap = 0x10,   // break lines between words to fit the width
    kAccessKey = 0x20,  // "&x" underlines x and is not shown; "&&" shows one ampersand
};
}  // namespace text

// The one way the painters measure and write text. Text is UTF-8. Implementations: QPainter on a
// wrapped QImage (Qt), GDI on a DIB section's device context (Windows), a block renderer in the
// tests. Nothing is antialiased, so a caption has exactly the colour it is given.
class TextRenderer {
  public:
    virtual ~TextRenderer() = default;
    // Width of the string on one line, and the font's line height, in pixels.
    virtual TextExtent measure(const FontSpec& font, std::string_view utf8) = 0;
    // Draws the string inside `box` as `flags` place it, touching only pixels inside `clip`
    // (and the surface).
    virtual void draw(PixelSurface& surface, const FontSpec& font, std::string_view utf8,
                      ColorRef colour, const PixelRect& box, unsigned flags,
                      const PixelRect& clip) = 0;
};

}  // namespace quorvex
