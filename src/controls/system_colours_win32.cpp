#include <windows.h>

#include "controls/system_colours.h"

namespace quorvex {

SystemColours platformSystemColours() {
    SystemColours s = classicSystemColours();
    // COLORREF has the same layout as ColorRef: red in the low byte.
    for (std::size_t i = 0; i < s.rgb.size(); ++i)
        s.rgb[i] = static_cast<ColorRef>(GetSysColor(static_cast<int>(i))) & 0xffffff;
    return s;
}

}  // namespace quorvex
