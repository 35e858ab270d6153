#include "cli/json_text.h"

#include <gtest/gtest.h>

#include "support/json_syntax.h"

namespace quorvex::cli {
namespace {

using quorvex::testing::JsonSyntax;

TEST(JsonText, EscapesWhatWouldBreakTheLiteralAndKeepsUtf8) {
    const struct {
        std::string_view text;
        std::string literal;
    } cases[] = {
        {"plain", "\"plain\""},
        {"HKEY_LOCAL_MACHINE\\System", "\"HKEY_LOCAL_MACHINE\\\\System\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"a\nb\r\tc", "\"a\\nb\\r\\tc\""},
        {std::string_view("\x01\x1f", 2), "\"\\u0001\\u001f\""},
        {"caf\xc3\xa9 \xe2\x86\x92", "\"caf\xc3\xa9 \xe2\x86\x92\""},
        {"", "\"\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(jsonString(c.text), c.literal) << c.text;
        EXPECT_TRUE(JsonSyntax::wellFormed(jsonString(c.text))) << c.text;
    }
    EXPECT_EQ(jsonOptional(std::optional<std::string>{}), "null");
}

TEST(JsonSyntaxCheck, RefusesBrokenDocuments) {
    for (const char* broken :
         {"{", "{\"a\":}", "[1,]", "\"a", "{\"a\" 1}", "tru", "[1] x", "{a:1}", "\"\x01\""})
        EXPECT_FALSE(JsonSyntax::wellFormed(broken)) << broken;
    for (const char* good : {"{}", "[]", "{\"a\":[1,-2.5e3,true,false,null,\"x\"]}", " 0 "})
        EXPECT_TRUE(JsonSyntax::wellFormed(good)) << good;
}

}  // namespace
}  // namespace quorvex::cli
