#include "monitor/if_table_decoder.h"

#include <array>

namespace quorvex::monitor {

namespace {

std::uint32_t ReadU32(std::span<const std::byte> bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(bytes[offset]) |
           static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[offset + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

std::int32_t ReadI32(std::span<const std::byte> bytes, std::size_t offset) {
    return static_cast<std::int32_t>(ReadU32(bytes, offset));
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Windows-1252 0x80 ... 0x9F; 0 marks the five unassigned codes, kept as their C1 controls.
constexpr std::array<std::uint16_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::string Utf16LeToUtf8(std::span<const std::byte> bytes) {
    std::string out;
    const std::size_t units = bytes.size() / 2;
    auto unit = [&](std::size_t i) {
        return static_cast<std::uint16_t>(static_cast<unsigned>(bytes[2 * i]) |
                                          static_cast<unsigned>(bytes[2 * i + 1]) << 8);
    };
    for (std::size_t i = 0; i < units; ++i) {
        const std::uint16_t u = unit(i);
        if (u == 0) break;
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const std::uint16_t low = unit(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800u) << 10) + (low - 0xDC00u));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? 0xFFFDu : u);
    }
    return out;
}

std::string CodePage1252ToUtf8(std::span<const std::byte> bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::byte b : bytes) {
        const auto c = static_cast<std::uint8_t>(b);
        std::uint32_t cp = c;
        if (c >= 0x80 && c <= 0x9F && kCp1252High[c - 0x80] != 0) cp = kCp1252High[c - 0x80];
        AppendUtf8(out, cp);
    }
    return out;
}

std::string FormatAdapterAddress(std::span<const std::uint8_t> bytes, std::uint32_t length) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const std::size_t count = length < bytes.size() ? length : bytes.size();
    std::string out;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t b = bytes[i];
        if (b == 0) {
            out += "00";
        } else {
            if (b >= 0x10) out += kHex[b >> 4];
            out += kHex[b & 0x0F];
        }
        out += '-';
    }
    if (!out.empty()) out.pop_back();
    return out;
}

double LastChangeToDate(std::uint32_t count) {
    // The date-time type spans 1 January 100 (day -657434) to 31 December 9999 (day 2958465).
    constexpr std::uint32_t kLastDay = 2958465;
    return count <= kLastDay ? static_cast<double>(count) : 0.0;
}

std::shared_ptr<CInterface> DecodeIfRow(std::span<const std::byte, kIfRowSize> row) {
    using namespace ifrow;
    auto item = std::make_shared<CInterface>();
    item->SetInterfaceName(Utf16LeToUtf8(row.subspan(kName, kNameBytes)));
    item->SetInterfaceIndex(ReadI32(row, kIndex));
    item->SetInterfaceType(ReadI32(row, kType));
    item->SetMaximumTransmissionUnit(ReadI32(row, kMtu));
    item->SetSpeed(ReadI32(row, kSpeed));
    std::array<std::uint8_t, kPhysAddrBytes> address{};
    for (std::size_t i = 0; i < kPhysAddrBytes; ++i)
        address[i] = static_cast<std::uint8_t>(row[kPhysAddr + i]);
    item->SetAdapterAddress(FormatAdapterAddress(address, ReadU32(row, kPhysAddrLen)));
    item->SetAdminStatus(ReadI32(row, kAdminStatus));
    item->SetOperationalStatus(ReadI32(row, kOperStatus));
    item->SetLastChange(LastChangeToDate(ReadU32(row, kLastChange)));
    item->SetOctetsReceived(ReadU32(row, kInOctets));
    item->SetUnicastPacketsReceived(ReadU32(row, kInUcastPkts));
    item->SetNonunicastPacketsReceived(ReadU32(row, kInNUcastPkts));
    item->SetDiscardedIncomingPackets(ReadU32(row, kInDiscards));
    item->SetIncomingErrors(ReadU32(row, kInErrors));
    item->SetUnknownProtocolPackets(ReadU32(row, kInUnknownProtos));
    item->SetOctetsSent(ReadU32(row, kOutOctets));
    item->SetUnicastPacketsSent(ReadU32(row, kOutUcastPkts));
    item->SetNonunicastPacketsSent(ReadU32(row, kOutNUcastPkts));
    item->SetDiscardedOutgoingPackets(ReadU32(row, kOutDiscards));
    item->SetOutgoingErrors(ReadU32(row, kOutErrors));
    item->SetOutputQueueLength(ReadU32(row, kOutQLen));
    // A terminating NUL counted in the length stays part of the text.
    const std::uint32_t length = ReadU32(row, kDescrLen);
    const std::size_t descrLength = length < kDescrBytes ? length : kDescrBytes;
    item->SetInterfaceDescription(CodePage1252ToUtf8(row.subspan(kDescr, descrLength)));
    return item;
}

std::size_t DecodeIfTable(std::span<const std::byte> table, CInterfaces& rows) {
    if (table.size() < kIfTableHeaderSize) return 0;
    const std::size_t claimed = ReadU32(table, 0);
    const std::size_t fits = (table.size() - kIfTableHeaderSize) / kIfRowSize;
    const std::size_t count = claimed < fits ? claimed : fits;
    for (std::size_t i = 0; i < count; ++i) {
        auto row = table.subspan(kIfTableHeaderSize + i * kIfRowSize).first<kIfRowSize>();
        auto item = DecodeIfRow(row);
        rows.Add(item);
    }
    return count;
}

}  // namespace quorvex::monitor
