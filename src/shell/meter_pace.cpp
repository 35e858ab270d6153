#include "shell/meter_pace.h"

namespace quorvex {

MeterPace::MeterPace(TimerFactory& timers, const Clock& clock, std::function<void()> onSecond)
    : pacer_(clock),
      onSecond_(std::move(onSecond)),
      timer_(timers.createTimer([this] { onTick(); })) {}

void MeterPace::start() {
    active_ = true;
    pacer_.Reset();
    repeating_ = false;
    timer_->start(std::chrono::milliseconds(0), /*repeating=*/false);
}

void MeterPace::stop() {
    active_ = false;
    timer_->stop();
}

void MeterPace::onTick() {
    if (!active_ || inCallback_) return;
    const bool changed = pacer_.SecondChanged();
    if (changed && onSecond_) {
        inCallback_ = true;
        onSecond_();
        inCallback_ = false;
    }
    if (!active_) return;
    // The tick's place in its second: the delay to the next boundary says how late it came.
    const auto delay = pacer_.DelayToNextSecond();
    const bool onPace = changed && delay >= std::chrono::seconds(1) + SecondPacer::kMargin - kDrift;
    if (onPace) {
        if (!repeating_) timer_->start(std::chrono::seconds(1), /*repeating=*/true);
        repeating_ = true;
    } else {
        timer_->start(delay, /*repeating=*/false);
        repeating_ = false;
    }
}

}  // namespace quorvex
