#pragma once

#include <QString>
#include <QWidget>

#include <functional>

#include "model/monitor_description.h"
#include "model/settings_description.h"
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

// The bars and buttons are made as the window's description designs them, named and placed
// there; the histograms take their design-time settings from their names ("ucHistogram1" and
// "ucHistogram2").
struct ControlFactory {
    std::function<HistogramControl(QWidget* parent, const QString& name)> histogram;
    std::function<BarControl(QWidget* parent, const layout::Bar& bar)> progressBar;
    // A push button with its caption as its text; `onClick` runs on each click.
    std::function<QWidget*(QWidget* parent, const layout::Button& button,
                           std::function<void()> onClick)>
        pushButton;
};

// The program's owner-drawn controls: the histogram, the progress bar and the push button.
ControlFactory defaultControlFactory();

}  // namespace quorvex
