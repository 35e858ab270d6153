#pragma once

#include <QLabel>

namespace quorvex {

// A caption on a transparent background that keeps a bold font bold where the toolkit can only
// simulate the bold face (Wine's Tahoma stands in without a real one): it then writes the text a
// second time one pixel to the right, the way Windows draws a bold face it has to simulate.
class CaptionLabel : public QLabel {
    Q_OBJECT
  public:
    explicit CaptionLabel(const QString& text, QWidget* parent = nullptr);

    // Whether the text is written twice.
    bool overstruck() const { return overstruck_; }

  protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool overstruck_ = false;
};

}  // namespace quorvex
