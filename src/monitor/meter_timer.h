#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

#include "monitor/second_pacer.h"
#include "platform/clock.h"

namespace quorvex {

// Runs a callback once each time the wall-clock second changes, with a single-shot timer armed
// for just after the next second boundary: the process wakes about once a second.
class MeterTimer : public QObject {
    Q_OBJECT
  public:
    MeterTimer(const Clock& clock, std::function<void()> onSecond, QObject* parent = nullptr);

    // The first callback comes as soon as the event loop runs, then one per second.
    void start();
    void stop();
    bool isActive() const { return active_; }

  private:
    void onTimeout();

    QTimer timer_;
    SecondPacer pacer_;
    std::function<void()> onSecond_;
    bool active_ = false;
};

}  // namespace quorvex
