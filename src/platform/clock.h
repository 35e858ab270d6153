#pragma once

#include <chrono>

namespace quorvex {

// Wall-clock time, injectable so that time-driven code is tested with a fake that steps.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::chrono::system_clock::time_point now() const = 0;
};

class SystemClock : public Clock {
  public:
    std::chrono::system_clock::time_point now() const override {
        return std::chrono::system_clock::now();
    }
};

// The one system clock, for code that takes a clock and is given none.
inline const Clock& systemClock() {
    static const SystemClock clock;
    return clock;
}

}  // namespace quorvex
