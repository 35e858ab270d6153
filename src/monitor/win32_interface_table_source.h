#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "monitor/interface_table_source.h"

// The IP Helper's own types, declared here so that only the .cpp needs the Windows headers.
struct _MIB_IF_ROW2;
struct _MIB_IF_TABLE2;

namespace quorvex {

// The classic interface table, straight from the IP Helper's GetIfTable (unsorted). Its counters
// are 32-bit and wrap every 34 s at 1 Gbit/s. The size query, the buffer and the decoding of
// the 860-byte rows are RawInterfaceTableSource's.
class Win32IfTableSource : public RawInterfaceTableSource {
  public:
    std::uint32_t GetTable(std::span<std::byte> buffer, std::uint32_t& size) override;
};

// GetIfTable2 and FreeMibTable, looked up at run time: systems before Vista lack them.
struct IfTable2Functions {
    using Get = unsigned long(__stdcall*)(_MIB_IF_TABLE2** table);
    using Free = void(__stdcall*)(void* memory);
    Get get = nullptr;
    Free free = nullptr;

    // The functions of the system's iphlpapi.dll; both null when it has no GetIfTable2.
    static IfTable2Functions FromSystem();
    bool available() const { return get != nullptr && free != nullptr; }
};

// The Windows interface table with 64-bit counters where the system offers GetIfTable2, so the
// meter never sees a counter wrap; otherwise (no GetIfTable2, or it says "not supported") the
// 32-bit GetIfTable of `fallback`.
class Win32InterfaceTableSource : public InterfaceTableSource {
  public:
    Win32InterfaceTableSource(IfTable2Functions functions,
                              std::unique_ptr<InterfaceTableSource> fallback);

    TableResult ReadTable(CInterfaces& rows) override;

    // Whether the last read came from the 64-bit table.
    bool usedTable2() const { return usedTable2_; }

  private:
    IfTable2Functions functions_;
    std::unique_ptr<InterfaceTableSource> fallback_;
    bool usedTable2_ = false;
};

namespace monitor {

// One MIB_IF_ROW2 as a row of the table: the alias is the name, the receive link speed (bits per
// second, capped at the largest signed 32-bit value; unknown is 0) the speed; the 64-bit counters
// are kept whole. The row has no last-change time, so LastChange stays 0. Its hardware, filter,
// connector and endpoint flags and its tunnel type become the row's LinkFacts.
std::shared_ptr<CInterface> DecodeIfRow2(const _MIB_IF_ROW2& row);

}  // namespace monitor

}  // namespace quorvex
