#include "undo/registry_values.h"

#include <gtest/gtest.h>

#include "support/command_fakes.h"
#include "undo/test_registries.h"

namespace quorvex::undo {
namespace {

using testing::TestRegistryKind;

const ValueAddress kValue{Hive::LocalMachine, "Software\\Quorvex Test\\Key", "Value"};
const ValueAddress kOtherSpelling{Hive::LocalMachine, "SOFTWARE\\quorvex test\\KEY", "VALUE"};

class RegistryValuesTest : public ::testing::TestWithParam<TestRegistryKind> {
  protected:
    quorvex::testing::TempDir temp;
    std::unique_ptr<quorvex::testing::TestRegistry> registry = GetParam().make(temp.path());
    RegistryBackend& backend = registry->backend();
};

TEST_P(RegistryValuesTest, ReadsAbsentKeysAndValuesAsAbsent) {
    std::optional<RegValue> value = RegValue{"x", 1, {1}};
    EXPECT_EQ(readValue(backend, kValue, value), kRegOk);
    EXPECT_FALSE(value.has_value());

    ASSERT_TRUE(putValueBack(backend, {kValue.hive, kValue.keyPath, "Other"},
                             RegValue{"Other", kRegDword, {1, 0, 0, 0}}));
    value = RegValue{"x", 1, {1}};
    EXPECT_EQ(readValue(backend, kValue, value), kRegOk);
    EXPECT_FALSE(value.has_value());
}

// (A REG_SZ without its terminating zero is no case here: the Windows functions add one.)
TEST_P(RegistryValuesTest, PutsBackAnyTypeExactlyAndReadsItUnderAnySpelling) {
    const RegValue cases[] = {
        {"Value", kRegSz, {'1', '5', '0', '0', 0}},
        {"Value", kRegDword, {0x78, 0x56, 0x34, 0x12}},
        {"Value", 3, {}},
        {"Value", 7, {'a', 0, 'b', 0, 0}},
    };
    for (const RegValue& written : cases) {
        ASSERT_TRUE(putValueBack(backend, kValue, written));
        std::optional<RegValue> read;
        ASSERT_EQ(readValue(backend, kOtherSpelling, read), kRegOk);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->type, written.type);
        EXPECT_EQ(read->data, written.data);
        const auto stored = registry->stored(kValue.hive, kValue.keyPath, kValue.valueName);
        ASSERT_TRUE(stored.has_value());
        EXPECT_EQ(stored->type, written.type);
        EXPECT_EQ(stored->data, written.data);
    }
}

TEST_P(RegistryValuesTest, PuttingBackAnAbsentValueDeletesItAndCreatesNoKey) {
    ASSERT_TRUE(putValueBack(backend, kValue, RegValue{"Value", kRegSz, {'1', 0}}));
    ASSERT_TRUE(putValueBack(backend, {kValue.hive, kValue.keyPath, "Kept"},
                             RegValue{"Kept", kRegSz, {'2', 0}}));

    EXPECT_TRUE(putValueBack(backend, kOtherSpelling, std::nullopt));
    EXPECT_FALSE(registry->stored(kValue.hive, kValue.keyPath, kValue.valueName).has_value());
    EXPECT_TRUE(registry->stored(kValue.hive, kValue.keyPath, "Kept").has_value());
    // Already absent, and absent under a key that does not exist: nothing to do.
    EXPECT_TRUE(putValueBack(backend, kValue, std::nullopt));
    const ValueAddress nowhere{Hive::CurrentUser, "Software\\Nowhere", "Value"};
    EXPECT_TRUE(putValueBack(backend, nowhere, std::nullopt));
    RegKey key = 0;
    EXPECT_EQ(backend.openKey(nowhere.hive, nowhere.keyPath, key), kRegNotFound);
}

TEST_P(RegistryValuesTest, DeletingThroughTheBackendReportsAMissingValue) {
    ASSERT_TRUE(putValueBack(backend, kValue, RegValue{"Value", kRegSz, {'1', 0}}));
    RegKey key = 0;
    ASSERT_EQ(backend.openKey(kValue.hive, kValue.keyPath, key), kRegOk);
    EXPECT_EQ(backend.deleteValue(key, "VALUE"), kRegOk);
    EXPECT_EQ(backend.deleteValue(key, "Value"), kRegNotFound);
    backend.closeKey(key);
}

INSTANTIATE_TEST_SUITE_P(Backends, RegistryValuesTest,
                         ::testing::ValuesIn(quorvex::testing::testRegistryKinds()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quorvex::undo
