#pragma once

#include <QCoreApplication>

#include "platform/event_pump.h"

namespace quorvex {

// Lets the Qt event loop deliver every pending event (timers, clicks, painting).
class QtEventPump : public EventPump {
  public:
    void processEvents() override { QCoreApplication::processEvents(QEventLoop::AllEvents); }
};

}  // namespace quorvex
