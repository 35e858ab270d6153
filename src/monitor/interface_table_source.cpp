#include "monitor/interface_table_source.h"

#include <vector>

#include "monitor/if_table_decoder.h"

namespace quorvex {

TableResult RawInterfaceTableSource::ReadTable(CInterfaces& rows) {
    std::uint32_t size = 0;
    if (GetTable({}, size) == kNotSupported) return TableResult::NotSupported;
    if (size == 0) return TableResult::Failed;
    std::vector<std::byte> buffer(size);
    std::uint32_t filled = size;
    if (GetTable(buffer, filled) != kNoError) return TableResult::Failed;
    // Never trust a reported size beyond the buffer actually handed over.
    const std::size_t used = filled < buffer.size() ? filled : buffer.size();
    monitor::DecodeIfTable(std::span<const std::byte>(buffer.data(), used), rows);
    return TableResult::Ok;
}

}  // namespace quorvex
