#include "win32/window_timer.h"

#include <algorithm>
#include <map>

namespace quorvex::win32 {

namespace {

// Thread timers are told apart by their id only.
std::map<UINT_PTR, WindowTimer*>& running() {
    static std::map<UINT_PTR, WindowTimer*> timers;
    return timers;
}

}  // namespace

WindowTimer::~WindowTimer() {
    stop();
}

void WindowTimer::start(std::chrono::milliseconds interval, bool repeating) {
    stop();
    singleShot_ = !repeating;
    const auto ms = static_cast<UINT>(std::max<long long>(interval.count(), USER_TIMER_MINIMUM));
    id_ = SetTimer(nullptr, 0, ms, timerProc);
    if (id_) running()[id_] = this;
}

void WindowTimer::stop() {
    if (!id_) return;
    KillTimer(nullptr, id_);
    running().erase(id_);
    id_ = 0;
}

void CALLBACK WindowTimer::timerProc(HWND, UINT, UINT_PTR id, DWORD) {
    const auto it = running().find(id);
    if (it == running().end()) return;
    WindowTimer* timer = it->second;
    if (timer->singleShot_) timer->stop();
    // The callback may delete the timer: nothing of it is touched afterwards.
    if (timer->onTimeout_) {
        auto callback = timer->onTimeout_;
        callback();
    }
}

}  // namespace quorvex::win32
