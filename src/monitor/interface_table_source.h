#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "monitor/interface_rows.h"

namespace quorvex {

enum class TableResult {
    Ok,
    NotSupported,  // the system has no interface table at all: the caller tells the user
    Failed,        // this attempt failed; silent, the next attempt may succeed
};

// Where the interface table comes from. One implementation per platform, picked by
// MakeSystemInterfaceTableSource(); tests use their own.
class InterfaceTableSource {
  public:
    virtual ~InterfaceTableSource() = default;
    // Appends one new row per interface to `rows`, in the order the system gives, every
    // interface included (loopback and inactive ones too).
    virtual TableResult ReadTable(CInterfaces& rows) = 0;
};

// A source that delivers the table as the Windows IP Helper does: a count and fixed 860-byte rows
// in a caller buffer (see if_table_decoder.h). A platform only supplies GetTable; the size query,
// the buffer and the decoding are done here.
class RawInterfaceTableSource : public InterfaceTableSource {
  public:
    static constexpr std::uint32_t kNoError = 0;
    static constexpr std::uint32_t kNotSupported = 50;
    static constexpr std::uint32_t kInsufficientBuffer = 122;

    // Mirrors GetIfTable(buffer, &size, FALSE): with an empty buffer it reports in `size` the
    // bytes the table needs (usually returning kInsufficientBuffer); with a buffer of at least
    // `size` bytes it fills it and returns kNoError. kNotSupported: no interface table service.
    virtual std::uint32_t GetTable(std::span<std::byte> buffer, std::uint32_t& size) = 0;

    TableResult ReadTable(CInterfaces& rows) final;
};

// The source of the platform this program was built for (chosen by the build).
std::unique_ptr<InterfaceTableSource> MakeSystemInterfaceTableSource();

}  // namespace quorvex
