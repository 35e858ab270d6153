#include "app/qt_timer.h"

#include <gtest/gtest.h>

#include <QTest>

namespace quorvex {
namespace {

using std::chrono::milliseconds;

TEST(QtTimer, SingleShotTicksOnceAndRepeatingUntilStopped) {
    int ticks = 0;
    QtTimer timer([&] { ++ticks; });
    timer.start(milliseconds(0), /*repeating=*/false);
    EXPECT_TRUE(timer.isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks == 1; }, 1000));
    QTest::qWait(20);
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(timer.isActive());

    timer.start(milliseconds(2), /*repeating=*/true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 4; }, 2000));
    timer.stop();
    const int stoppedAt = ticks;
    QTest::qWait(20);
    EXPECT_EQ(ticks, stoppedAt);
}

TEST(QtTimer, StoppingFromItsOwnTickEndsIt) {
    int ticks = 0;
    QtTimer* self = nullptr;
    QtTimer timer([&] {
        ++ticks;
        self->stop();
    });
    self = &timer;
    timer.start(milliseconds(1), /*repeating=*/true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks == 1; }, 1000));
    QTest::qWait(20);
    EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace quorvex
