#pragma once

#include <functional>
#include <memory>

#include "monitor/second_pacer.h"
#include "shell/timer.h"

namespace quorvex {

class Clock;

// Runs a callback once each time the wall-clock second changes. A single-shot timer is aimed just
// past the next second boundary; once a tick lands there, a repeating one-second timer takes over,
// which the window system keeps without being asked again each second, and the single shot aims
// again only when the ticks have drifted out of the first kDrift of the second.
class MeterPace {
  public:
    // How late into its second a tick may come and the repeating timer still be kept.
    static constexpr std::chrono::milliseconds kDrift{200};

    MeterPace(TimerFactory& timers, const Clock& clock, std::function<void()> onSecond);

    // The first callback comes as soon as events run, then one per second.
    void start();
    void stop();
    bool isActive() const { return active_; }

  private:
    void onTick();

    SecondPacer pacer_;
    std::function<void()> onSecond_;
    std::unique_ptr<Timer> timer_;
    bool active_ = false;
    bool repeating_ = false;
    // Set while the callback runs: a tick from a message loop it opens (a message box) is ignored.
    bool inCallback_ = false;
};

}  // namespace quorvex
