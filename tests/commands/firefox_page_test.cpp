#include "commands/firefox_page.h"

#include <gtest/gtest.h>

#include "model/firefox_elements.h"
#include "support/command_world.h"

namespace quorvex {
namespace {

using namespace quorvex::testing;
using Write = RecordingSettingsStorage::Write;

class FirefoxPageTest : public ::testing::Test, protected CommandWorld {};

TEST_F(FirefoxPageTest, EnableAndDisableSwitchThePageAndSaveTheFourFlags) {
    std::filesystem::create_directories(profiles() / "p");
    commands.enableOptimizedFirefox();
    EXPECT_EQ(firefoxPageState(window.controls()), FirefoxPageState::optimized());
    EXPECT_TRUE(window.controls().visible(firefox::kOptimizedText));
    EXPECT_FALSE(window.controls().visible(firefox::kDefaultText));
    ASSERT_EQ(storage.log.size(), 4u);
    EXPECT_EQ(storage.log[0], (Write{"Firefox", "3", "True"}));
    EXPECT_EQ(storage.log[1], (Write{"Firefox", "4", "False"}));
    EXPECT_EQ(storage.log[2], (Write{"Firefox", "5", "False"}));
    EXPECT_EQ(storage.log[3], (Write{"Firefox", "6", "True"}));
    EXPECT_EQ(storage.flushes(), 1);
    EXPECT_EQ(readFile(profiles() / "p" / "user.js"), kOptimizedPreferences);

    commands.disableOptimizedFirefox();
    EXPECT_EQ(firefoxPageState(window.controls()), FirefoxPageState::defaults());
    EXPECT_FALSE(window.controls().visible(firefox::kOptimizedText));
    EXPECT_TRUE(window.controls().visible(firefox::kDefaultText));
    ASSERT_EQ(storage.log.size(), 8u);
    EXPECT_EQ(storage.log[4], (Write{"Firefox", "3", "False"}));
    EXPECT_EQ(storage.log[5], (Write{"Firefox", "4", "True"}));
    EXPECT_EQ(storage.log[6], (Write{"Firefox", "5", "True"}));
    EXPECT_EQ(storage.log[7], (Write{"Firefox", "6", "False"}));
    EXPECT_EQ(readFile(profiles() / "p" / "user.js"), kDefaultPreferences);
    EXPECT_EQ(prompts.shown.size(), 0u);  // the page shows no message, success included
}

// When no profile received the set, the buttons say so and leave the page and the saved flags
// as they were: the page shows what the profiles hold, not a wish.
TEST_F(FirefoxPageTest, WhenNoProfileReceivedTheSetTheButtonsSaySoAndChangeNothing) {
    using Variables = std::vector<std::pair<std::string, std::string>>;
    const std::string appdata = (temp.path() / "appdata").string();
    const std::string noProfile = "No Firefox profile was found, so Firefox was not tuned.";
    const std::string failed =
        "Firefox could not be tuned: " + (profiles() / "p" / "user.js").string() +
        ": not a regular file.";
    struct Case {
        const char* what;
        Variables variables;
        bool profilesFolder;
        bool unwritableProfile;
        std::string message;
    };
    const Case cases[] = {
        {"no APPDATA and no platform roots", {}, false, false, noProfile},
        {"empty APPDATA", {{"APPDATA", ""}}, false, false, noProfile},
        {"no profiles folder", {{"APPDATA", appdata}}, false, false, noProfile},
        {"an empty profiles folder", {{"APPDATA", appdata}}, true, false, noProfile},
        {"every copy failed", {{"APPDATA", appdata}}, true, true, failed},
    };
    for (const auto& c : cases) {
        for (const auto start : {FirefoxPageState::defaults(), FirefoxPageState::optimized()}) {
            std::filesystem::remove_all(temp.path() / "appdata");
            if (c.profilesFolder) std::filesystem::create_directories(profiles());
            if (c.unwritableProfile)
                std::filesystem::create_directories(profiles() / "p" / "user.js");
            locations.variables = c.variables;
            showFirefoxPageState(window.controls(), start);
            storage.log.clear();
            prompts.shown.clear();
            // The button on offer is the one that switches away from the current state.
            if (start == FirefoxPageState::defaults())
                commands.enableOptimizedFirefox();
            else
                commands.disableOptimizedFirefox();
            EXPECT_EQ(firefoxPageState(window.controls()), start) << c.what;
            EXPECT_TRUE(storage.log.empty()) << c.what;
            EXPECT_EQ(storage.flushes(), 0) << c.what;
            ASSERT_EQ(prompts.shown.size(), 1u) << c.what;
            EXPECT_EQ(prompts.shown[0].text, c.message) << c.what;
            EXPECT_EQ(prompts.shown[0].title, "Quorvex");
            EXPECT_EQ(prompts.shown[0].icon, MessageIcon::Error);
            EXPECT_EQ(prompts.shown[0].buttons, MessageButtons::Ok);
        }
    }
    EXPECT_EQ(prompts.restarts, 0);
}

TEST_F(FirefoxPageTest, OneProfileThatReceivedTheSetIsEnough) {
    std::filesystem::create_directories(profiles() / "a" / "user.js");  // cannot be written
    std::filesystem::create_directories(profiles() / "b");
    commands.enableOptimizedFirefox();
    EXPECT_EQ(firefoxPageState(window.controls()), FirefoxPageState::optimized());
    EXPECT_EQ(storage.value("Firefox", "3"), "True");
    EXPECT_TRUE(prompts.shown.empty());
    EXPECT_EQ(readFile(profiles() / "b" / "user.js"), kOptimizedPreferences);
}

// A Quorvex.exe copied on its own: the compiled-in sets reach the profile.
TEST_F(FirefoxPageTest, WithoutTheShippedFilesTheBuiltInSetsAreCopied) {
    std::filesystem::remove(locations.program / "pipeline.js");
    std::filesystem::remove(locations.program / "unpipeline.js");
    std::filesystem::create_directories(profiles() / "p");
    commands.enableOptimizedFirefox();
    EXPECT_EQ(readFile(profiles() / "p" / "user.js"), kOptimizedPreferences);
    EXPECT_EQ(firefoxPageState(window.controls()), FirefoxPageState::optimized());
    commands.disableOptimizedFirefox();
    EXPECT_EQ(readFile(profiles() / "p" / "user.js"), kDefaultPreferences);
    EXPECT_EQ(firefoxPageState(window.controls()), FirefoxPageState::defaults());
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(FirefoxPageTest, TheChoiceComesBackAfterARestart) {
    std::filesystem::create_directories(profiles() / "p");
    commands.enableOptimizedFirefox();
    WindowModel fresh;
    restoreWindowState(fresh, storage);
    EXPECT_EQ(firefoxPageState(fresh.controls()), FirefoxPageState::optimized());
}

}  // namespace
}  // namespace quorvex
