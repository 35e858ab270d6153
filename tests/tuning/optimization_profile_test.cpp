#include "tuning/optimization_profile.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <variant>

#include "model/window_model.h"
#include "support/profile_in_place.h"
#include "tuning/memory_registry_backend.h"
#include "tuning/registry_write_plan.h"

namespace quorvex {
namespace {

using Expected = std::map<std::string, std::variant<std::string, std::uint32_t>>;

// Puts a profile in place on the window as the automatic optimization does, then runs the plan.
MemoryRegistryBackend runProfile(ConnectionKind kind) {
    WindowModel window;
    testing::putProfileInPlace(window, kind);
    MemoryRegistryBackend backend;
    EXPECT_EQ(runWritePlan(backend, optimizationWritePlan(), window.state(), window.controls()), 0);
    return backend;
}

// Every value of the plan, by name, as text (REG_SZ) or number (REG_DWORD).
Expected readBack(const MemoryRegistryBackend& backend) {
    Expected out;
    for (const auto& row : optimizationWritePlan()) {
        const RegValue* v =
            backend.data().value(row.hive, std::string(row.keyPath), std::string(row.valueName));
        if (!v) continue;
        if (v->type == kRegSz)
            out[std::string(row.valueName)] = std::string(v->data.begin(), v->data.end() - 1);
        else
            out[std::string(row.valueName)] =
                static_cast<std::uint32_t>(v->data[0] | v->data[1] << 8 | v->data[2] << 16 |
                                           static_cast<std::uint32_t>(v->data[3]) << 24);
    }
    return out;
}

Expected recommendedWith(const char* rwin, const char* mtu, const char* mss) {
    using S = std::string;
    return {{"DefaultRcvWindow", S(rwin)},
            {"MaxMTU", S(mtu)},
            {"IPMTU", S(mtu)},
            {"(Default)", S(mtu)},
            {"MaxMSS", S(mss)},
            {"DefaultTTL", S("64")},
            {"Tcp1323Opts", S("1")},
            {"SackOpts", S("1")},
            {"TcpMaxDupAcks", 2u},
            {"FastCopyReceiveThreshold", S("1500")},
            {"FastSendDatagramThreshold", S("1500")},
            {"SizReqBuf", 16384u},
            {"MaxCmds", 64u},
            {"MaxThreads", 64u},
            {"NoRecentDocsNetHood", 1u},
            {"NonBestEffortLimit", 0u},
            {"MaxConnectionsPerServer", 10u},
            {"MaxConnectionsPer1_0Server", 10u}};
}

TEST(OptimizationProfileTest, Dsl100MWritesTheRecommendedSet) {
    EXPECT_EQ(readBack(runProfile(ConnectionKind::Dsl100M)),
              recommendedWith("2337720", "1492", "1452"));
}

TEST(OptimizationProfileTest, DialUp56KDiffersOnlyInItsOwnValues) {
    EXPECT_EQ(readBack(runProfile(ConnectionKind::DialUp56K)),
              recommendedWith("7300", "1500", "1460"));
}

TEST(OptimizationProfileTest, RestoreDefaultsWritesWindowsDefaults) {
    using S = std::string;
    const Expected expected{{"DefaultRcvWindow", S("8760")},
                            {"MaxMTU", S("1480")},
                            {"IPMTU", S("1480")},
                            {"(Default)", S("1480")},
                            {"MaxMSS", S("1440")},
                            {"DefaultTTL", S("32")},
                            {"Tcp1323Opts", S("3")},
                            {"SackOpts", S("0")},
                            {"TcpMaxDupAcks", 1u},
                            {"FastCopyReceiveThreshold", S("1025")},
                            {"FastSendDatagramThreshold", S("1024")},
                            {"SizReqBuf", 4356u},
                            {"MaxCmds", 15u},
                            {"MaxThreads", 15u},
                            {"NoRecentDocsNetHood", 0u},
                            {"NonBestEffortLimit", 20u},
                            // Windows' own defaults: 2 per HTTP/1.1 server, 4 per HTTP/1.0 server.
                            {"MaxConnectionsPerServer", 2u},
                            {"MaxConnectionsPer1_0Server", 4u}};
    EXPECT_EQ(readBack(runProfile(ConnectionKind::RestoreDefaults)), expected);
}

TEST(OptimizationProfileTest, ClosedCompanyAndClosedHomeWriteTheSameRegistry) {
    EXPECT_EQ(runProfile(ConnectionKind::ClosedCompany).data(),
              runProfile(ConnectionKind::ClosedHome).data());
}

TEST(OptimizationProfileTest, ASecondRunChangesNothing) {
    MemoryRegistryBackend backend = runProfile(ConnectionKind::Satellite6M);
    const RegistryData first = backend.data();
    WindowModel window;
    window.controls().setOption("Option22", true);
    for (const auto& choice : recommendedSet().choices)
        window.controls().setOption(std::string(choice.control), true);
    window.controls().setListText("QOS", "0");
    window.controls().setListText("Combo2", "10");
    window.controls().setListText("Combo1", "10");
    runWritePlan(backend, optimizationWritePlan(), window.state(), window.controls());
    EXPECT_EQ(backend.data(), first);
}

TEST(OptimizationProfileTest, PlanShape) {
    const auto plan = optimizationWritePlan();
    ASSERT_EQ(plan.size(), 18u);
    int currentUser = 0;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        EXPECT_EQ(plan[i].number, static_cast<int>(i) + 1);
        currentUser += plan[i].hive == Hive::CurrentUser;
    }
    EXPECT_EQ(currentUser, 3);
    EXPECT_EQ(plan[2].keyPath, "System\\CurrentControlSet\\Services\\VXD\\MSTCP");
    MemoryRegistryBackend backend = runProfile(ConnectionKind::Dsl1M);
    // Rows 1-3 and 8 reach one key although spelled "VxD" and "VXD".
    const std::optional<RegKeyData> mstcp =
        backend.data().key(Hive::LocalMachine, "SYSTEM\\CURRENTCONTROLSET\\SERVICES\\VXD\\MSTCP");
    ASSERT_TRUE(mstcp.has_value());
    EXPECT_EQ(mstcp->values.size(), 4u);
}

TEST(OptimizationProfileTest, ListSourceIsReadAtTheMomentOfTheWrite) {
    WindowModel window;
    MemoryRegistryBackend backend;
    const PlanRow& row = optimizationWritePlan()[15];  // NonBestEffortLimit from QOS
    EXPECT_FALSE(runPlanRow(backend, row, window.state(), window.controls()));  // empty text
    window.controls().setListText("QOS", "35");
    EXPECT_TRUE(runPlanRow(backend, row, window.state(), window.controls()));
    EXPECT_EQ(backend.data().value(row.hive, std::string(row.keyPath), "NonBestEffortLimit")->data,
              (std::vector<std::uint8_t>{35, 0, 0, 0}));
}

}  // namespace
}  // namespace quorvex
