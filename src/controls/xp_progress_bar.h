#pragma once

#include <cstdint>
#include <string>

#include "controls/colour_ref.h"
#include "controls/pixel_surface.h"
#include "controls/property_bag.h"
#include "controls/system_colours.h"
#include "controls/text_renderer.h"
#include "controls/xp_progress_bar_painter.h"

namespace quorvex {

// The percentage bar without a window: its saved properties, the value arithmetic and the
// painting. A front end passes its size, font and picture in and copies `paint`'s pixels out.
// Font and picture are kept as the property bag stores them (text, encoded image bytes), which
// only a toolkit can decode; the painter reads the decoded font and pattern given alongside.
class XpProgressBar {
  public:
    static constexpr std::int32_t kDefaultMax = 100;
    static constexpr std::int64_t kDefaultBrushStyle = 4;
    static constexpr ColorRef kDefaultColor = colour::system(colour::kHighlight);

    explicit XpProgressBar(const SystemColours& system = platformSystemColours());

    // Percent = nearest(Value * 100 / Max + Min), cut to 100 as the control keeps it. Fails,
    // leaving Percent unchanged, when the hundredfold does not fit in 32 bits, Max is 0 or the
    // result does not fit.
    bool setValue(std::int32_t value);
    // The inverse, so that reading gives back what was assigned (saturated to 32 bits).
    std::int32_t Value() const;
    std::int32_t Percent() const { return percent_; }

    std::int32_t Min() const { return min_; }
    void setMin(std::int32_t v) { min_ = v; }
    std::int32_t Max() const { return max_; }
    void setMax(std::int32_t v) { max_ = v; }
    ColorRef Color() const { return color_; }
    // System colours are resolved when assigned.
    void setColor(ColorRef v);
    std::int32_t Orientation() const { return orientation_; }
    void setOrientation(std::int32_t v) { orientation_ = v; }
    std::int32_t Scrolling() const { return scrolling_; }
    void setScrolling(std::int32_t v) { scrolling_ = v; }
    bool ShowText() const { return showText_; }
    void setShowText(bool v) { showText_ = v; }
    std::int32_t BrushStyle() const { return brushStyle_; }
    void setBrushStyle(std::int32_t v) { brushStyle_ = v; }

    // The font as saved, and as the painter reads it.
    const std::string& savedFont() const { return savedFont_; }
    const FontSpec& font() const { return font_; }
    void setFont(std::string saved, FontSpec font);
    // Style 8's pattern as saved (encoded bytes, empty for none), and its pixels.
    const std::string& savedImage() const { return savedImage_; }
    void setImage(std::string saved, PixelSurface pixels);

    // Applies the saved properties; "Font" and "Image" are taken as saved, for the front end to
    // decode and give back through setFont and setImage.
    void readProperties(const PropertyBag& saved);
    // Only values that differ from their default are stored; "Color" as resolved RGB.
    void writeProperties(PropertyBag& bag) const;

    // Paints the whole control (width x height) into the top-left corner of `out`.
    void paint(PixelSurface& out, int width, int height, TextRenderer& text) const;

  private:
    SystemColours system_;
    ColorRef color_ = 0;
    std::int32_t min_ = 0;
    std::int32_t max_ = kDefaultMax;
    std::int32_t percent_ = 0;
    bool showText_ = false;
    std::int32_t scrolling_ = 0;
    std::int32_t orientation_ = 0;
    std::int32_t brushStyle_ = 0;
    std::string savedFont_;
    FontSpec font_;
    std::string savedImage_;
    PixelSurface pattern_;
};

}  // namespace quorvex
