#include "commands/applied_values_check.h"

#include "commands/value_text.h"

#include <algorithm>
#include <string>

#include "commands/window_settings.h"
#include "model/window_model.h"
#include "settings/settings_keys.h"
#include "tuning/mod_registry.h"

namespace quorvex {

namespace {

// A REG_SZ's data without the zero bytes that end it: the registry keeps one, a hand-made
// value may have none or two.
std::vector<std::uint8_t> comparable(const RegValue& value) {
    std::vector<std::uint8_t> data = value.data;
    if (value.type == kRegSz)
        while (!data.empty() && data.back() == 0) data.pop_back();
    return data;
}

bool sameData(const RegValue& a, const RegValue& b) {
    return a.type == b.type && comparable(a) == comparable(b);
}

CheckedValue checkRow(RegistryBackend& registry, const PlanRow& row, const WindowModel& window) {
    CheckedValue checked{&row, std::nullopt, std::nullopt, std::nullopt, false};
    const std::string name(row.valueName);
    if (const auto bytes =
            modRegistry::encodeValue(row.type, planRowData(row, window.state(), window.controls())))
        checked.expected = RegValue{name, row.type, *bytes};
    RegValue live{name, 0, {}};
    const long status =
        registry.queryValue(row.hive, std::string(row.keyPath), name, live.type, live.data);
    if (status == kRegOk)
        checked.live = std::move(live);
    else if (status != kRegNotFound)
        checked.unreadable = registry.describeFailure(status);
    checked.matches =
        checked.expected && checked.live && sameData(*checked.expected, *checked.live);
    return checked;
}

}  // namespace

std::size_t AppliedValuesCheck::differences() const {
    return static_cast<std::size_t>(std::count_if(
        values.begin(), values.end(), [](const CheckedValue& value) { return !value.matches; }));
}

AppliedValuesCheck checkAppliedValues(RegistryBackend& registry, const SettingsStorage& settings) {
    AppliedValuesCheck check;
    try {
        const auto connection = settings.read(std::string(kConnectionListKey.section),
                                              std::string(kConnectionListKey.key));
        check.choicesSaved = connection && !connection->empty();
        if (!check.choicesSaved) return check;
        WindowModel window;
        restoreWindowState(window, settings);
        for (const auto& row : optimizationWritePlan())
            check.values.push_back(checkRow(registry, row, window));
    } catch (...) {
        // Reading never fails the caller: what was compared so far stands.
    }
    return check;
}

std::vector<std::string> appliedValuesReport(const AppliedValuesCheck& check) {
    if (!check.choicesSaved)
        return {"No connection kind has been applied yet, so there is nothing to compare with."};
    std::vector<std::string> lines;
    for (const auto& value : check.values) {
        if (value.matches) continue;
        const std::string found = value.unreadable
                                      ? "unreadable (" + failureText(*value.unreadable) + ")"
                                      : shownValue(value.live);
        lines.push_back(fullKeyName(value.row->hive, value.row->keyPath) + " " +
                        std::string(value.row->valueName) + ": expected " +
                        shownValue(value.expected) + ", found " + found);
    }
    const std::size_t differences = check.differences();
    const std::string all = std::to_string(check.values.size());
    lines.push_back(differences == 0 ? "All " + all + " values match the saved choices."
                                     : std::to_string(differences) + " of the " + all +
                                           " values differ from the saved choices.");
    return lines;
}

}  // namespace quorvex
