#include "commands/advanced_apply.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/settings_keys.h"
#include "support/command_world.h"

namespace quorvex {
namespace {

using namespace quorvex::testing;
using Write = RecordingSettingsStorage::Write;

class AdvancedApplyTest : public ::testing::Test, protected CommandWorld {};

TEST_F(AdvancedApplyTest, NoChangesNothing) {
    prompts.answer = MessageAnswer::No;
    EXPECT_TRUE(commands.advancedApply());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              "Are you sure you want to proceed with applying these optimizations?");
    EXPECT_EQ(prompts.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(prompts.shown[0].icon, MessageIcon::None);
    EXPECT_FALSE(prompts.shown[0].defaultNo);
    EXPECT_EQ(prompts.shown[0].title, "Quorvex");
    EXPECT_TRUE(storage.log.empty());
    EXPECT_TRUE(registry.data().empty());
    EXPECT_EQ(prompts.restarts, 0);
}

TEST_F(AdvancedApplyTest, FreshInstallWritesTheWindowsDefaults) {
    const TuningState before = window.state();
    commands.advancedApply();
    EXPECT_EQ(lm(kMstcp, "DefaultRcvWindow"), "8760");
    EXPECT_EQ(lm(kMstcp, "DefaultTTL"), "32");
    EXPECT_EQ(lm(kMstcp, "Tcp1323Opts"), "3");
    EXPECT_EQ(lm(kNetTrans, "MaxMTU"), "1480");
    EXPECT_EQ(lm(kNetTrans, "IPMTU"), "1480");
    EXPECT_EQ(lm(kIpMtuKey, "(Default)"), "1480");
    EXPECT_EQ(lm(kNetTrans, "MaxMSS"), "1440");
    EXPECT_EQ(lm(kMstcp, "SackOpts"), "1");
    EXPECT_EQ(lm(kMstcpParameters, "MaxDupAcks"), "1");
    EXPECT_EQ(lm(kTcpip, "TcpMaxDupAcks"), "<missing>");
    EXPECT_EQ(lm(kAfd, "FastCopyReceiveThreshold"), "1025");
    EXPECT_EQ(lm(kAfd, "FastSendDatagramThreshold"), "1024");
    EXPECT_EQ(lm(kLanman, "SizReqBuf"), "#4356");
    EXPECT_EQ(lm(kLanman, "MaxCmds"), "#15");
    EXPECT_EQ(lm(kLanman, "MaxThreads"), "#15");
    EXPECT_EQ(cu(kExplorer, "NoRecentDocsNetHood"), "#0");
    EXPECT_EQ(lm(kPsched, "NonBestEffortLimit"), "#20");
    EXPECT_EQ(cu(kInternet, "MaxConnectionsPerServer"), "#2");     // Combo2, HTTP 1.1
    EXPECT_EQ(cu(kInternet, "MaxConnectionsPer1_0Server"), "#4");  // Combo1, HTTP 1.0
    EXPECT_EQ(window.state(), before);
    EXPECT_EQ(prompts.restarts, 1);
    EXPECT_EQ(prompts.shown.size(), 1u);  // only the confirmation
}

TEST_F(AdvancedApplyTest, SavesEveryChoiceInOrderWithTheConnectionTextAndNoFirefoxKey) {
    window.controls().setOption("TTL128", true);
    commands.advancedApply();
    ASSERT_EQ(storage.log.size(), 48u + 3u + 1u + 11u);
    EXPECT_EQ(storage.log[0], (Write{"Connection", "1", "False"}));
    EXPECT_EQ(storage.log[25], (Write{"Connection", "35", "True"}));
    EXPECT_EQ(storage.log[26], (Write{"Advanced", "36", "False"}));
    EXPECT_EQ(storage.log[36], (Write{"Connection", "48", "False"}));
    EXPECT_EQ(storage.log[45], (Write{"Advanced", "TTL3", "False"}));
    EXPECT_EQ(storage.log[46], (Write{"Advanced", "TTL4", "False"}));
    EXPECT_EQ(storage.log[47], (Write{"Advanced", "TTL5", "True"}));
    EXPECT_EQ(storage.log[48], (Write{"Advanced", "HTTP0", "4"}));
    EXPECT_EQ(storage.log[49], (Write{"Advanced", "HTTP1", "2"}));
    EXPECT_EQ(storage.log[50], (Write{"Advanced", "QOS", "20"}));
    EXPECT_EQ(storage.log[51], (Write{"Values", "Connection", "Restore Windows Default Settings"}));
    EXPECT_EQ(storage.log[54], (Write{"Values", "3", "128"}));
    EXPECT_EQ(lm(kMstcp, "DefaultTTL"), "128");
    for (const auto& w : storage.log) EXPECT_NE(w.section, "Firefox");
    EXPECT_GE(storage.flushes(), 1);
}

TEST_F(AdvancedApplyTest, SatelliteChoiceIsTheOnlySelectedConnectionKey) {
    choose("Satellite (6 Megabit And Up)");
    commands.advancedApply();
    EXPECT_EQ(lm(kMstcp, "DefaultRcvWindow"), "556260");
    EXPECT_EQ(lm(kNetTrans, "MaxMTU"), "1500");
    EXPECT_EQ(lm(kNetTrans, "MaxMSS"), "1460");
    int selected = 0;
    for (const auto& w : storage.log)
        if (w.section == "Connection" && w.value == "True") {
            ++selected;
            EXPECT_EQ(w.key, "27");
        }
    EXPECT_EQ(selected, 1);
}

TEST_F(AdvancedApplyTest, AStandardUserIsToldTheTrueCountAndToRunAsAdministrator) {
    refuseAsStandardUser(registry);
    commands.advancedApply();
    EXPECT_EQ(cu(kExplorer, "NoRecentDocsNetHood"), "<missing>");
    EXPECT_EQ(cu(kInternet, "MaxConnectionsPerServer"), "#2");
    EXPECT_EQ(cu(kInternet, "MaxConnectionsPer1_0Server"), "#4");
    EXPECT_EQ(storage.log.size(), 63u);
    expectRefusedValuesBox(prompts,
                           "16 of the 18 registry values could not be written. Run Quorvex as "
                           "administrator and try again.");
}

TEST_F(AdvancedApplyTest, AnElevatedAdministratorIsToldWhichValueFailedAndWhy) {
    elevation.value = true;
    registry.failValue("MaxDupAcks", kRegWriteFault);
    commands.advancedApply();
    EXPECT_EQ(lm(kMstcp, "DefaultTTL"), "32");
    expectRefusedValuesBox(prompts,
                           "1 of the 18 registry values could not be written (\"MaxDupAcks\"): The "
                           "system cannot write to the specified device.");
}

TEST_F(AdvancedApplyTest, NoConnectionChosenShowsTheErrorAndWritesNothing) {
    // A hand-edited store in which no connection control is selected: the list stays empty and
    // MTU, MSS and receive window stay 0.
    for (const auto& k : optionKeys())
        if (k.section == std::string_view("Connection"))
            storage.write("Connection", std::string(k.key), "False");
    WindowModel damaged;
    restoreWindowState(damaged, storage);
    ASSERT_EQ(damaged.controls().listText("Combo3"), "");
    ASSERT_EQ(damaged.state().Mtu, 0);
    const auto writes = storage.log.size();

    CommandContext context{{registry, storage, prompts, events, locations, clock}, damaged};
    runAdvancedApply(context);
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].text,
              "Please choose your type of internet / network connection according to the "
              "subscription with your ISP.");
    EXPECT_EQ(prompts.shown[0].icon, MessageIcon::Error);
    EXPECT_EQ(prompts.shown[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(registry.data().empty());
    EXPECT_EQ(storage.log.size(), writes);
    EXPECT_EQ(prompts.restarts, 0);
}

TEST_F(AdvancedApplyTest, RefusedSettingsStillWriteTheRegistry) {
    storage.refuseWrites();
    commands.advancedApply();
    EXPECT_EQ(lm(kMstcp, "DefaultTTL"), "32");
    EXPECT_EQ(prompts.restarts, 1);
}

TEST(AdvancedWritePlanTest, WritesTheEighteenRowsOfItsTable) {
    // Hive, key path, value name, type and source of each row, as the apply must write them.
    struct Row {
        Hive hive;
        const char* keyPath;
        const char* valueName;
        std::uint32_t type;
        const char* source;  // a TuningState field, or a list
    };
    constexpr Hive LM = Hive::LocalMachine;
    constexpr Hive CU = Hive::CurrentUser;
    const Row expected[] = {
        {LM, kMstcp, "DefaultRcvWindow", kRegSz, "Rwin"},
        {LM, kMstcp, "DefaultTTL", kRegSz, "Ttl"},
        {LM, "System\\CurrentControlSet\\Services\\VXD\\MSTCP", "Tcp1323Opts", kRegSz,
         "Tcp1323Opts"},
        {LM, kNetTrans, "MaxMTU", kRegSz, "Mtu"},
        {LM, kNetTrans, "IPMTU", kRegSz, "Mtu"},
        {LM, kIpMtuKey, "(Default)", kRegSz, "Mtu"},
        {LM, kNetTrans, "MaxMSS", kRegSz, "Mss"},
        {LM, kMstcp, "SackOpts", kRegSz, "SackOpts"},
        {LM, kMstcpParameters, "MaxDupAcks", kRegSz, "MaxDupAcks"},
        {LM, kAfd, "FastCopyReceiveThreshold", kRegSz, "FastCopyReceiveThreshold"},
        {LM, kAfd, "FastSendDatagramThreshold", kRegSz, "FastSendDatagramThreshold"},
        {LM, kLanman, "SizReqBuf", kRegDword, "SizReqBuf"},
        {LM, kLanman, "MaxCmds", kRegDword, "MaxCmds"},
        {LM, kLanman, "MaxThreads", kRegDword, "MaxCmds"},
        {CU, kExplorer, "NoRecentDocsNetHood", kRegDword, "NoRecentDocsNetHood"},
        {LM, kPsched, "NonBestEffortLimit", kRegDword, "QOS"},
        {CU, kInternet, "MaxConnectionsPerServer", kRegDword, "Combo2"},
        {CU, kInternet, "MaxConnectionsPer1_0Server", kRegDword, "Combo1"},
    };
    const auto plan = advancedWritePlan();
    ASSERT_EQ(plan.size(), std::size(expected));
    for (std::size_t i = 0; i < plan.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i + 1));
        const Row& row = expected[i];
        EXPECT_EQ(plan[i].number, static_cast<int>(i) + 1);
        EXPECT_EQ(plan[i].hive, row.hive);
        EXPECT_EQ(plan[i].keyPath, row.keyPath);
        EXPECT_EQ(plan[i].valueName, row.valueName);
        EXPECT_EQ(plan[i].type, row.type);
        const std::string source = plan[i].source.kind == PlanSource::Kind::List
                                       ? std::string(plan[i].source.list)
                                       : std::string(tuningFieldName(plan[i].source.field));
        EXPECT_EQ(source, row.source);
    }
}

}  // namespace
}  // namespace quorvex
