#include "monitor/second_pacer.h"

#include <gtest/gtest.h>

#include "monitor_fakes.h"

namespace quorvex {
namespace {

using std::chrono::milliseconds;

TEST(SecondPacer, PassesOncePerWallClockSecond) {
    monitor_testing::FakeClock clock;
    clock.advance(milliseconds(300));
    SecondPacer pacer(clock);
    EXPECT_TRUE(pacer.SecondChanged());
    EXPECT_FALSE(pacer.SecondChanged());
    clock.advance(milliseconds(699));  // x.999
    EXPECT_FALSE(pacer.SecondChanged());
    clock.advance(milliseconds(1));
    EXPECT_TRUE(pacer.SecondChanged());
    pacer.Reset();
    EXPECT_TRUE(pacer.SecondChanged());
}

TEST(SecondPacer, AimsJustPastTheNextBoundary) {
    monitor_testing::FakeClock clock;
    SecondPacer pacer(clock);
    EXPECT_EQ(pacer.DelayToNextSecond(), milliseconds(1000) + SecondPacer::kMargin);
    clock.advance(milliseconds(300));
    EXPECT_EQ(pacer.DelayToNextSecond(), milliseconds(700) + SecondPacer::kMargin);
    clock.time += std::chrono::microseconds(699'999);  // 999.999 ms past the second
    EXPECT_EQ(pacer.DelayToNextSecond(), milliseconds(1) + SecondPacer::kMargin);
    // Fired a few milliseconds past the boundary: the next one is a second away.
    clock.time = std::chrono::system_clock::time_point(std::chrono::seconds(5)) + milliseconds(2);
    EXPECT_EQ(pacer.DelayToNextSecond(), milliseconds(1003));
}

}  // namespace
}  // namespace quorvex
