#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

#include "platform/event_pump.h"

namespace quorvex::win32 {

// Runs the waiting window messages inside a handler (timer ticks, clicks, painting). A quit
// request met on the way is put back for the main loop. Loops call it hundreds of times in a row
// (the graphs' flattening), and each look at the queue is a call into the window system: after a
// look that found nothing, the queue is looked at again only once kQuietSpell has passed, so a
// message waits at most that long.
class Win32EventPump : public EventPump {
  public:
    // Keyboard messages for this window go through the dialog manager (Tab, arrow keys).
    void setDialogWindow(HWND window) { dialog_ = window; }
    // Sees every message first (keyboard shortcuts); a message it handles goes no further.
    void setMessageFilter(std::function<bool(const MSG&)> filter) { filter_ = std::move(filter); }
    static constexpr std::chrono::milliseconds kQuietSpell{4};

    void processEvents() override;

    // One message as the main loop handles it.
    void dispatch(MSG& message) const;
    // The main loop: until WM_QUIT; returns its exit code.
    int run() const;

  private:
    HWND dialog_ = nullptr;
    // When the queue was last found empty.
    std::chrono::steady_clock::time_point foundEmpty_{};
    std::function<bool(const MSG&)> filter_;
};

}  // namespace quorvex::win32
