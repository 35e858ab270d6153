#include "controls/gdi_canvas.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <cstdlib>
#include <utility>

namespace quorvex {

namespace {

// The classic Windows defaults, used where no palette entry corresponds.
ColorRef classicSystemColour(int index) {
    using namespace colour;
    switch (index) {
        case kWindow:
            return kWhite;
        case kWindowText:
            return kBlack;
        case kHighlight:
            return rgb(0, 120, 215);
        case kHighlightText:
            return kWhite;
        case kButtonFace:
            return rgb(240, 240, 240);
        case kButtonShadow:
            return rgb(160, 160, 160);
        case kGrayText:
            return rgb(109, 109, 109);
        case kButtonText:
            return kBlack;
        case kButtonHighlight:
            return kWhite;
        case kDarkShadow3D:
            return rgb(105, 105, 105);
        case kLight3D:
            return rgb(227, 227, 227);
        default:
            return rgb(192, 192, 192);
    }
}

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

}  // namespace

ColorRef resolveColour(ColorRef c, const QPalette& palette) {
    if (!colour::isSystem(c)) return c & 0xffffff;
    using namespace colour;
    const int index = static_cast<int>(c & 0xff);
    switch (index) {
        case kWindow:
            return fromQColor(palette.color(QPalette::Base));
        case kWindowText:
            return fromQColor(palette.color(QPalette::Text));
        case kHighlight:
            return fromQColor(palette.color(QPalette::Highlight));
        case kHighlightText:
            return fromQColor(palette.color(QPalette::HighlightedText));
        case kButtonFace:
            return fromQColor(palette.color(QPalette::Button));
        case kButtonShadow:
            return fromQColor(palette.color(QPalette::Dark));
        case kGrayText:
            return fromQColor(palette.color(QPalette::Disabled, QPalette::Text));
        case kButtonText:
            return fromQColor(palette.color(QPalette::ButtonText));
        case kButtonHighlight:
            return fromQColor(palette.color(QPalette::Light));
        case kDarkShadow3D:
            return fromQColor(palette.color(QPalette::Shadow));
        case kLight3D:
            return fromQColor(palette.color(QPalette::Midlight));
        default:
            return classicSystemColour(index);
    }
}

ColorRef resolveColour(ColorRef c) {
    if (!colour::isSystem(c)) return c & 0xffffff;
    if (qGuiApp == nullptr) return classicSystemColour(static_cast<int>(c & 0xff));
    return resolveColour(c, QGuiApplication::palette());
}

QColor toQColor(ColorRef c) {
    return QColor(colour::red(c), colour::green(c), colour::blue(c));
}

ColorRef fromQColor(const QColor& c) {
    const QColor rgbColour = c.toRgb();
    return colour::rgb(rgbColour.red(), rgbColour.green(), rgbColour.blue());
}

GdiCanvas::GdiCanvas(QImage& image) : GdiCanvas(image, image.rect()) {}

GdiCanvas::GdiCanvas(QImage& image, const QRect& clip)
    : image_(image), clip_(clip.intersected(image.rect())) {
    if (image_.format() != QImage::Format_RGB32 && image_.format() != QImage::Format_ARGB32)
        image_ = image_.convertToFormat(QImage::Format_RGB32);
}

void GdiCanvas::setPixel(long long x, long long y, ColorRef c) {
    if (x < clip_.left() || x > clip_.right() || y < clip_.top() || y > clip_.bottom()) return;
    auto* row = reinterpret_cast<QRgb*>(image_.scanLine(static_cast<int>(y)));
    row[x] = qRgb(colour::red(c), colour::green(c), colour::blue(c));
}

ColorRef GdiCanvas::pixel(int x, int y) const {
    if (!image_.rect().contains(x, y)) return colour::kBlack;
    return fromQColor(QColor(image_.pixel(x, y)));
}

void GdiCanvas::line(long long x1, long long y1, long long x2, long long y2, ColorRef c,
                     int width) {
    if (clip_.isEmpty()) return;
    const auto far = [](long long v) { return v > kDirectLimit || v < -kDirectLimit; };
    if (far(x1) || far(y1) || far(x2) || far(y2)) {
        // Clip to a margin around the visible area; an end point cut off lies outside it, so
        // excluding it changes nothing visible.
        const double margin = 2.0 + width;
        double fx1 = static_cast<double>(x1), fy1 = static_cast<double>(y1);
        double fx2 = static_cast<double>(x2), fy2 = static_cast<double>(y2);
        if (!clipSegment(fx1, fy1, fx2, fy2, clip_.left() - margin, clip_.top() - margin,
                         clip_.right() + margin, clip_.bottom() + margin))
            return;
        x1 = colour::nearest(fx1);
        y1 = colour::nearest(fy1);
        x2 = colour::nearest(fx2);
        y2 = colour::nearest(fy2);
    }
    if (width > 1) {
        QPainter p(&image_);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setClipRect(clip_);
        p.setPen(QPen(toQColor(c), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPoint(static_cast<int>(x1), static_cast<int>(y1)),
                   QPoint(static_cast<int>(x2), static_cast<int>(y2)));
        return;
    }
    // Bresenham, every point but the last.
    const long long dx = std::llabs(x2 - x1), dy = -std::llabs(y2 - y1);
    const long long sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    long long err = dx + dy;
    long long x = x1, y = y1;
    while (x != x2 || y != y2) {
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
}

bool GdiCanvas::clipSpan(long long& l, long long& t, long long& r, long long& b) const {
    l = std::max<long long>(l, clip_.left());
    t = std::max<long long>(t, clip_.top());
    r = std::min<long long>(r, static_cast<long long>(clip_.right()) + 1);
    b = std::min<long long>(b, static_cast<long long>(clip_.bottom()) + 1);
    return l < r && t < b;
}

void GdiCanvas::fillRect(long long left, long long top, long long right, long long bottom,
                         ColorRef c) {
    if (!clipSpan(left, top, right, bottom)) return;
    const QRgb v = qRgb(colour::red(c), colour::green(c), colour::blue(c));
    for (long long y = top; y < bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(static_cast<int>(y)));
        std::fill(row + left, row + right, v);
    }
}

void GdiCanvas::edgeRing(long long l, long long t, long long r, long long b, ColorRef topLeft,
                         ColorRef bottomRight) {
    if (r - l < 1 || b - t < 1) return;
    fillRect(l, b - 1, r, b, bottomRight);
    fillRect(r - 1, t, r, b, bottomRight);
    fillRect(l, t, r - 1, t + 1, topLeft);
    fillRect(l, t, l + 1, b - 1, topLeft);
}

void GdiCanvas::frameRect(long long left, long long top, long long right, long long bottom,
                          ColorRef c) {
    if (right <= left || bottom <= top) return;
    fillRect(left, top, right, top + 1, c);
    fillRect(left, bottom - 1, right, bottom, c);
    fillRect(left, top, left + 1, bottom, c);
    fillRect(right - 1, top, right, bottom, c);
}

void GdiCanvas::dottedRect(long long left, long long top, long long right, long long bottom,
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

void GdiCanvas::hatchRect(long long left, long long top, long long right, long long bottom,
                          Hatch style, ColorRef fore, ColorRef back) {
    if (!clipSpan(left, top, right, bottom)) return;
    const QRgb f = qRgb(colour::red(fore), colour::green(fore), colour::blue(fore));
    const QRgb k = qRgb(colour::red(back), colour::green(back), colour::blue(back));
    for (long long y = top; y < bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(static_cast<int>(y)));
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

void GdiCanvas::tileRect(long long left, long long top, long long right, long long bottom,
                         const QImage& tile) {
    if (tile.isNull() || tile.width() <= 0 || tile.height() <= 0) return;
    const long long ox = left, oy = top;
    if (!clipSpan(left, top, right, bottom)) return;
    const QImage src = tile.convertToFormat(QImage::Format_RGB32);
    for (long long y = top; y < bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image_.scanLine(static_cast<int>(y)));
        const auto* srow = reinterpret_cast<const QRgb*>(
            src.constScanLine(static_cast<int>((y - oy) % src.height())));
        for (long long x = left; x < right; ++x) row[x] = srow[(x - ox) % src.width()];
    }
}

}  // namespace quorvex
