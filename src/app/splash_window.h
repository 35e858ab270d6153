#pragma once

#include <QPixmap>
#include <QWidget>

namespace quorvex {

// The start-up window: the splash artwork, borderless and centred. Its timers and what they do
// belong to the shell.
class frmSplash : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 502;
    static constexpr int kHeight = 271;

    explicit frmSplash(QWidget* parent = nullptr);

    // Shows the splash centred on the screen.
    void showCentred();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap picture_;
};

}  // namespace quorvex
