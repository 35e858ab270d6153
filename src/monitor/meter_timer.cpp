#include "monitor/meter_timer.h"

namespace quorvex {

MeterTimer::MeterTimer(const Clock& clock, std::function<void()> onSecond, QObject* parent)
    : QObject(parent), pacer_(clock), onSecond_(std::move(onSecond)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &MeterTimer::onTimeout);
}

void MeterTimer::start() {
    active_ = true;
    pacer_.Reset();
    timer_.start(0);
}

void MeterTimer::stop() {
    active_ = false;
    timer_.stop();
}

void MeterTimer::onTimeout() {
    if (!active_) return;
    // Not re-armed until the callback returns, so a message box it opens sees no further ticks.
    if (pacer_.SecondChanged() && onSecond_) onSecond_();
    if (active_) timer_.start(pacer_.DelayToNextSecond());
}

}  // namespace quorvex
