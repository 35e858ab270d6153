#include "app/caption_label.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

#include "app/window_fonts.h"

namespace quorvex {

CaptionLabel::CaptionLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    overstruck_ = boldIsSimulated(font());
}

void CaptionLabel::changeEvent(QEvent* event) {
    // Asked once per font, not at every paint.
    if (event->type() == QEvent::FontChange) overstruck_ = boldIsSimulated(font());
    QLabel::changeEvent(event);
}

void CaptionLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!overstruck_) return;
    QPainter painter(this);
    const QRect area = contentsRect().translated(1, 0);
    style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), text(), foregroundRole());
}

}  // namespace quorvex
