#include "monitor/traffic_meter.h"

#include <utility>

#include "model/monitor_elements.h"
#include "monitor/rate_format.h"

namespace quorvex {

namespace p = monitor::patterns;
using monitor::FormatNumber;
using monitor::FormatPlain;

namespace {

// Holders whose load text is "0", then "1", then the labels with their own load text.
constexpr const char* kZeroHolders[] = {monitor_page::kReceivedKb,
                                        monitor_page::kSentKb,
                                        monitor_page::kPreviousReceivedKb,
                                        monitor_page::kPreviousSentKb,
                                        monitor_page::kLastReceivedKb,
                                        monitor_page::kLastSentKb,
                                        monitor_page::kDownloadedKb,
                                        monitor_page::kUploadedKb,
                                        monitor_page::kBestDownloadKb,
                                        monitor_page::kBestUploadKb,
                                        monitor_page::kDownloadUtilisation,
                                        monitor_page::kUploadUtilisation,
                                        monitor_page::kPaceClock};
constexpr const char* kAverageHolders[] = {
    monitor_page::kDownloadSpeedSum, monitor_page::kDownloadSpeedCount,
    monitor_page::kUploadSpeedSum, monitor_page::kUploadSpeedCount};

struct LoadText {
    const char* element;
    const char* text;
};
constexpr LoadText kLabelLoadTexts[] = {
    {monitor_page::kDownloadSpeed, "0.0 KB/S"},
    {monitor_page::kUploadSpeed, "0.0 KB/S"},
    {monitor_page::kDownloadAverage, "0.0 KB/S"},
    {monitor_page::kUploadAverage, "0.0 KB/S"},
    {monitor_page::kDownloadedVolume, "0.00 KBs"},
    {monitor_page::kUploadedVolume, "0.00 KBs"},
    {monitor_page::kBestDownload, "0.0 KB/S"},
    {monitor_page::kBestUpload, "0.0 KB/S"},
    {monitor_page::kBitsReceived, "0.00"},
    {monitor_page::kBitsSent, "0.00"},
    {monitor_page::kBitsTotal, "0.00"},
    {monitor_page::kDownloadShare, "0%"},
    {monitor_page::kUploadShare, "0%"},
    {monitor_page::kBestConnection, "0.00 Kbits/s"},
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

const TrafficMeter::DirectionNames TrafficMeter::kDownload{
    .runKb = monitor_page::kReceivedKb,
    .previousRunKb = monitor_page::kPreviousReceivedKb,
    .stepKb = monitor_page::kLastReceivedKb,
    .volume = monitor_page::kDownloadedKb,
    .averageSum = monitor_page::kDownloadSpeedSum,
    .averageCount = monitor_page::kDownloadSpeedCount,
    .averageLabel = monitor_page::kDownloadAverage,
    .volumeLabel = monitor_page::kDownloadedVolume,
    .speedLabel = monitor_page::kDownloadSpeed,
    .bestHolder = monitor_page::kBestDownloadKb,
    .bestLabel = monitor_page::kBestDownload,
    .bestBitsLabel = monitor_page::kBestConnection,
    .bits = monitor_page::kBitsReceived,
    .shareLabel = monitor_page::kDownloadShare,
    .utilisation = monitor_page::kDownloadUtilisation,
    .upload = false};
const TrafficMeter::DirectionNames TrafficMeter::kUpload{
    .runKb = monitor_page::kSentKb,
    .previousRunKb = monitor_page::kPreviousSentKb,
    .stepKb = monitor_page::kLastSentKb,
    .volume = monitor_page::kUploadedKb,
    .averageSum = monitor_page::kUploadSpeedSum,
    .averageCount = monitor_page::kUploadSpeedCount,
    .averageLabel = monitor_page::kUploadAverage,
    .volumeLabel = monitor_page::kUploadedVolume,
    .speedLabel = monitor_page::kUploadSpeed,
    .bestHolder = monitor_page::kBestUploadKb,
    .bestLabel = monitor_page::kBestUpload,
    .bestBitsLabel = nullptr,
    .bits = monitor_page::kBitsSent,
    .shareLabel = monitor_page::kUploadShare,
    .utilisation = monitor_page::kUploadUtilisation,
    .upload = true};

TrafficMeter::TrafficMeter(ControlModel& controls, CIpHelper& ipHelper, MeterDisplays displays,
                           EventPump& pump, monitor::NumberLocale locale)
    : controls_(controls),
      ipHelper_(ipHelper),
      displays_(displays),
      pump_(pump),
      locale_(std::move(locale)),
      download_{kDownload, displays.downloadGraph, displays.downloadShare,
                displays.downloadUtilisation},
      upload_{kUpload, displays.uploadGraph, displays.uploadShare, displays.uploadUtilisation} {
    LoadTexts();
}

void TrafficMeter::LoadTexts() {
    for (const char* holder : kZeroHolders) SetText(holder, "0");
    for (const char* holder : kAverageHolders) SetText(holder, "1");
    for (const auto& label : kLabelLoadTexts) SetText(label.element, label.text);
}

void TrafficMeter::Start() {
    for (const char* label : {monitor_page::kDownloadSpeed, monitor_page::kUploadSpeed,
                              monitor_page::kBestDownload, monitor_page::kBestUpload})
        SetText(label, "0.0 KB/s");
    SetText(monitor_page::kDownloadedVolume, "0.00 KBs");
    SetText(monitor_page::kUploadedVolume, "0.00 KBs");
    SetText(monitor_page::kBestConnection, "0.00 Kbits/s");
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

bool TrafficMeter::ForBoth(Step step) {
    return (this->*step)(download_) && (this->*step)(upload_);
}

void TrafficMeter::RunUpdate() {
    if (firstSample_) ForBoth(&TrafficMeter::ResetRun);
    if (!TakeSnapshot()) return;
    if (firstSample_) {
        ForBoth(&TrafficMeter::TakeBase);
        firstSample_ = false;
    }
    if (!ForBoth(&TrafficMeter::Rebase)) return;
    ForBoth(&TrafficMeter::CountRun);
    ShowBitTotals();
    if (!ForBoth(&TrafficMeter::UpdateShare)) return;
    if (!ForBoth(&TrafficMeter::TakeStep)) return;
    if (!ForBoth(&TrafficMeter::ShowStep) || StepsEqualAboveTen()) return;
    if (!ForBoth(&TrafficMeter::AddVolume)) return;
    if (!ForBoth(&TrafficMeter::RoundRate)) return;
    if (!ForBoth(&TrafficMeter::CountAverage)) return;
    if (!ForBoth(&TrafficMeter::ShowVolume)) return;
    if (!ForBoth(&TrafficMeter::ShowSpeeds)) return;
    if (!ForBoth(&TrafficMeter::UpdateBest)) return;
    if (!ForBoth(&TrafficMeter::UpdateUtilisation)) return;
    if (!ForBoth(&TrafficMeter::FeedGraph)) return;
    ForBoth(&TrafficMeter::FeedBar);
}

// A fresh run starts every holder from zero.
bool TrafficMeter::ResetRun(Direction& d) {
    for (const char* holder :
         {d.names.previousRunKb, d.names.runKb, d.names.volume, d.names.bestHolder})
        SetText(holder, "0");
    d.rate = 0;
    return true;
}

// Without a first interface there is nothing to show.
bool TrafficMeter::TakeSnapshot() {
    const auto interfaces = ipHelper_.Interfaces();
    if (!interfaces || !interfaces->Item(1)) return false;
    download_.sum = ipHelper_.BytesReceived();
    upload_.sum = ipHelper_.BytesSent();
    return true;
}

bool TrafficMeter::TakeBase(Direction& d) {
    d.base = d.sum;
    d.previousSum = d.sum;
    return true;
}

// A sum below its base, or below its value at the previous update (an interface reset, a
// 32-bit counter wrapping), re-takes the base; the previous total restarts with it, so this
// update counts 0 KB for that direction instead of a negative amount.
bool TrafficMeter::Rebase(Direction& d) {
    const std::uint64_t last = std::exchange(d.previousSum, d.sum);
    const auto kb = monitor::ParseNumber(
        FormatNumber(Difference(d.sum, d.base) / 1024.0, p::kTotalKb, locale_), locale_);
    if (!kb) return false;
    if (*kb < 0 || d.sum < last) {
        d.base = d.sum;
        SetText(d.names.previousRunKb, "0");
        pump_.processEvents();
    }
    return true;
}

bool TrafficMeter::CountRun(Direction& d) {
    d.runBytes = Difference(d.sum, d.base);
    SetText(d.names.runKb, FormatNumber(d.runBytes / 1024.0, p::kTotalKb, locale_));
    return true;
}

void TrafficMeter::ShowBitTotals() {
    SetText(monitor_page::kBitsTotal,
            FormatNumber((upload_.runBytes + download_.runBytes) * 8.0, p::kWhole, locale_));
    SetText(upload_.names.bits, FormatNumber(upload_.runBytes * 8.0, p::kWhole, locale_));
    SetText(download_.names.bits, FormatNumber(download_.runBytes * 8.0, p::kWhole, locale_));
}

// The direction's share of all bits; a zero share keeps its bar and label.
bool TrafficMeter::UpdateShare(Direction& d) {
    const auto all = Number(monitor_page::kBitsTotal);
    const auto part = Number(d.names.bits);
    if (!all || !part) return false;
    if (*all == 0 || *part == 0) return true;
    const double share = *part * 100.0 / *all;
    const auto value = monitor::TextToInt32(FormatNumber(share, p::kWhole, locale_), locale_);
    if (!value || !d.shareBar.setValue(*value)) return false;
    SetText(d.names.shareLabel, FormatNumber(share, p::kOneDecimal, locale_) + "%");
    return true;
}

// KB of this update, from the run's KB now and at the previous update.
bool TrafficMeter::TakeStep(Direction& d) {
    const auto total = Number(d.names.runKb);
    const auto previous = Number(d.names.previousRunKb);
    if (!total || !previous) return false;
    d.stepKb = *total - *previous;
    SetText(d.names.previousRunKb, Text(d.names.runKb));
    return true;
}

bool TrafficMeter::ShowStep(Direction& d) {
    SetText(d.names.stepKb, FormatNumber(d.stepKb, p::kStepKb, locale_));
    return true;
}

// Both directions moving the same amount of more than 10 KB end the update here (an
// unreadable step too).
bool TrafficMeter::StepsEqualAboveTen() {
    if (Text(download_.names.stepKb) != Text(upload_.names.stepKb)) return false;
    const auto step = Number(download_.names.stepKb);
    return !step || *step > 10;
}

bool TrafficMeter::AddVolume(Direction& d) {
    const auto volume = Number(d.names.volume);
    if (!volume) return false;
    SetText(d.names.volume, FormatPlain(*volume + d.stepKb, locale_));
    return true;
}

bool TrafficMeter::RoundRate(Direction& d) {
    const auto rate = monitor::ParseNumber(FormatNumber(d.stepKb, p::kRate, locale_), locale_);
    if (!rate) return false;
    d.rate = *rate;
    return true;
}

// A rate above 0.1 counts into the average, one below restarts it, 0.1 does neither.
bool TrafficMeter::CountAverage(Direction& d) {
    if (d.rate > 0.1) {
        const auto sum = Number(d.names.averageSum);
        if (!sum) return false;
        SetText(d.names.averageSum, FormatPlain(*sum + d.rate, locale_));
        const auto count = Number(d.names.averageCount);
        if (!count) return false;
        SetText(d.names.averageCount, FormatPlain(*count + 1, locale_));
    } else if (d.rate < 0.1) {
        SetText(d.names.averageSum, "1");
        SetText(d.names.averageCount, "1");
        SetText(d.names.averageLabel, "0.0 KB/s");
    }
    return true;
}

// The unit follows the figure shown: after a re-base the run's KB restart from zero while the
// volume is kept, and would pick a unit far too small for it.
bool TrafficMeter::ShowVolume(Direction& d) {
    const auto volume = Number(d.names.volume);
    if (!volume) return false;
    SetText(d.names.volumeLabel, monitor::FormatVolume(*volume, *volume, d.names.upload,
                                                       Text(d.names.volumeLabel), locale_));
    return true;
}

bool TrafficMeter::ShowSpeeds(Direction& d) {
    SetText(d.names.speedLabel, monitor::FormatSpeed(d.rate, Text(d.names.speedLabel), locale_));
    const auto sum = Number(d.names.averageSum);
    const auto count = Number(d.names.averageCount);
    if (!sum || !count || *count == 0) return false;
    SetText(d.names.averageLabel,
            monitor::FormatAverage(*sum, *count, Text(d.names.averageLabel), locale_));
    return true;
}

// The run's best; a rate equal to the best changes nothing.
bool TrafficMeter::UpdateBest(Direction& d) {
    const auto best = Number(d.names.bestHolder);
    if (!best) return false;
    if (d.rate <= *best) return true;
    SetText(d.names.bestHolder, FormatPlain(d.rate, locale_));
    SetText(d.names.bestLabel, Text(d.names.speedLabel));
    if (d.names.bestBitsLabel == nullptr) return true;
    const auto bits = monitor::FormatBestConnection(d.rate, locale_);
    if (!bits) return false;
    SetText(d.names.bestBitsLabel, *bits);
    return true;
}

// The current speed as a share of the run's best; no best yet keeps the previous figure.
bool TrafficMeter::UpdateUtilisation(Direction& d) {
    const auto best = Number(d.names.bestHolder);
    if (!best) return false;
    if (*best != 0)
        SetText(d.names.utilisation, FormatNumber(d.rate * 100.0 / *best, p::kGrouped, locale_));
    return true;
}

bool TrafficMeter::FeedGraph(Direction& d) {
    const auto value = monitor::TextToInt32(Text(d.names.utilisation), locale_);
    if (!value) return false;
    d.graph.NextPoint(*value);
    return true;
}

bool TrafficMeter::FeedBar(Direction& d) {
    const auto value = monitor::TextToInt32(Text(d.names.utilisation), locale_);
    return value && d.utilisationBar.setValue(*value);
}

}  // namespace quorvex
