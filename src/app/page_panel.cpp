#include "app/page_panel.h"

#include <QMouseEvent>

#include <utility>

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

void PagePanel::setContents(std::function<void()> build) {
    build_ = std::move(build);
}

void PagePanel::buildContents() {
    // Taken first: a builder that shows the panel must not run twice.
    if (auto build = std::exchange(build_, nullptr)) build();
}

void PagePanel::setVisible(bool visible) {
    // Made while still hidden, so that the controls show together with the page. A page already
    // showing in a hidden window waits for the window.
    if (visible && isHidden()) buildContents();
    QWidget::setVisible(visible);
}

void PagePanel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    // A move that a child left unhandled arrives here too; it is not over the page itself.
    if (childAt(event->position().toPoint())) return;
    Q_EMIT hovered();
}

}  // namespace quorvex
