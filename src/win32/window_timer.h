#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

#include "shell/timer.h"

namespace quorvex::win32 {

// A timer through SetTimer: repeating or single-shot, calling back on the UI thread from the
// message loop (or an event pump). Stopped when it goes.
class WindowTimer : public Timer {
  public:
    explicit WindowTimer(std::function<void()> onTimeout) : onTimeout_(std::move(onTimeout)) {}
    ~WindowTimer() override;
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    void start(std::chrono::milliseconds interval, bool repeating) override;
    // A tick already posted for a stopped timer is dropped.
    void stop() override;
    bool isActive() const override { return id_ != 0 && !expired_; }

  private:
    static void CALLBACK timerProc(HWND, UINT, UINT_PTR id, DWORD);

    std::function<void()> onTimeout_;
    UINT_PTR id_ = 0;
    bool singleShot_ = false;
    // A single-shot timer that has fired keeps its system timer through its callback, so that
    // restarting it there (the meter does, every second) replaces the timer in one call.
    bool expired_ = false;
};

}  // namespace quorvex::win32
