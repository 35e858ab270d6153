#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "monitor/interface_rows.h"

namespace quorvex::monitor {

// The interface table as the Windows IP Helper delivers it (little-endian, rows unpadded):
// a 4-byte row count, then the rows of kIfRowSize bytes each.
inline constexpr std::size_t kIfTableHeaderSize = 4;
inline constexpr std::size_t kIfRowSize = 860;

// Byte offsets inside one row.
namespace ifrow {
inline constexpr std::size_t kName = 0;  // 256 UTF-16 code units, NUL-padded
inline constexpr std::size_t kNameBytes = 512;
inline constexpr std::size_t kIndex = 512;
inline constexpr std::size_t kType = 516;
inline constexpr std::size_t kMtu = 520;
inline constexpr std::size_t kSpeed = 524;
inline constexpr std::size_t kPhysAddrLen = 528;
inline constexpr std::size_t kPhysAddr = 532;
inline constexpr std::size_t kPhysAddrBytes = 8;
inline constexpr std::size_t kAdminStatus = 540;
inline constexpr std::size_t kOperStatus = 544;
inline constexpr std::size_t kLastChange = 548;
inline constexpr std::size_t kInOctets = 552;
inline constexpr std::size_t kInUcastPkts = 556;
inline constexpr std::size_t kInNUcastPkts = 560;
inline constexpr std::size_t kInDiscards = 564;
inline constexpr std::size_t kInErrors = 568;
inline constexpr std::size_t kInUnknownProtos = 572;
inline constexpr std::size_t kOutOctets = 576;
inline constexpr std::size_t kOutUcastPkts = 580;
inline constexpr std::size_t kOutNUcastPkts = 584;
inline constexpr std::size_t kOutDiscards = 588;
inline constexpr std::size_t kOutErrors = 592;
inline constexpr std::size_t kOutQLen = 596;
inline constexpr std::size_t kDescrLen = 600;
inline constexpr std::size_t kDescr = 604;
inline constexpr std::size_t kDescrBytes = 256;
}  // namespace ifrow

// Decodes one 860-byte row.
std::shared_ptr<CInterface> DecodeIfRow(std::span<const std::byte, kIfRowSize> row);

// Appends every row of `table` to `rows` and returns how many. The row count the table claims is
// capped so that every row read lies inside the buffer.
std::size_t DecodeIfTable(std::span<const std::byte> table, CInterfaces& rows);

// "00-C-29-AB-1-FF": each of the first `length` bytes (at most the bytes given) in upper-case
// hexadecimal without a leading zero, zero as "00", joined by "-". Length 0 gives "".
std::string FormatAdapterAddress(std::span<const std::uint8_t> bytes, std::uint32_t length);

// The last-change count taken as a number of days since 30 December 1899; 0 when that date lies
// outside the years 100 to 9999.
double LastChangeToDate(std::uint32_t count);

// UTF-16 code units (little-endian byte pairs) up to the first NUL, as UTF-8; a lone surrogate
// becomes U+FFFD.
std::string Utf16LeToUtf8(std::span<const std::byte> bytes);

// Single-byte text (Windows-1252, the usual system code page for it) as UTF-8.
std::string CodePage1252ToUtf8(std::span<const std::byte> bytes);

}  // namespace quorvex::monitor
