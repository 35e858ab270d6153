// The commands on the file store outside Windows, when the file refuses: the system's reason
// reaches the script, and the exit status says that the command failed.
#include <sys/stat.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/command_line_world.h"
#include "tuning/file_registry_backend.h"

namespace quorvex::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::EndsWith;
using ::testing::HasSubstr;

// A file store that refuses to take a command's writes: a folder stands where the store belongs
// while it is replaced, as a full disk would refuse it.
class StoreRefusingTheCommit : public TestRegistry, public FileRegistryBackend {
  public:
    explicit StoreRefusingTheCommit(const fs::path& scratch)
        : FileRegistryBackend((scratch / "store" / "registry.reg").string()) {}
    RegistryBackend& backend() override { return *this; }
    std::optional<RegValue> stored(Hive hive, const std::string& path,
                                   const std::string& name) const override {
        const RegistryData data = load();
        const RegValue* value = data.value(hive, path, name);
        return value ? std::optional<RegValue>(*value) : std::nullopt;
    }
    long commitBatch() override {
        const std::string kept = storePath() + ".kept";
        const bool existed = fs::exists(storePath());
        if (existed) fs::rename(storePath(), kept);
        fs::create_directory(storePath());
        const long status = FileRegistryBackend::commitBatch();
        fs::remove(storePath());
        if (existed) fs::rename(kept, storePath());
        return status;
    }
};

const TestRegistryKind kRefusingStore{"RefusingStore",
                                      [](const fs::path& scratch) -> std::unique_ptr<TestRegistry> {
                                          return std::make_unique<StoreRefusingTheCommit>(scratch);
                                      }};

std::string storeOf(const CommandLineWorld& world) {
    return (world.temp.path() / "store" / "registry.reg").string();
}

TEST(CommandLineOnFileStore, WritesTheFileRefusesAreEachNamedWithTheReasonAndFailTheCommand) {
    CommandLineWorld world(kRefusingStore);
    EXPECT_EQ(world.run({"apply", "dsl-16m", "--no-firefox"}), 1);
    const auto lines = world.outLines();
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_THAT(lines[1],
                HasSubstr("DefaultTTL: (none) \u2192 64, failed: " + storeOf(world) + ": "));
    for (const auto& line : lines) EXPECT_THAT(line, HasSubstr(", failed: "));
    EXPECT_THAT(world.err.str(), HasSubstr("18 of the 18 registry values could not be written"));
    EXPECT_FALSE(world.registry->stored(Hive::LocalMachine, kTcpip, "DefaultTTL"));
}

TEST(CommandLineOnFileStore, AStoreThatCannotBeReadStopsApplyAndFailsVerify) {
    CommandLineWorld world(testRegistryKinds().back());
    ASSERT_EQ(world.run({"apply", "dsl-16m", "--no-firefox"}), 0);
    fs::remove(storeOf(world));
    ASSERT_EQ(::mkfifo(storeOf(world).c_str(), 0600), 0);

    EXPECT_EQ(world.run({"apply", "satellite-2m", "--no-firefox"}), 1);
    EXPECT_EQ(world.out.str(), "");
    EXPECT_THAT(world.err.str(), HasSubstr("Quorvex could not read " + storeOf(world)));
    EXPECT_THAT(world.err.str(), HasSubstr("Nothing was changed."));
    EXPECT_EQ(world.settings.read("Values", "Connection"),
              std::string("DSL Or Cable Modem (16 Megabit And Up)"));

    EXPECT_EQ(world.run({"verify"}), 1);
    const auto lines = world.outLines();
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_THAT(lines[0],
                EndsWith("found unreadable (" + storeOf(world) + ": not a regular file)"));
    EXPECT_EQ(lines[18], "18 of the 18 values differ from the saved choices.");

    EXPECT_EQ(world.run({"apply", "dsl-16m", "--dry-run"}), 1);
    EXPECT_THAT(world.outLines()[0], EndsWith("DefaultRcvWindow: (none) \u2192 374616, failed: "
                                              "cannot be read: " +
                                              storeOf(world) + ": not a regular file"));
    EXPECT_TRUE(fs::is_fifo(storeOf(world)));
}

}  // namespace
}  // namespace quorvex::testing
