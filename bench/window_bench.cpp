#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/form1.h"
#include "shell/main_window_commands.h"
#include "tuning/window_model.h"

namespace {

using namespace quorvex;

// The window's benchmarks need one application object on the offscreen platform.
void ensureApplication() {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quorvex_bench";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}

// What the splash's first tick costs: the main window made and loaded (no restore wired).
void BM_MainWindowCreateAndLoad(benchmark::State& state) {
    ensureApplication();
    for (auto _ : state) {
        WindowModel model;
        MainWindowCommands commands(model.controls(), {});
        Form1 form(model, commands);
        form.applyIcon();
        form.refresh();
        benchmark::DoNotOptimize(form.currentPage());
    }
}
BENCHMARK(BM_MainWindowCreateAndLoad)->Unit(benchmark::kMillisecond);

// One navigation command: a settings page and back home.
void BM_PageSwitch(benchmark::State& state) {
    ensureApplication();
    WindowModel model;
    MainWindowCommands commands(model.controls(), {});
    Form1 form(model, commands);
    for (auto _ : state) {
        commands.showAdvancedSettings();
        commands.showHome();
    }
}
BENCHMARK(BM_PageSwitch)->Unit(benchmark::kMicrosecond);

// A connection chosen on a page while the window shows it: the handler and every bound widget.
void BM_ConnectionChoiceWithBoundWidgets(benchmark::State& state) {
    ensureApplication();
    WindowModel model;
    MainWindowCommands commands(model.controls(), {});
    Form1 form(model, commands);
    form.refresh();
    bool flip = false;
    for (auto _ : state) {
        model.controls().setOption(flip ? "Option13" : "Option19", true);
        flip = !flip;
    }
}
BENCHMARK(BM_ConnectionChoiceWithBoundWidgets)->Unit(benchmark::kMicrosecond);

}  // namespace
