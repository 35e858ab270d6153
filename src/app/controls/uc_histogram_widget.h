#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

#include "controls/colour_ref.h"
#include "controls/histogram_graph.h"
#include "controls/property_bag.h"
#include "monitor/meter_sinks.h"

namespace quorvex {

// The histogram as a Qt widget: HistogramGraph draws, the widget passes its size and events in
// and copies the graph's pixels out.
class ucHistogram : public QWidget, public SampleSink {
    Q_OBJECT
  public:
    // A newly placed control: every property at its default, the buffer created at once.
    explicit ucHistogram(QWidget* parent = nullptr);
    // A control loaded from saved settings.
    explicit ucHistogram(const PropertyBag& saved, QWidget* parent = nullptr);

    void NextPoint(std::int32_t value) override;
    // Forces a complete repaint of the graph.
    void Refresh();

    void readProperties(const PropertyBag& saved);
    void writeProperties(PropertyBag& bag) const;

    const HistogramProperties& properties() const { return graph_.properties(); }

    std::int16_t Appearance() const { return properties().Appearance; }
    void setAppearance(std::int16_t v);
    std::int16_t BorderStyle() const { return properties().BorderStyle; }
    void setBorderStyle(std::int16_t v);
    std::int16_t DrawWidth() const { return properties().DrawWidth; }
    void setDrawWidth(std::int16_t v) { graph_.setDrawWidth(v); }
    std::int16_t GridTickHorizontal() const { return properties().GridTickHorizontal; }
    // Takes any number; it is rounded to a 16-bit integer (out of range: ignored).
    void setGridTickHorizontal(double v) { graph_.setGridTickHorizontal(v); }
    std::int16_t GridTickVertical() const { return properties().GridTickVertical; }
    void setGridTickVertical(double v) { graph_.setGridTickVertical(v); }
    std::int32_t NumberOfPoints() const { return properties().NumberOfPoints; }
    // Resizes and resets the buffer and recomputes the steps.
    void setNumberOfPoints(std::int32_t v) { graph_.setNumberOfPoints(v); }
    ColorRef BackColor() const { return properties().BackColor; }
    void setBackColor(ColorRef v);
    ColorRef GridColour() const { return properties().GridColour; }
    void setGridColour(ColorRef v) { graph_.setGridColour(v); }
    std::int32_t Max() const { return properties().Max; }
    // Resets the buffer and recomputes the steps.
    void setMax(std::int32_t v) { graph_.setMax(v); }
    ColorRef ForeColor() const { return properties().ForeColor; }
    void setForeColor(ColorRef v) { graph_.setForeColor(v); }

    // Help strings of the properties, as shown by a designer.
    static QString description(const QString& property);

    // Internal state, for inspection.
    const std::vector<std::int32_t>& PointBuffer() const { return graph_.points(); }
    std::int32_t NextSlot() const { return graph_.nextSlot(); }
    const histogram::Steps& steps() const { return graph_.steps(); }
    // Copies of the back buffer and of what the control's client area shows.
    QImage picHist() const;
    QImage surface() const;
    std::uint64_t drawCount() const { return graph_.drawCount(); }
    const HistogramGraph& graph() const { return graph_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void syncGeometry();
    void applyBorder();

    // Mutable: a drawing left undone while hidden is done by whoever first looks at the pixels.
    mutable HistogramGraph graph_;
    PixelSurface frame_;  // the whole control, copied to the screen
};

// The monitor page's graphs at their design-time places (pixels within the page).
ucHistogram* makeUcHistogram1(QWidget* parent);
ucHistogram* makeUcHistogram2(QWidget* parent);

}  // namespace quorvex
