#pragma once

#include <cstdint>

namespace quorvex {

// The bar's drawing styles (`Scrolling`); the number is the one its saved state keeps. A saved
// number outside the list draws like Continuous.
enum class BarStyle : std::int32_t {
    Blocks = 0,        // the theme's gradient cut into blocks
    Continuous = 1,    // the theme's continuous gradient
    Searching = 2,     // three travelling blocks, "Searching.."
    Bordered = 3,      // a flat fill inside a thin border
    Etched = 4,        // a gradient inside an etched edge
    Glass = 5,         // a vertical gradient over a gradient background
    DarkGradient = 6,  // from black to the colour, on black
    Hatched = 7,       // hatched with BrushStyle inside a bumped edge
    Picture = 8,       // tiled with the picture inside a sunken edge
    Glossy = 9,        // two-tone glossy bar
};

}  // namespace quorvex
