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

}  // namespace
}  // namespace quorvex::testing
