#include "tuning/connection_aliases.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quorvex {
namespace {

TEST(ConnectionAliases, EveryKindHasItsOwnLowerCaseAliasWithoutSpaces) {
    std::set<std::string> seen;
    for (const auto& entry : connectionCatalogue()) {
        const std::string alias(connectionAlias(entry.kind));
        EXPECT_TRUE(seen.insert(alias).second) << alias;
        EXPECT_FALSE(alias.empty());
        for (const char c : alias)
            EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-') << alias;
        EXPECT_EQ(findConnectionByName(alias), &entry) << alias;
        EXPECT_EQ(findConnectionByName(entry.fullName), &entry) << entry.fullName;
    }
}

TEST(ConnectionAliases, FindsByAliasOrFullNameInAnyCaseAndNothingElse) {
    const struct {
        const char* text;
        const ConnectionType* found;
    } cases[] = {
        {"dsl-16m", &connectionType(ConnectionKind::Dsl16M)},
        {"DSL-16M", &connectionType(ConnectionKind::Dsl16M)},
        {"Satellite-2M", &connectionType(ConnectionKind::Satellite2M)},
        {"restore-defaults", &connectionType(ConnectionKind::RestoreDefaults)},
        {"restore windows default settings", &connectionType(ConnectionKind::RestoreDefaults)},
        {"Satellite (Up To 512 KBs)", &connectionType(ConnectionKind::SatelliteUpTo512K)},
        {"dsl-16", nullptr},
        {"dsl-16m ", nullptr},
        {"Dsl16M", nullptr},
        {"18", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) EXPECT_EQ(findConnectionByName(c.text), c.found) << c.text;
}

}  // namespace
}  // namespace quorvex
