#pragma once

#include <functional>
#include <memory>

#include "monitor/second_pacer.h"
#include "shell/timer.h"

namespace quorvex {

class Clock;

// Runs a callback once each time the wall-clock second changes, with a single-shot timer armed
// for just past the next second boundary: the process wakes about once a second.
class MeterPace {
  public:
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
};

}  // namespace quorvex
