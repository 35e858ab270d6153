#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "model/control_model.h"
#include "monitor/interface_snapshot.h"
#include "monitor/meter_sinks.h"
#include "monitor/number_format.h"
#include "monitor/zero_feed.h"
#include "platform/event_pump.h"

namespace quorvex {

// The displays the meter feeds besides its labels.
struct MeterDisplays {
    SampleSink& downloadGraph;     // ucHistogram1
    SampleSink& uploadGraph;       // ucHistogram2
    BarSink& downloadShare;        // XP_ProgressBar1
    BarSink& uploadShare;          // XP_ProgressBar4
    BarSink& downloadUtilisation;  // XP_ProgressBar2
    BarSink& uploadUtilisation;    // XP_ProgressBar3
};

// The monitor page's once-a-second meter. Every figure it keeps between updates lives as text in
// the window's hidden holders (ControlModel elements such as "lblRecv", "Label49", "Text6"),
// written and read with the user's number separators; what the page shows is written to its labels.
// Counts run from the byte sums at Start. An update ends silently at its first failure.
class TrafficMeter {
  public:
    // Zero samples fed to each graph when the meter stops, enough to flatten it.
    static constexpr int kFlattenSamples = monitor::kZeroLoop;

    TrafficMeter(ControlModel& controls, CIpHelper& ipHelper, MeterDisplays displays,
                 EventPump& pump, monitor::NumberLocale locale = {});

    // Puts the page's labels and hidden holders at their load values.
    void LoadTexts();
    void SetLocale(monitor::NumberLocale locale) { locale_ = std::move(locale); }

    // Called with true when the pace timer must run and false when it must stop.
    void SetTimerSwitch(std::function<void(bool)> timerSwitch) {
        timerSwitch_ = std::move(timerSwitch);
    }

    // Opens a fresh run: resets the speed, best and volume labels and the average counters, and
    // lets the next update take new bases.
    void Start();
    // Stops the pace and flattens both graphs; the figures stay on the page. A window whose
    // Back command flattens the graphs itself passes false.
    void Stop(bool flattenGraphs = true);
    bool Running() const { return running_; }

    // One update: a new snapshot, then every figure of the page. A trigger that arrives while an
    // update runs (through the event pump or a message box) is dropped; the next second catches up.
    void UpdateTrafficMeter();

    double ReceiveRate() const { return download_.rate; }
    double SendRate() const { return upload_.rate; }

  private:
    // The page's elements of one direction.
    struct DirectionNames {
        const char* runKb;          // lblRecv: KB of the run from the byte sums
        const char* previousRunKb;  // Label49: runKb after the previous update
        const char* stepKb;         // Text8: KB of the last update
        const char* volume;         // Text6: KB of the run summed per update
        const char* averageSum;     // Text12
        const char* averageCount;   // Text11
        const char* averageLabel;   // Label77
        const char* volumeLabel;    // Label54
        const char* speedLabel;     // lblDownloadSpeedTop
        const char* bestHolder;     // MaximumDownloadHolder
        const char* bestLabel;      // MaximumDownload
        const char* bestBitsLabel;  // Label30; none for upload
        const char* bits;           // Label79
        const char* shareLabel;     // Label83
        const char* utilisation;    // Text2
        bool upload;
    };
    static const DirectionNames kDownload;
    static const DirectionNames kUpload;

    // One direction: its names, its displays and what the update keeps between its steps.
    struct Direction {
        const DirectionNames& names;
        SampleSink& graph;
        BarSink& shareBar;
        BarSink& utilisationBar;
        std::uint64_t sum = 0;   // byte sum of this update's snapshot
        std::uint64_t base = 0;  // byte sum at the start of the run
        // The sum at the previous update, to catch a fall that stays above the base.
        std::uint64_t previousSum = 0;
        double runBytes = 0;  // bytes since the base
        double stepKb = 0;    // KB of this update
        double rate = 0;      // stepKb rounded to one decimal
    };
    using Step = bool (TrafficMeter::*)(Direction&);

    void RunUpdate();
    // Runs the step for download, then upload; false at the first failure.
    bool ForBoth(Step step);
    std::optional<double> Number(const char* element) const;
    std::string Text(const char* element) const { return controls_.text(element); }
    void SetText(const char* element, const std::string& text) { controls_.setText(element, text); }

    // The update's steps, in the order they run.
    bool ResetRun(Direction& d);
    bool TakeSnapshot();
    bool TakeBase(Direction& d);
    bool Rebase(Direction& d);
    bool CountRun(Direction& d);
    void ShowBitTotals();
    bool UpdateShare(Direction& d);
    bool TakeStep(Direction& d);
    bool ShowStep(Direction& d);
    bool StepsEqualAboveTen();
    bool AddVolume(Direction& d);
    bool RoundRate(Direction& d);
    bool CountAverage(Direction& d);
    bool ShowVolume(Direction& d);
    bool ShowSpeeds(Direction& d);
    bool UpdateBest(Direction& d);
    bool UpdateUtilisation(Direction& d);
    bool FeedGraph(Direction& d);
    bool FeedBar(Direction& d);

    ControlModel& controls_;
    CIpHelper& ipHelper_;
    MeterDisplays displays_;
    EventPump& pump_;
    monitor::NumberLocale locale_;
    std::function<void(bool)> timerSwitch_;

    bool running_ = false;
    bool updating_ = false;
    bool firstSample_ = false;
    Direction download_;
    Direction upload_;
};

}  // namespace quorvex
