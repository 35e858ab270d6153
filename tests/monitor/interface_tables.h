#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/interface_counting.h"
#include "monitor/interface_row.h"
#include "monitor_fakes.h"

// Interface tables shaped like those of real Windows computers, as GetIfTable2 lists them:
// names, interface types and flags as the system sets them, counters in bytes.
namespace quorvex::monitor_testing {

inline constexpr std::int32_t kEthernet = 6;  // IF_TYPE_ETHERNET_CSMACD
inline constexpr std::int32_t kWifi = 71;     // IF_TYPE_IEEE80211
inline constexpr std::int32_t kLoopback = monitor::kIfTypeSoftwareLoopback;
inline constexpr std::int32_t kTunnel = monitor::kIfTypeTunnel;
inline constexpr std::int32_t kPpp = monitor::kIfTypePpp;
inline constexpr std::int32_t kTunnel6to4 = 11;    // TUNNEL_TYPE_6TO4
inline constexpr std::int32_t kTunnelIsatap = 13;  // TUNNEL_TYPE_ISATAP
inline constexpr std::int32_t kTunnelTeredo = 14;  // TUNNEL_TYPE_TEREDO

inline constexpr std::int32_t kUp = 1;    // IfOperStatusUp
inline constexpr std::int32_t kDown = 2;  // IfOperStatusDown

inline constexpr LinkFacts kHardwareNic{.hardware = true, .connectorPresent = true};
// A filter module's row takes its adapter's flags and adds its own.
inline constexpr LinkFacts kFilterOfNic{.hardware = true, .filter = true, .connectorPresent = true};
inline constexpr LinkFacts kSoftware{};
inline constexpr LinkFacts kVirtualMachineNic{.connectorPresent = true};
inline constexpr LinkFacts kFilterOfVirtualMachineNic{.filter = true, .connectorPresent = true};

using Table = std::vector<FakeTableSource::Row>;

// A Windows 11 desktop on wired Ethernet: the adapter with three filter rows, a Wi-Fi adapter
// that is not connected (its counters stand still) with its own filters, the Wi-Fi Direct
// adapter, loopback, the Hyper-V Default Switch (whose virtual machines' traffic also crosses
// the Ethernet adapter) and Teredo (tunnelled over it too).
inline Table Windows11Pc() {
    constexpr std::uint64_t in = 7'340'032'000, out = 912'384'512;
    constexpr std::uint64_t wifiIn = 1'204'224, wifiOut = 309'248;
    return {
        {"Ethernet", in, out, kEthernet, kHardwareNic, kUp},
        {"Ethernet-WFP Native MAC Layer LightWeight Filter-0000", in, out, kEthernet, kFilterOfNic,
         kUp},
        {"Ethernet-QoS Packet Scheduler-0000", in, out, kEthernet, kFilterOfNic, kUp},
        {"Ethernet-WFP 802.3 MAC Layer LightWeight Filter-0000", in, out, kEthernet, kFilterOfNic,
         kUp},
        {"Wi-Fi", wifiIn, wifiOut, kWifi, kHardwareNic, kDown},
        {"Wi-Fi-Native WiFi Filter Driver-0000", wifiIn, wifiOut, kWifi, kFilterOfNic, kDown},
        {"Wi-Fi-Virtual WiFi Filter Driver-0000", wifiIn, wifiOut, kWifi, kFilterOfNic, kDown},
        {"Wi-Fi-QoS Packet Scheduler-0000", wifiIn, wifiOut, kWifi, kFilterOfNic, kDown},
        {"Local Area Connection* 1", 0, 0, kWifi, kSoftware, kDown},
        {"Loopback Pseudo-Interface 1", 52'428'800, 52'428'800, kLoopback, kSoftware, kUp},
        {"vEthernet (Default Switch)", 812'000'000, 41'000'000, kEthernet, kSoftware, kUp},
        {"Teredo Tunneling Pseudo-Interface", 3'072'000, 1'024'000, kTunnel,
         LinkFacts{.tunnelType = kTunnelTeredo}, kUp},
    };
}

// A laptop whose Wi-Fi adapter is bound to a Hyper-V external switch: the host's own traffic
// runs through the bridge and the vEthernet adapter on top, and all of it crosses the Wi-Fi.
inline Table WifiThroughVirtualSwitch() {
    constexpr std::uint64_t in = 2'000'000'000, out = 400'000'000;
    return {
        {"Wi-Fi", in, out, kWifi, kHardwareNic, kUp},
        {"Wi-Fi-Native WiFi Filter Driver-0000", in, out, kWifi, kFilterOfNic, kUp},
        {"Wi-Fi-Hyper-V Virtual Switch Extension Filter-0000", in, out, kWifi, kFilterOfNic, kUp},
        {"Network Bridge", in, out, kEthernet, kSoftware, kUp},
        {"vEthernet (External)", 1'500'000'000, 300'000'000, kEthernet, kSoftware, kUp},
        {"Loopback Pseudo-Interface 1", 0, 0, kLoopback, kSoftware, kUp},
    };
}

// DSL through PPPoE: the PPP link's bytes cross the Ethernet adapter to the modem.
inline Table PppoeOverEthernet() {
    constexpr std::uint64_t in = 500'000'000, out = 60'000'000;
    return {
        {"Ethernet", in, out, kEthernet, kHardwareNic, kUp},
        {"Ethernet-QoS Packet Scheduler-0000", in, out, kEthernet, kFilterOfNic, kUp},
        {"Broadband Connection", 480'000'000, 55'000'000, kPpp, kSoftware, kUp},
        {"Loopback Pseudo-Interface 1", 0, 0, kLoopback, kSoftware, kUp},
    };
}

// A dial-up modem on a desktop whose Ethernet adapter is unplugged: the PPP link is the line.
inline Table DialUpBesideUnpluggedEthernet() {
    constexpr std::uint64_t in = 3'000'000, out = 200'000;
    return {
        {"Ethernet", in, out, kEthernet, kHardwareNic, kDown},
        {"Ethernet-QoS Packet Scheduler-0000", in, out, kEthernet, kFilterOfNic, kDown},
        {"Dial-up Connection", 250'000, 40'000, kPpp, kSoftware, kUp},
        {"Loopback Pseudo-Interface 1", 0, 0, kLoopback, kSoftware, kUp},
    };
}

// A Windows guest whose synthetic adapter has a connector but is not marked as hardware, with
// WSL's virtual switch and an ISATAP tunnel.
inline Table VirtualMachineGuest() {
    constexpr std::uint64_t in = 90'000'000, out = 8'000'000;
    return {
        {"Ethernet", in, out, kEthernet, kVirtualMachineNic, kUp},
        {"Ethernet-WFP Native MAC Layer LightWeight Filter-0000", in, out, kEthernet,
         kFilterOfVirtualMachineNic, kUp},
        {"vEthernet (WSL)", 4'000'000, 3'000'000, kEthernet, kSoftware, kUp},
        {"Loopback Pseudo-Interface 1", 0, 0, kLoopback, kSoftware, kUp},
        {"isatap.localdomain", 7'000, 7'000, kTunnel, LinkFacts{.tunnelType = kTunnelIsatap},
         kDown},
    };
}

// A container or a guest whose adapters are all software.
inline Table SoftwareOnly() {
    return {
        {"vEthernet (Ethernet)", 60'000'000, 2'000'000, kEthernet, kSoftware, kUp},
        {"Loopback Pseudo-Interface 1", 9'000, 9'000, kLoopback, kSoftware, kUp},
        {"Teredo Tunneling Pseudo-Interface", 5'000, 4'000, kTunnel,
         LinkFacts{.tunnelType = kTunnelTeredo}, kUp},
    };
}

// Adds one second of traffic to every row whose name begins with `prefix` (an adapter and its
// filter rows move together).
inline void AddTraffic(Table& table, std::string_view prefix, std::uint64_t received,
                       std::uint64_t sent) {
    for (auto& row : table) {
        if (!std::string_view(row.name).starts_with(prefix)) continue;
        row.received += received;
        row.sent += sent;
    }
}

}  // namespace quorvex::monitor_testing
