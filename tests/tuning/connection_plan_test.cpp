#include "tuning/connection_plan.h"

#include <gtest/gtest.h>

#include "support/command_world.h"
#include "tuning/reg_file_format.h"

namespace quorvex::testing {
namespace {

// The plan is what "Everything Automatically" really writes, kind by kind, from a window that
// had chosen another kind before (so no value comes from the window's earlier state).
TEST(ConnectionPlan, IsWhatTheAutomaticOptimizationWritesForEveryKind) {
    for (const auto& entry : connectionCatalogue()) {
        SCOPED_TRACE(std::string(entry.fullName));
        CommandWorld world;
        world.addProfile();
        world.choose(connectionType(ConnectionKind::ClosedHome).fullName);
        world.commands.automaticOptimization();
        world.choose(entry.fullName);
        world.commands.automaticOptimization();
        const auto plan = connectionPlan(entry.kind);
        ASSERT_EQ(plan.size(), kPlanRows);
        for (const auto& planned : plan) {
            const RegValue* written = world.registry.data().value(
                planned.row->hive, std::string(planned.row->keyPath), planned.value.name);
            ASSERT_TRUE(written) << planned.value.name;
            EXPECT_EQ(written->type, planned.value.type) << planned.value.name;
            EXPECT_EQ(written->data, planned.value.data) << planned.value.name;
        }
    }
}

TEST(ConnectionPlan, RegFileHoldsExactlyThePlan) {
    const auto text = connectionPlanRegFile(ConnectionKind::Satellite2M);
    EXPECT_TRUE(text.starts_with("REGEDIT4\r\n"));
    const auto data = parseRegFile(text);
    ASSERT_TRUE(data);
    RegistryData expected;
    for (const auto& planned : connectionPlan(ConnectionKind::Satellite2M)) {
        const std::string path(planned.row->keyPath);
        expected.createKey(planned.row->hive, path);
        expected.setValue(planned.row->hive, path, planned.value.name, planned.value.type,
                          planned.value.data);
    }
    EXPECT_EQ(*data, expected);
    EXPECT_NE(text.find("\"MaxMTU\"=\"1500\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("\"MaxCmds\"=dword:"), std::string::npos);
}

}  // namespace
}  // namespace quorvex::testing
