#include "browser/firefox_page.h"

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

TEST_F(FirefoxPageTest, WithoutAnyFirefoxThePageStillSwitchesAndSaves) {
    for (auto variables : {std::vector<std::pair<std::string, std::string>>{},
                           std::vector<std::pair<std::string, std::string>>{{"APPDATA", ""}}}) {
        locations.variables = variables;
        storage.log.clear();
        commands.enableOptimizedFirefox();
        EXPECT_EQ(firefoxPageState(window.controls()), FirefoxPageState::optimized());
        EXPECT_EQ(storage.value("Firefox", "3"), "True");
        commands.disableOptimizedFirefox();
        EXPECT_EQ(firefoxPageState(window.controls()), FirefoxPageState::defaults());
        EXPECT_EQ(storage.log.size(), 8u);
    }
}

TEST_F(FirefoxPageTest, TheChoiceComesBackAfterARestart) {
    commands.enableOptimizedFirefox();
    WindowModel fresh;
    restoreWindowState(fresh, storage);
    EXPECT_EQ(firefoxPageState(fresh.controls()), FirefoxPageState::optimized());
}

}  // namespace
}  // namespace quorvex
