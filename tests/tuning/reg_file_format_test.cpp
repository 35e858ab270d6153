#include "tuning/reg_file_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvex {
namespace {

std::vector<std::uint8_t> sz(const std::string& s) {
    std::vector<std::uint8_t> out(s.begin(), s.end());
    out.push_back(0);
    return out;
}

TEST(RegFileFormatTest, RoundTripKeepsEveryKindOfValue) {
    RegistryData data;
    data.createKey(Hive::LocalMachine, "A\\B");
    data.setValue(Hive::LocalMachine, "A\\B", "Quote\"Back\\slash", kRegSz, sz("C:\\x \"y\""));
    data.setValue(Hive::LocalMachine, "A\\B", "", kRegSz, sz("unnamed"));
    data.setValue(Hive::LocalMachine, "A\\B", "(Default)", kRegSz, sz("1492"));
    data.setValue(Hive::LocalMachine, "A\\B", "n", kRegDword, {0x0a, 0, 0, 0x80});
    data.setValue(Hive::LocalMachine, "A\\B", "bin", 3, {1, 2, 0xff});
    data.setValue(Hive::LocalMachine, "A\\B", "multi", kRegSz, {'a', '\n', 'b', 0});
    data.createKey(Hive::CurrentUser, "Software\\Internet Settings");
    data.setValue(Hive::CurrentUser, "Software\\Internet Settings", "x", 11, {});
    const std::string text = formatRegFile(data);
    EXPECT_EQ(text.rfind("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\A\\B]\r\n", 0), 0u);
    EXPECT_NE(text.find("\"Quote\\\"Back\\\\slash\"=\"C:\\\\x \\\"y\\\"\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("@=\"unnamed\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"n\"=dword:8000000a\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"bin\"=hex:01,02,ff\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"multi\"=hex(1):61,0a,62,00\r\n"), std::string::npos);
    const auto parsed = parseRegFile(text);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(*parsed, data);
}

std::size_t sectionCount(const std::string& text) {
    std::size_t count = 0;
    for (std::size_t at = text.find("\r\n["); at != std::string::npos;
         at = text.find("\r\n[", at + 1))
        ++count;
    return count;
}

TEST(RegFileFormatTest, NamesAKeyWithoutValuesOnlyWhereNoKeyBelowCreatesIt) {
    struct Case {
        std::vector<std::string> keys;  // created in this order; "=" marks one with a value
        std::size_t sections;
    };
    const Case cases[] = {
        {{"A\\B\\C="}, 1},
        {{"A\\B\\C"}, 1},
        {{"A", "A\\B="}, 1},
        {{"A=", "A\\B="}, 2},
        // A comes before X, so naming A\B after X would put A after X.
        {{"A", "X", "A\\B="}, 3},
        {{"A\\B", "A\\C", "A\\B\\D"}, 3},
    };
    for (const Case& c : cases) {
        RegistryData data;
        std::string trace;
        for (std::string key : c.keys) {
            trace += key + " ";
            const bool withValue = key.ends_with('=');
            if (withValue) key.pop_back();
            data.createKey(Hive::CurrentUser, key);
            if (withValue) data.setValue(Hive::CurrentUser, key, "v", kRegDword, {1, 0, 0, 0});
        }
        SCOPED_TRACE(trace);
        const std::string text = formatRegFile(data);
        EXPECT_EQ(sectionCount(text), c.sections);
        const auto parsed = parseRegFile(text);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(*parsed, data);
        EXPECT_EQ(formatRegFile(*parsed), text);
    }
}

TEST(RegFileFormatTest, TheDeepestKeysTheRegistryHoldsGrowTheTextLinearly) {
    // Three keys of 512 levels of 255 characters: 131 KB of path each.
    RegistryData data;
    std::size_t pathBytes = 0;
    for (char letter : {'a', 'b', 'c'}) {
        std::string path(kMaxKeyNameLength, letter);
        for (std::size_t level = 1; level < kMaxKeyDepth; ++level)
            path += "\\" + std::string(kMaxKeyNameLength, letter);
        ASSERT_TRUE(data.createKey(Hive::CurrentUser, path));
        data.setValue(Hive::CurrentUser, path, "v", kRegDword, {1, 0, 0, 0});
        pathBytes += path.size();
    }
    const auto text = formatRegFile(data, 64u << 20);
    ASSERT_TRUE(text.has_value());
    EXPECT_LT(text->size(), pathBytes + 1000);
    const auto parsed = parseRegFile(*text);
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(*parsed, data);
}

TEST(RegFileFormatTest, ReadsLfEndingsCommentsAndContinuedHex) {
    const auto parsed = parseRegFile(
        "REGEDIT4\n; comment\n\n[HKEY_CURRENT_USER\\K]\n\"v\"=hex:01,\\\n  02\n\"s\"=\"t\"\n");
    ASSERT_TRUE(parsed.has_value());
    EXPECT_EQ(parsed->value(Hive::CurrentUser, "k", "V")->data, (std::vector<std::uint8_t>{1, 2}));
    EXPECT_EQ(parsed->value(Hive::CurrentUser, "K", "s")->data, sz("t"));
}

TEST(RegFileFormatTest, RejectsWhatItCannotRead) {
    for (const char* text :
         {"", "garbage", "REGEDIT4\n\"v\"=\"no key\"\n", "REGEDIT4\n[HKEY_CLASSES_ROOT\\K]\n",
          "REGEDIT4\n[HKEY_CURRENT_USER\\K\n",
          "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"v\"=dword:123\n",
          "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"v\"=\"open\n",
          "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"v\"=hex:zz\n",
          "REGEDIT4\n[HKEY_CURRENT_USER\\K]\nv=1\n"})
        EXPECT_FALSE(parseRegFile(text).has_value()) << text;
}

}  // namespace
}  // namespace quorvex
