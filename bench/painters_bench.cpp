#include <benchmark/benchmark.h>

#include <cmath>

#include "controls/chameleon_button_painter.h"
#include "controls/histogram_graph.h"
#include "controls/xp_progress_bar_painter.h"

namespace {

using namespace quorvex;

// The painters alone, on the core surface, without a toolkit: text costs nothing here, so these
// figures are what the Windows program and the Qt widgets share.
class NoText : public TextRenderer {
  public:
    TextExtent measure(const FontSpec&, std::string_view) override { return {30, 13}; }
    void draw(PixelSurface&, const FontSpec&, std::string_view, ColorRef, const PixelRect&,
              unsigned, const PixelRect&) override {}
};

std::int32_t sample(int i) {
    return static_cast<std::int32_t>(50 + 45 * std::sin(i / 5.0));
}

// What the meter does once a second, on the core graph.
void BM_CoreHistogramNextPointFull(benchmark::State& state) {
    HistogramGraph graph(monitorHistogramDesignBag());
    graph.setControlSize(191, 201);
    for (int i = 0; i < 100; ++i) graph.nextPoint(sample(i));
    int i = 100;
    for (auto _ : state) graph.nextPoint(sample(i++));
}
BENCHMARK(BM_CoreHistogramNextPointFull);

// One paint of a 137 x 20 bar per style.
void BM_CoreBarPaint(benchmark::State& state) {
    NoText text;
    PixelSurface surface(137, 20);
    progressbar::BarState s;
    s.Color = colour::rgb(49, 106, 197);
    s.Percent = 63;
    s.Scrolling = static_cast<std::int32_t>(state.range(0));
    s.ShowText = true;
    for (auto _ : state) progressbar::DrawProgressBar(surface, 137, 20, s, text);
}
BENCHMARK(BM_CoreBarPaint)->DenseRange(0, 9);

// One paint of the Firefox page's button (look 3).
void BM_CoreButtonPaint(benchmark::State& state) {
    NoText text;
    button::Look look;
    look.buttonType = ButtonLook::WindowsXp;
    look.caption = "Enable Optimized Configuration";
    look.colours = button::deriveColours({});
    for (auto _ : state) benchmark::DoNotOptimize(button::paintButton(417, 33, look, text));
}
BENCHMARK(BM_CoreButtonPaint);

}  // namespace
