#pragma once

#include <cstdint>

namespace quorvex::progressbar {

// Percent = nearest(value * 100 / max + min). False, leaving `percent` alone, when the hundredfold
// does not fit in 32 bits, max is 0 or the result does not fit.
bool percentForValue(std::int32_t value, std::int32_t min, std::int32_t max, std::int32_t& percent);
// The inverse, so that reading gives back what was assigned (saturated to 32 bits).
std::int32_t valueForPercent(std::int32_t percent, std::int32_t min, std::int32_t max);

}  // namespace quorvex::progressbar
