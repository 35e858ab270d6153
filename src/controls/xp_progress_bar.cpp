#include "controls/xp_progress_bar.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace quorvex {

namespace {

constexpr std::int64_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax32 = std::numeric_limits<std::int32_t>::max();

std::int32_t clamp32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp(v, kMin32, kMax32));
}

}  // namespace

XpProgressBar::XpProgressBar(const SystemColours& system)
    : system_(system), color_(system.resolve(kDefaultColor)) {}

bool XpProgressBar::setValue(std::int32_t value) {
    const std::int64_t hundredfold = std::int64_t{value} * 100;
    if (hundredfold < kMin32 || hundredfold > kMax32 || max_ == 0) return false;
    const std::int64_t result = colour::nearest(static_cast<double>(hundredfold) / max_ + min_);
    // nearest() saturates, so a result at the limits did not fit.
    if (result <= kMin32 || result >= kMax32) return false;
    percent_ = static_cast<std::int32_t>(std::min<std::int64_t>(result, 100));
    return true;
}

std::int32_t XpProgressBar::Value() const {
    return clamp32(colour::nearest((static_cast<double>(percent_) - min_) * max_ / 100.0));
}

void XpProgressBar::setColor(ColorRef v) {
    color_ = system_.resolve(v);
}

void XpProgressBar::setFont(std::string saved, FontSpec font) {
    savedFont_ = std::move(saved);
    font_ = std::move(font);
}

void XpProgressBar::setImage(std::string saved, PixelSurface pixels) {
    savedImage_ = std::move(saved);
    pattern_ = std::move(pixels);
}

void XpProgressBar::readProperties(const PropertyBag& s) {
    savedFont_ = s.readText("Font", {});
    setBrushStyle(clamp32(s.readInt("BrushStyle", kDefaultBrushStyle)));
    setColor(static_cast<ColorRef>(s.readInt("Color", kDefaultColor)));
    savedImage_ = s.readText("Image", {});
    setMax(clamp32(s.readInt("Max", kDefaultMax)));
    setMin(clamp32(s.readInt("Min", 0)));
    setOrientation(clamp32(s.readInt("Orientation", 0)));
    setScrolling(clamp32(s.readInt("Scrolling", 0)));
    setShowText(s.readBool("ShowText", false));
    // "Value" holds the shown percentage; turn it back into the value that shows it again.
    const std::int64_t stored = s.readInt("Value", 0);
    const double value = (static_cast<double>(stored) - min_) * max_ / 100.0;
    if (!setValue(clamp32(colour::nearest(value)))) percent_ = std::min(percent_, 100);
}

void XpProgressBar::writeProperties(PropertyBag& bag) const {
    using V = PropertyBag::Value;
    bag.write("Font", V{savedFont_}, V{std::string{}});
    bag.write("BrushStyle", V{std::int64_t{brushStyle_}}, V{kDefaultBrushStyle});
    bag.write("Color", V{std::int64_t{color_}}, V{std::int64_t{kDefaultColor}});
    bag.write("Image", V{savedImage_}, V{std::string{}});
    bag.write("Max", V{std::int64_t{max_}}, V{std::int64_t{kDefaultMax}});
    bag.write("Min", V{std::int64_t{min_}}, V{std::int64_t{0}});
    bag.write("Orientation", V{std::int64_t{orientation_}}, V{std::int64_t{0}});
    bag.write("Scrolling", V{std::int64_t{scrolling_}}, V{std::int64_t{0}});
    bag.write("ShowText", V{showText_}, V{false});
    bag.write("Value", V{std::int64_t{percent_}}, V{std::int64_t{0}});
}

void XpProgressBar::paint(PixelSurface& out, int width, int height, TextRenderer& text) const {
    progressbar::BarState state;
    state.Color = color_;
    state.Percent = percent_;
    state.ShowText = showText_;
    state.Scrolling = scrolling_;
    state.Orientation = orientation_;
    state.BrushStyle = brushStyle_;
    state.Image = pattern_.isNull() ? nullptr : &pattern_;
    state.Font = font_;
    state.system = system_;
    progressbar::DrawProgressBar(out, width, height, state, text);
}

}  // namespace quorvex
