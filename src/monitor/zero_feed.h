#pragma once

namespace quorvex {

class EventPump;
class SampleSink;

namespace monitor {

// Samples fed to each graph to flatten it: the splash's Timer2 tick, Back from monitor.
inline constexpr int kZeroLoop = 200;

// Flattens two graphs: `count` times, a zero sample to `first`, waiting events run, a zero
// sample to `second`. Both graphs must outlive the loop, events included.
void feedZeros(SampleSink& first, SampleSink& second, EventPump& pump, int count = kZeroLoop);

}  // namespace monitor
}  // namespace quorvex
