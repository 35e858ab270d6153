#pragma once

#include "controls/colour_ref.h"
#include "controls/pixel_surface.h"

namespace quorvex {

// Hatch patterns of the classic brush styles.
enum class Hatch {
    Horizontal = 0,
    Vertical,
    ForwardDiagonal,
    BackwardDiagonal,
    Cross,
    DiagonalCross
};

// Draws on a pixel surface with the classic Windows drawing model: a line covers its start point
// and excludes its end point, a filled rectangle excludes its right and bottom edges, pens are
// one pixel wide, nothing is antialiased. Every operation is clipped to `clip` (and to the
// surface), so coordinates of any size are safe and no loop runs past the real surface size.
// Colours are RGB (resolve system colours first).
class ClassicCanvas {
  public:
    explicit ClassicCanvas(PixelSurface& surface);
    ClassicCanvas(PixelSurface& surface, const PixelRect& clip);

    const PixelRect& clip() const { return clip_; }
    PixelSurface& surface() { return surface_; }

    void setPixel(long long x, long long y, ColorRef c);
    // Black outside the surface.
    ColorRef pixel(long long x, long long y) const;
    // Line from (x1, y1) up to, not including, (x2, y2). A width above 1 draws a round pen of
    // that many pixels centred on the path (end point included, as a wide pen does).
    void line(long long x1, long long y1, long long x2, long long y2, ColorRef c, int width = 1);
    // Pixels left <= x < right, top <= y < bottom.
    void fillRect(long long left, long long top, long long right, long long bottom, ColorRef c);
    // The outline of the rectangle's pixels: columns left and right - 1, rows top and bottom - 1.
    void frameRect(long long left, long long top, long long right, long long bottom, ColorRef c);
    // A 3-D edge: top row and left column in one colour, bottom row and right column in another.
    void edgeRing(long long left, long long top, long long right, long long bottom,
                  ColorRef topLeft, ColorRef bottomRight);
    // Every other pixel of the outline, starting at the top-left corner.
    void dottedRect(long long left, long long top, long long right, long long bottom, ColorRef c);
    // Pattern fill anchored at the surface origin, 8 x 8 cells as the classic hatch brushes.
    void hatchRect(long long left, long long top, long long right, long long bottom, Hatch style,
                   ColorRef fore, ColorRef back);
    // Fills with the tile repeated from (left, top).
    void tileRect(long long left, long long top, long long right, long long bottom,
                  const PixelSurface& tile);
    // Copies the picture with its top-left corner at (x, y), composing by its alpha (transparent
    // pixels leave what is there).
    void drawPicture(long long x, long long y, const PixelSurface& picture);

  private:
    bool clipSpan(long long& l, long long& t, long long& r, long long& b) const;
    void disc(long long cx, long long cy, int width, ColorRef c);

    PixelSurface& surface_;
    PixelRect clip_;
};

}  // namespace quorvex
