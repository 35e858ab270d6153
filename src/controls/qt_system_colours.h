#pragma once

#include <QPalette>

#include "controls/system_colours.h"

namespace quorvex {

// The system colours as a palette's roles give them (classic values for the others).
SystemColours paletteSystemColours(const QPalette& palette);
// What the Qt controls draw with.
SystemColours applicationSystemColours();

}  // namespace quorvex
