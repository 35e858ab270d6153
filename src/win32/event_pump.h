#pragma once

#include <windows.h>

#include <functional>

#include "platform/event_pump.h"

namespace quorvex::win32 {

// Runs the waiting window messages inside a handler (timer ticks, clicks, painting). A quit
// request met on the way is put back for the main loop.
class Win32EventPump : public EventPump {
  public:
    // Keyboard messages for this window go through the dialog manager (Tab, arrow keys).
    void setDialogWindow(HWND window) { dialog_ = window; }
    // Sees every message first (keyboard shortcuts); a message it handles goes no further.
    void setMessageFilter(std::function<bool(const MSG&)> filter) { filter_ = std::move(filter); }
    void processEvents() override;

    // One message as the main loop handles it.
    void dispatch(MSG& message) const;
    // The main loop: until WM_QUIT; returns its exit code.
    int run() const;

  private:
    HWND dialog_ = nullptr;
    std::function<bool(const MSG&)> filter_;
};

}  // namespace quorvex::win32
