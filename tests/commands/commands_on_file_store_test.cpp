// How the tuning commands end when the values go to a file for Windows: never with a restart,
// always naming the file, and with the system's reason for every value the file refused.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include "commands/advanced_apply.h"
#include "commands/automatic_optimization.h"
#include "support/command_world.h"
#include "tuning/file_registry_backend.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;

constexpr const char* kDsl16M = "DSL Or Cable Modem (16 Megabit And Up)";

// A store whose commit finds a folder where the store belongs, as a disk that refuses the
// replacement would: none of the command's values can last.
class StoreFailingItsCommit : public FileRegistryBackend {
  public:
    using FileRegistryBackend::FileRegistryBackend;
    long commitBatch() override {
        fs::create_directories(fs::path(storePath()) / "inside");
        const long status = FileRegistryBackend::commitBatch();
        fs::remove_all(storePath());
        return status;
    }
};

class CommandsOnFileStoreTest : public ::testing::Test, protected testing::CommandWorld {
  protected:
    CommandsOnFileStoreTest() {
        elevation.value = false;
        addProfile();
        choose(kDsl16M);
    }
    std::string home() const { return temp.path().string(); }
    std::string storeFile() const { return (temp.path() / "data" / "registry.reg").string(); }
    CommandContext contextOn(RegistryBackend& store) {
        return {{store, storage, prompts, events, locations, clock}, window, nullptr, &elevation};
    }
};

TEST_F(CommandsOnFileStoreTest, BothCommandsEndNamingTheFileAndHowToMergeItAndNeverRestart) {
    FileRegistryBackend store(storeFile(), home());
    CommandContext context = contextOn(store);
    for (const auto command : {runAutomaticOptimization, runAdvancedApply}) {
        prompts.shown.clear();
        command(context);
        EXPECT_EQ(prompts.restarts, 0);
        ASSERT_EQ(prompts.shown.size(), 2u);
        EXPECT_EQ(prompts.shown[1].text,
                  "The 18 registry values were written to ~/data/registry.reg. They take effect "
                  "only in a Windows registry: copy the file to the Windows computer and "
                  "double-click it there, or run \"reg import registry.reg\" there as "
                  "administrator; then restart that computer.");
        EXPECT_EQ(prompts.shown[1].icon, MessageIcon::Information);
        EXPECT_EQ(prompts.shown[1].buttons, MessageButtons::Ok);
    }
}

// A command is one transaction: every value lasts or none, and a failed commit refuses them
// all with the file and the system's reason.
TEST_F(CommandsOnFileStoreTest, AFailedCommitRefusesEveryValueWithTheFileAndTheReason) {
    for (const auto command : {runAutomaticOptimization, runAdvancedApply}) {
        prompts.shown.clear();
        StoreFailingItsCommit store(storeFile(), home());
        CommandContext context = contextOn(store);
        command(context);
        EXPECT_EQ(prompts.restarts, 0);
        ASSERT_EQ(prompts.shown.size(), 2u);
        EXPECT_EQ(prompts.shown[1].text,
                  "18 of the 18 registry values could not be written to ~/data/registry.reg: " +
                      std::string(std::strerror(EISDIR)) + ".");
        EXPECT_FALSE(fs::exists(storeFile()));
        EXPECT_EQ(store.locksTaken(), 1u);
    }
}

TEST_F(CommandsOnFileStoreTest, EachCommandTakesTheLockOnceAndSavesOnce) {
    for (const auto command : {runAutomaticOptimization, runAdvancedApply}) {
        FileRegistryBackend store(storeFile(), home());
        CommandContext context = contextOn(store);
        command(context);
        EXPECT_EQ(store.locksTaken(), 1u);
        EXPECT_EQ(store.savesMade(), 1u);
    }
}

// A store that can never be written gives its reason; no store is worth running as
// administrator for: the file is the user's own.
TEST_F(CommandsOnFileStoreTest, AnUnusableStoreIsNamedWithItsReasonAndNeverTheAdministrator) {
    fs::create_directories(temp.path() / "data");
    ASSERT_EQ(::mkfifo(storeFile().c_str(), 0600), 0);
    FileRegistryBackend store(storeFile(), home());
    CommandContext context = contextOn(store);
    runAdvancedApply(context);
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[1].text,
              "18 of the 18 registry values could not be written to ~/data/registry.reg: not a "
              "regular file.");
    EXPECT_EQ(prompts.restarts, 0);
}

}  // namespace
}  // namespace quorvex
