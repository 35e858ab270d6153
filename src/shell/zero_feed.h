#pragma once

#include <functional>

namespace quorvex {

class EventPump;
class SampleSink;

namespace shell {

// Samples fed to each graph by the splash's Timer2 tick and by Back from monitor.
inline constexpr int kZeroLoop = 200;

// Flattens two graphs: `count` times, a zero sample to `first`, waiting events run, a zero
// sample to `second`. Stops early when `keepGoing` (asked after each pump) says the graphs are
// gone.
void feedZeros(SampleSink& first, SampleSink& second, EventPump& pump, int count = kZeroLoop,
               const std::function<bool()>& keepGoing = {});

}  // namespace shell
}  // namespace quorvex
