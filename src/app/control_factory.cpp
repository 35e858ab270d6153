#include "app/control_factory.h"

#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cstdint>
#include <deque>

namespace quorvex {

namespace {

// Stand-in for the histogram control: a dark box with the recent samples as a line.
class PlainHistogram : public QWidget, public SampleSink {
  public:
    explicit PlainHistogram(QWidget* parent) : QWidget(parent) {}
    void NextPoint(std::int32_t value) override {
        samples_.push_back(value);
        if (samples_.size() > kPoints) samples_.pop_front();
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.setPen(QColor(192, 192, 192));
        const int n = static_cast<int>(samples_.size());
        for (int i = 1; i < n; ++i) {
            auto y = [&](int k) {
                const int v = std::clamp(samples_[static_cast<std::size_t>(k)], 0, 100);
                return height() - 1 - v * (height() - 1) / 100;
            };
            const int x0 = (i - 1) * (width() - 1) / std::max(1, n - 1);
            const int x1 = i * (width() - 1) / std::max(1, n - 1);
            painter.drawLine(x0, y(i - 1), x1, y(i));
        }
    }

  private:
    static constexpr std::size_t kPoints = 100;
    std::deque<std::int32_t> samples_;
};

// Stand-in for the progress bar control: a flat fill of the value's share.
class PlainBar : public QWidget, public BarSink {
  public:
    PlainBar(QWidget* parent, BarLook look) : QWidget(parent), look_(look) {}
    bool setValue(std::int32_t value) override {
        if (value < 0 || value > 100) return false;
        value_ = value;
        update();
        return true;
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(40, 40, 40));
        const QColor fill = look_ == BarLook::Share ? QColor(192, 192, 192) : QColor(64, 160, 220);
        if (look_ == BarLook::Share) {
            painter.fillRect(0, 0, width() * value_ / 100, height(), fill);
        } else {
            const int h = height() * value_ / 100;
            painter.fillRect(0, height() - h, width(), h, fill);
        }
    }

  private:
    BarLook look_;
    int value_ = 0;
};

}  // namespace

ControlFactory defaultControlFactory() {
    ControlFactory factory;
    factory.histogram = [](QWidget* parent, const QString& name) {
        auto* graph = new PlainHistogram(parent);
        graph->setObjectName(name);
        return HistogramControl{graph, graph};
    };
    factory.progressBar = [](QWidget* parent, const QString& name, BarLook look) {
        auto* bar = new PlainBar(parent, look);
        bar->setObjectName(name);
        return BarControl{bar, bar};
    };
    factory.pushButton = [](QWidget* parent, const QString& name, const QString& caption,
                            std::function<void()> onClick) -> QWidget* {
        auto* button = new QPushButton(caption, parent);
        button->setObjectName(name);
        QObject::connect(button, &QPushButton::clicked, button, [onClick = std::move(onClick)] {
            if (onClick) onClick();
        });
        return button;
    };
    return factory;
}

}  // namespace quorvex
