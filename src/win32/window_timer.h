#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

namespace quorvex::win32 {

// A timer through SetTimer: repeating or single-shot, calling back on the UI thread from the
// message loop. Stopped when it goes.
class WindowTimer {
  public:
    explicit WindowTimer(std::function<void()> onTimeout) : onTimeout_(std::move(onTimeout)) {}
    ~WindowTimer();
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    void start(std::chrono::milliseconds interval, bool singleShot);
    void stop();
    bool isActive() const { return id_ != 0; }

  private:
    static void CALLBACK timerProc(HWND, UINT, UINT_PTR id, DWORD);

    std::function<void()> onTimeout_;
    UINT_PTR id_ = 0;
    bool singleShot_ = false;
};

}  // namespace quorvex::win32
