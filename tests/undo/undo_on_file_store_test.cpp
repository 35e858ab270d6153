// The undo records and commands on the file the values are kept in outside Windows.
#include <sys/stat.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tuning/file_registry_backend.h"
#include "undo/undo_world.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;

constexpr const char* kDsl16M = "DSL Or Cable Modem (16 Megabit And Up)";

class UndoOnFileStoreTest : public ::testing::Test {
  protected:
    UndoOnFileStoreTest() : world(testing::platformTestRegistryKind()) {}
    std::string store() {
        return dynamic_cast<FileRegistryBackend&>(world.registry->backend()).storePath();
    }
    void forgetPrompts() {
        world.prompts.shown.clear();
        world.prompts.restarts = 0;
    }
    testing::UndoWorld world;
};

TEST_F(UndoOnFileStoreTest, PuttingBackEndsNamingTheFileAndNeverRestarts) {
    world.choose(kDsl16M);
    ASSERT_TRUE(world.commands.automaticOptimization());
    forgetPrompts();
    ASSERT_TRUE(world.undo.restoreOriginalSettings());
    EXPECT_EQ(world.prompts.restarts, 0);
    ASSERT_EQ(world.prompts.shown.size(), 2u);
    EXPECT_THAT(world.prompts.shown[1].text,
                ::testing::StartsWith("The 19 tuning values were put back in " + store() +
                                      ". They take effect only in a Windows registry: "));
    EXPECT_EQ(world.prompts.shown[1].icon, MessageIcon::Information);
}

TEST_F(UndoOnFileStoreTest, AStoreThatCannotTakeThemBackIsNamedWithTheSystemsReason) {
    world.choose(kDsl16M);
    ASSERT_TRUE(world.commands.automaticOptimization());
    forgetPrompts();
    fs::remove(store());
    ASSERT_EQ(::mkfifo(store().c_str(), 0600), 0);
    world.undo.restoreOriginalSettings();
    EXPECT_EQ(world.prompts.restarts, 0);
    ASSERT_EQ(world.prompts.shown.size(), 2u);
    EXPECT_EQ(world.prompts.shown[1].text, "19 of the 19 tuning values could not be put back in " +
                                               store() + ": not a regular file.");
    EXPECT_EQ(world.prompts.shown[1].icon, MessageIcon::Error);
}

TEST_F(UndoOnFileStoreTest, AStoreThatCannotBeReadStopsTheCommandNamingTheFileAndTheReason) {
    fs::create_directories(fs::path(store()).parent_path());
    ASSERT_EQ(::mkfifo(store().c_str(), 0600), 0);
    world.choose(kDsl16M);
    world.commands.automaticOptimization();
    ASSERT_EQ(world.prompts.shown.size(), 2u);
    EXPECT_EQ(world.prompts.shown[1].text,
              "Quorvex could not read " + store() +
                  " to keep a record of the tuning values: not a regular file. Nothing was "
                  "changed.");
    EXPECT_EQ(world.prompts.restarts, 0);
    EXPECT_FALSE(world.records.exists(undo::RecordKind::Original));
}

// Each command, the record's reads included, is one lock and one replacement of the store.
TEST_F(UndoOnFileStoreTest, EveryCommandTakesTheLockOnceAndSavesOnce) {
    auto& backend = dynamic_cast<FileRegistryBackend&>(world.registry->backend());
    world.choose(kDsl16M);
    const std::vector<std::pair<const char*, std::function<bool()>>> commands{
        {"automatic", [&] { return world.commands.automaticOptimization(); }},
        {"advanced", [&] { return world.commands.advancedApply(); }},
        {"undo", [&] { return world.undo.undoLastChange(); }},
        {"restore", [&] { return world.undo.restoreOriginalSettings(); }},
    };
    for (const auto& [name, command] : commands) {
        SCOPED_TRACE(name);
        const std::size_t locks = backend.locksTaken();
        const std::size_t saves = backend.savesMade();
        ASSERT_TRUE(command());
        EXPECT_EQ(backend.locksTaken() - locks, 1u);
        EXPECT_EQ(backend.savesMade() - saves, 1u);
    }
}

}  // namespace
}  // namespace quorvex
