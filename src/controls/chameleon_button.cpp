#include "controls/chameleon_button.h"

#include <utility>

namespace quorvex {

void ChameleonButtonProperties::load(const PropertyBag& s) {
    const ChameleonButtonProperties d;
    const auto colourOf = [&s](const char* key, ColorRef fallback) {
        return static_cast<ColorRef>(s.readInt(key, fallback));
    };
    ButtonType = static_cast<int>(s.readInt("BTYPE", d.ButtonType));
    Caption = s.readText("TX", {});
    Enabled = s.readBool("ENAB", d.Enabled);
    Font = s.readText("FONT", Font);
    ColorScheme = static_cast<int>(s.readInt("COLTYPE", d.ColorScheme));
    ShowFocusRect = s.readBool("FOCUSR", d.ShowFocusRect);
    BackColor = colourOf("BCOL", d.BackColor);
    BackOver = colourOf("BCOLO", BackColor);
    ForeColor = colourOf("FCOL", d.ForeColor);
    ForeOver = colourOf("FCOLO", ForeColor);
    MaskColor = colourOf("MCOL", d.MaskColor);
    MousePointer = static_cast<int>(s.readInt("MPTR", d.MousePointer));
    MouseIcon = s.readText("MICON", {});
    PictureNormal = s.readText("PICN", {});
    PictureOver = s.readText("PICH", {});
    UseMaskColor = s.readBool("UMCOL", d.UseMaskColor);
    SoftBevel = s.readBool("SOFT", d.SoftBevel);
    PicturePosition = static_cast<int>(s.readInt("PICPOS", d.PicturePosition));
    UseGreyscale = s.readBool("NGREY", d.UseGreyscale);
    SpecialEffect = static_cast<int>(s.readInt("FX", d.SpecialEffect));
    HandPointer = s.readBool("HAND", d.HandPointer);
    CheckBoxBehaviour = s.readBool("CHECK", d.CheckBoxBehaviour);
    Value = s.readBool("VALUE", d.Value);
}

void ChameleonButtonProperties::save(PropertyBag& b) const {
    const auto i = [](std::int64_t v) { return PropertyBag::Value{v}; };
    b.writeAlways("BTYPE", i(ButtonType));
    b.writeAlways("TX", Caption);
    b.writeAlways("ENAB", Enabled);
    b.writeAlways("FONT", Font);
    b.writeAlways("COLTYPE", i(ColorScheme));
    b.writeAlways("FOCUSR", ShowFocusRect);
    b.writeAlways("BCOL", i(BackColor));
    b.writeAlways("BCOLO", i(BackOver));
    b.writeAlways("FCOL", i(ForeColor));
    b.writeAlways("FCOLO", i(ForeOver));
    b.writeAlways("MCOL", i(MaskColor));
    b.writeAlways("MPTR", i(MousePointer));
    b.writeAlways("MICON", MouseIcon);
    b.writeAlways("PICN", PictureNormal);
    b.writeAlways("PICH", PictureOver);
    b.writeAlways("UMCOL", UseMaskColor);
    b.writeAlways("SOFT", SoftBevel);
    b.writeAlways("PICPOS", i(PicturePosition));
    b.writeAlways("NGREY", UseGreyscale);
    b.writeAlways("FX", i(SpecialEffect));
    b.writeAlways("HAND", HandPointer);
    b.writeAlways("CHECK", CheckBoxBehaviour);
    b.writeAlways("VALUE", Value);
}

ChameleonButton::ChameleonButton(ChameleonButtonWindow& window, TextRenderer& text,
                                 const SystemColours& system)
    : window_(window), text_(text), system_(system) {}

button::Colours ChameleonButton::schemeDefaults() const {
    button::SchemeInput defaults;
    defaults.system = system_;
    return button::deriveColours(defaults);
}

void ChameleonButton::setPictures(PixelSurface normal, PixelSurface over) {
    pictureNormal_ = std::move(normal);
    pictureOver_ = std::move(over);
}

void ChameleonButton::setDefault(bool v) {
    isDefault_ = v;
    redrawNormal();
}

// --- drawing ------------------------------------------------------------------------------

void ChameleonButton::deriveColours() {
    button::SchemeInput in;
    in.scheme = props_.scheme();
    in.look = props_.look();
    in.backColor = props_.BackColor;
    in.backOver = props_.BackOver;
    in.foreColor = props_.ForeColor;
    in.foreOver = props_.ForeOver;
    in.maskColor = props_.MaskColor;
    in.containerBack = window_.containerBack();
    in.containerText = window_.containerText();
    in.system = system_;
    in.softBevel = props_.SoftBevel;
    in.hovering = lastHoverLook_;
    colours_ = button::deriveColours(in);
}

void ChameleonButton::redraw(bool pressed, bool force, bool hoverLook) {
    if (props_.CheckBoxBehaviour && props_.Value) pressed = true;
    const int width = window_.surfaceWidth(), height = window_.surfaceHeight();
    if (suspended_ || height <= 0 || width <= 0) return;
    if (!force && drawnOnce_ && pressed == lastPressed_ && props_.Caption == lastCaption_) return;
    lastHoverLook_ = hoverLook;
    deriveColours();
    button::Look look;
    look.buttonType = props_.look();
    look.colours = colours_;
    look.enabled = props_.Enabled;
    look.pressed = pressed;
    look.hover = hoverLook;
    look.focus = focus_;
    look.isDefault = isDefault_;
    look.showFocusRect = props_.ShowFocusRect;
    look.softBevel = props_.SoftBevel;
    look.caption = props_.Caption;
    look.font = font_;
    look.specialEffect = props_.SpecialEffect;
    look.picturePosition = props_.PicturePosition;
    look.pictureNormal = pictureNormal_.isNull() ? nullptr : &pictureNormal_;
    look.pictureOver = pictureOver_.isNull() ? nullptr : &pictureOver_;
    look.useGreyscale = props_.UseGreyscale;
    look.useMaskColor = props_.UseMaskColor;
    look.background = background_.isNull() ? nullptr : &background_;
    image_ = button::paintButton(width, height, look, text_);
    lastPressed_ = pressed;
    lastCaption_ = props_.Caption;
    drawnOnce_ = true;
    window_.showImage();
}

void ChameleonButton::captureBackground() {
    if (props_.look() != ButtonLook::Transparent) return;
    const bool wasSuspended = suspended_;
    suspended_ = true;
    PixelSurface copy;
    if (window_.captureBackground(copy)) background_ = std::move(copy);
    suspended_ = wasSuspended;
}

void ChameleonButton::refresh() {
    captureBackground();
    suspended_ = false;
    redrawNormal();
}

// --- pointer and keyboard -----------------------------------------------------------------

void ChameleonButton::click() {
    if (lastButton_ != MouseButton::Left || !props_.Enabled) return;
    if (props_.CheckBoxBehaviour) props_.Value = !props_.Value;
    redrawNormal();
    refresh();
    window_.clicked();
}

void ChameleonButton::enterHover() {
    hover_ = true;
    redraw(false, true, true);
    window_.pointerOver();
}

void ChameleonButton::mouseDown(MouseButton button) {
    if (button == MouseButton::Right) return;
    lastButton_ = button;
    redraw(true, true, hover_);
}

void ChameleonButton::mouseUp(MouseButton button, bool inside) {
    if (button == MouseButton::Right) return;
    redraw(false, true, hover_);
    if (button == MouseButton::Left && inside) click();
}

void ChameleonButton::mouseMove(int held, bool inside) {
    const int left = static_cast<int>(MouseButton::Left);
    if (held != 0 && held != left) return;
    if (!inside)
        redraw(false, true, false);
    else if (held == 0 && !hover_)
        enterHover();
    else if (held == left)
        redraw(true, true, true);
}

void ChameleonButton::pointerEntered(int held) {
    if (!hover_ && held == 0) enterHover();
}

void ChameleonButton::pointerLeft() {
    if (!hover_) return;
    hover_ = false;
    redraw(false, true, false);
    window_.pointerOut();
}

void ChameleonButton::keyDown(ButtonKey key, bool autoRepeat) {
    if (autoRepeat) return;
    lastKey_ = key;
    switch (key) {
        case ButtonKey::Space:
            redraw(true, true, hover_);
            break;
        case ButtonKey::Left:
        case ButtonKey::Up:
            window_.moveFocus(false);
            break;
        case ButtonKey::Right:
        case ButtonKey::Down:
            window_.moveFocus(true);
            break;
        default:
            break;
    }
}

void ChameleonButton::keyUp(ButtonKey key, bool autoRepeat) {
    // Only Space clicks, on its release; Enter does not.
    if (autoRepeat || lastKey_ != ButtonKey::Space || key != ButtonKey::Space) return;
    if (props_.CheckBoxBehaviour) props_.Value = !props_.Value;
    redrawNormal();
    refresh();
    window_.clicked();
}

void ChameleonButton::accessKeyPressed() {
    lastButton_ = MouseButton::Left;
    click();
}

void ChameleonButton::focusChanged(bool focus) {
    focus_ = focus;
    redrawNormal();
}

void ChameleonButton::enabledChanged(bool enabled) {
    props_.Enabled = enabled;
    redrawNormal();
}

void ChameleonButton::containerChanged() {
    if (props_.scheme() != ButtonScheme::OwnColours) redrawNormal();
}

}  // namespace quorvex
