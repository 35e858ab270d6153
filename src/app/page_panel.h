#pragma once

#include <QColor>
#include <QWidget>

namespace quorvex {

// A page of the window, or a strip that only senses the pointer. It reports pointer movement
// over its own surface; movement over a control inside it is the control's and reports nothing.
class PagePanel : public QWidget {
    Q_OBJECT
  public:
    // An invalid colour leaves the panel transparent.
    PagePanel(const QString& name, const QColor& background, QWidget* parent);

  Q_SIGNALS:
    void hovered();

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace quorvex
