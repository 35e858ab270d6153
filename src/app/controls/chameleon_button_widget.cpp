#include "app/controls/chameleon_button_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QShortcutEvent>

#include "app/controls/qt_surface.h"
#include "app/controls/xp_progress_bar_widget.h"
#include "model/settings_description.h"
#include "platform/event_pump.h"

namespace quorvex {

namespace {

constexpr int kHintWidth = 417;
constexpr int kHintHeight = 33;

int buttonCode(Qt::MouseButtons b) {
    int code = 0;
    if (b & Qt::LeftButton) code |= 1;
    if (b & Qt::RightButton) code |= 2;
    if (b & Qt::MiddleButton) code |= 4;
    return code;
}

int shiftCode(Qt::KeyboardModifiers m) {
    int code = 0;
    if (m & Qt::ShiftModifier) code |= 1;
    if (m & Qt::ControlModifier) code |= 2;
    if (m & Qt::AltModifier) code |= 4;
    return code;
}

// Key codes as the classic virtual-key numbers where they differ from Qt's.
int keyCode(int key) {
    switch (key) {
        case Qt::Key_Left:
            return 37;
        case Qt::Key_Up:
            return 38;
        case Qt::Key_Right:
            return 39;
        case Qt::Key_Down:
            return 40;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return 13;
        case Qt::Key_Escape:
            return 27;
        case Qt::Key_Tab:
            return 9;
        case Qt::Key_Backspace:
            return 8;
        case Qt::Key_Shift:
            return 16;
        case Qt::Key_Control:
            return 17;
        case Qt::Key_Alt:
            return 18;
        default:
            return key & 0xffff;
    }
}

ButtonKey buttonKey(int key) {
    switch (key) {
        case Qt::Key_Space:
            return ButtonKey::Space;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return ButtonKey::Enter;
        case Qt::Key_Left:
            return ButtonKey::Left;
        case Qt::Key_Up:
            return ButtonKey::Up;
        case Qt::Key_Right:
            return ButtonKey::Right;
        case Qt::Key_Down:
            return ButtonKey::Down;
        default:
            return ButtonKey::Other;
    }
}

MouseButton mouseButton(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        default:
            return MouseButton::None;
    }
}

}  // namespace

chameleonButton::chameleonButton(QWidget* parent, const QString& name)
    : QWidget(parent), button_(*this, text_, platformSystemColours()) {
    init();
    if (!name.isEmpty()) setObjectName(name);
    props().Caption = objectName().toStdString();
    font_ = parent != nullptr ? parent->font() : QWidget::font();
    fontChanged();
    const button::Colours scheme = button_.schemeDefaults();
    props().BackColor = props().BackOver = scheme.face;
    props().ForeColor = props().ForeOver = scheme.text;
    updateAccessKey();
    button_.redrawNormal();
}

chameleonButton::chameleonButton(const PropertyBag& saved, QWidget* parent)
    : QWidget(parent), button_(*this, text_, platformSystemColours()) {
    init();
    font_ = parent != nullptr ? parent->font() : QWidget::font();
    fontChanged();
    readProperties(saved);
}

void chameleonButton::init() {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover, false);
}

QSize chameleonButton::sizeHint() const {
    return {kHintWidth, kHintHeight};
}

void chameleonButton::readProperties(const PropertyBag& s) {
    props().load(s);
    // Font and pictures come as saved; an unreadable font keeps the current one.
    font_ = decodeFont(props().Font, font_);
    fontChanged();
    mouseIcon_ = decodePicture(props().MouseIcon);
    props().MouseIcon = encodePicture(mouseIcon_);
    pictureNormal_ = decodePicture(props().PictureNormal);
    pictureOver_ = decodePicture(props().PictureOver);
    picturesChanged();
    setHandPointer(props().HandPointer);
    setEnabled(props().Enabled);
    props().Enabled = isEnabled();
    updateAccessKey();
    updateRegion();
    button_.redrawNormal();
}

// --- properties ---------------------------------------------------------------------------

void chameleonButton::fontChanged() {
    props().Font = encodeFont(font_);
    button_.setFont(toFontSpec(font_));
}

void chameleonButton::picturesChanged() {
    props().PictureNormal = encodePicture(pictureNormal_);
    props().PictureOver = encodePicture(pictureOver_);
    button_.setPictures(copyImage(pictureNormal_), copyImage(pictureOver_));
}

void chameleonButton::setButtonType(int v) {
    props().ButtonType = v;
    updateRegion();
    button_.redrawNormal();
}

void chameleonButton::setCaption(const QString& v) {
    props().Caption = v.toStdString();
    updateAccessKey();
    button_.redrawNormal();
}

void chameleonButton::setFontValue(const QFont& v) {
    font_ = v;
    fontChanged();
    button_.redrawNormal();
}

void chameleonButton::setFontBold(bool v) {
    font_.setBold(v);
    fontChanged();
    button_.redrawNormal();
}

void chameleonButton::setFontItalic(bool v) {
    font_.setItalic(v);
    fontChanged();
    button_.redrawNormal();
}

void chameleonButton::setFontUnderline(bool v) {
    font_.setUnderline(v);
    fontChanged();
    button_.redrawNormal();
}

void chameleonButton::setFontSize(double points) {
    if (points > 0) font_.setPointSizeF(points);
    fontChanged();
    button_.redrawNormal();
}

void chameleonButton::setFontName(const QString& family) {
    font_.setFamily(family);
    fontChanged();
    button_.redrawNormal();
}

void chameleonButton::setMouseIcon(const QImage& v) {
    mouseIcon_ = v;
    props().MouseIcon = encodePicture(v);
}

void chameleonButton::setPictureNormal(const QImage& v) {
    pictureNormal_ = v;
    picturesChanged();
    button_.redrawNormal();
}

void chameleonButton::setPictureOver(const QImage& v) {
    pictureOver_ = v;
    picturesChanged();
    button_.redrawNormal();
}

void chameleonButton::setHandPointer(bool v) {
    props().HandPointer = v;
    if (v)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void chameleonButton::setValue(bool v) {
    props().Value = v;
    if (props().CheckBoxBehaviour) button_.redrawNormal();
}

// --- the window the core button draws for -------------------------------------------------

ColorRef chameleonButton::containerBack() const {
    const QWidget* container = parentWidget();
    if (container == nullptr) return toColorRef(palette().color(QPalette::Window));
    return toColorRef(container->palette().color(container->backgroundRole()));
}

ColorRef chameleonButton::containerText() const {
    const QWidget* container = parentWidget();
    if (container == nullptr) return toColorRef(palette().color(QPalette::WindowText));
    return toColorRef(container->palette().color(container->foregroundRole()));
}

void chameleonButton::showImage() {
    if (regionSize_ != size()) updateRegion();
    update();
}

bool chameleonButton::captureBackground(PixelSurface& out) {
    if (parentWidget() == nullptr) return false;
    const QRect area = geometry();
    // Step out of the way so that the container shows what lies under the button.
    resize(area.width(), 0);
    if (pump_ != nullptr) pump_->processEvents();
    out = copyImage(parentWidget()->grab(area).toImage());
    resize(area.width(), area.height());
    return true;
}

void chameleonButton::updateRegion() {
    regionSize_ = size();
    if (width() > 0 && height() > 0)
        setMask(toRegion(button::buttonRegion(props().look(), width(), height())));
}

void chameleonButton::updateAccessKey() {
    if (accessShortcut_ != 0) releaseShortcut(accessShortcut_);
    accessShortcut_ = 0;
    // The key as written, lower-cased as the shortcut compares it.
    const char32_t key = button::accessKey(props().Caption);
    accessKey_ = key == 0 || key > 0xffff ? QChar() : QChar(static_cast<char16_t>(key)).toLower();
    if (!accessKey_.isNull())
        accessShortcut_ = grabShortcut(QKeySequence(QKeyCombination(
            Qt::AltModifier, static_cast<Qt::Key>(accessKey_.toUpper().unicode()))));
}

QImage chameleonButton::image() const {
    return wrapSurface(button_.image()).copy();
}

void chameleonButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.drawImage(0, 0, wrapSurface(button_.image()));
}

void chameleonButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateRegion();
    button_.redrawNormal();
}

void chameleonButton::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    button_.shown();
}

void chameleonButton::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    button_.hidden();
}

// --- pointer and keyboard: passed on as signals first, then to the button ------------------

void chameleonButton::mousePressEvent(QMouseEvent* e) {
    Q_EMIT MouseDown(buttonCode(e->button()), shiftCode(e->modifiers()), e->position().x(),
                     e->position().y());
    button_.mouseDown(mouseButton(e->button()));
}

void chameleonButton::mouseReleaseEvent(QMouseEvent* e) {
    Q_EMIT MouseUp(buttonCode(e->button()), shiftCode(e->modifiers()), e->position().x(),
                   e->position().y());
    button_.mouseUp(mouseButton(e->button()), rect().contains(e->position().toPoint()));
}

void chameleonButton::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    // A further press: the release that follows makes a normal click.
    mousePressEvent(e);
}

void chameleonButton::mouseMoveEvent(QMouseEvent* e) {
    Q_EMIT MouseMove(buttonCode(e->buttons()), shiftCode(e->modifiers()), e->position().x(),
                     e->position().y());
    button_.mouseMove(buttonCode(e->buttons()), rect().contains(e->position().toPoint()));
}

void chameleonButton::enterEvent(QEnterEvent* e) {
    QWidget::enterEvent(e);
    button_.pointerEntered(buttonCode(e->buttons()));
}

void chameleonButton::leaveEvent(QEvent* e) {
    QWidget::leaveEvent(e);
    button_.pointerLeft();
}

void chameleonButton::keyPressEvent(QKeyEvent* e) {
    Q_EMIT KeyDown(keyCode(e->key()), shiftCode(e->modifiers()));
    if (!e->text().isEmpty()) Q_EMIT KeyPress(e->text().at(0).unicode());
    button_.keyDown(buttonKey(e->key()), e->isAutoRepeat());
}

void chameleonButton::keyReleaseEvent(QKeyEvent* e) {
    if (e->isAutoRepeat()) return;
    Q_EMIT KeyUp(keyCode(e->key()), shiftCode(e->modifiers()));
    button_.keyUp(buttonKey(e->key()), false);
}

void chameleonButton::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    button_.focusChanged(true);
}

void chameleonButton::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    button_.focusChanged(false);
}

void chameleonButton::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    switch (e->type()) {
        case QEvent::EnabledChange:
            button_.enabledChanged(isEnabled());
            break;
        case QEvent::PaletteChange:
        case QEvent::ParentChange:
            button_.containerChanged();
            break;
        default:
            break;
    }
}

bool chameleonButton::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut) {
        const auto* se = static_cast<QShortcutEvent*>(e);
        if (!accessKey_.isNull() && se->key().count() == 1 &&
            QChar(se->key()[0].key()).toLower() == accessKey_) {
            button_.accessKeyPressed();
            return true;
        }
    }
    return QWidget::event(e);
}

// --- the program's instances --------------------------------------------------------------

PropertyBag chameleonButtonDesignBag(const layout::ButtonDesign& design,
                                     const layout::Button& button) {
    ChameleonButtonProperties p;
    p.ButtonType = static_cast<int>(design.look);
    p.Caption = button.caption;
    p.Enabled = layout::enabledAsDesigned(button);
    p.Font = encodeFont(designFont(design.font));
    p.ColorScheme = static_cast<int>(design.scheme);
    p.ShowFocusRect = design.focusRect;
    p.BackColor = p.BackOver = design.face;
    p.ForeColor = p.ForeOver = design.text;
    p.MaskColor = design.mask;
    p.UseMaskColor = true;
    PropertyBag bag;
    p.save(bag);
    return bag;
}

chameleonButton* makeChameleonButton(const layout::Button& button, QWidget* parent) {
    auto* b =
        new chameleonButton(chameleonButtonDesignBag(layout::kFirefoxButtonDesign, button), parent);
    b->setObjectName(QLatin1String(button.name));
    b->setGeometry(button.rect.x, button.rect.y, button.rect.width, button.rect.height);
    return b;
}

}  // namespace quorvex
