#include "controls/xp_progress_bar_painter.h"

#include <algorithm>

#include "controls/edge_drawing.h"

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

// DrawGradient's direction: lines drawn vertically (a horizontal gradient) or horizontally.
constexpr bool kVertical = true, kHorizontal = false;

constexpr int kBlockWidth = 6;  // style 0
constexpr int kBlockGap = 2;

void themeFrame(ClassicCanvas& c, long long w, long long h) {
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

void drawDefaultStyle(ClassicCanvas& c, int w, int h, const BarState& s, BarStyle style) {
    const bool vertical = s.Orientation != 0;
    const int blockWidth = style == BarStyle::Blocks ? kBlockWidth : 0;
    const int step = blockWidth + kBlockGap;
    const long long left = 3, right = w, top = 0, bottom = h;
    const long long edge = defaultStyleBarEdge(w, h, s.Percent, vertical, step);
    ColorRef colourValue = s.Color;
    ColorRef light = lighten(s.Color, 150);

    if (style == BarStyle::Searching) {
        for (int k = 0; k < 3; ++k) {
            ColorRef a = lighten(s.Color, 220 - 40 * k);
            ColorRef b = lighten(s.Color, 200 - 40 * k);
            if (!vertical) {
                const long long blockLeft =
                    nearest(edge + k * (kBlockGap + 10) - (100.0 - s.Percent) / 100.0 * 45);
                DrawGradient(a, b, blockLeft, 3, 9, h - 2, c, kVertical);
            } else {
                const long long blockTop = edge + k * (kBlockGap + 10);
                DrawGradient(a, b, 2, blockTop, w - 2, 9, c, kHorizontal);
            }
        }
    } else if (!vertical) {
        long long barRight = edge;
        if (barRight <= 14) barRight = 12;
        const long long r = w < barRight + 4 ? barRight - 4 : barRight;
        DrawGradient(light, colourValue, 4, 3, r, 6, c, kHorizontal);
        c.fillRect(4, 8, r, h - 8, colourValue);
        DrawGradient(colourValue, light, 4, h - 10, r, 6, c, kHorizontal);
    } else {
        DrawGradient(light, colourValue, 4, edge, 4, h, c, kVertical);
        c.fillRect(9, edge, w - 8, h, colourValue);
        DrawGradient(colourValue, light, w - 8, edge, 4, h, c, kVertical);
    }

    if (style == BarStyle::Blocks) {
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

void DrawLine(long long x1, long long y1, long long x2, long long y2, ClassicCanvas& device,
              ColorRef colour) {
    device.line(x1, y1, x2, y2, colour);
}

void DrawGradient(ColorRef colourA, ColorRef colourB, long long x, long long y, long long w,
                  long long h, ClassicCanvas& device, bool vertical) {
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
    const PixelRect& clip = device.clip();
    const long long origin = vertical ? x : y;
    const long long lo = vertical ? clip.left : clip.top;
    const long long hi = (vertical ? clip.right : clip.bottom) - 1;
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

std::string barText(const BarState& state) {
    if (static_cast<BarStyle>(state.Scrolling) == BarStyle::Searching) return "Searching..";
    return std::to_string(state.Percent) + " %";
}

void DrawProgressBar(PixelSurface& buffer, int width, int height, BarState& s, TextRenderer& text) {
    if (s.Percent > 100) s.Percent = 100;
    if (width <= 0 || height <= 0 || buffer.isNull()) return;
    const PixelRect client{0, 0, width, height};
    ClassicCanvas c(buffer, client);
    const long long w = width, h = height;
    const auto style = static_cast<BarStyle>(s.Scrolling);
    c.fillRect(0, 0, w, h, style == BarStyle::DarkGradient ? colour::kBlack : colour::kWhite);

    const double f = s.Percent / 100.0;
    const double f101 = s.Percent / 101.0;
    const ColorRef col = s.Color;
    switch (style) {
        case BarStyle::Bordered:
            c.frameRect(0, 0, w, h, lighten(col, 100));
            // The fill stops inside the border, however full the bar.
            c.fillRect(1, 1, std::min<long long>(nearest(f * w), w - 1), h - 1, lighten(col, 180));
            break;
        case BarStyle::Etched: {
            drawEtchedEdge(c, client, s.system);
            ColorRef a = lighten(col, 140), b = lighten(col, 200);
            DrawGradient(a, b, 2, 2, nearest(f * (w - 4)), h - 3, c, kVertical);
            break;
        }
        case BarStyle::Glass: {
            ColorRef top = col, bottom = lighten(col, 100);
            DrawGradient(top, bottom, 1, 1, w - 1, h - 3, c, kHorizontal);
            c.frameRect(0, 0, w, h, lighten(col, 10));
            const long long fillRight = nearest(f101 * w);
            ColorRef a = lighten(col, 250), b = col;
            DrawGradient(a, b, 3, 1, fillRight, h - 3, c, kHorizontal);
            DrawLine(fillRight, 1, fillRight, h - 1, c, lighten(col, 25));
            break;
        }
        case BarStyle::DarkGradient: {
            c.frameRect(0, 0, w, h, blend(col, colour::kBlack, 200));
            DrawGradient(colour::kBlack, lighten(blend(col, colour::kBlack, 100), 10), 2, 2,
                         nearest(f * (w - 5)), h - 2, c, kVertical);
            break;
        }
        case BarStyle::Hatched: {
            drawBumpEdge(c, client, s.system);
            const long long fillRight = nearest(f101 * w);
            if (s.BrushStyle >= 0 && s.BrushStyle <= 5)
                c.hatchRect(2, 2, fillRight, h - 2, static_cast<Hatch>(s.BrushStyle), col,
                            lighten(col, 140));
            break;
        }
        case BarStyle::Picture:
            drawSunkenEdge(c, client, s.system);
            // The pattern stops inside the sunken edge (at 99 % and more it would reach past it).
            if (s.Image != nullptr)
                c.tileRect(2, 2, std::min<long long>(2 + nearest(f101 * w), w - 2), 2 + (h - 4),
                           *s.Image);
            break;
        case BarStyle::Glossy: {
            const long long half = h / 2;
            DrawGradient(colour::kWhite, kSilver, 0, 0, w, half, c, kHorizontal);
            c.fillRect(0, half + 1, w, h, kSilver);
            const long long fillRight = nearest(f * (w - 4));
            ColorRef a = lighten(col, 150), b = blend(col, colour::kBlack, 180);
            DrawGradient(a, b, 2, 0, fillRight, half, c, kHorizontal);
            ColorRef d = blend(col, colour::kBlack, 190), e = col;
            DrawGradient(d, e, 2, half + 1, fillRight, h - half - 2, c, kHorizontal);
            themeFrame(c, w, h);
            break;
        }
        case BarStyle::Blocks:
        case BarStyle::Searching:
            drawDefaultStyle(c, width, height, s, style);
            break;
        default:
            drawDefaultStyle(c, width, height, s, BarStyle::Continuous);
            break;
    }

    if (!s.ShowText) return;
    const std::string caption = barText(s);
    const TextExtent extent = text.measure(s.Font, caption);
    const long long tw = extent.width, th = extent.height;
    const PixelRect textRect{(width - tw) / 2, (height - th) / 2, (width - tw) / 2 + tw,
                             (height - th) / 2 + th};
    const ColorRef base = style == BarStyle::DarkGradient ? kSilver : colour::kBlack;
    const auto drawPart = [&](const PixelRect& part, ColorRef colourValue) {
        const PixelRect clipped = part.intersected(textRect).intersected(client);
        if (clipped.isEmpty()) return;
        text.draw(buffer, s.Font, caption, colourValue, textRect, text::kLeft | text::kTop,
                  clipped);
    };
    if (style == BarStyle::DarkGradient || style == BarStyle::Glossy) {
        // The part over the fill is written in the fill's contrast colour.
        const ColorRef fillColour =
            style == BarStyle::DarkGradient ? lighten(col, 80) : colour::kWhite;
        const long long fillEdge = nearest(f * w);
        if (fillEdge > textRect.right) {
            drawPart(textRect, fillColour);
        } else {
            const long long split = std::clamp(fillEdge, textRect.left, textRect.right);
            drawPart({textRect.left, textRect.top, split, textRect.bottom}, fillColour);
            drawPart({split, textRect.top, textRect.right, textRect.bottom}, base);
        }
    } else {
        drawPart(textRect, base);
    }
}

}  // namespace quorvex::progressbar
