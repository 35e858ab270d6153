#include "browser/firefox_profiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "browser/preference_sets.h"
#include "support/command_world.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using namespace quorvex::testing;
using ::testing::UnorderedElementsAre;

TEST(PreferenceSetsTest, ShippedFilesAreTheExactSets) {
    for (const auto* folder : {QUORVEX_BROWSER_SOURCE_DIR, QUORVEX_PROGRAM_BUILD_DIR}) {
        const fs::path dir(folder);
        EXPECT_EQ(readFile(dir / "pipeline.js"), kOptimizedPreferences) << folder;
        EXPECT_EQ(readFile(dir / "unpipeline.js"), kDefaultPreferences) << folder;
    }
    EXPECT_EQ(kOptimizedPreferences.size(), 821u);
    EXPECT_EQ(kDefaultPreferences.size(), 829u);
    for (std::string_view set : {kOptimizedPreferences, kDefaultPreferences}) {
        EXPECT_EQ(std::count(set.begin(), set.end(), '\n'), 19);
        EXPECT_EQ(std::count(set.begin(), set.end(), '\r'), 19);
        EXPECT_EQ(set.find("\n\n"), std::string_view::npos);  // every line ends with CR LF
        EXPECT_TRUE(set.ends_with(");\r\n"));
        EXPECT_TRUE(std::all_of(set.begin(), set.end(), [](char c) {
            return c > 0 && static_cast<unsigned char>(c) < 128;
        }));
    }
    EXPECT_TRUE(
        kOptimizedPreferences.starts_with("user_pref(\"network.http.max-connections\", 25);\r\n"));
    EXPECT_NE(kDefaultPreferences.find("\r\n\r\nuser_pref(\"content.max.tokenizing.time\", "
                                       "1800000);\r\nuser_pref(\"content.switch.threshold\", "
                                       "600000);\r\n"),
              std::string_view::npos);
}

class FirefoxProfilesTest : public ::testing::Test, protected CommandWorld {
  protected:
    int applyOptimized() {
        return applyPreferenceSet(locations, clock, kOptimizedPreferencesFile).copied;
    }
    int applyDefault() {
        return applyPreferenceSet(locations, clock, kDefaultPreferencesFile).copied;
    }
    std::vector<std::string> namesIn(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        return names;
    }
};

TEST_F(FirefoxProfilesTest, EverySubfolderOfTheAppdataProfilesIsAProfile) {
    fs::create_directories(profiles() / "x1y2z3.default");
    fs::create_directories(profiles() / "not made by firefox" / "deeper");
    writeFile(profiles() / "profiles.ini", "[General]\r\n");
    EXPECT_EQ(applyOptimized(), 2);
    EXPECT_EQ(readFile(profiles() / "x1y2z3.default" / "user.js"), kOptimizedPreferences);
    EXPECT_EQ(readFile(profiles() / "not made by firefox" / "user.js"), kOptimizedPreferences);
    EXPECT_FALSE(fs::exists(profiles() / "not made by firefox" / "deeper" / "user.js"));
    EXPECT_EQ(readFile(profiles() / "profiles.ini"), "[General]\r\n");
    EXPECT_THAT(namesIn(profiles() / "x1y2z3.default"), UnorderedElementsAre("user.js"));
}

TEST_F(FirefoxProfilesTest, TheAppdataNameMatchesInAnyCase) {
    locations.variables = {{"HOME", "/nonexistent"},
                           {"AppData", (temp.path() / "appdata").string()}};
    fs::create_directories(profiles() / "p");
    EXPECT_EQ(applyDefault(), 1);
    EXPECT_EQ(readFile(profiles() / "p" / "user.js"), kDefaultPreferences);
}

TEST_F(FirefoxProfilesTest, AnUnusableAppdataValueMeansNoProfilesFolder) {
    locations.roots = {temp.path() / "platform"};
    fs::create_directories(temp.path() / "platform" / "p");
    writeFile(temp.path() / "platform" / "p" / "prefs.js", "");
    for (const char* value : {"", "relative/appdata", "appdata"}) {
        locations.variables = {{"APPDATA", value}};
        EXPECT_TRUE(firefoxProfileRoots(locations).empty()) << value;
        EXPECT_EQ(applyOptimized(), 0) << value;
    }
    EXPECT_FALSE(fs::exists(temp.path() / "platform" / "p" / "user.js"));
}

TEST_F(FirefoxProfilesTest, NoFirefoxAtAllCopiesNothing) {
    EXPECT_EQ(applyOptimized(), 0);  // the profiles folder does not exist
    locations.variables.clear();
    EXPECT_EQ(applyOptimized(), 0);  // no variable and no platform roots
    EXPECT_TRUE(firefoxProfiles(locations).empty());
}

TEST_F(FirefoxProfilesTest, PlatformRootsCountOnlyFoldersThatLookLikeProfiles) {
    locations.variables = {{"HOME", temp.path().string()}};
    const fs::path root = temp.path() / "home" / ".mozilla" / "firefox";
    const fs::path snap = temp.path() / "home" / "snap";
    locations.roots = {root, snap, temp.path() / "missing"};
    writeFile(root / "abc.default-release" / "prefs.js", "");
    writeFile(root / "new.profile" / "times.json", "{}");
    fs::create_directories(root / "Crash Reports");
    fs::create_directories(root / "Pending Pings");
    writeFile(snap / "s.default" / "prefs.js", "");
    EXPECT_EQ(applyOptimized(), 3);
    EXPECT_EQ(readFile(root / "abc.default-release" / "user.js"), kOptimizedPreferences);
    EXPECT_EQ(readFile(root / "new.profile" / "user.js"), kOptimizedPreferences);
    EXPECT_EQ(readFile(snap / "s.default" / "user.js"), kOptimizedPreferences);
    EXPECT_FALSE(fs::exists(root / "Crash Reports" / "user.js"));
    EXPECT_FALSE(fs::exists(root / "Pending Pings" / "user.js"));
}

TEST_F(FirefoxProfilesTest, AProfileReachedThroughTwoRootsGetsOneCopy) {
    locations.variables.clear();
    const fs::path root = temp.path() / "mozilla";
    writeFile(root / "p" / "prefs.js", "");
    std::error_code ec;
    fs::create_directory_symlink(root, temp.path() / "xdg-mozilla", ec);
    if (ec) GTEST_SKIP() << "links cannot be made here: " << ec.message();
    locations.roots = {root, temp.path() / "xdg-mozilla"};
    EXPECT_EQ(firefoxProfiles(locations).size(), 1u);
    EXPECT_EQ(applyOptimized(), 1);
}

TEST(ProfileRootsTest, LinuxAndMacRoots) {
    EXPECT_THAT(linuxProfileRoots("/home/u", ""),
                ::testing::ElementsAre(fs::path("/home/u/.mozilla/firefox"),
                                       fs::path("/home/u/.config/mozilla/firefox"),
                                       fs::path("/home/u/snap/firefox/common/.mozilla/firefox"),
                                       fs::path("/home/u/.var/app/org.mozilla.firefox/.mozilla/"
                                                "firefox")));
    // "/xdg" is absolute only where paths need no drive letter.
    if (fs::path("/xdg").is_absolute()) {
        EXPECT_EQ(linuxProfileRoots("/home/u", "/xdg")[1], fs::path("/xdg/mozilla/firefox"));
    }
    EXPECT_EQ(linuxProfileRoots("/home/u", "rel")[1], fs::path("/home/u/.config/mozilla/firefox"));
    EXPECT_THAT(
        macProfileRoots("/Users/u"),
        ::testing::ElementsAre(fs::path("/Users/u/Library/Application Support/Firefox/Profiles")));
}

TEST_F(FirefoxProfilesTest, LinkedProfilesCountAndALinkedUserJsIsReplacedNotWrittenThrough) {
    const fs::path elsewhere = temp.path() / "other-disk" / "profile";
    fs::create_directories(elsewhere);
    fs::create_directories(profiles());
    std::error_code ec;
    fs::create_directory_symlink(elsewhere, profiles() / "linked.default", ec);
    if (ec) GTEST_SKIP() << "links cannot be made here: " << ec.message();
    const fs::path shared = temp.path() / "shared-user.js";
    writeFile(shared, "user_pref(\"mine\", 1);\n");
    fs::create_directories(profiles() / "p");
    fs::create_symlink(shared, profiles() / "p" / "user.js", ec);
    if (ec) GTEST_SKIP() << "links cannot be made here: " << ec.message();

    EXPECT_EQ(applyOptimized(), 2);
    EXPECT_EQ(readFile(elsewhere / "user.js"), kOptimizedPreferences);
    EXPECT_FALSE(fs::is_symlink(profiles() / "p" / "user.js"));
    EXPECT_EQ(readFile(profiles() / "p" / "user.js"), kOptimizedPreferences);
    EXPECT_EQ(readFile(shared), "user_pref(\"mine\", 1);\n");
    EXPECT_EQ(readFile(profiles() / "p" / "user.js.backup"), "user_pref(\"mine\", 1);\n");
}

TEST_F(FirefoxProfilesTest, TheUsersOwnFileIsKeptOnceAndNeverOverwritten) {
    const fs::path p = profiles() / "p";
    writeFile(p / "user.js", "user_pref(\"mine\", 1);\n");
    EXPECT_EQ(applyOptimized(), 1);
    EXPECT_EQ(readFile(p / "user.js"), kOptimizedPreferences);
    EXPECT_EQ(readFile(p / "user.js.backup"), "user_pref(\"mine\", 1);\n");

    // Switching between the shipped sets keeps nothing more.
    EXPECT_EQ(applyDefault(), 1);
    EXPECT_EQ(applyOptimized(), 1);
    EXPECT_THAT(namesIn(p), UnorderedElementsAre("user.js", "user.js.backup"));

    // New preferences of the user's own get a stamped backup; the first one stays.
    writeFile(p / "user.js", "user_pref(\"mine\", 2);\n");
    EXPECT_EQ(applyDefault(), 1);
    EXPECT_EQ(readFile(p / "user.js"), kDefaultPreferences);
    EXPECT_EQ(readFile(p / "user.js.backup"), "user_pref(\"mine\", 1);\n");
    EXPECT_EQ(readFile(p / "user.js.backup-20261209-051530"), "user_pref(\"mine\", 2);\n");

    writeFile(p / "user.js", "user_pref(\"mine\", 3);\n");
    EXPECT_EQ(applyDefault(), 1);
    EXPECT_EQ(readFile(p / "user.js.backup-20261209-051530-2"), "user_pref(\"mine\", 3);\n");
    EXPECT_EQ(readFile(p / "user.js.backup-20261209-051530"), "user_pref(\"mine\", 2);\n");
}

TEST_F(FirefoxProfilesTest, AProfileThatCannotBeWrittenDoesNotStopTheOthers) {
    fs::create_directories(profiles() / "a" / "user.js");  // a folder where the file should be
    fs::create_directories(profiles() / "b");
    fs::create_directories(profiles() / "c");
    EXPECT_EQ(applyOptimized(), 2);
    EXPECT_TRUE(fs::is_directory(profiles() / "a" / "user.js"));
    EXPECT_THAT(namesIn(profiles() / "a"), UnorderedElementsAre("user.js"));  // no leftovers
    EXPECT_EQ(readFile(profiles() / "b" / "user.js"), kOptimizedPreferences);
    EXPECT_EQ(readFile(profiles() / "c" / "user.js"), kOptimizedPreferences);
}

// A program copied on its own still tunes Firefox; files beside it (or in the shared data
// folder) that differ from the compiled-in sets are what gets copied.
TEST_F(FirefoxProfilesTest, TheShippedFilesWinAndWithoutThemTheBuiltInSetsAreCopied) {
    const fs::path bin = temp.path() / "usr" / "bin";
    const fs::path share = temp.path() / "usr" / "share" / "quorvex";
    fs::create_directories(bin);
    locations.program = bin;
    fs::create_directories(profiles() / "p");
    const fs::path userJs = profiles() / "p" / "user.js";
    struct Case {
        const char* what;
        std::vector<std::pair<fs::path, std::string>> files;
        std::string_view fileName;
        std::string copied;
    };
    const Case cases[] = {
        {"nothing shipped, optimized",
         {},
         kOptimizedPreferencesFile,
         std::string(kOptimizedPreferences)},
        {"nothing shipped, default", {}, kDefaultPreferencesFile, std::string(kDefaultPreferences)},
        {"only the other set shipped",
         {{bin / "unpipeline.js", "other"}},
         kOptimizedPreferencesFile,
         std::string(kOptimizedPreferences)},
        {"shared data folder",
         {{share / "pipeline.js", "shared"}},
         kOptimizedPreferencesFile,
         "shared"},
        {"beside the program",
         {{share / "pipeline.js", "shared"}, {bin / "pipeline.js", "beside"}},
         kOptimizedPreferencesFile,
         "beside"},
    };
    for (const auto& c : cases) {
        fs::remove_all(bin);
        fs::remove_all(share);
        fs::create_directories(bin);
        fs::remove(userJs);
        for (const auto& [path, bytes] : c.files) writeFile(path, bytes);
        const auto outcome = applyPreferenceSet(locations, clock, c.fileName);
        EXPECT_EQ(outcome.copied, 1) << c.what;
        EXPECT_EQ(outcome.failure, "") << c.what;
        EXPECT_EQ(readFile(userJs), c.copied) << c.what;
    }
}

TEST_F(FirefoxProfilesTest, AShippedSetThatCannotBeReadCopiesNothingAndSaysWhich) {
    writeFile(profiles() / "p" / "user.js", "keep");
    fs::remove(locations.program / "pipeline.js");
    fs::create_directories(locations.program / "pipeline.js");  // present, but no file
    const auto outcome = applyPreferenceSet(locations, clock, kOptimizedPreferencesFile);
    EXPECT_EQ(outcome.copied, 0);
    // The reason is the system's ("not a regular file", "Access is denied").
    const std::string which = (locations.program / "pipeline.js").string() + ": ";
    EXPECT_THAT(outcome.failure, ::testing::StartsWith(which));
    EXPECT_GT(outcome.failure.size(), which.size());
    EXPECT_EQ(readFile(profiles() / "p" / "user.js"), "keep");
    EXPECT_FALSE(CopyFile((temp.path() / "nothing").string(),
                          (profiles() / "p" / "user.js").string(), clock));
}

// The paths are UTF-8 on every platform, not the system's narrow code page.
TEST_F(FirefoxProfilesTest, CopyFileTakesItsPathsAsUtf8) {
    const fs::path source = temp.path() / u8"Zürich" / u8"pipeline.js";
    const fs::path destination = profiles() / u8"wxyz.Zoë" / u8"user.js";
    writeFile(source, "// set");
    fs::create_directories(destination.parent_path());
    const auto utf8 = [](const fs::path& path) {
        const std::u8string text = path.u8string();
        return std::string(text.begin(), text.end());
    };
    EXPECT_TRUE(CopyFile(utf8(source), utf8(destination), clock));
    EXPECT_EQ(readFile(destination), "// set");
}

TEST_F(FirefoxProfilesTest, TheOutcomeCountsProfilesAndCopiesAndNamesTheFirstFailure) {
    struct Case {
        const char* what;
        std::vector<const char*> folderUserJs;  // profiles whose user.js is a folder
        std::vector<const char*> plain;         // ordinary profiles
        int profiles, copied;
        const char* failedProfile;  // nullptr: no failure
    };
    const Case cases[] = {
        {"no profiles folder", {}, {}, 0, 0, nullptr},
        {"every copy failed", {"a"}, {}, 1, 0, "a"},
        {"one of two failed", {"a"}, {"b"}, 2, 1, "a"},
        {"all copied", {}, {"a", "b"}, 2, 2, nullptr},
    };
    for (const auto& c : cases) {
        fs::remove_all(profiles());
        for (const char* name : c.folderUserJs)
            fs::create_directories(profiles() / name / "user.js");
        for (const char* name : c.plain) fs::create_directories(profiles() / name);
        const auto outcome = applyPreferenceSet(locations, clock, kOptimizedPreferencesFile);
        EXPECT_EQ(outcome.profiles, c.profiles) << c.what;
        EXPECT_EQ(outcome.copied, c.copied) << c.what;
        const std::string failure =
            c.failedProfile
                ? (profiles() / c.failedProfile / "user.js").string() + ": not a regular file"
                : "";
        EXPECT_EQ(outcome.failure, failure) << c.what;
    }
}

TEST_F(FirefoxProfilesTest, SetsAreFoundBesideTheProgramOrInTheSharedDataFolder) {
    const fs::path bin = temp.path() / "usr" / "bin";
    const fs::path share = temp.path() / "usr" / "share" / "quorvex";
    fs::create_directories(bin);
    writeFile(share / "pipeline.js", kOptimizedPreferences);
    locations.program = bin;
    EXPECT_EQ(preferenceSetSource(locations, "pipeline.js"), share / "pipeline.js");
    writeFile(bin / "pipeline.js", kOptimizedPreferences);
    EXPECT_EQ(preferenceSetSource(locations, "pipeline.js"), bin / "pipeline.js");
    EXPECT_EQ(preferenceSetSource(locations, "unpipeline.js"), std::nullopt);
}

TEST(BuiltInPreferenceSetsTest, EachShippedNameHasItsSet) {
    EXPECT_EQ(builtInPreferenceSet("pipeline.js"), kOptimizedPreferences);
    EXPECT_EQ(builtInPreferenceSet("unpipeline.js"), kDefaultPreferences);
    EXPECT_TRUE(builtInPreferenceSet("user.js").empty());
}

}  // namespace
}  // namespace quorvex
