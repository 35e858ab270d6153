#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "monitor/interface_rows.h"

namespace quorvex::monitor {

enum class LinkDumpStatus {
    More,   // the dump goes on in the next datagram
    Done,   // the dump's end was reached
    Error,  // the kernel reported an error or the datagram is malformed
};

// Parses one datagram of the kernel's answer to an RTM_GETLINK dump with sequence number `seq`
// and appends one row per link message: index, type, MTU, name, hardware address, admin and
// operational state and the 64-bit counters (the 32-bit ones where the kernel gives no others).
// Every read stays inside the datagram; messages of other sequence numbers are skipped.
LinkDumpStatus ParseLinkDump(std::span<const std::byte> datagram, std::uint32_t seq,
                             CInterfaces& rows);

}  // namespace quorvex::monitor
