#pragma once

#include "controls/classic_canvas.h"
#include "controls/system_colours.h"

namespace quorvex {

// The classic two-pixel 3-D edges around a rectangle, in the system's 3-D colours.
// Sunken: shadow and highlight outside, dark shadow and light inside (a well).
void drawSunkenEdge(ClassicCanvas& canvas, const PixelRect& r, const SystemColours& system);
// Etched: sunken outer ring, raised inner ring (a groove).
void drawEtchedEdge(ClassicCanvas& canvas, const PixelRect& r, const SystemColours& system);
// Bump: raised outer ring, sunken inner ring (a ridge).
void drawBumpEdge(ClassicCanvas& canvas, const PixelRect& r, const SystemColours& system);

}  // namespace quorvex
