#include "tuning/reg_file_format.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(text.rfind("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\A]\r\n", 0), 0u);
    EXPECT_NE(text.find("\"Quote\\\"Back\\\\slash\"=\"C:\\\\x \\\"y\\\"\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("@=\"unnamed\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"n\"=dword:8000000a\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"bin\"=hex:01,02,ff\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"multi\"=hex(1):61,0a,62,00\r\n"), std::string::npos);
    const auto parsed = parseRegFile(text);
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
