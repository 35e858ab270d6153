#include "tuning/file_registry_backend.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <system_error>

#include "commands/automatic_optimization.h"
#include "model/window_model.h"
#include "support/command_world.h"
#include "support/lock_holder.h"
#include "tuning/mod_registry.h"
#include "tuning/optimization_profile.h"
#include "tuning/registry_batch.h"
#include "tuning/registry_write_plan.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class FileRegistryBackendTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("quorvex-reg-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        store = dir / "sub" / "registry.reg";
    }
    void TearDown() override { fs::remove_all(dir); }

    std::vector<fs::path> filesInStoreFolder() const {
        std::vector<fs::path> files;
        for (const auto& e : fs::directory_iterator(store.parent_path())) files.push_back(e.path());
        return files;
    }

    fs::path dir;
    fs::path store;
};

TEST_F(FileRegistryBackendTest, ValuesSurviveAReload) {
    {
        FileRegistryBackend backend(store.string());
        modRegistry::CreateKey(backend, "Software\\Quorvex Test", Hive::CurrentUser);
        ASSERT_TRUE(modRegistry::SetValue(backend, Hive::CurrentUser, "Software\\Quorvex Test", "n",
                                          std::string("20"), kRegDword));
    }
    FileRegistryBackend reopened(store.string());
    const RegistryData loaded = reopened.load();
    const RegValue* v = loaded.value(Hive::CurrentUser, "SOFTWARE\\quorvex test", "N");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->data, (std::vector<std::uint8_t>{20, 0, 0, 0}));
    EXPECT_FALSE(
        modRegistry::SetValue(reopened, Hive::CurrentUser, "Software\\Missing", "n", 1, kRegDword));
}

TEST_F(FileRegistryBackendTest, Dsl100MPlanMatchesTheGoldenFile) {
    WindowModel window;
    window.controls().setOption("Option16", true);
    for (const auto& choice : recommendedSet().choices)
        window.controls().setOption(std::string(choice.control), true);
    window.controls().setListText("QOS", "0");
    window.controls().setListText("Combo2", "10");
    window.controls().setListText("Combo1", "10");
    FileRegistryBackend backend(store.string());
    ASSERT_EQ(runWritePlan(backend, optimizationWritePlan(), window.state(), window.controls()), 0);
    EXPECT_EQ(readAll(store), readAll(fs::path(QUORVEX_TUNING_TEST_DATA) / "dsl100m.reg"));
    // Only the store and its lock remain: no temporary file is left behind.
    EXPECT_EQ(filesInStoreFolder().size(), 2u);
}

TEST_F(FileRegistryBackendTest, ACorruptStoreIsMovedAsideNotOverwritten) {
    fs::create_directories(store.parent_path());
    const std::string garbage = "this is not a registry file\n";
    std::ofstream(store, std::ios::binary) << garbage;
    FileRegistryBackend backend(store.string());
    modRegistry::CreateKey(backend, "K", Hive::LocalMachine);
    ASSERT_TRUE(modRegistry::SetValue(backend, Hive::LocalMachine, "K", "v", 1, kRegSz));
    bool foundAside = false;
    for (const auto& file : filesInStoreFolder()) {
        if (file.filename().string().rfind("registry.reg.corrupt-", 0) == 0) {
            foundAside = true;
            EXPECT_EQ(readAll(file), garbage);
        }
    }
    EXPECT_TRUE(foundAside);
    const RegistryData loaded = backend.load();
    EXPECT_NE(loaded.value(Hive::LocalMachine, "K", "v"), nullptr);
}

TEST_F(FileRegistryBackendTest, UnchangedWritesDoNotRewriteTheStore) {
    FileRegistryBackend backend(store.string());
    modRegistry::CreateKey(backend, "K", Hive::LocalMachine);
    modRegistry::SetValue(backend, Hive::LocalMachine, "K", "v", 1, kRegSz);
    struct stat before {};
    ASSERT_EQ(::stat(store.c_str(), &before), 0);
    // Every rewrite renames a new file over the store, so an unchanged inode means none ran.
    EXPECT_TRUE(modRegistry::SetValue(backend, Hive::LocalMachine, "K", "v", 1, kRegSz));
    modRegistry::CreateKey(backend, "k", Hive::LocalMachine);
    struct stat after {};
    ASSERT_EQ(::stat(store.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_TRUE(modRegistry::SetValue(backend, Hive::LocalMachine, "K", "v", 2, kRegSz));
    ASSERT_EQ(::stat(store.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino);
}

TEST_F(FileRegistryBackendTest, ARefusedWriteKeepsTheFileAndTheSystemsReason) {
    fs::create_directories(dir);
    std::ofstream(dir / "sub") << "a file where the store's folder belongs\n";
    FileRegistryBackend backend(store.string(), dir.string());
    EXPECT_EQ(backend.lastFailure(), std::nullopt);
    EXPECT_FALSE(modRegistry::SetValue(backend, Hive::CurrentUser, "K", "v", 1, kRegDword));
    const auto failure = backend.lastFailure();
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->location, "~/sub/registry.reg");
    EXPECT_EQ(failure->reason, std::generic_category().message(ENOTDIR));

    // Outside the home folder the whole path is shown.
    FileRegistryBackend elsewhere(store.string(), (dir / "home").string());
    modRegistry::CreateKey(elsewhere, "K", Hive::CurrentUser);
    ASSERT_TRUE(elsewhere.lastFailure().has_value());
    EXPECT_EQ(elsewhere.lastFailure()->location, store.string());
}

TEST_F(FileRegistryBackendTest, TheRefusedValuesBoxNamesTheFileAndTheReason) {
    fs::create_directories(dir);
    std::ofstream(dir / "sub") << "a file where the store's folder belongs\n";
    FileRegistryBackend backend(store.string(), dir.string());
    testing::CommandWorld world;
    fs::create_directories(world.profiles() / "p");  // Firefox is tuned: no box of its own
    world.choose("DSL Or Cable Modem (16 Megabit And Up)");
    CommandContext context{
        {backend, world.storage, world.prompts, world.events, world.locations, world.clock},
        world.window};
    runAutomaticOptimization(context);
    EXPECT_EQ(world.prompts.restarts, 0);
    ASSERT_EQ(world.prompts.shown.size(), 2u);
    EXPECT_EQ(world.prompts.shown[1].text,
              "18 of the 18 registry values could not be written to ~/sub/registry.reg: " +
                  std::generic_category().message(ENOTDIR) + ".");
    EXPECT_EQ(world.prompts.shown[1].icon, MessageIcon::Error);
}

TEST_F(FileRegistryBackendTest, ALockHeldByAnotherProgramFailsAfterABoundedWait) {
    fs::create_directories(store.parent_path());
    testing::LockHolder other(store.string() + ".lock", std::chrono::seconds(5));
    ASSERT_TRUE(other.held());
    FileRegistryBackend backend(store.string());
    backend.setLockWait(std::chrono::milliseconds(50));
    EXPECT_FALSE(modRegistry::SetValue(backend, Hive::CurrentUser, "K", "v", 1, kRegDword));
    ASSERT_TRUE(backend.lastFailure());
    EXPECT_EQ(backend.lastFailure()->location, store.string());
    EXPECT_EQ(backend.lastFailure()->reason, "another program holds the file");
    other.release();
    modRegistry::CreateKey(backend, "K", Hive::CurrentUser);
    EXPECT_TRUE(modRegistry::SetValue(backend, Hive::CurrentUser, "K", "v", 1, kRegDword));
    EXPECT_EQ(backend.lastFailure(), std::nullopt);
}

TEST_F(FileRegistryBackendTest, ACommandWaitsForAHeldLockOnceNotForEveryValue) {
    fs::create_directories(store.parent_path());
    // Were each of the 36 operations to wait, the lock would be free again half way.
    testing::LockHolder other(store.string() + ".lock", std::chrono::seconds(3));
    ASSERT_TRUE(other.held());
    FileRegistryBackend backend(store.string());
    backend.setLockWait(std::chrono::milliseconds(300));
    testing::CommandWorld world;
    world.addProfile();
    world.choose("DSL Or Cable Modem (16 Megabit And Up)");
    CommandContext context{
        {backend, world.storage, world.prompts, world.events, world.locations, world.clock},
        world.window};
    runAutomaticOptimization(context);
    EXPECT_FALSE(fs::exists(store));
    EXPECT_EQ(world.prompts.restarts, 0);
    ASSERT_EQ(world.prompts.shown.size(), 2u);
    EXPECT_THAT(world.prompts.shown[1].text,
                ::testing::HasSubstr("another program holds the file"));
}

// A batch is one transaction: one lock, one load, one replace, whatever it holds.
TEST_F(FileRegistryBackendTest, APlanIsOneLockAndOneSave) {
    WindowModel window;
    for (const auto& choice : recommendedSet().choices)
        window.controls().setOption(std::string(choice.control), true);
    window.controls().setListText("QOS", "0");
    window.controls().setListText("Combo2", "10");
    window.controls().setListText("Combo1", "10");
    FileRegistryBackend backend(store.string());
    ASSERT_EQ(runWritePlan(backend, optimizationWritePlan(), window.state(), window.controls()), 0);
    EXPECT_EQ(backend.locksTaken(), 1u);
    EXPECT_EQ(backend.savesMade(), 1u);
    // Nothing to change: the lock once more, the store left as it is.
    ASSERT_EQ(runWritePlan(backend, optimizationWritePlan(), window.state(), window.controls()), 0);
    EXPECT_EQ(backend.locksTaken(), 2u);
    EXPECT_EQ(backend.savesMade(), 1u);
}

TEST_F(FileRegistryBackendTest, ABatchReadsItsOwnWritesAndTheFileOnlyAtItsCommit) {
    FileRegistryBackend backend(store.string());
    RegistryBatch batch(backend);
    modRegistry::CreateKey(backend, "Software\\Q", Hive::CurrentUser);
    ASSERT_TRUE(
        modRegistry::SetValue(backend, Hive::CurrentUser, "Software\\Q", "n", 7, kRegDword));
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    ASSERT_EQ(backend.queryValue(Hive::CurrentUser, "Software\\Q", "N", type, data), kRegOk);
    EXPECT_EQ(data, (std::vector<std::uint8_t>{7, 0, 0, 0}));
    EXPECT_FALSE(fs::exists(store));
    ASSERT_EQ(batch.commit(), kRegOk);
    EXPECT_NE(backend.load().value(Hive::CurrentUser, "Software\\Q", "n"), nullptr);
    EXPECT_EQ(backend.locksTaken(), 1u);
    EXPECT_EQ(backend.savesMade(), 1u);
}

TEST_F(FileRegistryBackendTest, AnAbandonedBatchLeavesTheStoreAndLetsTheLockGo) {
    FileRegistryBackend backend(store.string());
    modRegistry::CreateKey(backend, "Software\\Q", Hive::CurrentUser);
    const std::string before = readAll(store);
    {
        RegistryBatch batch(backend);
        ASSERT_TRUE(
            modRegistry::SetValue(backend, Hive::CurrentUser, "Software\\Q", "n", 7, kRegDword));
    }
    EXPECT_EQ(readAll(store), before);
    const FileLock other(store.string() + ".lock", std::chrono::milliseconds(0));
    EXPECT_TRUE(other.held());
}

// A commit that cannot replace the store keeps none of the batch and says why.
TEST_F(FileRegistryBackendTest, AFailedCommitKeepsTheStoreAsItWasAndNamesTheReason) {
    FileRegistryBackend backend(store.string());
    modRegistry::CreateKey(backend, "Software\\Q", Hive::CurrentUser);
    RegistryBatch batch(backend);
    ASSERT_TRUE(
        modRegistry::SetValue(backend, Hive::CurrentUser, "Software\\Q", "n", 7, kRegDword));
    // A folder that is not empty cannot be renamed over, not even by root.
    fs::rename(store, store.string() + ".kept");
    fs::create_directories(store / "inside");
    EXPECT_EQ(batch.commit(), kRegWriteFault);
    EXPECT_EQ(batch.failure().location, store.string());
    EXPECT_EQ(batch.failure().reason, std::strerror(EISDIR));
    fs::remove_all(store);
    fs::rename(store.string() + ".kept", store);
    EXPECT_EQ(backend.load().value(Hive::CurrentUser, "Software\\Q", "n"), nullptr);
    EXPECT_EQ(filesInStoreFolder().size(), 2u);  // the store and its lock file, no temporary
}

}  // namespace
}  // namespace quorvex

namespace quorvex {
namespace {

// Stores a hostile or unlucky environment leaves on disk. Each runs under a ctest timeout; a
// FIFO is never opened here in a way that could block.
class HostileRegistryStoreTest : public FileRegistryBackendTest {
  protected:
    long writeOne(FileRegistryBackend& backend) {
        RegKey key = 0;
        const long status = backend.createKey(Hive::CurrentUser, "K", key);
        if (status != kRegOk) return status;
        const long set = backend.setValue(key, "v", kRegSz, {'1', 0});
        backend.closeKey(key);
        return set;
    }
    bool movedAside() const {
        for (const auto& file : filesInStoreFolder())
            if (file.filename().string().rfind("registry.reg.corrupt-", 0) == 0) return true;
        return false;
    }
};

TEST_F(HostileRegistryStoreTest, SpecialFilesAndHugeFilesAreUnusableAndLeftAlone) {
    fs::create_directories(store.parent_path());
    struct Case {
        const char* what;
        std::function<void()> make;
        std::function<bool()> untouched;
    };
    const Case cases[] = {
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(store.c_str(), 0600), 0); },
         [&] { return fs::is_fifo(fs::symlink_status(store)); }},
        {"a link to /dev/zero", [&] { fs::create_symlink("/dev/zero", store); },
         [&] { return fs::read_symlink(store) == "/dev/zero"; }},
        {"a folder", [&] { fs::create_directory(store); },
         [&] { return fs::is_directory(fs::symlink_status(store)); }},
        {"a sparse file past 64 MiB",
         [&] {
             std::ofstream(store, std::ios::binary) << "REGEDIT4\r\n";
             fs::resize_file(store, FileRegistryBackend::kMaxStoreBytes + 1);
         },
         [&] { return fs::file_size(store) == FileRegistryBackend::kMaxStoreBytes + 1; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(store);
        c.make();
        FileRegistryBackend backend(store.string());
        EXPECT_NE(writeOne(backend), kRegOk);
        const auto failure = backend.lastFailure();
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->location, store.string());
        EXPECT_FALSE(failure->reason.empty());
        EXPECT_TRUE(c.untouched());
        EXPECT_FALSE(movedAside());
        EXPECT_TRUE(backend.load().empty());
    }
}

TEST_F(HostileRegistryStoreTest, AKeyBeyondTheRegistrysDepthMovesTheStoreAside) {
    fs::create_directories(store.parent_path());
    std::string deep = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER";
    for (int i = 0; i < 10000; ++i) deep += "\\k";
    deep += "]\r\n";
    std::ofstream(store, std::ios::binary) << deep;
    FileRegistryBackend backend(store.string());
    EXPECT_EQ(writeOne(backend), kRegOk);
    EXPECT_TRUE(movedAside());
    EXPECT_LT(fs::file_size(store), 100u);
    EXPECT_NE(backend.load().value(Hive::CurrentUser, "K", "v"), nullptr);
}

TEST_F(HostileRegistryStoreTest, TheLockIsNeverOpenedThroughALink) {
    fs::create_directories(store.parent_path());
    const fs::path target = dir / "elsewhere";
    fs::create_symlink(target, store.string() + ".lock");
    FileRegistryBackend backend(store.string());
    EXPECT_NE(writeOne(backend), kRegOk);
    EXPECT_FALSE(fs::exists(fs::symlink_status(target)));
    ASSERT_TRUE(backend.lastFailure().has_value());
    EXPECT_EQ(backend.lastFailure()->location, store.string() + ".lock");
}

TEST_F(HostileRegistryStoreTest, TemporaryFilesLeftByACrashAreRemovedUnderTheLock) {
    fs::create_directories(store.parent_path());
    for (const char* name : {"registry.reg.tmp.a1b2c3", "registry.reg.tmp.zzzzzz"})
        std::ofstream(store.parent_path() / name) << "REGEDIT4\r\n";
    std::ofstream(store.parent_path() / "notes.txt") << "mine";
    FileRegistryBackend backend(store.string());
    ASSERT_EQ(writeOne(backend), kRegOk);
    std::vector<std::string> names;
    for (const auto& file : filesInStoreFolder()) names.push_back(file.filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"notes.txt", "registry.reg", "registry.reg.lock"}));
}

TEST_F(HostileRegistryStoreTest, NamesTheFormatCannotHoldAreRefusedAndTheStoreStaysWhole) {
    FileRegistryBackend backend(store.string());
    ASSERT_EQ(writeOne(backend), kRegOk);
    RegKey key = 0;
    for (const char* path : {"A\nB", "A\\\\B", "A\\", "\\A", ""}) {
        EXPECT_EQ(backend.createKey(Hive::CurrentUser, path, key), kRegInvalidData) << path;
        EXPECT_EQ(backend.openKey(Hive::CurrentUser, path, key), kRegInvalidData) << path;
    }
    ASSERT_EQ(backend.createKey(Hive::CurrentUser, "K", key), kRegOk);
    EXPECT_EQ(backend.setValue(key, "two\nlines", kRegSz, {'x', 0}), kRegInvalidData);
    EXPECT_EQ(backend.setValue(key, "w", kRegSz, {'2', 0}), kRegOk);
    EXPECT_FALSE(movedAside());
    const RegistryData loaded = backend.load();
    EXPECT_NE(loaded.value(Hive::CurrentUser, "K", "v"), nullptr);
    EXPECT_NE(loaded.value(Hive::CurrentUser, "K", "w"), nullptr);
}

}  // namespace
}  // namespace quorvex
