#pragma once

#include <QFont>
#include <QImage>
#include <QRegion>
#include <QString>

#include "controls/colour_ref.h"

namespace quorvex::button {

// Colours every look is drawn from, all resolved RGB.
struct Colours {
    ColorRef face = 0, hoverFace = 0, text = 0, hoverText = 0;
    ColorRef light = 0, highlight = 0, shadow = 0, darkShadow = 0;
    ColorRef selection = 0, selectionLight = 0, mask = 0, xpFace = 0;
};

struct SchemeInput {
    int scheme = 1;
    int look = 2;
    ColorRef backColor = 0, backOver = 0, foreColor = 0, foreOver = 0, maskColor = 0;
    ColorRef containerBack = 0, containerText = 0;  // scheme 4
    bool softBevel = false;
    bool hovering = false;  // scheme 2 then derives everything from the hover face
};

Colours deriveColours(const SchemeInput& in);

// Everything one drawing of the button depends on.
struct Look {
    int buttonType = 2;
    Colours colours;
    bool enabled = true;
    bool pressed = false;
    bool hover = false;
    bool focus = false;
    bool isDefault = false;  // the container's default button
    bool showFocusRect = true;
    bool softBevel = false;
    QString caption;
    QFont font;
    int specialEffect = 0;
    int picturePosition = 0;
    QImage pictureNormal;
    QImage pictureOver;
    bool useGreyscale = false;
    bool useMaskColor = true;
    QImage background;  // look 11: the container's pixels under the button
};

// Draws the button (width x height) into a new image.
QImage paintButton(int width, int height, const Look& look);

// The window region that shapes the look.
QRegion buttonRegion(int buttonType, int width, int height);

// The client area inset for the caption (before the picture takes its share).
QRect captionBaseRect(int buttonType, int width, int height);

// The access key of a caption: the character after the first single "&" (lower-cased); "&&" is a
// literal ampersand. Null when there is none.
QChar accessKey(const QString& caption);

}  // namespace quorvex::button
