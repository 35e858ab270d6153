#include "win32/window_icon.h"

namespace quorvex::win32 {

namespace {

HWND topmostOwner(HWND window) {
    HWND current = window;
    while (HWND owner = GetWindow(current, GW_OWNER)) current = owner;
    return current;
}

void sendIcon(HWND window, HWND owner, const wchar_t* name, WPARAM which, int widthMetric,
              int heightMetric) {
    auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_ICON,
                                              GetSystemMetrics(widthMetric),
                                              GetSystemMetrics(heightMetric), LR_SHARED));
    if (owner) SendMessageW(owner, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
    SendMessageW(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
}

}  // namespace

void ApplyWindowIcon(HWND window, const wchar_t* name, bool toOwner) {
    const HWND owner = toOwner ? topmostOwner(window) : nullptr;
    sendIcon(window, owner, name, ICON_BIG, SM_CXICON, SM_CYICON);
    sendIcon(window, owner, name, ICON_SMALL, SM_CXSMICON, SM_CYSMICON);
}

}  // namespace quorvex::win32
