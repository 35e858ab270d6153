#include "controls/histogram_painter.h"

#include <limits>

#include "controls/classic_canvas.h"

namespace quorvex::histogram {

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

}  // namespace

std::int64_t twipsToPixels(std::int64_t twips) {
    // Saturate far outside any buffer rather than overflow.
    constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() / 4;
    if (twips > kLimit) return kLimit / kTwipsPerPixel;
    if (twips < -kLimit) return -kLimit / kTwipsPerPixel;
    return floorDiv(2 * twips + kTwipsPerPixel, 2 * kTwipsPerPixel);
}

void computeSteps(Steps& steps, std::int64_t widthTwips, std::int64_t heightTwips,
                  std::int32_t numberOfPoints, std::int32_t max, std::int16_t gridTickHorizontal,
                  std::int16_t gridTickVertical) {
    const auto fitsInt16 = [](std::int64_t v) { return v >= -32768 && v <= 32767; };
    const auto fitsInt32 = [](std::int64_t v) {
        return v >= std::numeric_limits<std::int32_t>::min() &&
               v <= std::numeric_limits<std::int32_t>::max();
    };
    if (numberOfPoints != 0) {
        const std::int64_t perPoint =
            colour::nearest(static_cast<double>(widthTwips) / numberOfPoints);
        if (fitsInt16(perPoint + 1)) steps.PointSpacing = static_cast<std::int16_t>(perPoint + 1);
        const std::int64_t vertical = perPoint * gridTickHorizontal;
        if (fitsInt32(vertical)) steps.VerticalLineStep = static_cast<std::int32_t>(vertical);
    }
    if (gridTickVertical != 0) {
        const double linesPerHeight = static_cast<double>(max) / gridTickVertical;
        if (linesPerHeight != 0.0) {
            const std::int64_t horizontal =
                colour::nearest(static_cast<double>(heightTwips) / linesPerHeight);
            if (fitsInt32(horizontal))
                steps.HorizontalLineStep = static_cast<std::int32_t>(horizontal);
        }
    }
}

bool verticalScale(std::int64_t outerHeightTwips, std::int32_t max, std::int64_t& k) {
    if (max == 0) return false;
    k = colour::nearest(static_cast<double>(outerHeightTwips) / max);
    return true;
}

int drawGraph(PixelSurface& picHist, const GraphInput& in) {
    ClassicCanvas canvas(picHist);
    canvas.fillRect(0, 0, picHist.width(), picHist.height(), in.back);

    const std::int64_t right = twipsToPixels(in.widthTwips);
    const int gridWidth = in.gridPenWidth < 1 ? 1 : in.gridPenWidth;
    // Horizontal lines anchored at the bottom edge.
    if (in.steps.HorizontalLineStep > 0) {
        for (std::int64_t y = in.heightTwips; y >= 0; y -= in.steps.HorizontalLineStep) {
            const std::int64_t py = twipsToPixels(y);
            canvas.line(0, py, right, py, in.grid, gridWidth);
        }
    }
    if (in.steps.VerticalLineStep > 0) {
        const std::int64_t bottom = twipsToPixels(in.heightTwips);
        for (std::int64_t x = 0; x <= in.widthTwips; x += in.steps.VerticalLineStep) {
            const std::int64_t px = twipsToPixels(x);
            canvas.line(px, 0, px, bottom, in.grid, gridWidth);
        }
    }

    const int lineWidth = in.drawWidth < 1 ? 1 : in.drawWidth;
    std::int64_t k = 0;  // stays 0 when the scale cannot be computed
    verticalScale(in.outerHeightTwips, in.Max, k);

    // Never index outside the buffer, whatever NumberOfPoints says.
    const std::int64_t last =
        std::min<std::int64_t>(in.NumberOfPoints, static_cast<std::int64_t>(in.points.size()) - 1);
    const std::int64_t spacing = in.steps.PointSpacing;
    for (std::int64_t i = 1; i <= last; ++i) {
        const std::int64_t prev = in.points[static_cast<std::size_t>(i - 1)];
        const std::int64_t cur = in.points[static_cast<std::size_t>(i)];
        if (cur < 0) break;
        const std::int64_t x1 = i * spacing, x2 = (i + 1) * spacing;
        const std::int64_t y1 = k * (in.Max - prev), y2 = k * (in.Max - cur);
        canvas.line(twipsToPixels(x1), twipsToPixels(y1), twipsToPixels(x2), twipsToPixels(y2),
                    in.fore, lineWidth);
    }
    return lineWidth;
}

}  // namespace quorvex::histogram
