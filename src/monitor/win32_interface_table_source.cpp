#include "monitor/win32_interface_table_source.h"

// The 64-bit table of iphlpapi.h needs the socket and IP definitions first, in this order.
#include <winsock2.h>
// After winsock2.h.
#include <windows.h>
// After windows.h.
#include <ws2ipdef.h>
// After ws2ipdef.h.
#include <iphlpapi.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "monitor/if_table_decoder.h"
#include "monitor/interface_counting.h"

namespace quorvex {

// The decoder reads the platform's own layout: a 4-byte count, then unpadded rows.
static_assert(sizeof(MIB_IFROW) == monitor::kIfRowSize);
static_assert(offsetof(MIB_IFTABLE, table) == monitor::kIfTableHeaderSize);
static_assert(offsetof(MIB_IFROW, dwInOctets) == monitor::ifrow::kInOctets);
static_assert(offsetof(MIB_IFROW, dwOutOctets) == monitor::ifrow::kOutOctets);
static_assert(offsetof(MIB_IFROW, bDescr) == monitor::ifrow::kDescr);
static_assert(RawInterfaceTableSource::kInsufficientBuffer == ERROR_INSUFFICIENT_BUFFER);
static_assert(RawInterfaceTableSource::kNotSupported == ERROR_NOT_SUPPORTED);
static_assert(std::is_same_v<IfTable2Functions::Get, decltype(&GetIfTable2)>);
static_assert(std::is_same_v<IfTable2Functions::Free, decltype(&FreeMibTable)>);
// The codes the counting rule reads, as the platform defines them.
static_assert(monitor::kIfTypeSoftwareLoopback == IF_TYPE_SOFTWARE_LOOPBACK);
static_assert(monitor::kIfTypeTunnel == IF_TYPE_TUNNEL);
static_assert(monitor::kTunnelTypeNone == TUNNEL_TYPE_NONE);
static_assert(monitor::kIfTypePpp == IF_TYPE_PPP);
static_assert(monitor::kIfOperStatusUp == IfOperStatusUp);

std::uint32_t Win32IfTableSource::GetTable(std::span<std::byte> buffer, std::uint32_t& size) {
    // The platform is told no more than the buffer really holds, whatever the caller claims.
    ULONG capacity = 0;
    if (!buffer.empty()) capacity = size < buffer.size() ? size : static_cast<ULONG>(buffer.size());
    auto* table = buffer.empty() ? nullptr : reinterpret_cast<PMIB_IFTABLE>(buffer.data());
    const DWORD result = GetIfTable(table, &capacity, FALSE);
    size = capacity;
    return result;
}

IfTable2Functions IfTable2Functions::FromSystem() {
    // iphlpapi is linked, so the module is already loaded; nothing to release.
    const HMODULE module = GetModuleHandleW(L"iphlpapi.dll");
    if (module == nullptr) return {};
    IfTable2Functions functions;
    functions.get =
        reinterpret_cast<Get>(reinterpret_cast<void*>(GetProcAddress(module, "GetIfTable2")));
    functions.free =
        reinterpret_cast<Free>(reinterpret_cast<void*>(GetProcAddress(module, "FreeMibTable")));
    if (!functions.available()) return {};
    return functions;
}

Win32InterfaceTableSource::Win32InterfaceTableSource(IfTable2Functions functions,
                                                     std::unique_ptr<InterfaceTableSource> fallback)
    : functions_(functions), fallback_(std::move(fallback)) {}

TableResult Win32InterfaceTableSource::ReadTable(CInterfaces& rows) {
    usedTable2_ = false;
    if (functions_.available()) {
        MIB_IF_TABLE2* table = nullptr;
        const unsigned long result = functions_.get(&table);
        if (result == NO_ERROR && table != nullptr) {
            for (ULONG i = 0; i < table->NumEntries; ++i) {
                auto row = monitor::DecodeIfRow2(table->Table[i]);
                rows.Add(row);
            }
            functions_.free(table);
            usedTable2_ = true;
            return TableResult::Ok;
        }
        if (table != nullptr) functions_.free(table);
        if (result != ERROR_NOT_SUPPORTED) return TableResult::Failed;
    }
    if (!fallback_) return TableResult::NotSupported;
    return fallback_->ReadTable(rows);
}

namespace monitor {

namespace {

std::int32_t LinkSpeed(ULONG64 bitsPerSecond) {
    constexpr ULONG64 kUnknown = ~ULONG64{0};
    if (bitsPerSecond == kUnknown) return 0;
    return static_cast<std::int32_t>(std::min<ULONG64>(bitsPerSecond, 0x7FFFFFFF));
}

std::string WideText(const WCHAR* text, std::size_t capacity) {
    return Utf16LeToUtf8(std::as_bytes(std::span(text, capacity)));
}

LinkFacts ReadLinkFacts(const MIB_IF_ROW2& row) {
    const auto& flags = row.InterfaceAndOperStatusFlags;
    LinkFacts facts;
    facts.hardware = flags.HardwareInterface != 0;
    facts.filter = flags.FilterInterface != 0;
    facts.connectorPresent = flags.ConnectorPresent != 0;
    facts.endpoint = flags.EndPointInterface != 0;
    facts.tunnelType = static_cast<std::int32_t>(row.TunnelType);
    return facts;
}

}  // namespace

std::shared_ptr<CInterface> DecodeIfRow2(const MIB_IF_ROW2& row) {
    auto item = std::make_shared<CInterface>();
    item->SetInterfaceName(WideText(row.Alias, std::size(row.Alias)));
    item->SetInterfaceIndex(static_cast<std::int32_t>(row.InterfaceIndex));
    item->SetInterfaceType(static_cast<std::int32_t>(row.Type));
    item->SetMaximumTransmissionUnit(static_cast<std::int32_t>(row.Mtu));
    item->SetSpeed(LinkSpeed(row.ReceiveLinkSpeed));
    // The classic table's address field holds 8 bytes; the rule reads no more.
    const auto address = std::span<const std::uint8_t>(row.PhysicalAddress, ifrow::kPhysAddrBytes);
    item->SetAdapterAddress(FormatAdapterAddress(address, row.PhysicalAddressLength));
    item->SetAdminStatus(static_cast<std::int32_t>(row.AdminStatus));
    item->SetOperationalStatus(static_cast<std::int32_t>(row.OperStatus));
    item->SetOctetsReceived(row.InOctets);
    item->SetUnicastPacketsReceived(row.InUcastPkts);
    item->SetNonunicastPacketsReceived(row.InNUcastPkts);
    item->SetDiscardedIncomingPackets(row.InDiscards);
    item->SetIncomingErrors(row.InErrors);
    item->SetUnknownProtocolPackets(row.InUnknownProtos);
    item->SetOctetsSent(row.OutOctets);
    item->SetUnicastPacketsSent(row.OutUcastPkts);
    item->SetNonunicastPacketsSent(row.OutNUcastPkts);
    item->SetDiscardedOutgoingPackets(row.OutDiscards);
    item->SetOutgoingErrors(row.OutErrors);
    item->SetOutputQueueLength(row.OutQLen);
    item->SetInterfaceDescription(WideText(row.Description, std::size(row.Description)));
    item->setLinkFacts(ReadLinkFacts(row));
    return item;
}

}  // namespace monitor

std::unique_ptr<InterfaceTableSource> MakeSystemInterfaceTableSource() {
    return std::make_unique<Win32InterfaceTableSource>(IfTable2Functions::FromSystem(),
                                                       std::make_unique<Win32IfTableSource>());
}

}  // namespace quorvex
