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
    const auto ms = static_cast<UINT>(std::max<long long>(interval.count(), USER_TIMER_MINIMUM));
    singleShot_ = !repeating;
    if (id_ && expired_) {
        // Same id: the system replaces the fired timer instead of a kill and a new one.
        expired_ = false;
        if (SetTimer(nullptr, id_, ms, timerProc) == id_) return;
        stop();
    }
    stop();
    expired_ = false;
    id_ = SetTimer(nullptr, 0, ms, timerProc);
    if (id_) running()[id_] = this;
}

void WindowTimer::stop() {
    if (!id_) return;
    KillTimer(nullptr, id_);
    running().erase(id_);
    id_ = 0;
    expired_ = false;
}

void CALLBACK WindowTimer::timerProc(HWND, UINT, UINT_PTR id, DWORD) {
    const auto it = running().find(id);
    if (it == running().end()) return;
    WindowTimer* timer = it->second;
    // A fired single-shot timer whose callback still runs (it may pump events) ticks no more.
    if (timer->expired_) return;
    if (timer->singleShot_) timer->expired_ = true;
    // The callback may delete or restart the timer: afterwards it is found again by its id.
    if (timer->onTimeout_) {
        auto callback = timer->onTimeout_;
        callback();
    }
    const auto after = running().find(id);
    if (after != running().end() && after->second->expired_) after->second->stop();
}

}  // namespace quorvex::win32
