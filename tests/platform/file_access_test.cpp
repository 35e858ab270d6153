#include "platform/file_access.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "support/command_world.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using namespace quorvex::testing;

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FileAccessTest, ReplacingCreatesOrReplacesWholeAndLeavesNoTemporaryFile) {
    TempDir temp;
    const fs::path file = temp.path() / "store.txt";
    ASSERT_TRUE(replaceFileAtomically(file, "first", "store.txt.tmp."));
    EXPECT_EQ(readFile(file), "first");
    ASSERT_TRUE(replaceFileAtomically(file, std::string(100000, 'x'), "store.txt.tmp."));
    EXPECT_EQ(fs::file_size(file), 100000u);
    EXPECT_EQ(namesIn(temp.path()), (std::vector<std::string>{"store.txt"}));

    const FileResult failed =
        replaceFileAtomically(temp.path() / "missing" / "x.txt", "bytes", "x.txt.tmp.");
    EXPECT_FALSE(failed);
    EXPECT_FALSE(failed.reason.empty());
}

TEST(FileAccessTest, ReadingKeepsToTheSizeLimitAndTellsAMissingFile) {
    TempDir temp;
    writeFile(temp.path() / "ten", "0123456789");
    std::string text;
    bool missing = true;
    EXPECT_TRUE(readRegularFile(temp.path() / "ten", 10, text, &missing));
    EXPECT_EQ(text, "0123456789");
    EXPECT_FALSE(missing);
    const FileResult tooLarge = readRegularFile(temp.path() / "ten", 9, text, &missing);
    EXPECT_FALSE(tooLarge);
    EXPECT_TRUE(text.empty());
    EXPECT_FALSE(missing);
    EXPECT_FALSE(readRegularFile(temp.path() / "none", 10, text, &missing));
    EXPECT_TRUE(missing);
    EXPECT_FALSE(readRegularFile(temp.path(), 10, text, &missing));  // a folder
    EXPECT_FALSE(missing);
}

TEST(FileAccessTest, OnlyOldFilesOfTheGivenPrefixAreStale) {
    TempDir temp;
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(2);
    for (const char* name : {"a.tmp.old1", "a.tmp.old2", "a.tmp.new", "a.tmp.", "b.tmp.old"}) {
        writeFile(temp.path() / name, "x");
        if (std::string(name).find("old") != std::string::npos)
            fs::last_write_time(temp.path() / name, old);
    }
    EXPECT_EQ(removeStaleTemporaryFiles(temp.path(), "a.tmp.", 3600), 2);
    EXPECT_EQ(namesIn(temp.path()), (std::vector<std::string>{"a.tmp.", "a.tmp.new", "b.tmp.old"}));
    EXPECT_EQ(removeStaleTemporaryFiles(temp.path(), "a.tmp.", 0), 1);
}

}  // namespace
}  // namespace quorvex
