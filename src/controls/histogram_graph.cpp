#include "controls/histogram_graph.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "controls/classic_canvas.h"
#include "controls/edge_drawing.h"

namespace quorvex {

namespace {

// Larger buffers are not created: a graph of a million points is far beyond any surface.
constexpr std::int64_t kMaxPoints = 1 << 20;

template <typename T>
T clampTo(std::int64_t v) {
    return static_cast<T>(
        std::clamp<std::int64_t>(v, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
}

bool fitsSurface(int width, int height) {
    return width >= 1 && width <= PixelSurface::kMaxSide && height >= 1 &&
           height <= PixelSurface::kMaxSide;
}

// A numeric value rounded to a 16-bit integer; false when it does not fit.
bool toInt16(double v, std::int16_t& out) {
    if (std::isnan(v)) return false;
    const double r = std::nearbyint(v);
    if (r < -32768.0 || r > 32767.0) return false;
    out = static_cast<std::int16_t>(r);
    return true;
}

}  // namespace

void HistogramProperties::load(const PropertyBag& bag) {
    const HistogramProperties d;
    Appearance = clampTo<std::int16_t>(bag.readInt("Appearance", d.Appearance));
    BorderStyle = clampTo<std::int16_t>(bag.readInt("BorderStyle", d.BorderStyle));
    DrawWidth = clampTo<std::int16_t>(bag.readInt("DrawWidth", d.DrawWidth));
    GridTickHorizontal =
        clampTo<std::int16_t>(bag.readInt("GridTickHorizontal", d.GridTickHorizontal));
    GridTickVertical = clampTo<std::int16_t>(bag.readInt("GridTickVertical", d.GridTickVertical));
    NumberOfPoints = clampTo<std::int32_t>(bag.readInt("NumberOfPoints", d.NumberOfPoints));
    BackColor = static_cast<ColorRef>(bag.readInt("BackColor", d.BackColor));
    GridColour = static_cast<ColorRef>(bag.readInt("GridColour", d.GridColour));
    Max = clampTo<std::int32_t>(bag.readInt("Max", d.Max));
    ForeColor = static_cast<ColorRef>(bag.readInt("ForeColor", d.ForeColor));
}

void HistogramProperties::save(PropertyBag& bag) const {
    const HistogramProperties d;
    const auto w = [&bag](const char* key, std::int64_t v, std::int64_t def) {
        bag.write(key, PropertyBag::Value{v}, PropertyBag::Value{def});
    };
    w("Appearance", Appearance, d.Appearance);
    w("BorderStyle", BorderStyle, d.BorderStyle);
    w("DrawWidth", DrawWidth, d.DrawWidth);
    w("GridTickHorizontal", GridTickHorizontal, d.GridTickHorizontal);
    w("GridTickVertical", GridTickVertical, d.GridTickVertical);
    w("NumberOfPoints", NumberOfPoints, d.NumberOfPoints);
    w("BackColor", BackColor, d.BackColor);
    w("GridColour", GridColour, d.GridColour);
    w("Max", Max, d.Max);
    w("ForeColor", ForeColor, d.ForeColor);
}

HistogramGraph::HistogramGraph(const PropertyBag& saved, const SystemColours& system)
    : system_(system) {
    readProperties(saved);
}

void HistogramGraph::readProperties(const PropertyBag& saved) {
    // Whatever changes what a drawing draws first finishes the drawing left undone.
    drawPending();
    props_.load(saved);
    resetBuffer();
    picHistBack_ = system_.resolve(props_.BackColor);
    surfaceBack_ = picHistBack_;
    // A surface not made yet shows its background already.
    if (!surface_.isNull()) surface_.fill(toPixel(surfaceBack_));
    recomputeGeometry();
}

void HistogramGraph::resetBuffer() {
    const std::int64_t n = props_.NumberOfPoints;
    if (n >= 0 && n <= kMaxPoints) {
        points_.assign(static_cast<std::size_t>(n) + 1, -1);
        points_[0] = 0;
    } else {
        points_.clear();
    }
    nextSlot_ = 1;
    drawnCurrent_ = false;
}

int HistogramGraph::borderWidth() const {
    if (props_.BorderStyle == 0) return 0;
    return props_.Appearance == 0 ? 1 : 2;
}

void HistogramGraph::setControlSize(int width, int height) {
    if (width == width_ && height == height_ && surfaceWidth_ != 0) return;
    drawPending();
    width_ = width;
    height_ = height;
    recomputeGeometry();
}

void HistogramGraph::recomputeGeometry() {
    // The client size may be negative for a control smaller than its border; the back buffer is
    // still the extra columns wider.
    const int cw = clientWidth(), ch = clientHeight();
    const int bw = cw + histogram::kBufferExtraPixels;
    const int bh = ch;
    // Every drawing fills the whole back buffer: it is made again when next drawn.
    picHist_ = PixelSurface();
    const bool bufferFits = fitsSurface(bw, bh);
    picHistWidth_ = bufferFits ? bw : 0;
    picHistHeight_ = bufferFits ? bh : 0;
    histogram::computeSteps(steps_, std::int64_t{bw} * histogram::kTwipsPerPixel,
                            std::int64_t{bh} * histogram::kTwipsPerPixel, props_.NumberOfPoints,
                            props_.Max, props_.GridTickHorizontal, props_.GridTickVertical);

    // The surface keeps what it showed; new area shows the background.
    const int sw = std::max(cw, 0), sh = std::max(ch, 0);
    const bool surfaceFits = fitsSurface(sw, sh);
    surfaceWidth_ = surfaceFits ? sw : 0;
    surfaceHeight_ = surfaceFits ? sh : 0;
    if (!surface_.isNull()) {
        PixelSurface surface(sw, sh);
        if (!surface.isNull()) {
            surface.fill(toPixel(surfaceBack_));
            const int w = std::min(surface.width(), surface_.width());
            const int h = std::min(surface.height(), surface_.height());
            for (int y = 0; y < h; ++y) std::copy_n(surface_.row(y), w, surface.row(y));
        }
        surface_ = std::move(surface);
    }
    drawnCurrent_ = false;
}

void HistogramGraph::makePicHist() const {
    if (!picHist_.isNull() || picHistWidth_ == 0) return;
    picHist_ = PixelSurface(picHistWidth_, picHistHeight_);
    picHist_.fill(toPixel(picHistBack_));
}

void HistogramGraph::makeSurface() const {
    if (!surface_.isNull() || surfaceWidth_ == 0) return;
    surface_ = PixelSurface(surfaceWidth_, surfaceHeight_);
    surface_.fill(toPixel(surfaceBack_));
}

bool HistogramGraph::takePoint(std::int32_t value) {
    if (value > props_.Max) return false;
    const std::int64_t n = props_.NumberOfPoints;
    const auto size = static_cast<std::int64_t>(points_.size());
    if (nextSlot_ > n) {
        if (n >= 1 && n < size) {
            const auto first = points_.begin();
            const auto end = first + n + 1;
            // A zero scrolled into an all-zero buffer changes no pixel: skip the redraw.
            if (value == 0 && drawnCurrent_ &&
                std::all_of(first, end, [](std::int32_t v) { return v == 0; }))
                return false;
            std::move(first + 1, end, first);
            points_[static_cast<std::size_t>(n)] = value;
        }
    } else if (nextSlot_ >= 0 && nextSlot_ < size) {
        points_[static_cast<std::size_t>(nextSlot_)] = value;
        ++nextSlot_;
    }
    return true;
}

void HistogramGraph::nextPoint(std::int32_t value) {
    if (value > props_.Max) return;
    if (takePoint(value) || pending_) {
        if (pending_) penWidth_ = pendingLineWidth_;
        drawGraph();
    }
}

void HistogramGraph::appendPoint(std::int32_t value) {
    // Without a buffer a drawing draws nothing and leaves the pen as it was.
    if (!takePoint(value) || picHistWidth_ == 0) return;
    // Each drawing starts with the pen width the one before left (the grid's width): only the
    // last undone drawing shows, and it starts with what the one before it would have left.
    pendingPenWidth_ = pending_ ? pendingLineWidth_ : penWidth_;
    pendingLineWidth_ = std::max<int>(props_.DrawWidth, 1);
    pending_ = true;
    drawnCurrent_ = false;
}

void HistogramGraph::drawPending() {
    if (!pending_) return;
    penWidth_ = pendingPenWidth_;
    drawGraph();
}

void HistogramGraph::refresh() {
    drawGraph();
}

void HistogramGraph::drawGraph() {
    pending_ = false;
    if (picHistWidth_ == 0) return;
    makePicHist();
    makeSurface();
    histogram::GraphInput in;
    in.widthTwips = std::int64_t{picHist_.width()} * histogram::kTwipsPerPixel;
    in.heightTwips = std::int64_t{picHist_.height()} * histogram::kTwipsPerPixel;
    in.outerHeightTwips = std::int64_t{height_} * histogram::kTwipsPerPixel;
    in.steps = steps_;
    in.Max = props_.Max;
    in.NumberOfPoints = props_.NumberOfPoints;
    in.points = points_;
    in.back = picHistBack_;
    in.grid = system_.resolve(props_.GridColour);
    in.fore = system_.resolve(props_.ForeColor);
    in.drawWidth = props_.DrawWidth;
    in.gridPenWidth = penWidth_;
    const int gridWidthUsed = penWidth_ < 1 ? 1 : penWidth_;
    penWidth_ = histogram::drawGraph(picHist_, in);
    // Drawing again would give the same pixels only if the grid keeps its pen width.
    drawnCurrent_ = gridWidthUsed == penWidth_;
    ++drawCount_;

    // Right edges aligned: the buffer's leftmost columns fall outside the surface.
    const int shift = histogram::kBufferExtraPixels;
    const int w = std::min(surface_.width(), picHist_.width() - shift);
    const int h = std::min(surface_.height(), picHist_.height());
    for (int y = 0; y < h; ++y)
        std::copy_n(picHist_.row(y) + shift, std::max(w, 0), surface_.row(y));
}

void HistogramGraph::paint(PixelSurface& out) const {
    const int b = borderWidth();
    makeSurface();
    ClassicCanvas c(out, PixelRect{0, 0, width_, height_});
    if (b == 1) {
        c.frameRect(0, 0, width_, height_, colour::kBlack);
    } else if (b == 2) {
        drawSunkenEdge(c, {0, 0, width_, height_}, system_);
    }
    c.drawPicture(b, b, surface_);
}

void HistogramGraph::setAppearance(std::int16_t v) {
    drawPending();
    props_.Appearance = v;
    recomputeGeometry();
}

void HistogramGraph::setBorderStyle(std::int16_t v) {
    drawPending();
    props_.BorderStyle = v;
    recomputeGeometry();
}

void HistogramGraph::setDrawWidth(std::int16_t v) {
    drawPending();
    props_.DrawWidth = v;
    drawnCurrent_ = false;
}

void HistogramGraph::setGridTickHorizontal(double v) {
    drawPending();
    if (toInt16(v, props_.GridTickHorizontal)) drawnCurrent_ = false;
}

void HistogramGraph::setGridTickVertical(double v) {
    drawPending();
    if (toInt16(v, props_.GridTickVertical)) drawnCurrent_ = false;
}

void HistogramGraph::setNumberOfPoints(std::int32_t v) {
    drawPending();
    if (v == props_.NumberOfPoints) return;
    props_.NumberOfPoints = v;
    resetBuffer();
    recomputeGeometry();
}

void HistogramGraph::setMax(std::int32_t v) {
    drawPending();
    if (v == props_.Max) return;
    props_.Max = v;
    resetBuffer();
    recomputeGeometry();
}

void HistogramGraph::setBackColor(ColorRef v) {
    drawPending();
    props_.BackColor = v;
    surfaceBack_ = system_.resolve(v);
    if (!surface_.isNull()) surface_.fill(toPixel(surfaceBack_));
    drawnCurrent_ = false;  // the surface no longer shows the graph
}

void HistogramGraph::setGridColour(ColorRef v) {
    drawPending();
    props_.GridColour = v;
    drawnCurrent_ = false;
}

void HistogramGraph::setForeColor(ColorRef v) {
    drawPending();
    props_.ForeColor = v;
    drawnCurrent_ = false;
}

PropertyBag monitorHistogramDesignBag() {
    PropertyBag bag;
    bag.writeAlways("BorderStyle", std::int64_t{0});
    bag.writeAlways("GridTickHorizontal", std::int64_t{3});
    bag.writeAlways("GridTickVertical", std::int64_t{4});
    bag.writeAlways("GridColour", std::int64_t{colour::rgb(28, 28, 28)});
    bag.writeAlways("ForeColor", std::int64_t{colour::rgb(192, 192, 192)});
    return bag;
}

}  // namespace quorvex
