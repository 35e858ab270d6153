#include "monitor/rate_format.h"

namespace quorvex::monitor {

std::string FormatVolume(double volumeKb, double sizeKb, bool upload, const std::string& current,
                         const NumberLocale& locale) {
    // Each later step overwrites an earlier one; a size of exactly 1024 KB meets none.
    std::string text = current;
    if (sizeKb / 1024.0 < 1.0)
        text = FormatNumber(volumeKb, upload ? patterns::kKbsOneDecimal : patterns::kKbs, locale);
    if (sizeKb / 1024.0 > 1.0) text = FormatNumber(volumeKb / 1024.0, patterns::kMbs, locale);
    if (sizeKb / 1048576.0 > 1.0) text = FormatNumber(volumeKb / 1048576.0, patterns::kGbs, locale);
    if (sizeKb / 1073741824.0 > 1.0)
        text = FormatNumber(volumeKb / 1073741824.0, patterns::kTbs, locale);
    return text;
}

std::string FormatSpeed(double rateKb, const std::string& current, const NumberLocale& locale) {
    if (rateKb < 1024.0) return FormatNumber(rateKb, patterns::kKbPerSecond, locale);
    if (rateKb > 1024.0) return FormatNumber(rateKb / 1024.0, patterns::kMbPerSecond, locale);
    return current;
}

std::string FormatAverage(double sum, double count, const std::string& current,
                          const NumberLocale& locale) {
    const double average = sum / count;
    if (average < 1024.0) {
        // The counters' start state (1 over 1) shows as zero: the figure as rounded for display
        // is compared, whatever the user's separators.
        const bool startState =
            FormatNumber(average, patterns::kOneDecimal, NumberLocale{}) == "1.0";
        return FormatNumber(startState ? 0.0 : average, patterns::kKbPerSecond, locale);
    }
    if (average > 1024.0) return FormatNumber(sum / count / 1024.0, patterns::kMbPerSecond, locale);
    return current;
}

std::optional<std::string> FormatBestConnection(double rateKb, const NumberLocale& locale) {
    const auto kb = RoundToInt64(rateKb);
    // 2^63 / 8192: beyond this the bit figure itself would not fit.
    constexpr std::int64_t kMaxKb = std::int64_t{1} << 50;
    if (!kb || *kb > kMaxKb || *kb < -kMaxKb) return std::nullopt;
    const std::int64_t bits = *kb * 1024 * 8;
    const auto kbits = RoundToInt64(static_cast<double>(bits) / 1000.0);
    if (!kbits) return std::nullopt;
    const double k = static_cast<double>(*kbits);
    if (k / 1000.0 < 1.0) return FormatNumber(k, patterns::kKbits, locale);
    return FormatNumber(k / 1000.0, patterns::kMbit, locale);
}

}  // namespace quorvex::monitor
