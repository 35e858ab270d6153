#pragma once

#include <optional>
#include <string>

#include "monitor/number_format.h"

namespace quorvex::monitor {

// Text rules of the monitor's figures. Byte units step by 1024; the best-connection figure counts
// Kbits and Mbit by 1000. Where a rule leaves the label alone it returns `current`.

// Volume moved: the unit is chosen by `sizeKb` (the run's KB from the byte sums), the figure shown
// is `volumeKb` (the run's KB summed per update). Upload shows KBs with one decimal.
std::string FormatVolume(double volumeKb, double sizeKb, bool upload, const std::string& current,
                         const NumberLocale& locale);

// Current speed in KB/s or MB/s; exactly 1024 KB/s leaves the text unchanged.
std::string FormatSpeed(double rateKb, const std::string& current, const NumberLocale& locale);

// Average of `sum` over `count` updates; an average that shows as 1.0 KB/s shows as 0.0 KB/s
// instead (in the user's separators), which is what the counters' start state (1 over 1) gives.
std::string FormatAverage(double sum, double count, const std::string& current,
                          const NumberLocale& locale);

// Best connection in Kbits/s or Mbit/s. Computed in 64-bit arithmetic, so every real rate has a
// figure; empty only for a rate no integer can hold.
std::optional<std::string> FormatBestConnection(double rateKb, const NumberLocale& locale);

}  // namespace quorvex::monitor
