#include "app/version_option.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "project_version.h"

namespace quorvex {
namespace {

struct VersionCase {
    std::vector<const char*> args;  // after the program name
    bool wanted;
};

TEST(VersionOption, AnsweredOnlyForTheExactOptionAnywhereAfterTheProgramName) {
    const VersionCase cases[] = {
        {{}, false},
        {{"--version"}, true},
        {{"-platform", "offscreen", "--version"}, true},
        {{"--version", "--other"}, true},
        {{"-version"}, false},
        {{"--versions"}, false},
        {{"version"}, false},
        {{"--Version"}, false},
        {{""}, false},
    };
    for (const auto& c : cases) {
        std::vector<const char*> argv{"quorvex"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        EXPECT_EQ(wantsVersion(static_cast<int>(argv.size()), argv.data()), c.wanted)
            << "arguments: " << c.args.size() << (c.args.empty() ? "" : " first ")
            << (c.args.empty() ? "" : c.args.front());
    }
}

TEST(VersionOption, TheProgramNameItselfIsNeverTheOption) {
    const char* argv[] = {"--version"};
    EXPECT_FALSE(wantsVersion(1, argv));
    EXPECT_FALSE(wantsVersion(0, nullptr));
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
