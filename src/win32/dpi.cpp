#include "win32/dpi.h"

#include <cmath>

namespace quorvex::win32 {

namespace {

// Newer user32 functions, looked up at run time so that the program still starts where they
// are missing (they are then taken as 96 dpi).
template <typename Function>
Function user32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32
               ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
               : nullptr;
}

}  // namespace

int dpiOf(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = user32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (window && getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(window)) return static_cast<int>(dpi);
    }
    return systemDpi();
}

int systemDpi() {
    using GetDpiForSystemFn = UINT(WINAPI*)();
    static const auto getDpiForSystem = user32Function<GetDpiForSystemFn>("GetDpiForSystem");
    if (getDpiForSystem) {
        if (const UINT dpi = getDpiForSystem()) return static_cast<int>(dpi);
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : kBaseDpi;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

int scaled(int length, int dpi) {
    return MulDiv(length, dpi, kBaseDpi);
}

RECT scaledRect(int x, int y, int width, int height, int dpi) {
    // Edges are scaled, not sizes, so that neighbouring rectangles stay neighbours.
    return RECT{scaled(x, dpi), scaled(y, dpi), scaled(x + width, dpi), scaled(y + height, dpi)};
}

SIZE frameSizeFor(int width, int height, DWORD style, DWORD exStyle, int dpi) {
    RECT r{0, 0, scaled(width, dpi), scaled(height, dpi)};
    using AdjustForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = user32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
    if (!adjustForDpi || !adjustForDpi(&r, style, FALSE, exStyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

void becomeDpiAware() {
    using SetContextFn = BOOL(WINAPI*)(HANDLE);
    static const auto setContext = user32Function<SetContextFn>("SetProcessDpiAwarenessContext");
    // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 is ((HANDLE)-4).
    if (setContext && setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)))) return;
    using SetAwareFn = BOOL(WINAPI*)();
    if (const auto setAware = user32Function<SetAwareFn>("SetProcessDPIAware")) setAware();
}

}  // namespace quorvex::win32
