#include "cli/command_line_request.h"

#include <gtest/gtest.h>

namespace quorvex::cli {
namespace {

using Command = CommandLineRequest::Command;

TEST(CommandLineRequest, ReadsEachCommandItsOperandsAndOptions) {
    const struct {
        std::vector<std::string> args;
        Command command;
        std::string connection, file;
        bool json, noFirefox, dryRun, original;
    } cases[] = {
        {{"list"}, Command::List, "", "", false, false, false, false},
        {{"list", "--json"}, Command::List, "", "", true, false, false, false},
        {{"apply", "dsl-16m"}, Command::Apply, "dsl-16m", "", false, false, false, false},
        {{"apply", "--dry-run", "dsl-16m", "--no-firefox", "--json"},
         Command::Apply,
         "dsl-16m",
         "",
         true,
         true,
         true,
         false},
        {{"apply", "--", "-odd"}, Command::Apply, "-odd", "", false, false, false, false},
        {{"verify"}, Command::Verify, "", "", false, false, false, false},
        {{"export", "Satellite-2M", "out.reg"},
         Command::Export,
         "Satellite-2M",
         "out.reg",
         false,
         false,
         false,
         false},
        {{"undo"}, Command::Undo, "", "", false, false, false, false},
        {{"undo", "--original"}, Command::Undo, "", "", false, false, false, true},
        {{"apply", "--help"}, Command::Help, "", "", false, false, false, false},
        {{"undo", "-h"}, Command::Help, "", "", false, false, false, false},
        {{"--version"}, Command::Version, "", "", false, false, false, false},
    };
    for (const auto& c : cases) {
        const auto request = parseCommandLineRequest(c.args);
        const std::string shown = ::testing::PrintToString(c.args);
        EXPECT_EQ(request.command, c.command) << shown << ": " << request.error;
        EXPECT_EQ(request.connection, c.connection) << shown;
        EXPECT_EQ(request.file, c.file) << shown;
        EXPECT_EQ(request.json, c.json) << shown;
        EXPECT_EQ(request.noFirefox, c.noFirefox) << shown;
        EXPECT_EQ(request.dryRun, c.dryRun) << shown;
        EXPECT_EQ(request.original, c.original) << shown;
    }
}

TEST(CommandLineRequest, NamesWhatWasNotUnderstoodInOneLine) {
    const struct {
        std::vector<std::string> args;
        std::string error;
    } cases[] = {
        {{}, "no command given"},
        {{"frobnicate"}, "unknown command \"frobnicate\""},
        {{"--bogus"}, "unknown option --bogus"},
        {{"apply"}, "apply needs a connection kind"},
        {{"export", "dsl-16m"}, "export needs a connection kind and a file"},
        {{"apply", "dsl-16m", "dsl-2m"}, "unexpected argument \"dsl-2m\""},
        {{"verify", "now"}, "unexpected argument \"now\""},
        {{"verify", "--dry-run"}, "unknown option --dry-run for verify"},
        {{"undo", "--no-firefox"}, "unknown option --no-firefox for undo"},
        {{"apply", "dsl-16m", "--original"}, "unknown option --original for apply"},
        {{"list", "--JSON"}, "unknown option --JSON for list"},
    };
    for (const auto& c : cases) {
        const auto request = parseCommandLineRequest(c.args);
        EXPECT_EQ(request.command, Command::UsageError) << ::testing::PrintToString(c.args);
        EXPECT_EQ(request.error, c.error);
        EXPECT_EQ(request.error.find('\n'), std::string::npos);
    }
}

TEST(CommandLineRequest, OnlyTheCommandsTakeTheWindowsPlace) {
    for (const char* word : {"list", "apply", "verify", "export", "undo"})
        EXPECT_TRUE(isCommandName(word)) << word;
    for (const char* word : {"", "--help", "-platform", "List", "help", "--version"})
        EXPECT_FALSE(isCommandName(word)) << word;
}

}  // namespace
}  // namespace quorvex::cli
