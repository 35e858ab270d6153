#pragma once

#include <array>
#include <cstddef>

#include "controls/colour_ref.h"

namespace quorvex {

// The system colours the owner-drawn controls may name (a ColorRef with the system flag), by
// index, as RGB.
struct SystemColours {
    std::array<ColorRef, 32> rgb{};

    // A system colour's RGB; any other value is RGB already.
    ColorRef resolve(ColorRef c) const {
        if (!colour::isSystem(c)) return c & 0xffffff;
        return rgb[static_cast<std::size_t>(c & 0x1f)];
    }
    ColorRef operator[](colour::SystemColour index) const {
        return rgb[static_cast<std::size_t>(index)];
    }
};

// The classic Windows defaults (light grey for an index the controls do not use).
SystemColours classicSystemColours();

// What the controls draw with: on Windows the system's own colours, elsewhere the classic
// palette, so that the controls look the same whatever the desktop theme.
SystemColours platformSystemColours();

}  // namespace quorvex
