#pragma once

#include <windows.h>

// Messages of newer systems, absent from older headers.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

namespace quorvex::win32 {

inline constexpr int kBaseDpi = 96;

// The DPI a window is shown at (96 where the system cannot say).
int dpiOf(HWND window);
// The DPI of the monitor a rectangle lies on, for windows not created yet.
int systemDpi();
// A length in 96-dpi units at `dpi`, rounded. The one place where layout is scaled.
int scaled(int length, int dpi);
RECT scaledRect(int x, int y, int width, int height, int dpi);
// Outer size of a window whose client area is width × height at `dpi`.
SIZE frameSizeFor(int width, int height, DWORD style, DWORD exStyle, int dpi);
// Opts the process into per-monitor v2 awareness when the manifest did not.
void becomeDpiAware();

}  // namespace quorvex::win32
