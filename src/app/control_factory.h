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

// The real controls take their design-time settings from their names: "ucHistogram1" and
// "ucHistogram2", "XP_ProgressBar1" to "XP_ProgressBar4", "chameleonButton2" and
// "chameleonButton3".
struct ControlFactory {
    std::function<HistogramControl(QWidget* parent, const QString& name)> histogram;
    std::function<BarControl(QWidget* parent, const QString& name)> progressBar;
    // A push button with the caption as its text; `onClick` runs on each click.
    std::function<QWidget*(QWidget* parent, const QString& name, const QString& caption,
                           std::function<void()> onClick)>
        pushButton;
};

// The program's owner-drawn controls: the histogram, the progress bar and the push button.
ControlFactory defaultControlFactory();

}  // namespace quorvex
