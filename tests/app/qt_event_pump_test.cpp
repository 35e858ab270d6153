#include "app/qt_event_pump.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTest>

#include "monitor/meter_sinks.h"
#include "monitor/zero_feed.h"

namespace quorvex {
namespace {

using std::chrono::hours;
using std::chrono::milliseconds;

// Counts the events posted to it as they are delivered.
class Receiver : public QObject {
  public:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User) return QObject::event(event);
        ++delivered;
        return true;
    }
    int delivered = 0;
};

void post(Receiver& receiver) {
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
}

TEST(QtEventPump, APumpAfterAPauseDeliversWhileABurstIsServedOnce) {
    struct Row {
        const char* what;
        milliseconds interval;
        int deliveredAfterSecond;
    };
    const Row rows[] = {
        {"every pump within the interval after the first is skipped", hours(1), 1},
        {"without an interval every pump delivers", milliseconds(0), 2},
    };
    for (const Row& row : rows) {
        Receiver receiver;
        QtEventPump pump(row.interval);
        post(receiver);
        pump.processEvents();
        EXPECT_EQ(receiver.delivered, 1) << row.what;
        post(receiver);
        pump.processEvents();
        EXPECT_EQ(receiver.delivered, row.deliveredAfterSecond) << row.what;
        QCoreApplication::sendPostedEvents(&receiver);
    }
}

TEST(QtEventPump, AnEventPostedDuringAZeroFeedingIsDeliveredAfterTheInterval) {
    struct Graph : SampleSink {
        void NextPoint(std::int32_t) override { ++samples; }
        int samples = 0;
    } first, second;
    Receiver receiver;
    QtEventPump pump(milliseconds(5));
    post(receiver);
    monitor::feedZeros(first, second, pump, 200);
    EXPECT_EQ(first.samples, 200);
    EXPECT_EQ(second.samples, 200);
    EXPECT_EQ(receiver.delivered, 1) << "the loop's first pump delivers what waits";
    post(receiver);
    QTest::qSleep(10);
    pump.processEvents();
    EXPECT_EQ(receiver.delivered, 2);
}

}  // namespace
}  // namespace quorvex
