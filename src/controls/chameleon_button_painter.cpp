#include "controls/chameleon_button_painter.h"

#include <QPainter>

#include "controls/gdi_canvas.h"

namespace quorvex::button {

namespace {

using colour::lighten;
using colour::rgb;
using colour::shiftColor;

ColorRef sys(int index) {
    return resolveColour(colour::system(index));
}

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

enum class Condition { Disabled, Pressed, Hover, Focused, Normal };

Condition conditionOf(const Look& l) {
    if (!l.enabled) return Condition::Disabled;
    if (l.pressed) return Condition::Pressed;
    if (l.hover) return Condition::Hover;
    if (l.focus) return Condition::Focused;
    return Condition::Normal;
}

void shadeRows(GdiCanvas& c, int w, int h, ColorRef top, ColorRef bottom) {
    for (int y = 0; y < h; ++y) {
        const double t = h > 1 ? static_cast<double>(y) / (h - 1) : 0.0;
        const auto mix = [t](int a, int b) { return colour::nearest(a + (b - a) * t); };
        c.fillRect(0, y, w, y + 1,
                   rgb(mix(colour::red(top), colour::red(bottom)),
                       mix(colour::green(top), colour::green(bottom)),
                       mix(colour::blue(top), colour::blue(bottom))));
    }
}

void drawXpLook(GdiCanvas& c, int w, int h, const Look& l, Condition cond) {
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
    const ColorRef frame = cond == Condition::Disabled ? shiftColor(xp, -54, true) : kXpFrame;
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

void drawRoundedLook(GdiCanvas& c, int w, int h, const Colours& k, bool sunken) {
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

void drawFrame(GdiCanvas& c, QImage& img, int w, int h, const Look& l, Condition cond) {
    const Colours& k = l.colours;
    const bool pressed = cond == Condition::Pressed;
    const bool hover = cond == Condition::Hover || (pressed && l.hover);
    const bool disabled = cond == Condition::Disabled;
    switch (l.buttonType) {
        case 1:
            c.frameRect(0, 0, w, h, disabled ? k.shadow : k.darkShadow);
            if (pressed)
                c.edgeRing(1, 1, w - 1, h - 1, k.shadow, k.highlight);
            else
                c.edgeRing(1, 1, w - 1, h - 1, k.highlight, k.shadow);
            break;
        case 2: {
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
        case 3:
            break;  // drawn with its face
        case 4:
            drawRoundedLook(c, w, h, k, pressed);
            break;
        case 5:
            c.frameRect(0, 0, w, h, shiftColor(k.face, pressed ? -64 : -32, false));
            if (l.focus && !disabled) c.frameRect(1, 1, w - 1, h - 1, kFlatFocusMark);
            break;
        case 6: {
            const ColorRef a = hover ? k.highlight : k.light;
            const ColorRef b = shiftColor(k.light, -64, false);
            if (pressed)
                c.edgeRing(0, 0, w, h, b, a);
            else
                c.edgeRing(0, 0, w, h, a, b);
            break;
        }
        case 7:
        case 8:
        case 12:
            if (pressed) {
                c.edgeRing(0, 0, w, h, k.shadow, k.highlight);
                if (l.buttonType == 12) c.edgeRing(1, 1, w - 1, h - 1, k.darkShadow, k.light);
            } else if (hover) {
                c.edgeRing(0, 0, w, h, k.highlight, k.shadow);
            }
            break;
        case 9:
            if (hover || pressed) {
                c.fillRect(0, 0, w, h,
                           pressed ? shiftColor(k.selectionLight, -24, false) : k.selectionLight);
                c.frameRect(0, 0, w, h, k.selection);
            }
            break;
        case 13: {
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setPen(toQColor(disabled ? k.shadow : k.darkShadow));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(0, 0, w - 1, h - 1);
            p.setPen(toQColor(pressed ? k.shadow : k.highlight));
            p.drawArc(1, 1, w - 3, h - 3, 45 * 16, 180 * 16);
            p.setPen(toQColor(pressed ? k.highlight : k.shadow));
            p.drawArc(1, 1, w - 3, h - 3, 225 * 16, 180 * 16);
            break;
        }
        case 14:
            c.frameRect(0, 0, w, h, disabled ? k.shadow : k.darkShadow);
            c.frameRect(1, 1, w - 1, h - 1, pressed ? k.shadow : k.highlight);
            break;
        default:  // 10, 11 and anything else: no frame
            break;
    }
}

void fillFace(GdiCanvas& c, QImage& img, int w, int h, const Look& l, Condition cond) {
    const Colours& k = l.colours;
    switch (l.buttonType) {
        case 3:
            drawXpLook(c, w, h, l, cond);
            return;
        case 11:
            if (!l.background.isNull()) {
                QPainter p(&img);
                p.drawImage(0, 0, l.background);
            } else {
                c.fillRect(0, 0, w, h, k.face);
            }
            return;
        case 13: {
            c.fillRect(0, 0, w, h, k.face);
            return;
        }
        case 14:
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

QImage greyed(const QImage& src) {
    QImage out = src.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int g = qGray(row[x]);
            row[x] = qRgba(g, g, g, qAlpha(row[x]));
        }
    }
    return out;
}

QImage masked(const QImage& src, ColorRef mask) {
    QImage out = src.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = qRgb(colour::red(mask), colour::green(mask), colour::blue(mask)) & 0xffffff;
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((row[x] & 0xffffff) == key) row[x] = 0;
    }
    return out;
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
        case 2: {
            k.hoverFace = resolveColour(in.backOver);
            k.face = in.hovering ? k.hoverFace : resolveColour(in.backColor);
            k.text = resolveColour(in.foreColor);
            k.hoverText = resolveColour(in.foreOver);
            fromFace(k.face);
            k.selection = shiftColor(k.face, -128, false, soft);
            k.selectionLight = k.face;
            break;
        }
        case 3:
            k.face = k.hoverFace = rgb(192, 192, 192);
            k.text = k.hoverText = colour::kBlack;
            k.light = rgb(223, 223, 223);
            k.highlight = colour::kWhite;
            k.shadow = rgb(128, 128, 128);
            k.darkShadow = colour::kBlack;
            k.selection = rgb(0, 0, 128);
            k.selectionLight = rgb(173, 173, 209);
            break;
        case 4:
            k.face = k.hoverFace = resolveColour(in.containerBack);
            k.text = k.hoverText = resolveColour(in.containerText);
            fromFace(k.face);
            k.selection = sys(colour::kHighlight);
            k.selectionLight = lighten(k.selection, 176);
            break;
        default:
            k.face = k.hoverFace = sys(colour::kButtonFace);
            k.text = k.hoverText = sys(colour::kButtonText);
            k.light = sys(colour::kLight3D);
            k.highlight = sys(colour::kButtonHighlight);
            k.shadow = sys(colour::kButtonShadow);
            k.darkShadow = sys(colour::kDarkShadow3D);
            k.selection = sys(colour::kHighlight);
            k.selectionLight = lighten(k.selection, 176);
            break;
    }
    k.mask = resolveColour(in.maskColor);
    k.xpFace = shiftColor(k.face, 48, in.look == 3, soft);
    return k;
}

QRegion buttonRegion(int type, int w, int h) {
    if (w <= 0 || h <= 0) return {};
    QRegion r(0, 0, w, h);
    const auto cut = [&r](int x, int y) { r -= QRegion(x, y, 1, 1); };
    switch (type) {
        case 1:
        case 14:
            cut(0, 0);
            cut(w - 1, 0);
            cut(0, h - 1);
            cut(w - 1, h - 1);
            break;
        case 3:
        case 4:
            for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}}) {
                cut(x, y);
                cut(w - 1 - x, y);
                cut(x, h - 1 - y);
                cut(w - 1 - x, h - 1 - y);
            }
            break;
        case 5:
            cut(0, 0);
            cut(w - 1, h - 1);
            break;
        case 13:
            return QRegion(0, 0, w, h, QRegion::Ellipse);
        default:
            break;
    }
    return r;
}

QRect captionBaseRect(int type, int w, int h) {
    QRect r(0, 0, w, h);
    if (type >= 7 && type <= 13) return r.adjusted(3, 3, -3, -3);
    if (type == 14) return r.adjusted(5, 5, -5, -5).translated(1, 1);
    return r.adjusted(4, 4, -4, -4);
}

QChar accessKey(const QString& caption) {
    if (caption.size() <= 1) return {};
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;  // a literal ampersand
            continue;
        }
        return caption[i + 1].toLower();
    }
    return {};
}

QImage paintButton(int w, int h, const Look& l) {
    if (w <= 0 || h <= 0) return {};
    QImage img(w, h, QImage::Format_RGB32);
    GdiCanvas c(img);
    const Condition cond = conditionOf(l);
    const Colours& k = l.colours;
    c.fillRect(0, 0, w, h, k.face);
    fillFace(c, img, w, h, l, cond);
    drawFrame(c, img, w, h, l, cond);

    const bool pressed = cond == Condition::Pressed;
    const bool hoverLook = l.hover && l.enabled;
    const QRect base = captionBaseRect(l.buttonType, w, h);
    const int shift = pressed ? 1 : 0;

    // Picture, and the caption's share of the rectangle.
    QImage picture = (hoverLook && !l.pictureOver.isNull()) ? l.pictureOver : l.pictureNormal;
    QRect captionRect = base;
    QPoint picturePos;
    if (!picture.isNull()) {
        if (l.useMaskColor) picture = masked(picture, k.mask);
        if (!l.enabled || (l.useGreyscale && !hoverLook)) picture = greyed(picture);
        const int pw = picture.width(), ph = picture.height();
        const int cx = base.left() + (base.width() - pw) / 2;
        const int cy = base.top() + (base.height() - ph) / 2;
        switch (l.picturePosition) {
            case 1:
                picturePos = {base.right() + 1 - pw, cy};
                captionRect.setRight(base.right() - pw);
                break;
            case 2:
                picturePos = {cx, base.top()};
                captionRect.setTop(base.top() + ph);
                break;
            case 3:
                picturePos = {cx, base.bottom() + 1 - ph};
                captionRect.setBottom(base.bottom() - ph);
                break;
            case 4:
                picturePos = {cx, cy};
                break;
            default:
                picturePos = {base.left(), cy};
                captionRect.setLeft(base.left() + pw);
                break;
        }
    }

    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    QFont font = l.font;
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    const QRect textRect = captionRect.translated(shift, shift);
    const auto text = [&](const QRect& r, ColorRef colourValue) {
        p.setPen(toQColor(colourValue));
        p.drawText(r, flags, l.caption);
    };
    const bool xpFaced = l.buttonType == 3 || l.buttonType == 4 || l.buttonType == 14;
    const ColorRef effectFace = xpFaced ? k.xpFace : k.face;
    if (cond == Condition::Disabled) {
        if (l.buttonType == 3) {
            text(textRect, shiftColor(k.xpFace, -104, true));
        } else {
            text(textRect.translated(1, 1), k.highlight);
            text(textRect, k.shadow);
        }
    } else {
        switch (l.specialEffect) {
            case 1:
                text(textRect.translated(1, 1), shiftColor(effectFace, -40, false));
                text(textRect.translated(-1, -1), shiftColor(effectFace, 40, false));
                break;
            case 2:
                text(textRect.translated(1, 1), shiftColor(effectFace, 40, false));
                text(textRect.translated(-1, -1), shiftColor(effectFace, -40, false));
                break;
            case 3:
                text(textRect.translated(1, 1), shiftColor(effectFace, -40, false));
                break;
            default:
                break;
        }
        text(textRect, hoverLook ? k.hoverText : k.text);
    }
    if (!picture.isNull()) p.drawImage(picturePos + QPoint(shift, shift), picture);
    p.end();

    if (l.showFocusRect && l.focus && l.enabled)
        c.dottedRect(base.left(), base.top(), base.right() + 1, base.bottom() + 1,
                     hoverLook ? k.hoverText : k.text);
    return img;
}

}  // namespace quorvex::button
