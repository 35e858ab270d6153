#pragma once

#include <QString>
#include <QWidget>

#include <functional>

#include "monitor/meter_sinks.h"

namespace quorvex {

// The owner-drawn controls the window places, made in one spot so that the window does not
// depend on their classes. Each maker creates the widget as a child of `parent`, named `name`.
struct HistogramControl {
    QWidget* widget = nullptr;
    SampleSink* sink = nullptr;
};

struct BarControl {
    QWidget* widget = nullptr;
    BarSink* sink = nullptr;
};

// The two looks of the monitor page's bars.
enum class BarLook {
    Share,        // horizontal, RGB (192, 192, 192), scrolling style 6
    Utilisation,  // vertical, RGB (64, 64, 64), scrolling style 1
};

struct ControlFactory {
    std::function<HistogramControl(QWidget* parent, const QString& name)> histogram;
    std::function<BarControl(QWidget* parent, const QString& name, BarLook look)> progressBar;
    // A push button with the caption as its text; `onClick` runs on each click.
    std::function<QWidget*(QWidget* parent, const QString& name, const QString& caption,
                           std::function<void()> onClick)>
        pushButton;
};

// The controls the program uses.
ControlFactory defaultControlFactory();

}  // namespace quorvex
