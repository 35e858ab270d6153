#include "tuning/registry_write_plan.h"

#include <array>
#include <optional>
#include <string>

#include "tuning/mod_registry.h"
#include "tuning/registry_batch.h"

namespace quorvex {

namespace {

using F = TuningField;
using S = PlanSource;
constexpr Hive HKLM = Hive::LocalMachine;
constexpr Hive HKCU = Hive::CurrentUser;

constexpr std::string_view kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
constexpr std::string_view kMstcpUpper = "System\\CurrentControlSet\\Services\\VXD\\MSTCP";
constexpr std::string_view kNetTrans = "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000";
constexpr std::string_view kIpMtu =
    "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000\\NDI\\params\\IPMTU";
constexpr std::string_view kTcpip = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters";
constexpr std::string_view kAfd = "System\\CurrentControlSet\\Services\\AFD\\Parameters";
constexpr std::string_view kLanman =
    "System\\CurrentControlSet\\Services\\LanmanWorkstation\\Parameters";
constexpr std::string_view kExplorer =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr std::string_view kPsched = "SOFTWARE\\Policies\\Microsoft\\Windows\\Psched";
constexpr std::string_view kInternet =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

constexpr std::array<PlanRow, 18> kOptimizationPlan{{
    {1, HKLM, kMstcp, "DefaultRcvWindow", kRegSz, S::ofField(F::Rwin)},
    {2, HKLM, kMstcp, "DefaultTTL", kRegSz, S::ofField(F::Ttl)},
    {3, HKLM, kMstcpUpper, "Tcp1323Opts", kRegSz, S::ofField(F::Tcp1323Opts)},
    {4, HKLM, kNetTrans, "MaxMTU", kRegSz, S::ofField(F::Mtu)},
    {5, HKLM, kNetTrans, "IPMTU", kRegSz, S::ofField(F::Mtu)},
    {6, HKLM, kIpMtu, "(Default)", kRegSz, S::ofField(F::Mtu)},
    {7, HKLM, kNetTrans, "MaxMSS", kRegSz, S::ofField(F::Mss)},
    {8, HKLM, kMstcp, "SackOpts", kRegSz, S::ofField(F::SackOpts)},
    {9, HKLM, kTcpip, "TcpMaxDupAcks", kRegDword, S::ofField(F::MaxDupAcks)},
    {10, HKLM, kAfd, "FastCopyReceiveThreshold", kRegSz, S::ofField(F::FastCopyReceiveThreshold)},
    {11, HKLM, kAfd, "FastSendDatagramThreshold", kRegSz, S::ofField(F::FastSendDatagramThreshold)},
    {12, HKLM, kLanman, "SizReqBuf", kRegDword, S::ofField(F::SizReqBuf)},
    {13, HKLM, kLanman, "MaxCmds", kRegDword, S::ofField(F::MaxCmds)},
    {14, HKLM, kLanman, "MaxThreads", kRegDword, S::ofField(F::MaxCmds)},
    {15, HKCU, kExplorer, "NoRecentDocsNetHood", kRegDword, S::ofField(F::NoRecentDocsNetHood)},
    {16, HKLM, kPsched, "NonBestEffortLimit", kRegDword, S::ofList("QOS")},
    {17, HKCU, kInternet, "MaxConnectionsPerServer", kRegDword, S::ofList("Combo2")},
    {18, HKCU, kInternet, "MaxConnectionsPer1_0Server", kRegDword, S::ofList("Combo1")},
}};

}  // namespace

std::span<const PlanRow> optimizationWritePlan() {
    return kOptimizationPlan;
}

RegData planRowData(const PlanRow& row, const TuningState& state, const ListTexts& controls) {
    if (row.source.kind == PlanSource::Kind::List)
        return controls.listText(std::string(row.source.list));
    return tuningFieldValue(state, row.source.field);
}

bool runPlanRow(RegistryBackend& backend, const PlanRow& row, const TuningState& state,
                const ListTexts& controls, RegistryFailure* why) {
    const std::string path(row.keyPath);
    const long created = modRegistry::CreateKey(backend, path, row.hive);
    std::optional<RegistryFailure> notCreated;
    if (created != kRegOk) notCreated = backend.describeFailure(created);
    if (modRegistry::SetValue(backend, row.hive, path, std::string(row.valueName),
                              planRowData(row, state, controls), row.type, why))
        return true;
    if (why && notCreated) *why = std::move(*notCreated);
    return false;
}

int runWritePlan(RegistryBackend& backend, std::span<const PlanRow> plan, const TuningState& state,
                 const ListTexts& controls) {
    RegistryBatch batch(backend);
    int failed = 0;
    for (const auto& row : plan)
        if (!runPlanRow(backend, row, state, controls)) ++failed;
    if (batch.commit() != kRegOk) return static_cast<int>(plan.size());
    return failed + static_cast<int>(batch.refusedAtCommit().size());
}

}  // namespace quorvex
