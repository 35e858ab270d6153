#include "monitor/if_table_decoder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "monitor/interface_snapshot.h"
#include "monitor_fakes.h"

namespace quorvex {
namespace {

using monitor::kIfRowSize;
namespace ifrow = monitor::ifrow;

// Builds interface tables byte by byte, as the IP Helper lays them out.
class TableBuilder {
  public:
    struct Row {
        std::u16string name = u"eth";
        std::uint32_t index = 1;
        std::uint32_t inOctets = 0;
        std::uint32_t outOctets = 0;
        std::vector<std::uint8_t> address;
        std::uint32_t addressLength = 0;
        std::string description;
        std::uint32_t descriptionLength = 0;
        std::uint32_t lastChange = 0;
        std::uint32_t speed = 0;
    };

    TableBuilder& add(const Row& r) {
        const std::size_t base = bytes_.size();
        bytes_.resize(base + kIfRowSize);
        for (std::size_t i = 0; i < r.name.size() && i < 256; ++i)
            put16(base + ifrow::kName + 2 * i, r.name[i]);
        put32(base + ifrow::kIndex, r.index);
        put32(base + ifrow::kType, 6);
        put32(base + ifrow::kMtu, 1500);
        put32(base + ifrow::kSpeed, r.speed);
        put32(base + ifrow::kPhysAddrLen, r.addressLength);
        for (std::size_t i = 0; i < r.address.size() && i < 8; ++i)
            bytes_[base + ifrow::kPhysAddr + i] = std::byte{r.address[i]};
        put32(base + ifrow::kAdminStatus, 1);
        put32(base + ifrow::kOperStatus, 5);
        put32(base + ifrow::kLastChange, r.lastChange);
        put32(base + ifrow::kInOctets, r.inOctets);
        put32(base + ifrow::kInUcastPkts, 11);
        put32(base + ifrow::kInErrors, 3);
        put32(base + ifrow::kOutOctets, r.outOctets);
        put32(base + ifrow::kOutQLen, 7);
        put32(base + ifrow::kDescrLen, r.descriptionLength);
        for (std::size_t i = 0; i < r.description.size() && i < 256; ++i)
            bytes_[base + ifrow::kDescr + i] = static_cast<std::byte>(r.description[i]);
        ++rows_;
        put32(0, rows_);
        return *this;
    }
    // Claims a row count other than the rows present.
    TableBuilder& claim(std::uint32_t rows) {
        put32(0, rows);
        return *this;
    }
    const std::vector<std::byte>& bytes() const { return bytes_; }

  private:
    void put16(std::size_t at, char16_t v) {
        bytes_[at] = std::byte(v & 0xFF);
        bytes_[at + 1] = std::byte(v >> 8);
    }
    void put32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes_[at + i] = std::byte((v >> (8 * i)) & 0xFF);
    }
    std::vector<std::byte> bytes_ = std::vector<std::byte>(4);
    std::uint32_t rows_ = 0;
};

// A raw source that hands over a prepared table, answering like GetIfTable.
class BufferSource : public RawInterfaceTableSource {
  public:
    std::uint32_t GetTable(std::span<std::byte> buffer, std::uint32_t& size) override {
        ++calls;
        if (sizeResult) return *sizeResult;
        if (buffer.empty() || size < table.size()) {
            size = static_cast<std::uint32_t>(table.size());
            return kInsufficientBuffer;
        }
        if (fillResult != kNoError) return fillResult;
        std::memcpy(buffer.data(), table.data(), table.size());
        return kNoError;
    }
    std::vector<std::byte> table;
    std::optional<std::uint32_t> sizeResult;
    std::uint32_t fillResult = kNoError;
    int calls = 0;
};

TEST(IfTableDecoder, AdapterAddressText) {
    const std::uint8_t vmware[] = {0x00, 0x0C, 0x29, 0xAB, 0x01, 0xFF};
    EXPECT_EQ(monitor::FormatAdapterAddress(vmware, 6), "00-C-29-AB-1-FF");
    const std::uint8_t short3[] = {0x00, 0x1A, 0x0B};
    EXPECT_EQ(monitor::FormatAdapterAddress(short3, 3), "00-1A-B");
    EXPECT_EQ(monitor::FormatAdapterAddress(short3, 0), "");
    EXPECT_EQ(monitor::FormatAdapterAddress(short3, 2), "00-1A");
    // A length beyond the bytes present uses only what is there.
    EXPECT_EQ(monitor::FormatAdapterAddress(short3, 1000), "00-1A-B");
}

TEST(IfTableDecoder, RowFieldsAndConversions) {
    TableBuilder table;
    TableBuilder::Row row;
    row.name = u"Ethernet \u00e9\u4e2d";
    row.name += u'\0';
    row.name += u"junk";
    row.index = 12;
    row.inOctets = 3'000'000'000u;  // above 2^31: taken as unsigned
    row.outOctets = 4321;
    row.address = {0x00, 0x1A, 0x0B, 0x44, 0, 0, 0, 9};
    row.addressLength = 3;
    row.description = std::string("Intel\x80 NIC", 10) + '\0';
    row.descriptionLength = 11;  // counts its NUL
    row.lastChange = 1;
    row.speed = 0xFFFFFFFFu;
    table.add(row);

    CInterfaces rows;
    ASSERT_EQ(monitor::DecodeIfTable(table.bytes(), rows), 1u);
    const auto item = rows.Item(1);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->InterfaceName(), "Ethernet \xc3\xa9\xe4\xb8\xad");
    EXPECT_EQ(item->InterfaceIndex(), 12);
    EXPECT_EQ(item->InterfaceType(), 6);
    EXPECT_EQ(item->MaximumTransmissionUnit(), 1500);
    EXPECT_EQ(item->Speed(), -1);  // codes stay as the platform's 32 bits, read as signed
    EXPECT_EQ(item->AdapterAddress(), "00-1A-B");
    EXPECT_EQ(item->AdminStatus(), 1);
    EXPECT_EQ(item->OperationalStatus(), 5);
    EXPECT_EQ(item->LastChange(), 1.0);
    EXPECT_EQ(item->OctetsReceived(), 3'000'000'000u);
    EXPECT_EQ(item->UnicastPacketsReceived(), 11u);
    EXPECT_EQ(item->IncomingErrors(), 3u);
    EXPECT_EQ(item->OctetsSent(), 4321u);
    EXPECT_EQ(item->OutputQueueLength(), 7u);
    EXPECT_EQ(item->InterfaceDescription(), std::string("Intel\xe2\x82\xac NIC", 12) + '\0');
}

TEST(IfTableDecoder, OutOfRangeValuesAreBounded) {
    TableBuilder table;
    TableBuilder::Row row;
    row.description = std::string(256, 'd');
    row.descriptionLength = 100000;  // capped at the field's 256 bytes
    row.lastChange = 2958466;        // past 31 December 9999
    table.add(row);
    CInterfaces rows;
    monitor::DecodeIfTable(table.bytes(), rows);
    ASSERT_EQ(rows.Count(), 1);
    EXPECT_EQ(rows.Item(1)->InterfaceDescription(), std::string(256, 'd'));
    EXPECT_EQ(rows.Item(1)->LastChange(), 0.0);
    EXPECT_EQ(monitor::LastChangeToDate(2958465), 2958465.0);
}

TEST(IfTableDecoder, NeverReadsPastTheBuffer) {
    TableBuilder two;
    two.add({}).add({});
    struct Case {
        std::uint32_t claimed;
        std::size_t bytes;
        std::size_t rows;
    };
    const Case cases[] = {
        {2, two.bytes().size(), 2},
        {5, two.bytes().size(), 2},  // claims more rows than it holds
        {0xFFFFFFFFu, two.bytes().size(), 2},
        {2, two.bytes().size() - 1, 1},  // the second row is cut short
        {1, two.bytes().size(), 1},      // fewer rows claimed than present
        {2, 3, 0},                       // not even a row count
        {0, 4, 0},
    };
    for (const auto& c : cases) {
        TableBuilder table = two;
        table.claim(c.claimed);
        CInterfaces rows;
        const std::span<const std::byte> buffer(table.bytes().data(), c.bytes);
        EXPECT_EQ(monitor::DecodeIfTable(buffer, rows), c.rows) << c.claimed << "/" << c.bytes;
        EXPECT_EQ(rows.Count(), static_cast<std::int32_t>(c.rows));
    }
}

TEST(IfTableDecoder, LoneSurrogatesBecomeReplacementCharacters) {
    const std::byte bytes[] = {std::byte{0x3D}, std::byte{0xD8}, std::byte{'A'},  std::byte{0},
                               std::byte{0x3D}, std::byte{0xD8}, std::byte{0x00}, std::byte{0xDE}};
    EXPECT_EQ(monitor::Utf16LeToUtf8(bytes),
              "\xef\xbf\xbd"
              "A\xf0\x9f\x98\x80");
}

TEST(CInterfaces, AddClearsTheCallersReferenceAndCountsFromOne) {
    CInterfaces list;
    auto first = std::make_shared<CInterface>();
    CInterface* raw = first.get();
    const auto returned = list.Add(first);
    EXPECT_EQ(returned.get(), raw);
    EXPECT_FALSE(first);
    auto second = std::make_shared<CInterface>();
    second->SetInterfaceIndex(2);
    list.Add(second);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Item(1).get(), raw);
    EXPECT_EQ(list.Item(2)->InterfaceIndex(), 2);
    EXPECT_FALSE(list.Item(0));
    EXPECT_FALSE(list.Item(3));
    EXPECT_FALSE(list.Item("1"));
    int seen = 0;
    for (const auto& entry : list) seen += entry ? 1 : 0;
    EXPECT_EQ(seen, 2);
    EXPECT_FALSE(list.Remove(3));
    EXPECT_TRUE(list.Remove(1));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Item(1)->InterfaceIndex(), 2);
}

class CIpHelperTest : public ::testing::Test {
  protected:
    BufferSource source;
    monitor_testing::FakePrompts prompts;
    CIpHelper helper{source, prompts};
};

TEST_F(CIpHelperTest, SumsEveryRowLoopbackIncluded) {
    TableBuilder table;
    TableBuilder::Row loopback;
    loopback.name = u"Loopback";
    loopback.inOctets = 100;
    loopback.outOctets = 100;
    TableBuilder::Row nic;
    nic.inOctets = 250;
    nic.outOctets = 5;
    table.add(loopback).add(nic);
    source.table = table.bytes();

    const auto list = helper.Interfaces();
    ASSERT_EQ(list->Count(), 2);
    EXPECT_EQ(helper.BytesReceived(), 350u);
    EXPECT_EQ(helper.BytesSent(), 105u);
    EXPECT_EQ(source.calls, 2);  // the size query, then the filling call
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(CIpHelperTest, LargeCountersNeverTurnTheSumsNegative) {
    TableBuilder table;
    TableBuilder::Row a;
    a.inOctets = 0x7FFFFFFFu;
    TableBuilder::Row b;
    b.inOctets = 0xFFFFFFFFu;
    table.add(a).add(b);
    source.table = table.bytes();
    helper.Interfaces();
    EXPECT_EQ(helper.BytesReceived(), 0x7FFFFFFFull + 0xFFFFFFFFull);
}

TEST_F(CIpHelperTest, EmptyTableHasNoFirstItem) {
    source.table = TableBuilder().bytes();
    const auto list = helper.Interfaces();
    EXPECT_EQ(list->Count(), 0);
    EXPECT_FALSE(list->Item(1));
    EXPECT_EQ(helper.BytesReceived(), 0u);
    EXPECT_EQ(helper.BytesSent(), 0u);
}

TEST_F(CIpHelperTest, EveryReadIsANewSnapshot) {
    TableBuilder::Row row;
    row.inOctets = 10;
    source.table = TableBuilder().add(row).bytes();
    const auto first = helper.Interfaces();
    const auto second = helper.Interfaces();
    EXPECT_NE(first, second);
    EXPECT_NE(first->Item(1), second->Item(1));
    EXPECT_EQ(first->Item(1)->OctetsReceived(), second->Item(1)->OctetsReceived());

    // Replacing the collection reads nothing and keeps the sums.
    const int calls = source.calls;
    helper.SetInterfaces(std::make_shared<CInterfaces>());
    EXPECT_EQ(source.calls, calls);
    EXPECT_EQ(helper.BytesReceived(), 10u);
}

TEST_F(CIpHelperTest, NoInterfaceTableServiceIsToldOnEveryAttempt) {
    source.sizeResult = RawInterfaceTableSource::kNotSupported;
    helper.Interfaces();
    const auto list = helper.Interfaces();
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[0].text, "IP Helper is not supported by this system.");
    EXPECT_EQ(prompts.shown[0].title, "Quorvex");
    EXPECT_EQ(prompts.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(source.calls, 2);  // the filling call is never made
}

TEST_F(CIpHelperTest, OtherFailuresAreSilentAndEmptyTheSnapshot) {
    TableBuilder::Row row;
    row.inOctets = 10;
    source.table = TableBuilder().add(row).bytes();
    helper.Interfaces();
    ASSERT_EQ(helper.BytesReceived(), 10u);

    source.fillResult = 31;  // the filling call fails
    EXPECT_EQ(helper.Interfaces()->Count(), 0);
    EXPECT_EQ(helper.BytesReceived(), 0u);

    source.fillResult = RawInterfaceTableSource::kNoError;
    source.table.clear();  // a size of 0
    EXPECT_EQ(helper.Interfaces()->Count(), 0);
    EXPECT_TRUE(prompts.shown.empty());
}

}  // namespace
}  // namespace quorvex
