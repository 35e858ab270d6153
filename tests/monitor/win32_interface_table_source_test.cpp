#include "monitor/win32_interface_table_source.h"

#include <windows.h>
// After windows.h.
#include <iphlpapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "monitor/c_ip_helper.h"
#include "monitor/if_table_decoder.h"
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
class KeepingSource : public Win32InterfaceTableSource {
  public:
    std::uint32_t GetTable(std::span<std::byte> buffer, std::uint32_t& size) override {
        const std::uint32_t result = Win32InterfaceTableSource::GetTable(buffer, size);
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

TEST(Win32InterfaceTableSourceTest, TheSizeQueryAsksForMoreThenTheTableArrivesInRowsOf860Bytes) {
    Win32InterfaceTableSource source;
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

TEST(Win32InterfaceTableSourceTest, ATooSmallBufferIsReportedAndNotOverrun) {
    Win32InterfaceTableSource source;
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

TEST(Win32InterfaceTableSourceTest, TheSnapshotHoldsEveryRowWithTheLoopbackAndItsSums) {
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

TEST(Win32InterfaceTableSourceTest, TheSystemSourceIsTheIpHelpersTable) {
    const auto source = MakeSystemInterfaceTableSource();
    ASSERT_NE(dynamic_cast<Win32InterfaceTableSource*>(source.get()), nullptr);
    CInterfaces rows;
    EXPECT_EQ(source->ReadTable(rows), TableResult::Ok);
    EXPECT_GE(rows.Count(), 1);
}

}  // namespace
}  // namespace quorvex
