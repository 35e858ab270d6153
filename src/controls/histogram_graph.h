#pragma once

#include <cstdint>
#include <vector>

#include "controls/colour_ref.h"
#include "controls/histogram_painter.h"
#include "controls/pixel_surface.h"
#include "controls/property_bag.h"
#include "controls/system_colours.h"

namespace quorvex {

// Design-time properties of the histogram, with their defaults.
struct HistogramProperties {
    std::int16_t Appearance = 1;
    std::int16_t BorderStyle = 1;
    std::int16_t DrawWidth = 1;            // pixels
    std::int16_t GridTickHorizontal = 10;  // vertical grid lines every this many samples
    std::int16_t GridTickVertical = 25;    // horizontal grid lines every this many value units
    std::int32_t NumberOfPoints = 100;
    ColorRef BackColor = colour::system(colour::kButtonText);
    ColorRef GridColour = colour::rgb(0, 128, 0);
    std::int32_t Max = 100;
    ColorRef ForeColor = colour::rgb(0, 255, 0);

    void load(const PropertyBag& bag);
    // Writes only the values that differ from their default.
    void save(PropertyBag& bag) const;
};

// The histogram without a window: a scrolling line graph of integer samples over a grid. The
// graph is drawn into the back buffer picHist (8 pixels wider than the client area) and copied
// onto the client surface with its right edges aligned; the surface changes only on nextPoint
// and refresh. A front end passes its size in and copies `paint`'s pixels out. Both buffers are
// made when first drawn or looked at: until then each holds nothing but its background, and a
// graph nobody has seen costs no pixels.
class HistogramGraph {
  public:
    explicit HistogramGraph(const PropertyBag& saved = {},
                            const SystemColours& system = platformSystemColours());

    void readProperties(const PropertyBag& saved);
    void writeProperties(PropertyBag& bag) const { props_.save(bag); }
    const HistogramProperties& properties() const { return props_; }

    // The control's outer size in pixels; the buffers follow it when it changes.
    void setControlSize(int width, int height);
    int controlWidth() const { return width_; }
    int controlHeight() const { return height_; }
    // 0, 1 (flat) or 2 (3-D) pixels on each side.
    int borderWidth() const;

    void nextPoint(std::int32_t value);
    // nextPoint for a control nobody sees: the sample is taken, the drawing it needs is left to
    // drawPending, which gives the pixels the same drawings one after another would have given.
    void appendPoint(std::int32_t value);
    void drawPending();
    bool hasPendingDrawing() const { return pending_; }
    // Forces a complete repaint of the graph.
    void refresh();
    // The whole control, border included, into `out` (at least the control's size).
    void paint(PixelSurface& out) const;

    void setAppearance(std::int16_t v);
    void setBorderStyle(std::int16_t v);
    void setDrawWidth(std::int16_t v);
    // Takes any number; it is rounded to a 16-bit integer (out of range: ignored).
    void setGridTickHorizontal(double v);
    void setGridTickVertical(double v);
    // Resizes and resets the buffer and recomputes the steps.
    void setNumberOfPoints(std::int32_t v);
    void setBackColor(ColorRef v);
    void setGridColour(ColorRef v);
    // Resets the buffer and recomputes the steps.
    void setMax(std::int32_t v);
    void setForeColor(ColorRef v);

    // Internal state, for inspection.
    const std::vector<std::int32_t>& points() const { return points_; }
    std::int32_t nextSlot() const { return nextSlot_; }
    const histogram::Steps& steps() const { return steps_; }
    const PixelSurface& picHist() const {
        makePicHist();
        return picHist_;
    }
    // What the client area shows.
    const PixelSurface& surface() const {
        makeSurface();
        return surface_;
    }
    // Whether either buffer holds pixels yet.
    bool buffersMade() const { return !picHist_.isNull() || !surface_.isNull(); }
    // Number of times the graph was drawn (a skipped redraw does not count).
    std::uint64_t drawCount() const { return drawCount_; }

  private:
    void resetBuffer();
    void recomputeGeometry();
    // Takes a sample into the buffer; true when the graph must be drawn again.
    bool takePoint(std::int32_t value);
    void drawGraph();
    // Each buffer filled with its background the first time it is needed.
    void makePicHist() const;
    void makeSurface() const;
    int clientWidth() const { return width_ - 2 * borderWidth(); }
    int clientHeight() const { return height_ - 2 * borderWidth(); }

    SystemColours system_;
    HistogramProperties props_;
    int width_ = 0, height_ = 0;
    std::vector<std::int32_t> points_;
    std::int32_t nextSlot_ = 1;
    histogram::Steps steps_;
    mutable PixelSurface picHist_;              // null until needed
    mutable PixelSurface surface_;              // null until needed: all surfaceBack_
    int picHistWidth_ = 0, picHistHeight_ = 0;  // 0 when the buffer cannot be made
    int surfaceWidth_ = 0, surfaceHeight_ = 0;
    ColorRef picHistBack_ = 0;  // resolved; taken from BackColor when settings are loaded
    ColorRef surfaceBack_ = 0;
    int penWidth_ = 1;           // the pen width left from the last drawing
    bool drawnCurrent_ = false;  // the last drawing shows the current buffer and settings
    bool pending_ = false;       // appendPoint left a drawing undone
    int pendingPenWidth_ = 1;    // the pen width the last undone drawing would have started with
    int pendingLineWidth_ = 1;   // and the one it would have left
    std::uint64_t drawCount_ = 0;
};

// Design-time settings of the monitor page's two graphs (ucHistogram1, ucHistogram2).
PropertyBag monitorHistogramDesignBag();

}  // namespace quorvex
