#pragma once

namespace quorvex {

// Lets waiting window events run (timer ticks, clicks, painting) inside a handler.
class EventPump {
  public:
    virtual ~EventPump() = default;
    virtual void processEvents() = 0;
};

// For code that runs without a window.
class NullEventPump : public EventPump {
  public:
    void processEvents() override {}
};

}  // namespace quorvex
