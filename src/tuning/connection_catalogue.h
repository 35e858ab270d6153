#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace quorvex {

enum class ConnectionGroup { DslOrCable, Wireless, DialUp, Satellite, ClosedNetworks, Defaults };

// The 27 connection kinds in the order of the connection list Combo3.
enum class ConnectionKind {
    RestoreDefaults,
    DslUpTo512K,
    Dsl512K,
    Dsl1M,
    Dsl2M,
    Dsl4M,
    Dsl6M,
    Dsl16M,
    Dsl25M,
    Dsl50M,
    Dsl100M,
    WirelessGprs,
    WirelessEdge,
    WirelessUmts,
    WirelessHsdpa,
    WirelessWimax,
    DialUp56K,
    IsdnSingle64K,
    IsdnDual128K,
    SatelliteUpTo512K,
    Satellite512K,
    Satellite1M,
    Satellite2M,
    Satellite6M,
    ClosedCompany,
    ClosedWireless,
    ClosedHome,
};

// One catalogue entry. The full name (the text of Combo3) is its identity: captions repeat.
struct ConnectionType {
    int position;
    ConnectionKind kind;
    std::string_view name;  // the kind's name, e.g. "Dsl100M"
    ConnectionGroup group;
    std::string_view optionControl;
    std::string_view caption;
    std::string_view fullName;
    std::string_view settingsKey;  // key under section "Connection"
    std::int16_t mtu;
    std::int16_t mss;
    std::int32_t rwin;
};

inline constexpr std::size_t kConnectionCount = 27;

const std::array<ConnectionType, kConnectionCount>& connectionCatalogue();
const ConnectionType& connectionType(ConnectionKind kind);
// Exact, case-sensitive match of the whole text; nullptr when nothing matches.
const ConnectionType* findConnectionByFullName(std::string_view fullName);
const ConnectionType* findConnectionBySettingsKey(std::string_view key);
// Column heading above the group's option controls; empty for Defaults.
std::string_view groupHeading(ConnectionGroup group);

}  // namespace quorvex
