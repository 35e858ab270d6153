#pragma once

#include <QFont>
#include <QImage>
#include <QWidget>

#include <cstdint>

#include "app/controls/qt_text_renderer.h"
#include "controls/colour_ref.h"
#include "controls/pixel_surface.h"
#include "controls/property_bag.h"
#include "controls/xp_progress_bar.h"
#include "monitor/meter_sinks.h"

class QPainter;

namespace quorvex {

namespace layout {
struct Bar;
struct BarDesign;
struct Font;
}  // namespace layout

// The percentage bar as a Qt widget: XpProgressBar keeps the properties and paints, the widget
// passes its size, font and picture in. Each paint redraws the whole control into an off-screen
// buffer (grown with the control, never shrunk) that is copied to the screen in one operation.
class XP_ProgressBar : public QWidget, public BarSink {
    Q_OBJECT
  public:
    // A newly created control: Max 100, Min 0, Percent 0, style 0, horizontal, the system
    // highlight colour.
    explicit XP_ProgressBar(QWidget* parent = nullptr);
    // Created, then the saved properties applied in their order.
    explicit XP_ProgressBar(const PropertyBag& saved, QWidget* parent = nullptr);

    bool setValue(std::int32_t value) override;
    std::int32_t Value() const { return bar_.Value(); }
    std::int32_t Percent() const { return bar_.Percent(); }

    std::int32_t Min() const { return bar_.Min(); }
    void setMin(std::int32_t v) { bar_.setMin(v); }
    std::int32_t Max() const { return bar_.Max(); }
    void setMax(std::int32_t v) { bar_.setMax(v); }
    ColorRef Color() const { return bar_.Color(); }
    void setColor(ColorRef v);
    std::int32_t Orientation() const { return bar_.Orientation(); }
    void setOrientation(std::int32_t v);
    std::int32_t Scrolling() const { return bar_.Scrolling(); }
    void setScrolling(std::int32_t v);
    bool ShowText() const { return bar_.ShowText(); }
    void setShowText(bool v);
    const QImage& Image() const { return image_; }
    void setImage(const QImage& v);
    // Write-only in use; stored without a repaint.
    void setBrushStyle(std::int32_t v) { bar_.setBrushStyle(v); }
    std::int32_t BrushStyle() const { return bar_.BrushStyle(); }
    const QFont& Font() const { return font_; }
    void setFont(const QFont& v);

    // Paints the whole control into the buffer and shows it.
    void DrawProgressBar();
    // Copies part of the buffer onto a device; a width or height below 1 means the buffer's own.
    void pDraw(QPainter& device, int sourceX, int sourceY, int width, int height, int destX,
               int destY) const;
    // A copy of the drawing surface (the buffer), and what assigning the device does: re-evaluate
    // the buffer for the current size.
    QImage hdc() const;
    void reevaluateBuffer();

    void readProperties(const PropertyBag& saved);
    void writeProperties(PropertyBag& bag) const { bar_.writeProperties(bag); }
    const XpProgressBar& bar() const { return bar_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    XpProgressBar bar_;
    PixelSurface buffer_;
    QtTextRenderer text_;
    QImage image_;
    QFont font_;
};

// The saved state of a bar as designed.
PropertyBag xpProgressBarDesignBag(const layout::BarDesign& design);
// A monitor page bar as designed, named and placed as the description says.
XP_ProgressBar* makeXP_ProgressBar(const layout::Bar& bar, QWidget* parent);

// Pictures and fonts as the property bag keeps them.
std::string encodePicture(const QImage& image);
QImage decodePicture(const std::string& bytes);
std::string encodeFont(const QFont& font);
QFont decodeFont(const std::string& text, const QFont& fallback);
// A described font as the controls save it: the face as named, whether installed or not.
QFont designFont(const layout::Font& font);

}  // namespace quorvex
