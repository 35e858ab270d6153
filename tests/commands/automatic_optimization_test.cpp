#include "commands/automatic_optimization.h"
#include "model/firefox_elements.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "commands/advanced_apply.h"
#include "commands/firefox_page.h"
#include "support/command_world.h"

namespace quorvex {
namespace {

using namespace quorvex::testing;
using Write = RecordingSettingsStorage::Write;
using ::testing::ElementsAreArray;

constexpr const char* kDsl4M = "DSL Or Cable Modem (4 Megabit And Up)";
constexpr const char* kDsl16M = "DSL Or Cable Modem (16 Megabit And Up)";
constexpr const char* kSatellite6M = "Satellite (6 Megabit And Up)";
constexpr const char* kRestore = "Restore Windows Default Settings";

class AutomaticOptimizationTest : public ::testing::Test, protected CommandWorld {
  protected:
    // One Firefox profile, so that the optimized or default set has somewhere to go.
    AutomaticOptimizationTest() { std::filesystem::create_directories(profiles() / "a.default"); }
    std::string saved(const char* section, const char* key) const {
        return storage.value(section, key);
    }
    void expectRecommendedControls() {
        for (const char* name : {"TTL64", "TCP1", "SA1", "vkOptionButton15", "Option6", "Option35",
                                 "Option38", "Option40", "Option43"})
            EXPECT_TRUE(window.controls().option(name)) << name;
        EXPECT_EQ(window.controls().listText("QOS"), "0");
        EXPECT_EQ(window.controls().listText("Combo1"), "10");
        EXPECT_EQ(window.controls().listText("Combo2"), "10");
        EXPECT_EQ(firefoxPageState(window.controls()), FirefoxPageState::optimized());
        EXPECT_TRUE(window.controls().visible(firefox::kOptimizedText));
        EXPECT_FALSE(window.controls().visible(firefox::kDefaultText));
        EXPECT_EQ(saved("Firefox", "3"), "True");
        EXPECT_EQ(saved("Firefox", "4"), "False");
        EXPECT_EQ(saved("Firefox", "5"), "False");
        EXPECT_EQ(saved("Firefox", "6"), "True");
    }
};

TEST_F(AutomaticOptimizationTest, EmptySelectionShowsTheErrorAndChangesNothing) {
    WindowModel blank;  // a window whose list was never given a text
    CommandContext context{{registry, storage, prompts, events, locations, clock}, blank};
    runAutomaticOptimization(context);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              "Please choose your type of internet / network connection according to the "
              "subscription with your ISP.");
    EXPECT_EQ(prompts.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(prompts.shown[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(registry.data().empty());
    EXPECT_TRUE(storage.log.empty());
    EXPECT_EQ(events.runs, 0);
    EXPECT_EQ(prompts.restarts, 0);
    EXPECT_EQ(blank.state(), TuningState{});
}

TEST_F(AutomaticOptimizationTest, NoChangesNothing) {
    choose(kDsl16M);
    const TuningState before = window.state();
    prompts.answer = MessageAnswer::No;
    commands.automaticOptimization();
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              "Are you sure you want to proceed with Automatic Optimization?");
    EXPECT_EQ(prompts.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(prompts.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(window.state(), before);
    EXPECT_TRUE(window.controls().option("TTL32"));
    EXPECT_TRUE(registry.data().empty());
    EXPECT_TRUE(storage.log.empty());
    EXPECT_EQ(prompts.restarts, 0);
    EXPECT_FALSE(std::filesystem::exists(profiles() / "a.default" / "user.js"));
}

TEST_F(AutomaticOptimizationTest, Dsl4MEndToEnd) {
    std::filesystem::create_directories(profiles() / "a.default");
    choose(kDsl4M);
    commands.automaticOptimization();
    EXPECT_TRUE(window.controls().option("Option4"));
    EXPECT_EQ(lm(kNetTrans, "MaxMTU"), "1492");
    EXPECT_EQ(lm(kNetTrans, "MaxMSS"), "1452");
    EXPECT_EQ(lm(kMstcp, "DefaultRcvWindow"), "92504");
    EXPECT_EQ(lm(kMstcp, "DefaultTTL"), "64");
    EXPECT_EQ(lm(kTcpip, "TcpMaxDupAcks"), "#2");
    EXPECT_EQ(lm(kPsched, "NonBestEffortLimit"), "#0");
    EXPECT_EQ(cu(kExplorer, "NoRecentDocsNetHood"), "#1");
    EXPECT_EQ(cu(kInternet, "MaxConnectionsPerServer"), "#10");
    EXPECT_EQ(cu(kInternet, "MaxConnectionsPer1_0Server"), "#10");
    EXPECT_EQ(saved("Connection", "48"), "True");
    EXPECT_EQ(saved("Connection", "35"), "False");
    expectRecommendedControls();
    EXPECT_EQ(readFile(profiles() / "a.default" / "user.js"), kOptimizedPreferences);
    EXPECT_EQ(events.runs, 1);
    EXPECT_EQ(prompts.restarts, 1);
}

TEST_F(AutomaticOptimizationTest, Satellite6MEndToEnd) {
    choose(kSatellite6M);
    commands.automaticOptimization();
    EXPECT_TRUE(window.controls().option("Option22"));
    EXPECT_EQ(saved("Connection", "27"), "True");
    EXPECT_EQ(lm(kMstcp, "DefaultRcvWindow"), "556260");
    EXPECT_EQ(window.state().Mss, window.state().Mtu - 40);
    expectRecommendedControls();
    EXPECT_EQ(saved("Values", "Connection"), kSatellite6M);
    EXPECT_EQ(prompts.restarts, 1);
}

TEST_F(AutomaticOptimizationTest, RestoreDefaultsEndToEnd) {
    std::filesystem::create_directories(profiles() / "a.default");
    choose(kDsl16M);
    commands.automaticOptimization();
    choose(kRestore);
    commands.automaticOptimization();
    EXPECT_TRUE(window.controls().option("Option30"));
    EXPECT_EQ(lm(kMstcp, "DefaultRcvWindow"), "8760");
    EXPECT_EQ(lm(kNetTrans, "MaxMTU"), "1480");
    EXPECT_EQ(lm(kNetTrans, "MaxMSS"), "1440");
    EXPECT_EQ(lm(kMstcp, "DefaultTTL"), "32");
    EXPECT_EQ(lm(kMstcp, "Tcp1323Opts"), "3");
    EXPECT_EQ(lm(kMstcp, "SackOpts"), "0");
    EXPECT_EQ(lm(kTcpip, "TcpMaxDupAcks"), "#1");
    // Windows' own defaults: 2 per HTTP 1.1 server, 4 per HTTP 1.0 server.
    EXPECT_EQ(window.controls().listText("Combo2"), "2");
    EXPECT_EQ(window.controls().listText("Combo1"), "4");
    EXPECT_EQ(cu(kInternet, "MaxConnectionsPerServer"), "#2");
    EXPECT_EQ(cu(kInternet, "MaxConnectionsPer1_0Server"), "#4");
    EXPECT_EQ(window.controls().listText("QOS"), "20");
    for (const char* name : {"TTL32", "TCP3", "SA0", "vkOptionButton14", "Option33", "Option34",
                             "Option39", "Option41", "Option42"})
        EXPECT_TRUE(window.controls().option(name)) << name;
    EXPECT_EQ(firefoxPageState(window.controls()), FirefoxPageState::defaults());
    EXPECT_EQ(saved("Firefox", "3"), "False");
    EXPECT_EQ(saved("Firefox", "4"), "True");
    EXPECT_EQ(saved("Firefox", "5"), "True");
    EXPECT_EQ(saved("Firefox", "6"), "False");
    EXPECT_EQ(readFile(profiles() / "a.default" / "user.js"), kDefaultPreferences);
    EXPECT_EQ(prompts.restarts, 2);
}

// Without a profile to tune, the registry part and the saving still run, the Firefox page keeps
// its state (and saves it as it stands), a box says Firefox was not tuned before the restart
// offer that the registry values still call for.
TEST_F(AutomaticOptimizationTest, WithoutAFirefoxProfileThePageKeepsItsStateAndABoxSaysSo) {
    struct Case {
        const char* connection;
        FirefoxPageState start;
        const char* savedKey3;
    };
    for (const Case& c : {Case{kDsl16M, FirefoxPageState::defaults(), "False"},
                          Case{kRestore, FirefoxPageState::optimized(), "True"}}) {
        std::filesystem::remove_all(profiles());
        showFirefoxPageState(window.controls(), c.start);
        prompts.shown.clear();
        prompts.restarts = 0;
        storage.log.clear();
        std::size_t boxesBeforeRestart = 0;
        prompts.onRestart = [&] { boxesBeforeRestart = prompts.shown.size(); };
        choose(c.connection);
        commands.automaticOptimization();
        EXPECT_EQ(firefoxPageState(window.controls()), c.start) << c.connection;
        EXPECT_EQ(saved("Firefox", "3"), c.savedKey3) << c.connection;
        EXPECT_EQ(storage.log.size(), 56u + 11u) << c.connection;
        EXPECT_EQ(saved("Values", "Connection"), c.connection);
        EXPECT_EQ(lm(kNetTrans, "MaxMTU"),
                  std::string_view(c.connection) == kRestore ? "1480" : "1492");
        ASSERT_EQ(prompts.shown.size(), 2u) << c.connection;
        EXPECT_EQ(prompts.shown[1].text, "No Firefox profile was found, so Firefox was not tuned.");
        EXPECT_EQ(prompts.shown[1].title, "Quorvex");
        EXPECT_EQ(prompts.shown[1].icon, MessageIcon::Error);
        EXPECT_EQ(prompts.restarts, 1) << c.connection;
        EXPECT_EQ(boxesBeforeRestart, 2u) << c.connection;
    }
}

TEST_F(AutomaticOptimizationTest, AProfileThatCannotBeWrittenIsNamedInTheBox) {
    std::filesystem::create_directories(profiles() / "a.default" / "user.js");
    choose(kDsl16M);
    commands.automaticOptimization();
    EXPECT_EQ(firefoxPageState(window.controls()), FirefoxPageState::defaults());
    ASSERT_EQ(prompts.shown.size(), 2u);
    EXPECT_EQ(prompts.shown[1].text,
              "Firefox could not be tuned: " + (profiles() / "a.default" / "user.js").string() +
                  ": not a regular file.");
    EXPECT_EQ(prompts.restarts, 1);
}

// A Quorvex.exe copied on its own into an empty folder still tunes Firefox.
TEST_F(AutomaticOptimizationTest, WithoutTheShippedFilesTheBuiltInSetIsCopied) {
    std::filesystem::remove_all(locations.program);
    choose(kDsl16M);
    commands.automaticOptimization();
    EXPECT_EQ(readFile(profiles() / "a.default" / "user.js"), kOptimizedPreferences);
    expectRecommendedControls();
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.restarts, 1);
}

TEST_F(AutomaticOptimizationTest, SavesTheFiftySixSettingsAndTheNumbersInOrder) {
    choose(kDsl16M);
    commands.automaticOptimization();
    ASSERT_EQ(storage.log.size(), 56u + 11u);
    EXPECT_EQ(storage.log[0], (Write{"Firefox", "3", "True"}));
    EXPECT_EQ(storage.log[3], (Write{"Firefox", "6", "True"}));
    EXPECT_EQ(storage.log[4], (Write{"Connection", "1", "False"}));
    EXPECT_EQ(storage.log[14], (Write{"Connection", "18", "True"}));  // Option13
    EXPECT_EQ(storage.log[29], (Write{"Connection", "35", "False"}));
    EXPECT_EQ(storage.log[30], (Write{"Advanced", "36", "True"}));
    EXPECT_EQ(storage.log[40], (Write{"Connection", "48", "False"}));
    EXPECT_EQ(storage.log[41], (Write{"Advanced", "SA1", "False"}));
    EXPECT_EQ(storage.log[42], (Write{"Advanced", "SA2", "True"}));
    EXPECT_EQ(storage.log[52], (Write{"Advanced", "HTTP0", "10"}));
    EXPECT_EQ(storage.log[53], (Write{"Advanced", "HTTP1", "10"}));
    EXPECT_EQ(storage.log[54], (Write{"Advanced", "QOS", "0"}));
    EXPECT_EQ(storage.log[55], (Write{"Values", "Connection", kDsl16M}));
    // Then the numbers it put in place, encoded as the advanced apply writes them.
    EXPECT_EQ(storage.log[56], (Write{"Values", "1", "1492"}));
    EXPECT_EQ(storage.log[58], (Write{"Values", "3", "64"}));
    EXPECT_EQ(storage.log[59], (Write{"Values", "4", "374616"}));
    EXPECT_EQ(storage.log[66], (Write{"Values", "11", "1"}));
    EXPECT_GE(storage.flushes(), 1);
}

TEST_F(AutomaticOptimizationTest, ControlsChangeRightBeforeTheirRow) {
    // What the window shows at the moment each value is written.
    std::map<std::string, std::string> seen;
    registry.beforeWrite = [this, &seen](const std::string& name) {
        const auto& c = window.controls();
        seen[name] = c.selectedOption("Ttl") + "," + c.selectedOption("Tcp1323Opts") + "," +
                     c.selectedOption("MaxCmds") + "," + c.selectedOption("NoRecentDocsNetHood") +
                     "," + c.listText("QOS") + "," + c.listText("Combo2") + "," +
                     c.listText("Combo1");
    };
    choose(kDsl16M);
    commands.automaticOptimization();
    EXPECT_EQ(seen["DefaultRcvWindow"], "TTL32,TCP3,Option41,Option42,20,2,4");
    EXPECT_EQ(seen["DefaultTTL"], "TTL64,TCP3,Option41,Option42,20,2,4");
    EXPECT_EQ(seen["Tcp1323Opts"], "TTL64,TCP1,Option41,Option42,20,2,4");
    EXPECT_EQ(seen["MaxCmds"], "TTL64,TCP1,Option40,Option42,20,2,4");
    EXPECT_EQ(seen["MaxThreads"], "TTL64,TCP1,Option40,Option42,20,2,4");
    EXPECT_EQ(seen["NoRecentDocsNetHood"], "TTL64,TCP1,Option40,Option43,20,2,4");
    EXPECT_EQ(seen["NonBestEffortLimit"], "TTL64,TCP1,Option40,Option43,0,2,4");
    EXPECT_EQ(seen["MaxConnectionsPerServer"], "TTL64,TCP1,Option40,Option43,0,10,4");
    EXPECT_EQ(seen["MaxConnectionsPer1_0Server"], "TTL64,TCP1,Option40,Option43,0,10,10");
}

TEST_F(AutomaticOptimizationTest, AStandardUserIsToldTheTrueCountAndToRunAsAdministrator) {
    refuseAsStandardUser(registry);
    choose(kDsl16M);
    commands.automaticOptimization();
    EXPECT_EQ(cu(kExplorer, "NoRecentDocsNetHood"), "<missing>");
    EXPECT_EQ(cu(kInternet, "MaxConnectionsPerServer"), "#10");
    EXPECT_EQ(cu(kInternet, "MaxConnectionsPer1_0Server"), "#10");
    EXPECT_EQ(storage.log.size(), 56u + 11u);
    expectRefusedValuesBox(prompts,
                           "16 of the 18 registry values could not be written. Run Quorvex as "
                           "administrator and try again.");
}

// Running as administrator is advice only for an unelevated process whose values were all
// refused for want of rights; otherwise the box names the values and the system's reasons.
TEST_F(AutomaticOptimizationTest, OtherRefusalsNameTheValuesAndTheSystemsReason) {
    struct Case {
        const char* name;
        std::function<void(MemoryRegistryBackend&)> refuse;
        bool elevated;
        std::string text;
    };
    const Case cases[] = {
        {"an elevated administrator with one value failing otherwise",
         [](auto& r) { r.failValue("NonBestEffortLimit", kRegWriteFault); }, true,
         "1 of the 18 registry values could not be written (\"NonBestEffortLimit\"): The system "
         "cannot write to the specified device."},
        {"an elevated administrator refused one key",
         [](auto& r) { r.refuseKey(Hive::LocalMachine, kPsched); }, true,
         "1 of the 18 registry values could not be written (\"NonBestEffortLimit\"): Access is "
         "denied."},
        {"an elevated administrator refused like a standard user", refuseAsStandardUser, true,
         "16 of the 18 registry values could not be written (\"DefaultRcvWindow\", "
         "\"DefaultTTL\", \"Tcp1323Opts\" and 13 more): Access is denied."},
        {"a standard user with one value failing otherwise",
         [](auto& r) { r.failValue("MaxCmds", kRegWriteFault); }, false,
         "1 of the 18 registry values could not be written (\"MaxCmds\"): The system cannot "
         "write to the specified device."},
        {"a standard user refused and one value failing otherwise",
         [](auto& r) {
             refuseAsStandardUser(r);
             r.failValue("MaxConnectionsPerServer", kRegWriteFault);
         },
         false,
         "17 of the 18 registry values could not be written: \"DefaultRcvWindow\" (Access is "
         "denied), \"DefaultTTL\" (Access is denied), \"Tcp1323Opts\" (Access is denied) and "
         "14 more."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CommandWorld world;
        world.addProfile();
        c.refuse(world.registry);
        world.elevation.value = c.elevated;
        world.choose(kDsl16M);
        world.commands.automaticOptimization();
        expectRefusedValuesBox(world.prompts, c.text);
    }
}

TEST_F(AutomaticOptimizationTest, RunningTwiceLeavesTheSameState) {
    choose(kDsl16M);
    commands.automaticOptimization();
    const TuningState state = window.state();
    const auto registryData = registry.data();
    const auto values = storage.values();
    commands.automaticOptimization();
    EXPECT_EQ(window.state(), state);
    EXPECT_EQ(registry.data(), registryData);
    EXPECT_EQ(storage.values(), values);
}

TEST_F(AutomaticOptimizationTest, SecondClicksStartNothingWhileACommandRuns) {
    choose(kDsl16M);
    std::vector<bool> started;
    events.onProcess = [&] {
        started.push_back(commands.automaticOptimization());
        started.push_back(commands.advancedApply());
    };
    prompts.onMessage = [&](const MessageRequest&) { started.push_back(commands.advancedApply()); };
    EXPECT_TRUE(commands.automaticOptimization());
    EXPECT_THAT(started, ElementsAreArray({false, false, false}));
    EXPECT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.restarts, 1);
    EXPECT_FALSE(commands.running());
    // Once finished, a click runs again.
    prompts.onMessage = nullptr;
    events.onProcess = nullptr;
    EXPECT_TRUE(commands.advancedApply());
    EXPECT_EQ(prompts.restarts, 2);
}

// A new window restored from the store the commands wrote, as after a restart.
WindowModel& restartedWindow(WindowModel& fresh, const SettingsStorage& storage) {
    restoreWindowState(fresh, storage);
    return fresh;
}

TEST_F(AutomaticOptimizationTest, Dsl16MComesBackAfterARestart) {
    choose(kDsl16M);
    commands.automaticOptimization();
    WindowModel fresh;
    auto& after = restartedWindow(fresh, storage);
    EXPECT_TRUE(after.controls().option("Option13"));
    EXPECT_EQ(after.controls().listText("Combo3"), kDsl16M);
    EXPECT_EQ(after.controls().listText("QOS"), "0");
    EXPECT_EQ(after.controls().listText("Combo1"), "10");
    EXPECT_EQ(after.controls().listText("Combo2"), "10");
    EXPECT_EQ(after.state().Mtu, 1492);
    EXPECT_EQ(after.state().Mss, 1452);
    EXPECT_EQ(after.state().Rwin, 374616);
    EXPECT_EQ(after.state().Ttl, 64);
    EXPECT_EQ(after.state().SackOpts, 1);
    EXPECT_EQ(after.state().Tcp1323Opts, 1);
    EXPECT_EQ(after.state(), window.state());
    EXPECT_EQ(firefoxPageState(after.controls()), FirefoxPageState::optimized());
}

TEST_F(AutomaticOptimizationTest, AnAutomaticRunAfterAnAdvancedApplyComesBackWithItsOwnNumbers) {
    window.controls().setOption("TTL128", true);
    commands.advancedApply();
    choose(kDsl16M);
    commands.automaticOptimization();
    WindowModel fresh;
    auto& after = restartedWindow(fresh, storage);
    EXPECT_TRUE(after.controls().option("TTL64"));
    EXPECT_EQ(after.state().Ttl, 64);
    EXPECT_EQ(after.state(), window.state());
    // An unchanged apply after the restart writes what the page shows.
    ObservedRegistryBackend registryAfter;
    CommandContext context{{registryAfter, storage, prompts, events, locations, clock}, after};
    runAdvancedApply(context);
    EXPECT_EQ(regText(registryAfter.data(), Hive::LocalMachine, kMstcp, "DefaultTTL"), "64");
}

TEST_F(AutomaticOptimizationTest, TheCommandThatRanLastShowsItsConnectionAfterARestart) {
    choose(kSatellite6M);
    commands.automaticOptimization();
    choose(kDsl16M);
    commands.advancedApply();
    WindowModel fresh;
    auto& after = restartedWindow(fresh, storage);
    EXPECT_EQ(after.controls().listText("Combo3"), kDsl16M);
    EXPECT_TRUE(after.controls().option("Option13"));
    EXPECT_FALSE(after.controls().option("Option22"));
    EXPECT_EQ(after.state().Mtu, 1492);
    EXPECT_EQ(after.state().Mss, 1452);
    EXPECT_EQ(after.state().Rwin, 374616);
    // The advanced apply leaves the Firefox page as the automatic optimization set it.
    EXPECT_EQ(firefoxPageState(after.controls()), FirefoxPageState::optimized());
}

}  // namespace
}  // namespace quorvex
