// A command that a crash cuts short on a registry without transactions is finished at the next
// start from the marker it leaves beside the records.
#include "undo/interrupted_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "undo/undo_world.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::Observed;
using testing::UndoWorld;
using undo::RecordKind;
using undo::Recovery;

constexpr const char* kDsl16M = "DSL Or Cable Modem (16 Megabit And Up)";
constexpr const char* kSatellite6M = "Satellite (6 Megabit And Up)";

class InterruptedCommandTest : public ::testing::Test {
  protected:
    InterruptedCommandTest() : world(testing::testRegistryKinds().front()) {}
    testing::ObservedRegistryBackend& memory() {
        return dynamic_cast<testing::ObservedRegistryBackend&>(world.registry->backend());
    }
    // What a marker at the moment of a write names: nothing when there is none.
    std::optional<RecordKind> markerNow() const {
        bool damaged = false;
        const auto kind = world.records.interruptedCommand(damaged);
        EXPECT_FALSE(damaged);
        return kind;
    }
    Recovery start() {
        return undo::finishInterruptedCommand(world.registry->backend(), world.storage,
                                              world.records);
    }
    UndoWorld world;
};

// The marker follows the record and names the record that gives a whole state: the one before a
// tuning command, the one an undo or restore puts back. It is gone once the command has ended.
TEST_F(InterruptedCommandTest, EveryWriteHappensUnderAMarkerNamingTheWholeStateToGoBackTo) {
    struct Case {
        const char* name;
        std::function<bool()> command;
        RecordKind named;
    };
    const std::vector<Case> cases{
        {"automatic", [&] { return world.commands.automaticOptimization(); }, RecordKind::Previous},
        {"advanced", [&] { return world.commands.advancedApply(); }, RecordKind::Previous},
        {"undo", [&] { return world.undo.undoLastChange(); }, RecordKind::Previous},
        {"restore", [&] { return world.undo.restoreOriginalSettings(); }, RecordKind::Original},
    };
    // A value there before the first command, so that the restore writes one back.
    world.preset(Hive::LocalMachine, "System\\CurrentControlSet\\Services\\VxD\\MSTCP",
                 "DefaultTTL", kRegSz, testing::szBytes("99"));
    bool satellite = false;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Each tuning command changes what the last one wrote, so the undo has values to write.
        satellite = !satellite;
        world.choose(satellite ? kSatellite6M : kDsl16M);
        std::vector<std::optional<RecordKind>> seen;
        memory().beforeWrite = [&](const std::string&) { seen.push_back(markerNow()); };
        ASSERT_TRUE(c.command());
        memory().beforeWrite = nullptr;
        ASSERT_FALSE(seen.empty());
        for (const auto& kind : seen) EXPECT_EQ(kind, c.named);
        EXPECT_EQ(markerNow(), std::nullopt);
    }
}

// A crash half way through a tuning command: at the next start the values and settings are
// those the record before it holds, and the marker is gone.
TEST_F(InterruptedCommandTest, AStartAfterACrashPutsBackTheStateBeforeTheCommand) {
    world.choose(kDsl16M);
    ASSERT_TRUE(world.commands.automaticOptimization());
    const Observed before = world.observe();
    world.choose(kSatellite6M);
    // The crash: the registry as the ninth write found it, with the marker still there.
    RegistryData atCrash;
    std::optional<RecordKind> markedAtCrash;
    int writes = 0;
    memory().beforeWrite = [&](const std::string&) {
        if (++writes != 9) return;
        atCrash = memory().data();
        markedAtCrash = markerNow();
    };
    ASSERT_TRUE(world.commands.automaticOptimization());
    memory().beforeWrite = nullptr;
    ASSERT_EQ(markedAtCrash, RecordKind::Previous);
    memory().data() = atCrash;
    std::string reason;
    ASSERT_TRUE(world.records.markCommandUnderWay(RecordKind::Previous, reason)) << reason;
    ASSERT_NE(world.observe().values, before.values);  // part written

    world.storage.write("Values", "Mtu", "1");  // the settings too were part saved
    EXPECT_EQ(start(), Recovery::Finished);
    const Observed after = world.observe();
    EXPECT_EQ(after.values, before.values);
    EXPECT_EQ(after.settings, before.settings);
    EXPECT_EQ(markerNow(), std::nullopt);
    EXPECT_EQ(start(), Recovery::Nothing);
}

TEST_F(InterruptedCommandTest, AStartWithoutAMarkerChangesNothing) {
    world.choose(kDsl16M);
    ASSERT_TRUE(world.commands.automaticOptimization());
    const Observed now = world.observe();
    EXPECT_EQ(start(), Recovery::Nothing);
    EXPECT_EQ(world.observe(), now);
}

// Without the record it names, or when its values cannot all go back, the marker stays for the
// next start; a file that is no marker of ours is left alone.
TEST_F(InterruptedCommandTest, AMarkerThatCannotBeFinishedStaysAndAForeignOneIsIgnored) {
    std::string reason;
    ASSERT_TRUE(world.records.markCommandUnderWay(RecordKind::Original, reason)) << reason;
    EXPECT_EQ(start(), Recovery::NotFinished);
    EXPECT_EQ(markerNow(), RecordKind::Original);

    world.choose(kDsl16M);
    ASSERT_TRUE(world.records.markCommandUnderWay(RecordKind::Previous, reason)) << reason;
    ASSERT_TRUE(world.commands.automaticOptimization());
    ASSERT_TRUE(world.records.markCommandUnderWay(RecordKind::Previous, reason)) << reason;
    memory().failValue("DefaultTTL", kRegWriteFault);
    EXPECT_EQ(start(), Recovery::NotFinished);
    EXPECT_EQ(markerNow(), RecordKind::Previous);

    testing::writeFile(world.records.markerPath(), "something else");
    const Observed now = world.observe();
    bool damaged = false;
    EXPECT_EQ(world.records.interruptedCommand(damaged), std::nullopt);
    EXPECT_TRUE(damaged);
    EXPECT_EQ(start(), Recovery::Nothing);
    EXPECT_EQ(world.observe(), now);
}

TEST_F(InterruptedCommandTest, AMarkerThatCannotBeWrittenStopsTheCommandBeforeItsFirstWrite) {
    fs::create_directories(world.records.markerPath() / "in the way");
    world.choose(kDsl16M);
    world.commands.automaticOptimization();
    ASSERT_EQ(world.prompts.shown.size(), 2u);
    EXPECT_EQ(world.prompts.shown[1].text.rfind("Quorvex could not write " +
                                                    world.records.markerPath().string() +
                                                    ", which lets it finish the change after a "
                                                    "crash: ",
                                                0),
              0u);
    EXPECT_EQ(world.prompts.restarts, 0);
    EXPECT_TRUE(memory().data().empty());
}

}  // namespace
}  // namespace quorvex
