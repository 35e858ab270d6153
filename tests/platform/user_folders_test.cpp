#include "platform/user_folders.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

using Text = std::optional<std::string>;

TEST(UserFoldersTest, AnUnusableHomeFallsBackToTheAccountsAndRelativeXdgIsIgnored) {
    struct Case {
        Text home, xdgData, xdgConfig, account;
        const char* data;
        const char* config;
    };
    const Case cases[] = {
        {"/home/u", {}, {}, "/home/acct", "/home/u/.local/share", "/home/u/.config"},
        {{}, {}, {}, "/home/acct", "/home/acct/.local/share", "/home/acct/.config"},
        {"", {}, {}, "/home/acct", "/home/acct/.local/share", "/home/acct/.config"},
        {"/", {}, {}, "/home/acct", "/home/acct/.local/share", "/home/acct/.config"},
        {"//", {}, {}, "/home/acct", "/home/acct/.local/share", "/home/acct/.config"},
        {"relative/home", {}, {}, "/home/acct", "/home/acct/.local/share", "/home/acct/.config"},
        {"/home/u", "/data", "/conf", {}, "/data", "/conf"},
        {"/home/u", "rel/data", "./conf", {}, "/home/u/.local/share", "/home/u/.config"},
        {"/home/u", "/", "", {}, "/home/u/.local/share", "/home/u/.config"},
        // No usable home anywhere: no folder at all, never the root or the working folder.
        {{}, {}, {}, {}, "", ""},
        {"/", {}, {}, "/", "", ""},
        {"", "/data", {}, "", "/data", ""},
    };
    for (const auto& c : cases) {
        int asked = 0;
        const UserFolders folders = userFoldersFrom(c.home, c.xdgData, c.xdgConfig, [&]() -> Text {
            ++asked;
            return c.account;
        });
        EXPECT_EQ(folders.data.string(), c.data) << c.home.value_or("<unset>");
        EXPECT_EQ(folders.config.string(), c.config) << c.home.value_or("<unset>");
        if (c.home == Text("/home/u")) {
            EXPECT_EQ(asked, 0);
        }
    }
}

TEST(UserFoldersTest, TheStoresLiveInAQuorvexFolder) {
    const UserFolders folders{"/d", "/c"};
    EXPECT_EQ(registryStorePath(folders).string(), "/d/Quorvex/registry.reg");
    EXPECT_EQ(settingsFilePath(folders).string(), "/c/Quorvex/Quorvex.ini");
    EXPECT_TRUE(registryStorePath(UserFolders{}).empty());
    EXPECT_TRUE(settingsFilePath(UserFolders{}).empty());
}

}  // namespace
}  // namespace quorvex
