#pragma once

#include "model/window_description.h"
#include "win32/window_fonts.h"
#include "win32/wnd.h"

// The window description's values in the Win32 front end's terms.
namespace quorvex::win32 {

inline Bounds boundsOf(const layout::Rect& r) {
    return {r.x, r.y, r.width, r.height};
}

inline WindowFont fontOf(const layout::Font& f) {
    return {f.face, f.points, f.bold};
}

// ColorRef and COLORREF share their layout (red in the low byte).
inline COLORREF colourOf(ColorRef c) {
    return static_cast<COLORREF>(c);
}

}  // namespace quorvex::win32
