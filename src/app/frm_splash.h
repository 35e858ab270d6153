#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace quorvex {

class EventPump;
class Form1;

// Timings of the start-up; tests shorten them.
struct SplashTimings {
    int zeroFeedIntervalMs = 100;  // Timer2
    int showMainWindowMs = 4000;   // Timer1
    int zeroLoop = 200;            // samples per Timer2 tick and graph
};

// The start-up window: shows the splash artwork for four seconds while the main window is
// created and loaded hidden, keeps both traffic graphs fed with zeros, then shows the main
// window and closes itself.
class frmSplash : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 502;
    static constexpr int kHeight = 271;

    // `mainWindow` makes the main window on first use (and loads it) and returns it after.
    frmSplash(std::function<Form1&()> mainWindow, EventPump& pump, SplashTimings timings = {},
              QWidget* parent = nullptr);

    // Shows the splash centred; showing starts both timers.
    void start();

    QTimer& timer1() { return timer1_; }
    QTimer& timer2() { return timer2_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void onTimer2();
    void onTimer1();

    std::function<Form1&()> mainWindow_;
    EventPump& pump_;
    SplashTimings timings_;
    QTimer timer1_;
    QTimer timer2_;
    QPixmap picture_;
    bool started_ = false;
};

}  // namespace quorvex
