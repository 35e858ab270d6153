#include "app/qt_timer.h"

namespace quorvex {

QtTimer::QtTimer(std::function<void()> onTick) : onTick_(std::move(onTick)) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (onTick_) onTick_();
    });
}

void QtTimer::start(std::chrono::milliseconds interval, bool repeating) {
    timer_.setSingleShot(!repeating);
    timer_.start(interval);
}

}  // namespace quorvex
