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
#include "tuning/file_registry_backend.h"
#include "undo/undo_commands.h"
#include "undo/undo_recorder.h"

namespace {

using namespace quorvex;
using quorvex::bench::BenchLocations;
using quorvex::bench::YesPrompts;
namespace fs = std::filesystem;

struct Bench {
    explicit Bench(bool keepRecords)
        : root(fs::temp_directory_path() /
               ("quorvex-bench-undo-" + std::to_string(std::random_device{}()))),
          registry((root / "data" / "registry.reg").string()),
          records(root / "data") {
        locations.program = root / "program";
        bench::writeProgramFolder(locations.program);
        restoreWindowState(window, settings);
        if (keepRecords) commands.context().recorder = &recorder;
    }
    ~Bench() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }

    fs::path root;
    WindowModel window;
    FileRegistryBackend registry;
    MemorySettingsStorage settings;
    YesPrompts prompts;
    NullEventPump events;
    BenchLocations locations;  // no Firefox profiles: the figure is the store's and records'
    SystemClock clock;
    undo::RecordStore records;
    undo::UndoRecorder recorder{records};
    TuningCommands commands{
        CommandContext{{registry, settings, prompts, events, locations, clock}, window}};
};

// "Everything Automatically" on the registry file store, alternating two connection kinds,
// without (records=0) and with (records=1) the undo records taken before the first write.
void BM_AutomaticOptimizationFileStore(benchmark::State& state) {
    Bench bench(state.range(0) != 0);
    bool optimized = false;
    for (auto _ : state) {
        optimized = !optimized;
        bench.window.controls().setListText("Combo3", optimized
                                                          ? "DSL Or Cable Modem (16 Megabit And Up)"
                                                          : "Satellite (6 Megabit And Up)");
        bench.commands.automaticOptimization();
    }
}
BENCHMARK(BM_AutomaticOptimizationFileStore)
    ->ArgName("records")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// Taking one record (nineteen values read from the file store, both files written).
void BM_TakeRecordsFileStore(benchmark::State& state) {
    Bench bench(true);
    bench.window.controls().setListText("Combo3", "DSL Or Cable Modem (16 Megabit And Up)");
    bench.commands.automaticOptimization();
    for (auto _ : state)
        benchmark::DoNotOptimize(bench.recorder.recordBeforeFirstWrite(bench.commands.context()));
}
BENCHMARK(BM_TakeRecordsFileStore)->Unit(benchmark::kMillisecond);

// "Undo Last Change" on the file store: read the record, put back nineteen values, restore.
void BM_UndoLastChangeFileStore(benchmark::State& state) {
    Bench bench(true);
    undo::UndoCommands undo(bench.commands, bench.records);
    for (const char* kind :
         {"DSL Or Cable Modem (16 Megabit And Up)", "Satellite (6 Megabit And Up)"}) {
        bench.window.controls().setListText("Combo3", kind);
        bench.commands.automaticOptimization();
    }
    for (auto _ : state) undo.undoLastChange();
}
BENCHMARK(BM_UndoLastChangeFileStore)->Unit(benchmark::kMillisecond);

}  // namespace
