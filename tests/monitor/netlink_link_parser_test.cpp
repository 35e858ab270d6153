#include "monitor/netlink_link_parser.h"

#include <gtest/gtest.h>
#include <linux/if.h>
#include <linux/if_arp.h>
#include <linux/if_link.h>
#include <linux/netlink.h>
#include <linux/rtnetlink.h>

#include <cstring>
#include <string>
#include <vector>

namespace quorvex::monitor {
namespace {

// Builds the datagrams of an RTM_GETLINK dump as the kernel sends them.
class DumpBuilder {
  public:
    explicit DumpBuilder(std::uint32_t seq) : seq_(seq) {}

    DumpBuilder& link(int index, const char* name, std::vector<std::uint8_t> address,
                      const rtnl_link_stats64& stats, unsigned flags = IFF_UP,
                      std::uint8_t operState = IF_OPER_UP, bool withStats64 = true) {
        const std::size_t start = begin(RTM_NEWLINK, NLM_F_MULTI);
        ifinfomsg info{};
        info.ifi_family = AF_UNSPEC;
        info.ifi_type = ARPHRD_ETHER;
        info.ifi_index = index;
        info.ifi_flags = flags;
        append(&info, sizeof info);
        attribute(IFLA_IFNAME, name, std::strlen(name) + 1);
        const std::uint32_t mtu = 1500;
        attribute(IFLA_MTU, &mtu, sizeof mtu);
        attribute(IFLA_OPERSTATE, &operState, 1);
        attribute(IFLA_ADDRESS, address.data(), address.size());
        rtnl_link_stats s32{};
        s32.rx_bytes = static_cast<std::uint32_t>(stats.rx_bytes);
        s32.tx_bytes = static_cast<std::uint32_t>(stats.tx_bytes);
        attribute(IFLA_STATS, &s32, sizeof s32);
        if (withStats64) attribute(IFLA_STATS64, &stats, sizeof stats);
        finish(start);
        return *this;
    }
    DumpBuilder& done() {
        finish(begin(NLMSG_DONE, NLM_F_MULTI));
        return *this;
    }
    DumpBuilder& error(int code) {
        const std::size_t start = begin(NLMSG_ERROR, 0);
        nlmsgerr e{};
        e.error = code;
        append(&e, sizeof e);
        finish(start);
        return *this;
    }
    DumpBuilder& otherSeq() {
        ++seq_;
        return *this;
    }
    std::vector<std::byte>& bytes() { return bytes_; }

  private:
    std::size_t begin(std::uint16_t type, std::uint16_t flags) {
        const std::size_t start = bytes_.size();
        nlmsghdr h{};
        h.nlmsg_type = type;
        h.nlmsg_flags = flags;
        h.nlmsg_seq = seq_;
        append(&h, sizeof h);
        return start;
    }
    void finish(std::size_t start) {
        const auto length = static_cast<std::uint32_t>(bytes_.size() - start);
        std::memcpy(bytes_.data() + start, &length, sizeof length);
        pad();
    }
    void attribute(std::uint16_t type, const void* data, std::size_t size) {
        rtattr a{};
        a.rta_type = type;
        a.rta_len = static_cast<std::uint16_t>(sizeof a + size);
        append(&a, sizeof a);
        append(data, size);
        pad();
    }
    void append(const void* data, std::size_t size) {
        const auto* p = static_cast<const std::byte*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    }
    void pad() { bytes_.resize((bytes_.size() + 3) & ~std::size_t{3}); }

    std::uint32_t seq_;
    std::vector<std::byte> bytes_;
};

rtnl_link_stats64 Stats(std::uint64_t rx, std::uint64_t tx) {
    rtnl_link_stats64 s{};
    s.rx_bytes = rx;
    s.tx_bytes = tx;
    s.rx_packets = 100;
    s.multicast = 30;
    s.tx_packets = 50;
    s.rx_errors = 1;
    s.tx_dropped = 2;
    return s;
}

TEST(NetlinkLinkParser, OneDumpGivesEveryFieldOfEveryLink) {
    DumpBuilder dump(7);
    dump.link(1, "lo", {0, 0, 0, 0, 0, 0}, Stats(5000, 5000), IFF_UP | IFF_LOOPBACK,
              IF_OPER_UNKNOWN)
        .link(2, "eth0", {0x00, 0x0C, 0x29, 0xAB, 0x01, 0xFF},
              Stats(0x1'2345'6789ull, 0x1'0000'0001ull), 0, IF_OPER_DOWN)
        .done();
    CInterfaces rows;
    EXPECT_EQ(ParseLinkDump(dump.bytes(), 7, rows), LinkDumpStatus::Done);
    ASSERT_EQ(rows.Count(), 2);
    const auto lo = rows.Item(1);
    EXPECT_EQ(lo->InterfaceName(), "lo");
    EXPECT_EQ(lo->InterfaceIndex(), 1);
    EXPECT_EQ(lo->AdapterAddress(), "00-00-00-00-00-00");
    EXPECT_EQ(lo->AdminStatus(), 1);
    EXPECT_EQ(lo->OctetsReceived(), 5000u);

    const auto eth = rows.Item(2);
    EXPECT_EQ(eth->InterfaceName(), "eth0");
    EXPECT_EQ(eth->InterfaceIndex(), 2);
    EXPECT_EQ(eth->InterfaceType(), ARPHRD_ETHER);
    EXPECT_EQ(eth->MaximumTransmissionUnit(), 1500);
    EXPECT_EQ(eth->AdapterAddress(), "00-C-29-AB-1-FF");
    EXPECT_EQ(eth->AdminStatus(), 2);
    EXPECT_EQ(eth->OperationalStatus(), IF_OPER_DOWN);
    // The 64-bit counters win over the 32-bit ones sent before them.
    EXPECT_EQ(eth->OctetsReceived(), 0x1'2345'6789ull);
    EXPECT_EQ(eth->OctetsSent(), 0x1'0000'0001ull);
    EXPECT_EQ(eth->UnicastPacketsReceived(), 70u);
    EXPECT_EQ(eth->NonunicastPacketsReceived(), 30u);
    EXPECT_EQ(eth->UnicastPacketsSent(), 50u);
    EXPECT_EQ(eth->IncomingErrors(), 1u);
    EXPECT_EQ(eth->DiscardedOutgoingPackets(), 2u);
}

TEST(NetlinkLinkParser, ThirtyTwoBitCountersWhenThereAreNoOthers) {
    DumpBuilder dump(1);
    dump.link(3, "old0", {}, Stats(0x1'0000'0010ull, 20), IFF_UP, IF_OPER_UP, false);
    CInterfaces rows;
    EXPECT_EQ(ParseLinkDump(dump.bytes(), 1, rows), LinkDumpStatus::More);
    ASSERT_EQ(rows.Count(), 1);
    EXPECT_EQ(rows.Item(1)->OctetsReceived(), 0x10u);
    EXPECT_EQ(rows.Item(1)->AdapterAddress(), "");
}

TEST(NetlinkLinkParser, OtherSequencesAreSkippedAndErrorsReported) {
    DumpBuilder stale(4);
    stale.link(1, "lo", {}, Stats(1, 1)).otherSeq().link(2, "eth0", {}, Stats(2, 2)).done();
    CInterfaces rows;
    EXPECT_EQ(ParseLinkDump(stale.bytes(), 5, rows), LinkDumpStatus::Done);
    ASSERT_EQ(rows.Count(), 1);
    EXPECT_EQ(rows.Item(1)->InterfaceName(), "eth0");

    DumpBuilder failed(9);
    failed.error(-1);
    CInterfaces none;
    EXPECT_EQ(ParseLinkDump(failed.bytes(), 9, none), LinkDumpStatus::Error);
}

TEST(NetlinkLinkParser, DamagedDatagramsNeverReadOutside) {
    DumpBuilder dump(2);
    dump.link(1, "eth0", {1, 2, 3, 4, 5, 6}, Stats(10, 20)).done();
    const auto whole = dump.bytes();
    // Every cut of the datagram parses without reading past it.
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        CInterfaces rows;
        const auto status = ParseLinkDump(std::span(whole.data(), cut), 2, rows);
        EXPECT_NE(status, LinkDumpStatus::Done) << cut;
    }
    // A message claiming more than the datagram holds.
    auto bad = whole;
    const std::uint32_t huge = 0xFFFF;
    std::memcpy(bad.data(), &huge, sizeof huge);
    CInterfaces rows;
    EXPECT_EQ(ParseLinkDump(bad, 2, rows), LinkDumpStatus::Error);
    // An attribute claiming more than its message holds ends that message's attributes.
    auto badAttr = whole;
    const std::size_t firstAttr = sizeof(nlmsghdr) + sizeof(ifinfomsg);
    const std::uint16_t long16 = 0xFFF0;
    std::memcpy(badAttr.data() + firstAttr, &long16, sizeof long16);
    CInterfaces partial;
    EXPECT_EQ(ParseLinkDump(badAttr, 2, partial), LinkDumpStatus::Done);
    ASSERT_EQ(partial.Count(), 1);
    EXPECT_EQ(partial.Item(1)->InterfaceName(), "");
}

}  // namespace
}  // namespace quorvex::monitor
