#include "win32/event_pump.h"

namespace quorvex::win32 {

void Win32EventPump::dispatch(MSG& message) const {
    if (filter_ && filter_(message)) return;
    // Not for a window that is hidden by now (Enter's character arrives after the key has
    // changed the page): the dialog manager's search for a mnemonic starts from the message's
    // window, walks only the shown windows, never comes back to it and never ends.
    if (dialog_ && IsWindow(dialog_) && IsWindowVisible(message.hwnd) &&
        IsDialogMessageW(dialog_, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Win32EventPump::processEvents() {
    const auto now = std::chrono::steady_clock::now();
    if (foundEmpty_ != std::chrono::steady_clock::time_point{} && now - foundEmpty_ < kQuietSpell)
        return;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        dispatch(message);
    }
    foundEmpty_ = std::chrono::steady_clock::now();
}

int Win32EventPump::run() const {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) dispatch(message);
    return static_cast<int>(message.wParam);
}

}  // namespace quorvex::win32
