// Profiles whose user.js a hostile or unlucky environment made special (POSIX file types).
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>

#include "browser/firefox_profiles.h"
#include "browser/preference_sets.h"
#include "support/command_world.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using namespace quorvex::testing;

class HostileProfileTest : public ::testing::Test, protected CommandWorld {
  protected:
    int applyOptimized() {
        return applyPreferenceSet(locations, clock, kOptimizedPreferencesFile).copied;
    }
};

// Each unusable profile is skipped without blocking; the ordinary one is still updated.
TEST_F(HostileProfileTest, AUserJsThatIsADeviceOrFifoSkipsOnlyThatProfile) {
    fs::create_directories(profiles() / "fifo");
    ASSERT_EQ(::mkfifo((profiles() / "fifo" / "user.js").c_str(), 0600), 0);
    fs::create_directories(profiles() / "linked-fifo");
    ASSERT_EQ(::mkfifo((temp.path() / "pipe").c_str(), 0600), 0);
    fs::create_symlink(temp.path() / "pipe", profiles() / "linked-fifo" / "user.js");
    fs::create_directories(profiles() / "zero");
    fs::create_symlink("/dev/zero", profiles() / "zero" / "user.js");
    fs::create_directories(profiles() / "ordinary");

    EXPECT_EQ(applyOptimized(), 1);
    EXPECT_EQ(readFile(profiles() / "ordinary" / "user.js"), kOptimizedPreferences);
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(profiles() / "fifo" / "user.js")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(profiles() / "linked-fifo" / "user.js")));
    EXPECT_EQ(fs::read_symlink(profiles() / "zero" / "user.js"), "/dev/zero");
    for (const char* profile : {"fifo", "linked-fifo", "zero"})
        EXPECT_EQ(
            std::distance(fs::directory_iterator(profiles() / profile), fs::directory_iterator()),
            1)
            << profile;
}

TEST_F(HostileProfileTest, AHugeUserJsIsNeitherReadNorReplaced) {
    const fs::path p = profiles() / "p";
    writeFile(p / "user.js", "user_pref(\"mine\", 1);\n");
    fs::resize_file(p / "user.js", (16u << 20) + 1);
    EXPECT_EQ(applyOptimized(), 0);
    EXPECT_EQ(fs::file_size(p / "user.js"), (16u << 20) + 1);
    EXPECT_FALSE(fs::exists(p / "user.js.backup"));
}

// A profiles folder that is there but cannot be reached is not "no Firefox": it is named.
TEST_F(HostileProfileTest, AProfilesFolderThatCannotBeReachedIsAFailureNotAnAbsence) {
    fs::create_directories(profiles().parent_path());
    fs::create_symlink(profiles(), profiles());  // a link to itself: ELOOP
    const auto outcome = applyPreferenceSet(locations, clock, kOptimizedPreferencesFile);
    EXPECT_EQ(outcome.profiles, 0);
    EXPECT_EQ(outcome.copied, 0);
    EXPECT_EQ(outcome.failure, profiles().string() + ": " + std::strerror(ELOOP));
}

TEST_F(HostileProfileTest, TemporaryFilesAnInterruptedCopyLeftAreRemoved) {
    const fs::path p = profiles() / "p";
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name : {".user.js.quorvex-0.tmp", ".user.js.quorvex-Ab3xYz"}) {
        writeFile(p / name, std::string(kOptimizedPreferences));
        fs::last_write_time(p / name, old);
    }
    writeFile(p / ".user.js.quorvex-fresh1", "another instance is writing this now");
    writeFile(p / "prefs.js", "firefox's own");
    EXPECT_EQ(applyOptimized(), 1);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(p)) names.push_back(entry.path().filename());
    EXPECT_THAT(names,
                ::testing::UnorderedElementsAre("user.js", "prefs.js", ".user.js.quorvex-fresh1"));
}

}  // namespace
}  // namespace quorvex
