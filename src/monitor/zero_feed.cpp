#include "monitor/zero_feed.h"

#include "monitor/meter_sinks.h"
#include "platform/event_pump.h"

namespace quorvex::monitor {

void feedZeros(SampleSink& first, SampleSink& second, EventPump& pump, int count) {
    for (int i = 0; i < count; ++i) {
        first.NextPoint(0);
        pump.processEvents();
        second.NextPoint(0);
    }
}

}  // namespace quorvex::monitor
