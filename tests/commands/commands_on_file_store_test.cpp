// How the tuning commands end when the values go to a file for Windows: never with a restart,
// always naming the file, and with the system's reason for every value the file refused.
#include <sys/stat.h>

#include <gtest/gtest.h>

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

// A store that fails one value's write and takes the next ones again, as a disk that is full
// for one write and has room after it: a folder stands where the store belongs meanwhile.
class StoreFailingOneValue : public FileRegistryBackend {
  public:
    using FileRegistryBackend::FileRegistryBackend;
    long setValue(RegKey key, const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data) override {
        if (name != failing) return FileRegistryBackend::setValue(key, name, type, data);
        const std::string kept = storePath() + ".kept";
        fs::rename(storePath(), kept);
        fs::create_directory(storePath());
        const long status = FileRegistryBackend::setValue(key, name, type, data);
        fs::remove(storePath());
        fs::rename(kept, storePath());
        return status;
    }
    std::string failing;
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
        return {window, store, storage, prompts, events, locations, clock, nullptr, &elevation};
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

// The reason of a refused value is kept as it was, although later values were written.
TEST_F(CommandsOnFileStoreTest, AValueRefusedMidwayIsNamedWithTheFileAndTheSystemsReason) {
    StoreFailingOneValue store(storeFile(), home());
    store.failing = "DefaultTTL";
    CommandContext context = contextOn(store);
    runAutomaticOptimization(context);
    EXPECT_EQ(prompts.restarts, 0);
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[1].text,
              "1 of the 18 registry values could not be written to ~/data/registry.reg "
              "(\"DefaultTTL\"): not a regular file.");
    EXPECT_EQ(prompts.shown[1].icon, MessageIcon::Error);
    EXPECT_NE(store.load().value(Hive::CurrentUser, testing::kInternet, "MaxConnectionsPerServer"),
              nullptr);
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
