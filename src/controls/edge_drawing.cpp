#include "controls/edge_drawing.h"

namespace quorvex {

namespace {

void twoRings(ClassicCanvas& c, const PixelRect& r, ColorRef outerTopLeft,
              ColorRef outerBottomRight, ColorRef innerTopLeft, ColorRef innerBottomRight) {
    c.edgeRing(r.left, r.top, r.right, r.bottom, outerTopLeft, outerBottomRight);
    c.edgeRing(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1, innerTopLeft, innerBottomRight);
}

}  // namespace

void drawSunkenEdge(ClassicCanvas& c, const PixelRect& r, const SystemColours& s) {
    using namespace colour;
    twoRings(c, r, s[kButtonShadow], s[kButtonHighlight], s[kDarkShadow3D], s[kLight3D]);
}

void drawEtchedEdge(ClassicCanvas& c, const PixelRect& r, const SystemColours& s) {
    using namespace colour;
    twoRings(c, r, s[kButtonShadow], s[kButtonHighlight], s[kButtonHighlight], s[kButtonShadow]);
}

void drawBumpEdge(ClassicCanvas& c, const PixelRect& r, const SystemColours& s) {
    using namespace colour;
    twoRings(c, r, s[kButtonHighlight], s[kDarkShadow3D], s[kButtonShadow], s[kLight3D]);
}

}  // namespace quorvex
