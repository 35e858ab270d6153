#include "monitor/proc_net_dev.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <memory>
#include <string>

namespace quorvex::monitor {

namespace {

// Receive: bytes packets errs drop fifo frame compressed multicast;
// transmit: bytes packets errs drop fifo colls carrier compressed.
enum Column : std::size_t {
    kRxBytes = 0,
    kRxPackets = 1,
    kRxErrors = 2,
    kRxDrop = 3,
    kRxMulticast = 7,
    kTxBytes = 8,
    kTxPackets = 9,
    kTxErrors = 10,
    kTxDrop = 11,
    kColumns = 16,
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::shared_ptr<CInterface> ParseLine(std::string_view line) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) return nullptr;
    std::string_view name = line.substr(0, colon);
    while (!name.empty() && IsBlank(name.front())) name.remove_prefix(1);
    while (!name.empty() && IsBlank(name.back())) name.remove_suffix(1);
    if (name.empty() || name.find_first_of(" \t|") != std::string_view::npos) return nullptr;

    std::array<std::uint64_t, kColumns> values{};
    std::size_t count = 0;
    const char* p = line.data() + colon + 1;
    const char* end = line.data() + line.size();
    while (true) {
        while (p < end && IsBlank(*p)) ++p;
        if (p == end) break;
        if (count == kColumns) return nullptr;  // more columns than the layout has
        const auto [next, ec] = std::from_chars(p, end, values[count]);
        if (ec != std::errc{} || (next < end && !IsBlank(*next))) return nullptr;
        ++count;
        p = next;
    }
    if (count != kColumns) return nullptr;

    auto row = std::make_shared<CInterface>();
    row->SetInterfaceName(std::string(name));
    row->SetOctetsReceived(values[kRxBytes]);
    const std::uint64_t multicast = values[kRxMulticast];
    row->SetUnicastPacketsReceived(values[kRxPackets] > multicast ? values[kRxPackets] - multicast
                                                                  : 0);
    row->SetNonunicastPacketsReceived(multicast);
    row->SetDiscardedIncomingPackets(values[kRxDrop]);
    row->SetIncomingErrors(values[kRxErrors]);
    row->SetOctetsSent(values[kTxBytes]);
    row->SetUnicastPacketsSent(values[kTxPackets]);
    row->SetDiscardedOutgoingPackets(values[kTxDrop]);
    row->SetOutgoingErrors(values[kTxErrors]);
    return row;
}

}  // namespace

std::size_t ParseProcNetDev(std::string_view text, CInterfaces& rows) {
    // The header lines carry no colon, so they never parse as an interface.
    std::size_t added = 0;
    while (!text.empty()) {
        const auto eol = text.find('\n');
        const std::string_view line = text.substr(0, eol);
        text = eol == std::string_view::npos ? std::string_view{} : text.substr(eol + 1);
        if (auto row = ParseLine(line)) {
            rows.Add(row);
            ++added;
        }
    }
    return added;
}

}  // namespace quorvex::monitor
