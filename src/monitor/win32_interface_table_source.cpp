#include "monitor/win32_interface_table_source.h"

#include <windows.h>
// After windows.h.
#include <iphlpapi.h>

#include <memory>

#include "monitor/if_table_decoder.h"

namespace quorvex {

// The decoder reads the platform's own layout: a 4-byte count, then unpadded rows.
static_assert(sizeof(MIB_IFROW) == monitor::kIfRowSize);
static_assert(offsetof(MIB_IFTABLE, table) == monitor::kIfTableHeaderSize);
static_assert(offsetof(MIB_IFROW, dwInOctets) == monitor::ifrow::kInOctets);
static_assert(offsetof(MIB_IFROW, dwOutOctets) == monitor::ifrow::kOutOctets);
static_assert(offsetof(MIB_IFROW, bDescr) == monitor::ifrow::kDescr);
static_assert(RawInterfaceTableSource::kInsufficientBuffer == ERROR_INSUFFICIENT_BUFFER);
static_assert(RawInterfaceTableSource::kNotSupported == ERROR_NOT_SUPPORTED);

std::uint32_t Win32InterfaceTableSource::GetTable(std::span<std::byte> buffer,
                                                  std::uint32_t& size) {
    // The platform is told no more than the buffer really holds, whatever the caller claims.
    ULONG capacity = 0;
    if (!buffer.empty()) capacity = size < buffer.size() ? size : static_cast<ULONG>(buffer.size());
    auto* table = buffer.empty() ? nullptr : reinterpret_cast<PMIB_IFTABLE>(buffer.data());
    const DWORD result = GetIfTable(table, &capacity, FALSE);
    size = capacity;
    return result;
}

std::unique_ptr<InterfaceTableSource> MakeSystemInterfaceTableSource() {
    return std::make_unique<Win32InterfaceTableSource>();
}

}  // namespace quorvex
