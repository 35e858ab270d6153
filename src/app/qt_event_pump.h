#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

#include <chrono>

#include "platform/event_pump.h"

namespace quorvex {

// Lets the Qt event loop deliver every pending event (timers, clicks, painting). A loop that
// pumps after each of many tiny steps (the graphs' zero feeding: 200 samples a tick) is served
// at most once an interval: every pump is a round trip to the window system, and events that
// wait a few milliseconds go unnoticed. A pump after a pause always runs.
class QtEventPump : public EventPump {
  public:
    explicit QtEventPump(std::chrono::milliseconds interval = std::chrono::milliseconds(10))
        : interval_(interval.count()) {}

    void processEvents() override {
        if (last_.isValid() && last_.elapsed() < interval_) return;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        last_.start();
    }

  private:
    qint64 interval_;
    QElapsedTimer last_;
};

}  // namespace quorvex
