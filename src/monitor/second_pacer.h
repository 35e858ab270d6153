#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

#include "platform/clock.h"

namespace quorvex {

// Paces the traffic meter to one update per wall-clock second without polling: a one-shot timer
// is armed for just after the next second boundary, and each expiry asks whether the second
// really changed (timers may fire early, late or twice).
class SecondPacer {
  public:
    // How far past the boundary the timer is aimed, so that an expiry a little early still
    // lands in the new second.
    static constexpr std::chrono::milliseconds kMargin{5};

    explicit SecondPacer(const Clock& clock) : clock_(clock) {}

    // Forgets the last second, so that the next check passes at once.
    void Reset() { lastSecond_.reset(); }
    // True, and remembered, when the clock's whole second differs from the last one accepted.
    bool SecondChanged();
    // Delay from now to kMargin past the next second boundary; at least 1 ms.
    std::chrono::milliseconds DelayToNextSecond() const;

  private:
    const Clock& clock_;
    std::optional<std::int64_t> lastSecond_;
};

}  // namespace quorvex
