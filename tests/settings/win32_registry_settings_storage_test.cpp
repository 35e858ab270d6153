#include "settings/win32_registry_settings_storage.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "commands/window_settings.h"
#include "model/window_model.h"
#include "platform/win32_registry_sandbox.h"
#include "settings/settings_store.h"

namespace quorvex {
namespace {

using test::queryValue;
using test::StoredValue;

// As RegQueryValueExA gives a REG_SZ back: the text and one terminator.
StoredValue sz(const std::string& text) {
    StoredValue value{REG_SZ, {text.begin(), text.end()}};
    value.bytes.push_back(0);
    return value;
}

std::string sandboxName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return std::string("Settings.") + info->name();
}

// The current user's hive is a throwaway key for each test.
class Win32RegistrySettingsStorageTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(sandbox.ready()); }
    HKEY cu() const { return sandbox.currentUser(); }

    test::RegistrySandbox sandbox{sandboxName()};
    Win32RegistrySettingsStorage storage;
};

TEST_F(Win32RegistrySettingsStorageTest, AWriteIsAnSzValueOfTheSectionsKeyUnderSoftwareQuorvex) {
    EXPECT_FALSE(test::keyExists(cu(), "Software\\Quorvex"));
    ASSERT_TRUE(storage.write("Connection", "35", "True"));
    ASSERT_TRUE(storage.write("Advanced", "QOS", "20"));
    // Read back with the ANSI function too: plain text, one terminator.
    EXPECT_EQ(queryValue(cu(), "Software\\Quorvex\\Connection", "35"), sz("True"));
    EXPECT_EQ(queryValue(cu(), "Software\\Quorvex\\Advanced", "QOS"), sz("20"));
    EXPECT_EQ(test::valueCount(cu(), "Software\\Quorvex\\Connection"), 1);
    EXPECT_EQ(storage.read("Connection", "35"), "True");
    EXPECT_EQ(storage.read("Advanced", "QOS"), "20");
    EXPECT_TRUE(storage.flush());
}

TEST_F(Win32RegistrySettingsStorageTest, KeysAreNamesAndAWriteReplacesTheValue) {
    ASSERT_TRUE(storage.write("Values", "1", "1500"));
    ASSERT_TRUE(storage.write("Values", "10", "3"));
    ASSERT_TRUE(storage.write("Values", "1", "1492"));
    EXPECT_EQ(storage.read("Values", "1"), "1492");
    EXPECT_EQ(storage.read("Values", "10"), "3");
    EXPECT_EQ(storage.read("Values", "2"), std::nullopt);
    EXPECT_EQ(storage.read("Firefox", "1"), std::nullopt);
    EXPECT_EQ(test::valueCount(cu(), "Software\\Quorvex\\Values"), 2);
}

TEST_F(Win32RegistrySettingsStorageTest, AnyTextComesBackAsWritten) {
    for (const std::string& text :
         {std::string(), std::string("DSL Or Cable Modem (16 Megabit And Up)"),
          std::string("Restore Windows Default Settings "), std::string("caf\xC3\xA9 \xE2\x82\xAC"),
          std::string(3000, 'x')}) {
        ASSERT_TRUE(storage.write("Values", "Connection", text));
        EXPECT_EQ(storage.read("Values", "Connection"), text);
    }
    EXPECT_EQ(queryValue(cu(), "Software\\Quorvex\\Values", "Connection"),
              sz(std::string(3000, 'x')));
}

TEST_F(Win32RegistrySettingsStorageTest, WhatCannotBeStoredExactlyIsRefusedAndLeavesTheOldValue) {
    ASSERT_TRUE(storage.write("Advanced", "HTTP0", "4"));
    EXPECT_FALSE(storage.write("Advanced", "HTTP0", "\xFF\xFE"));  // no UTF-8
    EXPECT_EQ(storage.read("Advanced", "HTTP0"), "4");
    // A section is one key: neither an empty one nor a path reaches past it.
    EXPECT_FALSE(storage.write("", "HTTP0", "5"));
    EXPECT_FALSE(storage.write("Advanced\\..\\Values", "1", "5"));
    EXPECT_EQ(test::subkeyCount(cu()), 1);
    EXPECT_FALSE(storage.flush());
    EXPECT_TRUE(storage.flush());  // the refusal is told once
}

TEST_F(Win32RegistrySettingsStorageTest, AValueThatIsNoTextReadsAsMissing) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(cu(), "Software\\Quorvex\\Values", 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const DWORD number = 1500;
    RegSetValueExA(key, "1", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    // Written elsewhere without a terminator: still the same text.
    RegSetValueExW(key, L"2", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"1452"), 8);
    RegCloseKey(key);
    EXPECT_EQ(storage.read("Values", "1"), std::nullopt);
    EXPECT_EQ(storage.read("Values", "2"), "1452");
    EXPECT_EQ(ReadSetting(storage, "Values", "1", std::int32_t{576}), "576");
}

// What is not text is still there to be recorded and put back with its type and bytes.
TEST_F(Win32RegistrySettingsStorageTest, AValueOfAnotherTypeIsReadAndWrittenExactly) {
    const OtherSetting number{REG_DWORD, {0xDC, 0x05, 0, 0}};
    const OtherSetting bytes{REG_BINARY, {0xDE, 0xAD, 0x00}};
    ASSERT_TRUE(storage.writeOther("Values", "1", number));
    ASSERT_TRUE(storage.writeOther("Values", "2", bytes));
    ASSERT_TRUE(storage.write("Values", "3", "text"));
    EXPECT_EQ(storage.readOther("Values", "1"), number);
    EXPECT_EQ(storage.readOther("Values", "2"), bytes);
    EXPECT_EQ(storage.readOther("Values", "3"), std::nullopt);
    EXPECT_EQ(storage.readOther("Values", "4"), std::nullopt);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(cu(), "Software\\Quorvex\\Values", 0, KEY_QUERY_VALUE, &key),
              ERROR_SUCCESS);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    EXPECT_EQ(RegQueryValueExA(key, "1", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value, 1500u);
}

TEST_F(Win32RegistrySettingsStorageTest, TheWindowStateSurvivesTheRegistryStore) {
    WindowModel saved;
    saved.controls().setListText("Combo3", "Satellite (6 Megabit And Up)");
    saved.controls().setOption("TTL128", true);
    saved.controls().setListText("QOS", "0");
    saved.controls().setListText("Combo1", "10");
    saveOptionStates(storage, saved.controls());
    saveNumberLists(storage, saved.controls());
    saveConnectionText(storage, saved.controls());
    saveTuningValues(storage, saved.state());
    ASSERT_TRUE(storage.flush());

    WindowModel restored;
    restoreWindowState(restored, Win32RegistrySettingsStorage());
    EXPECT_EQ(restored.controls().listText("Combo3"), "Satellite (6 Megabit And Up)");
    EXPECT_TRUE(restored.controls().option("TTL128"));
    EXPECT_EQ(restored.controls().listText("QOS"), "0");
    EXPECT_EQ(restored.controls().listText("Combo1"), "10");
    EXPECT_EQ(restored.state(), saved.state());
    EXPECT_EQ(queryValue(cu(), "Software\\Quorvex\\Advanced", "TTL5"), sz("True"));
    EXPECT_EQ(queryValue(cu(), "Software\\Quorvex\\Values", "4"),
              sz(std::to_string(saved.state().Rwin)));
}

}  // namespace
}  // namespace quorvex
