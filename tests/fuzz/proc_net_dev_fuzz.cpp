// The text of /proc/net/dev, as any file a bind mount or a strange kernel puts there.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "monitor/proc_net_dev.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quorvex::CInterfaces rows;
    quorvex::monitor::ParseProcNetDev(std::string_view(reinterpret_cast<const char*>(data), size),
                                      rows);
    return 0;
}
