// The IP Helper's interface table: any count, any 860-byte rows.
#include <cstddef>
#include <cstdint>
#include <span>

#include "monitor/if_table_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = std::as_bytes(std::span(data, size));
    if (bytes.size() >= quorvex::monitor::kIfRowSize)
        quorvex::monitor::DecodeIfRow(bytes.first<quorvex::monitor::kIfRowSize>());
    quorvex::CInterfaces rows;
    quorvex::monitor::DecodeIfTable(bytes, rows);
    return 0;
}
