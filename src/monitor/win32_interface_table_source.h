#pragma once

#include <cstdint>
#include <span>

#include "monitor/interface_table_source.h"

namespace quorvex {

// The Windows interface table, straight from the IP Helper's GetIfTable (unsorted). The size
// query, the buffer and the decoding of the 860-byte rows are RawInterfaceTableSource's.
class Win32InterfaceTableSource : public RawInterfaceTableSource {
  public:
    std::uint32_t GetTable(std::span<std::byte> buffer, std::uint32_t& size) override;
};

}  // namespace quorvex
