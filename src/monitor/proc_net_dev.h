#pragma once

#include <cstddef>
#include <string_view>

#include "monitor/interface_rows.h"

namespace quorvex::monitor {

// Reads the Linux kernel's per-interface counters in the text form of /proc/net/dev: two header
// lines, then "name: 8 receive counters 8 transmit counters" per interface. Appends one row per
// well-formed line (name and counters filled, the rest zero) and returns how many; a malformed
// line is left out and the others still count.
std::size_t ParseProcNetDev(std::string_view text, CInterfaces& rows);

}  // namespace quorvex::monitor
