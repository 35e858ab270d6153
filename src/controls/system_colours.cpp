#include "controls/system_colours.h"

namespace quorvex {

SystemColours classicSystemColours() {
    using namespace colour;
    SystemColours s;
    s.rgb.fill(rgb(192, 192, 192));
    s.rgb[kWindow] = kWhite;
    s.rgb[kWindowText] = kBlack;
    s.rgb[kHighlight] = rgb(0, 120, 215);
    s.rgb[kHighlightText] = kWhite;
    s.rgb[kButtonFace] = rgb(240, 240, 240);
    s.rgb[kButtonShadow] = rgb(160, 160, 160);
    s.rgb[kGrayText] = rgb(109, 109, 109);
    s.rgb[kButtonText] = kBlack;
    s.rgb[kButtonHighlight] = kWhite;
    s.rgb[kDarkShadow3D] = rgb(105, 105, 105);
    s.rgb[kLight3D] = rgb(227, 227, 227);
    return s;
}

}  // namespace quorvex
