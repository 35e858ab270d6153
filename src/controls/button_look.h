#pragma once

namespace quorvex {

// The button's looks (`ButtonType`); the number is the one its saved state ("BTYPE") keeps. A
// saved number outside the list draws without a frame.
enum class ButtonLook : int {
    Flat = 1,           // flat face, light/shadow edge, dark outer frame
    Classic = 2,        // raised 3-D button
    WindowsXp = 3,      // the theme-style button
    Rounded = 4,        // rounded 3-D button
    FlatFramed = 5,     // flat face framed in a shifted face colour
    TwoColourEdge = 6,  // flat with a two-colour edge
    HoverEdge = 7,      // flat until hovered
    HoverEdgeToo = 8,   // the same
    HoverFill = 9,      // hovered fills with the selection colours
    PlainFace = 10,     // no frame
    Transparent = 11,   // the container's background behind the caption
    HoverSunken = 12,   // flat until hovered, pressed with a full sunken edge
    Oval = 13,
    Shaded = 14,  // face shaded from the highlight colour
};

// The button's colour schemes (`ColorScheme`, saved as "COLTYPE"); any other number is read as
// System.
enum class ButtonScheme : int {
    System = 1,      // the system's button colours
    OwnColours = 2,  // BackColor / BackOver and ForeColor / ForeOver
    ClassicGrey = 3,
    Container = 4,  // the container's background and text colours
};

}  // namespace quorvex
