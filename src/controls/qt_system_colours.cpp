#include "controls/qt_system_colours.h"

#include <QGuiApplication>

namespace quorvex {

namespace {

ColorRef fromQColor(const QColor& c) {
    const QColor rgbColour = c.toRgb();
    return colour::rgb(rgbColour.red(), rgbColour.green(), rgbColour.blue());
}

}  // namespace

SystemColours paletteSystemColours(const QPalette& palette) {
    using namespace colour;
    SystemColours s = classicSystemColours();
    s.rgb[kWindow] = fromQColor(palette.color(QPalette::Base));
    s.rgb[kWindowText] = fromQColor(palette.color(QPalette::Text));
    s.rgb[kHighlight] = fromQColor(palette.color(QPalette::Highlight));
    s.rgb[kHighlightText] = fromQColor(palette.color(QPalette::HighlightedText));
    s.rgb[kButtonFace] = fromQColor(palette.color(QPalette::Button));
    s.rgb[kButtonShadow] = fromQColor(palette.color(QPalette::Dark));
    s.rgb[kGrayText] = fromQColor(palette.color(QPalette::Disabled, QPalette::Text));
    s.rgb[kButtonText] = fromQColor(palette.color(QPalette::ButtonText));
    s.rgb[kButtonHighlight] = fromQColor(palette.color(QPalette::Light));
    s.rgb[kDarkShadow3D] = fromQColor(palette.color(QPalette::Shadow));
    s.rgb[kLight3D] = fromQColor(palette.color(QPalette::Midlight));
    return s;
}

SystemColours applicationSystemColours() {
    if (qGuiApp == nullptr) return classicSystemColours();
    return paletteSystemColours(QGuiApplication::palette());
}

}  // namespace quorvex
