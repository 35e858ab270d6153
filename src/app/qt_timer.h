#pragma once

#include <QTimer>

#include <functional>

#include "shell/timer.h"

namespace quorvex {

// A timer of the Qt event loop, precise to the millisecond (the meter aims just past each second).
class QtTimer : public Timer {
  public:
    explicit QtTimer(std::function<void()> onTick);

    void start(std::chrono::milliseconds interval, bool repeating) override;
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }

  private:
    QTimer timer_;
    std::function<void()> onTick_;
};

}  // namespace quorvex
