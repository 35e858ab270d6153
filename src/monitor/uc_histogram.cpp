#include "monitor/uc_histogram.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

#include "controls/gdi_canvas.h"

namespace quorvex {

namespace {

// Larger buffers are not created: a graph of a million points is far beyond any surface.
constexpr std::int64_t kMaxPoints = 1 << 20;
constexpr int kHintWidth = 191;
constexpr int kHintHeight = 201;

template <typename T>
T clampTo(std::int64_t v) {
    return static_cast<T>(
        std::clamp<std::int64_t>(v, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
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

ucHistogram::ucHistogram(QWidget* parent) : ucHistogram(PropertyBag{}, parent) {}

ucHistogram::ucHistogram(const PropertyBag& saved, QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    readProperties(saved);
}

QSize ucHistogram::sizeHint() const {
    return {kHintWidth, kHintHeight};
}

void ucHistogram::readProperties(const PropertyBag& saved) {
    props_.load(saved);
    resetBuffer();
    picHistBack_ = resolveColour(props_.BackColor);
    applySurfaceLook();
    surface_.fill(toQColor(surfaceBack_));
    recomputeGeometry();
    update();
}

void ucHistogram::writeProperties(PropertyBag& bag) const {
    props_.save(bag);
}

void ucHistogram::resetBuffer() {
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

int ucHistogram::borderWidth() const {
    if (props_.BorderStyle == 0) return 0;
    return props_.Appearance == 0 ? 1 : 2;
}

void ucHistogram::applySurfaceLook() {
    const int b = borderWidth();
    setContentsMargins(b, b, b, b);
    surfaceBack_ = resolveColour(props_.BackColor);
}

void ucHistogram::recomputeGeometry() {
    const QSize client = contentsRect().size();
    const int bw = client.width() + histogram::kBufferExtraPixels;
    const int bh = client.height();
    if (bw > 0 && bh > 0) {
        picHist_ = QImage(bw, bh, QImage::Format_RGB32);
        picHist_.fill(toQColor(picHistBack_));
    } else {
        picHist_ = QImage();
    }
    histogram::computeSteps(steps_, std::int64_t{bw} * histogram::kTwipsPerPixel,
                            std::int64_t{bh} * histogram::kTwipsPerPixel, props_.NumberOfPoints,
                            props_.Max, props_.GridTickHorizontal, props_.GridTickVertical);

    // The surface keeps what it showed; new area shows the background.
    QImage surface(client.expandedTo(QSize(0, 0)), QImage::Format_RGB32);
    if (!surface.isNull()) {
        surface.fill(toQColor(surfaceBack_));
        QPainter p(&surface);
        p.drawImage(0, 0, surface_);
    }
    surface_ = surface;
    drawnCurrent_ = false;
}

void ucHistogram::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    recomputeGeometry();
}

void ucHistogram::syncGeometry() {
    // A hidden control gets its resize event only when shown; its size is current already.
    const QSize client = contentsRect().size();
    const QSize expected(client.width() + histogram::kBufferExtraPixels, client.height());
    const QSize actual = picHist_.isNull() ? QSize(-1, -1) : picHist_.size();
    if (actual != expected || surface_.size() != client) recomputeGeometry();
}

void ucHistogram::NextPoint(std::int32_t value) {
    if (value > props_.Max) return;
    syncGeometry();
    const std::int64_t n = props_.NumberOfPoints;
    const auto size = static_cast<std::int64_t>(points_.size());
    if (nextSlot_ > n) {
        if (n >= 1 && n < size) {
            const auto first = points_.begin();
            const auto end = first + n + 1;
            // A zero scrolled into an all-zero buffer changes no pixel: skip the redraw.
            if (value == 0 && drawnCurrent_ &&
                std::all_of(first, end, [](std::int32_t v) { return v == 0; }))
                return;
            std::move(first + 1, end, first);
            points_[static_cast<std::size_t>(n)] = value;
        }
    } else if (nextSlot_ >= 0 && nextSlot_ < size) {
        points_[static_cast<std::size_t>(nextSlot_)] = value;
        ++nextSlot_;
    }
    drawGraph();
}

void ucHistogram::Refresh() {
    syncGeometry();
    drawGraph();
}

void ucHistogram::drawGraph() {
    if (picHist_.isNull()) return;
    histogram::GraphInput in;
    in.widthTwips = std::int64_t{picHist_.width()} * histogram::kTwipsPerPixel;
    in.heightTwips = std::int64_t{picHist_.height()} * histogram::kTwipsPerPixel;
    in.outerHeightTwips = std::int64_t{height()} * histogram::kTwipsPerPixel;
    in.steps = steps_;
    in.Max = props_.Max;
    in.NumberOfPoints = props_.NumberOfPoints;
    in.points = points_;
    in.back = picHistBack_;
    in.grid = resolveColour(props_.GridColour);
    in.fore = resolveColour(props_.ForeColor);
    in.drawWidth = props_.DrawWidth;
    in.gridPenWidth = penWidth_;
    const int gridWidthUsed = penWidth_ < 1 ? 1 : penWidth_;
    penWidth_ = histogram::drawGraph(picHist_, in);
    // Drawing again would give the same pixels only if the grid keeps its pen width.
    drawnCurrent_ = gridWidthUsed == penWidth_;
    ++drawCount_;

    if (!surface_.isNull()) {
        QPainter p(&surface_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(-histogram::kBufferExtraPixels, 0, picHist_);
    }
    update();
}

void ucHistogram::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    const int b = borderWidth();
    if (b > 0) {
        QImage frame(size(), QImage::Format_RGB32);
        GdiCanvas c(frame);
        const int w = width(), h = height();
        if (b == 1) {
            c.frameRect(0, 0, w, h, colour::kBlack);
        } else {
            // Sunken 3-D border.
            const ColorRef shadow = resolveColour(colour::system(colour::kButtonShadow));
            const ColorRef hilite = resolveColour(colour::system(colour::kButtonHighlight));
            const ColorRef dark = resolveColour(colour::system(colour::kDarkShadow3D));
            const ColorRef light = resolveColour(colour::system(colour::kLight3D));
            c.fillRect(0, 0, w, h, hilite);
            c.fillRect(0, 0, w - 1, h - 1, shadow);
            c.fillRect(1, 1, w - 1, h - 1, light);
            c.fillRect(1, 1, w - 2, h - 2, dark);
        }
        p.drawImage(0, 0, frame);
    }
    p.drawImage(contentsRect().topLeft(), surface_);
}

void ucHistogram::setAppearance(std::int16_t v) {
    props_.Appearance = v;
    applySurfaceLook();
    recomputeGeometry();
    update();
}

void ucHistogram::setBorderStyle(std::int16_t v) {
    props_.BorderStyle = v;
    applySurfaceLook();
    recomputeGeometry();
    update();
}

void ucHistogram::setDrawWidth(std::int16_t v) {
    props_.DrawWidth = v;
    drawnCurrent_ = false;
}

void ucHistogram::setGridTickHorizontal(double v) {
    if (toInt16(v, props_.GridTickHorizontal)) drawnCurrent_ = false;
}

void ucHistogram::setGridTickVertical(double v) {
    if (toInt16(v, props_.GridTickVertical)) drawnCurrent_ = false;
}

void ucHistogram::setNumberOfPoints(std::int32_t v) {
    if (v == props_.NumberOfPoints) return;
    props_.NumberOfPoints = v;
    resetBuffer();
    recomputeGeometry();
}

void ucHistogram::setMax(std::int32_t v) {
    if (v == props_.Max) return;
    props_.Max = v;
    resetBuffer();
    recomputeGeometry();
}

void ucHistogram::setBackColor(ColorRef v) {
    props_.BackColor = v;
    surfaceBack_ = resolveColour(v);
    surface_.fill(toQColor(surfaceBack_));
    drawnCurrent_ = false;  // the surface no longer shows the graph
    update();
}

void ucHistogram::setGridColour(ColorRef v) {
    props_.GridColour = v;
    drawnCurrent_ = false;
}

void ucHistogram::setForeColor(ColorRef v) {
    props_.ForeColor = v;
    drawnCurrent_ = false;
}

QString ucHistogram::description(const QString& property) {
    const QString p = property.toLower();
    if (p == QLatin1String("appearance"))
        return QStringLiteral(
            "Returns/sets whether or not an object is painted at run time with 3-D effects.");
    if (p == QLatin1String("borderstyle"))
        return QStringLiteral("Returns/sets the border style for an object.");
    if (p == QLatin1String("drawwidth"))
        return QStringLiteral("Returns/sets the line width for output from graphics methods.");
    if (p == QLatin1String("backcolor"))
        return QStringLiteral(
            "Returns/sets the background color used to display text and graphics in an object.");
    if (p == QLatin1String("forecolor"))
        return QStringLiteral(
            "Returns/sets the foreground color used to display text and graphics in an object.");
    if (p == QLatin1String("refresh"))
        return QStringLiteral("Forces a complete repaint of a object.");
    return {};
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

namespace {
ucHistogram* makeMonitorHistogram(QWidget* parent, int left) {
    auto* h = new ucHistogram(monitorHistogramDesignBag(), parent);
    h->setGeometry(left, 24, 191, 201);
    return h;
}
}  // namespace

ucHistogram* makeUcHistogram1(QWidget* parent) {
    return makeMonitorHistogram(parent, 8);
}
ucHistogram* makeUcHistogram2(QWidget* parent) {
    return makeMonitorHistogram(parent, 240);
}

}  // namespace quorvex
