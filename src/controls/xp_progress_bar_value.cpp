#include "controls/xp_progress_bar_value.h"

#include <algorithm>
#include <limits>

#include "controls/colour_ref.h"

namespace quorvex::progressbar {

namespace {

constexpr std::int64_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax32 = std::numeric_limits<std::int32_t>::max();

}  // namespace

bool percentForValue(std::int32_t value, std::int32_t min, std::int32_t max,
                     std::int32_t& percent) {
    const std::int64_t hundredfold = std::int64_t{value} * 100;
    if (hundredfold < kMin32 || hundredfold > kMax32 || max == 0) return false;
    const std::int64_t result = colour::nearest(static_cast<double>(hundredfold) / max + min);
    // nearest() saturates, so a result at the limits did not fit.
    if (result <= kMin32 || result >= kMax32) return false;
    percent = static_cast<std::int32_t>(result);
    return true;
}

std::int32_t valueForPercent(std::int32_t percent, std::int32_t min, std::int32_t max) {
    const std::int64_t v = colour::nearest((static_cast<double>(percent) - min) * max / 100.0);
    return static_cast<std::int32_t>(std::clamp(v, kMin32, kMax32));
}

}  // namespace quorvex::progressbar
