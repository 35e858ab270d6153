#pragma once

#include <cstdint>

namespace quorvex {

// What the traffic meter feeds once a second: a scrolling graph (ucHistogram) ...
class SampleSink {
  public:
    virtual ~SampleSink() = default;
    // Appends one sample and redraws.
    virtual void NextPoint(std::int32_t value) = 0;
};

// ... and a utilisation bar (XP_ProgressBar).
class BarSink {
  public:
    virtual ~BarSink() = default;
    // Returns false when the assignment fails (the bar then keeps its Percent).
    virtual bool setValue(std::int32_t value) = 0;
};

}  // namespace quorvex
