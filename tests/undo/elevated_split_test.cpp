#include "tuning/elevated_rows_backend.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/value_lines.h"
#include "commands/advanced_apply.h"
#include "commands/automatic_optimization.h"
#include "support/command_world.h"
#include "tuning/registry_batch.h"
#include "undo/elevated_hand_over.h"
#include "undo/record_store.h"
#include "undo/tracked_values.h"
#include "undo/undo_commands.h"
#include "undo/undo_recorder.h"

namespace quorvex {
namespace {

using namespace quorvex::testing;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

constexpr const char* kDsl16M = "DSL Or Cable Modem (16 Megabit And Up)";
constexpr const char* kExplorer =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr const char* kInternet = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// The registry as a process of a standard user sees it: every create, open for writing, write
// and deletion under a key that needs administrator rights is refused, as Windows refuses it;
// with `administrator` set the process has the rights.
class StandardUserRegistry : public RegistryBackend {
  public:
    explicit StandardUserRegistry(MemoryRegistryBackend& machine) : machine_(machine) {}
    long createKey(Hive hive, const std::string& path, RegKey& key) override {
        if (refused(hive, path)) return kRegAccessDenied;
        return machine_.createKey(hive, path, key);
    }
    long openKey(Hive hive, const std::string& path, RegKey& key) override {
        if (refused(hive, path)) return kRegAccessDenied;
        return machine_.openKey(hive, path, key);
    }
    long setValue(RegKey key, const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data) override {
        return machine_.setValue(key, name, type, data);
    }
    void closeKey(RegKey key) override { machine_.closeKey(key); }
    long queryValue(Hive hive, const std::string& path, const std::string& name,
                    std::uint32_t& type, std::vector<std::uint8_t>& data) override {
        return machine_.queryValue(hive, path, name, type, data);
    }
    long deleteValue(RegKey key, const std::string& name) override {
        return machine_.deleteValue(key, name);
    }
    long beginBatch() override { return machine_.beginBatch(); }
    long commitBatch() override { return machine_.commitBatch(); }
    void abandonBatch() override { machine_.abandonBatch(); }

    bool administrator = false;

  private:
    bool refused(Hive hive, const std::string& path) const {
        return !administrator && needsAdministrator(hive, path);
    }
    MemoryRegistryBackend& machine_;
};

// The elevated side as the program runs it: the writes go through the hand-over's text and back,
// are made on the machine's registry in one batch, and their results come back as text. A test
// can make the user decline, or one value be refused.
class HandOverWriter : public ElevatedWriter {
  public:
    explicit HandOverWriter(MemoryRegistryBackend& machine) : machine_(machine) {}
    HeldBackResults write(const std::vector<HeldBackWrite>& writes) override {
        calls.push_back(writes);
        if (declined)
            return refuseAll(writes.size(),
                             {{}, std::string(kElevationDeclinedReason), kElevationDeclined});
        std::string error;
        const auto handOver =
            undo::parseHandOver(undo::handOverText({"S-1-5-21-1-2-3-1001", writes}), error);
        EXPECT_TRUE(handOver) << error;
        if (!handOver) return refuseAll(writes.size(), {{}, error, 0});
        for (const auto& name : refusedNames) machine_.failValue(name, 21);
        auto results = undo::parseResults(
            undo::resultsText(undo::makeHandedWrites(machine_, handOver->writes)), writes.size());
        EXPECT_TRUE(results);
        return results ? *results : HeldBackResults{};
    }
    std::vector<std::string> names(std::size_t call = 0) const {
        std::vector<std::string> seen;
        for (const auto& write : calls.at(call)) seen.push_back(write.valueName);
        return seen;
    }

    std::vector<std::vector<HeldBackWrite>> calls;
    bool declined = false;
    std::vector<std::string> refusedNames;

  private:
    MemoryRegistryBackend& machine_;
};

// The window's program of a standard user (or of an administrator's unelevated window) on
// Windows: its registry holds back what needs rights and hands it to the writer.
struct SplitWorld {
    SplitWorld() {
        locations.program = temp.path() / "program";
        writeFile(locations.program / "pipeline.js", kOptimizedPreferences);
        writeFile(locations.program / "unpipeline.js", kDefaultPreferences);
        locations.variables = {{"APPDATA", (temp.path() / "appdata").string()}};
        // One Firefox profile, so that Firefox is tuned without a box of its own.
        std::filesystem::create_directories(temp.path() / "appdata" / "Mozilla" / "Firefox" /
                                            "Profiles" / "a.default");
        restoreWindowState(window, storage);
        window.controls().setListText("Combo3", kDsl16M);
    }
    std::string machineText(Hive hive, const std::string& path, const std::string& name) const {
        return regText(machine.data(), hive, path, name);
    }
    // The tracked values as the machine holds them: "<missing>" for each one absent.
    std::vector<std::string> trackedTexts() const {
        std::vector<std::string> texts;
        for (const auto& value : undo::trackedValues())
            texts.push_back(machineText(value.hive, value.keyPath, value.valueName));
        return texts;
    }

    TempDir temp;
    MemoryRegistryBackend machine;
    StandardUserRegistry user{machine};
    HandOverWriter writer{machine};
    FakeElevation elevation;
    ElevatedRowsBackend registry{user, &elevation, &writer};
    WindowModel window;
    RecordingSettingsStorage storage;
    FakePrompts prompts;
    FakeEventPump events;
    FakeLocations locations;
    FixedClock clock;
    undo::RecordStore records{temp.path() / "data" / "Quorvex"};
    undo::UndoRecorder recorder{records};
    TuningCommands commands{CommandContext{
        {registry, storage, prompts, events, locations, clock}, window, &recorder, &elevation}};
    undo::UndoCommands undo{commands, records};
};

// The sixteen values that need administrator rights, in plan order.
std::vector<std::string> rowsNeedingRights(std::span<const PlanRow> plan) {
    std::vector<std::string> names;
    for (const auto& row : plan)
        if (needsAdministrator(row.hive, row.keyPath)) names.emplace_back(row.valueName);
    return names;
}

TEST(ElevatedSplitTest, OnlyTheMachineRowsAndTheExplorerPolicyNeedRights) {
    const auto names = rowsNeedingRights(optimizationWritePlan());
    EXPECT_EQ(names.size(), 16u);
    EXPECT_TRUE(needsAdministrator(Hive::CurrentUser, kExplorer));
    EXPECT_TRUE(needsAdministrator(
        Hive::CurrentUser, "software\\microsoft\\windows\\currentversion\\policies\\EXPLORER"));
    EXPECT_FALSE(needsAdministrator(Hive::CurrentUser, kInternet));
    EXPECT_FALSE(needsAdministrator(Hive::CurrentUser, "Software\\Quorvex"));
    EXPECT_TRUE(needsAdministrator(Hive::LocalMachine, "Software\\Anything"));
}

TEST(ElevatedSplitTest, EachCommandHandsOverTheRowsNeedingRightsInOneGoAndWritesTheRestItself) {
    struct Case {
        const char* name;
        std::function<bool(SplitWorld&)> run;
        std::span<const PlanRow> plan;
    };
    const Case cases[] = {
        {"automatic", [](SplitWorld& w) { return w.commands.automaticOptimization(); },
         optimizationWritePlan()},
        {"advanced", [](SplitWorld& w) { return w.commands.advancedApply(); }, advancedWritePlan()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SplitWorld world;
        ASSERT_TRUE(c.run(world));
        ASSERT_EQ(world.writer.calls.size(), 1u);
        EXPECT_THAT(world.writer.names(), ElementsAreArray(rowsNeedingRights(c.plan)));
        for (const auto& write : world.writer.calls[0]) EXPECT_FALSE(write.remove);
        // Every value is in place, the restart is offered and no box says otherwise.
        for (const auto& row : c.plan)
            EXPECT_NE(
                world.machineText(row.hive, std::string(row.keyPath), std::string(row.valueName)),
                "<missing>")
                << row.valueName;
        EXPECT_EQ(world.prompts.restarts, 1);
        EXPECT_EQ(world.prompts.shown.size(), 1u);  // the confirmation only
        EXPECT_EQ(world.storage.value("Values", "Connection"), kDsl16M);
    }
}

TEST(ElevatedSplitTest, AnElevatedProcessWritesEverythingItselfAndAsksForNothing) {
    SplitWorld world;
    world.elevation.value = true;
    world.user.administrator = true;
    ASSERT_TRUE(world.commands.automaticOptimization());
    EXPECT_TRUE(world.writer.calls.empty());
    for (const auto& row : optimizationWritePlan())
        EXPECT_NE(world.machineText(row.hive, std::string(row.keyPath), std::string(row.valueName)),
                  "<missing>")
            << row.valueName;
    EXPECT_EQ(world.prompts.restarts, 1);
}

TEST(ElevatedSplitTest, WithoutAWriterTheRefusalsAreReportedAsBefore) {
    SplitWorld world;
    ElevatedRowsBackend direct(world.user, &world.elevation, nullptr);
    CommandContext context{
        {direct, world.storage, world.prompts, world.events, world.locations, world.clock},
        world.window,
        nullptr,
        &world.elevation};
    TuningCommands commands(context);
    ASSERT_TRUE(commands.automaticOptimization());
    EXPECT_TRUE(world.writer.calls.empty());
    expectRefusedValuesBox(world.prompts,
                           "16 of the 18 registry values could not be written. Run Quorvex as "
                           "administrator and try again.");
}

TEST(ElevatedSplitTest, DecliningLeavesTheValuesNeedingRightsUntouchedAndSaysSo) {
    SplitWorld world;
    world.writer.declined = true;
    ASSERT_TRUE(world.commands.automaticOptimization());
    ASSERT_EQ(world.writer.calls.size(), 1u);
    for (const auto& row : optimizationWritePlan()) {
        const std::string text =
            world.machineText(row.hive, std::string(row.keyPath), std::string(row.valueName));
        if (needsAdministrator(row.hive, row.keyPath))
            EXPECT_EQ(text, "<missing>") << row.valueName;
        else
            EXPECT_NE(text, "<missing>") << row.valueName;
    }
    expectRefusedValuesBox(
        world.prompts,
        "16 of the 18 registry values could not be written (\"DefaultRcvWindow\", \"DefaultTTL\", "
        "\"Tcp1323Opts\" and 13 more): Administrator rights were not given, so the values that "
        "need them were left untouched.");
    // The user's own part stands: the choices are saved.
    EXPECT_EQ(world.storage.value("Values", "Connection"), kDsl16M);
}

TEST(ElevatedSplitTest, AnObserverHearsOfTheValuesRefusedWhenTheWritesEnded) {
    SplitWorld world;
    world.writer.declined = true;
    cli::ValueLineRecorder lines(world.registry, "written");
    CommandContext context{
        {world.registry, world.storage, world.prompts, world.events, world.locations, world.clock},
        world.window,
        &world.recorder,
        &world.elevation};
    context.observer = &lines;
    runAutomaticOptimization(context);
    ASSERT_EQ(lines.lines().size(), 18u);
    for (const auto& line : lines.lines()) {
        const bool held =
            line.key.starts_with("HKEY_LOCAL_MACHINE") || line.name == "NoRecentDocsNetHood";
        EXPECT_EQ(line.status, held ? "failed" : "written") << line.name;
        EXPECT_EQ(line.reason.has_value(), held) << line.name;
    }
}

TEST(ElevatedSplitTest, AValueTheElevatedSideRefusesIsNamedWithItsReason) {
    SplitWorld world;
    world.writer.refusedNames = {"MaxCmds"};
    ASSERT_TRUE(world.commands.automaticOptimization());
    expectRefusedValuesBox(world.prompts,
                           "1 of the 18 registry values could not be written (\"MaxCmds\"): error "
                           "21.");
}

TEST(ElevatedSplitTest, UndoHandsOverTheDeletionsAndPutsTheMachineBackAsRecorded) {
    SplitWorld world;
    const auto fresh = world.trackedTexts();
    ASSERT_TRUE(world.commands.automaticOptimization());
    ASSERT_NE(world.trackedTexts(), fresh);
    world.prompts.shown.clear();

    ASSERT_TRUE(world.undo.undoLastChange());
    // The record read the old values through the split: none existed, so each is deleted.
    ASSERT_EQ(world.writer.calls.size(), 2u);
    EXPECT_EQ(world.writer.calls[1].size(), 16u);
    for (const auto& write : world.writer.calls[1]) EXPECT_TRUE(write.remove) << write.valueName;
    EXPECT_EQ(world.trackedTexts(), fresh);
    EXPECT_EQ(world.prompts.restarts, 2);
}

TEST(ElevatedSplitTest, DecliningAnUndoLeavesTheMachineValuesAndSaysSo) {
    SplitWorld world;
    ASSERT_TRUE(world.commands.automaticOptimization());
    const auto applied = world.trackedTexts();
    world.prompts.shown.clear();
    world.writer.declined = true;
    ASSERT_TRUE(world.undo.undoLastChange());
    ASSERT_EQ(world.prompts.shown.size(), 2u);
    EXPECT_THAT(world.prompts.shown[1].text,
                HasSubstr("16 of the 19 tuning values could not be put back"));
    EXPECT_THAT(world.prompts.shown[1].text, HasSubstr("left untouched"));
    // The per-user values went back, the machine's stayed as applied.
    EXPECT_EQ(world.machineText(Hive::CurrentUser, kInternet, "MaxConnectionsPerServer"),
              "<missing>");
    EXPECT_NE(
        world.machineText(Hive::LocalMachine, "System\\CurrentControlSet\\Services\\VxD\\MSTCP",
                          "DefaultRcvWindow"),
        "<missing>");
}

TEST(ElevatedSplitTest, ABatchHandsNothingOverUnlessItsOwnWritesLasted) {
    struct Case {
        const char* name;
        bool commit;
        long failingCommit;
    };
    for (const Case& c : {Case{"abandoned", false, kRegOk}, Case{"failed commit", true, 112}}) {
        SCOPED_TRACE(c.name);
        SplitWorld world;
        world.machine.failCommits(c.failingCommit);
        {
            RegistryBatch batch(world.registry);
            RegKey key = 0;
            ASSERT_EQ(world.registry.createKey(Hive::LocalMachine, "Software\\X", key), kRegOk);
            ASSERT_EQ(world.registry.setValue(key, "A", kRegDword, {1, 0, 0, 0}), kRegOk);
            world.registry.closeKey(key);
            if (c.commit) {
                EXPECT_EQ(batch.commit(), 112);
            }
        }
        EXPECT_TRUE(world.writer.calls.empty());
    }
}

TEST(ElevatedSplitTest, NothingIsHandedOverWhenNoWriteNeedsRights) {
    SplitWorld world;
    RegistryBatch batch(world.registry);
    RegKey key = 0;
    ASSERT_EQ(world.registry.createKey(Hive::CurrentUser, kInternet, key), kRegOk);
    ASSERT_EQ(world.registry.setValue(key, "MaxConnectionsPerServer", kRegDword, {8, 0, 0, 0}),
              kRegOk);
    world.registry.closeKey(key);
    EXPECT_EQ(batch.commit(), kRegOk);
    EXPECT_TRUE(batch.refusedAtCommit().empty());
    EXPECT_TRUE(world.writer.calls.empty());
    EXPECT_EQ(world.machineText(Hive::CurrentUser, kInternet, "MaxConnectionsPerServer"), "#8");
    EXPECT_EQ(world.machine.openHandles(), 0u);
}

TEST(ElevatedSplitTest, AWriteOutsideABatchIsHandedOverAtOnceAndDescribesItsRefusal) {
    SplitWorld world;
    world.writer.declined = true;
    RegKey key = 0;
    ASSERT_EQ(world.registry.createKey(Hive::CurrentUser, kExplorer, key), kRegOk);
    const long status =
        world.registry.setValue(key, "NoRecentDocsNetHood", kRegDword, {1, 0, 0, 0});
    EXPECT_EQ(status, kElevationDeclined);
    EXPECT_EQ(world.registry.describeFailure(status).reason, kElevationDeclinedReason);
    world.registry.closeKey(key);
    EXPECT_EQ(world.writer.calls.size(), 1u);
    // Another call forgets the refusal: its own status speaks for itself.
    EXPECT_EQ(world.registry.describeFailure(kElevationDeclined).reason, "error 1223");
}

}  // namespace
}  // namespace quorvex
