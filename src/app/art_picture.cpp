#include "app/art_picture.h"

#include <QKeyEvent>
#include <QPen>

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <utility>

// The artwork is compiled into the GUI library, which is static: registering it by hand keeps the
// linker from dropping it.
static void registerArtwork() {
    Q_INIT_RESOURCE(quorvex);
}

namespace quorvex {

void ensureArtwork() {
    static const bool registered = (registerArtwork(), true);
    (void)registered;
}

namespace {
constexpr int kCursorSize = 32;
constexpr int kCursorHotX = 13;
constexpr int kCursorHotY = 5;
}  // namespace

QString artBitmap(const QString& resource, qreal ratio) {
    QString base = resource;
    if (base.endsWith(QLatin1String(".svg"))) base.chop(4);
    return base + (ratio > 1.0 ? QStringLiteral("@2x.png") : QStringLiteral(".png"));
}

QPixmap renderArt(const QString& resource, QSize size, qreal ratio) {
    ensureArtwork();
    if (size.isEmpty()) return {};
    const QSize pixels = size * ratio;
    QImage image(artBitmap(resource, ratio));
    if (image.isNull()) {
        // A missing picture draws nothing rather than failing.
        image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
    } else if (image.size() != pixels) {
        // Scales between the two rendered sizes (150 %) or to a picture of another size.
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    // Converted in place and handed over: the picture is never held twice at once.
    QPixmap pixmap =
        QPixmap::fromImage(std::move(image).convertToFormat(QImage::Format_ARGB32_Premultiplied),
                           Qt::NoFormatConversion);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QCursor linkCursor() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    return QCursor(renderArt(QStringLiteral(":/artwork/link_cursor.svg"),
                             QSize(kCursorSize, kCursorSize), ratio),
                   kCursorHotX, kCursorHotY);
}

ArtPicture::ArtPicture(const QString& name, const QString& resource, QWidget* parent)
    : QWidget(parent), resource_(resource) {
    setObjectName(name);
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

void ArtPicture::paintEvent(QPaintEvent*) {
    const qreal ratio = devicePixelRatioF();
    if (cache_.size() != size() * ratio || !qFuzzyCompare(cache_.devicePixelRatio(), ratio))
        cache_ = renderArt(resource_, size(), ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, cache_);
    if (hasFocus()) {
        // Keyboard focus shows as a ring in the artwork's accent colour.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0x4f, 0xb3, 0xff), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8, 8);
    }
}

void ArtPicture::setKeyboardTarget(ArtPicture* target) {
    keyboardTarget_ = target;
    setFocusPolicy(target ? Qt::TabFocus : Qt::NoFocus);
}

void ArtPicture::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (keyboardTarget_ && !event->isAutoRepeat() &&
        (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        event->accept();
        Q_EMIT keyboardTarget_->clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ArtPicture::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void ArtPicture::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void ArtPicture::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT hovered();
    event->accept();
}

void ArtPicture::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ArtPicture::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->pos());
    pressed_ = false;
    event->accept();
    if (click) Q_EMIT clicked();
}

}  // namespace quorvex
