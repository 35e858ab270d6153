#include "cli/elevated_write.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "cli/command_line_parts.h"
#include "support/command_world.h"
#include "tuning/memory_registry_backend.h"
#include "undo/elevated_hand_over.h"

namespace quorvex {
namespace {

using namespace quorvex::testing;

constexpr const char* kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
constexpr const char* kExplorer =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr const char* kSid = "S-1-5-21-0-0-0-1000";

// The elevated side over a memory registry that stands for the machine and the named user.
struct ElevatedWriteWorld {
    int run(const std::filesystem::path& folder) {
        return cli::runElevatedWrite(
            folder,
            [this](const std::string& sid, std::string& why) -> std::unique_ptr<RegistryBackend> {
                users.push_back(sid);
                if (noHive) {
                    why = "The system cannot find the file specified";
                    return nullptr;
                }
                return std::make_unique<Forwarding>(registry);
            },
            err);
    }
    std::filesystem::path handOverFile() const { return temp.path() / undo::kHandOverFile; }
    std::filesystem::path resultsFile() const { return temp.path() / undo::kResultsFile; }

    // Hands the calls to the world's registry, which outlives it.
    struct Forwarding : RegistryBackend {
        explicit Forwarding(MemoryRegistryBackend& to) : to(to) {}
        long createKey(Hive h, const std::string& p, RegKey& k) override {
            return to.createKey(h, p, k);
        }
        long openKey(Hive h, const std::string& p, RegKey& k) override {
            return to.openKey(h, p, k);
        }
        long setValue(RegKey k, const std::string& n, std::uint32_t t,
                      const std::vector<std::uint8_t>& d) override {
            return to.setValue(k, n, t, d);
        }
        void closeKey(RegKey k) override { to.closeKey(k); }
        long queryValue(Hive h, const std::string& p, const std::string& n, std::uint32_t& t,
                        std::vector<std::uint8_t>& d) override {
            return to.queryValue(h, p, n, t, d);
        }
        long deleteValue(RegKey k, const std::string& n) override { return to.deleteValue(k, n); }
        long beginBatch() override { return to.beginBatch(); }
        long commitBatch() override { return to.commitBatch(); }
        void abandonBatch() override { to.abandonBatch(); }
        MemoryRegistryBackend& to;
    };

    TempDir temp;
    MemoryRegistryBackend registry;
    std::vector<std::string> users;
    bool noHive = false;
    std::ostringstream err;
};

const std::vector<HeldBackWrite> kWrites{
    {Hive::LocalMachine, kMstcp, "DefaultTTL", false, kRegSz, {'6', '4', 0}},
    {Hive::CurrentUser, kExplorer, "NoRecentDocsNetHood", false, kRegDword, {1, 0, 0, 0}},
};

TEST(ElevatedWriteTest, MakesTheWritesForTheNamedUserAndAnswersBesideTheHandOver) {
    ElevatedWriteWorld world;
    writeFile(world.handOverFile(), undo::handOverText({kSid, kWrites}));
    EXPECT_EQ(world.run(world.temp.path()), cli::kExitSuccess) << world.err.str();
    EXPECT_EQ(world.users, std::vector<std::string>{kSid});
    EXPECT_EQ(regText(world.registry.data(), Hive::LocalMachine, kMstcp, "DefaultTTL"), "64");
    EXPECT_EQ(regText(world.registry.data(), Hive::CurrentUser, kExplorer, "NoRecentDocsNetHood"),
              "#1");
    EXPECT_EQ(undo::parseResults(readFile(world.resultsFile()), 2), HeldBackResults(2));
}

TEST(ElevatedWriteTest, RefusedValuesAreAnsweredOneByOne) {
    ElevatedWriteWorld world;
    world.registry.failValue("DefaultTTL", kRegAccessDenied);
    writeFile(world.handOverFile(), undo::handOverText({kSid, kWrites}));
    EXPECT_EQ(world.run(world.temp.path()), cli::kExitFailure);
    const auto results = undo::parseResults(readFile(world.resultsFile()), 2);
    ASSERT_TRUE(results);
    ASSERT_TRUE((*results)[0]);
    EXPECT_EQ((*results)[0]->reason, "Access is denied");
    EXPECT_FALSE((*results)[1]);

    // Without the user's hive nothing is written, and each value says why.
    ElevatedWriteWorld noHive;
    noHive.noHive = true;
    writeFile(noHive.handOverFile(), undo::handOverText({kSid, kWrites}));
    EXPECT_EQ(noHive.run(noHive.temp.path()), cli::kExitFailure);
    const auto none = undo::parseResults(readFile(noHive.resultsFile()), 2);
    ASSERT_TRUE(none);
    for (const auto& result : *none) ASSERT_TRUE(result);
    EXPECT_TRUE(noHive.registry.data().empty());
}

TEST(ElevatedWriteTest, ARefusedOrUnreadableHandOverWritesNothingAndNoResults) {
    struct Case {
        const char* name;
        std::function<std::filesystem::path(ElevatedWriteWorld&)> prepare;
    };
    const Case cases[] = {
        {"relative folder",
         [](ElevatedWriteWorld& w) {
             writeFile(w.handOverFile(), undo::handOverText({kSid, kWrites}));
             return std::filesystem::path("relative");
         }},
        {"missing hand-over", [](ElevatedWriteWorld& w) { return w.temp.path(); }},
        {"a folder for a hand-over",
         [](ElevatedWriteWorld& w) {
             std::filesystem::create_directories(w.handOverFile());
             return w.temp.path();
         }},
        {"another key",
         [](ElevatedWriteWorld& w) {
             writeFile(w.handOverFile(),
                       undo::handOverText({kSid,
                                           {{Hive::LocalMachine,
                                             "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                                             "x",
                                             false,
                                             kRegSz,
                                             {'x', 0}}}}));
             return w.temp.path();
         }},
        {"a link to the folder",
         [](ElevatedWriteWorld& w) {
             writeFile(w.handOverFile(), undo::handOverText({kSid, kWrites}));
             const auto link = w.temp.path() / "link";
             std::error_code ec;
             std::filesystem::create_directory_symlink(w.temp.path(), link, ec);
             // Where links cannot be made, a missing folder is refused the same way.
             return link;
         }},
        {"a user that is no SID",
         [](ElevatedWriteWorld& w) {
             writeFile(w.handOverFile(), undo::handOverText({"..\\S-1-5-18", kWrites}));
             return w.temp.path();
         }},
        {"too large",
         [](ElevatedWriteWorld& w) {
             writeFile(w.handOverFile(), std::string(undo::kMaxHandOverBytes + 1, 'a'));
             return w.temp.path();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ElevatedWriteWorld world;
        const auto folder = c.prepare(world);
        EXPECT_EQ(world.run(folder), cli::kExitUsage);
        EXPECT_FALSE(world.err.str().empty());
        EXPECT_TRUE(world.users.empty());
        EXPECT_TRUE(world.registry.data().empty());
        EXPECT_FALSE(std::filesystem::exists(world.resultsFile()));
    }
}

}  // namespace
}  // namespace quorvex
