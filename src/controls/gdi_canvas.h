#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include "controls/colour_ref.h"

class QPalette;

namespace quorvex {

// Resolves a colour to RGB: a system colour is looked up in the application palette (classic
// Windows values when no GUI application exists), any other value is RGB already.
ColorRef resolveColour(ColorRef c);
// Same, from an explicit palette (tests and off-screen rendering).
ColorRef resolveColour(ColorRef c, const QPalette& palette);

QColor toQColor(ColorRef c);
ColorRef fromQColor(const QColor& c);

// Hatch patterns of the classic brush styles.
enum class Hatch {
    Horizontal = 0,
    Vertical,
    ForwardDiagonal,
    BackwardDiagonal,
    Cross,
    DiagonalCross
};

// Draws on an RGB image with the classic Windows drawing model: a line covers its start point and
// excludes its end point, a filled rectangle excludes its right and bottom edges, pens are one
// pixel wide, nothing is antialiased. Every operation is clipped to `clip` (and to the image),
// so coordinates of any size are safe and no loop runs past the real image size.
class GdiCanvas {
  public:
    explicit GdiCanvas(QImage& image);
    GdiCanvas(QImage& image, const QRect& clip);

    const QRect& clip() const { return clip_; }

    void setPixel(long long x, long long y, ColorRef c);
    ColorRef pixel(int x, int y) const;
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
    // Pattern fill anchored at the image origin, 8 x 8 cells as the classic hatch brushes.
    void hatchRect(long long left, long long top, long long right, long long bottom, Hatch style,
                   ColorRef fore, ColorRef back);
    // Fills with the image repeated from (left, top).
    void tileRect(long long left, long long top, long long right, long long bottom,
                  const QImage& tile);

  private:
    bool clipSpan(long long& l, long long& t, long long& r, long long& b) const;

    QImage& image_;
    QRect clip_;
};

}  // namespace quorvex
