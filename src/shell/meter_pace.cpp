#include "shell/meter_pace.h"

namespace quorvex {

MeterPace::MeterPace(TimerFactory& timers, const Clock& clock, std::function<void()> onSecond)
    : pacer_(clock),
      onSecond_(std::move(onSecond)),
      timer_(timers.createTimer([this] { onTick(); })) {}

void MeterPace::start() {
    active_ = true;
    pacer_.Reset();
    timer_->start(std::chrono::milliseconds(0), /*repeating=*/false);
}

void MeterPace::stop() {
    active_ = false;
    timer_->stop();
}

void MeterPace::onTick() {
    if (!active_) return;
    // Not re-armed until the callback returns, so a message box it opens sees no further ticks.
    if (pacer_.SecondChanged() && onSecond_) onSecond_();
    if (active_) timer_->start(pacer_.DelayToNextSecond(), /*repeating=*/false);
}

}  // namespace quorvex
