#include "monitor/interface_counting.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "interface_tables.h"
#include "monitor/interface_snapshot.h"
#include "monitor_fakes.h"

namespace quorvex {
namespace {

using monitor::CountedTier;
using monitor_testing::Table;
using ::testing::UnorderedElementsAreArray;

struct Computer {
    const char* what;
    Table table;
    CountedTier tier;
    std::vector<std::string> counted;  // the rows whose counters make the sums
};

std::vector<Computer> Computers() {
    using namespace monitor_testing;
    return {
        {"Windows 11 desktop on Ethernet",
         Windows11Pc(),
         CountedTier::Hardware,
         {"Ethernet", "Wi-Fi"}},
        {"Wi-Fi bound to a Hyper-V external switch",
         WifiThroughVirtualSwitch(),
         CountedTier::Hardware,
         {"Wi-Fi"}},
        {"DSL through PPPoE", PppoeOverEthernet(), CountedTier::Hardware, {"Ethernet"}},
        {"dial-up beside an unplugged Ethernet adapter",
         DialUpBesideUnpluggedEthernet(),
         CountedTier::HardwareAndDialUp,
         {"Ethernet", "Dial-up Connection"}},
        {"virtual machine guest", VirtualMachineGuest(), CountedTier::Connector, {"Ethernet"}},
        {"software adapters only", SoftwareOnly(), CountedTier::Software, {"vEthernet (Ethernet)"}},
        {"loopback and a tunnel only",
         {{"Loopback Pseudo-Interface 1", 100, 100, kLoopback, kSoftware},
          {"Teredo Tunneling Pseudo-Interface", 5, 4, kTunnel,
           LinkFacts{.tunnelType = kTunnelTeredo}}},
         CountedTier::Software,
         {}},
        // A tunnel is known by its interface type or by its tunnel type alone.
        {"a tunnel known by its tunnel type",
         {{"Ethernet", 10, 10, kEthernet, kSoftware},
          {"6TO4 Adapter", 5, 4, kEthernet, LinkFacts{.tunnelType = kTunnel6to4}}},
         CountedTier::Software,
         {"Ethernet"}},
        // A phone that only syncs with the computer is no line, and no reason to leave out
        // the software adapters either.
        {"Ethernet and a phone endpoint",
         {{"Ethernet", 10, 10, kEthernet, kHardwareNic, kUp},
          {"Ethernet 2", 7, 7, kEthernet, LinkFacts{.hardware = true, .endpoint = true}, kUp}},
         CountedTier::Hardware,
         {"Ethernet"}},
        {"a phone endpoint and a software adapter",
         {{"Ethernet 2", 7, 7, kEthernet, LinkFacts{.hardware = true, .endpoint = true}, kUp},
          {"vEthernet (Ethernet)", 10, 10, kEthernet, kSoftware}},
         CountedTier::Software,
         {"vEthernet (Ethernet)"}},
        // A filter row alone never makes a tier: its adapter is what counts.
        {"a filter row with no adapter of its own tier",
         {{"Ethernet-QoS Packet Scheduler-0000", 10, 10, kEthernet, kFilterOfNic, kUp},
          {"Ethernet", 10, 10, kEthernet, kVirtualMachineNic}},
         CountedTier::Connector,
         {"Ethernet"}},
        // Sources that give no facts (the classic table, Linux) count every row, as always.
        {"rows without facts",
         {{"lo", 100, 100, kLoopback}, {"eth0", 250, 5, kEthernet}, {"tun0", 1, 1, kTunnel}},
         CountedTier::EveryRow,
         {"lo", "eth0", "tun0"}},
        {"an empty table", {}, CountedTier::EveryRow, {}},
    };
}

TEST(InterfaceCountingTest, EachModelledComputerCountsEveryLineOnce) {
    for (const Computer& computer : Computers()) {
        SCOPED_TRACE(computer.what);
        monitor_testing::FakeTableSource source;
        source.table = computer.table;
        monitor_testing::FakePrompts prompts;
        CIpHelper helper(source, prompts);
        const auto rows = helper.Interfaces();
        ASSERT_EQ(rows->Count(), static_cast<std::int32_t>(computer.table.size()));

        const CountedTier tier = monitor::ChooseCountedTier(*rows);
        EXPECT_EQ(tier, computer.tier);
        std::vector<std::string> counted;
        for (const auto& row : *rows)
            if (monitor::IsCounted(*row, tier)) counted.push_back(row->InterfaceName());
        EXPECT_THAT(counted, UnorderedElementsAreArray(computer.counted));

        // The sums are those of the counted rows; the snapshot still holds every row.
        std::uint64_t received = 0, sent = 0;
        const std::set<std::string> names(computer.counted.begin(), computer.counted.end());
        for (const auto& row : computer.table) {
            if (!names.contains(row.name)) continue;
            received += row.received;
            sent += row.sent;
        }
        EXPECT_EQ(helper.BytesReceived(), received);
        EXPECT_EQ(helper.BytesSent(), sent);
    }
}

}  // namespace
}  // namespace quorvex
