#include "app/version_option.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "project_version.h"

namespace quorvex {
namespace {

using Action = CommandLineRequest::Action;

struct OptionCase {
    std::vector<const char*> args;  // after the program name
    Action action;
    std::string error;
};

TEST(CommandLine, AnswersHelpAndVersionAcceptsQtOptionsAndRefusesTheRest) {
    const OptionCase cases[] = {
        {{}, Action::OpenWindow, ""},
        {{"--version"}, Action::PrintVersion, ""},
        {{"-platform", "offscreen", "--version"}, Action::PrintVersion, ""},
        {{"--version", "--other"}, Action::PrintVersion, ""},
        {{"--help"}, Action::PrintHelp, ""},
        {{"-h"}, Action::PrintHelp, ""},
        {{"-platform", "offscreen"}, Action::OpenWindow, ""},
        {{"--platform=offscreen", "-style", "fusion", "-reverse"}, Action::OpenWindow, ""},
        {{"-qmljsdebugger=port:1234"}, Action::OpenWindow, ""},
        {{"-platform"}, Action::UsageError, "option -platform needs a value"},
        {{"-version"}, Action::UsageError, "unknown option -version"},
        {{"--versions"}, Action::UsageError, "unknown option --versions"},
        {{"--Version"}, Action::UsageError, "unknown option --Version"},
        {{"version"}, Action::UsageError, "unexpected argument \"version\""},
        {{""}, Action::UsageError, "unexpected argument \"\""},
        {{"--bogus", "--help"}, Action::UsageError, "unknown option --bogus"},
    };
    for (const auto& c : cases) {
        std::vector<const char*> argv{"quorvex"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        const auto request = parseCommandLine(static_cast<int>(argv.size()), argv.data());
        const std::string first = c.args.empty() ? "" : c.args.front();
        EXPECT_EQ(request.action, c.action) << "first argument: " << first;
        EXPECT_EQ(request.error, c.error) << "first argument: " << first;
    }
}

TEST(CommandLine, TheProgramNameItselfIsNeverAnOption) {
    const char* argv[] = {"--version"};
    EXPECT_EQ(parseCommandLine(1, argv).action, Action::OpenWindow);
    EXPECT_EQ(parseCommandLine(0, nullptr).action, Action::OpenWindow);
}

TEST(CommandLine, HelpNamesItsOptionsAndTheHintNamesHelp) {
    EXPECT_THAT(helpText(), ::testing::HasSubstr("--version"));
    EXPECT_THAT(helpText(), ::testing::HasSubstr("-h, --help"));
    EXPECT_THAT(usageHint(), ::testing::HasSubstr("quorvex --help"));
}

TEST(VersionOption, TextIsTheProgramNameAndTheDottedProjectVersion) {
    const std::string dotted = std::to_string(QUORVEX_VERSION_MAJOR) + "." +
                               std::to_string(QUORVEX_VERSION_MINOR) + "." +
                               std::to_string(QUORVEX_VERSION_PATCH);
    EXPECT_EQ(dotted, QUORVEX_VERSION);
    EXPECT_EQ(versionText(), "Quorvex " + dotted);
}

}  // namespace
}  // namespace quorvex
