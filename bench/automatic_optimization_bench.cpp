#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "command_bench_support.h"
#include "commands/tuning_commands.h"
#include "commands/window_settings.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "settings/settings_storage.h"
#include "tuning/memory_registry_backend.h"

namespace {

using namespace quorvex;
using quorvex::bench::BenchLocations;
using quorvex::bench::YesPrompts;
namespace fs = std::filesystem;

// The whole command without dialogs: 18 registry rows, user.js into 100 profiles, 67 settings.
// With alternate=1 the two connection kinds take turns, so that every profile's user.js is
// replaced each time; with 0 the same set is applied again and is found in place.
void BM_AutomaticOptimization100Profiles(benchmark::State& state) {
    const bool alternate = state.range(0) != 0;
    const fs::path root = fs::temp_directory_path() /
                          ("quorvex-bench-auto-" + std::to_string(std::random_device{}()));
    BenchLocations locations;
    locations.program = root / "program";
    locations.appdata = root / "appdata";
    bench::writeProgramFolder(locations.program);
    const fs::path profiles = locations.appdata / "Mozilla" / "Firefox" / "Profiles";
    for (int i = 0; i < 100; ++i) fs::create_directories(profiles / ("p" + std::to_string(i)));

    WindowModel window;
    MemoryRegistryBackend registry;
    MemorySettingsStorage settings;
    YesPrompts prompts;
    NullEventPump events;
    SystemClock clock;
    restoreWindowState(window, settings);
    TuningCommands commands(
        CommandContext{{registry, settings, prompts, events, locations, clock}, window});
    const std::string dsl = "DSL Or Cable Modem (16 Megabit And Up)";
    const std::string restore = "Restore Windows Default Settings";
    bool optimized = false;
    for (auto _ : state) {
        if (alternate || !optimized) optimized = !optimized;
        window.controls().setListText("Combo3", optimized ? dsl : restore);
        commands.automaticOptimization();
    }
    std::error_code ec;
    fs::remove_all(root, ec);
}
BENCHMARK(BM_AutomaticOptimization100Profiles)
    ->ArgName("alternate")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);

}  // namespace
