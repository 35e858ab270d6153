#include "platform/folder_access.h"
#include "platform/folder_hold.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "support/command_world.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;

class FolderAccessTest : public ::testing::Test {
  protected:
    FolderAccessTest() {
        testing::writeFile(temp.path() / u8"Zoë" / u8"file.txt", "text");
        fs::create_directories(temp.path() / u8"Zoë" / u8"Zürich");
    }
    fs::path at(const char8_t* relative) const { return temp.path() / relative; }
    testing::TempDir temp;
};

TEST_F(FolderAccessTest, EntriesAreToldApart) {
    struct Case {
        const char8_t* path;
        EntryKind kind;
    };
    const Case cases[] = {
        {u8"Zoë/file.txt", EntryKind::File},
        {u8"Zoë/Zürich", EntryKind::Folder},
        {u8"Zoë", EntryKind::Folder},
        {u8"Zoë/nothing", EntryKind::Missing},
        {u8"nothing/nothing", EntryKind::Missing},
        {u8"Zoë/file.txt/inside", EntryKind::Missing},
    };
    for (const Case& c : cases)
        for (bool follow : {false, true}) {
            const Entry entry = entryAt(at(c.path), follow);
            EXPECT_EQ(entry.kind, c.kind) << at(c.path) << (follow ? " followed" : "");
            EXPECT_TRUE(entry.reason.empty()) << entry.reason;
        }
}

TEST_F(FolderAccessTest, FoldersAreMadeWithTheFoldersAboveThem) {
    std::string reason;
    EXPECT_TRUE(createFolders(at(u8"a/ä/ü"), reason)) << reason;
    EXPECT_EQ(entryAt(at(u8"a/ä/ü"), true).kind, EntryKind::Folder);
    EXPECT_TRUE(createFolders(at(u8"a/ä/ü"), reason)) << reason;  // there already
    EXPECT_TRUE(createFolders(at(u8"Zoë"), reason)) << reason;
    EXPECT_TRUE(reason.empty());

    EXPECT_FALSE(createFolders(at(u8"Zoë/file.txt"), reason));
    EXPECT_FALSE(reason.empty());
    reason.clear();
    EXPECT_FALSE(createFolders(at(u8"Zoë/file.txt/below"), reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_EQ(testing::readFile(at(u8"Zoë/file.txt")), "text");
}

TEST_F(FolderAccessTest, RemovingAFileLeavesNothingThere) {
    EXPECT_TRUE(removeFile(at(u8"Zoë/file.txt")));
    EXPECT_EQ(entryAt(at(u8"Zoë/file.txt"), false).kind, EntryKind::Missing);
    EXPECT_TRUE(removeFile(at(u8"Zoë/file.txt")));  // nothing to remove is no failure
}

TEST_F(FolderAccessTest, SubfoldersAreTheFoldersOnly) {
    fs::create_directories(at(u8"Zoë/.hidden"));
    std::string reason;
    auto found = subfolders(at(u8"Zoë"), reason);
    std::sort(found.begin(), found.end());
    EXPECT_TRUE(reason.empty()) << reason;
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0], at(u8"Zoë/.hidden"));
    EXPECT_EQ(found[1], at(u8"Zoë/Zürich"));

    EXPECT_TRUE(subfolders(at(u8"Zoë/Zürich"), reason).empty());
    EXPECT_TRUE(reason.empty()) << reason;
    EXPECT_TRUE(subfolders(at(u8"nothing"), reason).empty());
    EXPECT_FALSE(reason.empty());
}

TEST_F(FolderAccessTest, TwoSpellingsOfOneFolderHaveOneIdentity) {
    EXPECT_EQ(sameFolderIdentity(at(u8"Zoë/Zürich")),
              sameFolderIdentity(at(u8"Zoë/Zürich/../Zürich")));
    EXPECT_NE(sameFolderIdentity(at(u8"Zoë/Zürich")), sameFolderIdentity(at(u8"Zoë")));
}

TEST_F(FolderAccessTest, OnlyAPlainFolderIsHeld) {
    std::error_code ec;
    fs::create_directory_symlink(at(u8"Zoë"), at(u8"link"), ec);
    struct Case {
        const char8_t* path;
        bool held;
    };
    const Case cases[] = {
        {u8"Zoë", true},      {u8"Zoë/Zürich", true}, {u8"Zoë/file.txt", false},
        {u8"missing", false}, {u8"link", false},  // or missing, where no link can be made
    };
    for (const Case& c : cases) {
        const FolderHold hold(at(c.path));
        EXPECT_EQ(hold.held(), c.held) << reinterpret_cast<const char*>(c.path);
        EXPECT_EQ(hold.error().empty(), c.held) << hold.error();
    }
}

}  // namespace
}  // namespace quorvex
