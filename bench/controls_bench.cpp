#include <benchmark/benchmark.h>

#include <QApplication>

#include <cmath>
#include <memory>

#include "app/controls/chameleon_button_widget.h"
#include "app/controls/uc_histogram_widget.h"
#include "app/controls/xp_progress_bar_widget.h"
#include "model/monitor_description.h"
#include "model/settings_description.h"

namespace {

using namespace quorvex;

// The benchmark program has its own main: the controls need an application, made on first use.
void ensureApplication() {
    static int argc = 1;
    static char name[] = "quorvex_bench";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QApplication> app;
    if (QApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QApplication>(argc, argv);
}

std::int32_t sample(int i) {
    return static_cast<std::int32_t>(50 + 45 * std::sin(i / 5.0));
}

// One full redraw of a monitor graph holding 100 samples: grid, 100 segments, one copy.
void BM_HistogramRedraw100Points(benchmark::State& state) {
    ensureApplication();
    ucHistogram graph(monitorHistogramDesignBag());
    graph.resize(191, 201);
    for (int i = 0; i < 100; ++i) graph.NextPoint(sample(i));
    for (auto _ : state) graph.Refresh();
}
BENCHMARK(BM_HistogramRedraw100Points);

// What the meter does once a second: scroll in one sample and redraw.
void BM_HistogramNextPointFull(benchmark::State& state) {
    ensureApplication();
    ucHistogram graph(monitorHistogramDesignBag());
    graph.resize(191, 201);
    for (int i = 0; i < 100; ++i) graph.NextPoint(sample(i));
    int i = 100;
    for (auto _ : state) graph.NextPoint(sample(i++));
}
BENCHMARK(BM_HistogramNextPointFull);

// The splash's loop: zeros into a graph that is already flat.
void BM_HistogramZeroIntoFlat(benchmark::State& state) {
    ensureApplication();
    ucHistogram graph(monitorHistogramDesignBag());
    graph.resize(191, 201);
    for (int i = 0; i < 120; ++i) graph.NextPoint(0);
    for (auto _ : state) graph.NextPoint(0);
}
BENCHMARK(BM_HistogramZeroIntoFlat);

// One repaint of a bar per style, at the monitor's horizontal size with its text shown.
void BM_BarRepaint(benchmark::State& state) {
    ensureApplication();
    XP_ProgressBar bar;
    bar.resize(137, 20);
    bar.setScrolling(static_cast<std::int32_t>(state.range(0)));
    bar.setShowText(true);
    bar.setValue(63);
    for (auto _ : state) bar.DrawProgressBar();
}
BENCHMARK(BM_BarRepaint)->DenseRange(0, 9);

// The monitor's vertical bar (style 1, 17 x 161).
void BM_BarRepaintVertical(benchmark::State& state) {
    ensureApplication();
    XP_ProgressBar bar(xpProgressBarDesignBag(layout::kUtilisationBar));
    bar.resize(17, 161);
    bar.setValue(63);
    for (auto _ : state) bar.DrawProgressBar();
}
BENCHMARK(BM_BarRepaintVertical);

// One forced redraw of the Firefox page's button.
void BM_ButtonRedraw(benchmark::State& state) {
    ensureApplication();
    chameleonButton button(
        chameleonButtonDesignBag(layout::kFirefoxButtonDesign, layout::kFirefoxButtons[1]));
    button.resize(417, 33);
    for (auto _ : state) button.Refresh();
}
BENCHMARK(BM_ButtonRedraw);

}  // namespace
