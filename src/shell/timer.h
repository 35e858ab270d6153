#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace quorvex {

// A window-system timer on the user-interface thread. Ticks arrive from the event loop (or from
// an event pump inside a handler), never from another thread.
class Timer {
  public:
    virtual ~Timer() = default;

    // Arms the timer: the first tick comes `interval` from now (0: as soon as events run), then
    // every `interval` while repeating. Arming an armed timer starts its interval again.
    virtual void start(std::chrono::milliseconds interval, bool repeating) = 0;
    // No tick arrives after this returns, also not one already due.
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
};

// Makes the timers; each front end has one. `onTick` runs at every tick; destroying the timer
// stops it.
class TimerFactory {
  public:
    virtual ~TimerFactory() = default;
    virtual std::unique_ptr<Timer> createTimer(std::function<void()> onTick) = 0;
};

}  // namespace quorvex
