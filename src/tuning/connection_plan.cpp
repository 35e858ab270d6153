#include "tuning/connection_plan.h"

#include "tuning/mod_registry.h"
#include "tuning/optimization_profile.h"
#include "tuning/reg_file_format.h"

namespace quorvex {

namespace {

// The three number lists as the optimization leaves them: QOS, Combo2 (HTTP/1.1) and Combo1
// (HTTP/1.0) on the entries of the profile's set.
class ProfileLists : public ListTexts {
  public:
    explicit ProfileLists(const ProfileSet& set) : set_(set) {}
    std::string listText(const std::string& name) const override {
        if (name == "QOS") return std::string(set_.qos);
        if (name == "Combo2") return std::string(set_.http11);
        if (name == "Combo1") return std::string(set_.http10);
        return {};
    }

  private:
    const ProfileSet& set_;
};

}  // namespace

std::vector<PlannedValue> connectionPlan(ConnectionKind kind) {
    const OptimizationProfile profile = optimizationProfile(kind);
    const TuningState state = profileState(profile);
    const ProfileLists lists(*profile.set);
    std::vector<PlannedValue> planned;
    for (const auto& row : optimizationWritePlan()) {
        const auto bytes = modRegistry::encodeValue(row.type, planRowData(row, state, lists));
        planned.push_back({&row, RegValue{std::string(row.valueName), row.type,
                                          bytes.value_or(std::vector<std::uint8_t>{})}});
    }
    return planned;
}

std::string connectionPlanRegFile(ConnectionKind kind) {
    RegistryData data;
    for (const auto& value : connectionPlan(kind)) {
        const std::string path(value.row->keyPath);
        data.createKey(value.row->hive, path);
        data.setValue(value.row->hive, path, value.value.name, value.value.type, value.value.data);
    }
    return formatRegFile(data);
}

}  // namespace quorvex
