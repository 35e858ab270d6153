#include "platform/ascii_case.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(AsciiCaseTest, OnlyTheTwentySixLettersFold) {
    // The neighbours of both letter ranges, and Latin-1 and UTF-8 bytes, stay as they are.
    EXPECT_EQ(asciiLower("@AZ[`az{"), "@az[`az{");
    EXPECT_EQ(asciiLower("\xC0\xDE\xC3\x89"), "\xC0\xDE\xC3\x89");
    EXPECT_EQ(asciiLower(""), "");
}

TEST(AsciiCaseTest, EqualityIgnoresLetterCaseOnly) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    };
    const Case cases[] = {
        {"HKEY_LOCAL_MACHINE", "hkey_local_machine", true},
        {"AppData", "APPDATA", true},
        {"True", "tRUE", true},
        {"", "", true},
        {"[", "{", false},  // 0x5B and 0x7B differ by 0x20 but are not letters
        {"@", "`", false},
        {"\xC3\x89", "\xC3\xA9", false},  // É and é in UTF-8
        {"True", "True ", false},
    };
    for (const auto& c : cases) EXPECT_EQ(equalsIgnoringAsciiCase(c.a, c.b), c.equal) << c.a;
}

}  // namespace
}  // namespace quorvex
