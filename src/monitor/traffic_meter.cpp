#include "monitor/traffic_meter.h"

#include <utility>

#include "monitor/rate_format.h"

namespace quorvex {

namespace p = monitor::patterns;
using monitor::FormatNumber;
using monitor::FormatPlain;

namespace {

// Holders whose load text is "0", then "1", then the labels with their own load text.
constexpr const char* kZeroHolders[] = {"lblRecv",
                                        "lblSent",
                                        "Label49",
                                        "Label50",
                                        "Text8",
                                        "Text9",
                                        "Text6",
                                        "Text7",
                                        "MaximumDownloadHolder",
                                        "MaximumUploadHolder",
                                        "Text2",
                                        "Text3",
                                        "Text10"};
constexpr const char* kAverageHolders[] = {"Text12", "Text11", "Text14", "Text13"};

struct LoadText {
    const char* element;
    const char* text;
};
constexpr LoadText kLabelLoadTexts[] = {
    {"lblDownloadSpeedTop", "0.0 KB/S"},
    {"lblUploadSpeedTop", "0.0 KB/S"},
    {"Label77", "0.0 KB/S"},
    {"Label78", "0.0 KB/S"},
    {"Label54", "0.00 KBs"},
    {"Label62", "0.00 KBs"},
    {"MaximumDownload", "0.0 KB/S"},
    {"MaximumUpload", "0.0 KB/S"},
    {"Label79", "0.00"},
    {"Label81", "0.00"},
    {"Label52", "0.00"},
    {"Label83", "0%"},
    {"Label84", "0%"},
    {"Label30", "0.00 Kbits/s"},
};

// Signed difference of two unsigned sums, in bytes.
double Difference(std::uint64_t sum, std::uint64_t base) {
    return sum >= base ? static_cast<double>(sum - base) : -static_cast<double>(base - sum);
}

// Clears a flag when an update leaves, however it leaves.
class UpdateGuard {
  public:
    explicit UpdateGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~UpdateGuard() { flag_ = false; }
    UpdateGuard(const UpdateGuard&) = delete;
    UpdateGuard& operator=(const UpdateGuard&) = delete;

  private:
    bool& flag_;
};

}  // namespace

TrafficMeter::TrafficMeter(ControlModel& controls, CIpHelper& ipHelper, MeterDisplays displays,
                           EventPump& pump, monitor::NumberLocale locale)
    : controls_(controls),
      ipHelper_(ipHelper),
      displays_(displays),
      pump_(pump),
      locale_(std::move(locale)) {
    LoadTexts();
}

void TrafficMeter::LoadTexts() {
    for (const char* holder : kZeroHolders) SetText(holder, "0");
    for (const char* holder : kAverageHolders) SetText(holder, "1");
    for (const auto& label : kLabelLoadTexts) SetText(label.element, label.text);
}

void TrafficMeter::Start() {
    for (const char* label :
         {"lblDownloadSpeedTop", "lblUploadSpeedTop", "MaximumDownload", "MaximumUpload"})
        SetText(label, "0.0 KB/s");
    SetText("Label54", "0.00 KBs");
    SetText("Label62", "0.00 KBs");
    SetText("Label30", "0.00 Kbits/s");
    for (const char* holder : kAverageHolders) SetText(holder, "1");
    firstSample_ = true;
    running_ = true;
    if (timerSwitch_) timerSwitch_(true);
}

void TrafficMeter::Stop(bool flattenGraphs) {
    running_ = false;
    if (timerSwitch_) timerSwitch_(false);
    if (!flattenGraphs) return;
    monitor::feedZeros(displays_.downloadGraph, displays_.uploadGraph, pump_, kFlattenSamples);
}

void TrafficMeter::UpdateTrafficMeter() {
    if (updating_) return;
    UpdateGuard guard(updating_);
    RunUpdate();
}

std::optional<double> TrafficMeter::Number(const char* element) const {
    return monitor::ParseNumber(controls_.text(element), locale_);
}

// A sum below its base, or below its value at the previous update, re-takes the base; the
// previous total restarts with it, so this update counts 0 KB for that direction instead of a
// negative amount. False on a failed step.
bool TrafficMeter::Rebase(std::uint64_t sum, std::uint64_t previous, std::uint64_t& base,
                          const char* previousHolder) {
    const auto kb = monitor::ParseNumber(
        FormatNumber(Difference(sum, base) / 1024.0, p::kTotalKb, locale_), locale_);
    if (!kb) return false;
    if (*kb < 0 || sum < previous) {
        base = sum;
        SetText(previousHolder, "0");
        pump_.processEvents();
    }
    return true;
}

bool TrafficMeter::UpdateShare(const char* bits, const char* total, BarSink& bar,
                               const char* label) {
    const auto all = Number(total);
    const auto part = Number(bits);
    if (!all || !part) return false;
    if (*all == 0 || *part == 0) return true;  // a zero share keeps its bar and label
    const double share = *part * 100.0 / *all;
    const auto value = monitor::TextToInt32(FormatNumber(share, p::kWhole, locale_), locale_);
    if (!value || !bar.setValue(*value)) return false;
    SetText(label, FormatNumber(share, p::kOneDecimal, locale_) + "%");
    return true;
}

void TrafficMeter::RunUpdate() {
    // A fresh run starts every holder from zero.
    if (firstSample_) {
        for (const char* holder : {"Label49", "Label50", "lblRecv", "lblSent", "Text6", "Text7",
                                   "MaximumDownloadHolder", "MaximumUploadHolder"})
            SetText(holder, "0");
        receiveRate_ = 0;
        sendRate_ = 0;
    }

    // Snapshot; without a first interface there is nothing to show.
    const auto interfaces = ipHelper_.Interfaces();
    if (!interfaces || !interfaces->Item(1)) return;
    const std::uint64_t received = ipHelper_.BytesReceived();
    const std::uint64_t sent = ipHelper_.BytesSent();

    // Bases of the run.
    if (firstSample_) {
        baseReceived_ = received;
        baseSent_ = sent;
        previousReceived_ = received;
        previousSent_ = sent;
        firstSample_ = false;
    }

    // A sum that fell (an interface reset, a 32-bit counter wrapping) re-bases.
    const std::uint64_t lastReceived = std::exchange(previousReceived_, received);
    const std::uint64_t lastSent = std::exchange(previousSent_, sent);
    if (!Rebase(received, lastReceived, baseReceived_, "Label49")) return;
    if (!Rebase(sent, lastSent, baseSent_, "Label50")) return;

    // KB of the run.
    const double receivedBytes = Difference(received, baseReceived_);
    const double sentBytes = Difference(sent, baseSent_);
    SetText("lblRecv", FormatNumber(receivedBytes / 1024.0, p::kTotalKb, locale_));
    SetText("lblSent", FormatNumber(sentBytes / 1024.0, p::kTotalKb, locale_));

    // Bit totals.
    SetText("Label52", FormatNumber((sentBytes + receivedBytes) * 8.0, p::kWhole, locale_));
    SetText("Label81", FormatNumber(sentBytes * 8.0, p::kWhole, locale_));
    SetText("Label79", FormatNumber(receivedBytes * 8.0, p::kWhole, locale_));

    // Each direction's share of all bits.
    if (!UpdateShare("Label79", "Label52", displays_.downloadShare, "Label83")) return;
    if (!UpdateShare("Label81", "Label52", displays_.uploadShare, "Label84")) return;

    // KB of this update.
    const auto totalReceived = Number("lblRecv");
    const auto previousReceived = Number("Label49");
    const auto totalSent = Number("lblSent");
    const auto previousSent = Number("Label50");
    if (!totalReceived || !previousReceived || !totalSent || !previousSent) return;
    const double stepReceived = *totalReceived - *previousReceived;
    const double stepSent = *totalSent - *previousSent;
    SetText("Label49", Text("lblRecv"));
    SetText("Label50", Text("lblSent"));

    // Both directions moving the same amount of more than 10 KB ends the update here.
    SetText("Text8", FormatNumber(stepReceived, p::kStepKb, locale_));
    SetText("Text9", FormatNumber(stepSent, p::kStepKb, locale_));
    if (Text("Text8") == Text("Text9")) {
        const auto step = Number("Text8");
        if (!step) return;
        if (*step > 10) return;
    }

    // Volumes of the run.
    const auto volumeReceived = Number("Text6");
    const auto volumeSent = Number("Text7");
    if (!volumeReceived || !volumeSent) return;
    SetText("Text6", FormatPlain(*volumeReceived + stepReceived, locale_));
    SetText("Text7", FormatPlain(*volumeSent + stepSent, locale_));

    // Rates, rounded to one decimal.
    const auto receiveRate =
        monitor::ParseNumber(FormatNumber(stepReceived, p::kRate, locale_), locale_);
    if (!receiveRate) return;
    receiveRate_ = *receiveRate;
    const auto sendRate = monitor::ParseNumber(FormatNumber(stepSent, p::kRate, locale_), locale_);
    if (!sendRate) return;
    sendRate_ = *sendRate;

    // Average counters: a rate above 0.1 counts, one below restarts them, 0.1 does neither.
    auto average = [&](double rate, const char* sum, const char* count, const char* label) {
        if (rate > 0.1) {
            const auto s = Number(sum);
            if (!s) return false;
            SetText(sum, FormatPlain(*s + rate, locale_));
            const auto c = Number(count);
            if (!c) return false;
            SetText(count, FormatPlain(*c + 1, locale_));
        } else if (rate < 0.1) {
            SetText(sum, "1");
            SetText(count, "1");
            SetText(label, "0.0 KB/s");
        }
        return true;
    };
    if (!average(receiveRate_, "Text12", "Text11", "Label77")) return;
    if (!average(sendRate_, "Text14", "Text13", "Label78")) return;

    // Volume labels: the unit follows the run's KB, the figure the summed volume.
    {
        const auto volume = Number("Text6");
        const auto size = Number("lblRecv");
        if (!volume || !size) return;
        SetText("Label54", monitor::FormatVolume(*volume, *size, false, Text("Label54"), locale_));
    }
    {
        const auto volume = Number("Text7");
        const auto size = Number("lblSent");
        if (!volume || !size) return;
        SetText("Label62", monitor::FormatVolume(*volume, *size, true, Text("Label62"), locale_));
    }

    // Speed and average labels.
    auto speeds = [&](double rate, const char* speedLabel, const char* sum, const char* count,
                      const char* averageLabel) {
        SetText(speedLabel, monitor::FormatSpeed(rate, Text(speedLabel), locale_));
        const auto s = Number(sum);
        const auto c = Number(count);
        if (!s || !c || *c == 0) return false;
        SetText(averageLabel, monitor::FormatAverage(*s, *c, Text(averageLabel), locale_));
        return true;
    };
    if (!speeds(receiveRate_, "lblDownloadSpeedTop", "Text12", "Text11", "Label77")) return;
    if (!speeds(sendRate_, "lblUploadSpeedTop", "Text14", "Text13", "Label78")) return;

    // Bests of the run; a rate equal to the best changes nothing.
    {
        const auto best = Number("MaximumDownloadHolder");
        if (!best) return;
        if (receiveRate_ > *best) {
            SetText("MaximumDownloadHolder", FormatPlain(receiveRate_, locale_));
            SetText("MaximumDownload", Text("lblDownloadSpeedTop"));
            const auto bits = monitor::FormatBestConnection(receiveRate_, locale_);
            if (!bits) return;
            SetText("Label30", *bits);
        }
    }
    {
        const auto best = Number("MaximumUploadHolder");
        if (!best) return;
        if (sendRate_ > *best) {
            SetText("MaximumUploadHolder", FormatPlain(sendRate_, locale_));
            SetText("MaximumUpload", Text("lblUploadSpeedTop"));
        }
    }

    // Utilisation: the current speed as a share of the run's best.
    {
        const auto best = Number("MaximumDownloadHolder");
        if (!best) return;
        if (*best != 0)
            SetText("Text2", FormatNumber(receiveRate_ * 100.0 / *best, p::kGrouped, locale_));
    }
    {
        const auto best = Number("MaximumUploadHolder");
        if (!best) return;
        if (*best != 0)
            SetText("Text3", FormatNumber(sendRate_ * 100.0 / *best, p::kGrouped, locale_));
    }

    // Graphs and bars.
    const auto download = monitor::TextToInt32(Text("Text2"), locale_);
    if (!download) return;
    displays_.downloadGraph.NextPoint(*download);
    const auto upload = monitor::TextToInt32(Text("Text3"), locale_);
    if (!upload) return;
    displays_.uploadGraph.NextPoint(*upload);
    if (!displays_.downloadUtilisation.setValue(*download)) return;
    displays_.uploadUtilisation.setValue(*upload);
}

}  // namespace quorvex
