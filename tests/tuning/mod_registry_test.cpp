#include "tuning/mod_registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tuning/memory_registry_backend.h"

namespace quorvex {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr Hive HKLM = Hive::LocalMachine;
const std::string kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";

class ModRegistryTest : public ::testing::Test {
  protected:
    const RegValue* value(const std::string& path, const std::string& name, Hive h = HKLM) {
        return backend.data().value(h, path, name);
    }
    MemoryRegistryBackend backend;
};

TEST_F(ModRegistryTest, SetValueOnAMissingKeyWritesNothing) {
    EXPECT_FALSE(modRegistry::SetValue(backend, HKLM, kMstcp, "SackOpts", 1, kRegSz));
    EXPECT_TRUE(backend.data().empty());
    EXPECT_EQ(backend.openHandles(), 0u);
}

TEST_F(ModRegistryTest, CreateKeyMakesParentsAndKeepsExistingValues) {
    modRegistry::CreateKey(backend, kMstcp, HKLM);
    EXPECT_TRUE(backend.data().hasKey(HKLM, "System\\CurrentControlSet"));
    ASSERT_TRUE(modRegistry::SetValue(backend, HKLM, kMstcp, "SackOpts", 1, kRegSz));
    modRegistry::CreateKey(backend, kMstcp, HKLM);
    ASSERT_NE(value(kMstcp, "SackOpts"), nullptr);
    EXPECT_EQ(backend.openHandles(), 0u);
}

struct EncodeCase {
    const char* name;
    std::uint32_t type;
    RegData data;
    Bytes expected;
    friend void PrintTo(const EncodeCase& c, std::ostream* os) { *os << c.name; }
};

class WriteValueEncoding : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(WriteValueEncoding, StoresTheExpectedBytes) {
    const auto& c = GetParam();
    MemoryRegistryBackend backend;
    modRegistry::CreateKey(backend, "K", HKLM);
    ASSERT_TRUE(modRegistry::SetValue(backend, HKLM, "K", "v", c.data, c.type));
    const RegValue* v = backend.data().value(HKLM, "K", "v");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->type, c.type);
    EXPECT_EQ(v->data, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, WriteValueEncoding,
    ::testing::Values(EncodeCase{"SzRwinEightBytes", kRegSz, std::int32_t{2337720},
                                 Bytes{'2', '3', '3', '7', '7', '2', '0', 0}},
                      EncodeCase{"SzNegative", kRegSz, std::int32_t{-5}, Bytes{'-', '5', 0}},
                      EncodeCase{"SzText", kRegSz, std::string("10"), Bytes{'1', '0', 0}},
                      EncodeCase{"SzEmptyText", kRegSz, std::string(), Bytes{0}},
                      EncodeCase{"DwordFromText", kRegDword, std::string("20"), Bytes{20, 0, 0, 0}},
                      EncodeCase{"DwordFromNumber", kRegDword, std::int32_t{16384},
                                 Bytes{0, 0x40, 0, 0}},
                      EncodeCase{"DwordNegativeText", kRegDword, std::string("-1"),
                                 Bytes{0xff, 0xff, 0xff, 0xff}},
                      EncodeCase{"DwordMax", kRegDword, std::string("2147483647"),
                                 Bytes{0xff, 0xff, 0xff, 0x7f}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModRegistryTest, DwordTextThatIsNoNumberFailsBeforeWriting) {
    modRegistry::CreateKey(backend, "K", HKLM);
    for (const char* text :
         {"", "abc", "20 ", " 20", "+20", "2147483648", "-2147483649", "1e3", "0x10", "12abc"}) {
        EXPECT_FALSE(modRegistry::SetValue(backend, HKLM, "K", "v", std::string(text), kRegDword))
            << text;
        RegKey key = 0;
        ASSERT_EQ(backend.openKey(HKLM, "K", key), kRegOk);
        EXPECT_EQ(modRegistry::WriteValue(backend, key, "v", kRegDword, std::string(text)),
                  kRegInvalidData);
        backend.closeKey(key);
    }
    EXPECT_EQ(value("K", "v"), nullptr);
}

TEST_F(ModRegistryTest, OtherTypesWriteNothingAndReturnZero) {
    modRegistry::CreateKey(backend, "K", HKLM);
    RegKey key = 0;
    ASSERT_EQ(backend.openKey(HKLM, "K", key), kRegOk);
    for (std::uint32_t type : {0u, 2u, 3u, 7u, 11u})
        EXPECT_EQ(modRegistry::WriteValue(backend, key, "v", type, std::int32_t{1}), kRegOk);
    backend.closeKey(key);
    EXPECT_FALSE(modRegistry::SetValue(backend, HKLM, "K", "v", std::int32_t{1}, 3));
    EXPECT_EQ(value("K", "v"), nullptr);
}

TEST_F(ModRegistryTest, PathsAndNamesIgnoreCaseAndKeepFirstSpelling) {
    modRegistry::CreateKey(backend, "System\\CurrentControlSet\\Services\\VXD\\MSTCP", HKLM);
    modRegistry::SetValue(backend, HKLM, "System\\CurrentControlSet\\Services\\VXD\\MSTCP",
                          "Tcp1323Opts", 1, kRegSz);
    modRegistry::CreateKey(backend, kMstcp, HKLM);
    modRegistry::SetValue(backend, HKLM, kMstcp, "SackOpts", 1, kRegSz);
    modRegistry::SetValue(backend, HKLM, kMstcp, "SACKOPTS", 0, kRegSz);
    const std::optional<RegKeyData> key = backend.data().key(HKLM, kMstcp);
    ASSERT_TRUE(key.has_value());
    EXPECT_EQ(key->path, "System\\CurrentControlSet\\Services\\VXD\\MSTCP");
    ASSERT_EQ(key->values.size(), 2u);
    EXPECT_EQ(key->values[1].name, "SackOpts");
    EXPECT_EQ(key->values[1].data, (Bytes{'0', 0}));
}

TEST_F(ModRegistryTest, DefaultIsAnOrdinaryNameBesideTheUnnamedValue) {
    modRegistry::CreateKey(backend, "K", HKLM);
    ASSERT_TRUE(modRegistry::SetValue(backend, HKLM, "K", "", std::string("unnamed"), kRegSz));
    ASSERT_TRUE(modRegistry::SetValue(backend, HKLM, "K", "(Default)", 1492, kRegSz));
    ASSERT_NE(value("K", ""), nullptr);
    ASSERT_NE(value("K", "(Default)"), nullptr);
    EXPECT_EQ(value("K", "")->data, (Bytes{'u', 'n', 'n', 'a', 'm', 'e', 'd', 0}));
    EXPECT_EQ(value("K", "(Default)")->data, (Bytes{'1', '4', '9', '2', 0}));
}

TEST_F(ModRegistryTest, RefusedWritesReportFailureAndCloseTheHandle) {
    modRegistry::CreateKey(backend, "K", Hive::CurrentUser);
    backend.refuseWrites(Hive::CurrentUser);
    EXPECT_FALSE(modRegistry::SetValue(backend, Hive::CurrentUser, "K", "v", 1, kRegDword));
    EXPECT_EQ(backend.openHandles(), 0u);
    modRegistry::CreateKey(backend, "Other", Hive::CurrentUser);
    EXPECT_FALSE(backend.data().hasKey(Hive::CurrentUser, "Other"));
}

}  // namespace
}  // namespace quorvex
