#pragma once

#include <cstdint>

#include "controls/colour_ref.h"

// The vocabulary of the window's description: what an element looks like and where it stands,
// in toolkit-free values that every front end turns into its own widgets or windows. Rectangles
// are in pixels at 96 dpi, relative to the element's parent.
namespace quorvex::layout {

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    constexpr int right() const { return x + width; }
    constexpr int bottom() const { return y + height; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

struct Font {
    const char* face = "Tahoma";
    double points = 8.25;
    bool bold = false;
};

inline constexpr Font kWindowFont{"Tahoma", 9.0, false};
inline constexpr Font kPageFont{"Tahoma", 8.25, false};
inline constexpr Font kPageBold{"Tahoma", 8.25, true};
inline constexpr Font kSmallFont{"Tahoma", 7.5, false};
inline constexpr Font kSmallBold{"Tahoma", 7.5, true};
inline constexpr Font kIconCaptionFont{"Tahoma", 9.75, true};
// The small scale figures above the utilisation bars.
inline constexpr Font kScaleFont{"Verdana", 6.75, false};

enum class Align { Left, Centre };

// What fills an element's background: a fixed colour, or the system's window colour (the
// settings pages follow the desktop's theme).
struct Fill {
    bool systemWindow = false;
    ColorRef colour = 0;
};

inline constexpr ColorRef kWindowGrey = colour::rgb(66, 66, 66);
inline constexpr ColorRef kCaptionGrey = colour::rgb(224, 224, 224);

// A text shown at a fixed place. `name` is the element the model updates, or null for a fixed
// caption.
struct Text {
    const char* name;
    const char* text;
    Rect rect;
    ColorRef colour;
    Font font;
    Align align;
};

// A one-pixel rule.
struct Rule {
    Rect rect;
    ColorRef colour;
};

}  // namespace quorvex::layout
