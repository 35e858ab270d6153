#include "tuning/file_registry_backend.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "support/command_world.h"
#include "tuning/automatic_optimization.h"
#include "tuning/mod_registry.h"
#include "tuning/optimization_profile.h"
#include "tuning/registry_write_plan.h"
#include "tuning/window_model.h"

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
    world.choose("DSL Or Cable Modem (16 Megabit And Up)");
    CommandContext context{world.window, backend,         world.storage, world.prompts,
                           world.events, world.locations, world.clock};
    runAutomaticOptimization(context);
    EXPECT_EQ(world.prompts.restarts, 0);
    ASSERT_EQ(world.prompts.shown.size(), 2u);
    EXPECT_EQ(world.prompts.shown[1].text,
              "18 of the 18 registry values could not be written to ~/sub/registry.reg: " +
                  std::generic_category().message(ENOTDIR) + ".");
    EXPECT_EQ(world.prompts.shown[1].icon, MessageIcon::Error);
}

}  // namespace
}  // namespace quorvex
