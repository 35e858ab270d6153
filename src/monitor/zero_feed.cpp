#include "monitor/zero_feed.h"

#include "monitor/meter_sinks.h"
#include "platform/event_pump.h"

namespace quorvex::monitor {

void feedZeros(SampleSink& first, SampleSink& second, EventPump& pump, int count,
               const std::function<bool()>& keepGoing) {
    for (int i = 0; i < count; ++i) {
        first.NextPoint(0);
        pump.processEvents();
        if (keepGoing && !keepGoing()) return;
        second.NextPoint(0);
    }
}

}  // namespace quorvex::monitor
