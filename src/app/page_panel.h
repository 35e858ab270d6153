#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

namespace quorvex {

// A page of the window, or a strip that only senses the pointer. It reports pointer movement
// over its own surface; movement over a control inside it is the control's and reports nothing.
class PagePanel : public QWidget {
    Q_OBJECT
  public:
    // An invalid colour leaves the panel transparent.
    PagePanel(const QString& name, const QColor& background, QWidget* parent);

    // Leaves the making of the page's controls until it is next shown or `buildContents` is
    // called (the window calls it for the page showing as the window shows): a page the user never
    // opens costs nothing. The controls are bound to the model when made, so they show its state
    // of that moment.
    void setContents(std::function<void()> build);
    // Makes the controls now if they are still waiting.
    void buildContents();
    bool contentsBuilt() const { return !build_; }

    void setVisible(bool visible) override;

  Q_SIGNALS:
    void hovered();

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    std::function<void()> build_;
};

}  // namespace quorvex
