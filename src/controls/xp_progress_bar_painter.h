#pragma once

#include <cstdint>
#include <string>

#include "controls/bar_style.h"
#include "controls/classic_canvas.h"
#include "controls/colour_ref.h"
#include "controls/system_colours.h"
#include "controls/text_renderer.h"

namespace quorvex::progressbar {

// What one paint of the bar depends on.
struct BarState {
    ColorRef Color = 0;  // resolved RGB
    std::int32_t Percent = 0;
    bool ShowText = false;
    std::int32_t Scrolling = 0;    // a BarStyle, as saved; anything else draws like Continuous
    std::int32_t Orientation = 0;  // 0 horizontal, otherwise vertical
    std::int32_t BrushStyle = 4;
    const PixelSurface* Image = nullptr;  // style 8's pattern; none when null
    FontSpec Font;
    SystemColours system = platformSystemColours();
};

// Paints the whole control (width x height pixels) into the buffer's top-left corner. Percent is
// cut to 100 first, in place, as the control keeps it.
// Text goes through `text`.
void DrawProgressBar(PixelSurface& buffer, int width, int height, BarState& state,
                     TextRenderer& text);

// One-pixel solid line from (x1, y1) up to (x2, y2) in an RGB colour.
void DrawLine(long long x1, long long y1, long long x2, long long y2, ClassicCanvas& device,
              ColorRef colour);

// Linear gradient of one-pixel lines. Vertical: lines at x + i for i = 0..w, each from (x + i, y)
// to (x + i, h); otherwise lines at y + i for i = 0..h, each from (x, y + i) to (w, y + i): w and
// h are both the step count and the absolute end coordinate. Both colours are RGB.
void DrawGradient(ColorRef colourA, ColorRef colourB, long long x, long long y, long long w,
                  long long h, ClassicCanvas& device, bool vertical);

// The text the bar shows when ShowText is set.
std::string barText(const BarState& state);

// Fill geometry of the default styles (0, 1, 2 and out-of-range), for inspection: the bar
// rectangle's right edge (horizontal) or top edge (vertical).
long long defaultStyleBarEdge(int width, int height, std::int32_t percent, bool vertical, int step);

}  // namespace quorvex::progressbar
