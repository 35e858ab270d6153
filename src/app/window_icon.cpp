#include "app/window_icon.h"

#include <QFile>
#include <QWidget>

#include "app/art_picture.h"
#include "app/bitmap_reader.h"

namespace quorvex {

QIcon applicationIcon(const QString& resourceName, qreal ratio) {
    ensureArtwork();
    // The icon's bitmaps, rendered at build time at each size of the icon theme. Every size
    // given is decoded and handed to the window system as the window is made; the 256 pixel one
    // alone is three quarters of them, and at 100 % no desktop shows a window's own icon that
    // large (its launcher uses the installed theme icon).
    const int largest = ratio > 1.0 ? 256 : 128;
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        if (size > largest) break;
        const QString path = QStringLiteral(":/icons/%1/%2.png").arg(resourceName).arg(size);
        if (!QFile::exists(path)) continue;
        // Decoded here as PNG: QIcon would guess each file's format through every image plugin.
        const QImage image = readBitmap(path);
        if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

void ApplyWindowIcon(QWidget* window, const QString& resourceName, bool includeOwner) {
    if (!window) return;
    QWidget* owner = nullptr;
    if (includeOwner) {
        owner = window;
        while (QWidget* next = owner->parentWidget()) owner = next->window();
    }
    const QIcon icon = applicationIcon(resourceName, window->devicePixelRatioF());
    if (owner) owner->setWindowIcon(icon);
    window->setWindowIcon(icon);
}

}  // namespace quorvex
