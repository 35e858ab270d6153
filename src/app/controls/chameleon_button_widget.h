#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>

#include <cstdint>

#include "app/controls/qt_text_renderer.h"
#include "controls/chameleon_button.h"
#include "controls/colour_ref.h"
#include "controls/pixel_surface.h"
#include "controls/property_bag.h"

namespace quorvex {

namespace layout {
struct Button;
struct ButtonDesign;
}  // namespace layout

class EventPump;

// The owner-drawn push button as a Qt widget: ChameleonButton keeps the properties, runs the
// pointer and key rules and draws; the widget forwards Qt's events to it, decodes font and
// pictures, and raises the events as Qt signals.
class chameleonButton : public QWidget, private ChameleonButtonWindow {
    Q_OBJECT
  public:
    // A newly placed button: look 2, scheme 1, the container's font, its own name as caption.
    explicit chameleonButton(QWidget* parent = nullptr, const QString& name = QString());
    // A button read from saved state.
    explicit chameleonButton(const PropertyBag& saved, QWidget* parent = nullptr);

    static QString Version() { return QStringLiteral("2.0.6"); }

    void readProperties(const PropertyBag& saved);
    // Writes every key.
    void writeProperties(PropertyBag& bag) const { props().save(bag); }

    int ButtonType() const { return props().ButtonType; }
    void setButtonType(int v);
    QString Caption() const { return QString::fromStdString(props().Caption); }
    void setCaption(const QString& v);
    bool Enabled() const { return isEnabled(); }
    void setEnabledState(bool v) { setEnabled(v); }
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
    int ColorScheme() const { return props().ColorScheme; }
    void setColorScheme(int v) { change(props().ColorScheme, v); }
    bool ShowFocusRect() const { return props().ShowFocusRect; }
    void setShowFocusRect(bool v) { change(props().ShowFocusRect, v); }
    ColorRef BackColor() const { return props().BackColor; }
    void setBackColor(ColorRef v) { change(props().BackColor, v); }
    ColorRef BackOver() const { return props().BackOver; }
    void setBackOver(ColorRef v) { change(props().BackOver, v); }
    ColorRef ForeColor() const { return props().ForeColor; }
    void setForeColor(ColorRef v) { change(props().ForeColor, v); }
    ColorRef ForeOver() const { return props().ForeOver; }
    void setForeOver(ColorRef v) { change(props().ForeOver, v); }
    ColorRef MaskColor() const { return props().MaskColor; }
    void setMaskColor(ColorRef v) { change(props().MaskColor, v); }
    int MousePointer() const { return props().MousePointer; }
    void setMousePointer(int v) { props().MousePointer = v; }
    const QImage& MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const QImage& v);
    const QImage& PictureNormal() const { return pictureNormal_; }
    void setPictureNormal(const QImage& v);
    const QImage& PictureOver() const { return pictureOver_; }
    void setPictureOver(const QImage& v);
    bool UseMaskColor() const { return props().UseMaskColor; }
    void setUseMaskColor(bool v) { change(props().UseMaskColor, v); }
    bool SoftBevel() const { return props().SoftBevel; }
    void setSoftBevel(bool v) { change(props().SoftBevel, v); }
    int PicturePosition() const { return props().PicturePosition; }
    void setPicturePosition(int v) { change(props().PicturePosition, v); }
    bool UseGreyscale() const { return props().UseGreyscale; }
    void setUseGreyscale(bool v) { change(props().UseGreyscale, v); }
    int SpecialEffect() const { return props().SpecialEffect; }
    void setSpecialEffect(int v) { change(props().SpecialEffect, v); }
    bool HandPointer() const { return props().HandPointer; }
    // The platform's pointing-hand cursor; false restores the arrow.
    void setHandPointer(bool v);
    bool CheckBoxBehaviour() const { return props().CheckBoxBehaviour; }
    void setCheckBoxBehaviour(bool v) { change(props().CheckBoxBehaviour, v); }
    bool Value() const { return props().Value; }
    void setValue(bool v);
    // The container's default button (shown by looks 2 and 3 with a focus frame).
    bool IsDefault() const { return button_.isDefault(); }
    void setDefault(bool v) { button_.setDefault(v); }

    // Suspends all drawing until the next Refresh.
    void DisableRefresh() { button_.disableRefresh(); }
    // Re-captures the background (look 11), re-derives colours, resumes drawing and redraws.
    void Refresh() { button_.refresh(); }
    // Events may run while look 11 captures its background; without a pump they do not.
    void setEventPump(EventPump* pump) { pump_ = pump; }

    QChar accessKey() const { return accessKey_; }
    bool isHovering() const { return button_.isHovering(); }
    bool isDrawnPressed() const { return button_.isDrawnPressed(); }
    const button::Colours& colours() const { return button_.colours(); }
    const ChameleonButton& button() const { return button_; }
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
    // The window the core button draws for.
    int surfaceWidth() const override { return width(); }
    int surfaceHeight() const override { return height(); }
    ColorRef containerBack() const override;
    ColorRef containerText() const override;
    void showImage() override;
    bool captureBackground(PixelSurface& out) override;
    void moveFocus(bool next) override { focusNextPrevChild(next); }
    void clicked() override { Q_EMIT Click(); }
    void pointerOver() override { Q_EMIT MouseOver(); }
    void pointerOut() override { Q_EMIT MouseOut(); }

    ChameleonButtonProperties& props() { return button_.properties(); }
    const ChameleonButtonProperties& props() const { return button_.properties(); }
    template <typename T>
    void change(T& property, T v) {
        property = v;
        button_.redrawNormal();
    }
    void init();
    void fontChanged();
    void picturesChanged();
    void updateRegion();
    void updateAccessKey();

    QtTextRenderer text_;
    ChameleonButton button_;
    QFont font_;
    QImage mouseIcon_;
    QImage pictureNormal_, pictureOver_;
    QChar accessKey_;
    int accessShortcut_ = 0;
    QSize regionSize_;
    EventPump* pump_ = nullptr;
};

// The saved state of a button as designed.
PropertyBag chameleonButtonDesignBag(const layout::ButtonDesign& design,
                                     const layout::Button& button);
// A Firefox page button as designed, named and placed as the description says.
chameleonButton* makeChameleonButton(const layout::Button& button, QWidget* parent);

}  // namespace quorvex
