#include "app/controls/uc_histogram_widget.h"

#include <QPaintEvent>
#include <QPainter>

#include "app/controls/qt_surface.h"

namespace quorvex {

namespace {

constexpr int kHintWidth = 191;
constexpr int kHintHeight = 201;

}  // namespace

ucHistogram::ucHistogram(QWidget* parent) : ucHistogram(PropertyBag{}, parent) {}

ucHistogram::ucHistogram(const PropertyBag& saved, QWidget* parent)
    : QWidget(parent), graph_(saved, platformSystemColours()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    applyBorder();
    graph_.setControlSize(width(), height());
}

QSize ucHistogram::sizeHint() const {
    return {kHintWidth, kHintHeight};
}

void ucHistogram::readProperties(const PropertyBag& saved) {
    graph_.readProperties(saved);
    applyBorder();
    update();
}

void ucHistogram::writeProperties(PropertyBag& bag) const {
    graph_.writeProperties(bag);
}

void ucHistogram::applyBorder() {
    // The contents rectangle mirrors the graph's border for callers that lay out by it.
    const int b = graph_.borderWidth();
    setContentsMargins(b, b, b, b);
}

QImage ucHistogram::picHist() const {
    graph_.drawPending();
    return wrapSurface(graph_.picHist()).copy();
}

QImage ucHistogram::surface() const {
    graph_.drawPending();
    return wrapSurface(graph_.surface()).copy();
}

void ucHistogram::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    graph_.setControlSize(width(), height());
}

void ucHistogram::syncGeometry() {
    // A hidden control gets its resize event only when shown; its size is current already.
    graph_.setControlSize(width(), height());
}

void ucHistogram::NextPoint(std::int32_t value) {
    if (value > graph_.properties().Max) return;
    syncGeometry();
    // Unseen (the splash's zero feeding, a page not shown), the sample is only taken; the
    // drawing waits for the first paint.
    if (!isVisible()) {
        graph_.appendPoint(value);
        return;
    }
    graph_.nextPoint(value);
    update();
}

void ucHistogram::Refresh() {
    syncGeometry();
    graph_.refresh();
    update();
}

void ucHistogram::paintEvent(QPaintEvent* /*event*/) {
    if (width() <= 0 || height() <= 0) return;
    if (frame_.width() != width() || frame_.height() != height())
        frame_ = PixelSurface(width(), height());
    graph_.drawPending();
    graph_.paint(frame_);
    QPainter p(this);
    p.drawImage(0, 0, wrapSurface(frame_));
}

void ucHistogram::setAppearance(std::int16_t v) {
    graph_.setAppearance(v);
    applyBorder();
    update();
}

void ucHistogram::setBorderStyle(std::int16_t v) {
    graph_.setBorderStyle(v);
    applyBorder();
    update();
}

void ucHistogram::setBackColor(ColorRef v) {
    graph_.setBackColor(v);
    update();
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
