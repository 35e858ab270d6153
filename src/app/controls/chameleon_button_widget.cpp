#include "app/controls/chameleon_button_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QShortcutEvent>

#include "app/controls/qt_surface.h"
#include "app/controls/xp_progress_bar_widget.h"
#include "platform/event_pump.h"

namespace quorvex {

namespace {

constexpr int kHintWidth = 417;
constexpr int kHintHeight = 33;
constexpr ColorRef kDefaultBack = colour::system(colour::kButtonFace);
constexpr ColorRef kDefaultFore = colour::system(colour::kButtonText);
constexpr ColorRef kDefaultMask = colour::rgb(192, 192, 192);

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

}  // namespace

chameleonButton::chameleonButton(QWidget* parent, const QString& name) : QWidget(parent) {
    init();
    if (!name.isEmpty()) setObjectName(name);
    caption_ = objectName();
    font_ = parent != nullptr ? parent->font() : QWidget::font();
    button::SchemeInput defaults;
    defaults.system = platformSystemColours();
    const button::Colours scheme = button::deriveColours(defaults);
    backColor_ = backOver_ = scheme.face;
    foreColor_ = foreOver_ = scheme.text;
    updateAccessKey();
    redrawNormal();
}

chameleonButton::chameleonButton(const PropertyBag& saved, QWidget* parent) : QWidget(parent) {
    init();
    font_ = parent != nullptr ? parent->font() : QWidget::font();
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
    const auto colourOf = [&s](const char* key, ColorRef def) {
        return static_cast<ColorRef>(s.readInt(key, def));
    };
    buttonType_ = static_cast<int>(s.readInt("BTYPE", 2));
    caption_ = QString::fromStdString(s.readText("TX", {}));
    const bool enabled = s.readBool("ENAB", true);
    font_ = decodeFont(s.readText("FONT", {}), font_);
    colorScheme_ = static_cast<int>(s.readInt("COLTYPE", 1));
    showFocusRect_ = s.readBool("FOCUSR", true);
    backColor_ = colourOf("BCOL", kDefaultBack);
    backOver_ = colourOf("BCOLO", backColor_);
    foreColor_ = colourOf("FCOL", kDefaultFore);
    foreOver_ = colourOf("FCOLO", foreColor_);
    maskColor_ = colourOf("MCOL", kDefaultMask);
    mousePointer_ = static_cast<int>(s.readInt("MPTR", 0));
    mouseIcon_ = decodePicture(s.readText("MICON", {}));
    pictureNormal_ = decodePicture(s.readText("PICN", {}));
    pictureOver_ = decodePicture(s.readText("PICH", {}));
    pictureNormalPixels_ = copyImage(pictureNormal_);
    pictureOverPixels_ = copyImage(pictureOver_);
    useMaskColor_ = s.readBool("UMCOL", true);
    softBevel_ = s.readBool("SOFT", false);
    picturePosition_ = static_cast<int>(s.readInt("PICPOS", 0));
    useGreyscale_ = s.readBool("NGREY", false);
    specialEffect_ = static_cast<int>(s.readInt("FX", 0));
    setHandPointer(s.readBool("HAND", false));
    checkBoxBehaviour_ = s.readBool("CHECK", false);
    value_ = s.readBool("VALUE", false);
    setEnabled(enabled);
    updateAccessKey();
    updateRegion();
    redrawNormal();
}

void chameleonButton::writeProperties(PropertyBag& b) const {
    const auto i = [](std::int64_t v) { return PropertyBag::Value{v}; };
    b.writeAlways("BTYPE", i(buttonType_));
    b.writeAlways("TX", caption_.toStdString());
    b.writeAlways("ENAB", isEnabled());
    b.writeAlways("FONT", encodeFont(font_));
    b.writeAlways("COLTYPE", i(colorScheme_));
    b.writeAlways("FOCUSR", showFocusRect_);
    b.writeAlways("BCOL", i(backColor_));
    b.writeAlways("BCOLO", i(backOver_));
    b.writeAlways("FCOL", i(foreColor_));
    b.writeAlways("FCOLO", i(foreOver_));
    b.writeAlways("MCOL", i(maskColor_));
    b.writeAlways("MPTR", i(mousePointer_));
    b.writeAlways("MICON", encodePicture(mouseIcon_));
    b.writeAlways("PICN", encodePicture(pictureNormal_));
    b.writeAlways("PICH", encodePicture(pictureOver_));
    b.writeAlways("UMCOL", useMaskColor_);
    b.writeAlways("SOFT", softBevel_);
    b.writeAlways("PICPOS", i(picturePosition_));
    b.writeAlways("NGREY", useGreyscale_);
    b.writeAlways("FX", i(specialEffect_));
    b.writeAlways("HAND", handPointer_);
    b.writeAlways("CHECK", checkBoxBehaviour_);
    b.writeAlways("VALUE", value_);
}

// --- properties ---------------------------------------------------------------------------

void chameleonButton::setButtonType(int v) {
    buttonType_ = v;
    updateRegion();
    redrawNormal();
}

void chameleonButton::setCaption(const QString& v) {
    caption_ = v;
    updateAccessKey();
    redrawNormal();
}

void chameleonButton::setEnabledState(bool v) {
    setEnabled(v);
}

void chameleonButton::setFontValue(const QFont& v) {
    font_ = v;
    redrawNormal();
}

void chameleonButton::setFontBold(bool v) {
    font_.setBold(v);
    redrawNormal();
}

void chameleonButton::setFontItalic(bool v) {
    font_.setItalic(v);
    redrawNormal();
}

void chameleonButton::setFontUnderline(bool v) {
    font_.setUnderline(v);
    redrawNormal();
}

void chameleonButton::setFontSize(double points) {
    if (points > 0) font_.setPointSizeF(points);
    redrawNormal();
}

void chameleonButton::setFontName(const QString& family) {
    font_.setFamily(family);
    redrawNormal();
}

void chameleonButton::setColorScheme(int v) {
    colorScheme_ = v;
    redrawNormal();
}

void chameleonButton::setShowFocusRect(bool v) {
    showFocusRect_ = v;
    redrawNormal();
}

void chameleonButton::setBackColor(ColorRef v) {
    backColor_ = v;
    redrawNormal();
}

void chameleonButton::setBackOver(ColorRef v) {
    backOver_ = v;
    redrawNormal();
}

void chameleonButton::setForeColor(ColorRef v) {
    foreColor_ = v;
    redrawNormal();
}

void chameleonButton::setForeOver(ColorRef v) {
    foreOver_ = v;
    redrawNormal();
}

void chameleonButton::setMaskColor(ColorRef v) {
    maskColor_ = v;
    redrawNormal();
}

void chameleonButton::setPictureNormal(const QImage& v) {
    pictureNormal_ = v;
    pictureNormalPixels_ = copyImage(v);
    redrawNormal();
}

void chameleonButton::setPictureOver(const QImage& v) {
    pictureOver_ = v;
    pictureOverPixels_ = copyImage(v);
    redrawNormal();
}

void chameleonButton::setUseMaskColor(bool v) {
    useMaskColor_ = v;
    redrawNormal();
}

void chameleonButton::setSoftBevel(bool v) {
    softBevel_ = v;
    redrawNormal();
}

void chameleonButton::setPicturePosition(int v) {
    picturePosition_ = v;
    redrawNormal();
}

void chameleonButton::setUseGreyscale(bool v) {
    useGreyscale_ = v;
    redrawNormal();
}

void chameleonButton::setSpecialEffect(int v) {
    specialEffect_ = v;
    redrawNormal();
}

void chameleonButton::setHandPointer(bool v) {
    handPointer_ = v;
    if (v)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void chameleonButton::setCheckBoxBehaviour(bool v) {
    checkBoxBehaviour_ = v;
    redrawNormal();
}

void chameleonButton::setValue(bool v) {
    value_ = v;
    if (checkBoxBehaviour_) redrawNormal();
}

void chameleonButton::setDefault(bool v) {
    isDefault_ = v;
    redrawNormal();
}

// --- drawing ------------------------------------------------------------------------------

void chameleonButton::deriveColours() {
    button::SchemeInput in;
    in.scheme = colorScheme_;
    in.look = buttonType_;
    in.backColor = backColor_;
    in.backOver = backOver_;
    in.foreColor = foreColor_;
    in.foreOver = foreOver_;
    in.maskColor = maskColor_;
    const QWidget* container = parentWidget();
    const QPalette pal = container != nullptr ? container->palette() : palette();
    const QPalette::ColorRole backRole =
        container != nullptr ? container->backgroundRole() : QPalette::Window;
    const QPalette::ColorRole textRole =
        container != nullptr ? container->foregroundRole() : QPalette::WindowText;
    in.containerBack = toColorRef(pal.color(backRole));
    in.containerText = toColorRef(pal.color(textRole));
    in.system = platformSystemColours();
    in.softBevel = softBevel_;
    in.hovering = lastHoverLook_;
    colours_ = button::deriveColours(in);
}

void chameleonButton::redraw(bool pressed, bool force, bool hoverLook) {
    if (checkBoxBehaviour_ && value_) pressed = true;
    if (suspended_ || height() <= 0 || width() <= 0) return;
    if (regionSize_ != size()) updateRegion();
    if (!force && drawnOnce_ && pressed == lastPressed_ && caption_ == lastCaption_) return;
    lastHoverLook_ = hoverLook;
    deriveColours();
    button::Look look;
    look.buttonType = buttonType_;
    look.colours = colours_;
    look.enabled = isEnabled();
    look.pressed = pressed;
    look.hover = hoverLook;
    look.focus = focus_;
    look.isDefault = isDefault_;
    look.showFocusRect = showFocusRect_;
    look.softBevel = softBevel_;
    look.caption = caption_.toStdString();
    look.font = toFontSpec(font_);
    look.specialEffect = specialEffect_;
    look.picturePosition = picturePosition_;
    look.pictureNormal = pictureNormalPixels_.isNull() ? nullptr : &pictureNormalPixels_;
    look.pictureOver = pictureOverPixels_.isNull() ? nullptr : &pictureOverPixels_;
    look.useGreyscale = useGreyscale_;
    look.useMaskColor = useMaskColor_;
    look.background = background_.isNull() ? nullptr : &background_;
    image_ = button::paintButton(width(), height(), look, text_);
    lastPressed_ = pressed;
    lastCaption_ = caption_;
    drawnOnce_ = true;
    update();
}

void chameleonButton::updateRegion() {
    regionSize_ = size();
    if (width() > 0 && height() > 0)
        setMask(toRegion(button::buttonRegion(buttonType_, width(), height())));
}

void chameleonButton::updateAccessKey() {
    if (accessShortcut_ != 0) releaseShortcut(accessShortcut_);
    accessShortcut_ = 0;
    // The key as written, lower-cased as the shortcut compares it.
    const char32_t key = button::accessKey(caption_.toStdString());
    accessKey_ = key == 0 || key > 0xffff ? QChar() : QChar(static_cast<char16_t>(key)).toLower();
    if (!accessKey_.isNull())
        accessShortcut_ = grabShortcut(QKeySequence(QKeyCombination(
            Qt::AltModifier, static_cast<Qt::Key>(accessKey_.toUpper().unicode()))));
}

void chameleonButton::captureBackground() {
    if (buttonType_ != 11 || parentWidget() == nullptr) return;
    const bool wasSuspended = suspended_;
    suspended_ = true;
    const QRect area = geometry();
    // Step out of the way so that the container shows what lies under the button.
    resize(area.width(), 0);
    if (pump_ != nullptr) pump_->processEvents();
    background_ = copyImage(parentWidget()->grab(area).toImage());
    resize(area.width(), area.height());
    suspended_ = wasSuspended;
}

void chameleonButton::Refresh() {
    captureBackground();
    suspended_ = false;
    redrawNormal();
}

QImage chameleonButton::image() const {
    return wrapSurface(image_).copy();
}

void chameleonButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    p.drawImage(0, 0, wrapSurface(image_));
}

void chameleonButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateRegion();
    redrawNormal();
}

void chameleonButton::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    captureBackground();
    suspended_ = false;
    redrawNormal();
}

void chameleonButton::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    suspended_ = true;
}

// --- pointer and keyboard -----------------------------------------------------------------

void chameleonButton::click() {
    if (lastButton_ != Qt::LeftButton || !isEnabled()) return;
    if (checkBoxBehaviour_) value_ = !value_;
    redrawNormal();
    Refresh();
    Q_EMIT Click();
}

void chameleonButton::enterHover() {
    hover_ = true;
    redraw(false, true, true);
    Q_EMIT MouseOver();
}

void chameleonButton::mousePressEvent(QMouseEvent* e) {
    Q_EMIT MouseDown(buttonCode(e->button()), shiftCode(e->modifiers()), e->position().x(),
                     e->position().y());
    if (e->button() == Qt::RightButton) return;
    lastButton_ = e->button();
    redraw(true, true, hover_);
}

void chameleonButton::mouseReleaseEvent(QMouseEvent* e) {
    Q_EMIT MouseUp(buttonCode(e->button()), shiftCode(e->modifiers()), e->position().x(),
                   e->position().y());
    if (e->button() == Qt::RightButton) return;
    redraw(false, true, hover_);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) click();
}

void chameleonButton::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    // A further press: the release that follows makes a normal click.
    mousePressEvent(e);
}

void chameleonButton::mouseMoveEvent(QMouseEvent* e) {
    Q_EMIT MouseMove(buttonCode(e->buttons()), shiftCode(e->modifiers()), e->position().x(),
                     e->position().y());
    const Qt::MouseButtons held = e->buttons();
    if (held != Qt::NoButton && held != Qt::LeftButton) return;
    const bool inside = rect().contains(e->position().toPoint());
    if (inside) {
        if (held == Qt::NoButton && !hover_)
            enterHover();
        else if (held == Qt::LeftButton)
            redraw(true, true, true);
    } else {
        redraw(false, true, false);
    }
}

void chameleonButton::enterEvent(QEnterEvent* e) {
    QWidget::enterEvent(e);
    if (!hover_ && e->buttons() == Qt::NoButton) enterHover();
}

void chameleonButton::leaveEvent(QEvent* e) {
    QWidget::leaveEvent(e);
    if (!hover_) return;
    hover_ = false;
    redraw(false, true, false);
    Q_EMIT MouseOut();
}

void chameleonButton::keyPressEvent(QKeyEvent* e) {
    Q_EMIT KeyDown(keyCode(e->key()), shiftCode(e->modifiers()));
    if (!e->text().isEmpty()) Q_EMIT KeyPress(e->text().at(0).unicode());
    if (e->isAutoRepeat()) return;
    lastKey_ = e->key();
    switch (e->key()) {
        case Qt::Key_Space:
            redraw(true, true, hover_);
            break;
        case Qt::Key_Left:
        case Qt::Key_Up:
            focusNextPrevChild(false);
            break;
        case Qt::Key_Right:
        case Qt::Key_Down:
            focusNextPrevChild(true);
            break;
        default:
            break;
    }
}

void chameleonButton::keyReleaseEvent(QKeyEvent* e) {
    if (e->isAutoRepeat()) return;
    Q_EMIT KeyUp(keyCode(e->key()), shiftCode(e->modifiers()));
    if (lastKey_ != Qt::Key_Space || e->key() != Qt::Key_Space) return;
    if (checkBoxBehaviour_) value_ = !value_;
    redrawNormal();
    Refresh();
    Q_EMIT Click();
}

void chameleonButton::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    focus_ = true;
    redrawNormal();
}

void chameleonButton::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    focus_ = false;
    redrawNormal();
}

void chameleonButton::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    switch (e->type()) {
        case QEvent::EnabledChange:
            redrawNormal();
            break;
        case QEvent::PaletteChange:
        case QEvent::ParentChange:
            // The container's colours: every scheme but the button's own follows them.
            if (colorScheme_ != 2) redrawNormal();
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
            lastButton_ = Qt::LeftButton;
            click();
            return true;
        }
    }
    return QWidget::event(e);
}

// --- the program's instances --------------------------------------------------------------

PropertyBag chameleonButtonDesignBag(int number) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    const std::int64_t face = colour::rgb(236, 233, 216);
    PropertyBag bag;
    bag.writeAlways("BTYPE", std::int64_t{3});
    bag.writeAlways("TX", std::string(number == 3 ? "Disable Optimized Configuration"
                                                  : "Enable Optimized Configuration"));
    bag.writeAlways("ENAB", number != 3);
    bag.writeAlways("FONT", encodeFont(font));
    bag.writeAlways("COLTYPE", std::int64_t{1});
    bag.writeAlways("FOCUSR", true);
    bag.writeAlways("BCOL", face);
    bag.writeAlways("BCOLO", face);
    bag.writeAlways("FCOL", std::int64_t{0});
    bag.writeAlways("FCOLO", std::int64_t{0});
    bag.writeAlways("MCOL", std::int64_t{colour::rgb(192, 192, 192)});
    bag.writeAlways("UMCOL", true);
    return bag;
}

chameleonButton* makeChameleonButton(int number, QWidget* parent) {
    auto* b = new chameleonButton(chameleonButtonDesignBag(number), parent);
    b->setObjectName(QStringLiteral("chameleonButton%1").arg(number));
    return b;
}

}  // namespace quorvex
