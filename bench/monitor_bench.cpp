#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <memory>
#include <string>

#include "model/window_model.h"
#include "monitor/interface_snapshot.h"
#include "monitor/interface_table_source.h"
#include "monitor/traffic_meter.h"
#include "platform/event_pump.h"
#include "platform/prompts.h"

#if defined(__linux__)
#include "monitor/linux_interface_table_source.h"
#endif

namespace {

using namespace quorvex;

class SilentPrompts : public Prompts {
  public:
    MessageAnswer showMessage(const MessageRequest&) override { return MessageAnswer::Ok; }
    void offerRestart() override {}
};

class NullSink : public SampleSink {
  public:
    void NextPoint(std::int32_t value) override { benchmark::DoNotOptimize(value); }
};

class NullBar : public BarSink {
  public:
    bool setValue(std::int32_t value) override {
        benchmark::DoNotOptimize(value);
        return true;
    }
};

// The floor: one plain read of the kernel's counters text.
void BM_ReadProcNetDev(benchmark::State& state) {
    std::string text;
    char chunk[4096];
    for (auto _ : state) {
        text.clear();
        const int fd = ::open("/proc/net/dev", O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            state.SkipWithError("/proc/net/dev cannot be read");
            return;
        }
        ssize_t n;
        while ((n = ::read(fd, chunk, sizeof chunk)) > 0) text.append(chunk, std::size_t(n));
        ::close(fd);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_ReadProcNetDev);

// One snapshot with the system's source: every interface with its details and both sums.
void BM_SnapshotSystemSource(benchmark::State& state) {
    auto source = MakeSystemInterfaceTableSource();
    SilentPrompts prompts;
    CIpHelper helper(*source, prompts);
    for (auto _ : state) {
        auto list = helper.Interfaces();
        benchmark::DoNotOptimize(list.get());
    }
    state.counters["interfaces"] = static_cast<double>(helper.Interfaces()->Count());
}
BENCHMARK(BM_SnapshotSystemSource);

#if defined(__linux__)
// The same with netlink switched off, counters from /proc/net/dev only (the fallback).
void BM_SnapshotProcNetDevOnly(benchmark::State& state) {
    LinuxInterfaceTableSource source;
    source.setNetlinkEnabled(false);
    SilentPrompts prompts;
    CIpHelper helper(source, prompts);
    for (auto _ : state) {
        auto list = helper.Interfaces();
        benchmark::DoNotOptimize(list.get());
    }
}
BENCHMARK(BM_SnapshotProcNetDevOnly);
#endif

// One whole meter update with the system's source: snapshot, every figure, graphs and bars.
void BM_MeterUpdateSystemSource(benchmark::State& state) {
    auto source = MakeSystemInterfaceTableSource();
    SilentPrompts prompts;
    CIpHelper helper(*source, prompts);
    WindowModel window;
    ControlModel& controls = window.controls();
    NullSink graph1, graph2;
    NullBar bar1, bar2, bar3, bar4;
    NullEventPump pump;
    TrafficMeter meter(controls, helper, MeterDisplays{graph1, graph2, bar1, bar4, bar2, bar3},
                       pump);
    meter.Start();
    meter.UpdateTrafficMeter();
    for (auto _ : state) meter.UpdateTrafficMeter();
}
BENCHMARK(BM_MeterUpdateSystemSource);

}  // namespace
