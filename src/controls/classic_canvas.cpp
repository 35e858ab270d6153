#include "controls/classic_canvas.h"

#include <algorithm>
#include <cstdlib>

namespace quorvex {

namespace {

// Coordinates beyond this are clipped geometrically before rasterising.
constexpr long long kDirectLimit = 1LL << 16;

// Liang-Barsky clip of the segment to the rectangle; false when nothing is left.
bool clipSegment(double& x1, double& y1, double& x2, double& y2, double l, double t, double r,
                 double b) {
    const double dx = x2 - x1, dy = y2 - y1;
    double u0 = 0.0, u1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - l, r - x1, y1 - t, b - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double u = q[i] / p[i];
        if (p[i] < 0.0) {
            if (u > u1) return false;
            if (u > u0) u0 = u;
        } else {
            if (u < u0) return false;
            if (u < u1) u1 = u;
        }
    }
    const double nx1 = x1 + u0 * dx, ny1 = y1 + u0 * dy;
    const double nx2 = x1 + u1 * dx, ny2 = y1 + u1 * dy;
    x1 = nx1;
    y1 = ny1;
    x2 = nx2;
    y2 = ny2;
    return true;
}

// Source-over of a non-premultiplied pixel onto an opaque one.
Pixel compose(Pixel dst, Pixel src) {
    const int a = alphaOf(src);
    if (a == 255) return src | 0xff000000u;
    if (a == 0) return dst;
    const auto ch = [a](Pixel s, Pixel d, int shift) {
        const int sv = static_cast<int>((s >> shift) & 0xff);
        const int dv = static_cast<int>((d >> shift) & 0xff);
        return static_cast<Pixel>((sv * a + dv * (255 - a) + 127) / 255) << shift;
    };
    return 0xff000000u | ch(src, dst, 16) | ch(src, dst, 8) | ch(src, dst, 0);
}

}  // namespace

ClassicCanvas::ClassicCanvas(PixelSurface& surface) : ClassicCanvas(surface, surface.rect()) {}

ClassicCanvas::ClassicCanvas(PixelSurface& surface, const PixelRect& clip)
    : surface_(surface), clip_(clip.intersected(surface.rect())) {}

void ClassicCanvas::setPixel(long long x, long long y, ColorRef c) {
    if (!clip_.contains(x, y)) return;
    surface_.row(static_cast<int>(y))[x] = toPixel(c);
}

ColorRef ClassicCanvas::pixel(long long x, long long y) const {
    if (!surface_.rect().contains(x, y)) return colour::kBlack;
    return toColorRef(surface_.pixel(x, y));
}

void ClassicCanvas::disc(long long cx, long long cy, int width, ColorRef c) {
    // A round pen tip of `width` pixels across, centred on the pixel (cx, cy).
    const long long lo = -(width / 2), hi = lo + width;  // offsets lo .. hi - 1
    const double centre = (lo + hi - 1) / 2.0, radius = width / 2.0;
    for (long long dy = lo; dy < hi; ++dy)
        for (long long dx = lo; dx < hi; ++dx) {
            const double ex = dx - centre, ey = dy - centre;
            if (ex * ex + ey * ey <= radius * radius) setPixel(cx + dx, cy + dy, c);
        }
}

void ClassicCanvas::line(long long x1, long long y1, long long x2, long long y2, ColorRef c,
                         int width) {
    if (clip_.isEmpty()) return;
    const auto far = [](long long v) { return v > kDirectLimit || v < -kDirectLimit; };
    if (far(x1) || far(y1) || far(x2) || far(y2)) {
        // Clip to a margin around the visible area; an end point cut off lies outside it, so
        // excluding it changes nothing visible.
        const double margin = 2.0 + width;
        double fx1 = static_cast<double>(x1), fy1 = static_cast<double>(y1);
        double fx2 = static_cast<double>(x2), fy2 = static_cast<double>(y2);
        if (!clipSegment(fx1, fy1, fx2, fy2, static_cast<double>(clip_.left) - margin,
                         static_cast<double>(clip_.top) - margin,
                         static_cast<double>(clip_.right) - 1 + margin,
                         static_cast<double>(clip_.bottom) - 1 + margin))
            return;
        x1 = colour::nearest(fx1);
        y1 = colour::nearest(fy1);
        x2 = colour::nearest(fx2);
        y2 = colour::nearest(fy2);
    }
    // Bresenham; a one-pixel pen leaves out the last point, a wide pen stamps it too.
    const long long dx = std::llabs(x2 - x1), dy = -std::llabs(y2 - y1);
    const long long sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    long long err = dx + dy;
    long long x = x1, y = y1;
    const bool wide = width > 1;
    while (x != x2 || y != y2) {
        if (wide)
            disc(x, y, width, c);
        else
            setPixel(x, y, c);
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    if (wide) disc(x2, y2, width, c);
}

bool ClassicCanvas::clipSpan(long long& l, long long& t, long long& r, long long& b) const {
    l = std::max(l, clip_.left);
    t = std::max(t, clip_.top);
    r = std::min(r, clip_.right);
    b = std::min(b, clip_.bottom);
    return l < r && t < b;
}

void ClassicCanvas::fillRect(long long left, long long top, long long right, long long bottom,
                             ColorRef c) {
    if (!clipSpan(left, top, right, bottom)) return;
    const Pixel v = toPixel(c);
    for (long long y = top; y < bottom; ++y) {
        Pixel* row = surface_.row(static_cast<int>(y));
        std::fill(row + left, row + right, v);
    }
}

void ClassicCanvas::edgeRing(long long l, long long t, long long r, long long b, ColorRef topLeft,
                             ColorRef bottomRight) {
    if (r - l < 1 || b - t < 1) return;
    fillRect(l, b - 1, r, b, bottomRight);
    fillRect(r - 1, t, r, b, bottomRight);
    fillRect(l, t, r - 1, t + 1, topLeft);
    fillRect(l, t, l + 1, b - 1, topLeft);
}

void ClassicCanvas::frameRect(long long left, long long top, long long right, long long bottom,
                              ColorRef c) {
    if (right <= left || bottom <= top) return;
    fillRect(left, top, right, top + 1, c);
    fillRect(left, bottom - 1, right, bottom, c);
    fillRect(left, top, left + 1, bottom, c);
    fillRect(right - 1, top, right, bottom, c);
}

void ClassicCanvas::dottedRect(long long left, long long top, long long right, long long bottom,
                               ColorRef c) {
    if (right <= left || bottom <= top) return;
    long long l = left, t = top, r = right, b = bottom;
    if (!clipSpan(l, t, r, b)) return;
    for (long long x = l; x < r; ++x) {
        if (((x - left) & 1) == 0) {
            setPixel(x, top, c);
            setPixel(x, bottom - 1, c);
        }
    }
    for (long long y = t; y < b; ++y) {
        if (((y - top) & 1) == 0) {
            setPixel(left, y, c);
            setPixel(right - 1, y, c);
        }
    }
}

void ClassicCanvas::hatchRect(long long left, long long top, long long right, long long bottom,
                              Hatch style, ColorRef fore, ColorRef back) {
    if (!clipSpan(left, top, right, bottom)) return;
    const Pixel f = toPixel(fore), k = toPixel(back);
    for (long long y = top; y < bottom; ++y) {
        Pixel* row = surface_.row(static_cast<int>(y));
        const int cy = static_cast<int>(y & 7);
        for (long long x = left; x < right; ++x) {
            const int cx = static_cast<int>(x & 7);
            bool on = false;
            switch (style) {
                case Hatch::Horizontal:
                    on = cy == 7;
                    break;
                case Hatch::Vertical:
                    on = cx == 7;
                    break;
                case Hatch::ForwardDiagonal:
                    on = cx == cy;
                    break;
                case Hatch::BackwardDiagonal:
                    on = cx + cy == 7;
                    break;
                case Hatch::Cross:
                    on = cx == 7 || cy == 7;
                    break;
                case Hatch::DiagonalCross:
                    on = cx == cy || cx + cy == 7;
                    break;
            }
            row[x] = on ? f : k;
        }
    }
}

void ClassicCanvas::tileRect(long long left, long long top, long long right, long long bottom,
                             const PixelSurface& tile) {
    if (tile.isNull()) return;
    const long long ox = left, oy = top;
    if (!clipSpan(left, top, right, bottom)) return;
    const long long tw = tile.width(), th = tile.height();
    for (long long y = top; y < bottom; ++y) {
        Pixel* row = surface_.row(static_cast<int>(y));
        const Pixel* src = tile.row(static_cast<int>((y - oy) % th));
        for (long long x = left; x < right; ++x) row[x] = src[(x - ox) % tw] | 0xff000000u;
    }
}

void ClassicCanvas::drawPicture(long long x, long long y, const PixelSurface& picture) {
    if (picture.isNull()) return;
    long long l = x, t = y, r = x + picture.width(), b = y + picture.height();
    if (!clipSpan(l, t, r, b)) return;
    for (long long py = t; py < b; ++py) {
        Pixel* row = surface_.row(static_cast<int>(py));
        const Pixel* src = picture.row(static_cast<int>(py - y));
        for (long long px = l; px < r; ++px) row[px] = compose(row[px], src[px - x]);
    }
}

}  // namespace quorvex
