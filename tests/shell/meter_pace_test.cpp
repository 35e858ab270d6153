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
