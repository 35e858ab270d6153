#include "controls/xp_progress_bar_painter.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace quorvex::progressbar {

namespace {

using colour::blend;
using colour::lighten;
using colour::nearest;
using colour::rgb;

constexpr ColorRef kFrameOuter = rgb(104, 104, 104);
constexpr ColorRef kFrameShade = rgb(190, 190, 190);
constexpr ColorRef kFrameLight = rgb(239, 239, 239);
constexpr ColorRef kCornerA = rgb(172, 171, 166);
constexpr ColorRef kCornerB = rgb(172, 171, 167);
constexpr ColorRef kCornerC = rgb(127, 126, 125);
constexpr ColorRef kCornerD = rgb(119, 119, 119);
constexpr ColorRef kSilver = rgb(192, 192, 192);

constexpr int kBlockWidth = 6;  // style 0
constexpr int kBlockGap = 2;

ColorRef sys(int index) {
    return resolveColour(colour::system(index));
}

enum class Edge { Etched, Bump, Sunken };

void drawEdge(GdiCanvas& c, int w, int h, Edge edge) {
    const ColorRef hi = sys(colour::kButtonHighlight), dark = sys(colour::kDarkShadow3D);
    const ColorRef light = sys(colour::kLight3D), shadow = sys(colour::kButtonShadow);
    switch (edge) {
        case Edge::Etched:  // sunken outer, raised inner
            c.edgeRing(0, 0, w, h, shadow, hi);
            c.edgeRing(1, 1, w - 1, h - 1, hi, shadow);
            break;
        case Edge::Bump:  // raised outer, sunken inner
            c.edgeRing(0, 0, w, h, hi, dark);
            c.edgeRing(1, 1, w - 1, h - 1, shadow, light);
            break;
        case Edge::Sunken:
            c.edgeRing(0, 0, w, h, shadow, hi);
            c.edgeRing(1, 1, w - 1, h - 1, dark, light);
            break;
    }
}

void themeFrame(GdiCanvas& c, long long w, long long h) {
    DrawLine(2, 1, w - 2, 1, c, kFrameShade);
    DrawLine(1, 2, 1, h - 2, c, kFrameShade);
    DrawLine(2, h - 2, w - 2, h - 2, c, kFrameLight);
    DrawLine(2, 2, w - 2, 2, c, kFrameLight);
    DrawLine(2, 2, 2, h - 2, c, kFrameLight);
    DrawLine(w - 2, 2, w - 2, h - 2, c, kFrameLight);
    c.frameRect(0, 0, w, h, kFrameOuter);
    const struct {
        long long x, y;
        ColorRef c;
    } corners[] = {
        {0, 0, colour::kWhite},
        {0, 1, kCornerA},
        {0, 2, kCornerC},
        {1, 0, kCornerB},
        {1, 1, kCornerD},
        {2, 0, kCornerC},
        {2, 2, kFrameShade},
        {0, h - 1, colour::kWhite},
        {1, h - 1, kCornerA},
        {2, h - 1, kCornerC},
        {0, h - 3, kCornerC},
        {0, h - 2, kCornerB},
        {1, h - 2, kCornerD},
        {w - 1, 0, colour::kWhite},
        {w - 1, 1, kFrameShade},
        {w - 1, 2, kCornerC},
        {w - 2, 2, kFrameShade},
        {w - 2, 1, kFrameOuter},
        {w - 1, h - 1, colour::kWhite},
        {w - 1, h - 2, kFrameShade},
        {w - 1, h - 3, kCornerC},
        {w - 2, h - 2, kCornerD},
        {w - 2, h - 1, kFrameShade},
        {w - 3, h - 1, kCornerC},
    };
    for (const auto& p : corners) c.setPixel(p.x, p.y, p.c);
}

void drawDefaultStyle(GdiCanvas& c, int w, int h, const BarState& s, int style) {
    const bool vertical = s.Orientation != 0;
    const int blockWidth = style == 0 ? kBlockWidth : 0;
    const int step = blockWidth + kBlockGap;
    const long long left = 3, right = w, top = 0, bottom = h;
    const long long edge = defaultStyleBarEdge(w, h, s.Percent, vertical, step);
    ColorRef colourValue = s.Color;
    ColorRef light = lighten(s.Color, 150);
    bool flagVertical = true, flagHorizontal = false;

    if (style == 2) {
        for (int k = 0; k < 3; ++k) {
            ColorRef a = lighten(s.Color, 220 - 40 * k);
            ColorRef b = lighten(s.Color, 200 - 40 * k);
            if (!vertical) {
                const long long blockLeft =
                    nearest(edge + k * (kBlockGap + 10) - (100.0 - s.Percent) / 100.0 * 45);
                DrawGradient(a, b, blockLeft, 3, 9, h - 2, c, flagVertical);
            } else {
                const long long blockTop = edge + k * (kBlockGap + 10);
                DrawGradient(a, b, 2, blockTop, w - 2, 9, c, flagHorizontal);
            }
        }
    } else if (!vertical) {
        long long barRight = edge;
        if (barRight <= 14) barRight = 12;
        const long long r = w < barRight + 4 ? barRight - 4 : barRight;
        DrawGradient(light, colourValue, 4, 3, r, 6, c, flagHorizontal);
        c.fillRect(4, 8, r, h - 8, colourValue);
        DrawGradient(colourValue, light, 4, h - 10, r, 6, c, flagHorizontal);
    } else {
        DrawGradient(light, colourValue, 4, edge, 4, h, c, flagVertical);
        c.fillRect(9, edge, w - 8, h, colourValue);
        DrawGradient(colourValue, light, w - 8, edge, 4, h, c, flagVertical);
    }

    if (style == 0) {
        // White gaps between the blocks, bounded by the visible area.
        if (!vertical) {
            const long long stop = std::min<long long>(edge, right);
            for (long long x = left + kBlockWidth + 1; x < stop; x += step)
                c.fillRect(x, top, x + kBlockGap, bottom, colour::kWhite);
        } else {
            const long long stop = std::max<long long>(edge, top);
            for (long long y = bottom - kBlockWidth - kBlockGap; y + kBlockGap > stop; y -= step)
                c.fillRect(left - 3, y, right, y + kBlockGap, colour::kWhite);
        }
    }
    themeFrame(c, w, h);
}

}  // namespace

long long defaultStyleBarEdge(int width, int height, std::int32_t percent, bool vertical,
                              int step) {
    const long long left = 3, right = width, top = 0, bottom = height;
    double fraction = percent / 98.0;
    if (fraction < 0) fraction = 0;
    if (step <= 0) step = 1;
    if (!vertical) {
        long long x = nearest(fraction * static_cast<double>(right - left) + left);
        x -= (x - left) % step;
        return std::max(x, left);
    }
    fraction = 1 - fraction;
    long long y = nearest(fraction * static_cast<double>(bottom - top) + top);
    y -= (y - bottom) % step;
    return std::min(y, bottom);
}

void DrawLine(long long x1, long long y1, long long x2, long long y2, GdiCanvas& device,
              ColorRef colour) {
    device.line(x1, y1, x2, y2, resolveColour(colour));
}

void DrawGradient(ColorRef& colourA, ColorRef& colourB, long long x, long long y, long long w,
                  long long h, GdiCanvas& device, bool& vertical) {
    colourA = resolveColour(colourA);
    colourB = resolveColour(colourB);
    const long long n = vertical ? w : h;
    const auto stepOf = [n](int a, int b) {
        // Single precision, as the gradient was designed; no step when n is 0.
        return n == 0 ? 0.0f : static_cast<float>(b - a) / static_cast<float>(n);
    };
    const float sr = stepOf(colour::red(colourA), colour::red(colourB));
    const float sg = stepOf(colour::green(colourA), colour::green(colourB));
    const float sb = stepOf(colour::blue(colourA), colour::blue(colourB));
    // Only the lines that can reach the visible area are drawn; the colour of line i does not
    // depend on the others, so skipping the rest changes nothing.
    const QRect& clip = device.clip();
    const long long origin = vertical ? x : y;
    const long long lo = vertical ? clip.left() : clip.top();
    const long long hi = vertical ? clip.right() : clip.bottom();
    const long long first = std::max<long long>(0, lo - origin);
    const long long last = std::min<long long>(n, hi - origin);
    for (long long i = first; i <= last; ++i) {
        const double di = static_cast<double>(i);
        const ColorRef line = colour::rgb(nearest(colour::red(colourA) + di * sr),
                                          nearest(colour::green(colourA) + di * sg),
                                          nearest(colour::blue(colourA) + di * sb));
        if (vertical)
            device.line(x + i, y, x + i, h, line);
        else
            device.line(x, y + i, w, y + i, line);
    }
}

QString barText(const BarState& state) {
    if (state.Scrolling == 2) return QStringLiteral("Searching..");
    return QString::number(state.Percent) + QStringLiteral(" %");
}

void DrawProgressBar(QImage& buffer, int width, int height, BarState& s) {
    if (s.Percent > 100) s.Percent = 100;
    if (width <= 0 || height <= 0 || buffer.isNull()) return;
    GdiCanvas c(buffer, QRect(0, 0, width, height));
    const long long w = width, h = height;
    const int style = s.Scrolling;
    c.fillRect(0, 0, w, h, style == 6 ? colour::kBlack : colour::kWhite);

    const double f = s.Percent / 100.0;
    const double f101 = s.Percent / 101.0;
    bool flagVertical = true, flagHorizontal = false;
    const ColorRef col = s.Color;
    switch (style) {
        case 3:
            c.frameRect(0, 0, w, h, lighten(col, 100));
            c.fillRect(1, 1, nearest(f * w), h - 1, lighten(col, 180));
            break;
        case 4: {
            drawEdge(c, width, height, Edge::Etched);
            ColorRef a = lighten(col, 140), b = lighten(col, 200);
            DrawGradient(a, b, 2, 2, nearest(f * (w - 4)), h - 3, c, flagVertical);
            break;
        }
        case 5: {
            ColorRef top = col, bottom = lighten(col, 100);
            DrawGradient(top, bottom, 1, 1, w - 1, h - 3, c, flagHorizontal);
            c.frameRect(0, 0, w, h, lighten(col, 10));
            const long long fillRight = nearest(f101 * w);
            ColorRef a = lighten(col, 250), b = col;
            DrawGradient(a, b, 3, 1, fillRight, h - 3, c, flagHorizontal);
            DrawLine(fillRight, 1, fillRight, h - 1, c, lighten(col, 25));
            break;
        }
        case 6: {
            c.frameRect(0, 0, w, h, blend(col, colour::kBlack, 200));
            ColorRef a = colour::kBlack, b = lighten(blend(col, colour::kBlack, 100), 10);
            DrawGradient(a, b, 2, 2, nearest(f * (w - 5)), h - 2, c, flagVertical);
            break;
        }
        case 7: {
            drawEdge(c, width, height, Edge::Bump);
            const long long fillRight = nearest(f101 * w);
            if (s.BrushStyle >= 0 && s.BrushStyle <= 5)
                c.hatchRect(2, 2, fillRight, h - 2, static_cast<Hatch>(s.BrushStyle), col,
                            lighten(col, 140));
            break;
        }
        case 8:
            drawEdge(c, width, height, Edge::Sunken);
            if (!s.Image.isNull()) c.tileRect(2, 2, 2 + nearest(f101 * w), 2 + (h - 4), s.Image);
            break;
        case 9: {
            const long long half = h / 2;
            ColorRef white = colour::kWhite, silver = kSilver;
            DrawGradient(white, silver, 0, 0, w, half, c, flagHorizontal);
            c.fillRect(0, half + 1, w, h, kSilver);
            const long long fillRight = nearest(f * (w - 4));
            ColorRef a = lighten(col, 150), b = blend(col, colour::kBlack, 180);
            DrawGradient(a, b, 2, 0, fillRight, half, c, flagHorizontal);
            ColorRef d = blend(col, colour::kBlack, 190), e = col;
            DrawGradient(d, e, 2, half + 1, fillRight, h - half - 2, c, flagHorizontal);
            themeFrame(c, w, h);
            break;
        }
        case 0:
        case 2:
            drawDefaultStyle(c, width, height, s, style);
            break;
        default:
            drawDefaultStyle(c, width, height, s, 1);
            break;
    }

    if (!s.ShowText) return;
    const QString text = barText(s);
    QFont font = s.Font;
    font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics fm(font);
    const int tw = fm.horizontalAdvance(text);
    const int th = fm.height();
    const QRect textRect((width - tw) / 2, (height - th) / 2, tw, th);
    const ColorRef base = style == 6 ? kSilver : colour::kBlack;
    QPainter p(&buffer);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(font);
    const QRect client(0, 0, width, height);
    const auto drawPart = [&](const QRect& part, ColorRef colourValue) {
        const QRect clipped = part.intersected(textRect).intersected(client);
        if (clipped.isEmpty()) return;
        p.setClipRect(clipped);
        p.setPen(toQColor(colourValue));
        p.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    };
    if (style == 6 || style == 9) {
        const ColorRef fillColour = style == 6 ? lighten(col, 80) : colour::kWhite;
        const long long fillEdge = nearest(f * w);
        if (fillEdge > textRect.right() + 1) {
            drawPart(textRect, fillColour);
        } else {
            const int split = static_cast<int>(std::clamp<long long>(
                fillEdge, textRect.left(), static_cast<long long>(textRect.right()) + 1));
            drawPart(QRect(textRect.left(), textRect.top(), split - textRect.left(), th),
                     fillColour);
            drawPart(QRect(split, textRect.top(), textRect.right() + 1 - split, th), base);
        }
    } else {
        drawPart(textRect, base);
    }
}

}  // namespace quorvex::progressbar
