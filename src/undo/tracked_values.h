#pragma once

#include <string>
#include <vector>

#include "tuning/registry_types.h"

namespace quorvex::undo {

// One registry value a tuning command can write.
struct ValueAddress {
    Hive hive;
    std::string keyPath;
    std::string valueName;
};

// One key of the settings store.
struct SettingAddress {
    std::string section;
    std::string key;
};

// Every value that either tuning command writes (the rows of both write plans, each value
// once, in plan order): nineteen values.
const std::vector<ValueAddress>& trackedValues();

// The settings that the tuning commands save and an undo brings back with the values: every
// option control, the four lists and the "Values" numbers. The Firefox page's keys are left
// out, because an undo does not touch the Firefox files whose state they show.
const std::vector<SettingAddress>& trackedSettings();

// Whether two addresses name the same value (key paths and names compare without case).
bool sameValue(const ValueAddress& a, const ValueAddress& b);

}  // namespace quorvex::undo
