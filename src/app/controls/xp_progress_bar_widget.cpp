#include "app/controls/xp_progress_bar_widget.h"

#include <QBuffer>
#include <QPaintEvent>
#include <QPainter>

#include <limits>

#include "app/controls/qt_surface.h"
#include "controls/xp_progress_bar_value.h"

namespace quorvex {

namespace {

constexpr int kHintWidth = 137;
constexpr int kHintHeight = 9;
constexpr ColorRef kDefaultColor = colour::system(colour::kHighlight);
constexpr std::int64_t kDefaultBrushStyle = 4;

std::int32_t clamp32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

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

QFont decodeFont(const std::string& text, const QFont& fallback) {
    if (text.empty()) return fallback;
    QFont font;
    if (!font.fromString(QString::fromStdString(text))) return fallback;
    return font;
}

XP_ProgressBar::XP_ProgressBar(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    color_ = platformSystemColours().resolve(kDefaultColor);
    fontSpec_ = toFontSpec(font_);
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
    if (!progressbar::percentForValue(value, min_, max_, percent_)) return false;
    DrawProgressBar();
    return true;
}

std::int32_t XP_ProgressBar::Value() const {
    return progressbar::valueForPercent(percent_, min_, max_);
}

void XP_ProgressBar::setMin(std::int32_t v) {
    min_ = v;
}

void XP_ProgressBar::setMax(std::int32_t v) {
    max_ = v;
}

void XP_ProgressBar::setBrushStyle(std::int32_t v) {
    brushStyle_ = v;
}

void XP_ProgressBar::setFont(const QFont& v) {
    font_ = v;
    fontSpec_ = toFontSpec(v);
}

void XP_ProgressBar::setColor(ColorRef v) {
    color_ = platformSystemColours().resolve(v);
    DrawProgressBar();
}

void XP_ProgressBar::setOrientation(std::int32_t v) {
    orientation_ = v;
    DrawProgressBar();
}

void XP_ProgressBar::setScrolling(std::int32_t v) {
    scrolling_ = v;
    DrawProgressBar();
}

void XP_ProgressBar::setShowText(bool v) {
    showText_ = v;
    DrawProgressBar();
}

void XP_ProgressBar::setImage(const QImage& v) {
    image_ = v;
    pattern_ = copyImage(v);
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

progressbar::BarState XP_ProgressBar::barState() const {
    progressbar::BarState state;
    state.Color = color_;
    state.Percent = percent_;
    state.ShowText = showText_;
    state.Scrolling = scrolling_;
    state.Orientation = orientation_;
    state.BrushStyle = brushStyle_;
    state.Image = pattern_.isNull() ? nullptr : &pattern_;
    state.Font = fontSpec_;
    state.system = platformSystemColours();
    return state;
}

void XP_ProgressBar::DrawProgressBar() {
    // A hidden control gets its resize event only when shown; its size is current already.
    reevaluateBuffer();
    progressbar::BarState state = barState();
    progressbar::DrawProgressBar(buffer_, width(), height(), state, text_);
    percent_ = state.Percent;
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
    progressbar::BarState state = barState();
    if (buffer_.width() < width() || buffer_.height() < height()) {
        // No buffer could be made for this size: paint straight onto the surface.
        PixelSurface direct(width(), height());
        progressbar::DrawProgressBar(direct, width(), height(), state, text_);
        p.drawImage(0, 0, wrapSurface(direct));
        return;
    }
    progressbar::DrawProgressBar(buffer_, width(), height(), state, text_);
    pDraw(p, 0, 0, width(), height(), 0, 0);
}

void XP_ProgressBar::readProperties(const PropertyBag& s) {
    setFont(decodeFont(s.readText("Font", {}), font_));
    setBrushStyle(clamp32(s.readInt("BrushStyle", kDefaultBrushStyle)));
    setColor(static_cast<ColorRef>(s.readInt("Color", kDefaultColor)));
    image_ = decodePicture(s.readText("Image", {}));
    pattern_ = copyImage(image_);
    DrawProgressBar();
    setMax(clamp32(s.readInt("Max", 100)));
    setMin(clamp32(s.readInt("Min", 0)));
    setOrientation(clamp32(s.readInt("Orientation", 0)));
    setScrolling(clamp32(s.readInt("Scrolling", 0)));
    setShowText(s.readBool("ShowText", false));
    // "Value" holds the shown percentage; turn it back into the value that shows it again.
    const std::int64_t stored = s.readInt("Value", 0);
    const double value = (static_cast<double>(stored) - min_) * max_ / 100.0;
    if (!setValue(clamp32(colour::nearest(value)))) DrawProgressBar();
}

void XP_ProgressBar::writeProperties(PropertyBag& bag) const {
    using V = PropertyBag::Value;
    bag.write("Font", V{encodeFont(font_)}, V{std::string{}});
    bag.write("BrushStyle", V{std::int64_t{brushStyle_}}, V{kDefaultBrushStyle});
    bag.write("Color", V{std::int64_t{color_}}, V{std::int64_t{kDefaultColor}});
    bag.write("Image", V{encodePicture(image_)}, V{std::string{}});
    bag.write("Max", V{std::int64_t{max_}}, V{std::int64_t{100}});
    bag.write("Min", V{std::int64_t{min_}}, V{std::int64_t{0}});
    bag.write("Orientation", V{std::int64_t{orientation_}}, V{std::int64_t{0}});
    bag.write("Scrolling", V{std::int64_t{scrolling_}}, V{std::int64_t{0}});
    bag.write("ShowText", V{showText_}, V{false});
    bag.write("Value", V{std::int64_t{percent_}}, V{std::int64_t{0}});
}

PropertyBag xpProgressBarDesignBag(int number) {
    const bool horizontal = number == 1 || number == 4;
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    PropertyBag bag;
    bag.writeAlways("Font", encodeFont(font));
    bag.writeAlways("BrushStyle", std::int64_t{0});
    bag.writeAlways(
        "Color", std::int64_t{horizontal ? colour::rgb(192, 192, 192) : colour::rgb(64, 64, 64)});
    bag.writeAlways("Orientation", std::int64_t{horizontal ? 0 : 1});
    bag.writeAlways("Scrolling", std::int64_t{horizontal ? 6 : 1});
    return bag;
}

XP_ProgressBar* makeXP_ProgressBar(int number, QWidget* parent) {
    auto* bar = new XP_ProgressBar(xpProgressBarDesignBag(number), parent);
    switch (number) {
        case 1:
            bar->setGeometry(296, 338, 137, 9);
            break;
        case 2:
            bar->setGeometry(207, 40, 17, 161);
            break;
        case 3:
            bar->setGeometry(448, 40, 17, 161);
            break;
        case 4:
            bar->setGeometry(296, 355, 137, 9);
            break;
        default:
            break;
    }
    return bar;
}

}  // namespace quorvex
