#pragma once

#include <cstdint>
#include <span>

#include "controls/colour_ref.h"
#include "controls/pixel_surface.h"

namespace quorvex::histogram {

constexpr int kTwipsPerPixel = 15;
// The back buffer is this much wider than the control's surface; its leftmost pixels fall
// outside the control when copied.
constexpr int kBufferExtraPixels = 8;

// Twips to pixels, rounded to the nearest pixel.
std::int64_t twipsToPixels(std::int64_t twips);

struct Steps {
    std::int16_t PointSpacing = 0;
    std::int32_t VerticalLineStep = 0;
    std::int32_t HorizontalLineStep = 0;
};

// Recomputes the steps from the back buffer's size in twips. A step that cannot be computed
// (division by zero, overflow) keeps its previous value.
void computeSteps(Steps& steps, std::int64_t widthTwips, std::int64_t heightTwips,
                  std::int32_t numberOfPoints, std::int32_t max, std::int16_t gridTickHorizontal,
                  std::int16_t gridTickVertical);

// Vertical scale: outer height in twips / Max, rounded; nullopt-like 0 with ok=false when Max is 0.
bool verticalScale(std::int64_t outerHeightTwips, std::int32_t max, std::int64_t& k);

struct GraphInput {
    std::int64_t widthTwips = 0;        // back buffer
    std::int64_t heightTwips = 0;       // back buffer
    std::int64_t outerHeightTwips = 0;  // the control including its border
    Steps steps;
    std::int32_t Max = 100;
    std::int32_t NumberOfPoints = 100;
    std::span<const std::int32_t> points;  // positions 0 .. NumberOfPoints
    ColorRef back = 0;                     // resolved colours
    ColorRef grid = 0;
    ColorRef fore = 0;
    int drawWidth = 1;
    int gridPenWidth = 1;  // the pen width left from the previous drawing
};

// Draws grid and line into the back buffer; returns the pen width it leaves set.
int drawGraph(PixelSurface& picHist, const GraphInput& in);

}  // namespace quorvex::histogram
