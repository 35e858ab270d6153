#include "win32/splash_window.h"

#include "win32/dpi.h"

namespace quorvex::win32 {

bool SplashWnd::create() {
    CustomArgs args;
    args.className = L"QuorvexSplash";
    args.title = "Quorvex";
    args.style = WS_POPUP;
    args.exStyle = WS_EX_TOOLWINDOW;
    return createCustom(args);
}

void SplashWnd::show() {
    const int dpi = dpiOf(hwnd());
    const int width = scaled(kWidth, dpi);
    const int height = scaled(kHeight, dpi);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(hwnd(), nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    UpdateWindow(hwnd());
}

void SplashWnd::close() {
    if (hwnd()) DestroyWindow(hwnd());
}

void SplashWnd::onPaint(HDC dc, const RECT& client) {
    artwork_.load("splash", dpi());
    if (!artwork_.draw(dc, client))
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (!painted_) {
        painted_ = true;
        if (onFirstPaint) onFirstPaint();
    }
}

void SplashWnd::onDestroy() {
    // The splash stays an object for the program's life; its picture need not.
    artwork_.unload();
    if (onClosed) onClosed();
}

}  // namespace quorvex::win32
