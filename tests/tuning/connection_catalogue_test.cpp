#include "tuning/connection_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quorvex {
namespace {

TEST(ConnectionCatalogueTest, TableInvariants) {
    const auto& catalogue = connectionCatalogue();
    std::set<std::string_view> names, controls, keys;
    int perGroup[6] = {};
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const auto& e = catalogue[i];
        EXPECT_EQ(e.position, static_cast<int>(i));
        EXPECT_EQ(static_cast<std::size_t>(e.kind), i);
        EXPECT_EQ(e.mss, e.mtu - 40) << e.name;
        names.insert(e.fullName);
        controls.insert(e.optionControl);
        keys.insert(e.settingsKey);
        ++perGroup[static_cast<int>(e.group)];
    }
    EXPECT_EQ(names.size(), 27u);
    EXPECT_EQ(controls.size(), 27u);
    EXPECT_EQ(keys.size(), 27u);
    EXPECT_EQ(perGroup[0], 10);
    EXPECT_EQ(perGroup[1], 5);
    EXPECT_EQ(perGroup[2], 3);
    EXPECT_EQ(perGroup[3], 5);
    EXPECT_EQ(perGroup[4], 3);
    EXPECT_EQ(perGroup[5], 1);
    for (const char* unused : {"9", "10", "11", "12", "13", "14", "15", "26", "34"})
        EXPECT_EQ(findConnectionBySettingsKey(unused), nullptr) << unused;
}

TEST(ConnectionCatalogueTest, NotableEntries) {
    const auto& restore = connectionType(ConnectionKind::RestoreDefaults);
    EXPECT_EQ(restore.caption, "Default Windows Settings ");
    EXPECT_EQ(restore.settingsKey, "35");
    EXPECT_EQ(connectionType(ConnectionKind::Dsl4M).settingsKey, "48");
    EXPECT_EQ(connectionType(ConnectionKind::Dsl4M).position, 5);
    EXPECT_EQ(findConnectionByFullName("Closed Networks (Home Network)")->rwin,
              findConnectionByFullName("Closed Networks (Company Network)")->rwin);
    EXPECT_EQ(connectionType(ConnectionKind::Satellite1M).optionControl, "Option19");
    EXPECT_EQ(findConnectionByFullName("closed networks (home network)"), nullptr);
    EXPECT_EQ(groupHeading(ConnectionGroup::DialUp), "Dail Up Over Fixed Line:");
    EXPECT_EQ(groupHeading(ConnectionGroup::Defaults), "");
}

}  // namespace
}  // namespace quorvex
