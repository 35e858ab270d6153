#include "controls/chameleon_button_painter.h"

#include <cmath>
#include <utility>

#include "controls/classic_canvas.h"

namespace quorvex::button {

namespace {

using colour::lighten;
using colour::rgb;
using colour::shiftColor;

// The theme-style look's fixed colours.
constexpr ColorRef kXpFrame = rgb(0, 60, 115);
constexpr ColorRef kXpCorner = rgb(16, 77, 123);
constexpr ColorRef kHotFrame = rgb(255, 178, 49);
constexpr ColorRef kHotBottom = rgb(231, 150, 0);
constexpr ColorRef kHotTop1 = rgb(255, 243, 206);
constexpr ColorRef kHotTop2 = rgb(255, 219, 140);
constexpr ColorRef kHotSide = rgb(255, 203, 107);
constexpr ColorRef kFocusFrame = rgb(140, 175, 231);
constexpr ColorRef kFocusBottom = rgb(107, 130, 239);
constexpr ColorRef kFocusTop1 = rgb(206, 231, 255);
constexpr ColorRef kFocusTop2 = rgb(189, 215, 247);
constexpr ColorRef kFocusSide = rgb(181, 209, 240);
constexpr ColorRef kFlatFocusMark = rgb(153, 153, 204);
constexpr int kXpShadeSteps = 25;

// The oval look's shape: the pixels whose centres lie inside the ellipse inscribed in the
// button. The mask and the rim are both taken from it, so the rim is never clipped away.
PixelMask ovalMask(int w, int h) {
    PixelMask m(w, h, false);
    const double rx = w / 2.0, ry = h / 2.0;
    for (int y = 0; y < h; ++y) {
        const double ny = (y + 0.5 - ry) / ry;
        const double half = rx * std::sqrt(std::max(0.0, 1.0 - ny * ny));
        // Centres x + 0.5 within rx +- half.
        const long long left = static_cast<long long>(std::ceil(rx - half - 0.5));
        const long long right = static_cast<long long>(std::floor(rx + half - 0.5)) + 1;
        m.setSpan(y, left, right, true);
    }
    return m;
}

bool onRim(const PixelMask& m, int x, int y) {
    return m.contains(x, y) && (!m.contains(x - 1, y) || !m.contains(x + 1, y) ||
                                !m.contains(x, y - 1) || !m.contains(x, y + 1));
}

// The oval's outer rim in one colour, and the ring inside it lit from the upper left.
void drawOvalRim(ClassicCanvas& c, int w, int h, ColorRef outer, ColorRef upperLeft,
                 ColorRef lowerRight) {
    const PixelMask shape = ovalMask(w, h);
    PixelMask inner = shape;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (onRim(shape, x, y)) inner.set(x, y, false);
    const double rx = w / 2.0, ry = h / 2.0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (onRim(shape, x, y)) {
                c.setPixel(x, y, outer);
            } else if (onRim(inner, x, y)) {
                const double side = (x + 0.5 - rx) / rx + (y + 0.5 - ry) / ry;
                c.setPixel(x, y, side < 0 ? upperLeft : lowerRight);
            }
        }
    }
}

// The code point that starts a UTF-8 string (0 for none; a broken sequence gives its first byte).
char32_t firstCodePoint(std::string_view s) {
    if (s.empty()) return 0;
    const auto b = static_cast<unsigned char>(s[0]);
    const int extra = b < 0x80           ? 0
                      : (b >> 5) == 0x6  ? 1
                      : (b >> 4) == 0xe  ? 2
                      : (b >> 3) == 0x1e ? 3
                                         : -1;
    if (extra <= 0 || s.size() < static_cast<std::size_t>(extra) + 1) return b;
    char32_t cp = b & (0x3f >> extra);
    for (int i = 1; i <= extra; ++i) {
        const auto cb = static_cast<unsigned char>(s[static_cast<std::size_t>(i)]);
        if ((cb & 0xc0) != 0x80) return b;
        cp = (cp << 6) | (cb & 0x3f);
    }
    return cp;
}

enum class Condition { Disabled, Pressed, Hover, Focused, Normal };

Condition conditionOf(const Look& l) {
    if (!l.enabled) return Condition::Disabled;
    if (l.pressed) return Condition::Pressed;
    if (l.hover) return Condition::Hover;
    if (l.focus) return Condition::Focused;
    return Condition::Normal;
}

void shadeRows(ClassicCanvas& c, int w, int h, ColorRef top, ColorRef bottom) {
    for (int y = 0; y < h; ++y) {
        const double t = h > 1 ? static_cast<double>(y) / (h - 1) : 0.0;
        const auto mix = [t](int a, int b) { return colour::nearest(a + (b - a) * t); };
        c.fillRect(0, y, w, y + 1,
                   rgb(mix(colour::red(top), colour::red(bottom)),
                       mix(colour::green(top), colour::green(bottom)),
                       mix(colour::blue(top), colour::blue(bottom))));
    }
}

void drawXpLook(ClassicCanvas& c, int w, int h, const Look& l, Condition cond) {
    const Colours& k = l.colours;
    const ColorRef xp = k.xpFace;
    // Face: shaded downwards from the XP face in 25 steps (reversed while pressed).
    for (int y = 0; y < h; ++y) {
        int band = static_cast<int>(static_cast<long long>(y) * kXpShadeSteps / h);
        if (cond == Condition::Pressed) band = kXpShadeSteps - 1 - band;
        int shift = -(band * 32) / kXpShadeSteps;
        if (cond == Condition::Pressed) shift -= 16;
        if (cond == Condition::Disabled) shift = 0;
        c.fillRect(0, y, w, y + 1, shiftColor(xp, shift, true, l.softBevel));
    }
    const ColorRef frame =
        cond == Condition::Disabled ? shiftColor(xp, -54, true, l.softBevel) : kXpFrame;
    c.line(2, 0, w - 2, 0, frame);
    c.line(2, h - 1, w - 2, h - 1, frame);
    c.line(0, 2, 0, h - 2, frame);
    c.line(w - 1, 2, w - 1, h - 2, frame);
    const ColorRef corner = cond == Condition::Disabled ? frame : kXpCorner;
    c.setPixel(1, 1, corner);
    c.setPixel(w - 2, 1, corner);
    c.setPixel(1, h - 2, corner);
    c.setPixel(w - 2, h - 2, corner);
    if (cond == Condition::Disabled) return;

    const bool hot = cond == Condition::Hover;
    const bool focusFrame =
        !hot && cond != Condition::Pressed && l.showFocusRect && (l.focus || l.isDefault);
    if (hot || focusFrame) {
        const ColorRef side = hot ? kHotFrame : kFocusFrame;
        const ColorRef inner = hot ? kHotSide : kFocusSide;
        c.line(1, 2, 1, h - 2, side);
        c.line(w - 2, 2, w - 2, h - 2, side);
        c.line(2, 3, 2, h - 3, inner);
        c.line(w - 3, 3, w - 3, h - 3, inner);
        c.line(2, 1, w - 2, 1, hot ? kHotTop1 : kFocusTop1);
        c.line(2, 2, w - 2, 2, hot ? kHotTop2 : kFocusTop2);
        c.line(2, h - 2, w - 2, h - 2, hot ? kHotBottom : kFocusBottom);
        c.line(3, h - 3, w - 3, h - 3, side);
        return;
    }
    if (cond == Condition::Pressed) {
        c.line(2, 1, w - 2, 1, shiftColor(xp, -48, true, l.softBevel));
        c.line(1, 2, 1, h - 2, shiftColor(xp, -40, true, l.softBevel));
        return;
    }
    // Soft bevel lines.
    c.line(2, h - 2, w - 2, h - 2, shiftColor(xp, -40, true, l.softBevel));
    c.line(2, h - 3, w - 2, h - 3, shiftColor(xp, -24, true, l.softBevel));
    c.line(w - 2, 2, w - 2, h - 2, shiftColor(xp, -32, true, l.softBevel));
    c.line(2, 1, w - 2, 1, xp);
}

void drawRoundedLook(ClassicCanvas& c, int w, int h, const Colours& k, bool sunken) {
    const ColorRef outerTL = sunken ? k.darkShadow : k.highlight;
    const ColorRef outerBR = sunken ? k.highlight : k.darkShadow;
    const ColorRef innerTL = sunken ? k.shadow : k.light;
    const ColorRef innerBR = sunken ? k.light : k.shadow;
    c.line(2, 0, w - 2, 0, outerTL);
    c.line(0, 2, 0, h - 2, outerTL);
    c.setPixel(1, 1, outerTL);
    c.line(2, h - 1, w - 2, h - 1, outerBR);
    c.line(w - 1, 2, w - 1, h - 2, outerBR);
    c.setPixel(w - 2, h - 2, outerBR);
    c.setPixel(w - 2, 1, innerBR);
    c.setPixel(1, h - 2, innerBR);
    c.line(2, 1, w - 2, 1, innerTL);
    c.line(1, 2, 1, h - 2, innerTL);
    c.line(2, h - 2, w - 2, h - 2, innerBR);
    c.line(w - 2, 2, w - 2, h - 2, innerBR);
}

void drawFrame(ClassicCanvas& c, int w, int h, const Look& l, Condition cond) {
    const Colours& k = l.colours;
    const bool pressed = cond == Condition::Pressed;
    const bool hover = cond == Condition::Hover || (pressed && l.hover);
    const bool disabled = cond == Condition::Disabled;
    switch (l.buttonType) {
        case ButtonLook::Flat:
            c.frameRect(0, 0, w, h, disabled ? k.shadow : k.darkShadow);
            if (pressed)
                c.edgeRing(1, 1, w - 1, h - 1, k.shadow, k.highlight);
            else
                c.edgeRing(1, 1, w - 1, h - 1, k.highlight, k.shadow);
            break;
        case ButtonLook::Classic: {
            const bool extra = l.showFocusRect && (l.focus || l.isDefault) && !disabled;
            const int o = extra ? 1 : 0;
            if (extra) c.frameRect(0, 0, w, h, k.darkShadow);
            if (pressed) {
                c.frameRect(o, o, w - o, h - o, k.shadow);
            } else {
                c.edgeRing(o, o, w - o, h - o, k.highlight, k.darkShadow);
                c.edgeRing(o + 1, o + 1, w - o - 1, h - o - 1, k.light, k.shadow);
            }
            break;
        }
        case ButtonLook::WindowsXp:
            break;  // drawn with its face
        case ButtonLook::Rounded:
            drawRoundedLook(c, w, h, k, pressed);
            break;
        case ButtonLook::FlatFramed:
            c.frameRect(0, 0, w, h, shiftColor(k.face, pressed ? -64 : -32, false, l.softBevel));
            if (l.focus && !disabled) c.frameRect(1, 1, w - 1, h - 1, kFlatFocusMark);
            break;
        case ButtonLook::TwoColourEdge: {
            const ColorRef a = hover ? k.highlight : k.light;
            const ColorRef b = shiftColor(k.light, -64, false, l.softBevel);
            if (pressed)
                c.edgeRing(0, 0, w, h, b, a);
            else
                c.edgeRing(0, 0, w, h, a, b);
            break;
        }
        case ButtonLook::HoverEdge:
        case ButtonLook::HoverEdgeToo:
        case ButtonLook::HoverSunken:
            if (pressed) {
                c.edgeRing(0, 0, w, h, k.shadow, k.highlight);
                if (l.buttonType == ButtonLook::HoverSunken)
                    c.edgeRing(1, 1, w - 1, h - 1, k.darkShadow, k.light);
            } else if (hover) {
                c.edgeRing(0, 0, w, h, k.highlight, k.shadow);
            }
            break;
        case ButtonLook::HoverFill:
            if (hover || pressed) {
                c.fillRect(0, 0, w, h,
                           pressed ? shiftColor(k.selectionLight, -24, false, l.softBevel)
                                   : k.selectionLight);
                c.frameRect(0, 0, w, h, k.selection);
            }
            break;
        case ButtonLook::Oval:
            drawOvalRim(c, w, h, disabled ? k.shadow : k.darkShadow,
                        pressed ? k.shadow : k.highlight, pressed ? k.highlight : k.shadow);
            break;
        case ButtonLook::Shaded:
            c.frameRect(0, 0, w, h, disabled ? k.shadow : k.darkShadow);
            c.frameRect(1, 1, w - 1, h - 1, pressed ? k.shadow : k.highlight);
            break;
        default:  // PlainFace, Transparent and any other number: no frame
            break;
    }
}

void fillFace(ClassicCanvas& c, int w, int h, const Look& l, Condition cond) {
    const Colours& k = l.colours;
    switch (l.buttonType) {
        case ButtonLook::WindowsXp:
            drawXpLook(c, w, h, l, cond);
            return;
        case ButtonLook::Transparent:
            if (l.background != nullptr) {
                c.drawPicture(0, 0, *l.background);
            } else {
                c.fillRect(0, 0, w, h, k.face);
            }
            return;
        case ButtonLook::Oval: {
            c.fillRect(0, 0, w, h, k.face);
            return;
        }
        case ButtonLook::Shaded:
            if (cond == Condition::Pressed)
                shadeRows(c, w, h, k.face, k.highlight);
            else
                shadeRows(c, w, h, k.highlight, k.face);
            return;
        default:
            c.fillRect(0, 0, w, h, k.face);
            return;
    }
}

// Grey by the weights 11 : 16 : 5 of red, green and blue; alpha kept.
void makeGrey(PixelSurface& picture) {
    for (int y = 0; y < picture.height(); ++y) {
        Pixel* row = picture.row(y);
        for (int x = 0; x < picture.width(); ++x) {
            const Pixel p = row[x];
            const Pixel g =
                (((p >> 16) & 0xff) * 11 + ((p >> 8) & 0xff) * 16 + (p & 0xff) * 5) / 32;
            row[x] = (p & 0xff000000u) | (g << 16) | (g << 8) | g;
        }
    }
}

// Pixels of the mask colour become transparent.
void makeMaskTransparent(PixelSurface& picture, ColorRef mask) {
    const Pixel key = toPixel(mask) & 0xffffff;
    for (int y = 0; y < picture.height(); ++y) {
        Pixel* row = picture.row(y);
        for (int x = 0; x < picture.width(); ++x)
            if ((row[x] & 0xffffff) == key) row[x] = 0;
    }
}

}  // namespace

Colours deriveColours(const SchemeInput& in) {
    Colours k;
    const bool soft = in.softBevel;
    const auto fromFace = [&k, soft](ColorRef face) {
        k.light = shiftColor(face, 31, false, soft);
        k.highlight = shiftColor(face, 47, false, soft);
        k.shadow = shiftColor(face, -64, false, soft);
        k.darkShadow = shiftColor(face, -192, false, soft);
    };
    switch (in.scheme) {
        case ButtonScheme::OwnColours: {
            k.hoverFace = in.system.resolve(in.backOver);
            k.face = in.hovering ? k.hoverFace : in.system.resolve(in.backColor);
            k.text = in.system.resolve(in.foreColor);
            k.hoverText = in.system.resolve(in.foreOver);
            fromFace(k.face);
            k.selection = shiftColor(k.face, -128, false, soft);
            k.selectionLight = k.face;
            break;
        }
        case ButtonScheme::ClassicGrey:
            k.face = k.hoverFace = rgb(192, 192, 192);
            k.text = k.hoverText = colour::kBlack;
            k.light = rgb(223, 223, 223);
            k.highlight = colour::kWhite;
            k.shadow = rgb(128, 128, 128);
            k.darkShadow = colour::kBlack;
            k.selection = rgb(0, 0, 128);
            k.selectionLight = rgb(173, 173, 209);
            break;
        case ButtonScheme::Container:
            k.face = k.hoverFace = in.system.resolve(in.containerBack);
            k.text = k.hoverText = in.system.resolve(in.containerText);
            fromFace(k.face);
            k.selection = in.system[colour::kHighlight];
            k.selectionLight = lighten(k.selection, 176);
            break;
        default:
            k.face = k.hoverFace = in.system[colour::kButtonFace];
            k.text = k.hoverText = in.system[colour::kButtonText];
            k.light = in.system[colour::kLight3D];
            k.highlight = in.system[colour::kButtonHighlight];
            k.shadow = in.system[colour::kButtonShadow];
            k.darkShadow = in.system[colour::kDarkShadow3D];
            k.selection = in.system[colour::kHighlight];
            k.selectionLight = lighten(k.selection, 176);
            break;
    }
    k.mask = in.system.resolve(in.maskColor);
    k.xpFace = shiftColor(k.face, 48, in.look == ButtonLook::WindowsXp, soft);
    return k;
}

PixelMask buttonRegion(ButtonLook type, int w, int h) {
    if (w <= 0 || h <= 0) return {};
    if (type == ButtonLook::Oval) return ovalMask(w, h);
    PixelMask r(w, h, true);
    const auto cut = [&r](int x, int y) { r.set(x, y, false); };
    switch (type) {
        case ButtonLook::Flat:
        case ButtonLook::Shaded:
            cut(0, 0);
            cut(w - 1, 0);
            cut(0, h - 1);
            cut(w - 1, h - 1);
            break;
        case ButtonLook::WindowsXp:
        case ButtonLook::Rounded:
            for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}}) {
                cut(x, y);
                cut(w - 1 - x, y);
                cut(x, h - 1 - y);
                cut(w - 1 - x, h - 1 - y);
            }
            break;
        case ButtonLook::FlatFramed:
            cut(0, 0);
            cut(w - 1, h - 1);
            break;
        default:
            break;
    }
    return r;
}

PixelRect captionBaseRect(ButtonLook type, int w, int h) {
    const PixelRect r{0, 0, w, h};
    if (type >= ButtonLook::HoverEdge && type <= ButtonLook::Oval) return r.adjusted(3, 3, -3, -3);
    if (type == ButtonLook::Shaded) return r.adjusted(6, 6, -4, -4);
    return r.adjusted(4, 4, -4, -4);
}

char32_t accessKey(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;  // a literal ampersand
            continue;
        }
        return firstCodePoint(caption.substr(i + 1));
    }
    return 0;
}

PixelSurface paintButton(int w, int h, const Look& l, TextRenderer& text) {
    if (w <= 0 || h <= 0) return {};
    PixelSurface img(w, h);
    if (img.isNull()) return img;
    ClassicCanvas c(img);
    const Condition cond = conditionOf(l);
    const Colours& k = l.colours;
    c.fillRect(0, 0, w, h, k.face);
    fillFace(c, w, h, l, cond);
    drawFrame(c, w, h, l, cond);

    const bool pressed = cond == Condition::Pressed;
    const bool hoverLook = l.hover && l.enabled;
    const PixelRect base = captionBaseRect(l.buttonType, w, h);
    const int shift = pressed ? 1 : 0;

    // Picture, and the caption's share of the rectangle.
    const PixelSurface* chosen = (hoverLook && l.pictureOver != nullptr && !l.pictureOver->isNull())
                                     ? l.pictureOver
                                     : l.pictureNormal;
    PixelSurface picture;
    if (chosen != nullptr) picture = *chosen;
    PixelRect captionRect = base;
    long long pictureX = 0, pictureY = 0;
    if (!picture.isNull()) {
        if (l.useMaskColor) makeMaskTransparent(picture, k.mask);
        if (!l.enabled || (l.useGreyscale && !hoverLook)) makeGrey(picture);
        const long long pw = picture.width(), ph = picture.height();
        const long long cx = base.left + (base.width() - pw) / 2;
        const long long cy = base.top + (base.height() - ph) / 2;
        switch (l.picturePosition) {
            case 1:
                pictureX = base.right - pw;
                pictureY = cy;
                captionRect.right = base.right - pw;
                break;
            case 2:
                pictureX = cx;
                pictureY = base.top;
                captionRect.top = base.top + ph;
                break;
            case 3:
                pictureX = cx;
                pictureY = base.bottom - ph;
                captionRect.bottom = base.bottom - ph;
                break;
            case 4:
                pictureX = cx;
                pictureY = cy;
                break;
            default:
                pictureX = base.left;
                pictureY = cy;
                captionRect.left = base.left + pw;
                break;
        }
    }

    // A picture behind the caption goes down first; any other sits beside it, drawn last.
    const bool pictureBehind = l.picturePosition == 4;
    const auto drawPicture = [&] {
        if (!picture.isNull()) c.drawPicture(pictureX + shift, pictureY + shift, picture);
    };
    if (pictureBehind) drawPicture();

    constexpr unsigned kCaptionFlags = text::kCentre | text::kWordWrap | text::kAccessKey;
    const PixelRect textRect = captionRect.translated(shift, shift);
    const auto write = [&](const PixelRect& r, ColorRef colourValue) {
        text.draw(img, l.font, l.caption, colourValue, r, kCaptionFlags, img.rect());
    };
    const bool xpFaced = l.buttonType == ButtonLook::WindowsXp ||
                         l.buttonType == ButtonLook::Rounded || l.buttonType == ButtonLook::Shaded;
    const ColorRef effectFace = xpFaced ? k.xpFace : k.face;
    if (cond == Condition::Disabled) {
        if (l.buttonType == ButtonLook::WindowsXp) {
            write(textRect, shiftColor(k.xpFace, -104, true, l.softBevel));
        } else {
            write(textRect.translated(1, 1), k.highlight);
            write(textRect, k.shadow);
        }
    } else {
        switch (l.specialEffect) {
            case 1:
                write(textRect.translated(1, 1), shiftColor(effectFace, -40, false, l.softBevel));
                write(textRect.translated(-1, -1), shiftColor(effectFace, 40, false, l.softBevel));
                break;
            case 2:
                write(textRect.translated(1, 1), shiftColor(effectFace, 40, false, l.softBevel));
                write(textRect.translated(-1, -1), shiftColor(effectFace, -40, false, l.softBevel));
                break;
            case 3:
                write(textRect.translated(1, 1), shiftColor(effectFace, -40, false, l.softBevel));
                break;
            default:
                break;
        }
        write(textRect, hoverLook ? k.hoverText : k.text);
    }
    if (!pictureBehind) drawPicture();

    if (l.showFocusRect && l.focus && l.enabled)
        c.dottedRect(base.left, base.top, base.right, base.bottom,
                     hoverLook ? k.hoverText : k.text);
    return img;
}

}  // namespace quorvex::button
