#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>

#include <cstdint>

#include "app/controls/qt_text_renderer.h"
#include "controls/chameleon_button_painter.h"
#include "controls/colour_ref.h"
#include "controls/pixel_surface.h"
#include "controls/property_bag.h"

namespace quorvex {

class EventPump;

// The owner-drawn push button: fourteen looks, four colour schemes, hover tracking, an optional
// picture and check-button behaviour. Its events are Qt signals.
class chameleonButton : public QWidget {
    Q_OBJECT
  public:
    // A newly placed button: look 2, scheme 1, the container's font, its own name as caption.
    explicit chameleonButton(QWidget* parent = nullptr, const QString& name = QString());
    // A button read from saved state.
    explicit chameleonButton(const PropertyBag& saved, QWidget* parent = nullptr);

    static QString Version() { return QStringLiteral("2.0.6"); }

    void readProperties(const PropertyBag& saved);
    // Writes every key.
    void writeProperties(PropertyBag& bag) const;

    int ButtonType() const { return buttonType_; }
    void setButtonType(int v);
    const QString& Caption() const { return caption_; }
    void setCaption(const QString& v);
    bool Enabled() const { return isEnabled(); }
    void setEnabledState(bool v);
    const QFont& Font() const { return font_; }
    void setFontValue(const QFont& v);
    // Shortcuts into Font.
    bool FontBold() const { return font_.bold(); }
    void setFontBold(bool v);
    bool FontItalic() const { return font_.italic(); }
    void setFontItalic(bool v);
    bool FontUnderline() const { return font_.underline(); }
    void setFontUnderline(bool v);
    double FontSize() const { return font_.pointSizeF(); }
    void setFontSize(double points);
    QString FontName() const { return font_.family(); }
    void setFontName(const QString& family);
    int ColorScheme() const { return colorScheme_; }
    void setColorScheme(int v);
    bool ShowFocusRect() const { return showFocusRect_; }
    void setShowFocusRect(bool v);
    ColorRef BackColor() const { return backColor_; }
    void setBackColor(ColorRef v);
    ColorRef BackOver() const { return backOver_; }
    void setBackOver(ColorRef v);
    ColorRef ForeColor() const { return foreColor_; }
    void setForeColor(ColorRef v);
    ColorRef ForeOver() const { return foreOver_; }
    void setForeOver(ColorRef v);
    ColorRef MaskColor() const { return maskColor_; }
    void setMaskColor(ColorRef v);
    int MousePointer() const { return mousePointer_; }
    void setMousePointer(int v) { mousePointer_ = v; }
    const QImage& MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QImage& v) { mouseIcon_ = v; }
    const QImage& PictureNormal() const { return pictureNormal_; }
    void setPictureNormal(const QImage& v);
    const QImage& PictureOver() const { return pictureOver_; }
    void setPictureOver(const QImage& v);
    bool UseMaskColor() const { return useMaskColor_; }
    void setUseMaskColor(bool v);
    bool SoftBevel() const { return softBevel_; }
    void setSoftBevel(bool v);
    int PicturePosition() const { return picturePosition_; }
    void setPicturePosition(int v);
    bool UseGreyscale() const { return useGreyscale_; }
    void setUseGreyscale(bool v);
    int SpecialEffect() const { return specialEffect_; }
    void setSpecialEffect(int v);
    bool HandPointer() const { return handPointer_; }
    // The platform's pointing-hand cursor; false restores the arrow.
    void setHandPointer(bool v);
    bool CheckBoxBehaviour() const { return checkBoxBehaviour_; }
    void setCheckBoxBehaviour(bool v);
    bool Value() const { return value_; }
    void setValue(bool v);
    // The container's default button (shown by looks 2 and 3 with a focus frame).
    bool IsDefault() const { return isDefault_; }
    void setDefault(bool v);

    // Suspends all drawing until the next Refresh.
    void DisableRefresh() { suspended_ = true; }
    // Re-captures the background (look 11), re-derives colours, resumes drawing and redraws.
    void Refresh();
    // Events may run while look 11 captures its background; without a pump they do not.
    void setEventPump(EventPump* pump) { pump_ = pump; }

    QChar accessKey() const { return accessKey_; }
    bool isHovering() const { return hover_; }
    bool isDrawnPressed() const { return lastPressed_; }
    const button::Colours& colours() const { return colours_; }
    // A copy of what the surface shows.
    QImage image() const;

    QSize sizeHint() const override;

  Q_SIGNALS:
    void Click();
    // Button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt; position in pixels.
    void MouseDown(int button, int shift, double x, double y);
    void MouseMove(int button, int shift, double x, double y);
    void MouseUp(int button, int shift, double x, double y);
    void KeyPress(int keyAscii);
    void KeyDown(int keyCode, int shift);
    void KeyUp(int keyCode, int shift);
    void MouseOver();
    void MouseOut();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void init();
    void redraw(bool pressed, bool force, bool hoverLook);
    void redrawNormal(bool force = true) { redraw(false, force, hover_); }
    void deriveColours();
    void updateRegion();
    void updateAccessKey();
    void captureBackground();
    void click();
    void enterHover();

    int buttonType_ = 2;
    QString caption_;
    QFont font_;
    int colorScheme_ = 1;
    bool showFocusRect_ = true;
    ColorRef backColor_ = 0, backOver_ = 0, foreColor_ = 0, foreOver_ = 0;
    ColorRef maskColor_ = colour::rgb(192, 192, 192);
    int mousePointer_ = 0;
    QImage mouseIcon_;
    QImage pictureNormal_, pictureOver_;
    bool useMaskColor_ = true;
    bool softBevel_ = false;
    int picturePosition_ = 0;
    bool useGreyscale_ = false;
    int specialEffect_ = 0;
    bool handPointer_ = false;
    bool checkBoxBehaviour_ = false;
    bool value_ = false;
    bool isDefault_ = false;

    button::Colours colours_;
    PixelSurface image_;
    PixelSurface background_;  // look 11
    PixelSurface pictureNormalPixels_, pictureOverPixels_;
    QtTextRenderer text_;
    QChar accessKey_;
    int accessShortcut_ = 0;
    bool suspended_ = false;
    bool hover_ = false;
    bool focus_ = false;
    bool lastPressed_ = false;
    bool lastHoverLook_ = false;
    QString lastCaption_;
    bool drawnOnce_ = false;
    Qt::MouseButton lastButton_ = Qt::NoButton;
    int lastKey_ = 0;
    QSize regionSize_;
    EventPump* pump_ = nullptr;
};

// Design-time settings of the Firefox page's buttons, number 2 or 3 (chameleonButtonN).
PropertyBag chameleonButtonDesignBag(int number);
// A Firefox page button with its design-time settings; the page places it.
chameleonButton* makeChameleonButton(int number, QWidget* parent);

}  // namespace quorvex
