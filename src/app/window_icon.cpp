#include "app/window_icon.h"

#include <QFile>
#include <QWidget>

#include "app/art_picture.h"

namespace quorvex {

QIcon applicationIcon(const QString& resourceName) {
    ensureArtwork();
    const QString path = QStringLiteral(":/icons/") + resourceName + QStringLiteral(".svg");
    if (!QFile::exists(path)) return {};
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(renderArt(path, QSize(size, size), 1.0));
    return icon;
}

void ApplyWindowIcon(QWidget* window, const QString& resourceName, bool includeOwner) {
    if (!window) return;
    QWidget* owner = nullptr;
    if (includeOwner) {
        owner = window;
        while (QWidget* next = owner->parentWidget()) owner = next->window();
    }
    const QIcon icon = applicationIcon(resourceName);
    if (owner) owner->setWindowIcon(icon);
    window->setWindowIcon(icon);
}

}  // namespace quorvex
