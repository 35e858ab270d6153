#include "commands/applied_values_check.h"

#include <gtest/gtest.h>

#include "support/command_world.h"

namespace quorvex::testing {
namespace {

class AppliedValuesCheckTest : public ::testing::Test {
  protected:
    AppliedValuesCheckTest() {
        world.addProfile();
        world.choose("DSL Or Cable Modem (16 Megabit And Up)");
        world.commands.automaticOptimization();
    }
    void set(Hive hive, const std::string& path, const std::string& name, std::uint32_t type,
             std::vector<std::uint8_t> data) {
        world.registry.data().createKey(hive, path);
        world.registry.data().setValue(hive, path, name, type, data);
    }
    std::vector<std::string> differing() {
        std::vector<std::string> names;
        for (const auto& value : checkAppliedValues(world.registry, world.storage).values)
            if (!value.matches) names.emplace_back(value.row->valueName);
        return names;
    }
    CommandWorld world;
};

TEST_F(AppliedValuesCheckTest, FindsNothingRightAfterTheCommand) {
    const auto check = checkAppliedValues(world.registry, world.storage);
    EXPECT_TRUE(check.choicesSaved);
    EXPECT_EQ(check.values.size(), kPlanRows);
    EXPECT_EQ(check.differences(), 0u);
}

TEST_F(AppliedValuesCheckTest, NamesEachValueThatDrifted) {
    const std::vector<std::uint8_t> sz1400{'1', '4', '0', '0', 0};
    const struct {
        const char* what;
        std::function<void()> change;
        std::vector<std::string> differing;
    } cases[] = {
        {"a changed text",
         [&] { set(Hive::LocalMachine, kNetTrans, "MaxMTU", kRegSz, sz1400); },
         {"MaxMTU"}},
        {"a text without its closing zero",
         [&] {
             set(Hive::LocalMachine, kNetTrans, "MaxMTU", kRegSz, {'1', '4', '9', '2'});
         },
         {}},
        {"the same number as another type",
         [&] {
             set(Hive::LocalMachine, kNetTrans, "MaxMTU", kRegDword, {0xD4, 0x05, 0, 0});
         },
         {"MaxMTU"}},
        {"a removed value",
         [&] {
             world.registry.data().removeValue(Hive::CurrentUser, kInternet,
                                               "MaxConnectionsPerServer");
         },
         {"MaxConnectionsPerServer"}},
        {"a changed number",
         [&] {
             set(Hive::LocalMachine, kLanman, "MaxThreads", kRegDword, {1, 0, 0, 0});
         },
         {"MaxThreads"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        world.registry.data() = MemoryRegistryBackend().data();
        world.commands.automaticOptimization();
        c.change();
        EXPECT_EQ(differing(), c.differing);
    }
}

TEST_F(AppliedValuesCheckTest, ComparesWithTheSavedChoices) {
    // The saved numbers, not the connection kind's own, are what the values must match.
    world.storage.write("Values", "1", "1400");
    EXPECT_EQ(differing(), (std::vector<std::string>{"MaxMTU", "IPMTU", "(Default)"}));
}

TEST_F(AppliedValuesCheckTest, WithoutSavedChoicesThereIsNothingToCompare) {
    world.storage.remove("Values", "Connection");
    const auto check = checkAppliedValues(world.registry, world.storage);
    EXPECT_FALSE(check.choicesSaved);
    EXPECT_TRUE(check.values.empty());
}

TEST_F(AppliedValuesCheckTest, AValueThatCannotBeReadIsADifferenceWithItsReason) {
    world.registry.refuseReads(Hive::LocalMachine);
    const auto check = checkAppliedValues(world.registry, world.storage);
    ASSERT_EQ(check.values.size(), kPlanRows);
    EXPECT_EQ(check.differences(), 15u);
    ASSERT_TRUE(check.values[0].unreadable);
}

TEST_F(AppliedValuesCheckTest, ReportsEachDifferenceAndTheCountInWords) {
    EXPECT_EQ(appliedValuesReport(checkAppliedValues(world.registry, world.storage)),
              (std::vector<std::string>{"All 18 values match the saved choices."}));

    world.registry.data().removeValue(Hive::CurrentUser, kInternet, "MaxConnectionsPerServer");
    set(Hive::LocalMachine, kLanman, "MaxThreads", kRegDword, {1, 0, 0, 0});
    const auto lines = appliedValuesReport(checkAppliedValues(world.registry, world.storage));
    ASSERT_EQ(lines.size(), 3u);
    const std::string both = lines[0] + "\n" + lines[1];
    for (const char* part : {"MaxThreads: expected ", ", found 1\n", "HKEY_CURRENT_USER\\",
                             "MaxConnectionsPerServer: expected ", ", found (none)"})
        EXPECT_NE((both + "\n").find(part), std::string::npos) << part << " in " << both;
    EXPECT_EQ(lines[2], "2 of the 18 values differ from the saved choices.");

    world.storage.remove("Values", "Connection");
    EXPECT_EQ(appliedValuesReport(checkAppliedValues(world.registry, world.storage)).size(), 1u);
}

}  // namespace
}  // namespace quorvex::testing
