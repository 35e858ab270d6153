#include "monitor/second_pacer.h"

namespace quorvex {

namespace {

std::int64_t WholeSecond(std::chrono::system_clock::time_point t) {
    return std::chrono::floor<std::chrono::seconds>(t.time_since_epoch()).count();
}

}  // namespace

bool SecondPacer::SecondChanged() {
    const std::int64_t second = WholeSecond(clock_.now());
    if (lastSecond_ && *lastSecond_ == second) return false;
    lastSecond_ = second;
    return true;
}

std::chrono::milliseconds SecondPacer::DelayToNextSecond() const {
    using namespace std::chrono;
    const auto now = clock_.now();
    const auto boundary = floor<seconds>(now) + seconds(1) + kMargin;
    const auto delay = ceil<milliseconds>(boundary - now);
    return delay < milliseconds(1) ? milliseconds(1) : delay;
}

}  // namespace quorvex
