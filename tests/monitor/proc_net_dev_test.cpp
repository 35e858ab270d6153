#include "monitor/proc_net_dev.h"

#include <gtest/gtest.h>

namespace quorvex::monitor {
namespace {

// Recorded from a Linux 6.1 machine, with counters changed to cover the cases below.
constexpr const char* kRecorded =
    "Inter-|   Receive                                                |  Transmit\n"
    " face |bytes    packets errs drop fifo frame compressed multicast|bytes    packets errs "
    "drop fifo colls carrier compressed\n"
    "    lo:  123456     789    0    0    0     0          0         0   123456     789    0 "
    "   0    0     0       0          0\n"
    "  eth0: 9876543210123 5000000    2    3    0     0          0      1200 4294967300  "
    "400000    4    5    0     0       0          0\n"
    "wlp2s0:       0       0    0    0    0     0          0         0        0       0    0 "
    "   0    0     0       0          0\n";

TEST(ProcNetDev, EveryInterfaceWithLoopbackAndLargeCounters) {
    CInterfaces rows;
    ASSERT_EQ(ParseProcNetDev(kRecorded, rows), 3u);
    const auto lo = rows.Item(1);
    EXPECT_EQ(lo->InterfaceName(), "lo");
    EXPECT_EQ(lo->OctetsReceived(), 123456u);
    EXPECT_EQ(lo->OctetsSent(), 123456u);

    const auto eth = rows.Item(2);
    EXPECT_EQ(eth->InterfaceName(), "eth0");
    EXPECT_EQ(eth->OctetsReceived(), 9876543210123u);  // far above 2^32
    EXPECT_EQ(eth->OctetsSent(), 4294967300u);
    EXPECT_EQ(eth->UnicastPacketsReceived(), 5000000u - 1200u);
    EXPECT_EQ(eth->NonunicastPacketsReceived(), 1200u);
    EXPECT_EQ(eth->IncomingErrors(), 2u);
    EXPECT_EQ(eth->DiscardedIncomingPackets(), 3u);
    EXPECT_EQ(eth->UnicastPacketsSent(), 400000u);
    EXPECT_EQ(eth->OutgoingErrors(), 4u);
    EXPECT_EQ(eth->DiscardedOutgoingPackets(), 5u);
    EXPECT_EQ(rows.Item(3)->InterfaceName(), "wlp2s0");
}

TEST(ProcNetDev, MalformedLinesAreLeftOut) {
    const std::string text = std::string(kRecorded) +
                             "  bad0: 1 2 3\n"                                      // too few
                             "  bad1: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17\n"  // too many
                             "  bad2: 1 2 3 4 5 6 7 x 9 10 11 12 13 14 15 16\n"     // not a number
                             "  bad3: -1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16\n"    // negative
                             "  : 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16\n"         // no name
                             "  bad4: 99999999999999999999 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16\n"
                             "eth1:5 0 0 0 0 0 0 0 6 0 0 0 0 0 0 0";  // no blank, no newline
    CInterfaces rows;
    EXPECT_EQ(ParseProcNetDev(text, rows), 4u);
    EXPECT_EQ(rows.Item(4)->InterfaceName(), "eth1");
    EXPECT_EQ(rows.Item(4)->OctetsReceived(), 5u);
    EXPECT_EQ(rows.Item(4)->OctetsSent(), 6u);
}

TEST(ProcNetDev, HeadersAloneGiveNoRows) {
    CInterfaces rows;
    EXPECT_EQ(ParseProcNetDev("Inter-|   Receive |  Transmit\n face |bytes|bytes\n", rows), 0u);
    EXPECT_EQ(ParseProcNetDev("", rows), 0u);
    EXPECT_EQ(rows.Count(), 0);
}

}  // namespace
}  // namespace quorvex::monitor
