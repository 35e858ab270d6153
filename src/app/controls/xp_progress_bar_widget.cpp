#include "app/controls/xp_progress_bar_widget.h"

#include <QBuffer>
#include <QPaintEvent>
#include <QPainter>

#include "app/controls/qt_surface.h"
#include "model/monitor_description.h"

namespace quorvex {

namespace {

constexpr int kHintWidth = 137;
constexpr int kHintHeight = 9;

}  // namespace

std::string encodePicture(const QImage& image) {
    if (image.isNull()) return {};
    QByteArray bytes;
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    image.save(&out, "PNG");
    return bytes.toStdString();
}

QImage decodePicture(const std::string& bytes) {
    if (bytes.empty()) return {};
    QImage image;
    image.loadFromData(QByteArray::fromStdString(bytes));
    return image;
}

std::string encodeFont(const QFont& font) {
    return font.toString().toStdString();
}

QFont designFont(const layout::Font& described) {
    QFont font(QLatin1String(described.face));
    font.setPointSizeF(described.points);
    if (described.bold) font.setBold(true);
    return font;
}

QFont decodeFont(const std::string& text, const QFont& fallback) {
    if (text.empty()) return fallback;
    QFont font;
    if (!font.fromString(QString::fromStdString(text))) return fallback;
    return font;
}

XP_ProgressBar::XP_ProgressBar(QWidget* parent) : QWidget(parent), bar_(platformSystemColours()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    bar_.setFont(encodeFont(font_), toFontSpec(font_));
    reevaluateBuffer();
    DrawProgressBar();
}

XP_ProgressBar::XP_ProgressBar(const PropertyBag& saved, QWidget* parent) : XP_ProgressBar(parent) {
    readProperties(saved);
}

QSize XP_ProgressBar::sizeHint() const {
    return {kHintWidth, kHintHeight};
}

bool XP_ProgressBar::setValue(std::int32_t value) {
    if (!bar_.setValue(value)) return false;
    DrawProgressBar();
    return true;
}

void XP_ProgressBar::setFont(const QFont& v) {
    font_ = v;
    bar_.setFont(encodeFont(v), toFontSpec(v));
}

void XP_ProgressBar::setColor(ColorRef v) {
    bar_.setColor(v);
    DrawProgressBar();
}

void XP_ProgressBar::setOrientation(std::int32_t v) {
    bar_.setOrientation(v);
    DrawProgressBar();
}

void XP_ProgressBar::setScrolling(std::int32_t v) {
    bar_.setScrolling(v);
    DrawProgressBar();
}

void XP_ProgressBar::setShowText(bool v) {
    bar_.setShowText(v);
    DrawProgressBar();
}

void XP_ProgressBar::setImage(const QImage& v) {
    image_ = v;
    bar_.setImage(encodePicture(v), copyImage(v));
    DrawProgressBar();
}

QImage XP_ProgressBar::hdc() const {
    return wrapSurface(buffer_).copy();
}

void XP_ProgressBar::reevaluateBuffer() {
    const int w = width(), h = height();
    if (!buffer_.isNull()) {
        if (buffer_.width() < w || buffer_.height() < h) buffer_ = PixelSurface(w, h);
    } else if (w > 0 && h > 0) {
        buffer_ = PixelSurface(w, h);
    }
}

void XP_ProgressBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    reevaluateBuffer();
    DrawProgressBar();
}

void XP_ProgressBar::DrawProgressBar() {
    // A hidden control gets its resize event only when shown; its size is current already.
    reevaluateBuffer();
    bar_.paint(buffer_, width(), height(), text_);
    update();
}

void XP_ProgressBar::pDraw(QPainter& device, int sourceX, int sourceY, int width, int height,
                           int destX, int destY) const {
    if (buffer_.isNull()) return;
    if (width < 1) width = buffer_.width();
    if (height < 1) height = buffer_.height();
    device.drawImage(QPoint(destX, destY), wrapSurface(buffer_),
                     QRect(sourceX, sourceY, width, height));
}

void XP_ProgressBar::paintEvent(QPaintEvent* /*event*/) {
    // Every expose redraws, so settings stored without a repaint (BrushStyle, Font, Min, Max)
    // show at the next one.
    reevaluateBuffer();
    QPainter p(this);
    if (buffer_.width() < width() || buffer_.height() < height()) {
        // No buffer could be made for this size: paint straight onto the surface.
        PixelSurface direct(width(), height());
        bar_.paint(direct, width(), height(), text_);
        p.drawImage(0, 0, wrapSurface(direct));
        return;
    }
    bar_.paint(buffer_, width(), height(), text_);
    pDraw(p, 0, 0, width(), height(), 0, 0);
}

void XP_ProgressBar::readProperties(const PropertyBag& saved) {
    bar_.readProperties(saved);
    // The bar keeps font and picture as saved; decode them here, an unreadable font keeping the
    // current one.
    setFont(decodeFont(bar_.savedFont(), font_));
    image_ = decodePicture(bar_.savedImage());
    bar_.setImage(encodePicture(image_), copyImage(image_));
    DrawProgressBar();
}

PropertyBag xpProgressBarDesignBag(const layout::BarDesign& design) {
    PropertyBag bag;
    bag.writeAlways("Font", encodeFont(designFont(design.font)));
    bag.writeAlways("BrushStyle", std::int64_t{design.brushStyle});
    bag.writeAlways("Color", std::int64_t{design.colour});
    bag.writeAlways("Orientation", std::int64_t{design.vertical ? 1 : 0});
    bag.writeAlways("Scrolling", std::int64_t{static_cast<std::int32_t>(design.style)});
    return bag;
}

XP_ProgressBar* makeXP_ProgressBar(const layout::Bar& bar, QWidget* parent) {
    auto* made = new XP_ProgressBar(xpProgressBarDesignBag(bar.design), parent);
    made->setObjectName(QLatin1String(bar.name));
    made->setGeometry(bar.rect.x, bar.rect.y, bar.rect.width, bar.rect.height);
    return made;
}

}  // namespace quorvex
