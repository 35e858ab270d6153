#pragma once

#include <cstdint>
#include <string>

#include "controls/chameleon_button_painter.h"
#include "controls/colour_ref.h"
#include "controls/pixel_surface.h"
#include "controls/property_bag.h"
#include "controls/system_colours.h"
#include "controls/text_renderer.h"

namespace quorvex {

// The push button's saved properties and the defaults used when a key is absent. Font and
// pictures are kept as saved (font text, encoded image bytes, empty for none): only a toolkit
// decodes them.
struct ChameleonButtonProperties {
    ButtonLook look() const { return static_cast<ButtonLook>(ButtonType); }
    ButtonScheme scheme() const { return static_cast<ButtonScheme>(ColorScheme); }

    int ButtonType = static_cast<int>(ButtonLook::Classic);  // a ButtonLook, as saved
    std::string Caption;                                     // UTF-8; "&x" marks the access key
    bool Enabled = true;
    std::string Font;  // an absent key keeps the current font
    int ColorScheme = static_cast<int>(ButtonScheme::System);  // a ButtonScheme, as saved
    bool ShowFocusRect = true;
    ColorRef BackColor = colour::system(colour::kButtonFace);
    ColorRef BackOver = colour::system(colour::kButtonFace);
    ColorRef ForeColor = colour::system(colour::kButtonText);
    ColorRef ForeOver = colour::system(colour::kButtonText);
    ColorRef MaskColor = colour::rgb(192, 192, 192);
    int MousePointer = 0;
    std::string MouseIcon;
    std::string PictureNormal;
    std::string PictureOver;
    bool UseMaskColor = true;
    bool SoftBevel = false;
    int PicturePosition = 0;
    bool UseGreyscale = false;
    int SpecialEffect = 0;
    bool HandPointer = false;
    bool CheckBoxBehaviour = false;
    bool Value = false;

    // Every key; an absent "BCOLO" or "FCOLO" takes the value read for "BCOL" or "FCOL".
    void load(const PropertyBag& bag);
    // Writes every key.
    void save(PropertyBag& bag) const;
};

enum class MouseButton { None = 0, Left = 1, Right = 2, Middle = 4 };
enum class ButtonKey { Other, Space, Enter, Left, Up, Right, Down };

// What the button asks of the window that shows it, and the events it raises there.
class ChameleonButtonWindow {
  public:
    virtual ~ChameleonButtonWindow() = default;
    virtual int surfaceWidth() const = 0;
    virtual int surfaceHeight() const = 0;
    // The container's background and text colours (scheme 4), resolved.
    virtual ColorRef containerBack() const = 0;
    virtual ColorRef containerText() const = 0;
    // A new drawing is in image(): show it.
    virtual void showImage() = 0;
    // Look 11: the container's pixels under the button; false leaves the last copy.
    virtual bool captureBackground(PixelSurface& /*out*/) { return false; }
    virtual void moveFocus(bool /*next*/) {}
    virtual void clicked() {}
    virtual void pointerOver() {}
    virtual void pointerOut() {}
};

// The push button without a window: its properties, the pointer and key state machine and its
// drawing. A front end forwards its window's events and shows image().
class ChameleonButton {
  public:
    ChameleonButton(ChameleonButtonWindow& window, TextRenderer& text,
                    const SystemColours& system = platformSystemColours());

    ChameleonButtonProperties& properties() { return props_; }
    const ChameleonButtonProperties& properties() const { return props_; }
    // The scheme's face and text colours: a newly placed button's own colours.
    button::Colours schemeDefaults() const;

    // What the painter reads for the font and the pictures (decoded by the front end).
    void setFont(const FontSpec& font) { font_ = font; }
    void setPictures(PixelSurface normal, PixelSurface over);
    bool isDefault() const { return isDefault_; }
    void setDefault(bool v);

    // Draws the normal (or, with CheckBoxBehaviour and Value, pressed) state after a change.
    void redrawNormal(bool force = true) { redraw(false, force, hover_); }
    // Draws the state last drawn again, for a surface of a new size or scale.
    void redrawLast() { redraw(lastPressed_, true, lastHoverLook_); }
    // Suspends all drawing until the next refresh.
    void disableRefresh() { suspended_ = true; }
    // Re-captures the background (look 11), resumes drawing and redraws.
    void refresh();

    // The window's events.
    void shown() { refresh(); }
    void hidden() { suspended_ = true; }
    void mouseDown(MouseButton button);
    void mouseUp(MouseButton button, bool inside);
    // `held`: the buttons held during the move, as MouseButton bits.
    void mouseMove(int held, bool inside);
    void pointerEntered(int held);
    void pointerLeft();
    void keyDown(ButtonKey key, bool autoRepeat);
    void keyUp(ButtonKey key, bool autoRepeat);
    void accessKeyPressed();
    void focusChanged(bool focus);
    void enabledChanged(bool enabled);
    // The container's colours changed: every scheme but the button's own follows them.
    void containerChanged();

    bool isHovering() const { return hover_; }
    bool hasFocus() const { return focus_; }
    bool isDrawnPressed() const { return lastPressed_; }
    const button::Colours& colours() const { return colours_; }
    const PixelSurface& image() const { return image_; }

  private:
    void redraw(bool pressed, bool force, bool hoverLook);
    void deriveColours();
    void captureBackground();
    void click();
    void enterHover();

    ChameleonButtonWindow& window_;
    TextRenderer& text_;
    SystemColours system_;
    ChameleonButtonProperties props_;
    FontSpec font_;
    PixelSurface pictureNormal_, pictureOver_;
    PixelSurface background_;  // look 11
    button::Colours colours_;
    PixelSurface image_;
    bool isDefault_ = false;
    bool suspended_ = false;
    bool hover_ = false;
    bool focus_ = false;
    bool lastPressed_ = false;
    bool lastHoverLook_ = false;
    std::string lastCaption_;
    bool drawnOnce_ = false;
    MouseButton lastButton_ = MouseButton::None;
    ButtonKey lastKey_ = ButtonKey::Other;
};

}  // namespace quorvex
