#pragma once

#include <string>
#include <string_view>

#include "controls/button_look.h"
#include "controls/colour_ref.h"
#include "controls/pixel_mask.h"
#include "controls/pixel_surface.h"
#include "controls/system_colours.h"
#include "controls/text_renderer.h"

namespace quorvex::button {

// Colours every look is drawn from, all resolved RGB.
struct Colours {
    ColorRef face = 0, hoverFace = 0, text = 0, hoverText = 0;
    ColorRef light = 0, highlight = 0, shadow = 0, darkShadow = 0;
    ColorRef selection = 0, selectionLight = 0, mask = 0, xpFace = 0;
};

struct SchemeInput {
    ButtonScheme scheme = ButtonScheme::System;
    ButtonLook look = ButtonLook::Classic;
    ColorRef backColor = 0, backOver = 0, foreColor = 0, foreOver = 0, maskColor = 0;
    ColorRef containerBack = 0, containerText = 0;  // scheme 4
    bool softBevel = false;
    bool hovering = false;  // scheme 2 then derives everything from the hover face
    SystemColours system = platformSystemColours();
};

Colours deriveColours(const SchemeInput& in);

// Everything one drawing of the button depends on.
struct Look {
    ButtonLook buttonType = ButtonLook::Classic;
    Colours colours;
    bool enabled = true;
    bool pressed = false;
    bool hover = false;
    bool focus = false;
    bool isDefault = false;  // the container's default button
    bool showFocusRect = true;
    bool softBevel = false;
    std::string caption;  // UTF-8; "&x" marks the access key
    FontSpec font;
    int specialEffect = 0;
    int picturePosition = 0;
    const PixelSurface* pictureNormal = nullptr;  // none when null
    const PixelSurface* pictureOver = nullptr;
    bool useGreyscale = false;
    bool useMaskColor = true;
    const PixelSurface* background = nullptr;  // look 11: the container's pixels under the button
};

// Draws the button (width x height) into a new surface; text goes through `text`. A null
// surface for a size below 1.
PixelSurface paintButton(int width, int height, const Look& look, TextRenderer& text);

// The window region that shapes the look.
PixelMask buttonRegion(ButtonLook buttonType, int width, int height);

// The client area inset for the caption (before the picture takes its share).
PixelRect captionBaseRect(ButtonLook buttonType, int width, int height);

// The access key of a UTF-8 caption: the character after the first single "&", as written;
// "&&" is a literal ampersand. 0 when there is none.
char32_t accessKey(std::string_view caption);

}  // namespace quorvex::button
