// One datagram of the kernel's link dump, as a broken or hostile kernel answer may be.
#include <cstddef>
#include <cstdint>
#include <span>

#include "monitor/netlink_link_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quorvex::CInterfaces rows;
    // The dump's sequence number is the one the first message carries, when there is one.
    std::uint32_t seq = 0;
    if (size >= 12)
        seq = data[8] | (data[9] << 8) | (data[10] << 16) | (std::uint32_t{data[11]} << 24);
    quorvex::monitor::ParseLinkDump(std::as_bytes(std::span(data, size)), seq, rows);
    return 0;
}
