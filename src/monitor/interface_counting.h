#pragma once

#include <cstdint>

#include "monitor/interface_rows.h"

namespace quorvex::monitor {

// Which rows of one snapshot the byte sums count, so that the traffic of each line is counted
// once. The Windows table lists more than the lines themselves: a row for every filter driver
// bound to an adapter (QoS packet scheduler, WFP lightweight filters...) carrying the adapter's
// own counters, and virtual switch ports, bridges, VPN adapters and tunnels whose traffic also
// crosses a physical adapter. Summing every row counts the same bytes two to four times.
//
// The rule, from the facts the source gives per row (LinkFacts):
//  - A row without facts (the classic GetIfTable, Linux) is counted, as every row always was.
//  - A filter row or an endpoint device (a phone that is not a link to a network) never is.
//  - Of the other rows, only those of the most physical tier present are counted:
//      1. hardware interfaces (Ethernet, Wi-Fi, mobile broadband adapters); and PPP links too
//         while no hardware interface is up, since PPPoE and VPN links need an adapter that is
//         up beneath them, so a PPP link then runs over a line of its own (a dial-up modem);
//      2. where there is none, interfaces with a connector present (a virtual machine's adapter
//         that the system does not mark as hardware);
//      3. where there is neither, every interface but loopback and tunnels (a container or a
//         virtual machine whose adapters are all software).
//    Loopback never leaves the computer and a tunnel's bytes cross the interface beneath it.
// Apart from PPP links, the tier depends on which interfaces exist, not on whether they are
// connected, so that a link going up or down does not swap the counted set (and make the sums
// jump) between two seconds. A dial-up link beside a hardware adapter that is up (say, on a
// local network without internet) is not counted: nothing tells it from PPPoE over that adapter.
enum class CountedTier {
    EveryRow,           // no row carries facts
    Hardware,           // tier 1, a hardware interface is up
    HardwareAndDialUp,  // tier 1, none is up: PPP links count as well
    Connector,          // tier 2
    Software,           // tier 3
};

// Interface type, tunnel type and status codes the rule reads (the IANA ifType numbers and the
// system's TUNNEL_TYPE; the Windows source checks them against its headers).
inline constexpr std::int32_t kIfTypePpp = 23;
inline constexpr std::int32_t kIfTypeSoftwareLoopback = 24;
inline constexpr std::int32_t kIfTypeTunnel = 131;
inline constexpr std::int32_t kTunnelTypeNone = 0;
inline constexpr std::int32_t kIfOperStatusUp = 1;  // IF_OPER_STATUS of the 64-bit table

// The tier of this snapshot: the first of the three that has a row, EveryRow without facts.
CountedTier ChooseCountedTier(const CInterfaces& rows);

// Whether the row's counters enter the sums, under the tier of its snapshot.
bool IsCounted(const CInterface& row, CountedTier tier);

}  // namespace quorvex::monitor
