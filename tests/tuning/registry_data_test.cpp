#include "tuning/registry_data.h"

#include <gtest/gtest.h>

#include <string>

#include "tuning/reg_file_format.h"

namespace quorvex {
namespace {

std::string deepPath(std::size_t levels, std::size_t componentLength) {
    std::string path;
    for (std::size_t i = 0; i < levels; ++i) {
        if (i) path += '\\';
        path += std::string(componentLength, static_cast<char>('a' + i % 26));
    }
    return path;
}

TEST(RegistryDataTest, KeyPathsKeepTheRegistrysLimits) {
    struct Case {
        std::string path;
        bool valid;
    };
    const Case cases[] = {
        {"System\\CurrentControlSet", true},
        {std::string(255, 'k'), true},
        {std::string(256, 'k'), false},
        {deepPath(512, 1), true},
        {deepPath(513, 1), false},
        {deepPath(512, 255), true},
        {"", false},
        {"K\\", false},
        {"\\K", false},
        {"A\\\\B", false},
        {"A\nB", false},
        {"A\rB", false},
        {std::string("A\0B", 3), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(validKeyPath(c.path), c.valid) << c.path.size() << " characters";
        RegistryData data;
        EXPECT_EQ(data.createKey(Hive::CurrentUser, c.path), c.valid);
        EXPECT_EQ(data.hasKey(Hive::CurrentUser, c.path), c.valid);
    }
    EXPECT_TRUE(validValueName(""));
    EXPECT_TRUE(validValueName("(Default)"));
    EXPECT_TRUE(validValueName("tab\there \"quoted\" back\\slash"));
    EXPECT_FALSE(validValueName("two\nlines"));
    EXPECT_FALSE(validValueName("carriage\rreturn"));
    EXPECT_FALSE(validValueName(std::string("nul\0inside", 11)));
}

TEST(RegistryDataTest, ADeepKeyCostsItsTextNotItsDepthSquared) {
    RegistryData data;
    const std::string path = deepPath(512, 255);
    ASSERT_TRUE(data.createKey(Hive::LocalMachine, path));
    EXPECT_EQ(data.keyCount(Hive::LocalMachine), 512u);
    // Parents keep the spelling first created; a later spelling in another case finds them.
    EXPECT_TRUE(data.hasKey(Hive::LocalMachine, RegistryData::fold(path)));
    const auto key = data.key(Hive::LocalMachine, path);
    ASSERT_TRUE(key.has_value());
    EXPECT_EQ(key->path, path);
}

TEST(RegistryDataTest, ValuesAreFoundWithoutRegardToCaseAmongMany) {
    RegistryData data;
    data.createKey(Hive::CurrentUser, "K");
    for (int i = 0; i < 1000; ++i)
        data.setValue(Hive::CurrentUser, "K", "Value" + std::to_string(i), kRegDword,
                      {static_cast<std::uint8_t>(i), 0, 0, 0});
    EXPECT_FALSE(data.setValue(Hive::CurrentUser, "k", "VALUE7", kRegDword, {7, 0, 0, 0}));
    EXPECT_TRUE(data.setValue(Hive::CurrentUser, "k", "VALUE7", kRegDword, {8, 0, 0, 0}));
    const auto key = data.key(Hive::CurrentUser, "K");
    ASSERT_TRUE(key.has_value());
    ASSERT_EQ(key->values.size(), 1000u);
    EXPECT_EQ(key->values[7].name, "Value7");
    EXPECT_EQ(key->values[7].data[0], 8);
    ASSERT_NE(data.value(Hive::CurrentUser, "K", "value999"), nullptr);
    EXPECT_EQ(data.value(Hive::CurrentUser, "K", "value1000"), nullptr);
}

// Hostile stores: each case is bounded by the suite's ctest timeout.
TEST(HostileRegFileTest, AKeyDeeperThanTheRegistryAllowsMakesTheStoreDamaged) {
    const std::string text = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + deepPath(10000, 1) + "]\r\n";
    EXPECT_FALSE(parseRegFile(text).has_value());
    const std::string longName =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + std::string(256, 'x') + "]\r\n";
    EXPECT_FALSE(parseRegFile(longName).has_value());
    const std::string deepest = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + deepPath(512, 8) + "]\r\n";
    const auto parsed = parseRegFile(deepest);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->keyCount(Hive::CurrentUser), 512u);
}

TEST(HostileRegFileTest, FortyThousandValuesInOneKeyParse) {
    std::string text = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\K]\r\n";
    for (int i = 0; i < 40000; ++i)
        text += "\"Value number " + std::to_string(i) + "\"=\"some text\"\r\n";
    const auto parsed = parseRegFile(text);
    ASSERT_TRUE(parsed.has_value());
    const auto key = parsed->key(Hive::LocalMachine, "k");
    ASSERT_TRUE(key.has_value());
    EXPECT_EQ(key->values.size(), 40000u);
    EXPECT_EQ(formatRegFile(*parsed), text);
}

TEST(RegFileFormatTest, ABinaryValueMayGoOnOverManyLines) {
    const auto parsed = parseRegFile(
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n\"v\"=hex:01,02,\\\r\n  03,04,\\\r\n"
        "  05,\\\r\n\t06\r\n\"w\"=dword:00000001\r\n");
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->value(Hive::CurrentUser, "K", "v")->data,
              (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_NE(parsed->value(Hive::CurrentUser, "K", "w"), nullptr);
}

TEST(RegFileFormatTest, OnlyAHexValueContinuesOnTheNextLine) {
    // A name that looks like hex data and a text ending in a backslash stay one line each.
    RegistryData data;
    data.createKey(Hive::CurrentUser, "K");
    data.setValue(Hive::CurrentUser, "K", "a=hex", kRegSz, {'x', '\\', 0});
    data.setValue(Hive::CurrentUser, "K", "b", kRegSz, {'y', 0});
    const auto parsed = parseRegFile(formatRegFile(data));
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(*parsed, data);
}

TEST(RegFileFormatTest, AStoreThatWouldOutgrowTheLimitIsNotFormatted) {
    RegistryData data;
    data.createKey(Hive::CurrentUser, "K");
    data.setValue(Hive::CurrentUser, "K", "v", 3, std::vector<std::uint8_t>(1000, 0xAB));
    EXPECT_FALSE(formatRegFile(data, 1000).has_value());
    EXPECT_TRUE(formatRegFile(data, 4000).has_value());
}

}  // namespace
}  // namespace quorvex
