#include "monitor/meter_timer.h"

#include <gtest/gtest.h>

#include <QTest>

#include "monitor/qt_number_locale.h"
#include "monitor_fakes.h"

namespace quorvex {
namespace {

using std::chrono::milliseconds;

TEST(QtNumberLocale, SeparatorsOfTheGivenLocale) {
    const auto us = NumberLocaleFrom(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.decimal, ".");
    EXPECT_EQ(us.grouping, ",");
    const auto german = NumberLocaleFrom(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.decimal, ",");
    EXPECT_EQ(german.grouping, ".");
    const auto c = NumberLocaleFrom(QLocale::c());
    EXPECT_EQ(c.decimal, ".");
}

TEST(MeterTimer, RunsOnceAtStartThenOncePerClockSecond) {
    monitor_testing::FakeClock clock;
    clock.advance(milliseconds(997));  // the next boundary is 3 ms away, so expiries come fast
    int calls = 0;
    MeterTimer timer(clock, [&] { ++calls; });
    timer.start();
    EXPECT_TRUE(timer.isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls == 1; }, 1000));
    // Expiries within the same clock second run nothing.
    QTest::qWait(30);
    EXPECT_EQ(calls, 1);
    clock.advance(milliseconds(1000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls == 2; }, 2000));
    timer.stop();
    EXPECT_FALSE(timer.isActive());
    clock.advance(milliseconds(1000));
    QTest::qWait(30);
    EXPECT_EQ(calls, 2);
}

TEST(MeterTimer, ACallbackThatStopsTheTimerEndsTheTicks) {
    monitor_testing::FakeClock clock;
    int calls = 0;
    MeterTimer* self = nullptr;
    MeterTimer timer(clock, [&] {
        ++calls;
        self->stop();
    });
    self = &timer;
    timer.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls == 1; }, 1000));
    clock.advance(milliseconds(1000));
    QTest::qWait(30);
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(timer.isActive());
}

}  // namespace
}  // namespace quorvex
