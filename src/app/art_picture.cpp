#include "app/art_picture.h"

#include <QImage>
#include <QKeyEvent>
#include <QPen>
#include <algorithm>

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <utility>

#include "app/bitmap_reader.h"

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
    QImage image = readBitmap(artBitmap(resource, ratio));
    if (image.isNull()) {
        // A missing picture draws nothing rather than failing.
        image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
    } else if (image.size() != pixels) {
        // Scales between the two rendered sizes (150 %) or to a picture of another size.
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    // Handed over as it is: the picture is never held twice at once.
    QPixmap pixmap = QPixmap::fromImage(std::move(image), Qt::NoFormatConversion);
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
    // A focus ring round a covered picture may still show beside its cover.
    const bool ring = hasFocus() && focusShown_;
    if (cover_ && !ring && !cover_->isHidden() && cover_->geometry() == geometry()) return;
    const qreal ratio = devicePixelRatioF();
    if (cache_.size() != size() * ratio || !qFuzzyCompare(cache_.devicePixelRatio(), ratio))
        cache_ = renderArt(resource_, size(), ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, cache_);
    if (!ring) return;
    // Found only for a picture that wears the ring, not for every picture at start-up.
    if (cache_.size() != drawnFor_) {
        drawn_ = drawnPart(cache_);
        drawnFor_ = cache_.size();
    }
    if (!drawn_.isEmpty()) {
        // Keyboard focus shows as a ring in the artwork's accent colour, round what is drawn
        // rather than the picture's transparent margin.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0x4f, 0xb3, 0xff), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(drawn_).adjusted(1, 1, -1, -1), 8, 8);
    }
}

QRect drawnPart(const QPixmap& art) {
    const QImage image = art.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) == 0) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {};
    const qreal ratio = art.devicePixelRatio();
    return QRectF(QPointF(left / ratio, top / ratio),
                  QPointF((right + 1) / ratio, (bottom + 1) / ratio))
        .toAlignedRect();
}

void ArtPicture::setKeyboardTarget(ArtPicture* target) {
    keyboardTarget_ = target;
    setFocusPolicy(target ? Qt::TabFocus : Qt::NoFocus);
}

void ArtPicture::keyPressEvent(QKeyEvent* event) {
    if (!focusShown_) {
        focusShown_ = true;
        update();
    }
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
    // As on Windows, the ring shows once the keyboard is in use: focus that lands here because
    // the pointer's click hid or covered another picture draws nothing.
    const Qt::FocusReason reason = event->reason();
    focusShown_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                  reason == Qt::ShortcutFocusReason;
    update();
}

void ArtPicture::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    focusShown_ = false;
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
