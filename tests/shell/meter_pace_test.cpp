#include "shell/meter_pace.h"

#include <gtest/gtest.h>

#include "shell_fakes.h"

namespace quorvex {
namespace {

using std::chrono::milliseconds;

struct PaceRun {
    monitor_testing::FakeClock clock;
    shell_testing::FakeFrontEnd timers;
    int calls = 0;
    MeterPace pace{timers, clock, [this] { ++calls; }};
    shell_testing::FakeTimer& timer() { return *timers.timers.at(0); }
};

TEST(MeterPace, RunsAtOnceThenOncePerClockSecondAimingPastEachBoundary) {
    PaceRun run;
    run.clock.advance(milliseconds(300));
    run.pace.start();
    EXPECT_TRUE(run.pace.isActive());
    EXPECT_EQ(run.timer().interval, milliseconds(0));
    EXPECT_FALSE(run.timer().repeating);

    run.timer().fire();
    EXPECT_EQ(run.calls, 1);
    EXPECT_EQ(run.timer().interval, milliseconds(700) + SecondPacer::kMargin);

    // An early expiry within the same second runs nothing and aims again.
    run.clock.advance(milliseconds(690));
    run.timer().fire();
    EXPECT_EQ(run.calls, 1);
    EXPECT_EQ(run.timer().interval, milliseconds(10) + SecondPacer::kMargin);

    run.clock.advance(milliseconds(15));
    run.timer().fire();
    EXPECT_EQ(run.calls, 2);
}

TEST(MeterPace, KeepsOneRepeatingTimerWhileTheTicksStayEarlyInTheirSecond) {
    PaceRun run;
    run.pace.start();
    run.timer().fire();  // at 0 ms: on pace at once
    EXPECT_TRUE(run.timer().repeating);
    EXPECT_EQ(run.timer().interval, milliseconds(1000));
    const int armed = run.timer().starts;

    // Ticks that come a little late each second keep the same timer (no call to re-arm it)...
    for (int second = 1; second <= 10; ++second) {
        run.clock.advance(milliseconds(1016));
        run.timer().fire();
        EXPECT_EQ(run.calls, second + 1);
    }
    EXPECT_EQ(run.timer().starts, armed);

    // ...until they have drifted past the first part of the second: then it aims again, and
    // takes up the repeating timer once a tick lands early in its second.
    for (int second = 0; second < 3; ++second) {
        run.clock.advance(milliseconds(1016));
        run.timer().fire();
    }
    EXPECT_FALSE(run.timer().repeating);
    const auto aim = run.timer().interval;
    run.clock.advance(aim);
    run.timer().fire();
    EXPECT_TRUE(run.timer().repeating);
    EXPECT_EQ(run.calls, 15);
}

TEST(MeterPace, ATickDuringTheCallbacksOwnMessageLoopIsIgnored) {
    monitor_testing::FakeClock clock;
    shell_testing::FakeFrontEnd timers;
    shell_testing::FakeTimer* timer = nullptr;
    int calls = 0;
    MeterPace pace(timers, clock, [&] {
        ++calls;
        // A message box's loop delivering the next ticks a second later.
        clock.advance(milliseconds(1000));
        timer->fire();
    });
    timer = timers.timers.at(0);
    pace.start();
    timer->fire();
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(timer->isActive());
}

TEST(MeterPace, StoppingEndsTheTicksAndRestartingRunsAtOnce) {
    PaceRun run;
    run.pace.start();
    run.timer().fire();
    run.pace.stop();
    EXPECT_FALSE(run.pace.isActive());
    EXPECT_FALSE(run.timer().isActive());
    run.clock.advance(milliseconds(1000));
    run.timer().fire();
    EXPECT_EQ(run.calls, 1);

    // Within the same second as the last update: a new run still starts with one.
    run.pace.start();
    run.timer().fire();
    EXPECT_EQ(run.calls, 2);
}

TEST(MeterPace, ACallbackThatStopsThePaceIsNotRearmed) {
    monitor_testing::FakeClock clock;
    shell_testing::FakeFrontEnd timers;
    MeterPace* self = nullptr;
    int calls = 0;
    MeterPace pace(timers, clock, [&] {
        ++calls;
        self->stop();
    });
    self = &pace;
    pace.start();
    timers.timers.at(0)->fire();
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(timers.timers.at(0)->isActive());
}

}  // namespace
}  // namespace quorvex
