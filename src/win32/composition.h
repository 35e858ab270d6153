#pragma once

#include <windows.h>

// Transparent art composited over what lies beneath it: a window with see-through parts paints
// its parent's background and the shown siblings below it into its own buffer first, bottom
// first, then itself over them, so that no pixel of the client area is left unpainted or shows
// what an earlier frame left there.
namespace quorvex::win32 {

// Paints into `dc` (in `window`'s client coordinates) what lies beneath `window`: its parent's
// own background and every shown sibling below it that overlaps it, each asked with
// WM_PRINTCLIENT. A parent that is itself see-through brings what lies beneath it first.
void paintBeneath(HWND window, HDC dc);

// After `window` showed, hid or changed its pixels: the see-through siblings above it that
// overlap it show it through their transparent parts, so they repaint there (only there).
void invalidateSeeThroughAbove(HWND window);

}  // namespace quorvex::win32
