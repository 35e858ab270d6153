#include "undo/tracked_values.h"

#include <algorithm>

#include "commands/advanced_apply.h"
#include "settings/settings_keys.h"
#include "tuning/registry_data.h"
#include "tuning/registry_write_plan.h"

namespace quorvex::undo {

namespace {

std::vector<ValueAddress> collectValues() {
    std::vector<ValueAddress> values;
    for (const auto plan : {optimizationWritePlan(), advancedWritePlan()}) {
        for (const PlanRow& row : plan) {
            ValueAddress address{row.hive, std::string(row.keyPath), std::string(row.valueName)};
            const bool known = std::any_of(values.begin(), values.end(),
                                           [&](const auto& v) { return sameValue(v, address); });
            if (!known) values.push_back(std::move(address));
        }
    }
    return values;
}

std::vector<SettingAddress> collectSettings() {
    std::vector<SettingAddress> settings;
    for (const OptionKey& option : optionKeys())
        settings.push_back({std::string(option.section), std::string(option.key)});
    for (const ListKey& list : numberListKeys())
        settings.push_back({std::string(list.section), std::string(list.key)});
    settings.push_back(
        {std::string(kConnectionListKey.section), std::string(kConnectionListKey.key)});
    for (const ValueKey& value : valueKeys())
        settings.push_back({sections::kValues, std::string(value.key)});
    return settings;
}

}  // namespace

bool sameValue(const ValueAddress& a, const ValueAddress& b) {
    return a.hive == b.hive && RegistryData::fold(a.keyPath) == RegistryData::fold(b.keyPath) &&
           RegistryData::fold(a.valueName) == RegistryData::fold(b.valueName);
}

const std::vector<ValueAddress>& trackedValues() {
    static const std::vector<ValueAddress> values = collectValues();
    return values;
}

const std::vector<SettingAddress>& trackedSettings() {
    static const std::vector<SettingAddress> settings = collectSettings();
    return settings;
}

}  // namespace quorvex::undo
