#include "cli/command_line_program.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/command_line_world.h"
#include "support/json_syntax.h"
#include "tuning/connection_aliases.h"
#include "tuning/connection_plan.h"
#include "tuning/reg_file_format.h"

namespace quorvex::testing {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;

class CommandLineProgram : public ::testing::TestWithParam<TestRegistryKind> {
  protected:
    CommandLineWorld world{GetParam()};

    // Every planned value of `kind` is what the registry holds.
    void expectPlanStored(ConnectionKind kind) {
        for (const auto& planned : connectionPlan(kind)) {
            const auto stored = world.registry->stored(
                planned.row->hive, std::string(planned.row->keyPath), planned.value.name);
            ASSERT_TRUE(stored) << planned.value.name;
            EXPECT_EQ(stored->type, planned.value.type) << planned.value.name;
            EXPECT_EQ(stored->data, planned.value.data) << planned.value.name;
        }
    }
    bool anyPlanValueStored() {
        for (const auto& planned : connectionPlan(ConnectionKind::Dsl16M))
            if (world.registry->stored(planned.row->hive, std::string(planned.row->keyPath),
                                       planned.value.name))
                return true;
        return false;
    }
};

TEST_P(CommandLineProgram, ListsEveryKindWithItsFullNameAndAlias) {
    ASSERT_EQ(world.run({"list"}), 0);
    const auto lines = world.outLines();
    ASSERT_EQ(lines.size(), kConnectionCount);
    for (const auto& entry : connectionCatalogue()) {
        const std::string& line = lines[static_cast<std::size_t>(entry.position)];
        EXPECT_TRUE(line.starts_with(std::string(connectionAlias(entry.kind)) + " ")) << line;
        EXPECT_THAT(line, EndsWith(std::string(entry.fullName)));
    }
}

TEST_P(CommandLineProgram, AppliesAKindByAliasOrFullNameInAnyCase) {
    const struct {
        const char* name;
        ConnectionKind kind;
    } cases[] = {
        {"dsl-16m", ConnectionKind::Dsl16M},
        {"SATELLITE-2M", ConnectionKind::Satellite2M},
        {"Restore-Defaults", ConnectionKind::RestoreDefaults},
        {"closed networks (home network)", ConnectionKind::ClosedHome},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(world.run({"apply", c.name, "--no-firefox"}), 0) << world.err.str();
        const auto lines = world.outLines();
        ASSERT_EQ(lines.size(), kPlanRows);
        for (const auto& line : lines) EXPECT_THAT(line, EndsWith(", written"));
        expectPlanStored(c.kind);
        EXPECT_EQ(world.settings.read("Values", "Connection"),
                  std::string(connectionType(c.kind).fullName));
        EXPECT_TRUE(world.records.exists(undo::RecordKind::Previous));
    }
}

TEST_P(CommandLineProgram, ShowsEachValueWithWhatItHeldBefore) {
    world.set(Hive::LocalMachine, kNetTrans, "MaxMTU", kRegSz, sz("1500"));
    ASSERT_EQ(world.run({"apply", "dsl-16m", "--no-firefox"}), 0);
    const auto lines = world.outLines();
    ASSERT_EQ(lines.size(), kPlanRows);
    EXPECT_EQ(lines[0], std::string("HKEY_LOCAL_MACHINE\\") + kMstcp +
                            " DefaultRcvWindow: (none) \u2192 374616, written");
    EXPECT_EQ(lines[3], std::string("HKEY_LOCAL_MACHINE\\") + kNetTrans +
                            " MaxMTU: 1500 \u2192 1492, written");
}

TEST_P(CommandLineProgram, RefusesUnknownKindsAsUsageErrorsAndWritesNothing) {
    for (const char* name : {"dsl-16", "dsl16m", "", "DSL Or Cable Modem", "restore defaults"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(world.run({"apply", name}), 2);
        EXPECT_EQ(world.run({"export", name, (world.temp.path() / "x.reg").string()}), 2);
        EXPECT_THAT(world.err.str(), HasSubstr("unknown connection kind"));
        EXPECT_THAT(world.err.str(), HasSubstr("quorvex --help"));
        EXPECT_EQ(world.out.str(), "");
    }
    EXPECT_FALSE(anyPlanValueStored());
    EXPECT_FALSE(world.records.exists(undo::RecordKind::Previous));
    EXPECT_FALSE(std::filesystem::exists(world.temp.path() / "x.reg"));
}

TEST_P(CommandLineProgram, DryRunShowsWhatWouldChangeAndWritesNothing) {
    world.set(Hive::LocalMachine, kNetTrans, "MaxMTU", kRegSz, sz("1492"));
    ASSERT_EQ(world.run({"apply", "dsl-16m", "--dry-run"}), 0);
    auto lines = world.outLines();
    ASSERT_EQ(lines.size(), kPlanRows);
    EXPECT_THAT(lines[0], EndsWith("DefaultRcvWindow: (none) \u2192 374616, would change"));
    EXPECT_THAT(lines[3], EndsWith("MaxMTU: 1492 \u2192 1492, unchanged"));
    EXPECT_FALSE(world.registry->stored(Hive::LocalMachine, kMstcp, "DefaultRcvWindow"));
    EXPECT_FALSE(world.settings.read("Values", "Connection"));
    EXPECT_FALSE(std::filesystem::exists(world.temp.path() / "config"));
    EXPECT_FALSE(std::filesystem::exists(world.temp.path() / "data"));

    ASSERT_EQ(world.run({"apply", "dsl-16m", "--no-firefox"}), 0);
    ASSERT_EQ(world.run({"apply", "dsl-16m", "--dry-run"}), 0);
    for (const auto& line : world.outLines()) EXPECT_THAT(line, EndsWith(", unchanged"));
}

TEST_P(CommandLineProgram, TunesFirefoxUnlessToldNot) {
    std::filesystem::create_directories(world.profile());
    ASSERT_EQ(world.run({"apply", "dsl-16m", "--no-firefox"}), 0);
    EXPECT_FALSE(std::filesystem::exists(world.profile() / "user.js"));
    ASSERT_EQ(world.run({"apply", "dsl-16m"}), 0);
    EXPECT_EQ(readFile(world.profile() / "user.js"), kOptimizedPreferences);
}

TEST_P(CommandLineProgram, VerifyFindsDriftAndNamesIt) {
    EXPECT_EQ(world.run({"verify"}), 1);
    EXPECT_THAT(world.err.str(), HasSubstr("no connection kind has been applied yet"));

    ASSERT_EQ(world.run({"apply", "satellite-2m", "--no-firefox"}), 0);
    EXPECT_EQ(world.run({"verify"}), 0) << world.out.str();
    EXPECT_EQ(world.out.str(), "All 18 values match the saved choices.\n");

    world.set(Hive::LocalMachine, kNetTrans, "MaxMTU", kRegSz, sz("1400"));
    EXPECT_EQ(world.run({"verify"}), 1);
    EXPECT_EQ(world.out.str(), std::string("HKEY_LOCAL_MACHINE\\") + kNetTrans +
                                   " MaxMTU: expected 1500, found 1400\n"
                                   "1 of the 18 values differ from the saved choices.\n");
    // The same number as a REG_DWORD is not what the program writes.
    world.set(Hive::LocalMachine, kNetTrans, "MaxMTU", kRegDword, {0xDC, 0x05, 0, 0});
    EXPECT_EQ(world.run({"verify"}), 1);
    EXPECT_THAT(world.out.str(), HasSubstr("MaxMTU: expected 1500, found 1500\n"));
}

TEST_P(CommandLineProgram, UndoPutsBackWhatApplyChanged) {
    EXPECT_EQ(world.run({"undo"}), 1);
    EXPECT_THAT(world.err.str(), HasSubstr("There is no change to undo"));

    world.set(Hive::LocalMachine, kNetTrans, "MaxMTU", kRegSz, sz("1400"));
    ASSERT_EQ(world.run({"apply", "dsl-16m", "--no-firefox"}), 0);
    ASSERT_EQ(world.run({"apply", "wireless-gprs", "--no-firefox"}), 0);
    ASSERT_EQ(world.run({"undo"}), 0) << world.err.str();
    for (const auto& line : world.outLines()) EXPECT_THAT(line, EndsWith(", put back"));
    EXPECT_THAT(world.out.str(), HasSubstr("MaxMTU: 1476 \u2192 1492, put back"));
    expectPlanStored(ConnectionKind::Dsl16M);

    ASSERT_EQ(world.run({"undo", "--original"}), 0) << world.err.str();
    EXPECT_EQ(world.registry->stored(Hive::LocalMachine, kNetTrans, "MaxMTU")->data, sz("1400"));
    EXPECT_FALSE(world.registry->stored(Hive::LocalMachine, kMstcp, "DefaultRcvWindow"));
    EXPECT_FALSE(world.settings.read("Values", "Connection"));
}

TEST_P(CommandLineProgram, ExportWritesAFileTheRegistryEditorReadsBack) {
    const auto file = world.temp.path() / "dsl.reg";
    ASSERT_EQ(world.run({"export", "dsl-16m", file.string()}), 0) << world.err.str();
    const auto data = parseRegFile(readFile(file));
    ASSERT_TRUE(data);
    for (const auto& planned : connectionPlan(ConnectionKind::Dsl16M)) {
        const RegValue* value =
            data->value(planned.row->hive, std::string(planned.row->keyPath), planned.value.name);
        ASSERT_TRUE(value) << planned.value.name;
        EXPECT_EQ(*value, planned.value);
    }
    EXPECT_FALSE(anyPlanValueStored());

    EXPECT_EQ(world.run({"export", "dsl-16m", (world.temp.path() / "no" / "x.reg").string()}), 1);
    EXPECT_THAT(world.err.str(), HasSubstr("could not be written"));
}

TEST_P(CommandLineProgram, JsonIsOneWellFormedObjectWithTheExitStatus) {
    const auto file = (world.temp.path() / "j.reg").string();
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{"list", "--json"}, 0},
        {{"verify", "--json"}, 1},
        {{"undo", "--json"}, 1},
        {{"apply", "dsl-16m", "--dry-run", "--json"}, 0},
        {{"apply", "dsl-16m", "--json"}, 0},
        {{"verify", "--json"}, 0},
        {{"export", "dsl-16m", file, "--json"}, 0},
        {{"undo", "--json"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        EXPECT_EQ(world.run(c.args), c.status);
        EXPECT_TRUE(JsonSyntax::wellFormed(world.out.str())) << world.out.str();
        if (c.args[0] == "list") continue;
        EXPECT_THAT(world.out.str(), HasSubstr("\"status\":" + std::to_string(c.status) + "}"));
    }
}

INSTANTIATE_TEST_SUITE_P(Stores, CommandLineProgram, ::testing::ValuesIn(testRegistryKinds()),
                         [](const auto& info) { return info.param.name; });

TEST(CommandLineProgramOnMemory, EveryRefusedValueFailsTheCommandWithTheSystemsReason) {
    CommandLineWorld world{testRegistryKinds().front()};
    auto& memory = static_cast<MemoryRegistryBackend&>(world.registry->backend());
    refuseAsStandardUser(memory);
    EXPECT_EQ(world.run({"apply", "dsl-16m", "--no-firefox"}), 1);
    const auto lines = world.outLines();
    ASSERT_EQ(lines.size(), kPlanRows);
    int failed = 0;
    for (const auto& line : lines)
        if (line.ends_with(", failed: Access is denied")) ++failed;
    EXPECT_EQ(failed, 16);
    EXPECT_THAT(world.err.str(), HasSubstr("16 of the 18 registry values could not be written"));
}

TEST(CommandLineProgramHelp, NamesEveryCommandAndTheExitStatuses) {
    CommandLineWorld world{testRegistryKinds().front()};
    EXPECT_EQ(world.run({"apply", "--help"}), 0);
    for (const char* word : {"list", "apply CONNECTION", "--dry-run", "--no-firefox", "verify",
                             "export", "undo", "--original", "--json", "Exit status"})
        EXPECT_THAT(world.out.str(), HasSubstr(word));
    EXPECT_EQ(world.run({"bogus"}), 2);
    EXPECT_EQ(world.err.str(),
              "quorvex: unknown command \"bogus\"\nTry 'quorvex --help' for more information.\n");
}

}  // namespace
}  // namespace quorvex::testing
