#pragma once

#include <functional>

namespace quorvex {

class EventPump;
class SampleSink;

namespace monitor {

// Samples fed to each graph to flatten it: the splash's Timer2 tick, Back from monitor.
inline constexpr int kZeroLoop = 200;

// Flattens two graphs: `count` times, a zero sample to `first`, waiting events run, a zero
// sample to `second`. Stops early when `keepGoing` (asked after each pump) says the graphs are
// gone.
void feedZeros(SampleSink& first, SampleSink& second, EventPump& pump, int count = kZeroLoop,
               const std::function<bool()>& keepGoing = {});

}  // namespace monitor
}  // namespace quorvex
