#include "monitor/traffic_meter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "interface_tables.h"
#include "model/window_model.h"
#include "monitor/second_pacer.h"
#include "monitor_fakes.h"

namespace quorvex {
namespace {

using ::testing::Each;
using ::testing::ElementsAre;

class TrafficMeterTest : public ::testing::Test {
  protected:
    TrafficMeterTest() {
        source.set(1'000'000, 500'000);
        meter.SetTimerSwitch([this](bool on) { timerOn = on; });
    }

    // One clock second in which the given bytes moved.
    void second(std::uint64_t received, std::uint64_t sent) {
        source.add(received, sent);
        meter.UpdateTrafficMeter();
    }
    // Start, then the first update, which takes the bases.
    void startRun() {
        meter.Start();
        meter.UpdateTrafficMeter();
    }
    std::string text(const char* element) const { return controls.text(element); }
    std::map<std::string, std::string> visibleTexts() const {
        std::map<std::string, std::string> texts;
        for (const char* label : {"lblDownloadSpeedTop", "lblUploadSpeedTop", "Label77", "Label78",
                                  "Label54", "Label62", "MaximumDownload", "MaximumUpload",
                                  "Label79", "Label81", "Label52", "Label83", "Label84", "Label30"})
            texts[label] = controls.text(label);
        return texts;
    }

    WindowModel window;
    ControlModel& controls = window.controls();
    monitor_testing::FakeTableSource source;
    monitor_testing::FakePrompts prompts;
    CIpHelper helper{source, prompts};
    monitor_testing::FakePump pump;
    monitor_testing::RecordingSink graph1, graph2;
    monitor_testing::RecordingBar bar1, bar4, bar2, bar3;
    TrafficMeter meter{controls, helper, MeterDisplays{graph1, graph2, bar1, bar4, bar2, bar3},
                       pump, monitor::NumberLocale{".", ","}};
    bool timerOn = false;
};

TEST_F(TrafficMeterTest, LoadAndStartTexts) {
    EXPECT_EQ(text("lblDownloadSpeedTop"), "0.0 KB/S");
    EXPECT_EQ(text("Label30"), "0.00 Kbits/s");
    EXPECT_EQ(text("Text12"), "1");
    EXPECT_EQ(text("lblRecv"), "0");
    controls.setText("Label54", "9.00 MBs");
    controls.setText("Text11", "7");
    controls.setText("Label83", "40.0%");
    meter.Start();
    EXPECT_TRUE(timerOn);
    EXPECT_TRUE(meter.Running());
    for (const char* label :
         {"lblDownloadSpeedTop", "lblUploadSpeedTop", "MaximumDownload", "MaximumUpload"})
        EXPECT_EQ(text(label), "0.0 KB/s") << label;
    EXPECT_EQ(text("Label54"), "0.00 KBs");
    EXPECT_EQ(text("Label62"), "0.00 KBs");
    EXPECT_EQ(text("Label30"), "0.00 Kbits/s");
    EXPECT_EQ(text("Text11"), "1");
    EXPECT_EQ(text("Label83"), "40.0%");  // shares keep what they show until an update
}

TEST_F(TrafficMeterTest, FirstUpdateTakesTheBasesAndShowsZero) {
    controls.setText("Text2", "37");
    startRun();
    EXPECT_EQ(text("lblRecv"), "00.00000");
    EXPECT_EQ(text("Label79"), "0");
    EXPECT_EQ(text("Label52"), "0");
    EXPECT_EQ(text("lblDownloadSpeedTop"), "0.0 KB/s");
    EXPECT_EQ(text("Label77"), "0.0 KB/s");
    // No best yet: utilisation keeps its previous value and feeds it again.
    EXPECT_THAT(graph1.samples, ElementsAre(37));
    EXPECT_THAT(bar2.values, ElementsAre(37));
    EXPECT_TRUE(bar1.values.empty());
}

TEST_F(TrafficMeterTest, ThousandBytesInTheFirstSecond) {
    startRun();
    second(1000, 0);
    EXPECT_EQ(text("lblRecv"), "00.97656");
    EXPECT_EQ(text("Label79"), "8000");
    EXPECT_EQ(text("Label52"), "8000");
    EXPECT_EQ(text("lblDownloadSpeedTop"), "1.0 KB/s");
    EXPECT_EQ(meter.ReceiveRate(), 1.0);
    EXPECT_EQ(text("MaximumDownload"), "1.0 KB/s");
    EXPECT_EQ(text("Label30"), "8.00 Kbits/s");
    EXPECT_EQ(text("Text2"), "100");
    EXPECT_EQ(graph1.samples.back(), 100);
    EXPECT_EQ(bar2.values.back(), 100);
    EXPECT_EQ(text("Label54"), "0.98 KBs");
    EXPECT_EQ(text("Label77"), "0.0 KB/s");  // (1 + 1) / 2 renders as 1.0
    EXPECT_EQ(text("Text12"), "2");
    EXPECT_EQ(text("Text11"), "2");
    // Download only: its share is all of it, the upload share keeps its previous state.
    EXPECT_EQ(text("Label83"), "100.0%");
    EXPECT_THAT(bar1.values, ElementsAre(100));
    EXPECT_EQ(text("Label84"), "0%");
    EXPECT_TRUE(bar4.values.empty());
    EXPECT_EQ(text("Text3"), "0");
}

TEST_F(TrafficMeterTest, UtilisationIsTheShareOfTheBest) {
    startRun();
    second(1000 * 1024, 0);
    second(500 * 1024, 0);
    EXPECT_EQ(text("MaximumDownloadHolder"), "1000");
    EXPECT_EQ(text("MaximumDownload"), "1000.0 KB/s");
    EXPECT_EQ(text("lblDownloadSpeedTop"), "500.0 KB/s");
    EXPECT_EQ(text("Text2"), "50");
    EXPECT_EQ(graph1.samples.back(), 50);
    EXPECT_EQ(bar2.values.back(), 50);
    EXPECT_EQ(text("Label77"), "500.3 KB/s");  // (1 + 1000 + 500) / 3: the start value counts
    EXPECT_EQ(text("Label30"), "8.19 Mbit/s");
    EXPECT_EQ(text("Label54"), "1.46 MBs");
}

TEST_F(TrafficMeterTest, SharesOfBothDirections) {
    startRun();
    second(3000, 1000);
    EXPECT_EQ(text("Label83"), "75.0%");
    EXPECT_EQ(text("Label84"), "25.0%");
    EXPECT_THAT(bar1.values, ElementsAre(75));
    EXPECT_THAT(bar4.values, ElementsAre(25));
    EXPECT_EQ(text("Label81"), "8000");
    EXPECT_EQ(text("Label62"), "1.0 KBs");  // upload shows one decimal
}

TEST_F(TrafficMeterTest, ExactlyPointOneNeitherCountsNorResets) {
    startRun();
    second(5 * 1024, 0);  // 5 KB/s counts
    EXPECT_EQ(text("Text12"), "6");
    EXPECT_EQ(text("Text11"), "2");
    second(102, 0);  // 0.09961 KB, shown as 0.1
    EXPECT_EQ(meter.ReceiveRate(), 0.1);
    EXPECT_EQ(text("Text12"), "6");
    EXPECT_EQ(text("Text11"), "2");
    EXPECT_EQ(text("Label77"), "3.0 KB/s");
    second(0, 0);  // below 0.1 restarts the average
    EXPECT_EQ(text("Text12"), "1");
    EXPECT_EQ(text("Text11"), "1");
    EXPECT_EQ(text("Label77"), "0.0 KB/s");
}

TEST_F(TrafficMeterTest, EqualAmountsAboveTenKilobytesStopAfterTheStepTexts) {
    startRun();
    second(1024, 1024);
    const auto before = visibleTexts();
    const std::string volume = text("Text6");
    const auto samples = graph1.samples.size();
    second(12800, 12800);  // 12.5 KB each way
    EXPECT_EQ(text("Text8"), "12.5000");
    EXPECT_EQ(text("Text9"), "12.5000");
    EXPECT_EQ(text("Label49"), text("lblRecv"));  // already moved on
    EXPECT_EQ(text("Text6"), volume);             // those KB are missing from the volume
    EXPECT_EQ(visibleTexts()["lblDownloadSpeedTop"], before.at("lblDownloadSpeedTop"));
    EXPECT_EQ(graph1.samples.size(), samples);

    second(10240, 10240);  // 10 KB each way goes through
    EXPECT_EQ(text("lblDownloadSpeedTop"), "10.0 KB/s");
    EXPECT_EQ(graph1.samples.size(), samples + 1);
}

TEST_F(TrafficMeterTest, NoInterfaceChangesNothing) {
    source.table.clear();
    meter.Start();
    const auto before = visibleTexts();
    for (int i = 0; i < 5; ++i) meter.UpdateTrafficMeter();
    EXPECT_EQ(source.reads, 5);
    EXPECT_EQ(visibleTexts(), before);
    EXPECT_TRUE(graph1.samples.empty());
    EXPECT_TRUE(bar2.values.empty());
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(TrafficMeterTest, NoInterfaceTableShowsTheMessageAndNoFigures) {
    source.result = TableResult::NotSupported;
    startRun();
    meter.UpdateTrafficMeter();
    EXPECT_EQ(prompts.shown.size(), 2u);
    EXPECT_TRUE(graph1.samples.empty());
    EXPECT_EQ(text("Label79"), "0.00");
}

TEST_F(TrafficMeterTest, SumBelowItsBaseRebasesWithoutNegativeFigures) {
    startRun();
    second(4096, 2048);
    second(2048, 2048);
    EXPECT_EQ(pump.runs, 0);
    const std::string volume = text("Text6");
    source.set(10, 999'999'999);  // the download sum falls below its base (a reset)
    meter.UpdateTrafficMeter();
    EXPECT_EQ(pump.runs, 1);
    EXPECT_EQ(text("lblRecv"), "00.00000");
    EXPECT_EQ(text("Text8"), "00.0000");
    EXPECT_EQ(text("lblDownloadSpeedTop"), "0.0 KB/s");
    EXPECT_EQ(text("Text6"), volume);  // the run's volume is kept
    EXPECT_EQ(text("MaximumDownloadHolder"), "4");
    EXPECT_EQ(text("Text2"), "0");
    EXPECT_EQ(graph1.samples.back(), 0);
    second(3072, 0);  // counting resumes from the new base
    EXPECT_EQ(text("lblRecv"), "03.00000");
    EXPECT_EQ(text("lblDownloadSpeedTop"), "3.0 KB/s");
    EXPECT_EQ(text("Text2"), "75");
    for (int v : graph1.samples) EXPECT_GE(v, 0);
}

TEST_F(TrafficMeterTest, ALargeRunKeepsItsVolumeUnitAcrossARebase) {
    startRun();
    for (int i = 0; i < 50; ++i) second(100ull << 20, 1ull << 20);  // 5000 MB down, 50 MB up
    EXPECT_EQ(text("Label54"), "4.88 GBs");
    EXPECT_EQ(text("Label62"), "50.00 MBs");
    source.set(10, 10);  // every counter restarts
    meter.UpdateTrafficMeter();
    EXPECT_EQ(text("lblRecv"), "00.00000");
    EXPECT_EQ(text("Label54"), "4.88 GBs");
    EXPECT_EQ(text("Label62"), "50.00 MBs");
    second(2ull << 20, 0);
    EXPECT_EQ(text("Label54"), "4.88 GBs");
    EXPECT_EQ(text("Label62"), "50.00 MBs");
}

TEST_F(TrafficMeterTest, SumFallingButStillAboveItsBaseCountsNoNegativeSpeed) {
    source.table = {{"eth0", 1000, 0}, {"eth1", 1000, 0}};
    startRun();
    source.table[1].received += 20480;  // 20 KB
    meter.UpdateTrafficMeter();
    source.table[1].received = 5120;  // eth1 was reset; the sum stays above the base
    meter.UpdateTrafficMeter();
    EXPECT_EQ(pump.runs, 1);
    EXPECT_EQ(text("lblDownloadSpeedTop"), "0.0 KB/s");
    EXPECT_EQ(text("Text6"), "20");
    for (int v : graph1.samples) EXPECT_GE(v, 0);
}

TEST_F(TrafficMeterTest, CountersCrossingTwoToThe31And32NeverRebase) {
    source.set((1ull << 31) - 1000, (1ull << 32) - 500);
    startRun();
    second(2048, 1024);
    EXPECT_EQ(pump.runs, 0);
    EXPECT_EQ(text("lblRecv"), "02.00000");
    EXPECT_EQ(text("lblSent"), "01.00000");
    source.set((1ull << 32) + 5000, (1ull << 33));
    meter.UpdateTrafficMeter();
    EXPECT_EQ(pump.runs, 0);
    const double expected = (double((1ull << 32) + 5000) - double((1ull << 31) - 1000)) / 1024;
    EXPECT_EQ(monitor::ParseNumber(text("lblRecv"), {}),
              *monitor::ParseNumber(
                  monitor::FormatNumber(expected, monitor::patterns::kTotalKb, {}), {}));
    EXPECT_EQ(text("Label79"),
              monitor::FormatNumber((double((1ull << 32) + 5000) - double((1ull << 31) - 1000)) * 8,
                                    monitor::patterns::kWhole, {}));
}

TEST_F(TrafficMeterTest, BestOfQuarterGigabytePerSecondStillShowsAndGoesOn) {
    startRun();
    second(262144ull * 1024, 1024);
    EXPECT_EQ(text("Label30"), "2,147.48 Mbit/s");
    EXPECT_EQ(text("MaximumUploadHolder"), "1");
    EXPECT_EQ(text("Text2"), "100");
    EXPECT_EQ(text("Text3"), "100");
    EXPECT_EQ(graph2.samples.back(), 100);
}

TEST_F(TrafficMeterTest, FailingControlEndsTheUpdateAndKeepsWhatWasWritten) {
    startRun();
    bar1.fails = true;
    second(1000, 0);
    EXPECT_EQ(text("Label79"), "8000");  // written before the failure
    EXPECT_EQ(text("Label83"), "0%");
    EXPECT_EQ(text("Label49"), "00.00000");  // the per-update copy was never reached
    EXPECT_EQ(text("lblDownloadSpeedTop"), "0.0 KB/s");

    bar1.fails = false;
    bar2.fails = true;
    second(1000, 0);
    EXPECT_EQ(text("lblDownloadSpeedTop"), "2.0 KB/s");  // the missed KB count now
    EXPECT_EQ(bar2.values.size(), 2u);
    EXPECT_EQ(bar3.values.size(), 1u);  // only from the first update
}

TEST_F(TrafficMeterTest, TriggersDuringAnUpdateAreDropped) {
    startRun();
    const int reads = source.reads;
    pump.onProcess = [this] { meter.UpdateTrafficMeter(); };
    source.set(0, 0);  // re-base: events run inside the update
    meter.UpdateTrafficMeter();
    EXPECT_EQ(pump.runs, 2);
    EXPECT_EQ(source.reads, reads + 1);

    source.result = TableResult::NotSupported;
    prompts.onMessage = [this](const MessageRequest&) { meter.UpdateTrafficMeter(); };
    meter.UpdateTrafficMeter();
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(source.reads, reads + 2);
}

TEST_F(TrafficMeterTest, StopFlattensTheGraphsAndLeavesTheFigures) {
    startRun();
    second(1000, 0);
    graph1.samples.clear();
    const auto before = visibleTexts();
    meter.Stop();
    EXPECT_FALSE(timerOn);
    EXPECT_FALSE(meter.Running());
    EXPECT_EQ(graph1.samples.size(), 200u);
    EXPECT_EQ(graph2.samples.size(), 200u + 2u);
    EXPECT_THAT(graph1.samples, Each(0));
    EXPECT_EQ(pump.runs, 200);
    EXPECT_EQ(visibleTexts(), before);
}

TEST_F(TrafficMeterTest, StopWithoutFlatteningLeavesTheGraphsToTheWindow) {
    startRun();
    second(1000, 0);
    const auto samples = graph1.samples.size();
    meter.Stop(/*flattenGraphs=*/false);
    EXPECT_FALSE(timerOn);
    EXPECT_FALSE(meter.Running());
    EXPECT_EQ(graph1.samples.size(), samples);
    EXPECT_EQ(pump.runs, 0);
}

TEST_F(TrafficMeterTest, CommaDecimalLocale) {
    meter.SetLocale({",", "."});
    startRun();
    second(1000, 0);
    EXPECT_EQ(text("lblRecv"), "00,97656");
    EXPECT_EQ(text("lblDownloadSpeedTop"), "1,0 KB/s");
    EXPECT_EQ(text("Label77"), "0,0 KB/s");  // the start state shows as zero here too
    EXPECT_EQ(text("Label30"), "8,00 Kbits/s");
    EXPECT_EQ(text("Text2"), "100");
    second(1000 * 1024, 0);
    EXPECT_EQ(text("Label52"), "8200000");
    EXPECT_EQ(text("Text6"), "1000,97656");
}

// The pace: a one-shot timer aimed just past each second boundary, firing with jitter.
TEST_F(TrafficMeterTest, TenSecondsGiveTenOrElevenUpdates) {
    std::mt19937 random(4);
    for (int startMs : {0, 1, 300, 995, 999}) {
        monitor_testing::FakeClock clock;
        clock.advance(std::chrono::milliseconds(startMs));
        SecondPacer pacer(clock);
        const auto end = clock.time + std::chrono::seconds(10);
        meter.Start();
        pacer.Reset();
        const int reads = source.reads;
        while (clock.time < end) {
            if (pacer.SecondChanged()) meter.UpdateTrafficMeter();
            // Timers may fire up to 4 ms early or 30 ms late.
            const auto jitter = std::chrono::milliseconds(int(random() % 35) - 4);
            clock.advance(pacer.DelayToNextSecond() + jitter);
        }
        const int updates = source.reads - reads;
        EXPECT_GE(updates, 10) << startMs;
        EXPECT_LE(updates, 11) << startMs;
    }
    EXPECT_EQ(text("lblDownloadSpeedTop"), "0.0 KB/s");
}

// One meter with its page, its displays and a table of its own.
struct MeterRig {
    explicit MeterRig(monitor_testing::Table table) { source.table = std::move(table); }

    std::map<std::string, std::string> texts() const {
        std::map<std::string, std::string> all;
        for (const char* element :
             {"lblDownloadSpeedTop", "lblUploadSpeedTop", "Label77", "Label78", "Label54",
              "Label62", "MaximumDownload", "MaximumUpload", "Label79", "Label81", "Label52",
              "Label83", "Label84", "Label30", "Text2", "Text3"})
            all[element] = controls.text(element);
        return all;
    }

    WindowModel window;
    ControlModel& controls = window.controls();
    monitor_testing::FakeTableSource source;
    monitor_testing::FakePrompts prompts;
    CIpHelper helper{source, prompts};
    monitor_testing::FakePump pump;
    monitor_testing::RecordingSink graph1, graph2;
    monitor_testing::RecordingBar bar1, bar4, bar2, bar3;
    TrafficMeter meter{controls, helper, MeterDisplays{graph1, graph2, bar1, bar4, bar2, bar3},
                       pump, monitor::NumberLocale{".", ","}};
};

TEST(TrafficMeterOnAWindowsTableTest, FiguresEqualThoseOfTheEthernetAdapterAlone) {
    using monitor_testing::AddTraffic;
    MeterRig pc(monitor_testing::Windows11Pc());
    MeterRig alone(monitor_testing::Table{pc.source.table.front()});
    ASSERT_EQ(alone.source.table.front().name, "Ethernet");

    struct Second {
        std::uint64_t hostIn, hostOut;  // the computer's own traffic
        std::uint64_t vmIn, vmOut;      // virtual machines behind the Default Switch
        std::uint64_t teredoIn, teredoOut;
        std::uint64_t loopback;
    };
    const Second seconds[] = {
        {512'000, 40'960, 0, 0, 0, 0, 65'536},
        {2'621'440, 81'920, 1'048'576, 20'480, 0, 0, 0},
        {1'310'720, 1'310'720, 0, 0, 4'096, 2'048, 10'240},
        {0, 0, 3'145'728, 102'400, 0, 0, 0},
        {20'480, 20'480, 0, 0, 0, 0, 1'048'576},
        {5'242'880, 204'800, 524'288, 8'192, 1'024, 512, 0},
    };
    pc.meter.Start();
    alone.meter.Start();
    pc.meter.UpdateTrafficMeter();
    alone.meter.UpdateTrafficMeter();
    for (const Second& s : seconds) {
        // Everything but loopback crosses the Ethernet adapter, whose filters see it too.
        const std::uint64_t wireIn = s.hostIn + s.vmIn + s.teredoIn;
        const std::uint64_t wireOut = s.hostOut + s.vmOut + s.teredoOut;
        AddTraffic(pc.source.table, "Ethernet", wireIn, wireOut);
        AddTraffic(alone.source.table, "Ethernet", wireIn, wireOut);
        AddTraffic(pc.source.table, "vEthernet (Default Switch)", s.vmIn, s.vmOut);
        AddTraffic(pc.source.table, "Teredo", s.teredoIn, s.teredoOut);
        AddTraffic(pc.source.table, "Loopback", s.loopback, s.loopback);
        pc.meter.UpdateTrafficMeter();
        alone.meter.UpdateTrafficMeter();
        EXPECT_EQ(pc.texts(), alone.texts());
    }
    EXPECT_EQ(pc.controls.text("MaximumDownload"), "5.5 MB/s");  // the busiest second on the wire
    EXPECT_EQ(pc.graph1.samples, alone.graph1.samples);
    EXPECT_EQ(pc.graph2.samples, alone.graph2.samples);
    EXPECT_EQ(pc.bar1.values, alone.bar1.values);
    EXPECT_EQ(pc.bar4.values, alone.bar4.values);
    EXPECT_EQ(pc.bar2.values, alone.bar2.values);
    EXPECT_EQ(pc.bar3.values, alone.bar3.values);
}

}  // namespace
}  // namespace quorvex
