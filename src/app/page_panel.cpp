#include "app/page_panel.h"

#include <QMouseEvent>

namespace quorvex {

PagePanel::PagePanel(const QString& name, const QColor& background, QWidget* parent)
    : QWidget(parent) {
    setObjectName(name);
    setMouseTracking(true);
    if (background.isValid()) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, background);
        setPalette(palette);
        setAutoFillBackground(true);
    }
}

void PagePanel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    // A move that a child left unhandled arrives here too; it is not over the page itself.
    if (childAt(event->position().toPoint())) return;
    Q_EMIT hovered();
}

}  // namespace quorvex
