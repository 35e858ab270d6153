#include "monitor/win32_interface_table_source.h"

// The 64-bit table of iphlpapi.h needs the socket and IP definitions first, in this order.
#include <winsock2.h>
// After winsock2.h.
#include <windows.h>
// After windows.h.
#include <ws2ipdef.h>
// After ws2ipdef.h.
#include <iphlpapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <vector>

#include "interface_tables.h"
#include "monitor/if_table_decoder.h"
#include "monitor/interface_counting.h"
#include "monitor/interface_snapshot.h"
#include "monitor_fakes.h"

namespace quorvex {
namespace {

using monitor::kIfRowSize;
using monitor::kIfTableHeaderSize;

std::uint32_t u32At(const std::vector<std::byte>& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

// The real GetIfTable, keeping a copy of the last table it filled, so the decoded snapshot can
// be compared with exactly the bytes it came from (the counters move between two calls).
class KeepingSource : public Win32IfTableSource {
  public:
    std::uint32_t GetTable(std::span<std::byte> buffer, std::uint32_t& size) override {
        const std::uint32_t result = Win32IfTableSource::GetTable(buffer, size);
        ++calls;
        if (!buffer.empty() && result == kNoError)
            last.assign(buffer.begin(),
                        buffer.begin() + std::min<std::size_t>(size, buffer.size()));
        return result;
    }
    std::uint32_t rowCount() const { return u32At(last, 0); }
    std::uint32_t field(std::uint32_t row, std::size_t offset) const {
        return u32At(last, kIfTableHeaderSize + row * kIfRowSize + offset);
    }

    std::vector<std::byte> last;
    int calls = 0;
};

TEST(Win32IfTableSourceTest, TheSizeQueryAsksForMoreThenTheTableArrivesInRowsOf860Bytes) {
    Win32IfTableSource source;
    std::uint32_t size = 0;
    ASSERT_EQ(source.GetTable({}, size), RawInterfaceTableSource::kInsufficientBuffer);
    ASSERT_GE(size, kIfTableHeaderSize + kIfRowSize);

    // Room for a few more rows, should an interface appear between the two calls.
    std::vector<std::byte> buffer(size + 4 * kIfRowSize);
    std::uint32_t filled = static_cast<std::uint32_t>(buffer.size());
    ASSERT_EQ(source.GetTable(buffer, filled), RawInterfaceTableSource::kNoError);
    const std::uint32_t rows = u32At(buffer, 0);
    ASSERT_GE(rows, 1u);
    EXPECT_GE(filled, kIfTableHeaderSize + rows * kIfRowSize);
    EXPECT_LE(kIfTableHeaderSize + rows * kIfRowSize, buffer.size());

    // Each row is one MIB_IFROW: its index sits 512 bytes in, after the 256-character name.
    for (std::uint32_t i = 0; i < rows; ++i) {
        const auto* row =
            reinterpret_cast<const MIB_IFROW*>(buffer.data() + kIfTableHeaderSize + i * kIfRowSize);
        EXPECT_EQ(u32At(buffer, kIfTableHeaderSize + i * kIfRowSize + monitor::ifrow::kIndex),
                  row->dwIndex);
        EXPECT_LE(row->dwPhysAddrLen, MAXLEN_PHYSADDR);
        EXPECT_LE(row->dwDescrLen, MAXLEN_IFDESCR);
    }
}

TEST(Win32IfTableSourceTest, ATooSmallBufferIsReportedAndNotOverrun) {
    Win32IfTableSource source;
    std::uint32_t size = 0;
    ASSERT_EQ(source.GetTable({}, size), RawInterfaceTableSource::kInsufficientBuffer);
    // The caller claims more room than it hands over: only the real buffer is offered.
    std::vector<std::byte> buffer(kIfTableHeaderSize + 8, std::byte{0x5A});
    std::uint32_t claimed = size + 1000;
    EXPECT_EQ(source.GetTable(std::span(buffer).first(kIfTableHeaderSize), claimed),
              RawInterfaceTableSource::kInsufficientBuffer);
    EXPECT_GE(claimed, kIfTableHeaderSize + kIfRowSize);
    for (std::size_t i = kIfTableHeaderSize; i < buffer.size(); ++i)
        EXPECT_EQ(buffer[i], std::byte{0x5A}) << i;
}

TEST(Win32IfTableSourceTest, TheSnapshotHoldsEveryRowWithTheLoopbackAndItsSums) {
    KeepingSource source;
    monitor_testing::FakePrompts prompts;
    CIpHelper helper(source, prompts);
    const auto rows = helper.Interfaces();
    ASSERT_NE(rows, nullptr);
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(source.calls, 2);
    ASSERT_GE(source.rowCount(), 1u);
    ASSERT_EQ(static_cast<std::uint32_t>(rows->Count()), source.rowCount());

    std::uint64_t received = 0, sent = 0;
    bool loopback = false;
    for (std::uint32_t i = 0; i < source.rowCount(); ++i) {
        const auto row = rows->Item(static_cast<std::int32_t>(i + 1));
        ASSERT_NE(row, nullptr);
        SCOPED_TRACE(row->InterfaceDescription());
        EXPECT_EQ(static_cast<std::uint32_t>(row->InterfaceIndex()),
                  source.field(i, monitor::ifrow::kIndex));
        EXPECT_EQ(row->OctetsReceived(), source.field(i, monitor::ifrow::kInOctets));
        EXPECT_EQ(row->OctetsSent(), source.field(i, monitor::ifrow::kOutOctets));
        received += source.field(i, monitor::ifrow::kInOctets);
        sent += source.field(i, monitor::ifrow::kOutOctets);
        loopback = loopback || row->InterfaceType() == MIB_IF_TYPE_LOOPBACK;
    }
    EXPECT_TRUE(loopback);
    EXPECT_EQ(helper.BytesReceived(), received);
    EXPECT_EQ(helper.BytesSent(), sent);
}

// A GetIfTable2 of the test's making: it hands out a table of `rows` allocated as the system
// would (one block, freed by FreeMibTable), or fails with `result`.
struct FakeTable2 {
    static inline std::vector<MIB_IF_ROW2> rows;
    static inline unsigned long result = NO_ERROR;
    static inline int gets = 0;
    static inline int frees = 0;
    static inline void* handedOut = nullptr;

    static void reset(std::vector<MIB_IF_ROW2> table, unsigned long outcome = NO_ERROR) {
        rows = std::move(table);
        result = outcome;
        gets = frees = 0;
        handedOut = nullptr;
    }
    static unsigned long __stdcall get(MIB_IF_TABLE2** table) {
        ++gets;
        *table = nullptr;
        if (result != NO_ERROR) return result;
        const std::size_t bytes =
            offsetof(MIB_IF_TABLE2, Table) + (rows.size() + 1) * sizeof(MIB_IF_ROW2);
        auto* made = static_cast<MIB_IF_TABLE2*>(std::calloc(1, bytes));
        made->NumEntries = static_cast<ULONG>(rows.size());
        std::copy(rows.begin(), rows.end(), made->Table);
        handedOut = made;
        *table = made;
        return NO_ERROR;
    }
    static void __stdcall free(void* memory) {
        ++frees;
        EXPECT_EQ(memory, handedOut);
        std::free(memory);
    }
    static IfTable2Functions functions() { return {&FakeTable2::get, &FakeTable2::free}; }
};

MIB_IF_ROW2 Row2(ULONG index, ULONG64 received, ULONG64 sent) {
    MIB_IF_ROW2 row{};
    row.InterfaceIndex = index;
    row.InOctets = received;
    row.OutOctets = sent;
    return row;
}

// The classic table stand-in: counts the reads that fell back to it.
class CountingFallback : public InterfaceTableSource {
  public:
    explicit CountingFallback(int* reads) : reads_(reads) {}
    TableResult ReadTable(CInterfaces& rows) override {
        ++*reads_;
        auto row = std::make_shared<CInterface>();
        row->SetInterfaceName("classic");
        rows.Add(row);
        return TableResult::Ok;
    }

  private:
    int* reads_;
};

TEST(Win32InterfaceTableSourceTest, CountersPastFourGigabytesArriveWholeAndTheTableIsFreedOnce) {
    // 5 GB received: GetIfTable would have wrapped it to 705 032 704.
    FakeTable2::reset({Row2(7, 5'000'000'000ull, 300), Row2(1, 100, 0xFFFFFFFFull + 2)});
    int fallbackReads = 0;
    Win32InterfaceTableSource source(FakeTable2::functions(),
                                     std::make_unique<CountingFallback>(&fallbackReads));
    monitor_testing::FakePrompts prompts;
    CIpHelper helper(source, prompts);
    const auto rows = helper.Interfaces();
    ASSERT_EQ(rows->Count(), 2);
    EXPECT_TRUE(source.usedTable2());
    EXPECT_EQ(rows->Item(1)->InterfaceIndex(), 7);
    EXPECT_EQ(rows->Item(1)->OctetsReceived(), 5'000'000'000ull);
    EXPECT_EQ(rows->Item(2)->OctetsSent(), 0xFFFFFFFFull + 2);
    EXPECT_EQ(helper.BytesReceived(), 5'000'000'100ull);
    EXPECT_EQ(helper.BytesSent(), 0xFFFFFFFFull + 302);
    EXPECT_EQ(FakeTable2::gets, 1);
    EXPECT_EQ(FakeTable2::frees, 1);
    EXPECT_EQ(fallbackReads, 0);
    EXPECT_TRUE(prompts.shown.empty());

    // An empty table is a snapshot too, not a reason to fall back.
    FakeTable2::reset({});
    CInterfaces none;
    EXPECT_EQ(source.ReadTable(none), TableResult::Ok);
    EXPECT_EQ(none.Count(), 0);
    EXPECT_EQ(FakeTable2::frees, 1);
    EXPECT_EQ(fallbackReads, 0);
}

TEST(Win32InterfaceTableSourceTest, TheClassicTableServesOnlyWhereTheSystemLacksTheNewOne) {
    struct Case {
        const char* what;
        IfTable2Functions functions;
        unsigned long result;
        TableResult expected;
        int fallbackReads;
    };
    const Case cases[] = {
        {"no GetIfTable2 at all", {}, NO_ERROR, TableResult::Ok, 1},
        {"GetIfTable2 without FreeMibTable",
         {&FakeTable2::get, nullptr},
         NO_ERROR,
         TableResult::Ok,
         1},
        {"GetIfTable2 not supported", FakeTable2::functions(), ERROR_NOT_SUPPORTED, TableResult::Ok,
         1},
        // A passing failure is silent, like the classic table's; the next second tries again.
        {"GetIfTable2 fails this once", FakeTable2::functions(), ERROR_NOT_ENOUGH_MEMORY,
         TableResult::Failed, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTable2::reset({Row2(3, 1, 2)}, c.result);
        int fallbackReads = 0;
        Win32InterfaceTableSource source(c.functions,
                                         std::make_unique<CountingFallback>(&fallbackReads));
        CInterfaces rows;
        EXPECT_EQ(source.ReadTable(rows), c.expected);
        EXPECT_EQ(fallbackReads, c.fallbackReads);
        EXPECT_FALSE(source.usedTable2());
        EXPECT_EQ(rows.Count(), c.fallbackReads);
        EXPECT_EQ(FakeTable2::frees, 0);
    }
    // No table of either kind: the system has no interface table service.
    Win32InterfaceTableSource bare({}, nullptr);
    CInterfaces rows;
    EXPECT_EQ(bare.ReadTable(rows), TableResult::NotSupported);
}

TEST(Win32InterfaceTableSourceTest, ANewRowReadsLikeAClassicOne) {
    MIB_IF_ROW2 row = Row2(12, 0, 0);
    const std::wstring alias = L"Ethernet \u00e9";
    const std::wstring description = L"Intel(R) PRO/1000 \U0001F310";
    std::copy(alias.begin(), alias.end(), row.Alias);
    std::copy(description.begin(), description.end(), row.Description);
    row.Type = IF_TYPE_ETHERNET_CSMACD;
    row.Mtu = 1500;
    row.PhysicalAddressLength = 6;
    const UCHAR address[] = {0x00, 0x0C, 0x29, 0xAB, 0x01, 0xFF};
    std::copy(std::begin(address), std::end(address), row.PhysicalAddress);
    row.AdminStatus = NET_IF_ADMIN_STATUS_UP;
    row.OperStatus = IfOperStatusUp;
    row.InUcastPkts = 10;
    row.InNUcastPkts = 11;
    row.InDiscards = 12;
    row.InErrors = 13;
    row.InUnknownProtos = 14;
    row.OutUcastPkts = 20;
    row.OutNUcastPkts = 21;
    row.OutDiscards = 22;
    row.OutErrors = 23;
    row.OutQLen = 24;

    const auto item = monitor::DecodeIfRow2(row);
    EXPECT_EQ(item->InterfaceName(), "Ethernet \xC3\xA9");
    EXPECT_EQ(item->InterfaceDescription(), "Intel(R) PRO/1000 \xF0\x9F\x8C\x90");
    EXPECT_EQ(item->InterfaceIndex(), 12);
    EXPECT_EQ(item->InterfaceType(), 6);
    EXPECT_EQ(item->MaximumTransmissionUnit(), 1500);
    EXPECT_EQ(item->AdapterAddress(), "00-C-29-AB-1-FF");
    EXPECT_EQ(item->AdminStatus(), 1);
    EXPECT_EQ(item->OperationalStatus(), 1);
    EXPECT_EQ(item->LastChange(), 0.0);
    EXPECT_EQ(item->UnicastPacketsReceived(), 10u);
    EXPECT_EQ(item->NonunicastPacketsReceived(), 11u);
    EXPECT_EQ(item->DiscardedIncomingPackets(), 12u);
    EXPECT_EQ(item->IncomingErrors(), 13u);
    EXPECT_EQ(item->UnknownProtocolPackets(), 14u);
    EXPECT_EQ(item->UnicastPacketsSent(), 20u);
    EXPECT_EQ(item->NonunicastPacketsSent(), 21u);
    EXPECT_EQ(item->DiscardedOutgoingPackets(), 22u);
    EXPECT_EQ(item->OutgoingErrors(), 23u);
    EXPECT_EQ(item->OutputQueueLength(), 24u);

    // The link speed in the classic table's signed 32 bits; "unknown" is no speed.
    const struct {
        ULONG64 bitsPerSecond;
        std::int32_t speed;
    } speeds[] = {{0, 0},
                  {100'000'000, 100'000'000},
                  {0x7FFFFFFF, 0x7FFFFFFF},
                  {10'000'000'000ull, 0x7FFFFFFF},
                  {~0ull, 0}};
    for (const auto& s : speeds) {
        row.ReceiveLinkSpeed = s.bitsPerSecond;
        EXPECT_EQ(monitor::DecodeIfRow2(row)->Speed(), s.speed) << s.bitsPerSecond;
    }
    // Only the classic table's eight address bytes are read, whatever length the row gives.
    row.PhysicalAddressLength = 20;
    std::fill(std::begin(row.PhysicalAddress), std::end(row.PhysicalAddress), UCHAR{0x0A});
    EXPECT_EQ(monitor::DecodeIfRow2(row)->AdapterAddress(), "A-A-A-A-A-A-A-A");
    row.PhysicalAddressLength = 0;
    EXPECT_EQ(monitor::DecodeIfRow2(row)->AdapterAddress(), "");
}

TEST(Win32InterfaceTableSourceTest, TheRowsFlagsAndTunnelTypeBecomeItsLinkFacts) {
    struct Case {
        const char* what;
        void (*set)(MIB_IF_ROW2&);
        LinkFacts facts;
    };
    const Case cases[] = {
        {"no flags", [](MIB_IF_ROW2&) {}, {}},
        {"hardware",
         [](MIB_IF_ROW2& r) { r.InterfaceAndOperStatusFlags.HardwareInterface = 1; },
         {.hardware = true}},
        {"filter",
         [](MIB_IF_ROW2& r) { r.InterfaceAndOperStatusFlags.FilterInterface = 1; },
         {.filter = true}},
        {"connector",
         [](MIB_IF_ROW2& r) { r.InterfaceAndOperStatusFlags.ConnectorPresent = 1; },
         {.connectorPresent = true}},
        {"endpoint",
         [](MIB_IF_ROW2& r) { r.InterfaceAndOperStatusFlags.EndPointInterface = 1; },
         {.endpoint = true}},
        {"Teredo", [](MIB_IF_ROW2& r) { r.TunnelType = TUNNEL_TYPE_TEREDO; }, {.tunnelType = 14}},
        // The operational flags in the same byte are no facts of the link.
        {"not connected, paused, low power",
         [](MIB_IF_ROW2& r) {
             r.InterfaceAndOperStatusFlags.NotMediaConnected = 1;
             r.InterfaceAndOperStatusFlags.Paused = 1;
             r.InterfaceAndOperStatusFlags.LowPower = 1;
             r.InterfaceAndOperStatusFlags.NotAuthenticated = 1;
         },
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MIB_IF_ROW2 row = Row2(4, 1, 2);
        c.set(row);
        const auto facts = monitor::DecodeIfRow2(row)->linkFacts();
        ASSERT_TRUE(facts.has_value());
        EXPECT_EQ(facts->hardware, c.facts.hardware);
        EXPECT_EQ(facts->filter, c.facts.filter);
        EXPECT_EQ(facts->connectorPresent, c.facts.connectorPresent);
        EXPECT_EQ(facts->endpoint, c.facts.endpoint);
        EXPECT_EQ(facts->tunnelType, c.facts.tunnelType);
    }
}

// The modelled table as GetIfTable2 would hand it out.
std::vector<MIB_IF_ROW2> Rows2(const monitor_testing::Table& table) {
    std::vector<MIB_IF_ROW2> rows;
    for (const auto& r : table) {
        MIB_IF_ROW2 row = Row2(static_cast<ULONG>(rows.size() + 1), r.received, r.sent);
        const std::wstring alias(r.name.begin(), r.name.end());
        std::copy(alias.begin(), alias.end(), row.Alias);
        row.Type = static_cast<IFTYPE>(r.type);
        row.OperStatus = static_cast<IF_OPER_STATUS>(r.operStatus);
        auto& flags = row.InterfaceAndOperStatusFlags;
        flags.HardwareInterface = r.facts->hardware;
        flags.FilterInterface = r.facts->filter;
        flags.ConnectorPresent = r.facts->connectorPresent;
        flags.EndPointInterface = r.facts->endpoint;
        row.TunnelType = static_cast<TUNNEL_TYPE>(r.facts->tunnelType);
        rows.push_back(row);
    }
    return rows;
}

TEST(Win32InterfaceTableSourceTest, AWindows11TableSumsItsAdaptersOnceAndKeepsEveryRow) {
    const monitor_testing::Table table = monitor_testing::Windows11Pc();
    FakeTable2::reset(Rows2(table));
    Win32InterfaceTableSource source(FakeTable2::functions(), nullptr);
    monitor_testing::FakePrompts prompts;
    CIpHelper helper(source, prompts);
    const auto rows = helper.Interfaces();
    ASSERT_EQ(rows->Count(), static_cast<std::int32_t>(table.size()));
    EXPECT_EQ(rows->Item(2)->InterfaceName(),
              "Ethernet-WFP Native MAC Layer LightWeight Filter-0000");
    // The Ethernet and the Wi-Fi adapter, each once: no filter, switch, tunnel or loopback row.
    const auto& ethernet = table[0];
    const auto& wifi = table[4];
    ASSERT_EQ(wifi.name, "Wi-Fi");
    EXPECT_EQ(helper.BytesReceived(), ethernet.received + wifi.received);
    EXPECT_EQ(helper.BytesSent(), ethernet.sent + wifi.sent);
}

TEST(Win32InterfaceTableSourceTest, TheSystemSourceReadsTheNewTableWithEveryClassicInterface) {
    const auto source = MakeSystemInterfaceTableSource();
    auto* windows = dynamic_cast<Win32InterfaceTableSource*>(source.get());
    ASSERT_NE(windows, nullptr);
    ASSERT_TRUE(IfTable2Functions::FromSystem().available());
    CInterfaces rows;
    ASSERT_EQ(source->ReadTable(rows), TableResult::Ok);
    EXPECT_TRUE(windows->usedTable2());

    KeepingSource classic;
    CInterfaces classicRows;
    ASSERT_EQ(classic.ReadTable(classicRows), TableResult::Ok);
    std::set<std::int32_t> classicIndexes;
    for (std::int32_t i = 1; i <= classicRows.Count(); ++i)
        classicIndexes.insert(classicRows.Item(i)->InterfaceIndex());
    std::set<std::int32_t> indexes;
    bool loopback = false;
    for (std::int32_t i = 1; i <= rows.Count(); ++i) {
        indexes.insert(rows.Item(i)->InterfaceIndex());
        loopback = loopback || rows.Item(i)->InterfaceType() == IF_TYPE_SOFTWARE_LOOPBACK;
    }
    EXPECT_TRUE(loopback);
    // Every interface of the classic table is in the new one.
    for (const std::int32_t index : classicIndexes) EXPECT_EQ(indexes.count(index), 1u) << index;
}

}  // namespace
}  // namespace quorvex
