#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "tuning/registry_data.h"
#include "undo/tracked_values.h"

namespace quorvex::undo {

// One tracked registry value as it was: its type and data, or nothing when it did not exist.
struct RecordedValue {
    ValueAddress address;
    std::optional<RegValue> value;
};

// One tracked setting as it was: its text, or a value of another type exactly as stored, or
// neither when the key did not exist.
struct RecordedSetting {
    SettingAddress address;
    std::optional<std::string> text;
    std::optional<RegValue> other;
};

// What the tuning values and the window's saved settings were at one moment: the state an
// undo puts back.
struct ChangeRecord {
    std::chrono::system_clock::time_point recorded;
    std::vector<RecordedValue> values;      // in the order of trackedValues()
    std::vector<RecordedSetting> settings;  // in the order of trackedSettings()
};

}  // namespace quorvex::undo
