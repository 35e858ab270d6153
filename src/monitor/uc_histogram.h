#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

#include "controls/colour_ref.h"
#include "controls/property_bag.h"
#include "monitor/histogram_painter.h"
#include "monitor/meter_sinks.h"

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

// A scrolling line graph of integer samples over a grid. The graph is drawn into the back buffer
// picHist (8 pixels wider than the surface) and copied onto the surface with its right edges
// aligned; the surface changes only on NextPoint and Refresh.
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

    const HistogramProperties& properties() const { return props_; }

    std::int16_t Appearance() const { return props_.Appearance; }
    void setAppearance(std::int16_t v);
    std::int16_t BorderStyle() const { return props_.BorderStyle; }
    void setBorderStyle(std::int16_t v);
    std::int16_t DrawWidth() const { return props_.DrawWidth; }
    void setDrawWidth(std::int16_t v);
    std::int16_t GridTickHorizontal() const { return props_.GridTickHorizontal; }
    // Takes any number; it is rounded to a 16-bit integer (out of range: ignored).
    void setGridTickHorizontal(double v);
    std::int16_t GridTickVertical() const { return props_.GridTickVertical; }
    void setGridTickVertical(double v);
    std::int32_t NumberOfPoints() const { return props_.NumberOfPoints; }
    // Resizes and resets the buffer and recomputes the steps.
    void setNumberOfPoints(std::int32_t v);
    ColorRef BackColor() const { return props_.BackColor; }
    void setBackColor(ColorRef v);
    ColorRef GridColour() const { return props_.GridColour; }
    void setGridColour(ColorRef v);
    std::int32_t Max() const { return props_.Max; }
    // Resets the buffer and recomputes the steps.
    void setMax(std::int32_t v);
    ColorRef ForeColor() const { return props_.ForeColor; }
    void setForeColor(ColorRef v);

    // Help strings of the properties, as shown by a designer.
    static QString description(const QString& property);

    // Internal state, for inspection.
    const std::vector<std::int32_t>& PointBuffer() const { return points_; }
    std::int32_t NextSlot() const { return nextSlot_; }
    const histogram::Steps& steps() const { return steps_; }
    const QImage& picHist() const { return picHist_; }
    // What the control's surface shows.
    const QImage& surface() const { return surface_; }
    // Number of times the graph was drawn (a skipped redraw does not count).
    std::uint64_t drawCount() const { return drawCount_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void resetBuffer();
    void applySurfaceLook();
    void recomputeGeometry();
    void syncGeometry();
    void drawGraph();
    int borderWidth() const;

    HistogramProperties props_;
    std::vector<std::int32_t> points_;
    std::int32_t nextSlot_ = 1;
    histogram::Steps steps_;
    QImage picHist_;
    QImage surface_;
    ColorRef picHistBack_ = 0;  // resolved; taken from BackColor when settings are loaded
    ColorRef surfaceBack_ = 0;
    int penWidth_ = 1;           // the pen width left from the last drawing
    bool drawnCurrent_ = false;  // the last drawing shows the current buffer and settings
    std::uint64_t drawCount_ = 0;
};

// Design-time settings of the monitor page's two graphs (ucHistogram1, ucHistogram2).
PropertyBag monitorHistogramDesignBag();
// The monitor page's graphs at their design-time places (pixels within the page).
ucHistogram* makeUcHistogram1(QWidget* parent);
ucHistogram* makeUcHistogram2(QWidget* parent);

}  // namespace quorvex
