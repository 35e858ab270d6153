#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "monitor/c_ip_helper.h"
#include "monitor/meter_sinks.h"
#include "monitor/number_format.h"
#include "monitor/zero_feed.h"
#include "platform/event_pump.h"
#include "tuning/control_model.h"

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

    double ReceiveRate() const { return receiveRate_; }
    double SendRate() const { return sendRate_; }

  private:
    void RunUpdate();
    std::optional<double> Number(const char* element) const;
    std::string Text(const char* element) const { return controls_.text(element); }
    void SetText(const char* element, const std::string& text) { controls_.setText(element, text); }
    bool Rebase(std::uint64_t sum, std::uint64_t previous, std::uint64_t& base,
                const char* previousHolder);
    bool UpdateShare(const char* bits, const char* total, BarSink& bar, const char* label);

    ControlModel& controls_;
    CIpHelper& ipHelper_;
    MeterDisplays displays_;
    EventPump& pump_;
    monitor::NumberLocale locale_;
    std::function<void(bool)> timerSwitch_;

    bool running_ = false;
    bool updating_ = false;
    bool firstSample_ = false;
    std::uint64_t baseReceived_ = 0;
    std::uint64_t baseSent_ = 0;
    // The sums at the previous update, to catch a fall that stays above the base.
    std::uint64_t previousReceived_ = 0;
    std::uint64_t previousSent_ = 0;
    double receiveRate_ = 0;
    double sendRate_ = 0;
};

}  // namespace quorvex
